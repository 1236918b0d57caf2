#include "controls/ListView.h"

#include "controls/ListViewSort.h"
#include "controls/Twips.h"
#include "startup/modGlobal.h"

#include <QCollator>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace {

constexpr int ValueRole = Qt::UserRole + 1;

// The collation keys of one header-click sort (see ListView::SortScope).
struct SortKeys {
    int depth = 0;
    quint64 generation = 0;
    std::vector<QCollatorSortKey> keys;
    // Rows showing the same text share its key: names and dates repeat a lot in a list.
    QHash<QString, std::size_t> slotOf;
};

SortKeys &sortKeys() {
    static SortKeys keys;
    return keys;
}

// The rows of one fill: a copy of the recordset they came from (it shares the recordset's
// rows, so nothing is copied) and how each column shows its field. A cell's text is worked
// out when someone reads it, so that a fill makes no text at all: a list paints only the
// rows on screen, and a sort reads one column once per row.
class FilledRows {
public:
    FilledRows(const ordwen::Recordset &rows, std::span<const ListColumn> columns);

    int columnCount() const { return int(m_fields.size()); }
    // The stored value of a cell, as the recordset gives it.
    QVariant value(int row, int column) const {
        return m_fields[std::size_t(column)] < 0 ? QVariant()
                                                 : m_rows.Value(row, m_fields[std::size_t(column)]);
    }
    QString text(int row, int column) const { return shown(column, value(row, column)); }
    // What the cell cannot show (line breaks, every digit of an amount, the stored date),
    // kept for reading the chosen row back; nothing when the text is the value.
    QVariant stored(int row, int column) const {
        QVariant raw = value(row, column);
        if (!raw.isValid())
            return {};
        if (raw.typeId() == QMetaType::QString && shown(column, raw) == raw.toString())
            return {};
        return raw;
    }
    // The row key: the first column's value.
    QString key(int row) const { return value(row, 0).toString(); }

private:
    QString shown(int column, const QVariant &value) const;

    ordwen::Recordset m_rows;
    std::vector<int> m_fields; // the recordset field of each column, -1 for none
    std::vector<CellKind> m_kinds;
    // A date column shows the same text for every row that stores the same date: each
    // distinct stored text is worked out once (service dates repeat a lot).
    mutable std::vector<QHash<QString, QString>> m_dates;
};

// A row of a list view.
//
// Its cells take the alignment of their column from the header, so that the alignment is
// kept once per column rather than once per cell.
//
// A row filled from a recordset holds only its place in the fill's rows; its texts, key and
// stored values are read from there. Anything given to such a row moves it to the control's
// ordinary storage first, with everything it showed.
//
// While a sort scope lives, rows compare by collation keys worked out once per row instead
// of collating both texts at every comparison. The order is the ordinary one: texts compare
// as the locale sorts them, an empty text before any other, rows without text as the
// item's own comparison puts them.
class ListItem : public QTreeWidgetItem {
public:
    ListItem() = default;
    ListItem(std::shared_ptr<const FilledRows> rows, int row) : m_rows(std::move(rows)), m_row(row) {}

    QVariant data(int column, int role) const override {
        if (role == Qt::TextAlignmentRole) {
            if (const QTreeWidget *list = treeWidget())
                return list->headerItem()->data(column, Qt::TextAlignmentRole);
        }
        if (m_rows && column >= 0 && column < m_rows->columnCount()) {
            if (role == Qt::DisplayRole || role == Qt::EditRole)
                return m_rows->text(m_row, column);
            if (role == Qt::UserRole && column == 0)
                return m_rows->key(m_row);
            if (role == ValueRole)
                return m_rows->stored(m_row, column);
        }
        return QTreeWidgetItem::data(column, role);
    }

    void setData(int column, int role, const QVariant &value) override {
        if (m_rows)
            moveToItemValues();
        QTreeWidgetItem::setData(column, role, value);
    }

    bool operator<(const QTreeWidgetItem &other) const override {
        const auto *that = dynamic_cast<const ListItem *>(&other);
        const SortKeys &scope = sortKeys();
        if (!that || scope.depth == 0)
            return QTreeWidgetItem::operator<(other);
        const QTreeWidget *view = treeWidget();
        const int column = view ? view->sortColumn() : 0;
        const Key &left = key(column);
        const Key &right = that->key(column);
        if (left.kind == Key::NoText || right.kind == Key::NoText)
            return QTreeWidgetItem::operator<(other);
        if (left.kind == Key::Empty || right.kind == Key::Empty)
            return left.kind == Key::Empty && right.kind != Key::Empty;
        return left.slot != right.slot && scope.keys[left.slot].compare(scope.keys[right.slot]) < 0;
    }

private:
    struct Key {
        enum Kind : quint8 { NoText, Empty, Collated };
        quint64 generation = 0;
        int column = -1;
        Kind kind = NoText;
        std::size_t slot = 0;
    };

    const Key &key(int column) const {
        SortKeys &scope = sortKeys();
        if (m_sortKey.generation != scope.generation || m_sortKey.column != column) {
            m_sortKey.generation = scope.generation;
            m_sortKey.column = column;
            const QVariant shown = data(column, Qt::DisplayRole);
            if (shown.typeId() != QMetaType::QString) {
                m_sortKey.kind = Key::NoText;
            } else if (shown.toString().isEmpty()) {
                m_sortKey.kind = Key::Empty;
            } else {
                m_sortKey.kind = Key::Collated;
                const QString text = shown.toString();
                auto slot = scope.slotOf.constFind(text);
                if (slot == scope.slotOf.constEnd()) {
                    slot = scope.slotOf.insert(text, scope.keys.size());
                    scope.keys.push_back(QCollator::defaultSortKey(text));
                }
                m_sortKey.slot = *slot;
            }
        }
        return m_sortKey;
    }

    // Everything the row shows and keeps, into the control's own storage.
    void moveToItemValues() {
        const std::shared_ptr<const FilledRows> rows = std::exchange(m_rows, {});
        for (int c = 0; c < rows->columnCount(); ++c) {
            QTreeWidgetItem::setData(c, Qt::DisplayRole, rows->text(m_row, c));
            const QVariant stored = rows->stored(m_row, c);
            if (stored.isValid())
                QTreeWidgetItem::setData(c, ValueRole, stored);
        }
        QTreeWidgetItem::setData(0, Qt::UserRole, rows->key(m_row));
    }

    std::shared_ptr<const FilledRows> m_rows; // the fill this row came from, while it shows it
    int m_row = 0;
    mutable Key m_sortKey;
};

// A cell is one line high whatever its text holds: a line break would make the row, and
// with uniform row heights every row, two lines tall.
QString oneLine(QString text) {
    const QChar *chars = text.constData();
    const qsizetype size = text.size();
    qsizetype first = 0;
    while (first < size && chars[first] != QLatin1Char('\n') && chars[first] != QLatin1Char('\r'))
        ++first;
    for (qsizetype i = first; i < size; ++i) {
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

ListView::SortScope::SortScope() {
    SortKeys &keys = sortKeys();
    if (keys.depth++ == 0)
        ++keys.generation;
}

ListView::SortScope::~SortScope() {
    SortKeys &keys = sortKeys();
    if (--keys.depth == 0) {
        keys.keys.clear();
        keys.keys.shrink_to_fit();
        keys.slotOf = {};
    }
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

FilledRows::FilledRows(const ordwen::Recordset &rows, std::span<const ListColumn> columns)
    : m_rows(rows), m_dates(columns.size()) {
    // Field positions once per fill, not once per cell.
    m_fields.reserve(columns.size());
    m_kinds.reserve(columns.size());
    for (const ListColumn &column : columns) {
        m_fields.push_back(rows.FieldIndex(QString::fromLatin1(column.field)));
        m_kinds.push_back(column.kind);
    }
}

QString FilledRows::shown(int column, const QVariant &value) const {
    const CellKind kind = m_kinds[std::size_t(column)];
    if (kind == CellKind::Text || value.typeId() != QMetaType::QString)
        return cellText(value, kind);
    QHash<QString, QString> &known = m_dates[std::size_t(column)];
    const QString stored = value.toString();
    auto text = known.constFind(stored);
    if (text == known.constEnd())
        text = known.insert(stored, cellText(value, kind));
    return *text;
}

void FillList(ListView *list, ordwen::Recordset &rs, std::span<const ListColumn> columns) {
    if (!list || columns.empty())
        return;
    // The rows run from the recordset's current row to its end.
    int count = 0;
    for (; !rs.isEOF(); rs.MoveNext())
        ++count;
    const int first = rs.RecordCount() - count;
    const auto rows = std::make_shared<const FilledRows>(rs, columns);

    // Rows are made before they join the list, so that making one tells no one.
    QList<QTreeWidgetItem *> items;
    items.reserve(count);
    for (int row = first; row < first + count; ++row)
        items.append(new ListItem(rows, row));
    const bool keepSorted = list->isSortingEnabled();
    if (keepSorted)
        list->setSortingEnabled(false);
    list->addTopLevelItems(items);
    if (keepSorted)
        ListViewSort::KeepSorted(list);
}
