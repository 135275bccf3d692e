// The timber post's performance dialog over the performance frame: the commit
// and cancel of the working record, recomputing on Enter, on leaving a box and
// on a click of the staggered-rows box, the plot's read-outs, boxes that keep
// what the program wrote, the messages, the warnings list, the dialogs it
// opens and its place in the support list's dispatch.
#include "files/defaults.h"
#include "model/numfmt.h"
#include "model/supportlist.h"
#include "model/units.h"
#include "platform/numbox.h"
#include "platform/palette.h"
#include "shell/supportdialogs.h"
#include "supports/perfpost.h"

#include "perf_dialog_test.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace vesk;
using namespace vesk::test;

namespace {

const char* const kPostBoxes[] = {"TextDiam", "TextStrength", "TextHard", "TextCThick", "TextCStr", "TextCHard"};

class PerfPostTest : public PerfDialogTest {
protected:
    void SetUp() override
    {
        PerfDialogTest::SetUp();
        SetBuiltInDefaults();
        G.NumTypes = 2;
        G.TypeCat.assign(3, 1);
        ASSERT_EQ(AppendSupport(2, "Post"), 1);
    }

    void open() { PerfDialogTest::open<PerfPost>(); }
    // A user-defined layout in the record: spacing and rows.
    static void userLayout(float spacing, int16_t rows)
    {
        CaseRec& c = G.Cases[1];
        c.SpacMode = 1, c.UserSpacing = spacing, c.Rows = rows;
    }
    QCheckBox* stagger() const { return d_->findChild<QCheckBox*>("ChkStag"); }
    QColor listColour() const { return d_->findChild<QListWidget*>("ListWarn")->palette().color(QPalette::Base); }
    QTimer* timer() const { return d_->findChild<QTimer*>("Timer1"); }
    // Moves the pointer over the picture, in its own coordinates.
    void moveOverPlot(QPointF at) const
    {
        QWidget* pic = d_->findChild<QWidget*>("Pic");
        QMouseEvent move(QEvent::MouseMove, at, pic->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pic, &move);
    }
    void leavePlot() const
    {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(d_->findChild<QWidget*>("Pic"), &leave);
    }
};

TEST_F(PerfPostTest, OkCommitsTheWorkingRecordOnceAndCancelNothing)
{
    userLayout(60, 2);
    const CaseRec before = G.Cases[1];
    open();
    enter("TextDiam", "9");
    EXPECT_EQ(G.CurCase.Par[0], 9.0f);
    click("ComCancel");
    EXPECT_FALSE(d_->isVisible());
    EXPECT_EQ(G.Cases[1], before);
    EXPECT_EQ(G.ChangeCount, 0);

    open();
    EXPECT_EQ(box("TextDiam")->text(), "8.00") << "the working copy is taken afresh";
    enter("TextDiam", "9");
    ASSERT_TRUE(stagger()->isEnabled());
    QTest::mouseClick(stagger(), Qt::LeftButton, {}, QPoint(8, stagger()->height() / 2));
    ASSERT_TRUE(stagger()->isChecked());
    EXPECT_EQ(G.CurCase.Stagger, 0) << "the box is stored on Ok";
    click("ComDone");
    EXPECT_FALSE(d_->isVisible());
    EXPECT_EQ(G.ChangeCount, 1);
    EXPECT_EQ(G.Cases[1], G.CurCase);
    EXPECT_EQ(G.Cases[1].Par[0], 9.0f);
    EXPECT_EQ(G.Cases[1].Stagger, 1);
    EXPECT_EQ(G.Cases[1].UserSpacing, 60.0f);
}

TEST_F(PerfPostTest, EnterAndLeavingABoxRecompute)
{
    open();
    const QString spacing = text("LbActSpac");
    enter("TextDiam", "10");
    EXPECT_EQ(G.CurCase.Par[0], 10.0f);
    EXPECT_NE(text("LbActSpac"), spacing);
    EXPECT_EQ(box("TextDiam")->selectedText(), "10") << "Enter selects the text again";

    d_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d_.get()));
    box("TextStrength")->setFocus(Qt::TabFocusReason);
    box("TextStrength")->setText("800");
    box("TextHard")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(G.CurCase.Par[1], 800.0f);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(PerfPostTest, StaggeredRowsRecomputeOnAClickOnly)
{
    G.DesignCrit.Tpf = 1;
    userLayout(60, 2);
    open();
    ASSERT_TRUE(stagger()->isEnabled());
    stagger()->setFocus();  // no box is left by the click below
    box("TextDiam")->setText("thick");  // a recompute would report it
    stagger()->setChecked(true);
    stagger()->setChecked(false);
    EXPECT_TRUE(messages().isEmpty());
    QTest::mouseClick(stagger(), Qt::LeftButton, {}, QPoint(8, stagger()->height() / 2));
    EXPECT_EQ(shown(), "Errors: 1 errors.");

    // One row: the box is cleared and disabled, and the spacing is checked
    // unstaggered (posts 200 in apart are more than 10 ft apart, half of them not).
    enter("TextDiam", "8");
    ASSERT_TRUE(stagger()->isChecked());
    box("TextSpacing")->setText("200");
    enter("TextRows", "1");
    EXPECT_EQ(text("LbRows"), "1");
    EXPECT_FALSE(stagger()->isChecked());
    EXPECT_FALSE(stagger()->isEnabled());
    EXPECT_EQ(warnings(), "Skin-to-skin spacing > W/2");
}

TEST_F(PerfPostTest, ReadoutsFollowThePointerAndReturnToTheOperatingPoint)
{
    open();
    QWidget* pic = d_->findChild<QWidget*>("Pic");
    const double xmax = G.PlotXMax, ymax = G.PlotYMax;
    EXPECT_EQ(text("LbXAxMax"), qs(PlainNumber(xmax)));
    moveOverPlot(QPointF((pic->width() - 1) / 2.0, (pic->height() - 1) / 2.0));
    EXPECT_EQ(text("LbCoord"), "Coords correspond to mouse cursor");
    EXPECT_EQ(text("LbPlotConv"), qs(FormatMetric(xmax / 2, 5)));
    EXPECT_EQ(text("LbPlotTpf"), qs(FormatMetric(ymax / 2, 2)));
    const CaseRec& c = G.CurCase;
    EXPECT_EQ(text("LbPlotTons"), qs(FormatMetric(ymax / 2 * c.Spacing / 12 / c.Rows, 1)));

    leavePlot();
    EXPECT_EQ(text("LbCoord"), "Coords correspond to crosshairs");
    EXPECT_EQ(text("LbPlotConv"), text("LbConv"));
    EXPECT_EQ(text("LbPlotTpf"), text("LbActual"));
    EXPECT_EQ(text("LbPlotTons"), qs(FormatMetric(c.ActTpf * c.Spacing / 12 / c.Rows, 1)));

    // No design (nothing carried at a design convergence of 0): no results,
    // no unit load, and the reason in the list.
    d_.reset();
    G.DesignCrit.Conv = 0;
    G.Cases[1].Rows = 0;
    open();
    EXPECT_EQ(shown(), "Errors: 1 errors.") << "0 rows typed";
    MsgBoxTest::clear();
    enter("TextRows", "1");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(text("LbConv"), "");
    EXPECT_EQ(text("LbPlotTons"), "");
    EXPECT_EQ(warnings(), "The support carries no load at the design convergence.");
    moveOverPlot(QPointF(10, 10));
    EXPECT_EQ(text("LbPlotTons"), "");
    d_->findChild<QWidget*>("Pic")->grab();  // paints without a design
}

TEST_F(PerfPostTest, MetricRoundTripOfEveryBoxKeepsTheRecord)
{
    G.MetricUnits = -1;
    userLayout(61.37f, 2);
    CaseRec& c = G.Cases[1];
    c.Par = {8.123f, 1234.5f, 1456.7f, 2.345f, 987.6f, 1111.1f, 0, 0};
    c.RoofArea[1] = 33.3f;  // not the default: a diameter read as changed would reset it
    const CaseRec before = c;
    open();
    EXPECT_EQ(box("TextDiam")->text(), qs(FormatMetric(8.123f, 5)));
    for (const char* name : kPostBoxes)
        box(name)->pressEnter();
    box("TextSpacing")->pressEnter();
    click("ComDone");
    const CaseRec& after = G.Cases[1];
    EXPECT_EQ(after.Par, before.Par);
    EXPECT_EQ(after.UserSpacing, before.UserSpacing);
    EXPECT_EQ(after.RoofArea[1], 33.3f);
    EXPECT_EQ(after.FloorArea[1], before.FloorArea[1]);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(PerfPostTest, InputErrorsCurveFailureAndTheRowLimit)
{
    open();
    const CaseRec before = G.CurCase;
    box("TextDiam")->setText("8 in");
    enter("TextStrength", "-1");
    EXPECT_EQ(shown(), "Errors: 2 errors.");
    EXPECT_EQ(G.CurCase, before);

    MsgBoxTest::clear();
    box("TextDiam")->setText("8");
    box("TextStrength")->setText("1000");
    enter("TextCThick", "200");  // longer than the entry is high
    EXPECT_EQ(shown(), "Errors: Error creating performance curve");
    EXPECT_EQ(warnings(), "");

    // Far more than four rows: the message, and five rows.
    MsgBoxTest::clear();
    d_.reset();
    G.DesignCrit.Tpf = 2000;
    open();
    EXPECT_EQ(shown(), "Warning: Design requires more than 4 rows");
    EXPECT_EQ(text("LbRows"), "5");
}

TEST_F(PerfPostTest, WarningsBlinkAndNoneStaysGrey)
{
    open();
    EXPECT_EQ(warnings(), "None");
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(listColour(), QBColor(7));

    enter("TextDiam", "5");
    EXPECT_EQ(warnings(), "Diameter < MSHA requirement: 6.00 in");
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 500);
    ASSERT_TRUE(QTest::qWaitFor([this] { return listColour() == QBColor(15); }, 2000));
    ASSERT_TRUE(QTest::qWaitFor([this] { return listColour() == QBColor(7); }, 2000));

    enter("TextDiam", "8");
    EXPECT_EQ(warnings(), "None");
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(listColour(), QBColor(7));
}

TEST_F(PerfPostTest, SpeciesAndHeaderFooterDialogsAreTakenUpOnActivation)
{
    G.NumPostWoods = 2;
    G.PostWoodProp.redim(2, 4);
    G.PostWoodProp(2, 1) = 901.5f, G.PostWoodProp(2, 2) = 1201.25f;
    open();
    int opened = 0;
    PerfPost::OpenWoodForm = [&opened](QWidget*) {
        ++opened;
        EXPECT_EQ(G.WoodTable, 1);
        G.WoodSel = 2, G.WoodWet = -1;
    };
    click("ComSelect");
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(G.CurCase.Par[1], 901.5f);
    EXPECT_EQ(G.CurCase.Par[2], 1201.25f);

    // The header and footer dialog works on CurCase; the activation after it
    // recomputes with what it stored.
    PerfFrame::OpenHeadFoot = [](QWidget*) { G.CurCase.RoofArea[1] = 1; };
    click("ComArea");
    ASSERT_TRUE(QTest::qWaitFor([this] { return warnings() == "Exceeds roof bearing strength"; }));
    EXPECT_EQ(G.CurCase.Warn[5], -1);
}

TEST_F(PerfPostTest, SelectionModeOnlySpecifiesThePost)
{
    G.SelectMode = -1;
    G.Cases[1].Par[0] = 5;  // below the 6 in that a 96-in entry needs
    open();
    EXPECT_EQ(d_->windowTitle(), "Timber Post Specifications");
    for (const char* hidden : {"FrameLayout", "Frame2", "Frame3", "Frame6"})
        EXPECT_FALSE(d_->findChild<QGroupBox*>(hidden)->isVisible()) << hidden;
    EXPECT_FALSE(d_->findChild<QPushButton*>("ComArea")->isVisible());
    EXPECT_EQ(G.CurCase.Warn[8], -1);
    click("ComDone");
    EXPECT_EQ(G.ChangeCount, 1);
    EXPECT_EQ(G.Cases[1].Warn[8], -1);
}

TEST_F(PerfPostTest, TheSupportListOpensItForAPost)
{
    ResetSupportDialogs();
    EXPECT_TRUE(HasPerformanceDialog(2));
    AnswerNextModal([](QWidget* w) {
        EXPECT_EQ(w->objectName(), "PerfPost");
        EXPECT_EQ(w->windowTitle(), "Timber Post Performance");
        ClickButton(w, "Cancel");
    });
    EXPECT_TRUE(ShowPerformanceDialog(2, nullptr));
    EXPECT_EQ(G.ChangeCount, 0);
}

}  // namespace
