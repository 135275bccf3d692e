#include "shell/instruct.h"

#include "platform/controls.h"
#include "platform/help.h"
#include "shell/mainform.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace vesk {

namespace {

constexpr int kHelpContext = 284;

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

    auto* nextButton = MakeButton(this, "Command1", "&Next");
    auto* help = MakeButton(this, "ComHelp", "&Help");

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(nextButton);
    row->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pic, 1);
    layout->addLayout(row);

    connect(nextButton, &QPushButton::clicked, this, &Instruct::next);
    connect(help, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    InstallHelpKey(this, kHelpContext);
}

void Instruct::next()
{
    MainForm::open(this);
}

}  // namespace vesk
