#include "shell/steps.h"

#include "compare/compare.h"
#include "criteria/criteria.h"
#include "shell/forminfo.h"
#include "model/globals.h"
#include "shell/editcases.h"

#include <map>

namespace vesk {

namespace {
std::map<int, StepOpener>& openers()
{
    static std::map<int, StepOpener> table;
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

void SetStepOpener(int code, StepOpener opener)
{
    if (opener)
        openers()[code] = std::move(opener);
    else
        openers().erase(code);
}

void ClearStepOpeners() { openers().clear(); }

bool HasStepOpener(int code) { return openers().count(code) != 0; }

bool OpenStep(int code, QWidget* parent)
{
    auto it = openers().find(code);
    if (it == openers().end())
        return false;
    StepOpener opener = it->second;  // a copy: the opener may replace itself
    opener(parent);
    return true;
}

}  // namespace vesk
