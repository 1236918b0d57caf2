// The contact rules on plain records, without a window.
#include "RefusalText.h"
#include "TestMain.h"

#include "address_book/AddressRules.h"

Q_DECLARE_METATYPE(rules::Check)

static const AddressRecord Contact{{"Ann", "Lee", "1 Main", "Hull", "ON", "K1A", "555", "", "", "a@b"}};

class TestAddressRules : public QObject {
    Q_OBJECT
private slots:
    void checks_data() {
        QTest::addColumn<QList<int>>("emptied"); // each check before the next
        QTest::addColumn<rules::Check>("refusal");
        QTest::newRow("only the four needed") << QList<int>{2, 5, 6, 7, 8, 9} << rules::Check();
        QTest::newRow("first") << QList<int>{0, 1} << rules::Check({0, "Enter First Name! "});
        QTest::newRow("last") << QList<int>{1, 3} << rules::Check({1, "Enter Last Name! "});
        QTest::newRow("city") << QList<int>{3, 4} << rules::Check({3, "Enter City Name! "});
        QTest::newRow("state") << QList<int>{4} << rules::Check({4, "Enter State/Province! "});
    }
    void checks() {
        QFETCH(QList<int>, emptied);
        QFETCH(rules::Check, refusal);
        AddressRecord contact = Contact;
        for (int field : emptied)
            contact.fields[std::size_t(field)].clear();
        QCOMPARE(rules::CheckAddress(contact), refusal);
    }
    void values() {
        QCOMPARE(rules::AddressValues(Contact, "A-4"),
                 (QStringList{"Ann", "Lee", "1 Main", "Hull", "ON", "K1A", "555", "", "", "a@b", "Ann Lee",
                              "A-4", ""}));
    }
};

BRISOLA_TEST_MAIN(TestAddressRules)
#include "tst_address_rules.moc"
