#include "platform/controls.h"

#include "platform/help.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace vesk {

namespace {

// A label with a frame and no indent of its own sets its text in by half an
// "x" from the side it is aligned to, inside its frame and margin.
int textIndent(const QLabel* label)
{
    if (label->indent() >= 0)
        return label->indent();
    if (label->frameWidth() == 0)
        return 0;
    return std::max(0, label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - label->margin());
}

}  // namespace

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    // A caption wider than the style's smallest button keeps an "M" of room
    // on either side.
    const QFontMetrics fm = b->fontMetrics();
    const int captionWidth = fm.size(Qt::TextShowMnemonic, caption).width();
    b->setMinimumWidth(std::max(b->sizeHint().width(), captionWidth + 2 * fm.horizontalAdvance(QLatin1Char('M'))));
    return b;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

QLabel* MakePanel(QWidget* parent, const QString& name)
{
    QLabel* l = MakeLabel(parent, name, QString());
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(64);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

void FitWidthToTexts(QLabel* label, const QStringList& texts)
{
    // Measured as the label measures itself.
    const QFontMetrics fm = label->fontMetrics();
    int widest = 0;
    for (const QString& t : texts)
        widest = std::max(widest, fm.boundingRect(0, 0, 2000, 2000, Qt::TextShowMnemonic, t).width());
    const QMargins m = label->contentsMargins();
    const int width = widest + 2 * label->margin() + m.left() + m.right() + textIndent(label);
    label->setMinimumWidth(std::max(label->minimumWidth(), width));
}

void WrapInLines(QLabel* label, const QStringList& texts, int lines)
{
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QFontMetrics fm = label->fontMetrics();
    const int height = fm.lineSpacing() * lines;
    // The narrowest width at which a text takes no more than the lines.
    const auto fits = [&](const QString& t, int width) {
        return fm.boundingRect(QRect(0, 0, width, 100 * height), Qt::TextWordWrap, t).height() <= height;
    };
    int widest = 0;
    for (const QString& t : texts) {
        int lo = 1, hi = std::max(1, fm.horizontalAdvance(t));
        while (lo < hi) {
            const int mid = (lo + hi) / 2;
            if (fits(t, mid))
                hi = mid;
            else
                lo = mid + 1;
        }
        widest = std::max(widest, hi);
    }
    const QMargins m = label->contentsMargins();
    const int extra = 2 * label->margin();
    label->setMinimumSize(widest + extra + m.left() + m.right() + 1, height + extra + m.top() + m.bottom());
}

void MouseUpCheckBox::mouseReleaseEvent(QMouseEvent* e)
{
    QCheckBox::mouseReleaseEvent(e);
    if (onMouseUp)
        onMouseUp();
}

void FitWidthToTexts(QLineEdit* box, const QStringList& texts)
{
    const QFontMetrics fm = box->fontMetrics();
    int widest = 0;
    for (const QString& t : texts)
        widest = std::max(widest, fm.horizontalAdvance(t));
    // Measured as the box measures itself: the text, the box's margins of two
    // pixels a side and its text margins, inside its frame; and room for the
    // cursor after the last character.
    const QMargins margins = box->textMargins() + box->contentsMargins();
    const QSize inside(widest + 4 + margins.left() + margins.right() + fm.averageCharWidth(), fm.height());
    QStyleOptionFrame frame;
    frame.initFrom(box);
    frame.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box) : 0;
    const int width = box->style()->sizeFromContents(QStyle::CT_LineEdit, &frame, inside, box).width();
    box->setMinimumWidth(std::max(box->minimumWidth(), width));
}

void InstallHelpKey(QWidget* window, int context)
{
    InstallHelpKey(window, [context] { return context; });
}

void InstallHelpKey(QWidget* window, std::function<int()> context)
{
    auto* f1 = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(f1, &QShortcut::activated, window, [context = std::move(context)] { ShowHelp(context()); });
}

}  // namespace vesk
