// What a screen reader meets in a window: every input needs a name it can say, and no two
// inputs of one window (or one tab of it) may share a name.
#pragma once

#include <QString>

class QWidget;

// The faults among the inputs shown inside `root`, one line each, e.g.
//     lvNotes: no name ""
//     "Address" shared by txtAdd(1), txtAdd(2)
// and empty when every input is named well. The name checked is the one a screen reader is
// given, not the widget's property. Inputs: text boxes, drop-down list boxes, spin and date
// boxes, calendars, list, tree and table views, and buttons whose caption is only symbols.
QString AccessibleNameFaults(QWidget *root);
