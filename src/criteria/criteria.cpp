#include "criteria/criteria.h"

#include "cablebolts/cablecriteria.h"
#include "criteria/formmine.h"
#include "model/criteria/changes.h"
#include "model/criteria/summary.h"
#include "model/globals.h"
#include "model/units.h"
#include "model/vbmath.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/qtext.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <array>
#include <tuple>
#include <utility>

namespace vesk {

namespace {

constexpr int kBases = 4;
constexpr std::array<const char*, kBases> kOptionCaptions = {"Detached block", "Ground reaction curve",
                                                             "Current support system", "Arbitrary criteria"};

// A basis option that also reports the release of a left click on it. The
// keyboard selects options too, but only a click opens a criteria dialog.
class BasisOption : public QRadioButton {
public:
    using QRadioButton::QRadioButton;
    std::function<void()> onMouseUp;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        const bool clicked = e->button() == Qt::LeftButton && hitButton(e->position().toPoint());
        QRadioButton::mouseReleaseEvent(e);
        if (clicked && onMouseUp)
            onMouseUp();
    }
};

// A read-out of the summary, in a sunken panel.
QLabel* valueLabel(QWidget* parent, const char* name)
{
    QLabel* l = MakeLabel(parent, name, QString());
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(80);
    return l;
}

// A frame of the dialog with the grid of its controls.
QGroupBox* makeFrame(QWidget* parent, const char* name, const char* title, QGridLayout*& grid)
{
    auto* frame = new QGroupBox(QString::fromUtf8(title), parent);
    frame->setObjectName(name);
    grid = new QGridLayout(frame);
    return frame;
}

// "Notes:" at `row` of a basis frame, and the notes under it, taking the rest of the frame.
QLabel* addNotes(QGridLayout* grid, int row, const char* captionName, const char* notesName)
{
    QWidget* frame = grid->parentWidget();
    grid->addWidget(MakeLabel(frame, captionName, "Notes:"), row, 0, 1, 2);
    QLabel* notes = MakeLabel(frame, notesName, QString());
    notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notes->setMinimumHeight(2 * notes->fontMetrics().lineSpacing());
    grid->addWidget(notes, row + 1, 0, 1, 2);
    grid->setRowStretch(row + 1, 1);
    grid->setColumnStretch(0, 1);
    return notes;
}

// A caption (its text set with the units) at `row` of a summary frame, and its read-out under it.
std::pair<QLabel*, QLabel*> addReadout(QGridLayout* grid, int row, const char* captionName, const char* valueName)
{
    QWidget* frame = grid->parentWidget();
    QLabel* caption = MakeLabel(frame, captionName, QString());
    QLabel* value = valueLabel(frame, valueName);
    grid->addWidget(caption, row, 0, 1, 3);
    grid->addWidget(value, row + 1, 0);
    return {caption, value};
}

// Text with the program's line breaks, as a label shows it.
QString lines(const std::string& text)
{
    QString s = qs(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return s;
}

// A label that keeps its place in the frame while hidden.
void keepPlaceWhenHidden(QWidget* w)
{
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

}  // namespace

int16_t Criteria::CritEditorDone = 0;

struct Criteria::Impl {
    Criteria* q;
    int prevBasis = -1;  // the basis before the last option click; -1 until the first activation
    bool shown = false;

    std::array<BasisOption*, kBases> option{};
    QLabel* lbNotes = nullptr;
    QLabel *label31 = nullptr, *label9 = nullptr, *label12 = nullptr, *label11 = nullptr;
    QLabel *lbTpf = nullptr, *lbConv = nullptr, *lbYield = nullptr, *lbYieldReq = nullptr;
    QLabel *lbAtype = nullptr, *lbTiming = nullptr;
    QLabel *lbCable = nullptr, *lbCtpf = nullptr, *lbCdisp = nullptr, *lbSF = nullptr;
    QRadioButton *optEnglish = nullptr, *optMetric = nullptr;

    explicit Impl(Criteria* owner) : q(owner) {}

    void build();
    void optionClick(int index);
    void optionMouseUp();
    void unitsClick(bool metric);
    template <class Dialog>
    void openCriteriaDialog();
    void refreshSummary();
    void verifyCriteriaPrompt();
    void propagateCriteriaChange();
    void setUnitCaptions();
    void leave(int nextStep);
    void closing();
    void queueActivate();
};

void Criteria::Impl::build()
{
    QGridLayout* f1 = nullptr;
    QGroupBox* frame1 = makeFrame(q, "Frame1", "Design Basis - Standing Supports", f1);
    auto* basisGroup = new QButtonGroup(q);
    for (int i = 0; i < kBases; ++i) {
        option[i] = new BasisOption(QString::fromUtf8(kOptionCaptions[i]), frame1);
        option[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        basisGroup->addButton(option[i], i);
        f1->addWidget(option[i], i, 0);
        connect(option[i], &QRadioButton::clicked, q, [this, i] { optionClick(i); });
        option[i]->onMouseUp = [this] { optionMouseUp(); };
    }
    auto* comEdit = MakeButton(frame1, "ComEdit", "&Edit");
    f1->addWidget(comEdit, 0, 1, Qt::AlignRight | Qt::AlignTop);
    lbNotes = addNotes(f1, kBases, "Label1", "LbNotes");

    QGridLayout* f3 = nullptr;
    QGroupBox* frame3 = makeFrame(q, "Frame3", "Design Basis - Cable Bolts", f3);
    auto* comCable = MakeButton(frame3, "ComCable", "&Edit");
    f3->addWidget(comCable, 0, 1, Qt::AlignRight | Qt::AlignTop);
    lbCable = addNotes(f3, 1, "Label3", "LbCable");

    // The summaries: captions over their read-outs, and one caption beside its read-out.
    QGridLayout* f2 = nullptr;
    QGroupBox* frame2 = makeFrame(q, "Frame2", "Design Criteria Summary - Standing Supports", f2);
    std::tie(label31, lbTpf) = addReadout(f2, 0, "Label31", "LbTpf");
    std::tie(label9, lbConv) = addReadout(f2, 2, "Label9", "LbConv");
    std::tie(lbYieldReq, lbYield) = addReadout(f2, 4, "LbYieldReq", "LbYield");
    lbTiming = MakeLabel(frame2, "LbTiming", "Convergence timing");
    lbAtype = valueLabel(frame2, "LbAtype");
    f2->addWidget(lbTiming, 6, 0);
    f2->addWidget(lbAtype, 6, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{lbYield, lbTiming, lbAtype})
        keepPlaceWhenHidden(w);

    QGridLayout* f4 = nullptr;
    QGroupBox* frame4 = makeFrame(q, "Frame4", "Design Criteria Summary - Cable Bolts", f4);
    std::tie(label12, lbCtpf) = addReadout(f4, 0, "Label12", "LbCtpf");
    std::tie(label11, lbCdisp) = addReadout(f4, 2, "Label11", "LbCdisp");
    lbSF = valueLabel(frame4, "LbSF");
    f4->addWidget(MakeLabel(frame4, "Label4", "Design safety factor"), 4, 0);
    f4->addWidget(lbSF, 4, 1);
    for (QGridLayout* f : {f2, f4}) {
        f->setColumnStretch(2, 1);
        f->setRowStretch(f->rowCount(), 1);
    }

    optEnglish = new QRadioButton("English", q);
    optEnglish->setObjectName("OptEnglish");
    optMetric = new QRadioButton("Metric", q);
    optMetric->setObjectName("OptMetric");
    auto* unitGroup = new QButtonGroup(q);
    unitGroup->addButton(optEnglish);
    unitGroup->addButton(optMetric);
    connect(optEnglish, &QRadioButton::clicked, q, [this] { unitsClick(false); });
    connect(optMetric, &QRadioButton::clicked, q, [this] { unitsClick(true); });

    auto* comHelp = MakeButton(q, "ComHelp", "&Help");
    auto* comMain = MakeButton(q, "ComMain", "&Main Menu");
    auto* comNext = MakeButton(q, "ComNext", "&Next");
    connect(comEdit, &QPushButton::clicked, q, [this] { openCriteriaDialog<FormMine>(); });
    connect(comCable, &QPushButton::clicked, q, [this] { openCriteriaDialog<CableCriteria>(); });
    connect(comHelp, &QPushButton::clicked, q, [] { ShowHelp(kHelpContext); });
    connect(comMain, &QPushButton::clicked, q, [this] { leave(StepNone); });
    connect(comNext, &QPushButton::clicked, q, [this] { leave(StepSupports); });
    InstallHelpKey(q, kHelpContext);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(MakeLabel(q, "Label2", "Select units:"));
    bottom->addWidget(optEnglish);
    bottom->addWidget(optMetric);
    bottom->addStretch();
    bottom->addWidget(comHelp);
    bottom->addWidget(comMain);
    bottom->addWidget(comNext);

    auto* grid = new QGridLayout;
    grid->addWidget(frame1, 0, 0);
    grid->addWidget(frame3, 0, 1);
    grid->addWidget(frame2, 1, 0);
    grid->addWidget(frame4, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(q);
    layout->addLayout(grid);
    layout->addLayout(bottom);
}

void Criteria::Impl::queueActivate()
{
    QPointer<Criteria> self(q);
    QTimer::singleShot(0, q, [self] {
        if (self)
            self->activate();
    });
}

void Criteria::Impl::optionClick(int index)
{
    prevBasis = G.DesignBasis;
    SetDesignBasis(static_cast<int16_t>(index));
    refreshSummary();
}

void Criteria::Impl::optionMouseUp()
{
    openCriteriaDialog<FormMine>();
    if (CritEditorDone != 0)
        return;  // the new basis stays; its criteria were committed
    // Cancelled: the choice of basis is undone.
    const int back = prevBasis >= 0 && prevBasis < kBases ? prevBasis : 0;
    G.DesignBasis = static_cast<int16_t>(back);
    option[back]->setChecked(true);
    optionClick(back);
    option[back]->setFocus(Qt::OtherFocusReason);
}

void Criteria::Impl::unitsClick(bool metric)
{
    G.MetricUnits = metric ? -1 : 0;
    setUnitCaptions();
    refreshSummary();
}

template <class Dialog>
void Criteria::Impl::openCriteriaDialog()
{
    CritEditorDone = 0;  // a dialog closed by its close box reports nothing
    {
        Dialog dlg(q);
        dlg.exec();
    }
    // The entry size the dialog may have typed holds only once committed.
    G.EntryHt = G.DesignCrit.EntryHt;
    G.EntryWid = G.DesignCrit.EntryWid;
    refreshSummary();
    verifyCriteriaPrompt();
    queueActivate();
}

void Criteria::Impl::refreshSummary()
{
    const CritRec& c = G.DesignCrit;
    try {
        RefreshWorkingValues();
        lbConv->setText(qs(FormatMetric(G.DesignConv, 5)));
        lbTpf->setText(qs(FormatMetric(G.DesignTpf, 2)));

        CritRec check = c;
        const SecurityCheck s = CheckSecurity(check, false);
        lbYield->setVisible(!s.none);
        lbAtype->setVisible(!s.none);
        lbTiming->setVisible(!s.none);
        if (s.none) {
            lbYieldReq->setText("No security check");
        } else {
            lbYield->setText(qs(FormatMetric(s.conv, 5)));
            lbYieldReq->setText("Security-check convergence, " + qs(UnitLabel(5)));
            lbAtype->setText(TimingName(s));
        }

        lbNotes->setText(lines(BasisNotes(G.DesignBasis)));
        lbCable->setText(lines(CableNotes()));
        lbCtpf->setText(qs(FormatMetric(c.CabTpf, 2)));
        lbCdisp->setText(qs(FormatMetric(c.CabConv, 5)));
        lbSF->setText(qs(FormatNum(c.CabSF)));
    } catch (const ArithError&) {
        // A stored value beyond single precision: the read-outs not reached
        // keep what they showed.
    }
}

void Criteria::Impl::verifyCriteriaPrompt()
{
    const std::string text = VerifyCriteriaText();
    if (!text.empty())
        MsgBox(qs(text), vbOKOnly, "Attention");
}

void Criteria::Impl::propagateCriteriaChange()
{
    const std::string text = PropagateCriteriaChange();
    if (!text.empty())
        MsgBox(qs(text), vbOKOnly, "Attention");
}

void Criteria::Impl::setUnitCaptions()
{
    label31->setText("Support load density, " + qs(UnitLabel(2)));
    label9->setText("at Design convergence, " + qs(UnitLabel(5)));
    label12->setText(label31->text());
    label11->setText("at Design displacement, " + qs(UnitLabel(5)));
}

void Criteria::Impl::closing()
{
    propagateCriteriaChange();
    // A basis chosen here without a commit does not outlive the dialog.
    SetDesignBasis(G.DesignCrit.Basis);
}

void Criteria::Impl::leave(int nextStep)
{
    closing();
    G.NextStep = static_cast<int16_t>(nextStep);
    q->QDialog::accept();
}

Criteria::Criteria(QWidget* parent) : QDialog(parent), d_(new Impl(this))
{
    setObjectName("Criteria");
    setWindowTitle("Select Basis for Design Criteria");
    d_->build();

    G.EntryWid = G.DesignCrit.EntryWid;
    G.EntryHt = G.DesignCrit.EntryHt;
    G.NextStep = StepNone;
    d_->lbNotes->clear();
    G.DesignBasis = G.DesignCrit.Basis;
    d_->prevBasis = -1;
    G.SizeChanged = 0;
    G.CritChangedSS = 0;
    G.CritChangedCB = 0;
    // Selecting from code raises no click, so the unit handlers stay quiet.
    (G.MetricUnits != 0 ? d_->optMetric : d_->optEnglish)->setChecked(true);
    d_->setUnitCaptions();
}

Criteria::~Criteria() { delete d_; }

void Criteria::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!d_->shown) {
        d_->shown = true;
        d_->queueActivate();
    }
}

void Criteria::activate()
{
    if (d_->prevBasis < 0) {
        d_->prevBasis = G.DesignBasis;
        // A basis outside the table (a damaged file) is shown as the first.
        const int basis = G.DesignBasis >= 0 && G.DesignBasis < kBases ? G.DesignBasis : 0;
        BasisOption* o = d_->option[basis];
        o->setFocus(Qt::OtherFocusReason);
        o->setChecked(true);
        d_->optionClick(basis);
    }
    setWindowTitle(G.EasternMines != 0 ? "Design basis for Eastern mines" : "Design basis for Western mines");
}

void Criteria::reject()
{
    d_->closing();
    QDialog::reject();
}

}  // namespace vesk
