#include "RowStore.h"

#include <ordwen/ordwen.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace ordwen {

namespace detail {

bool RowStore::addBytes(Kind kind, const void *data, qsizetype size) {
    const qsizetype offset = m_size;
    if (size >= (qsizetype(1) << SizeBits) || offset + size > qsizetype(std::numeric_limits<quint32>::max()))
        return false;
    if (offset + size > m_capacity) {
        const qsizetype capacity = std::max<qsizetype>({offset + size, m_capacity * 2, 4096});
        char *bytes = static_cast<char *>(std::realloc(m_bytes, std::size_t(capacity)));
        if (!bytes)
            return false;
        m_bytes = bytes;
        m_capacity = capacity;
    }
    if (size > 0)
        std::memcpy(m_bytes + offset, data, std::size_t(size));
    m_size = offset + size;
    if ((m_cellCount & (BlockSize - 1)) == 0)
        m_blocks.push_back(std::make_unique_for_overwrite<Cell[]>(std::size_t(BlockSize)));
    m_blocks.back()[std::size_t(m_cellCount & (BlockSize - 1))] = Cell{quint32(offset), pack(kind, size)};
    ++m_cellCount;
    return true;
}

void RowStore::squeeze() {
    if (m_size > 0 && m_size < m_capacity) {
        if (char *bytes = static_cast<char *>(std::realloc(m_bytes, std::size_t(m_size)))) {
            m_bytes = bytes;
            m_capacity = m_size;
        }
    }
}

QVariant RowStore::value(qsizetype row, int column, qsizetype maxChars) const {
    const Cell at = cell(row, column);
    const char *bytes = m_bytes + at.offset;
    qsizetype size = sizeOf(at);
    switch (kindOf(at)) {
    case Integer: {
        qint64 value;
        std::memcpy(&value, bytes, sizeof value);
        return QVariant(qlonglong(value));
    }
    case Real: {
        double value;
        std::memcpy(&value, bytes, sizeof value);
        return QVariant(value);
    }
    case Text: {
        // A UTF-8 character takes 1 to 4 bytes for 1 or 2 UTF-16 units: 4 bytes a character
        // always reach far enough, and the cut goes back to the start of a character.
        const bool cut = maxChars >= 0 && size > 4 * maxChars;
        if (cut) {
            size = 4 * maxChars;
            while (size > 0 && (uchar(bytes[size]) & 0xC0) == 0x80)
                --size;
        }
        // Empty text stays text, distinct from Null, even before the buffer has any byte.
        QString text = size > 0 ? QString::fromUtf8(bytes, size) : QString(0, Qt::Uninitialized);
        if (maxChars >= 0 && text.size() > maxChars)
            text.truncate(text.at(maxChars - 1).isHighSurrogate() ? maxChars - 1 : maxChars);
        return QVariant(text);
    }
    case Blob:
        return QVariant(QByteArray(bytes, size));
    case Null:
        break;
    }
    return {};
}

} // namespace detail

Recordset::Recordset(QStringList fieldNames, QList<QVariantList> rows)
    : m_fieldNames(std::move(fieldNames)), m_rows(std::move(rows)), m_count(int(m_rows.size())) {}

Recordset::Recordset(QStringList fieldNames, std::shared_ptr<const detail::RowStore> rows)
    : m_fieldNames(std::move(fieldNames)), m_store(std::move(rows)),
      m_count(m_store ? int(m_store->rowCount()) : 0) {}

int Recordset::FieldIndex(const QString &name) const {
    for (int i = 0; i < m_fieldNames.size(); ++i) {
        if (m_fieldNames.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void Recordset::MoveNext() {
    if (m_position < m_count)
        ++m_position;
}

void Recordset::MovePrevious() {
    if (m_position >= 0)
        --m_position;
}

QVariant Recordset::Fields(const QString &name) const {
    return Fields(FieldIndex(name));
}

QVariant Recordset::Fields(int index) const {
    return Value(m_position, index);
}

QVariant Recordset::Value(int row, int index) const {
    if (!m_open || index < 0 || index >= m_fieldNames.size() || row < 0 || row >= m_count)
        return {};
    if (m_store)
        return index < m_store->columnCount() ? m_store->value(row, index) : QVariant();
    return m_rows.at(row).value(index);
}

QVariant Recordset::Value(int row, int index, qsizetype maxChars) const {
    if (!m_open || index < 0 || index >= m_fieldNames.size() || row < 0 || row >= m_count)
        return {};
    if (m_store)
        return index < m_store->columnCount() ? m_store->value(row, index, maxChars) : QVariant();
    QVariant value = m_rows.at(row).value(index);
    if (maxChars >= 0 && value.typeId() == QMetaType::QString && value.toString().size() > maxChars)
        return value.toString().left(maxChars);
    return value;
}

QString Recordset::Text(const QString &name) const {
    const QVariant value = Fields(name);
    return value.isValid() ? value.toString() : QString();
}

void Recordset::Close() {
    m_open = false;
    m_rows.clear();
    m_store.reset();
    m_count = 0;
    m_position = 0;
}

} // namespace ordwen
