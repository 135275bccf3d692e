#include "costs/matpost.h"

#include "model/costs/postcosts.h"
#include "model/globals.h"
#include "model/units.h"
#include "platform/numbox.h"
#include "platform/qtext.h"
#include "ui/boxes.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace vesk {

namespace {

constexpr int kCostCode = 18;    // $/BdFt
constexpr int kWeightCode = 19;  // lb/BdFt
constexpr int kSizeCode = 5;     // in
constexpr int kEntryCode = 6;    // in | m

}  // namespace

MatPost::MatPost(QWidget* parent)
    : CostFrame(parent, {"MatPost", "Costs and Material Handling - Timber Posts", kHelpContext, true})
{
    QGridLayout* grid = volumeGrid();
    QGridLayout* primary = frameRow(grid, "FramePrimary", "Primary support materials");
    QWidget* p = primary->parentWidget();
    lbWid_ = panelRow(p, primary, "LbWid", QString());
    caption("LbWid")->setObjectName("LbDiam");
    lbLen_ = panelRow(p, primary, "LbLen", QString());
    optRound_ = new QRadioButton("Round", p);
    optRound_->setObjectName("OptRound");
    optSquare_ = new QRadioButton("Square", p);
    optSquare_->setObjectName("OptSquare");
    auto* shape = new QHBoxLayout;
    shape->addWidget(optRound_);
    shape->addWidget(optSquare_);
    primary->addLayout(shape, primary->rowCount(), 0, 1, 2);
    connect(optRound_, &QRadioButton::clicked, this, &MatPost::shapeClicked);
    connect(optSquare_, &QRadioButton::clicked, this, &MatPost::shapeClicked);
    txAdj_ = boxRow(p, primary, "TxAdj", QString());

    QGridLayout* secondary = frameRow(grid, "FrameSecondary", "Secondary support materials");
    QWidget* s = secondary->parentWidget();
    txSwid_ = boxRow(s, secondary, "TxSwid", QString());
    txSlen_ = boxRow(s, secondary, "TxSlen", QString());
    txSthick_ = boxRow(s, secondary, "TxSthick", QString());

    findChild<QGroupBox*>("FrameQty")->setTitle("Transport quantites");
    load();
}

int MatPost::unitCostCode() const { return kCostCode; }

int MatPost::unitWeightCode() const { return kWeightCode; }

void MatPost::setMemberCaptions()
{
    caption("TxFabr")->setText("Fabrication cost, $/support");
    caption("TxTime")->setText("Construction time, min/support");
    caption("LbLen")->setText(UnitCaption("Entry height", kEntryCode));
    caption("TxAdj")->setText(UnitCaption("Height adjustment", kSizeCode));
    caption("TxSwid")->setText(UnitCaption("Package width", kSizeCode));
    caption("TxSlen")->setText(UnitCaption("Package length", kSizeCode));
    caption("TxSthick")->setText(UnitCaption("Package thickness", kSizeCode));
}

void MatPost::setShapeCaption()
{
    caption("LbWid")->setText(UnitCaption(optSquare_->isChecked() ? "Post width" : "Post diameter", kSizeCode));
}

void MatPost::shapeClicked()
{
    setShapeCaption();
    recompute();
}

void MatPost::fillMemberBoxes()
{
    const CaseRec& c = G.CurCase;
    lbWid_->setText(qs(FormatMetric(c.Par[0], kSizeCode)));
    lbLen_->setText(qs(FormatMetric(G.EntryHt, kEntryCode)));
    (c.PostShape()[1] == 0 ? optRound_ : optSquare_)->setChecked(true);
    setShapeCaption();
    PutMetric(txAdj_, c.HtAdj[1], kSizeCode);
    PutMetric(txSwid_, c.SecWid[1], kSizeCode);
    PutMetric(txSlen_, c.SecLen[1], kSizeCode);
    PutMetric(txSthick_, c.SecThick[1], kSizeCode);
}

std::vector<MemberCostBox> MatPost::memberBoxes() const
{
    return PostTransportBoxes({optSquare_->isChecked(), ReadBox(txAdj_, kSizeCode), ReadBox(txSwid_, kSizeCode),
                               ReadBox(txSlen_, kSizeCode), ReadBox(txSthick_, kSizeCode)});
}

std::vector<SizeF CaseRec::*> MatPost::memberTransportFields() const { return PostTransportFields(); }

CostQuantities MatPost::quantities() const
{
    return PostCostQuantities(G.CurCase, G.EntryHt, G.CurCase.PostShape()[1] != 0);
}

}  // namespace vesk
