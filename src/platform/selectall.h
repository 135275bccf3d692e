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

// The hint shown when a name box refuses a character.
inline constexpr const char* kAnsiOnlyHint = "Only Western European characters can be stored.";

// A name box held to its field in the files: at most fieldLength characters,
// and any edit that would leave a character outside Windows-1252 is refused
// with kAnsiOnlyHint as a tooltip below the box.
void RestrictToFileField(QLineEdit* box, int fieldLength);

}  // namespace vesk
