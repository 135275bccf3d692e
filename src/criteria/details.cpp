#include "criteria/details.h"

#include "platform/controls.h"
#include "platform/help.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk {

namespace {

const char* const kParagraphs[] = {
    "Ground reaction curve points are stored as intensities (tons/ft\u00b2) since measurements can be taken in "
    "different areas of the mine having different entry widths.  When analyzing supports, the intensities are "
    "converted to load densities (tons/ft) using the entry width specified in the design criteria window.",
    "If the width used for the reaction curve point is different than that specified in the design criteria, the "
    "displayed load density in this form will be different than that used in other forms.",
    "Support capacity may vary with the entry height; therefore, when calculating a support load from an existing "
    "support design, if the height used in this window differs from that specified in the design criteria, the "
    "loads calculated for subsequent analyses, at identical spacing and no. of rows, may be different than that "
    "shown here.",
    "These warnings do not indicate a problem or error but merely serve as an alert that loads and load densities "
    "displayed in this window do not necessarily have to match those calculated in other program windows.",
};

}  // namespace

Details::Details(QWidget* parent) : QDialog(parent)
{
    setObjectName("Details");
    setWindowTitle("Width/Height Mis-match Warning");
    auto* layout = new QVBoxLayout(this);
    int i = 1;
    for (const char* text : kParagraphs) {
        QLabel* l = MakeLabel(this, QString("Label%1").arg(i++), QString::fromUtf8(text));
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
        layout->addWidget(l);
    }
    auto* ok = MakeButton(this, "ComDone", "&Ok");
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &Details::accept);
    InstallHelpKey(this, kHelpContext);
    setMinimumWidth(460);
}

}  // namespace vesk
