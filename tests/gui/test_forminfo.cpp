// The information center: its category lists, the hand-back of type and name in add mode, browse
// mode, the windows it opens and its reading of config.txt.
#include "shell/forminfo.h"
#include "files/datafiles.h"

#include "program_folder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace vesk;

namespace {

class FormInfoTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(folder_.copy(test::ShippedDataFiles()));
        ASSERT_FALSE(ReadConfig());
    }
    void TearDown() override
    {
        FormInfo::resetInfoWindows();
        WindowTest::TearDown();
    }
    // Test windows in place of the figure viewer and the loading display.
    void plugWindows()
    {
        FormInfo::setFigureViewer(
            [this](QWidget*, const QString& caption) { opened_ << QStringLiteral("%1 %2").arg(G.InfoType).arg(caption); });
        FormInfo::setLoadingDisplay([this](QWidget*) { opened_ << QStringLiteral("%1 loading").arg(G.InfoType); });
    }
    void open(int addMode)
    {
        G.AddMode = static_cast<int16_t>(addMode);
        d_ = std::make_unique<FormInfo>();
        d_->show();
        d_->activate();
    }
    QComboBox* combo(int i) const { return d_->findChild<QComboBox*>(QStringLiteral("Combo1(%1)").arg(i)); }
    void pick(int type)
    {
        for (int i = 0; i < FormInfo::kCategories; ++i)
            if (const int at = combo(i)->findData(type); at >= 0) {
                combo(i)->setCurrentIndex(at);
                emit combo(i)->activated(at);
            }
    }
    QPushButton* button(const char* name) const { return d_->findChild<QPushButton*>(name); }
    QLineEdit* name() const { return d_->findChild<QLineEdit*>("Text1"); }
    QString selected() const { return d_->findChild<QLabel*>("LabSel")->text(); }

    std::unique_ptr<FormInfo> d_;
    QStringList opened_;
};

}  // namespace

TEST_F(FormInfoTest, CategoryListsInTheirOrderAndTheFirstTypeSelected)
{
    open(-1);
    // From top to bottom, each list under its label, its types in code order.
    const int order[] = {0, 2, 1, 3, 4, 5, 6};
    const char* labels[] = {"Conventional Wood Supports", "Engineered Timber Supports", "Conventional Concrete Cribs",
                            "Yieldable Concrete Supports", "Steel Supports", "Additional Supports", "Intrinsic Supports"};
    const char* types[] = {"1 2", "7", "3 4 5 6", "8", "", "", "9"};
    int lastY = -1;
    for (int k = 0; k < 7; ++k) {
        QComboBox* c = combo(order[k]);
        auto* l = d_->findChild<QLabel*>(QStringLiteral("LbCat(%1)").arg(order[k]));
        EXPECT_EQ(l->text(), labels[k]);
        EXPECT_TRUE(lastY < l->y() && l->y() < c->y()) << labels[k];
        lastY = c->y();
        QStringList codes;
        for (int i = 0; i < c->count(); ++i)
            codes << QString::number(c->itemData(i).toInt());
        EXPECT_EQ(codes.join(' '), types[k]);
    }
    EXPECT_EQ(G.InfoType, 1);
    EXPECT_EQ(selected(), "Wood cribs");
    EXPECT_EQ(name()->text(), "Wood cribs");

    // Opening a list's drop-down, or moving the focus into a list, selects its entry, replacing the
    // name typed.
    name()->setText("typed");
    combo(2)->showPopup();
    combo(2)->hidePopup();
    EXPECT_EQ(G.InfoType, 7);
    EXPECT_EQ(name()->text(), "Engineered timber crib");
    d_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d_.get()));
    combo(3)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(selected(), "Yieldable concrete column");
}

TEST_F(FormInfoTest, AddModeHandsBackTypeAndName)
{
    open(-1);
    pick(8);
    EXPECT_EQ(name()->maxLength(), 64);  // the support name's field in the files
    name()->setText("Column row");
    button("ComDone")->click();
    EXPECT_EQ(G.NewType, 8);
    EXPECT_EQ(G.NewName, "Column row");

    // "Default &Name" puts the type's name back, selected for typing over also when the box has the
    // focus already (by its key); an empty name stands for it.
    open(-1);
    pick(4);
    d_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d_.get()));
    name()->setFocus();
    name()->setText("mine");
    QTest::keyClick(name(), Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return name()->selectedText() == "4-point concrete crib"; }, 1000));
    name()->clear();
    button("ComDone")->click();
    EXPECT_EQ(G.NewName, "4-point concrete crib");

    for (bool byTitleBar : {false, true}) {
        open(-1);
        pick(4);
        byTitleBar ? void(d_->close()) : button("ComMenu")->click();
        EXPECT_EQ(G.NewType, -1);
    }

    open(-1);
    G.InfoType = 0;
    button("ComDone")->click();
    EXPECT_EQ(messages(), QStringList("Attention: Select a support first, then press OK"));
    EXPECT_TRUE(d_->isVisible());
}

TEST_F(FormInfoTest, BrowseModeHasOneClosingButtonInPlaceOfCancel)
{
    open(0);
    EXPECT_TRUE(name()->isHidden());
    EXPECT_TRUE(button("ComMenu")->isHidden());
    for (bool byTitleBar : {false, true}) {
        G.NextStep = 1;
        byTitleBar ? void(d_->close()) : button("ComDone")->click();
        EXPECT_EQ(G.NextStep, 0);
        open(0);
    }
}

TEST_F(FormInfoTest, WindowsOpenedFromHereAndTheNameReplacedAfterwards)
{
    plugWindows();
    open(-1);
    EXPECT_FALSE(button("ComFail")->isEnabled()) << "wood cribs have no loading models";
    pick(7);
    for (const char* b : {"ComFail", "ComDes", "ComLab"}) {
        name()->setText("typed");
        button(b)->click();
        EXPECT_EQ(name()->text(), "Engineered timber crib") << b;
    }
    EXPECT_EQ(opened_, QStringList({"7 loading", "7 Design Information: Engineered timber crib",
                                    "0 QUORL Testing Laboratory"}));
    EXPECT_EQ(G.InfoType, 7);
    EXPECT_EQ(selected(), "Engineered timber crib");
}

// Without config.txt the buttons that need it stay off; picking still works. A file ending inside
// entry 8's loading model gave it the model count, not the model: "&Performance" stays off for it
// and comes on for an entry read whole.
TEST_F(FormInfoTest, ConfigErrorsLeavePerformanceOnlyForEntriesReadWhole)
{
    plugWindows();
    const QByteArray whole = folder_.read("config.txt");
    QFile::remove(folder_.file("config.txt"));
    open(-1);
    pick(9);
    EXPECT_FALSE(button("ComDes")->isEnabled() || button("ComFail")->isEnabled() || button("ComLab")->isEnabled());
    button("ComDone")->click();
    EXPECT_EQ(G.NewType, 9);

    ASSERT_TRUE(folder_.write("config.txt", whole.left(whole.indexOf("\nyieldcol.dat\r\n") + 15)));
    open(0);
    EXPECT_EQ(messages(), QStringList(2, "Error: Error reading config.txt"));
    EXPECT_EQ(G.InfoTable(8, 4), 2);
    pick(8);
    EXPECT_FALSE(button("ComFail")->isEnabled());
    pick(7);
    EXPECT_TRUE(button("ComFail")->isEnabled());
    EXPECT_FALSE(button("ComDes")->isEnabled());
}

// Every shipped name shows whole in the name box, and "Default Name" has room in its button.
TEST_F(FormInfoTest, EveryShippedNameShowsWholeInTheNameBox)
{
    open(-1);
    for (int t = 1; t <= G.NumTypes; ++t) {
        name()->setText(QString::fromStdString(G.SupTypeName[static_cast<std::size_t>(t)]));
        (void)name()->grab();  // lays the text out as shown
        EXPECT_EQ(name()->cursorPositionAt(name()->contentsRect().topLeft() + QPoint(4, 4)), 0) << t;
    }
    const QFontMetrics fm = button("ComDefault")->fontMetrics();
    EXPECT_GE(button("ComDefault")->width(), fm.horizontalAdvance("Default Name") + 2 * fm.averageCharWidth());
}
