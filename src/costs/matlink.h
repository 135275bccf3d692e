// The cost and material-handling dialog of a file-defined standing support,
// over the cost frame. It works on the size that the performance dialog
// chose (element SizeIdx + 1, its cost flags included), with the model's
// bases deciding whether the unit cost, the construction time and the unit
// weight count per piece, per ft of height or per support; their captions
// and units follow. The transport volume is a primary package that follows
// the entry height and a fixed secondary package. The caption names the
// support type, and a note on cost estimates is shown.
#pragma once

#include "costs/costframe.h"

namespace vesk {

class MatLink : public CostFrame {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 294;

    explicit MatLink(QWidget* parent = nullptr);

protected:
    int unitCostCode() const override;
    int unitWeightCode() const override;
    int timeCode() const override;
    bool weightPerHeight() const override;
    void setMemberCaptions() override;
    void setRecordCaptions() override;
    void fillMemberBoxes() override;
    std::vector<MemberCostBox> memberBoxes() const override;
    std::vector<SizeF CaseRec::*> memberTransportFields() const override;
    CostQuantities quantities() const override;
    CostRules rules() const override;

private:
    NumBox* txBwid_ = nullptr;
    NumBox* txBlen_ = nullptr;
    NumBox* txAdj_ = nullptr;
    NumBox* txPack_ = nullptr;
    NumBox* txSwid_ = nullptr;
    NumBox* txSlen_ = nullptr;
    NumBox* txSthick_ = nullptr;
};

}  // namespace vesk
