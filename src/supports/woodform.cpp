#include "supports/woodform.h"

#include "model/globals.h"
#include "model/units.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/qtext.h"
#include "platform/reportlist.h"
#include "ui/boxes.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace vesk {

namespace {

constexpr int kStrengthCode = 7;    // psi
constexpr int kElasticityCode = 8;  // ksi
constexpr int kHardnessCode = 17;   // lb

// Widths of the three columns, in twips.
constexpr int kColumnTwips[3] = {1440, 960, 960};
// Rows the list shows without scrolling.
constexpr int kShownRows = 20;

bool postTable() { return G.WoodTable != 0; }

QString fmt(float v, int code, const char* metricFormat) { return qs(FmtVal(v, code, "0", metricFormat)); }

}  // namespace

WoodForm::WoodForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("WoodForm");
    setWindowTitle("Wood Types");

    list_ = new ReportList(this, "ListView1", {"Species", "", ""});
    optDry_ = new QRadioButton("Dry, < 20%", this);
    optDry_->setObjectName("OptDry");
    optWet_ = new QRadioButton("Wet, > 20%", this);
    optWet_->setObjectName("OptWet");
    auto* comOK = MakeButton(this, "ComOK", "&Ok");
    auto* comCan = MakeButton(this, "ComCan", "&Cancel");
    auto* comHelp = MakeButton(this, "ComHelp", "&Help");

    auto* options = new QHBoxLayout;
    options->addWidget(optDry_);
    options->addWidget(optWet_);
    options->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(comOK);
    buttons->addWidget(comCan);
    buttons->addWidget(comHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(options);
    layout->addLayout(buttons);

    connect(optDry_, &QRadioButton::clicked, this, [this] { fillWoodList(); });
    connect(optWet_, &QRadioButton::clicked, this, [this] { fillWoodList(); });
    connect(comOK, &QPushButton::clicked, this, [this] { okClicked(); });
    connect(comCan, &QPushButton::clicked, this, &WoodForm::reject);
    connect(comHelp, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    InstallHelpKey(this, kHelpContext);

    list_->onItemHit = [this](QTreeWidgetItem* item) { itemHit(item); };
    list_->onClick = [this] { listClicked(); };
    list_->onDoubleClick = [this] { listDoubleClicked(); };

    itemClicked_ = clickOnItem_ = false;
    optDry_->setVisible(postTable());
    optWet_->setVisible(postTable());
    // Every opening starts on dry wood; selecting it fills the list.
    optDry_->setChecked(true);
    fillWoodList();
}

int WoodForm::speciesCount() const { return postTable() ? G.NumPostWoods : G.NumCribWoods; }

int WoodForm::selectedSpecies() const
{
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? 0 : list_->indexOfTopLevelItem(selected.first()) + 1;
}

void WoodForm::fillWoodList()
{
    list_->clear();
    QTreeWidgetItem* header = list_->headerItem();
    header->setText(1, UnitCaption("Strength", kStrengthCode));
    const int n = speciesCount();
    if (postTable()) {
        header->setText(2, UnitCaption("Elasticity", kElasticityCode));
        const bool wet = optWet_->isChecked();
        G.WoodWet = wet ? -1 : 0;
        const int k = wet ? 1 : 3;
        for (int i = 1; i <= n; ++i) {
            auto* item = new QTreeWidgetItem(list_);
            item->setText(0, qs(G.PostWoodName[static_cast<std::size_t>(i)]));
            item->setText(1, fmt(G.PostWoodProp(i, k), kStrengthCode, "0.00"));
            item->setText(2, fmt(G.PostWoodProp(i, k + 1), kElasticityCode, "0.00"));
        }
    } else {
        header->setText(2, UnitCaption("Hardness", kHardnessCode));
        for (int i = 1; i <= n; ++i) {
            auto* item = new QTreeWidgetItem(list_);
            item->setText(0, qs(G.CribWoodName[static_cast<std::size_t>(i)]));
            item->setText(1, fmt(G.CribWoodProp(i, 1), kStrengthCode, "0.00"));
            item->setText(2, fmt(G.CribWoodProp(i, 2), kHardnessCode, "0"));
        }
    }
    for (int c = 1; c <= 2; ++c) {
        header->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        for (int i = 0; i < list_->topLevelItemCount(); ++i)
            list_->topLevelItem(i)->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    // The columns keep their set widths, widened where a name or a heading
    // would not fit.
    const double pixelsPerTwip = list_->logicalDpiX() / 1440.0;
    for (int c = 0; c < 3; ++c) {
        list_->resizeColumnToContents(c);
        const int set = static_cast<int>(kColumnTwips[c] * pixelsPerTwip + 0.5);
        list_->setColumnWidth(c, std::max(set, list_->columnWidth(c)));
    }
    int width = 0;
    for (int c = 0; c < 3; ++c)
        width += list_->columnWidth(c);
    list_->setMinimumWidth(width + 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width());
    // Room for every species of a table of the usual size.
    const int rows = std::clamp(n, 8, kShownRows);
    const int rowHeight = list_->topLevelItemCount() > 0 ? list_->sizeHintForRow(0) : list_->fontMetrics().height();
    list_->setMinimumHeight(rows * rowHeight + list_->header()->sizeHint().height() + 2 * list_->frameWidth());

    if (G.WoodSel >= 1 && G.WoodSel <= n) {
        QTreeWidgetItem* item = list_->topLevelItem(G.WoodSel - 1);
        list_->setCurrentItem(item);
        list_->scrollToItem(item);
    }
}

void WoodForm::itemHit(QTreeWidgetItem* item)
{
    itemClicked_ = true;
    G.WoodSel = static_cast<int16_t>(list_->indexOfTopLevelItem(item) + 1);
}

void WoodForm::listClicked()
{
    clickOnItem_ = itemClicked_;
    itemClicked_ = false;
}

void WoodForm::listDoubleClicked()
{
    if (!clickOnItem_)
        return;
    clickOnItem_ = false;
    const int k = selectedSpecies();
    if (k >= 1 && k <= speciesCount()) {
        G.WoodSel = static_cast<int16_t>(k);
        accept();
    }
}

void WoodForm::okClicked()
{
    const int k = selectedSpecies();
    if (k >= 1 && k <= speciesCount()) {
        G.WoodSel = static_cast<int16_t>(k);
        accept();
        return;
    }
    MsgBox("Select item, then press Ok", vbOKOnly, "Error");
}

void WoodForm::reject()
{
    G.WoodSel = -1;
    QDialog::reject();
}

}  // namespace vesk
