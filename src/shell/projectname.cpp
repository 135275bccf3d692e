#include "shell/projectname.h"

#include "model/globals.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/qtext.h"
#include "platform/selectall.h"
#include "files/datafiles.h"
#include "files/projectfile.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk {

namespace {

constexpr int kHelpContext = 301;

}  // namespace

ProjectName::ProjectName(QWidget* parent) : QDialog(parent)
{
    setObjectName("ProjectName");
    setWindowTitle("Enter/Edit project name");

    auto* intro = new QLabel("Enter the name to be used for this project.  You can use the previously saved default "
                             "name (mine or project name) and save the current project name as the default, to be "
                             "used for subsequent projects.",
                             this);
    intro->setObjectName("Label1");
    intro->setWordWrap(true);
    auto* nameLabel = new QLabel("Project name", this);
    nameLabel->setObjectName("Label2");
    name_ = new QLineEdit(this);
    name_->setObjectName("TxName");
    name_->setMinimumWidth(320);
    auto* defaultLabel = new QLabel("Default project name", this);
    defaultLabel->setObjectName("Label3");
    default_ = new QLabel(this);
    default_->setObjectName("LbDefault");
    default_->setFrameShape(QFrame::Panel);
    default_->setFrameShadow(QFrame::Sunken);
    default_->setTextFormat(Qt::PlainText);

    auto* save = MakeButton(this, "ComSave", "&Save as default");
    auto* use = MakeButton(this, "ComUse", "&Use default");
    auto* ok = MakeButton(this, "ComDone", "&Ok");
    auto* cancel = MakeButton(this, "ComCancel", "&Cancel");
    auto* help = MakeButton(this, "ComHelp", "&Help");

    auto* grid = new QGridLayout;
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(save, 0, 2);
    grid->addWidget(defaultLabel, 1, 0);
    grid->addWidget(default_, 1, 1);
    grid->addWidget(use, 1, 2);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(save, &QPushButton::clicked, this, &ProjectName::saveDefault);
    connect(use, &QPushButton::clicked, this, &ProjectName::useDefault);
    connect(ok, &QPushButton::clicked, this, &ProjectName::accept);
    connect(cancel, &QPushButton::clicked, this, &ProjectName::reject);
    connect(help, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    InstallHelpKey(this, kHelpContext);

    RestrictToFileField(name_, static_cast<int>(kProjNameLen));
    InstallSelectOnFocus(this);
    name_->setText(qs(G.ProjName));
    default_->setText(qs(G.DefProjName));
}

void ProjectName::saveDefault()
{
    const QString text = name_->text();
    const std::string error = SaveDefName(ss(text));
    if (!error.empty()) {
        MsgBox(qs(error), vbOKOnly | vbExclamation, "Error saving default");
        return;
    }
    default_->setText(text);
    G.DefProjName = ss(text);
}

void ProjectName::useDefault() { name_->setText(qs(G.DefProjName)); }

void ProjectName::accept()
{
    G.ProjName = ss(name_->text());
    QDialog::accept();
}

}  // namespace vesk
