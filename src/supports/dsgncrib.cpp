#include "supports/dsgncrib.h"

#include "model/curves.h"
#include "model/globals.h"
#include "model/numfmt.h"
#include "model/supports/crib.h"
#include "model/units.h"
#include "platform/guard.h"
#include "platform/msgbox.h"
#include "platform/qtext.h"
#include "ui/boxes.h"
#include "supports/dsgnparts.h"

#include <QLabel>

namespace vesk {

DsgnCrib::DsgnCrib(QWidget* parent) : QDialog(parent)
{
    setObjectName("DsgnCrib");
    setWindowTitle("Crib Design Optimization");

    // The boxes of widths and rows select their text before the search, the
    // spacing box after it, so that a raised spacing is selected as shown.
    using Select = CaptionFrame::Select;
    const auto search = [this] { optimizeCrib(); };
    CaptionFrame specs(this, "Frame1", "Support Specifications");
    textMinW_ = specs.addBox("Label9", UnitCaption("Minimum timber width", kInchCode), "TextMinW",
                             Select::BeforeSearch, search);
    textMaxW_ = specs.addBox("Label8", UnitCaption("Maximum timber width", kInchCode), "TextMaxW",
                             Select::BeforeSearch, search);
    textRows_ = specs.addBox("Label4", "No. rows across entry", "TextRows", Select::BeforeSearch, search);
    textSpace_ = specs.addBox("Label2", UnitCaption("Max center-to-center spacing", kSpacingCode), "TextSpace",
                              Select::AfterSearch, search);

    CaptionFrame criteria(this, "Frame4", "Design Criteria");
    QLabel* lbCriteria = criteria.addPanel("Label23", "Criteria basis", "LbCriteria");
    lbDisp_ = criteria.addPanel("Label15", UnitCaption("at Design convergence", kInchCode), "Lbdisp");
    lbCap_ = criteria.addPanel("Label17", UnitCaption("Support load density", kTpfCode), "LbCap");

    CaptionFrame results(this, "Frame2", "Support Optimization");
    labNum_ = results.addPanel("Label26", "No. timbers/layer", "LabNum");
    labWid_ = results.addPanel("Label12", UnitCaption("Timber width", kInchCode), "LabWid");
    labThick_ = results.addPanel("Label14", UnitCaption("Timber thickness", kInchCode), "LabThick");
    labLen_ = results.addPanel("Label11", UnitCaption("Timber length", kInchCode), "LabLen");
    labOvh_ = results.addPanel("Label20", UnitCaption("Overhang distance", kInchCode), "LabOvh");
    lbActSpac_ = results.addPanel("Label3", UnitCaption("Required center-to-center spacing", kSpacingCode),
                                  "LbActSpac");
    lbActConv_ = results.addPanel("Label10", UnitCaption("Achieved convergence", kInchCode), "LbActConv");
    labSupp_ = results.addPanel("Label24", UnitCaption("Achieved support load density", kTpfCode), "LabSupp");
    labForce_ = results.addPanel("Label22", UnitCaption("Unit support load", kTonsCode), "LabForce");

    ArrangeDsgnForm(this, specs, criteria, results, kHelpContext, [this] { done(); });

    work_ = G.CurCase;
    if (G.DesignBasis == 1 && G.GrcDefined != 0) {
        try {
            G.DesignTpf = ReqTpfAtConv(G.DesignConv);
        } catch (const std::exception&) {  // a damaged design curve: the load density as it was
        }
    }
    // A stored value that cannot be shown leaves its box empty; the
    // optimisation reports it.
    Guarded([this] {
        ShowMetric(lbDisp_, G.DesignConv, kInchCode);
        ShowMetric(lbCap_, G.DesignTpf, kTpfCode);
    });
    lbCriteria->setText(qs(G.BasisName));
    updateDsgnCrib();
}

void DsgnCrib::updateDsgnCrib()
{
    Guarded([this] {
        PutMetric(textSpace_, work_.UserSpacing, kSpacingCode);
        PutValue(textRows_, work_.Rows, FormatNum(work_.Rows));
        PutMetric(textMinW_, work_.Par[6], kInchCode);
        PutMetric(textMaxW_, work_.Par[7], kInchCode);
    });
    optimizeCrib();
}

bool DsgnCrib::optimizeCrib()
{
    OptimizeInputs in;
    // The criteria as the user sees them.
    in.tpf = ReadShown(lbCap_->text(), kTpfCode);
    in.conv = ReadShown(lbDisp_->text(), kInchCode);
    in.maxSpacing = ReadBox(textSpace_, kSpacingCode);
    in.rows = ReadCount(textRows_);
    in.minWidth = ReadBox(textMinW_, kInchCode);
    in.maxWidth = ReadBox(textMaxW_, kInchCode);
    // One display unit: half an inch, or a centimetre.
    in.widthStep = G.MetricUnits != 0 ? 1.0f / ToMetric(1, kInchCode) : 0.5f;
    const int rule = G.DesignBasis == 0 || G.DesignBasis == 1 ? work_.SpacMode : 0;

    const OptimizeOutcome out = OptimizeCrib(work_, in, rule);
    if (!out.error.empty()) {
        MsgBox(qs(out.error), vbOKOnly, "Attention");
        return false;
    }
    if (out.spacingRaised) {
        PutMetric(textSpace_, out.maxSpacing, kSpacingCode);
        MsgBox("Max spacing was too small for mining height", vbOKOnly, "Attention");
    }
    if (out.rows != *in.rows)
        PutValue(textRows_, out.rows, FormatPattern(out.rows, "0"));
    labNum_->setText(qs(FormatPattern(out.perLayer, "0")));
    ShowMetric(labWid_, out.width, kInchCode);
    ShowMetric(labThick_, out.width, kInchCode);
    ShowMetric(labLen_, out.length, kInchCode);
    ShowMetric(labOvh_, out.width / 2.0, kInchCode);
    ShowMetric(labForce_, out.load, kTonsCode);
    ShowMetric(labSupp_, out.tpf, kTpfCode);
    ShowMetric(lbActConv_, out.conv, kInchCode);
    ShowMetric(lbActSpac_, out.spacing, kSpacingCode);
    return true;
}

void DsgnCrib::done()
{
    // "&Ok" commits what the boxes hold now, and only a search that ran.
    if (!optimizeCrib())
        return;
    G.CurCase = work_;
    accept();
}

}  // namespace vesk
