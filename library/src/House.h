// The class House: one connection's settings and every statement the program runs.
#pragma once

#include <ordwen/ordwen.h>

#include <functional>

class QMessageBox;

namespace ordwen::detail {

QString LibraryTitle();
// Shows one of the library's boxes and gives the button pressed.
int ExecBox(QMessageBox &box);
// The folder of libordwen.so, or the one tests set in its place.
QString LibraryFolder();
void SetLibraryFolder(const QString &folder);

// A statement to run: its text and the long texts bound to it. A note may be megabytes long;
// bound beside the text it is neither copied into the statement nor read by the engine's
// parser, each of which would cost as much as the note again.
struct Statement {
    Statement(QString sql = {}) : text(std::move(sql)) {} // implicit: most statements are a text alone

    // Writes a "?" for value, which is stored exactly as given (no apostrophes doubled).
    void bind(QString value);

    QString text;
    QStringList values;      // in the order of their "?"
    QList<qsizetype> places; // where each value's "?" stands in text
};

// The last statement executed, for tests, with every bound value written in as the quoted
// literal it stands for. Keeping it shares the statement's texts, so no call pays for it;
// only asking for it does.
QString LastStatement();

// Text items of a statement. Every value item and assignment ends with the comma that
// separates it from the next; Closed turns the last comma into the statement's end.
QString Escaped(const QString &value);                         // apostrophes doubled, NUL removed
QString Quoted(const QString &value);                          // "'" + escaped value + "',"
QString Literal(const QString &safeText);                      // "'" + text + "'," (text already safe)
QString Assigned(const char *column, const QString &safeText); // "Column = 'text',"
QString Closed(QString sql, QLatin1StringView end);            // last comma replaced by end
QString TrimmedBlanks(const QString &value);                   // blanks off both ends only
QString Number(float value);                                   // shortest text, point as separator
QString NowText();                                             // the current date and time
QString DateText(const QDateTime &value);                      // a date, with its time when it has one

// What the database file holds of this build's tables: fields Version (its user_version),
// PaymentsTable (1 when tblPayments is a table), Taken (tables or indexes named as the
// payment ones, of any kind) and Invoices (1 when tblInvoices is a table).
QString DatabaseStateQuery();
// Why a database in that state cannot hold payments, in the user's words; empty when it can.
QString PaymentsRefusalReason(const Recordset &state, const QString &file);

class House final : public _House {
public:
    House();           // Class_Initialize
    ~House() override; // Class_Terminate

    ConnectionPtr conDataBase() const override { return m_conDataBase; }
    void letConDataBase(const Connection &connection) override;
    void setConDataBase(ConnectionPtr connection) override { m_conDataBase = std::move(connection); }
    QString strFunction() const override { return m_strFunction; }
    void setStrFunction(const QString &text) override { m_strFunction = text; }
    QString strConnect() const override { return m_strConnect; }
    void setStrConnect(const QString &text) override { m_strConnect = text; }

    bool AddClient(QStringList &strText, float sngFee) override;
    bool UpdateClient(QStringList &strText, float sngFee) override;
    RecordsetPtr GetNewClientID() override;
    bool DeleteClient(const QString &strID) override;
    bool DeleteNote(const QString &strID) override;
    bool DeleteInvoice(const QString &strID) override;
    RecordsetPtr LoadClients() override;
    RecordsetPtr LoadNotes() override;
    RecordsetPtr LoadInvoices() override;
    bool AddNotes(QStringList &strText) override;
    RecordsetPtr GetNewBillID() override;
    RecordsetPtr GetNewNameID() override;
    RecordsetPtr GetNewNoteID() override;
    RecordsetPtr GetNewInvoiceID() override;
    bool AddInvoice(QStringList &strText, QList<float> &sngAmounts, const QDateTime &datDate) override;
    bool AddAddress(QStringList &strText) override;
    RecordsetPtr GetNewAddressID() override;
    RecordsetPtr RefreshClients() override;
    RecordsetPtr RefreshAddress() override;
    bool UpdateAddress(QStringList &strText) override;
    bool DeleteAddress(const QString &strID) override;
    RecordsetPtr LoadNames() override;
    RecordsetPtr LoadOwner() override;
    bool AddOwner(QStringList &strText) override;
    bool UpdateOwner(QStringList &strText) override;
    bool UpdateNotes(QStringList &strText) override;
    QString Clean(QString &strText) override;
    bool AddPayment(QStringList &strText, float sngAmount, const QDate &datPaid) override;
    bool DeletePayment(const QString &strID) override;
    RecordsetPtr LoadPayments(const QString &strClientID) override;
    RecordsetPtr LoadBalances(const QString &strClientID) override;
    RecordsetPtr GetNewPaymentID() override;

private:
    // How a write call reports its failure.
    struct WriteCall {
        const char *method;        // strFunction and the message's last line
        const char *label;         // the error-log label
        int bannerBlanks;          // blanks before the log's banner when it creates the file
        bool showMessage = true;   // all but UpdateClient
        qsizetype minimumElements; // fewer elements are refused
    };

    // The statement of a write call, built from the caller's array once the connection is
    // open and the array is known to be long enough.
    using StatementBuilder = std::function<Statement()>;

    bool writeCall(const WriteCall &call, const QStringList &strText, const StatementBuilder &build);
    RecordsetPtr numberCall(const char *method, const QString &statement);
    RecordsetPtr readCall(const QString &statement);
    bool deleteCall(const QString &statement, const QString &confirmation);

    RecordsetPtr execute(const Statement &statement);
    // One query on a connection of its own, shown to nobody: nothing when it fails.
    RecordsetPtr probe(const QString &statement);
    // Why this database cannot hold payments; empty when it can, and when that could not be
    // found out (the call then fails in its own way).
    QString paymentsRefusal();
    // Tells the user that method cannot work on payments here, and keeps the reason as the
    // connection's error.
    void refusePayments(const char *method, const QString &reason);
    // What is wrong with a payment before it is stored; empty when nothing is.
    QString paymentFault(const QStringList &strText, float sngAmount, const QDate &datPaid);
    // The identifiers of the payments recorded against an invoice, comma-separated.
    QString paymentsAgainst(const QString &invoiceID);
    void showMessage(const QString &text);
    void showFailureMessage(int number, const QString &description);

    // A value that Clean takes: quoted, as a value item, or as a column's assignment. The
    // caller's element keeps the doubled apostrophes, as Clean leaves it.
    QString QuotedClean(QString &value) { return Literal(Clean(value)); }
    QString AssignedClean(const char *column, QString &value) { return Assigned(column, Clean(value)); }
    // What Clean gives, apostrophes as typed, for a value bound to its statement; the caller's
    // element is left as Clean leaves it.
    QString CleanBound(QString &value);

    ConnectionPtr m_conDataBase;
    QString m_strFunction;
    QString m_strConnect;
};

} // namespace ordwen::detail
