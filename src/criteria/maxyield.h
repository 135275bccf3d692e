// The uncontrolled-convergence dialog: the amount of convergence that the
// supports do not control and its timing against the design convergence.
#pragma once

#include <QDialog>

#include <cstdint>

namespace vesk {

// What the criteria dialog hands over and takes back.
struct UconvExchange {
    int16_t UconvTiming = 0;    // 0 Independent, 1 Concurrent
    float UconvAmount = 0;      // in
    float UconvDesignConv = 0;  // in; not taken back
};

class MaxYield : public QDialog {
    Q_OBJECT
public:
    // "&Ok" writes the amount and timing into x; "&Cancel" and the close box
    // leave it as it was.
    MaxYield(QWidget* parent, UconvExchange& x);
    ~MaxYield() override;

private:
    struct Impl;
    Impl* d_ = nullptr;
};

}  // namespace vesk
