#include "shell/steps.h"

#include "compare/compare.h"
#include "criteria/criteria.h"
#include "shell/forminfo.h"
#include "model/globals.h"
#include "shell/editcases.h"
#include "shell/projectname.h"
#include "ui/openers.h"

namespace vesk {

namespace {
OpenerTable<int>& openers()
{
    static OpenerTable<int> table;
    return table;
}
}  // namespace

void InstallStepOpeners()
{
    // Each step's window adds its opener here as it is built:
    //   SetStepOpener(StepSupports, [](QWidget* parent) { EditCases dlg(parent); dlg.exec(); });
    SetStepOpener(StepInfo, [](QWidget* parent) {
        G.AddMode = 0;  // the information center in browse mode
        FormInfo dlg(parent);
        dlg.exec();
    });
    SetStepOpener(StepCriteria, [](QWidget* parent) {
        Criteria dlg(parent);
        dlg.exec();
    });
    SetStepOpener(StepSupports, [](QWidget* parent) {
        EditCases dlg(parent);
        dlg.exec();
    });
    SetStepOpener(StepCompare, [](QWidget* parent) {
        Compare dlg(parent);
        dlg.exec();
    });
}

void InstallSharedWindowOpeners()
{
    SetWindowOpener(SharedWindow::SupportList, [](QWidget* parent) {
        EditCases dlg(parent);
        dlg.exec();
    });
    SetWindowOpener(SharedWindow::ProjectName, [](QWidget* parent) {
        ProjectName dlg(parent);
        dlg.exec();
    });
}

void SetStepOpener(int code, StepOpener opener) { openers().set(code, std::move(opener)); }

void ClearStepOpeners() { openers().clear(); }

bool HasStepOpener(int code) { return openers().has(code); }

bool OpenStep(int code, QWidget* parent) { return openers().open(code, parent); }

}  // namespace vesk
