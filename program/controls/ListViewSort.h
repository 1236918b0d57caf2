// The header-click sort that every list view of the program shares.
//
// A list has one sort direction for all its columns, kept on the list itself, so clicking
// "City" after "Client" goes on alternating. Cells compare as text, as the user's locale
// sorts it ("100" before "25"; letter case and accents as a person reads them). A list that
// keeps itself sorted puts its rows in order at every fill; the first header click sorts it
// once and switches that off, so rows loaded later arrive in the order the library gives
// them.
#pragma once

#include <Qt>

class ListView;

namespace ListViewSort {

// The settings a list starts with: whether it keeps itself sorted, the sort column (0 is the
// first column) and the direction.
void Setup(ListView *list, bool keepSorted, int sortColumn, Qt::SortOrder direction = Qt::AscendingOrder);

// The header click: flips the list's direction, sorts all rows once by the column in the
// new direction and switches keeping itself sorted off. Shows the hourglass meanwhile.
void ColumnClick(ListView *list, int column);

// The list's current direction (ascending before the first click).
Qt::SortOrder Direction(const ListView *list);

} // namespace ListViewSort
