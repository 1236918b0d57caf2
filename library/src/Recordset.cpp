#include <ordwen/ordwen.h>

namespace ordwen {

Recordset::Recordset(QStringList fieldNames, QList<QVariantList> rows)
    : m_fieldNames(std::move(fieldNames)), m_rows(std::move(rows)) {}

int Recordset::FieldIndex(const QString &name) const {
    for (int i = 0; i < m_fieldNames.size(); ++i) {
        if (m_fieldNames.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void Recordset::MoveNext() {
    if (m_position < m_rows.size())
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
    if (!m_open || index < 0 || index >= m_fieldNames.size() || isBOF() || isEOF())
        return {};
    return m_rows.at(m_position).value(index);
}

QString Recordset::Text(const QString &name) const {
    const QVariant value = Fields(name);
    return value.isValid() ? value.toString() : QString();
}

void Recordset::Close() {
    m_open = false;
    m_rows.clear();
    m_position = 0;
}

} // namespace ordwen
