#include "tools/PaymentRules.h"

#include "controls/Format.h"
#include "startup/modGlobal.h"

#include <QLocale>

namespace rules {

namespace {

// An amount in whole cents, so that comparing two never depends on binary fractions.
qint64 Cents(double amount) {
    return qRound64(amount * 100);
}

// Digits after the decimal point of a typed number.
qsizetype Decimals(const QString &typed) {
    const QString text = typed.trimmed();
    const qsizetype point = text.indexOf(QLocale().decimalPoint());
    return point < 0 ? 0 : text.size() - point - 1;
}

} // namespace

Check CheckPayment(const PaymentRecord &payment, const QDate &today) {
    using enum PaymentRecord::Field;
    if (payment.invoiceID.isEmpty())
        return Refusal{InvoiceField, QStringLiteral("Choose the invoice the payment is for! "),
                       QMessageBox::Warning};
    if (payment.paidDate > today)
        return Refusal{DateField, QStringLiteral("The Date Paid is later than the current date! "),
                       QMessageBox::Warning};
    if (payment.amount.trimmed().isEmpty())
        return Refusal{AmountField, QStringLiteral("Enter the Amount paid! ")};
    if (!modGlobal::IsNumeric(payment.amount))
        return Refusal{AmountField, QStringLiteral("Amount field contains invalid characters! ")};
    if (Decimals(payment.amount) > 2)
        return Refusal{AmountField,
                       QStringLiteral("The Amount has more than two decimals: enter it to the cent! ")};
    const qint64 cents = Cents(PaymentAmount(payment));
    if (cents <= 0)
        return Refusal{AmountField, QStringLiteral("The Amount paid must be more than 0.00! ")};
    if (cents > Cents(payment.owed))
        return Refusal{AmountField, QStringLiteral("The Amount paid (") +
                                        controls::FormatAmount(double(cents) / 100) +
                                        QStringLiteral(") is more than invoice ") + payment.invoiceID +
                                        QStringLiteral(" still owes (") +
                                        controls::FormatAmount(payment.owed) + QStringLiteral(")! ")};
    return std::nullopt;
}

float PaymentAmount(const PaymentRecord &payment) {
    return modGlobal::ConvertNumber(payment.amount);
}

QStringList PaymentTexts(const PaymentRecord &payment, const QString &paymentID) {
    return {paymentID, payment.invoiceID, payment.clientID, payment.method, payment.note};
}

OwedBalances OwingClients(const ordwen::Recordset &balances, const QDate &today) {
    const int clientID = balances.FieldIndex(QStringLiteral("ClientID"));
    const int client = balances.FieldIndex(QStringLiteral("Client"));
    const int owed = balances.FieldIndex(QStringLiteral("Owed"));
    const int oldest = balances.FieldIndex(QStringLiteral("OldestUnpaid"));
    QList<QVariantList> rows;
    qint64 totalCents = 0;
    for (int row = 0; row < balances.RecordCount(); ++row) {
        const qint64 cents = Cents(balances.Value(row, owed).toDouble());
        if (cents <= 0)
            continue;
        totalCents += cents;
        const QVariant unpaidSince = balances.Value(row, oldest);
        const QDate since = QDate::fromString(unpaidSince.toString().left(10), Qt::ISODate);
        rows.append({balances.Value(row, clientID), balances.Value(row, client), balances.Value(row, owed),
                     unpaidSince, since.isValid() ? QVariant(since.daysTo(today)) : QVariant()});
    }
    return {ordwen::Recordset({QStringLiteral("ClientID"), QStringLiteral("Client"), QStringLiteral("Owed"),
                               QStringLiteral("OldestUnpaid"), QStringLiteral("Days")},
                              std::move(rows)),
            double(totalCents) / 100};
}

std::optional<double> InvoiceOwed(const ordwen::Recordset &invoices, const QString &invoiceID) {
    const int id = invoices.FieldIndex(QStringLiteral("InvoiceID"));
    const int owed = invoices.FieldIndex(QStringLiteral("Owed"));
    if (id < 0 || owed < 0)
        return std::nullopt;
    for (int row = 0; row < invoices.RecordCount(); ++row) {
        if (invoices.Value(row, id).toString() == invoiceID)
            return invoices.Value(row, owed).toDouble();
    }
    return std::nullopt;
}

} // namespace rules
