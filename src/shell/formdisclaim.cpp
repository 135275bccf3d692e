#include "shell/formdisclaim.h"

#include "platform/fonts.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "shell/formcost.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>

namespace vesk {

namespace {

constexpr int kHelpContext = 271;

double screenDpi(const QWidget* w)
{
    const QScreen* screen = w->screen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace

QLabel* MakeNoteHeading(QWidget* parent, const QString& text)
{
    auto* heading = MakeLabel(parent, "Label2", text);
    heading->setAlignment(Qt::AlignCenter);
    QFont headingFont = SerifFont(16);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    return heading;
}

PictureBox* MakeShadowTextPicture(QWidget* parent, const QStringList& paragraphs)
{
    auto* source = MakeLabel(parent, "Picture2", QString());
    source->setPixmap(StartupArtwork());
    source->hide();
    auto* picture = new PictureBox(parent);
    picture->setObjectName("Picture1");
    const QFont font = StartupFont(screenDpi(parent));

    // Measure the text to size the picture: the widest line, and the height
    // of one pass, each with the shadow's offset and a margin.
    PicturePrinter measure(nullptr, 0, font, parent);
    PrintShadowText(measure, paragraphs);
    const QSize art = source->pixmap().size();
    const int textWidth = static_cast<int>(std::ceil(measure.widestText())) + 48;
    const int textHeight = static_cast<int>(std::ceil(measure.y() + measure.lineHeight() / 2)) + 2;
    picture->setPreferredSize(QSize(std::max(art.width(), textWidth), std::max(art.height(), textHeight)));

    picture->setDrawing([source, paragraphs, font](QPainter& p, const QRect& page) {
        p.fillRect(page, StartupBackground());
        const QPixmap art = source->pixmap();
        if (!art.isNull()) {
            const int x = std::max(0, (page.width() - art.width()) / 2);
            const int y = std::max(0, (page.height() - art.height()) / 2);
            p.drawPixmap(page.left() + x, page.top() + y, art);
        }
        p.setRenderHint(QPainter::TextAntialiasing);
        PicturePrinter pic(&p, page.width(), font);
        PrintShadowText(pic, paragraphs);
    });
    return picture;
}

QStringList FormDisclaim::paragraphs()
{
    const QString first = QStringLiteral("This QZR/QUORL developed software is provided ") + QLatin1Char('"') +
                          QStringLiteral("as is") + QLatin1Char('"') +
                          QStringLiteral(" without warranty of any kind"
                                         " including express or implied warranties of merchantability or fitness for a"
                                         " particular use.  By acceptance and use of this software, which is conveyed to the"
                                         " user without consideration by QUORL, the user expressly waives any and all claims"
                                         " for damage and/or suits for personal injury or property damage resulting from any"
                                         " direct, indirect, incidental, special, or consequential damages, or damages for"
                                         " loss of profits, revenue, data, or property use, incurred by you or any third party,"
                                         " whether in an action in contract or tort, arising from your access to, or use of,"
                                         " this software in whole or in part.");
    const QString second = QStringLiteral("No further development or upgrades for this software is planned.  Any questions"
                                          " concerning this product can be directed to"
                                          " the VESK maintainers; see README.md.");
    return {first, second};
}

FormDisclaim::FormDisclaim(QWidget* parent) : ChainWindow(parent)
{
    setObjectName("FormDisclaim");
    setWindowTitle("VESK-Quendril");

    auto* heading = MakeNoteHeading(this, "DISCLAIMER");
    auto* picture = MakeShadowTextPicture(this, paragraphs());

    auto* version = new QLabel(VersionLabelText(ReadVersionLines()), this);
    version->setObjectName("LbVer");
    version->setTextFormat(Qt::PlainText);

    auto* accept = MakeButton(this, "Command1", "&Accept");
    auto* exit = MakeButton(this, "Command2", "E&xit");
    auto* help = MakeButton(this, "ComHelp", "&Help");

    auto* row = new QHBoxLayout;
    row->addWidget(version);
    row->addStretch();
    row->addWidget(accept);
    row->addWidget(exit);
    row->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(picture, 1);
    layout->addLayout(row);

    connect(accept, &QPushButton::clicked, this, &FormDisclaim::acceptTerms);
    connect(exit, &QPushButton::clicked, this, &FormDisclaim::exitProgram);
    connect(help, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    InstallHelpKey(this, kHelpContext);
}

void FormDisclaim::acceptTerms()
{
    auto* next = new FormCost;
    next->setAttribute(Qt::WA_DeleteOnClose);
    next->load(this);
}

void FormDisclaim::exitProgram()
{
    // Closing any other way than by handing over ends the program.
    close();
}

}  // namespace vesk
