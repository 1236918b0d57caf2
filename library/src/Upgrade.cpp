// Bringing a database made by an earlier build up to date, and the state that decides whether
// payments can be kept in a file.
#include "House.h"

#include <QFileInfo>
#include <QHash>

namespace ordwen::detail {

namespace {

// The statements that turn an earlier build's file (user_version 0) into this build's, in the
// order they run inside one transaction.
const char *const paymentsSchema[] = {
    "CREATE TABLE tblPayments (PaymentID TEXT, InvoiceID TEXT, ClientID TEXT, PaidDate TEXT, Amount REAL, "
    "Method TEXT, Notes TEXT, AddDate TEXT, ID INTEGER PRIMARY KEY AUTOINCREMENT)",
    "CREATE INDEX idxPaymentsInvoice ON tblPayments (InvoiceID)",
    "CREATE INDEX idxPaymentsClient ON tblPayments (ClientID)",
    "PRAGMA user_version = 1",
};

// Why each file's upgrade was refused in this process, so that the payment calls can say so.
QHash<QString, QString> &refusals() {
    static QHash<QString, QString> reasons;
    return reasons;
}

QString fileKey(const QString &file) {
    const QFileInfo info(file);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

QString withEngineText(const QString &what, const Connection &connection) {
    return what + QStringLiteral(" (") + connection.ErrorDescription() + QLatin1Char(')');
}

UpgradeOutcome refused(const QString &reason) {
    return {UpgradeResult::Refused, reason};
}

UpgradeOutcome unreadable(const QString &reason) {
    return {UpgradeResult::Unreadable, reason};
}

// Why a file in this state cannot hold payments, as its tables show it.
QString stateReason(const Recordset &state) {
    if (state.Fields(QStringLiteral("Version")).toInt() >= 1)
        return QStringLiteral("it has no payments table");
    if (state.Fields(QStringLiteral("Taken")).toInt() > 0)
        return QStringLiteral(
            "it already holds a table or index of that name that this program did not make");
    if (state.Fields(QStringLiteral("Invoices")).toInt() != 1)
        return QStringLiteral("it holds no invoices table");
    return QStringLiteral(
        "it was made by an earlier version of the program and has not been brought up to date");
}

UpgradeOutcome upgrade(Connection &connection, const QString &file) {
    if (!connection.Open())
        return unreadable(withEngineText(QStringLiteral("the file could not be opened"), connection));
    const RecordsetPtr state = connection.Execute(DatabaseStateQuery());
    if (!state || state->RecordCount() != 1)
        return unreadable(withEngineText(QStringLiteral("the file could not be read"), connection));
    if (state->Fields(QStringLiteral("Version")).toInt() >= 1)
        return {};
    if (state->Fields(QStringLiteral("Invoices")).toInt() != 1)
        return unreadable(stateReason(*state));
    if (state->Fields(QStringLiteral("Taken")).toInt() > 0)
        return refused(stateReason(*state));
    if (!QFileInfo(file).isWritable())
        return refused(QStringLiteral("the file is read-only"));

    if (!connection.BeginTrans())
        return refused(withEngineText(QStringLiteral("the file could not be changed"), connection));
    for (const char *statement : paymentsSchema) {
        if (!connection.Execute(QString::fromLatin1(statement))) {
            const UpgradeOutcome outcome =
                refused(withEngineText(QStringLiteral("the file could not be changed"), connection));
            connection.RollbackTrans();
            return outcome;
        }
    }
    if (!connection.CommitTrans()) {
        const UpgradeOutcome outcome =
            refused(withEngineText(QStringLiteral("the change could not be saved"), connection));
        connection.RollbackTrans();
        return outcome;
    }
    return {UpgradeResult::Upgraded, QString()};
}

} // namespace

QString DatabaseStateQuery() {
    return QStringLiteral("SELECT (SELECT user_version FROM pragma_user_version) AS Version,"
                          "(SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND lower(name) = "
                          "'tblpayments') AS PaymentsTable,"
                          "(SELECT COUNT(*) FROM sqlite_master WHERE lower(name) IN "
                          "('tblpayments','idxpaymentsinvoice','idxpaymentsclient')) AS Taken,"
                          "(SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND lower(name) = "
                          "'tblinvoices') AS Invoices");
}

QString PaymentsRefusalReason(const Recordset &state, const QString &file) {
    if (state.Fields(QStringLiteral("Version")).toInt() >= 1 &&
        state.Fields(QStringLiteral("PaymentsTable")).toInt() == 1)
        return QString();
    const QString reason = refusals().value(fileKey(file));
    return reason.isEmpty() ? stateReason(state) : reason;
}

} // namespace ordwen::detail

namespace ordwen {

UpgradeOutcome UpgradeDatabase(const QString &file) {
    Connection connection;
    connection.setConnectionString(QStringLiteral("Data Source=") + file + QLatin1Char(';'));
    const UpgradeOutcome outcome = detail::upgrade(connection, file);
    connection.Close();
    if (outcome.result == UpgradeResult::Refused || outcome.result == UpgradeResult::Unreadable)
        detail::refusals().insert(detail::fileKey(file), outcome.reason);
    else
        detail::refusals().remove(detail::fileKey(file));
    return outcome;
}

} // namespace ordwen
