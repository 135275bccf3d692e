// The cable-bolt performance dialog: the worked example shown and committed,
// the boxes that choose their options, the guards of "&Ok" and the results.
#include "cablebolts/perfcab.h"
#include "files/datafiles.h"
#include "files/defaults.h"
#include "files/modelfile.h"
#include "model/supportlist.h"
#include "platform/numbox.h"

#include "program_folder.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <memory>

using namespace vesk;
using namespace vesk::test;

namespace {

// The shipped cable bolts with their first size's curve replaced by
// (0.5, 10), (1, 15), (2, 20) on 60 in: a 14-ft cable with 5 ft of resin,
// 3 roof-bolt sets at 4 ft, 6-in plates, limited to 4 cables per set, in a
// 20-ft entry at 10 tons/ft and 0.75 in of displacement, safety factor 1.5.
class PerfCabTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(folder_.copy({"config.txt", "cable.dat"}));
        SetBuiltInDefaults();
        ASSERT_FALSE(ReadConfig());
        int16_t type = 0;
        for (int16_t t = 7; t <= G.NumTypes; ++t)
            if (IsCableType(t))
                type = t;
        ASSERT_EQ(AppendSupport(type, "Cables"), 1);
        ASSERT_TRUE(LoadModelFile(type));
        G.PerfConv(1, 0) = 3;
        const float pts[][2] = {{0.5f, 10}, {1, 15}, {2, 20}};
        for (int i = 1; i <= 3; ++i)
            std::tie(G.PerfConv(1, i), G.PerfLoad(1, i)) = std::pair(pts[i - 1][0], pts[i - 1][1]);
        CaseRec& c = G.Cases[1];
        c.SizeIdx = 0, c.CabRefLen()[1] = 60, c.Yield[1] = 0, c.Avail[1] = 0;
        c.Par[0] = 14, c.Par[1] = 5, c.Par[6] = 0, c.Par[3] = 30, c.Par[4] = 12;
        c.CabSets = 3, c.CabBoltSpac() = 4, c.CabPlate = 0, c.CabAutoMat = 1, c.CabLimit4 = 1, c.SpacMode = 0;
        G.DesignCrit.CabTpf = 10, G.DesignCrit.CabConv = 0.75f, G.DesignCrit.CabSF = 1.5f, G.DesignCrit.CabFailHt = 5;
        G.EntryWid = 20;
    }
    void TearDown() override
    {
        d_.reset();
        WindowTest::TearDown();
    }

    void open()
    {
        d_ = std::make_unique<PerfCab>();
        d_->show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !text("LbRows").isEmpty(); }));
    }
    template <class W = QWidget>
    W* w(const char* name) const { return d_->findChild<W*>(name); }
    NumBox* box(const char* name) const { return w<NumBox>(name); }
    QString text(const char* name) const { return w<QLabel>(name)->text(); }
    QString texts(std::initializer_list<const char*> names) const { return Texts(d_.get(), names); }
    QStringList warnings() const
    {
        QStringList out;
        for (const QListWidgetItem* item : w<QListWidget>("ListWarn")->findItems("*", Qt::MatchWildcard))
            out << item->text();
        return out;
    }
    QColor listColour() const { return w<QListWidget>("ListWarn")->palette().color(QPalette::Base); }
    void enter(const char* name, const QString& s) const
    {
        box(name)->setText(s);
        box(name)->pressEnter();
    }

    std::unique_ptr<PerfCab> d_;
};

TEST_F(PerfCabTest, ShowsTheDesignBlinksItsWarningAndOkCommitsIt)
{
    open();
    EXPECT_EQ(d_->windowTitle(), "Cable bolts Performance");
    EXPECT_EQ(texts({"TextSpacing", "LbRows", "LbActSpac", "LbActual", "LbConv", "LbWarn", "LbInstall", "LbPlotTons"}),
              "12|12|12.0|10.0|0.900|2.00|1.25|10.0");
    // The axis: 1.5 x 0.9 in, rounded up.
    EXPECT_EQ(texts({"LbNo", "LbXAxMax"}), "No. cables per set (4-4-4)|1.4");
    EXPECT_EQ(warnings(), (QStringList{"Limited to 4 cables per bolt set", "Displacement > design value"}));

    // White and light grey in turn.
    EXPECT_TRUE(w<QTimer>("Timer1")->isActive());
    const QColor grey = listColour();
    ASSERT_TRUE(QTest::qWaitFor([&] { return listColour() == Qt::white; }, 1000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return listColour() == grey; }, 1000));

    w<QPushButton>("ComDone")->click();
    EXPECT_EQ(d_->result(), QDialog::Accepted);
    EXPECT_EQ(G.ChangeCount, 1);
    EXPECT_EQ(G.Cases[1], G.CurCase);
}

TEST_F(PerfCabTest, ClickingIntoTheCablesOrMatBoxSelectsItsOption)
{
    G.DesignCrit.CabConv = 1;
    open();
    // The cables box, disabled while the count is calculated.
    ASSERT_FALSE(box("TextSpacing")->isEnabled());
    QTest::mouseClick(box("TextSpacing"), Qt::LeftButton);
    EXPECT_TRUE(w<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(G.CurCase.SpacMode, 1);
    EXPECT_TRUE(box("TextSpacing")->hasFocus());
    EXPECT_FALSE(w("ChkLimit4")->isEnabled());
    EXPECT_EQ(warnings(), QStringList{"None"}) << "12 typed cables";

    // The mat-length box: Tab into it changes nothing; a key typed there clears "Auto", chooses the mat
    // with the stored 30 ft, and then stands alone in the box.
    box("TxMatLen")->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(w<QCheckBox>("ChkAuto")->isChecked());
    EXPECT_TRUE(w<QRadioButton>("Opt6in")->isChecked());
    EXPECT_EQ(std::make_pair(G.CurCase.CabPlate, G.CurCase.CabAutoMat), std::make_pair(int16_t{0}, int16_t{1}));
    QTest::keyClick(box("TxMatLen"), Qt::Key_2);
    EXPECT_FALSE(w<QCheckBox>("ChkAuto")->isChecked());
    EXPECT_TRUE(w<QRadioButton>("OptMat")->isChecked());
    EXPECT_EQ(std::make_pair(G.CurCase.CabPlate, G.CurCase.CabAutoMat), std::make_pair(int16_t{2}, int16_t{0}));
    EXPECT_EQ(text("LbInstall"), "12.5");
    EXPECT_EQ(box("TxMatLen")->text(), "2");
    QTest::keyClick(box("TxMatLen"), Qt::Key_5);
    EXPECT_EQ(box("TxMatLen")->text(), "25");

    // A click into it does the same.
    open();
    QTest::mouseClick(box("TxMatLen"), Qt::LeftButton);
    EXPECT_FALSE(w<QCheckBox>("ChkAuto")->isChecked());
    EXPECT_TRUE(w<QRadioButton>("OptMat")->isChecked());
    EXPECT_EQ(std::make_pair(G.CurCase.CabPlate, G.CurCase.CabAutoMat), std::make_pair(int16_t{2}, int16_t{0}));
    EXPECT_TRUE(messages().isEmpty()) << messages().join('|').toStdString();
}

TEST_F(PerfCabTest, CalculateEnablesEvenCablesUnlessLimitedTo4)
{
    G.Cases[1].CabLimit4 = 0;
    open();
    const auto click = [this](const char* name) {
        QTest::mouseClick(w(name), Qt::LeftButton, {}, QPoint(8, w(name)->height() / 2));
    };
    EXPECT_FALSE(w("ChkEven")->isEnabled()) << "until Calculate is clicked";
    click("Option1");
    EXPECT_TRUE(w("ChkEven")->isEnabled());
    click("Option2");
    EXPECT_FALSE(w("ChkEven")->isEnabled());
    click("Option1");
    EXPECT_TRUE(w("ChkEven")->isEnabled());
}

TEST_F(PerfCabTest, OkAfterARefusedBoxCommitsNothing)
{
    open();
    const CaseRec stored = G.Cases[1];
    enter("TxHole", "x");
    w<QPushButton>("ComDone")->click();
    EXPECT_EQ(messages(), (QStringList{"Error: Invalid hole length", "Error: Invalid hole length"}));
    EXPECT_TRUE(d_->isVisible());
    EXPECT_EQ(G.Cases[1], stored);
    EXPECT_EQ(G.ChangeCount, 0);

    // No load at the design point: the message, and the results shown stay.
    MsgBoxTest::clear();
    enter("TxHole", "14");
    w<QCheckBox>("ChkLimit4")->click();
    ASSERT_EQ(text("LbRows"), "15");
    enter("TextRows", "10000");
    EXPECT_EQ(messages(), QStringList{QString("Attention: ") + kNoLoadText});
    EXPECT_EQ(text("LbRows"), "15");
    w<QPushButton>("ComDone")->click();
    EXPECT_TRUE(d_->isVisible());
    EXPECT_EQ(G.Cases[1], stored);
}

TEST_F(PerfCabTest, CancelKeepsOnlyTheSafetyFactorReset)
{
    // A design safety factor of 1 becomes 1.25 with its notice; "&Cancel"
    // keeps that and stores nothing of the support.
    G.DesignCrit.CabSF = 1;
    const CaseRec stored = G.Cases[1];
    open();
    EXPECT_EQ(text("LbYield"), "1.25");
    w<QPushButton>("ComCancel")->click();
    EXPECT_FALSE(d_->isVisible());
    EXPECT_EQ(messages(), QStringList{"Attention: Design safety factor reset"});
    EXPECT_FLOAT_EQ(G.DesignCrit.CabSF, 1.25f);
    EXPECT_EQ(G.Cases[1], stored);
    EXPECT_EQ(G.ChangeCount, 0);
}

}  // namespace
