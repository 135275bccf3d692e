// How the program's windows behave on the desktop, the same in every window:
// - Alt pressed and released on its own, or F10, opens the menu bar of the
//   active window (its first menu), whether or not the captions carry
//   mnemonics; the arrow keys then move through the menus.
// - Enter on a focused command button clicks it. Enter in a text box is left
//   to the box.
// - A window opens centred over its owner (a dialog over the window it
//   belongs to) or, without one, on the screen, and always wholly on the
//   available screen.
#pragma once

class QWidget;

namespace vesk {

// Installs the behaviour above for every window of the application; once,
// after the QApplication exists.
void InstallDesktopConventions();

// Centres `window` over `owner` (over the available screen when null or
// hidden) and keeps it wholly on the available screen, shrinking it when it
// is larger. Before the window is first shown it is given its natural size
// first. A window so placed keeps its place when it is shown.
void PlaceWindow(QWidget* window, const QWidget* owner);

}  // namespace vesk
