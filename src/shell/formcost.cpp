#include "shell/formcost.h"

#include "model/globals.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "shell/formdisclaim.h"
#include "shell/instruct.h"
#include "files/datafiles.h"
#include "files/textfile.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vesk {

namespace {

constexpr int kHelpContext = 266;

}  // namespace

QStringList FormCost::paragraphs()
{
    return {QStringLiteral("The cost estimates supplied with this program are QUORL estimates only. "
                           " While they are believed to be representative of the various support technologies,"
                           " they are generalized costs derived from material, fabrication, and shipping cost"
                           " parameters, all of which are subject to change.  These cost estimates are provided"
                           " only to facilitate a first cut comparison of support technologies.  Actual quotes"
                           " should be obtained from the support manufacturer/supplier when conducting a final"
                           " cost analysis of any support system.")};
}

FormCost::FormCost(QWidget* parent) : ChainWindow(parent)
{
    setObjectName("FormCost");
    setWindowTitle("VESK-Quendril");

    auto* heading = MakeNoteHeading(this, "A Note on Cost Estimates");
    auto* picture = MakeShadowTextPicture(this, paragraphs());

    auto* prompt = new QLabel("Shipping costs and availability are different for eastern and western portions of the "
                              "U.S.  Select the region in which the supports are being evaluated: ",
                              this);
    prompt->setObjectName("Label1");
    prompt->setWordWrap(true);
    east_ = new QRadioButton("Eastern U.S.", this);
    east_->setObjectName("OptEast");
    west_ = new QRadioButton("Western U.S.", this);
    west_->setObjectName("OptWest");
    auto* region = new QButtonGroup(this);
    region->addButton(east_);
    region->addButton(west_);

    auto* ok = MakeButton(this, "Command1", "&Ok");
    auto* exit = MakeButton(this, "Command2", "E&xit");
    auto* help = MakeButton(this, "ComHelp", "&Help");

    auto* options = new QHBoxLayout;
    options->addStretch();
    options->addWidget(east_);
    options->addSpacing(24);
    options->addWidget(west_);
    options->addStretch();
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(exit);
    row->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(picture, 1);
    layout->addWidget(prompt);
    layout->addLayout(options);
    layout->addLayout(row);

    connect(ok, &QPushButton::clicked, this, &FormCost::commit);
    connect(exit, &QPushButton::clicked, this, &FormCost::close);
    connect(help, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    InstallHelpKey(this, kHelpContext);

    readSettings();
}

void FormCost::readSettings()
{
    // Whatever the file holds up to a failure counts; the rest stays at the
    // program's folder, Eastern U.S. and English units.
    const BmpPathSettings s = ReadBmpPathSettings();
    G.BmpPath = s.folder ? *s.folder : G.AppPath;
    const int16_t regionCode = s.region.value_or(0);
    const int16_t unitCode = s.units.value_or(0);
    // The region chosen is also where the focus starts, and where Tab enters
    // the region buttons.
    QRadioButton* region = regionCode != 0 ? west_ : east_;
    region->setChecked(true);
    region->setFocus();
    G.MetricUnits = unitCode != 0 ? -1 : 0;
}

void FormCost::commit()
{
    G.EasternMines = east_->isChecked() ? -1 : 0;
    // A failure to store the settings is not worth stopping the start for:
    // the old file, if any, stays as it was.
    WriteBmpPathFile(G.BmpPath, G.EasternMines != 0 ? 0 : 1, G.MetricUnits != 0 ? 1 : 0);
    auto* next = new Instruct;
    next->setAttribute(Qt::WA_DeleteOnClose);
    next->load(this);
}

}  // namespace vesk
