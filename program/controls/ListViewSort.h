// The header-click sort that every list view of the program shares.
//
// A list has one sort direction for all its columns, kept on the list itself, so clicking
// "City" after "Client" goes on alternating. Cells compare as text ("100" before "25").
// A list that keeps itself sorted places new rows in order as they are added; the first
// header click sorts it once and switches that off, so rows loaded later arrive in the
// order the library gives them.
#pragma once

#include <Qt>

class QTreeWidget;

namespace ListViewSort {

// The settings a list starts with: whether it keeps itself sorted, the sort column (0 is the
// first column) and the direction. Also stops the list's own header handling from sorting,
// so that only ColumnClick sorts on a header click.
void Setup(QTreeWidget *list, bool keepSorted, int sortColumn, Qt::SortOrder direction = Qt::AscendingOrder);

// The header click: flips the list's direction, sorts all rows once by the column in the
// new direction and switches keeping itself sorted off. Shows the hourglass meanwhile.
void ColumnClick(QTreeWidget *list, int column);

// Switches keeping itself sorted back on after a fill and sorts the list once, by the
// column and direction it was sorting by.
void KeepSorted(QTreeWidget *list);

// The list's current direction (ascending before the first click).
Qt::SortOrder Direction(const QTreeWidget *list);

} // namespace ListViewSort
