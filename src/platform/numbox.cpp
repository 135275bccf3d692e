#include "platform/numbox.h"

#include "platform/selectall.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

namespace vesk {

namespace {
int g_handling = 0;  // depth of box handlers running
}  // namespace

NumBox::NumBox(QWidget* parent, const QString& name) : QLineEdit(parent) { setObjectName(name); }

void NumBox::put(const QString& text, double value)
{
    setText(text);
    shownText_ = text;
    value_ = value;
    hasValue_ = true;
}

void NumBox::putText(const QString& text)
{
    setText(text);
    hasValue_ = false;
}

std::optional<double> NumBox::remembered() const
{
    if (hasValue_ && text() == shownText_)
        return value_;
    return std::nullopt;
}

bool NumBox::handling() { return g_handling > 0; }

void NumBox::run(void (NumBox::*signal)())
{
    ++g_handling;
    (this->*signal)();
    --g_handling;
}

void NumBox::pressEnter() { run(&NumBox::enterPressed); }

void NumBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        pressEnter();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    emit gotFocus();
    // Deferred: a mouse press that gave the focus would otherwise place the
    // cursor over the selection.
    QPointer<NumBox> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self && self->hasFocus())
            SelectAllText(self);
    });
}

void NumBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason why = event->reason();
    if (handling() || why == Qt::ActiveWindowFocusReason || why == Qt::PopupFocusReason)
        return;
    if (!isEnabled() || !isVisible())
        return;
    run(&NumBox::leftBox);
}

}  // namespace vesk
