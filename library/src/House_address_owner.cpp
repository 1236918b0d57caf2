#include "House.h"

namespace ordwen::detail {

bool House::AddAddress(QStringList &strText) {
    const WriteCall call{.method = "AddAddress",
                         .label = "AddAddress - DLL Function",
                         .bannerBlanks = 14,
                         .showMessage = true,
                         .minimumElements = 12};
    return writeCall(call, strText, [&] {
        QString sql = QStringLiteral("INSERT INTO tblAddress (AddressID,FName,LName,Address,City,State,");
        sql += QStringLiteral("Zip,HPhone,WPhone,CPhone,Email,FullName,AddDate) VALUES (");
        sql += Quoted(strText[11]);
        for (int i = 0; i <= 10; ++i)
            sql += QuotedClean(strText[i]);
        sql += Literal(NowText());
        return Closed(sql, QLatin1StringView(");"));
    });
}

bool House::UpdateAddress(QStringList &strText) {
    const WriteCall call{.method = "UpdateAddress",
                         .label = "UpdateAddress - DLL Function",
                         .bannerBlanks = 13,
                         .showMessage = true,
                         .minimumElements = 12};
    return writeCall(call, strText, [&] {
        static const char *const columns[] = {"FName",  "LName",  "Address", "City",  "State",   "Zip",
                                              "HPhone", "WPhone", "CPhone",  "Email", "FullName"};
        QString sql = QStringLiteral("UPDATE tblAddress SET ");
        for (int i = 0; i <= 10; ++i)
            sql += AssignedClean(columns[i], strText[i]);
        sql = Closed(sql + Assigned("ModDate", NowText()), QLatin1StringView(" WHERE "));
        return Closed(sql + Assigned("AddressID", Escaped(strText[11])), QLatin1StringView(";"));
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
    const WriteCall call{.method = "AddOwner",
                         .label = "AddOwner - DLL Function",
                         .bannerBlanks = 14,
                         .showMessage = true,
                         .minimumElements = 11};
    return writeCall(call, strText, [&] {
        QString sql = QStringLiteral("INSERT INTO tblOwner (OwnerID,LName,FName,Company,Address,City,");
        sql += QStringLiteral("State,Zip,Phone,Email,FullName,AddDate) VALUES (");
        sql += Quoted(strText[10]);
        for (int i = 0; i <= 9; ++i)
            sql += QuotedClean(strText[i]);
        sql += Literal(NowText());
        return Closed(sql, QLatin1StringView(");"));
    });
}

bool House::UpdateOwner(QStringList &strText) {
    // The profile is one row: the update has no condition and sets every row alike.
    const WriteCall call{.method = "UpdateOwner",
                         .label = "UpdateOwner - DLL Function",
                         .bannerBlanks = 13,
                         .showMessage = true,
                         .minimumElements = 10};
    return writeCall(call, strText, [&] {
        static const char *const columns[] = {"LName", "FName", "Company", "Address", "City",
                                              "State", "Zip",   "Phone",   "Email",   "FullName"};
        QString sql = QStringLiteral("UPDATE tblOwner SET ");
        for (int i = 0; i <= 9; ++i)
            sql += AssignedClean(columns[i], strText[i]);
        return Closed(sql + Assigned("ModDate", NowText()), QLatin1StringView(";"));
    });
}

} // namespace ordwen::detail
