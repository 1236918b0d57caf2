// A list view in report view: one row per record, the record's identifier as the row key.
// Its columns come from a column table, which also says which recordset field fills each
// column, so that the header, the fill and the read-back of a chosen row agree.
//
// The list is a view over a model of its own that reads its rows from the recordsets it was
// filled from: there is no object per row, and a cell's text is made only when something
// reads it (painting the rows on screen, a sort, the chosen row).
#pragma once

#include <ordwen/ordwen.h>

#include <QTreeView>

#include <span>

// How a column shows its field. Numbers show in their shortest form, except in an amount column;
// Null shows as empty.
enum class CellKind {
    Text,
    Date,     // the short date
    DateTime, // the short date, and the time of day when it is not midnight
    Amount,   // a number with digit grouping and two decimals (1,234.50)
};

struct ListColumn {
    const char *title;
    int widthTwips;
    Qt::Alignment alignment;
    const char *field; // the recordset field shown in the column
    CellKind kind = CellKind::Text;
};

class ListModel;

class ListView : public QTreeView {
    Q_OBJECT
public:
    explicit ListView(QWidget *parent = nullptr);
    ~ListView() override;

    // A cell shows at most this many characters of its value: a note of megabytes is laid
    // out for a cell a few hundred pixels wide. The value read back stays whole.
    static constexpr qsizetype ShownCharacters = 500;

    // Adds a column: header text, width in twips, alignment of header and cells.
    void AddColumn(const QString &header, int widthTwips, Qt::Alignment alignment = Qt::AlignLeft);
    // Adds every column of a table.
    void SetColumns(std::span<const ListColumn> columns);
    int columnCount() const;

    // Rows are counted and numbered in the order shown, 0 the first; -1 is no row.
    int topLevelItemCount() const;
    // Row key: the record's identifier.
    QString Key(int row) const;
    // The text a cell shows.
    QString Text(int row, int column) const;
    // The stored value a cell shows, as the recordset gave it (line breaks and all, whole);
    // a cell filled by SetCell gives its text.
    QVariant Value(int row, int column) const;
    // Every cell text of the row, each followed by a line feed (no cell shows one): what a find
    // searches. The texts of all rows are kept from the first call until the rows change.
    const QString &SearchText(int row) const;
    // The first row with the key, or -1.
    int RowOf(const QString &key) const;

    // Appends a row whose key and first column are the given text.
    int AddRow(const QString &key);
    void SetCell(int row, int column, const QString &text);
    // Every row goes.
    void clear();

    // The selected row, or -1.
    int SelectedRow() const;
    // Makes the row the current and only selected one and scrolls to it, as a click on it
    // would, without sending the click.
    void ChooseRow(int row);
    // Where the row is drawn, in the viewport's coordinates.
    QRect RowRect(int row) const;

    // Sorting (see ListViewSort): the rows ordered once by a column, texts compared as the
    // user's locale sorts them; equal texts keep their order.
    void SortRows(int column, Qt::SortOrder order);
    // Whether the list keeps itself sorted: while on, every fill and every changed cell puts
    // the rows in order again, by the column and direction of the last sort. (They stand in
    // for the tree view's own, which would sort at every header click.)
    void setSortingEnabled(bool keep);
    bool isSortingEnabled() const { return m_keepSorted; }
    int SortColumn() const { return m_sortColumn; }
    Qt::SortOrder SortDirection() const { return m_sortOrder; }

signals:
    // A character key was typed while the list had the focus; sent after the list has
    // moved its selection for the key (type-ahead), so the selected row is the one typed to.
    void KeyPress(QChar key);
    // A row was clicked.
    void Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend void FillList(ListView *list, ordwen::Recordset &rs, std::span<const ListColumn> columns);
    void sortIfKept();

    ListModel *m_model;
    bool m_keepSorted = false;
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

// Appends one row per record of the recordset, from its current row to its end, each cell
// showing its column's field; the first column's field is the row key. The list keeps a copy
// of the recordset (sharing its rows), so the caller may close its own straight away; cell
// texts are made when read. A list that keeps itself sorted is sorted once at the end.
// Leaves the recordset at its end.
void FillList(ListView *list, ordwen::Recordset &rs, std::span<const ListColumn> columns);
