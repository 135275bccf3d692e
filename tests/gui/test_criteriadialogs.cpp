// The design-basis dialog (basis options by mouse and keyboard, the criteria dialogs it opens, the
// summary and units, the change messages when it closes) and the uncontrolled-convergence dialog.
#include "criteria/criteria.h"
#include "criteria/maxyield.h"
#include "model/criteria/changes.h"
#include "platform/numbox.h"
#include "shell/editcases.h"
#include "shell/mainform.h"

#include "program_folder.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace vesk;
using namespace vesk::test;

namespace {

class CriteriaTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        G.CrLf = "\r\n";
        CritRec& c = G.DesignCrit;
        std::tie(c.Conv, c.TpfPerWid, c.Tpf, c.EntryWid, c.EntryHt) = std::tuple(2.f, 1.5f, 30.f, 20.f, 84.f);
        std::tie(c.UncontrolledConv, c.Timing, c.FailHt, c.YieldZone) = std::tuple(0.5f, 1, 10.f, 10.f);
        std::tie(c.CabFailHt, c.CabYieldZone, c.CabTpf, c.CabConv, c.CabSF) = std::tuple(5.f, 10.f, 12.5f, 1.2f, 1.5f);
        // Valid block inputs, so that the criteria dialogs open without a message.
        std::tie(c.RockDens, c.BlockConv, c.CabRockDens, c.RoofBearing, c.FloorBearing) =
            std::tuple(160.f, 2.f, 160.f, 500.f, 500.f);
        std::tie(c.ArbTpf, c.ArbConv) = std::tuple(30.f, 2.f);
        G.DesignCurve.Name = "Longwall tailgate   ";
    }

    void open()
    {
        d_ = std::make_unique<Criteria>();
        d_->show();
        d_->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return d_->windowTitle().startsWith("Design basis"); }));
    }
    QString text(const char* name) const { return d_->findChild<QLabel*>(name)->text(); }
    QString texts(std::initializer_list<const char*> names) const { return Texts(d_.get(), names); }
    QRadioButton* option(const QString& name) const { return d_->findChild<QRadioButton*>(name); }
    QRadioButton* option(int i) const { return option(QString("Option1(%1)").arg(i)); }
    void mouseClick(int i) { QTest::mouseClick(option(i), Qt::LeftButton, {}, QPoint(4, 4)); }
    void click(const char* name) { d_->findChild<QPushButton*>(name)->click(); }
    // The checked basis option, the basis in force and its name.
    auto basis() const
    {
        int checked = -1;
        for (int i = 0; i < 4; ++i)
            checked = option(i)->isChecked() ? i : checked;
        return std::make_tuple(checked, G.DesignBasis, G.BasisName);
    }

    // Stands in for the criteria dialog that opens next: records its class and the basis in force, types an
    // entry width, then commits `change` to the criteria or cancels.
    void answerCriteriaDialog(std::function<void(CritRec&)> change = {}, CritGroup group = CritGroup::Standing)
    {
        AnswerNextModal([this, change, group](QWidget* w) {
            opened_ << w->metaObject()->className();
            basisWhileOpen_ = G.DesignBasis;
            G.EntryWid = 24;
            if (change) {
                CritRec copy = G.DesignCrit;
                copy.Basis = G.DesignBasis;
                change(copy);
                CommitCriteria(copy, false, group);
                Criteria::CritEditorDone = -1;
            }
            static_cast<QDialog*>(w)->done(change ? QDialog::Accepted : QDialog::Rejected);
        });
    }

    std::unique_ptr<Criteria> d_;
    QStringList opened_;
    int basisWhileOpen_ = -1;
};

TEST_F(CriteriaTest, SummaryInBothUnitSystemsWithoutChangingTheCriteria)
{
    G.EasternMines = -1;
    G.DesignCrit.TpfPerWid = 1.25f;  // the load density follows the entry width
    open();
    EXPECT_EQ(d_->windowTitle(), "Design basis for Eastern mines");
    EXPECT_EQ(basis(), std::make_tuple(0, int16_t(0), std::string("Detached block")));
    EXPECT_EQ(std::tie(G.DesignTpf, G.DesignConv, G.DesignCrit.Tpf), std::make_tuple(25.f, 2.f, 25.f));
    const CritRec committed = G.DesignCrit;
    const auto values = [this] { return texts({"LbTpf", "LbConv", "LbYield", "LbCtpf", "LbCdisp", "LbSF"}); };
    EXPECT_EQ(values(), "25.0|2.00|1.50|12.5|1.20|1.50");
    EXPECT_EQ(texts({"LbAtype", "LbNotes"}), "Concurrent|Failure height: 10.0 ft\nYield zone width: 10 ft");
    option("OptMetric")->click();
    EXPECT_EQ(values(), "74.4|5.08|3.81|37.2|3.05|1.50");
    EXPECT_EQ(texts({"Label31", "LbYieldReq"}), "Support load density, tonnes/m|Security-check convergence, cm");
    EXPECT_EQ(G.MetricUnits, -1);
    EXPECT_EQ(G.DesignCrit, committed);

    // Refreshed by the unit option, with no uncontrolled convergence.
    G.DesignCrit.UncontrolledConv = 0;
    option("OptEnglish")->click();
    EXPECT_EQ(text("LbYieldReq"), "No security check");
    for (const char* hidden : {"LbYield", "LbAtype", "LbTiming"})
        EXPECT_TRUE(d_->findChild<QLabel*>(hidden)->isHidden()) << hidden;
}

TEST_F(CriteriaTest, KeysChooseABasisAloneAClickOpensTheCriteriaDialogAndItsCancelUndoesTheChoice)
{
    open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d_.get()));
    answerCriteriaDialog();  // must stay unused by the keys
    QTest::keyClick(option(0), Qt::Key_Down);
    EXPECT_EQ(basis(), std::make_tuple(1, int16_t(1), std::string("Ground reaction curve")));
    QTest::qWait(50);
    EXPECT_EQ(DropModalAnswers(), 1) << "the keys opened a dialog";

    // A click opens the standing-support criteria under the clicked basis. Cancelled (with a result left
    // over from an earlier commit), the basis, summary and entry size are put back.
    Criteria::CritEditorDone = -1;
    answerCriteriaDialog();
    mouseClick(3);
    EXPECT_EQ(basisWhileOpen_, 3);
    EXPECT_EQ(basis(), std::make_tuple(1, int16_t(1), std::string("Ground reaction curve")));
    EXPECT_EQ(d_->focusWidget(), option(1));
    EXPECT_EQ(std::tie(G.EntryWid, G.DesignTpf, G.DesignCrit.Tpf), std::make_tuple(20.f, 30.f, 30.f));
    EXPECT_EQ(text("LbTpf") + " " + text("LbNotes"), "30.0 GR curve: Longwall tailgate");
    // Committed, the basis stays.
    answerCriteriaDialog([](CritRec&) {});
    mouseClick(3);
    EXPECT_EQ(opened_, QStringList({"vesk::FormMine", "vesk::FormMine"}));
    EXPECT_EQ(std::tie(G.DesignBasis, G.DesignCrit.Basis), std::make_tuple(int16_t(3), int16_t(3)));

    // Chosen by the keys only, a basis does not outlive the dialog.
    d_->activateWindow();  // the offscreen platform gives the activation back to nobody
    ASSERT_TRUE(QTest::qWaitForWindowActive(d_.get()));
    QTest::keyClick(option(3), Qt::Key_Up);
    EXPECT_EQ(G.DesignBasis, 2);
    click("ComMain");
    EXPECT_FALSE(d_->isVisible());
    EXPECT_EQ(std::make_tuple(G.DesignBasis, G.BasisName, G.NextStep),
              std::make_tuple(int16_t(3), std::string("Abitrary criteria"), int16_t(0)));
    EXPECT_TRUE(messages().isEmpty());  // no support, no change message
}

TEST_F(CriteriaTest, ChangedGroupsLoseTheirUpdatedMarksWithOneMessageWhenTheDialogCloses)
{
    G.NumCases = 2;
    G.TypeCat = {0, 1, 2, 3, 4, 5, 6, 7, 7};
    std::tie(G.CaseType[1], G.CaseType[2]) = std::tuple(1, 8);
    std::tie(G.Cases[1].Updated, G.Cases[2].Updated) = std::tuple(1, 1);
    const QString changed = "Attention: Design criteria have changed. Check performance of all defined";

    // A new entry width through the cable-bolt criteria: the standing supports are to be verified, and the
    // close box tells of both groups, once.
    open();
    answerCriteriaDialog([](CritRec& c) { c.EntryWid = 22; }, CritGroup::Cable);
    click("ComCable");
    EXPECT_EQ(opened_, QStringList{"vesk::CableCriteria"});
    EXPECT_EQ(messages(), QStringList{"Attention: Verify design criteria for:\r\nStanding supports"});
    EXPECT_EQ(std::tie(G.EntryWid, G.DesignTpf), std::make_tuple(22.f, 33.f));
    MsgBoxTest::clear();
    d_->close();
    d_->close();
    EXPECT_EQ(messages(), QStringList{changed + "\r\nstanding supports\r\ncable bolt supports"});
    EXPECT_EQ(std::tie(G.Cases[1].Updated, G.Cases[2].Updated, G.NextStep), std::tuple(0, 0, 0));

    // Reached from the support list through the main window: a new design convergence concerns the
    // standing supports only; "&Next" says so once and leads back to the support list.
    MsgBoxTest::clear();
    G.VerifySS = 0;
    std::tie(G.Cases[1].Updated, G.Cases[2].Updated) = std::tuple(1, 1);
    InstallStepOpeners();
    {
        EditCases list;
        list.findChild<QPushButton*>("ComPrev")->click();
    }
    ASSERT_EQ(G.NextStep, StepCriteria);
    MainForm main;
    AnswerNextModal([this](QWidget* w) {
        ASSERT_TRUE(qobject_cast<Criteria*>(w));
        answerCriteriaDialog([](CritRec& c) { c.Conv = 2.5f; });
        w->findChild<QPushButton*>("ComEdit")->click();
        EXPECT_EQ(w->findChild<QLabel*>("LbConv")->text(), "2.50");
        w->findChild<QPushButton*>("ComNext")->click();
    });
    main.timerTick();
    EXPECT_EQ(messages(), QStringList{changed + "\r\nstanding supports"});
    EXPECT_EQ(std::tie(G.Cases[1].Updated, G.Cases[2].Updated, G.NextStep), std::tuple(0, 1, 3));
}

// ---- The uncontrolled-convergence dialog ----------------------------------------------

class MaxYieldTest : public WindowTest {
protected:
    void open(int16_t timing, float amount, float design = 2.f)
    {
        x_ = UconvExchange{timing, amount, design};
        d_ = std::make_unique<MaxYield>(nullptr, x_);
        d_->show();
    }
    NumBox* box() const { return d_->findChild<NumBox*>("TxUconv"); }
    void enter(const QString& t)
    {
        box()->setText(t);
        box()->pressEnter();
    }
    void click(const char* name) { d_->findChild<QPushButton*>(name)->click(); }
    // The timing options, enabled ("i", "c") and selected ("I", "C"): "ic/I".
    QString options() const
    {
        auto* i = d_->findChild<QRadioButton*>("Option1");
        auto* c = d_->findChild<QRadioButton*>("Option2");
        return QString(i->isEnabled() ? "i" : "-") + (c->isEnabled() ? "c" : "-") + "/" +
               (i->isChecked() ? "I" : c->isChecked() ? "C" : "-");
    }
    auto result() const { return std::make_tuple(x_.UconvTiming, x_.UconvAmount, d_->isVisible()); }

    UconvExchange x_;
    std::unique_ptr<MaxYield> d_;
};

TEST_F(MaxYieldTest, AmountAndTiming)
{
    open(1, 0.5f);
    EXPECT_EQ(box()->text(), "0.500");
    EXPECT_EQ(options(), "ic/C");
    enter("-1");
    enter("1,5");
    click("ComDone");
    EXPECT_EQ(messages(), QStringList({"Attention: Value must be >= 0", "Attention: Value must be >= 0",
                                       "Input error: Uncontrolled convergence must be >= 0"}));
    EXPECT_EQ(result(), std::make_tuple(int16_t(1), 0.5f, true));
    enter("2");  // equal: Enter needs less
    EXPECT_EQ(options(), "i-/I");
    enter("1");
    EXPECT_EQ(options(), "ic/I");
    click("ComDone");
    EXPECT_EQ(result(), std::make_tuple(int16_t(0), 1.f, false));

    // "&Ok" keeps Concurrent up to an amount equal to the design convergence, not above.
    for (auto [typed, timing] : {std::pair{"2", 1}, std::pair{"2.5", 0}}) {
        open(1, 0.5f);
        box()->setText(typed);
        click("ComDone");
        EXPECT_EQ(std::tie(x_.UconvTiming, x_.UconvAmount), std::make_tuple(int16_t(timing), std::stof(typed)));
    }
    // Loaded equal to it, Concurrent may be chosen.
    open(1, 2.f);
    EXPECT_EQ(options(), "ic/C");
    // Loaded above it, the stored timing is shown and kept when the amount is lowered.
    open(1, 3.f);
    EXPECT_EQ(options(), "i-/C");
    box()->setText("1");
    click("ComDone");
    EXPECT_EQ(result(), std::make_tuple(int16_t(1), 1.f, false));

    // The close box changes nothing ("&Cancel" is the criteria dialog's test).
    open(1, 0.5f);
    enter("3");
    d_->close();
    EXPECT_EQ(result(), std::make_tuple(int16_t(1), 0.5f, false));
    // Metric: centimetres, and an untouched box gives back the exact amount.
    G.MetricUnits = -1;
    open(1, 1.5f);
    EXPECT_EQ(box()->text(), "3.81");
    click("ComDone");
    EXPECT_EQ(result(), std::make_tuple(int16_t(1), 1.5f, false));
}

}  // namespace
