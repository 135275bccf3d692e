// The timber post's performance dialog, and through it the performance frame's
// commit, staggered rows, plot read-outs, messages and child dialogs.
#include "files/defaults.h"
#include "model/numfmt.h"
#include "model/supportlist.h"
#include "model/units.h"
#include "platform/palette.h"

#include "perf_dialog_test.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QMouseEvent>
#include <QTimer>

using namespace vesk;
using namespace vesk::test;

namespace {

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
    void clickStagger() const { QTest::mouseClick(stagger(), Qt::LeftButton, {}, QPoint(8, stagger()->height() / 2)); }
    QColor listColour() const { return d_->findChild<QListWidget*>("ListWarn")->palette().color(QPalette::Base); }
    // Moves the pointer over the picture, in its own coordinates.
    void moveOverPlot(QPointF at) const
    {
        QWidget* pic = d_->findChild<QWidget*>("Pic");
        QMouseEvent move(QEvent::MouseMove, at, pic->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pic, &move);
    }
};

TEST_F(PerfPostTest, CancelStoresNothingOkCommitsOnce)
{
    userLayout(60, 2);
    const CaseRec before = G.Cases[1];
    open();
    EXPECT_EQ(d_->windowTitle(), "Timber Post Performance");
    enter("TextDiam", "9");
    EXPECT_EQ(G.CurCase.Par[0], 9.0f);
    click("ComCancel");
    EXPECT_FALSE(d_->isVisible());
    EXPECT_EQ(G.Cases[1], before);
    EXPECT_EQ(G.ChangeCount, 0);

    open();
    EXPECT_EQ(box("TextDiam")->text(), "8.00") << "the working copy is taken afresh";
    enter("TextDiam", "9");
    EXPECT_EQ(box("TextDiam")->selectedText(), "9") << "Enter selects the text again";
    ASSERT_TRUE(stagger()->isEnabled());
    clickStagger();
    EXPECT_EQ(G.CurCase.Stagger, 0) << "the box is stored on Ok";
    click("ComDone");
    EXPECT_EQ(G.ChangeCount, 1);
    EXPECT_EQ(G.Cases[1], G.CurCase);
    EXPECT_EQ(G.Cases[1].Par[0], 9.0f);
    EXPECT_EQ(G.Cases[1].Stagger, 1);
    EXPECT_EQ(G.Cases[1].UserSpacing, 60.0f);
}

TEST_F(PerfPostTest, StaggeredRowsRecomputeOnAClickOnly)
{
    G.DesignCrit.Tpf = 1;
    userLayout(60, 2);
    open();
    stagger()->setFocus();  // no box is left by the click below
    box("TextDiam")->setText("thick");  // a recompute would report it
    stagger()->setChecked(true);
    stagger()->setChecked(false);
    EXPECT_TRUE(messages().isEmpty());
    clickStagger();
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

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(pic, &leave);
    EXPECT_EQ(text("LbCoord"), "Coords correspond to crosshairs");
    EXPECT_EQ(text("LbPlotConv"), text("LbConv"));
    EXPECT_EQ(text("LbPlotTpf"), text("LbActual"));
    EXPECT_EQ(text("LbPlotTons"), qs(FormatMetric(c.ActTpf * c.Spacing / 12 / c.Rows, 1)));

    // No design (nothing carried at a design convergence of 0): no unit load,
    // and the reason in the list.
    d_.reset();
    G.DesignCrit.Conv = 0;
    open();
    EXPECT_EQ(text("LbPlotTons"), "");
    EXPECT_EQ(warnings(), "The support carries no load at the design convergence.");
    moveOverPlot(QPointF(10, 10));
    EXPECT_EQ(text("LbPlotTons"), "");
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
    for (const char* name : {"TextDiam", "TextStrength", "TextHard", "TextCThick", "TextCStr", "TextCHard",
                             "TextSpacing"})
        box(name)->pressEnter();
    click("ComDone");
    const CaseRec& after = G.Cases[1];
    EXPECT_EQ(after.Par, before.Par);
    EXPECT_EQ(after.UserSpacing, before.UserSpacing);
    EXPECT_EQ(after.RoofArea[1], 33.3f);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(PerfPostTest, WarningsBlinkUntilNoneAndInputErrorsAndCurveFailureStoreNothing)
{
    open();
    auto* timer = d_->findChild<QTimer*>("Timer1");
    EXPECT_EQ(warnings(), "None");
    EXPECT_FALSE(timer->isActive());
    enter("TextDiam", "5");
    EXPECT_EQ(warnings(), "Diameter < MSHA requirement: 6.00 in");
    ASSERT_TRUE(QTest::qWaitFor([this] { return listColour() == QBColor(15); }, 2000));
    enter("TextDiam", "8");
    EXPECT_EQ(warnings(), "None");
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(listColour(), QBColor(7));

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
}

TEST_F(PerfPostTest, SpeciesAndHeaderFooterDialogsAreTakenUpOnActivation)
{
    G.NumPostWoods = 2;
    G.PostWoodProp.redim(2, 4);
    G.PostWoodProp(2, 1) = 901.5f, G.PostWoodProp(2, 2) = 1201.25f;
    open();
    PerfPost::OpenWoodForm = [](QWidget*) {
        EXPECT_EQ(G.WoodTable, 1);
        G.WoodSel = 2, G.WoodWet = -1;
    };
    click("ComSelect");
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
    EXPECT_FALSE(d_->findChild<QGroupBox*>("FrameLayout")->isVisible());
    click("ComDone");
    EXPECT_EQ(G.ChangeCount, 1);
    EXPECT_EQ(G.Cases[1].Warn[8], -1);
}

}  // namespace
