#include "compare/plotsetup.h"

#include "compare/chartset.h"

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

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace vesk {

namespace {

constexpr int kHelpContext = 299;
constexpr int kXCode = 5;

const QStringList kLineTypes = {"bold (solid)", "solid", "dash", "dot", "dash-dot", "dash-dot-dot"};

// The default colours (all bold lines), and the default line types with their colours, of supports 1 to 10.
constexpr std::array<int16_t, 10> kBoldLines{};
constexpr std::array<int16_t, 10> kDefaultColours = {0, 12, 10, 9, 13, 11, 4, 2, 1, 5};
constexpr std::array<int16_t, 10> kDefaultLines = {1, 2, 3, 4, 5, 1, 2, 3, 4, 5};
constexpr std::array<int16_t, 10> kDefaultLineColours = {0, 0, 0, 0, 0, 8, 8, 8, 8, 8};

// The unit code of a Y quantity: tons, tons/ft, tons/ft².
int yUnit(int yType) { return yType == 0 ? 1 : yType == 1 ? 2 : 3; }

QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& caption)
{
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    return c;
}

QComboBox* makeList(QWidget* parent, const char* name, const QStringList& items)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->addItems(items);
    return c;
}

}  // namespace

struct PlotSetup::Impl {
    PlotSetup* q;
    QCheckBox* chkConv = nullptr;
    QCheckBox* chkTpf = nullptr;
    std::array<QRadioButton*, 2> option{};
    QCheckBox* chkXauto = nullptr;
    QCheckBox* chkYauto = nullptr;
    NumBox* txXmax = nullptr;
    NumBox* txYmax = nullptr;
    QLabel* label4 = nullptr;
    QLabel* label5 = nullptr;
    QListWidget* list1 = nullptr;
    QComboBox* comboLine = nullptr;
    QComboBox* comboColor = nullptr;
    QCheckBox* chkVisible = nullptr;
    bool filling = false;

    explicit Impl(PlotSetup* owner) : q(owner) {}

    void build();
    void load();
    // The support selected in the list (1-based), 0 when none is.
    int selected() const { return list1->currentRow() >= 0 ? list1->currentRow() + 1 : 0; }
    CaseRec* selectedCase() { return selected() ? &G.Cases[static_cast<std::size_t>(selected())] : nullptr; }
    void showSupport();
    void showYType(int k);
    void showMax(NumBox* box, double v, int code);
    void setDefaults(const std::array<int16_t, 10>& lines, const std::array<int16_t, 10>& colours);
    void setShowBit(int bit, bool on);
    bool typed(QCheckBox* autoBox);
    void xEntered();
    void yEntered();
};

void PlotSetup::Impl::build()
{
    // Design criteria limits.
    chkConv = makeCheck(q, "ChkConv", QString());
    chkTpf = makeCheck(q, "ChkTpf", QString());
    auto* limits = new QGroupBox("Design criteria limits", q);
    limits->setObjectName("Frame1");
    auto* l1 = new QVBoxLayout(limits);
    l1->addWidget(chkConv);
    l1->addWidget(chkTpf);

    // Axis type.
    auto* axisType = new QGroupBox("Axis type", q);
    axisType->setObjectName("Frame2");
    auto* l2 = new QVBoxLayout(axisType);
    for (int i = 0; i < 2; ++i) {
        option[static_cast<std::size_t>(i)] = new QRadioButton(axisType);
        option[static_cast<std::size_t>(i)]->setObjectName(QString("Option1(%1)").arg(i));
        l2->addWidget(option[static_cast<std::size_t>(i)]);
    }

    // Axis limits.
    auto* axisLimits = new QGroupBox("Axis limits", q);
    axisLimits->setObjectName("Frame3");
    chkXauto = makeCheck(axisLimits, "ChkXauto", "X-axis auto scale");
    chkYauto = makeCheck(axisLimits, "ChkYauto", "Y-axis auto scale");
    txXmax = new NumBox(axisLimits, "TxXmax");
    txYmax = new NumBox(axisLimits, "TxYmax");
    for (NumBox* box : {txXmax, txYmax})
        box->setFixedWidth(90);
    label5 = MakeLabel(axisLimits, "Label5", QString());
    label4 = MakeLabel(axisLimits, "Label4", QString());
    auto* l3 = new QGridLayout(axisLimits);
    l3->addWidget(chkXauto, 0, 0, 1, 2);
    l3->addWidget(txXmax, 1, 0);
    l3->addWidget(label5, 1, 1);
    l3->addWidget(chkYauto, 2, 0, 1, 2);
    l3->addWidget(txYmax, 3, 0);
    l3->addWidget(label4, 3, 1);
    l3->setColumnStretch(1, 1);

    // Plot appearance.
    auto* appearance = new QGroupBox("Plot appearance", q);
    appearance->setObjectName("Frame4");
    list1 = new QListWidget(appearance);
    list1->setObjectName("List1");
    list1->setMinimumWidth(200);
    comboLine = makeList(appearance, "ComboLine", kLineTypes);
    comboColor = makeList(appearance, "ComboColor", ColourListItems());
    chkVisible = makeCheck(appearance, "ChkVisible", "Visible");
    auto* comDefLine = MakeButton(appearance, "ComDefLine", "Default");
    auto* comDefColor = MakeButton(appearance, "ComDefColor", "Default");
    auto* l4 = new QGridLayout(appearance);
    l4->addWidget(MakeLabel(appearance, "Label1", "Defined supports"), 0, 0);
    l4->addWidget(list1, 1, 0, 6, 1);
    l4->addWidget(MakeLabel(appearance, "Label2", "Linetype"), 0, 1);
    l4->addWidget(comboLine, 1, 1);
    l4->addWidget(comDefLine, 1, 2);
    l4->addWidget(MakeLabel(appearance, "Label3", "Color"), 2, 1);
    l4->addWidget(comboColor, 3, 1);
    l4->addWidget(comDefColor, 3, 2);
    l4->addWidget(chkVisible, 4, 1);
    l4->setRowStretch(5, 1);
    l4->setColumnStretch(0, 1);

    auto* comDone = MakeButton(q, "ComDone", "&Ok");
    auto* comCancel = MakeButton(q, "ComCancel", "&Cancel");
    auto* comHelp = MakeButton(q, "ComHelp", "&Help");

    auto* right = new QVBoxLayout;
    right->addWidget(limits);
    right->addWidget(axisType);
    right->addWidget(axisLimits);
    right->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(appearance, 1);
    top->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(comDone);
    buttons->addWidget(comCancel);
    buttons->addWidget(comHelp);
    auto* layout = new QVBoxLayout(q);
    layout->addLayout(top);
    layout->addLayout(buttons);

    connect(comDone, &QPushButton::clicked, q, &QDialog::accept);
    connect(comCancel, &QPushButton::clicked, q, &QDialog::reject);
    connect(comHelp, &QPushButton::clicked, q, [] { ShowHelp(kHelpContext); });
    InstallHelpKey(q, kHelpContext);

    connect(list1, &QListWidget::currentRowChanged, q, [this] { showSupport(); });
    connect(chkVisible, &QCheckBox::clicked, q, [this](bool on) {
        if (CaseRec* c = selectedCase())
            c->PlotVis = on ? -1 : 0;
    });
    connect(comboLine, &QComboBox::activated, q, [this](int i) {
        if (CaseRec* c = selectedCase())
            c->PlotLine = static_cast<int16_t>(i);
    });
    connect(comboColor, &QComboBox::activated, q, [this](int i) {
        if (CaseRec* c = selectedCase())
            c->PlotColor = static_cast<int16_t>(i);
    });
    connect(comDefColor, &QPushButton::clicked, q, [this] { setDefaults(kBoldLines, kDefaultColours); });
    connect(comDefLine, &QPushButton::clicked, q, [this] { setDefaults(kDefaultLines, kDefaultLineColours); });

    for (int i = 0; i < 2; ++i)
        connect(option[static_cast<std::size_t>(i)], &QRadioButton::clicked, q, [this, i] { showYType(i); });
    connect(chkConv, &QCheckBox::clicked, q, [this](bool on) { setShowBit(1, on); });
    connect(chkTpf, &QCheckBox::clicked, q, [this](bool on) { setShowBit(2, on); });
    connect(chkXauto, &QCheckBox::clicked, q, [](bool on) { G.PlotSet.XAuto = on ? -1 : 0; });
    connect(chkYauto, &QCheckBox::clicked, q, [](bool on) {
        G.PlotSet.YAuto[static_cast<std::size_t>(G.PlotSet.YType)] = on ? -1 : 0;
    });
    connect(txXmax, &QLineEdit::textChanged, q, [this] {
        if (typed(chkXauto))
            G.PlotSet.XAuto = 0;
    });
    connect(txYmax, &QLineEdit::textChanged, q, [this] {
        if (typed(chkYauto))
            G.PlotSet.YAuto[static_cast<std::size_t>(G.PlotSet.YType)] = 0;
    });
    connect(txXmax, &NumBox::enterPressed, q, [this] { xEntered(); });
    connect(txXmax, &NumBox::leftBox, q, [this] { xEntered(); });
    connect(txYmax, &NumBox::enterPressed, q, [this] { yEntered(); });
    connect(txYmax, &NumBox::leftBox, q, [this] { yEntered(); });
    InstallSelectOnFocus(q);
}

void PlotSetup::Impl::load()
{
    option[0]->setText("Support load, " + qs(UnitLabel(1)));
    option[1]->setText("Load density, " + qs(UnitLabel(2)));
    label5->setText(qs(UnitLabel(kXCode)) + " (maxX)");
    for (int i = 1; i <= G.NumCases; ++i)
        list1->addItem(qs(G.CaseName[static_cast<std::size_t>(i)]));
    if (G.NumCases > 0)
        list1->setCurrentRow(0);
    chkConv->setChecked(G.PlotSet.Show & 1);
    chkTpf->setChecked(G.PlotSet.Show & 2);
    chkTpf->setText(G.DesignBasis == 1 && G.GrcDefined != 0 ? "Show ground reaction curve"
                                                            : "Show required load density");
    chkConv->setText(G.DesignCrit.UncontrolledConv == 0 ? "Show design convergence"
                                                        : "Show design and security-check convergences");
    // The load intensity has no option of its own: neither option is checked
    // while it is the stored quantity. Any other stored value is the support load.
    int k = G.PlotSet.YType;
    if (k < 0 || k > 2)
        k = 0;
    if (k < 2)
        option[static_cast<std::size_t>(k)]->setChecked(true);
    showYType(k);
}

void PlotSetup::Impl::showSupport()
{
    const CaseRec* c = selectedCase();
    if (!c)
        return;
    comboLine->setCurrentIndex(c->PlotLine >= 0 && c->PlotLine < comboLine->count() ? c->PlotLine : -1);
    comboColor->setCurrentIndex(c->PlotColor >= 0 && c->PlotColor < comboColor->count() ? c->PlotColor : -1);
    chkVisible->setChecked(c->PlotVis != 0);
}

void PlotSetup::Impl::showMax(NumBox* box, double v, int code)
{
    filling = true;
    try {
        PutMetric(box, v, code);
    } catch (const ArithError&) {
        box->putText(QString());
    }
    filling = false;
}

void PlotSetup::Impl::showYType(int k)
{
    PlotRec& ps = G.PlotSet;
    ps.YType = static_cast<int16_t>(k);
    chkYauto->setChecked(ps.YAuto[static_cast<std::size_t>(k)] != 0);
    chkXauto->setChecked(ps.XAuto != 0);
    const int u = yUnit(k);
    showMax(txYmax, ps.YMax[static_cast<std::size_t>(k)], u);
    label4->setText(qs(UnitLabel(u)) + " (maxY)");
    showMax(txXmax, ps.XMax, kXCode);
}

void PlotSetup::Impl::setDefaults(const std::array<int16_t, 10>& lines, const std::array<int16_t, 10>& colours)
{
    for (int i = 1; i <= list1->count() && i <= kMaxCases; ++i) {
        CaseRec& c = G.Cases[static_cast<std::size_t>(i)];
        c.PlotLine = lines[static_cast<std::size_t>(i - 1)];
        c.PlotColor = colours[static_cast<std::size_t>(i - 1)];
    }
    showSupport();
}

void PlotSetup::Impl::setShowBit(int bit, bool on)
{
    int16_t& show = G.PlotSet.Show;
    show = static_cast<int16_t>(on ? show | bit : show & ~bit);
}

// Typing a maximum takes its axis off automatic scaling: true when the
// box's auto scale was ticked and is now cleared.
bool PlotSetup::Impl::typed(QCheckBox* autoBox)
{
    if (filling || !autoBox->isChecked())
        return false;
    autoBox->setChecked(false);
    return true;
}

void PlotSetup::Impl::xEntered()
{
    if (const std::optional<float> v = ReadBox(txXmax, kXCode)) {
        G.PlotSet.XMax = *v;
    } else {
        MsgBox("Invalid X-axis maximum", vbOKOnly, "Input error");
        showMax(txXmax, G.PlotSet.XMax, kXCode);
    }
    SelectAllText(txXmax);
}

void PlotSetup::Impl::yEntered()
{
    const std::size_t k = static_cast<std::size_t>(G.PlotSet.YType);
    const int u = yUnit(G.PlotSet.YType);
    if (const std::optional<float> v = ReadBox(txYmax, u)) {
        if (*v > 0)
            G.PlotSet.YMax[k] = *v;
    } else {
        MsgBox("Invalid Y-axis maximum", vbOKOnly, "Input error");
        showMax(txYmax, G.PlotSet.YMax[k], u);
    }
    SelectAllText(txYmax);
}

PlotSetup::PlotSetup(QWidget* parent) : QDialog(parent), d_(new Impl(this))
{
    setObjectName("PlotSetup");
    setWindowTitle("Performance Curve Plot Setup");
    d_->build();
    d_->load();
}

PlotSetup::~PlotSetup() { delete d_; }

}  // namespace vesk
