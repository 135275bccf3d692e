// The performance dialog of a wood crib: timbers per layer, timber width,
// thickness, length and overhang, and the wood, over the performance frame.
// The crib model stands in for a stored curve; rows are added until the
// spacing reaches the timber length. "&Select" picks the wood from the crib
// species, "&Optimization" chooses the timbers and rows for a maximum
// spacing. In selection mode it only specifies the crib ("Wood Crib
// Specifications").
#pragma once

#include "supports/perfframe.h"

#include <array>
#include <functional>

namespace vesk {

class PerfCrib : public PerfFrame {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 268;

    // Shows the wood species picker modally (WoodTable 0 set first, WoodSel
    // read afterwards). Empty: "&Select" opens nothing.
    static std::function<void(QWidget* parent)> OpenWoodForm;
    // Shows the crib design optimisation modally; it hands its choice back
    // in CurCase. Empty: "&Optimization" opens nothing.
    static std::function<void(QWidget* parent)> OpenDsgnCrib;

    explicit PerfCrib(QWidget* parent = nullptr);

protected:
    void fillBoxes() override;
    void recompute() override;
    void drawSupportCurve(CurvePlot& plot, double tonsPerTpf) override;
    double plotYStart(double xmax) const override;
    bool plotBlankAt(double yStart) const override;

private:
    void widthEntered();
    void overhangDone(bool entered);
    void selectSpecies();
    // The crib's load density at a convergence with the stored model, rows
    // and spacing; 0 without rows or spacing.
    double densityAt(double conv) const;

    // TextWid, TextThick, TextLength, TextOver, TextStrength, TextHard: the
    // boxes of CaseRec.Par(0) to Par(5); and TextNum.
    std::array<NumBox*, 6> boxes_{};
    NumBox* textNum_ = nullptr;
    bool designed_ = false;
};

}  // namespace vesk
