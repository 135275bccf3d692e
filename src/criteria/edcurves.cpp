#include "criteria/edcurves.h"

namespace vesk {

EdCurves::EdCurves(QWidget* parent) : QDialog(parent) { setObjectName("EdCurves"); }

}  // namespace vesk
