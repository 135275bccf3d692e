// The performance and cost dialogs of a support, chosen by its type: one
// family of dialogs for wood cribs (type 1), timber posts (2), concrete cribs
// (3 to 6), file-defined standing types (7 on, category other than 7) and
// cable bolts (category 7).
//
// Each dialog is plugged in here as it is built. A dialog copies
// Cases(CurCaseNo) into CurCase when it opens; its "&Ok" copies CurCase back
// and adds 1 to ChangeCount, its "&Cancel" does neither. A family whose
// dialog does not exist yet shows nothing and counts nothing, so a support
// cannot become updated through a dialog that was never shown.
#pragma once

#include <functional>

class QWidget;

namespace vesk {

enum class SupportFamily { None, WoodCrib, TimberPost, ConcreteCrib, FileDefined, CableBolt };

// The family of a type code; None for a code outside 1..NumTypes.
SupportFamily FamilyOfType(int type);

// The window names of the family's dialogs ("PerfCrib", "MatCrib", ...);
// empty for None.
const char* PerformanceDialogName(SupportFamily family);
const char* CostDialogName(SupportFamily family);

// Shows a dialog modally over parent and returns when it has closed.
using SupportDialogOpener = std::function<void(QWidget* parent)>;

// Puts a family's dialog in place; an empty opener removes it. Tests put
// their own dialogs in place and call ResetSupportDialogs afterwards.
void SetPerformanceDialog(SupportFamily family, SupportDialogOpener opener);
void SetCostDialog(SupportFamily family, SupportDialogOpener opener);
// The program's own dialogs again, and no others.
void ResetSupportDialogs();

bool HasPerformanceDialog(int type);
bool HasCostDialog(int type);

// Shows the dialog of the type's family modally; false, with nothing shown,
// when the family has none.
bool ShowPerformanceDialog(int type, QWidget* parent);
bool ShowCostDialog(int type, QWidget* parent);

}  // namespace vesk
