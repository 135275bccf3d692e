// Small builders for the controls every window makes: each control carries
// its name as objectName, so tests find it; captions keep their "&" mnemonics.
#pragma once

#include <QCheckBox>
#include <QString>
#include <QStringList>

#include <functional>

class QLabel;
class QLineEdit;
class QMouseEvent;
class QPushButton;
class QWidget;

namespace vesk {

// A push button, with room around its caption. Enter presses it when it has
// the focus (see desktop.h), not from elsewhere in the window.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption);
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption);
// A sunken panel that shows a computed value, right-aligned.
QLabel* MakePanel(QWidget* parent, const QString& name);

// A check box whose handler runs when a mouse click over it is released,
// after the click has toggled it; ticking or clearing it from code or from
// the keyboard runs nothing.
class MouseUpCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;
    std::function<void()> onMouseUp;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// The box is made at least wide enough to show each of the texts whole.
void FitWidthToTexts(QLineEdit* box, const QStringList& texts);
// The label is made wide enough for the widest of the texts it will show, so
// that a change of its text never widens its window.
void FitWidthToTexts(QLabel* label, const QStringList& texts);
// The label breaks its text at blanks onto up to `lines` lines: it is made as
// narrow as each of the texts allows in that many lines, and as tall as the
// lines.
void WrapInLines(QLabel* label, const QStringList& texts, int lines);

// F1 in the window opens the program's help at its context number.
void InstallHelpKey(QWidget* window, int context);
// The same, for a window whose context number changes with its state.
void InstallHelpKey(QWidget* window, std::function<int()> context);

}  // namespace vesk
