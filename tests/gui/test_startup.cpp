// The start-up chain (disclaimer, cost note, program-flow note), the line breaking of its text, and
// where windows open.
#include "shell/formcost.h"
#include "shell/formdisclaim.h"
#include "shell/instruct.h"
#include "shell/mainform.h"

#include "program_folder.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

using namespace vesk;

namespace {

TEST(CentredText, PiecesEndAtTheLastBlankWithinReachOrAfterAFullLine)
{
    // The blank that ends a piece stays with it; one in a piece's first position does not count.
    EXPECT_EQ(CutIntoLines("abc def", 7), QStringList({"abc def"}));
    EXPECT_EQ(CutIntoLines("aaa bbb ccc", 6), QStringList({"aaa ", "bbb ", "ccc"}));
    EXPECT_EQ(CutIntoLines("aaa bbb ccc", 8), QStringList({"aaa bbb ", "ccc"}));
    EXPECT_EQ(CutIntoLines(" abcdefg", 4), QStringList({" abc", "defg"}));
    EXPECT_EQ(CutIntoLines("abcdefghij", 4), QStringList({"abcd", "efgh", "ij"}));
    EXPECT_EQ(CutIntoLines("ab cdefghijkl", 4), QStringList({"ab ", "cdef", "ghij", "kl"}));
}

// Any window, even one made larger than the screen, opens wholly on it.
TEST(WindowPlacement, AWindowLargerThanTheScreenIsMadeToFit)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget big;
    big.resize(available.size() + QSize(300, 200));
    big.show();
    EXPECT_TRUE(available.contains(big.frameGeometry()));
}

class StartupWindows : public test::WindowTest {
protected:
    void TearDown() override
    {
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<ChainWindow*>(w) || qobject_cast<MainForm*>(w))
                windows << w;
        qDeleteAll(windows);
        WindowTest::TearDown();
    }

    // The visible windows of the chain and the main window.
    static QWidgetList openWindows()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidgetList open;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && (qobject_cast<ChainWindow*>(w) || qobject_cast<MainForm*>(w)))
                open << w;
        return open;
    }
    template <class W>
    static W* openWindow()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<W*>(w); found && found->isVisible())
                return found;
        return nullptr;
    }
    static void click(QWidget* w, const char* name)
    {
        auto* b = w->findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        b->click();
    }
    static QString version(const FormDisclaim& w) { return w.findChild<QLabel*>("LbVer")->text(); }
};

TEST_F(StartupWindows, ChainLeadsFromTheDisclaimerToTheMainWindow)
{
    ASSERT_TRUE(folder_.copy(test::kStartupFiles + QStringList{"startup.svg"}));
    int lastClosed = 0;
    QObject guard;
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, &guard, [&] { ++lastClosed; });
    ASSERT_TRUE(QApplication::quitOnLastWindowClosed());

    // In the program's own event loop closing the last window would end it: each window must
    // close its predecessor only once it is shown itself. Each opens where the one before stood,
    // wholly on the screen.
    QStringList seen;
    QList<QRect> frames;
    const auto next = [&] {
        QStringList names;
        for (QWidget* w : openWindows()) {
            names << w->objectName();
            frames << w->frameGeometry();
        }
        seen << names.join('+');
    };
    QTimer::singleShot(0, qApp, [&] {
        auto* disclaimer = new FormDisclaim;
        disclaimer->setAttribute(Qt::WA_DeleteOnClose);
        disclaimer->show();
        disclaimer->move(disclaimer->pos() - QPoint(40, 30));  // moved by the user
        next();
        click(disclaimer, "Command1");
        next();
        if (auto* cost = openWindow<FormCost>())
            click(cost, "Command1");
        next();
        if (auto* note = openWindow<Instruct>())
            click(note, "Command1");
        next();
        // Still running a moment later: the chain did not end the program.
        QTimer::singleShot(100, qApp, [] { QCoreApplication::exit(7); });
    });
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 7);

    EXPECT_EQ(seen, QStringList({"FormDisclaim", "FormCost", "Instruct", "MainForm"}));
    ASSERT_EQ(frames.size(), 4);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (qsizetype i = 0; i < frames.size(); ++i) {
        EXPECT_TRUE(screen.contains(frames[i])) << i;
        EXPECT_EQ(frames[i].center(), frames[std::max<qsizetype>(i - 1, 0)].center()) << i;
    }
    EXPECT_EQ(lastClosed, 0);
    EXPECT_EQ(ended_, 0);
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty());
    auto* main = openWindow<MainForm>();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->navigationTimer()->isActive());
}

TEST_F(StartupWindows, DisclaimerShowsTheVersionOfDefaults)
{
    // Without defaults.txt, or with one too short for the date, the built-in version lines stand.
    EXPECT_EQ(version(FormDisclaim()), "Version 2.3.2\nSeptember 1, 2004");
    ASSERT_TRUE(folder_.write("defaults.txt", "label\r\nlabel\r\n4.1\r\nVersion date\r\n"));
    EXPECT_EQ(version(FormDisclaim()), "Version 2.3.2\nSeptember 1, 2004");
    EXPECT_EQ(G.VersionText, "4.1");

    ASSERT_TRUE(folder_.copy({"defaults.txt", "startup.svg"}));
    FormDisclaim w;
    EXPECT_EQ(version(w), "Version 2.3\nMay 1, 2001");
    EXPECT_FALSE(w.findChild<QLabel*>("Picture2")->pixmap().isNull());
}

// Tab stops only on what shows, in the order of the layout, and each stop shows the focus (a
// default button looks the same with and without it). The cost note starts at the region chosen.
TEST_F(StartupWindows, TabFollowsTheLayoutAndShowsWhereTheFocusIs)
{
    ASSERT_TRUE(folder_.write("bmpath.txt", "/srv/figures\r\n1,0\r\n"));
    FormDisclaim disclaimer;
    FormCost cost;
    for (auto [w, order] : {std::pair<QWidget*, const char*>{&disclaimer, "Command1 Command2 ComHelp Command1"},
                            {&cost, "OptWest Command1 Command2 ComHelp OptWest"}}) {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        QWidget* at = QApplication::focusWidget();
        QStringList stops{at->objectName()};
        for (QImage focused; stops.size() < 6; stops << at->objectName()) {
            QTest::keyClick(at, Qt::Key_Tab);
            if (!focused.isNull()) {
                EXPECT_NE(at->grab().toImage(), focused) << "no focus shown on " << qPrintable(at->objectName());
                if (at->objectName() == stops.first())
                    break;
            }
            at = QApplication::focusWidget();
            focused = at->grab().toImage();
        }
        EXPECT_EQ(stops.join(' '), order);
        w->hide();
    }
}

TEST_F(StartupWindows, ExitEndsTheProgram)
{
    auto* w = new FormDisclaim;
    w->show();
    click(w, "Command2");
    EXPECT_EQ(ended_, 1);
    EXPECT_TRUE(openWindows().isEmpty());

    auto* cost = new FormCost;
    cost->show();
    click(cost, "Command2");
    EXPECT_EQ(ended_, 2);
    EXPECT_FALSE(QFileInfo::exists(folder_.file("bmpath.txt")));
}

// The cost note proposes bmpath.txt's region and units, else the program's folder, Eastern U.S. and
// English units, keeping what a file cut short gave. "Continue" stores the region chosen.
TEST_F(StartupWindows, CostNoteProposesTheSettingsAndStoresTheRegionChosen)
{
    const QByteArray app = folder_.path().toUtf8();
    const struct {
        QByteArray file;
        bool east;
        int16_t metric;
        QByteArray folder, stored;
    } cases[] = {
        {{}, true, 0, app, app + "\r\n0,0\r\n"},
        {"/srv/figures\r\n", true, 0, "/srv/figures", "/srv/figures\r\n0,0\r\n"},
        {"/srv/figures\r\n1,1\r\n", false, -1, "/srv/figures", "/srv/figures\r\n1,1\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        QFile::remove(folder_.file("bmpath.txt"));
        if (!c.file.isEmpty()) {
            ASSERT_TRUE(folder_.write("bmpath.txt", c.file));
        }
        G.MetricUnits = c.metric != 0 ? 0 : -1;  // for the window to replace
        FormCost w;
        EXPECT_EQ(w.findChild<QRadioButton*>("OptEast")->isChecked(), c.east);
        EXPECT_EQ(G.MetricUnits, c.metric);
        EXPECT_EQ(G.BmpPath, c.folder.toStdString());
        w.show();
        click(&w, "Command1");
        EXPECT_EQ(G.EasternMines, c.east ? -1 : 0);
        EXPECT_EQ(folder_.read("bmpath.txt"), c.stored);
    }

    FormCost again;
    again.show();
    again.findChild<QRadioButton*>("OptEast")->click();
    click(&again, "Command1");
    EXPECT_EQ(G.EasternMines, -1);
    EXPECT_EQ(folder_.read("bmpath.txt"), QByteArray("/srv/figures\r\n0,1\r\n"));
}

}  // namespace
