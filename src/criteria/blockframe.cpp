#include "criteria/blockframe.h"

#include "model/globals.h"
#include "model/numfmt.h"
#include "model/units.h"
#include "model/vbmath.h"
#include "platform/controls.h"
#include "platform/guard.h"
#include "platform/msgbox.h"
#include "platform/numbox.h"
#include "platform/qtext.h"
#include "platform/selectall.h"
#include "ui/boxes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace vesk {

namespace {

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = new QCheckBox(caption, parent);
    b->setObjectName(name);
    return b;
}

QHBoxLayout* valueWithUnit(QLabel* value, QLabel* unit)
{
    auto* row = new QHBoxLayout;
    row->addWidget(value);
    row->addWidget(unit);
    return row;
}

}  // namespace

BlockFrame::BlockFrame(QWidget* parent, CritRec& copy, const BlockRules& rules, const BlockWording& w)
    : QGroupBox(QString::fromUtf8(w.title), parent), c_(copy), rules_(rules), convCaption_(w.convCaption)
{
    setObjectName("FrameBlock");
    grid_ = new QGridLayout(this);

    shear_ = checkBox(this, "ChkBlockShear", "Shear");
    arch_ = checkBox(this, "ChkBlockArch", "Arch");
    failLabel_ = MakeLabel(this, "Label1", QString());
    fail_ = new NumBox(this, "TextFail");
    chkCMRR_ = checkBox(this, "ChkCMRR", "Calculate failure height from CMRR");
    labRMR_ = MakeLabel(this, "LabRMR", "CMRR (%)");
    cmrr_ = new NumBox(this, "TextRMR");
    densLabel_ = MakeLabel(this, "Label2", QString());
    dens_ = new NumBox(this, "TextDens");
    yieldLabel_ = MakeLabel(this, w.yieldLabel, QString());
    yield_ = new NumBox(this, "TxYield");
    chkDepth_ = checkBox(this, "ChkDepth", "Calculate yield zone width from depth");
    depthLabel_ = MakeLabel(this, w.depthLabel, QString());
    depth_ = new NumBox(this, "TxDepth");
    convLabel_ = MakeLabel(this, "Label6", QString());
    conv_ = new NumBox(this, "TxBlockConv");
    labDS_ = MakePanel(this, "LabDS");
    labDA_ = MakePanel(this, "LabDA");
    unitDS_ = MakeLabel(this, "Label32", QString());
    unitDA_ = MakeLabel(this, "Label3", QString());
    tpfLabel_ = MakeLabel(this, "Label44", QString());
    lbBlockTpf_ = MakePanel(this, "LbBlockTpf");
    copy_ = MakeButton(this, "ComCopy", "Set");

    int row = 0;
    grid_->addWidget(MakeLabel(this, "Label19", "Failure type"), row, 0);
    grid_->addWidget(shear_, row, 1);
    grid_->addWidget(arch_, row++, 2);
    grid_->addWidget(failLabel_, row, 0);
    grid_->addWidget(fail_, row++, 1);
    grid_->addWidget(chkCMRR_, row++, 0, 1, 3);
    grid_->addWidget(labRMR_, row, 0);
    grid_->addWidget(cmrr_, row++, 1);
    grid_->addWidget(densLabel_, row, 0);
    grid_->addWidget(dens_, row++, 1);
    grid_->addWidget(yieldLabel_, row, 0);
    grid_->addWidget(yield_, row++, 1);
    grid_->addWidget(chkDepth_, row++, 0, 1, 3);
    grid_->addWidget(depthLabel_, row, 0);
    grid_->addWidget(depth_, row++, 1);
    grid_->addWidget(convLabel_, row, 0);
    grid_->addWidget(conv_, row++, 1);
    if (rules_.safetyFactor) {
        sf_ = new NumBox(this, "TxSF");
        grid_->addWidget(MakeLabel(this, "Label7", "Design safety factor"), row, 0);
        grid_->addWidget(sf_, row++, 1);
    }
    grid_->addWidget(MakeLabel(this, "Label8", "Support capacity requirements"), row++, 0, 1, 3);
    grid_->addWidget(MakeLabel(this, "Label33", "Support load density"), row, 0);
    grid_->addLayout(valueWithUnit(labDS_, unitDS_), row, 1);
    grid_->addLayout(valueWithUnit(labDA_, unitDA_), row++, 2);
    grid_->addWidget(tpfLabel_, row, 0);
    grid_->addWidget(lbBlockTpf_, row++, 1);
    grid_->addWidget(copy_, row, 0, Qt::AlignLeft);
    grid_->addWidget(MakeLabel(this, "Label54", QString::fromUtf8(w.copyCaption)), row++, 1, 1, 2);
    grid_->setColumnStretch(0, 1);

    // Boxes whose Enter and leaving both recalculate.
    for (NumBox* box : {fail_, dens_, yield_, conv_}) {
        connect(box, &NumBox::enterPressed, this, [this, box] {
            SelectAllText(box);
            calcblock();
        });
        connect(box, &NumBox::leftBox, this, [this] { calcblock(); });
    }
    connect(cmrr_, &NumBox::enterPressed, this, [this] {
        failHtFromCMRR();
        SelectAllText(cmrr_);
    });
    connect(cmrr_, &NumBox::leftBox, this, [this] { calcblock(); });  // not derived again
    connect(depth_, &NumBox::enterPressed, this, [this] {
        yieldZoneFromDepth();
        SelectAllText(depth_);
    });
    if (sf_) {
        connect(sf_, &NumBox::gotFocus, this, [this] { sfEdited_ = true; });
        connect(sf_, &NumBox::enterPressed, this, &BlockFrame::safetyFactorEntered);
        connect(sf_, &NumBox::leftBox, this, [this] {
            if (sfEdited_)
                safetyFactorEntered();
        });
    }
    connect(chkCMRR_, &QCheckBox::clicked, this, &BlockFrame::cmrrClicked);
    connect(chkDepth_, &QCheckBox::clicked, this, &BlockFrame::depthClicked);
    connect(shear_, &QCheckBox::clicked, this, [this] { failureTypeClicked(false); });
    connect(arch_, &QCheckBox::clicked, this, [this] { failureTypeClicked(true); });

    setUnitCaptions();
}

int BlockFrame::nextRow() const { return grid_->rowCount(); }

void BlockFrame::setUnitCaptions()
{
    failLabel_->setText(UnitCaption("Failure height", 11));
    densLabel_->setText(UnitCaption("Density", 10));
    yieldLabel_->setText(UnitCaption("Yield zone width", 11));
    depthLabel_->setText(UnitCaption("Depth", 11));
    convLabel_->setText(UnitCaption(convCaption_, 5));
    tpfLabel_->setText(UnitCaption("Design load density", 2));
    unitDS_->setText(qs(UnitLabel(2)));
    unitDA_->setText(qs(UnitLabel(2)));
}

void BlockFrame::fill()
{
    // A stored value that cannot be shown leaves its box empty, and the
    // calculation below reports it.
    Guarded([this] { PutMetric(fail_, c_.*rules_.failHt, 11); });
    Guarded([this] { PutMetric(dens_, c_.*rules_.rockDens, 10); });
    Guarded([this] { PutValue(cmrr_, c_.*rules_.cmrr, FormatPattern(c_.*rules_.cmrr, "0")); });
    Guarded([this] { PutMetric(yield_, c_.*rules_.yieldZone, 11); });
    Guarded([this] { PutMetric(depth_, c_.*rules_.depth, 11); });
    Guarded([this] { PutMetric(conv_, c_.*rules_.blockConv, 5); });
    if (sf_)
        Guarded([this] { PutValue(sf_, c_.CabSF, FormatNum(c_.CabSF)); });
    showFailureType();
    // Each box's reaction runs whether or not its state changes, so the
    // enabled boxes always follow the flags.
    settingUp_ = true;
    chkCMRR_->setChecked((c_.*rules_.flags & kBlockFromCMRR) != 0);
    cmrrClicked();
    chkDepth_->setChecked((c_.*rules_.flags & kBlockFromDepth) != 0);
    depthClicked();
    settingUp_ = false;
    calcblock();
}

void BlockFrame::failed(NumBox* box, const QString& message, const QString& title)
{
    lastInvalid_ = box;
    MsgBox(message, vbOKOnly, title);
}

bool BlockFrame::calcblock()
{
    lastInvalid_ = nullptr;
    BlockInputs in;
    in.failHt = ReadBox(fail_, 11);
    in.dens = ReadBox(dens_, 10);
    in.cmrr = ReadBox(cmrr_, 0);
    in.yieldZone = ReadBox(yield_, 11);
    in.depth = ReadBox(depth_, 11);
    in.conv = ReadBox(conv_, 5);
    if (sf_)
        in.sf = ReadBox(sf_, 0);
    in.shear = shear_->isChecked();
    in.fromCMRR = chkCMRR_->isChecked();
    in.fromDepth = chkDepth_->isChecked();

    const CritRec before = c_;
    BlockResult r;
    try {
        r = CalcBlock(c_, in, rules_, G.EntryWid);
    } catch (const ArithError&) {
        // Inputs too large for the load to be held: nothing is stored.
        c_ = before;
        failed(fail_, "Invalid failure height", "Error");
        return false;
    }
    if (r.bad != BlockBox::None) {
        NumBox* const boxes[] = {nullptr, fail_, dens_, cmrr_, yield_, depth_, conv_, sf_};
        failed(boxes[static_cast<int>(r.bad)], qs(r.message), "Error");
        return false;
    }
    labDS_->setText(qs(FormatMetric(r.loads.shear, 2)));
    labDA_->setText(qs(FormatMetric(r.loads.arch, 2)));
    lbBlockTpf_->setText(in.shear ? labDS_->text() : labDA_->text());
    if (onCalculated)
        onCalculated();
    return true;
}

void BlockFrame::failHtFromCMRR()
{
    const auto v = ReadBox(cmrr_, 0);
    if (!ValidCMRR(v)) {
        failed(cmrr_, "CMRR must be in the range: 1 to 100", "Error");
        return;
    }
    c_.*rules_.cmrr = *v;
    if (G.EntryWid > 0) {
        float h = 0;
        try {
            h = FailHtFromCMRR(*v, G.EntryWid);
        } catch (const ArithError&) {
            failed(cmrr_, "CMRR must be in the range: 1 to 100", "Error");
            return;
        }
        PutValue(fail_, h, FmtVal(h, 11, "0.0", "0.0"));
        calcblock();
    }
}

void BlockFrame::yieldZoneFromDepth()
{
    const auto d = ReadBox(depth_, 11);
    if (!d || *d <= 0) {
        failed(depth_, QString::fromUtf8(rules_.depthMessage), "Error");
        return;
    }
    c_.*rules_.depth = *d;
    if (*d < 500) {
        PutValue(yield_, 0, "0");
        calcblock();
    } else if (G.EntryWid > 0) {
        float y = 0;
        try {
            y = YieldZoneFromDepth(*d, G.EntryHt);
        } catch (const ArithError&) {
            failed(depth_, QString::fromUtf8(rules_.depthMessage), "Error");
            return;
        }
        PutValue(yield_, y, FmtVal(y, 11, "0", "0.0"));
        calcblock();
    }
}

void BlockFrame::showFailureType()
{
    const bool arch = (c_.*rules_.flags & kBlockArch) != 0;
    settingUp_ = true;
    shear_->setChecked(!arch);
    arch_->setChecked(arch);
    lbBlockTpf_->setText(arch ? labDA_->text() : labDS_->text());
    settingUp_ = false;
    if (onFailureType)
        onFailureType();
}

void BlockFrame::failureTypeClicked(bool arch)
{
    if (settingUp_)
        return;
    int16_t& flags = c_.*rules_.flags;
    flags = static_cast<int16_t>(arch ? (flags | kBlockArch) : (flags & ~kBlockArch));
    showFailureType();
    calcblock();
}

void BlockFrame::cmrrClicked()
{
    const bool on = chkCMRR_->isChecked();
    fail_->setEnabled(!on);
    cmrr_->setEnabled(on);
    labRMR_->setEnabled(on);
    if (!on)
        c_.*rules_.flags = static_cast<int16_t>(c_.*rules_.flags & ~kBlockFromCMRR);
    if (settingUp_)
        return;
    NumBox* box = on ? cmrr_ : fail_;
    box->setFocus();
    box->pressEnter();
}

void BlockFrame::depthClicked()
{
    const bool on = chkDepth_->isChecked();
    depth_->setEnabled(on);
    depthLabel_->setEnabled(on);
    yield_->setEnabled(!on);
    if (!on)
        c_.*rules_.flags = static_cast<int16_t>(c_.*rules_.flags & ~kBlockFromDepth);
    if (settingUp_)
        return;
    NumBox* box = on ? depth_ : yield_;
    box->setFocus();
    box->pressEnter();
}

void BlockFrame::safetyFactorEntered()
{
    calcblock();
    if (c_.CabSF < 1.25f)
        MsgBox("Minimum recommended safety factor is 1.25", vbOKOnly, "Attention");
    sfEdited_ = false;
    SelectAllText(sf_);
}

}  // namespace vesk
