// The design criteria of cable bolts: entry size, the detached rock block that
// the bolts carry, the design roof displacement and the design safety factor.
#pragma once

#include <QDialog>

namespace vesk {

class CableCriteria : public QDialog {
    Q_OBJECT
public:
    explicit CableCriteria(QWidget* parent = nullptr);
    ~CableCriteria() override;

private:
    struct Impl;
    Impl* d_ = nullptr;
};

}  // namespace vesk
