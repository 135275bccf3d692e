// Small builders for the controls every window makes: each control carries
// its name as objectName, so tests find it; captions keep their "&" mnemonics.
#pragma once

#include <QString>

#include <functional>

class QLabel;
class QPushButton;
class QWidget;

namespace vesk {

// A push button that Enter does not press unless the window makes it the default.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption);
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption);
// A sunken panel that shows a computed value, right-aligned.
QLabel* MakePanel(QWidget* parent, const QString& name);

// F1 in the window opens the program's help at its context number.
void InstallHelpKey(QWidget* window, int context);
// The same, for a window whose context number changes with its state.
void InstallHelpKey(QWidget* window, std::function<int()> context);

}  // namespace vesk
