// The two design optimisation dialogs: the wood crib's and the file-defined
// support's.
#include "files/datafiles.h"
#include "files/defaults.h"
#include "files/modelfile.h"
#include "model/criteria/summary.h"
#include "model/supportlist.h"
#include "model/supports/crib.h"
#include "platform/numbox.h"
#include "supports/dsgncrib.h"
#include "supports/dsgnlink.h"

#include "program_folder.h"

#include <QLabel>
#include <QPushButton>

using namespace vesk;

namespace {

class DsgnTest : public test::WindowTest {
protected:
    // The built-in criteria: 96 x 20 ft entry, 16 tons/ft at 2 in, detached block.
    void SetUp() override
    {
        WindowTest::SetUp();
        SetBuiltInDefaults();
        G.EntryHt = 96;
        G.EntryWid = 20;
        SetDesignBasis(0);
        RefreshWorkingValues();
    }
    template <class Dialog>
    void open()
    {
        d_ = std::make_unique<Dialog>();
        d_->show();
        QTest::qWait(1);
    }
    NumBox* box(const char* name) const { return d_->findChild<NumBox*>(name); }
    QString label(const char* name) const { return d_->findChild<QLabel*>(name)->text(); }
    void click(const char* name) { d_->findChild<QPushButton*>(name)->click(); }
    // Types text into a box and presses Enter there.
    void enter(const char* name, const QString& text)
    {
        box(name)->setText(text);
        box(name)->pressEnter();
    }

    std::unique_ptr<QDialog> d_;
};

// The built-in crib (2 timbers of 8 in per layer, 1 row, 60 in), widths 6 to 12 in.
class DsgnCribTest : public DsgnTest {
protected:
    void SetUp() override
    {
        DsgnTest::SetUp();
        SetBuiltInTypes();
        ASSERT_EQ(AppendSupport(1, "Crib"), 1);
        G.CurCase = G.Cases[1];
    }
    const CaseRec& work() const { return static_cast<DsgnCrib*>(d_.get())->workCase(); }
};

TEST_F(DsgnCribTest, RaisedSpacingIsHandedBackExactly)
{
    const float smallest = SmallestMaxSpacing(12, 96);  // 48.33 in
    const QStringList raised{"Attention: Max spacing was too small for mining height"};
    open<DsgnCrib>();
    EXPECT_TRUE(messages().isEmpty());
    enter("TextSpace", "40");
    EXPECT_EQ(box("TextSpace")->text(), "48.3");
    click("ComDone");
    EXPECT_EQ(messages(), raised);  // once: on Ok the box still stands for 48.33
    EXPECT_EQ(d_->result(), QDialog::Accepted);
    EXPECT_EQ(G.CurCase.UserSpacing, smallest);
    EXPECT_EQ(G.CurCase, work());

    // A typed 48.3 is too small, and is raised again.
    G.CurCase = G.Cases[1];
    open<DsgnCrib>();
    enter("TextSpace", "48.3");
    EXPECT_EQ(messages(), raised + raised);
    click("ComDone");
    EXPECT_EQ(G.CurCase.UserSpacing, smallest);
}

TEST_F(DsgnCribTest, BadFieldKeepsTheDialogOpenAndCancelHandsNothingBack)
{
    const CaseRec before = G.CurCase;
    open<DsgnCrib>();
    box("TextMinW")->setText("x");
    click("ComDone");
    box("TextMinW")->setText("6");
    box("TextRows")->setText("40000");
    click("ComDone");
    box("TextRows")->setText("1");
    enter("TextMaxW", "1e30");  // far more than 1,000 widths to try
    box("TextMaxW")->setText("12");
    EXPECT_EQ(messages(), (QStringList{"Attention: Invalid minimum timber width", "Attention: Invalid number of rows",
                                       "Attention: Invalid maximum timber width"}));
    EXPECT_TRUE(d_->isVisible());
    EXPECT_EQ(G.CurCase, before);

    enter("TextRows", "1");
    enter("TextSpace", "80");
    EXPECT_NE(work(), before);
    click("ComCancel");
    EXPECT_EQ(d_->result(), QDialog::Rejected);
    EXPECT_EQ(G.CurCase, before);
}

TEST_F(DsgnCribTest, MetricWidthsStepByACentimetre)
{
    G.MetricUnits = -1;
    G.CurCase.Rows = 2;
    open<DsgnCrib>();
    EXPECT_EQ(box("TextRows")->text(), "2.00");
    enter("TextRows", "1");
    enter("TextMaxW", "17.78");  // 7 in; in inches the search would take 7 in
    EXPECT_NEAR(work().Par[0], 6 + 3 / 2.54, 1e-4);
    EXPECT_EQ(label("LabWid"), "18.2");
}

// A support of the shipped engineered timber crib, its models read at 96 in.
class DsgnLinkTest : public DsgnTest {
protected:
    void SetUp() override
    {
        DsgnTest::SetUp();
        ASSERT_TRUE(folder_.copy({"config.txt", "engcrib.dat"}));
        ASSERT_FALSE(ReadConfig());
        ASSERT_EQ(G.TypeFile[type_], "engcrib.dat");
        ASSERT_EQ(AppendSupport(type_, "Crib"), 1);
        ASSERT_TRUE(LoadModelFile(type_));
        G.CurCase = G.Cases[1];
    }
    const CaseRec& work() const { return static_cast<DsgnLink*>(d_.get())->workCase(); }
    const int16_t type_ = 7;  // the engineered timber crib of the shipped config.txt
};

TEST_F(DsgnLinkTest, InputLimitsAndAnOkThatHandsTheChoiceBack)
{
    open<DsgnLink>();
    EXPECT_EQ(d_->windowTitle(), "Engineered timber crib Design Optimization");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_FALSE(label("LbModel").isEmpty());  // a result from the start
    const CaseRec shown = work();
    enter("TextRows", "40000");
    enter("TextSpace", "23.9");
    EXPECT_EQ(messages(), (QStringList{"Error: Invalid no. rows", "Error: Invalid maximum spacing"}));
    EXPECT_EQ(work(), shown);

    MsgBoxTest::clear();
    box("TextRows")->setText("2");
    enter("TextSpace", "24");
    EXPECT_TRUE(messages().isEmpty());
    click("ComDone");
    EXPECT_EQ(d_->result(), QDialog::Accepted);
    EXPECT_EQ(G.CurCase, work());
    EXPECT_EQ(label("LbModel"), qs(G.ModelName(type_, G.CurCase.SizeIdx + 1)));
    EXPECT_EQ(box("TextRows")->text(), QString::number(G.CurCase.Rows));
}

// Cancel, from the performance dialog, is in its tests.
TEST_F(DsgnLinkTest, NoModelFitsLeavesEverythingAsItWas)
{
    const CaseRec before = G.CurCase;
    G.DesignCrit.Conv = 1000;  // beyond every model's curve
    open<DsgnLink>();
    EXPECT_EQ(messages(), QStringList{"Attention: No model of this type carries load at the design convergence."});
    EXPECT_EQ(label("LbModel"), "No design");
    EXPECT_EQ(work(), before);
}

// After "No design", "&Ok" hands nothing back, runs no search and leaves
// the dialog open; a later choice is handed back.
TEST_F(DsgnLinkTest, OkAfterNoDesignHandsNothingBack)
{
    G.CurCase.SpacMode = 1;
    const CaseRec before = G.CurCase;
    open<DsgnLink>();
    ASSERT_NE(label("LbModel"), "No design");
    enter("TextSpace", "10000");  // beyond every model with 5 rows
    EXPECT_EQ(messages(), QStringList{"Warning: Design requires more than 4 rows"});
    EXPECT_EQ(box("TextRows")->text(), "5");

    MsgBoxTest::clear();
    G.DesignConv = 1000;  // beyond every model's curve
    enter("TextSpace", "36");
    ASSERT_EQ(label("LbModel"), "No design");
    click("ComDone");
    EXPECT_EQ(messages(), QStringList{"Attention: No model of this type carries load at the design convergence."});
    EXPECT_TRUE(d_->isVisible());
    EXPECT_EQ(G.CurCase, before);

    G.DesignConv = G.DesignCrit.Conv;
    enter("TextSpace", "36");
    click("ComDone");
    EXPECT_EQ(d_->result(), QDialog::Accepted);
    EXPECT_EQ(G.CurCase, work());
}

}  // namespace
