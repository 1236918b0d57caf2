// The same reads and writes as the library's, done straight through the sqlite3 C API: the
// speed of the database itself, against which each call of House is measured.
#pragma once

#include "Fixtures.h"

#include <QString>

#include <array>
#include <vector>

namespace bench::baseline {

// One row as plain structs hold it: texts as QString (Null as a null QString), amounts as
// double, the counter as an integer.
template <int Texts, int Reals> struct PlainRow {
    std::array<QString, Texts> text;
    std::array<double, Reals> real{};
    qint64 id = 0;
};
using ClientRow = PlainRow<23, 1>;
using InvoiceRow = PlainRow<17, 7>;
using NoteRow = PlainRow<3, 0>;
using AddressRow = PlainRow<14, 0>;

// Opens the file as the library does (read-write, never created, busy timeout), runs the
// SELECT inside a transaction and copies every row. Empty on failure.
template <typename Row> std::vector<Row> Read(const QString &database, const char *select);

// The floors of a read: how far below the library a read could go at all. Each opens the
// file as Read does and steps the SELECT over every row; it touches no value (Step), or
// copies every value as text, in the database's UTF-8 (Utf8) or as UTF-16 (Utf16). Gives the
// rows stepped, -1 on failure.
enum class Floor { Step, Utf8, Utf16 };
qsizetype ReadFloor(const QString &database, const char *select, Floor floor);

// One insert as the library makes it: open, begin, the statement, commit, close.
bool AddClient(const QString &database, const ClientRecord &record);
bool AddInvoice(const QString &database, const InvoiceRecord &record);

} // namespace bench::baseline
