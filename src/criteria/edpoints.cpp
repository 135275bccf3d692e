#include "criteria/edpoints.h"

#include "criteria/details.h"
#include "model/globals.h"
#include "model/supportstate.h"
#include "model/units.h"
#include "model/vbmath.h"
#include "platform/controls.h"
#include "platform/curveplot.h"
#include "platform/help.h"
#include "platform/guard.h"
#include "platform/msgbox.h"
#include "platform/plotwidgets.h"
#include "platform/numbox.h"
#include "platform/qtext.h"
#include "platform/selectall.h"
#include "files/safesave.h"
#include "files/supportload.h"
#include "ui/boxes.h"
#include "ui/openers.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <optional>

namespace vesk {

namespace {

constexpr const char* kSlopeQuestion =
    "Curve has a section of increasing slope.  It is expected that curves have a decreasing slope, i.e. less load "
    "at larger convergence. Do you want to accept this curve as defined?";
constexpr int kInset = 5;

QString shownValue(double v, int code) { return qs(FormatMetric(v, code)); }

int pointCount() { return std::clamp<int>(G.WorkCurve.NumPts, 0, kMaxGrPoints); }

std::size_t at(int k) { return static_cast<std::size_t>(k); }

QString pointLine(int k)
{
    const CurveRec& c = G.WorkCurve;
    return shownValue(c.Conv[at(k)], 5) + ", " + shownValue(c.Intensity[at(k)], 3);
}

// The axis maximum of a plot that shows values up to v: rounded up in
// display units, shown in the label, and given back in inches or tons/ft².
double axisMax(double v, int code, QLabel* label)
{
    const float top = NiceMax(ToMetric(v, code));
    label->setText(qs(FormatNum(top)));
    return G.MetricUnits != 0 ? top / static_cast<double>(ToMetric(1, code)) : top;
}

}  // namespace

// The picture of the curve: the editor draws it and reads the mouse over it.
class PointPlot : public QWidget {
public:
    explicit PointPlot(EdPoints* editor, QWidget* parent) : QWidget(parent), editor_(editor)
    {
        setObjectName("Pic1");
        setMouseTracking(true);
        setMinimumSize(340, 250);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        editor_->paintPlot(p, rect());
    }
    void mouseMoveEvent(QMouseEvent* e) override { editor_->mouseMoved(e->position().toPoint()); }
    void leaveEvent(QEvent*) override { editor_->mouseLeft(); }

private:
    EdPoints* editor_;
};

EdPoints::EdPoints(QWidget* parent) : QDialog(parent)
{
    setObjectName("EdPoints");
    setWindowTitle("Edit Ground Reaction Curve");

    txName_ = new QLineEdit(this);
    txName_->setObjectName("TxName");
    txName_->setMaxLength(static_cast<int>(CurveRec::NameLen));
    RestrictToFileField(txName_, static_cast<int>(CurveRec::NameLen));
    txConv_ = new NumBox(this, "TxConv");
    txSpacing_ = new NumBox(this, "TxSpacing");
    txRows_ = new NumBox(this, "TxRows");
    txTons_ = new NumBox(this, "TxTons");
    txWidth_ = new NumBox(this, "TxWidth");
    txHeight_ = new NumBox(this, "TxHeight");
    labConv_ = MakeLabel(this, "LabConv", QString());
    labSpacing_ = MakeLabel(this, "LabSpacing", QString());
    labTons_ = MakeLabel(this, "LabTons", QString());
    labWidth_ = MakeLabel(this, "LabWidth", QString());
    labHeight_ = MakeLabel(this, "LabHeight", QString());
    labEdTpf_ = MakeLabel(this, "LabEdTpf", QString());
    labEdTpsf_ = MakeLabel(this, "LabEdTpsf", QString());
    lbEdTpf_ = MakePanel(this, "LbEdTpf");
    lbEdTpsf_ = MakePanel(this, "LbEdTpsf");
    lbEdErr_ = MakeLabel(this, "LbEdErr", QString());

    auto* inputs = new QGridLayout;
    inputs->addWidget(MakeLabel(this, "LabName", "Curve name"), 0, 0);
    inputs->addWidget(txName_, 0, 1);
    const std::pair<QLabel*, QWidget*> rows[] = {
        {labConv_, txConv_},       {labSpacing_, txSpacing_},
        {MakeLabel(this, "LabRows", "No. rows across entry"), txRows_},
        {labTons_, txTons_},       {labWidth_, txWidth_},
        {labHeight_, txHeight_},   {labEdTpf_, lbEdTpf_},
        {labEdTpsf_, lbEdTpsf_},
    };
    int row = 1;
    for (const auto& [caption, box] : rows) {
        inputs->addWidget(caption, row, 0);
        inputs->addWidget(box, row++, 1);
    }
    for (NumBox* b : {txConv_, txSpacing_, txRows_, txTons_, txWidth_, txHeight_})
        b->setMaximumWidth(100);
    txName_->setMinimumWidth(200);
    inputs->addWidget(lbEdErr_, row, 0, 1, 2);

    auto* add = MakeButton(this, "ComAddPts", "Add");
    auto* update = MakeButton(this, "ComUpPts", "Update");
    auto* del = MakeButton(this, "ComDelPts", "Delete");
    auto* calc = MakeButton(this, "ComCalc", "Calc");
    auto* pointButtons = new QHBoxLayout;
    for (QPushButton* b : {add, update, del, calc})
        pointButtons->addWidget(b);

    labList_ = MakeLabel(this, "LabList", QString());
    list_ = new QListWidget(this);
    list_->setObjectName("ListPoints");
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumHeight(150);

    auto* left = new QVBoxLayout;
    left->addLayout(inputs);
    left->addLayout(pointButtons);
    left->addWidget(labList_);
    left->addWidget(list_, 1);

    auto* frame = new QGroupBox("Ground reaction curve", this);
    frame->setObjectName("Frame3");
    pic1_ = new PointPlot(this, frame);
    // The axis maxima keep room for their numbers, so that a new curve
    // never widens the window.
    lbXmax_ = MakeAxisLabel(frame, "LbXmax");
    lbYmax_ = MakeAxisLabel(frame, "LbYmax");
    lbConv_ = MakePanel(frame, "LbConv");
    lbTons_ = MakePanel(frame, "LbTons");
    lbTpf_ = MakePanel(frame, "LbTpf");
    lbCoord_ = MakeLabel(frame, "LbCoord", QString());
    labPlotConv_ = MakeLabel(frame, "LabPlotConv", QString());
    labPlotTons_ = MakeLabel(frame, "LabPlotTons", QString());
    labPlotTpf_ = MakeLabel(frame, "LabPlotTpf", QString());
    auto* plotGrid = new QGridLayout(frame);
    plotGrid->addWidget(lbYmax_, 0, 0, Qt::AlignRight | Qt::AlignTop);
    plotGrid->addWidget(pic1_, 0, 1, 1, 2);
    plotGrid->addWidget(MakeLabel(frame, "LbYmin", "0"), 0, 0, Qt::AlignRight | Qt::AlignBottom);
    plotGrid->addWidget(MakeLabel(frame, "LbXmin", "0"), 1, 1, Qt::AlignLeft | Qt::AlignTop);
    plotGrid->addWidget(lbXmax_, 1, 2, Qt::AlignRight | Qt::AlignTop);
    plotGrid->setRowStretch(0, 1);
    plotGrid->setColumnStretch(2, 1);
    auto* readout = new QGridLayout;
    readout->addWidget(labPlotConv_, 0, 0);
    readout->addWidget(lbConv_, 0, 1);
    readout->addWidget(labPlotTons_, 1, 0);
    readout->addWidget(lbTons_, 1, 1);
    readout->addWidget(labPlotTpf_, 2, 0);
    readout->addWidget(lbTpf_, 2, 1);
    readout->addWidget(lbCoord_, 3, 0, 1, 2);
    readout->setColumnStretch(0, 1);
    plotGrid->addLayout(readout, 2, 1, 1, 2);

    lbWarn_ = MakeLabel(this, "LbWarn", QString());
    lbWarn_->setWordWrap(true);
    lbWarn_->setTextFormat(Qt::PlainText);
    comDetail_ = MakeButton(this, "ComDetail", "Details");
    auto* warn = new QHBoxLayout;
    warn->addWidget(lbWarn_, 1);
    warn->addWidget(comDetail_, 0, Qt::AlignTop);

    auto* right = new QVBoxLayout;
    right->addWidget(frame, 1);
    right->addLayout(warn);

    auto* ok = MakeButton(this, "ComDone", "&Ok");
    auto* cancel = MakeButton(this, "ComCancel", "&Cancel");
    auto* help = MakeButton(this, "ComHelp", "&Help");
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    bottom->addWidget(help);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);

    connect(add, &QPushButton::clicked, this, &EdPoints::addPoint);
    connect(update, &QPushButton::clicked, this, &EdPoints::updatePoint);
    connect(del, &QPushButton::clicked, this, &EdPoints::deletePoint);
    connect(calc, &QPushButton::clicked, this, &EdPoints::calcLoad);
    connect(comDetail_, &QPushButton::clicked, this, [this] {
        Details details(this);
        details.exec();
    });
    connect(ok, &QPushButton::clicked, this, &EdPoints::accept);
    connect(cancel, &QPushButton::clicked, this, &EdPoints::reject);
    connect(help, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    InstallHelpKey(this, kHelpContext);
    for (NumBox* b : {txConv_, txSpacing_, txRows_, txTons_, txWidth_, txHeight_})
        connect(b, &NumBox::enterPressed, this, &EdPoints::readEditedPoint);
    for (NumBox* b : {txWidth_, txHeight_})
        connect(b, &NumBox::leftBox, this, &EdPoints::readEditedPoint);
    connect(txName_, &QLineEdit::returnPressed, this, [this] { SelectAllText(txName_); });
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { listClick(list_->row(item)); });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0)
            listClick(r);
    });
    InstallSelectOnFocus(this);

    // Opening.
    setUnitCaptions();
    savedEntryHt_ = G.EntryHt;
    comDetail_->setEnabled(false);
    const std::string name = TrimTrailingBlanks(G.WorkCurve.Name);
    txName_->setText(qs(name));
    G.WorkCurve.Name = CurveName(name);
    if (pointCount() == 0) {
        // An entry size that cannot be shown leaves its box empty, an input error of the point.
        Guarded([this] { PutMetric(txWidth_, G.EntryWid, 11); });
        Guarded([this] { PutMetric(txHeight_, G.EntryHt, 6); });
        PutMetric(txConv_, 1, 5);
        PutMetric(txSpacing_, 60, 6);
        PutValue(txRows_, 1, "1");
        PutMetric(txTons_, 100, 1);
    } else {
        sortPoints();
    }
    hover_ = false;
    showCoordMode();
    readEditedPoint();
}

void EdPoints::setUnitCaptions()
{
    labConv_->setText(UnitCaption("Convergence", 5));
    labSpacing_->setText(UnitCaption("Center-to-center spacing", 6));
    labTons_->setText(UnitCaption("Support load", 1));
    labWidth_->setText(UnitCaption("Entry width", 11));
    labHeight_->setText(UnitCaption("Entry height", 6));
    labEdTpf_->setText(UnitCaption("Load density", 2));
    labEdTpsf_->setText(UnitCaption("Load intensity", 3));
    labList_->setText(UnitCaption("Convergence", 5) + " and " + UnitCaption("Load intensity", 3));
    labPlotConv_->setText(UnitCaption("Convergence", 5));
    labPlotTons_->setText(UnitCaption("Load intensity", 3));
    labPlotTpf_->setText(UnitCaption("Load density", 2));
}

void EdPoints::listClick(int row)
{
    const CurveRec& c = G.WorkCurve;
    const int k = row + 1;
    if (row >= 0 && k <= pointCount()) {
        PutMetric(txConv_, c.Conv[at(k)], 5);
        PutMetric(txSpacing_, c.Spacing[at(k)], 6);
        PutValue(txRows_, c.Rows[at(k)], std::to_string(c.Rows[at(k)]));
        PutMetric(txTons_, c.Tons[at(k)], 1);
        PutMetric(txWidth_, c.Width[at(k)], 11);
        PutMetric(txHeight_, c.Height[at(k)], 6);
    } else {
        PutMetric(txSpacing_, 60, 6);
        PutValue(txRows_, 1, "1");
        PutMetric(txTons_, 100, 1);
        PutMetric(txWidth_, G.EntryWid > 0 ? G.EntryWid : 20, 11);
        PutMetric(txHeight_, savedEntryHt_ > 0 ? savedEntryHt_ : 96, 6);
        PutMetric(txConv_, 1, 5);
    }
    readEditedPoint();
    redraw();
    hover_ = false;
    showCoordMode();
    showPointCoords();
}

void EdPoints::readEditedPoint()
{
    struct Rule {
        NumBox* box;
        int code;
        float GrPoint::*field;
        int bit;
        float fallback;
    };
    const Rule rules[] = {
        {txConv_, 5, &GrPoint::conv, kErrConv, 1},
        {txSpacing_, 6, &GrPoint::spacing, kErrSpacing, 60},
        {txWidth_, 11, &GrPoint::width, kErrWidth, G.EntryWid > 0 ? G.EntryWid : 20},
        {txHeight_, 6, &GrPoint::height, kErrHeight, G.EntryHt > 0 ? G.EntryHt : 96},
        {txTons_, 1, &GrPoint::tons, kErrTons, 100},
    };
    errors_ = 0;
    for (const Rule& r : rules) {
        const std::optional<float> v = ReadBox(r.box, r.code);
        if (!v) {
            errors_ |= r.bit;
        } else if (*v > 0) {
            pt_.*r.field = *v;
        } else {
            errors_ |= r.bit;
            pt_.*r.field = r.fallback;
            PutMetric(r.box, r.fallback, r.code);
        }
    }
    if (const std::optional<int16_t> rows = ReadCount(txRows_); !rows) {
        errors_ |= kErrRows;
    } else if (*rows >= 1) {
        pt_.rows = *rows;
    } else {
        errors_ |= kErrRows;
        pt_.rows = 1;
        PutValue(txRows_, 1, "1");
    }
    try {
        lbEdTpf_->setText(shownValue(PointTpf(pt_), 2));
        lbEdTpsf_->setText(shownValue(PointIntensity(pt_), 3));
    } catch (const ArithError&) {
        // Loads beyond single precision: no point can hold them.
        errors_ |= kErrRange;
        lbEdTpf_->clear();
        lbEdTpsf_->clear();
    }
    lbEdErr_->setText(errors_ != 0 ? "Errors" : "Press Update to save");
    checkMismatch();
}

void EdPoints::checkMismatch()
{
    QString text;
    if (pt_.width != G.EntryWid)
        text = "Displayed width is different than design criteria.\n\n";
    if (pt_.height != savedEntryHt_)
        text += "Displayed height is different than design criteria.\n\n";
    lbWarn_->setText(text.trimmed());
    comDetail_->setEnabled(!text.isEmpty());
}

void EdPoints::sortPoints()
{
    const int n = G.WorkCurve.NumPts;
    if (n >= 1 && n <= kMaxGrPoints) {
        SortPoints(G.WorkCurve);
        {
            const QSignalBlocker block(list_);
            list_->clear();
            for (int k = 1; k <= n; ++k)
                list_->addItem(pointLine(k));
            list_->setCurrentRow(0);
        }
        listClick(0);
    }
    redraw();
}

bool EdPoints::inputErrors()
{
    readEditedPoint();
    if (errors_ == 0)
        return false;
    MsgBox("Input errors", vbOKOnly | vbExclamation, "Attention");
    return true;
}

void EdPoints::addPoint()
{
    const int n = pointCount();
    if (n >= kMaxGrPoints) {
        MsgBox("Max of 10 points", vbOKOnly | vbExclamation, "Attention");
        return;
    }
    if (inputErrors())
        return;
    SetPoint(G.WorkCurve, n + 1, pt_);
    G.WorkCurve.NumPts = static_cast<int16_t>(n + 1);
    sortPoints();
}

void EdPoints::updatePoint()
{
    const int row = list_->currentRow();
    if (row < 0 || row >= pointCount())
        return;
    if (inputErrors())
        return;
    if (!txName_->text().isEmpty())
        G.WorkCurve.Name = CurveName(ss(txName_->text()));
    SetPoint(G.WorkCurve, row + 1, pt_);
    list_->item(row)->setText(pointLine(row + 1));
    sortPoints();
}

void EdPoints::deletePoint()
{
    const int row = list_->currentRow();
    if (row < 0 || row >= pointCount())
        return;
    if (MsgBox("Do you want to delete this point?", vbYesNo | vbQuestion, "Confirm delete") != vbYes)
        return;
    DeletePoint(G.WorkCurve, row + 1);
    {
        const QSignalBlocker block(list_);
        delete list_->takeItem(row);
    }
    sortPoints();
}

// The support load at the point's convergence, from a support of the list
// whose curve is built at the point's height. Looking it up changes nothing
// else: the current support, the model tables and the routines' results are
// put back as they were (what was done in the support list stays), and only
// the entry height stays at the point's height until the window closes.
void EdPoints::calcLoad()
{
    if (inputErrors())
        return;
    const SupportState before = SupportState::Take();
    G.EntryHt = pt_.height;
    G.SelectMode = -1;
    OpenWindow(SharedWindow::SupportList, this);
    G.SelectMode = 0;
    std::optional<float> load;
    bool chosen = G.CurCaseNo >= 1 && G.CurCaseNo <= G.NumCases;
    bool valid = false;
    if (chosen) {
        readEditedPoint();
        valid = errors_ == 0;
        if (valid)
            load = SupportLoadAtConv(pt_.conv);
    }
    const float height = G.EntryHt;
    before.Restore();
    G.EntryHt = height;

    if (!chosen) {
        MsgBox("Select support to calculate load from", vbOKOnly | vbExclamation, "No support selected");
        return;
    }
    if (!valid) {
        MsgBox("Input errors", vbOKOnly | vbExclamation, "Attention");
        return;
    }
    if (!load) {
        MsgBox("Cannot calculate load at specified convergence", vbOKOnly | vbExclamation, "Attention");
        return;
    }
    PutMetric(txTons_, *load, 1);
    readEditedPoint();
}

void EdPoints::accept()
{
    if (pointCount() < 2) {
        MsgBox("Must have at least 2 points", vbOKOnly | vbExclamation, "Attention");
        return;
    }
    if (HasRisingSection(G.WorkCurve) && MsgBox(kSlopeQuestion, vbYesNo | vbQuestion, "Attention") != vbYes)
        return;
    // A name typed without "Update" is the curve's name all the same.
    if (!txName_->text().isEmpty())
        G.WorkCurve.Name = CurveName(ss(txName_->text()));
    G.EntryHt = savedEntryHt_;
    QDialog::accept();
}

void EdPoints::reject()
{
    if (!byCloseBox_)
        G.WorkCurve.NumPts = 0;
    G.EntryHt = savedEntryHt_;
    QDialog::reject();
}

void EdPoints::closeEvent(QCloseEvent* event)
{
    byCloseBox_ = true;
    QDialog::closeEvent(event);
    byCloseBox_ = false;
}

void EdPoints::redraw()
{
    const CurveRec& c = G.WorkCurve;
    const int n = pointCount();
    if (n >= 1) {
        try {
            xmax_ = axisMax(c.Conv[at(n)], 5, lbXmax_);
            float top = 0;
            for (int k = 1; k <= n; ++k)
                top = std::max(top, c.Intensity[at(k)]);
            ymax_ = axisMax(top, 3, lbYmax_);
        } catch (const ArithError&) {
            // A value the axis cannot show: the axes stay as they were.
        }
    }
    pic1_->update();
}

void EdPoints::paintPlot(QPainter& p, const QRect& page)
{
    CurvePlot plot(p, page, xmax_, ymax_, kInset);
    const CurveRec& c = G.WorkCurve;
    const int n = pointCount();
    if (n < 1)
        return;
    plot.pen(0);
    std::vector<std::pair<double, double>> pts;
    for (int k = 1; k <= n; ++k) {
        plot.dot(c.Conv[at(k)], c.Intensity[at(k)]);
        pts.emplace_back(c.Conv[at(k)], c.Intensity[at(k)]);
    }
    if (n >= 2) {
        plot.polyline(pts);
        const int row = list_->currentRow();
        if (row >= 0 && row < n)
            plot.plus(pts[at(row)].first, pts[at(row)].second);
    } else {
        plot.plus(pts[0].first, pts[0].second);
    }
}

void EdPoints::mouseMoved(QPoint pos)
{
    if (pointCount() < 1)
        return;
    if (!hover_) {
        hover_ = true;
        showCoordMode();
    }
    // The plot's own mapping, as the drawing uses it.
    const PlotMapping map(pic1_->rect(), xmax_, ymax_, kInset);
    if (map.width() <= 0 || map.height() <= 0)
        return;
    const double conv = map.xAt(pos.x());
    const double intensity = map.yAt(pos.y());
    lbTons_->setText(shownValue(intensity, 3));
    lbConv_->setText(shownValue(conv, 5));
    if (const std::optional<float> width = ReadBox(txWidth_, 11); width && *width > 0)
        lbTpf_->setText(shownValue(intensity * *width, 2));
}

void EdPoints::mouseLeft()
{
    hover_ = false;
    showCoordMode();
    showPointCoords();
}

void EdPoints::showCoordMode()
{
    lbCoord_->setText(QString("Coords correspond to ") + (hover_ ? "mouse cursor" : "crosshairs"));
}

void EdPoints::showPointCoords()
{
    const CurveRec& c = G.WorkCurve;
    const int n = pointCount();
    if (n < 1) {
        lbConv_->clear();
        lbTons_->clear();
        lbTpf_->clear();
        return;
    }
    int k = list_->currentRow() + 1;
    if (k < 1 || k > n)
        k = 1;
    lbConv_->setText(shownValue(c.Conv[at(k)], 5));
    lbTons_->setText(shownValue(c.Intensity[at(k)], 3));
    lbTpf_->setText(shownValue(static_cast<double>(c.Intensity[at(k)]) * c.Width[at(k)], 2));
}

}  // namespace vesk
