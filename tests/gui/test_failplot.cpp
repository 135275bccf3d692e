// The loading display: the steps of a loading model on its curve and past it, a model without photo steps,
// and a model file that cannot be read.
#include "shell/failplot.h"

#include "platform/palette.h"

#include "program_folder.h"
#include "step_buttons.h"

#include <QComboBox>
#include <QLabel>

using namespace vesk;

namespace {

class FailPlotTest : public test::WindowTest {
protected:
    // Type 1 has three loading models: model 2 of load.dat ("B", no maxima, points at p in with 10 p tons)
    // with steps at 0.5, 2 and 3.5 in, the second one's photo missing; model 1 ("A", maxima 150 tons and
    // 10 in) without steps, its first-step index left at 0; a missing file with one step at 1 in.
    void SetUp() override
    {
        WindowTest::SetUp();
        const QByteArray block = "1, 0, 0.125\r\n36, 144\r\n648, 640\r\n36, 30\r\n0, 1, 9, 6, 0.6, 1, 6, 7, 12\r\n"
                                 "2, 1, 8, 5, 0.5, 2, 3, 4, 70\r\n36, 30, 3, 36, 6, 4, 0.5\r\n1, 0.8, 6\r\n2, 36, 1, 12, 3\r\n";
        ASSERT_TRUE(folder_.write("load.dat", "2, 3, 0\r\nA\r\n150, 10\r\n" + block + "2, -10\r\n1, 50\r\n2, 90\r\n" +
                                                  "B\r\n0, 0\r\n" + block + "3, -10\r\n1, 10\r\n2, 20\r\n3, 30\r\n"));
        QImage green(40, 30, QImage::Format_RGB32);
        green.fill(Qt::green);
        for (const char* photo : {"s1.bmp", "s3.bmp", "s4.bmp"})
            ASSERT_TRUE(green.save(folder_.file(photo), "BMP"));
        G.BmpPath = ss(folder_.path());
        G.NumTypes = G.InfoType = 1;
        G.SupTypeName = {"Laboratory", "Test crib"};
        G.InfoTable.redim(1, 5);
        G.InfoTable(1, 4) = 3;
        G.FailModelFile = {"load.dat", "load.dat", "missing.dat"};
        G.FailModelName = {"B test", "A test", "Lost test"};
        G.FotoCount.redim(2, 2);  // model number, steps, first step of each: 2 3 0, 1 0 0, 1 1 3
        for (int i = 0; i < 9; ++i)
            G.FotoCount(i / 3, i % 3) = static_cast<int16_t>("230100113"[i] - '0');
        G.FotoConv = {0.5f, 2, 3.5f, 1};
        G.FotoFile = {"s1.bmp", "s2.bmp", "s3.bmp", "s4.bmp"};
        d_ = std::make_unique<FailPlot>();
        d_->show();
    }
    void click(const char* name) const { d_->findChild<QPushButton*>(name)->click(); }
    QLabel* label(const char* name) const { return d_->findChild<QLabel*>(name); }
    // The axis labels, the step buttons enabled, and the step's values.
    QString shown() const
    {
        return label("LbYmax")->text() + " " + label("LbXmax")->text() + " " + test::StepButtonsEnabled(d_.get()) +
               " " + label("LabConv")->text() + " " + label("LabTons")->text();
    }
    // The colour in the middle of the photo view (all the test photos are green).
    QColor photo() const
    {
        const QImage v = d_->findChild<QWidget*>("PicFoto")->grab().toImage();
        return v.pixelColor(v.rect().center());
    }
    // The first column of the curve box with a pixel of the colour on its middle row; -1 for none.
    int column(QColor colour) const
    {
        const QImage box = d_->findChild<QWidget*>("PicPerf")->grab().toImage();
        for (int x = 0; x < box.width(); ++x)
            if (box.pixelColor(x, box.height() / 2) == colour)
                return x;
        return -1;
    }

    std::unique_ptr<FailPlot> d_;
};

}  // namespace

TEST_F(FailPlotTest, StepsModelsWithoutStepsAndAMissingFile)
{
    // Steps before the curve's first point, on it and past its last: the load from the origin, on the
    // curve, a dash; the marker at the step's convergence; a missing photo hinted.
    EXPECT_EQ(d_->windowTitle(), "Test crib: B test");
    EXPECT_EQ(shown(), "100 12 1011 0.500 5.00");
    EXPECT_EQ(photo(), Qt::green);
    click("ComNext");
    EXPECT_EQ(shown(), "100 12 1111 2.00 20.0");
    EXPECT_FALSE(label("LbNoPic")->isHidden());
    click("ComLast");
    EXPECT_EQ(shown(), "100 12 1101 3.50 -");
    EXPECT_NEAR(column(Qt::black), 3.5 / 12 * FailPlot::kCurveWidth, 2);  // the marker

    // A model without photo steps: no photo, no marker, no values, no stepping, and its curve.
    auto* combo = d_->findChild<QComboBox*>("ComboModel");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(shown(), "150 10 0000  ");
    EXPECT_NE(photo(), Qt::green);
    EXPECT_EQ(column(Qt::black), -1);
    EXPECT_NE(column(QBColor(12)), -1);  // the curve, light red
    // A model file that cannot be read after it: the axes of a model without maxima, its step 1, a dash.
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_EQ(shown(), "100 12 1001 1.00 -");

    G.MetricUnits = 1;
    d_ = std::make_unique<FailPlot>();
    click("ComLast");
    EXPECT_EQ(shown(), "100 35 1101 8.89 -");
    EXPECT_TRUE(messages().isEmpty());
}
