// The performance dialog of the concrete cribs (donut, four-point, solid and
// stopping block cribs) over the performance frame: the crib's dimensions,
// three or five by type, its concrete strength, the total thickness of its
// interlayer wood and where the wood lies. In selection mode it only
// specifies the crib ("Concrete Crib Specifications").
#pragma once

#include "supports/perfframe.h"

#include <array>

class QComboBox;
class QLabel;

namespace vesk {

class Concrete : public PerfFrame {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 265;

    explicit Concrete(QWidget* parent = nullptr);

protected:
    void fillBoxes() override;
    void recompute() override;

private:
    std::array<NumBox*, 5> txDim_{};  // CaseRec.Par(0) to Par(4)
    std::array<QLabel*, 5> lbDim_{};
    NumBox* textStrength_ = nullptr;  // Par(5)
    NumBox* txThick_ = nullptr;       // Par(6)
    QComboBox* combo1_ = nullptr;     // CaseRec.Interlayer
};

}  // namespace vesk
