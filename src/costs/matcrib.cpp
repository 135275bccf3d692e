#include "costs/matcrib.h"

#include "model/globals.h"
#include "model/numfmt.h"
#include "model/units.h"
#include "platform/numbox.h"
#include "platform/qtext.h"
#include "shell/boxes.h"

#include <QGridLayout>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace vesk {

namespace {

constexpr int kCostCode = 18;    // $/BdFt
constexpr int kWeightCode = 19;  // lb/BdFt
constexpr int kFixVolCode = 14;  // in³
constexpr int kTimberCode = 5;   // in
constexpr double kCubicInPerBoardFoot = 144;

}  // namespace

CostQuantities CribCostQuantities(const CaseRec& c, float entryHt)
{
    // The crib's quantity model: layers of timbers up to the entry height.
    const double thick = c.Par[1] > 0 ? c.Par[1] : 1.0;
    const double layers = std::max(1.0, std::floor(entryHt / thick));
    const double pieces = layers * c.NumPerLayer();
    const double timber = static_cast<double>(c.Par[2]) * c.Par[0] * thick;  // in³
    return {timber * pieces + c.FixVol()[1], pieces, timber / kCubicInPerBoardFoot};
}

MatCrib::MatCrib(QWidget* parent)
    : CostFrame(parent, {"MatCrib", "Costs and Material Handling - Wood Cribs", kHelpContext})
{
    QGridLayout* grid = volumeGrid();
    QWidget* frame = grid->parentWidget();
    txFixVol_ = boxRow(frame, grid, "TxFixVol", QString());
    lbLen_ = panelRow(frame, grid, "LbLen", QString());
    lbWid_ = panelRow(frame, grid, "LbWid", QString());
    lbNoTim_ = panelRow(frame, grid, "LbNoTim", "No. timbers/layer");
    load();
}

int MatCrib::unitCostCode() const { return kCostCode; }

int MatCrib::unitWeightCode() const { return kWeightCode; }

void MatCrib::setMemberCaptions()
{
    caption("TxFixVol")->setText(UnitCaption("Fixed volume", kFixVolCode));
    caption("LbLen")->setText(UnitCaption("Timber length", kTimberCode));
    caption("LbWid")->setText(UnitCaption("Timber width", kTimberCode));
}

void MatCrib::fillMemberBoxes()
{
    const CaseRec& c = G.CurCase;
    PutMetric(txFixVol_, c.FixVol()[1], kFixVolCode);
    lbLen_->setText(qs(FormatMetric(c.Par[2], kTimberCode)));
    lbWid_->setText(qs(FormatMetric(c.Par[0], kTimberCode)));
    lbNoTim_->setText(qs(FormatPattern(c.NumPerLayer(), "0")));
}

std::vector<MemberCostBox> MatCrib::memberBoxes() const
{
    // The fixed volume is held in the package-width slot.
    return {{ReadBox(txFixVol_, kFixVolCode), &CaseRec::PkgWid}};
}

std::vector<SizeF CaseRec::*> MatCrib::memberTransportFields() const { return {&CaseRec::PkgWid}; }

CostQuantities MatCrib::quantities() const { return CribCostQuantities(G.CurCase, G.EntryHt); }

}  // namespace vesk
