// The header and footer dialog.
#include "supports/headfoot.h"
#include "files/defaults.h"
#include "platform/numbox.h"

#include "program_folder.h"

#include <QLabel>
#include <QPushButton>

using namespace vesk;

namespace {

// Support 1 of the given type, with element k of each array holding values
// that tell the element: roof area 100 k, floor area 100 k + 1, width
// 10 k + 0.123, length 20 k + 0.456; its defaults one more in each.
class HeadFootTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        SetBuiltInDefaults();  // roof and floor bearing 1000 psi
    }
    static void make(int16_t type, int16_t sizeIdx)
    {
        G.NumCases = 1;
        G.CurCaseNo = 1;
        G.CaseType[1] = type;
        CaseRec& c = G.CurCase;
        c.SizeIdx = sizeIdx;
        for (std::size_t k = 0; k < c.RoofArea.size(); ++k) {
            const auto f = static_cast<float>(k);
            c.RoofArea[k] = 100 * f;
            c.FloorArea[k] = 100 * f + 1;
            c.PlanWid[k] = 10 * f + 0.123f;
            c.PlanLen[k] = 20 * f + 0.456f;
        }
        G.DefCases[1] = c;
        for (SizeF* a : {&G.DefCases[1].RoofArea, &G.DefCases[1].FloorArea, &G.DefCases[1].PlanWid,
                         &G.DefCases[1].PlanLen})
            for (float& x : *a)
                x += 1;
        G.Cases[1] = c;
    }
    void open()
    {
        d_ = std::make_unique<HeadFoot>();
        d_->show();
        QTest::qWait(1);
    }
    NumBox* box(const char* name) const { return d_->findChild<NumBox*>(name); }
    QString label(const char* name) const { return d_->findChild<QLabel*>(name)->text(); }
    void click(const char* name) { d_->findChild<QPushButton*>(name)->click(); }

    std::unique_ptr<HeadFoot> d_;
};

}  // namespace

TEST_F(HeadFootTest, FileDefinedTypeEditsTheElementOfItsSize)
{
    make(9, 2);
    open();
    EXPECT_EQ(d_->areaSlot(), 3);
    EXPECT_EQ(box("TxRoof")->text(), "300");
    EXPECT_EQ(box("TxLength")->text(), "60.5");
    EXPECT_EQ(label("LbFloor"), "302");
    EXPECT_EQ(label("LbWidth"), "31.1");
    box("TxRoof")->setText("250");
    box("TxWidth")->setText("12");
    click("ComDone");
    CaseRec want = G.Cases[1];
    want.RoofArea[3] = 250;
    want.PlanWid[3] = 12;
    EXPECT_TRUE(G.CurCase == want);

    // A built-in type edits element 1 whatever its size index.
    make(2, 2);
    open();
    EXPECT_EQ(d_->areaSlot(), 1);
    EXPECT_EQ(box("TxFloor")->text(), "101");
}

TEST_F(HeadFootTest, RequiredAreasOfThePeakLoad)
{
    make(2, 0);
    G.PeakLoad = 0;  // no calculation yet: 100 tons
    open();
    EXPECT_EQ(G.PeakLoad, 100.0f);
    EXPECT_EQ(label("LbReqR"), "200");  // 100 x 2000 / 1000 psi
    EXPECT_EQ(label("LbReqF"), "200");

    G.PeakLoad = 30;
    G.DesignCrit.RoofBearing = 0;
    G.DesignCrit.FloorBearing = 500;
    G.MetricUnits = -1;
    open();
    EXPECT_EQ(label("LbReqR"), "");
    EXPECT_EQ(label("LbReqF"), "774");  // 120 in² in cm²
    EXPECT_EQ(label("Label2"), "Roof, cm\u00B2");
}

TEST_F(HeadFootTest, DefaultsThenCancelAndAMetricOkChangeNothing)
{
    make(2, 0);
    const CaseRec before = G.CurCase;
    open();
    click("ComDefArea");
    click("ComDefDim");
    EXPECT_EQ(box("TxRoof")->text(), "101");
    EXPECT_EQ(box("TxLength")->text(), "21.5");
    click("ComCancel");
    EXPECT_TRUE(G.CurCase == before);

    // Metric boxes show rounded values; Ok stores what was there.
    G.MetricUnits = -1;
    open();
    EXPECT_EQ(box("TxWidth")->text(), "25.7");  // 10.123 in
    click("ComDone");
    EXPECT_EQ(d_->result(), QDialog::Accepted);
    EXPECT_TRUE(G.CurCase == before);

}

TEST_F(HeadFootTest, AnInvalidBoxStoresNothing)
{
    make(2, 0);
    const CaseRec before = G.CurCase;
    for (const char* bad : {"", "abc", "0", "-2"}) {
        for (const char* name : {"TxFloor", "TxLength"}) {
            open();
            box("TxRoof")->setText("55");
            box(name)->setText(bad);
            click("ComDone");
            EXPECT_TRUE(d_->isVisible()) << name << " " << bad;
            EXPECT_TRUE(G.CurCase == before) << name << " " << bad;
            EXPECT_EQ(messages(), QStringList("Input errors: All values must be > 0.")) << name << " " << bad;
            MsgBoxTest::clear();
        }
    }
}
