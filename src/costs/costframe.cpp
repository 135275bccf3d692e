#include "costs/costframe.h"

#include "model/globals.h"
#include "model/numfmt.h"
#include "model/units.h"
#include "platform/controls.h"
#include "platform/guard.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/numbox.h"
#include "platform/qtext.h"
#include "platform/selectall.h"
#include "ui/boxes.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>
#include <utility>

namespace vesk {

namespace {

constexpr const char* kInputErrorTitle = "Input error";
constexpr const char* kSupport = "/support";

constexpr const char* kCostNote =
    "The default cost estimates are generalized costs adjusted for different mining heights\r\n"
    "and are intended to provide a reasonable representation of costs for preliminary analyses.\r\n"
    "Costs should be considered estimates only and current information specific to\r\n"
    "installation at a particular site should be obtained from the manufacturer or supplier.";

std::size_t at(int k) { return static_cast<std::size_t>(std::clamp(k, 0, kMaxCases)); }

QString money(double v) { return qs(FormatPattern(v, "0.00")); }
QString whole(double v) { return qs(FormatPattern(v, "0")); }

void putMoney(NumBox* box, float v) { box->put(money(v), v); }
void putPlain(NumBox* box, float v) { PutValue(box, v, PlainNumber(v)); }

QGroupBox* makeFrame(QWidget* parent, const char* name, const char* title)
{
    auto* f = new QGroupBox(title, parent);
    f->setObjectName(name);
    return f;
}

QGridLayout* gridOf(QGroupBox* frame)
{
    auto* g = new QGridLayout(frame);
    g->setColumnStretch(0, 1);
    return g;
}

// The widgets of a layout that take the focus by Tab, in the order they were
// put in, frames included.
void collectFocusChain(QLayout* layout, QList<QWidget*>& out)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (QLayout* inner = item->layout()) {
            collectFocusChain(inner, out);
        } else if (QWidget* w = item->widget()) {
            if (auto* frame = qobject_cast<QGroupBox*>(w); frame && frame->layout())
                collectFocusChain(frame->layout(), out);
            else if (w->focusPolicy() & Qt::TabFocus)
                out << w;
        }
    }
}

}  // namespace

CostFrame::CostFrame(QWidget* parent, const CostDialogInfo& info) : QDialog(parent), info_(info)
{
    setObjectName(info.name);
    setWindowTitle(info.caption);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("SSTab1");
    // Clicking a tab takes the focus first, so that the box being left
    // recomputes before the tab changes.
    tabs_->tabBar()->setFocusPolicy(Qt::StrongFocus);
    buildSummary();
    buildCosts();
    buildCostModels();
    buildConstruction();
    buildTransport();
    buildWork();

    lbSelExit_ = MakeLabel(this, "LbSelExit", "Select Summary tab to exit");
    comHelp_ = MakeButton(this, "ComHelp", "&Help");
    const int help = info.helpContext;
    connect(comHelp_, &QPushButton::clicked, this, [help] { ShowHelp(help); });
    InstallHelpKey(this, help);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lbSelExit_);
    bottom->addStretch();
    bottom->addWidget(comHelp_);
    auto* top = new QVBoxLayout(this);
    top->addWidget(tabs_, 1);
    top->addLayout(bottom);

    connect(tabs_, &QTabWidget::currentChanged, this, &CostFrame::tabChanged);
}

CostFrame::~CostFrame() = default;

NumBox* CostFrame::makeBox(QWidget* parent, const char* name)
{
    auto* box = new NumBox(parent, name);
    FitWidthToTexts(box, {"00000.00"});
    connectBox(box);
    return box;
}

QLabel* CostFrame::makePanel(QWidget* parent, const char* name)
{
    QLabel* l = MakePanel(parent, name);
    l->setMinimumWidth(std::max(l->minimumWidth(), l->fontMetrics().horizontalAdvance("00000.00") + 12));
    return l;
}

NumBox* CostFrame::boxRow(QWidget* parent, QGridLayout* grid, const char* name, const QString& text)
{
    NumBox* box = makeBox(parent, name);
    addRow(grid, box, text);
    return box;
}

QLabel* CostFrame::panelRow(QWidget* parent, QGridLayout* grid, const char* name, const QString& text)
{
    QLabel* panel = makePanel(parent, name);
    addRow(grid, panel, text);
    return panel;
}

QGridLayout* CostFrame::frameRow(QGridLayout* grid, const char* name, const char* title)
{
    QGroupBox* frame = makeFrame(grid->parentWidget(), name, title);
    grid->addWidget(frame, grid->rowCount(), 0, 1, 2);
    return gridOf(frame);
}

QLabel* CostFrame::addRow(QGridLayout* grid, QWidget* w, const QString& text)
{
    const int row = grid->rowCount();
    QLabel* label = MakeLabel(w->parentWidget(), w->objectName() + "Caption", text);
    grid->addWidget(label, row, 0);
    grid->addWidget(w, row, 1);
    captions_[w->objectName()] = label;
    return label;
}

QLabel* CostFrame::caption(const QString& controlName) const
{
    auto it = captions_.find(controlName);
    return it == captions_.end() ? nullptr : it->second;
}

void CostFrame::nameLabels(std::initializer_list<std::pair<const char*, const char*>> names)
{
    for (const auto& [control, name] : names) {
        QLabel* label = caption(control);
        if (!label)
            label = findChild<QLabel*>(control);
        if (label)
            label->setObjectName(name);
    }
}

void CostFrame::setRows(QGridLayout* grid, const std::vector<QWidget*>& controls)
{
    while (QLayoutItem* item = grid->takeAt(0)) {
        if (QWidget* w = item->widget())
            w->hide();
        delete item;
    }
    int row = 0;
    for (QWidget* w : controls) {
        if (QLabel* label = caption(w->objectName())) {
            grid->addWidget(label, row, 0);
            label->show();
        }
        grid->addWidget(w, row++, 1);
        w->show();
    }
}

QGridLayout* CostFrame::gridHolding(QWidget* control)
{
    QWidget* parent = control->parentWidget();
    if (!parent)
        return nullptr;
    for (QLayout* l : parent->findChildren<QLayout*>())
        if (auto* grid = qobject_cast<QGridLayout*>(l); grid && grid->indexOf(control) >= 0)
            return grid;
    return nullptr;
}

QPushButton* CostFrame::addReset(QWidget* page, int index)
{
    QPushButton* b = MakeButton(page, QString("ComDef(%1)").arg(index), "Reset defaults");
    connect(b, &QPushButton::clicked, this, [this, index] { resetDefaults(index); });
    return b;
}

void CostFrame::buildSummary()
{
    auto* page = new QWidget;
    page->setObjectName("TabSummary");
    auto* grid = new QGridLayout;
    const auto row = [&](const char* text, const char* name, const char* unit) {
        const int r = grid->rowCount();
        QLabel* value = makePanel(page, name);
        if (text)
            grid->addWidget(MakeLabel(page, QString(name) + "Caption", text), r, 0);
        grid->addWidget(value, r, 1);
        QLabel* u = MakeLabel(page, QString(name) + "Unit", unit);
        grid->addWidget(u, r, 2);
        return std::pair(value, u);
    };
    lbSumCost_ = row("Total cost", "LbSumCost", "$/support").first;
    lbSumMin_ = row("Construction rate", "LbSumMin", "min/support").first;
    lbSumRate_ = row(nullptr, "LbSumRate", "supports/shift").first;
    lbSumCar_ = row("Transport", "LbSumCar", "supports/car").first;
    lbSumTrip_ = row(nullptr, "LbSumTrip", "supports/trip").first;
    std::tie(lbSumWt_, sumWtUnit_) = row("Total weight", "LbSumWt", "");
    lbSumPiece_ = row("No. of pieces", "LbSumPiece", kSupport).first;
    std::tie(lbSumWork_, sumWorkUnit_) = row("Work required", "LbSumWork", "");
    grid->setColumnStretch(2, 1);
    grid->setHorizontalSpacing(12);

    comDone_ = MakeButton(page, "ComDone", "&Ok");
    comCancel_ = MakeButton(page, "ComCancel", "&Cancel");
    connect(comDone_, &QPushButton::clicked, this, &CostFrame::accept);
    connect(comCancel_, &QPushButton::clicked, this, &CostFrame::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(comDone_);
    buttons->addWidget(comCancel_);

    auto* v = new QVBoxLayout(page);
    v->addLayout(grid);
    v->addStretch();
    v->addLayout(buttons);
    tabs_->addTab(page, "Summary");
}

void CostFrame::buildCosts()
{
    auto* page = new QWidget;
    page->setObjectName("TabCosts");
    auto* grid = new QGridLayout;
    const auto typed = [&](const char* name, const char* text, const char* chkName, const char* chkText,
                           NumBox*& box, MouseUpCheckBox*& chk) {
        box = new NumBox(page, name);
        FitWidthToTexts(box, {"00000.00"});
        chk = new MouseUpCheckBox(chkText, page);
        chk->setObjectName(chkName);
        chk->onMouseUp = [this] { recompute(); };
        const int r = grid->rowCount();
        addRow(grid, box, text);
        grid->addWidget(chk, r, 2);
        connect(box, &QLineEdit::textChanged, this, [this] { costTyped_ = true; });
        connect(box, &NumBox::gotFocus, this, [this, box] {
            boxFocused(box);
            costTyped_ = false;
        });
        MouseUpCheckBox* model = chk;
        connect(box, &NumBox::enterPressed, this, [this, box, model] { typedCostDone(box, model, true); });
        connect(box, &NumBox::leftBox, this, [this, box, model] {
            boxLeaving(box);
            typedCostDone(box, model, false);
        });
    };
    typed("TxCostMat", "Materials costs, $/support", "ChkMat", "Use materials cost model", txCostMat_, chkMat_);
    typed("TxCostConstr", "Construction costs, $/support", "ChkConstr", "Use construction cost model", txCostConstr_,
          chkConstr_);
    typed("TxCostTrans", "Transport costs, $/support", "ChkTrans", "Use transport cost model", txCostTrans_,
          chkTrans_);
    lbTotCost_ = panelRow(page, grid, "LbTotCost", "Total cost, $/support");
    grid->setColumnStretch(3, 1);
    grid->setHorizontalSpacing(12);

    comEdMat_ = MakeButton(page, "ComEdMat", "Edit Cost Models");
    connect(comEdMat_, &QPushButton::clicked, this, &CostFrame::editCostModels);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(comEdMat_);
    buttons->addStretch();

    auto* v = new QVBoxLayout(page);
    v->addLayout(grid);
    v->addSpacing(8);
    v->addLayout(buttons);
    v->addStretch();
    tabs_->addTab(page, "Costs");
}

void CostFrame::buildCostModels()
{
    auto* page = new QWidget;
    page->setObjectName("TabCostModels");

    QGroupBox* mat = makeFrame(page, "FrameMat", "Materials cost model");
    QGridLayout* g = gridOf(mat);
    txCost_ = boxRow(mat, g, "TxCost", QString());
    txFabr_ = boxRow(mat, g, "TxFabr", "Fabrication cost, $/piece");
    txShip_ = boxRow(mat, g, "TxShip", "Shipping cost, $/support");
    lbMatCost_ = panelRow(mat, g, "LbMatCost", "Total materials cost, $/support");

    QGroupBox* constr = makeFrame(page, "FrameConstr", "Construction cost model");
    g = gridOf(constr);
    txFixCost_ = boxRow(constr, g, "TxFixCost", "Fixed cost, $/support");
    txLabCost_ = boxRow(constr, g, "TxLabCost", "Labor rate, $/hr");
    txCrew_ = boxRow(constr, g, "TxCrew", "Crew size");
    lbLabCost_ = panelRow(constr, g, "LbLabCost", "Labor cost, $/support");
    lbConstCost_ = panelRow(constr, g, "LbConstCost", "Total construction cost, $/support");

    QGroupBox* trans = makeFrame(page, "FrameTrans", "Transport cost model");
    g = gridOf(trans);
    txTripCost_ = boxRow(trans, g, "TxTripCost", "Transport cost, $/trip");
    txLoadCost_ = boxRow(trans, g, "TxLoadCost", "Loading cost, $/support");
    txUnloadCost_ = boxRow(trans, g, "TxUnloadCost", "Unloading cost, $/support");
    lbTripCost_ = panelRow(trans, g, "LbTripCost", "Total transport cost, $/support");

    // Each frame at its own height.
    auto* left = new QVBoxLayout;
    left->addWidget(mat);
    left->addWidget(trans);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(constr);
    right->addStretch();
    right->addWidget(addReset(page, 0), 0, Qt::AlignRight);
    auto* columns = new QHBoxLayout(page);
    columns->addLayout(left);
    columns->addLayout(right);
    tabs_->addTab(page, "Cost Models");
}

void CostFrame::buildConstruction()
{
    auto* page = new QWidget;
    page->setObjectName("TabConstruction");
    QGroupBox* frame = makeFrame(page, "FrameBuild", "Support Construction Model");
    QGridLayout* g = gridOf(frame);
    txTime_ = boxRow(frame, g, "TxTime", "Construction time, min/piece");
    txFixTime_ = boxRow(frame, g, "TxFixTime", "Fixed time, min/support");
    txShift_ = boxRow(frame, g, "TxShift", "Working time, hr/shift");
    lbTotTime_ = panelRow(frame, g, "LbTotTime", "Total install time, min/support");
    lbRate_ = panelRow(frame, g, "LbRate", "Construction rate, supports/shift");

    auto* grid = new QGridLayout(page);
    grid->addWidget(frame, 0, 0);
    grid->addWidget(addReset(page, 1), 1, 0, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    tabs_->addTab(page, "Construction");
}

void CostFrame::buildTransport()
{
    auto* page = new QWidget;
    page->setObjectName("TabTransport");
    QGroupBox* model = makeFrame(page, "FrameTransport", "Material Transport Model");

    QGroupBox* volume = makeFrame(model, "FrameVolume", "Support transport volume");
    volumeGrid_ = gridOf(volume);
    lbSuppVol_ = makePanel(volume, "LbSuppVol");  // its row goes under the family's, at loading

    QGroupBox* car = makeFrame(model, "FrameCar", "Supply car dimensions");
    QGridLayout* g = gridOf(car);
    txLen_ = boxRow(car, g, "TxLen", QString());
    txWid_ = boxRow(car, g, "TxWid", QString());
    txHt_ = boxRow(car, g, "TxHt", QString());
    lbVol_ = panelRow(car, g, "LbVol", QString());

    QGroupBox* qty = makeFrame(model, "FrameQty", "Transport quantities");
    g = gridOf(qty);
    txCars_ = boxRow(qty, g, "TxCars", "No. cars/trip");
    lbPerCar_ = panelRow(qty, g, "LbPerCar", "No. supports/car");
    lbPerTrip_ = panelRow(qty, g, "LbPerTrip", "No. supports/trip");

    auto* right = new QVBoxLayout;
    right->addWidget(car);
    right->addWidget(qty);
    right->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(volume);
    left->addStretch();
    auto* columns = new QHBoxLayout(model);
    columns->addLayout(left);
    columns->addLayout(right);

    auto* v = new QVBoxLayout(page);
    v->addWidget(model);
    v->addWidget(addReset(page, 2), 0, Qt::AlignRight);
    v->addStretch();
    tabs_->addTab(page, "Transport");
}

void CostFrame::buildWork()
{
    auto* page = new QWidget;
    page->setObjectName("TabWork");
    auto* g = new QGridLayout;
    g->setColumnStretch(0, 1);
    txWt_ = boxRow(page, g, "TxWt", QString());
    txNoPiece_ = boxRow(page, g, "TxNoPiece", "No. fixed pieces");
    txSecWt_ = boxRow(page, g, "TxSecWt", QString());
    txFixWt_ = boxRow(page, g, "TxFixWt", QString());
    lbNoPiece_ = panelRow(page, g, "LbNoPiece", "Total no. pieces");
    lbTotWt_ = panelRow(page, g, "LbTotWt", QString());
    lbTotWork_ = panelRow(page, g, "LbTotWork", QString());

    auto* grid = new QGridLayout(page);
    grid->addLayout(g, 0, 0);
    grid->addWidget(addReset(page, 3), 1, 0, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    tabs_->addTab(page, "Work");
}

void CostFrame::load()
{
    addRow(volumeGrid_, lbSuppVol_, QString());
    setUnitCaptions();
    G.CurCase = G.Cases[at(G.CurCaseNo)];
    // A stored value that cannot be shown leaves its boxes empty, and the
    // first recompute reports them.
    Guarded([this] { fillBoxes(); });
    lbSelExit_->hide();
    tabs_->setCurrentIndex(kSummaryTab);
    tabs_->setTabEnabled(kCostModelsTab, false);
    setTabOrderByTabs();
    tabs_->tabBar()->setFocus();
}

void CostFrame::setTabOrderByTabs()
{
    QList<QWidget*> order;
    for (int i = 0; i < tabs_->count(); ++i)
        collectFocusChain(tabs_->widget(i)->layout(), order);
    order << comHelp_;
    order.prepend(tabs_->tabBar());
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

int CostFrame::element() const { return info_.modelSizes ? std::clamp(G.CurCase.SizeIdx + 1, 0, 20) : 1; }

int CostFrame::timeCode() const { return 0; }

bool CostFrame::weightPerHeight() const { return false; }

void CostFrame::setRecordCaptions() {}

QString CostFrame::windowCaption() const
{
    if (!info_.modelSizes)
        return info_.caption;
    const auto type = static_cast<std::size_t>(std::max<int>(G.CurType, 0));
    return QString(info_.caption) + (type < G.SupTypeName.size() ? qs(G.SupTypeName[type]) : "");
}

void CostFrame::setMemberCaptions() {}

CostRules CostFrame::rules() const { return {}; }

CostReadOrder CostFrame::readOrder() const { return {}; }

void CostFrame::fillMemberGroup(int) {}

void CostFrame::afterRead(const CostReadResult&, const std::vector<MemberCostBox>&) {}

void CostFrame::showMemberResults(const CostResults&) {}

void CostFrame::restoreDefaults(int index)
{
    ResetCostDefaults(G.CurCase, G.DefCases[at(G.CurCaseNo)], element(), index, memberTransportFields());
}

void CostFrame::setUnitCaptions()
{
    const QString perSupport = qs(UnitLabel(9)) + kSupport;
    const QString workPerSupport = qs(UnitLabel(12)) + kSupport;
    caption("TxFixWt")->setText("Fixed weight, " + perSupport);
    caption("TxSecWt")->setText("Secondary wt, " + perSupport);
    caption("LbTotWt")->setText("Total weight, " + perSupport);
    sumWtUnit_->setText(perSupport);
    sumWorkUnit_->setText(workPerSupport);
    caption("LbTotWork")->setText("Total work, " + workPerSupport);
    caption("TxHt")->setText(UnitCaption("Transport height", 5));
    caption("TxLen")->setText(UnitCaption("Length", 11));
    caption("TxWid")->setText(UnitCaption("Width", 11));
    caption("LbSuppVol")->setText(UnitCaption("Support transport volume", 15));
    caption("LbVol")->setText(UnitCaption("Car volume", 15));
    caption("TxCost")->setText(UnitCaption("Unit cost", unitCostCode()));
    caption("TxWt")->setText(UnitCaption("Unit weight", unitWeightCode()));
    setMemberCaptions();
}

void CostFrame::fillBoxes()
{
    setRecordCaptions();
    for (int tab : {kCostModelsTab, kConstructionTab, kTransportTab, kWorkTab})
        fillGroup(tab);
    fillTypedCosts();
}

void CostFrame::fillTypedCosts()
{
    const CaseRec& c = G.CurCase;
    const auto k = static_cast<std::size_t>(element());
    putMoney(txCostMat_, c.UserMatCost[k]);
    putMoney(txCostConstr_, c.UserConstrCost[k]);
    putMoney(txCostTrans_, c.UserTransCost[k]);
    chkMat_->setChecked((c.CostFlags[k] & 1) == 0);
    chkConstr_->setChecked((c.CostFlags[k] & 2) == 0);
    chkTrans_->setChecked((c.CostFlags[k] & 4) == 0);
    costTyped_ = false;
}

void CostFrame::fillGroup(int tab)
{
    const CaseRec& c = G.CurCase;
    const auto k = static_cast<std::size_t>(element());
    switch (tab) {
    case kCostModelsTab: {
        const float unitCost = (c.*readOrder().unitCostField)[k];
        PutValue(txCost_, unitCost, FmtVal(unitCost, unitCostCode(), "0.00", "0.00"));
        for (auto [box, v] : {std::pair(txFabr_, c.FabrCost[k]), std::pair(txFixCost_, c.FixCost[k]),
                              std::pair(txShip_, c.ShipCost[k]), std::pair(txTripCost_, c.TripCost[k]),
                              std::pair(txLoadCost_, c.LoadCost[k]), std::pair(txUnloadCost_, c.UnloadCost[k])})
            putMoney(box, v);
        if (info_.plainLabourRate)
            putPlain(txLabCost_, c.LabCost[k]);
        else
            putMoney(txLabCost_, c.LabCost[k]);
        putPlain(txCrew_, c.Crew[k]);
        break;
    }
    case kConstructionTab:
        PutMetric(txTime_, c.PieceTime[k], timeCode());
        putPlain(txFixTime_, c.FixTime[k]);
        putPlain(txShift_, c.ShiftHrs[k]);
        break;
    case kTransportTab:
        fillMemberBoxes();
        PutMetric(txLen_, c.CarLen[k], 11);
        PutMetric(txWid_, c.CarWid[k], 11);
        PutMetric(txHt_, c.CarHt[k], 5);
        putPlain(txCars_, c.CarsPerTrip[k]);
        break;
    case kWorkTab:
        if (weightPerHeight())
            PutPerFoot(txWt_, c.UnitWt[k], unitWeightCode());
        else
            PutMetric(txWt_, c.UnitWt[k], unitWeightCode());
        PutValue(txNoPiece_, c.NoFixPiece[k], FormatPattern(c.NoFixPiece[k], "0"));
        PutMetric(txFixWt_, c.FixWt[k], 9);
        PutMetric(txSecWt_, c.SecWt[k], 9);
        break;
    default:
        break;
    }
    fillMemberGroup(tab);
}

CommonCostInputs CostFrame::commonInputs() const
{
    CommonCostInputs in;
    in.useMatModel = chkMat_->isChecked();
    in.useConstrModel = chkConstr_->isChecked();
    in.useTransModel = chkTrans_->isChecked();
    in.userMat = ReadBox(txCostMat_, 0);
    in.userConstr = ReadBox(txCostConstr_, 0);
    in.userTrans = ReadBox(txCostTrans_, 0);
    in.unitCost = ReadBox(txCost_, unitCostCode());
    in.fabr = ReadBox(txFabr_, 0);
    in.fixCost = ReadBox(txFixCost_, 0);
    in.ship = ReadBox(txShip_, 0);
    in.labCost = ReadBox(txLabCost_, 0);
    in.crew = ReadBox(txCrew_, 0);
    in.time = ReadBox(txTime_, timeCode());
    in.fixTime = ReadBox(txFixTime_, 0);
    in.shift = ReadBox(txShift_, 0);
    in.carWid = ReadBox(txWid_, 11);
    in.carLen = ReadBox(txLen_, 11);
    in.carHt = ReadBox(txHt_, 5);
    in.tripCost = ReadBox(txTripCost_, 0);
    in.loadCost = ReadBox(txLoadCost_, 0);
    in.unloadCost = ReadBox(txUnloadCost_, 0);
    in.cars = ReadBox(txCars_, 0);
    in.unitWt = weightPerHeight() ? ReadPerFoot(txWt_, unitWeightCode()) : ReadBox(txWt_, unitWeightCode());
    in.fixWt = ReadBox(txFixWt_, 9);
    in.secWt = ReadBox(txSecWt_, 9);
    in.noPiece = ReadBox(txNoPiece_, 0);
    return in;
}

bool CostFrame::recompute()
{
    CaseRec& c = G.CurCase;
    const CaseRec before = c;
    const int k = element();
    try {
        const std::vector<MemberCostBox> boxes = memberBoxes();
        lastRead_ = ReadCostInputs(c, k, commonInputs(), boxes, readOrder());
        if (lastRead_.ok()) {
            showResults(RunCostPipeline(c, k, quantities(), G.EntryHt, rules()));
            afterRead(lastRead_, boxes);
            return true;
        }
        afterRead(lastRead_, boxes);
    } catch (const std::exception&) {
        // A result beyond single precision: nothing is stored or shown, and
        // the inputs are refused as costs.
        c = before;
        lastRead_ = {};
        MsgBox(qs(CostReadResult{CostGroup::Cost, {}}.message()), vbOKOnly, kInputErrorTitle);
        return false;
    }
    MsgBox(qs(lastRead_.message()), vbOKOnly, kInputErrorTitle);
    return false;
}

void CostFrame::showResults(const CostResults& r)
{
    // Every text first, so that a value that cannot be shown changes nothing.
    const QString perCar = whole(r.perCar), perTrip = whole(r.perTrip), pieces = whole(r.pieces);
    const QString weight = qs(FormatMetric(r.totalWt, 9)), work = qs(FormatMetric(r.work, 12));
    const QString minutes = qs(FormatNum(r.instTime)), rate = qs(FormatNum(r.rate)), total = money(r.totCost);
    const std::vector<std::pair<QLabel*, QString>> shown = {
        {lbSuppVol_, qs(FormatMetric(r.suppVol, 15))},
        {lbVol_, qs(FormatMetric(r.carVol, 15))},
        {lbPerCar_, perCar}, {lbSumCar_, perCar},
        {lbPerTrip_, perTrip}, {lbSumTrip_, perTrip},
        {lbTripCost_, money(r.transModel)},
        {lbNoPiece_, pieces}, {lbSumPiece_, pieces},
        {lbTotWt_, weight}, {lbSumWt_, weight},
        {lbTotWork_, work}, {lbSumWork_, work},
        {lbTotTime_, minutes}, {lbSumMin_, minutes},
        {lbRate_, rate}, {lbSumRate_, rate},
        {lbMatCost_, money(r.matModel)},
        {lbLabCost_, money(r.laborCost)},
        {lbConstCost_, money(r.constrModel)},
        {lbTotCost_, total}, {lbSumCost_, total},
    };
    for (const auto& [label, text] : shown)
        label->setText(text);
    // A box whose model is in use shows the model's cost, which the next
    // read stores as the typed cost.
    const CaseRec& c = G.CurCase;
    putMoney(txCostMat_, c.MatCost);
    putMoney(txCostConstr_, c.ConstrCost);
    putMoney(txCostTrans_, c.TransCost);
    showMemberResults(r);
}

void CostFrame::resetDefaults(int index)
{
    const int tab = kCostModelsTab + index;
    restoreDefaults(index);
    fillGroup(tab);
    recompute();
}

void CostFrame::tabChanged(int index)
{
    if (index != kCostModelsTab)
        tabs_->setTabEnabled(kCostModelsTab, false);
    const bool summary = index == kSummaryTab;
    comDone_->setVisible(summary);
    comCancel_->setVisible(summary);
    lbSelExit_->setVisible(!summary);
    // A tab changed from the keyboard hides the box being edited without a
    // loss of focus that counts as leaving it: it is left now.
    NumBox* left = std::exchange(hiddenBox_, nullptr);
    if (!left && focusBox_ && !focusBox_->isVisible())
        left = focusBox_;
    if (left)
        emit left->leftBox();
}

void CostFrame::boxFocused(NumBox* box)
{
    if (focusBox_ && focusBox_ != box && !focusBox_->isVisible())
        hiddenBox_ = focusBox_;
    focusBox_ = box;
}

void CostFrame::boxLeaving(NumBox* box)
{
    if (focusBox_ == box)
        focusBox_ = nullptr;
    if (hiddenBox_ == box)
        hiddenBox_ = nullptr;
}

void CostFrame::editCostModels()
{
    tabs_->setTabEnabled(kCostModelsTab, true);
    tabs_->setCurrentIndex(kCostModelsTab);
}

void CostFrame::connectBox(NumBox* box)
{
    connect(box, &NumBox::gotFocus, this, [this, box] { boxFocused(box); });
    connect(box, &NumBox::enterPressed, this, [this, box] { boxEntered(box); });
    connect(box, &NumBox::leftBox, this, [this, box] { boxLeft(box); });
}

void CostFrame::addCostNote()
{
    // "Cost Models": under the frames of its left column.
    QWidget* models = tabs_->widget(kCostModelsTab);
    auto* left = qobject_cast<QBoxLayout*>(models->layout()->itemAt(0)->layout());
    QLabel* note = MakeLabel(models, "LbNote", kCostNote);
    left->insertWidget(left->count() - 1, note);

    QWidget* costs = tabs_->widget(kCostsTab);
    QGroupBox* frame = makeFrame(costs, "FrameNote", "Notes Regarding Cost Estimation Models:");
    auto* v = new QVBoxLayout(frame);
    v->addWidget(MakeLabel(frame, "LbNote1", kCostNote));
    auto* page = qobject_cast<QBoxLayout*>(costs->layout());
    page->insertWidget(page->count() - 1, frame);
}

void CostFrame::boxEntered(NumBox* box)
{
    recompute();
    SelectAllText(box);
}

void CostFrame::boxLeft(NumBox* box)
{
    boxLeaving(box);
    recompute();
}

void CostFrame::typedCostDone(NumBox* box, MouseUpCheckBox* model, bool entered)
{
    // A typed cost takes the place of the model's.
    if (costTyped_)
        model->setChecked(false);
    recompute();
    if (entered)
        SelectAllText(box);
}

void CostFrame::showBadBox(const CostReadResult& bad)
{
    // The tab that holds the box the reader names; a box it does not name is
    // one of the family's transport-volume boxes, or on the tab of its group.
    int tab = tabs_->currentIndex();
    switch (bad.bad) {
    case CostGroup::Cost: tab = kCostModelsTab; break;
    case CostGroup::Time: tab = kConstructionTab; break;
    case CostGroup::Transport: tab = kTransportTab; break;
    case CostGroup::Work: tab = kWorkTab; break;
    case CostGroup::None: break;
    }
    if (auto* box = bad.box.empty() ? nullptr : findChild<QWidget*>(qs(bad.box)))
        for (int i = 0; i < tabs_->count(); ++i)
            if (tabs_->widget(i)->isAncestorOf(box))
                tab = i;
    if (tab == kCostModelsTab)
        tabs_->setTabEnabled(kCostModelsTab, true);
    tabs_->setCurrentIndex(tab);
}

void CostFrame::accept()
{
    if (!recompute()) {
        if (!lastRead_.ok())
            showBadBox(lastRead_);
        return;
    }
    G.Cases[at(G.CurCaseNo)] = G.CurCase;
    ++G.ChangeCount;
    QDialog::accept();
}

void CostFrame::queueActivate()
{
    // After the handler that showed the window is done.
    QPointer<CostFrame> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self)
            self->activate();
    });
}

void CostFrame::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    queueActivate();
}

void CostFrame::activate()
{
    setWindowTitle(windowCaption());
    recompute();
}

}  // namespace vesk
