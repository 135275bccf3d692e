#include "costs/matcrete.h"

#include "model/costs/concretecosts.h"
#include "model/globals.h"
#include "model/units.h"
#include "platform/numbox.h"
#include "platform/qtext.h"
#include "ui/boxes.h"

#include <QGridLayout>
#include <QLabel>

namespace vesk {

namespace {

constexpr int kCostCode = 21;    // $/ft³
constexpr int kWeightCode = 10;  // lb/ft³
constexpr int kFixVolCode = 14;  // in³
constexpr int kSizeCode = 5;     // in | cm
constexpr int kEntryCode = 6;    // in | m

constexpr int kDonut = 3;
constexpr int kFourPoint = 4;

}  // namespace

MatCrete::MatCrete(QWidget* parent)
    : CostFrame(parent, {"MatCrete", "Costs and Material Handling - Concrete Supports", kHelpContext})
{
    QGridLayout* grid = volumeGrid();
    QWidget* frame = grid->parentWidget();
    txFixVol_ = boxRow(frame, grid, "TxFixVol", QString());
    lbHt_ = panelRow(frame, grid, "LbHt", QString());
    caption("LbHt")->setObjectName("Label21");
    lbWid_ = panelRow(frame, grid, "LbWid", QString());
    caption("LbWid")->setObjectName("LbDim2");
    lbLen_ = panelRow(frame, grid, "LbLen", QString());
    caption("LbLen")->setObjectName("LbDim1");
    load();
}

int MatCrete::unitCostCode() const { return kCostCode; }

int MatCrete::unitWeightCode() const { return kWeightCode; }

void MatCrete::setMemberCaptions()
{
    caption("TxFixVol")->setText(UnitCaption("Fixed volume", kFixVolCode));
    caption("LbHt")->setText(UnitCaption("Entry height", kEntryCode));
    // The plan dimensions by crib type: a donut shows its diameter only.
    const int type = G.CurType;
    const char* width = type == kDonut ? "Piece diameter" : type == kFourPoint ? "Piece width" : "Crib width";
    const char* length = type == kFourPoint ? "Piece length" : "Crib length";
    caption("LbWid")->setText(UnitCaption(width, kSizeCode));
    caption("LbLen")->setText(UnitCaption(length, kSizeCode));
    caption("LbLen")->setVisible(type != kDonut);
    lbLen_->setVisible(type != kDonut);
}

void MatCrete::fillMemberBoxes()
{
    const CaseRec& c = G.CurCase;
    const int type = G.CurType;
    PutMetric(txFixVol_, c.FixVol()[1], kFixVolCode);
    lbHt_->setText(qs(FormatMetric(G.EntryHt, kEntryCode)));
    lbWid_->setText(qs(FormatMetric(type == kDonut ? c.Par[1] : c.Par[0], kSizeCode)));
    lbLen_->setText(type == kDonut ? QString() : qs(FormatMetric(type == kFourPoint ? c.Par[2] : c.Par[1], kSizeCode)));
}

std::vector<MemberCostBox> MatCrete::memberBoxes() const
{
    return ConcreteTransportBoxes(ReadBox(txFixVol_, kFixVolCode));
}

std::vector<SizeF CaseRec::*> MatCrete::memberTransportFields() const { return ConcreteTransportFields(); }

CostQuantities MatCrete::quantities() const { return ConcreteCostQuantities(G.CurCase, G.CurType, G.EntryHt); }

CostReadOrder MatCrete::readOrder() const { return ConcreteReadOrder(); }

}  // namespace vesk
