// The main window: menus, load sequence, navigation, comparison check,
// project commands and the exit question.
#include "model/globals.h"
#include "platform/filedialogs.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/qtext.h"
#include "shell/io/projectfile.h"
#include "shell/mainform.h"
#include "shell/startup.h"
#include "shell/steps.h"

#include "modal_helpers.h"
#include "program_folder.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vesk;
using vesk::test::ProgramFolder;

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        ASSERT_TRUE(folder_.isValid());
        folder_.use();
        cwd_ = QDir::currentPath();
        MsgBoxTest::enable();
        FileDialogTest::enable();
        ClearStepOpeners();
        SetEndProgramHook([this] { ++ended_; });
    }
    void TearDown() override
    {
        EXPECT_EQ(test::DropModalAnswers(), 0) << "a modal window that was expected did not come up";
        MsgBoxTest::disable();
        FileDialogTest::disable();
        ClearStepOpeners();
        SetEndProgramHook({});
        CloseHelpWindow();
        QDir::setCurrent(cwd_);
        ResetGlobals();
    }

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

    ProgramFolder folder_;
    QString cwd_;
    int ended_ = 0;
};

// The menus as they stand: captions, names and separators ("-").
TEST_F(MainWindow, MenusHoldTheCommandsInOrder)
{
    MainForm w;
    EXPECT_EQ(w.windowTitle(), "VESK - Quendril");
    const QList<QPair<QString, QStringList>> expected = {
        {"File",
         {"MenNewFile New project", "MenLoad Open project", "MenSave Save project", "-", "MenEdit Edit project name",
          "-", "MenPath BMP Path", "-", "MenExit Exit"}},
        {"Design Criteria", {"MenCriteria Specify Design Basis", "-", "MenUnits Use metric units"}},
        {"Support Evaluation",
         {"MenCase(0) Base case", "MenCase(1) ", "MenCase(2) ", "MenCase(3) ", "MenCase(4) ", "MenCase(5) ",
          "MenCase(6) ", "MenCase(7) ", "MenCase(8) ", "MenCase(9) ", "-", "MenNew Add/Edit Supports"}},
        {"Comparison",
         {"MenCompare Comparison Assessment Table", "MenSumm Support Description Summary",
          "MenPlot Graphical Data Analysis", "MenChart Chart Comparison"}},
        {"Information", {"MenInfo Support Technologies", "MenReference Reference/Bibliography"}},
        {"Help", {"MenContents Contents", "MenAbout About"}},
    };
    const QList<QAction*> menus = w.menuBar()->actions();
    ASSERT_EQ(menus.size(), expected.size());
    for (qsizetype m = 0; m < menus.size(); ++m) {
        EXPECT_EQ(menus[m]->text(), expected[m].first);
        QStringList items;
        for (QAction* a : menus[m]->menu()->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + " " + a->text());
        EXPECT_EQ(items, expected[m].second) << expected[m].first.toStdString();
    }
    EXPECT_TRUE(action(w, "MenUnits")->isCheckable());
    EXPECT_EQ(w.navigationTimer()->interval(), 50);
    EXPECT_EQ(w.navigationTimer()->objectName(), "Timer1");
}

// ---- Load sequence ------------------------------------------------------------

TEST_F(MainWindow, LoadWithoutDataFilesReportsEachFailureOnItsOwnLine)
{
    MainForm w;
    w.formLoad();
    const auto shown = MsgBoxTest::shown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].title, "Error(s) reading defaults");
    EXPECT_EQ(shown[0].buttons, vbOKOnly);
    EXPECT_EQ(shown[0].text.split("\r\n"), QStringList({"Error reading wooddat.txt",
                                                         "Error reading config.txt. Only built-in types available.",
                                                         "Error reading defaults.txt", ""}));
    // The built-in data stand in; the missing curve, bitmap-path and name
    // files are created without a message.
    EXPECT_EQ(G.NumTypes, 6);
    EXPECT_EQ(G.NumCurves, 0);
    for (const char* created : {"grcurves.bin", "bmpath.txt", "defname.txt"})
        EXPECT_TRUE(QFileInfo::exists(folder_.file(created))) << created;
    EXPECT_EQ(G.NextStep, StepCriteria);
    EXPECT_TRUE(w.navigationTimer()->isActive());
    EXPECT_EQ(QDir::currentPath(), QDir(folder_.path()).canonicalPath());
    EXPECT_EQ(G.CrLf, "\r\n");
}

TEST_F(MainWindow, LoadWithTheShippedDataShowsNoMessage)
{
    ASSERT_TRUE(folder_.copy(test::kStartupFiles));
    G.ProjectPath = "stale.pro";
    G.NumCases = 3;
    G.Cases[2].PlotVis = 0;
    G.Cases[2].PlotColor = 5;
    MainForm w;
    w.formLoad();
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty());
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

TEST_F(MainWindow, LaterFileFailuresFollowInTheirOrder)
{
    ASSERT_TRUE(folder_.copy(test::kStartupFiles));
    ASSERT_TRUE(folder_.write("grcurves.bin", QByteArray("\x01\x00\x02", 3)));  // breaks off in the count
    ASSERT_TRUE(QDir(folder_.path()).mkdir("bmpath.txt"));                     // a folder, not a file
    MainForm w;
    w.formLoad();
    const auto shown = MsgBoxTest::shown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "Error reading grcurves.bin\r\nError reading bmpath.txt\r\n");
}

// ---- Navigation -----------------------------------------------------------------

TEST_F(MainWindow, StepWithoutWindowOpensNothingAndWaits)
{
    MainForm w;
    G.NextStep = StepCriteria;
    w.timerTick();
    EXPECT_EQ(G.NextStep, StepNone);
    G.NextStep = 7;  // not a step: left alone
    w.timerTick();
    EXPECT_EQ(G.NextStep, 7);
}

TEST_F(MainWindow, TimerOpensTheStepWindowModallyAndStandsStillMeanwhile)
{
    MainForm w;
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

TEST_F(MainWindow, SupportItemOpensTheSupportListAtThatSupport)
{
    MainForm w;
    defineSupports({1, 2, 4});
    w.activate();
    EXPECT_EQ(caseItem(w, 2)->text(), "Support 3");
    EXPECT_FALSE(caseItem(w, 3)->isVisible());

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
}

TEST_F(MainWindow, AddEditSupportsChoosesTheCurrentSupport)
{
    MainForm w;
    trigger(w, "MenNew");
    EXPECT_EQ(G.CurCaseNo, -1);
    EXPECT_EQ(G.NextStep, StepSupports);

    defineSupports({1, 2});
    G.CurCaseNo = 2;
    trigger(w, "MenNew");
    EXPECT_EQ(G.CurCaseNo, 2);
    G.CurCaseNo = 3;
    trigger(w, "MenNew");
    EXPECT_EQ(G.CurCaseNo, 1);
}

TEST_F(MainWindow, ComparisonRefusesWithoutSupportsOrWithOneNotUpdated)
{
    MainForm w;
    const QStringList items = {"MenCompare", "MenSumm", "MenPlot", "MenChart"};
    for (const QString& name : items) {
        trigger(w, name);
        ASSERT_EQ(MsgBoxTest::shown().size(), 1) << name.toStdString();
        EXPECT_EQ(MsgBoxTest::shown()[0].text, "Select Support Evaluation to continue.");
        EXPECT_EQ(MsgBoxTest::shown()[0].title, "No supports defined");
        EXPECT_EQ(G.NextStep, StepNone);
        MsgBoxTest::clear();
    }

    defineSupports({1, 2, 3});
    G.Cases[2].Updated = 0;
    G.CompareView = 1;
    trigger(w, "MenChart");
    ASSERT_EQ(MsgBoxTest::shown().size(), 1);
    EXPECT_EQ(MsgBoxTest::shown()[0].text,
              "Some supports are not updated.  Select Support Evaluation and update all supports before proceeding.");
    EXPECT_EQ(MsgBoxTest::shown()[0].title, "Attention");
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

TEST_F(MainWindow, MetricUnitsToggleWithTheCheckMark)
{
    MainForm w;
    QAction* units = action(w, "MenUnits");
    units->trigger();
    EXPECT_EQ(G.MetricUnits, -1);
    EXPECT_TRUE(units->isChecked());
    units->trigger();
    EXPECT_EQ(G.MetricUnits, 0);
    EXPECT_FALSE(units->isChecked());
    // Set elsewhere (the cost note, a project): shown at activation.
    G.MetricUnits = -1;
    w.activate();
    EXPECT_TRUE(units->isChecked());
}

// ---- New, open and save ---------------------------------------------------------

TEST_F(MainWindow, NewProjectAsksBeforeDroppingSupports)
{
    MainForm w;
    defineSupports({1, 2});
    w.activate();
    G.DesignCrit.Basis = 2;
    G.ProjName = "North mains";
    MsgBoxTest::queue(vbCancel);
    trigger(w, "MenNewFile");
    ASSERT_EQ(MsgBoxTest::shown().size(), 1);
    EXPECT_EQ(MsgBoxTest::shown()[0].text, "Existing support definitions will be lost. Continue?");
    EXPECT_EQ(MsgBoxTest::shown()[0].title, "Warning");
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
}

TEST_F(MainWindow, ProjectSaveAndOpenRoundTrip)
{
    MainForm w;
    loadShipped(w);
    defineSupports({1, 3});
    G.CaseName[2] = "Donut crib, 2 rows";
    G.DesignCrit.EntryHt = 84;
    G.DesignCrit.EntryWid = 18;
    G.DesignCrit.Conv = 2.5f;
    G.ProjName = "North mains";
    const QString path = folder_.file("north.pro");

    FileDialogTest::queue(path);
    trigger(w, "MenSave");
    ASSERT_EQ(FileDialogTest::shown().size(), 1);
    FileDialogRecord save = FileDialogTest::shown()[0];
    EXPECT_EQ(save.kind, FileDialogRecord::Save);
    EXPECT_EQ(save.filter, "Project files (*.pro)|*.pro|All files (*.*)|*.*");
    EXPECT_EQ(save.proposedName, folder_.path() + "/*.pro");
    const QByteArray saved = folder_.read("north.pro");
    EXPECT_EQ(saved.size(), 16884);
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty());
    EXPECT_EQ(G.ProjectPath, "");  // saving does not change it

    // Start over, then open the file again.
    MsgBoxTest::queue(vbOK);
    trigger(w, "MenNewFile");
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
    const QString again = folder_.file("again.pro");
    FileDialogTest::queue(again);
    trigger(w, "MenSave");
    EXPECT_EQ(FileDialogTest::shown()[0].proposedName, path);
    EXPECT_EQ(folder_.read("again.pro"), saved);
    EXPECT_EQ(qs(G.ProjectPath), path);
}

TEST_F(MainWindow, OpenProjectCancelledOrUnreadableChangesNothing)
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
    EXPECT_EQ(MsgBoxTest::shown()[1].text, "Error reading broken.pro");
    EXPECT_EQ(G.NumCases, 2);
    EXPECT_EQ(G.CaseName[1], "Support 1");
    EXPECT_EQ(G.ProjectPath, "");
    EXPECT_TRUE(caseItem(w, 1)->isVisible());

    // A name that is not a file: nothing shown, nothing changed.
    MsgBoxTest::clear();
    MsgBoxTest::queue(vbOK);
    FileDialogTest::queue(folder_.file("missing.pro"));
    trigger(w, "MenLoad");
    EXPECT_EQ(MsgBoxTest::shown().size(), 1);  // the question only
    EXPECT_EQ(G.NumCases, 2);
}

TEST_F(MainWindow, FailedSaveNamesTheFile)
{
    MainForm w;
    loadShipped(w);
    ASSERT_TRUE(QDir(folder_.path()).mkdir("taken.pro"));  // a folder stands in the way
    FileDialogTest::queue(folder_.file("taken.pro"));
    trigger(w, "MenSave");
    ASSERT_EQ(MsgBoxTest::shown().size(), 1);
    EXPECT_EQ(MsgBoxTest::shown()[0].text, "Error saving taken.pro");
    EXPECT_EQ(MsgBoxTest::shown()[0].title, "Error");
    EXPECT_TRUE(QFileInfo(folder_.file("taken.pro")).isDir());
}

// ---- Exit ---------------------------------------------------------------------------

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
    ASSERT_EQ(MsgBoxTest::shown().size(), 1);
    EXPECT_EQ(MsgBoxTest::shown()[0].text, "Are  you sure you want to exit the program?");
    EXPECT_EQ(MsgBoxTest::shown()[0].title, "Confirm Exit");
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

// ---- Dialogs ------------------------------------------------------------------

TEST_F(MainWindow, AboutBoxOpensModallyWhileTheTimerWaits)
{
    MainForm w;
    loadShipped(w);
    w.show();
    w.navigationTimer()->start();
    bool timerRan = true;
    QString title, text;
    test::AnswerNextModal([&](QWidget* d) {
        title = d->windowTitle();
        if (auto* box = d->findChild<QPlainTextEdit*>("Text1"))
            text = box->toPlainText();
        timerRan = w.navigationTimer()->isActive();
        test::ClickButton(d, "Ok");
    });
    trigger(w, "MenAbout");
    EXPECT_EQ(title, "About");
    EXPECT_TRUE(text.contains("the VESK maintainers; see README.md")) << text.toStdString();
    EXPECT_FALSE(timerRan);
    EXPECT_TRUE(w.navigationTimer()->isActive());
}

}  // namespace
