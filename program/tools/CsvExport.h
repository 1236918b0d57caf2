// Export of the records to CSV files that spreadsheet programs open: clients.csv,
// invoices.csv, notes.csv, addresses.csv and payments.csv, each with every column of its table and the
// column names in the first row. Fields are quoted as RFC 4180 has it (a field holding a
// comma, a quote or a line break stands in quotes, its quotes doubled), lines end in CR LF,
// and the text is UTF-8 after a byte-order mark, so that accents read right. Dates are the
// stored ISO text; amounts are written with a point. A text that begins as a formula does
// (=, +, -, @, a tab or a carriage return) is written after an apostrophe, so that opening
// the file never runs it.
#pragma once

#include <ordwen/ordwen.h>

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace tools {

// The files an export writes, in order.
QStringList ExportFileNames();

// One value as a CSV field: Null is empty, a number has a point and the shortest form that
// reads back as the stored number, anything else is its text (after an apostrophe when it
// begins as a formula does); quoted when it must be.
QString CsvField(const QVariant &value);

// The whole file of one recordset: the byte-order mark, the header, one line per row.
QByteArray CsvFile(ordwen::Recordset &rows);

// Reads the five tables through House and writes the five files into the folder. Either
// all five files are written or, on failure, none is changed; the failure says why.
std::optional<QString> ExportToFolder(ordwen::_House &house, const QString &folder);

// Tools > Export to CSV...: asks for the folder, asks before replacing earlier exports,
// exports and tells the user what happened.
void ExportRecords(QWidget *parent);

// How the folder is asked for; tests set their own. Empty: the folder dialog.
void SetFolderChooser(std::function<QString(QWidget *parent)> chooser);

} // namespace tools
