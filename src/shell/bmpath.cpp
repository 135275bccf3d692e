#include "shell/bmpath.h"

#include "model/globals.h"
#include "platform/filedialogs.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/qtext.h"
#include "files/datafiles.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk {

namespace {

constexpr int kHelpContext = 259;

}  // namespace

BMPath::BMPath(QWidget* parent) : QDialog(parent)
{
    setObjectName("BMPath");
    setWindowTitle("Set path to bitmap (*.bmp) files");

    auto* frame = new QGroupBox("Bitmap Path", this);
    frame->setObjectName("Frame1");
    drive_ = new QComboBox(frame);
    drive_->setObjectName("Drive1");
    for (const QFileInfo& d : QDir::drives())
        drive_->addItem(QDir::toNativeSeparators(d.absolutePath()));
    // The folder list: the folder in force and a chooser to pick another.
    dir_ = new QLineEdit(frame);
    dir_->setObjectName("Dir1");
    dir_->setReadOnly(true);
    browse_ = MakeButton(frame, "ComBrowse", "&Browse...");
    path_ = MakeLabel(frame, "LbPath", "");
    path_->setFrameShape(QFrame::Panel);
    path_->setFrameShadow(QFrame::Sunken);
    path_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    path_->setMinimumWidth(360);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(MakeLabel(frame, "Label1", "Drive"), 0, 0);
    grid->addWidget(drive_, 0, 1, 1, 2);
    grid->addWidget(MakeLabel(frame, "Label2", "Folder/directory"), 1, 0);
    grid->addWidget(dir_, 1, 1);
    grid->addWidget(browse_, 1, 2);
    grid->addWidget(MakeLabel(frame, "Label3", "Selected path"), 2, 0);
    grid->addWidget(path_, 2, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    auto* def = MakeButton(this, "ComDefault", "&Default");
    auto* ok = MakeButton(this, "ComOk", "&Ok");
    auto* cancel = MakeButton(this, "ComCancel", "&Cancel");
    auto* help = MakeButton(this, "ComHelp", "&Help");
    buttons->addWidget(def);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(drive_, &QComboBox::activated, this, &BMPath::driveChanged);
    connect(browse_, &QPushButton::clicked, this, &BMPath::browse);
    connect(def, &QPushButton::clicked, this, &BMPath::useDefault);
    connect(ok, &QPushButton::clicked, this, &BMPath::accept);
    connect(cancel, &QPushButton::clicked, this, &BMPath::reject);
    connect(help, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    InstallHelpKey(this, kHelpContext);

    // The folder in force; failing that the program's folder as the settings
    // name it, then as the platform reports it.
    if (!setFolder(qs(G.BmpPath))) {
        G.BmpPath = G.AppPath;
        if (!setFolder(qs(G.BmpPath))) {
            G.BmpPath = ss(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
            setFolder(qs(G.BmpPath));
        }
    }
}

bool BMPath::setFolder(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    QFileInfo info(folder);
    if (!info.isDir())
        return false;
    const QString path = QDir::cleanPath(info.absoluteFilePath());
    // The drive that holds the folder: the longest root it starts with.
    int best = -1;
    qsizetype bestLen = -1;
    for (int i = 0; i < drive_->count(); ++i) {
        const QString root = QDir::fromNativeSeparators(drive_->itemText(i));
        if (path.startsWith(root, Qt::CaseInsensitive) && root.size() > bestLen) {
            best = i;
            bestLen = root.size();
        }
    }
    if (best >= 0)
        drive_->setCurrentIndex(best);
    const QString shown = QDir::toNativeSeparators(path);
    dir_->setText(shown);
    path_->setText(shown);
    return true;
}

QString BMPath::folder() const { return dir_->text(); }

void BMPath::driveChanged(int index)
{
    if (index >= 0)
        setFolder(drive_->itemText(index));
}

void BMPath::browse()
{
    const QString chosen = GetFolder(this, "Folder/directory", folder());
    if (!chosen.isEmpty())
        setFolder(chosen);
}

void BMPath::useDefault() { setFolder(qs(G.AppPath)); }

void BMPath::accept()
{
    G.BmpPath = ss(folder());
    const std::string error = SaveBmpPath();
    if (!error.empty())
        MsgBox(qs(error), vbOKOnly | vbExclamation, "Error saving bitmap path");
    QDialog::accept();
}

}  // namespace vesk
