// The start-up chain (disclaimer, cost note, program-flow note) and the text
// laid out in its pictures.
#include "model/globals.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/qtext.h"
#include "shell/formcost.h"
#include "shell/formdisclaim.h"
#include "shell/instruct.h"
#include "shell/mainform.h"
#include "shell/startup.h"
#include "shell/steps.h"

#include "program_folder.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>

using namespace vesk;
using vesk::test::ProgramFolder;

namespace {

// ---- Text layout ------------------------------------------------------------------

TEST(CentredText, LinesBreakAfterTheLastBlankWithinReach)
{
    EXPECT_EQ(CutIntoLines("abc def", 7), QStringList({"abc def"}));
    // "aaa bbb ccc": with 6 per line the first piece reaches "aaa bb" and
    // ends at its blank, which stays with it.
    EXPECT_EQ(CutIntoLines("aaa bbb ccc", 6), QStringList({"aaa ", "bbb ", "ccc"}));
    EXPECT_EQ(CutIntoLines("aaa bbb ccc", 8), QStringList({"aaa bbb ", "ccc"}));
    // A blank in the first position of a piece does not count.
    EXPECT_EQ(CutIntoLines(" abcdefg", 4), QStringList({" abc", "defg"}));
}

TEST(CentredText, RunWithoutBlankIsCutAfterAFullLine)
{
    EXPECT_EQ(CutIntoLines("abcdefghij", 4), QStringList({"abcd", "efgh", "ij"}));
    EXPECT_EQ(CutIntoLines("ab cdefghijkl", 4), QStringList({"ab ", "cdef", "ghij", "kl"}));
}

TEST(CentredText, EveryCharacterIsPrintedOnceInOrder)
{
    const QString text = FormDisclaim::paragraphs().join(' ');
    for (int L : {1, 7, 40, 53, 68, 200}) {
        const QStringList lines = CutIntoLines(text, L);
        EXPECT_EQ(lines.join(QString()), text) << L;
        for (const QString& line : lines)
            EXPECT_LE(line.size(), L) << L;
    }
}

TEST(CentredText, LinesAreCentredWithTheOffset)
{
    PicturePrinter pic(nullptr, 501, StartupFont(96));
    const int e = static_cast<int>(std::nearbyint(pic.textWidth("e")));
    EXPECT_EQ(CharsPerLine(pic), 480 / e);
    PrintCentred(pic, FormCost::paragraphs()[0], 3);
    ASSERT_GT(pic.printed().size(), 2);
    qreal y = 0;
    for (const auto& line : pic.printed()) {
        const long w = std::lround(pic.textWidth(line.text));
        EXPECT_EQ(line.x, (501 - w) / 2 + 3) << line.text.toStdString();
        EXPECT_EQ(line.y, y);
        y += pic.lineHeight();
    }
}

TEST(CentredText, ShadowPassPrecedesTheYellowText)
{
    const QStringList paragraphs = FormDisclaim::paragraphs();
    PicturePrinter pic(nullptr, 560, StartupFont(96));
    PrintShadowText(pic, paragraphs);
    const auto& all = pic.printed();
    ASSERT_EQ(all.size() % 2, 0);
    const qsizetype n = all.size() / 2;
    for (qsizetype i = 0; i < n; ++i) {
        const auto& shadow = all[i];
        const auto& text = all[n + i];
        EXPECT_EQ(shadow.color, QColor(Qt::black));
        EXPECT_EQ(text.color, QColor(255, 255, 0));
        EXPECT_EQ(shadow.text, text.text);
        EXPECT_EQ(shadow.x, text.x + 2);
        EXPECT_EQ(shadow.y, text.y + 2);
    }
    // Each pass: a blank line, paragraph 1, a blank line, paragraph 2.
    EXPECT_EQ(all[n].text, " ");
    EXPECT_EQ(all[n].y, 0);
    QStringList printed;
    for (qsizetype i = n; i < all.size(); ++i)
        printed << all[i].text;
    EXPECT_EQ(printed.join(QString()), " " + paragraphs[0] + " " + paragraphs[1]);
}

TEST(CentredText, LargeFontScreensGetTheSmallerText)
{
    EXPECT_EQ(StartupPointSize(96), 12);   // 15 twips per pixel
    EXPECT_EQ(StartupPointSize(72), 12);   // 20
    EXPECT_EQ(StartupPointSize(120), 10);  // 12
    EXPECT_EQ(StartupPointSize(144), 10);
}

TEST(Outline, HeadingsAndItemsStandAtTheirIndents)
{
    PicturePrinter pic(nullptr, 700, OutlineFont());
    Instruct::print(pic);
    const auto& lines = pic.printed();
    ASSERT_EQ(lines.size(), 18);
    QFont bold = OutlineFont();
    bold.setBold(true);
    const qreal w = std::nearbyint(PicturePrinter(nullptr, 0, bold).textWidth("W"));
    EXPECT_EQ(lines[0].text, "General Procedure for Support Design and Evaluation");
    EXPECT_TRUE(lines[0].bold);
    EXPECT_DOUBLE_EQ(lines[0].x, (700 - PicturePrinter(nullptr, 0, bold).textWidth(lines[0].text)) / 2);
    EXPECT_EQ(lines[2].text, "1. Define Design Criteria");
    EXPECT_TRUE(lines[2].bold);
    EXPECT_EQ(lines[2].x, w);
    EXPECT_EQ(lines[3].text, "- Required roof support capacity");
    EXPECT_FALSE(lines[3].bold);
    EXPECT_EQ(lines[3].x, 3 * w);
    // The program-flow note adds two empty lines and the bold hint.
    EXPECT_EQ(lines[15].text, " ");
    EXPECT_EQ(lines[16].text, " ");
    EXPECT_EQ(lines[17].text, "Use the \"Next\" buttons to follow the above steps");
    EXPECT_TRUE(lines[17].bold);
    for (qsizetype i = 1; i < lines.size(); ++i)
        EXPECT_GT(lines[i].y, lines[i - 1].y);
}

// ---- The windows -------------------------------------------------------------------

class StartupWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        ASSERT_TRUE(folder_.isValid());
        folder_.use();
        cwd_ = QDir::currentPath();
        MsgBoxTest::enable();
        ClearStepOpeners();
        SetEndProgramHook([this] { ++ended_; });
    }
    void TearDown() override
    {
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<ChainWindow*>(w) || qobject_cast<MainForm*>(w))
                windows << w;
        qDeleteAll(windows);
        MsgBoxTest::disable();
        SetEndProgramHook({});
        CloseHelpWindow();
        QDir::setCurrent(cwd_);
        ResetGlobals();
    }

    // The visible windows of the chain and the main window.
    static QStringList openWindows()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList names;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && (qobject_cast<ChainWindow*>(w) || qobject_cast<MainForm*>(w)))
                names << w->objectName();
        return names;
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

    ProgramFolder folder_;
    QString cwd_;
    int ended_ = 0;
};

TEST_F(StartupWindows, ChainLeadsFromTheDisclaimerToTheMainWindow)
{
    ASSERT_TRUE(folder_.copy(test::kStartupFiles + QStringList{"startup.svg"}));
    int lastClosed = 0;
    QObject guard;
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, &guard, [&] { ++lastClosed; });
    ASSERT_TRUE(QApplication::quitOnLastWindowClosed());

    // The chain runs in the program's own event loop, where closing the last
    // window would end it: each window must close its predecessor only once
    // it is shown itself.
    QStringList seen;
    QTimer::singleShot(0, qApp, [&] {
        auto* disclaimer = new FormDisclaim;
        disclaimer->setAttribute(Qt::WA_DeleteOnClose);
        disclaimer->show();
        seen << openWindows().join('+');
        click(disclaimer, "Command1");
        seen << openWindows().join('+');
        if (auto* cost = openWindow<FormCost>())
            click(cost, "Command1");
        seen << openWindows().join('+');
        if (auto* note = openWindow<Instruct>())
            click(note, "Command1");
        seen << openWindows().join('+');
        // Still running a moment later: the chain did not end the program.
        QTimer::singleShot(100, qApp, [] { QCoreApplication::exit(7); });
    });
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 7);

    EXPECT_EQ(seen, QStringList({"FormDisclaim", "FormCost", "Instruct", "MainForm"}));
    EXPECT_EQ(lastClosed, 0);
    EXPECT_EQ(ended_, 0);
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty());
    EXPECT_EQ(G.EasternMines, -1);
    EXPECT_EQ(folder_.read("bmpath.txt"), (folder_.path() + "\r\n0,0\r\n").toUtf8());
    auto* main = openWindow<MainForm>();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->navigationTimer()->isActive());
    // No step window exists here: the design-basis step opened nothing.
    EXPECT_EQ(G.NextStep, StepNone);
}

TEST_F(StartupWindows, DisclaimerShowsTheVersionAndTheText)
{
    ASSERT_TRUE(folder_.copy({"defaults.txt", "startup.svg"}));
    FormDisclaim w;
    EXPECT_EQ(w.windowTitle(), "VESK-Quendril");
    EXPECT_EQ(w.findChild<QLabel*>("Label2")->text(), "DISCLAIMER");
    EXPECT_EQ(w.findChild<QLabel*>("LbVer")->text(), "Version 2.3\nMay 1, 2001");
    EXPECT_FALSE(w.findChild<QLabel*>("Picture2")->pixmap().isNull());
    EXPECT_TRUE(w.findChild<QLabel*>("Picture2")->isHidden());

    const QStringList p = FormDisclaim::paragraphs();
    ASSERT_EQ(p.size(), 2);
    EXPECT_TRUE(p[0].startsWith("This QZR/QUORL developed software is provided \"as is\" without warranty of any kind "
                                "including express"));
    EXPECT_TRUE(p[0].endsWith("this software in whole or in part."));
    EXPECT_TRUE(p[1].endsWith("can be directed to the VESK maintainers; see README.md."));

    // The yellow text shows on the picture.
    w.show();
    auto* picture = w.findChild<PictureBox*>("Picture1");
    ASSERT_NE(picture, nullptr);
    const QImage image = picture->render();
    int yellow = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            yellow += c.red() > 200 && c.green() > 200 && c.blue() < 80;
        }
    EXPECT_GT(yellow, 500);
}

TEST_F(StartupWindows, VersionFallsBackWhenDefaultsAreShort)
{
    {
        FormDisclaim w;
        EXPECT_EQ(w.findChild<QLabel*>("LbVer")->text(), "Version 2.3.2\nSeptember 1, 2004");
    }
    ASSERT_TRUE(folder_.write("defaults.txt", "label\r\nlabel\r\n4.1\r\nVersion date\r\n"));
    FormDisclaim w;
    EXPECT_EQ(w.findChild<QLabel*>("LbVer")->text(), "Version 2.3.2\nSeptember 1, 2004");
    EXPECT_EQ(G.VersionText, "4.1");
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

TEST_F(StartupWindows, CostNoteWithoutSettingsProposesEasternAndEnglish)
{
    G.MetricUnits = -1;
    FormCost w;
    EXPECT_EQ(w.findChild<QLabel*>("Label2")->text(), "A Note on Cost Estimates");
    EXPECT_TRUE(w.findChild<QRadioButton*>("OptEast")->isChecked());
    EXPECT_EQ(G.MetricUnits, 0);
    EXPECT_EQ(G.BmpPath, G.AppPath);
    w.show();
    click(&w, "Command1");
    EXPECT_EQ(G.EasternMines, -1);
    EXPECT_EQ(folder_.read("bmpath.txt"), (folder_.path() + "\r\n0,0\r\n").toUtf8());
}

TEST_F(StartupWindows, CostNoteTakesRegionAndUnitsFromTheSettings)
{
    ASSERT_TRUE(folder_.write("bmpath.txt", "/srv/figures\r\n1,1\r\n"));
    FormCost w;
    EXPECT_TRUE(w.findChild<QRadioButton*>("OptWest")->isChecked());
    EXPECT_EQ(G.MetricUnits, -1);
    EXPECT_EQ(G.BmpPath, "/srv/figures");
    w.show();
    click(&w, "Command1");
    EXPECT_EQ(G.EasternMines, 0);
    EXPECT_EQ(folder_.read("bmpath.txt"), QByteArray("/srv/figures\r\n1,1\r\n"));

    // The region chosen is what counts.
    FormCost again;
    again.show();
    again.findChild<QRadioButton*>("OptEast")->click();
    click(&again, "Command1");
    EXPECT_EQ(G.EasternMines, -1);
    EXPECT_EQ(folder_.read("bmpath.txt"), QByteArray("/srv/figures\r\n0,1\r\n"));
}

TEST_F(StartupWindows, CostNoteKeepsWhatWasReadBeforeAFailure)
{
    ASSERT_TRUE(folder_.write("bmpath.txt", "/srv/figures\r\n"));
    G.MetricUnits = -1;
    FormCost w;
    EXPECT_EQ(G.BmpPath, "/srv/figures");
    EXPECT_TRUE(w.findChild<QRadioButton*>("OptEast")->isChecked());
    EXPECT_EQ(G.MetricUnits, 0);
}

}  // namespace
