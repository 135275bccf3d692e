// The windows that the main window's navigation timer opens, by next-step
// code. Each window of a step plugs its opener in here; tests may put their
// own openers in place.
#pragma once

#include <functional>

class QWidget;

namespace vesk {

enum StepCode { StepNone = 0, StepInfo = 1, StepCriteria = 2, StepSupports = 3, StepCompare = 4 };

// Shows the step's window modally over parent and returns when it closes.
using StepOpener = std::function<void(QWidget* parent)>;

// Puts the program's own openers in place (those whose windows exist).
void InstallStepOpeners();

void SetStepOpener(int code, StepOpener opener);
void ClearStepOpeners();
bool HasStepOpener(int code);

// Opens the window of a step modally. False, and nothing shown, when the
// step has no window.
bool OpenStep(int code, QWidget* parent);

}  // namespace vesk
