// The comparison window over a project of every shipped type: its views, the
// base support, and printing, saving and copying of each view, with what a
// damaged support or a failed file does.
#include "compare/compare.h"
#include "files/comparetext.h"
#include "platform/printing.h"
#include "platform/wmfgenerator.h"

#include "compare/chartpaint.h"
#include "compare/comparepage.h"
#include "platform/palette.h"

#include "designed_project.h"
#include "recording_device.h"
#include "run_tool.h"
#include "program_folder.h"
#include "wmf_check.h"

#include <QClipboard>
#include <QComboBox>
#include <QMenuBar>
#include <QImageReader>
#include <QMimeData>
#include <QScrollBar>
#include <QWheelEvent>

using namespace vesk;
using namespace vesk::test;

namespace {

class CompareTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(folder_.copy(ShippedDataFiles()));
        main_ = std::make_unique<MainForm>();
        main_->formLoad();
        main_->navigationTimer()->stop();
        types_ = DesignEveryShippedType(*main_);
        ASSERT_GE(G.NumCases, 6);
        ASSERT_TRUE(MsgBoxTest::shown().isEmpty()) << messages().join('|').toStdString();
        PrintTest::enable();
        G.ProjName = "Quendril \"North\" mains";
    }
    void TearDown() override
    {
        EXPECT_EQ(PrintTest::pending(), 0);
        PrintTest::disable();
        main_.reset();
        WindowTest::TearDown();
    }

    // The window opened on a view and shown; the plot and chart settings
    // dialogs that come first are closed with "&Ok".
    std::unique_ptr<Compare> open(int view)
    {
        G.CompareView = static_cast<int16_t>(view);
        if (view >= 2)
            AnswerNextModal([](QWidget* dlg) { ClickButton(dlg, "Ok"); });
        auto w = std::make_unique<Compare>();
        w->show();
        w->activate();
        return w;
    }

    static QString pdf(const QString& path, const char* tool)
    {
        const QString program = QString::fromLatin1(tool);
        const ToolRun run = RunTool(program, program == "pdfinfo" ? QStringList{path} : QStringList{path, "-"}, 20000);
        if (!run.ok())
            ADD_FAILURE() << run.report();
        return QString::fromUtf8(run.out);
    }
    static int pages(const QString& info)
    {
        static const QRegularExpression re("Pages:\\s+(\\d+)");
        return re.match(info).captured(1).toInt();
    }
    static bool landscape(const QString& info)
    {
        static const QRegularExpression re("Page size:\\s+([\\d.]+) x ([\\d.]+)");
        const auto m = re.match(info);
        return m.captured(1).toDouble() > m.captured(2).toDouble();
    }

    std::unique_ptr<MainForm> main_;
    std::vector<int16_t> types_;
};

TEST_F(CompareTest, OpensOnEveryViewWithEverySupportsCurve)
{
    auto w = open(0);
    EXPECT_EQ(w->windowTitle(), "Case Comparison");
    EXPECT_EQ(w->helpContext(), 264);
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty()) << messages().join('|').toStdString();
    EXPECT_EQ(w->findChild<QComboBox*>("Combo1")->count(), G.NumCases);
    EXPECT_EQ(G.NextStep, 0);

    // Alt with a button's letter, which the button takes as its shortcut,
    // opens no menu when Alt is let go.
    QTest::keyPress(w.get(), Qt::Key_Alt);
    QKeyEvent letter(QEvent::ShortcutOverride, Qt::Key_S, Qt::AltModifier, "s");
    QApplication::sendEvent(w.get(), &letter);
    w->findChild<QPushButton*>("ComSumm")->click();
    QTest::keyRelease(w.get(), Qt::Key_Alt);
    EXPECT_EQ(std::make_pair(int(w->view()), w->helpContext()), std::make_pair(1, 305));
    EXPECT_EQ(w->findChild<QMenuBar*>()->activeAction(), nullptr);
    AnswerNextModal([](QWidget* dlg) { ClickButton(dlg, "Ok"); });
    w->findChild<QPushButton*>("ComSetup")->click();
    EXPECT_EQ(std::make_pair(int(w->view()), w->helpContext()), std::make_pair(2, 298));
    EXPECT_FALSE(w->findChild<QScrollBar*>("HScroll1")->isVisible());
    AnswerNextModal([](QWidget* dlg) { ClickButton(dlg, "Ok"); });
    w->findChild<QPushButton*>("ComChart")->click();
    EXPECT_EQ(std::make_pair(int(w->view()), w->helpContext()), std::make_pair(3, 262));
    EXPECT_TRUE(w->findChild<QWidget*>("MSChart")->isVisible());
    EXPECT_EQ(w->chart().values.size(), static_cast<std::size_t>(G.NumCases));
    EXPECT_EQ(G.CompareView, 3);
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty()) << messages().join('|').toStdString();

    w->findChild<QPushButton*>("ComSupps")->click();
    EXPECT_EQ(G.NextStep, 3);
}

TEST_F(CompareTest, ABaseSupportOfThreePutsItFirst)
{
    auto w = open(0);
    auto* combo = w->findChild<QComboBox*>("Combo1");
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_EQ(w->baseCase(), 3);
    const ColumnOrder& cols = w->doc().colCase;
    EXPECT_EQ(std::vector<int>(cols.begin() + 1, cols.begin() + 5), std::vector<int>({3, 1, 2, 4}));
    EXPECT_EQ(w->doc().text[0][1], "Base support");
    EXPECT_EQ(w->doc().text[0][2], "Support 1");

    AnswerNextModal([](QWidget* dlg) { ClickButton(dlg, "Ok"); });
    w->findChild<QPushButton*>("ComChart")->click();
    ASSERT_GE(w->chart().rowLabels.size(), 3u) << w->chart().error << messages().join('|').toStdString();
    EXPECT_EQ(w->chart().rowLabels[0], "Base");
    EXPECT_EQ(w->chart().rowLabels[1], "1");
    EXPECT_EQ(w->chart().legend[0], "Base Support - " + G.CaseName[3]);
}

TEST_F(CompareTest, PrintsEachViewOnItsOwnPages)
{
    const auto allNames = [](const QString& text) {
        for (int k = 1; k <= G.NumCases; ++k)
            if (!text.contains(qs(G.CaseName[static_cast<std::size_t>(k)])))
                return false;
        return true;
    };

    auto w = open(0);
    const QString table = folder_.file("table.pdf");
    PrintTest::queue(table);
    w->printView();
    QString info = pdf(table, "pdfinfo");
    EXPECT_TRUE(landscape(info)) << info.toStdString();
    EXPECT_EQ(pages(info), 2) << info.toStdString();
    QString text = pdf(table, "pdftotext");
    EXPECT_TRUE(text.contains("VESK - Quendril"));
    EXPECT_TRUE(text.contains("Quendril \"North\" mains"));
    EXPECT_TRUE(allNames(text)) << text.toStdString();

    w->findChild<QPushButton*>("ComSumm")->click();
    const QString summary = folder_.file("summary.pdf");
    PrintTest::queue(summary);
    w->printView();
    info = pdf(summary, "pdfinfo");
    EXPECT_FALSE(landscape(info));
    text = pdf(summary, "pdftotext");
    EXPECT_TRUE(text.contains("Design Criteria"));
    EXPECT_TRUE(allNames(text)) << text.toStdString();

    AnswerNextModal([](QWidget* dlg) { ClickButton(dlg, "Ok"); });
    w->findChild<QPushButton*>("ComSetup")->click();
    const QString plot = folder_.file("plot.pdf");
    PrintTest::queue(plot);
    w->printView();
    info = pdf(plot, "pdfinfo");
    EXPECT_TRUE(landscape(info));
    EXPECT_EQ(pages(info), 1);
    text = pdf(plot, "pdftotext");
    EXPECT_TRUE(text.contains("VESK - Performance Curves for All Supports"));
    EXPECT_TRUE(allNames(text));

    AnswerNextModal([](QWidget* dlg) { ClickButton(dlg, "Ok"); });
    w->findChild<QPushButton*>("ComChart")->click();
    const QString chart = folder_.file("chart.pdf");
    PrintTest::queue(chart);
    w->printView();
    info = pdf(chart, "pdfinfo");
    EXPECT_FALSE(landscape(info));
    EXPECT_EQ(pages(info), 1);
    text = pdf(chart, "pdftotext");
    EXPECT_TRUE(text.contains("VESK - Quendril"));
    EXPECT_TRUE(text.contains("Base Support - "));
    EXPECT_TRUE(allNames(text)) << text.toStdString();

    // Cancel in the print dialog prints nothing.
    PrintTest::queue(QString());
    w->printView();
    EXPECT_EQ(PrintTest::asked(), 5);
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty()) << messages().join('|').toStdString();
}

TEST_F(CompareTest, SavesAndCopiesEachViewAsItsKindOfFile)
{
    auto w = open(0);
    const QString txt = folder_.file("table.txt");
    FileDialogTest::queue(txt);
    w->saveView();
    EXPECT_EQ(folder_.read("table.txt").toStdString(), CompareTextBytes(w->doc()));
    w->copyView();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), CompareClipText(w->doc()));

    // A save that fails names the file; a cancelled one says nothing.
    FileDialogTest::queue(folder_.file("no such folder/table.txt"));
    w->saveView();
    ASSERT_EQ(MsgBoxTest::shown().size(), 1);
    EXPECT_TRUE(MsgBoxTest::shown()[0].text.startsWith("Error saving table.txt"));
    MsgBoxTest::clear();
    FileDialogTest::queue(QString());
    w->saveView();
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty());

    // The plot is a bitmap even under a metafile's name.
    AnswerNextModal([](QWidget* dlg) { ClickButton(dlg, "Ok"); });
    w->findChild<QPushButton*>("ComSetup")->click();
    FileDialogTest::queue(folder_.file("plot.wmf"));
    w->saveView();
    EXPECT_TRUE(folder_.read("plot.wmf").startsWith("BM"));
    QImage saved(folder_.file("plot.wmf"), "BMP");
    EXPECT_EQ(saved.size(), w->findChild<QWidget*>("Picture1")->size());
    w->copyView();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), saved.size());

    // The chart: a bitmap or a metafile, a square of the chart's height.
    AnswerNextModal([](QWidget* dlg) { ClickButton(dlg, "Ok"); });
    w->findChild<QPushButton*>("ComChart")->click();
    // Saving and printing the chart leave the clipboard alone.
    QGuiApplication::clipboard()->setText("kept");
    const QSize square = w->chartCopySize();
    EXPECT_EQ(square.width(), w->findChild<QWidget*>("MSChart")->height());
    FileDialogTest::queue(folder_.file("chart.bmp"));
    w->saveView();
    EXPECT_EQ(QImage(folder_.file("chart.bmp"), "BMP").size(), square);
    FileDialogTest::queue(folder_.file("chart.WMF"));
    w->saveView();
    const QByteArray wmf = folder_.read("chart.WMF");
    EXPECT_TRUE(wmf.startsWith(QByteArray::fromHex("d7cdc69a")));
    PrintTest::queue(folder_.file("chart.pdf"));
    w->printView();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty()) << messages().join('|').toStdString();

    w->copyView();
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(clip);
    EXPECT_TRUE(clip->hasImage());
    EXPECT_EQ(clip->data(kWmfMimeType), wmf);
}

TEST_F(CompareTest, ASupportWithoutSpacingStopsTheTableOncePerView)
{
    G.Cases[2].Spacing = 0;
    QGuiApplication::clipboard()->setText("kept");
    auto w = open(0);
    ASSERT_EQ(MsgBoxTest::shown().size(), 1);
    EXPECT_EQ(MsgBoxTest::shown()[0].text, "Support 1 spacing invalid");
    EXPECT_EQ(MsgBoxTest::shown()[0].title, "Attention");
    // Resizing and repainting ask nothing again.
    w->resize(w->width() + 50, w->height() + 40);
    QCoreApplication::processEvents();
    w->findChild<QWidget*>("Picture1")->repaint();
    EXPECT_EQ(MsgBoxTest::shown().size(), 1);

    // The commands say why they cannot go on: no printer is asked for, no
    // file written, the clipboard left as it was.
    MsgBoxTest::clear();
    w->printView();
    w->saveView();
    w->copyView();
    EXPECT_EQ(MsgBoxTest::shown().size(), 3);
    EXPECT_EQ(PrintTest::asked(), 0);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");

    // The chart reports it under its own title.
    MsgBoxTest::clear();
    AnswerNextModal([](QWidget* dlg) { ClickButton(dlg, "Ok"); });
    w->findChild<QPushButton*>("ComChart")->click();
    ASSERT_EQ(MsgBoxTest::shown().size(), 1);
    EXPECT_EQ(MsgBoxTest::shown()[0].title, "Error plotting chart");
    EXPECT_EQ(MsgBoxTest::shown()[0].text, "Support 1 spacing invalid");
    w->resize(w->width() - 50, w->height());
    w->findChild<QWidget*>("MSChart")->repaint();
    EXPECT_EQ(MsgBoxTest::shown().size(), 1);
}

TEST_F(CompareTest, AModelFileThatFailsIsReportedOnceAndItsCurveLeftEmpty)
{
    int16_t fileType = 0;
    for (int k = 1; k <= G.NumCases && fileType == 0; ++k)
        if (G.CaseType[static_cast<std::size_t>(k)] >= 7)
            fileType = G.CaseType[static_cast<std::size_t>(k)];
    ASSERT_GT(fileType, 0);
    const QString file = qs(G.TypeFile[static_cast<std::size_t>(fileType)]);
    ASSERT_TRUE(folder_.write(file, "not a model file\r\n"));
    auto w = open(0);
    ASSERT_GE(MsgBoxTest::shown().size(), 1);
    EXPECT_TRUE(MsgBoxTest::shown()[0].text.startsWith("Error reading " + file + "\n"));
    int empty = 0;
    for (int k = 1; k <= G.NumCases; ++k)
        empty += G.Cases[static_cast<std::size_t>(k)].NumPts == 0;
    EXPECT_GE(empty, 1);
    const int shown = static_cast<int>(MsgBoxTest::shown().size());
    AnswerNextModal([](QWidget* dlg) { ClickButton(dlg, "Ok"); });
    w->findChild<QPushButton*>("ComSetup")->click();
    w->findChild<QWidget*>("Picture1")->repaint();
    EXPECT_EQ(MsgBoxTest::shown().size(), shown);
}

TEST_F(CompareTest, AWideWindowShowsThePageWithoutItsHorizontalBar)
{
    auto w = open(0);
    w->resize(1400, 500);
    QCoreApplication::processEvents();
    EXPECT_FALSE(w->findChild<QScrollBar*>("HScroll1")->isVisible());
    EXPECT_TRUE(w->findChild<QScrollBar*>("VScroll1")->isVisible());
    EXPECT_EQ(w->findChild<QWidget*>("Picture1")->width(), w->page().width());
    w->resize(600, 400);
    QCoreApplication::processEvents();
    auto* h = w->findChild<QScrollBar*>("HScroll1");
    EXPECT_TRUE(h->isVisible());
    h->setValue(100);
    EXPECT_EQ(w->scroll(), QPoint(100, 0));
}

// A rendering stopped by a support keeps the page shown before; a finished one hands the focus to the
// vertical scroll bar.
TEST_F(CompareTest, AStoppedTableKeepsItsPageAndANewBaseFocusesTheScrollBar)
{
    auto w = open(0);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    auto* combo = w->findChild<QComboBox*>("Combo1");
    auto* picture = w->findChild<QWidget*>("Picture1");
    auto* vbar = w->findChild<QScrollBar*>("VScroll1");
    ASSERT_TRUE(vbar->isVisible());
    combo->setFocus();
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_TRUE(vbar->hasFocus());
    const QImage before = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(before, w->page().copy(QRect(QPoint(0, 0), before.size())).convertToFormat(QImage::Format_RGB32));

    G.Cases[3].Spacing = 0;
    combo->setFocus();
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    ASSERT_EQ(messages(), QStringList{"Attention: Support 2 spacing invalid"});
    EXPECT_EQ(picture->grab().toImage().convertToFormat(QImage::Format_RGB32), before) << "not a blank view";
    EXPECT_TRUE(combo->hasFocus());
}

// The wheel scrolls the table and the summary by lines: as many lines a notch as the desktop sets, a
// line of text down, 25 pixels across.
TEST_F(CompareTest, TheWheelScrollsTheTableAndTheSummary)
{
    auto w = open(1);
    w->resize(600, 400);
    QCoreApplication::processEvents();
    auto* picture = w->findChild<QWidget*>("Picture1");
    const int lines = QApplication::wheelScrollLines();
    const int lh = CompareLineHeight(picture->logicalDpiY());
    const auto turn = [&](QPoint delta) {
        QWheelEvent e(QPointF(10, 10), picture->mapToGlobal(QPointF(10, 10)), QPoint(), delta, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(picture, &e);
    };
    turn(QPoint(0, -120));  // towards the user: down
    EXPECT_EQ(w->scroll(), QPoint(0, lines * lh));
    EXPECT_EQ(w->findChild<QScrollBar*>("VScroll1")->value(), lines * lh);
    turn(QPoint(-120, 0));
    EXPECT_EQ(w->scroll(), QPoint(lines * 25, lines * lh));
    turn(QPoint(0, 240));  // past the top
    EXPECT_EQ(w->scroll(), QPoint(lines * 25, 0));

    w->findChild<QPushButton*>("ComView")->click();
    turn(QPoint(0, -120));
    EXPECT_EQ(w->scroll(), QPoint(0, lines * lh));
}

// Made as small as it goes, nothing in the window stands over anything else, in the table and the
// chart views; it still grows as the user pulls it.
TEST_F(CompareTest, AtItsSmallestNothingOverlaps)
{
    auto w = open(0);
    const auto overlaps = [&] {
        QStringList out;
        QList<QWidget*> parts;
        for (const char* name : {"ComView", "ComSumm", "ComSetup", "ComChart", "ComSupps", "ComDone", "ComHelp",
                                 "Label1", "Label2", "Label3", "Combo1", "ViewArea"})
            parts << w->findChild<QWidget*>(name);
        const QRect inside = w->rect();
        for (int i = 0; i < parts.size(); ++i) {
            const QRect a(parts[i]->mapTo(w.get(), QPoint(0, 0)), parts[i]->size());
            if (!inside.contains(a))
                out << parts[i]->objectName() + " outside";
            for (int j = i + 1; j < parts.size(); ++j)
                if (a.intersects(QRect(parts[j]->mapTo(w.get(), QPoint(0, 0)), parts[j]->size())))
                    out << parts[i]->objectName() + "/" + parts[j]->objectName();
        }
        // The legend strip and the chart, the page and its scroll bars.
        const QList<QWidget*> views = {w->findChild<QWidget*>("Picture1"), w->findChild<QWidget*>("MSChart"),
                                       w->findChild<QWidget*>("HScroll1"), w->findChild<QWidget*>("VScroll1")};
        for (int i = 0; i < views.size(); ++i)
            for (int j = i + 1; j < views.size(); ++j)
                if (views[i]->isVisible() && views[j]->isVisible() &&
                    views[i]->geometry().intersects(views[j]->geometry()))
                    out << views[i]->objectName() + "/" + views[j]->objectName();
        return out.join(' ');
    };
    w->resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(overlaps(), "");
    EXPECT_GT(w->findChild<QWidget*>("Picture1")->height(), 100);
    AnswerNextModal([](QWidget* dlg) { ClickButton(dlg, "Ok"); });
    w->findChild<QPushButton*>("ComChart")->click();
    w->resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(overlaps(), "");
    EXPECT_GT(w->findChild<QWidget*>("MSChart")->height(), 50);

    w->resize(1000, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->size(), QSize(1000, 700));
}

// A cost of 3e38 $: the chart says why it cannot be drawn when it is chosen, and again instead of
// printing; the table shows the value cut short in its column, never over its label.
TEST_F(CompareTest, ACostBeyondTheChartsAxisIsReportedAndStaysInItsCell)
{
    G.Cases[1].ConstrCost = G.Cases[1].TotCost = 3e38f;
    G.ChartCat = 3, G.ChartParm = 1;
    auto w = open(3);
    ASSERT_EQ(messages(), QStringList{"Error plotting chart: Overflow"});
    w->findChild<QWidget*>("MSChart")->repaint();
    w->printView();
    EXPECT_EQ(PrintTest::asked(), 0);
    EXPECT_EQ(messages(), (QStringList{"Error plotting chart: Overflow", "Error plotting chart: Overflow"}));

    // The table: the page is the one of short texts in those cells but within their column, where
    // something is shown.
    const CompareDoc big = BuildTableDoc(1);
    ASSERT_GE(big.text[6][1].size(), 39u) << big.text[6][1];
    const QImage wide = PaintComparePage(big, true, 96);
    CompareDoc shortDoc = big;
    shortDoc.text[6][1] = shortDoc.text[10][1] = "1";  // the total cost a support and a foot of entry
    const QImage plain = PaintComparePage(shortDoc, true, 96);
    constexpr int kLabels = 188, kColumn = 68;  // at 96 dots to the inch
    EXPECT_EQ(wide.copy(0, 0, kLabels, wide.height()), plain.copy(0, 0, kLabels, plain.height()));
    EXPECT_EQ(wide.copy(kLabels + kColumn, 0, wide.width() - kLabels - kColumn, wide.height()),
              plain.copy(kLabels + kColumn, 0, plain.width() - kLabels - kColumn, plain.height()))
        << "nor over the other columns";
    EXPECT_NE(wide.copy(kLabels, 0, kColumn, wide.height()), plain.copy(kLabels, 0, kColumn, plain.height()));
}

}  // namespace

namespace {

// The metafile of the stacked cost chart holds what the screen shows: as
// many bars of each colour, the same height ratios, the same texts; and it
// reads back whole, in our own walk and in libwmf's.
TEST_F(CompareTest, ChartMetafileMatchesTheScreenChart)
{
    G.ChartCat = 3;
    G.ChartParm = 1;
    auto w = open(3);
    ASSERT_EQ(w->chart().series, 3);
    const QSize size = w->chartCopySize();
    const QByteArray bytes = w->chartMetafile(size);

    const WmfPicture wmf = ReadWmf(bytes);
    EXPECT_TRUE(wmf.faults.isEmpty()) << wmf.faults.join('\n').toStdString();
    EXPECT_EQ(wmf.bounds, QRect(QPoint(0, 0), size));
    EXPECT_GE(wmf.objects, wmf.peakObjects);
    const ToolRun svg = RunWmf2Svg(bytes);
    ASSERT_TRUE(svg.ok()) << svg.report();
    EXPECT_TRUE(svg.errors.isEmpty()) << svg.errors.toStdString();
    const SvgPicture picture = ReadSvg(svg.out);

    RecordingDevice screen(size.width(), size.height());
    {
        QPainter p(&screen);
        PaintChart(p, QRect(QPoint(0, 0), size), w->chart());
    }
    // Bars by colour: their heights, largest first.
    const auto heightsOf = [](const auto& shapes, const QColor& colour, auto rectOf) {
        std::vector<double> h;
        for (const auto& s : shapes)
            if (rectOf(s).width() > 12 && rectOf(s).height() >= 19 && s.fill == colour)  // bars, not legend boxes
                h.push_back(rectOf(s).height());
        std::sort(h.rbegin(), h.rend());
        return h;
    };
    int measured = 0;
    for (int s = 0; s < 3; ++s) {
        const QColor colour = QBColor(w->chart().colours[static_cast<std::size_t>(s)]);
        std::vector<double> painted;
        for (const RecordedFill& f : screen.engine().fills)
            if (f.colour == colour && f.rect.width() > 12 && f.rect.height() >= 20)
                painted.push_back(f.rect.height());
        std::sort(painted.rbegin(), painted.rend());
        const std::vector<double> read =
            heightsOf(picture.shapes, colour, [](const SvgShape& sh) { return sh.points.boundingRect(); });
        const std::vector<double>& readBars = read;
        ASSERT_EQ(readBars.size(), painted.size()) << s;
        if (painted.empty())
            continue;  // parts too thin to measure
        ++measured;
        // Within 1 %, beyond the metafile's rounding to whole pixels.
        for (std::size_t i = 0; i < painted.size(); ++i)
            EXPECT_NEAR(readBars[i] / readBars[0], painted[i] / painted[0], 0.01 + 1.0 / readBars[0]) << s << " " << i;
    }
    EXPECT_GE(measured, 2);
    QStringList texts;
    for (const SvgText& t : picture.texts)
        texts << t.text;
    for (const QString& t : screen.texts())
        EXPECT_TRUE(texts.join(' ').contains(t.trimmed())) << t.toStdString();
    EXPECT_TRUE(texts.contains(qs(w->chart().title)));
}

}  // namespace
