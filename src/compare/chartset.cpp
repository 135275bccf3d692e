#include "compare/chartset.h"

#include "model/compare/chartdata.h"
#include "model/globals.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/qtext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk {

namespace {

constexpr int kHelpContext = 263;

QComboBox* colourList(QWidget* parent, const char* name)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->addItems(ColourListItems());
    return c;
}

// A colour number outside the lists takes its start value.
void keepInRange(int16_t& colour, int16_t start)
{
    if (colour < 0 || colour > 14)
        colour = start;
}

}  // namespace

QStringList ColourListItems()
{
    QStringList names;
    for (const char* n : kColourNames)
        names << n;
    return names;
}

struct ChartSet::Impl {
    ChartSet* q;
    QListWidget* listCat = nullptr;
    QListWidget* listParm = nullptr;
    QComboBox* comboColor = nullptr;
    QComboBox* comboTran = nullptr;
    QComboBox* comboMat = nullptr;
    QLabel* lbColor = nullptr;
    QLabel* lbTran = nullptr;
    QLabel* lbMat = nullptr;
    int shownCat = 0;

    explicit Impl(ChartSet* owner) : q(owner) {}

    void build();
    void load();
    void showCategory();
    void done();
};

void ChartSet::Impl::build()
{
    listCat = new QListWidget(q);
    listCat->setObjectName("ListCat");
    for (const char* name : kChartCategoryNames)
        listCat->addItem(name);
    listParm = new QListWidget(q);
    listParm->setObjectName("ListParm");
    comboColor = colourList(q, "ComboColor");
    comboTran = colourList(q, "ComboTran");
    comboMat = colourList(q, "ComboMat");
    lbColor = MakeLabel(q, "LbColor", "Bar color");
    lbTran = MakeLabel(q, "LbTran", "Transport color");
    lbMat = MakeLabel(q, "LbMat", "Materials color");
    // Room for the longest parameter and category texts without scrolling.
    listCat->setFixedHeight(listCat->sizeHintForRow(0) * 5 + 2 * listCat->frameWidth() + 4);
    listParm->setMinimumHeight(listCat->sizeHintForRow(0) * 6 + 2 * listParm->frameWidth() + 4);
    listParm->setMinimumWidth(300);

    auto* comDone = MakeButton(q, "ComDone", "&Ok");
    auto* comCancel = MakeButton(q, "ComCancel", "&Cancel");
    auto* comHelp = MakeButton(q, "ComHelp", "&Help");

    // Category with the colours under it, the parameters beside them.
    auto* left = new QGridLayout;
    left->addWidget(MakeLabel(q, "Label2", "Category"), 0, 0, 1, 2);
    left->addWidget(listCat, 1, 0, 1, 2);
    left->setRowMinimumHeight(2, 6);
    left->addWidget(lbColor, 3, 0);
    left->addWidget(comboColor, 3, 1);
    left->addWidget(lbTran, 4, 0);
    left->addWidget(comboTran, 4, 1);
    left->addWidget(lbMat, 5, 0);
    left->addWidget(comboMat, 5, 1);
    left->setRowStretch(6, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(MakeLabel(q, "Label4", "Parameter to plot"));
    right->addWidget(listParm, 1);
    auto* lists = new QHBoxLayout;
    lists->addLayout(left);
    lists->addSpacing(8);
    lists->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(comDone);
    buttons->addWidget(comCancel);
    buttons->addWidget(comHelp);
    auto* layout = new QVBoxLayout(q);
    layout->addLayout(lists);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(listCat, &QListWidget::currentRowChanged, q, [this] { showCategory(); });
    connect(comboColor, &QComboBox::activated, q, [this](int i) {
        (shownCat == kCostCategory ? G.LaborColor : G.ChartColor) = static_cast<int16_t>(i);
    });
    connect(comboTran, &QComboBox::activated, q, [](int i) { G.TransColor = static_cast<int16_t>(i); });
    connect(comboMat, &QComboBox::activated, q, [](int i) { G.MatColor = static_cast<int16_t>(i); });
    connect(comDone, &QPushButton::clicked, q, [this] { done(); });
    connect(comCancel, &QPushButton::clicked, q, &QDialog::reject);
    connect(comHelp, &QPushButton::clicked, q, [] { ShowHelp(kHelpContext); });
    InstallHelpKey(q, kHelpContext);
}

void ChartSet::Impl::load()
{
    if (G.ChartCat < 1 || G.ChartCat > 5)
        G.ChartCat = 1;
    listCat->setCurrentRow(G.ChartCat - 1);
    if (G.ChartParm < 1 || G.ChartParm > kChartParmCount[static_cast<std::size_t>(G.ChartCat)])
        G.ChartParm = 1;
    listParm->setCurrentRow(G.ChartParm - 1);
    keepInRange(G.ChartColor, kDefaultChartColor);
    keepInRange(G.LaborColor, kDefaultLaborColor);
    keepInRange(G.TransColor, kDefaultTransColor);
    keepInRange(G.MatColor, kDefaultMatColor);
    comboColor->setCurrentIndex(G.ChartCat == kCostCategory ? G.LaborColor : G.ChartColor);
    comboTran->setCurrentIndex(G.TransColor);
    comboMat->setCurrentIndex(G.MatColor);
}

void ChartSet::Impl::showCategory()
{
    if (listCat->currentRow() < 0)
        return;
    shownCat = listCat->currentRow() + 1;
    listParm->clear();
    for (int p = 1; p <= kChartParmCount[static_cast<std::size_t>(shownCat)]; ++p)
        listParm->addItem(qs(ChartParmName(shownCat, p)));
    listParm->setCurrentRow(0);
    const bool cost = shownCat == kCostCategory;
    for (QWidget* w : std::initializer_list<QWidget*>{comboTran, comboMat, lbTran, lbMat})
        w->setVisible(cost);
    lbColor->setText(cost ? "Labor color" : "Bar color");
    comboColor->setCurrentIndex(cost ? G.LaborColor : G.ChartColor);
}

void ChartSet::Impl::done()
{
    const int c = listCat->currentRow() + 1;
    if (c >= 1) {
        const int p = listParm->currentRow() + 1;
        if (p >= 1 && p <= kChartParmCount[static_cast<std::size_t>(c)]) {
            G.ChartCat = static_cast<int16_t>(c);
            G.ChartParm = static_cast<int16_t>(p);
        }
    }
    q->accept();
}

ChartSet::ChartSet(QWidget* parent) : QDialog(parent), d_(new Impl(this))
{
    setObjectName("ChartSet");
    setWindowTitle("Chart Setup");
    d_->build();
    d_->load();
}

ChartSet::~ChartSet() { delete d_; }

}  // namespace vesk
