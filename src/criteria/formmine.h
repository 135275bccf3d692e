// The design criteria dialog of standing supports: entry size, bearing
// strengths, the frame of the chosen design basis, the summary with the
// security check, and the commit with its change detection.
#pragma once

#include <QDialog>

namespace vesk {

class FormMine : public QDialog {
    Q_OBJECT
public:
    explicit FormMine(QWidget* parent = nullptr);
    ~FormMine() override;

private:
    struct Impl;
    Impl* d_ = nullptr;
};

}  // namespace vesk
