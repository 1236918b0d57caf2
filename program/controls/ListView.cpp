#include "controls/ListView.h"

#include "controls/ListViewSort.h"
#include "controls/Twips.h"
#include "startup/modGlobal.h"

#include <QCollator>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVarLengthArray>

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
};

SortKeys &sortKeys() {
    static SortKeys keys;
    return keys;
}

// The texts of a row's cells in one block: every text one after another, then where each
// one ends (two characters' room per cell), instead of a string of its own per cell. Which
// cells hold no text at all (a null string rather than an empty one) is kept for the first
// 64 columns.
class RowTexts {
public:
    RowTexts() = default;
    explicit RowTexts(std::span<const QString> texts) { assign(texts); }

    int size() const { return m_count; }
    QString at(int column) const {
        if (column < 64 && (m_null >> column & 1u))
            return QString();
        const quint32 start = column > 0 ? end(column - 1) : 0;
        return QString(m_block.constData() + start, qsizetype(end(column) - start));
    }
    void set(int column, const QString &text) {
        std::vector<QString> texts;
        texts.reserve(std::size_t(m_count));
        for (int c = 0; c < m_count; ++c)
            texts.push_back(c == column ? text : at(c));
        assign(texts);
    }

private:
    quint32 end(int column) const {
        const QChar *ends = m_block.constData() + (m_block.size() - 2 * m_count);
        return quint32(ends[2 * column].unicode()) | quint32(ends[2 * column + 1].unicode()) << 16;
    }

    void assign(std::span<const QString> texts) {
        qsizetype total = 0;
        for (const QString &text : texts)
            total += text.size();
        m_count = int(texts.size());
        m_block = QString(total + 2 * m_count, Qt::Uninitialized);
        m_null = 0;
        QChar *out = m_block.data();
        QChar *ends = out + total;
        quint32 written = 0;
        for (std::size_t c = 0; c < texts.size(); ++c) {
            const QString &text = texts[c];
            std::copy(text.constBegin(), text.constEnd(), out + written);
            written += quint32(text.size());
            ends[2 * c] = QChar(char16_t(written & 0xffffu));
            ends[2 * c + 1] = QChar(char16_t(written >> 16));
            if (c < 64 && text.isNull())
                m_null |= quint64(1) << c;
        }
    }

    QString m_block;
    int m_count = 0;
    quint64 m_null = 0;
};

// A row of a list view.
//
// Its cells take the alignment of their column from the header, so that the alignment is
// kept once per column rather than once per cell.
//
// A row filled from a recordset keeps its cell texts in one block, and the few other values
// it carries (the key, a stored value a cell cannot show) in a short list, rather than as a
// list of item values per column: a fraction of the memory for a list of 50,000 rows, and
// no QVariant built while filling. Anything but text shown in a cell moves the
// row back to the ordinary storage.
//
// While a sort scope lives, rows compare by collation keys worked out once per row instead
// of collating both texts at every comparison. The order is the ordinary one: texts compare
// as the locale sorts them, an empty text before any other, rows without text as the
// item's own comparison puts them.
class ListItem : public QTreeWidgetItem {
public:
    ListItem() = default;
    explicit ListItem(std::span<const QString> texts) : m_text(texts), m_filled(true) {}

    void setCellValue(int column, int role, const QVariant &value) { m_values.append({column, role, value}); }
    // The row key; most often the first cell's text, which then is not kept twice.
    void setKey(const QString &key) {
        m_hasKey = true;
        m_keyIsFirstCell = m_text.size() > 0 && key == m_text.at(0) && key.isNull() == m_text.at(0).isNull();
        if (!m_keyIsFirstCell)
            m_key = key;
    }

    QVariant data(int column, int role) const override {
        if (role == Qt::TextAlignmentRole) {
            if (const QTreeWidget *list = treeWidget())
                return list->headerItem()->data(column, Qt::TextAlignmentRole);
        }
        if (m_filled) {
            if (role == Qt::DisplayRole || role == Qt::EditRole) {
                if (column >= 0 && column < m_text.size())
                    return m_text.at(column);
            } else {
                if (role == Qt::UserRole && column == 0 && m_hasKey)
                    return m_keyIsFirstCell ? m_text.at(0) : m_key;
                for (const Value &value : m_values) {
                    if (value.column == column && value.role == role)
                        return value.value;
                }
            }
        }
        return QTreeWidgetItem::data(column, role);
    }

    void setData(int column, int role, const QVariant &value) override {
        if (m_filled) {
            if (role == Qt::DisplayRole || role == Qt::EditRole) {
                if (column >= 0 && column < m_text.size() && value.typeId() == QMetaType::QString) {
                    const QString text = value.toString();
                    if (m_text.at(column) != text) {
                        keepKey();
                        m_text.set(column, text);
                        emitDataChanged();
                    }
                    return;
                }
                moveToItemValues();
            } else if (role != Qt::CheckStateRole && column >= 0 && column < m_text.size()) {
                if (role == Qt::UserRole && column == 0) {
                    m_hasKey = value.typeId() == QMetaType::QString;
                    m_keyIsFirstCell = false;
                    if (m_hasKey) {
                        m_key = value.toString();
                        emitDataChanged();
                        return;
                    }
                }
                auto same = std::find_if(m_values.begin(), m_values.end(), [&](const Value &v) {
                    return v.column == column && v.role == role;
                });
                if (same == m_values.end())
                    m_values.append({column, role, value});
                else
                    same->value = value;
                emitDataChanged();
                return;
            } else {
                moveToItemValues();
            }
        }
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
        return scope.keys[left.slot].compare(scope.keys[right.slot]) < 0;
    }

private:
    struct Value {
        int column;
        int role;
        QVariant value;
    };
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
                m_sortKey.slot = scope.keys.size();
                scope.keys.push_back(QCollator::defaultSortKey(shown.toString()));
            }
        }
        return m_sortKey;
    }

    // A key kept as the first cell's text stays what it is when that cell changes.
    void keepKey() {
        if (m_keyIsFirstCell) {
            m_key = m_text.at(0);
            m_keyIsFirstCell = false;
        }
    }

    void moveToItemValues() {
        keepKey();
        m_filled = false;
        const RowTexts text = std::exchange(m_text, {});
        const QVarLengthArray<Value, 1> values = std::exchange(m_values, {});
        for (int c = 0; c < text.size(); ++c)
            QTreeWidgetItem::setData(c, Qt::DisplayRole, text.at(c));
        for (const Value &value : values)
            QTreeWidgetItem::setData(value.column, value.role, value.value);
        if (std::exchange(m_hasKey, false))
            QTreeWidgetItem::setData(0, Qt::UserRole, std::exchange(m_key, {}));
    }

    RowTexts m_text;
    QVarLengthArray<Value, 1> m_values; // most rows carry one: kept inside the row
    QString m_key;                      // the row key, when it is text and not the first cell's
    bool m_hasKey = false;
    bool m_keyIsFirstCell = false;
    bool m_filled = false;
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

void FillList(ListView *list, ordwen::Recordset &rs, std::span<const ListColumn> columns) {
    if (!list || columns.empty())
        return;
    // Field positions once per recordset, not once per cell.
    std::vector<int> fields;
    fields.reserve(columns.size());
    for (const ListColumn &column : columns)
        fields.push_back(rs.FieldIndex(QString::fromLatin1(column.field)));

    // A date column shows the same text for every row that stores the same date: each
    // distinct stored text is worked out once per fill (service dates repeat a lot).
    std::vector<QHash<QString, QString>> shownDates(columns.size());

    // Rows are made before they join the list, so that filling a cell tells no one.
    QList<QTreeWidgetItem *> rows;
    rows.reserve(rs.RecordCount());
    std::vector<QString> texts(columns.size());
    QList<std::pair<int, QVariant>> stored;
    for (; !rs.isEOF(); rs.MoveNext()) {
        QString key;
        stored.clear();
        for (std::size_t c = 0; c < columns.size(); ++c) {
            QVariant value = fields[c] < 0 ? QVariant() : rs.Fields(fields[c]);
            QString text;
            if (columns[c].kind != CellKind::Text && value.typeId() == QMetaType::QString) {
                QHash<QString, QString> &known = shownDates[c];
                auto shown = known.constFind(value.toString());
                if (shown == known.constEnd())
                    shown = known.insert(value.toString(), cellText(value, columns[c].kind));
                // Rows of the same date share one copy of its texts.
                value = shown.key();
                text = *shown;
            } else {
                text = cellText(value, columns[c].kind);
            }
            // Keep what the cell cannot show (line breaks, every digit of an amount) for
            // reading the chosen row back.
            if (value.isValid() && (value.typeId() != QMetaType::QString || text != value.toString()))
                stored.append({int(c), value});
            if (c == 0)
                key = value.toString();
            texts[c] = std::move(text);
        }
        auto *item = new ListItem(texts);
        for (const auto &[column, value] : stored)
            item->setCellValue(column, ValueRole, value);
        item->setKey(key);
        rows.append(item);
    }
    const bool keepSorted = list->isSortingEnabled();
    if (keepSorted)
        list->setSortingEnabled(false);
    list->addTopLevelItems(rows);
    if (keepSorted)
        ListViewSort::KeepSorted(list);
}
