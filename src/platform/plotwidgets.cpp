#include "platform/plotwidgets.h"

#include "model/units.h"
#include "model/vbmath.h"
#include "platform/controls.h"
#include "platform/guard.h"
#include "platform/palette.h"
#include "platform/qtext.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <utility>

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
    // Values that cannot be drawn (not finite numbers) leave the picture as far as it got.
    if (paint)
        Guarded([&] { paint(p, rect(), logicalDpiX() / kTwipsPerInch); });
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

QLabel* MakeAxisLabel(QWidget* parent, const QString& name)
{
    QLabel* l = MakeLabel(parent, name, QString());
    FitWidthToTexts(l, {"00000"});
    return l;
}

PlotReadouts::PlotReadouts(const Labels& labels, std::function<QString(double)> unitLoad)
    : l_(labels), unitLoad_(std::move(unitLoad))
{
}

std::unique_ptr<PlotReadouts> PlotReadouts::build(QWidget* frame, QBoxLayout* column, const Caption (&captions)[3],
                                                  const QLabel* resultConv, const QLabel* resultTpf,
                                                  std::function<QString(double)> unitLoad)
{
    QLabel* coord = MakeLabel(frame, "LbCoord", "Coords correspond to crosshairs");
    FitWidthToTexts(coord, {"Coords correspond to crosshairs", "Coords correspond to mouse cursor"});
    column->addWidget(coord);
    // One read-out a row, its caption before it.
    auto* grid = new QGridLayout;
    QLabel* panels[] = {MakePanel(frame, "LbPlotConv"), MakePanel(frame, "LbPlotTpf"), MakePanel(frame, "LbPlotTons")};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(MakeLabel(frame, captions[i].name, captions[i].text), i, 0);
        grid->addWidget(panels[i], i, 1);
    }
    grid->setColumnStretch(0, 1);
    column->addLayout(grid);
    return std::make_unique<PlotReadouts>(Labels{coord, panels[0], panels[1], panels[2], resultConv, resultTpf},
                                          std::move(unitLoad));
}

void PlotReadouts::showMode()
{
    l_.coord->setText(followsMouse_ ? "Coords correspond to mouse cursor" : "Coords correspond to crosshairs");
}

void PlotReadouts::showDesignPoint(double tpf)
{
    followsMouse_ = false;
    showMode();
    l_.tpf->setText(l_.resultTpf->text());
    l_.conv->setText(l_.resultConv->text());
    l_.tons->setText(unitLoad_(tpf));
}

void PlotReadouts::followMouse(const PlotMapping& m, double x, double y)
{
    if (!followsMouse_) {
        followsMouse_ = true;
        showMode();
    }
    if (!m.valid() || m.width() <= 0 || m.height() <= 0)
        return;
    const double tpf = m.yAt(y);
    try {
        l_.conv->setText(qs(FormatMetric(m.xAt(x), 5)));
        l_.tpf->setText(qs(FormatMetric(tpf, 2)));
    } catch (const ArithError&) {
        return;
    }
    l_.tons->setText(unitLoad_(tpf));
}

void PlotReadouts::mouseOff(double tpf)
{
    if (followsMouse_)
        showDesignPoint(tpf);
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
