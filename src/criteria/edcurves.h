// The library of ground reaction curves: add, duplicate, rename, delete and
// edit curves, and store the library in the curve file.
#pragma once

#include <QDialog>

namespace vesk {

class EdCurves : public QDialog {
    Q_OBJECT
public:
    explicit EdCurves(QWidget* parent = nullptr);
};

}  // namespace vesk
