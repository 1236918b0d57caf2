// A list view filled from a recordset: its rows read back like ordinary rows of the control
// (texts, stored values, key, a cell changed later), and a header click orders them exactly
// as the control orders ordinary rows, in both directions, whatever the texts hold.
#include "TestAppFolder.h"
#include "TestMain.h"

#include "controls/Format.h"
#include "controls/ListView.h"
#include "controls/ListViewSort.h"

#include <QCollator>
#include <QTest>

#include <algorithm>

namespace {

constexpr ListColumn Columns[] = {
    {"ID", 1000, Qt::AlignLeft, "ID"},
    {"Text", 2000, Qt::AlignLeft, "Text"},
    {"Amount", 1000, Qt::AlignRight, "Amount"},
    {"Date", 1500, Qt::AlignHCenter, "Day", CellKind::Date},
};

// A recordset of rows "R0", "R1", ... holding the texts, an amount and a date each.
ordwen::Recordset recordset(const QStringList &texts) {
    QList<QVariantList> rows;
    for (int i = 0; i < texts.size(); ++i)
        rows << QVariantList{QStringLiteral("R%1").arg(i), texts.at(i), double(i) + 0.5,
                             QStringLiteral("2024-03-%1").arg(1 + i % 3, 2, 10, QLatin1Char('0'))};
    return ordwen::Recordset(
        {QStringLiteral("ID"), QStringLiteral("Text"), QStringLiteral("Amount"), QStringLiteral("Day")},
        rows);
}

QStringList keys(const ListView &list) {
    QStringList result;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        result << list.Text(i, 0);
    return result;
}

// The order a person reads the shown texts in: compared one pair at a time by the user's
// collator, stable, an empty text first and a cell never given text last (ascending).
QStringList ordinaryOrder(const QStringList &texts, int column, Qt::SortOrder order, int unfilledRows = 0) {
    struct Row {
        QString key;
        QString shown;
        bool hasText;
    };
    QList<Row> rows;
    for (int i = 0; i < texts.size(); ++i) {
        const QString day = QStringLiteral("2024-03-%1").arg(1 + i % 3, 2, 10, QLatin1Char('0'));
        const QString shown = column == 1 ? QString(texts.at(i))
                                                .replace(QLatin1Char('\r'), QLatin1Char(' '))
                                                .replace(QLatin1Char('\n'), QLatin1Char(' '))
                              : column == 2 ? controls::NumberText(double(i) + 0.5)
                                            : controls::DateText(day, false);
        rows.append({QStringLiteral("R%1").arg(i), shown, true});
    }
    for (int i = 0; i < unfilledRows; ++i)
        rows.append({QStringLiteral("U%1").arg(i), QString(), false});
    const QCollator collator;
    auto less = [&collator](const Row &a, const Row &b) {
        if (a.hasText != b.hasText)
            return a.hasText;
        if (a.shown.isEmpty() || b.shown.isEmpty())
            return a.shown.isEmpty() && !b.shown.isEmpty();
        return collator.compare(a.shown, b.shown) < 0;
    };
    if (order == Qt::AscendingOrder)
        std::stable_sort(rows.begin(), rows.end(), less);
    else
        std::stable_sort(rows.begin(), rows.end(),
                         [&less](const Row &a, const Row &b) { return less(b, a); });
    QStringList result;
    for (const Row &row : rows)
        result << row.key;
    return result;
}

} // namespace

class tst_list_view : public QObject {
    Q_OBJECT

private slots:
    void headerClickOrdersLikeOrdinaryRows_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("unfilledRows");

        QTest::newRow("accents and letter case")
            << QStringList{QStringLiteral("Émile"), QStringLiteral("emile"),  QStringLiteral("Zoë"),
                           QStringLiteral("zoe"),   QStringLiteral("Ålborg"), QStringLiteral("apple"),
                           QStringLiteral("Apple"), QStringLiteral("éclair"), QStringLiteral("eclair")}
            << 1 << 0;
        QTest::newRow("empty and blank texts")
            << QStringList{QString(),           QStringLiteral("b"), QString(),
                           QStringLiteral(" "), QStringLiteral("a"), QStringLiteral("")}
            << 1 << 0;
        QTest::newRow("numbers compare as text")
            << QStringList{QStringLiteral("100"), QStringLiteral("25"),       QStringLiteral("9"),
                           QStringLiteral("10"),  QStringLiteral("1,234.50"), QStringLiteral("-3")}
            << 1 << 0;
        QTest::newRow("apostrophes and punctuation")
            << QStringList{QStringLiteral("O'Brien"),    QStringLiteral("OBrien"),
                           QStringLiteral("O Brien"),    QStringLiteral("o'brien"),
                           QStringLiteral("D'Angelo"),   QStringLiteral("Dangelo"),
                           QStringLiteral("St. John's"), QStringLiteral("St John's")}
            << 1 << 0;
        QTest::newRow("equal texts keep their order")
            << QStringList{QStringLiteral("same"), QStringLiteral("Same"), QStringLiteral("same"),
                           QStringLiteral("SAME"), QStringLiteral("same")}
            << 1 << 0;
        QTest::newRow("line breaks shown as blanks")
            << QStringList{QStringLiteral("b\r\nc"), QStringLiteral("b c"), QStringLiteral("a\nz"),
                           QStringLiteral("b")}
            << 1 << 0;
        QTest::newRow("amounts compare as text") << QStringList(12, QStringLiteral("x")) << 2 << 0;
        QTest::newRow("dates compare as text") << QStringList(7, QStringLiteral("x")) << 3 << 0;
        QTest::newRow("names as a person reads them")
            << QStringList{QStringLiteral("O'Neil"), QStringLiteral("adams"), QStringLiteral("zed"),
                           QStringLiteral("Ábel")}
            << 1 << 0;
        QTest::newRow("rows without cells beside filled rows")
            << QStringList{QStringLiteral("b"), QString(), QStringLiteral("a")} << 1 << 3;
    }
    void headerClickOrdersLikeOrdinaryRows() {
        QFETCH(QStringList, texts);
        QFETCH(int, column);
        QFETCH(int, unfilledRows);

        ListView list;
        list.SetColumns(Columns);
        ListViewSort::Setup(&list, false, 0);
        ordwen::Recordset rs = recordset(texts);
        rs.MoveFirst();
        FillList(&list, rs, Columns);
        for (int i = 0; i < unfilledRows; ++i)
            list.AddRow(QStringLiteral("U%1").arg(i));

        // The first click sorts descending, the second ascending.
        ListViewSort::ColumnClick(&list, column);
        QCOMPARE(keys(list), ordinaryOrder(texts, column, Qt::DescendingOrder, unfilledRows));
        ListViewSort::ColumnClick(&list, column);
        QCOMPARE(keys(list), ordinaryOrder(texts, column, Qt::AscendingOrder, unfilledRows));
    }

    // A list that keeps itself sorted places the filled rows in order too.
    // A long value, read from the database or given as rows, is laid out only as far as a cell
    // can show it, and reads back whole, line breaks and all.
    void longValueShownShortReadBackWhole() {
        const QString note = QStringLiteral("line\r\n").repeated(100000) + QStringLiteral("\u00e9nd");
        TestAppFolder folder;
        QVERIFY(folder.exec(
            QStringLiteral("INSERT INTO tblNotes (NoteID, NoteText) VALUES ('QDN-1', '%1')").arg(note)));
        ordwen::Connection connection;
        connection.setConnectionString(QStringLiteral("Data Source=") + folder.databasePath() +
                                       QLatin1Char(';'));
        QVERIFY(connection.Open());
        const ordwen::RecordsetPtr stored =
            connection.Execute(QStringLiteral("SELECT NoteID AS ID, NoteText AS Text FROM tblNotes"));
        connection.Close();
        QVERIFY(stored);
        for (ordwen::Recordset rs : {*stored, recordset({note})}) {
            ListView list;
            list.SetColumns(Columns);
            rs.MoveFirst();
            FillList(&list, rs, Columns);
            QCOMPARE(list.Text(0, 1), QStringLiteral("line  ").repeated(100).left(ListView::ShownCharacters));
            QCOMPARE(list.Value(0, 1), QVariant(note));
        }
    }

    void keptSortedAfterFill() {
        const QStringList texts{QStringLiteral("Côté"),
                                QStringLiteral("cote"),
                                QStringLiteral("Cote"),
                                QStringLiteral("côte"),
                                QString(),
                                QStringLiteral("Abbott")};
        ListView list;
        list.SetColumns(Columns);
        ListViewSort::Setup(&list, true, 1);
        ordwen::Recordset rs = recordset(texts);
        rs.MoveFirst();
        FillList(&list, rs, Columns);
        QCOMPARE(keys(list), ordinaryOrder(texts, 1, Qt::AscendingOrder));
        // Letter case and accents as a person reads them, not by character code.
        QCOMPARE(keys(list), (QStringList{"R4", "R5", "R1", "R2", "R3", "R0"}));
    }

    // A fill takes the rows from the recordset's current row to its end, leaves the recordset
    // at its end, and its rows keep showing their records after the recordset is closed and
    // gone, as every window closes it straight after the fill; sorting still reads them.
    void filledRowsOutliveTheirRecordset() {
        ListView list;
        list.SetColumns(Columns);
        ListViewSort::Setup(&list, false, 0);
        {
            ordwen::Recordset rs = recordset({QStringLiteral("skipped"), QStringLiteral("pear"),
                                              QStringLiteral("Apple"), QStringLiteral("fig\nleaf")});
            rs.MoveFirst();
            rs.MoveNext();
            FillList(&list, rs, Columns);
            QVERIFY(rs.isEOF());
            rs.Close();
        }
        QCOMPARE(keys(list), (QStringList{QStringLiteral("R1"), QStringLiteral("R2"), QStringLiteral("R3")}));
        const int last = 2;
        QCOMPARE(list.Key(last), QStringLiteral("R3"));
        QCOMPARE(list.Text(last, 1), QStringLiteral("fig leaf"));
        QCOMPARE(list.Value(last, 1), QVariant(QStringLiteral("fig\nleaf")));
        QCOMPARE(list.Value(last, 2), QVariant(3.5));
        QCOMPARE(list.Text(last, 3), controls::DateText(QStringLiteral("2024-03-01"), false));
        ListViewSort::ColumnClick(&list, 1); // descending
        ListViewSort::ColumnClick(&list, 1); // ascending
        QCOMPARE(keys(list), (QStringList{QStringLiteral("R2"), QStringLiteral("R3"), QStringLiteral("R1")}));
        QCOMPARE(list.Text(0, 1), QStringLiteral("Apple"));
    }

    void filledRowReadsBackLikeAnOrdinaryRow() {
        ListView list;
        list.SetColumns(Columns);
        ordwen::Recordset rs(
            {QStringLiteral("ID"), QStringLiteral("Text"), QStringLiteral("Amount"), QStringLiteral("Day")},
            {{QStringLiteral("QD-7"), QStringLiteral("Key under\r\nthe mat"), 1234.5,
              QStringLiteral("2024-03-05")},
             {QStringLiteral("QD-8"), QVariant(), QVariant(), QStringLiteral("2024-03-05")},
             {QStringLiteral("QD-9"), QStringLiteral(""), 25.0, QStringLiteral("2024-04-30")}});
        rs.MoveFirst();
        FillList(&list, rs, Columns);
        QCOMPARE(list.topLevelItemCount(), 3);
        const int first = 0;
        const int second = 1;
        const int third = 2;

        QCOMPARE(list.Key(first), QStringLiteral("QD-7"));
        QCOMPARE(list.Text(first, 0), QStringLiteral("QD-7"));
        QCOMPARE(list.Text(first, 1), QStringLiteral("Key under  the mat"));
        QCOMPARE(list.Value(first, 1), QVariant(QStringLiteral("Key under\r\nthe mat")));
        QCOMPARE(list.Text(first, 2), controls::NumberText(1234.5));
        QCOMPARE(list.Value(first, 2), QVariant(1234.5));
        QCOMPARE(list.Text(first, 3), controls::DateText(QStringLiteral("2024-03-05"), false));
        QCOMPARE(list.Value(first, 3), QVariant(QStringLiteral("2024-03-05")));
        // The same date shows the same text; another date its own.
        QCOMPARE(list.Text(second, 3), list.Text(first, 3));
        QCOMPARE(list.Text(third, 3), controls::DateText(QStringLiteral("2024-04-30"), false));
        QVERIFY(list.Text(third, 3) != list.Text(first, 3));
        // Null shows empty; empty text stays empty.
        QCOMPARE(list.Text(second, 1), QString());
        QCOMPARE(list.Text(second, 2), QString());
        QCOMPARE(list.Value(second, 2), QVariant(QString()));
        QCOMPARE(list.Text(third, 1), QString());
        // A Null field is no text at all; an empty field is empty text, as the control keeps them.
        QVERIFY(list.Text(second, 1).isNull());
        QVERIFY(!list.Text(third, 1).isNull());
        // Cells take their column's alignment.
        QCOMPARE(list.model()->index(first, 2).data(Qt::TextAlignmentRole),
                 list.model()->headerData(2, Qt::Horizontal, Qt::TextAlignmentRole));
        // Past the last column there is nothing.
        QVERIFY(!list.model()->index(first, 4).data(Qt::DisplayRole).isValid());

        // A cell set later shows the new text and keeps the rest of the row.
        list.SetCell(first, 1, QStringLiteral("Ring twice"));
        QCOMPARE(list.Text(first, 1), QStringLiteral("Ring twice"));
        QCOMPARE(list.Text(first, 0), QStringLiteral("QD-7"));
        QCOMPARE(list.Key(first), QStringLiteral("QD-7"));

        // The key stays the record's identifier when the first cell's text changes.
        list.SetCell(third, 0, QStringLiteral("changed"));
        QCOMPARE(list.Text(third, 0), QStringLiteral("changed"));
        QCOMPARE(list.Key(third), QStringLiteral("QD-9"));
        QCOMPARE(list.Text(third, 3), controls::DateText(QStringLiteral("2024-04-30"), false));
    }
};
BRISOLA_TEST_MAIN(tst_list_view)
#include "tst_list_view.moc"
