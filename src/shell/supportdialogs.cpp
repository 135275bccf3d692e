#include "shell/supportdialogs.h"

#include "cablebolts/perfcab.h"
#include "costs/matcab.h"
#include "costs/matcrete.h"
#include "costs/matcrib.h"
#include "costs/matlink.h"
#include "costs/matpost.h"
#include "model/globals.h"
#include "model/supportlist.h"
#include "supports/concrete.h"
#include "supports/perfcrib.h"
#include "supports/perflink.h"
#include "supports/perfpost.h"

#include <map>

namespace vesk {

namespace {

struct DialogTable {
    std::map<SupportFamily, SupportDialogOpener> performance;
    std::map<SupportFamily, SupportDialogOpener> cost;
};

// The program's own dialogs. Each family's dialogs add their lines here as
// they are built, for example
//   t.performance[SupportFamily::WoodCrib] = [](QWidget* p) { PerfCrib d(p); d.exec(); };
//   t.cost[SupportFamily::WoodCrib] = [](QWidget* p) { MatCrib d(p); d.exec(); };
void installProgramDialogs(DialogTable& t)
{
    t.performance[SupportFamily::WoodCrib] = [](QWidget* p) {
        PerfCrib d(p);
        d.exec();
    };
    t.cost[SupportFamily::WoodCrib] = [](QWidget* p) {
        MatCrib d(p);
        d.exec();
    };
    t.performance[SupportFamily::TimberPost] = [](QWidget* p) {
        PerfPost d(p);
        d.exec();
    };
    t.cost[SupportFamily::TimberPost] = [](QWidget* p) {
        MatPost d(p);
        d.exec();
    };
    t.performance[SupportFamily::ConcreteCrib] = [](QWidget* p) {
        Concrete d(p);
        d.exec();
    };
    t.cost[SupportFamily::ConcreteCrib] = [](QWidget* p) {
        MatCrete d(p);
        d.exec();
    };
    t.performance[SupportFamily::FileDefined] = [](QWidget* p) {
        PerfLink d(p);
        d.exec();
    };
    t.cost[SupportFamily::FileDefined] = [](QWidget* p) {
        MatLink d(p);
        d.exec();
    };
    t.performance[SupportFamily::CableBolt] = [](QWidget* p) {
        PerfCab d(p);
        d.exec();
    };
    t.cost[SupportFamily::CableBolt] = [](QWidget* p) {
        MatCab d(p);
        d.exec();
    };
}

DialogTable& table()
{
    static DialogTable t = [] {
        DialogTable fresh;
        installProgramDialogs(fresh);
        return fresh;
    }();
    return t;
}

bool show(std::map<SupportFamily, SupportDialogOpener>& openers, int type, QWidget* parent)
{
    auto it = openers.find(FamilyOfType(type));
    if (it == openers.end() || !it->second)
        return false;
    SupportDialogOpener opener = it->second;  // a copy: the dialog may change the table
    opener(parent);
    return true;
}

void put(std::map<SupportFamily, SupportDialogOpener>& openers, SupportFamily family, SupportDialogOpener opener)
{
    if (family == SupportFamily::None)
        return;
    if (opener)
        openers[family] = std::move(opener);
    else
        openers.erase(family);
}

}  // namespace

SupportFamily FamilyOfType(int type)
{
    if (type < 1 || type > G.NumTypes)
        return SupportFamily::None;
    if (type == 1)
        return SupportFamily::WoodCrib;
    if (type == 2)
        return SupportFamily::TimberPost;
    if (type <= 6)
        return SupportFamily::ConcreteCrib;
    return IsCableType(type) ? SupportFamily::CableBolt : SupportFamily::FileDefined;
}

const char* PerformanceDialogName(SupportFamily family)
{
    switch (family) {
    case SupportFamily::WoodCrib: return "PerfCrib";
    case SupportFamily::TimberPost: return "PerfPost";
    case SupportFamily::ConcreteCrib: return "Concrete";
    case SupportFamily::FileDefined: return "PerfLink";
    case SupportFamily::CableBolt: return "PerfCab";
    case SupportFamily::None: break;
    }
    return "";
}

const char* CostDialogName(SupportFamily family)
{
    switch (family) {
    case SupportFamily::WoodCrib: return "MatCrib";
    case SupportFamily::TimberPost: return "MatPost";
    case SupportFamily::ConcreteCrib: return "MatCrete";
    case SupportFamily::FileDefined: return "MatLink";
    case SupportFamily::CableBolt: return "MatCab";
    case SupportFamily::None: break;
    }
    return "";
}

void SetPerformanceDialog(SupportFamily family, SupportDialogOpener opener)
{
    put(table().performance, family, std::move(opener));
}

void SetCostDialog(SupportFamily family, SupportDialogOpener opener) { put(table().cost, family, std::move(opener)); }

void ResetSupportDialogs()
{
    DialogTable fresh;
    installProgramDialogs(fresh);
    table() = std::move(fresh);
}

bool HasPerformanceDialog(int type) { return table().performance.count(FamilyOfType(type)) != 0; }

bool HasCostDialog(int type) { return table().cost.count(FamilyOfType(type)) != 0; }

bool ShowPerformanceDialog(int type, QWidget* parent) { return show(table().performance, type, parent); }

bool ShowCostDialog(int type, QWidget* parent) { return show(table().cost, type, parent); }

}  // namespace vesk
