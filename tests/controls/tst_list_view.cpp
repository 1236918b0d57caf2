// A list view filled from a recordset: its rows read back like ordinary rows of the control
// (texts, stored values, key, a cell changed later), and a header click orders them exactly
// as the control orders ordinary rows, in both directions, whatever the texts hold.
#include "TestMain.h"

#include "controls/ListView.h"
#include "controls/ListViewSort.h"
#include "startup/modGlobal.h"

#include <QTest>
#include <QTreeWidget>

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

QStringList keys(const QTreeWidget &list) {
    QStringList result;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        result << list.topLevelItem(i)->text(0);
    return result;
}

// The control's own order: ordinary rows with the same texts, sorted by the control.
QStringList ordinaryOrder(const QStringList &texts, int column, Qt::SortOrder order, int unfilledRows = 0) {
    QTreeWidget plain;
    plain.setColumnCount(4);
    for (int i = 0; i < texts.size(); ++i) {
        auto *item = new QTreeWidgetItem(&plain);
        item->setText(0, QStringLiteral("R%1").arg(i));
        item->setText(1, texts.at(i));
        item->setText(2, modGlobal::NumberText(double(i) + 0.5));
        item->setText(3, modGlobal::DateText(
                             QStringLiteral("2024-03-%1").arg(1 + i % 3, 2, 10, QLatin1Char('0')), false));
    }
    for (int i = 0; i < unfilledRows; ++i)
        (new QTreeWidgetItem(&plain))->setText(0, QStringLiteral("U%1").arg(i));
    plain.sortItems(column, order);
    return keys(plain);
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
        QTreeWidgetItem *last = list.topLevelItem(2);
        QCOMPARE(ListView::Key(last), QStringLiteral("R3"));
        QCOMPARE(last->text(1), QStringLiteral("fig leaf"));
        QCOMPARE(ListView::Value(last, 1), QVariant(QStringLiteral("fig\nleaf")));
        QCOMPARE(ListView::Value(last, 2), QVariant(3.5));
        QCOMPARE(last->text(3), modGlobal::DateText(QStringLiteral("2024-03-01"), false));
        ListViewSort::ColumnClick(&list, 1); // descending
        ListViewSort::ColumnClick(&list, 1); // ascending
        QCOMPARE(keys(list), (QStringList{QStringLiteral("R2"), QStringLiteral("R3"), QStringLiteral("R1")}));
        QCOMPARE(list.topLevelItem(0)->text(1), QStringLiteral("Apple"));
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
        QTreeWidgetItem *first = list.topLevelItem(0);
        QTreeWidgetItem *second = list.topLevelItem(1);
        QTreeWidgetItem *third = list.topLevelItem(2);

        QCOMPARE(ListView::Key(first), QStringLiteral("QD-7"));
        QCOMPARE(first->text(0), QStringLiteral("QD-7"));
        QCOMPARE(first->text(1), QStringLiteral("Key under  the mat"));
        QCOMPARE(ListView::Value(first, 1), QVariant(QStringLiteral("Key under\r\nthe mat")));
        QCOMPARE(first->text(2), modGlobal::NumberText(1234.5));
        QCOMPARE(ListView::Value(first, 2), QVariant(1234.5));
        QCOMPARE(first->text(3), modGlobal::DateText(QStringLiteral("2024-03-05"), false));
        QCOMPARE(ListView::Value(first, 3), QVariant(QStringLiteral("2024-03-05")));
        // The same date shows the same text; another date its own.
        QCOMPARE(second->text(3), first->text(3));
        QCOMPARE(third->text(3), modGlobal::DateText(QStringLiteral("2024-04-30"), false));
        QVERIFY(third->text(3) != first->text(3));
        // Null shows empty; empty text stays empty.
        QCOMPARE(second->text(1), QString());
        QCOMPARE(second->text(2), QString());
        QCOMPARE(ListView::Value(second, 2), QVariant(QString()));
        QCOMPARE(third->text(1), QString());
        // A Null field is no text at all; an empty field is empty text, as the control keeps them.
        QVERIFY(second->text(1).isNull());
        QVERIFY(!third->text(1).isNull());
        // Cells take their column's alignment.
        QCOMPARE(first->data(2, Qt::TextAlignmentRole), list.headerItem()->data(2, Qt::TextAlignmentRole));
        // Past the last column there is nothing.
        QVERIFY(!first->data(4, Qt::DisplayRole).isValid());

        // A cell set later shows the new text and keeps the rest of the row.
        list.SetCell(first, 1, QStringLiteral("Ring twice"));
        QCOMPARE(first->text(1), QStringLiteral("Ring twice"));
        QCOMPARE(first->text(0), QStringLiteral("QD-7"));
        QCOMPARE(ListView::Key(first), QStringLiteral("QD-7"));

        // The key stays the record's identifier when the first cell's text changes.
        list.SetCell(third, 0, QStringLiteral("changed"));
        QCOMPARE(third->text(0), QStringLiteral("changed"));
        QCOMPARE(ListView::Key(third), QStringLiteral("QD-9"));
        QCOMPARE(third->text(3), modGlobal::DateText(QStringLiteral("2024-04-30"), false));

        // A cell given something other than text holds it, and the row keeps everything else.
        first->setData(2, Qt::DisplayRole, 42);
        QCOMPARE(first->data(2, Qt::DisplayRole), QVariant(42));
        QCOMPARE(first->text(1), QStringLiteral("Ring twice"));
        QCOMPARE(first->text(3), second->text(3));
        QCOMPARE(ListView::Value(first, 2), QVariant(1234.5));
        QCOMPARE(ListView::Key(first), QStringLiteral("QD-7"));

        // Other values of a cell are kept beside its text.
        second->setData(1, Qt::ToolTipRole, QStringLiteral("tip"));
        QCOMPARE(second->data(1, Qt::ToolTipRole), QVariant(QStringLiteral("tip")));
        QCOMPARE(ListView::Key(second), QStringLiteral("QD-8"));
        second->setData(0, Qt::UserRole, QStringLiteral("QD-80"));
        QCOMPARE(ListView::Key(second), QStringLiteral("QD-80"));
        QCOMPARE(second->text(0), QStringLiteral("QD-8"));
    }
};

BRISOLA_TEST_MAIN(tst_list_view)
#include "tst_list_view.moc"
