#include "criteria/maxyield.h"

namespace vesk {

struct MaxYield::Impl {};

MaxYield::MaxYield(QWidget* parent, UconvExchange&) : QDialog(parent) {}
MaxYield::~MaxYield() { delete d_; }

}  // namespace vesk
