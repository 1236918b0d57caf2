#include "controls/ListViewSort.h"

#include "controls/ListView.h"

#include "startup/modGlobal.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace ListViewSort {

namespace {

constexpr char DirectionProperty[] = "listSortDirection";

// QTreeView sorts by itself when its sort indicator changes while sorting is enabled; a
// header click would then sort in the header's own order before ColumnClick sorts in the
// list's. Cut that link (made privately by the view, so by signal) so the list's direction
// alone decides. Nothing else listens to a list header's indicator.
void detachHeaderSorting(QTreeWidget *list) {
    list->header()->disconnect(SIGNAL(sortIndicatorChanged(int, Qt::SortOrder)));
    list->header()->setSortIndicatorShown(false);
    list->header()->setSectionsClickable(true);
}

} // namespace

void Setup(QTreeWidget *list, bool keepSorted, int sortColumn, Qt::SortOrder direction) {
    list->setProperty(DirectionProperty, int(direction));
    const ListView::SortScope keys;
    // The header's indicator is what a sorted QTreeWidget sorts new rows by.
    list->header()->setSortIndicator(sortColumn, direction);
    list->setSortingEnabled(keepSorted);
    if (keepSorted)
        list->sortItems(sortColumn, direction);
    detachHeaderSorting(list);
}

void KeepSorted(QTreeWidget *list) {
    const ListView::SortScope keys;
    list->setSortingEnabled(true);
    detachHeaderSorting(list);
}

Qt::SortOrder Direction(const QTreeWidget *list) {
    const QVariant value = list->property(DirectionProperty);
    return value.isValid() ? Qt::SortOrder(value.toInt()) : Qt::AscendingOrder;
}

void ColumnClick(QTreeWidget *list, int column) {
    if (!list || column < 0 || column >= list->columnCount())
        return;
    modGlobal::SetBusyPointer();
    const Qt::SortOrder direction =
        Direction(list) == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    list->setProperty(DirectionProperty, int(direction));
    list->setSortingEnabled(false);
    {
        const ListView::SortScope keys;
        list->sortItems(column, direction);
    }
    detachHeaderSorting(list);
    modGlobal::SetDefaultPointer();
}

} // namespace ListViewSort
