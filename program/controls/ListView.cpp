#include "controls/ListView.h"

#include "controls/Format.h"
#include "controls/Twips.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>
#include <limits>
#include <memory>
#include <numeric>
#include <vector>

namespace {

// A cell is one line high whatever its text holds: a line break would make the row, and
// with uniform row heights every row, two lines tall.
QString oneLine(QString text) {
    const QChar *chars = text.constData();
    const qsizetype size = text.size();
    qsizetype first = 0;
    while (first < size && chars[first] != QLatin1Char('\n') && chars[first] != QLatin1Char('\r') &&
           chars[first] != QChar::LineSeparator && chars[first] != QChar::ParagraphSeparator)
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
        return kind == CellKind::Amount ? controls::FormatAmount(value.toDouble())
                                        : controls::NumberText(value);
    default:
        break;
    }
    switch (kind) {
    case CellKind::Date:
        return controls::DateText(value, false);
    case CellKind::DateTime:
        return controls::DateText(value, true);
    case CellKind::Text:
    case CellKind::Amount:
        break;
    }
    return oneLine(value.toString());
}

// The rows of one fill: a copy of the recordset they came from (it shares the recordset's
// rows, so nothing is copied) and how each column shows its field.
class FilledRows {
public:
    FilledRows(const ordwen::Recordset &rows, std::span<const ListColumn> columns) : m_rows(rows) {
        // Field positions once per fill, not once per cell.
        for (const ListColumn &column : columns) {
            m_fields.push_back(rows.FieldIndex(QString::fromLatin1(column.field)));
            m_kinds.push_back(column.kind);
        }
        m_dates.resize(columns.size());
    }

    int columnCount() const { return int(m_fields.size()); }
    // The stored value of a cell, whole.
    QVariant value(int row, int column) const {
        const int field = fieldOf(column);
        return field < 0 ? QVariant() : m_rows.Value(row, field);
    }
    QString text(int row, int column) const {
        const int field = fieldOf(column);
        if (field < 0)
            return QString();
        const QVariant value = m_rows.Value(row, field, ListView::ShownCharacters);
        const CellKind kind = m_kinds[std::size_t(column)];
        if (kind == CellKind::Text || value.typeId() != QMetaType::QString)
            return cellText(value, kind);
        // A date column shows the same text for every row that stores the same date: each
        // distinct stored text is worked out once (service dates repeat a lot).
        QHash<QString, QString> &known = m_dates[std::size_t(column)];
        const QString stored = value.toString();
        auto text = known.constFind(stored);
        if (text == known.constEnd())
            text = known.insert(stored, cellText(value, kind));
        return *text;
    }
    QString key(int row) const { return value(row, 0).toString(); }

private:
    int fieldOf(int column) const {
        return column >= 0 && column < columnCount() ? m_fields[std::size_t(column)] : -1;
    }

    ordwen::Recordset m_rows;
    std::vector<int> m_fields; // the recordset field of each column, -1 for none
    std::vector<CellKind> m_kinds;
    mutable std::vector<QHash<QString, QString>> m_dates;
};

// A row given its texts one by one (AddRow, SetCell), or a filled row given a cell later.
struct OwnRow {
    QString key;
    QList<QVariant> texts;  // an invalid value where the cell was never given text
    QList<QVariant> stored; // what a cell cannot show, kept for reading it back
};

} // namespace

// The rows of a list, in the order shown. Each row refers to the fill it came from and its
// place there, or to a row of the model's own.
class ListModel : public QAbstractTableModel {
public:
    explicit ListModel(QObject *parent) : QAbstractTableModel(parent) {}

    struct Column {
        QString title;
        Qt::Alignment alignment;
    };

    void addColumn(const QString &title, Qt::Alignment alignment) {
        const int column = int(m_columns.size());
        beginInsertColumns({}, column, column);
        m_columns.push_back({title, alignment});
        endInsertColumns();
    }

    int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : int(m_order.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : int(m_columns.size());
    }

    QVariant data(const QModelIndex &index, int role) const override {
        if (!index.isValid() || index.column() >= int(m_columns.size()))
            return {};
        if (role == Qt::DisplayRole)
            return cell(index.row(), index.column());
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(m_columns[std::size_t(index.column())].alignment | Qt::AlignVCenter);
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= int(m_columns.size()))
            return {};
        if (role == Qt::DisplayRole)
            return m_columns[std::size_t(section)].title;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(m_columns[std::size_t(section)].alignment | Qt::AlignVCenter);
        return {};
    }

    // The text a cell shows: an invalid value for a cell of an own row never given text.
    QVariant cell(int row, int column) const {
        const Ref ref = m_order[std::size_t(row)];
        if (ref.source == Own)
            return m_own[ref.index].texts.value(column);
        return m_fills[ref.source]->text(int(ref.index), column);
    }
    QString key(int row) const {
        const Ref ref = m_order[std::size_t(row)];
        return ref.source == Own ? m_own[ref.index].key : m_fills[ref.source]->key(int(ref.index));
    }
    QVariant value(int row, int column) const {
        const Ref ref = m_order[std::size_t(row)];
        QVariant stored = ref.source == Own ? m_own[ref.index].stored.value(column)
                                            : m_fills[ref.source]->value(int(ref.index), column);
        return stored.isValid() ? stored : QVariant(cell(row, column).toString());
    }

    // Every cell text of a row, one line each: what a find searches. Worked out for all rows at
    // the first find after a change and kept until the next change, so that "Find Next" again
    // and again does not make every cell's text anew.
    const QString &rowText(int row) const {
        if (m_rowTexts.empty()) {
            m_rowTexts.resize(m_order.size());
            for (std::size_t r = 0; r < m_order.size(); ++r) {
                QString &text = m_rowTexts[r];
                for (int c = 0; c < int(m_columns.size()); ++c)
                    text += cell(int(r), c).toString() + QLatin1Char('\n');
            }
        }
        return m_rowTexts[std::size_t(row)];
    }

    void append(const std::shared_ptr<const FilledRows> &fill, int first, int count) {
        if (count <= 0)
            return;
        m_rowTexts.clear();
        const auto source = std::uint32_t(m_fills.size());
        m_fills.push_back(fill);
        beginInsertRows({}, int(m_order.size()), int(m_order.size()) + count - 1);
        m_order.reserve(m_order.size() + std::size_t(count));
        for (int row = first; row < first + count; ++row)
            m_order.push_back({source, std::uint32_t(row)});
        endInsertRows();
    }

    int appendOwn(const QString &key) {
        m_rowTexts.clear();
        const int row = int(m_order.size());
        beginInsertRows({}, row, row);
        OwnRow own{key, QList<QVariant>(m_columns.size()), QList<QVariant>(m_columns.size())};
        if (!own.texts.isEmpty())
            own.texts[0] = key;
        m_order.push_back({Own, std::uint32_t(m_own.size())});
        m_own.push_back(std::move(own));
        endInsertRows();
        return row;
    }

    void setCell(int row, int column, const QString &text) {
        m_rowTexts.clear();
        OwnRow &own = ownRow(row);
        own.texts[column] = text;
        // The cell now holds the text it was given, and reads back as that text.
        own.stored[column] = QVariant();
        emit dataChanged(index(row, column), index(row, column));
    }

    void clear() {
        beginResetModel();
        m_rowTexts = {};
        m_order.clear();
        m_own.clear();
        m_fills.clear();
        endResetModel();
    }

    // A stable sort by the text shown in the column. Collation keys are worked out once per
    // distinct text (names and dates repeat), the distinct texts are ranked once, and the
    // rows then sort by rank. An empty text comes before any other, a cell never given text
    // after every other (before them all in descending order), as the list always had it.
    void sortRows(int column, Qt::SortOrder order) {
        if (column < 0 || column >= int(m_columns.size()) || m_order.size() < 2)
            return;
        constexpr int Empty = -1;
        constexpr int NoText = std::numeric_limits<int>::max();
        const std::size_t rows = m_order.size();
        std::vector<int> rank(rows);
        QHash<QString, int> distinctOf;
        std::vector<QString> distinct;
        for (std::size_t row = 0; row < rows; ++row) {
            const QVariant shown = cell(int(row), column);
            if (!shown.isValid()) {
                rank[row] = NoText;
                continue;
            }
            const QString text = shown.toString();
            if (text.isEmpty()) {
                rank[row] = Empty;
                continue;
            }
            auto found = distinctOf.constFind(text);
            if (found == distinctOf.constEnd()) {
                found = distinctOf.insert(text, int(distinct.size()));
                distinct.push_back(text);
            }
            rank[row] = *found;
        }
        // Ranks of the distinct texts in the collator's order; texts it holds equal share one.
        const QCollator collator;
        std::vector<QCollatorSortKey> keys;
        keys.reserve(distinct.size());
        for (const QString &text : distinct)
            keys.push_back(collator.sortKey(text));
        std::vector<int> byKey(distinct.size());
        std::iota(byKey.begin(), byKey.end(), 0);
        std::stable_sort(byKey.begin(), byKey.end(), [&keys](int a, int b) {
            return keys[std::size_t(a)].compare(keys[std::size_t(b)]) < 0;
        });
        std::vector<int> rankOf(distinct.size());
        int next = 0;
        for (std::size_t i = 0; i < byKey.size(); ++i) {
            if (i > 0 && keys[std::size_t(byKey[i - 1])].compare(keys[std::size_t(byKey[i])]) != 0)
                ++next;
            rankOf[std::size_t(byKey[i])] = next;
        }
        for (int &r : rank) {
            if (r != Empty && r != NoText)
                r = rankOf[std::size_t(r)];
        }

        std::vector<int> moved(rows);
        std::iota(moved.begin(), moved.end(), 0);
        if (order == Qt::AscendingOrder)
            std::stable_sort(moved.begin(), moved.end(),
                             [&rank](int a, int b) { return rank[std::size_t(a)] < rank[std::size_t(b)]; });
        else
            std::stable_sort(moved.begin(), moved.end(),
                             [&rank](int a, int b) { return rank[std::size_t(a)] > rank[std::size_t(b)]; });
        reorder(moved);
    }

private:
    static constexpr std::uint32_t Own = std::numeric_limits<std::uint32_t>::max();
    struct Ref {
        std::uint32_t source; // the fill, or Own
        std::uint32_t index;  // the row in that fill, or in m_own
    };

    // A filled row becomes an own row with everything it showed, so that a cell can be set.
    OwnRow &ownRow(int row) {
        Ref &ref = m_order[std::size_t(row)];
        if (ref.source != Own) {
            const FilledRows &fill = *m_fills[ref.source];
            OwnRow own{fill.key(int(ref.index)), {}, {}};
            for (int c = 0; c < int(m_columns.size()); ++c) {
                own.texts << QVariant(fill.text(int(ref.index), c));
                own.stored << fill.value(int(ref.index), c);
            }
            ref = {Own, std::uint32_t(m_own.size())};
            m_own.push_back(std::move(own));
        }
        return m_own[ref.index];
    }

    // Puts row moved[i] at row i, keeping the selection and the current row on their rows.
    void reorder(const std::vector<int> &moved) {
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        std::vector<Ref> order(moved.size());
        std::vector<int> newRow(moved.size());
        for (std::size_t i = 0; i < moved.size(); ++i) {
            order[i] = m_order[std::size_t(moved[i])];
            newRow[std::size_t(moved[i])] = int(i);
        }
        m_order = std::move(order);
        m_rowTexts.clear();
        const QModelIndexList before = persistentIndexList();
        QModelIndexList after;
        after.reserve(before.size());
        for (const QModelIndex &index : before)
            after << this->index(newRow[std::size_t(index.row())], index.column());
        changePersistentIndexList(before, after);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

    std::vector<Column> m_columns;
    std::vector<Ref> m_order;
    std::vector<std::shared_ptr<const FilledRows>> m_fills;
    std::vector<OwnRow> m_own;
    mutable std::vector<QString> m_rowTexts; // see rowText; empty until a find needs them
};

ListView::ListView(QWidget *parent) : QTreeView(parent), m_model(new ListModel(this)) {
    setModel(m_model);
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
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(this, &QAbstractItemView::clicked, this, &ListView::Click);
}

ListView::~ListView() = default;

void ListView::AddColumn(const QString &headerText, int widthTwips, Qt::Alignment alignment) {
    m_model->addColumn(headerText, alignment);
    setColumnWidth(m_model->columnCount() - 1, Twips::ToPixels(widthTwips));
}

void ListView::SetColumns(std::span<const ListColumn> columns) {
    for (const ListColumn &column : columns)
        AddColumn(QString::fromLatin1(column.title), column.widthTwips, column.alignment);
}

int ListView::columnCount() const {
    return m_model->columnCount();
}

int ListView::topLevelItemCount() const {
    return m_model->rowCount();
}

QString ListView::Key(int row) const {
    return row >= 0 && row < topLevelItemCount() ? m_model->key(row) : QString();
}

QString ListView::Text(int row, int column) const {
    if (row < 0 || row >= topLevelItemCount() || column < 0 || column >= columnCount())
        return QString();
    return m_model->cell(row, column).toString();
}

QVariant ListView::Value(int row, int column) const {
    if (row < 0 || row >= topLevelItemCount() || column < 0 || column >= columnCount())
        return {};
    return m_model->value(row, column);
}

const QString &ListView::SearchText(int row) const {
    return m_model->rowText(row);
}

int ListView::RowOf(const QString &key) const {
    for (int row = 0; row < topLevelItemCount(); ++row) {
        if (m_model->key(row) == key)
            return row;
    }
    return -1;
}

int ListView::AddRow(const QString &key) {
    const int row = m_model->appendOwn(key);
    sortIfKept();
    return m_keepSorted ? RowOf(key) : row;
}

void ListView::SetCell(int row, int column, const QString &text) {
    if (row < 0 || row >= topLevelItemCount() || column < 0 || column >= columnCount())
        return;
    m_model->setCell(row, column, text);
    if (column == m_sortColumn)
        sortIfKept();
}

void ListView::clear() {
    m_model->clear();
}

int ListView::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ListView::ChooseRow(int row) {
    if (row < 0 || row >= topLevelItemCount())
        return;
    const QModelIndex index = m_model->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

QRect ListView::RowRect(int row) const {
    return visualRect(m_model->index(row, 0));
}

void ListView::SortRows(int column, Qt::SortOrder order) {
    if (column < 0 || column >= columnCount())
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    m_model->sortRows(column, order);
}

void ListView::setSortingEnabled(bool keep) {
    m_keepSorted = keep;
    sortIfKept();
}

void ListView::sortIfKept() {
    if (m_keepSorted)
        m_model->sortRows(m_sortColumn, m_sortOrder);
}

void ListView::keyPressEvent(QKeyEvent *event) {
    QTreeView::keyPressEvent(event);
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
    // The rows run from the recordset's current row to its end.
    int count = 0;
    for (; !rs.isEOF(); rs.MoveNext())
        ++count;
    const int first = rs.RecordCount() - count;
    list->m_model->append(std::make_shared<const FilledRows>(rs, columns), first, count);
    list->sortIfKept();
}
