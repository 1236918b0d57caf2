// The report data source: a connection of its own to home/home.qd and the five commands
// the reports are built from. It reads only; the reports never go through House.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>
#include <memory>
#include <optional>

namespace reports {

// The rows one command returned: field names, rows, and for the grouped command one child
// rowset per parent row. A rowset stays readable after Close (a report already laid out
// keeps its rows); Close only marks that the command's last result is finished with.
class Rowset {
public:
    Rowset() = default;
    Rowset(QStringList fields, QList<QVariantList> rows);

    const QStringList &Fields() const { return m_fields; }
    int FieldIndex(const QString &name) const; // case-insensitive, -1 when missing
    int RowCount() const { return int(m_rows.size()); }
    // A field of a row; an invalid QVariant for Null, an unknown field or row.
    QVariant Value(int row, int field) const;
    QVariant Value(int row, const QString &field) const { return Value(row, FieldIndex(field)); }

    // The child rowset of a parent row (grouped command), null for a flat rowset.
    std::shared_ptr<const Rowset> Child(int row) const;
    void SetChildren(QString name, QList<std::shared_ptr<const Rowset>> children);
    QString ChildName() const { return m_childName; }

    // Puts the rows in the given order: order[i] is the row that becomes row i.
    void Reorder(const QList<int> &order);

    bool IsOpen() const { return m_open; }
    void Close() { m_open = false; }

private:
    QStringList m_fields;
    QList<QVariantList> m_rows;
    QString m_childName;
    QList<std::shared_ptr<const Rowset>> m_children;
    bool m_open = true;
};

using RowsetPtr = std::shared_ptr<Rowset>;

enum class Command { cmdAddress, cmdClients, cmdInvoice, cmdNotes, cmdClientByType_Grouping };
inline constexpr int CommandCount = 5;

// What a report read by several statements is laid out from: its rows, and one row of values
// of the report as a whole that its headers and footers print.
struct ReportRows {
    RowsetPtr rows;
    RowsetPtr values;
    bool known = true; // false: nothing of what the report is about is stored
};

class DataReport {
public:
    // The one program-wide data source, created on first use.
    static DataReport &Instance();
    // True once Instance has created it and Release has not dropped it since.
    static bool Exists();
    // Closes the connection and drops the data source (shut-down). Harmless when none exists.
    static void Release();

    ~DataReport();
    DataReport(const DataReport &) = delete;
    DataReport &operator=(const DataReport &) = delete;

    // The command's text as stored, with "?" standing for its parameter.
    static QString CommandText(Command command);
    static QString CommandName(Command command);
    // The name of the data source's connection.
    static QString ConnectionName();

    // Runs the command (binding parameter to its "?"), keeping the rows as the command's
    // result. Opens the connection on first use. False when the database cannot be read:
    // the command then has no result.
    bool Execute(Command command, const QVariant &parameter = QVariant());
    // The last result of the command (null before the first run or after a failed one).
    RowsetPtr Result(Command command) const;
    bool IsOpen(Command command) const;
    void Close(Command command);

    // One client's statement of account. Values: the business block (Company, Address,
    // CompanyAddress, Phone, Email), the client's billing address (ClientID, Client, and the
    // lines BillTo1 to BillTo3 without gaps: from the client record, or for a deleted client
    // from its latest invoice) and the totals (Invoiced, Paid, AmountDue). Rows: Date, Number, Details,
    // Invoiced, Paid, Balance: every invoice and payment in date order, an invoice before a
    // payment of the same day, each with the balance after it. Amounts are summed in cents.
    // Nothing when the database cannot be read (LastError says why).
    std::optional<ReportRows> Statement(const QString &clientID);
    // One year's income. Rows: Month, Abbreviation, Invoiced (TotalAmt of the invoices by
    // service date), Received (payments by paid date), January to December. Values: Year,
    // Invoiced, Received for the whole year.
    std::optional<ReportRows> IncomeByMonth(int year);

    bool IsConnected() const;
    // The engine's message for the last failed run.
    QString LastError() const { return m_lastError; }

private:
    DataReport();
    bool Connect();
    // Runs one statement with its parameters bound in order; null on failure (LastError).
    RowsetPtr Query(const QString &statement, const QVariantList &parameters = {});
    void Disconnect();

    std::array<RowsetPtr, CommandCount> m_results{};
    QString m_databaseFile; // the file the open connection reads
    QString m_lastError;
};

} // namespace reports
