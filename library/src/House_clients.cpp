#include "House.h"

namespace ordwen::detail {

bool House::AddClient(QStringList &strText, float sngFee) {
    return writeCall({"AddClient", "AddClient - DLL Function", 14, true, 22}, strText, [&] {
        QString sql = QStringLiteral("INSERT INTO tblClients (ClientID,ClientType,Client,Add1,Add2,City,");
        sql += QStringLiteral("State,Zip,Phone,Contact,BAdd1,BAdd2,BCity,BState,BZip,");
        sql +=
            QStringLiteral("Schedule,Service,DayOfWeek,Fee,FeeType,BSchedule,Pets,AddDate,Notes) VALUES (");
        sql += Quoted(strText[0]);
        sql += Quoted(strText[1]);
        for (int i = 2; i <= 14; ++i)
            sql += QLatin1Char('\'') + Clean(strText[i]) + QStringLiteral("',");
        for (int i = 15; i <= 17; ++i)
            sql += Quoted(strText[i]);
        sql += Number(sngFee) + QLatin1Char(',');
        for (int i = 18; i <= 20; ++i)
            sql += Quoted(strText[i]);
        sql += QLatin1Char('\'') + NowText() + QStringLiteral("',");
        sql += QLatin1Char('\'') + Clean(strText[21]) + QStringLiteral("');");
        return sql;
    });
}

bool House::UpdateClient(QStringList &strText, float sngFee) {
    // An update failure is logged, but the caller alone tells the user.
    return writeCall({"UpdateClient", "UpdateTrap - DLL Function", 14, false, 22}, strText, [&] {
        static const char *const columns[] = {"Client = '", "Add1 = '",     "Add2 = '",    "City = '",
                                              "State = '",  "Zip = '",      "Phone = '",   "Contact = '",
                                              "BAdd1 = '",  "BAdd2 = '",    "BCity = '",   "BState = '",
                                              "BZip = '",   "Schedule = '", "Service = '", "DayOfWeek = '"};
        QString sql = QStringLiteral("UPDATE tblClients SET ");
        sql += QStringLiteral("ClientType = '") + Escaped(strText[1]) + QStringLiteral("',");
        for (int i = 2; i <= 17; ++i)
            sql += QLatin1String(columns[i - 2]) + Clean(strText[i]) + QStringLiteral("',");
        sql += QStringLiteral("Fee = ") + Number(sngFee) + QLatin1Char(',');
        sql += QStringLiteral("FeeType = '") + Clean(strText[18]) + QStringLiteral("',");
        sql += QStringLiteral("BSchedule = '") + Clean(strText[19]) + QStringLiteral("',");
        sql += QStringLiteral("Pets = '") + Clean(strText[20]) + QStringLiteral("',");
        sql += QStringLiteral("Notes = '") + Clean(strText[21]) + QStringLiteral("' WHERE ");
        sql += QStringLiteral("ClientID = '") + Escaped(strText[0]) + QStringLiteral("';");
        return sql;
    });
}

RecordsetPtr House::GetNewClientID() {
    return numberCall("GetNewClientID", QStringLiteral("SELECT MAX(ID) AS [NewClientID] FROM tblClients"));
}

bool House::DeleteClient(const QString &strID) {
    return deleteCall(
        QStringLiteral("DELETE FROM tblClients WHERE ClientID = '") + Escaped(strID) + QStringLiteral("';"),
        QStringLiteral("Delete this Client Record?\r\n\r\nOnce deleted it can't be recovered!"));
}

RecordsetPtr House::LoadClients() {
    return readCall(QStringLiteral("SELECT * FROM tblClients ORDER BY ClientType,Client;"));
}

RecordsetPtr House::RefreshClients() {
    return readCall(QStringLiteral("SELECT ClientID FROM tblClients;"));
}

} // namespace ordwen::detail
