// The cost and material-handling dialog of a wood crib, over the cost frame.
// The crib's timbers come from its performance dialog: the pieces are its
// layers (as many timber thicknesses as fit in the entry height) times its
// timbers per layer, priced and weighed by the board foot; its transport
// volume is that of the timbers plus a typed fixed volume. The "Transport"
// tab shows the timber length and width and the timbers per layer.
#pragma once

#include "costs/costframe.h"

class QLabel;

namespace vesk {

class MatCrib : public CostFrame {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 292;

    explicit MatCrib(QWidget* parent = nullptr);

protected:
    int unitCostCode() const override;
    int unitWeightCode() const override;
    void setMemberCaptions() override;
    void fillMemberBoxes() override;
    std::vector<MemberCostBox> memberBoxes() const override;
    std::vector<SizeF CaseRec::*> memberTransportFields() const override;
    CostQuantities quantities() const override;

private:
    NumBox* txFixVol_ = nullptr;
    QLabel* lbLen_ = nullptr;
    QLabel* lbWid_ = nullptr;
    QLabel* lbNoTim_ = nullptr;
};

}  // namespace vesk
