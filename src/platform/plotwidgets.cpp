#include "platform/plotwidgets.h"

#include "platform/palette.h"
#include "platform/qtext.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace vesk {

namespace {
constexpr double kTwipsPerInch = 1440;
constexpr int kBlinkMs = 500;
constexpr int kGrey = 7, kWhite = 15;
}  // namespace

PlotPicture::PlotPicture(QWidget* parent, const QString& name, QSize minimum) : QWidget(parent)
{
    setObjectName(name);
    setMinimumSize(minimum);
    setMouseTracking(true);
}

void PlotPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (paint)
        paint(p, rect(), logicalDpiX() / kTwipsPerInch);
}

void PlotPicture::mouseMoveEvent(QMouseEvent* e)
{
    if (mouseMoved)
        mouseMoved(e->position().x(), e->position().y());
}

void PlotPicture::leaveEvent(QEvent*)
{
    if (mouseLeft)
        mouseLeft();
}

WarningList::WarningList(QWidget* parent, int lines) : QListWidget(parent)
{
    setObjectName("ListWarn");
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setFixedHeight(fontMetrics().lineSpacing() * lines + 2 * frameWidth() + 4);
    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setInterval(kBlinkMs);
    connect(timer_, &QTimer::timeout, this, &WarningList::blink);
}

void WarningList::clearSteady()
{
    clear();
    setColour(kGrey);
    blinkPhase_ = false;
    timer_->stop();
}

void WarningList::setWarnings(const std::vector<std::string>& lines)
{
    clear();
    for (const std::string& line : lines)
        addItem(qs(line));
    if (!lines.empty()) {
        timer_->start();
        blinkPhase_ = true;
        return;
    }
    timer_->stop();
    addItem("None");
    setColour(kGrey);
}

void WarningList::blink()
{
    setColour(blinkPhase_ ? kWhite : kGrey);
    blinkPhase_ = !blinkPhase_;
}

void WarningList::setColour(int colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, QBColor(colour));
    setPalette(pal);
}

}  // namespace vesk
