// The figure viewer: the figure counter and its buttons, large figures scrolled, small ones centred, a
// figure that cannot be loaded hinted in the window, and the bitmap folder changed from it.
#include "shell/formpic.h"
#include "shell/bmpath.h"

#include "program_folder.h"
#include "step_buttons.h"

#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

using namespace vesk;

namespace {

class FormPicTest : public test::WindowTest {
protected:
    // The window over figures 1..n of type 1, figure k's file and caption carrying k.
    void open(int n)
    {
        G.BmpPath = ss(folder_.path());
        G.NumTypes = G.InfoType = 1;
        G.InfoTable.redim(1, 5);
        G.InfoTable(1, 2) = static_cast<int16_t>(n);
        G.InfoTable(1, 3) = 2;  // from list element 2
        G.FigFile = G.FigCaption = {"", ""};
        for (int k = 1; k <= n; ++k) {
            G.FigFile.push_back("f" + std::to_string(k) + ".bmp");
            G.FigCaption.push_back("Caption " + std::to_string(k));
        }
        d_ = std::make_unique<FormPic>();
        d_->show();
    }
    // A bitmap whose pixel (x, y) is (x mod 256, y mod 256, 99).
    void bitmap(const QString& name, int w, int h) const
    {
        QImage img(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                img.setPixel(x, y, qRgb(x % 256, y % 256, 99));
        ASSERT_TRUE(img.save(folder_.file(name), "BMP"));
    }
    void click(const char* name) const { d_->findChild<QPushButton*>(name)->click(); }
    QString label(const char* name) const { return d_->findChild<QLabel*>(name)->text(); }
    // The counter and the step buttons enabled.
    QString counter() const { return label("LabNum") + " " + test::StepButtonsEnabled(d_.get()); }
    bool hinted() const { return d_->findChild<QLabel*>("LbNoPic")->isVisible(); }
    QScrollBar* bar(const char* name) const { return d_->findChild<QScrollBar*>(name); }
    QColor shown(int x, int y) const { return d_->findChild<QWidget*>("Picture1")->grab().toImage().pixelColor(x, y); }

    std::unique_ptr<FormPic> d_;
};

}  // namespace

TEST_F(FormPicTest, CounterButtonsScrollingCentringAndAMissingFigure)
{
    bitmap("f1.bmp", FormPic::kViewWidth + 100, FormPic::kViewHeight + 50);
    bitmap("f2.bmp", 100, 50);
    open(7);
    d_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d_.get()));
    EXPECT_EQ(counter(), "1/7 1011");
    // Larger than the view: from the upper left corner, each scroll bar over the excess.
    EXPECT_EQ(std::make_pair(bar("HScroll1")->maximum(), bar("VScroll1")->maximum()), std::make_pair(100, 50));
    EXPECT_EQ(shown(0, 0), QColor(0, 0, 99));
    bar("HScroll1")->setValue(30);
    bar("VScroll1")->setValue(7);
    EXPECT_EQ(shown(0, 0), QColor(30, 7, 99));
    // The wheel: a line of 20 pixels, as many a notch as the desktop sets; down, across, back to the top.
    const int lines = QApplication::wheelScrollLines();
    const auto turn = [this](QPoint delta) {
        QWidget* view = d_->findChild<QWidget*>("Picture1");
        QWheelEvent e(QPointF(5, 5), view->mapToGlobal(QPointF(5, 5)), QPoint(), delta, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &e);
    };
    bar("VScroll1")->setValue(0);
    turn(QPoint(0, -120));
    EXPECT_EQ(bar("VScroll1")->value(), std::min(50, 20 * lines));
    turn(QPoint(-120, 0));
    EXPECT_EQ(bar("HScroll1")->value(), std::min(100, 30 + 20 * lines));
    turn(QPoint(0, 1200));
    EXPECT_EQ(bar("VScroll1")->value(), 0);
    EXPECT_EQ(shown(0, 0), QColor(bar("HScroll1")->value(), 0, 99));
    click("ComLast");
    EXPECT_EQ(counter(), "7/7 1101");
    EXPECT_TRUE(d_->findChild<QPushButton*>("ComPrev")->hasFocus());
    click("ComPrev");
    click("ComFirst");
    EXPECT_EQ(counter(), "1/7 1011");

    // Smaller: centred, both bars off.
    click("ComNext");
    EXPECT_FALSE(bar("HScroll1")->isEnabled() || bar("VScroll1")->isEnabled());
    EXPECT_EQ(shown((FormPic::kViewWidth - 100) / 2, (FormPic::kViewHeight - 50) / 2), QColor(0, 0, 99));
    EXPECT_FALSE(hinted());
    // Missing: the hint under the figure's caption and number; "BMP path" shows it from the folder chosen.
    click("ComNext");
    EXPECT_EQ(counter() + " " + label("LbCaption"), "3/7 1111 Figure 3\nCaption 3");
    EXPECT_TRUE(hinted());
    ASSERT_TRUE(QDir(folder_.path()).mkdir("more"));
    bitmap("more/f3.bmp", 20, 20);
    test::AnswerNextModal([this](QWidget* dlg) {
        static_cast<BMPath*>(dlg)->setFolder(folder_.file("more"));
        test::ClickButton(dlg, "Ok");
    });
    click("ComPath");
    EXPECT_FALSE(hinted());
    EXPECT_EQ(shown(FormPic::kViewWidth / 2 - 10, FormPic::kViewHeight / 2 - 10), QColor(0, 0, 99));
    EXPECT_TRUE(messages().isEmpty());

    // One figure: nothing to step to. None: the caption says so and nothing is hinted.
    open(1);
    EXPECT_EQ(counter(), "1/1 0000");
    open(0);
    EXPECT_EQ(label("LbCaption") + counter(), "\nNo pictures available 0000");
    EXPECT_FALSE(hinted());
}
