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
    static constexpr int kHelpContext = 269;

    explicit Criteria(QWidget* parent = nullptr);
    ~Criteria() override;

    // Written by the criteria dialog that this dialog opened: -1 committed,
    // 0 cancelled (or closed by its close box).
    static int16_t CritEditorDone;

    // Runs when the window is first shown and after each dialog opened from
    // here has closed: the first run takes up the basis in force; every run
    // sets the title by the region.
    void activate();

public slots:
    // The close box and Escape: the changed groups are told, and the step
    // after this one stays the main menu.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Impl;
    Impl* d_ = nullptr;
};

}  // namespace vesk
