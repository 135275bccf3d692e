// The plot settings dialog: every choice stored at once, the axis boxes by
// unit code, and the supports' line types and colours.
#include "compare/plotsetup.h"
#include "shell/boxes.h"

#include "program_folder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace vesk;

namespace {

class PlotSetupDialog : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        G.NumCases = 3;
        for (int i = 1; i <= 3; ++i) {
            G.CaseName[static_cast<std::size_t>(i)] = "Support " + std::to_string(i);
            CaseRec& c = G.Cases[static_cast<std::size_t>(i)];
            c.PlotVis = -1, c.PlotLine = static_cast<int16_t>(i), c.PlotColor = static_cast<int16_t>(i + 3);
        }
        PlotRec& ps = G.PlotSet;
        ps.YType = 1, ps.Show = 2, ps.XAuto = -1, ps.XMax = 3;
        ps.YAuto = {-1, 0, -1, 0};
        ps.YMax = {40, 12.5f, 2, 0};
    }

    template <class T>
    static T* get(QWidget* d, const QString& name)
    {
        T* w = d->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    static QString text(QWidget* d, const char* name) { return get<QLabel>(d, name)->text(); }
    static bool checked(QWidget* d, const char* name) { return get<QAbstractButton>(d, name)->isChecked(); }
    static void click(QWidget* d, const char* name) { get<QAbstractButton>(d, name)->click(); }
    static NumBox* box(QWidget* d, const char* name) { return get<NumBox>(d, name); }
    static void choose(QWidget* d, const char* combo, int index)
    {
        QComboBox* c = get<QComboBox>(d, combo);
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    static void enter(NumBox* b, const QString& typed)
    {
        b->selectAll();
        test::TypeText(b, typed);
        b->pressEnter();
    }
};

}  // namespace

TEST_F(PlotSetupDialog, ShowsTheStoredSettingsAndTheSelectedSupport)
{
    PlotSetup d;
    EXPECT_EQ(d.windowTitle(), "Performance Curve Plot Setup");
    EXPECT_FALSE(checked(&d, "Option1(0)"));
    EXPECT_TRUE(checked(&d, "Option1(1)"));
    EXPECT_EQ(get<QRadioButton>(&d, "Option1(0)")->text(), "Support load, tons");
    EXPECT_EQ(get<QRadioButton>(&d, "Option1(1)")->text(), "Load density, tons/ft");
    EXPECT_FALSE(checked(&d, "ChkYauto"));
    EXPECT_TRUE(checked(&d, "ChkXauto"));
    EXPECT_EQ(box(&d, "TxYmax")->text(), "12.5");
    EXPECT_EQ(text(&d, "Label4"), "tons/ft (maxY)");
    EXPECT_EQ(text(&d, "Label5"), "in (maxX)");
    EXPECT_FALSE(checked(&d, "ChkConv"));
    EXPECT_TRUE(checked(&d, "ChkTpf"));
    EXPECT_EQ(get<QCheckBox>(&d, "ChkConv")->text(), "Show design convergence");
    EXPECT_EQ(get<QCheckBox>(&d, "ChkTpf")->text(), "Show required load density");

    auto* list = get<QListWidget>(&d, "List1");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(get<QComboBox>(&d, "ComboLine")->currentText(), "solid");
    EXPECT_EQ(get<QComboBox>(&d, "ComboColor")->currentText(), "red");
    list->setCurrentRow(2);
    EXPECT_EQ(get<QComboBox>(&d, "ComboLine")->currentText(), "dot");
    EXPECT_EQ(get<QComboBox>(&d, "ComboColor")->currentText(), "brown");
    EXPECT_TRUE(checked(&d, "ChkVisible"));

    // The other captions of the criteria boxes, and metric units.
    G.DesignBasis = 1;
    G.GrcDefined = -1;
    G.DesignCrit.UncontrolledConv = 0.5f;
    G.MetricUnits = -1;
    PlotSetup m;
    EXPECT_EQ(get<QCheckBox>(&m, "ChkConv")->text(), "Show design and security-check convergences");
    EXPECT_EQ(get<QCheckBox>(&m, "ChkTpf")->text(), "Show ground reaction curve");
    EXPECT_EQ(get<QRadioButton>(&m, "Option1(0)")->text(), "Support load, tonnes");
    EXPECT_EQ(text(&m, "Label5"), "cm (maxX)");
}

TEST_F(PlotSetupDialog, ChoicesAreStoredAtOnceAndCancelKeepsThem)
{
    PlotSetup d;
    get<QListWidget>(&d, "List1")->setCurrentRow(1);
    choose(&d, "ComboLine", 5);
    choose(&d, "ComboColor", 14);
    click(&d, "ChkVisible");
    click(&d, "ChkConv");
    click(&d, "ChkTpf");
    click(&d, "Option1(0)");
    EXPECT_EQ(G.Cases[2].PlotLine, 5);
    EXPECT_EQ(G.Cases[2].PlotColor, 14);
    EXPECT_EQ(G.Cases[2].PlotVis, 0);
    EXPECT_EQ(G.Cases[1].PlotLine, 1);  // only the selected support
    EXPECT_EQ(G.PlotSet.Show, 1);
    EXPECT_EQ(G.PlotSet.YType, 0);
    // The load axis's own maximum and auto flag are shown.
    EXPECT_EQ(box(&d, "TxYmax")->text(), "40.0");
    EXPECT_EQ(text(&d, "Label4"), "tons (maxY)");
    EXPECT_TRUE(checked(&d, "ChkYauto"));
    click(&d, "ChkYauto");
    click(&d, "ChkXauto");
    EXPECT_EQ(G.PlotSet.YAuto[0], 0);
    EXPECT_EQ(G.PlotSet.YAuto[1], 0);
    EXPECT_EQ(G.PlotSet.XAuto, 0);
    click(&d, "ComCancel");
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(G.Cases[2].PlotLine, 5);
    EXPECT_EQ(G.PlotSet.YType, 0);
}

TEST_F(PlotSetupDialog, DefaultColoursAndDefaultLineTypesForTenSupports)
{
    G.NumCases = 10;
    PlotSetup d;
    click(&d, "ComDefColor");
    const int colours[] = {0, 12, 10, 9, 13, 11, 4, 2, 1, 5};
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(G.Cases[static_cast<std::size_t>(i)].PlotColor, colours[i - 1]) << i;
        EXPECT_EQ(G.Cases[static_cast<std::size_t>(i)].PlotLine, 0) << i;
    }
    EXPECT_EQ(get<QComboBox>(&d, "ComboLine")->currentText(), "bold (solid)");
    EXPECT_EQ(get<QComboBox>(&d, "ComboColor")->currentText(), "black");

    click(&d, "ComDefLine");
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(G.Cases[static_cast<std::size_t>(i)].PlotLine, (i - 1) % 5 + 1) << i;
        EXPECT_EQ(G.Cases[static_cast<std::size_t>(i)].PlotColor, i <= 5 ? 0 : 8) << i;
    }
}

TEST_F(PlotSetupDialog, TypedMaximaLeaveAutoScaleAndAreStoredByTheirRules)
{
    G.PlotSet.YAuto[1] = -1;
    PlotSetup d;
    // Filling the boxes for another quantity does not count as typing.
    click(&d, "Option1(0)");
    click(&d, "Option1(1)");
    EXPECT_TRUE(checked(&d, "ChkYauto"));
    EXPECT_EQ(G.PlotSet.YAuto[1], -1);

    enter(box(&d, "TxYmax"), "20");
    EXPECT_FALSE(checked(&d, "ChkYauto"));
    EXPECT_EQ(G.PlotSet.YAuto[1], 0);
    EXPECT_EQ(G.PlotSet.YMax[1], 20);
    enter(box(&d, "TxYmax"), "0");  // not above 0: ignored
    EXPECT_EQ(G.PlotSet.YMax[1], 20);

    enter(box(&d, "TxXmax"), "-2");  // stored as typed; the plot makes the axis automatic
    EXPECT_EQ(G.PlotSet.XMax, -2);
    EXPECT_EQ(G.PlotSet.XAuto, 0);

    // Text that is no number keeps the stored maximum, with a message.
    enter(box(&d, "TxXmax"), "4 in");
    enter(box(&d, "TxYmax"), "lots");
    EXPECT_EQ(messages(), QStringList({"Input error: Invalid X-axis maximum", "Input error: Invalid Y-axis maximum"}));
    EXPECT_EQ(G.PlotSet.XMax, -2);
    EXPECT_EQ(G.PlotSet.YMax[1], 20);
    EXPECT_EQ(box(&d, "TxYmax")->text(), "20.0");
}

TEST_F(PlotSetupDialog, MetricMaximaAreConvertedByTheAxisUnit)
{
    G.MetricUnits = -1;
    PlotSetup d;
    enter(box(&d, "TxYmax"), "10");
    EXPECT_FLOAT_EQ(G.PlotSet.YMax[1], 10 / 2.9763f);
    enter(box(&d, "TxXmax"), "5");
    EXPECT_FLOAT_EQ(G.PlotSet.XMax, 5 / 2.54f);
}

TEST_F(PlotSetupDialog, StoredIntensityAxisChecksNoOptionAndUsesItsOwnUnit)
{
    G.MetricUnits = -1;
    G.PlotSet.YType = 2;
    PlotSetup d;
    EXPECT_FALSE(checked(&d, "Option1(0)"));
    EXPECT_FALSE(checked(&d, "Option1(1)"));
    EXPECT_EQ(text(&d, "Label4"), "tonnes/m\u00B2 (maxY)");
    EXPECT_EQ(box(&d, "TxYmax")->text(), "19.5");  // 2 tons/ft²
    EXPECT_TRUE(checked(&d, "ChkYauto"));
    enter(box(&d, "TxYmax"), "30");
    EXPECT_FLOAT_EQ(G.PlotSet.YMax[2], 30 / 9.7649f);
    EXPECT_EQ(G.PlotSet.YAuto[2], 0);
    EXPECT_EQ(G.PlotSet.YMax[1], 12.5f);
    EXPECT_EQ(G.PlotSet.YType, 2);

    // Any other stored quantity is the support load.
    G.PlotSet.YType = -3;
    PlotSetup other;
    EXPECT_TRUE(checked(&other, "Option1(0)"));
    EXPECT_EQ(G.PlotSet.YType, 0);
}

TEST_F(PlotSetupDialog, HelpOpensThePlotSettingsTopic)
{
    QDir(folder_.path()).mkpath("help/instr");
    ASSERT_TRUE(folder_.write("help/instr/299.html", "<html><head><title>Plot settings</title></head></html>"));
    PlotSetup d;
    click(&d, "ComHelp");
    ASSERT_NE(CurrentHelpWindow(), nullptr);
    EXPECT_TRUE(CurrentHelpWindow()->currentFile().endsWith("299.html"));
}
