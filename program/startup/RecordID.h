// Record identifiers: a fixed prefix followed by one more than the largest ID counter of
// the record's table (QD-1, QD-42, INV-3). The number comes from the ID counter the library
// reports, never from the text of existing identifiers.
#pragma once

#include <ordwen/ordwen.h>

#include <QString>

namespace RecordID {

// Asks the shared House for the largest counter (one of its GetNew...ID methods, whose one
// row holds the named field) and returns prefix + number: 1 for an empty table.
// Returns empty text when the answer cannot be read (no recordset, no row, no such field,
// not a number): the caller must then refuse to save rather than invent a number.
QString Next(ordwen::RecordsetPtr (ordwen::_House::*ask)(), const QString &field, const QString &prefix);

} // namespace RecordID
