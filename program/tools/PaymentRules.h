// The rules of a payment, apart from the window that takes it: the checks before it is
// stored, the record array the library stores, and the balances the window lists.
#pragma once

#include "controls/Refusal.h"

#include <ordwen/ordwen.h>

#include <QDate>
#include <QStringList>

// One payment as the Payments window holds it: the invoice it is for, with what that invoice
// still owes, and the four entry fields (the amount as typed).
struct PaymentRecord {
    // Field numbers for the focus.
    enum Field { InvoiceField, DateField, AmountField, MethodField, NoteField };

    QString invoiceID; // empty: no invoice chosen
    QString clientID;
    double owed = 0; // what the invoice still owes, to the cent
    QDate paidDate;
    QString amount;
    QString method;
    QString note;

    friend bool operator==(const PaymentRecord &, const PaymentRecord &) = default;
};

namespace rules {

// The ways a payment is made, as the method box offers them and the library stores them.
inline const QStringList PaymentMethods{QStringLiteral("Cash"), QStringLiteral("Check"),
                                        QStringLiteral("Card"), QStringLiteral("Transfer"),
                                        QStringLiteral("Other")};

// The checks in the order they run: an invoice chosen, the date not after today, an amount
// that is a number of at most two decimals, more than 0 and at most what the invoice still
// owes. The first refusal wins; its field is a PaymentRecord::Field.
Check CheckPayment(const PaymentRecord &payment, const QDate &today);

// The amount typed, as the library stores it.
float PaymentAmount(const PaymentRecord &payment);

// The five texts of the payment array: identifier, invoice, client, method, note.
QStringList PaymentTexts(const PaymentRecord &payment, const QString &paymentID);

// The clients that owe anything, read from the library's balances of every client (largest
// first): their rows with the age of the oldest unpaid invoice in days beside them, and what
// they owe together.
struct OwedBalances {
    ordwen::Recordset rows; // ClientID, Client, Owed, OldestUnpaid, Days
    double total = 0;
};
OwedBalances OwingClients(const ordwen::Recordset &balances, const QDate &today);

// What the invoice with the identifier still owes, from the library's balances of one
// client's invoices; nothing when the invoice is not among them.
std::optional<double> InvoiceOwed(const ordwen::Recordset &invoices, const QString &invoiceID);

} // namespace rules
