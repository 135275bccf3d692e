// The wood species picker.
#include "supports/woodform.h"
#include "files/datafiles.h"

#include "program_folder.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

using namespace vesk;

namespace {

// Two crib species and three post species, each value telling its place.
constexpr const char* kWoods =
    "2\r\nOak\r\n1000, 1200\r\nPine\r\n500, 400\r\n"
    "3\r\nBirch\r\n701, 1011, 3001, 1201\r\nElm\r\n702, 1012, 3002, 1202\r\nAsh\r\n703, 1013, 3003, 1203\r\n";

class WoodFormTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_EQ(ReadWoodDataFrom(kWoods), 0);
        G.WoodTable = -1;
    }
    void open()
    {
        d_ = std::make_unique<WoodForm>();
        d_->show();
        QTest::qWait(1);
    }
    QTreeWidget* list() const { return d_->findChild<QTreeWidget*>("ListView1"); }
    // The selected row, 1-based; 0 for none.
    int selected() const
    {
        const auto s = list()->selectedItems();
        return s.isEmpty() ? 0 : list()->indexOfTopLevelItem(s.first()) + 1;
    }
    // Row i (0: the headings) as "a|b|c".
    QString row(int i) const
    {
        const QTreeWidgetItem* item = i == 0 ? list()->headerItem() : list()->topLevelItem(i - 1);
        return item->text(0) + "|" + item->text(1) + "|" + item->text(2);
    }
    void click(const char* name) { d_->findChild<QAbstractButton*>(name)->click(); }
    void mouseClick(int i)
    {
        const QPoint at = list()->visualItemRect(list()->topLevelItem(i - 1)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
    }

    std::unique_ptr<WoodForm> d_;
};

}  // namespace

TEST_F(WoodFormTest, PreselectsTheSpeciesChosenBeforeAndNoneAfterACancel)
{
    G.WoodSel = 2;
    open();
    EXPECT_TRUE(d_->findChild<QRadioButton*>("OptDry")->isChecked());
    EXPECT_EQ(selected(), 2);
    mouseClick(3);
    click("ComOK");
    EXPECT_EQ(d_->result(), QDialog::Accepted);
    EXPECT_EQ(G.WoodSel, 3);

    open();
    EXPECT_EQ(selected(), 3);
    click("ComCan");
    EXPECT_EQ(d_->result(), QDialog::Rejected);
    EXPECT_EQ(G.WoodSel, -1);

    // Nothing selected: Ok asks for a row and the picker stays open.
    open();
    EXPECT_EQ(selected(), 0);
    click("ComOK");
    EXPECT_EQ(messages(), QStringList("Error: Select item, then press Ok"));
    EXPECT_TRUE(d_->isVisible());
    EXPECT_EQ(G.WoodSel, -1);
}

TEST_F(WoodFormTest, CloseBoxAndEscapeCancelAfterARowWasClicked)
{
    G.WoodSel = 1;
    open();
    mouseClick(2);
    EXPECT_EQ(G.WoodSel, 2);  // a click already takes the row
    d_->close();
    EXPECT_EQ(G.WoodSel, -1);

    G.WoodSel = 1;
    open();
    mouseClick(3);
    QTest::keyClick(d_.get(), Qt::Key_Escape);
    EXPECT_FALSE(d_->isVisible());
    EXPECT_EQ(G.WoodSel, -1);
}

TEST_F(WoodFormTest, DryAndWetColumnsAndTheCribTable)
{
    G.WoodSel = 3;
    G.MetricUnits = -1;
    open();
    EXPECT_EQ(G.WoodWet, 0);
    EXPECT_EQ(row(0), "Species|Strength, Mpa|Elasticity, Gpa");
    EXPECT_EQ(row(1), "Birch|20.70|8.28");  // 3001 psi, 1201 ksi
    d_->findChild<QRadioButton*>("OptWet")->click();
    EXPECT_EQ(G.WoodWet, -1);
    EXPECT_EQ(row(3), "Ash|4.85|6.99");  // 703 psi, 1013 ksi
    EXPECT_EQ(selected(), 3);
    click("ComCan");
    EXPECT_EQ(G.WoodWet, -1);  // the switch holds even when cancelled

    // The next opening is on dry wood again, in English units.
    G.MetricUnits = 0;
    open();
    EXPECT_EQ(G.WoodWet, 0);
    EXPECT_EQ(row(2), "Elm|3002|1202");

    // The crib and cap table: no moisture options, WoodWet left alone.
    G.WoodTable = 0;
    G.WoodWet = -1;
    G.WoodSel = 3;  // beyond the two crib species
    open();
    EXPECT_FALSE(d_->findChild<QRadioButton*>("OptDry")->isVisible());
    EXPECT_FALSE(d_->findChild<QRadioButton*>("OptWet")->isVisible());
    EXPECT_EQ(row(0), "Species|Strength, psi|Hardness, lb");
    EXPECT_EQ(list()->topLevelItemCount(), 2);
    EXPECT_EQ(row(2), "Pine|500|400");
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(G.WoodWet, -1);
}
