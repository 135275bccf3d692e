// Text boxes: whole-text selection on focus, and boxes limited to the
// characters that the program's files can hold.
#pragma once

class QLineEdit;
class QWidget;

namespace vesk {

// Selects the whole text of a box (start 0, length of the text).
void SelectAllText(QLineEdit* box);

// Every text box of `form` that exists now selects its whole text when it gets
// the focus, by mouse too: the selection waits for the click to be handled.
void InstallSelectOnFocus(QWidget* form);

// The box refuses any edit that leaves a character outside Windows-1252.
void RestrictToAnsi(QLineEdit* box);

}  // namespace vesk
