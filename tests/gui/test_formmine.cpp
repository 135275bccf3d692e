// The design criteria dialog of standing supports under the detached-block
// basis: derivations reaching the stored criteria, the commit and its flags,
// cancel, and boxes that keep what the program wrote.
#include "criteria/criteria.h"
#include "criteria/formmine.h"
#include "model/criteria/block.h"
#include "model/cribmodel.h"
#include "model/supportlist.h"
#include "files/datafiles.h"
#include "files/defaults.h"
#include "platform/numbox.h"
#include "program_folder.h"
#include "recording_device.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QPainter>
#include <QRadioButton>
#include <QTreeWidget>

#include <cmath>

using namespace vesk;
using namespace vesk::test;

namespace {

class FormMineTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        G.CrLf = "\r\n";
        CritRec& c = G.DesignCrit;
        c.EntryHt = 96, c.EntryWid = 20, c.RoofBearing = 500, c.FloorBearing = 400;
        c.FailHt = 10, c.RockDens = 160, c.CMRR = 80, c.YieldZone = 10, c.Depth = 800, c.BlockConv = 1.5f;
        c.Conv = 1.5f, c.Tpf = 20, c.TpfPerWid = 1, c.CurveId = -1;
        G.EntryHt = 96, G.EntryWid = 20;
        G.GRCurves.resize(51);
    }

    void open()
    {
        form_ = std::make_unique<FormMine>();
        form_->show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !text("LbTpf").isEmpty(); }));
    }
    // Ground reaction curve 1 of the library with its points (in, tons/ft²).
    static void curve(const char* name, int16_t id, std::initializer_list<std::pair<float, float>> points)
    {
        CurveRec& c = G.GRCurves[1];
        c.Name = name, c.Id = id, c.NumPts = static_cast<int16_t>(points.size());
        int k = 1;
        for (auto [conv, intensity] : points)
            c.Conv[k] = conv, c.Intensity[k++] = intensity;
        G.NumCurves = 1;
    }
    NumBox* box(const char* name) const { return form_->findChild<NumBox*>(name); }
    QString text(const char* name) const { return form_->findChild<QLabel*>(name)->text(); }
    QCheckBox* check(const char* name) const { return form_->findChild<QCheckBox*>(name); }
    // The texts of labels and boxes, joined by "|".
    QString texts(std::initializer_list<const char*> names) const
    {
        QStringList out;
        for (const char* n : names)
            out << (box(n) ? box(n)->text() : text(n));
        return out.join('|');
    }
    void click(const char* name) const { form_->findChild<QPushButton*>(name)->click(); }
    // The convergence under the centre of the plot's security-check mark (x), -1 when none is drawn.
    double securityMarkAt() const
    {
        auto* pic = form_->findChild<QWidget*>("Pic1");
        RecordingDevice dev(pic->width(), pic->height());
        {
            QPainter p(&dev);
            form_->drawPlot(p, pic->rect());
        }
        for (const RecordedLine& l : dev.engine().lines) {
            const QPointF d = l.points.size() == 2 ? l.points[1] - l.points[0] : QPointF();
            if (d.x() != 0 && std::abs(std::abs(d.x()) - std::abs(d.y())) < 1e-6)
                return form_->plotMapping().xAt((l.points[0].x() + l.points[1].x()) / 2);
        }
        return -1;
    }
    void type(const char* name, const QString& s, bool enter = true) const
    {
        NumBox* b = box(name);
        b->setFocus();
        b->selectAll();
        b->setText(s);
        if (enter)
            QTest::keyClick(b, Qt::Key_Return);
    }

    std::unique_ptr<FormMine> form_;
};

TEST_F(FormMineTest, CMRRAndDepthDerivationsReachTheStoredCriteria)
{
    // The block frame's derivations at a tick are the cable dialog's tests too; here the standing group's.
    open();
    EXPECT_EQ(texts({"LabDS", "LabDA", "LbBlockTpf", "LbTpf"}), "20.0|15.7|20.0|20.0");
    check("ChkCMRR")->click();
    type("TextRMR", "33");
    EXPECT_EQ(box("TextFail")->text(), "13.4");  // 67 % of 20 ft
    check("ChkDepth")->click();
    type("TxDepth", "499");
    EXPECT_EQ(box("TxYield")->text(), "0");
    type("TxDepth", "-3");
    EXPECT_EQ(messages(), QStringList{"Error: Depth must be non-zero"});
    type("TextRMR", "101");
    EXPECT_EQ(messages().last(), "Error: CMRR must be in the range: 1 to 100");

    check("ChkBlockArch")->click();
    EXPECT_FALSE(check("ChkBlockShear")->isChecked());
    EXPECT_EQ(text("LbBlockTpf"), text("LabDA"));
    click("ComDone");
    EXPECT_EQ(Criteria::CritEditorDone, -1);
    const CritRec& c = G.DesignCrit;
    EXPECT_FLOAT_EQ(c.FailHt, 13.4f);
    EXPECT_TRUE(c.CMRR == 33 && c.Depth == 499 && c.YieldZone == 0);  // not the refused 101
    EXPECT_FLOAT_EQ(c.Tpf, 0.7854f * 20 * 13.4f * 160 / 2000);
    EXPECT_FLOAT_EQ(c.TpfPerWid, c.Tpf / 20);
    EXPECT_EQ(c.BlockFlags, kBlockArch | kBlockFromCMRR | kBlockFromDepth);
    EXPECT_TRUE(G.CritChangedSS == -1 && G.SizeChanged == 0);
}

TEST_F(FormMineTest, ReopeningRestoresTheCheckBoxesAndTheirEnabledBoxes)
{
    G.DesignCrit.BlockFlags = kBlockArch | kBlockFromCMRR | kBlockFromDepth;
    open();
    QString on;
    for (const char* c : {"ChkCMRR", "ChkDepth", "ChkBlockArch", "ChkBlockShear"})
        on += check(c)->isChecked() ? '1' : '0';
    for (const char* b : {"TextFail", "TextRMR", "TxYield", "TxDepth"})
        on += box(b)->isEnabled() ? '1' : '0';
    EXPECT_EQ(on, "11100101");
    // Opening derives nothing: the stored inputs stand as they are.
    EXPECT_EQ(texts({"LbBlockTpf", "TextFail"}), "15.7|10.0");
    EXPECT_TRUE(messages().isEmpty());
}

// A bad box keeps the dialog open and stores nothing; the entry width's box shows its value again.
TEST_F(FormMineTest, AnInvalidBoxKeepsTheDialogOpenOnOk)
{
    open();
    const CritRec before = G.DesignCrit;
    type("TextDens", "150", false);
    type("TxWid", "0", false);
    click("ComDone");
    EXPECT_TRUE(form_->isVisible());
    EXPECT_EQ(messages(), QStringList{"Error: Invalid entry width"});
    EXPECT_EQ(box("TxWid")->text(), "20.0");
    EXPECT_EQ(G.DesignCrit, before);
    click("ComDone");
    EXPECT_FALSE(form_->isVisible());
    EXPECT_EQ(G.DesignCrit.RockDens, 150.0f);
}

TEST_F(FormMineTest, CancelDropsTheCopyAndRestoresTheEntrySize)
{
    open();
    const CritRec before = G.DesignCrit;
    type("TxWid", "18");
    type("TxHt", "80");
    EXPECT_EQ(G.EntryWid, 18.0f);
    click("ComCopy");
    click("ComCancel");
    EXPECT_EQ(Criteria::CritEditorDone, 0);
    EXPECT_TRUE(G.EntryWid == 20 && G.EntryHt == 96);
    EXPECT_EQ(G.DesignCrit, before);
    EXPECT_TRUE(G.SizeChanged == 0 && G.VerifyCB == 0);
}

TEST_F(FormMineTest, MetricOkStoresExactlyWhatWasThere)
{
    CritRec& c = G.DesignCrit;
    c.FailHt = 11.39f, c.RockDens = 157.3f, c.YieldZone = 7.7f, c.BlockConv = c.Conv = 1.37f;
    c.EntryHt = 83.3f, c.EntryWid = 17.3f, c.RoofBearing = 433.3f;
    c.Tpf = BlockLoadDensity(c.YieldZone, c.EntryWid, c.FailHt, c.RockDens).shear;
    c.TpfPerWid = c.Tpf / c.EntryWid;
    G.EntryWid = c.EntryWid, G.EntryHt = c.EntryHt;
    G.MetricUnits = -1;
    const CritRec before = c;
    open();
    EXPECT_EQ(box("TxHt")->text(), "2.12");  // 83.3 in in metres
    click("ComDone");
    EXPECT_EQ(G.DesignCrit, before);
    EXPECT_TRUE(G.CritChangedSS == 0 && G.SizeChanged == 0);
}

TEST_F(FormMineTest, CopyToCableMarksBothGroupsAndTheCurvePointSetsTheConvergence)
{
    curve("Panel 3 headgate", 4, {{1, 1.2f}, {2.37f, 0.9f}});
    G.DesignCrit.CurveId = 4;
    G.MetricUnits = -1;
    open();
    auto* list = form_->findChild<QComboBox*>("Combo1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentIndex(), 1);
    EXPECT_EQ(text("LabID"), "4");
    click("ComSetBlock");
    EXPECT_EQ(box("TxBlockConv")->text(), "6.02");  // 2.37 in in centimetres
    click("ComCopy");
    click("ComDone");
    const CritRec& c = G.DesignCrit;
    // Exactly the curve's point, not the rounded display.
    EXPECT_TRUE(c.Conv == 2.37f && c.BlockConv == 2.37f && c.CabConv == 2.37f);
    EXPECT_EQ(c.CabFailHt, 10.0f);
    EXPECT_EQ(c.CurveId, 4);
    EXPECT_TRUE(G.SizeChanged == -1 && G.VerifyCB == -1 && G.VerifySS == 0);
}

TEST_F(FormMineTest, SummaryShowsTheSecurityCheckAndEndsConcurrentTimingThatCannotHold)
{
    G.DesignCrit.UncontrolledConv = 0.5f;
    G.DesignCrit.Timing = 1;
    open();
    EXPECT_EQ(texts({"LbAtype", "LbYield", "LbCont", "LbYieldReq"}),
              "Concurrent|1.00|1.00|Security-check convergence, in (x)");
    EXPECT_NEAR(securityMarkAt(), 1.0, 0.02);  // 1.5 - 0.5, left of the design point
    type("TxBlockConv", "0.5");
    EXPECT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().startsWith("Attention: The uncontrolled convergence exceeds"));
    EXPECT_EQ(texts({"LbAtype", "LbYield"}), "Independent|1.00");
    EXPECT_NEAR(securityMarkAt(), 1.0, 0.02);  // 0.5 + 0.5, right of it
    click("ComDone");
    EXPECT_TRUE(G.DesignCrit.Timing == 0 && G.CritChangedSS == -1);
}

// The other three bases, over a library of one curve and one file-defined
// support whose model carries 30 tons from 1 to 3 in.
class FormMineBases : public FormMineTest {
protected:
    void SetUp() override
    {
        FormMineTest::SetUp();
        curve("Headgate", 7, {{1, 1.5f}, {2, 1.0f}, {4, 0.2f}});
        CritRec& c = G.DesignCrit;
        c.CurveId = 7, c.GREndMode = 2, c.GRMaxConv = 3, c.GRDesignConv = 1.5f;
        c.ArbTpf = 12, c.ArbConv = 1, c.ArbTons = 50, c.ArbSpac = 60, c.ArbRows = 1;
        c.SysCase = 1, c.SysSpac = 48, c.SysRows = 2, c.SysConv = 2;
    }

    void defineSupport(const char* heightLine)
    {
        G.NumTypes = 7;
        G.SupTypeName = {"", "Wood crib", "Timber post", "Donut crib", "Four-point", "Solid", "Block", "Test crib"};
        G.TypeCat.assign(8, 1);
        G.TypeFile.assign(8, "");
        G.TypeFile[7] = "testcrib.dat";
        G.NumModels.assign(8, 0);
        G.ModelName.redim(7, kMaxModels);
        writeModel(heightLine, 30);
        G.CaseName[1] = "System";
        G.CaseType[1] = 7;
        G.NumCases = 1;
        G.Cases[1].SizeIdx = 0, G.Cases[1].Updated = 1, G.Cases[1].UserSpacing = 48, G.Cases[1].Rows = 2;
    }
    // The shipped catalogue and templates with a wood crib "Crib" (support 1) and a timber post "Post"
    // (support 2), both marked updated, the crib's coefficients built for the criteria's height.
    void shippedCribAndPost()
    {
        const GlobalState kept = G;
        ASSERT_TRUE(folder_.copy(ShippedDataFiles()));
        ASSERT_FALSE(ReadConfig());
        ASSERT_EQ(ReadDefaults(), 0);
        G.DesignCrit = kept.DesignCrit, G.DesignBasis = kept.DesignBasis;
        G.GRCurves = kept.GRCurves, G.NumCurves = kept.NumCurves;
        G.EntryHt = G.DesignCrit.EntryHt, G.EntryWid = G.DesignCrit.EntryWid;
        AppendSupport(1, "Crib");
        AppendSupport(2, "Post");
        ASSERT_EQ(UpdateCrib(1), 0);
        G.Cases[1].Updated = G.Cases[2].Updated = 1;
        G.CurCaseNo = 0;
    }
    // In the support list: clicks row r (from 0), then the buttons.
    static void inList(QWidget* w, int r, std::initializer_list<const char*> buttons)
    {
        auto* tree = w->findChild<QTreeWidget*>("ListView1");
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(tree->topLevelItem(r)).center());
        for (const char* b : buttons)
            ClickButton(w, b);
    }
    void writeModel(const char* heightLine, int load) const
    {
        const QString text = QString("1, 2, 0\r\nTest 30\r\n40, 4\r\n%1\r\n30, 120\r\n360, 360\r\n30, 30\r\n"
                                     "0, 0.65, 7.5, 4, 0.6, 0, 5, 5, 10\r\n0, 0.7, 7.5, 4, 0.6, 0, 5, 5, 60\r\n"
                                     "30, 30, 3, 30, 6, 4, 0.4\r\n0, 0.8, 5\r\n0, 30, 0, 10, 0\r\n2, 2.5\r\n"
                                     "1, %2\r\n3, %2\r\n")
                                 .arg(heightLine)
                                 .arg(load);
        ASSERT_TRUE(folder_.write("testcrib.dat", text.toLatin1()));
    }
};

TEST_F(FormMineBases, GroundReactionCurveGivesTheDesignValuesAndDefinesTheRequirement)
{
    G.DesignBasis = 1;
    open();
    EXPECT_TRUE(form_->findChild<QRadioButton*>("Option1(2)")->isChecked());
    EXPECT_EQ(texts({"LbMaxTpf", "LbGrTpf", "LbSFactor"}), "12.0|25.0|2.08");
    type("TxGRdes", "lots");  // not a number: the previous value stays
    EXPECT_EQ(box("TxGRdes")->text(), "1.50");
    EXPECT_TRUE(messages().isEmpty());

    // The plot's centre reads half of each axis maximum; a left click there
    // sets the design convergence.
    auto* pic = form_->findChild<QWidget*>("Pic1");
    const QPoint centre((pic->width() - 1) / 2, (pic->height() - 1) / 2);
    form_->plotMouseMove(centre.x(), centre.y());
    const double xmax = text("LbXmax").toDouble(), ymax = text("LbYmax").toDouble();
    EXPECT_NEAR(text("LbPlotConv").toDouble(), xmax / 2, 0.02 * xmax);
    EXPECT_NEAR(text("LbPlotTons").toDouble(), ymax / 2, 0.02 * ymax);
    EXPECT_EQ(text("LbCoord"), "Coords correspond to mouse cursor");
    form_->plotMouseLeave();
    EXPECT_EQ(text("LbCoord"), "Coords correspond to design point");
    form_->plotMouseDown(Qt::LeftButton, 0, centre.y());  // none at all: the first measured point
    EXPECT_EQ(texts({"TxGRdes", "LbGrTpf"}), "1.00|30.0");
    form_->plotMouseDown(Qt::LeftButton, 0.5 / xmax * (pic->width() - 1), centre.y());  // in the lower end slot
    EXPECT_EQ(texts({"TxGRdes", "LbGrTpf"}), "0.500|35.0");

    click("ComDone");
    EXPECT_TRUE(G.GrcDefined == -1 && G.DesignCurve.Id == 7);
    EXPECT_FLOAT_EQ(G.DesignCurve.Conv[4], 4.375f);  // the end slots travel with the curve
    EXPECT_EQ(G.DesignCrit.GREndMode, 2);
    EXPECT_FLOAT_EQ(G.DesignCrit.Conv, 0.5f);
    EXPECT_FLOAT_EQ(G.DesignCrit.Tpf, 35.0f);
}

TEST_F(FormMineBases, CurveBasisWithoutACurveCommitsAConstantRequirement)
{
    G.DesignBasis = 1;
    G.GrcDefined = -1;
    open();
    auto* list = form_->findChild<QComboBox*>("Combo1");
    list->setCurrentIndex(0);
    emit list->activated(0);
    EXPECT_TRUE(box("TxGRconv")->text().isEmpty());
    EXPECT_TRUE(text("LbMaxTpf").isEmpty());
    const CurveRec before = G.DesignCurve;
    click("ComDone");
    EXPECT_EQ(messages(), QStringList{"Warning: No ground reaction curve is selected; the design load density does "
                                      "not follow a curve."});
    EXPECT_EQ(G.GrcDefined, 0);
    EXPECT_EQ(G.DesignCrit.CurveId, -1);
    EXPECT_EQ(G.DesignCurve, before);

    // A one-point curve cannot be extrapolated: its ends are held constant.
    G.GRCurves[1].NumPts = 1;
    G.DesignCrit.CurveId = 7;
    open();
    EXPECT_TRUE(form_->findChild<QRadioButton*>("Option1(1)")->isChecked());
}

TEST_F(FormMineBases, CurrentSystemTakesTheLoadOfTheChosenSupport)
{
    defineSupport("0, 1.24, -0.03");  // factor 1 at 96 in, 1.06 at 72 in
    G.DesignBasis = 2;
    AnswerNextModal([](QWidget* w) { ClickButton(w, "Ok"); });  // the support list opens at once
    open();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !text("LabCurrTpf").isEmpty(); }));
    EXPECT_EQ(texts({"LabCurrName", "LabModel", "LabCurrTpf"}), "System|Test 30|15.0");  // 30 x 12 x 2 / 48

    type("TxHt", "72");
    type("TxSpac", "60");  // rebuilt once for the new height
    EXPECT_EQ(text("LabCurrTpf"), "12.7");  // 31.8 x 12 x 2 / 60
    writeModel("0, 1.24, -0.03", 60);
    type("TxRows", "2.7");  // rows count whole; no second rebuild
    EXPECT_EQ(texts({"TxRows", "LabCurrTpf"}), "2|12.7");
    type("TxCurrConv", "4");  // beyond the model's last point (3 in): that point's load
    type("TxSpac", "48");
    EXPECT_EQ(text("LabCurrTpf"), "15.9");  // 31.8 x 12 x 2 / 48

    const auto supports = G.Cases;
    click("ComCancel");
    EXPECT_EQ(G.Cases, supports);
    EXPECT_EQ(G.Cases[1].UserSpacing, 48.0f);

    AnswerNextModal([](QWidget* w) { ClickButton(w, "Ok"); });
    open();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !text("LabCurrTpf").isEmpty(); }));
    type("TxSpac", "60");
    type("TxRows", "1");
    click("ComDone");
    EXPECT_TRUE(G.Cases[1].UserSpacing == 60 && G.Cases[1].Rows == 1 && G.Cases[1].Updated == 0);
    EXPECT_FLOAT_EQ(G.DesignCrit.Tpf, 12.0f);  // the file now gives 60 tons: 60 x 12 / 60
    EXPECT_EQ(G.DesignCrit.SysSpac, 60.0f);
    EXPECT_EQ(G.CritChangedSS, -1);

    // Rows alone changed: the support is no longer up to date either.
    G.Cases[1].Updated = 1;
    AnswerNextModal([](QWidget* w) { ClickButton(w, "Ok"); });
    open();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !text("LabCurrTpf").isEmpty(); }));
    type("TxRows", "2");
    click("ComDone");
    EXPECT_TRUE(G.Cases[1].UserSpacing == 60 && G.Cases[1].Rows == 2 && G.Cases[1].Updated == 0);
}

// "&Cancel" keeps what was done in the support list that "Select" opened, and puts back only what the
// dialog built in passing: the crib rebuilt for a 72-in entry gets its 96-in coefficients again, in
// its duplicate too.
TEST_F(FormMineBases, CancelKeepsTheSupportListsOwnEdits)
{
    G.DesignBasis = 2;
    G.DesignCrit.SysCase = 2;
    shippedCribAndPost();
    const GlobalState before = G;
    AnswerNextModal([](QWidget* w) { ClickButton(w, "Ok"); });
    open();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !text("LabCurrTpf").isEmpty(); }));
    type("TxHt", "72");
    AnswerNextModal([](QWidget* w) { inList(w, 0, {"Duplicate", "Ok"}); });
    click("ComSelect");
    ASSERT_EQ(G.NumCases, 3);
    EXPECT_NE(G.Cases[3].CribK, before.Cases[1].CribK);  // built for 72 in
    click("ComCancel");
    EXPECT_EQ(G.NumCases, 3);
    EXPECT_EQ(G.CaseName[3], "Crib");
    EXPECT_EQ(G.Cases[3], before.Cases[1]);
    EXPECT_TRUE(G.CaseType[3] == before.CaseType[1] && G.DefCases[3] == before.DefCases[1]);
    EXPECT_TRUE(G.DesignCrit == before.DesignCrit && G.DesignBasis == before.DesignBasis);
    EXPECT_EQ(G.Cases[1], before.Cases[1]);
    EXPECT_EQ(G.Cases[2], before.Cases[2]);
    EXPECT_TRUE(G.CurCaseNo == before.CurCaseNo && G.CurType == before.CurType && G.CurCase == before.CurCase);
    EXPECT_TRUE(G.PerfConv == before.PerfConv && G.PerfA == before.PerfA && G.EntryHt == 96);

    // Support 1 deleted and the post chosen: the post keeps its own record and mark.
    MsgBoxTest::queue(vbYes);
    AnswerNextModal([](QWidget* w) { inList(w, 0, {"Delete", "Ok"}); });
    open();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !text("LabCurrTpf").isEmpty(); }));
    click("ComCancel");
    EXPECT_EQ(G.NumCases, 2);
    EXPECT_EQ(G.CaseName[1], "Post");
    EXPECT_EQ(G.Cases[1], before.Cases[2]);
    EXPECT_TRUE(G.CaseType[1] == before.CaseType[2] && G.DefCases[1] == before.DefCases[2]);
    EXPECT_EQ(G.Cases[1].Updated, 1);
    EXPECT_EQ(G.Cases[2], before.Cases[1]);
    EXPECT_EQ(G.DesignCrit.SysCase, 1);  // followed the post in the list

    // With the crib as the system in use, the post deleted in the list, which is then cancelled, and the
    // criteria committed: the system in use is still the crib, now support 1 of 1.
    G.DesignCrit.SysCase = 2;
    MsgBoxTest::queue(vbYes);
    AnswerNextModal([](QWidget* w) { inList(w, 0, {"Delete", "Cancel"}); });
    open();
    ASSERT_TRUE(QTest::qWaitFor([] { return G.NumCases == 1 && QApplication::activeModalWidget() == nullptr; }));
    click("ComDone");
    EXPECT_EQ(G.DesignCrit.SysCase, 1);
}

// The stored end treatment holds under every basis: "Disallow off-curve points" ends the curve at its last
// point, 4 in and 12 tons/ft, where the crib template at 120 in and 1 row in a 118-in entry carries less.
TEST_F(FormMineBases, StoredEndTreatmentHoldsUnderTheCurrentSystemBasis)
{
    curve("Headgate", 7, {{1, 1.5f}, {2, 1.0f}, {4, 0.6f}});
    CritRec& c = G.DesignCrit;
    c.GREndMode = 0, c.EntryHt = 118, c.SysCase = 1, c.SysSpac = 120, c.SysRows = 1;
    G.DesignBasis = 2;
    shippedCribAndPost();
    AnswerNextModal([](QWidget* w) { ClickButton(w, "Ok"); });
    open();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !text("LabCurrTpf").isEmpty(); }));
    const QString shown = texts({"TxCurrConv", "LabCurrTpf"});
    click("ComSetCurr");
    EXPECT_EQ(messages(), QStringList{"Attention: The support curve does not cross the ground reaction curve."});
    EXPECT_EQ(texts({"TxCurrConv", "LabCurrTpf"}), shown);
    for (const CurveRec* r : {&G.WorkCurve, &G.GRCurves[1]})
        EXPECT_TRUE(r->Conv[4] == 4 && r->Intensity[4] == 0.6f && r->Conv[0] == 1 && r->Intensity[0] == 1.5f);
}

TEST_F(FormMineBases, ArbitraryCalcStoresTheDisplayedLoadDensity)
{
    G.DesignBasis = 3;
    open();
    EXPECT_EQ(text("LbTpf"), "12.0");
    type("TxArbTons", "100", false);
    type("TxArbSpac", "72", false);
    type("TxArbRows", "0.9", false);
    click("ComArbCalc");
    EXPECT_EQ(messages(), QStringList{"Error: Invalid number of rows"});
    type("TxArbRows", "1", false);
    click("ComArbCalc");
    EXPECT_EQ(box("TxArbTpf")->text(), "16.7");
    click("ComArbSet");  // the last point of the curve
    EXPECT_EQ(box("TxArbConv")->text(), "4.00");
    click("ComDone");
    const CritRec& c = G.DesignCrit;
    EXPECT_TRUE(c.Tpf == 16.7f && c.ArbTpf == 16.7f && c.Conv == 4 && c.ArbRows == 1);
    EXPECT_EQ(G.GrcDefined, 0);
}

TEST_F(FormMineTest, UncontrolledConvergenceComesBackFromItsDialog)
{
    open();
    AnswerNextModal([](QWidget* w) {
        auto* amount = w->findChild<NumBox*>("TxUconv");
        amount->setText("0.5");
        w->findChild<QRadioButton*>("Option2")->click();
        ClickButton(w, "Ok");
    });
    click("ComHeave(0)");
    EXPECT_EQ(texts({"LbUconv(0)", "LbAtype", "LbYield"}), "0.500|Concurrent|1.00");
    AnswerNextModal([](QWidget* w) { ClickButton(w, "Cancel"); });
    click("ComHeave(0)");
    EXPECT_EQ(text("LbUconv(0)"), "0.500");
    click("ComDone");
    EXPECT_TRUE(G.DesignCrit.UncontrolledConv == 0.5f && G.DesignCrit.Timing == 1 && G.CritChangedSS == -1);
}

}  // namespace
