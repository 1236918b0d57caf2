// The reports of money owed and received: a client's statement of account and the income by
// month of a year. Amounts are added up in whole cents, so that a long statement's balance
// is exactly what its lines add up to.
#include "reports/DataReport.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace reports {

namespace {

qint64 cents(const QVariant &amount) {
    bool ok = false;
    const double value = amount.toDouble(&ok);
    return ok && std::isfinite(value) ? qint64(std::llround(value * 100.0)) : 0;
}

QVariant amount(qint64 cents) {
    return double(cents) / 100.0;
}

// "Ottawa, ON K1A 0B1", leaving out what is not filled in.
QString cityLine(const QString &city, const QString &state, const QString &zip) {
    const QString region = QStringList{state.trimmed(), zip.trimmed()}.join(QLatin1Char(' ')).trimmed();
    if (city.trimmed().isEmpty() || region.isEmpty())
        return city.trimmed() + region;
    return city.trimmed() + QStringLiteral(", ") + region;
}

QString text(const Rowset &rows, int row, const char *field) {
    return rows.Value(row, QLatin1String(field)).toString();
}

// The first ten characters of a stored date: the day, whether or not a time follows.
QString day(const QVariant &stored) {
    return stored.toString().left(10);
}

QString paymentDetails(const QString &method, const QString &invoiceID) {
    QString details = method.trimmed().isEmpty() ? QStringLiteral("Payment")
                                                 : method.trimmed() + QStringLiteral(" payment");
    if (!invoiceID.trimmed().isEmpty())
        details += QStringLiteral(" for ") + invoiceID.trimmed();
    return details;
}

} // namespace

std::optional<ReportRows> DataReport::Statement(const QString &clientID) {
    const RowsetPtr client =
        Query(QStringLiteral("SELECT Client, Add1, Add2, City, State, Zip, BAdd1, BAdd2, "
                             "BCity, BState, BZip FROM tblClients WHERE ClientID = ? "
                             "ORDER BY ID DESC LIMIT 1"),
              {clientID});
    if (!client)
        return std::nullopt;
    const RowsetPtr owner =
        Query(QStringLiteral("SELECT Company, Address, (City || ', ' || State || ' ' || Zip) "
                             "AS CompanyAddress, Phone, Email FROM tblOwner ORDER BY rowid LIMIT 1"));
    if (!owner)
        return std::nullopt;
    const RowsetPtr invoices =
        Query(QStringLiteral("SELECT InvoiceID, ServiceDate, TotalAmt, Client, BAdd1, BAdd2, "
                             "BCity, BState, BZip FROM tblInvoices WHERE ClientID = ? "
                             "ORDER BY ServiceDate, ID"),
              {clientID});
    if (!invoices)
        return std::nullopt;
    const RowsetPtr payments =
        Query(QStringLiteral("SELECT PaymentID, InvoiceID, PaidDate, Method, Amount FROM "
                             "tblPayments WHERE ClientID = ? ORDER BY PaidDate, ID"),
              {clientID});
    if (!payments)
        return std::nullopt;

    // The billing address as the client record holds it; one without any billing field is
    // billed at its service address. A deleted client is billed where its latest invoice went.
    const Rowset *address = client.get();
    int row = 0;
    QStringList fields{"BAdd1", "BAdd2", "BCity", "BState", "BZip"};
    if (client->RowCount() == 0) {
        address = invoices.get();
        row = invoices->RowCount() - 1;
    } else if (std::all_of(fields.cbegin(), fields.cend(), [&](const QString &f) {
                   return client->Value(0, f).toString().trimmed().isEmpty();
               })) {
        fields = QStringList{"Add1", "Add2", "City", "State", "Zip"};
    }
    auto billing = [&](int i) { return address->Value(row, fields[i]).toString(); };
    // The address's lines without gaps for the parts not filled in.
    QStringList billTo{billing(0), billing(1), cityLine(billing(2), billing(3), billing(4))};
    billTo.removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
    while (billTo.size() < 3)
        billTo << QString();

    QList<QVariantList> lines;
    lines.reserve(invoices->RowCount() + payments->RowCount());
    qint64 invoiced = 0;
    qint64 paid = 0;
    int i = 0;
    int p = 0;
    while (i < invoices->RowCount() || p < payments->RowCount()) {
        const bool invoiceNext =
            p >= payments->RowCount() ||
            (i < invoices->RowCount() && day(invoices->Value(i, QStringLiteral("ServiceDate"))) <=
                                             day(payments->Value(p, QStringLiteral("PaidDate"))));
        if (invoiceNext) {
            const qint64 charge = cents(invoices->Value(i, QStringLiteral("TotalAmt")));
            invoiced += charge;
            lines << QVariantList{day(invoices->Value(i, QStringLiteral("ServiceDate"))),
                                  text(*invoices, i, "InvoiceID"),
                                  QStringLiteral("Invoice"),
                                  amount(charge),
                                  QVariant(),
                                  amount(invoiced - paid)};
            ++i;
        } else {
            const qint64 payment = cents(payments->Value(p, QStringLiteral("Amount")));
            paid += payment;
            lines << QVariantList{
                day(payments->Value(p, QStringLiteral("PaidDate"))),
                text(*payments, p, "PaymentID"),
                paymentDetails(text(*payments, p, "Method"), text(*payments, p, "InvoiceID")),
                QVariant(),
                amount(payment),
                amount(invoiced - paid)};
            ++p;
        }
    }

    ReportRows report;
    report.known = client->RowCount() > 0 || invoices->RowCount() > 0 || payments->RowCount() > 0;
    report.rows = std::make_shared<Rowset>(
        QStringList{"Date", "Number", "Details", "Invoiced", "Paid", "Balance"}, std::move(lines));
    const QString name =
        address->RowCount() > 0 ? address->Value(row, QStringLiteral("Client")).toString() : QString();
    report.values = std::make_shared<Rowset>(
        QStringList{"Company", "Address", "CompanyAddress", "Phone", "Email", "ClientID", "Client", "BillTo1",
                    "BillTo2", "BillTo3", "Invoiced", "Paid", "AmountDue"},
        QList<QVariantList>{
            {owner->Value(0, QStringLiteral("Company")), owner->Value(0, QStringLiteral("Address")),
             owner->Value(0, QStringLiteral("CompanyAddress")), owner->Value(0, QStringLiteral("Phone")),
             owner->Value(0, QStringLiteral("Email")), clientID, name, billTo[0], billTo[1], billTo[2],
             amount(invoiced), amount(paid), amount(invoiced - paid)}});
    return report;
}

std::optional<ReportRows> DataReport::IncomeByMonth(int year) {
    // Every stored date of the year sorts from "yyyy-01" to before "yyyy-13".
    const QString yyyy = QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
    const QString from = yyyy + QStringLiteral("-01");
    const QString to = yyyy + QStringLiteral("-13");
    // Summed as whole cents by the engine, so that no fraction of a cent adds up.
    const RowsetPtr invoiced =
        Query(QStringLiteral("SELECT CAST(substr(ServiceDate, 6, 2) AS INTEGER) AS Month, "
                             "SUM(ROUND(TotalAmt * 100)) AS Cents FROM tblInvoices "
                             "WHERE ServiceDate >= ? AND ServiceDate < ? GROUP BY Month"),
              {from, to});
    if (!invoiced)
        return std::nullopt;
    const RowsetPtr received =
        Query(QStringLiteral("SELECT CAST(substr(PaidDate, 6, 2) AS INTEGER) AS Month, "
                             "SUM(ROUND(Amount * 100)) AS Cents FROM tblPayments "
                             "WHERE PaidDate >= ? AND PaidDate < ? GROUP BY Month"),
              {from, to});
    if (!received)
        return std::nullopt;

    auto byMonth = [](const Rowset &sums) {
        QList<qint64> months(12, 0);
        for (int r = 0; r < sums.RowCount(); ++r) {
            const int month = sums.Value(r, 0).toInt();
            if (month >= 1 && month <= 12)
                months[month - 1] = qint64(std::llround(sums.Value(r, 1).toDouble()));
        }
        return months;
    };
    const QList<qint64> in = byMonth(*invoiced);
    const QList<qint64> out = byMonth(*received);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QList<QVariantList> months;
    qint64 invoicedTotal = 0;
    qint64 receivedTotal = 0;
    for (int m = 0; m < 12; ++m) {
        months << QVariantList{english.standaloneMonthName(m + 1, QLocale::LongFormat),
                               english.standaloneMonthName(m + 1, QLocale::ShortFormat), amount(in[m]),
                               amount(out[m])};
        invoicedTotal += in[m];
        receivedTotal += out[m];
    }
    ReportRows report;
    report.rows = std::make_shared<Rowset>(QStringList{"Month", "Abbreviation", "Invoiced", "Received"},
                                           std::move(months));
    report.values =
        std::make_shared<Rowset>(QStringList{"Year", "Invoiced", "Received"},
                                 QList<QVariantList>{{year, amount(invoicedTotal), amount(receivedTotal)}});
    return report;
}

} // namespace reports
