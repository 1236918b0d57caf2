#include "controls/ListView.h"

#include "controls/ListViewSort.h"
#include "controls/Twips.h"
#include "startup/modGlobal.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace {

constexpr int ValueRole = Qt::UserRole + 1;

// A row whose cells take the alignment of their column from the header, so that the
// alignment is kept once per column rather than once per cell.
class ListItem : public QTreeWidgetItem {
public:
    QVariant data(int column, int role) const override {
        if (role == Qt::TextAlignmentRole) {
            if (const QTreeWidget *list = treeWidget())
                return list->headerItem()->data(column, Qt::TextAlignmentRole);
        }
        return QTreeWidgetItem::data(column, role);
    }
};

// A cell is one line high whatever its text holds: a line break would make the row, and
// with uniform row heights every row, two lines tall.
QString oneLine(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            text[i] = QLatin1Char(' ');
    }
    return text;
}

QString cellText(const QVariant &value, CellKind kind) {
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
        return modGlobal::NumberText(value);
    default:
        break;
    }
    switch (kind) {
    case CellKind::Date:
        return modGlobal::DateText(value, false);
    case CellKind::DateTime:
        return modGlobal::DateText(value, true);
    case CellKind::Text:
        break;
    }
    return oneLine(value.toString());
}

} // namespace

ListView::ListView(QWidget *parent) : QTreeWidget(parent) {
    setColumnCount(0);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QString ListView::Key(const QTreeWidgetItem *item) {
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

QVariant ListView::Value(const QTreeWidgetItem *item, int column) {
    if (!item)
        return {};
    const QVariant value = item->data(column, ValueRole);
    return value.isValid() ? value : QVariant(item->text(column));
}

void ListView::AddColumn(const QString &headerText, int widthTwips, Qt::Alignment alignment) {
    const int column = columnCount();
    setColumnCount(column + 1);
    QTreeWidgetItem *head = headerItem();
    head->setText(column, headerText);
    head->setTextAlignment(column, alignment | Qt::AlignVCenter);
    setColumnWidth(column, Twips::ToPixels(widthTwips));
}

void ListView::SetColumns(std::span<const ListColumn> columns) {
    for (const ListColumn &column : columns)
        AddColumn(QString::fromLatin1(column.title), column.widthTwips, column.alignment);
}

QTreeWidgetItem *ListView::AddRow(const QString &key) {
    auto *item = new ListItem;
    item->setData(0, Qt::UserRole, key);
    item->setText(0, key);
    addTopLevelItem(item);
    return item;
}

void ListView::SetCell(QTreeWidgetItem *item, int column, const QString &text) {
    if (item && column >= 0 && column < columnCount())
        item->setText(column, text);
}

QTreeWidgetItem *ListView::SelectedItem() const {
    const auto selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void ListView::keyPressEvent(QKeyEvent *event) {
    QTreeWidget::keyPressEvent(event);
    // Arrow keys, page keys and the like carry no character and only move the selection.
    // The Delete key carries the DEL character on some keyboards; it is no character typed.
    const QString text = event->text();
    if (text.isEmpty() || event->key() == Qt::Key_Delete || text.at(0) == QChar(0x7f))
        return;
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        emit KeyPress(text.at(0));
}

void FillList(ListView *list, ordwen::Recordset &rs, std::span<const ListColumn> columns) {
    if (!list || columns.empty())
        return;
    // Field positions once per recordset, not once per cell.
    std::vector<int> fields;
    fields.reserve(columns.size());
    for (const ListColumn &column : columns)
        fields.push_back(rs.FieldIndex(QString::fromLatin1(column.field)));

    // Rows are made before they join the list, so that filling a cell tells no one.
    QList<QTreeWidgetItem *> rows;
    rows.reserve(rs.RecordCount());
    for (; !rs.isEOF(); rs.MoveNext()) {
        auto *item = new ListItem;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const QVariant value = fields[c] < 0 ? QVariant() : rs.Fields(fields[c]);
            const QString text = cellText(value, columns[c].kind);
            item->setText(int(c), text);
            // Keep what the cell cannot show (line breaks, every digit of an amount) for
            // reading the chosen row back.
            if (value.isValid() && (value.typeId() != QMetaType::QString || text != value.toString()))
                item->setData(int(c), ValueRole, value);
        }
        item->setData(0, Qt::UserRole, fields[0] < 0 ? QString() : rs.Fields(fields[0]).toString());
        rows.append(item);
    }
    const bool keepSorted = list->isSortingEnabled();
    if (keepSorted)
        list->setSortingEnabled(false);
    list->addTopLevelItems(rows);
    if (keepSorted)
        ListViewSort::KeepSorted(list);
}
