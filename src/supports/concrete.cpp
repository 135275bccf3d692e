#include "supports/concrete.h"

#include "model/globals.h"
#include "model/supports/concrete.h"
#include "platform/controls.h"
#include "platform/numbox.h"
#include "ui/boxes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>
#include <utility>

namespace vesk {

namespace {

constexpr int kDimCode = 5, kStrengthCode = 7;

// The dimension boxes' captions by type: donut, four-point, solid and stopping block cribs.
constexpr const char* kDonut[5] = {" Inner diam", " Outer diam", " Piece thickness", "", ""};
constexpr const char* kFourPoint[5] = {" Piece width", " Piece thickness", " Length", "", ""};
constexpr const char* kBlock[5] = {" Crib width", " Crib length", " Piece width", " Piece thickness", " Piece length"};

const char* const* dimCaptions(int type) { return type == 3 ? kDonut : type == 4 ? kFourPoint : kBlock; }

// The frame's unit-bearing labels carry this dialog's own names; the frame's
// legend and roof-coverage labels give up two of those names first. In order.
constexpr std::pair<const char*, const char*> kOwnLabelNames[] = {
    {"Label19", "LbLegend"}, {"Label20", "LbCoverage"},  // the legend, the roof coverage
    {"Label16", "Label22"},                              // at design convergence
    {"Label17", "Label16"},                              // support load density
    {"Label8", "Label19"},   {"Label1", "Label11"},      // convergence: read-out, result
    {"Label14", "Label20"},                              // load density read-out (the result keeps Label10)
    {"Label5", "Label9"},                                // centre-to-centre spacing
    {"Label4", "Label12"},                               // unit load
};

int caseType()
{
    return G.CurCaseNo >= 1 && G.CurCaseNo <= kMaxCases ? G.CaseType[static_cast<std::size_t>(G.CurCaseNo)] : 0;
}

}  // namespace

Concrete::Concrete(QWidget* parent)
    : PerfFrame(parent, {"Concrete", "Concrete Crib Performance", "Concrete Crib Specifications", kHelpContext,
                         "ComCancel", "Security-check convergence", true})
{
    for (const auto& [frameName, ownName] : kOwnLabelNames)
        if (QLabel* label = findChild<QLabel*>(frameName))
            label->setObjectName(ownName);

    QGridLayout* grid = specGrid();
    QWidget* frame = grid->parentWidget();
    const int type = caseType();
    const int count = ConcreteDimCount(type);
    const char* const* captions = dimCaptions(type);
    const auto addBox = [&](QLabel* label, NumBox* box) {
        const int row = grid->rowCount();
        FitWidthToTexts(box, {"00000.00"});
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        connectBox(box);
    };
    for (std::size_t i = 0; i < txDim_.size(); ++i) {
        const QString index = QString("(%1)").arg(i);
        lbDim_[i] = MakeLabel(frame, "LbDim" + index, i < static_cast<std::size_t>(count)
                                                          ? UnitCaption(captions[i], kDimCode)
                                                          : QString());
        txDim_[i] = new NumBox(frame, "TxDim" + index);
        addBox(lbDim_[i], txDim_[i]);
        lbDim_[i]->setVisible(i < static_cast<std::size_t>(count));
        txDim_[i]->setVisible(i < static_cast<std::size_t>(count));
    }
    textStrength_ = new NumBox(frame, "TextStrength");
    addBox(MakeLabel(frame, "Label6", UnitCaption("Compressive strength", kStrengthCode)), textStrength_);
    txThick_ = new NumBox(frame, "TxThick");
    addBox(MakeLabel(frame, "LbWoodThick", "Total wood\n" + UnitCaption("thickness", kDimCode)), txThick_);

    combo1_ = new QComboBox(frame);
    combo1_->setObjectName("Combo1");
    combo1_->addItems({"Every layer", "Every 2nd layer", "Every 3rd layer", "Every 4th layer", "Roof/floor only"});
    const int row = grid->rowCount();
    grid->addWidget(MakeLabel(frame, "Label1", "Interlayer wood placement"), row, 0, 1, 2);
    grid->addWidget(combo1_, row + 1, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    connect(combo1_, &QComboBox::activated, this, [this] { recompute(); });
    load();
}

void Concrete::fillBoxes()
{
    CaseRec& c = G.CurCase;
    for (std::size_t i = 0; i < txDim_.size(); ++i)
        PutMetric(txDim_[i], c.Par[i], kDimCode);
    PutMetric(textStrength_, c.Par[5], kStrengthCode);
    PutMetric(txThick_, c.Par[6], kDimCode);
    c.Interlayer = std::clamp<int16_t>(c.Interlayer, 0, 4);
    combo1_->setCurrentIndex(c.Interlayer);
}

void Concrete::recompute()
{
    ConcreteInputs in;
    for (std::size_t i = 0; i < txDim_.size(); ++i)
        in.dims[i] = ReadBox(txDim_[i], kDimCode);
    in.strength = ReadBox(textStrength_, kStrengthCode);
    in.woodThickness = ReadBox(txThick_, kDimCode);
    in.interlayer = combo1_->currentIndex();
    calculateGuarded([&] {
        const ConcreteOutcome o = RecomputeConcrete(in, layoutInputs());
        // A refused dimension shows what the calculation would use instead.
        for (std::size_t i = 0; i < txDim_.size(); ++i)
            if (o.dimRejected[i])
                PutMetric(txDim_[i], G.CurCase.Par[i], kDimCode);
        showOutcome(o);
    });
}

}  // namespace vesk
