#include "main_window/InvoiceRules.h"

#include "startup/modGlobal.h"

#include <cmath>

namespace rules {

namespace {

float Amount(const InvoiceRecord &invoice, InvoiceRecord::Box box) {
    return modGlobal::ConvertNumber(invoice.boxes[box]);
}

// An amount as the tab shows it, to the cent (half a cent away from zero); one too large to
// be shown as a number counts 0. A single times 100 is exact in double precision, so the
// rounding is that of the shown digits.
float ShownAmount(float amount) {
    if (!std::isfinite(amount))
        return 0.0f;
    return float(std::round(double(amount) * 100) / 100);
}

} // namespace

InvoiceTotals WorkOutTotals(const InvoiceRecord &invoice) {
    using enum InvoiceRecord::Box;
    InvoiceTotals totals;
    totals.hourly = Amount(invoice, Hours) * Amount(invoice, Rate);
    totals.total = totals.hourly + Amount(invoice, OtherAmount);
    totals.total = totals.total + Amount(invoice, Contract);
    totals.total = totals.total + Amount(invoice, PastDue);
    totals.workedOut = true;
    return totals;
}

Check CheckInvoice(const InvoiceRecord &invoice, const InvoiceTotals &totals, const QDate &today) {
    using enum InvoiceRecord::Box;
    if (invoice.serviceDate > today)
        return Refusal{InvoiceRecord::ServiceDateField,
                       QStringLiteral("The Service Date is later than the current date! "),
                       QMessageBox::Warning};
    struct NumberCheck {
        InvoiceRecord::Box box;
        const char *message;
    };
    static constexpr NumberCheck numbers[] = {
        {Hours, "Hours Worked field contains invalid characters! "},
        {Rate, "Rate Per Hour field contains invalid characters! "},
        {Contract, "Contract Fee field contains invalid characters! "},
        {OtherAmount, "Other Services Amt field contains invalid characters! "},
    };
    // An empty box passes: its amount is 0.
    auto notNumeric = [&invoice](InvoiceRecord::Box box) {
        const QString &text = invoice.boxes[box];
        return !text.isEmpty() && !modGlobal::IsNumeric(text);
    };
    for (const NumberCheck &check : numbers) {
        if (notNumeric(check.box))
            return Refusal{check.box, QString::fromLatin1(check.message)};
    }
    if (!invoice.boxes[OtherAmount].isEmpty() && invoice.boxes[OtherText].isEmpty())
        return Refusal{OtherText, QStringLiteral("Enter brief description of Other Services! ")};
    if (notNumeric(PastDue))
        return Refusal{PastDue, QStringLiteral("Past Due Amt field contains invalid characters! ")};
    // A total that shows as 0.00 or less, or as no number at all, bills nothing.
    if (!totals.workedOut || !(ShownAmount(totals.total) > 0))
        return Refusal{InvoiceRecord::TotalsField,
                       QStringLiteral("Enter values for your services and click the yellow Service Charge "
                                      "Totals button! "),
                       QMessageBox::Warning};
    return std::nullopt;
}

QStringList InvoiceTexts(const InvoiceRecord &invoice, const QString &invoiceID) {
    QStringList texts(16);
    texts[0] = invoiceID;
    texts[1] = invoice.clientID;
    texts[2] = invoice.client;
    for (int i = 0; i < 5; ++i)
        texts[3 + i] = invoice.billingAddress[std::size_t(i)];
    texts[8] = invoice.boxes[InvoiceRecord::OtherText];
    texts[9] = invoice.dayOfWeek;
    texts[10] = invoice.schedule;
    texts[11] = invoice.service;
    texts[12] = invoice.feeType;
    texts[13] = invoice.pets;
    texts[14] = invoice.notes;
    return texts;
}

QList<float> InvoiceAmounts(const InvoiceRecord &invoice, const InvoiceTotals &totals) {
    using enum InvoiceRecord::Box;
    auto shown = [&totals](float amount) { return totals.workedOut ? ShownAmount(amount) : 0.0f; };
    return {Amount(invoice, Hours),       Amount(invoice, Rate),
            shown(totals.hourly),         Amount(invoice, Contract),
            Amount(invoice, OtherAmount), Amount(invoice, PastDue),
            shown(totals.total),          0.0f};
}

} // namespace rules
