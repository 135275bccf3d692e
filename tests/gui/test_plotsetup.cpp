// The plot settings dialog: every choice stored at once, the axis boxes by
// unit code, and the supports' line types and colours.
#include "compare/plotsetup.h"
#include "ui/boxes.h"

#include "program_folder.h"

#include <QComboBox>
#include <QListWidget>

using namespace vesk;

namespace {

class PlotSetupDialog : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        G.NumCases = 3;
        for (std::size_t i = 1; i <= 3; ++i) {
            G.CaseName[i] = "Support " + std::to_string(i);
            G.Cases[i].PlotVis = -1, G.Cases[i].PlotLine = int16_t(i), G.Cases[i].PlotColor = int16_t(i + 3);
        }
        G.PlotSet = {1, 2, -1, 3, {-1, 0, -1, 0}, {40, 12.5f, 2, 0}};
    }

    void open() { d_ = std::make_unique<PlotSetup>(); }
    template <class T = QAbstractButton>
    T* get(const QString& name)
    {
        T* w = d_->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    // The texts of the named controls (a list's current item), joined by "|".
    QString shown(const QString& names)
    {
        QStringList out;
        for (const QString& n : names.split(' ')) {
            QWidget* w = get<QWidget>(n);
            out << w->property(qobject_cast<QComboBox*>(w) ? "currentText" : "text").toString();
        }
        return out.join('|');
    }
    // The names of the ticked options and boxes.
    QString ticked()
    {
        QStringList on;
        for (const char* n : {"Option1(0)", "Option1(1)", "ChkYauto", "ChkXauto", "ChkConv", "ChkTpf", "ChkVisible"})
            if (get(n)->isChecked())
                on << n;
        return on.join(' ');
    }
    void enter(const char* name, const QString& typed)
    {
        auto* box = get<NumBox>(name);
        box->selectAll();
        test::TypeText(box, typed);
        box->pressEnter();
    }

    std::unique_ptr<PlotSetup> d_;
};

}  // namespace

TEST_F(PlotSetupDialog, ShowsTheStoredSettingsAndStoresEachChoiceAtOnce)
{
    open();
    EXPECT_EQ(ticked(), "Option1(1) ChkXauto ChkTpf ChkVisible");
    EXPECT_EQ(shown("TxYmax Label4 Label5"), "12.5|tons/ft (maxY)|in (maxX)");
    EXPECT_EQ(shown("ChkConv ChkTpf"), "Show design convergence|Show required load density");
    EXPECT_EQ(shown("ComboLine ComboColor"), "solid|red");
    get<QListWidget>("List1")->setCurrentRow(2);
    EXPECT_EQ(shown("ComboLine ComboColor"), "dot|brown");

    // Every choice is stored at once, for the selected support only, and "&Cancel" keeps them.
    get<QListWidget>("List1")->setCurrentRow(1);
    emit get<QComboBox>("ComboLine")->activated(5);
    emit get<QComboBox>("ComboColor")->activated(14);
    for (const char* name : {"ChkVisible", "ChkConv", "ChkTpf", "Option1(0)"})
        get(name)->click();
    const CaseRec& c = G.Cases[2];
    EXPECT_EQ(std::make_tuple(c.PlotLine, c.PlotColor, c.PlotVis, G.Cases[1].PlotLine), std::make_tuple(5, 14, 0, 1));
    EXPECT_EQ(std::make_tuple(G.PlotSet.Show, G.PlotSet.YType), std::make_tuple(1, 0));
    // The load axis's own maximum and auto scale are shown.
    EXPECT_EQ(shown("TxYmax Label4"), "40.0|tons (maxY)");
    EXPECT_EQ(ticked(), "Option1(0) ChkYauto ChkXauto ChkConv");
    get("ChkYauto")->click();
    get("ChkXauto")->click();
    EXPECT_EQ(std::make_tuple(G.PlotSet.YAuto[0], G.PlotSet.XAuto), std::make_tuple(0, 0));
    get("ComCancel")->click();
    EXPECT_EQ(std::make_tuple(c.PlotLine, G.PlotSet.Show), std::make_tuple(5, 1));
}

TEST_F(PlotSetupDialog, DefaultColoursAndDefaultLineTypesForTenSupports)
{
    G.NumCases = 10;
    open();
    const auto lines = [] {
        QStringList out;
        for (std::size_t i = 1; i <= 10; ++i)
            out << QString("%1/%2").arg(G.Cases[i].PlotLine).arg(G.Cases[i].PlotColor);
        return out.join(' ');
    };
    get("ComDefColor")->click();
    EXPECT_EQ(lines(), "0/0 0/12 0/10 0/9 0/13 0/11 0/4 0/2 0/1 0/5");
    EXPECT_EQ(shown("ComboLine ComboColor"), "bold (solid)|black");
    get("ComDefLine")->click();
    EXPECT_EQ(lines(), "1/0 2/0 3/0 4/0 5/0 1/8 2/8 3/8 4/8 5/8");
}

TEST_F(PlotSetupDialog, TypedMaximaLeaveAutoScaleAndAreStoredByTheirRules)
{
    G.PlotSet.YAuto[1] = -1;
    open();
    get("Option1(0)")->click();  // filling the boxes for another quantity is no typing
    get("Option1(1)")->click();
    EXPECT_EQ(G.PlotSet.YAuto[1], -1);
    enter("TxYmax", "20");
    EXPECT_FALSE(get("ChkYauto")->isChecked());
    EXPECT_EQ(std::make_tuple(G.PlotSet.YAuto[1], G.PlotSet.YMax[1]), std::make_tuple(0, 20.f));
    enter("TxYmax", "0");  // not above 0: ignored
    EXPECT_EQ(G.PlotSet.YMax[1], 20);
    enter("TxXmax", "-2");  // stored as typed; the plot makes the axis automatic
    EXPECT_EQ(std::make_tuple(G.PlotSet.XMax, G.PlotSet.XAuto), std::make_tuple(-2.f, 0));

    // Text that is no number keeps the stored maximum, with a message.
    enter("TxXmax", "4 in");
    enter("TxYmax", "lots");
    EXPECT_EQ(messages(), QStringList({"Input error: Invalid X-axis maximum", "Input error: Invalid Y-axis maximum"}));
    EXPECT_EQ(std::make_tuple(G.PlotSet.XMax, G.PlotSet.YMax[1]), std::make_tuple(-2.f, 20.f));
    EXPECT_EQ(shown("TxYmax"), "20.0");
}

TEST_F(PlotSetupDialog, MetricMaximaAreConvertedByTheirAxisUnitAndAStoredIntensityChecksNoOption)
{
    G.MetricUnits = -1;
    G.DesignBasis = 1;
    G.GrcDefined = -1;
    G.DesignCrit.UncontrolledConv = 0.5f;
    open();
    EXPECT_EQ(shown("ChkConv ChkTpf Option1(0) Label5"),
              "Show design and security-check convergences|Show ground reaction curve|Support load, tonnes|cm (maxX)");
    enter("TxXmax", "5");
    EXPECT_FLOAT_EQ(G.PlotSet.XMax, 5 / 2.54f);
    enter("TxYmax", "10");
    EXPECT_FLOAT_EQ(G.PlotSet.YMax[1], 10 / 2.9763f);

    G.PlotSet.YType = 2;
    open();
    EXPECT_EQ(ticked(), "ChkYauto ChkTpf ChkVisible");
    EXPECT_EQ(shown("Label4 TxYmax"), "tonnes/m\u00B2 (maxY)|19.5");  // 2 tons/ft²
    enter("TxYmax", "30");
    EXPECT_FLOAT_EQ(G.PlotSet.YMax[2], 30 / 9.7649f);
    EXPECT_EQ(std::make_tuple(G.PlotSet.YAuto[2], G.PlotSet.YType), std::make_tuple(0, 2));

    G.PlotSet.YType = -3;  // any other stored quantity is the support load
    open();
    EXPECT_TRUE(get("Option1(0)")->isChecked());
    EXPECT_EQ(G.PlotSet.YType, 0);
}
