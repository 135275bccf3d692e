// The figure viewer: the figure counter and its buttons, large figures scrolled, small ones centred, a
// figure that cannot be loaded hinted in the window, and the bitmap folder changed from it.
#include "shell/formpic.h"
#include "shell/bmpath.h"

#include "program_folder.h"
#include "step_buttons.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

using namespace vesk;

namespace {

class FormPicTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        G.NumTypes = 1;
        G.InfoType = 1;
        G.InfoTable.redim(1, 5);
        G.BmpPath = ss(folder_.path());
    }
    // Figures 1..n of type 1 start at list element 2; figure k's file and caption carry k.
    void figures(int n)
    {
        G.InfoTable(1, 2) = static_cast<int16_t>(n);
        G.InfoTable(1, 3) = 2;
        G.FigFile.assign(static_cast<std::size_t>(n) + 2, "");
        G.FigCaption = G.FigFile;
        for (int k = 1; k <= n; ++k) {
            G.FigFile[static_cast<std::size_t>(k + 1)] = "f" + std::to_string(k) + ".bmp";
            G.FigCaption[static_cast<std::size_t>(k + 1)] = "Caption " + std::to_string(k);
        }
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
    void open()
    {
        d_ = std::make_unique<FormPic>();
        d_->show();
    }
    QPushButton* button(const char* name) const { return d_->findChild<QPushButton*>(name); }
    QString label(const char* name) const { return d_->findChild<QLabel*>(name)->text(); }
    QString enabled() const { return test::StepButtonsEnabled(d_.get()); }
    bool hinted() const { return d_->findChild<QLabel*>("LbNoPic")->isVisible(); }
    QScrollBar* bar(const char* name) const { return d_->findChild<QScrollBar*>(name); }
    QColor shown(int x, int y) const { return d_->findChild<QWidget*>("Picture1")->grab().toImage().pixelColor(x, y); }

    std::unique_ptr<FormPic> d_;
};

}  // namespace

TEST_F(FormPicTest, FigureCounterAndItsButtons)
{
    figures(7);
    open();
    d_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d_.get()));
    EXPECT_EQ(label("LabNum") + enabled(), "1/71011");
    button("ComNext")->click();
    button("ComNext")->click();
    EXPECT_EQ(label("LabNum") + enabled(), "3/71111");
    EXPECT_EQ(label("LbCaption"), "Figure 3\nCaption 3");
    button("ComLast")->click();
    EXPECT_EQ(label("LabNum") + enabled(), "7/71101");
    EXPECT_TRUE(button("ComPrev")->hasFocus());
    button("ComPrev")->click();
    EXPECT_EQ(label("LbCaption"), "Figure 6\nCaption 6");
    button("ComFirst")->click();
    EXPECT_EQ(label("LabNum") + enabled(), "1/71011");
    EXPECT_TRUE(button("ComNext")->hasFocus());

    // One figure: nothing to step to. None: the caption says so and nothing is hinted.
    figures(1);
    open();
    EXPECT_EQ(label("LabNum") + enabled(), "1/10000");
    figures(0);
    open();
    EXPECT_EQ(label("LbCaption"), "\nNo pictures available");
    EXPECT_EQ(label("LabNum") + enabled(), "0000");
    EXPECT_FALSE(hinted());
}

TEST_F(FormPicTest, LargeFiguresScrollSmallOnesCentreMissingOnesAreHinted)
{
    figures(3);
    bitmap("f1.bmp", FormPic::kViewWidth + 100, FormPic::kViewHeight + 50);
    bitmap("f2.bmp", 100, 50);
    open();
    // Larger: from the upper left corner, each scroll bar over the excess, moving the part in view.
    EXPECT_TRUE(bar("HScroll1")->isEnabled() && bar("VScroll1")->isEnabled());
    EXPECT_EQ(bar("HScroll1")->maximum(), 100);
    EXPECT_EQ(bar("VScroll1")->maximum(), 50);
    EXPECT_EQ(shown(0, 0), QColor(0, 0, 99));
    bar("HScroll1")->setValue(30);
    bar("VScroll1")->setValue(7);
    EXPECT_EQ(shown(0, 0), QColor(30, 7, 99));
    EXPECT_EQ(shown(FormPic::kViewWidth - 1, 0), QColor((30 + FormPic::kViewWidth - 1) % 256, 7, 99));

    // Smaller: centred, both bars off.
    button("ComNext")->click();
    EXPECT_FALSE(bar("HScroll1")->isEnabled() || bar("VScroll1")->isEnabled());
    const int x0 = (FormPic::kViewWidth - 100) / 2, y0 = (FormPic::kViewHeight - 50) / 2;
    EXPECT_EQ(shown(x0, y0), QColor(0, 0, 99));
    EXPECT_EQ(shown(x0 + 99, y0 + 49), QColor(99, 49, 99));
    EXPECT_NE(shown(x0 - 1, y0), QColor(0, 0, 99));
    EXPECT_FALSE(hinted());

    // Missing: the hint, the figure asked for in caption and number, no message. "BMP path" shows it again
    // from the folder chosen there.
    button("ComNext")->click();
    EXPECT_TRUE(hinted());
    EXPECT_EQ(label("LbCaption") + label("LabNum"), "Figure 3\nCaption 33/3");
    ASSERT_TRUE(QDir(folder_.path()).mkdir("more"));
    bitmap("more/f3.bmp", 20, 20);
    test::AnswerNextModal([this](QWidget* dlg) {
        static_cast<BMPath*>(dlg)->setFolder(folder_.file("more"));
        test::ClickButton(dlg, "Ok");
    });
    button("ComPath")->click();
    EXPECT_FALSE(hinted());
    EXPECT_EQ(shown(FormPic::kViewWidth / 2 - 10, FormPic::kViewHeight / 2 - 10), QColor(0, 0, 99));
    EXPECT_TRUE(messages().isEmpty());
}
