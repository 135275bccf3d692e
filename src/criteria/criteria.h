// The design-basis dialog: the choice of design basis and units, the doors to
// the criteria dialogs of standing supports and cable bolts, a summary of the
// criteria in force, and, when it closes, the updated marks taken from the
// supports whose criteria changed.
#pragma once

#include <QDialog>

#include <cstdint>

namespace vesk {

class Criteria : public QDialog {
    Q_OBJECT
public:
    explicit Criteria(QWidget* parent = nullptr);
    ~Criteria() override;

    // Written by the criteria dialog that this dialog opened: -1 committed,
    // 0 cancelled (or closed by its close box).
    static int16_t CritEditorDone;

private:
    struct Impl;
    Impl* d_ = nullptr;
};

}  // namespace vesk
