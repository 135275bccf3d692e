#include "supports/perfpost.h"

#include "supports/woodform.h"

#include "model/globals.h"
#include "model/supports/post.h"
#include "platform/controls.h"
#include "platform/numbox.h"
#include "ui/boxes.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <array>

namespace vesk {

std::function<void(QWidget*)> PerfPost::OpenWoodForm = [](QWidget* parent) {
    WoodForm dlg(parent);
    dlg.exec();
};

namespace {

// The post's boxes in the order of CaseRec.Par.
enum : std::size_t { kDiam, kStrength, kHard, kCThick, kCStr, kCHard };
constexpr std::array<ParBox, 6> kBoxes = {{
    {"TextDiam", "Label9", "Post diameter", 5},
    {"TextStrength", "Label6", "Wood strength", 7},
    {"TextHard", "Label7", "Wood elasticity", 8},
    {"TextCThick", "Label3", "Cap thickness", 5},
    {"TextCStr", "Label18", "Cap strength", 7},
    {"TextCHard", "Label22", "Cap hardness", 17},
}};

}  // namespace

PerfPost::PerfPost(QWidget* parent)
    : PerfFrame(parent, {"PerfPost", "Timber Post Performance", "Timber Post Specifications", kHelpContext})
{
    QGridLayout* grid = specGrid();
    QWidget* frame = grid->parentWidget();
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        const ParBox& b = kBoxes[i];
        boxes_[i] = new NumBox(frame, b.name);
        FitWidthToTexts(boxes_[i], {"00000.00"});
        grid->addWidget(MakeLabel(frame, b.label, UnitCaption(b.caption, b.code)), static_cast<int>(i), 0);
        grid->addWidget(boxes_[i], static_cast<int>(i), 1);
        connectBox(boxes_[i]);
    }
    auto* select = MakeButton(frame, "ComSelect", "Select");
    auto* selectCap = MakeButton(frame, "ComSelCap", "Select");
    grid->addWidget(select, kStrength, 2, 2, 1);
    grid->addWidget(selectCap, kCStr, 2, 2, 1);
    grid->setColumnStretch(0, 1);
    connect(select, &QPushButton::clicked, this, [this] { selectSpecies(false); });
    connect(selectCap, &QPushButton::clicked, this, [this] { selectSpecies(true); });

    labMode_ = MakeLabel(this, "LabMode", QString());
    addResultRemark(labMode_);
    load();
}

void PerfPost::fillBoxes()
{
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        PutMetric(boxes_[i], G.CurCase.Par[i], kBoxes[i].code);
}

void PerfPost::recompute()
{
    const auto read = [this](std::size_t i) { return ReadBox(boxes_[i], kBoxes[i].code); };
    PostInputs in{read(kDiam), read(kStrength), read(kHard), read(kCThick), read(kCStr), read(kCHard)};
    calculateGuarded([&] {
        const PostOutcome o = RecomputePost(in, layoutInputs());
        if (o.errors == 0 && !o.curveFailed)
            labMode_->setText(o.buckles ? "(Post fails by buckling)" : "(Post fails by crushing)");
        showOutcome(o);
    });
}

void PerfPost::selectSpecies(bool cap)
{
    if (!OpenWoodForm)
        return;
    G.WoodTable = cap ? 0 : 1;
    openChild([this, cap] {
        OpenWoodForm(this);
        const int s = G.WoodSel;
        if (s <= 0)
            return;
        if (cap) {
            const Table2D<float>& t = G.CribWoodProp;
            if (s > G.NumCribWoods || s > t.maxRow() || t.maxCol() < 2)
                return;
            PutMetric(boxes_[kCStr], t(s, 1), kBoxes[kCStr].code);
            PutMetric(boxes_[kCHard], t(s, 2), kBoxes[kCHard].code);
        } else {
            const Table2D<float>& t = G.PostWoodProp;
            const int k = G.WoodWet != 0 ? 1 : 3;  // wet or dry strength, then its elasticity
            if (s > G.NumPostWoods || s > t.maxRow() || t.maxCol() < k + 1)
                return;
            PutMetric(boxes_[kStrength], t(s, k), kBoxes[kStrength].code);
            PutMetric(boxes_[kHard], t(s, k + 1), kBoxes[kHard].code);
        }
        recompute();
    });
}

}  // namespace vesk
