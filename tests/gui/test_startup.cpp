// The start-up chain (disclaimer, cost note, program-flow note) and the text laid out in its pictures.
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
#include <QTimer>

#include <cmath>
#include <tuple>

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

    // Every character is printed once, in order.
    const QString text = FormDisclaim::paragraphs().join(' ');
    for (int L : {1, 7, 40, 53, 68, 200}) {
        const QStringList lines = CutIntoLines(text, L);
        EXPECT_EQ(lines.join(QString()), text) << L;
        for (const QString& line : lines)
            EXPECT_LE(line.size(), L) << L;
    }
}

TEST(CentredText, LinesAreCentredWithTheOffsetAndShadowedInBlack)
{
    EXPECT_EQ(StartupPointSize(96), 12);   // 15 twips per pixel
    EXPECT_EQ(StartupPointSize(120), 10);  // 12: a large-font screen

    PicturePrinter pic(nullptr, 501, StartupFont(96));
    const int e = static_cast<int>(std::nearbyint(pic.textWidth("e")));
    EXPECT_EQ(CharsPerLine(pic), 480 / e);
    PrintCentred(pic, FormCost::paragraphs()[0], 3);
    ASSERT_GT(pic.printed().size(), 2);
    qreal y = 0;
    for (const auto& line : pic.printed()) {
        EXPECT_EQ(line.x, (501 - std::lround(pic.textWidth(line.text))) / 2 + 3) << line.text.toStdString();
        EXPECT_EQ(line.y, y);
        y += pic.lineHeight();
    }

    // A black pass 2 px down and right precedes the yellow one; a blank line precedes each paragraph.
    const QStringList paragraphs = FormDisclaim::paragraphs();
    PicturePrinter shadowed(nullptr, 560, StartupFont(96));
    PrintShadowText(shadowed, paragraphs);
    const auto& all = shadowed.printed();
    ASSERT_EQ(all.size() % 2, 0);
    const qsizetype n = all.size() / 2;
    QStringList printed;
    for (qsizetype i = 0; i < n; ++i) {
        const auto& text = all[n + i];
        EXPECT_EQ(std::make_tuple(all[i].color, all[i].text, all[i].x, all[i].y),
                  std::make_tuple(QColor(Qt::black), text.text, text.x + 2, text.y + 2));
        EXPECT_EQ(text.color, QColor(255, 255, 0));
        printed << text.text;
    }
    EXPECT_EQ(all[n].text, " ");
    EXPECT_EQ(all[n].y, 0);
    EXPECT_EQ(printed.join(QString()), " " + paragraphs[0] + " " + paragraphs[1]);
}

// The title bold and centred, headings bold at the width of "W", items plain at three times that;
// the program-flow note adds two empty lines and a bold hint.
TEST(Outline, HeadingsAndItemsStandAtTheirIndents)
{
    PicturePrinter pic(nullptr, 700, OutlineFont());
    Instruct::print(pic);
    const auto& lines = pic.printed();
    ASSERT_EQ(lines.size(), 18);
    QFont font = OutlineFont();
    font.setBold(true);
    const PicturePrinter bold(nullptr, 0, font);
    const qreal w = std::nearbyint(bold.textWidth("W"));
    const auto line = [&](int i) { return std::make_tuple(lines[i].text, lines[i].bold, lines[i].x); };
    EXPECT_EQ(line(0), std::make_tuple(QString("General Procedure for Support Design and Evaluation"), true,
                                       (700 - bold.textWidth(lines[0].text)) / 2));
    EXPECT_EQ(line(2), std::make_tuple(QString("1. Define Design Criteria"), true, w));
    EXPECT_EQ(line(3), std::make_tuple(QString("- Required roof support capacity"), false, 3 * w));
    EXPECT_EQ(lines[17].text, "Use the \"Next\" buttons to follow the above steps");
    EXPECT_TRUE(lines[17].bold);
    for (qsizetype i = 1; i < lines.size(); ++i)
        EXPECT_GT(lines[i].y, lines[i - 1].y);
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
    // close its predecessor only once it is shown itself.
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
    auto* main = openWindow<MainForm>();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->navigationTimer()->isActive());
    // No step window exists here: the design-basis step opened nothing.
    EXPECT_EQ(G.NextStep, StepNone);
}

TEST_F(StartupWindows, DisclaimerShowsTheVersionOfDefaultsAndTheTextOnThePicture)
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
