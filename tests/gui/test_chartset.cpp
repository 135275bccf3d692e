// The chart settings dialog: the category and parameter taken on "&Ok", the
// colours at once, and the settings brought into range when it opens.
#include "compare/chartset.h"
#include "model/compare/chartdata.h"

#include "program_folder.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace vesk;

namespace {

class ChartSetDialog : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        G.ChartColor = G.LaborColor = 12;
        G.TransColor = 10;
        G.MatColor = 9;
    }

    template <class T>
    static T* get(QWidget* d, const char* name)
    {
        T* w = d->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QStringList items(QListWidget* l)
    {
        QStringList out;
        for (int i = 0; i < l->count(); ++i)
            out << l->item(i)->text();
        return out;
    }
    static void choose(QWidget* d, const char* combo, int index)
    {
        QComboBox* c = get<QComboBox>(d, combo);
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    static void click(QWidget* d, const char* name) { get<QPushButton>(d, name)->click(); }
};

}  // namespace

TEST_F(ChartSetDialog, CategoriesListTheirParametersInTheUnitsInForce)
{
    ChartSet d;
    EXPECT_EQ(d.windowTitle(), "Chart Setup");
    auto* cat = get<QListWidget>(&d, "ListCat");
    auto* parm = get<QListWidget>(&d, "ListParm");
    EXPECT_EQ(items(cat), QStringList({"Support Layout", "Ground Control", "Support Costs", "Installation",
                                       "Material Handling"}));
    // First opening: category 1, parameter 1, made valid at once.
    EXPECT_EQ(cat->currentRow(), 0);
    EXPECT_EQ(parm->currentRow(), 0);
    EXPECT_EQ(G.ChartCat, 1);
    EXPECT_EQ(G.ChartParm, 1);

    const int counts[] = {2, 4, 2, 3, 6};
    for (int c = 0; c < 5; ++c) {
        cat->setCurrentRow(c);
        EXPECT_EQ(parm->count(), counts[c]) << c;
        EXPECT_EQ(parm->currentRow(), 0);
    }
    EXPECT_EQ(items(parm).at(3), "Work/ft of entry, ft-lb/ft");
    cat->setCurrentRow(3);
    EXPECT_EQ(items(parm).at(2), "Feet of entry/shift");
    cat->setCurrentRow(0);
    EXPECT_EQ(items(parm), QStringList({"Spacing, in", "Roof coverage, %"}));

    G.MetricUnits = -1;
    ChartSet m;
    get<QListWidget>(&m, "ListCat")->setCurrentRow(3);
    EXPECT_EQ(items(get<QListWidget>(&m, "ListParm")).at(2), "Meters of entry/shift");
    get<QListWidget>(&m, "ListCat")->setCurrentRow(2);
    EXPECT_EQ(items(get<QListWidget>(&m, "ListParm")).at(1), "Normalized cost, $/m of entry");
}

TEST_F(ChartSetDialog, CostCategoryShowsThreeColoursEachStoredAtOnce)
{
    G.ChartCat = 3;
    G.ChartParm = 2;
    G.LaborColor = 4;
    ChartSet d;
    EXPECT_EQ(get<QListWidget>(&d, "ListParm")->currentRow(), 1);
    EXPECT_EQ(get<QLabel>(&d, "LbColor")->text(), "Labor color");
    EXPECT_FALSE(get<QComboBox>(&d, "ComboTran")->isHidden());
    EXPECT_EQ(get<QComboBox>(&d, "ComboColor")->currentText(), "red");
    EXPECT_EQ(get<QComboBox>(&d, "ComboTran")->currentText(), "lt green");
    EXPECT_EQ(get<QComboBox>(&d, "ComboMat")->count(), 15);
    choose(&d, "ComboColor", 1);
    choose(&d, "ComboTran", 2);
    choose(&d, "ComboMat", 14);
    EXPECT_EQ(G.LaborColor, 1);
    EXPECT_EQ(G.TransColor, 2);
    EXPECT_EQ(G.MatColor, 14);
    EXPECT_EQ(G.ChartColor, 12);

    // Another category: one bar colour, the others hidden.
    get<QListWidget>(&d, "ListCat")->setCurrentRow(4);
    EXPECT_EQ(get<QLabel>(&d, "LbColor")->text(), "Bar color");
    EXPECT_TRUE(get<QComboBox>(&d, "ComboTran")->isHidden());
    EXPECT_TRUE(get<QLabel>(&d, "LbMat")->isHidden());
    EXPECT_EQ(get<QComboBox>(&d, "ComboColor")->currentText(), "lt red");
    choose(&d, "ComboColor", 0);
    EXPECT_EQ(G.ChartColor, 0);
    EXPECT_EQ(G.LaborColor, 1);
}

TEST_F(ChartSetDialog, OkTakesCategoryAndParameterCancelKeepsOnlyTheColours)
{
    for (const char* button : {"ComCancel", "ComDone"}) {
        G.ChartCat = 1;
        G.ChartParm = 2;
        G.ChartColor = 12;
        ChartSet d;
        get<QListWidget>(&d, "ListCat")->setCurrentRow(4);
        get<QListWidget>(&d, "ListParm")->setCurrentRow(5);
        choose(&d, "ComboColor", 3);
        click(&d, button);
        const bool ok = button == std::string("ComDone");
        EXPECT_EQ(G.ChartCat, ok ? 5 : 1) << button;
        EXPECT_EQ(G.ChartParm, ok ? 6 : 2) << button;
        EXPECT_EQ(G.ChartColor, 3) << button;
    }
}

TEST_F(ChartSetDialog, SettingsOutOfRangeAreCorrectedWhenItOpens)
{
    G.ChartCat = 2;
    G.ChartParm = 5;  // ground control has 4
    G.ChartColor = 15;
    G.LaborColor = -1;
    G.TransColor = 99;
    G.MatColor = 20;
    {
        ChartSet d;
        EXPECT_EQ(G.ChartParm, 1);
        EXPECT_EQ(get<QListWidget>(&d, "ListParm")->currentRow(), 0);
        EXPECT_EQ(G.ChartColor, 12);
        EXPECT_EQ(G.LaborColor, 12);
        EXPECT_EQ(G.TransColor, 10);
        EXPECT_EQ(G.MatColor, 9);
        EXPECT_EQ(get<QComboBox>(&d, "ComboColor")->currentText(), "lt red");
    }
    G.ChartCat = 9;
    ChartSet d;
    EXPECT_EQ(G.ChartCat, 1);
    EXPECT_EQ(get<QListWidget>(&d, "ListCat")->currentRow(), 0);
}

TEST_F(ChartSetDialog, HelpOpensTheChartSettingsTopic)
{
    QDir(folder_.path()).mkpath("help/instr");
    ASSERT_TRUE(folder_.write("help/instr/263.html", "<html><head><title>Chart settings</title></head></html>"));
    ChartSet d;
    click(&d, "ComHelp");
    ASSERT_NE(CurrentHelpWindow(), nullptr);
    EXPECT_TRUE(CurrentHelpWindow()->currentFile().endsWith("263.html"));
}
