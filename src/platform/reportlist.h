// A list view in report style: rows of columns, one row selected at a time,
// no editing. It reports the mouse and key events by which the program's lists
// act: an item hit (pressed, or reached by the keys), a press beside the rows,
// the click that ends with the button's release, the release itself and the
// double-click.
#pragma once

#include <QStringList>
#include <QTreeWidget>

#include <functional>

namespace vesk {

class ReportList : public QTreeWidget {
public:
    ReportList(QWidget* parent, const QString& name, const QStringList& headers);

    std::function<void(QTreeWidgetItem*)> onItemHit;  // an item selected by mouse or key
    std::function<void()> onPressBeside;               // a press beside the rows
    std::function<void()> onClick;                     // every click, after the button is released
    std::function<void()> onMouseUp;
    std::function<void()> onDoubleClick;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace vesk
