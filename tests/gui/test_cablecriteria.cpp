// The cable-bolt criteria dialog over the shared block and entry frames.
#include "cablebolts/cablecriteria.h"
#include "criteria/criteria.h"
#include "files/defaults.h"
#include "model/criteria/block.h"
#include "platform/numbox.h"

#include "program_folder.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <functional>
#include <tuple>

using namespace vesk;

namespace {

// Over the built-in criteria: entry 20 ft by 96 in; cable block of failure
// height 5 ft, 160 lb/ft3, yield zone 10 ft, CMRR 80, depth 1000 ft, shear;
// displacement 0.75 in, safety factor 1.5; standing load 16 tons/ft.
class CableCriteriaDialog : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        SetBuiltInDefaults();
        Criteria::CritEditorDone = 1;
    }
    // Shows the dialog and lets its first activation run.
    static void open(CableCriteria& d)
    {
        d.show();
        QTest::qWait(1);
    }
    static NumBox* box(QWidget* d, const char* name) { return d->findChild<NumBox*>(name); }
    static QCheckBox* check(QWidget* d, const char* name) { return d->findChild<QCheckBox*>(name); }
    static void click(QWidget* d, const char* name) { d->findChild<QPushButton*>(name)->click(); }
    static void enter(QWidget* d, const char* name, const QString& text)
    {
        box(d, name)->setText(text);
        box(d, name)->pressEnter();
    }
    // Opens a dialog, runs `edit` in it and presses "&Ok".
    static void commit(const std::function<void(QWidget*)>& edit)
    {
        CableCriteria d;
        open(d);
        edit(&d);
        click(&d, "ComDone");
    }
};

TEST_F(CableCriteriaDialog, LoadsAndDerivationsReachTheCommittedCriteria)
{
    commit([](QWidget* d) {
        // (10 / 2 + 20) x 5 x 160 / 2000 for shear, 7.85 for an arch.
        EXPECT_EQ(test::Texts(d, {"LabDS", "LabDA", "LbTpf", "LbConv", "LbSF"}), "10.0|7.85|10.0|0.750|1.50");
        check(d, "ChkCMRR")->click();  // CMRR 80: 4.0 ft
        EXPECT_EQ(box(d, "TextFail")->text(), "4.0");
        EXPECT_EQ(test::Texts(d, {"LabDS"}), "8.00");
        check(d, "ChkDepth")->click();  // 1000 ft
        EXPECT_EQ(box(d, "TxYield")->text(), "10");
        enter(d, "TxDepth", "2000");
        EXPECT_EQ(box(d, "TxYield")->text(), "12");
    });
    EXPECT_TRUE(messages().isEmpty());
    const CritRec& c = G.DesignCrit;
    EXPECT_EQ(c.CabFailHt, 4.0f);
    EXPECT_EQ(c.CabYieldZone, 12.0f);
    EXPECT_EQ(c.CabBlockFlags, kBlockFromCMRR | kBlockFromDepth);
    EXPECT_FLOAT_EQ(c.CabTpf, (6 + 20) * 4 * 160 / 2000.0f);
    EXPECT_EQ(G.CritChangedCB, -1);
    EXPECT_EQ(Criteria::CritEditorDone, -1);
}

TEST_F(CableCriteriaDialog, SafetyFactorLimitsAndTheRecommendedMinimum)
{
    const QString belowMinimum = "Attention: Minimum recommended safety factor is 1.25";
    G.DesignCrit.CabSF = 1.2f;
    CableCriteria d;
    open(d);
    EXPECT_EQ(messages(), QStringList{belowMinimum});
    for (const QString sf : {"1", "10", "0.9"}) {
        MsgBoxTest::clear();
        enter(&d, "TxSF", sf);
        EXPECT_EQ(messages(), sf == "0.9" ? QStringList{"Error: Invalid safety factor"}
                              : sf == "10" ? QStringList{}
                                           : QStringList{belowMinimum});
    }
    EXPECT_EQ(test::Texts(&d, {"LbSF"}), "10.0");
}

TEST_F(CableCriteriaDialog, CommitsOfACopyADisplacementAndAWidth)
{
    const CritRec& c = G.DesignCrit;
    commit([](QWidget* d) {
        check(d, "ChkBlockArch")->click();
        click(d, "ComCopy");
    });
    EXPECT_EQ(G.VerifySS, -1);
    EXPECT_EQ(c.FailHt, 5.0f);
    EXPECT_EQ(c.BlockFlags, kBlockArch);

    commit([](QWidget* d) { enter(d, "TxBlockConv", "1.5"); });
    EXPECT_EQ(c.CabConv, 1.5f);
    EXPECT_EQ(G.CritChangedCB, -1);

    // The standing-support load stays: its density per ft of width follows.
    commit([](QWidget* d) { enter(d, "TxWid", "25"); });
    EXPECT_FLOAT_EQ(c.TpfPerWid, 16.0f / 25);
    EXPECT_EQ(G.SizeChanged, -1);
}

TEST_F(CableCriteriaDialog, AnInvalidBoxKeepsItOpenOnOkCancelAndTheCloseBoxRestoreTheEntrySize)
{
    const CritRec before = G.DesignCrit;
    for (bool closeBox : {false, true}) {
        CableCriteria d;
        open(d);
        enter(&d, "TxWid", "24");
        EXPECT_EQ(test::Texts(&d, {"LabDS"}), "11.6");  // (5 + 24) x 5 x 160 / 2000
        for (auto [name, message] : {std::pair{"TxHt", "entry height"}, std::pair{"TextDens", "density"}}) {
            MsgBoxTest::clear();
            box(&d, name)->setText("x");
            click(&d, "ComDone");
            EXPECT_EQ(messages(), QStringList{"Error: Invalid " + QString(message)});
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(d.focusWidget(), box(&d, name));
        }
        EXPECT_EQ(Criteria::CritEditorDone, 1);
        closeBox ? (void)d.close() : click(&d, "ComCancel");
        EXPECT_EQ(G.EntryWid, 20.0f);
        EXPECT_EQ(G.DesignCrit, before);
        EXPECT_EQ(Criteria::CritEditorDone, 0);
        Criteria::CritEditorDone = 1;
    }
}

// The cable group's own flags, not the standing group's, tick the boxes.
TEST_F(CableCriteriaDialog, TheCheckBoxesFollowTheCableFlags)
{
    G.DesignCrit.CabBlockFlags = kBlockArch | kBlockFromCMRR;
    commit([](QWidget* d) {
        EXPECT_TRUE(check(d, "ChkBlockArch")->isChecked() && check(d, "ChkCMRR")->isChecked());
        EXPECT_FALSE(box(d, "TextFail")->isEnabled());
        check(d, "ChkCMRR")->click();
    });
    EXPECT_EQ(G.DesignCrit.CabBlockFlags, kBlockArch);
}

TEST_F(CableCriteriaDialog, MetricOkChangesNothing)
{
    std::tie(G.DesignCrit.CabFailHt, G.DesignCrit.CabConv, G.DesignCrit.CabSF) = std::tuple(4.3f, 0.7f, 1.37f);
    commit([](QWidget*) {});  // stores the load of these inputs
    G.CritChangedCB = 0;
    G.MetricUnits = -1;
    const CritRec before = G.DesignCrit;
    commit([](QWidget* d) { EXPECT_EQ(box(d, "TextFail")->text(), "1.31"); });
    EXPECT_EQ(G.DesignCrit, before);
    EXPECT_EQ(G.EntryWid, 20.0f);
    EXPECT_EQ(G.CritChangedCB, 0);
    EXPECT_EQ(G.SizeChanged, 0);
}

}  // namespace
