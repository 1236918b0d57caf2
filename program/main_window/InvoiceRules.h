// The rules of an invoice, apart from the Billing tab that holds it: working out the amounts,
// the checks before it is stored, and the values the library stores.
#pragma once

#include "controls/Refusal.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <array>

// One invoice as the Billing tab holds it: the service date, the six amount boxes as typed,
// the client being billed with its values as the tab shows them (each with its trailing
// blank), and the notes.
struct InvoiceRecord {
    enum Box { Hours = 0, Rate, Contract, OtherText, OtherAmount, PastDue, BoxCount };
    // Field numbers for the focus: the boxes are 0 to 5, then these.
    enum Field { ServiceDateField = 100, TotalsField };

    QDate serviceDate;
    std::array<QString, BoxCount> boxes;
    QString clientID; // empty: no client chosen
    QString client;
    std::array<QString, 5> billingAddress; // first and second line, city, state, postal code
    QString dayOfWeek;
    QString schedule;
    QString service;
    QString feeType;
    QString pets;
    QString notes;

    friend bool operator==(const InvoiceRecord &, const InvoiceRecord &) = default;
};

// The hourly amount and the total as the totals button works them out; not worked out until
// it is pressed, and again after the tab is emptied.
struct InvoiceTotals {
    float hourly = 0;
    float total = 0;
    bool workedOut = false;

    friend bool operator==(const InvoiceTotals &, const InvoiceTotals &) = default;
};

namespace rules {

// Hours times rate, then the other services, the contract fee and the past-due amount added
// in that order, in single precision; an empty or unreadable box counts 0.
InvoiceTotals WorkOutTotals(const InvoiceRecord &invoice);

// The checks in the order they run: the service date against today, the amount boxes, the
// description of other services, and totals worked out to more than nothing. The first
// refusal wins; its field is the box index or an InvoiceRecord::Field.
Check CheckInvoice(const InvoiceRecord &invoice, const InvoiceTotals &totals, const QDate &today);

// The 16 texts of the invoice array, slot 0 holding invoiceID.
QStringList InvoiceTexts(const InvoiceRecord &invoice, const QString &invoiceID);
// The 8 amounts of the invoice array: the boxes read as numbers, the hourly amount and the
// total as they are shown (to the cent).
QList<float> InvoiceAmounts(const InvoiceRecord &invoice, const InvoiceTotals &totals);

} // namespace rules
