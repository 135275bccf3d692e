// A bitmap shown through a view of fixed size. The bitmap is held whole at
// its own size; the view shows the part of it in view: centred when the
// bitmap is smaller than the view, from its upper left corner and moved
// pixel by pixel by a horizontal and a vertical scroll bar when larger.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

class QScrollBar;

namespace vesk {

class PictureView : public QWidget {
public:
    // The view and its scroll bars carry the given names.
    PictureView(QWidget* parent, const QString& viewName, const QString& hName, const QString& vName,
                QSize viewSize);

    // Empties the view, then loads the bitmap `file` of `folder` and shows
    // it from its upper left corner. False when it cannot be loaded: the view
    // then stays empty.
    bool load(const QString& folder, const QString& file);
    // No bitmap.
    void clear();

    const QImage& picture() const { return picture_; }
    // The part of the bitmap shown, and where it stands in the view.
    QRect source() const { return QRect(src_, blit_); }
    QPoint dest() const { return dest_; }
    QSize viewSize() const;
    QWidget* view() const;
    QScrollBar* hScroll() const { return h_; }
    QScrollBar* vScroll() const { return v_; }

private:
    class View;
    void place();
    void scrolled();

    QImage picture_;
    QPoint src_, dest_;
    QSize blit_;
    View* view_ = nullptr;
    QScrollBar* h_ = nullptr;
    QScrollBar* v_ = nullptr;
};

}  // namespace vesk
