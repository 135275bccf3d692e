#include "supports/perflink.h"

#include "supports/dsgnlink.h"

#include "model/globals.h"
#include "model/supports/filedefined.h"
#include "platform/controls.h"
#include "platform/msgbox.h"
#include "platform/qtext.h"
#include "ui/boxes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace vesk {

namespace {

std::size_t at(int k) { return static_cast<std::size_t>(k); }

int caseType()
{
    return G.CurCaseNo >= 1 && G.CurCaseNo <= kMaxCases ? G.CaseType[at(G.CurCaseNo)] : 0;
}

}  // namespace

PerfLink::PerfLink(QWidget* parent)
    : PerfFrame(parent, {"PerfLink", "", "", kHelpContext, "ComCancel", " Security-check convergence", true})
{
    QGridLayout* grid = specGrid();
    QWidget* frame = grid->parentWidget();
    combo1_ = new QComboBox(frame);
    combo1_->setObjectName("Combo1");
    const int type = caseType();
    const int models = type >= 1 && at(type) < G.NumModels.size() && type <= G.ModelName.maxRow()
                           ? std::min<int>(G.NumModels[at(type)], G.ModelName.maxCol())
                           : 0;
    for (int m = 1; m <= models; ++m)
        combo1_->addItem(qs(G.ModelName(type, m)));
    comOpt_ = MakeButton(frame, "ComOpt", "&Optimization");
    grid->addWidget(MakeLabel(frame, "Label5", "Support model"), 0, 0);
    grid->addWidget(combo1_, 1, 0, 1, 2);
    grid->addWidget(comOpt_, 2, 0, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    connect(combo1_, &QComboBox::activated, this, [this] { recompute(); });
    connect(comOpt_, &QPushButton::clicked, this, [this] {
        openChild([this] {
            DsgnLink dlg(this);
            dlg.exec();
        });
    });
    load();

    const std::string name = at(G.CurType) < G.SupTypeName.size() ? G.SupTypeName[at(G.CurType)] : std::string();
    setWindowTitle(qs(name) + (selectMode() ? " Specifications" : " Performance"));
    comOpt_->setVisible(!selectMode() && models >= 2);
}

std::optional<int> PerfLink::listModel() const
{
    const int k = combo1_->currentIndex() + 1;
    if (k < 1 || k > G.PerfConv.maxRow() || k > G.PerfLoad.maxRow())
        return std::nullopt;
    return k;
}

void PerfLink::fillBoxes()
{
    CaseRec& c = G.CurCase;
    const int highest = std::min(G.PerfConv.maxRow(), combo1_->count());
    const int k = std::min(std::max(c.SizeIdx + 1, 1), highest);
    if (k >= 1)
        c.SizeIdx = static_cast<int16_t>(k - 1);
    combo1_->setCurrentIndex(k - 1);
}

void PerfLink::recompute()
{
    if (!listModel())
        return;  // no model chosen: nothing changes
    const CaseRec before = G.CurCase;
    try {
        const LinkOutcome o = RecomputeLink(combo1_->currentIndex(), layoutInputs());
        if (!o.error.empty()) {
            MsgBox(qs(o.error), vbOKOnly, "Error");
            return;
        }
        if (selectMode())
            return;
        clearWarnings();
        if (o.spacingFallback && o.search.design)
            PutMetric(spacingBox(), o.search.design->spacing, 6);
        showResults(o.warnings, o.search, o.safetyFactor, o.coverage);
    } catch (const std::exception& e) {
        // A value beyond single precision: nothing is stored.
        G.CurCase = before;
        MsgBox(qs(e.what()), vbOKOnly, "Error");
    }
}

void PerfLink::drawSupportCurve(CurvePlot& plot, double tonsPerTpf)
{
    if (const auto k = listModel())
        drawModelCurve(plot, tonsPerTpf, *k);
}

double PerfLink::plotYStart(double xmax) const
{
    const auto k = listModel();
    if (!designed() || !k)
        return PerfFrame::plotYStart(xmax);
    return LinkPlotYStart(G.CurCase, *k, xmax);
}

}  // namespace vesk
