#include "shell/about.h"

#include "model/globals.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/qtext.h"
#include "shell/startup.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk {

namespace {

constexpr int kHelpContext = 257;

}  // namespace

QString About::text()
{
    QString t = QStringLiteral("VESK-Quendril\n");
    if (!G.VersionText.empty())
        t += QStringLiteral("Version ") + qs(G.VersionText) + QLatin1Char('\n');
    if (!G.VersionDate.empty())
        t += qs(G.VersionDate) + QLatin1Char('\n');
    t += QStringLiteral(
        "\nSizing and comparison of roof supports for underground mine entries: wood cribs, timber posts, "
        "concrete cribs, file-defined supports and cable bolts, with their performance, costs and material "
        "handling.\n\n"
        "The program is provided \"as is\", without warranty of any kind.\n\n"
        "Questions concerning this program can be directed to the VESK maintainers; see README.md.");
    return t;
}

About::About(QWidget* parent) : QDialog(parent)
{
    setObjectName("About");
    setWindowTitle("About");

    const QPixmap art = StartupArtwork();
    auto* picture = new PictureBox(this);
    picture->setObjectName("Picture1");
    picture->setPreferredSize(art.isNull() ? QSize(320, 200) : art.size());
    picture->setDrawing([art](QPainter& p, const QRect& page) {
        p.fillRect(page, StartupBackground());
        if (!art.isNull())
            p.drawPixmap(page.left() + std::max(0, (page.width() - art.width()) / 2),
                         page.top() + std::max(0, (page.height() - art.height()) / 2), art);
    });

    auto* box = new QPlainTextEdit(this);
    box->setObjectName("Text1");
    box->setReadOnly(true);
    box->setPlainText(text());
    box->setMinimumHeight(150);

    auto* ok = MakeButton(this, "ComOk", "&Ok");
    auto* help = MakeButton(this, "ComHelp", "&Help");
    ok->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(box, 1);
    layout->addLayout(row);

    connect(ok, &QPushButton::clicked, this, &About::accept);
    connect(help, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    InstallHelpKey(this, kHelpContext);
}

}  // namespace vesk
