// Every window that fills its boxes from the records, opened on records that hold a value that is not a finite
// number (as a damaged file held them before its reader refused it): it shows its error message or an empty
// box, no exception leaves it (the test application fails a test on one), and it keeps running.
#include "cablebolts/cablecriteria.h"
#include "cablebolts/perfcab.h"
#include "compare/compare.h"
#include "compare/plotsetup.h"
#include "costs/matcab.h"
#include "costs/matcrete.h"
#include "costs/matcrib.h"
#include "costs/matlink.h"
#include "costs/matpost.h"
#include "criteria/criteria.h"
#include "criteria/edcurves.h"
#include "criteria/edpoints.h"
#include "criteria/formmine.h"
#include "criteria/maxyield.h"
#include "files/datafiles.h"
#include "model/compare/comparedoc.h"
#include "files/modelfile.h"
#include "files/projectfile.h"
#include "platform/numbox.h"
#include "supports/concrete.h"
#include "supports/dsgncrib.h"
#include "supports/dsgnlink.h"
#include "supports/headfoot.h"
#include "supports/perfcrib.h"
#include "supports/perflink.h"
#include "supports/perfpost.h"

#include "designed_project.h"
#include "program_folder.h"

#include <QDialog>
#include <QLabel>

#include <cmath>
#include <limits>
#include <memory>
#include <optional>

using namespace vesk;
using namespace vesk::test;

namespace {

struct Window {
    const char* name;
    int type;  // the current support's type: 0 any, -1 the first file-defined standing type, -2 cable bolts
    std::function<QWidget*()> make;
};

UconvExchange uconv{1, 0.5f, 2.0f};

// A visible text box or panel of w that shows nothing.
bool showsAnEmptyBox(const QWidget* w)
{
    for (const QLineEdit* box : w->findChildren<QLineEdit*>())
        if (box->isVisibleTo(w) && box->text().isEmpty())
            return true;
    for (const QLabel* panel : w->findChildren<QLabel*>())
        if (panel->isVisibleTo(w) && panel->frameShape() != QFrame::NoFrame && panel->text().isEmpty())
            return true;
    return false;
}

// Whether the plot settings that the comparison's plot opens with showed an empty box; none until answered.
std::optional<bool> settingsShowedAnEmptyBox;

const Window kWindows[] = {
    {"PerfPost", 2, [] { return new PerfPost; }},
    {"PerfCrib", 1, [] { return new PerfCrib; }},
    {"Concrete", 4, [] { return new Concrete; }},
    {"PerfLink", -1, [] { return new PerfLink; }},
    {"PerfCab", -2, [] { return new PerfCab; }},
    {"MatPost", 2, [] { return new MatPost; }},
    {"MatCrib", 1, [] { return new MatCrib; }},
    {"MatCrete", 3, [] { return new MatCrete; }},
    {"MatLink", -1, [] { return new MatLink; }},
    {"MatCab", -2, [] { return new MatCab; }},
    {"DsgnCrib", 1, [] { return new DsgnCrib; }},
    {"DsgnLink", -1, [] { return new DsgnLink; }},
    {"HeadFoot", 2, [] { return new HeadFoot; }},
    {"Criteria", 0, [] { return new Criteria; }},
    {"FormMine0", 0, [] { G.DesignBasis = 0; return new FormMine; }},
    {"FormMine1", 0, [] { G.DesignBasis = 1; return new FormMine; }},
    {"FormMine2", 0,
     [] {
         G.DesignBasis = 2;
         AnswerNextModal([](QWidget* list) { static_cast<QDialog*>(list)->reject(); });  // the support to use
         return new FormMine;
     }},
    {"FormMine3", 0, [] { G.DesignBasis = 3; return new FormMine; }},
    {"CableCriteria", 0, [] { return new CableCriteria; }},
    {"MaxYield", 0,
     [] {
         uconv = {1, G.DesignCrit.UncontrolledConv, G.DesignCrit.Conv};  // as the criteria dialog hands them over
         return new MaxYield(nullptr, uconv);
     }},
    {"EdCurves", 0, [] { return new EdCurves; }},
    {"EdPoints", 0, [] { G.WorkCurve = G.DesignCurve; return new EdPoints; }},
    {"PlotSetup", 0, [] { return new PlotSetup; }},
    {"Compare0", 0, [] { G.CompareView = 0; return new Compare; }},
    {"Compare2", 0,
     [] {
         G.CompareView = 2;
         AnswerNextModal([](QWidget* d) {
             settingsShowedAnEmptyBox = showsAnEmptyBox(d);
             ClickButton(d, "Ok");
         });
         return new Compare;
     }},
};

// Which Singles of the records are damaged: every one, or those of the fields the measurement found crashing.
enum class Damage { Everything, SupportInputs, CostInputs, EntryHeight };

void damage(ProjectData& p, Damage what, float bad)
{
    const auto all = [bad](float& v) { v = bad; };
    switch (what) {
    case Damage::Everything:
        ForEachSingle(p.DesignCrit, all);
        ForEachSingle(p.PlotSet, all);
        ForEachSingle(p.DesignCurve, all);
        for (SupportBlock& b : p.Supports) {
            ForEachSingle(b.Rec, all);
            ForEachSingle(b.Def, all);
        }
        break;
    case Damage::SupportInputs:
        for (SupportBlock& b : p.Supports) {
            b.Rec.Par.fill(bad);
            b.Rec.UserSpacing = bad;
        }
        break;
    case Damage::CostInputs:
        for (SupportBlock& b : p.Supports)
            for (CaseRec* r : {&b.Rec, &b.Def}) {
                r->UnitCost.fill(bad);
                r->PkgWid.fill(bad);
                r->PlanWid.fill(bad);
            }
        break;
    case Damage::EntryHeight:
        p.DesignCrit.EntryHt = bad;
        break;
    }
}

void PrintTo(const Window& w, std::ostream* os) { *os << w.name; }

class DamagedRecords : public WindowTest, public ::testing::WithParamInterface<Window> {};

TEST_P(DamagedRecords, TheWindowOpensWithItsMessageOrAnEmptyBoxAndKeepsRunning)
{
    const Window& window = GetParam();
    ASSERT_TRUE(folder_.copy(ShippedDataFiles()));
    auto main = std::make_unique<MainForm>();
    main->formLoad();
    main->navigationTimer()->stop();
    DesignEveryShippedType(*main);
    ClearStepOpeners();
    InstallStepOpeners();
    ASSERT_TRUE(MsgBoxTest::shown().isEmpty()) << messages().join('|').toStdString();
    const ProjectData designed = ProjectFromGlobals();

    int type = window.type;
    for (int t = 7; t <= G.NumTypes && type < 0; ++t)
        if ((G.TypeCat[static_cast<std::size_t>(t)] == kCableBoltCategory) == (window.type == -2))
            type = t;
    ASSERT_GE(type, 0);

    for (Damage what : {Damage::Everything, Damage::SupportInputs, Damage::CostInputs, Damage::EntryHeight}) {
        for (float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
            SCOPED_TRACE(testing::Message() << window.name << ", damage " << static_cast<int>(what) << ", " << bad);
            ProjectData p = designed;
            damage(p, what, bad);
            TakeOverProject(std::move(p), "damaged.pro");
            G.NextStep = StepNone;
            for (int k = 1; k <= G.NumCases; ++k)
                if (G.CaseType[static_cast<std::size_t>(k)] == type) {
                    G.CurCaseNo = static_cast<int16_t>(k);
                    G.CurType = static_cast<int16_t>(type);
                }
            if (type >= 7)
                LoadModelFile(type);  // refused for some damaged records: the window then has no models
            G.CurCase = G.Cases[static_cast<std::size_t>(G.CurCaseNo)];
            MsgBoxTest::clear();
            settingsShowedAnEmptyBox.reset();

            std::unique_ptr<QWidget> w(window.make());
            w->show();
            QTest::qWait(30);
            if (std::string(window.name) == "Compare2") {
                EXPECT_TRUE(QTest::qWaitFor([] { return settingsShowedAnEmptyBox.has_value(); }));
            }
            EXPECT_TRUE(w->isVisible());
            DropModalAnswers();
            if (what != Damage::Everything)
                continue;  // one damaged field may lie where this window never looks
            bool emptyBox = showsAnEmptyBox(w.get()) || settingsShowedAnEmptyBox.value_or(false);
            if (const auto* compare = qobject_cast<Compare*>(w.get()))  // an empty cell of the table
                emptyBox = emptyBox || CompareClipText(compare->doc()).find("\t\t") != std::string::npos;
            EXPECT_TRUE(emptyBox || !MsgBoxTest::shown().isEmpty());
        }
    }
    MsgBoxTest::clear();
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, DamagedRecords, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<Window>& info) { return std::string(info.param.name); });

}  // namespace
