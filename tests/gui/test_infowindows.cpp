// The figure viewer and the loading display opened from the information center over the shipped data and
// the bitmap folder of a first start: every type's and the laboratory's texts, figures and photos.
#include "files/datafiles.h"
#include "shell/failplot.h"
#include "shell/forminfo.h"
#include "shell/formpic.h"

#include "program_folder.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>

using namespace vesk;

namespace {

bool hinted(QWidget* w) { return !w->findChild<QLabel*>("LbNoPic")->isHidden(); }

void press(QWidget* w, const char* name) { w->findChild<QPushButton*>(name)->click(); }

// What the window opened by the button showed, as `look` saw it before closing it.
QString opened(FormInfo& info, const char* button, const std::function<QString(QWidget*)>& look)
{
    QString seen;
    test::AnswerNextModal([&](QWidget* w) {
        seen = look(w);
        press(w, "ComDone");
    });
    press(&info, button);
    return seen;
}

// The viewer's title; "T" and "M" for the considerations and the manufacturer list; then figure by figure
// "L" for one larger than the view, "s" for a smaller one, "?" for a hint.
QString figures(QWidget* w)
{
    QString seen = w->windowTitle() + ": ";
    seen += w->findChild<QPlainTextEdit*>("Text1")->toPlainText().isEmpty() ? "" : "T";
    seen += w->findChild<QListWidget*>("List2")->count() > 0 ? "M " : " ";
    for (int k = 1; k <= static_cast<FormPic*>(w)->numFigs(); ++k) {
        if (k > 1)
            press(w, "ComNext");
        const bool larger = w->findChild<QScrollBar*>("HScroll1")->isEnabled() &&
                            w->findChild<QScrollBar*>("VScroll1")->isEnabled();
        seen += hinted(w) ? "?" : larger ? "L" : "s";
    }
    return seen;
}

// The number of photo steps of each loading model; "?" for a step without its photo, its load or its marker.
QString steps(QWidget* w)
{
    auto* plot = static_cast<FailPlot*>(w);
    auto* combo = w->findChild<QComboBox*>("ComboModel");
    QString seen;
    for (int m = 0; m < combo->count(); ++m) {
        combo->setCurrentIndex(m);
        emit combo->activated(m);
        seen += QString::number(plot->numSteps());
        for (int s = 1; s <= plot->numSteps(); ++s) {
            if (s > 1)
                press(w, "ComNext");
            const QString load = w->findChild<QLabel*>("LabTons")->text();
            if (hinted(w) || load.isEmpty() || load == "-" || !plot->marker())
                seen += "?";
        }
    }
    return seen;
}

using InfoWindowsTest = test::WindowTest;

}  // namespace

TEST_F(InfoWindowsTest, EveryShippedTypeAndTheLaboratoryWithTheirTextsFiguresAndPhotos)
{
    ASSERT_TRUE(folder_.copy(test::ShippedDataFiles()));
    ASSERT_FALSE(ReadConfig());
    ASSERT_EQ(ReadBmpPath(), 0);  // a first start: the program's folder
    FormInfo info;
    info.show();
    int longSeries = 0;
    for (int t = 1; t <= G.NumTypes; ++t) {
        for (auto* combo : info.findChildren<QComboBox*>())
            if (const int at = combo->findData(t); at >= 0) {
                combo->setCurrentIndex(at);
                emit combo->activated(at);
            }
        const QString name = QString::fromStdString(G.SupTypeName[static_cast<std::size_t>(t)]);
        const QString figs = opened(info, "ComDes", figures);
        EXPECT_TRUE(figs.startsWith("Design Information: " + name + ": TM ")) << qPrintable(figs);
        EXPECT_TRUE(figs.contains('L') && figs.contains('s') && !figs.contains('?')) << qPrintable(figs);
        if (G.InfoTable(t, 4) > 0) {
            const QString seen = opened(info, "ComFail", steps);
            EXPECT_EQ(seen.size(), G.InfoTable(t, 4)) << t << " " << qPrintable(seen);  // one digit a model
            longSeries += seen.contains(QRegularExpression("[5-9]"));
        }
    }
    EXPECT_GE(longSeries, 3);
    EXPECT_EQ(opened(info, "ComLab", figures), "QUORL Testing Laboratory: TM Ls");
    EXPECT_TRUE(messages().isEmpty()) << qPrintable(messages().join('\n'));
}
