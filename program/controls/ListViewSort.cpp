#include "controls/ListViewSort.h"

#include "controls/ListView.h"
#include "controls/WaitPointer.h"

namespace ListViewSort {

namespace {
constexpr char DirectionProperty[] = "listSortDirection";
}

void Setup(ListView *list, bool keepSorted, int sortColumn, Qt::SortOrder direction) {
    list->setProperty(DirectionProperty, int(direction));
    list->SortRows(sortColumn, direction);
    list->setSortingEnabled(keepSorted);
}

Qt::SortOrder Direction(const ListView *list) {
    const QVariant value = list->property(DirectionProperty);
    return value.isValid() ? Qt::SortOrder(value.toInt()) : Qt::AscendingOrder;
}

void ColumnClick(ListView *list, int column) {
    if (!list || column < 0 || column >= list->columnCount())
        return;
    const controls::WaitPointer wait;
    const Qt::SortOrder direction =
        Direction(list) == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    list->setProperty(DirectionProperty, int(direction));
    list->setSortingEnabled(false);
    list->SortRows(column, direction);
}

} // namespace ListViewSort
