// The cost and material-handling dialog of a timber post, over the cost
// frame. The support is one piece, the post of the performance dialog, round
// or square, priced and weighed by the board foot over the full entry height;
// its transport volume is the packed post (the entry height less a height
// adjustment) with a package of secondary materials. The "Transport" tab
// shows the post's diameter or width and the entry height, and holds the
// shape, the height adjustment and the secondary package.
#pragma once

#include "costs/costframe.h"

class QLabel;
class QRadioButton;

namespace vesk {

class MatPost : public CostFrame {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 295;

    explicit MatPost(QWidget* parent = nullptr);

protected:
    int unitCostCode() const override;
    int unitWeightCode() const override;
    void setMemberCaptions() override;
    void fillMemberBoxes() override;
    std::vector<MemberCostBox> memberBoxes() const override;
    std::vector<SizeF CaseRec::*> memberTransportFields() const override;
    CostQuantities quantities() const override;

private:
    void setShapeCaption();
    void shapeClicked();

    QLabel* lbWid_ = nullptr;
    QLabel* lbLen_ = nullptr;
    QRadioButton* optRound_ = nullptr;
    QRadioButton* optSquare_ = nullptr;
    NumBox* txAdj_ = nullptr;
    NumBox* txSwid_ = nullptr;
    NumBox* txSlen_ = nullptr;
    NumBox* txSthick_ = nullptr;
};

}  // namespace vesk
