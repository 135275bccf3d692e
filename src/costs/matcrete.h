// The cost and material-handling dialog of the concrete cribs (donut,
// four-point, solid and stopping block), over the cost frame. The crib's
// dimensions come from the concrete performance dialog and its type from the
// current type; the concrete is priced and weighed by the cubic foot. The
// "Transport" tab holds the fixed volume and shows the entry height and the
// crib's plan dimensions, named by its type.
#pragma once

#include "costs/costframe.h"

class QLabel;

namespace vesk {

class MatCrete : public CostFrame {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 291;

    explicit MatCrete(QWidget* parent = nullptr);

protected:
    int unitCostCode() const override;
    int unitWeightCode() const override;
    void setMemberCaptions() override;
    void fillMemberBoxes() override;
    std::vector<MemberCostBox> memberBoxes() const override;
    std::vector<SizeF CaseRec::*> memberTransportFields() const override;
    CostQuantities quantities() const override;
    CostReadOrder readOrder() const override;

private:
    NumBox* txFixVol_ = nullptr;
    QLabel* lbHt_ = nullptr;
    QLabel* lbWid_ = nullptr;
    QLabel* lbLen_ = nullptr;
};

}  // namespace vesk
