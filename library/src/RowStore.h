// The rows of a recordset as they came from the database, kept compactly: every value's bytes
// one after another in one buffer (text as the database's own UTF-8), and per value only where
// it starts, its size and its kind. A value becomes a QVariant when it is read, so that a table
// of 150,000 invoices costs tens of megabytes rather than hundreds, and columns nobody reads
// are never converted.
#pragma once

#include <QVariant>

#include <cstdlib>
#include <memory>
#include <vector>

namespace ordwen::detail {

class RowStore {
public:
    // The kinds of value SQLite gives; each reads back as the QSQLITE driver gives it.
    enum Kind : quint32 { Null, Integer, Real, Text, Blob };

    explicit RowStore(int columns) : m_columns(columns) {}
    ~RowStore() { std::free(m_bytes); }
    RowStore(const RowStore &) = delete;
    RowStore &operator=(const RowStore &) = delete;

    int columnCount() const { return m_columns; }
    qsizetype rowCount() const { return m_columns > 0 ? m_cellCount / m_columns : 0; }

    // Appending: the values of a row in column order, columnCount() of them per row. False
    // when the value does not fit (a single value of 512 MB or more, or 4 GB in all).
    bool addNull() { return addBytes(Null, nullptr, 0); }
    bool addInteger(qint64 value) { return addBytes(Integer, &value, sizeof value); }
    bool addReal(double value) { return addBytes(Real, &value, sizeof value); }
    bool addText(const char *utf8, qsizetype size) { return addBytes(Text, utf8, size); }
    bool addText(const QString &text) {
        const QByteArray utf8 = text.toUtf8();
        return addText(utf8.constData(), utf8.size());
    }
    bool addBlob(const void *data, qsizetype size) { return addBytes(Blob, data, size); }
    // Gives back the spare room of the byte buffer once every row is in.
    void squeeze();

    // Null as an invalid QVariant, an integer as qlonglong, a real as double, text as
    // QString, a blob as QByteArray.
    // With maxChars of 0 or more, a text value gives only its first maxChars characters,
    // and the rest of it is never converted.
    QVariant value(qsizetype row, int column, qsizetype maxChars = -1) const;

private:
    struct Cell {
        quint32 offset;
        quint32 sizeAndKind; // the size in the low 29 bits, the kind in the high 3
    };
    static constexpr quint32 SizeBits = 29;
    // Cells live in blocks of a fixed size, so that a growing table never copies them.
    static constexpr qsizetype BlockBits = 12;
    static constexpr qsizetype BlockSize = qsizetype(1) << BlockBits;
    static constexpr quint32 pack(Kind kind, qsizetype size) {
        return (quint32(kind) << SizeBits) | quint32(size);
    }

    bool addBytes(Kind kind, const void *data, qsizetype size);
    Cell cell(qsizetype row, int column) const {
        const qsizetype index = row * m_columns + column;
        return m_blocks[std::size_t(index >> BlockBits)][std::size_t(index & (BlockSize - 1))];
    }
    static qsizetype sizeOf(Cell cell) { return cell.sizeAndKind & ((quint32(1) << SizeBits) - 1); }
    static Kind kindOf(Cell cell) { return Kind(cell.sizeAndKind >> SizeBits); }

    int m_columns;
    // One growing block (realloc moves large blocks without copying them).
    char *m_bytes = nullptr;
    qsizetype m_size = 0;
    qsizetype m_capacity = 0;
    std::vector<std::unique_ptr<Cell[]>> m_blocks;
    qsizetype m_cellCount = 0;
};

} // namespace ordwen::detail
