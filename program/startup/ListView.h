// A list view in report view: one row per record, the record's identifier as the row key.
#pragma once

#include <QTreeWidget>

class ListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit ListView(QWidget *parent = nullptr);

    // Row key: the record's identifier, kept in the first column's item data.
    static QString Key(const QTreeWidgetItem *item);
    // Appends a row whose key and first column are the given text; cells take the
    // alignment of their column.
    QTreeWidgetItem *AddRow(const QString &key);
    void SetCell(QTreeWidgetItem *item, int column, const QString &text);
    // Adds a column: header text, width in twips, alignment of header and cells.
    void AddColumn(const QString &header, int widthTwips, Qt::Alignment alignment = Qt::AlignLeft);
    // The selected row, or nullptr.
    QTreeWidgetItem *SelectedItem() const;

signals:
    // A character key was typed while the list had the focus; sent after the list has
    // moved its selection for the key (type-ahead), so the selected row is the one typed to.
    void KeyPress(QChar key);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
