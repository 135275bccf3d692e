#include "platform/reportlist.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vesk {

ReportList::ReportList(QWidget* parent, const QString& name, const QStringList& headers) : QTreeWidget(parent)
{
    setObjectName(name);
    setColumnCount(static_cast<int>(headers.size()));
    setHeaderLabels(headers);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
}

void ReportList::mousePressEvent(QMouseEvent* e)
{
    QTreeWidget::mousePressEvent(e);
    QTreeWidgetItem* item = itemAt(e->position().toPoint());
    if (item) {
        if (onItemHit)
            onItemHit(item);
    } else if (onPressBeside) {
        onPressBeside();
    }
}

void ReportList::mouseReleaseEvent(QMouseEvent* e)
{
    QTreeWidget::mouseReleaseEvent(e);
    if (onClick)
        onClick();
    if (onMouseUp)
        onMouseUp();
}

void ReportList::mouseDoubleClickEvent(QMouseEvent* e)
{
    QTreeWidget::mouseDoubleClickEvent(e);
    if (onDoubleClick)
        onDoubleClick();
}

void ReportList::keyPressEvent(QKeyEvent* e)
{
    QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(e);
    QTreeWidgetItem* after = currentItem();
    if (after && after != before && onItemHit)
        onItemHit(after);
}

}  // namespace vesk
