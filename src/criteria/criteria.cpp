#include "criteria/criteria.h"

namespace vesk {

struct Criteria::Impl {};
int16_t Criteria::CritEditorDone = 0;
Criteria::Criteria(QWidget* parent) : QDialog(parent) {}
Criteria::~Criteria() { delete d_; }

}  // namespace vesk
