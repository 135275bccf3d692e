#include "costs/matlink.h"

#include "model/costs/linkcosts.h"
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

constexpr int kBdFtCostCode = 18;  // $/BdFt
constexpr int kFootCostCode = 20;  // $/ft (of height)
constexpr int kCuFtCostCode = 21;  // $/ft³
constexpr int kWeightCode = 9;     // lb
constexpr int kLengthCode = 11;    // ft | m
constexpr int kSizeCode = 5;       // in | cm

// The bases: per piece, per ft of height, otherwise per support.
constexpr int kPerPiece = 0;
constexpr int kPerHeight = 1;

}  // namespace

MatLink::MatLink(QWidget* parent)
    : CostFrame(parent, {.name = "MatLink",
                          .caption = "Costs and Material Handling - ",
                          .helpContext = kHelpContext,
                          .modelSizes = true})
{
    QGridLayout* grid = volumeGrid();
    QGridLayout* primary = frameRow(grid, "FramePrimary", "Primary support materials");
    QWidget* p = primary->parentWidget();
    txBwid_ = boxRow(p, primary, "TxBwid", QString());
    txBlen_ = boxRow(p, primary, "TxBlen", QString());
    txAdj_ = boxRow(p, primary, "TxAdj", QString());
    txPack_ = boxRow(p, primary, "TxPack", "Packing factor");
    QGridLayout* secondary = frameRow(grid, "FrameSecondary", "Secondary support materials");
    QWidget* s = secondary->parentWidget();
    txSwid_ = boxRow(s, secondary, "TxSwid", QString());
    txSlen_ = boxRow(s, secondary, "TxSlen", QString());
    txSthick_ = boxRow(s, secondary, "TxSthick", QString());
    load();
    addCostNote();
    // The captions by their own names (the support volume's caption comes with loading).
    nameLabels({
        {"TxCost", "LbCost"},       {"TxFabr", "LbFab"},        {"TxTime", "LbTime"},      {"TxWt", "LbWt"},
        {"TxBwid", "Label21"},      {"TxSwid", "Label35"},      {"TxBlen", "Label28"},     {"TxSlen", "Label33"},
        {"TxAdj", "Label37"},       {"TxSthick", "Label39"},    {"TxHt", "Label23"},       {"LbSuppVol", "Label25"},
        {"LbVol", "Label32"},       {"TxLen", "Label27"},       {"TxWid", "Label31"},      {"TxFixWt", "Label50"},
        {"TxSecWt", "Label52"},     {"LbTotWt", "Label54"},     {"LbTotWork", "Label45"},  {"LbSumWtUnit", "Label68"},
        {"LbSumWorkUnit", "Label70"},
    });
}

int MatLink::unitCostCode() const
{
    switch (G.CurCase.CostBasis[static_cast<std::size_t>(element())]) {
    case 0:
    case 2: return kBdFtCostCode;
    case 1: return kFootCostCode;
    default: return kCuFtCostCode;
    }
}

int MatLink::unitWeightCode() const { return kWeightCode; }

int MatLink::timeCode() const
{
    return G.CurCase.TimeBasis[static_cast<std::size_t>(element())] == kPerHeight ? kFootCostCode : 0;
}

bool MatLink::weightPerHeight() const { return G.CurCase.WtBasis[static_cast<std::size_t>(element())] == kPerHeight; }

void MatLink::setMemberCaptions()
{
    for (const char* name : {"TxBwid", "TxSwid"})
        caption(name)->setText(UnitCaption("Package width", kSizeCode));
    for (const char* name : {"TxBlen", "TxSlen"})
        caption(name)->setText(UnitCaption("Package length", kSizeCode));
    caption("TxAdj")->setText(UnitCaption("Height reduction", kSizeCode));
    caption("TxSthick")->setText(UnitCaption("Package thickness", kSizeCode));
}

void MatLink::setRecordCaptions()
{
    const auto k = static_cast<std::size_t>(element());
    const CaseRec& c = G.CurCase;
    const QString ofHt = " of ht";
    const QString foot = qs(UnitLabel(kLengthCode));
    const int cost = unitCostCode();
    caption("TxCost")->setText(UnitCaption("Unit cost", cost) + (cost == kFootCostCode ? ofHt : QString()));
    caption("TxFabr")->setText(c.CostBasis[k] == 1 || c.CostBasis[k] == 2 ? "Fabrication cost, $/support"
                                                                           : "Fabrication cost, $/piece");
    const QString time = c.TimeBasis[k] == kPerPiece ? "piece" : c.TimeBasis[k] == kPerHeight ? foot + ofHt : "support";
    caption("TxTime")->setText("Construction time, min/" + time);
    const QString per = c.WtBasis[k] == kPerPiece ? "piece" : c.WtBasis[k] == kPerHeight ? foot + ofHt : "support";
    caption("TxWt")->setText(UnitCaption("Unit weight", kWeightCode) + "/" + per);
}

void MatLink::fillMemberBoxes()
{
    const auto k = static_cast<std::size_t>(element());
    const CaseRec& c = G.CurCase;
    PutMetric(txBwid_, c.PkgWid[k], kSizeCode);
    PutMetric(txBlen_, c.PkgLen[k], kSizeCode);
    PutMetric(txAdj_, c.HtAdj[k], kSizeCode);
    PutValue(txPack_, c.PackFactor[k], PlainNumber(c.PackFactor[k]));
    PutMetric(txSwid_, c.SecWid[k], kSizeCode);
    PutMetric(txSlen_, c.SecLen[k], kSizeCode);
    PutMetric(txSthick_, c.SecThick[k], kSizeCode);
}

std::vector<MemberCostBox> MatLink::memberBoxes() const
{
    return LinkTransportBoxes({ReadBox(txBwid_, kSizeCode), ReadBox(txBlen_, kSizeCode), ReadBox(txAdj_, kSizeCode),
                               ReadBox(txPack_, 0), ReadBox(txSwid_, kSizeCode), ReadBox(txSlen_, kSizeCode),
                               ReadBox(txSthick_, kSizeCode)});
}

std::vector<SizeF CaseRec::*> MatLink::memberTransportFields() const { return LinkTransportFields(); }

CostQuantities MatLink::quantities() const { return LinkCostQuantities(G.CurCase, element(), G.EntryHt); }

CostRules MatLink::rules() const { return LinkCostRules(G.EntryHt); }

}  // namespace vesk
