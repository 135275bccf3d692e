// The ground-reaction-curve, current-system and arbitrary frames of the
// design criteria dialog.
#include "criteria/edcurves.h"
#include "criteria/formmine.h"

#include "criteria/blockframe.h"

#include "model/concretecurve.h"
#include "model/cribmodel.h"
#include "model/criteria/grc.h"
#include "model/curves.h"
#include "model/globals.h"
#include "model/numfmt.h"
#include "model/postcurve.h"
#include "model/units.h"
#include "model/vbmath.h"
#include "files/modelfile.h"
#include "files/typedata.h"
#include "platform/controls.h"
#include "platform/msgbox.h"
#include "platform/numbox.h"
#include "platform/qtext.h"
#include "platform/selectall.h"
#include "ui/boxes.h"
#include "ui/openers.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace vesk {

namespace {

// The whole part of a typed count (rounded down); nullopt for text that is
// not a number or a count beyond a 16-bit field.
std::optional<int16_t> wholeCount(const NumBox* box)
{
    if (auto v = box->remembered())
        return static_cast<int16_t>(std::floor(*v));
    const auto typed = ParseNumber(ss(box->text()));
    if (!typed || std::floor(*typed) > 32767 || std::floor(*typed) < -32768)
        return std::nullopt;
    return static_cast<int16_t>(std::floor(*typed));
}

bool isCrib(int caseNo) { return caseNo >= 1 && caseNo <= G.NumCases && G.CaseType[caseNo] == 1; }

// The model of the current support's curve: the chosen size of a
// file-defined type, else model 1.
int16_t currentModel()
{
    const int type = G.CurCaseNo >= 1 && G.CurCaseNo <= G.NumCases ? G.CaseType[G.CurCaseNo] : 0;
    return static_cast<int16_t>(type >= 7 ? G.CurCase.SizeIdx + 1 : 1);
}

}  // namespace

// ---- Ground reaction curve ----------------------------------------------------

void FormMine::buildBeamFrame(QGroupBox* frame, QGridLayout* grid)
{
    txGRconv_ = new NumBox(frame, "TxGRconv");
    txGRdes_ = new NumBox(frame, "TxGRdes");
    lbMaxTpf_ = MakePanel(frame, "LbMaxTpf");
    lbGrTpf_ = MakePanel(frame, "LbGrTpf");
    lbSFactor_ = MakePanel(frame, "LbSFactor");
    int row = 0;
    grid->addWidget(MakeLabel(frame, "LblGRconv", UnitCaption("Max allowable convergence", 5)), row, 0);
    grid->addWidget(txGRconv_, row++, 1);
    grid->addWidget(MakeLabel(frame, "LblMaxTpf", UnitCaption("Min acceptable support load density", 2)), row, 0);
    grid->addWidget(lbMaxTpf_, row++, 1);
    grid->addWidget(MakeLabel(frame, "LblGRdes", UnitCaption("Design convergence", 5)), row, 0);
    grid->addWidget(txGRdes_, row++, 1);
    grid->addWidget(MakeLabel(frame, "LblGrTpf", UnitCaption("Load density at design convergence", 2)), row, 0);
    grid->addWidget(lbGrTpf_, row++, 1);
    grid->addWidget(MakeLabel(frame, "LblSFactor", "GRC Safety Factor\n(load at design conv / min load)"), row, 0);
    grid->addWidget(lbSFactor_, row++, 1);
    auto* ends = new QGroupBox("Off-curve points", frame);
    ends->setObjectName("FrameEnds");
    auto* eg = new QVBoxLayout(ends);
    const char* captions[] = {"Disallow off-curve points", "Constant-load extension of end points",
                              "Extrapolate end segments"};
    for (int i = 0; i < 3; ++i) {
        endOpt_[static_cast<std::size_t>(i)] = new QRadioButton(captions[i], ends);
        endOpt_[static_cast<std::size_t>(i)]->setObjectName(QString("Option1(%1)").arg(i));
        eg->addWidget(endOpt_[static_cast<std::size_t>(i)]);
        connect(endOpt_[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { endTreatmentClicked(i); });
    }
    grid->addWidget(ends, row++, 0, 1, 3);
    for (NumBox* box : {txGRconv_, txGRdes_}) {
        const auto enter = [this, box] {
            calcGrDesign();
            redrawPlot();
            SelectAllText(box);
        };
        connect(box, &NumBox::enterPressed, this, enter);
        connect(box, &NumBox::leftBox, this, enter);
    }
}

// The end treatment of the criteria being edited. It holds under every basis;
// the options show it under the curve basis only.
int FormMine::endMode() const
{
    return crit_.GREndMode >= kEndDisallow && crit_.GREndMode <= kEndExtrapolate ? crit_.GREndMode
                                                                                    : int16_t(kEndDisallow);
}

void FormMine::endTreatmentClicked(int mode)
{
    crit_.GREndMode = static_cast<int16_t>(mode);
    endOpt_[static_cast<std::size_t>(mode)]->setChecked(true);
    applyEndTreatment();
    calcGrDesign();
    redrawPlot();
}

void FormMine::applyEndTreatment()
{
    const int k = curveListIndex_;
    if (k < 1 || k > G.NumCurves || k >= static_cast<int>(G.GRCurves.size()))
        return;
    CurveRec& rec = G.GRCurves[static_cast<std::size_t>(k)];
    if (rec.NumPts < 1)
        return;
    const int16_t mode = static_cast<int16_t>(endMode());
    try {
        if (ApplyEndTreatment(rec, mode, crit_.UncontrolledConv, crit_.Conv) != mode) {
            // A single point cannot be extrapolated: its ends are held constant.
            endTreatmentClicked(kEndConstant);
            return;
        }
    } catch (const ArithError&) {
        // Extensions beyond single precision: the curve keeps its former ends.
    }
    G.WorkCurve = rec;
}

void FormMine::calcGrDesign()
{
    if (G.NumCurves < 1)
        return;
    const int k = curveListIndex_ >= 0 && curveListIndex_ <= G.NumCurves ? curveListIndex_ : 0;
    if (k == 0) {
        for (NumBox* box : {txGRconv_, txGRdes_})
            box->putText(QString());
        for (QLabel* l : {lbMaxTpf_, lbGrTpf_, lbSFactor_})
            l->clear();
        return;
    }
    const CurveRec& w = G.WorkCurve;
    if (w.NumPts <= 0 || w.NumPts > 10)
        return;
    // Text that is not a number keeps the value it replaced.
    const float typedMax = ReadBox(txGRconv_, 5).value_or(crit_.GRMaxConv);
    const float typedDesign = ReadBox(txGRdes_, 5).value_or(crit_.GRDesignConv);
    GrDesign g;
    try {
        g = CalcGrDesign(w, typedMax, typedDesign, G.EntryWid);
    } catch (const ArithError&) {
        return;
    }
    PutMetric(txGRconv_, g.maxConv, 5);
    crit_.GRMaxConv = g.maxConv;
    lbMaxTpf_->setText(qs(FormatMetric(g.minTpf, 2)));
    PutMetric(txGRdes_, g.designConv, 5);
    crit_.GRDesignConv = g.designConv;
    lbGrTpf_->setText(qs(FormatMetric(g.designTpf, 2)));
    crit_.Conv = g.designConv;
    crit_.Tpf = g.designTpf;
    updateSummary();
    if (g.safetyFactor)
        lbSFactor_->setText(qs(FormatNum(*g.safetyFactor)));
}

void FormMine::editCurves()
{
    G.CurveSel = static_cast<int16_t>(combo1_->currentIndex() - 1);
    {
        EdCurves dlg(this);
        dlg.exec();
    }
    combo1_->clear();
    combo1_->addItem("<none>");
    for (int k = 1; k <= G.NumCurves && k < static_cast<int>(G.GRCurves.size()); ++k) {
        std::string& name = G.GRCurves[static_cast<std::size_t>(k)].Name;
        while (!name.empty() && name.back() == ' ')
            name.pop_back();
        combo1_->addItem(qs(name));
    }
    // The working curve comes again from its list position; a curve that is
    // gone leaves "<none>", which also empties the frame.
    const int position = G.CurveSel + 1 >= 1 && G.CurveSel + 1 <= G.NumCurves ? G.CurveSel + 1 : 0;
    combo1_->setCurrentIndex(position);
    combo1Click(position);
}

// ---- Current support system -------------------------------------------------

void FormMine::buildSystFrame(QGroupBox* frame, QGridLayout* grid)
{
    auto* select = MakeButton(frame, "ComSelect", "Select");
    labCurrName_ = MakePanel(frame, "LabCurrName");
    labCurrType_ = MakePanel(frame, "LabCurrType");
    labModel_ = MakePanel(frame, "LabModel");
    for (QLabel* l : {labCurrName_, labCurrType_, labModel_}) {
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // Names of any length take the room the frame has: choosing a
        // support never widens the dialog.
        l->setSizePolicy(QSizePolicy::Ignored, l->sizePolicy().verticalPolicy());
    }
    txSpac_ = new NumBox(frame, "TxSpac");
    txRows_ = new NumBox(frame, "TxRows");
    txCurrConv_ = new NumBox(frame, "TxCurrConv");
    labCurrTpf_ = MakePanel(frame, "LabCurrTpf");
    auto* setCurr = MakeButton(frame, "ComSetCurr", "Set");
    int row = 0;
    grid->addWidget(select, row, 0, Qt::AlignLeft);
    grid->addWidget(MakeLabel(frame, "LblSelect", "Select current support"), row++, 1, 1, 2);
    grid->addWidget(MakeLabel(frame, "LblCurrName", "Current support:"), row, 0);
    grid->addWidget(labCurrName_, row++, 1, 1, 2);
    grid->addWidget(MakeLabel(frame, "LblCurrType", "Support type:"), row, 0);
    grid->addWidget(labCurrType_, row++, 1, 1, 2);
    grid->addWidget(MakeLabel(frame, "LblModel", "Model:"), row, 0);
    grid->addWidget(labModel_, row++, 1, 1, 2);
    grid->addWidget(MakeLabel(frame, "Label7", UnitCaption("C-C support spacing", 6)), row, 0);
    grid->addWidget(txSpac_, row++, 1);
    grid->addWidget(MakeLabel(frame, "LblRows", "No. rows across entry"), row, 0);
    grid->addWidget(txRows_, row++, 1);
    grid->addWidget(MakeLabel(frame, "Label17", UnitCaption("Design convergence", 5)), row, 0);
    grid->addWidget(txCurrConv_, row++, 1);
    grid->addWidget(MakeLabel(frame, "Label18", UnitCaption("Load density", 2)), row, 0);
    grid->addWidget(labCurrTpf_, row++, 1);
    grid->addWidget(setCurr, row, 0, Qt::AlignLeft);
    grid->addWidget(MakeLabel(frame, "LblSetCurr", "Set using GR curve"), row++, 1, 1, 2);
    connect(select, &QPushButton::clicked, this, &FormMine::selectSupport);
    connect(setCurr, &QPushButton::clicked, this, &FormMine::setCurrFromCurve);
    for (NumBox* box : {txCurrConv_, txSpac_, txRows_}) {
        const auto enter = [this, box] {
            calcCurrentSystem();
            redrawPlot();
            SelectAllText(box);
        };
        connect(box, &NumBox::enterPressed, this, enter);
        connect(box, &NumBox::leftBox, this, enter);
    }
}

void FormMine::selectSupport()
{
    G.SelectMode = -1;
    G.CurCaseNo = crit_.SysCase;
    OpenWindow(SharedWindow::SupportList, this);
    if (G.CurCaseNo >= 1 && G.CurCaseNo <= G.NumCases) {
        const int16_t chosen = G.CurCaseNo;
        crit_.SysCase = chosen;
        sysSelected_ = true;
        // The chosen support's curve into the model tables, whether or not its
        // row was clicked: Ok alone leaves the tables of whatever came before.
        if (SelectSupport(chosen, true).modelFileFailed)
            G.PerfConv.redim(1, 1);  // no half-read table: the support has no curve
        G.CurCase = G.Cases[chosen];
        calcCurrentSystem();
        redrawPlot();
    } else {
        sysSelected_ = false;
    }
    showCurrentSupport();
    G.SelectMode = 0;
}

void FormMine::showCurrentSupport()
{
    const int i = G.CurCaseNo;
    if (i < 1 || i > G.NumCases) {
        for (QLabel* l : {labCurrName_, labCurrType_, labModel_})
            l->clear();
        return;
    }
    const int type = G.CaseType[i];
    labCurrName_->setText(qs(G.CaseName[i]));
    labCurrType_->setText(type >= 0 && type < static_cast<int>(G.SupTypeName.size()) ? qs(G.SupTypeName[type]) : "");
    const auto dim = [](int k) { return qs(FormatMetric(G.CurCase.Par[static_cast<std::size_t>(k)], 5)); };
    const QString diameter = " " + qs(UnitLabel(5)) + " diameter";
    QString model;
    if (type == 1 || type == 4)
        model = dim(0) + " x " + dim(1) + " x " + dim(2);
    else if (type == 2)
        model = dim(0) + diameter;
    else if (type == 3)
        model = dim(1) + diameter;
    else if (type == 5 || type == 6)
        model = dim(0) + " x " + dim(1);
    else if (type >= 7 && type <= G.NumTypes) {
        const int m = G.CurCase.SizeIdx + 1;
        if (m >= 1 && m <= kMaxModels)
            model = qs(G.ModelName(type, m));
    }
    labModel_->setText(model);
}

void FormMine::calcCurrentSystem()
{
    const auto c = ReadBox(txCurrConv_, 5);
    if (c && *c > 0) {
        crit_.SysConv = crit_.Conv = *c;
        PutMetric(txCurrConv_, *c, 5);
        lbConv_->setText(qs(FormatMetric(*c, 5)));
    }
    const auto s = ReadBox(txSpac_, 6);
    if (s && *s > 0) {
        crit_.SysSpac = *s;
        G.CurCase.UserSpacing = *s;
        PutMetric(txSpac_, *s, 6);
    }
    const auto r = wholeCount(txRows_);
    if (r && *r > 0) {
        PutValue(txRows_, *r, FormatPattern(*r, "0"));
        crit_.SysRows = *r;
        G.CurCase.Rows = *r;
    }
    if (!c || *c <= 0 || !s || *s <= 0 || !r || *r <= 0 || !sysSelected_)
        return;
    const int i = G.CurCaseNo;
    const int type = i >= 1 && i <= G.NumCases ? G.CaseType[i] : 0;
    if (sizeEdited_) {
        sizeEdited_ = false;
        if (type == 1) {
            UpdateCrib(static_cast<int16_t>(i));
        } else if (type == 2) {
            CalcPostCurve();
        } else if (type >= 3 && type <= 6) {
            CalcConcreteCurve();
        } else if (type >= 7 && type <= G.NumTypes) {
            ModelFileRead how;
            how.type = G.CurType;
            how.sizeIdx = G.CurCase.SizeIdx;
            const std::string path = G.AppPath + "/" + G.TypeFile[static_cast<std::size_t>(G.CurType)];
            // A file that cannot be read leaves the support without a curve.
            if (!ReadModelFile(path, how))
                G.PerfConv.redim(std::max(1, G.CurCase.SizeIdx + 1), 1);
        }
    }
    float load = 0;
    try {
        if (type == 1) {
            G.PerfA = G.CurCase.CribA, G.PerfK = G.CurCase.CribK, G.PerfB = G.CurCase.CribB;
            load = CribLoad(*c);
        } else if (type >= 2 && type <= G.NumTypes) {
            load = LoadAtConv(*c, currentModel());
            if (load < 0)
                load = G.CurrLoad;
        }
        if (load > 0) {
            crit_.Tpf = LoadDensity(load, *s, *r);
            labCurrTpf_->setText(qs(FormatMetric(crit_.Tpf, 2)));
            lbTpf_->setText(labCurrTpf_->text());
        }
    } catch (const std::exception&) {
        // A curve that cannot be evaluated gives no load density.
    }
    updateSummary();
    redrawPlot();
}

void FormMine::setCurrFromCurve()
{
    const auto spacing = ReadBox(txSpac_, 6);
    if (!spacing || *spacing <= 0) {
        MsgBox("Invalid Spacing", vbOKOnly, "Input error");
        return;
    }
    // Rows are counted as the current system counts them: the whole part.
    const auto rows = wholeCount(txRows_);
    if (!rows || *rows < 1) {
        MsgBox("Invalid No. rows", vbOKOnly, "Input error");
        PutValue(txRows_, crit_.SysRows, FormatPattern(crit_.SysRows, "0"));
        return;
    }
    if (curveListIndex_ < 1 || G.WorkCurve.NumPts < 1 || !sysSelected_)
        return;
    const QString noCrossing = "The support curve does not cross the ground reaction curve.";
    try {
        if (isCrib(G.CurCaseNo)) {
            G.PerfA = G.CurCase.CribA, G.PerfK = G.CurCase.CribK, G.PerfB = G.CurCase.CribB;
            if (CribBelowCurveAtEnd(G.WorkCurve, *spacing, *rows, G.EntryWid)) {
                MsgBox(noCrossing, vbOKOnly, "Attention");
                return;
            }
            const CribCrossing x = CribGrcPoint(G.WorkCurve, *spacing, *rows, G.EntryWid);
            G.CurrConv = x.conv, G.CurrLoad = x.load, G.CurrTpf = x.tpf;
        } else if (FindGrcPoint(*spacing, *rows, currentModel()) != 0) {
            MsgBox(noCrossing, vbOKOnly, "Attention");
            return;
        }
    } catch (const std::exception&) {
        MsgBox(noCrossing, vbOKOnly, "Attention");
        return;
    }
    PutMetric(txCurrConv_, G.CurrConv, 5);
    labCurrTpf_->setText(qs(FormatMetric(G.CurrTpf, 2)));
    calcCurrentSystem();
    redrawPlot();
}

// ---- Arbitrary criteria -----------------------------------------------------

void FormMine::buildArbFrame(QGroupBox* frame, QGridLayout* grid)
{
    txArbTpf_ = new NumBox(frame, "TxArbTpf");
    txArbConv_ = new NumBox(frame, "TxArbConv");
    txArbTons_ = new NumBox(frame, "TxArbTons");
    txArbSpac_ = new NumBox(frame, "TxArbSpac");
    txArbRows_ = new NumBox(frame, "TxArbRows");
    auto* calc = MakeButton(frame, "ComArbCalc", "Calc");
    auto* set = MakeButton(frame, "ComArbSet", "Set");
    int row = 0;
    grid->addWidget(MakeLabel(frame, "Label46", UnitCaption("Support load density", 2)), row, 0);
    grid->addWidget(txArbTpf_, row++, 1);
    grid->addWidget(MakeLabel(frame, "Label47", UnitCaption("Design convergence", 5)), row, 0);
    grid->addWidget(txArbConv_, row++, 1);
    grid->addWidget(set, row, 0, Qt::AlignLeft);
    grid->addWidget(MakeLabel(frame, "LblArbSet", "Set convergence to max GR point"), row++, 1, 1, 2);
    auto* calcFrame = new QGroupBox("Calculate load density from the following:", frame);
    calcFrame->setObjectName("FrameArbCalc");
    auto* cg = new QGridLayout(calcFrame);
    cg->addWidget(MakeLabel(calcFrame, "Label37", UnitCaption("Support load", 1)), 0, 0);
    cg->addWidget(txArbTons_, 0, 1);
    cg->addWidget(MakeLabel(calcFrame, "Label35", UnitCaption("Center-to-center spacing", 6)), 1, 0);
    cg->addWidget(txArbSpac_, 1, 1);
    cg->addWidget(MakeLabel(calcFrame, "LblArbRows", "No. of rows across entry"), 2, 0);
    cg->addWidget(txArbRows_, 2, 1);
    cg->addWidget(calc, 2, 2);
    grid->addWidget(calcFrame, row++, 0, 1, 3);
    connect(calc, &QPushButton::clicked, this, &FormMine::arbCalc);
    connect(set, &QPushButton::clicked, this, &FormMine::arbSetFromCurve);
    for (NumBox* box : {txArbTpf_, txArbConv_}) {
        const auto enter = [this, box] {
            calcArbitrary();
            redrawPlot();
            SelectAllText(box);
        };
        connect(box, &NumBox::enterPressed, this, enter);
        connect(box, &NumBox::leftBox, this, enter);
    }
    for (NumBox* box : {txArbTons_, txArbSpac_, txArbRows_})
        connect(box, &NumBox::enterPressed, this, [box] { SelectAllText(box); });
}

bool FormMine::calcArbitrary()
{
    const auto tpf = ReadBox(txArbTpf_, 2);
    if (!tpf || *tpf <= 0) {
        MsgBox("Invalid load density", vbOKOnly, "Error");
        return false;
    }
    crit_.ArbTpf = crit_.Tpf = *tpf;
    PutMetric(txArbTpf_, *tpf, 2);
    const auto conv = ReadBox(txArbConv_, 5);
    if (!conv || *conv <= 0) {
        MsgBox("Invalid design convergence", vbOKOnly, "Error");
        return false;
    }
    crit_.ArbConv = crit_.Conv = *conv;
    PutMetric(txArbConv_, *conv, 5);
    updateSummary();
    redrawPlot();
    return true;
}

void FormMine::focusInvalidArbitrary()
{
    const auto tpf = ReadBox(txArbTpf_, 2);
    (tpf && *tpf > 0 ? txArbConv_ : txArbTpf_)->setFocus();
}

void FormMine::arbCalc()
{
    const auto tons = ReadBox(txArbTons_, 1);
    if (!tons || *tons <= 0) {
        MsgBox("Invalid tons", vbOKOnly, "Error");
        return;
    }
    crit_.ArbTons = *tons;
    const auto spacing = ReadBox(txArbSpac_, 6);
    if (!spacing || *spacing <= 0) {
        MsgBox("Invalid spacing", vbOKOnly, "Error");
        return;
    }
    crit_.ArbSpac = *spacing;
    const auto rows = wholeCount(txArbRows_);
    if (!rows || *rows < 1) {
        MsgBox("Invalid number of rows", vbOKOnly, "Error");
        return;
    }
    crit_.ArbRows = *rows;
    try {
        // The load density is taken as shown: the box is read back as typed.
        txArbTpf_->putText(qs(FormatMetric(LoadDensity(*tons, *spacing, *rows), 2)));
    } catch (const ArithError&) {
        MsgBox("Invalid tons", vbOKOnly, "Error");
        return;
    }
    calcArbitrary();
    redrawPlot();
}

void FormMine::arbSetFromCurve()
{
    const int k = curveListIndex_;
    if (k < 1 || k > G.NumCurves || k >= static_cast<int>(G.GRCurves.size()))
        return;
    const CurveRec& c = G.GRCurves[static_cast<std::size_t>(k)];
    if (c.NumPts < 0 || c.NumPts >= static_cast<int>(c.Conv.size()))
        return;
    PutMetric(txArbConv_, c.Conv[static_cast<std::size_t>(c.NumPts)], 5);
    calcArbitrary();
    redrawPlot();
}

}  // namespace vesk
