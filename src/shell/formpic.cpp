#include "shell/formpic.h"

#include "model/globals.h"
#include "files/infolists.h"
#include "files/infotext.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/pictureview.h"
#include "platform/qtext.h"
#include "shell/bmpath.h"
#include "shell/picturesteps.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace vesk {

namespace {

template <class List>
QString itemOf(const List& list, int i)
{
    return i >= 0 && static_cast<std::size_t>(i) < list.size() ? qs(list[static_cast<std::size_t>(i)]) : QString();
}

}  // namespace

FormPic::FormPic(QWidget* parent) : QDialog(parent)
{
    setObjectName("FormPic");

    picture_ = new PictureView(this, "Picture1", "HScroll1", "VScroll1", QSize(kViewWidth, kViewHeight));
    lbCaption_ = MakeLabel(this, "LbCaption", "");
    lbCaption_->setWordWrap(true);
    lbCaption_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbCaption_->setFixedWidth(picture_->sizeHint().width());
    lbCaption_->setMinimumHeight(3 * lbCaption_->fontMetrics().lineSpacing());
    labNum_ = MakeLabel(this, "LabNum", "");
    labNum_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    labNum_->setMinimumWidth(labNum_->fontMetrics().horizontalAdvance("000/000"));
    lbNoPic_ = MakeNoPictureHint(this);
    lbNoPic_->setFixedWidth(picture_->sizeHint().width());
    steps_ = new PictureSteps(this, [this] { showFigure(); });

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName("Text1");
    text1_->setReadOnly(true);
    // Room for a line of the considerations, which come wrapped.
    const QFontMetrics fm = text1_->fontMetrics();
    text1_->setMinimumWidth(static_cast<int>(kInfoTextWidth + 4) * fm.averageCharWidth() +
                            text1_->verticalScrollBar()->sizeHint().width());
    list2_ = new QListWidget(this);
    list2_->setObjectName("List2");
    auto* mfgLabel = MakeLabel(this, "LbMfg", "Manufacturer/Contact");
    mfgLabel->setBuddy(list2_);

    auto* comPath = MakeButton(this, "ComPath", "BMP path");
    auto* comHelp = MakeButton(this, "ComHelp", "&Help");
    auto* comDone = MakeButton(this, "ComDone", "&Ok");

    auto* numRow = new QHBoxLayout;
    steps_->addTo(numRow);
    numRow->addStretch();
    numRow->addWidget(labNum_);
    auto* left = new QVBoxLayout;
    left->addWidget(picture_);
    left->addWidget(lbCaption_);
    left->addLayout(numRow);
    left->addWidget(lbNoPic_);
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(text1_, 3);
    right->addWidget(mfgLabel);
    right->addWidget(list2_, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(comPath);
    buttons->addStretch();
    buttons->addWidget(comHelp);
    buttons->addWidget(comDone);

    auto* grid = new QGridLayout(this);
    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(comPath, &QPushButton::clicked, this, &FormPic::bitmapPath);
    connect(comHelp, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    connect(comDone, &QPushButton::clicked, this, &QDialog::accept);
    InstallHelpKey(this, kHelpContext);

    numFigs_ = InfoOfShown(2) > 0 ? InfoOfShown(2) : 0;
    steps_->reset(numFigs_, 2);
    if (numFigs_ > 0) {
        firstFig_ = InfoOfShown(3);
    } else {
        firstFig_ = 0;
        lbCaption_->setText("\nNo pictures available");
        labNum_->clear();
    }
    showFigure();
}

void FormPic::open(QWidget* parent, const QString& caption)
{
    FormPic dlg(parent);
    dlg.setWindowTitle(caption);
    dlg.fillText();
    dlg.exec();
}

void FormPic::fillText()
{
    list2_->clear();
    QStringList lines;
    for (const std::string& line : ReadConsiderations(InfoOfShown(1)))
        lines << qs(line);
    text1_->setPlainText(lines.join('\n'));
    for (const std::string& entry : ReadManufacturers(InfoOfShown(0)))
        list2_->addItem(qs(entry));
}

void FormPic::showFigure()
{
    lbNoPic_->hide();
    if (numFigs_ <= 0)
        return;
    const int fig = steps_->current();
    const int i = firstFig_ + fig - 1;
    lbCaption_->setText(QStringLiteral("Figure %1\n%2").arg(fig).arg(itemOf(G.FigCaption, i)));
    labNum_->setText(QStringLiteral("%1/%2").arg(fig).arg(numFigs_));
    if (!picture_->load(qs(G.BmpPath), itemOf(G.FigFile, i)))
        lbNoPic_->show();
}

void FormPic::bitmapPath()
{
    {
        BMPath dlg(this);
        dlg.exec();
    }
    showFigure();
}

}  // namespace vesk
