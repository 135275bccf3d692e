// The main window: menus, load sequence, navigation, comparison check, project commands and exit.
#include "files/projectfile.h"
#include "shell/mainform.h"

#include "program_folder.h"

#include <QAction>
#include <QDialog>
#include <QFileInfo>
#include <QTimer>

using namespace vesk;

namespace {

class MainWindow : public test::WindowTest {
protected:
    static QAction* action(const MainForm& w, const QString& name)
    {
        auto* a = w.findChild<QAction*>(name);
        EXPECT_NE(a, nullptr) << name.toStdString();
        return a;
    }
    static void trigger(const MainForm& w, const QString& name)
    {
        if (QAction* a = action(w, name))
            a->trigger();
    }
    static QAction* caseItem(const MainForm& w, int i) { return action(w, QStringLiteral("MenCase(%1)").arg(i)); }

    // A main window loaded from the shipped data files, without message.
    void loadShipped(MainForm& w)
    {
        ASSERT_TRUE(folder_.copy(test::kStartupFiles));
        w.formLoad();
        ASSERT_TRUE(MsgBoxTest::shown().isEmpty());
        w.navigationTimer()->stop();
        G.NextStep = 0;
    }

    // Supports 1..n, all updated, with the given types.
    static void defineSupports(std::initializer_list<int16_t> types)
    {
        G.NumCases = 0;
        for (int16_t t : types) {
            ++G.NumCases;
            G.CaseName[G.NumCases] = "Support " + std::to_string(G.NumCases);
            G.CaseType[G.NumCases] = t;
            G.Cases[G.NumCases] = CaseRec{};
            G.Cases[G.NumCases].Updated = 1;
            G.DefCases[G.NumCases] = CaseRec{};
        }
    }
};

TEST_F(MainWindow, LoadWithoutDataFilesReportsEachFailureOnItsOwnLine)
{
    MainForm w;
    w.formLoad();
    ASSERT_EQ(messages(), QStringList("Error(s) reading defaults: Error reading wooddat.txt\r\n"
                                      "Error reading config.txt. Only built-in types available.\r\n"
                                      "Error reading defaults.txt\r\n"));
    EXPECT_EQ(MsgBoxTest::shown()[0].buttons, vbOKOnly);
    // The built-in data stand in; missing curve, bitmap-path and name files are made unannounced.
    EXPECT_EQ(G.NumTypes, 6);
    EXPECT_EQ(G.NumCurves, 0);
    for (const char* created : {"grcurves.bin", "bmpath.txt", "defname.txt"})
        EXPECT_TRUE(QFileInfo::exists(folder_.file(created))) << created;
    EXPECT_EQ(G.NextStep, StepCriteria);
    EXPECT_TRUE(w.navigationTimer()->isActive());
    EXPECT_EQ(QDir::currentPath(), QDir(folder_.path()).canonicalPath());
}

TEST_F(MainWindow, LoadWithTheShippedDataShowsNoMessageAndLaterFailuresInTheirOrder)
{
    ASSERT_TRUE(folder_.copy(test::kStartupFiles));
    G.ProjectPath = "stale.pro";
    G.NumCases = 3;
    G.Cases[2].PlotVis = 0;
    G.Cases[2].PlotColor = 5;
    G.MetricUnits = -1;  // chosen on the cost note
    {
        MainForm w;
        w.formLoad();
        EXPECT_TRUE(MsgBoxTest::shown().isEmpty());
        EXPECT_TRUE(action(w, "MenUnits")->isChecked());
        EXPECT_EQ(G.VersionText, "2.3");
        EXPECT_GT(G.NumTypes, 6);
        EXPECT_EQ(G.ProjName, "XYZ Mine");
        EXPECT_EQ(G.ProjectPath, "");
        EXPECT_EQ(G.NumCases, 0);
        EXPECT_EQ(G.Cases[2].PlotVis, -1);
        EXPECT_EQ(G.Cases[2].PlotColor, 0);
        for (int i = 0; i < 10; ++i)
            EXPECT_FALSE(caseItem(w, i)->isVisible()) << i;
        EXPECT_EQ(G.NextStep, StepCriteria);
    }

    ASSERT_TRUE(folder_.write("grcurves.bin", QByteArray("\x01\x00\x02", 3)));  // breaks off in the count
    QFile::remove(folder_.file("bmpath.txt"));
    ASSERT_TRUE(QDir(folder_.path()).mkdir("bmpath.txt"));  // a folder, not a file
    MainForm w;
    w.formLoad();
    EXPECT_EQ(messages(),
              QStringList("Error(s) reading defaults: Error reading grcurves.bin\r\nError reading bmpath.txt\r\n"));
}

TEST_F(MainWindow, TimerOpensTheStepWindowModallyAndStandsStillWhileAWindowIsOpen)
{
    MainForm w;
    G.NextStep = StepCriteria;  // a step without a window: nothing opens
    w.timerTick();
    EXPECT_EQ(G.NextStep, StepNone);
    G.NextStep = 7;  // not a step: left alone
    w.timerTick();
    EXPECT_EQ(G.NextStep, 7);

    w.show();
    int opened = 0;
    bool timerRanMeanwhile = true;
    SetStepOpener(StepSupports, [&](QWidget* parent) {
        ++opened;
        QDialog dlg(parent);
        test::AnswerNextModal([](QWidget* d) { static_cast<QDialog*>(d)->reject(); });
        dlg.exec();
        timerRanMeanwhile = w.navigationTimer()->isActive();
        // The window adds a support and leaves for the main window.
        defineSupports({1});
        G.CaseName[1] = "Oak & maple crib";
        G.NextStep = StepNone;
    });
    G.NextStep = StepSupports;
    w.navigationTimer()->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return opened > 0 && G.NextStep == StepNone; }, 5000));
    QTest::qWait(120);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(timerRanMeanwhile);
    EXPECT_TRUE(w.navigationTimer()->isActive());
    // The window is brought up to date when the step window has closed.
    EXPECT_TRUE(caseItem(w, 0)->isVisible());
    EXPECT_EQ(caseItem(w, 0)->text(), "Oak && maple crib");
    EXPECT_FALSE(caseItem(w, 1)->isVisible());
}

TEST_F(MainWindow, SupportCommandsOpenTheSupportListAtTheirSupport)
{
    MainForm w;
    trigger(w, "MenNew");
    EXPECT_EQ(G.CurCaseNo, -1);
    EXPECT_EQ(G.NextStep, StepSupports);

    defineSupports({1, 2, 4});
    int16_t seenCase = 0, seenType = 0, seenDesignNow = 0;
    SetStepOpener(StepSupports, [&](QWidget*) {
        seenCase = G.CurCaseNo;
        seenType = G.CurType;
        seenDesignNow = G.DesignNow;
        G.NextStep = StepNone;
    });
    trigger(w, "MenCase(2)");
    EXPECT_EQ(G.NextStep, StepSupports);
    w.timerTick();
    EXPECT_EQ(seenCase, 3);
    EXPECT_EQ(seenType, 4);
    EXPECT_EQ(seenDesignNow, -1);

    // An item beyond the supports does nothing.
    G.CurCaseNo = 1;
    trigger(w, "MenCase(5)");
    EXPECT_EQ(G.NextStep, StepNone);
    EXPECT_EQ(G.CurCaseNo, 1);

    // "Add/Edit Supports" keeps a current support that exists, else takes 1.
    G.CurCaseNo = 2;
    trigger(w, "MenNew");
    EXPECT_EQ(G.CurCaseNo, 2);
    G.CurCaseNo = 4;
    trigger(w, "MenNew");
    EXPECT_EQ(G.CurCaseNo, 1);
}

TEST_F(MainWindow, ComparisonRefusesWithoutSupportsOrWithOneNotUpdated)
{
    MainForm w;
    const QStringList items = {"MenCompare", "MenSumm", "MenPlot", "MenChart"};
    for (const QString& name : items)
        trigger(w, name);
    EXPECT_EQ(messages(), QStringList(4, "No supports defined: Select Support Evaluation to continue."));
    EXPECT_EQ(G.NextStep, StepNone);
    MsgBoxTest::clear();

    defineSupports({1, 2, 3});
    G.Cases[2].Updated = 0;
    G.CompareView = 1;
    trigger(w, "MenChart");
    EXPECT_EQ(messages(), QStringList("Attention: Some supports are not updated.  Select Support Evaluation and "
                                      "update all supports before proceeding."));
    EXPECT_EQ(G.NextStep, StepNone);
    EXPECT_EQ(G.CompareView, 1);
    MsgBoxTest::clear();

    G.Cases[2].Updated = 1;
    for (int view = 0; view < 4; ++view) {
        G.NextStep = StepNone;
        trigger(w, items[view]);
        EXPECT_EQ(G.CompareView, view);
        EXPECT_EQ(G.NextStep, StepCompare);
    }
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty());
}

TEST_F(MainWindow, AltAloneAndF10OpenTheFirstMenuAndTheArrowsMoveOn)
{
    MainForm w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const auto menu = [] { QWidget* p = QApplication::activePopupWidget(); return p ? p->objectName() : ""; };
    QTest::keyClick(&w, Qt::Key_F10);
    ASSERT_EQ(menu(), "MenFile");
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    ASSERT_EQ(menu(), "MenDesign");
    QApplication::activePopupWidget()->close();
    QTest::keyPress(&w, Qt::Key_Alt);  // with another key: nothing opens
    QTest::keyClick(&w, Qt::Key_X, Qt::AltModifier);
    QTest::keyRelease(&w, Qt::Key_Alt);
    ASSERT_EQ(menu(), "");
    QTest::keyClick(&w, Qt::Key_Alt);
    ASSERT_EQ(menu(), "MenFile");
    QApplication::activePopupWidget()->close();
}

TEST_F(MainWindow, NewSaveAndOpenRoundTrip)
{
    MainForm w;
    loadShipped(w);
    defineSupports({1, 3});
    w.activate();
    G.CaseName[2] = "Donut crib, 2 rows";
    G.DesignCrit.Basis = 2;
    G.DesignCrit.EntryHt = 84;
    G.DesignCrit.Conv = 2.5f;
    G.ProjName = "North mains";
    const QString path = folder_.file("north.pro");

    FileDialogTest::queue(path);
    trigger(w, "MenSave");
    ASSERT_EQ(FileDialogTest::shown().size(), 1);
    EXPECT_EQ(FileDialogTest::shown()[0].kind, FileDialogRecord::Save);
    EXPECT_EQ(FileDialogTest::shown()[0].proposedName, folder_.path() + "/*.pro");
    const QByteArray saved = folder_.read("north.pro");
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty());
    EXPECT_EQ(G.ProjectPath, "");  // saving does not change it

    // A new project asks before dropping the supports; it keeps the name.
    MsgBoxTest::queue(vbCancel);
    trigger(w, "MenNewFile");
    ASSERT_EQ(messages(), QStringList("Warning: Existing support definitions will be lost. Continue?"));
    EXPECT_EQ(MsgBoxTest::shown()[0].buttons, vbOKCancel);
    EXPECT_EQ(G.NumCases, 2);
    EXPECT_TRUE(caseItem(w, 1)->isVisible());
    MsgBoxTest::queue(vbOK);
    trigger(w, "MenNewFile");
    EXPECT_EQ(G.NumCases, 0);
    EXPECT_EQ(G.DesignCrit.Basis, 0);
    EXPECT_EQ(G.ProjName, "North mains");
    EXPECT_FALSE(caseItem(w, 0)->isVisible());
    EXPECT_FALSE(caseItem(w, 1)->isVisible());

    // Open the file again.
    G.DesignCrit = CritRec{};
    G.ProjName.clear();
    FileDialogTest::clear();
    FileDialogTest::queue(path);
    trigger(w, "MenLoad");
    ASSERT_EQ(FileDialogTest::shown().size(), 1);
    EXPECT_EQ(FileDialogTest::shown()[0].kind, FileDialogRecord::Open);
    EXPECT_EQ(FileDialogTest::shown()[0].proposedName, folder_.path() + "/*.pro");
    EXPECT_EQ(G.NumCases, 2);
    EXPECT_EQ(G.CaseName[2], "Donut crib, 2 rows");
    EXPECT_EQ(G.CaseType[2], 3);
    EXPECT_EQ(G.EntryHt, 84.0f);
    EXPECT_EQ(G.DesignConv, 2.5f);
    EXPECT_EQ(G.ProjName, "North mains");
    EXPECT_EQ(qs(G.ProjectPath), path);
    EXPECT_EQ(G.NextStep, StepSupports);
    EXPECT_TRUE(caseItem(w, 1)->isVisible());
    EXPECT_EQ(caseItem(w, 1)->text(), "Donut crib, 2 rows");

    // Saving again proposes the file opened and writes the same bytes.
    FileDialogTest::clear();
    FileDialogTest::queue(folder_.file("again.pro"));
    trigger(w, "MenSave");
    EXPECT_EQ(FileDialogTest::shown()[0].proposedName, path);
    EXPECT_EQ(folder_.read("again.pro"), saved);
    EXPECT_EQ(qs(G.ProjectPath), path);
}

TEST_F(MainWindow, FailedOpenOrSaveChangesNothing)
{
    MainForm w;
    loadShipped(w);
    defineSupports({1, 2});
    w.activate();

    // Cancelling the question shows no file dialog.
    MsgBoxTest::queue(vbCancel);
    trigger(w, "MenLoad");
    EXPECT_TRUE(FileDialogTest::shown().isEmpty());

    // A file that cannot be read whole is named in a message.
    ASSERT_TRUE(folder_.write("broken.pro", QByteArray(300, '\0')));
    MsgBoxTest::clear();
    MsgBoxTest::queue(vbOK);
    FileDialogTest::queue(folder_.file("broken.pro"));
    trigger(w, "MenLoad");
    ASSERT_EQ(MsgBoxTest::shown().size(), 2);
    EXPECT_EQ(MsgBoxTest::shown()[1].text,
              "Error reading broken.pro\nThe file ends too soon: it is cut short or not a file of this kind.");
    EXPECT_EQ(G.NumCases, 2);
    EXPECT_TRUE(caseItem(w, 1)->isVisible());

    // A folder in the way of the save.
    ASSERT_TRUE(QDir(folder_.path()).mkdir("taken.pro"));
    MsgBoxTest::clear();
    FileDialogTest::queue(folder_.file("taken.pro"));
    trigger(w, "MenSave");
    EXPECT_EQ(messages(), QStringList("Error: Error saving taken.pro\nIt is a folder, not a file."));
    EXPECT_TRUE(QFileInfo(folder_.file("taken.pro")).isDir());
}

TEST_F(MainWindow, ExitQuestionNoKeepsTheProgramAndYesStoresTheSettings)
{
    MainForm w;
    loadShipped(w);
    w.show();
    defineSupports({1});
    G.BmpPath = ss(folder_.file("figures"));
    G.EasternMines = 0;
    G.MetricUnits = -1;
    const QByteArray before = folder_.read("bmpath.txt");

    MsgBoxTest::queue(vbNo);
    trigger(w, "MenExit");
    ASSERT_EQ(messages(), QStringList("Confirm Exit: Are  you sure you want to exit the program?"));
    EXPECT_EQ(MsgBoxTest::shown()[0].buttons, vbYesNo);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(G.NumCases, 1);
    EXPECT_EQ(folder_.read("bmpath.txt"), before);
    EXPECT_EQ(ended_, 0);

    MsgBoxTest::queue(vbYes);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(MsgBoxTest::shown().size(), 2);
    EXPECT_EQ(folder_.read("bmpath.txt"), (folder_.file("figures") + "\r\n1,1\r\n").toUtf8());
    EXPECT_EQ(ended_, 1);
    EXPECT_FALSE(w.navigationTimer()->isActive());
}

}  // namespace
