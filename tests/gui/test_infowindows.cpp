// The figure viewer and the loading display opened from the information center over the shipped data:
// every type's and the laboratory's texts and figures, every loading model's photos, with the bitmap folder
// the program starts with, and no message.
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
#include <QScrollBar>

using namespace vesk;

namespace {

struct Seen {
    QString caption;
    bool text = false, manufacturers = false;
    int figures = 0, loaded = 0, larger = 0, smaller = 0;
    int models = 0, longSeries = 0, steps = 0, photos = 0, loads = 0;
};

bool hinted(QWidget* w) { return !w->findChild<QLabel*>("LbNoPic")->isHidden(); }

void press(QWidget* w, const char* name) { w->findChild<QPushButton*>(name)->click(); }

// Goes through every figure of the viewer, then closes it.
void lookAtFigures(QWidget* w, Seen& seen)
{
    auto* pic = static_cast<FormPic*>(w);
    seen.caption = w->windowTitle();
    seen.text = !w->findChild<QPlainTextEdit*>("Text1")->toPlainText().isEmpty();
    seen.manufacturers = w->findChild<QListWidget*>("List2")->count() > 0;
    seen.figures = pic->numFigs();
    for (int k = 1; k <= pic->numFigs(); ++k) {
        if (k > 1)
            press(w, "ComNext");
        seen.loaded += !hinted(w);
        const bool h = w->findChild<QScrollBar*>("HScroll1")->isEnabled();
        const bool v = w->findChild<QScrollBar*>("VScroll1")->isEnabled();
        seen.larger += h && v;
        seen.smaller += !h && !v;
    }
    press(w, "ComDone");
}

// Goes through every step of every loading model, then closes the display.
void lookAtSteps(QWidget* w, Seen& seen)
{
    auto* plot = static_cast<FailPlot*>(w);
    auto* combo = w->findChild<QComboBox*>("ComboModel");
    seen.models = combo->count();
    for (int m = 0; m < combo->count(); ++m) {
        combo->setCurrentIndex(m);
        emit combo->activated(m);
        seen.longSeries += plot->numSteps() >= 5;
        for (int s = 1; s <= plot->numSteps(); ++s) {
            if (s > 1)
                press(w, "ComNext");
            ++seen.steps;
            seen.photos += !hinted(w);
            const QString load = w->findChild<QLabel*>("LabTons")->text();
            seen.loads += !load.isEmpty() && load != "-" && plot->marker().has_value();
        }
    }
    press(w, "ComDone");
}

class InfoWindowsTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(folder_.copy(test::ShippedDataFiles()));
        ASSERT_FALSE(ReadConfig());
        // The bitmap folder of a first start: the program's folder.
        ASSERT_EQ(ReadBmpPath(), 0);
        G.AddMode = 0;
        info_ = std::make_unique<FormInfo>();
        info_->show();
        info_->activate();
    }
    void pick(int type)
    {
        for (auto* combo : info_->findChildren<QComboBox*>())
            if (const int at = combo->findData(type); at >= 0) {
                combo->setCurrentIndex(at);
                emit combo->activated(at);
            }
    }
    Seen open(const char* button, void (*look)(QWidget*, Seen&))
    {
        Seen seen;
        test::AnswerNextModal([&seen, look](QWidget* w) { look(w, seen); });
        press(info_.get(), button);
        return seen;
    }
    void expectFigures(const Seen& s, const QString& caption)
    {
        EXPECT_EQ(s.caption, caption);
        EXPECT_TRUE(s.text && s.manufacturers) << qPrintable(caption);
        EXPECT_GE(s.figures, 2) << qPrintable(caption);
        EXPECT_EQ(s.loaded, s.figures) << qPrintable(caption);
        EXPECT_TRUE(s.larger >= 1 && s.smaller >= 1) << qPrintable(caption);
    }

    std::unique_ptr<FormInfo> info_;
};

}  // namespace

TEST_F(InfoWindowsTest, EveryShippedTypeAndTheLaboratoryWithTheirTextsFiguresAndPhotos)
{
    int typesWithSeries = 0;
    for (int t = 1; t <= G.NumTypes; ++t) {
        pick(t);
        const QString name = QString::fromStdString(G.SupTypeName[static_cast<std::size_t>(t)]);
        expectFigures(open("ComDes", lookAtFigures), "Design Information: " + name);
        ASSERT_EQ(G.InfoType, t);
        const bool models = G.InfoTable(t, 4) > 0;
        EXPECT_EQ(info_->findChild<QPushButton*>("ComFail")->isEnabled(), models) << t;
        if (!models)
            continue;
        const Seen s = open("ComFail", lookAtSteps);
        EXPECT_EQ(s.models, G.InfoTable(t, 4));
        EXPECT_EQ(s.photos, s.steps) << t;
        EXPECT_EQ(s.loads, s.steps) << t;
        typesWithSeries += s.longSeries > 0;
    }
    EXPECT_GE(typesWithSeries, 3);
    expectFigures(open("ComLab", lookAtFigures), "QUORL Testing Laboratory");
    EXPECT_TRUE(messages().isEmpty()) << qPrintable(messages().join('\n'));
}
