#include "cablebolts/cablecriteria.h"

#include "criteria/blockframe.h"
#include "criteria/entryframe.h"
#include "criteria/criteria.h"
#include "model/criteria/block.h"
#include "model/criteria/changes.h"
#include "model/criteria/summary.h"
#include "model/globals.h"
#include "model/units.h"
#include "model/vbmath.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/numbox.h"
#include "platform/qtext.h"
#include "platform/selectall.h"
#include "ui/boxes.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>
#include <utility>

namespace vesk {

namespace {

constexpr int kHelpContext = 260;

const BlockWording kWording = {
    "Design Parameters",
    "Label4",
    "Label5",
    "Design roof displacement",
    "Set as detached block criteria for standing supports",
};

// Runs a routine once, after the window it watches is first shown.
class FirstShow : public QObject {
public:
    FirstShow(QObject* owner, QWidget* window, std::function<void()> run) : QObject(owner), run_(std::move(run))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && run_) {
            // Queued: the window is on screen, and whoever showed it has
            // returned, before the first activation fills it.
            QTimer::singleShot(0, this, std::exchange(run_, nullptr));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> run_;
};

}  // namespace

struct CableCriteria::Impl {
    CableCriteria* q;
    QObject ctx;  // the handlers of the dialog's signals live as long as this
    CritRec copy = G.DesignCrit;  // the criteria being edited, written back by "&Ok"
    bool critCopied = false;

    BlockFrame* block = nullptr;
    EntryFrame* entry = nullptr;
    QLabel* tpfLabel = nullptr;
    QLabel* convLabel = nullptr;
    QLabel* lbTpf = nullptr;
    QLabel* lbConv = nullptr;
    QLabel* lbSF = nullptr;

    explicit Impl(CableCriteria* dialog) : q(dialog) {}

    void build();
    void setUnitLabels();
    void activate();
    void showSummary();
    void copyToStanding();
    void ok();
    void discard();
};

void CableCriteria::Impl::build()
{
    q->setObjectName("CableCriteria");
    q->setWindowTitle("Design Criteria for Cable Bolts");

    entry = new EntryFrame(q, copy);

    block = new BlockFrame(q, copy, kCableBlock, kWording);

    auto* summary = new QGroupBox("Design Criteria Summary", q);
    summary->setObjectName("Frame2");
    tpfLabel = MakeLabel(summary, "Label31", QString());
    lbTpf = MakePanel(summary, "LbTpf");
    convLabel = MakeLabel(summary, "Label9", QString());
    lbConv = MakePanel(summary, "LbConv");
    lbSF = MakePanel(summary, "LbSF");
    auto* summaryGrid = new QGridLayout(summary);
    summaryGrid->addWidget(tpfLabel, 0, 0);
    summaryGrid->addWidget(lbTpf, 0, 1);
    summaryGrid->addWidget(convLabel, 1, 0);
    summaryGrid->addWidget(lbConv, 1, 1);
    summaryGrid->addWidget(MakeLabel(summary, "Label10", "Design safety factor"), 2, 0);
    summaryGrid->addWidget(lbSF, 2, 1);
    summaryGrid->setColumnStretch(0, 1);

    auto* done = MakeButton(q, "ComDone", "&Ok");
    auto* cancel = MakeButton(q, "ComCancel", "&Cancel");
    auto* help = MakeButton(q, "ComHelp", "&Help");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(done);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto* side = new QVBoxLayout;
    side->addWidget(entry);
    side->addWidget(summary);
    side->addStretch();
    side->addLayout(buttons);
    auto* layout = new QHBoxLayout(q);
    layout->addWidget(block);
    layout->addLayout(side);

    entry->onEntered = [this](NumBox*, bool) { block->calcblock(); };
    block->onCalculated = [this] { showSummary(); };
    QObject::connect(block->copyButton(), &QPushButton::clicked, &ctx, [this] { copyToStanding(); });
    QObject::connect(done, &QPushButton::clicked, &ctx, [this] { ok(); });
    QObject::connect(cancel, &QPushButton::clicked, q, &QDialog::reject);
    // "&Cancel", Escape and the close box all end here.
    QObject::connect(q, &QDialog::rejected, &ctx, [this] { discard(); });
    QObject::connect(help, &QPushButton::clicked, &ctx, [] { ShowHelp(kHelpContext); });
    InstallHelpKey(q, kHelpContext);
    new FirstShow(&ctx, q, [this] { activate(); });
}

void CableCriteria::Impl::setUnitLabels()
{
    block->setUnitCaptions();
    entry->setUnitCaptions();
    tpfLabel->setText(UnitCaption("Support load density", 2));
    convLabel->setText(UnitCaption("at Design displacement", 5));
}

void CableCriteria::Impl::activate()
{
    G.EntryHt = copy.EntryHt;
    G.EntryWid = copy.EntryWid;
    entry->fill();
    block->fill();
    // As Enter in the safety factor box: a factor below the recommended
    // minimum is reported as soon as the dialog opens.
    if (auto* sf = block->findChild<NumBox*>("TxSF"))
        sf->pressEnter();
}

void CableCriteria::Impl::showSummary()
{
    KeepTpfPerWid(copy, G.EntryWid);
    lbTpf->setText(qs(FormatMetric(copy.CabTpf, 2)));
    lbConv->setText(qs(FormatMetric(copy.CabConv, 5)));
    lbSF->setText(qs(FormatNum(copy.CabSF)));
}

void CableCriteria::Impl::copyToStanding()
{
    CopyBlockInputs(copy, kCableBlock, kStandingBlock);
    critCopied = true;
}

void CableCriteria::Impl::ok()
{
    // Every box is read; the first invalid one keeps the dialog open.
    NumBox* bad = nullptr;
    if (!entry->read(entry->widthBox()))
        bad = entry->widthBox();
    else if (!entry->read(entry->heightBox()))
        bad = entry->heightBox();
    else if (!block->calcblock())
        bad = block->lastInvalid();
    if (bad) {
        // The box being left has just been read: it is not handled again.
        const QSignalBlocker quiet(q->focusWidget());
        bad->setFocus();
        SelectAllText(bad);
        return;
    }
    CommitCriteria(copy, critCopied, CritGroup::Cable);
    Criteria::CritEditorDone = -1;
    q->accept();
}

void CableCriteria::Impl::discard()
{
    G.EntryHt = G.DesignCrit.EntryHt;
    G.EntryWid = G.DesignCrit.EntryWid;
    Criteria::CritEditorDone = 0;
}

CableCriteria::CableCriteria(QWidget* parent) : QDialog(parent), d_(new Impl(this))
{
    G.NextStep = 0;
    d_->build();
    d_->setUnitLabels();
}

CableCriteria::~CableCriteria()
{
    d_->block->onCalculated = nullptr;
    delete d_;
}

}  // namespace vesk
