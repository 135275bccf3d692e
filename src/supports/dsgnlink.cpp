#include "supports/dsgnlink.h"

#include "model/curves.h"
#include "model/globals.h"
#include "model/numfmt.h"
#include "model/supports/filedefined.h"
#include "model/units.h"
#include "platform/guard.h"
#include "platform/msgbox.h"
#include "platform/qtext.h"
#include "ui/boxes.h"
#include "supports/dsgnparts.h"

#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace vesk {

namespace {

// The rows typed, rounded down; beyond a 16-bit count they stay beyond it,
// so that the search refuses them.
std::optional<int> rowsOf(const NumBox* box)
{
    const std::optional<float> v = ReadBox(box, 0);
    if (!v)
        return std::nullopt;
    return static_cast<int>(std::clamp(std::floor(static_cast<double>(*v)), -1.0, 32768.0));
}

// The type of the current support, whose models the tables hold.
int caseType()
{
    const int type = G.CurCaseNo >= 1 && G.CurCaseNo <= kMaxCases ? G.CaseType[static_cast<std::size_t>(G.CurCaseNo)] : 0;
    return type >= 0 && static_cast<std::size_t>(type) < G.NumModels.size() ? type : 0;
}

}  // namespace

DsgnLink::DsgnLink(QWidget* parent) : QDialog(parent)
{
    setObjectName("DsgnLink");
    const auto curType = static_cast<std::size_t>(G.CurType);
    setWindowTitle(qs(curType < G.SupTypeName.size() ? G.SupTypeName[curType] : std::string()) +
                   " Design Optimization");

    using Select = CaptionFrame::Select;
    const auto search = [this] { optimizeLink(); };
    CaptionFrame specs(this, "Frame1", "Support Specifications");
    textSpace_ = specs.addBox("Label2", UnitCaption("Maximum center-to-center spacing", kSpacingCode), "TextSpace",
                              Select::AfterSearch, search);
    textRows_ = specs.addBox("Label4", "No. rows across entry", "TextRows", Select::AfterSearch, search);

    CaptionFrame criteria(this, "Frame4", "Design Criteria");
    QLabel* lbTpf = criteria.addPanel("Label17", UnitCaption("Support load density", kTpfCode), "LbTpf");
    QLabel* lbMaxConv = criteria.addPanel("Label15", UnitCaption("at Design convergence", kInchCode), "LbMaxConv");
    QLabel* lbCriteria = criteria.addPanel("Label23", "Criteria basis", "LbCriteria");

    CaptionFrame results(this, "Frame2", "Support Optimization");
    lbModel_ = results.addPanel("Label13", "Optimum model/size:", "LbModel");
    lbActSpac_ = results.addPanel("Label1", UnitCaption("Required center-to-center spacing", kSpacingCode),
                                  "LbActSpac");
    lbActTpf_ = results.addPanel("Label11", UnitCaption("Achieved support load density", kTpfCode), "LbActTpf");
    lbTons_ = results.addPanel("Label16", UnitCaption("Unit support load", kTonsCode), "LbTons");
    lbConv_ = results.addPanel("Label18", UnitCaption("Achieved convergence", kInchCode), "LbConv");
    // Wide enough for every model name of the type, so that the window keeps its size.
    int widest = 240;
    const int type = caseType();
    const int models = type > 0 && type <= G.ModelName.maxRow()
                           ? std::min<int>(G.NumModels[static_cast<std::size_t>(type)], G.ModelName.maxCol())
                           : 0;
    for (int m = 1; m <= models; ++m)
        widest = std::max(widest, lbModel_->fontMetrics().horizontalAdvance(qs(G.ModelName(type, m))) + 16);
    lbModel_->setMinimumWidth(widest);
    lbModel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    ArrangeDsgnForm(this, specs, criteria, results, kHelpContext, [this] {
        if (noDesign_)
            return;  // "No design": nothing to hand back
        G.CurCase = work_;
        accept();
    });

    work_ = G.CurCase;
    G.DesignTpf = G.DesignCrit.Tpf;
    G.DesignConv = G.DesignCrit.Conv;
    if (G.DesignBasis == 1 && G.GrcDefined != 0) {
        try {
            G.DesignTpf = ReqTpfAtConv(G.DesignConv);
        } catch (const std::exception&) {  // a damaged design curve: the criteria's load density
        }
    }
    // A stored value that cannot be shown leaves its box empty; the
    // optimisation reports it.
    Guarded([&] {
        ShowMetric(lbTpf, G.DesignTpf, kTpfCode);
        ShowMetric(lbMaxConv, G.DesignConv, kInchCode);
    });
    lbCriteria->setText(qs(G.BasisName));
    PutValue(textRows_, work_.Rows, FormatPattern(work_.Rows, "0"));
    Guarded([this] { PutMetric(textSpace_, work_.UserSpacing, kSpacingCode); });
}

void DsgnLink::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        QTimer::singleShot(0, this, &DsgnLink::optimizeLink);
    }
}

void DsgnLink::optimizeLink()
{
    const int type = caseType();
    const LinkChoice c = OptimizeLink(work_, type, ReadBox(textSpace_, kSpacingCode), rowsOf(textRows_));
    if (c.error == "Invalid maximum spacing" || c.error == "Invalid no. rows") {
        MsgBox(qs(c.error), vbOKOnly, "Error");
        return;
    }
    if (!c.error.empty()) {
        // No model fits: nothing is chosen, and the results say so.
        noDesign_ = true;
        lbModel_->setText("No design");
        for (QLabel* l : {lbActSpac_, lbActTpf_, lbTons_, lbConv_})
            l->clear();
        MsgBox(qs(c.error), vbOKOnly, "Attention");
        return;
    }
    noDesign_ = false;
    PutValue(textRows_, c.rows, FormatPattern(c.rows, "0"));
    lbModel_->setText(qs(G.ModelName(type, c.model)));
    ShowMetric(lbTons_, c.load, kTonsCode);
    ShowMetric(lbActTpf_, c.tpf, kTpfCode);
    ShowMetric(lbConv_, c.conv, kInchCode);
    ShowMetric(lbActSpac_, c.spacing, kSpacingCode);
    if (c.moreThanRowLimit)
        MsgBox("Design requires more than 4 rows", vbOKOnly, "Warning");
}

}  // namespace vesk
