// The curve point editor: the slope question, a typed name, the ten-point limit, replaced inputs, the width and
// height warning with its notice, and "Calc" reading a support's load while leaving the project as it was.
#include "criteria/edpoints.h"
#include "files/datafiles.h"
#include "files/defaults.h"
#include "model/cribmodel.h"
#include "model/supportlist.h"
#include "ui/boxes.h"

#include "program_folder.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

using namespace vesk;
using namespace vesk::test;

namespace {

class EdPointsTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        G.EntryWid = 20;
        G.EntryHt = 96;
        G.NextCurveId = 1;
        NewWorkCurve();
    }
    void open()
    {
        dlg_ = std::make_unique<EdPoints>();
        dlg_->show();
    }
    NumBox* box(const char* name) const { return dlg_->findChild<NumBox*>(name); }
    QString text(const char* name) const { return dlg_->findChild<QLabel*>(name)->text(); }
    QPushButton* button(const char* name) const { return dlg_->findChild<QPushButton*>(name); }
    void click(const char* name) const { button(name)->click(); }
    void type(const char* name, const QString& s) const
    {
        box(name)->setText(s);
        box(name)->pressEnter();
    }
    QListWidget* list() const { return dlg_->findChild<QListWidget*>("ListPoints"); }

    std::unique_ptr<EdPoints> dlg_;
};

}  // namespace

TEST_F(EdPointsTest, RisingCurvesAreQuestionedAndATypedNameIsTaken)
{
    CurveRec& c = G.WorkCurve;
    c.NumPts = 2;
    SetPoint(c, 1, {2, 60, 50, 20, 96, 1});
    SetPoint(c, 2, {3, 60, 80, 20, 96, 1});  // 0.5 then 0.8 tons/ft²: rising
    open();
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->item(1)->text(), "3.00, 0.800");
    dlg_->findChild<QLineEdit*>("TxName")->setText("Belt entry");
    MsgBoxTest::queue(vbNo);
    click("ComDone");
    EXPECT_EQ(messages(), QStringList{"Attention: Curve has a section of increasing slope.  It is expected that "
                                      "curves have a decreasing slope, i.e. less load at larger convergence. Do you "
                                      "want to accept this curve as defined?"});
    EXPECT_TRUE(dlg_->isVisible());
    MsgBoxTest::queue(vbYes);
    click("ComDone");
    EXPECT_FALSE(dlg_->isVisible());
    EXPECT_EQ(std::make_pair(c.Name, c.NumPts), std::make_pair(CurveName("Belt entry"), int16_t(2)));
}

TEST_F(EdPointsTest, ReplacedInputsTheTenPointLimitAndCancel)
{
    open();
    EXPECT_EQ(text("LbEdTpf"), "20.0");  // 100 tons every 60 in
    box("TxSpacing")->setText("0");
    click("ComAddPts");
    EXPECT_EQ(messages(), QStringList{"Attention: Input errors"});
    EXPECT_EQ(std::make_tuple(box("TxSpacing")->text(), text("LbEdErr"), G.WorkCurve.NumPts),
              std::make_tuple(QString("60.0"), QString("Errors"), int16_t(0)));
    click("ComAddPts");
    EXPECT_EQ(G.WorkCurve.NumPts, 1);
    for (int k = 2; k <= 10; ++k) {
        type("TxConv", QString::number(k == 10 ? 0.5 : k));
        type("TxTons", QString::number(100 - 5 * k));
        click("ComAddPts");
    }
    ASSERT_EQ(list()->count(), 10);
    EXPECT_EQ(list()->item(0)->text(), "0.500, 0.500");  // the smallest convergence first, and selected
    EXPECT_EQ(std::make_pair(list()->currentRow(), box("TxConv")->text()), std::make_pair(0, QString("0.500")));
    click("ComAddPts");
    EXPECT_EQ(messages().last(), "Attention: Max of 10 points");
    EXPECT_EQ(G.WorkCurve.NumPts, 10);

    type("TxHeight", "84");
    MsgBoxTest::queue(vbYes);
    click("ComDelPts");
    EXPECT_EQ(G.WorkCurve.Conv[1], 1.f);
    G.EntryHt = 84;  // as "Calc" leaves it
    click("ComCancel");
    EXPECT_EQ(std::make_pair(G.WorkCurve.NumPts, G.EntryHt), std::make_pair(int16_t(0), 96.f));
}

TEST_F(EdPointsTest, AWidthOrHeightOtherThanTheCriteriaEnablesDetails)
{
    open();
    EXPECT_FALSE(button("ComDetail")->isEnabled());
    type("TxWidth", "18");
    EXPECT_EQ(text("LbWarn"), "Displayed width is different than design criteria.");
    EXPECT_TRUE(button("ComDetail")->isEnabled());
    type("TxHeight", "84");
    EXPECT_EQ(text("LbWarn"), "Displayed width is different than design criteria.\n\n"
                              "Displayed height is different than design criteria.");
    QString title;
    AnswerNextModal([&title](QWidget* w) {
        title = w->windowTitle();
        ClickButton(w, "Ok");
    });
    click("ComDetail");
    EXPECT_EQ(title, "Width/Height Mis-match Warning");
    type("TxWidth", "20");
    type("TxHeight", "96");
    EXPECT_TRUE(text("LbWarn").isEmpty());
    EXPECT_FALSE(button("ComDetail")->isEnabled());
}

namespace {

// What "Calc" must leave as it found it.
auto Looked(const GlobalState& s)
{
    return std::tie(s.NumCases, s.Cases, s.DefCases, s.CaseName, s.CurCaseNo, s.CurType, s.CurCase, s.ChangeCount,
                    s.NumModels, s.ModelName, s.ModelYMax, s.ModelXMax, s.PerfConv, s.PerfLoad, s.PerfA, s.PerfK,
                    s.PerfB, s.CribRatio, s.CurrLoad, s.CurrConv, s.CurrTpf, s.SelectMode, s.NextStep);
}

}  // namespace

// A wood crib marked updated, a post and an engineered crib from the shipped catalogue; "Calc" picks the crib
// (which the list recomputes at the point's height) and then the engineered crib.
TEST_F(EdPointsTest, CalcTakesTheLoadAtThePointsHeightAndChangesNothingElse)
{
    ASSERT_TRUE(folder_.copy(ShippedDataFiles()));
    ASSERT_FALSE(ReadConfig());
    ASSERT_EQ(ReadDefaults(), 0);
    G.EntryHt = 96;
    for (int16_t type : {1, 2, 7})
        AppendSupport(type, "S" + std::to_string(type));
    G.Cases[3].SizeIdx = 0;
    ASSERT_EQ(UpdateCrib(1), 0);
    G.Cases[1].Updated = 1;
    G.CurCaseNo = 2;
    G.CurCase = G.Cases[2];

    // Beyond its last point (12 in, 98 tons) the engineered crib carries that point's load, scaled for the
    // 84-in (7-ft) entry by 1.24 - 0.03 x 7: 100.94 tons.
    const GlobalState before = G;
    open();
    type("TxHeight", "84");
    type("TxConv", "20");
    const auto pick = [](std::vector<int> rows, const char* button = "Ok") {
        AnswerNextModal([rows, button](QWidget* w) {
            auto* tree = w->findChild<QTreeWidget*>("ListView1");
            for (int r : rows)
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                                  tree->visualItemRect(tree->topLevelItem(r)).center());
            ClickButton(w, button);
        });
    };
    pick({0, 2});
    click("ComCalc");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_NEAR(*ReadBox(box("TxTons"), 1), 100.94, 1e-4);
    EXPECT_EQ(box("TxTons")->text(), "101");
    EXPECT_TRUE(Looked(G) == Looked(before));
    EXPECT_EQ(G.EntryHt, 84.f);

    // A model file that breaks off in its second model is no curve at all, though the first one was read whole.
    QByteArray data = folder_.read("engcrib.dat");
    ASSERT_TRUE(folder_.write("engcrib.dat", data.left(data.indexOf("9-point") + 40)));
    type("TxTons", "100");
    pick({2});
    click("ComCalc");
    ASSERT_EQ(messages().size(), 2);
    EXPECT_TRUE(messages()[0].startsWith("Error: Error reading engcrib.dat\nIt is not a model file"));
    EXPECT_EQ(messages()[1], "Attention: Cannot calculate load at specified convergence");
    EXPECT_EQ(box("TxTons")->text(), "100");
    EXPECT_TRUE(Looked(G) == Looked(before));

    pick({}, "Cancel");
    click("ComCalc");
    EXPECT_EQ(messages().last(), "No support selected: Select support to calculate load from");
    EXPECT_TRUE(Looked(G) == Looked(before));

    // What is done in the list stays: the crib deleted, the post duplicated and its duplicate picked.
    MsgBoxTest::queue(vbYes);
    AnswerNextModal([](QWidget* w) {
        auto* tree = w->findChild<QTreeWidget*>("ListView1");
        const auto row0 = [tree] {
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                              tree->visualItemRect(tree->topLevelItem(0)).center());
        };
        row0();
        ClickButton(w, "Delete");
        row0();
        ClickButton(w, "Duplicate");
        ClickButton(w, "Ok");
    });
    click("ComCalc");
    ASSERT_EQ(G.NumCases, 3);
    EXPECT_EQ(std::tie(G.CaseName[1], G.CaseName[2], G.CaseName[3]),
              std::tie(before.CaseName[2], before.CaseName[3], before.CaseName[2]));
    EXPECT_TRUE(G.Cases[1] == before.Cases[2] && G.Cases[2] == before.Cases[3] && G.Cases[3] == before.Cases[2]);
    EXPECT_TRUE(G.CurCaseNo == before.CurCaseNo && G.CurCase == before.CurCase && G.PerfConv == before.PerfConv);
    click("ComCancel");
    EXPECT_EQ(G.EntryHt, 96.f);
}
