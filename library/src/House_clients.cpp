#include "House.h"

namespace ordwen::detail {

bool House::AddClient(QStringList &strText, float sngFee) {
    const WriteCall call{.method = "AddClient",
                         .label = "AddClient - DLL Function",
                         .bannerBlanks = 14,
                         .showMessage = true,
                         .minimumElements = 22};
    return writeCall(call, strText, [&] {
        QString sql = QStringLiteral("INSERT INTO tblClients (ClientID,ClientType,Client,Add1,Add2,City,");
        sql += QStringLiteral("State,Zip,Phone,Contact,BAdd1,BAdd2,BCity,BState,BZip,");
        sql +=
            QStringLiteral("Schedule,Service,DayOfWeek,Fee,FeeType,BSchedule,Pets,AddDate,Notes) VALUES (");
        sql += Quoted(strText[0]);
        sql += Quoted(strText[1]);
        for (int i = 2; i <= 14; ++i)
            sql += QuotedClean(strText[i]);
        for (int i = 15; i <= 17; ++i)
            sql += Quoted(strText[i]);
        sql += Number(sngFee) + QLatin1Char(',');
        for (int i = 18; i <= 20; ++i)
            sql += Quoted(strText[i]);
        sql += Literal(NowText());
        sql += QuotedClean(strText[21]);
        return Closed(sql, QLatin1StringView(");"));
    });
}

bool House::UpdateClient(QStringList &strText, float sngFee) {
    // An update failure is logged, but the caller alone tells the user.
    const WriteCall call{.method = "UpdateClient",
                         .label = "UpdateTrap - DLL Function",
                         .bannerBlanks = 14,
                         .showMessage = false,
                         .minimumElements = 22};
    return writeCall(call, strText, [&] {
        static const char *const columns[] = {"Client", "Add1",     "Add2",    "City",     "State", "Zip",
                                              "Phone",  "Contact",  "BAdd1",   "BAdd2",    "BCity", "BState",
                                              "BZip",   "Schedule", "Service", "DayOfWeek"};
        QString sql = QStringLiteral("UPDATE tblClients SET ");
        sql += Assigned("ClientType", Escaped(strText[1]));
        for (int i = 2; i <= 17; ++i)
            sql += AssignedClean(columns[i - 2], strText[i]);
        sql += QStringLiteral("Fee = ") + Number(sngFee) + QLatin1Char(',');
        sql += AssignedClean("FeeType", strText[18]);
        sql += AssignedClean("BSchedule", strText[19]);
        sql += AssignedClean("Pets", strText[20]);
        sql += AssignedClean("Notes", strText[21]);
        sql = Closed(sql, QLatin1StringView(" WHERE "));
        return Closed(sql + Assigned("ClientID", Escaped(strText[0])), QLatin1StringView(";"));
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
