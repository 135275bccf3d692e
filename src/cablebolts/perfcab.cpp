#include "cablebolts/perfcab.h"

#include "model/globals.h"
#include "model/numfmt.h"
#include "model/units.h"
#include "model/vbmath.h"
#include "platform/controls.h"
#include "platform/curveplot.h"
#include "platform/help.h"
#include "platform/guard.h"
#include "platform/msgbox.h"
#include "platform/numbox.h"
#include "platform/plotwidgets.h"
#include "platform/qtext.h"
#include "platform/selectall.h"
#include "ui/boxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <utility>

namespace vesk {

namespace {

constexpr int kCurveColour = 12, kDesignColour = 2, kRequirementColour = 9, kPointColour = 0;
constexpr const char* kCablesPerSet = "No. cables per set ";

std::size_t at(int k) { return static_cast<std::size_t>(k); }

bool metricDisplay() { return G.MetricUnits != 0; }

QGroupBox* makeFrame(QWidget* parent, const char* name, const char* title)
{
    auto* f = new QGroupBox(title, parent);
    f->setObjectName(name);
    return f;
}

template <class Button>
Button* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new Button(caption, parent);
    b->setObjectName(name);
    return b;
}

// A label in column 0 and its box or panel in column 1 of the next row.
void addRow(QGridLayout* grid, QWidget* parent, const char* labelName, const QString& caption, QWidget* value)
{
    const int row = grid->rowCount();
    grid->addWidget(MakeLabel(parent, labelName, caption), row, 0);
    grid->addWidget(value, row, 1);
}

// Runs `entered` when the user clicks into the box or types into it, before
// the click or the key takes effect; the focus arriving by Tab alone does
// not count. A click on the box while it is disabled runs it too, as a
// click into it would give it the focus. When `entered` changed the box (it
// returns true), a typed key replaces the box's whole text.
class UserEntry : public QObject {
public:
    UserEntry(QLineEdit* box, std::function<bool()> entered) : QObject(box), box_(box), entered_(std::move(entered))
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == box_ && event->type() == QEvent::MouseButtonPress && !box_->isEnabled()) {
            entered_();
            return true;
        }
        if (watched == box_ && box_->isEnabled()) {
            if (event->type() == QEvent::MouseButtonPress) {
                entered_();
            } else if (event->type() == QEvent::KeyPress && typed(*static_cast<QKeyEvent*>(event))) {
                if (entered_())
                    box_->selectAll();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static bool typed(const QKeyEvent& e)
    {
        if (e.key() == Qt::Key_Backspace || e.key() == Qt::Key_Delete || e.matches(QKeySequence::Paste))
            return true;
        return !e.text().isEmpty() && e.text().at(0).isPrint();
    }

    QLineEdit* box_;
    std::function<bool()> entered_;
};

int caseType() { return G.CurCaseNo >= 1 && G.CurCaseNo <= kMaxCases ? G.CaseType[at(G.CurCaseNo)] : 0; }

}  // namespace

PerfCab::PerfCab(QWidget* parent) : QDialog(parent)
{
    setObjectName("PerfCab");
    buildSpecFrame();
    buildLayoutFrame();
    buildCriteriaFrame();
    buildResultFrames();
    buildPlotFrame();

    comDone_ = MakeButton(this, "ComDone", "&Ok");
    comCancel_ = MakeButton(this, "ComCancel", "&Cancel");
    comHelp_ = MakeButton(this, "ComHelp", "&Help");
    connect(comDone_, &QPushButton::clicked, this, &PerfCab::accept);
    connect(comCancel_, &QPushButton::clicked, this, &PerfCab::reject);
    connect(comHelp_, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    InstallHelpKey(this, kHelpContext);

    auto* left = new QVBoxLayout;
    left->addWidget(frame1_);
    left->addWidget(frameLayout_);
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(frame4_);
    middle->addWidget(frame5_);
    middle->addWidget(frame3_);
    middle->addWidget(frame6_);
    middle->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(comDone_);
    buttons->addWidget(comCancel_);
    buttons->addWidget(comHelp_);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addWidget(frame2_, 1);
    auto* top = new QVBoxLayout(this);
    top->addLayout(columns, 1);
    top->addLayout(buttons);

    load();
}

PerfCab::~PerfCab() = default;

void PerfCab::buildSpecFrame()
{
    frame1_ = makeFrame(this, "Frame1", "Support Specifications");
    auto* grid = new QGridLayout(frame1_);
    combo1_ = new QComboBox(frame1_);
    combo1_->setObjectName("Combo1");
    chkCoat_ = makeButton<QCheckBox>(frame1_, "ChkCoat", "Coated/ galvanized");
    txHole_ = new NumBox(frame1_, "TxHole");
    txResin_ = new NumBox(frame1_, "TxResin");
    txPreload_ = new NumBox(frame1_, "TxPreload");
    addRow(grid, frame1_, "Label5", "Cable diameter", combo1_);
    grid->addWidget(chkCoat_, grid->rowCount(), 0, 1, 2);
    addRow(grid, frame1_, "Label11", UnitCaption("Cable length", 11), txHole_);
    addRow(grid, frame1_, "Label13", UnitCaption("Resin length", 11), txResin_);
    addRow(grid, frame1_, "Label24", UnitCaption("Preload", 1), txPreload_);

    auto* frame7 = makeFrame(frame1_, "Frame7", "Hole diameter");
    auto* h7 = new QHBoxLayout(frame7);
    opt1in_ = makeButton<QRadioButton>(frame7, "Opt1in", metricDisplay() ? "25 mm" : "1 in");
    opt138in_ = makeButton<QRadioButton>(frame7, "Opt138in", metricDisplay() ? "35 mm" : "1-3/8 in");
    h7->addWidget(opt1in_);
    h7->addWidget(opt138in_);
    grid->addWidget(frame7, grid->rowCount(), 0, 1, 2);

    auto* frame9 = makeFrame(frame1_, "Frame9", "Bearing plate");
    auto* g9 = new QGridLayout(frame9);
    opt6in_ = makeButton<QRadioButton>(frame9, "Opt6in", metricDisplay() ? "15 cm" : "6 in");
    opt8in_ = makeButton<QRadioButton>(frame9, "Opt8in", metricDisplay() ? "20 cm" : "8 in");
    optMat_ = makeButton<QRadioButton>(frame9, "OptMat", metricDisplay() ? "Mat + 15-cm plate" : "Mat + 6-in plate");
    chkAuto_ = makeButton<QCheckBox>(frame9, "ChkAuto", "Auto");
    txMatLen_ = new NumBox(frame9, "TxMatLen");
    g9->addWidget(opt6in_, 0, 0);
    g9->addWidget(opt8in_, 0, 1);
    g9->addWidget(optMat_, 1, 0);
    g9->addWidget(chkAuto_, 1, 1);
    g9->addWidget(MakeLabel(frame9, "Label8", UnitCaption("Mat length per cable set", 11)), 2, 0);
    g9->addWidget(txMatLen_, 2, 1);
    grid->addWidget(frame9, grid->rowCount(), 0, 1, 2);
    for (NumBox* box : {txHole_, txResin_, txPreload_, txMatLen_})
        FitWidthToTexts(box, {"00000.00"});

    connect(combo1_, &QComboBox::activated, this, [this] { calculate(); });
    connect(chkCoat_, &QCheckBox::clicked, this, [this] { G.CurCase.CabCoated() = chkCoat_->isChecked() ? 1 : 0; });
    connect(opt1in_, &QRadioButton::clicked, this, [] { G.CurCase.CabHole() = 0; });
    connect(opt138in_, &QRadioButton::clicked, this, [] { G.CurCase.CabHole() = 1; });
    connect(opt6in_, &QRadioButton::clicked, this, [this] { plateClick(0); });
    connect(opt8in_, &QRadioButton::clicked, this, [this] { plateClick(1); });
    connect(optMat_, &QRadioButton::clicked, this, [this] { plateClick(2); });
    connect(chkAuto_, &QCheckBox::clicked, this, &PerfCab::autoClick);
    new UserEntry(txMatLen_, [this] {
        const bool switching = chkAuto_->isChecked() || !optMat_->isChecked();
        matLengthFocus();
        return switching;
    });
    for (NumBox* box : {txHole_, txResin_, txPreload_, txMatLen_})
        connectBox(box);
}

void PerfCab::buildLayoutFrame()
{
    frameLayout_ = makeFrame(this, "FrameLayout", "Support Layout");
    auto* grid = new QGridLayout(frameLayout_);
    option1_ = makeButton<QRadioButton>(frameLayout_, "Option1", "Calculate");
    option2_ = makeButton<QRadioButton>(frameLayout_, "Option2", "User-defined");
    textSpacing_ = new NumBox(frameLayout_, "TextSpacing");
    chkEven_ = makeButton<QCheckBox>(frameLayout_, "ChkEven", "Even no. of cables only");
    chkLimit4_ = makeButton<QCheckBox>(frameLayout_, "ChkLimit4", "Limit to 4 cables per roof-bolt set");
    lbSeq1_ = MakeLabel(frameLayout_, "LbSeq1", QString());
    textSets_ = new NumBox(frameLayout_, "TextSets");
    textRows_ = new NumBox(frameLayout_, "TextRows");
    grid->addWidget(option1_, 0, 0);
    grid->addWidget(option2_, 0, 1);
    addRow(grid, frameLayout_, "Label7", "No. cables per cable set", textSpacing_);
    grid->addWidget(chkEven_, grid->rowCount(), 0, 1, 2);
    grid->addWidget(chkLimit4_, grid->rowCount(), 0, 1, 2);
    grid->addWidget(lbSeq1_, grid->rowCount(), 0, 1, 2);
    addRow(grid, frameLayout_, "Label4", "No. roof-bolt sets per cable set", textSets_);
    addRow(grid, frameLayout_, "Label14", UnitCaption("Standard roof bolt spacing", 11), textRows_);
    for (NumBox* box : {textSpacing_, textSets_, textRows_})
        FitWidthToTexts(box, {"00000.00"});

    connect(option1_, &QRadioButton::clicked, this, &PerfCab::calculateOptionClick);
    connect(option2_, &QRadioButton::clicked, this, &PerfCab::userOptionClick);
    connect(chkEven_, &QCheckBox::clicked, this, [this] { calculate(); });
    connect(chkLimit4_, &QCheckBox::clicked, this, &PerfCab::limitClick);
    connect(textSpacing_, &NumBox::gotFocus, this, &PerfCab::cablesFocus);
    new UserEntry(textSpacing_, [this] {
        const bool switching = !option2_->isChecked();
        cablesFocus();
        return switching;
    });
    for (NumBox* box : {textSpacing_, textSets_, textRows_})
        connectBox(box);
}

void PerfCab::buildCriteriaFrame()
{
    frame4_ = makeFrame(this, "Frame4", "Design Criteria");
    auto* grid = new QGridLayout(frame4_);
    lbTpf_ = MakePanel(frame4_, "LbTpf");
    lbMaxConv_ = MakePanel(frame4_, "LbMaxConv");
    lbYield_ = MakePanel(frame4_, "LbYield");
    addRow(grid, frame4_, "Label6", UnitCaption("Support load density", 2), lbTpf_);
    addRow(grid, frame4_, "Label22", UnitCaption("at Design displacement", 5), lbMaxConv_);
    addRow(grid, frame4_, "LbYieldReq", "Design safety factor", lbYield_);
    grid->setColumnStretch(0, 1);
}

void PerfCab::buildResultFrames()
{
    frame5_ = makeFrame(this, "Frame5", "Installation Requirements");
    auto* g5 = new QGridLayout(frame5_);
    lbNo_ = MakeLabel(frame5_, "LbNo", kCablesPerSet);
    lbRows_ = MakePanel(frame5_, "LbRows");
    lbActSpac_ = MakePanel(frame5_, "LbActSpac");
    g5->addWidget(lbNo_, 0, 0);
    g5->addWidget(lbRows_, 0, 1);
    addRow(g5, frame5_, "Label9", UnitCaption("Spacing of cable set", 11), lbActSpac_);
    g5->setColumnStretch(0, 1);

    frame3_ = makeFrame(this, "Frame3", "Achieved Ground Control");
    auto* g3 = new QGridLayout(frame3_);
    lbActual_ = MakePanel(frame3_, "LbActual");
    lbConv_ = MakePanel(frame3_, "LbConv");
    lbWarn_ = MakePanel(frame3_, "LbWarn");
    lbInstall_ = MakePanel(frame3_, "LbInstall");
    addRow(g3, frame3_, "Label10", UnitCaption("Load density", 2), lbActual_);
    addRow(g3, frame3_, "Label1", UnitCaption("Roof displacement", 5), lbConv_);
    addRow(g3, frame3_, "Label2", "Safety factor", lbWarn_);
    addRow(g3, frame3_, "Label3", "Roof coverage, %", lbInstall_);
    g3->setColumnStretch(0, 1);

    frame6_ = makeFrame(this, "Frame6", "Warnings");
    auto* v6 = new QVBoxLayout(frame6_);
    listWarn_ = new WarningList(frame6_, 8);
    v6->addWidget(listWarn_);
}

void PerfCab::buildPlotFrame()
{
    frame2_ = makeFrame(this, "Frame2", "Ground Behavior and Support Performance");
    auto* v = new QVBoxLayout(frame2_);
    pic_ = new PlotPicture(frame2_, "Pic", QSize(260, 200));
    pic_->paint = [this](QPainter& p, const QRect& page, double pagePerTwip) { drawPlot(p, page, pagePerTwip); };
    pic_->mouseMoved = [this](double x, double y) { plotMouseMove(x, y); };
    pic_->mouseLeft = [this] { plotMouseOff(); };
    lbXAxMax_ = MakeLabel(frame2_, "LbXAxMax", QString());
    lbYAxMax_ = MakeAxisLabel(frame2_, "LbYAxMax");
    auto* plot = new QGridLayout;
    plot->addWidget(lbYAxMax_, 0, 0, Qt::AlignRight | Qt::AlignTop);
    plot->addWidget(pic_, 0, 1, 1, 2);
    plot->addWidget(MakeLabel(frame2_, "Label17", "0"), 1, 0, Qt::AlignRight | Qt::AlignTop);
    plot->addWidget(MakeLabel(frame2_, "Label18", "0"), 1, 1, Qt::AlignLeft | Qt::AlignTop);
    plot->addWidget(lbXAxMax_, 1, 2, Qt::AlignRight | Qt::AlignTop);
    plot->setColumnStretch(1, 1);
    plot->setRowStretch(0, 1);
    v->addLayout(plot, 1);

    v->addWidget(MakeLabel(frame2_, "LbCheck", "Red: Performance curve"));
    auto* legend = MakeLabel(frame2_, "Label21", "Blue: Required load density, Green: Design displacement");
    WrapInLines(legend, {legend->text()}, 2);
    v->addWidget(legend);
    const PlotReadouts::Caption captions[] = {
        {"Label19", UnitCaption("Displacement", 5)},
        {"Label20", UnitCaption("Load density", 2)},
        {"Label12", UnitCaption("Unit load", 1)},
    };
    readouts_ = PlotReadouts::build(frame2_, v, captions, lbConv_, lbActual_,
                                    [this](double q) { return unitLoadText(q); });
}

void PerfCab::connectBox(NumBox* box)
{
    connect(box, &NumBox::enterPressed, this, [this, box] {
        calculate();
        SelectAllText(box);
    });
    connect(box, &NumBox::leftBox, this, [this] { calculate(); });
}

void PerfCab::load()
{
    G.CurCase = G.Cases[at(std::clamp<int>(G.CurCaseNo, 0, kMaxCases))];
    const CaseRec& c = G.CurCase;

    // The sizes of the type; none chosen until the activation chooses one.
    const int type = caseType();
    const int sizes = type >= 1 && at(type) < G.NumModels.size() && G.CurType >= 1 &&
                              G.CurType <= G.ModelName.maxRow()
                          ? std::min<int>(G.NumModels[at(type)], G.ModelName.maxCol())
                          : 0;
    for (int m = 1; m <= sizes; ++m)
        combo1_->addItem(qs(G.ModelName(G.CurType, m)));
    combo1_->setCurrentIndex(-1);
    const std::string name = at(G.CurType) < G.SupTypeName.size() ? G.SupTypeName[at(G.CurType)] : std::string();
    setWindowTitle(qs(name) + " Performance");

    if (G.ModelYMax.inBounds(1) && G.ModelXMax.inBounds(1)) {
        G.PlotYMax = G.ModelYMax[1];
        G.PlotXMax = G.ModelXMax[1];
        lbYAxMax_->setText(qs(PlainNumber(G.PlotYMax)));
        lbXAxMax_->setText(qs(PlainNumber(G.PlotXMax)));
    }

    G.DesignTpf = G.DesignCrit.CabTpf;
    G.DesignConv = G.DesignCrit.CabConv;
    // A stored value that cannot be shown leaves its box empty, and the
    // calculation reports it.
    Guarded([this] {
        lbTpf_->setText(qs(FormatMetric(G.DesignTpf, 2)));
        lbMaxConv_->setText(qs(FormatMetric(G.DesignConv, 5)));
        lbYield_->setText(qs(FormatNum(G.DesignCrit.CabSF)));
    });

    chkLimit4_->setChecked(c.CabLimit4 != 0);
    chkEven_->setEnabled(false);
    const bool user = c.SpacMode == 1;
    (user ? option2_ : option1_)->setChecked(true);
    chkLimit4_->setEnabled(!user);
    textSpacing_->setEnabled(user);
    chkAuto_->setChecked(c.CabAutoMat != 0);
    Guarded([&] { PutMetric(txMatLen_, c.Par[3], 11); });
    chkCoat_->setChecked(c.CabCoated() != 0);
    (c.CabHole() != 0 ? opt138in_ : opt1in_)->setChecked(true);
    QRadioButton* plates[] = {opt6in_, opt8in_, optMat_};
    if (c.CabPlate >= 0 && c.CabPlate <= 2)
        plates[c.CabPlate]->setChecked(true);
    Guarded([&] { PutMetric(txHole_, c.Par[0], 11); });
    Guarded([&] { PutMetric(txResin_, c.Par[1], 11); });
    Guarded([&] { PutMetric(txPreload_, c.Par[6], 1); });

    listWarn_->clearSteady();
    combo1_->setFocus();
}

void PerfCab::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    // After whoever showed the window has returned.
    QPointer<PerfCab> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self)
            self->activate();
    });
}

void PerfCab::activate()
{
    CaseRec& c = G.CurCase;
    Guarded([&] { PutMetric(textRows_, c.CabBoltSpac(), 11); });
    textSpacing_->put(qs(PlainNumber(c.CabUserNum)), c.CabUserNum);
    textSets_->put(qs(PlainNumber(c.CabSets)), c.CabSets);
    const int highest = std::min(G.PerfConv.maxRow(), combo1_->count());
    const int m = std::min(std::max(c.SizeIdx + 1, 1), highest);
    if (m >= 1)
        c.SizeIdx = static_cast<int16_t>(m - 1);
    combo1_->setCurrentIndex(m - 1);
    calculate();
    Guarded([this] { readouts_->showDesignPoint(G.CurCase.ActTpf); });
}

CabInputs PerfCab::inputs() const
{
    CabInputs in;
    in.listIndex = combo1_->currentIndex();
    in.userDefined = option2_->isChecked();
    in.evenOnly = chkEven_->isChecked();
    in.limit4 = chkLimit4_->isChecked();
    in.autoMat = chkAuto_->isChecked();
    in.cables = ReadBox(textSpacing_, 0);
    in.sets = ReadBox(textSets_, 0);
    in.boltSpacing = ReadBox(textRows_, 11);
    in.cableLength = ReadBox(txHole_, 11);
    in.resinLength = ReadBox(txResin_, 11);
    in.preload = ReadBox(txPreload_, 1);
    in.matLength = ReadBox(txMatLen_, 11);
    return in;
}

bool PerfCab::calculate()
{
    if (calculating_)
        return false;  // a message of the calculation is up
    calculating_ = true;
    bool complete = false;
    try {
        const CabOutcome o = CalcPerfCab(inputs());
        if (o.safetyFactorReset)
            lbYield_->setText(qs(FormatNum(G.DesignCrit.CabSF)));
        if (o.preloadReset)
            txPreload_->put("0", 0);
        if (o.matShown)
            PutMetric(txMatLen_, *o.matShown, 11);
        for (const CabMessage& m : o.messages)
            MsgBox(qs(m.text), vbOKOnly, qs(m.title));
        if (o.complete())
            showResults(o);
        else
            refreshPlot();
        complete = o.complete();
    } catch (const std::exception& e) {
        // A value that cannot be shown: the calculation does not count.
        MsgBox(qs(e.what()), vbOKOnly, "Error");
    }
    calculating_ = false;
    return complete;
}

void PerfCab::showResults(const CabOutcome& o)
{
    const CaseRec& c = G.CurCase;
    const QString n = qs(FormatPattern(c.CabPerSet(), "0"));
    textSpacing_->put(n, c.CabPerSet());
    lbRows_->setText(n);
    try {
        lbActSpac_->setText(qs(FormatMetric(c.Spacing, 11)));
        lbActual_->setText(qs(FormatMetric(c.ActTpf, 2)));
        lbConv_->setText(qs(FmtVal(c.ActConv, 5, "0.000", "0.00")));
    } catch (const ArithError&) {
        // A value beyond the display unit's range stays as it was shown.
    }
    lbWarn_->setText(qs(FormatNum(c.SafetyFactor)));
    lbInstall_->setText(qs(FormatNum(c.Coverage)));
    const QString seq = qs(c.CabSeq[at(c.SizeIdx + 1)]);
    lbSeq1_->setVisible(o.sets > 1);
    lbSeq1_->setText(seq);
    lbNo_->setText(o.sets > 1 ? kCablesPerSet + seq : QString(kCablesPerSet));

    std::vector<std::string> lines;
    for (const Warning& w : o.warnings)
        lines.push_back(w.text);
    refreshPlot();
    readouts_->showDesignPoint(c.ActTpf);
    listWarn_->setWarnings(lines);
}

void PerfCab::refreshPlot()
{
    const int m = combo1_->currentIndex() + 1;
    plotReady_ = false;
    if (m >= 1 && m <= G.PerfConv.maxRow() && m <= G.PerfLoad.maxRow()) {
        try {
            plot_ = ScaleCabPlot(m);
            lbXAxMax_->setText(qs(plot_.x.text));
            lbYAxMax_->setText(qs(plot_.y.text));
            plotReady_ = true;
        } catch (const ArithError&) {
            lbXAxMax_->clear();
            lbYAxMax_->clear();
        }
    }
    pic_->update();
}

void PerfCab::drawPlot(QPainter& p, const QRect& page, double pagePerTwip)
{
    CurvePlot plot(p, page, plotReady_ ? plot_.x.english : 0, plotReady_ ? plot_.y.english : 0, 1);
    plot.setMarkScale(pagePerTwip);
    if (!plotReady_)
        return;
    plot.pen(kCurveColour);
    if (!plot_.curve.empty())
        plot.dot(plot_.curve.front().first, plot_.curve.front().second);
    plot.polyline(plot_.curve);
    plot.pen(kDesignColour);
    plot.vline(G.DesignConv);
    if (const auto tpf = ReadShown(lbTpf_->text(), 2)) {
        plot.pen(kRequirementColour);
        plot.hline(*tpf);
    }
    if (const auto tpf = ReadShown(lbActual_->text(), 2)) {
        plot.pen(kPointColour);
        plot.plus(G.CurCase.ActConv, *tpf);
    }
}

QString PerfCab::unitLoadText(double tpf) const
{
    const CaseRec& c = G.CurCase;
    if (c.CabPerSet() < 1)
        return QString();
    try {
        return qs(FormatMetric(tpf * c.Spacing / c.CabPerSet(), 1));
    } catch (const ArithError&) {
        return QString();
    }
}

void PerfCab::plotMouseMove(double x, double y)
{
    readouts_->followMouse(PlotMapping(pic_->rect(), G.PlotXMax, G.PlotYMax, 1), x, y);
}

void PerfCab::plotMouseOff() { readouts_->mouseOff(G.CurCase.ActTpf); }

void PerfCab::calculateOptionClick()
{
    textSpacing_->setEnabled(option2_->isChecked());
    G.CurCase.SpacMode = 0;
    chkLimit4_->setEnabled(true);
    chkEven_->setEnabled(!chkLimit4_->isChecked());
    calculate();
}

void PerfCab::userOptionClick()
{
    textSpacing_->setEnabled(option2_->isChecked());
    G.CurCase.SpacMode = 1;
    chkLimit4_->setEnabled(false);
    chkEven_->setEnabled(false);
    textSpacing_->setFocus(Qt::OtherFocusReason);
    calculate();
}

void PerfCab::limitClick()
{
    chkEven_->setEnabled(!chkLimit4_->isChecked());
    G.CurCase.CabLimit4 = chkLimit4_->isChecked() ? 1 : 0;
    calculate();
}

void PerfCab::plateClick(int plate)
{
    G.CurCase.CabPlate = static_cast<int16_t>(plate);
    calculate();
}

void PerfCab::autoClick()
{
    if (chkAuto_->isChecked()) {
        G.CurCase.CabAutoMat = 1;
    } else {
        G.CurCase.CabAutoMat = 0;
        PutMetric(txMatLen_, G.CurCase.Par[3], 11);
    }
    optMat_->setChecked(true);
    plateClick(2);
}

void PerfCab::cablesFocus()
{
    if (option2_->isChecked())
        return;
    option2_->setChecked(true);
    userOptionClick();
}

void PerfCab::matLengthFocus()
{
    if (chkAuto_->isChecked()) {
        chkAuto_->setChecked(false);
        autoClick();
    }
    if (!optMat_->isChecked()) {
        optMat_->setChecked(true);
        plateClick(2);
    }
}

void PerfCab::accept()
{
    if (!calculate())
        return;
    G.Cases[at(std::clamp<int>(G.CurCaseNo, 0, kMaxCases))] = G.CurCase;
    ++G.ChangeCount;
    QDialog::accept();
}

}  // namespace vesk
