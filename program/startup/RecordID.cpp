#include "RecordID.h"

#include "startup/modGlobal.h"

#include <limits>

namespace RecordID {

namespace {

QString numberAfter(const ordwen::Recordset &rs, const QString &field, const QString &prefix) {
    if (rs.FieldIndex(field) < 0 || rs.isEOF())
        return QString();
    const QVariant largest = rs.Fields(field);
    if (!largest.isValid() || largest.isNull()) // an empty table
        return prefix + QLatin1Char('1');
    bool ok = false;
    const qlonglong value = largest.toLongLong(&ok);
    if (!ok)
        return QString();
    if (value == 0)
        return prefix + QLatin1Char('1');
    // The number is a 32-bit integer; a counter past its range cannot give one.
    if (value >= std::numeric_limits<qint32>::max() || value < std::numeric_limits<qint32>::min())
        return QString();
    return prefix + QString::number(value + 1);
}

} // namespace

QString Next(ordwen::RecordsetPtr (ordwen::_House::*ask)(), const QString &field, const QString &prefix) {
    modGlobal::CloseSharedRecordset();
    if (modGlobal::objHouse)
        modGlobal::rsShared = (modGlobal::objHouse.get()->*ask)();
    QString id;
    if (modGlobal::rsShared) {
        modGlobal::rsShared->MoveFirst();
        id = numberAfter(*modGlobal::rsShared, field, prefix);
    }
    modGlobal::CloseSharedRecordset();
    return id;
}

} // namespace RecordID
