// The concrete crib and file-defined support performance dialogs, the latter
// over the shipped engineered timber crib.
#include "files/datafiles.h"
#include "files/defaults.h"
#include "files/modelfile.h"
#include "model/criteria/summary.h"
#include "model/supportlist.h"
#include "model/units.h"
#include "shell/supportdialogs.h"
#include "supports/concrete.h"
#include "supports/perflink.h"

#include "perf_dialog_test.h"

#include <QComboBox>
#include <QRadioButton>

using namespace vesk;
using namespace vesk::test;

namespace {

// The built-in criteria (16 tons/ft at 2 in, detached block) in a 96 in x 20 ft entry.
class ConcreteTest : public PerfDialogTest {
protected:
    void SetUp() override
    {
        PerfDialogTest::SetUp();
        SetBuiltInDefaults();
        SetBuiltInTypes();
        G.EntryHt = 96;
        G.EntryWid = 20;
        SetDesignBasis(0);
        RefreshWorkingValues();
    }
    // A support of the type from its template, in the dialog.
    void open(int16_t type)
    {
        G.NumCases = 0;
        ASSERT_EQ(AppendSupport(type, "Crib"), 1);
        PerfDialogTest::open<Concrete>();
    }
    QLabel* dimLabel(int i) const { return d_->findChild<QLabel*>(QString("LbDim(%1)").arg(i)); }
    QString dim(int i) const { return box(QString("TxDim(%1)").arg(i))->text(); }
};

// The same criteria, and the engineered crib of the shipped config.txt.
class PerfLinkTest : public ConcreteTest {
protected:
    void SetUp() override
    {
        ConcreteTest::SetUp();
        ASSERT_TRUE(folder_.copy({"config.txt", "engcrib.dat", "yieldcol.dat"}));
        ASSERT_FALSE(ReadConfig());
        ASSERT_EQ(G.TypeFile[type_], "engcrib.dat");
        support(96);
    }
    // A new support of the engineered crib, its models read at this entry height.
    void support(float height)
    {
        G.EntryHt = height;
        G.NumCases = 0;
        ASSERT_EQ(AppendSupport(type_, "Crib"), 1);
        ASSERT_TRUE(LoadModelFile(type_));
    }
    QComboBox* models() const { return d_->findChild<QComboBox*>("Combo1"); }

    const int16_t type_ = 7;  // the engineered timber crib of the shipped config.txt
};

TEST_F(ConcreteTest, ThreeOrFiveDimensionsByType)
{
    const char* const first[] = {" Inner diam, in", " Piece width, in", " Crib width, in", " Crib width, in"};
    for (int16_t type = 3; type <= 6; ++type) {
        open(type);
        EXPECT_EQ(dimLabel(0)->text(), first[type - 3]);
        for (int i : {3, 4})
            EXPECT_EQ(box(QString("TxDim(%1)").arg(i))->isVisible() + dimLabel(i)->isVisible(), 2 * (type >= 5)) << type;
        EXPECT_EQ(dim(1), qs(FormatMetric(G.Cases[1].Par[1], 5)));
        EXPECT_FALSE(text("LbActSpac").isEmpty());
    }
    EXPECT_TRUE(messages().isEmpty());
    // The unit-bearing labels by this dialog's own names, each name once.
    const char* const names[] = {"Label22", "Label19", "Label11", "Label9", "Label16",
                                 "Label20", "Label10", "Label12", "Label1"};
    QStringList captions;
    for (const char* name : names) {
        EXPECT_EQ(d_->findChildren<QLabel*>(name).size(), 1) << name;
        captions << text(name);
    }
    EXPECT_EQ(captions.join('|'), "at Design convergence, in|Convergence, in|Convergence, in|"
                                  "Center-to-center spacing, in|Support load density, tons/ft|Load density, tons/ft|"
                                  "Load density, tons/ft|Unit load, tons|Interlayer wood placement");
    const QLabel* result = d_->findChild<QLabel*>("Label11");
    EXPECT_EQ(result->parentWidget(), d_->findChild<QLabel*>("LbConv")->parentWidget()) << "the result's caption";

    // The support list opens this dialog for the four types.
    AnswerNextModal([](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), "Concrete Crib Performance");
        ClickButton(w, "Cancel");
    });
    EXPECT_TRUE(ShowPerformanceDialog(3, nullptr));
}

TEST_F(ConcreteTest, RefusedDimensionShowsTheStoredValueAndLeavingStrengthRecomputes)
{
    open(5);
    const CaseRec before = G.CurCase;
    box("TxDim(1)")->setText("wide");
    enter("TxDim(2)", "0");
    EXPECT_EQ(shown(), "Errors: 2 errors.");
    EXPECT_EQ(G.CurCase, before);
    for (int i : {1, 2})
        EXPECT_EQ(dim(i), qs(FormatMetric(before.Par[static_cast<std::size_t>(i)], 5)));

    MsgBoxTest::clear();
    d_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d_.get()));
    box("TextStrength")->setFocus(Qt::TabFocusReason);
    box("TextStrength")->setText("3000");
    box("TxThick")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(G.CurCase.Par[5], 3000.0f);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(PerfLinkTest, ModelChoiceRecomputesAndRowsStayWithinFive)
{
    PerfDialogTest::open<PerfLink>();
    EXPECT_EQ(d_->windowTitle(), "Engineered timber crib Performance");
    EXPECT_EQ(models()->itemText(1), qs(G.ModelName(type_, 2)));
    const QString spacing = text("LbActSpac");
    models()->setFocus();
    QTest::keyClick(models(), Qt::Key_Down);
    EXPECT_EQ(G.CurCase.SizeIdx, 1);
    EXPECT_NE(text("LbActSpac"), spacing);

    const CaseRec before = G.CurCase;
    enter("TextRows", "6");  // the core's tests have both limits
    EXPECT_EQ(messages(), QStringList{"Error: Invalid no. rows (0-5)"});
    EXPECT_EQ(G.CurCase, before);
    enter("TextRows", "2.9");
    EXPECT_EQ(text("LbRows"), "2");
}

TEST_F(PerfLinkTest, SpacingThatMeetsNothingIsReplacedByTheDesigns)
{
    PerfDialogTest::open<PerfLink>();
    box("TextSpacing")->setText("2000");  // 2,667 tons a crib: beyond every model
    d_->findChild<QRadioButton*>("Option2")->click();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(box("TextSpacing")->text(), text("LbActSpac"));
    EXPECT_LT(G.CurCase.Spacing, 2000.0f);
}

// Model 1 in a 60-in entry at 30 tons/ft and 3 in, 36 in at most: the
// optimisation designs on the curve's peak at 2.5 in, and the dialog, which
// shows model 3 until then, takes up the same design.
TEST_F(PerfLinkTest, OptimisationIsTakenUpOnOkAndNotOnCancel)
{
    G.DesignCrit.Tpf = 30;
    G.DesignCrit.Conv = 3;
    support(60);
    CaseRec& c = G.Cases[1];
    c.SizeIdx = 2, c.Rows = 1, c.UserSpacing = 36, c.SpacMode = 0;
    PerfDialogTest::open<PerfLink>();
    QString found;
    AnswerNextModal([&found](QWidget* w) {
        found = w->findChild<QLabel*>("LbConv")->text() + " " + w->findChild<QLabel*>("LbActSpac")->text();
        ClickButton(w, "Ok");
    });
    click("ComOpt");
    ASSERT_TRUE(QTest::qWaitFor([this] { return models()->currentIndex() == 0; }));
    EXPECT_EQ(text("LbRows"), "1");
    EXPECT_EQ(found, "2.50 " + text("LbActSpac"));
    EXPECT_EQ(text("LbConv"), "2.50");

    const CaseRec before = G.CurCase;
    AnswerNextModal([](QWidget* w) {
        w->findChild<NumBox*>("TextSpace")->setText("100");
        w->findChild<NumBox*>("TextSpace")->pressEnter();
        ClickButton(w, "Cancel");
    });
    click("ComOpt");
    EXPECT_EQ(G.CurCase, before);
    EXPECT_TRUE(messages().isEmpty());

    // The support list opens this dialog for the type.
    AnswerNextModal([](QWidget* w) {
        EXPECT_EQ(w->objectName(), "PerfLink");
        ClickButton(w, "Cancel");
    });
    EXPECT_TRUE(ShowPerformanceDialog(type_, nullptr));
}

}  // namespace
