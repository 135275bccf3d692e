#include "cablebolts/cablecriteria.h"

namespace vesk {

struct CableCriteria::Impl {};

CableCriteria::CableCriteria(QWidget* parent) : QDialog(parent) {}
CableCriteria::~CableCriteria() { delete d_; }

}  // namespace vesk
