#include "supports/headfoot.h"

#include "model/globals.h"
#include "model/units.h"
#include "model/vbmath.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/guard.h"
#include "platform/msgbox.h"
#include "platform/qtext.h"
#include "platform/selectall.h"
#include "ui/boxes.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>
#include <utility>

namespace vesk {

namespace {

constexpr int kAreaCode = 13;  // in²
constexpr int kDimCode = 5;    // in
constexpr float kAssumedPeakLoad = 100;  // tons, before any calculation

const CaseRec& defaults()
{
    const int n = G.CurCaseNo >= 0 && G.CurCaseNo <= kMaxCases ? G.CurCaseNo : 0;
    return G.DefCases[static_cast<std::size_t>(n)];
}

// The area that a load in tons needs on ground of a bearing strength in psi;
// blank without a strength (or for an area beyond what the program holds).
QString requiredArea(float peakLoad, float bearing)
{
    if (!(bearing > 0))
        return QString();
    try {
        return qs(FormatMetric(static_cast<double>(peakLoad) * 2000.0 / bearing, kAreaCode));
    } catch (const ArithError&) {
        return QString();
    }
}

NumBox* numberBox(QWidget* parent, const char* name)
{
    auto* box = new NumBox(parent, name);
    FitWidthToTexts(box, {"000000.00"});
    box->setAlignment(Qt::AlignRight);
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    QObject::connect(box, &NumBox::enterPressed, box, [box] { SelectAllText(box); });
    return box;
}

// A frame of two values: rows of caption, box and default, with the
// "Defaults" heading above and a "Use defaults" button below the defaults.
struct FrameNames {
    const char* frame;
    const char* title;
    const char* heading;
    const char* useDefaults;
};
struct RowNames {
    const char* caption;
    const char* text;
    const char* box;
    const char* defaults;
};
struct ValueFrame {
    QGroupBox* frame = nullptr;
    QGridLayout* grid = nullptr;
    std::array<NumBox*, 2> box{};
    std::array<QLabel*, 2> defaults{};
    QPushButton* useDefaults = nullptr;
};

ValueFrame valueFrame(QWidget* parent, const FrameNames& names, const std::array<RowNames, 2>& rows, int code)
{
    ValueFrame f;
    f.frame = new QGroupBox(names.title, parent);
    f.frame->setObjectName(names.frame);
    f.grid = new QGridLayout(f.frame);
    f.grid->addWidget(MakeLabel(f.frame, names.heading, "Defaults"), 0, 2, Qt::AlignHCenter);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        f.box[i] = numberBox(f.frame, rows[i].box);
        f.defaults[i] = MakePanel(f.frame, rows[i].defaults);
        f.grid->addWidget(MakeLabel(f.frame, rows[i].caption, UnitCaption(rows[i].text, code)), row, 0);
        f.grid->addWidget(f.box[i], row, 1);
        f.grid->addWidget(f.defaults[i], row, 2);
    }
    f.useDefaults = MakeButton(f.frame, names.useDefaults, "Use defaults");
    f.grid->addWidget(f.useDefaults, 3, 2);
    return f;
}

}  // namespace

HeadFoot::HeadFoot(QWidget* parent) : QDialog(parent)
{
    setObjectName("HeadFoot");
    setWindowTitle("Header and Footer Properties");

    const int caseNo = G.CurCaseNo;
    const int type = caseNo >= 1 && caseNo <= kMaxCases ? G.CaseType[static_cast<std::size_t>(caseNo)] : 0;
    // A size index beyond the arrays (a damaged file) edits the nearest element.
    slot_ = type >= 7 ? std::clamp(G.CurCase.SizeIdx + 1, 0, static_cast<int>(G.CurCase.RoofArea.size()) - 1) : 1;
    if (G.PeakLoad <= 0)
        G.PeakLoad = kAssumedPeakLoad;

    const ValueFrame areas =
        valueFrame(this, {"Frame1", "Contact/bearing area", "Label1", "ComDefArea"},
                   {{{"Label2", "Roof", "TxRoof", "LbRoof"}, {"Label3", "Floor", "TxFloor", "LbFloor"}}}, kAreaCode);
    const ValueFrame dims =
        valueFrame(this, {"Frame2", "Roof coverage dimensions", "Label6", "ComDefDim"},
                   {{{"Label7", "Width", "TxWidth", "LbWidth"}, {"Label8", "Length", "TxLength", "LbLength"}}},
                   kDimCode);
    txRoof_ = areas.box[0];
    txFloor_ = areas.box[1];
    txWidth_ = dims.box[0];
    txLength_ = dims.box[1];
    lbReqR_ = MakePanel(areas.frame, "LbReqR");
    lbReqF_ = MakePanel(areas.frame, "LbReqF");
    areas.grid->addWidget(MakeLabel(areas.frame, "Label9", "Required"), 0, 3, Qt::AlignHCenter);
    areas.grid->addWidget(lbReqR_, 1, 3);
    areas.grid->addWidget(lbReqF_, 2, 3);
    // The dimensions line up under the areas.
    int captions = 0;
    for (QGridLayout* g : {areas.grid, dims.grid})
        for (int r = 1; r <= 2; ++r)
            captions = std::max(captions, g->itemAtPosition(r, 0)->widget()->sizeHint().width());
    for (QGridLayout* g : {areas.grid, dims.grid}) {
        g->setColumnMinimumWidth(0, captions);
        g->setColumnMinimumWidth(2, areas.useDefaults->sizeHint().width());
        g->setColumnStretch(4, 1);
    }

    auto* comDone = MakeButton(this, "ComDone", "&Ok");
    auto* comCancel = MakeButton(this, "ComCancel", "&Cancel");
    auto* comHelp = MakeButton(this, "ComHelp", "&Help");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(comDone);
    buttons->addWidget(comCancel);
    buttons->addWidget(comHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(areas.frame);
    layout->addWidget(dims.frame);
    layout->addLayout(buttons);

    connect(areas.useDefaults, &QPushButton::clicked, this, [this] { useDefaultAreas(); });
    connect(dims.useDefaults, &QPushButton::clicked, this, [this] { useDefaultDimensions(); });
    connect(comDone, &QPushButton::clicked, this, [this] { done(); });
    connect(comCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(comHelp, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    InstallHelpKey(this, kHelpContext);

    const CaseRec& c = G.CurCase;
    const CaseRec& d = defaults();
    const auto k = static_cast<std::size_t>(slot_);
    // A stored value that cannot be shown leaves its box empty, which "&Ok" refuses.
    const std::tuple<NumBox*, QLabel*, float, float, int> rows[] = {
        {txRoof_, areas.defaults[0], c.RoofArea[k], d.RoofArea[k], kAreaCode},
        {txFloor_, areas.defaults[1], c.FloorArea[k], d.FloorArea[k], kAreaCode},
        {txWidth_, dims.defaults[0], c.PlanWid[k], d.PlanWid[k], kDimCode},
        {txLength_, dims.defaults[1], c.PlanLen[k], d.PlanLen[k], kDimCode}};
    for (const auto& row : rows) {
        Guarded([&row] { PutMetric(std::get<0>(row), std::get<2>(row), std::get<4>(row)); });
        Guarded([&row] { std::get<1>(row)->setText(qs(FormatMetric(std::get<3>(row), std::get<4>(row)))); });
    }
    showRequiredAreas();
}

void HeadFoot::showRequiredAreas()
{
    const bool known = G.PeakLoad > 0;
    lbReqR_->setText(known ? requiredArea(G.PeakLoad, G.DesignCrit.RoofBearing) : QString());
    lbReqF_->setText(known ? requiredArea(G.PeakLoad, G.DesignCrit.FloorBearing) : QString());
}

void HeadFoot::useDefaultAreas()
{
    const auto k = static_cast<std::size_t>(slot_);
    Guarded([&] { PutMetric(txRoof_, defaults().RoofArea[k], kAreaCode); });
    Guarded([&] { PutMetric(txFloor_, defaults().FloorArea[k], kAreaCode); });
}

void HeadFoot::useDefaultDimensions()
{
    const auto k = static_cast<std::size_t>(slot_);
    Guarded([&] { PutMetric(txWidth_, defaults().PlanWid[k], kDimCode); });
    Guarded([&] { PutMetric(txLength_, defaults().PlanLen[k], kDimCode); });
}

void HeadFoot::done()
{
    const std::array<std::pair<NumBox*, int>, 4> boxes{
        {{txRoof_, kAreaCode}, {txFloor_, kAreaCode}, {txWidth_, kDimCode}, {txLength_, kDimCode}}};
    std::array<float, 4> v{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const std::optional<float> x = ReadBox(boxes[i].first, boxes[i].second);
        if (!x || !(*x > 0)) {
            MsgBox("All values must be > 0.", vbOKOnly, "Input errors");
            return;
        }
        v[i] = *x;
    }
    const auto k = static_cast<std::size_t>(slot_);
    CaseRec& c = G.CurCase;
    c.RoofArea[k] = v[0];
    c.FloorArea[k] = v[1];
    c.PlanWid[k] = v[2];
    c.PlanLen[k] = v[3];
    accept();
}

}  // namespace vesk
