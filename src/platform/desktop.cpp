#include "platform/desktop.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMargins>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QWindow>

namespace vesk {

namespace {

// The frame that the window manager puts around a window: the window's own
// once known (often only when it is on the screen), else that of another
// window on the screen (all get the same decoration), else none.
QMargins FrameMargins(const QWidget* window)
{
    if (const QWindow* own = window->windowHandle(); own && !own->frameMargins().isNull())
        return own->frameMargins();
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        const QWindow* handle = other->windowHandle();
        if (other != window && handle && handle->isVisible() && !handle->frameMargins().isNull())
            return handle->frameMargins();
    }
    return {};
}

// The top-left corner of a frame of this size centred at `centre`, moved as
// little as needed to lie wholly within `available` (its top-left corner
// when the frame is larger).
QPoint PlacedFrameOrigin(const QSize& frame, const QPoint& centre, const QRect& available)
{
    QRect r(QPoint(0, 0), frame);
    r.moveCenter(centre);
    if (r.right() > available.right())
        r.moveRight(available.right());
    if (r.bottom() > available.bottom())
        r.moveBottom(available.bottom());
    if (r.left() < available.left())
        r.moveLeft(available.left());
    if (r.top() < available.top())
        r.moveTop(available.top());
    return r.topLeft();
}

// Moves the window, frame included, so that it is centred at `centre` and
// lies wholly on the available part of `screen`.
void Place(QWidget* window, const QPoint& centre, const QScreen* screen)
{
    const QRect available = screen->availableGeometry();
    const QMargins frame = FrameMargins(window);
    const QSize room = available.size().shrunkBy(frame);
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room));
    const QPoint origin = PlacedFrameOrigin(window->size().grownBy(frame), centre, available);
    if (!window->testAttribute(Qt::WA_WState_Created)) {
        // Not yet made: the position given is that of the frame.
        window->move(origin);
        return;
    }
    // Made: the position given is turned into that of the inside by the frame
    // known so far, which is none until the window has been on the screen.
    const QPoint known = window->geometry().topLeft() - window->pos();
    window->move(origin + QPoint(frame.left(), frame.top()) - known);
}

const QScreen* ScreenOf(const QWidget* w)
{
    const QScreen* screen = w ? w->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

bool IsCommandButton(const QObject* o)
{
    return qobject_cast<const QPushButton*>(o) || qobject_cast<const QToolButton*>(o);
}

// Opens the first menu of the window's menu bar; false when it has none.
bool OpenMenuBar(QWidget* window)
{
    auto* bar = window ? window->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!bar || !bar->isVisible() || !bar->isEnabled())
        return false;
    for (QAction* a : bar->actions()) {
        if (a->isVisible() && a->isEnabled() && !a->isSeparator()) {
            bar->setActiveAction(a);
            return true;
        }
    }
    return false;
}

class DesktopConventions : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w)
            return false;
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Every key press comes here first, also one that a mnemonic then
            // takes as a shortcut and that never arrives as a key press.
            if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Alt)
                altAlone_ = nullptr;
            return false;
        case QEvent::KeyPress: return keyPress(w, static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease: return keyRelease(w, static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::WindowDeactivate: altAlone_ = nullptr; return false;
        case QEvent::Show: return show(w, event);
        default: return false;
        }
    }

private:
    bool keyPress(QWidget* w, QKeyEvent* e)
    {
        const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
        if (e->key() == Qt::Key_Alt) {
            // Alt with another modifier held is part of a combination.
            if (!e->isAutoRepeat())
                altAlone_ = (mods & ~Qt::AltModifier) == Qt::NoModifier ? w->window() : nullptr;
            return false;
        }
        altAlone_ = nullptr;
        if (mods != Qt::NoModifier)
            return false;
        if (e->key() == Qt::Key_F10)
            return OpenMenuBar(w->window());
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && IsCommandButton(w)) {
            if (!e->isAutoRepeat() && w->isEnabled())
                static_cast<QAbstractButton*>(w)->click();
            return true;
        }
        return false;
    }

    bool keyRelease(QWidget* w, QKeyEvent* e)
    {
        if (e->key() != Qt::Key_Alt || e->isAutoRepeat())
            return false;
        const QPointer<QWidget> armed = altAlone_;
        altAlone_ = nullptr;
        return armed && armed == w->window() && OpenMenuBar(armed);
    }

    bool show(QWidget* w, QEvent* event)
    {
        if (event->spontaneous() || !w->isWindow() || w == showing_)
            return false;
        if (w->windowType() != Qt::Window && w->windowType() != Qt::Dialog)
            return false;  // menus, lists and tips place themselves
        if (w->testAttribute(Qt::WA_Moved))
            return false;  // placed by the program
        // The window's own show handling comes first, since a message box
        // settles its size there; the window is not yet on the screen.
        const QPointer<QWidget> outer = showing_;
        const QPointer<QWidget> guard = w;
        showing_ = w;
        QCoreApplication::sendEvent(w, event);
        showing_ = outer;
        if (guard) {
            const QWidget* parent = w->parentWidget();
            PlaceWindow(w, parent ? parent->window() : nullptr);
        }
        return true;
    }

    QPointer<QWidget> altAlone_;  // the window in which Alt is down on its own
    QPointer<QWidget> showing_;
};

// The style's own Alt handling of menu bars is left out: the filter above
// opens the menu bar on Alt alone, and knows when Alt was part of a mnemonic.
class DesktopStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

void InstallDesktopConventions()
{
    static QPointer<DesktopConventions> filter;
    if (!filter && qApp) {
        filter = new DesktopConventions(qApp);
        qApp->installEventFilter(filter);
        QApplication::setStyle(new DesktopStyle);
    }
}

void PlaceWindow(QWidget* window, const QWidget* owner)
{
    if (!window)
        return;
    if (!window->isVisible() && !window->testAttribute(Qt::WA_Resized)) {
        // The size that showing would give it, which showing may still adjust.
        window->adjustSize();
        window->setAttribute(Qt::WA_Resized, false);
    }
    const bool over = owner && owner->isVisible();
    const QScreen* screen = ScreenOf(over ? owner : window);
    if (!screen)
        return;
    Place(window, over ? owner->frameGeometry().center() : screen->availableGeometry().center(), screen);
}

}  // namespace vesk
