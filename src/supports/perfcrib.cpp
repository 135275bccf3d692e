#include "supports/perfcrib.h"

#include "supports/dsgncrib.h"
#include "supports/woodform.h"

#include "model/cribmodel.h"
#include "model/globals.h"
#include "model/numfmt.h"
#include "model/supports/crib.h"
#include "platform/controls.h"
#include "platform/msgbox.h"
#include "platform/numbox.h"
#include "platform/qtext.h"
#include "platform/selectall.h"
#include "ui/boxes.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace vesk {

std::function<void(QWidget*)> PerfCrib::OpenWoodForm = [](QWidget* parent) {
    WoodForm dlg(parent);
    dlg.exec();
};

std::function<void(QWidget*)> PerfCrib::OpenDsgnCrib = [](QWidget* parent) {
    DsgnCrib dlg(parent);
    dlg.exec();
};

namespace {

constexpr const char* kInputErrors = "Input errors";
constexpr const char* kOverhangNote =
    "Overhanging the timbers makes the crib more stable and\r\n"
    "increases the load by about 10% at a given displacement.\r\n"
    "One half the timber width is recommended for the overhang distance.";
constexpr int kCurveSteps = 20;  // samples of the crib curve across the convergence axis

// The crib's boxes in the order of CaseRec.Par.
enum : std::size_t { kWid, kThick, kLength, kOver, kStrength, kHard };
constexpr std::array<ParBox, 6> kBoxes = {{
    {"TextWid", "Label1", "Timber width", 5},
    {"TextThick", "Label2", "Thickness", 5},
    {"TextLength", "Label3", "Length", 5},
    {"TextOver", "Label5", "Overhang", 5},
    {"TextStrength", "Label6", " Wood strength", 7},
    {"TextHard", "Label7", " Wood hardness", 17},
}};

}  // namespace

PerfCrib::PerfCrib(QWidget* parent)
    : PerfFrame(parent, {"PerfCrib", "Wood Crib Performance", "Wood Crib Specifications", kHelpContext, "ComMain"})
{
    QGridLayout* grid = specGrid();
    QWidget* frame = grid->parentWidget();
    const auto addBox = [&](NumBox* box, const QString& labelName, const QString& caption, int row) {
        FitWidthToTexts(box, {"00000.00"});
        grid->addWidget(MakeLabel(frame, labelName, caption), row, 0);
        grid->addWidget(box, row, 1);
    };
    // Width, thickness, length and overhang; timbers per layer; the wood.
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        const ParBox& b = kBoxes[i];
        boxes_[i] = new NumBox(frame, b.name);
        addBox(boxes_[i], b.label, UnitCaption(b.caption, b.code), static_cast<int>(i < kStrength ? i : i + 1));
    }
    textNum_ = new NumBox(frame, "TextNum");
    addBox(textNum_, "Label4", "No. timbers/layer ", kStrength);

    auto* wood = MakeButton(frame, "ComWood", "&Select");
    auto* opt = MakeButton(frame, "ComOpt", "&Optimization");
    grid->addWidget(opt, 0, 2, 2, 1);
    grid->addWidget(wood, kStrength + 1, 2, 2, 1);
    grid->setColumnStretch(0, 1);
    connect(wood, &QPushButton::clicked, this, &PerfCrib::selectSpecies);
    connect(opt, &QPushButton::clicked, this, [this] {
        if (OpenDsgnCrib)
            openChild([this] { OpenDsgnCrib(this); });
    });

    // Enter in the width box first sets the overhang that goes with it;
    // the overhang box advises on its value after the recompute.
    for (NumBox* box : {boxes_[kThick], boxes_[kLength], boxes_[kStrength], boxes_[kHard], textNum_})
        connectBox(box);
    connect(boxes_[kWid], &NumBox::enterPressed, this, &PerfCrib::widthEntered);
    connect(boxes_[kWid], &NumBox::leftBox, this, [this] { recompute(); });
    connect(boxes_[kOver], &NumBox::enterPressed, this, [this] { overhangDone(true); });
    connect(boxes_[kOver], &NumBox::leftBox, this, [this] { overhangDone(false); });

    load();
    opt->setVisible(!selectMode());
}

void PerfCrib::fillBoxes()
{
    const CaseRec& c = G.CurCase;
    PutValue(textNum_, c.NumPerLayer(), FormatPattern(c.NumPerLayer(), "0"));
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        PutMetric(boxes_[i], c.Par[i], kBoxes[i].code);
}

void PerfCrib::recompute()
{
    const auto read = [this](std::size_t i) { return ReadBox(boxes_[i], kBoxes[i].code); };
    CribInputs in{RowsFromText(ss(textNum_->text())), read(kWid), read(kThick), read(kLength), read(kOver),
                  read(kStrength), read(kHard)};
    LayoutInputs layout = layoutInputs();
    if (!selectMode())
        layout.rows = CribRowsFromText(ss(rowsBox()->text())).value_or(0);  // beyond a count: an input error
    const CaseRec before = G.CurCase;
    try {
        const CribOutcome o = RecomputeCrib(in, layout);
        if (!selectMode())
            PutMetric(spacingBox(), G.CurCase.UserSpacing, 6);  // raised to the timber length
        if (o.inputErrors) {
            clearWarnings();
            MsgBox(kInputErrors, vbOKOnly, "Attention");
            return;
        }
        if (!selectMode())
            designed_ = o.designed();
        showResults(o.warnings, o.search, o.safetyFactor, o.coverage);
    } catch (const std::exception&) {
        // A value beyond single precision, or no entry width: nothing is stored.
        G.CurCase = before;
        clearWarnings();
        MsgBox(kInputErrors, vbOKOnly, "Attention");
    }
}

void PerfCrib::widthEntered()
{
    if (const auto w = ReadBox(boxes_[kWid], kBoxes[kWid].code))
        if (const auto o = AutoOverhang(*w))
            PutMetric(boxes_[kOver], *o, kBoxes[kOver].code);
    SelectAllText(boxes_[kWid]);
    recompute();
}

void PerfCrib::overhangDone(bool entered)
{
    recompute();
    const auto o = ReadBox(boxes_[kOver], kBoxes[kOver].code);
    if (o && OverhangBelowHalfWidth(G.CurCase.Par[0], *o))
        MsgBox(kOverhangNote, vbOKOnly, "Note");
    if (entered)
        SelectAllText(boxes_[kOver]);
}

void PerfCrib::selectSpecies()
{
    if (!OpenWoodForm)
        return;
    G.WoodTable = 0;
    openChild([this] {
        OpenWoodForm(this);
        const int s = G.WoodSel;
        const Table2D<float>& t = G.CribWoodProp;
        if (s <= 0 || s > G.NumCribWoods || s > t.maxRow() || t.maxCol() < 2)
            return;
        PutMetric(boxes_[kStrength], t(s, 1), kBoxes[kStrength].code);
        PutMetric(boxes_[kHard], t(s, 2), kBoxes[kHard].code);
        recompute();
    });
}

double PerfCrib::densityAt(double conv) const
{
    const CaseRec& c = G.CurCase;
    if (c.Rows <= 0 || !(c.Spacing > 0))
        return 0;
    return CribLoad(static_cast<float>(conv), c.CribA, c.CribK, c.CribB) * c.Rows * 12.0 / c.Spacing;
}

void PerfCrib::drawSupportCurve(CurvePlot& plot, double tonsPerTpf)
{
    // The stored model from 0 to one step past the axis end.
    const CaseRec& c = G.CurCase;
    const double step = G.PlotXMax / kCurveSteps;
    std::vector<std::pair<double, double>> pts;
    for (int i = 0; i <= kCurveSteps + 1; ++i) {
        const double conv = i * step;
        pts.emplace_back(conv, CribLoad(static_cast<float>(conv), c.CribA, c.CribK, c.CribB) / tonsPerTpf);
    }
    plot.polyline(pts);
}

double PerfCrib::plotYStart(double xmax) const
{
    // Without a design the frame's start: there are no rows and spacing to draw the crib at.
    return designed_ ? densityAt(xmax) : PerfFrame::plotYStart(xmax);
}

bool PerfCrib::plotBlankAt(double yStart) const { return designed_ && !(yStart > 0); }

}  // namespace vesk
