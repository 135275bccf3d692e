#include "shell/failplot.h"

#include "model/globals.h"
#include "model/units.h"
#include "files/infolists.h"
#include "model/vbmath.h"
#include "platform/controls.h"
#include "platform/curveplot.h"
#include "platform/help.h"
#include "platform/pictureview.h"
#include "platform/plotwidgets.h"
#include "platform/qtext.h"
#include "shell/bmpath.h"
#include "shell/picturesteps.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace vesk {

namespace {

constexpr int kTons = 1, kInches = 5;    // unit codes
constexpr int kCurveColour = 12;         // light red
constexpr int kMarkerColour = 0;         // black
constexpr const char* kNoValue = "-";    // a load the curve does not give

int fotoCount(int m, int k) { return G.FotoCount.inBounds(m, k) ? G.FotoCount(m, k) : 0; }

template <class List>
bool has(const List& list, int i)
{
    return i >= 0 && static_cast<std::size_t>(i) < list.size();
}

QString shown(double v, int code)
{
    try {
        return qs(FormatMetric(v, code));
    } catch (const ArithError&) {
        return kNoValue;
    }
}

}  // namespace

FailPlot::FailPlot(QWidget* parent) : QDialog(parent)
{
    setObjectName("FailPlot");

    comboModel_ = new QComboBox(this);
    comboModel_->setObjectName("ComboModel");
    comboModel_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* modelLabel = MakeLabel(this, "LbModels", "Selected support models");
    modelLabel->setBuddy(comboModel_);

    // The curve box with its axis labels; the step's values stand by the
    // titles of their axes.
    picPerf_ = new PlotPicture(this, "PicPerf", QSize(kCurveWidth, kCurveHeight));
    picPerf_->setFixedSize(kCurveWidth, kCurveHeight);
    picPerf_->paint = [this](QPainter& p, const QRect& page, double) { drawCurve(p, page); };
    lbYmax_ = MakeLabel(this, "LbYmax", "");
    lbXmax_ = MakeLabel(this, "LbXmax", "");
    lbYmax_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lbXmax_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    auto* yZero = MakeLabel(this, "LbYZero", "0");
    yZero->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    auto* xZero = MakeLabel(this, "LbXZero", "0");
    auto* label1 = MakeLabel(this, "Label1", qs("Load, " + UnitLabel(kTons)));
    auto* label2 = MakeLabel(this, "Label2", qs("Convergence, " + UnitLabel(kInches)));
    labConv_ = MakePanel(this, "LabConv");
    labTons_ = MakePanel(this, "LabTons");

    auto* curve = new QGridLayout;
    curve->setHorizontalSpacing(4);
    curve->setVerticalSpacing(2);
    auto* loadRow = new QHBoxLayout;
    loadRow->setSpacing(8);
    loadRow->addWidget(label1);
    loadRow->addWidget(labTons_);
    loadRow->addStretch();
    curve->addLayout(loadRow, 0, 0, 1, 3);
    curve->addWidget(lbYmax_, 1, 0, Qt::AlignRight | Qt::AlignTop);
    curve->addWidget(yZero, 1, 0, Qt::AlignRight | Qt::AlignBottom);
    curve->addWidget(picPerf_, 1, 1, 1, 2);
    curve->addWidget(xZero, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    curve->addWidget(lbXmax_, 2, 2, Qt::AlignRight | Qt::AlignTop);
    auto* convRow = new QHBoxLayout;
    convRow->setSpacing(8);
    convRow->addStretch();
    convRow->addWidget(label2);
    convRow->addWidget(labConv_);
    convRow->addStretch();
    curve->addLayout(convRow, 3, 1, 1, 2);
    curve->setRowStretch(4, 1);

    photo_ = new PictureView(this, "PicFoto", "HScroll", "VScroll", QSize(kPhotoWidth, kPhotoHeight));
    lbNoPic_ = MakeNoPictureHint(this);
    lbNoPic_->setFixedWidth(photo_->sizeHint().width());
    auto* photoColumn = new QVBoxLayout;
    photoColumn->addWidget(photo_);
    photoColumn->addWidget(lbNoPic_);
    photoColumn->addStretch();

    auto* lbHowTo = MakeLabel(this, "LbHowTo", "Click next button to show progression\nof support loading");
    steps_ = new PictureSteps(this, [this] { showStep(); });
    auto* stepRow = new QHBoxLayout;
    stepRow->addWidget(lbHowTo);
    stepRow->addStretch();
    steps_->addTo(stepRow);

    auto* lbDisc = MakeLabel(this, "LbDisc",
                             "Note:  Only selected models are shown here with photos to provide a general overview "
                             "of the loading profile for this type of support.   Actual support parameters are "
                             "defined elsewhere, and the loading profile may vary slightly from that shown here.");
    lbDisc->setWordWrap(true);

    auto* comPath = MakeButton(this, "ComPath", "BMP path");
    auto* comHelp = MakeButton(this, "ComHelp", "&Help");
    auto* comDone = MakeButton(this, "ComDone", "&Ok");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(comPath);
    buttons->addStretch();
    buttons->addWidget(comHelp);
    buttons->addWidget(comDone);

    auto* modelRow = new QHBoxLayout;
    modelRow->addWidget(modelLabel);
    modelRow->addWidget(comboModel_);
    modelRow->addStretch();
    auto* views = new QHBoxLayout;
    views->addLayout(curve);
    views->addSpacing(12);
    views->addLayout(photoColumn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(modelRow);
    layout->addLayout(views);
    layout->addLayout(stepRow);
    layout->addWidget(lbDisc);
    layout->addLayout(buttons);

    connect(comboModel_, &QComboBox::activated, this, &FailPlot::modelChosen);
    connect(comPath, &QPushButton::clicked, this, &FailPlot::bitmapPath);
    connect(comHelp, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    connect(comDone, &QPushButton::clicked, this, &QDialog::accept);
    InstallHelpKey(this, kHelpContext);

    const int first = InfoOfShown(5);
    for (int m = first; m < first + InfoOfShown(4); ++m)
        comboModel_->addItem(has(G.FailModelName, m) ? qs(G.FailModelName[static_cast<std::size_t>(m)]) : QString());
    if (comboModel_->count() > 0)
        comboModel_->setCurrentIndex(0);
    modelChosen();
}

void FailPlot::modelChosen()
{
    const int m = std::max(comboModel_->currentIndex(), 0) + InfoOfShown(5);
    G.FailModel = static_cast<int16_t>(m);
    const QString type = has(G.SupTypeName, G.InfoType) ? qs(G.SupTypeName[static_cast<std::size_t>(G.InfoType)]) : "";
    const QString name = has(G.FailModelName, m) ? qs(G.FailModelName[static_cast<std::size_t>(m)]) : "";
    setWindowTitle(type + ": " + name);

    // A model without photo steps has no first step of its own.
    numSteps_ = std::max(fotoCount(m, 1), 0);
    firstStep_ = numSteps_ > 0 ? fotoCount(m, 2) : 0;
    steps_->reset(numSteps_, 1);

    // A file that cannot be read leaves no points and the axes of a model
    // without maxima, shown at once.
    ReadLoadingCurve(m, axes_);
    lbYmax_->setText(qs(axes_.loadText));
    lbXmax_->setText(qs(axes_.convText));
    showStep();
}

void FailPlot::showStep()
{
    lbNoPic_->hide();
    const int s = firstStep_ + steps_->current() - 1;
    if (numSteps_ <= 0 || !has(G.FotoConv, s)) {
        labConv_->clear();
        labTons_->clear();
        photo_->clear();
        marker_.reset();
    } else {
        const float conv = G.FotoConv[static_cast<std::size_t>(s)];
        labConv_->setText(shown(conv, kInches));
        const std::optional<float> load = LoadAtStep(conv);
        labTons_->setText(load ? shown(*load, kTons) : kNoValue);
        const QString file = has(G.FotoFile, s) ? qs(G.FotoFile[static_cast<std::size_t>(s)]) : QString();
        if (!photo_->load(qs(G.BmpPath), file))
            lbNoPic_->show();
        marker_ = conv;
    }
    picPerf_->update();
}

void FailPlot::drawCurve(QPainter& p, const QRect& page) const
{
    CurvePlot plot(p, page, axes_.convMax, axes_.loadMax);
    const auto& conv = G.FailConv;
    const auto& load = G.FailLoad;
    const long n = conv.empty() ? 0 : std::lround(conv[0]);
    if (n < 1 || static_cast<std::size_t>(n) >= conv.size() || static_cast<std::size_t>(n) >= load.size())
        return;
    std::vector<std::pair<double, double>> points;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i)
        points.emplace_back(conv[i], load[i]);
    plot.pen(kCurveColour);
    plot.dot(points.front().first, points.front().second);
    plot.polyline(points);
    if (marker_) {
        plot.pen(kMarkerColour);
        plot.vline(*marker_);
    }
}

void FailPlot::bitmapPath()
{
    {
        BMPath dlg(this);
        dlg.exec();
    }
    showStep();
}

}  // namespace vesk
