// The windows that the main window's navigation timer opens, by next-step
// code. Each window of a step plugs its opener in here; tests may put their
// own openers in place.
#pragma once

#include "model/globals.h"
#include "ui/openers.h"

namespace vesk {

using StepOpener = WindowOpener;

// Puts the program's own openers in place (those whose windows exist).
void InstallStepOpeners();

// Puts in place the openers of the main window's windows that other windows
// open in passing: the support list and the project-name dialog.
void InstallSharedWindowOpeners();

void SetStepOpener(int code, StepOpener opener);
void ClearStepOpeners();
bool HasStepOpener(int code);

// Opens the window of a step modally. False, and nothing shown, when the
// step has no window.
bool OpenStep(int code, QWidget* parent);

}  // namespace vesk
