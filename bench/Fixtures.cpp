#include "Fixtures.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QStringList>

#include <sqlite3.h>

#include <cmath>
#include <cstdio>
#include <random>

namespace bench {

namespace {

// Names and places of a business in a bilingual city: apostrophes and accents are common.
const char *const FirstNames[] = {"Marie",  "José",   "Siobhán", "Zoë",   "François", "Renée",   "Pat",
                                  "Ahmed",  "Chloé",  "Björn",   "Noël",  "Anaïs",    "D'Arcy",  "Liam",
                                  "Olivia", "Hélène", "Mateo",   "Priya", "Ève",      "Jean-Luc"};
const char *const LastNames[] = {"O'Brien", "Tremblay",  "Côté",      "D'Angelo",    "Gagnon",    "Müller",
                                 "Nuñez",   "Ødegaard",  "MacDonald", "L'Heureux",   "Bouchard",  "O'Neil",
                                 "Leblanc", "Pelletier", "Gauthier",  "Smith-Jones", "Østergård", "Fournier"};
const char *const Businesses[] = {"Bakery",        "Dental Clinic",      "Law Office", "Café",
                                  "Restaurant",    "Church of St. Anne", "Daycare",    "Boutique",
                                  "Physiotherapy", "Accounting Group"};
const char *const Streets[] = {
    "Rue de l'Église",         "Maple Avenue",   "Chemin Sainte-Thérèse", "King's Road",
    "Boulevard René-Lévesque", "Elm Street",     "Rue Saint-Hubert",      "Queen's Crescent",
    "Côte-des-Neiges",         "Lakeshore Drive"};
const char *const Units[] = {"Suite 204", "Apt. 3B", "Unit 12", "Bureau 500", "2nd floor", "Back entrance"};
const char *const Cities[] = {"Montréal", "Québec",   "St. John's", "Trois-Rivières", "Toronto",
                              "Lévis",    "Gatineau", "Sherbrooke", "Saint-Jérôme",   "Ottawa"};
const char *const States[] = {"QC", "ON", "NL", "NB", "NS"};
const char *const Types[] = {"Apartment", "Church",     "Commercial", "Home",
                             "Hospital",  "Restaurant", "Retail",     "Other"};
const char *const Schedules[] = {"Service daily", "Service Weekly", "Service Bi-Weekly", "Service Monthly",
                                 "Service Bi-Monthly"};
const char *const Services[] = {"Entire Home", "Entire Office", "Windows Only", "Floors Only"};
const char *const Days[] = {"Monday", "Tuesday",  "Wednesday",        "Thursday",
                            "Friday", "Saturday", "Monday & Thursday"};
const char *const FeeTypes[] = {"Hourly rate", "Contract fee"};
const char *const BillSchedules[] = {"Billed weekly", "Billed monthly"};
const char *const Pets[] = {"Client has pets", "Client does not have pets"};
const char *const Words[] = {"key",      "under",   "the",     "mat",      "don't",   "let",      "cat",
                             "out",      "alarm",   "code",    "is",       "1234",    "client's", "dog",
                             "friendly", "use",     "green",   "products", "only",    "déjà",     "vu",
                             "fragile",  "vase",    "in",      "hallway",  "call",    "before",   "arriving",
                             "leave",    "invoice", "on",      "counter",  "façade",  "windows",  "twice",
                             "a",        "month",   "parking", "behind",   "l'école", "café",     "ask"};
const char *const Charges[] = {"Oven cleaning",  "Inside windows", "Carpet shampoo",   "Fridge defrost",
                               "Move-out clean", "Garage sweep",   "Laundry & ironing"};
const char *const Methods[] = {"Cash", "Check", "Card", "Transfer", "Other"};

class Generator {
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    template <std::size_t N> QString pick(const char *const (&items)[N]) {
        return QString::fromUtf8(items[number(0, int(N) - 1)]);
    }
    QString person() { return pick(FirstNames) + QLatin1Char(' ') + pick(LastNames); }
    QString street() { return QString::number(number(1, 9999)) + QLatin1Char(' ') + pick(Streets); }
    QString zip() {
        const QString letters = QStringLiteral("ABCEGHJKLMNPRSTVXY");
        auto letter = [&] { return letters.at(number(0, int(letters.size()) - 1)); };
        return QString(letter()) + QString::number(number(0, 9)) + letter() + QLatin1Char(' ') +
               QString::number(number(0, 9)) + letter() + QString::number(number(0, 9));
    }
    QString phone() {
        return QStringLiteral("(%1) %2-%3")
            .arg(number(200, 999))
            .arg(number(200, 999))
            .arg(number(0, 9999), 4, 10, QLatin1Char('0'));
    }
    // Free text of about `low` to `high` characters, now and then with a line break.
    QString sentence(int low, int high) {
        const int length = number(low, high);
        QString text;
        while (text.size() < length) {
            if (!text.isEmpty())
                text += number(0, 12) == 0 ? QStringLiteral(".\r\n") : QStringLiteral(" ");
            text += pick(Words);
        }
        return text.left(length);
    }
    QString dateTime(int year) {
        const QDateTime when(QDate(year, number(1, 12), number(1, 28)),
                             QTime(number(7, 19), number(0, 59), number(0, 59)));
        return when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    QString date(int year) {
        return QDate(year, number(1, 12), number(1, 28)).toString(QStringLiteral("yyyy-MM-dd"));
    }
    float amount(int low, int high) { return float(number(low * 4, high * 4)) / 4.0f; }

private:
    std::mt19937 m_random;
};

QString clientName(Generator &g) {
    return g.number(0, 2) == 0 ? g.pick(LastNames) + QLatin1Char(' ') + g.pick(Businesses) : g.person();
}

class Database {
public:
    explicit Database(const QString &file) {
        if (sqlite3_open_v2(QFile::encodeName(file).constData(), &m_db,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
            fail("open");
    }
    ~Database() { sqlite3_close(m_db); }
    bool ok() const { return m_ok; }
    void exec(const QByteArray &sql) {
        if (m_ok && sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fail(sql.left(60));
    }
    // Inserts one row per call of `row`, which binds the values of one statement.
    template <typename Fill> void insert(const char *sql, int count, Fill row) {
        sqlite3_stmt *statement = nullptr;
        if (!m_ok || sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK) {
            fail(sql);
            return;
        }
        for (int n = 1; n <= count && m_ok; ++n) {
            row(n, Binder{statement});
            if (sqlite3_step(statement) != SQLITE_DONE)
                fail(sql);
            sqlite3_reset(statement);
        }
        sqlite3_finalize(statement);
    }

    struct Binder {
        sqlite3_stmt *statement;
        void text(int column, const QString &value) const {
            const QByteArray utf8 = value.toUtf8();
            sqlite3_bind_text(statement, column, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        }
        void real(int column, double value) const { sqlite3_bind_double(statement, column, value); }
    };

private:
    void fail(const QByteArray &what) {
        std::fprintf(stderr, "fixture: %s failed: %s\n", what.constData(), m_db ? sqlite3_errmsg(m_db) : "");
        m_ok = false;
    }
    sqlite3 *m_db = nullptr;
    bool m_ok = true;
};

} // namespace

ClientRecord MakeClientRecord(int n) {
    Generator g(unsigned(n) * 7919u + 1u);
    ClientRecord record;
    QStringList &t = record.text;
    t << QStringLiteral("QD-%1").arg(n) << g.pick(Types) << clientName(g) << g.street() << g.pick(Units)
      << g.pick(Cities) << g.pick(States) << g.zip() << g.phone() << g.person() << g.street() << g.pick(Units)
      << g.pick(Cities) << g.pick(States) << g.zip() << g.pick(Schedules) << g.pick(Services) << g.pick(Days)
      << g.pick(FeeTypes) << g.pick(BillSchedules) << g.pick(Pets) << g.sentence(40, 250);
    record.fee = g.amount(20, 400);
    return record;
}

InvoiceRecord MakeInvoiceRecord(int n) {
    Generator g(unsigned(n) * 104729u + 3u);
    InvoiceRecord record;
    const ClientRecord client = MakeClientRecord(g.number(1, 10000));
    const QStringList &c = client.text;
    record.text << QStringLiteral("INV-%1").arg(n) << c[0] << c[2] << c[10] << c[11] << c[12] << c[13]
                << c[14] << g.pick(Charges) << c[17] << c[15] << c[16] << c[18] << c[20]
                << g.sentence(20, 120);
    const float hours = g.amount(1, 8);
    const float rate = g.amount(15, 45);
    const float other = g.amount(0, 60);
    const float pastDue = g.number(0, 4) == 0 ? g.amount(10, 200) : 0.0f;
    const float contract = g.number(0, 1) == 0 ? g.amount(50, 300) : 0.0f;
    record.amounts << hours << rate << hours * rate << contract << other << pastDue
                   << hours * rate + contract + other + pastDue;
    return record;
}

bool CreateFixture(const QString &database, const QString &schemaFile, const FixtureSize &size) {
    QFile::remove(database);
    QFile schema(schemaFile);
    if (!schema.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "fixture: cannot read %s\n", qPrintable(schemaFile));
        return false;
    }
    Database db(database);
    db.exec(schema.readAll());
    db.exec("BEGIN");

    db.insert("INSERT INTO tblClients (ClientID,ClientType,Client,Add1,Add2,City,State,Zip,Phone,Contact,"
              "BAdd1,BAdd2,BCity,BState,BZip,Schedule,Service,DayOfWeek,Fee,FeeType,BSchedule,Pets,AddDate,"
              "Notes) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
              size.clients, [](int n, const Database::Binder &b) {
                  const ClientRecord r = MakeClientRecord(n);
                  Generator g{unsigned(n)};
                  for (int i = 0; i <= 17; ++i)
                      b.text(i + 1, r.text[i]);
                  b.real(19, double(r.fee));
                  for (int i = 18; i <= 20; ++i)
                      b.text(i + 2, r.text[i]);
                  b.text(23, g.dateTime(g.number(2015, 2025)));
                  b.text(24, r.text[21]);
              });

    db.insert("INSERT INTO tblInvoices (InvoiceID,ClientID,ServiceDate,Client,BAdd1,BAdd2,BCity,BState,BZip,"
              "Hours,Rate,HourAmt,OtherCharges,OtherAmt,PastDue,ContractFee,TotalAmt,DayOfWeek,Schedule,"
              "Service,FeeType,Pets,Notes,AddDate) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
              size.invoices, [](int n, const Database::Binder &b) {
                  const InvoiceRecord r = MakeInvoiceRecord(n);
                  Generator g{unsigned(n)};
                  b.text(1, r.text[0]);
                  b.text(2, r.text[1]);
                  b.text(3, g.date(g.number(2015, 2025)));
                  for (int i = 2; i <= 7; ++i)
                      b.text(i + 2, r.text[i]);
                  b.real(10, double(r.amounts[0]));
                  b.real(11, double(r.amounts[1]));
                  b.real(12, double(r.amounts[2]));
                  b.text(13, r.text[8]);
                  b.real(14, double(r.amounts[4]));
                  b.real(15, double(r.amounts[5]));
                  b.real(16, double(r.amounts[3]));
                  b.real(17, double(r.amounts[6]));
                  for (int i = 9; i <= 14; ++i)
                      b.text(i + 9, r.text[i]);
                  b.text(24, g.dateTime(g.number(2015, 2025)));
              });

    // Each invoice paid a quarter, a half, three quarters or in full.
    db.insert("INSERT INTO tblPayments (PaymentID,InvoiceID,ClientID,PaidDate,Amount,Method,Notes,AddDate) "
              "VALUES (?,?,?,?,?,?,?,?)",
              size.invoices > 0 ? size.payments : 0, [&size](int n, const Database::Binder &b) {
                  const int invoice = (n - 1) % size.invoices + 1;
                  const InvoiceRecord r = MakeInvoiceRecord(invoice);
                  Generator g(unsigned(n) * 7919u + 11u);
                  const int quarters = g.number(1, 4);
                  b.text(1, QStringLiteral("PAY-%1").arg(n));
                  b.text(2, r.text[0]);
                  b.text(3, r.text[1]);
                  b.text(4, g.date(g.number(2015, 2025)));
                  b.real(5, std::round(double(r.amounts[6]) * quarters * 25.0) / 100.0);
                  b.text(6, g.pick(Methods));
                  b.text(7, g.number(0, 3) == 0 ? g.sentence(10, 60) : QString());
                  b.text(8, g.dateTime(g.number(2015, 2025)));
              });

    db.insert("INSERT INTO tblNotes (NoteID,NoteText,AddDate) VALUES (?,?,?)", size.notes,
              [](int n, const Database::Binder &b) {
                  Generator g(unsigned(n) * 31u);
                  b.text(1, QStringLiteral("QDN-%1").arg(n));
                  b.text(2, g.sentence(30, 1200));
                  b.text(3, g.dateTime(g.number(2015, 2025)));
              });

    db.insert(
        "INSERT INTO tblAddress (AddressID,FName,LName,Address,City,State,Zip,HPhone,WPhone,CPhone,Email,"
        "FullName,AddDate,ModDate) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
        size.addresses, [](int n, const Database::Binder &b) {
            Generator g(unsigned(n) * 131u);
            const QString first = g.pick(FirstNames);
            const QString last = g.pick(LastNames);
            b.text(1, QStringLiteral("A-%1").arg(n));
            b.text(2, first);
            b.text(3, last);
            b.text(4, g.street() + QLatin1Char(' ') + g.pick(Units));
            b.text(5, g.pick(Cities));
            b.text(6, g.pick(States));
            b.text(7, g.zip());
            b.text(8, g.phone());
            b.text(9, g.phone());
            b.text(10, g.phone());
            b.text(11, QString(last).remove(QLatin1Char('\'')).toLower() + QStringLiteral("@exemple.ca"));
            b.text(12, first + QLatin1Char(' ') + last);
            b.text(13, g.dateTime(g.number(2015, 2020)));
            b.text(14, g.dateTime(g.number(2021, 2025)));
        });

    db.exec("INSERT INTO tblOwner (OwnerID,LName,FName,Company,Address,City,State,Zip,Phone,Email,FullName,"
            "AddDate) VALUES ('OWN-1','Côté','Renée','Ménage Renée','12 Rue de l''Église','Montréal','QC',"
            "'H2X 1Y4','(514) 555-0199','renee@exemple.ca','Renée Côté','2015-03-01 09:00:00')");
    db.exec("COMMIT");
    return db.ok();
}

bool AddPayments(const QString &database, int firstClientEvery) {
    Database db(database);
    if (firstClientEvery > 0)
        db.exec("UPDATE tblInvoices SET ClientID = 'QD-1' WHERE ID % " +
                QByteArray::number(firstClientEvery) + " = 0");
    db.exec(
        "INSERT INTO tblPayments (PaymentID, InvoiceID, ClientID, PaidDate, Amount, Method, Notes, AddDate) "
        "SELECT 'PAY-' || ID, InvoiceID, ClientID, date(ServiceDate, '+' || (ID % 40) || ' days'), "
        "ROUND(CASE WHEN ID % 3 = 0 THEN TotalAmt ELSE TotalAmt / 2 END, 2), CASE ID % 5 WHEN 0 THEN 'Cash' "
        "WHEN 1 THEN 'Check' WHEN 2 THEN 'Card' WHEN 3 THEN 'Transfer' ELSE 'Other' END, '', AddDate "
        "FROM tblInvoices ORDER BY ID");
    return db.ok();
}

} // namespace bench
