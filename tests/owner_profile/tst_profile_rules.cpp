// The business-profile rules on plain records, without a window.
#include "RefusalText.h"
#include "TestMain.h"

#include "owner_profile/ProfileRules.h"

Q_DECLARE_METATYPE(rules::Check)

// Each field as short as its rule lets it be.
static const ProfileRecord Profile{{"L", "F", "B", "A", "C", "ON", "K1A0B", "5550101", "e"}};

class TestProfileRules : public QObject {
    Q_OBJECT
private slots:
    void checks_data() {
        QTest::addColumn<int>("field"); // one character shorter, and the next field emptied
        QTest::addColumn<rules::Check>("refusal");
        const QStringList messages =
            QString("Last Name is missing! |First Name is missing! |Business Name is missing! |Address is "
                    "missing! |"
                    "City Name is missing! |State/Prov is incomplete! |Postal (ZIP) Code is incomplete! |"
                    "Telephone Number is incomplete! ")
                .split('|');
        for (int field = 0; field < 8; ++field)
            QTest::newRow(qPrintable(messages[field])) << field << rules::Check({field, messages[field]});
        QTest::newRow("no e-mail") << 8 << rules::Check();
    }
    void checks() {
        QFETCH(int, field);
        QFETCH(rules::Check, refusal);
        ProfileRecord profile = Profile;
        profile.fields[std::size_t(field)].chop(1);
        if (field + 1 < ProfileRecord::FieldCount)
            profile.fields[std::size_t(field) + 1].clear();
        QCOMPARE(rules::CheckProfile(profile), refusal);
    }
    void values() {
        const QStringList fields(Profile.fields.begin(), Profile.fields.end());
        QCOMPARE(rules::NewProfileValues(Profile), fields + QStringList({"F L", "L - 431", ""}));
        QCOMPARE(rules::ChangedProfileValues(Profile), fields + QStringList({"F L", ""}));
    }
};

BRISOLA_TEST_MAIN(TestProfileRules)
#include "tst_profile_rules.moc"
