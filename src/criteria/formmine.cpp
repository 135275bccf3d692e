#include "criteria/formmine.h"

namespace vesk {

struct FormMine::Impl {};

FormMine::FormMine(QWidget* parent) : QDialog(parent) {}
FormMine::~FormMine() { delete d_; }

}  // namespace vesk
