#include "House.h"

namespace ordwen::detail {

bool House::AddAddress(QStringList &strText) {
    return writeCall({"AddAddress", "AddAddress - DLL Function", 14, true, 12}, strText, [&] {
        QString sql = QStringLiteral("INSERT INTO tblAddress (AddressID,FName,LName,Address,City,State,");
        sql += QStringLiteral("Zip,HPhone,WPhone,CPhone,Email,FullName,AddDate) VALUES (");
        sql += Quoted(strText[11]);
        for (int i = 0; i <= 10; ++i)
            sql += QLatin1Char('\'') + Clean(strText[i]) + QStringLiteral("',");
        sql += QLatin1Char('\'') + NowText() + QStringLiteral("');");
        return sql;
    });
}

bool House::UpdateAddress(QStringList &strText) {
    return writeCall({"UpdateAddress", "UpdateAddress - DLL Function", 13, true, 12}, strText, [&] {
        static const char *const columns[] = {"FName = '",  "LName = '", "Address = '", "City = '",
                                              "State = '",  "Zip = '",   "HPhone = '",  "WPhone = '",
                                              "CPhone = '", "Email = '", "FullName = '"};
        QString sql = QStringLiteral("UPDATE tblAddress SET ");
        for (int i = 0; i <= 10; ++i)
            sql += QLatin1String(columns[i]) + Clean(strText[i]) + QStringLiteral("',");
        sql += QStringLiteral("ModDate = '") + NowText() + QStringLiteral("' WHERE ");
        sql += QStringLiteral("AddressID = '") + Escaped(strText[11]) + QStringLiteral("';");
        return sql;
    });
}

bool House::DeleteAddress(const QString &strID) {
    return deleteCall(
        QStringLiteral("DELETE FROM tblAddress WHERE AddressID = '") + Escaped(strID) + QStringLiteral("';"),
        QStringLiteral("Delete this Address Record?\r\n\r\nOnce deleted it can't be recovered!"));
}

RecordsetPtr House::LoadNames() {
    return readCall(QStringLiteral("SELECT * FROM tblAddress;"));
}

RecordsetPtr House::RefreshAddress() {
    return readCall(QStringLiteral("SELECT AddressID FROM tblAddress;"));
}

RecordsetPtr House::GetNewNameID() {
    return numberCall("GetNewNameID", QStringLiteral("SELECT MAX(ID) AS [NewNameID] FROM tblAddress"));
}

RecordsetPtr House::GetNewAddressID() {
    return numberCall("GetNewAddressID", QStringLiteral("SELECT MAX(ID) AS [NewAddressID] FROM tblAddress"));
}

RecordsetPtr House::LoadOwner() {
    return readCall(QStringLiteral("SELECT * FROM tblOwner;"));
}

bool House::AddOwner(QStringList &strText) {
    return writeCall({"AddOwner", "AddOwner - DLL Function", 14, true, 11}, strText, [&] {
        QString sql = QStringLiteral("INSERT INTO tblOwner (OwnerID,LName,FName,Company,Address,City,");
        sql += QStringLiteral("State,Zip,Phone,Email,FullName,AddDate) VALUES (");
        sql += Quoted(strText[10]);
        for (int i = 0; i <= 9; ++i)
            sql += QLatin1Char('\'') + Clean(strText[i]) + QStringLiteral("',");
        sql += QLatin1Char('\'') + NowText() + QStringLiteral("');");
        return sql;
    });
}

bool House::UpdateOwner(QStringList &strText) {
    // The profile is one row: the update has no condition and sets every row alike.
    return writeCall({"UpdateOwner", "UpdateOwner - DLL Function", 13, true, 10}, strText, [&] {
        static const char *const columns[] = {"LName = '", "FName = '",   "Company = '", "Address = '",
                                              "City = '",  "State = '",   "Zip = '",     "Phone = '",
                                              "Email = '", "FullName = '"};
        QString sql = QStringLiteral("UPDATE tblOwner SET ");
        for (int i = 0; i <= 9; ++i)
            sql += QLatin1String(columns[i]) + Clean(strText[i]) + QStringLiteral("',");
        sql += QStringLiteral("ModDate = '") + NowText() + QStringLiteral("';");
        return sql;
    });
}

} // namespace ordwen::detail
