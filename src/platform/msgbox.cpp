#include "platform/msgbox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QtDebug>

#include <algorithm>

namespace vesk {

namespace {

struct Script {
    bool enabled = false;
    QList<int> answers;
    QList<MsgBoxRecord> shown;
};

Script& script()
{
    static Script s;
    return s;
}

QMessageBox::StandardButton StandardFor(int result)
{
    switch (result) {
    case vbOK: return QMessageBox::Ok;
    case vbCancel: return QMessageBox::Cancel;
    case vbAbort: return QMessageBox::Abort;
    case vbRetry: return QMessageBox::Retry;
    case vbIgnore: return QMessageBox::Ignore;
    case vbYes: return QMessageBox::Yes;
    case vbNo: return QMessageBox::No;
    default: return QMessageBox::NoButton;
    }
}

int ResultFor(QMessageBox::StandardButton b)
{
    switch (b) {
    case QMessageBox::Ok: return vbOK;
    case QMessageBox::Cancel: return vbCancel;
    case QMessageBox::Abort: return vbAbort;
    case QMessageBox::Retry: return vbRetry;
    case QMessageBox::Ignore: return vbIgnore;
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    default: return 0;
    }
}

QMessageBox::Icon IconFor(int buttons)
{
    switch (buttons & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// A message box at least as wide as its title needs in the window manager's
// title bar: the title in a bold face, and room on either side for a title
// bar's icon and buttons (three a side, each about as wide as the bar is high).
class TitledMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

private:
    static int widthForTitle(const QString& title)
    {
        QFont font = QApplication::font("QMdiSubWindowTitleBar");
        font.setBold(true);
        const QFontMetrics fm(font);
        return fm.horizontalAdvance(title) + 6 * (fm.height() + 8);
    }

protected:
    // The box settles its own size when it is shown and at each new layout,
    // with too little room for the title; it is widened after it.
    void showEvent(QShowEvent* e) override
    {
        QMessageBox::showEvent(e);
        widen();
    }
    bool event(QEvent* e) override
    {
        const bool done = QMessageBox::event(e);
        if (e->type() == QEvent::LayoutRequest && isVisible())
            widen();
        return done;
    }

private:
    void widen()
    {
        const int available = screen() ? screen()->availableGeometry().width() : width();
        const int wanted = std::min(widthForTitle(windowTitle()), available);
        if (width() >= wanted)
            return;
        const int height = layout() && layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(wanted)
                                                                       : this->height();
        setFixedSize(wanted, height);
    }
};

}  // namespace

QList<int> MsgBoxButtons(int buttons)
{
    switch (buttons & 0x0F) {
    case vbOKCancel: return {vbOK, vbCancel};
    case vbAbortRetryIgnore: return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel: return {vbYes, vbNo, vbCancel};
    case vbYesNo: return {vbYes, vbNo};
    case vbRetryCancel: return {vbRetry, vbCancel};
    default: return {vbOK};
    }
}

int MsgBoxDefault(int buttons)
{
    const QList<int> set = MsgBoxButtons(buttons);
    qsizetype index = 0;
    if ((buttons & 0xF00) == vbDefaultButton2)
        index = 1;
    else if ((buttons & 0xF00) == vbDefaultButton3)
        index = 2;
    // A default beyond the last button falls back on the first, as a missing button cannot be pressed.
    return index < set.size() ? set[index] : set.front();
}

int MsgBox(const QString& text, int buttons, const QString& title)
{
    Script& s = script();
    if (s.enabled) {
        s.shown.append({text, title, buttons});
        if (s.answers.isEmpty())
            return MsgBoxDefault(buttons);
        const int answer = s.answers.takeFirst();
        if (!MsgBoxButtons(buttons).contains(answer))
            qWarning("MsgBox: scripted answer %d is not a button of flags %d", answer, buttons);
        return answer;
    }

    QString body = text;
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    body.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    TitledMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);
    box.setTextFormat(Qt::PlainText);
    box.setText(body);
    box.setIcon(IconFor(buttons));
    const QList<int> set = MsgBoxButtons(buttons);
    for (int result : set)
        box.addButton(StandardFor(result));
    box.setDefaultButton(StandardFor(MsgBoxDefault(buttons)));
    box.exec();
    const int result = ResultFor(box.standardButton(box.clickedButton()));
    // Closing the box by other means than a button (only possible where it has an
    // escape button) counts as that button.
    if (result != 0)
        return result;
    if (set.contains(vbCancel))
        return vbCancel;
    return set.size() == 1 ? set.front() : set.back();
}

namespace MsgBoxTest {

void enable()
{
    Script& s = script();
    s.enabled = true;
    s.answers.clear();
    s.shown.clear();
}

void disable()
{
    Script& s = script();
    s.enabled = false;
    s.answers.clear();
    s.shown.clear();
}

void queue(int answer) { script().answers.append(answer); }

int pending() { return static_cast<int>(script().answers.size()); }

QList<MsgBoxRecord> shown() { return script().shown; }

void clear() { script().shown.clear(); }

}  // namespace MsgBoxTest

}  // namespace vesk
