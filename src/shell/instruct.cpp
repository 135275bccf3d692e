#include "shell/instruct.h"

#include "platform/help.h"
#include "shell/mainform.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <cmath>

namespace vesk {

namespace {

constexpr int kHelpContext = 284;

QPushButton* button(QWidget* parent, const char* name, const char* caption)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

void Instruct::print(PicturePrinter& pic)
{
    PrintOutline(pic);
    pic.print(QStringLiteral(" "), 0);
    pic.print(QStringLiteral(" "), 0);
    pic.setBold(true);
    pic.print(kHint, (pic.width() - pic.textWidth(kHint)) / 2);
}

void Instruct::draw(QPainter& p, const QRect& page)
{
    p.fillRect(page, Qt::white);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(page.topLeft());
    PicturePrinter pic(&p, page.width(), OutlineFont());
    print(pic);
}

Instruct::Instruct(QWidget* parent) : ChainWindow(parent)
{
    setObjectName("Instruct");
    setWindowTitle("General Program Flow");

    auto* pic = new PictureBox(this);
    pic->setObjectName("Pic");
    PicturePrinter measure(nullptr, 0, OutlineFont(), this);
    print(measure);
    pic->setPreferredSize(QSize(static_cast<int>(std::ceil(measure.widestText() + 6 * measure.textWidth("W"))),
                                static_cast<int>(std::ceil(measure.y() + measure.lineHeight()))));
    pic->setDrawing(&Instruct::draw);

    auto* nextButton = button(this, "Command1", "&Next");
    auto* help = button(this, "ComHelp", "&Help");
    nextButton->setDefault(true);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(nextButton);
    row->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pic, 1);
    layout->addLayout(row);

    connect(nextButton, &QPushButton::clicked, this, &Instruct::next);
    connect(help, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [] { ShowHelp(kHelpContext); });
}

void Instruct::load(QWidget* previous)
{
    show();
    CloseChainPredecessor(previous);
}

void Instruct::next()
{
    MainForm::open(this);
}

}  // namespace vesk
