#include "costs/matcrib.h"

#include "model/costs/cribcosts.h"
#include "model/globals.h"
#include "model/numfmt.h"
#include "model/units.h"
#include "platform/numbox.h"
#include "platform/qtext.h"
#include "ui/boxes.h"

#include <QGridLayout>
#include <QLabel>


namespace vesk {

namespace {

constexpr int kCostCode = 18;    // $/BdFt
constexpr int kWeightCode = 19;  // lb/BdFt
constexpr int kFixVolCode = 14;  // in³
constexpr int kTimberCode = 5;   // in

}  // namespace

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

std::vector<MemberCostBox> MatCrib::memberBoxes() const { return CribTransportBoxes(ReadBox(txFixVol_, kFixVolCode)); }

std::vector<SizeF CaseRec::*> MatCrib::memberTransportFields() const { return CribTransportFields(); }

CostQuantities MatCrib::quantities() const { return CribCostQuantities(G.CurCase, G.EntryHt); }

}  // namespace vesk
