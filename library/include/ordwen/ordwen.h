// Public interface of the data-access library ordwen: the class House, reached through its
// abstract interface _House, and the value types that cross the boundary (Connection,
// Recordset). The program includes this header and nothing else of the library.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <memory>

#if defined(ORDWEN_BUILDING)
#define ORDWEN_EXPORT __attribute__((visibility("default")))
#else
#define ORDWEN_EXPORT
#endif

namespace ordwen {

namespace detail {
class RowStore;
}

// Class, interface and type-library identifiers: the contract between program and library.
inline constexpr char CLSID_House[] = "{536FF5C7-CF17-43B4-838E-E2D93EEE2548}";
inline constexpr char IID__House[] = "{17BB324A-EFD7-435A-9A5D-DE6A7E1DD57B}";
inline constexpr char LIBID_ordwen[] = "{CB6FAD83-CC58-4F59-AC51-527AB3613D84}";
inline constexpr char LibraryVersion[] = "2.00.0028";

// Status codes of the entry points, as an in-process server reports them.
inline constexpr std::int32_t S_OK_ = 0;
inline constexpr std::int32_t S_FALSE_ = 1;
inline constexpr std::int32_t E_POINTER_ = static_cast<std::int32_t>(0x80004003u);
inline constexpr std::int32_t E_NOINTERFACE_ = static_cast<std::int32_t>(0x80004002u);
inline constexpr std::int32_t CLASS_E_CLASSNOTAVAILABLE_ = static_cast<std::int32_t>(0x80040111u);

// Client-side cursors: the only cursor location the library uses.
inline constexpr int adUseClient = 3;

// A detached, read-only copy of the rows a query returned. Fields are found by name
// (case-insensitive) or by index; a database Null is an invalid QVariant, distinct from
// empty text.
class ORDWEN_EXPORT Recordset {
public:
    Recordset() = default;
    Recordset(QStringList fieldNames, QList<QVariantList> rows);
    // The rows as the library reads them from the database (its own compact form).
    Recordset(QStringList fieldNames, std::shared_ptr<const detail::RowStore> rows);

    int FieldCount() const { return m_fieldNames.size(); }
    QString FieldName(int index) const { return m_fieldNames.value(index); }
    int FieldIndex(const QString &name) const; // -1 when there is no such field
    int RecordCount() const { return m_count; }

    bool isBOF() const { return m_count == 0 || m_position < 0; }
    bool isEOF() const { return m_count == 0 || m_position >= m_count; }
    void MoveFirst() { m_position = 0; }
    void MoveNext();
    void MovePrevious();

    // The value of a field of the current row; an invalid QVariant for Null, for an unknown
    // field, and when there is no current row.
    QVariant Fields(const QString &name) const;
    QVariant Fields(int index) const;
    // The value of a field of any row (0 is the first), as Fields gives it with that row
    // current; an invalid QVariant outside the rows. A list keeps a copy of its recordset
    // and reads the few rows it shows this way, without moving anyone's current row.
    QVariant Value(int row, int index) const;
    // The same, with a text value cut to its first maxChars characters: the rest of a long
    // text is not converted at all.
    QVariant Value(int row, int index, qsizetype maxChars) const;
    bool IsNull(const QString &name) const { return !Fields(name).isValid(); }

    // Text of a field as the program shows it: empty for Null.
    QString Text(const QString &name) const;

    bool isOpen() const { return m_open; }
    void Close();

private:
    QStringList m_fieldNames;
    QList<QVariantList> m_rows;
    int m_position = 0;
    bool m_open = true;
    std::shared_ptr<const detail::RowStore> m_store; // the rows when read from the database
    int m_count = 0;                                 // rows in m_rows or m_store
};

using RecordsetPtr = std::shared_ptr<Recordset>;

class ConnectionPrivate;

// The settings of one connection to the database file, and the connection itself while a
// call of House runs. It is never open between calls.
class ORDWEN_EXPORT Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection &other);
    Connection &operator=(const Connection &other);

    QString ConnectionString() const;
    void setConnectionString(const QString &text);
    int CursorLocation() const;
    void setCursorLocation(int location);

    // The database file named by "Data Source=" in the connection string.
    QString DataSource() const;

    bool Open();
    void Close();
    bool IsOpen() const;

    bool BeginTrans();
    bool CommitTrans();
    bool RollbackTrans();

    // Runs one statement; a SELECT gives its rows, anything else an empty recordset.
    // Nothing on failure, with the engine's error kept for ErrorNumber / ErrorDescription.
    RecordsetPtr Execute(const QString &statement);
    // Runs one statement that gives no rows, with each "?" in it bound to the next of values,
    // stored as given; otherwise as Execute.
    RecordsetPtr Execute(const QString &statement, const QStringList &values);

    // The last failure: the database engine's result code and message text.
    int ErrorNumber() const;
    QString ErrorDescription() const;
    void ClearErrors();
    // A failure the library finds itself, kept as the engine's would be.
    void SetError(int number, const QString &description);

private:
    std::unique_ptr<ConnectionPrivate> d;
};

using ConnectionPtr = std::shared_ptr<Connection>;

// What bringing a database file made by an earlier build up to date came to.
enum class UpgradeResult {
    Current,    // nothing to do: the file already holds everything this build stores
    Upgraded,   // the missing tables were added, in one transaction
    Refused,    // the file cannot take them; it was left exactly as it was
    Unreadable, // no database of this program, or one that cannot be read: left alone
};
struct UpgradeOutcome {
    UpgradeResult result = UpgradeResult::Current;
    QString reason; // why it was refused or unreadable, in the user's words; empty otherwise
};

// Adds to the database file what this build stores and an earlier one did not (the payments
// table and its indexes), then marks the file as current. Run once at start-up, before any
// House call; a refused file stays usable, only payments are then refused.
ORDWEN_EXPORT UpgradeOutcome UpgradeDatabase(const QString &file);

// The default interface of House, its members in slot order. Text arrays are changed in
// place: elements that pass through Clean come back escaped.
class ORDWEN_EXPORT _House {
public:
    // 1 to 3: the connection.
    virtual ConnectionPtr conDataBase() const = 0;
    virtual void letConDataBase(const Connection &connection) = 0;
    virtual void setConDataBase(ConnectionPtr connection) = 0;
    // 4 to 7: the name of the method whose failure was shown last, and the connection string.
    virtual QString strFunction() const = 0;
    virtual void setStrFunction(const QString &text) = 0;
    virtual QString strConnect() const = 0;
    virtual void setStrConnect(const QString &text) = 0;

    virtual bool AddClient(QStringList &strText, float sngFee) = 0;    // 8
    virtual bool UpdateClient(QStringList &strText, float sngFee) = 0; // 9
    virtual RecordsetPtr GetNewClientID() = 0;                         // 10
    virtual bool DeleteClient(const QString &strID) = 0;               // 11
    virtual bool DeleteNote(const QString &strID) = 0;                 // 12
    virtual bool DeleteInvoice(const QString &strID) = 0;              // 13
    virtual RecordsetPtr LoadClients() = 0;                            // 14
    virtual RecordsetPtr LoadNotes() = 0;                              // 15
    virtual RecordsetPtr LoadInvoices() = 0;                           // 16
    virtual bool AddNotes(QStringList &strText) = 0;                   // 17
    virtual RecordsetPtr GetNewBillID() = 0;                           // 18
    virtual RecordsetPtr GetNewNameID() = 0;                           // 19
    virtual RecordsetPtr GetNewNoteID() = 0;                           // 20
    virtual RecordsetPtr GetNewInvoiceID() = 0;                        // 21
    virtual bool AddInvoice(QStringList &strText, QList<float> &sngAmounts,
                            const QDateTime &datDate) = 0; // 22
    virtual bool AddAddress(QStringList &strText) = 0;     // 23
    virtual RecordsetPtr GetNewAddressID() = 0;            // 24
    virtual RecordsetPtr RefreshClients() = 0;             // 25
    virtual RecordsetPtr RefreshAddress() = 0;             // 26
    virtual bool UpdateAddress(QStringList &strText) = 0;  // 27
    virtual bool DeleteAddress(const QString &strID) = 0;  // 28
    virtual RecordsetPtr LoadNames() = 0;                  // 29
    virtual RecordsetPtr LoadOwner() = 0;                  // 30
    virtual bool AddOwner(QStringList &strText) = 0;       // 31
    virtual bool UpdateOwner(QStringList &strText) = 0;    // 32
    virtual bool UpdateNotes(QStringList &strText) = 0;    // 33
    virtual QString Clean(QString &strText) = 0;           // 34

    // 35 to 39: payments received against invoices. When the database cannot hold them (an
    // earlier build's file that could not be brought up to date), each of these shows the
    // library's message saying why and returns false or nothing; a read then keeps the same
    // reason as the connection's error, like any failed read.
    // strText: PaymentID, InvoiceID, ClientID, Method, Notes (texts pass through Clean). The
    // invoice must be the client's, the amount above zero, the date valid and the method one
    // of Cash, Check, Card, Transfer, Other; anything else is refused with a message.
    virtual bool AddPayment(QStringList &strText, float sngAmount, const QDate &datPaid) = 0; // 35
    virtual bool DeletePayment(const QString &strID) = 0; // 36 (asks first, like DeleteInvoice)
    // The client's payments (every payment when strClientID is empty), fields PaymentID,
    // InvoiceID, ClientID, PaidDate, Amount, Method, Notes, AddDate, ID; ordered by PaidDate, ID.
    virtual RecordsetPtr LoadPayments(const QString &strClientID) = 0; // 37
    // strClientID empty: one row per client that has invoices, fields ClientID, Client,
    //   Invoiced, Paid, Owed, OldestUnpaid (the oldest ServiceDate of an invoice still owing,
    //   Null when nothing is owed), ordered by Owed descending, Client;
    // strClientID given: one row per invoice of that client, fields InvoiceID, ServiceDate,
    //   TotalAmt, Paid, Owed, ordered by ServiceDate, ID.
    // Amounts are rounded to cents; Owed is the invoiced amount less the payments.
    virtual RecordsetPtr LoadBalances(const QString &strClientID) = 0; // 38
    virtual RecordsetPtr GetNewPaymentID() = 0;                        // 39 (MAX(ID) AS [NewPaymentID])

    // Releasing the last reference runs the class's terminate step.
    virtual ~_House() = default;
};

} // namespace ordwen

extern "C" {
// Creates a House when rclsid is the House class identifier (letter case aside) and riid is
// its interface identifier or null; *ppv receives an ordwen::_House* that the caller deletes.
// Any other class is refused with CLASS_E_CLASSNOTAVAILABLE_ and *ppv set to null.
ORDWEN_EXPORT std::int32_t DllGetClassObject(const char *rclsid, const char *riid, void **ppv);
// The library lies beside the program and is found there: registering is not needed.
ORDWEN_EXPORT std::int32_t DllRegisterServer(void);
ORDWEN_EXPORT std::int32_t DllUnregisterServer(void);
ORDWEN_EXPORT std::int32_t DllCanUnloadNow(void);

// The folder the library treats as its own (where home/home.qd and error.log lie). By
// default the folder of libordwen.so; a non-empty folder given here replaces it (tests use
// this to work in a folder of their own), an empty or null one restores the default.
ORDWEN_EXPORT void OrdwenSetApplicationFolder(const char *folder);
ORDWEN_EXPORT const char *OrdwenApplicationFolder(void);

// The text of the last statement any House executed (UTF-8), for tests that check what was
// sent to the database. Empty before the first statement.
ORDWEN_EXPORT const char *OrdwenLastStatement(void);
}
