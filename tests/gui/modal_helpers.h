// Helpers for window tests.
// Modal windows: queue an action for the next modal window that comes up, then
// run the code that opens it. A short repeating timer finds
// QApplication::activeModalWidget() and hands it to the action, which presses a
// button or closes the window.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <utility>

namespace vesk::test {

namespace detail {

class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(QObject* parent) : QObject(parent)
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    }

    void add(std::function<void(QWidget*)> action)
    {
        actions_.append(std::move(action));
        timer_.start();
    }

    int drop()
    {
        const int n = static_cast<int>(actions_.size());
        actions_.clear();
        timer_.stop();
        return n;
    }

private:
    void tick()
    {
        QWidget* modal = QApplication::activeModalWidget();
        // The window answered last may still be closing; wait for another one.
        if (!modal || !modal->isVisible() || (modal == last_ && busyOrOpen_))
            return;
        if (actions_.isEmpty()) {
            timer_.stop();
            return;
        }
        last_ = modal;
        busyOrOpen_ = true;
        // The action runs from the modal window's own event loop rather than from
        // this timer, so that the timer can answer a window that the action opens.
        QTimer::singleShot(0, modal, [this, modal, action = actions_.takeFirst()] {
            QPointer<QWidget> guard(modal);
            action(modal);
            if (last_ == modal)
                busyOrOpen_ = guard && guard->isVisible();
        });
    }

    QTimer timer_;
    QList<std::function<void(QWidget*)>> actions_;
    QPointer<QWidget> last_;
    bool busyOrOpen_ = false;
};

inline ModalAnswerer& Answerer()
{
    static QPointer<ModalAnswerer> instance;
    if (!instance)
        instance = new ModalAnswerer(QCoreApplication::instance());
    return *instance;
}

}  // namespace detail

// Runs `action` on the next modal window that is shown. Actions queued one
// after another answer modal windows one after another.
inline void AnswerNextModal(std::function<void(QWidget*)> action) { detail::Answerer().add(std::move(action)); }

// Forgets the actions that found no modal window; returns how many there were.
inline int DropModalAnswers() { return detail::Answerer().drop(); }

// Clicks the visible button of `window` whose caption, without '&' marks, is
// `caption` (case-insensitive); false when there is none.
inline bool ClickButton(QWidget* window, const QString& caption)
{
    for (QAbstractButton* b : window ? window->findChildren<QAbstractButton*>() : QList<QAbstractButton*>()) {
        if (b->isVisible() && b->text().remove(QLatin1Char('&')).compare(caption, Qt::CaseInsensitive) == 0) {
            b->click();
            return true;
        }
    }
    return false;
}

// The texts of the boxes and labels under `w` of these names, joined by "|";
// "?" stands for a name that is not there.
inline QString Texts(const QObject* w, std::initializer_list<const char*> names)
{
    QStringList out;
    for (const char* n : names) {
        if (const auto* box = w->findChild<QLineEdit*>(n))
            out << box->text();
        else if (const auto* label = w->findChild<QLabel*>(n))
            out << label->text();
        else
            out << "?";
    }
    return out.join('|');
}

// Types `text` into `w` key by key. Unlike QTest::keyClicks, which stops the
// program on a character outside ASCII, it takes any character.
inline void TypeText(QWidget* w, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, text.mid(i, n), Qt::NoModifier);
        i += n - 1;
    }
}

}  // namespace vesk::test
