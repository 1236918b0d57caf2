// A list view in report view: one row per record, the record's identifier as the row key.
// Its columns come from a column table, which also says which recordset field fills each
// column, so that the header, the fill and the read-back of a chosen row agree.
#pragma once

#include <ordwen/ordwen.h>

#include <QTreeWidget>

#include <span>

// How a column shows its field. Numbers show in their shortest form whatever the kind;
// Null shows as empty.
enum class CellKind {
    Text,
    Date,     // the short date
    DateTime, // the short date, and the time of day when it is not midnight
};

struct ListColumn {
    const char *title;
    int widthTwips;
    Qt::Alignment alignment;
    const char *field; // the recordset field shown in the column
    CellKind kind = CellKind::Text;
};

class ListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit ListView(QWidget *parent = nullptr);

    // While one lives, the rows of list views compare by collation keys worked out once per
    // row and sort instead of collating two texts at every comparison; the order is the
    // same. Sorting a list (header click, keeping itself sorted) opens one.
    class SortScope {
    public:
        SortScope();
        ~SortScope();
        SortScope(const SortScope &) = delete;
        SortScope &operator=(const SortScope &) = delete;
    };

    // Row key: the record's identifier, kept in the first column's item data.
    static QString Key(const QTreeWidgetItem *item);
    // The stored value a cell shows, as the recordset gave it (line breaks and all); a
    // cell filled by SetCell gives its text.
    static QVariant Value(const QTreeWidgetItem *item, int column);

    // Appends a row whose key and first column are the given text; cells take the
    // alignment of their column.
    QTreeWidgetItem *AddRow(const QString &key);
    void SetCell(QTreeWidgetItem *item, int column, const QString &text);
    // Adds a column: header text, width in twips, alignment of header and cells.
    void AddColumn(const QString &header, int widthTwips, Qt::Alignment alignment = Qt::AlignLeft);
    // Adds every column of a table.
    void SetColumns(std::span<const ListColumn> columns);
    // The selected row, or nullptr.
    QTreeWidgetItem *SelectedItem() const;

signals:
    // A character key was typed while the list had the focus; sent after the list has
    // moved its selection for the key (type-ahead), so the selected row is the one typed to.
    void KeyPress(QChar key);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// Appends one row per record of the recordset, from its current row to its end, each cell
// showing its column's field; the first column's field is the row key. The list keeps a copy
// of the recordset (sharing its rows), so the caller may close its own straight away; cell
// texts are made when read. A list that keeps itself sorted is sorted once at the end rather
// than row by row. Leaves the recordset at its end.
void FillList(ListView *list, ordwen::Recordset &rs, std::span<const ListColumn> columns);
