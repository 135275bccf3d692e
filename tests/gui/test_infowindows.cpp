// The figure viewer and the loading display opened from the information center over the shipped data, with
// the bitmap folder of a first start: every type's and the laboratory's texts and figures, every loading
// model's photos, and no message.
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

// What the viewer showed, figure by figure: "L" a figure larger than the view, "s" a smaller one, "?" a hint;
// "T" and "M" for the considerations and the manufacturer list.
QString lookAtFigures(QWidget* w)
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
    press(w, "ComDone");
    return seen;
}

// The number of photo steps of each loading model; "?" for a step without its photo, its load or its marker.
QString lookAtSteps(QWidget* w)
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
    press(w, "ComDone");
    return seen;
}

class InfoWindowsTest : public test::WindowTest {
protected:
    QString open(FormInfo& info, const char* button, QString (*look)(QWidget*))
    {
        QString seen;
        test::AnswerNextModal([&seen, look](QWidget* w) { seen = look(w); });
        press(&info, button);
        return seen;
    }
};

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
        const QString figures = open(info, "ComDes", lookAtFigures);
        EXPECT_TRUE(figures.startsWith("Design Information: " + name + ": TM ")) << qPrintable(figures);
        EXPECT_TRUE(figures.contains('L') && figures.contains('s') && !figures.contains('?')) << qPrintable(figures);
        const bool models = G.InfoTable(t, 4) > 0;
        ASSERT_EQ(info.findChild<QPushButton*>("ComFail")->isEnabled(), models) << t;
        if (models) {
            const QString steps = open(info, "ComFail", lookAtSteps);
            EXPECT_EQ(steps.size(), G.InfoTable(t, 4)) << t << " " << qPrintable(steps);
            longSeries += steps.contains(QRegularExpression("[5-9]"));
        }
    }
    EXPECT_GE(longSeries, 3);
    EXPECT_EQ(open(info, "ComLab", lookAtFigures), "QUORL Testing Laboratory: TM Ls");
    EXPECT_TRUE(messages().isEmpty()) << qPrintable(messages().join('\n'));
}
