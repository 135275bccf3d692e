// The support list window: adding, the update protocol around the performance and cost dialogs,
// deleting, duplicating, support files, selection mode and the mouse rules.
#include "model/supportlist.h"
#include "shell/editcases.h"
#include "files/datafiles.h"
#include "files/defaults.h"
#include "shell/mainform.h"
#include "shell/supportdialogs.h"

#include "program_folder.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>

using namespace vesk;
using namespace vesk::test;

namespace {

class EditCasesTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(folder_.copy(ShippedDataFiles()));
        ASSERT_FALSE(ReadConfig());
        ASSERT_EQ(ReadDefaults(), 0);
        for (auto f : {SupportFamily::WoodCrib, SupportFamily::TimberPost, SupportFamily::ConcreteCrib,
                       SupportFamily::FileDefined, SupportFamily::CableBolt}) {
            SetPerformanceDialog(f, [this, f](QWidget* p) { run(p, PerformanceDialogName(f)); });
            SetCostDialog(f, [this, f](QWidget* p) { run(p, CostDialogName(f)); });
        }
    }
    void TearDown() override
    {
        ResetSupportDialogs();
        WindowTest::TearDown();
    }
    // Stands in for a performance or cost dialog: works on CurCase, commits it on "OK".
    void run(QWidget* parent, const char* name)
    {
        shown_ << name;
        G.CurCase = G.Cases[static_cast<std::size_t>(G.CurCaseNo)];
        QDialog dlg(parent);
        dlg.setObjectName(name);
        auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
        QObject::connect(box, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
        QObject::connect(box, &QDialogButtonBox::accepted, &dlg, [&dlg] {
            G.CurCase.ActTpf += 1;
            G.Cases[static_cast<std::size_t>(G.CurCaseNo)] = G.CurCase;
            ++G.ChangeCount;
            dlg.accept();
        });
        dlg.exec();
    }

    static void press(QWidget* w, const char* caption)
    {
        if (!ClickButton(w, caption)) {
            ADD_FAILURE() << "no button " << caption << " in " << w->objectName().toStdString();
            w->close();
        }
    }
    // Answers the next modal windows with these buttons.
    static void answer(std::initializer_list<const char*> captions)
    {
        for (const char* c : captions)
            AnswerNextModal([c](QWidget* w) { press(w, c); });
    }
    // "&Add": the information center picks and names the type, then the support's dialogs answer.
    void add(int type, const QString& name, std::initializer_list<const char*> dialogs = {})
    {
        AnswerNextModal([type, name](QWidget* w) {
            for (QComboBox* list : w->findChildren<QComboBox*>())
                if (const int at = list->findData(type); at >= 0) {
                    list->setCurrentIndex(at);
                    emit list->activated(at);
                }
            w->findChild<QLineEdit*>("Text1")->setText(name);
            press(w, "Ok");
        });
        answer(dialogs);
        click("ComAdd");
    }

    void open()
    {
        owned_ = std::make_unique<EditCases>();
        d_ = owned_.get();
        d_->show();
    }
    void click(const char* name)
    {
        auto* b = d_->findChild<QPushButton*>(name);
        ASSERT_TRUE(b && b->isEnabled()) << name;
        b->click();
    }
    QTreeWidget* list() const { return d_->findChild<QTreeWidget*>("ListView1"); }
    QString rows() const
    {
        QStringList out;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            out << list()->topLevelItem(i)->text(0) + "|" + list()->topLevelItem(i)->text(1);
        return out.join(' ');
    }
    QString text(const char* name) const
    {
        auto* box = d_->findChild<QLineEdit*>(name);
        return box ? box->text() : d_->findChild<QLabel*>(name)->text();
    }
    // Supports A, B, ... from their templates; file-defined ones as if their model file was read.
    static void make(std::initializer_list<int16_t> types)
    {
        for (int16_t t : types) {
            const int n = AppendSupport(t, std::string(1, static_cast<char>('A' + G.NumCases)));
            if (t >= 7)
                G.Cases[static_cast<std::size_t>(n)].SizeIdx = 0;
        }
    }
    QPoint row(int i) const { return list()->visualItemRect(list()->topLevelItem(i)).center(); }
    void mouseClick(QPoint at) { QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at); }
    // A double-click as the platform delivers it: press, release, double click, release.
    void doubleClick(QPoint at)
    {
        QWidget* vp = list()->viewport();
        mouseClick(at);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, at, vp->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(vp, &dbl);
        if (vp->isVisible())
            QTest::mouseRelease(vp, Qt::LeftButton, {}, at);
    }

    std::unique_ptr<EditCases> owned_;
    EditCases* d_ = nullptr;  // the support list under test
    QStringList shown_;
};

}  // namespace

// The first support added enables "&Next".
TEST_F(EditCasesTest, AddingRunsBothDialogsOfTheNewSupport)
{
    open();
    auto* next = d_->findChild<QPushButton*>("ComDone");
    answer({"Cancel"});
    click("ComAdd");
    EXPECT_EQ(rows(), "");
    EXPECT_FALSE(next->isEnabled());
    add(3, "North", {"Ok", "Ok"});
    EXPECT_EQ(shown_.join(' '), "Concrete MatCrete");
    EXPECT_EQ(rows(), "North|Yes");
    EXPECT_TRUE(next->isEnabled());
    EXPECT_EQ(G.AddMode, 0);
    EXPECT_EQ(text("LbType"), "Donut crib");
    CaseRec expected = G.TypeDefaults[3];
    expected.ActTpf += 2;
    expected.Updated = 1;
    EXPECT_EQ(G.Cases[1], expected);
    EXPECT_EQ(G.DefCases[1], G.TypeDefaults[3]);
}

TEST_F(EditCasesTest, TenSupportsRefuseAddDuplicateAndOpen)
{
    for (int i = 0; i < 10; ++i)
        make({1});
    open();
    for (const char* b : {"ComAdd", "ComDup", "ComOpen"})
        click(b);
    EXPECT_EQ(messages(), QStringList(3, "Attention: A maximum of 10 supports may be defined."));
    EXPECT_TRUE(FileDialogTest::shown().isEmpty());
}

// A new file-defined support whose model file is missing or of the other layout is removed unasked.
TEST_F(EditCasesTest, NewSupportWithABadModelFileIsRemoved)
{
    make({1, 2});
    G.CurCaseNo = 1;
    open();
    QFile::remove(folder_.file("engcrib.dat"));
    add(7, "Linked");
    QFile::remove(folder_.file("cable.dat"));
    QFile::copy(folder_.file("yieldcol.dat"), folder_.file("cable.dat"));
    add(9, "Cables");
    EXPECT_EQ(messages(), QStringList(2, "Error: Error reading .dat file, support cannot be added."));
    EXPECT_TRUE(shown_.isEmpty());
    EXPECT_EQ(rows(), "A|No B|No");
    EXPECT_EQ(text("Text1"), "B");
}

TEST_F(EditCasesTest, DeletingSupportThreeOfFiveThenAll)
{
    make({1, 2, 3, 4, 5});
    G.CurCaseNo = 3;
    G.DesignCrit.SysCase = 5;
    open();
    MsgBoxTest::queue(vbNo);
    click("ComDelete");
    EXPECT_EQ(G.NumCases, 5);
    EXPECT_EQ(messages(), QStringList("Attention: Are you sure you want to remove this item?"));
    MsgBoxTest::queue(vbYes);
    click("ComDelete");
    EXPECT_EQ(rows(), "A|No B|No D|No E|No");
    EXPECT_EQ(text("Text1"), "D");
    EXPECT_EQ(G.CaseType[3], 4);
    EXPECT_EQ(G.DesignCrit.SysCase, 4);
    for (int i = 0; i < 4; ++i) {
        MsgBoxTest::queue(vbYes);
        click("ComDelete");
    }
    EXPECT_EQ(rows(), "");
    EXPECT_EQ(G.DesignCrit.SysCase, 0) << "its support was removed";
    EXPECT_EQ(text("Text1") + text("LbType"), "");
    EXPECT_FALSE(d_->findChild<QPushButton*>("ComDone")->isEnabled());
}

// A duplicate becomes the last, current support; Enter in the name box
// renames it. "Next" waits until every support is updated.
TEST_F(EditCasesTest, DuplicateRenameAndNext)
{
    make({1, 4});
    G.Cases[1].Updated = 1;
    G.CurCaseNo = 1;
    open();
    click("ComDup");
    EXPECT_EQ(rows(), "A|Yes B|No A|Yes");
    EXPECT_EQ(G.Cases[3], G.Cases[1]);
    EXPECT_EQ(G.DefCases[3], G.DefCases[1]);
    EXPECT_EQ(list()->currentItem(), list()->topLevelItem(2));
    auto* box = d_->findChild<QLineEdit*>("Text1");
    EXPECT_EQ(box->selectedText(), "A");
    EXPECT_EQ(box->maxLength(), 64);  // the name's field in the files
    box->setText("A2");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(rows(), "A|Yes B|No A2|Yes");
    EXPECT_TRUE(d_->isVisible());

    // Enter on the focused button presses it.
    auto* next = d_->findChild<QPushButton*>("ComDone");
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Return);
    EXPECT_EQ(messages(), QStringList("Attention: Some supports are not updated.  You must update all supports, by "
                                      "pressing the Design and Costs button, before proceeding."));
    EXPECT_TRUE(d_->isVisible());
    G.Cases[2].Updated = 1;
    click("ComDone");
    EXPECT_EQ(G.NextStep, 4);
    EXPECT_FALSE(d_->isVisible());
}

// A support needs both dialogs committed to become updated and stays so when both are cancelled. A
// double-click designs its row's support.
TEST_F(EditCasesTest, UpdateProtocolAndDoubleClicks)
{
    make({1, 2, 2});
    G.CurCaseNo = 1;
    open();
    const char* rounds[][2] = {{"Ok", "Cancel"}, {"Cancel", "Ok"}, {"Ok", "Ok"}, {"Cancel", "Cancel"}};
    QStringList marks;
    for (auto& r : rounds) {
        answer({r[0], r[1]});
        click("ComDesign");
        marks << list()->topLevelItem(0)->text(1);
    }
    EXPECT_EQ(marks, QStringList({"No", "No", "Yes", "Yes"}));
    EXPECT_EQ(shown_.count("MatCrib"), 4);

    const QPoint beside(list()->viewport()->width() / 2, list()->viewport()->height() - 5);
    ASSERT_EQ(list()->itemAt(beside), nullptr);
    doubleClick(beside);
    EXPECT_EQ(shown_.size(), 8);
    answer({"Ok", "Ok"});
    doubleClick(row(1));
    EXPECT_EQ(shown_.mid(8).join(' '), "PerfPost MatPost");
    EXPECT_EQ(rows(), "A|Yes B|Yes C|No");
}

TEST_F(EditCasesTest, SelectionModeOpensOnlyThePerformanceDialogAndRefusesCableBolts)
{
    make({2, 3, 9});
    G.CurCaseNo = 1;
    G.SelectMode = -1;
    open();
    answer({"Ok"});
    click("ComDesign");
    EXPECT_EQ(shown_.join(' '), "PerfPost");
    EXPECT_EQ(G.Cases[1].Updated, 0);
    // An updated support designed anew here keeps its mark and the costs accepted before.
    G.Cases[1].Updated = 1, G.Cases[1].TotCost = 123.45f;
    answer({"Ok"});
    click("ComDesign");
    EXPECT_EQ(std::make_pair(G.Cases[1].Updated, G.Cases[1].TotCost), std::make_pair(int16_t(1), 123.45f));

    mouseClick(row(2));
    EXPECT_EQ(messages(), QStringList("Attention: You cannot select cable bolts as the current support system.  "
                                      "You must select a standing support type."));
    click("ComDone");
    EXPECT_EQ(G.CurCaseNo, 0);

    // A double-click on a row selects it, with its curve in the model tables.
    open();
    doubleClick(row(1));
    EXPECT_FALSE(d_->isVisible());
    EXPECT_EQ(G.CurCaseNo, 2);
    EXPECT_EQ(G.PerfConv(1, 0), 7);
    open();
    d_->close();
    EXPECT_EQ(G.CurCaseNo, 0);
}

// After a project load every support's type data are read again, last to first; support 1 ends
// current. Then a design that the main window asked for runs.
TEST_F(EditCasesTest, ActivationAfterAProjectLoadAndForADesign)
{
    make({7, 1, 9});
    G.Cases[2].CribA = 0;
    G.CurCaseNo = 3;
    G.RecalcAll = -1;
    G.DesignNow = -1;
    answer({"Ok", "Ok"});
    open();
    EXPECT_TRUE(QTest::qWaitFor([] { return G.DesignNow == 0; }));
    EXPECT_EQ(shown_.join(' '), "PerfLink MatLink");
    EXPECT_EQ(G.RecalcAll, 0);
    EXPECT_EQ(G.CurCaseNo, 1);
    EXPECT_EQ(text("Text1"), "A");
    EXPECT_GT(G.Cases[2].CribA, 0);
    EXPECT_EQ(G.NumModels[9], 3);
    EXPECT_EQ(G.PerfConv.maxRow(), G.NumModels[7]);
}

// A model file failing for a listed support is reported by name; its dialogs stay closed.
TEST_F(EditCasesTest, FailingModelFileOfAnExistingSupportKeepsItsDialogsClosed)
{
    make({1, 8});
    open();
    ASSERT_TRUE(folder_.write("yieldcol.dat", "3, 13, 0\r\nshort\r\n"));
    mouseClick(row(1));
    click("ComDesign");
    // The file's name on the first line, why on the second.
    const QString reading = "Error: Error reading yieldcol.dat\nIt is not a model file the program can use (line 3: ";
    ASSERT_EQ(messages().size(), 2);
    for (const QString& m : messages())
        EXPECT_TRUE(m.startsWith(reading)) << m.toStdString();
    EXPECT_TRUE(shown_.isEmpty());
    // Selecting a good support clears the flag: deleting asks again.
    MsgBoxTest::clear();
    mouseClick(row(0));
    MsgBoxTest::queue(vbNo);
    click("ComDelete");
    EXPECT_EQ(messages(), QStringList("Attention: Are you sure you want to remove this item?"));
    mouseClick(row(1));
    click("ComDelete");  // without asking while the flag is set
    EXPECT_EQ(rows(), "A|No");
}

// From the main window, a support of every type is added, renamed, duplicated, saved, opened and deleted.
TEST_F(EditCasesTest, EverySupportTypeMakesTheRoundTripFromTheMainWindow)
{
    MainForm w;
    w.formLoad();
    w.navigationTimer()->stop();
    ASSERT_TRUE(MsgBoxTest::shown().isEmpty());
    InstallStepOpeners();
    w.findChild<QAction*>("MenNew")->trigger();
    AnswerNextModal([this](QWidget* list) {
        d_ = qobject_cast<EditCases*>(list);
        ASSERT_NE(d_, nullptr);
        click("ComSave");
        EXPECT_EQ(messages(), QStringList("Attention: Select support, then press Save."));
        FileDialogTest::queue(folder_.file("missing.sup"));
        click("ComOpen");
        EXPECT_FALSE(QFileInfo::exists(folder_.file("missing.sup")));
        MsgBoxTest::clear();
        for (int t = 1; t <= G.NumTypes; ++t) {
            SCOPED_TRACE(t);
            add(t, "New", {"Ok", "Ok"});
            EXPECT_EQ(G.Cases[1].SizeIdx, t >= 7 ? 0 : G.TypeDefaults[t].SizeIdx);
            d_->findChild<QLineEdit*>("Text1")->setText("Renamed");
            click("ComRename");
            click("ComDup");
            const QString path = folder_.file(QStringLiteral("type%1.sup").arg(t));
            FileDialogTest::queue(path);
            click("ComSave");
            FileDialogTest::queue(path);
            click("ComOpen");
            EXPECT_EQ(rows(), "Renamed|Yes Renamed|No Renamed|No");
            EXPECT_EQ(G.CaseType[3], t);
            EXPECT_EQ(G.Cases[3], G.Cases[2]);
            EXPECT_EQ(G.DefCases[3], G.DefCases[1]);
            EXPECT_FALSE(d_->modelFileError());
            for (int i = 0; i < 3; ++i) {
                MsgBoxTest::queue(vbYes);
                click("ComDelete");
            }
        }
        EXPECT_EQ(messages().size(), 3 * G.NumTypes);
        add(9, "Last", {"Ok", "Ok"});
        press(list, "Main Menu");
    });
    w.timerTick();
    EXPECT_EQ(G.NextStep, 0);
    EXPECT_EQ(w.findChild<QAction*>("MenCase(0)")->text(), "Last");
}
