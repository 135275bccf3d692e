// The loading display: the steps of a loading model on its curve, a step past the curve, a model without
// photo steps, a model file that cannot be read, and changing the model.
#include "shell/failplot.h"

#include "platform/palette.h"

#include "program_folder.h"
#include "step_buttons.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace vesk;

namespace {

// Model 1 "A" has plot maxima 150 tons and 10 in; model 2 "B" none. Points lie at p in with 10 p tons for B.
QByteArray ModelFile()
{
    const QByteArray block = "1, 0, 0.125\r\n36, 144\r\n648, 640\r\n36, 30\r\n0, 1, 9, 6, 0.6, 1, 6, 7, 12\r\n"
                             "2, 1, 8, 5, 0.5, 2, 3, 4, 70\r\n36, 30, 3, 36, 6, 4, 0.5\r\n1, 0.8, 6\r\n2, 36, 1, 12, 3\r\n";
    return "2, 3, 0\r\nA\r\n150, 10\r\n" + block + "2, -10\r\n1, 50\r\n2, 90\r\n" + "B\r\n0, 0\r\n" + block +
           "3, -10\r\n1, 10\r\n2, 20\r\n3, 30\r\n";
}

class FailPlotTest : public test::WindowTest {
protected:
    // Type 1 has three loading models from list element 0: model 2 of load.dat with steps at 0.5, 2 and
    // 3.5 in; model 1 of load.dat without steps (its first-step index left at 0, the steps of the first);
    // a missing file with one step at 1 in.
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(folder_.write("load.dat", ModelFile()));
        for (const char* photo : {"s1.bmp", "s2.bmp", "s3.bmp", "s4.bmp"}) {
            QImage img(40, 30, QImage::Format_RGB32);
            img.fill(Qt::green);
            ASSERT_TRUE(img.save(folder_.file(photo), "BMP"));
        }
        G.BmpPath = ss(folder_.path());
        G.NumTypes = 1;
        G.InfoType = 1;
        G.SupTypeName = {"Laboratory", "Test crib"};
        G.InfoTable.redim(1, 5);
        G.InfoTable(1, 4) = 3;
        G.FailModelFile = {"load.dat", "load.dat", "missing.dat"};
        G.FailModelName = {"B test", "A test", "Lost test"};
        G.FotoCount.redim(2, 2);
        const int16_t rows[3][3] = {{2, 3, 0}, {1, 0, 0}, {1, 1, 3}};
        for (int m = 0; m < 3; ++m)
            for (int k = 0; k < 3; ++k)
                G.FotoCount(m, k) = rows[m][k];
        G.FotoConv = {0.5f, 2, 3.5f, 1};
        G.FotoFile = {"s1.bmp", "s2.bmp", "s3.bmp", "s4.bmp"};
    }
    void open()
    {
        d_ = std::make_unique<FailPlot>();
        d_->show();
    }
    void chooseModel(int i)
    {
        auto* combo = d_->findChild<QComboBox*>("ComboModel");
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }
    QPushButton* button(const char* name) const { return d_->findChild<QPushButton*>(name); }
    QString label(const char* name) const { return d_->findChild<QLabel*>(name)->text(); }
    QString enabled() const { return test::StepButtonsEnabled(d_.get()); }
    // The step's values, and the axis labels.
    QString values() const { return label("LabConv") + " " + label("LabTons"); }
    QString axes() const { return label("LbYmax") + " " + label("LbXmax"); }
    // The photo in view (all the test photos are green) and no hint.
    bool photoShown() const
    {
        const QImage v = d_->findChild<QWidget*>("PicFoto")->grab().toImage();
        return d_->findChild<QLabel*>("LbNoPic")->isHidden() && v.pixelColor(v.rect().center()) == Qt::green;
    }
    // Columns of the curve box with a pixel of the colour on its middle row.
    QList<int> columns(QColor colour) const
    {
        const QImage box = d_->findChild<QWidget*>("PicPerf")->grab().toImage();
        QList<int> xs;
        for (int x = 0; x < box.width(); ++x)
            if (box.pixelColor(x, box.height() / 2) == colour)
                xs << x;
        return xs;
    }

    std::unique_ptr<FailPlot> d_;
};

}  // namespace

// Steps inside the curve, before its first point and past its last: the load from the origin, on the curve,
// and a dash, in both units; the marker at the step's convergence; a missing photo hinted.
TEST_F(FailPlotTest, StepsOnTheCurveAndADashPastIt)
{
    G.FotoFile[1] = "gone.bmp";
    open();
    EXPECT_EQ(d_->windowTitle(), "Test crib: B test");
    EXPECT_EQ(axes(), "100 12");
    EXPECT_EQ(enabled(), "1011");
    EXPECT_EQ(values(), "0.500 5.00");
    EXPECT_TRUE(photoShown());
    // A photo that cannot be loaded: the hint, and the step still on the curve.
    button("ComNext")->click();
    EXPECT_EQ(values(), "2.00 20.0");
    EXPECT_FALSE(d_->findChild<QLabel*>("LbNoPic")->isHidden());
    button("ComLast")->click();
    EXPECT_EQ(enabled(), "1101");
    EXPECT_EQ(values(), "3.50 -");
    // The marker: a black line at 3.5 of 12 in across the box.
    const int x = static_cast<int>(3.5 / 12 * (FailPlot::kCurveWidth - 1));
    EXPECT_EQ(columns(Qt::black), QList<int>({x}));

    G.MetricUnits = 1;
    open();
    EXPECT_EQ(axes(), "100 35");
    button("ComLast")->click();
    EXPECT_EQ(values(), "8.89 -");
    EXPECT_TRUE(messages().isEmpty());
}

// A model without photo steps shows no photo, no marker and no values, keeps its curve, and cannot be
// stepped. A model file that cannot be read shows the axes of a model without maxima at once, and the
// step's load as a dash. Changing the model starts at its step 1.
TEST_F(FailPlotTest, ModelsWithoutStepsOrWithoutAFile)
{
    open();
    button("ComLast")->click();
    chooseModel(1);
    EXPECT_EQ(d_->windowTitle(), "Test crib: A test");
    EXPECT_EQ(axes(), "150 10");
    EXPECT_EQ(enabled(), "0000");
    EXPECT_EQ(values(), " ");
    EXPECT_FALSE(photoShown());
    EXPECT_TRUE(columns(Qt::black).isEmpty());
    EXPECT_FALSE(columns(QBColor(12)).isEmpty());  // the curve, light red

    chooseModel(2);
    EXPECT_EQ(axes(), "100 12");
    EXPECT_EQ(values(), "1.00 -");
    EXPECT_TRUE(photoShown());
    // One step: "&First" and "&Last" stay on it.
    EXPECT_EQ(enabled(), "1001");
    button("ComLast")->click();
    button("ComFirst")->click();
    EXPECT_EQ(enabled(), "1001");
    EXPECT_EQ(d_->curStep(), 1);

    chooseModel(0);
    EXPECT_EQ(d_->curStep(), 1);
    EXPECT_EQ(values(), "0.500 5.00");
    EXPECT_TRUE(messages().isEmpty());
}
