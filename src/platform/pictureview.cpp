#include "platform/pictureview.h"

#include "platform/wheel.h"

#include <QDir>
#include <QGridLayout>
#include <QImageReader>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace vesk {

class PictureView::View : public QWidget {
public:
    View(PictureView* owner, QSize size) : QWidget(owner), owner_(owner)
    {
        setFixedSize(size);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window));
        if (!owner_->picture_.isNull())
            p.drawImage(owner_->dest_, owner_->picture_, owner_->source());
    }
    // The wheel scrolls a bitmap larger than the view: the bars move a pixel
    // a step, the wheel a line of 20 pixels.
    void wheelEvent(QWheelEvent* event) override
    {
        constexpr int kWheelLine = 20;
        event->setAccepted(ScrollByWheel(*event, owner_->h_, owner_->v_, kWheelLine));
    }

private:
    PictureView* owner_;
};

PictureView::PictureView(QWidget* parent, const QString& viewName, const QString& hName, const QString& vName,
                         QSize viewSize)
    : QWidget(parent)
{
    view_ = new View(this, viewSize);
    view_->setObjectName(viewName);
    h_ = new QScrollBar(Qt::Horizontal, this);
    h_->setObjectName(hName);
    v_ = new QScrollBar(Qt::Vertical, this);
    v_->setObjectName(vName);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(view_, 0, 0);
    grid->addWidget(v_, 0, 1);
    grid->addWidget(h_, 1, 0);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(h_, &QScrollBar::valueChanged, this, &PictureView::scrolled);
    connect(v_, &QScrollBar::valueChanged, this, &PictureView::scrolled);
    place();
}

QSize PictureView::viewSize() const { return view_->size(); }

QWidget* PictureView::view() const { return view_; }

bool PictureView::load(const QString& folder, const QString& file)
{
    clear();
    QImageReader reader(QDir(folder).filePath(file));
    QImage image;
    const bool ok = !file.isEmpty() && reader.read(&image);
    if (ok)
        picture_ = std::move(image);
    place();
    return ok;
}

void PictureView::clear()
{
    picture_ = QImage();
    place();
}

void PictureView::place()
{
    const QSize view = viewSize();
    const QSize pic = picture_.size();
    // Each direction on its own: a scroll bar over the excess size, or the
    // bitmap centred.
    const auto fit = [](QScrollBar* bar, int size, int inView, int& blit, int& dest) {
        const QSignalBlocker quiet(bar);
        if (size > inView) {
            bar->setRange(0, size - inView);
            bar->setPageStep(inView);
            bar->setValue(0);
            bar->setEnabled(true);
            blit = inView;
            dest = 0;
        } else {
            bar->setRange(0, 0);
            bar->setEnabled(false);
            blit = size;
            dest = (inView - size) / 2;
        }
    };
    int bw = 0, bh = 0, dx = 0, dy = 0;
    fit(h_, pic.width(), view.width(), bw, dx);
    fit(v_, pic.height(), view.height(), bh, dy);
    blit_ = QSize(bw, bh);
    dest_ = QPoint(dx, dy);
    src_ = QPoint(0, 0);
    view_->update();
}

void PictureView::scrolled()
{
    src_ = QPoint(h_->value(), v_->value());
    view_->update();
}

}  // namespace vesk
