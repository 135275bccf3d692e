// The performance dialog of a file-defined standing support (interlocking
// cribs and the like) over the performance frame: one of the type's models,
// read from its data file, with "&Optimization", which chooses model and rows
// for a maximum spacing. The model tables must hold the type's curves (the
// support list reads them when it selects the support). In selection mode it
// only specifies the support.
#pragma once

#include "supports/perfframe.h"

#include <optional>

class QComboBox;
class QPushButton;

namespace vesk {

class PerfLink : public PerfFrame {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 287;

    explicit PerfLink(QWidget* parent = nullptr);

protected:
    void fillBoxes() override;
    void recompute() override;
    void drawSupportCurve(CurvePlot& plot, double tonsPerTpf) override;
    double plotYStart(double xmax) const override;

private:
    // The model chosen in the list, when the curve tables hold it (1-based).
    std::optional<int> listModel() const;

    QComboBox* combo1_ = nullptr;
    QPushButton* comOpt_ = nullptr;
};

}  // namespace vesk
