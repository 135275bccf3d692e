// The cost and material-handling dialog of a cable-bolt support, over the
// cost frame. A support is one cable bolt of the size that the performance
// dialog chose (element SizeIdx + 1); bolts travel in packages, whose
// loading, unloading and shipping are paid per package. The cable options
// of the performance dialog (coated cable, hole, plate or mat) choose which
// cost, time, volume and weight fields the boxes show, read and reset; the
// mat's rows are shown only with the mat. The plate, mat and resin volumes
// are held per bolt and shown per package; their boxes are read only after
// the user edited them, and are shown again for the new package whenever
// the number of bolts a package holds changes. The caption names the support
// type, and a note on cost estimates is shown.
#pragma once

#include "costs/costframe.h"

class QLabel;

namespace vesk {

class MatCab : public CostFrame {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 290;

    explicit MatCab(QWidget* parent = nullptr);

protected:
    int unitCostCode() const override;
    int unitWeightCode() const override;
    int timeCode() const override;
    bool weightPerHeight() const override;
    void setMemberCaptions() override;
    void fillMemberBoxes() override;
    void fillMemberGroup(int tab) override;
    std::vector<MemberCostBox> memberBoxes() const override;
    std::vector<SizeF CaseRec::*> memberTransportFields() const override;
    CostQuantities quantities() const override;
    CostRules rules() const override;
    CostReadOrder readOrder() const override;
    void afterRead(const CostReadResult& read, const std::vector<MemberCostBox>& boxes) override;
    void showMemberResults(const CostResults& r) override;
    void restoreDefaults(int index) override;

private:
    // A per-package volume box and whether the user edited it since the
    // program wrote it or its value was taken.
    struct VolumeBox {
        NumBox* box = nullptr;
        bool edited = false;
    };
    NumBox* boxNamed(const char* name) const;
    void showRow(QWidget* control, bool shown);
    void showVolumes(bool keepEdited);

    NumBox* txResinCost_ = nullptr;
    NumBox* txPlateCost_ = nullptr;
    NumBox* txMatCost_ = nullptr;
    NumBox* txDrillTime_ = nullptr;
    NumBox* txPcs_ = nullptr;
    NumBox* txBwid_ = nullptr;
    NumBox* txBlen_ = nullptr;
    VolumeBox resinVol_, plateVol_, matVol_;  // TxSwid, TxPlateVol, TxMatVol
    NumBox* txPlateWt_ = nullptr;
    NumBox* txMatWt_ = nullptr;
    NumBox* txDrillWork_ = nullptr;
    QLabel* lbPcs_ = nullptr;
    QLabel* lbPkgCar_ = nullptr;
    QLabel* lbSuppVol_ = nullptr;
    int shownPerPkg_ = 0;  // the bolts per package that the volume boxes and LbPcs show
};

}  // namespace vesk
