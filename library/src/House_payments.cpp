#include "House.h"

#include "ErrorLog.h"

#include <QMessageBox>

#include <cmath>

namespace ordwen::detail {

namespace {

// The error number a payment call keeps when the database cannot hold payments.
constexpr int errPaymentsUnavailable = 3251;

const QStringList &paymentMethods() {
    static const QStringList methods = {QStringLiteral("Cash"), QStringLiteral("Check"),
                                        QStringLiteral("Card"), QStringLiteral("Transfer"),
                                        QStringLiteral("Other")};
    return methods;
}

QString textLiteral(const QString &value) {
    return QLatin1Char('\'') + Escaped(value) + QLatin1Char('\'');
}

// Each invoice with what has been paid against it (Paid), optionally only those of a client.
// A payment counts for the invoice it names.
QString invoicesWithPaid(const QString &clientID) {
    QString sql = QStringLiteral(
        "SELECT i.ID, i.InvoiceID, i.ClientID, i.Client, i.ServiceDate, COALESCE(i.TotalAmt, 0) AS TotalAmt,"
        "COALESCE((SELECT SUM(p.Amount) FROM tblPayments p WHERE p.InvoiceID = i.InvoiceID), 0) AS Paid "
        "FROM tblInvoices i");
    if (!clientID.isEmpty())
        sql += QStringLiteral(" WHERE i.ClientID = ") + textLiteral(clientID);
    return sql;
}

} // namespace

RecordsetPtr House::probe(const QString &statement) {
    if (!m_conDataBase || !m_conDataBase->Open())
        return {};
    RecordsetPtr rs = m_conDataBase->Execute(statement);
    m_conDataBase->Close();
    m_conDataBase->ClearErrors();
    return rs;
}

QString House::paymentsRefusal() {
    const RecordsetPtr state = probe(DatabaseStateQuery());
    if (!state || state->RecordCount() != 1)
        return QString();
    return PaymentsRefusalReason(*state, m_conDataBase->DataSource());
}

void House::showMessage(const QString &text) {
    QMessageBox box(QMessageBox::Warning, LibraryTitle(), text, QMessageBox::Ok);
    ExecBox(box);
}

void House::refusePayments(const char *method, const QString &reason) {
    const QString text = QStringLiteral("Payments can't be recorded in this database: ") + reason +
                         QStringLiteral(".\r\n\r\nClients, invoices and notes are kept as before.");
    m_strFunction = QString::fromLatin1(method);
    showMessage(text);
    if (m_conDataBase)
        m_conDataBase->SetError(errPaymentsUnavailable, text);
}

QString House::paymentFault(const QStringList &strText, float sngAmount, const QDate &datPaid) {
    if (!std::isfinite(sngAmount) || sngAmount <= 0.0f)
        return QStringLiteral("its amount must be more than 0.00");
    if (!datPaid.isValid())
        return QStringLiteral("its date is not a valid date");
    QString method = strText[3];
    if (!paymentMethods().contains(Clean(method)))
        return QStringLiteral("its method must be one of ") + paymentMethods().join(QStringLiteral(", "));
    const RecordsetPtr found =
        probe(QStringLiteral("SELECT (SELECT COUNT(*) FROM tblInvoices WHERE InvoiceID = ") +
              textLiteral(strText[1]) + QStringLiteral(" AND ClientID = ") + textLiteral(strText[2]) +
              QStringLiteral(") AS Invoices, (SELECT COUNT(*) FROM tblPayments WHERE PaymentID = ") +
              textLiteral(strText[0]) + QStringLiteral(") AS Payments"));
    if (!found || found->RecordCount() != 1)
        return QString(); // the insert itself reports why the database could not be read
    if (found->Fields(QStringLiteral("Invoices")).toInt() == 0)
        return QStringLiteral("client %1 has no invoice %2").arg(strText[2], strText[1]);
    if (found->Fields(QStringLiteral("Payments")).toInt() > 0)
        return QStringLiteral("a payment %1 is already recorded").arg(strText[0]);
    return QString();
}

bool House::AddPayment(QStringList &strText, float sngAmount, const QDate &datPaid) {
    const WriteCall call{.method = "AddPayment",
                         .label = "AddPayment - DLL Function",
                         .bannerBlanks = 14,
                         .showMessage = true,
                         .minimumElements = 5};
    // A short array is refused by the write call itself, as every write call refuses one.
    if (strText.size() >= call.minimumElements) {
        if (const QString reason = paymentsRefusal(); !reason.isEmpty()) {
            WriteErrorLog(LibraryFolder(), QString::fromLatin1(call.label), call.bannerBlanks,
                          LogForm::WriteCall, errPaymentsUnavailable,
                          QStringLiteral("Payments can't be recorded in this database: ") + reason);
            refusePayments(call.method, reason);
            return false;
        }
        if (const QString fault = paymentFault(strText, sngAmount, datPaid); !fault.isEmpty()) {
            showMessage(QStringLiteral("The payment was not recorded: ") + fault + QLatin1Char('.'));
            return false;
        }
    }
    return writeCall(call, strText, [&] {
        QString sql =
            QStringLiteral("INSERT INTO tblPayments "
                           "(PaymentID,InvoiceID,ClientID,PaidDate,Amount,Method,Notes,AddDate) VALUES (");
        sql += Quoted(strText[0]) + Quoted(strText[1]) + Quoted(strText[2]);
        sql += Literal(datPaid.toString(QStringLiteral("yyyy-MM-dd")));
        sql += Number(sngAmount) + QLatin1Char(',');
        sql += QuotedClean(strText[3]) + QuotedClean(strText[4]);
        sql += Literal(NowText());
        return Closed(sql, QLatin1StringView(");"));
    });
}

bool House::DeletePayment(const QString &strID) {
    if (const QString reason = paymentsRefusal(); !reason.isEmpty()) {
        refusePayments("DeletePayment", reason);
        return false;
    }
    return deleteCall(
        QStringLiteral("DELETE FROM tblPayments WHERE PaymentID = ") + textLiteral(strID) + QLatin1Char(';'),
        QStringLiteral("Delete this Payment Record?\r\n\r\nOnce deleted it can't be recovered!"));
}

RecordsetPtr House::LoadPayments(const QString &strClientID) {
    if (const QString reason = paymentsRefusal(); !reason.isEmpty()) {
        refusePayments("LoadPayments", reason);
        return {};
    }
    QString sql = QStringLiteral(
        "SELECT PaymentID,InvoiceID,ClientID,PaidDate,Amount,Method,Notes,AddDate,ID FROM tblPayments");
    if (!strClientID.isEmpty())
        sql += QStringLiteral(" WHERE ClientID = ") + textLiteral(strClientID);
    return readCall(sql + QStringLiteral(" ORDER BY PaidDate, ID;"));
}

RecordsetPtr House::LoadBalances(const QString &strClientID) {
    if (const QString reason = paymentsRefusal(); !reason.isEmpty()) {
        refusePayments("LoadBalances", reason);
        return {};
    }
    // Each invoice's payments are summed once (the named part is made once, not read again
    // for every use of its Paid); sums are rounded once, at the end, and "+ 0.0" turns a
    // rounded -0.0 into 0.
    const QString invoices =
        QStringLiteral("WITH inv AS MATERIALIZED (") + invoicesWithPaid(strClientID) + QStringLiteral(")");
    if (!strClientID.isEmpty())
        return readCall(
            invoices + QStringLiteral(" SELECT InvoiceID, ServiceDate, ROUND(TotalAmt, 2) + 0.0 AS TotalAmt,"
                                      "ROUND(Paid, 2) + 0.0 AS Paid, ROUND(TotalAmt - Paid, 2) + 0.0 AS Owed "
                                      "FROM inv ORDER BY ServiceDate, ID;"));
    // The client's name as the client list has it, or as the invoices kept it once the
    // client was deleted.
    return readCall(
        invoices +
        QStringLiteral(", o AS MATERIALIZED (SELECT ClientID, MAX(Client) AS Client, SUM(TotalAmt) AS "
                       "Invoiced, SUM(Paid) AS Paid, MIN(CASE WHEN ROUND(TotalAmt - Paid, 2) > 0 THEN "
                       "ServiceDate END) AS OldestUnpaid FROM inv GROUP BY ClientID) "
                       "SELECT o.ClientID AS ClientID, COALESCE(c.Client, o.Client) AS Client,"
                       "ROUND(o.Invoiced, 2) + 0.0 AS Invoiced, ROUND(o.Paid, 2) + 0.0 AS Paid,"
                       "ROUND(o.Invoiced - o.Paid, 2) + 0.0 AS Owed, o.OldestUnpaid AS OldestUnpaid "
                       "FROM o LEFT JOIN (SELECT ClientID, MAX(Client) AS Client FROM tblClients "
                       "GROUP BY ClientID) c ON c.ClientID = o.ClientID ORDER BY Owed DESC, Client;"));
}

RecordsetPtr House::GetNewPaymentID() {
    if (const QString reason = paymentsRefusal(); !reason.isEmpty()) {
        refusePayments("GetNewPaymentID", reason);
        return {};
    }
    return numberCall("GetNewPaymentID", QStringLiteral("SELECT MAX(ID) AS [NewPaymentID] FROM tblPayments"));
}

QString House::paymentsAgainst(const QString &invoiceID) {
    if (!paymentsRefusal().isEmpty())
        return QString(); // no payment can have been recorded
    const RecordsetPtr rs =
        probe(QStringLiteral(
                  "SELECT GROUP_CONCAT(PaymentID, ', ') AS Payments FROM (SELECT PaymentID FROM tblPayments "
                  "WHERE InvoiceID = ") +
              textLiteral(invoiceID) + QStringLiteral(" ORDER BY ID)"));
    return rs && rs->RecordCount() == 1 ? rs->Text(QStringLiteral("Payments")) : QString();
}

} // namespace ordwen::detail
