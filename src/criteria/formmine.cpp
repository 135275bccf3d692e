#include "criteria/formmine.h"

#include "criteria/blockframe.h"
#include "criteria/criteria.h"
#include "criteria/entryframe.h"
#include "model/criteria/block.h"
#include "model/criteria/changes.h"
#include "model/criteria/summary.h"
#include "model/curves.h"
#include "model/globals.h"
#include "model/numfmt.h"
#include "model/units.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/guard.h"
#include "platform/msgbox.h"
#include "platform/numbox.h"
#include "platform/plotwidgets.h"
#include "platform/qtext.h"
#include "platform/selectall.h"
#include "ui/boxes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vesk {

namespace {

constexpr std::array<int, 4> kHelpContexts = {270, 275, 273, 258};
constexpr std::array<const char*, 4> kClick1 = {
    "Left click sets design convergence", "Left click sets design convergence", "Left click sets design convergence",
    "Left click sets convergence and load density"};
constexpr std::array<const char*, 4> kFrameNames = {"FrameBlock", "FrameBeam", "FrameSyst", "FrameArb"};
constexpr std::array<const char*, 4> kFrameTitles = {
    "Detached Block Design Parameters", "Ground Reaction Design Parameters",
    "Current Support System Design Parameters", "Arbitrary Design Criteria"};

QString indexed(const char* name, int i) { return QString("%1(%2)").arg(name).arg(i); }

int16_t basisShown() { return G.DesignBasis >= 0 && G.DesignBasis <= 3 ? G.DesignBasis : 0; }

}  // namespace

FormMine::FormMine(QWidget* parent) : QDialog(parent)
{
    setObjectName("FormMine");
    setWindowTitle("Design Criteria");
    G.NextStep = 0;

    crit_ = G.DesignCrit;
    crit_.Basis = G.DesignBasis;
    supportsAtOpening_ = SupportState::Take();

    buildBasisFrames();
    buildCommonFrames();
    buildPlotFrame();

    auto* ok = MakeButton(this, "ComDone", "&Ok");
    auto* cancel = MakeButton(this, "ComCancel", "&Cancel");
    auto* help = MakeButton(this, "ComHelp", "&Help");
    connect(ok, &QPushButton::clicked, this, &FormMine::accept);
    connect(cancel, &QPushButton::clicked, this, &FormMine::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(helpContext()); });
    InstallHelpKey(this, [this] { return helpContext(); });

    // The basis inputs over the summary they give; the plot over the entry
    // size and the bearing strengths.
    auto* left = new QVBoxLayout;
    for (QGroupBox* f : basisFrames_)
        left->addWidget(f);
    left->addWidget(findChild<QGroupBox*>("Frame2"));
    left->addStretch();
    auto* entry = findChild<QGroupBox*>("Frame5");
    auto* bearing = findChild<QGroupBox*>("Frame1");
    auto* sizes = new QHBoxLayout;
    sizes->addWidget(entry);
    sizes->addWidget(bearing);
    auto* right = new QVBoxLayout;
    right->addWidget(findChild<QGroupBox*>("FramePlot"), 1);
    right->addLayout(sizes);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    right->addLayout(buttons);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left);
    top->addLayout(right, 1);

    for (int i = 0; i < 4; ++i)
        basisFrames_[i]->setVisible(i == basisShown());
    InstallSelectOnFocus(this);
    setUnitCaptions();
}

FormMine::~FormMine() = default;

void FormMine::buildBasisFrames()
{
    const QString heave = "Deformation not controlled" + qs(G.CrLf.empty() ? "\r\n" : G.CrLf) +
                          "by support capacity, " + qs(UnitLabel(5));
    for (int i = 0; i < 4; ++i) {
        QGroupBox* frame = nullptr;
        QGridLayout* grid = nullptr;
        if (i == 0) {
            block_ = new BlockFrame(this, crit_, kStandingBlock,
                                    {kFrameTitles[0], "Label56", "Label55", "Design convergence",
                                     "Set as cable-bolt criteria"});
            frame = block_;
            grid = block_->grid();
            auto* setBlock = MakeButton(frame, "ComSetBlock", "Set");
            const int row = block_->nextRow();
            grid->addWidget(setBlock, row, 0, Qt::AlignLeft);
            grid->addWidget(MakeLabel(frame, "Label57", "Set to max GR point"), row, 1, 1, 2);
            connect(setBlock, &QPushButton::clicked, this, &FormMine::setBlockFromCurve);
            connect(block_->copyButton(), &QPushButton::clicked, this, &FormMine::copyToCable);
            block_->onCalculated = [this] {
                updateSummary();
                storeBasisInputs();
                redrawPlot();
            };
            block_->onFailureType = [this] { redrawPlot(); };
        } else {
            frame = new QGroupBox(kFrameTitles[i], this);
            frame->setObjectName(kFrameNames[i]);
            grid = new QGridLayout(frame);
            grid->setColumnStretch(0, 1);
            if (i == 1)
                buildBeamFrame(frame, grid);
            else if (i == 2)
                buildSystFrame(frame, grid);
            else
                buildArbFrame(frame, grid);
        }
        basisFrames_[i] = frame;
        const int row = grid->rowCount();
        lbHeave_[i] = MakeLabel(frame, indexed("LbHeave", i), heave);
        lbUconv_[i] = MakePanel(frame, indexed("LbUconv", i));
        auto* set = MakeButton(frame, indexed("ComHeave", i), "Set");
        grid->addWidget(lbHeave_[i], row, 0);
        grid->addWidget(lbUconv_[i], row, 1);
        grid->addWidget(set, row, 2);
        connect(set, &QPushButton::clicked, this, &FormMine::heaveClicked);
    }
}

void FormMine::buildCommonFrames()
{
    entry_ = new EntryFrame(this, crit_);
    entry_->onEntered = [this](NumBox*, bool changed) {
        if (changed)
            sizeEdited_ = true;
        recomputeBasis();
    };

    auto* bearing = new QGroupBox("Bearing Strength", this);
    bearing->setObjectName("Frame1");
    auto* bg = new QGridLayout(bearing);
    label16_ = MakeLabel(bearing, "Label16", QString());
    label38_ = MakeLabel(bearing, "Label38", QString());
    txRoof_ = new NumBox(bearing, "TxRoof");
    txFloor_ = new NumBox(bearing, "TxFloor");
    bg->addWidget(label16_, 0, 0);
    bg->addWidget(txRoof_, 0, 1);
    bg->addWidget(label38_, 1, 0);
    bg->addWidget(txFloor_, 1, 1);
    for (NumBox* box : {txRoof_, txFloor_}) {
        box->setMaximumWidth(90);
        connect(box, &NumBox::enterPressed, this, [this, box] { bearingEntered(box); });
        connect(box, &NumBox::leftBox, this, [this, box] { bearingEntered(box); });
    }

    auto* summary = new QGroupBox("Design Criteria Summary", this);
    summary->setObjectName("Frame2");
    auto* sg = new QGridLayout(summary);
    label31_ = MakeLabel(summary, "Label31", QString());
    label9_ = MakeLabel(summary, "Label9", QString());
    lbTpf_ = MakePanel(summary, "LbTpf");
    lbConv_ = MakePanel(summary, "LbConv");
    lbYieldReq_ = MakeLabel(summary, "LbYieldReq", QString());
    lbYield_ = MakePanel(summary, "LbYield");
    lbAtype_ = MakePanel(summary, "LbAtype");
    lbAtype_->setMinimumWidth(lbAtype_->fontMetrics().horizontalAdvance("Not applicable") + 12);
    lbCont_ = MakePanel(summary, "LbCont");
    lbUncont_ = MakePanel(summary, "LbUncont");
    label52_ = MakeLabel(summary, "Label52", QString());
    label53_ = MakeLabel(summary, "Label53", QString());
    sg->addWidget(label31_, 0, 0);
    sg->addWidget(lbTpf_, 0, 1);
    sg->addWidget(label9_, 1, 0);
    sg->addWidget(lbConv_, 1, 1);
    sg->addWidget(lbYieldReq_, 2, 0);
    sg->addWidget(lbYield_, 2, 1);
    sg->addWidget(MakeLabel(summary, "Label45", "Convergence timing:"), 3, 0);
    // Wider than the other values: it reaches into the next column.
    sg->addWidget(lbAtype_, 3, 1, 1, 2, Qt::AlignLeft);
    sg->addWidget(MakeLabel(summary, "Label51", "Convergence components"), 0, 2, 1, 2);
    sg->addWidget(label52_, 1, 2);
    sg->addWidget(lbCont_, 1, 3);
    sg->addWidget(label53_, 2, 2);
    sg->addWidget(lbUncont_, 2, 3);
    sg->setColumnStretch(0, 1);
    sg->setColumnStretch(2, 1);
}

void FormMine::buildPlotFrame()
{
    auto* frame = new QGroupBox("Ground Reaction Curve", this);
    frame->setObjectName("FramePlot");
    auto* v = new QVBoxLayout(frame);
    auto* pick = new QHBoxLayout;
    combo1_ = new QComboBox(frame);
    combo1_->setObjectName("Combo1");
    combo1_->setMinimumContentsLength(24);
    // As wide as that, whatever the names of the curves.
    combo1_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    labId_ = MakePanel(frame, "LabID");
    labId_->setMinimumWidth(40);
    pick->addWidget(combo1_, 1);
    pick->addWidget(MakeLabel(frame, "Label40", "ID"));
    pick->addWidget(labId_);
    v->addLayout(pick);

    auto* edit = MakeButton(frame, "ComEdit", "Edit");
    pick->addWidget(edit);
    connect(edit, &QPushButton::clicked, this, &FormMine::editCurves);

    pic1_ = MakePlotPicture(frame, this);
    auto* plotRow = new QGridLayout;
    lbYmax_ = MakeAxisLabel(frame, "LbYmax");
    lbXmax_ = MakeLabel(frame, "LbXmax", QString());
    plotRow->addWidget(lbYmax_, 0, 0, Qt::AlignRight | Qt::AlignTop);
    plotRow->addWidget(MakeLabel(frame, "LbYmin", "0"), 1, 0, Qt::AlignRight | Qt::AlignBottom);
    plotRow->addWidget(pic1_, 0, 1, 2, 2);
    plotRow->addWidget(MakeLabel(frame, "LbXmin", "0"), 2, 1, Qt::AlignLeft);
    plotRow->addWidget(lbXmax_, 2, 2, Qt::AlignRight);
    plotRow->setColumnStretch(1, 1);
    plotRow->setRowStretch(0, 1);
    v->addLayout(plotRow, 1);

    auto* readout = new QGridLayout;
    lbPlotTons_ = MakePanel(frame, "LbPlotTons");
    lbPlotConv_ = MakePanel(frame, "LbPlotConv");
    lbCoord_ = MakeLabel(frame, "LbCoord", QString());
    lbLegend_ = MakeLabel(frame, "LbLegend", QString());
    lbClick1_ = MakeLabel(frame, "LbClick1", QString());
    lbClick2_ = MakeLabel(frame, "LbClick2", QString());
    readout->addWidget(MakeLabel(frame, "LbAxisTons", "Load density, " + qs(UnitLabel(2))), 0, 0);
    readout->addWidget(lbPlotTons_, 0, 1);
    readout->addWidget(MakeLabel(frame, "LbAxisConv", "Convergence, " + qs(UnitLabel(5))), 1, 0);
    readout->addWidget(lbPlotConv_, 1, 1);
    // The hints, the mode and the legend have rows of their own, each as
    // wide as the longest text it shows, so that the dialog keeps its width
    // whatever they say.
    readout->addWidget(lbClick1_, 2, 0, 1, 3);
    readout->addWidget(lbClick2_, 3, 0, 1, 3);
    readout->addWidget(lbCoord_, 4, 0, 1, 3);
    readout->addWidget(lbLegend_, 5, 0, 1, 3);
    readout->setColumnStretch(2, 1);
    QStringList clicks(kClick1.begin(), kClick1.end());
    clicks << "Right click sets max convergence";
    for (QLabel* click : {lbClick1_, lbClick2_})
        FitWidthToTexts(click, clicks);
    FitWidthToTexts(lbCoord_, {"Coords correspond to crosshairs", "Coords correspond to mouse cursor",
                               "Coords correspond to design point"});
    FitWidthToTexts(lbLegend_,
                    {"+ = Design convergence", "+ = Design convergence, x = Security-check convergence"});
    v->addLayout(readout);

    connect(combo1_, &QComboBox::activated, this, &FormMine::combo1Click);
}

void FormMine::setUnitCaptions()
{
    label16_->setText(UnitCaption("Roof", 7));
    label38_->setText(UnitCaption("Floor", 7));
    entry_->setUnitCaptions();
    label31_->setText(UnitCaption("Support load density", 2));
    label9_->setText(UnitCaption("at Design convergence", 5) + " (+)");
    label52_->setText(UnitCaption("Controlled", 5));
    label53_->setText(UnitCaption("Uncontrolled", 5));
    FitWidthToTexts(lbYieldReq_, {"No security check", UnitCaption("Security-check convergence", 5) + " (x)"});
    block_->setUnitCaptions();
}

int FormMine::helpContext() const { return kHelpContexts[static_cast<std::size_t>(basisShown())]; }

void FormMine::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        QPointer<FormMine> self(this);
        QTimer::singleShot(0, this, [self] {
            if (self)
                self->activate();
        });
    }
}

void FormMine::activate()
{
    if (!firstActivate_)
        return;
    copiedToCable_ = false;
    G.EntryHt = crit_.EntryHt;
    G.EntryWid = crit_.EntryWid;
    // A stored value that cannot be shown leaves its box empty, and the
    // checks of the box report it.
    entry_->fill();
    Guarded([this] { PutMetric(txRoof_, crit_.RoofBearing, 7); });
    Guarded([this] { PutMetric(txFloor_, crit_.FloorBearing, 7); });
    showUncontrolledConv();

    combo1_->clear();
    combo1_->addItem("<none>");
    const int numCurves = std::min<int>(G.NumCurves, static_cast<int>(G.GRCurves.size()) - 1);
    for (int k = 1; k <= numCurves; ++k) {
        std::string name = G.GRCurves[static_cast<std::size_t>(k)].Name;
        while (!name.empty() && name.back() == ' ')
            name.pop_back();
        combo1_->addItem(qs(name));
    }
    int position = 0;
    if (numCurves < 1) {
        crit_.CurveId = -1;
    } else if (crit_.CurveId < 1) {
        crit_.CurveId = G.GRCurves[1].Id;
        position = 1;
    } else {
        position = FindCurve(crit_.CurveId);
        if (position < 1 || position > numCurves) {
            position = 1;
            crit_.CurveId = G.GRCurves[1].Id;
        }
    }
    combo1_->setCurrentIndex(position);
    combo1Click(position);

    showBasisFrame();
    firstActivate_ = false;
    if (basisShown() == 2)
        selectSupport();
}

void FormMine::showBasisFrame()
{
    const int basis = basisShown();
    lbClick2_->clear();
    showUncontrolledConv();
    for (int i = 0; i < 4; ++i)
        basisFrames_[static_cast<std::size_t>(i)]->setVisible(i == basis);
    lbClick1_->setText(kClick1[static_cast<std::size_t>(basis)]);
    if (basis == 1)
        lbClick2_->setText("Right click sets max convergence");
    // A stored value that cannot be shown leaves the basis's boxes from there
    // on empty, which its checks report.
    Guarded([&] { fillBasis(basis); });
    redrawPlot();
    hover_ = false;
    showCoordMode();
    lbPlotTons_->setText(lbTpf_->text());
    lbPlotConv_->setText(lbConv_->text());
}

// The uncontrolled convergence in the read-out of every basis. An amount that
// cannot be shown (a damaged record) leaves them as they were.
void FormMine::showUncontrolledConv()
{
    Guarded([this] {
        const QString text = qs(FormatMetric(crit_.UncontrolledConv, 5));
        for (QLabel* l : lbUconv_)
            l->setText(text);
    });
}

void FormMine::fillBasis(int basis)
{
    switch (basis) {
    case 0:
        block_->fill();
        break;
    case 1:
        PutMetric(txGRconv_, crit_.GRMaxConv, 5);
        PutMetric(txGRdes_, crit_.GRDesignConv, 5);
        endOpt_[static_cast<std::size_t>(endMode())]->setChecked(true);
        applyEndTreatment();
        combo1Click(curveListIndex_);
        PutMetric(txGRconv_, crit_.GRMaxConv, 5);
        calcGrDesign();
        break;
    case 2:
        PutMetric(txSpac_, crit_.SysSpac, 6);
        PutMetric(txCurrConv_, crit_.SysConv, 5);
        PutValue(txRows_, crit_.SysRows, FormatPattern(crit_.SysRows, "0"));
        if (crit_.SysCase >= 1 && crit_.SysCase <= G.NumCases)
            G.CurCaseNo = crit_.SysCase;
        updateSummary();
        break;
    default:
        txArbTpf_->setFocus();
        PutMetric(txArbTpf_, crit_.ArbTpf, 2);
        PutMetric(txArbConv_, crit_.ArbConv, 5);
        PutMetric(txArbTons_, crit_.ArbTons, 1);
        PutMetric(txArbSpac_, crit_.ArbSpac, 6);
        PutValue(txArbRows_, crit_.ArbRows, PlainNumber(crit_.ArbRows));
        calcArbitrary();
        break;
    }
}

void FormMine::recomputeBasis()
{
    switch (basisShown()) {
    case 0:
        calcblock();
        break;
    case 1:
        calcGrDesign();
        redrawPlot();
        break;
    case 2:
        calcCurrentSystem();
        break;
    default:
        calcArbitrary();
        break;
    }
}

void FormMine::calcblock() { block_->calcblock(); }

void FormMine::updateSummary()
{
    lbTpf_->setText(qs(FormatMetric(crit_.Tpf, 2)));
    KeepTpfPerWid(crit_, G.EntryWid);
    lbConv_->setText(qs(FormatMetric(crit_.Conv, 5)));
    lbUncont_->setText(qs(FormatMetric(crit_.UncontrolledConv, 5)));
    SecurityCheck s;
    try {
        s = CheckSecurity(crit_, true);
    } catch (const ArithError&) {
        s = SecurityCheck{};
        s.none = false;
    }
    if (s.none) {
        lbYieldReq_->setText("No security check");
        lbYield_->setVisible(false);
        lbLegend_->setText("+ = Design convergence");
    } else {
        lbYieldReq_->setText(UnitCaption("Security-check convergence", 5) + " (x)");
        lbYield_->setVisible(true);
        lbLegend_->setText("+ = Design convergence, x = Security-check convergence");
        if (s.timingReset)
            MsgBox("The uncontrolled convergence exceeds the design convergence.  The convergence timing was "
                   "changed from Concurrent to Independent",
                   vbOKOnly, "Attention");
        lbYield_->setText(qs(FormatMetric(s.conv, 5)));
    }
    lbCont_->setText(qs(FormatMetric(s.controlled, 5)));
    lbAtype_->setText(TimingName(s));
}

int FormMine::curveIdAtList() const
{
    if (combo1_->count() >= 2 && curveListIndex_ >= 1 && curveListIndex_ <= G.NumCurves &&
        curveListIndex_ < static_cast<int>(G.GRCurves.size()))
        return G.GRCurves[static_cast<std::size_t>(curveListIndex_)].Id;
    return -1;
}

void FormMine::storeBasisInputs() { crit_.CurveId = static_cast<int16_t>(curveIdAtList()); }

void FormMine::showCoordMode()
{
    QString what = "crosshairs";
    if (hover_)
        what = "mouse cursor";
    else if (basisShown() == 1)
        what = "design point";
    lbCoord_->setText("Coords correspond to " + what);
}

void FormMine::redrawPlot() { pic1_->update(); }

void FormMine::combo1Click(int position)
{
    curveListIndex_ = position;
    if (position >= 1 && position <= G.NumCurves && position < static_cast<int>(G.GRCurves.size())) {
        // The remembered values, before the boxes change.
        const float maxConv = crit_.GRMaxConv, designConv = crit_.GRDesignConv;
        G.WorkCurve = G.GRCurves[static_cast<std::size_t>(position)];
        labId_->setText(QString::number(G.WorkCurve.Id));
        applyEndTreatment();
        const CurveRec& w = G.WorkCurve;
        const int n = w.NumPts;
        if (basisShown() == 1 && !firstActivate_ && n >= 1 && n <= 10) {
            const float first = w.Conv[1], last = w.Conv[static_cast<std::size_t>(n)];
            if (maxConv < first || maxConv > last)
                PutMetric(txGRconv_, last, 5);
            if (!(designConv >= first && designConv <= last && designConv <= maxConv))
                PutMetric(txGRdes_, last, 5);
            calcGrDesign();
        }
    } else {
        G.WorkCurve.NumPts = 0;
        labId_->clear();
        if (basisShown() == 1 && !firstActivate_)
            calcGrDesign();
    }
    redrawPlot();
}

void FormMine::setBlockFromCurve()
{
    if (curveListIndex_ <= 0)
        return;
    const CurveRec& w = G.WorkCurve;
    if (w.NumPts < 0 || w.NumPts >= static_cast<int>(w.Conv.size()))
        return;
    PutMetric(block_->convBox(), w.Conv[static_cast<std::size_t>(w.NumPts)], 5);
    calcblock();
}

void FormMine::heaveClicked()
{
    Uconv.UconvAmount = crit_.UncontrolledConv;
    Uconv.UconvTiming = crit_.Timing;
    Uconv.UconvDesignConv = crit_.Conv;
    {
        MaxYield dlg(this, Uconv);
        dlg.exec();
    }
    crit_.Timing = Uconv.UconvTiming;
    crit_.UncontrolledConv = Uconv.UconvAmount;
    showUncontrolledConv();
    redrawPlot();
    Guarded([this] { updateSummary(); });
}

void FormMine::copyToCable()
{
    CopyBlockInputs(crit_, kStandingBlock, kCableBlock);
    copiedToCable_ = true;
}

// Enter in (or leaving) a bearing box. False for an invalid value, after its
// message; the box shows the stored value again.
bool FormMine::bearingEntered(NumBox* box)
{
    const bool roof = box == txRoof_;
    float& field = roof ? crit_.RoofBearing : crit_.FloorBearing;
    const auto v = ReadBox(box, 7);
    const bool valid = v && *v > 0;
    if (valid)
        field = *v;
    else
        MsgBox(roof ? "Invalid roof bearing strength" : "Invalid floor bearing strength", vbOKOnly, "Error");
    PutMetric(box, field, 7);
    SelectAllText(box);
    return valid;
}

void FormMine::accept()
{
    // Every box is read as it stands; the first invalid one keeps the dialog
    // open, so that what is committed is what is shown.
    for (NumBox* box : {entry_->widthBox(), entry_->heightBox(), txRoof_, txFloor_}) {
        bool changed = false;
        const bool valid = box == txRoof_ || box == txFloor_ ? bearingEntered(box) : entry_->read(box, &changed);
        if (!valid) {
            box->setFocus();
            return;
        }
        if (changed) {
            sizeEdited_ = true;
            recomputeBasis();
        }
    }
    crit_.CurveId = static_cast<int16_t>(curveIdAtList());
    int16_t grcDefined = 0;
    bool supportChanged = false;
    switch (basisShown()) {
    case 0:
        if (!block_->calcblock()) {
            if (NumBox* bad = block_->lastInvalid())
                bad->setFocus();
            return;
        }
        break;
    case 1:
        if (crit_.CurveId < 0) {
            // No curve chosen: the requirement stays a constant load.
            MsgBox("No ground reaction curve is selected; the design load density does not follow a curve.",
                   vbOKOnly, "Warning");
            break;
        }
        calcGrDesign();
        crit_.GREndMode = static_cast<int16_t>(endMode());
        G.DesignCurve = G.GRCurves[static_cast<std::size_t>(curveListIndex_)];
        if (const int k = FindCurve(crit_.CurveId); k > 0 && G.GRCurves[static_cast<std::size_t>(k)].NumPts > 1)
            grcDefined = -1;
        break;
    case 2:
        calcCurrentSystem();
        if (sysSelected_ && G.CurCaseNo >= 1 && G.CurCaseNo <= G.NumCases) {
            CaseRec& system = G.Cases[static_cast<std::size_t>(G.CurCaseNo)];
            supportChanged = system.UserSpacing != G.CurCase.UserSpacing || system.Rows != G.CurCase.Rows;
            system = G.CurCase;
            // Designed for other spacing or rows than it now holds: no longer up to date.
            if (supportChanged)
                system.Updated = 0;
        }
        break;
    default:
        if (!calcArbitrary()) {
            focusInvalidArbitrary();
            return;
        }
        break;
    }
    G.GrcDefined = grcDefined;
    CommitCriteria(crit_, copiedToCable_, CritGroup::Standing);
    Criteria::CritEditorDone = -1;
    QDialog::accept();
}

void FormMine::reject()
{
    Criteria::CritEditorDone = 0;
    // Curves built in passing (a new height under the current system, a plot
    // click) leave no table changed; what was done in the support list stays.
    supportsAtOpening_.Restore();
    G.EntryHt = G.DesignCrit.EntryHt;
    G.EntryWid = G.DesignCrit.EntryWid;
    QDialog::reject();
}

}  // namespace vesk
