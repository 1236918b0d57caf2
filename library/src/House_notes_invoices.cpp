#include "House.h"

#include <limits>

namespace ordwen::detail {

bool House::AddNotes(QStringList &strText) {
    return writeCall({"AddNotes", "AddNotes - DLL Function", 14, true, 2}, strText, [&] {
        return QStringLiteral("INSERT INTO tblNotes (NoteID,NoteText,AddDate) VALUES (") +
               Quoted(strText[0]) + QLatin1Char('\'') + Clean(strText[1]) + QStringLiteral("',") +
               QLatin1Char('\'') + NowText() + QStringLiteral("');");
    });
}

bool House::UpdateNotes(QStringList &strText) {
    return writeCall({"UpdateNotes", "UpdateNotes - DLL Function", 13, true, 2}, strText, [&] {
        return QStringLiteral("UPDATE tblNotes SET ") + QStringLiteral("NoteText = '") + Clean(strText[1]) +
               QStringLiteral("' WHERE ") + QStringLiteral("NoteID = '") + Escaped(strText[0]) +
               QStringLiteral("';");
    });
}

bool House::DeleteNote(const QString &strID) {
    return deleteCall(QStringLiteral("DELETE FROM tblNotes WHERE NoteID = '") + Escaped(strID) +
                          QStringLiteral("';"),
                      QStringLiteral("Delete this Note Record?\r\n\r\nOnce deleted it can't be recovered!"));
}

RecordsetPtr House::LoadNotes() {
    return readCall(QStringLiteral("SELECT * FROM tblNotes;"));
}

RecordsetPtr House::GetNewNoteID() {
    return numberCall("GetNewNoteID", QStringLiteral("SELECT MAX(ID) AS [NewNoteID] FROM tblNotes"));
}

bool House::AddInvoice(QStringList &strText, QList<float> &sngAmounts, const QDateTime &datDate) {
    // Seven amounts are needed as well as fifteen texts; a shorter amount list counts as a
    // short array.
    const qsizetype needed = sngAmounts.size() >= 7 ? 15 : std::numeric_limits<qsizetype>::max();
    return writeCall({"AddInvoice", "AddInvoice - DLL Function", 14, true, needed}, strText, [&] {
        QString sql = QStringLiteral("INSERT INTO tblInvoices (InvoiceID,ClientID,ServiceDate,Client,BAdd1,");
        sql += QStringLiteral("BAdd2,BCity,BState,BZip,Hours,Rate,HourAmt,OtherCharges,");
        sql += QStringLiteral("OtherAmt,PastDue,ContractFee,TotalAmt,DayOfWeek,");
        sql += QStringLiteral("Schedule,Service,FeeType,Pets,Notes,AddDate) VALUES (");
        sql += Quoted(strText[0]);
        sql += Quoted(strText[1]);
        sql += QLatin1Char('\'') + DateText(datDate) + QStringLiteral("',");
        for (int i = 2; i <= 7; ++i)
            sql += QLatin1Char('\'') + Clean(strText[i]) + QStringLiteral("',");
        for (int i : {0, 1, 2})
            sql += Number(sngAmounts[i]) + QLatin1Char(',');
        sql += QLatin1Char('\'') + Clean(strText[8]) + QStringLiteral("',");
        for (int i : {4, 5, 3, 6})
            sql += Number(sngAmounts[i]) + QLatin1Char(',');
        for (int i = 9; i <= 14; ++i)
            sql += QLatin1Char('\'') + Clean(strText[i]) + QStringLiteral("',");
        sql += QLatin1Char('\'') + NowText() + QStringLiteral("');");
        return sql;
    });
}

bool House::DeleteInvoice(const QString &strID) {
    return deleteCall(
        QStringLiteral("DELETE FROM tblInvoices WHERE InvoiceID = '") + Escaped(strID) + QStringLiteral("';"),
        QStringLiteral("Delete this Invoice Record?\r\n\r\nOnce deleted it can't be recovered!"));
}

RecordsetPtr House::LoadInvoices() {
    return readCall(QStringLiteral("SELECT * FROM tblInvoices;"));
}

RecordsetPtr House::GetNewInvoiceID() {
    return numberCall("GetNewInvoiceID", QStringLiteral("SELECT MAX(ID) AS [NewInvoiceID] FROM tblInvoices"));
}

RecordsetPtr House::GetNewBillID() {
    return numberCall("GetNewBillID", QStringLiteral("SELECT MAX(ID) AS [NewBillID] FROM tblBilling"));
}

} // namespace ordwen::detail
