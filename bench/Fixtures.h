// Business-sized databases made by code: every column filled, text of realistic lengths with
// apostrophes, accents and line breaks, the same rows for the same size on every run.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace bench {

struct FixtureSize {
    int clients = 0;
    int invoices = 0;
    int notes = 0;
    int addresses = 0;
    int payments = 0; // payment n against invoice n (of every invoice when there are more)

    // The business the figures speak of: five invoices per client, and one note and one
    // address-book entry per five clients (10,000 clients: 50,000 / 2,000 / 2,000).
    static FixtureSize ForClients(int clients) { return {clients, clients * 5, clients / 5, clients / 5}; }
};

// Creates `database` from the schema file and fills it. False, with the reason on stderr, when
// the file cannot be made.
bool CreateFixture(const QString &database, const QString &schemaFile, const FixtureSize &size);

// Adds one payment against every invoice of an existing fixture, as the Payments window would
// have recorded them: paid some days after the service, in full for every third invoice and
// half otherwise, by the five methods in turn. False, with the reason on stderr, on failure.
// With firstClientEvery, the first client (QD-1) is first given every n-th invoice: one
// long-standing client whose statement runs over many pages.
bool AddPayments(const QString &database, int firstClientEvery = 0);

// A client record (the 22 texts AddClient takes) and an invoice record (15 texts, 7 amounts),
// as the windows would send them; `n` picks the values.
struct ClientRecord {
    QStringList text;
    float fee = 0;
};
struct InvoiceRecord {
    QStringList text;
    QList<float> amounts;
};
ClientRecord MakeClientRecord(int n);
InvoiceRecord MakeInvoiceRecord(int n);

} // namespace bench
