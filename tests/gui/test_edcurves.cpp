// The curve library window: cancel putting back the library it opened with, the curve file written back byte
// for byte through both windows, and the add, duplicate, delete, rename and edit commands.
#include "criteria/edcurves.h"
#include "files/curvefile.h"
#include "model/criteria/curvelib.h"
#include "platform/numbox.h"
#include "program_folder.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace vesk;
using namespace vesk::test;

namespace {

using Points = std::vector<std::pair<float, float>>;  // convergence in, support load tons

class EdCurvesTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        freshLibrary();
    }
    static void freshLibrary()
    {
        G.MaxCurves = 50;
        G.GRCurves.assign(51, CurveRec{});
        G.NumCurves = 0;
        G.NextCurveId = 1;
        G.EntryWid = 20;
        G.EntryHt = 96;
    }
    // A curve of points at 60 in spacing in a 20-ft entry, its end slots filled.
    static CurveRec Curve(const std::string& name, int16_t id, const Points& pts)
    {
        CurveRec c;
        c.Name = CurveName(name);
        c.Id = id;
        c.NumPts = static_cast<int16_t>(pts.size());
        for (int k = 1; k <= c.NumPts; ++k)
            SetPoint(c, k, {pts[k - 1].first, 60, pts[k - 1].second, 20, 96, 1});
        c.Conv[0] = 0.25f, c.Intensity[0] = 1.5f;
        c.Conv[c.NumPts + 1] = 100, c.Intensity[c.NumPts + 1] = 0.05f;
        return c;
    }
    // Curves A, B, ... with identifiers 1, 2, ..., saved to the curve file.
    static void library(int count, int16_t nextId)
    {
        for (int i = 0; i < count; ++i)
            AppendCurve(Curve(std::string(1, static_cast<char>('A' + i)), static_cast<int16_t>(i + 1),
                              {{1, 100.f - i}, {2, 60}, {4, 30}}));
        G.NextCurveId = nextId;
        ASSERT_TRUE(SaveCurves(CurveFilePath()).ok());
    }

    void open()
    {
        dlg_ = std::make_unique<EdCurves>();
        dlg_->show();
    }
    QListWidget* list() const { return dlg_->findChild<QListWidget*>("ListCurves"); }
    QLineEdit* name() const { return dlg_->findChild<QLineEdit*>("TxName"); }
    void click(const char* button) const { dlg_->findChild<QPushButton*>(button)->click(); }
    void select(int row) const { list()->setCurrentRow(row); }
    QString rows() const
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text();
        return out.join('|');
    }
    // The point editor, when it comes up, gets these points added and then the button pressed.
    static void answerPoints(const Points& pts, const char* button = "ComDone")
    {
        AnswerNextModal([pts, button](QWidget* w) {
            for (auto [conv, tons] : pts) {
                w->findChild<NumBox*>("TxConv")->setText(QString::number(conv));
                w->findChild<NumBox*>("TxTons")->setText(QString::number(tons));
                w->findChild<QPushButton*>("ComAddPts")->click();
            }
            w->findChild<QPushButton*>(button)->click();
        });
    }
    void waitClosed() const { ASSERT_TRUE(QTest::qWaitFor([this] { return !dlg_->isVisible(); })); }

    std::unique_ptr<EdCurves> dlg_;
};

}  // namespace

// Cancel puts back the library held at opening, without reading the file (here no longer readable) again.
TEST_F(EdCurvesTest, CancelUndoesAddedCurvesWithoutReadingTheFile)
{
    library(2, 3);
    G.CurveSel = 1;
    const std::vector<CurveRec> before = G.GRCurves;
    const QByteArray cut = folder_.read("grcurves.bin").left(100);
    ASSERT_TRUE(folder_.write("grcurves.bin", cut));
    open();
    EXPECT_EQ(name()->text(), "B");
    answerPoints({{1, 100}, {3, 40}});
    click("ComAddCurve");
    answerPoints({{1, 90}, {2, 45}});
    click("ComAddCurve");
    EXPECT_EQ(rows(), "A|B|Curve 3|Curve 4");
    EXPECT_EQ(std::tie(G.NumCurves, G.NextCurveId, G.CurveSel), std::make_tuple(int16_t(4), int16_t(4), int16_t(3)));
    EXPECT_EQ(G.GRCurves[4].Tons[2], 45.f);
    click("ComCancel");
    EXPECT_TRUE(G.GRCurves == before);
    EXPECT_EQ(std::tie(G.NumCurves, G.NextCurveId, G.CurveSel), std::make_tuple(int16_t(2), int16_t(3), int16_t(1)));
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(folder_.read("grcurves.bin"), cut);
}

// Every curve through the point editor and back, and the library saved: the same file, end slots and filler.
TEST_F(EdCurvesTest, TheLibraryRoundTripsThroughBothWindowsByteForByte)
{
    library(0, 1);
    AppendCurve(Curve("North  belt", 7, {{0.5f, 80}, {1.5f, 70}, {3, 20}}));
    AppendCurve(Curve("Ten", 3, {{1, 100}, {2, 90}, {3, 80}, {4, 70}, {5, 60}, {6, 50}, {7, 40}, {8, 30}, {9, 20},
                                 {10, 10}}));
    AppendCurve(Curve("Two", 32767, {{1, 50}, {2, 49.5f}}));
    G.NextCurveId = 9;
    ASSERT_TRUE(SaveCurves(CurveFilePath()).ok());
    const QByteArray file = folder_.read("grcurves.bin");
    ASSERT_EQ(file.size(), 4 + 50 * 348);

    freshLibrary();
    ASSERT_EQ(ReadCurves(), 0);
    open();
    EXPECT_EQ(rows(), "North  belt|Ten|Two");
    for (int row = 0; row < 3; ++row) {
        select(row);
        answerPoints({});
        click("ComEdit");
    }
    click("ComDone");
    waitClosed();
    EXPECT_EQ(G.CurveSel, 2);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(folder_.read("grcurves.bin").toHex(), file.toHex());
}

TEST_F(EdCurvesTest, DuplicateDeleteRenameEditAndTheLimit)
{
    library(4, 1);
    open();
    EXPECT_EQ(list()->currentRow(), 0);  // CurveSel 0 at opening
    select(1);
    name()->clear();
    click("ComDup");
    EXPECT_EQ(rows(), "A|B|C|D|Curve 5");
    const CurveRec& copy = G.GRCurves[5];
    EXPECT_EQ(std::make_pair(copy.Id, copy.Tons[1]), std::make_pair(int16_t(5), 99.f));
    EXPECT_EQ(std::make_pair(list()->currentRow(), G.CurveSel), std::make_pair(4, int16_t(4)));

    MsgBoxTest::queue(vbYes);
    click("ComDelCurve");
    EXPECT_EQ(messages(), QStringList{"Confirm delete: Are you sure you want to delete curve Curve 5?"});
    EXPECT_EQ(rows(), "A|B|C|D");
    EXPECT_EQ(std::make_tuple(list()->currentRow(), G.CurveSel, name()->text()),
              std::make_tuple(3, int16_t(3), QString("D")));

    name()->setText("North");
    QTest::keyClick(name(), Qt::Key_Return);
    EXPECT_EQ(rows(), "A|B|C|North");
    EXPECT_EQ(G.GRCurves[4].Name, CurveName("North"));

    // A curve left with fewer than two points is not taken; a cancelled edit changes nothing.
    const CurveRec a = G.GRCurves[1];
    select(0);
    answerPoints({}, "ComCancel");
    click("ComEdit");
    AnswerNextModal([](QWidget* w) {
        MsgBoxTest::queue(vbYes);
        w->findChild<QListWidget*>("ListPoints")->setCurrentRow(0);
        w->findChild<QPushButton*>("ComDelPts")->click();
        w->findChild<QLineEdit*>("TxName")->setText("Renamed");
        w->findChild<QPushButton*>("ComUpPts")->click();
        w->close();  // the close box keeps the curve as edited
    });
    click("ComEdit");
    EXPECT_EQ(G.GRCurves[1].NumPts, 2);
    EXPECT_EQ(rows(), "Renamed|B|C|North");
    EXPECT_EQ(G.GRCurves[1].Conv[1], a.Conv[2]);
    answerPoints({{2, 50}}, "ComCancel");
    click("ComAddCurve");
    EXPECT_EQ(G.NumCurves, 4);

    G.MaxCurves = 4;
    MsgBoxTest::clear();
    click("ComAddCurve");
    click("ComDup");
    EXPECT_EQ(messages(), QStringList(2, "Attention: Maximum of 4 curves"));
    click("ComDone");
    ASSERT_EQ(ReadCurves(), 0);
    EXPECT_EQ(std::make_pair(G.NumCurves, G.GRCurves[4].Name), std::make_pair(int16_t(4), CurveName("North")));
    EXPECT_EQ(G.CurveSel, 0);
}
