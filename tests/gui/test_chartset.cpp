// The chart settings dialog: the category and parameter taken on "&Ok", the
// colours at once, and the settings brought into range when it opens.
#include "compare/chartset.h"

#include "program_folder.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

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

    void open() { d_ = std::make_unique<ChartSet>(); }
    template <class T>
    T* get(const char* name)
    {
        T* w = d_->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QListWidget* list(const char* name) { return get<QListWidget>(name); }
    QComboBox* combo(const char* name) { return get<QComboBox>(name); }

    std::unique_ptr<ChartSet> d_;
};

}  // namespace

TEST_F(ChartSetDialog, CategoriesListTheirParametersInTheUnitsInForceAndStoredSettingsAreBroughtIntoRange)
{
    open();  // first opening: category 1, parameter 1, made valid at once
    EXPECT_EQ(std::make_tuple(list("ListCat")->currentRow(), list("ListParm")->currentRow(), G.ChartCat, G.ChartParm),
              std::make_tuple(0, 0, 1, 1));
    const int counts[] = {2, 4, 2, 3, 6};
    for (int c = 0; c < 5; ++c) {
        list("ListCat")->setCurrentRow(c);
        EXPECT_EQ(std::make_pair(list("ListParm")->count(), list("ListParm")->currentRow()), std::make_pair(counts[c], 0));
    }
    EXPECT_EQ(list("ListParm")->item(3)->text(), "Work/ft of entry, ft-lb/ft");
    G.MetricUnits = -1;
    open();
    list("ListCat")->setCurrentRow(3);
    EXPECT_EQ(list("ListParm")->item(2)->text(), "Meters of entry/shift");

    // Settings out of range are corrected when it opens.
    G.ChartCat = 9, G.ChartParm = 5;
    G.ChartColor = 15, G.LaborColor = -1, G.TransColor = 99, G.MatColor = 20;
    open();
    EXPECT_EQ(std::make_tuple(G.ChartCat, G.ChartParm, list("ListCat")->currentRow(), list("ListParm")->currentRow()),
              std::make_tuple(1, 1, 0, 0));
    EXPECT_EQ(std::make_tuple(G.ChartColor, G.LaborColor, G.TransColor, G.MatColor), std::make_tuple(12, 12, 10, 9));
    EXPECT_EQ(combo("ComboColor")->currentText(), "lt red");
}

TEST_F(ChartSetDialog, CostCategoryShowsThreeColoursEachStoredAtOnce)
{
    G.ChartCat = 3, G.ChartParm = 2, G.LaborColor = 4;
    open();
    EXPECT_EQ(list("ListParm")->currentRow(), 1);
    EXPECT_EQ(get<QLabel>("LbColor")->text(), "Labor color");
    EXPECT_FALSE(combo("ComboTran")->isHidden());
    EXPECT_EQ(combo("ComboColor")->currentText() + "|" + combo("ComboTran")->currentText(), "red|lt green");
    emit combo("ComboColor")->activated(1);
    emit combo("ComboTran")->activated(2);
    emit combo("ComboMat")->activated(14);
    EXPECT_EQ(std::make_tuple(G.LaborColor, G.TransColor, G.MatColor, G.ChartColor), std::make_tuple(1, 2, 14, 12));

    // Another category: one bar colour, the others hidden.
    list("ListCat")->setCurrentRow(4);
    EXPECT_EQ(get<QLabel>("LbColor")->text(), "Bar color");
    EXPECT_TRUE(combo("ComboTran")->isHidden() && get<QLabel>("LbMat")->isHidden());
    EXPECT_EQ(combo("ComboColor")->currentText(), "lt red");
    emit combo("ComboColor")->activated(0);
    EXPECT_EQ(std::make_tuple(G.ChartColor, G.LaborColor), std::make_tuple(0, 1));
}

TEST_F(ChartSetDialog, OkTakesCategoryAndParameterCancelKeepsOnlyTheColours)
{
    for (const char* button : {"ComCancel", "ComDone"}) {
        G.ChartCat = 1, G.ChartParm = 2, G.ChartColor = 12;
        open();
        list("ListCat")->setCurrentRow(4);
        list("ListParm")->setCurrentRow(5);
        emit combo("ComboColor")->activated(3);
        get<QAbstractButton>(button)->click();
        const bool ok = button == std::string("ComDone");
        EXPECT_EQ(std::make_tuple(G.ChartCat, G.ChartParm, G.ChartColor), std::make_tuple(ok ? 5 : 1, ok ? 6 : 2, 3))
            << button;
    }
}
