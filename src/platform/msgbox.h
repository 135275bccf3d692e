// Message boxes: the buttons, icon and default button are chosen by the flag values
// below, and the result names the button that was pressed.
#pragma once

#include <QList>
#include <QString>

namespace vesk {

// Button sets (low bits of the flags).
constexpr int vbOKOnly = 0;
constexpr int vbOKCancel = 1;
constexpr int vbAbortRetryIgnore = 2;
constexpr int vbYesNoCancel = 3;
constexpr int vbYesNo = 4;
constexpr int vbRetryCancel = 5;
// Icons.
constexpr int vbCritical = 16;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;
// Default button: the first one unless one of these is given.
constexpr int vbDefaultButton1 = 0;
constexpr int vbDefaultButton2 = 256;
constexpr int vbDefaultButton3 = 512;
// Results.
constexpr int vbOK = 1;
constexpr int vbCancel = 2;
constexpr int vbAbort = 3;
constexpr int vbRetry = 4;
constexpr int vbIgnore = 5;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

// Shows `text` (plain text; "\r\n" or "\n" break lines) modally over the active
// window and returns the button pressed. An empty title shows the program's name.
int MsgBox(const QString& text, int buttons = vbOKOnly, const QString& title = QString());

// The result codes of the buttons of a flag value, in the order shown.
QList<int> MsgBoxButtons(int buttons);

// The result of the default button of a flag value (Enter presses it).
int MsgBoxDefault(int buttons);

struct MsgBoxRecord {
    QString text;
    QString title;  // as given by the caller
    int buttons = 0;
};

// Scripted mode for tests: no box is shown; each call takes the next queued
// answer, or the default button when the queue is empty, and is recorded.
namespace MsgBoxTest {
void enable();   // scripted mode, empty queue and record
void disable();  // real boxes again, queue and record emptied
void queue(int answer);
int pending();  // queued answers not yet taken
QList<MsgBoxRecord> shown();
void clear();  // forgets the record (the queue stays)
}  // namespace MsgBoxTest

}  // namespace vesk
