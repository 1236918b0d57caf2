#include "House.h"

#include <limits>

namespace ordwen::detail {

bool House::AddNotes(QStringList &strText) {
    const WriteCall call{.method = "AddNotes",
                         .label = "AddNotes - DLL Function",
                         .bannerBlanks = 14,
                         .showMessage = true,
                         .minimumElements = 2};
    return writeCall(call, strText, [&] {
        Statement sql(QStringLiteral("INSERT INTO tblNotes (NoteID,NoteText,AddDate) VALUES ('") +
                      Escaped(strText[0]) + QStringLiteral("',"));
        sql.bind(CleanBound(strText[1]));
        sql.text += QStringLiteral(",'") + NowText() + QStringLiteral("');");
        return sql;
    });
}

bool House::UpdateNotes(QStringList &strText) {
    const WriteCall call{.method = "UpdateNotes",
                         .label = "UpdateNotes - DLL Function",
                         .bannerBlanks = 13,
                         .showMessage = true,
                         .minimumElements = 2};
    return writeCall(call, strText, [&] {
        Statement sql(QStringLiteral("UPDATE tblNotes SET NoteText = "));
        sql.bind(CleanBound(strText[1]));
        sql.text += QStringLiteral(" WHERE NoteID = '") + Escaped(strText[0]) + QStringLiteral("';");
        return sql;
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
    const WriteCall call{.method = "AddInvoice",
                         .label = "AddInvoice - DLL Function",
                         .bannerBlanks = 14,
                         .showMessage = true,
                         .minimumElements = needed};
    return writeCall(call, strText, [&] {
        QString sql = QStringLiteral("INSERT INTO tblInvoices (InvoiceID,ClientID,ServiceDate,Client,BAdd1,");
        sql += QStringLiteral("BAdd2,BCity,BState,BZip,Hours,Rate,HourAmt,OtherCharges,");
        sql += QStringLiteral("OtherAmt,PastDue,ContractFee,TotalAmt,DayOfWeek,");
        sql += QStringLiteral("Schedule,Service,FeeType,Pets,Notes,AddDate) VALUES (");
        sql += Quoted(strText[0]);
        sql += Quoted(strText[1]);
        sql += Literal(DateText(datDate));
        for (int i = 2; i <= 7; ++i)
            sql += QuotedClean(strText[i]);
        for (int i : {0, 1, 2})
            sql += Number(sngAmounts[i]) + QLatin1Char(',');
        sql += QuotedClean(strText[8]);
        for (int i : {4, 5, 3, 6})
            sql += Number(sngAmounts[i]) + QLatin1Char(',');
        for (int i = 9; i <= 14; ++i)
            sql += QuotedClean(strText[i]);
        sql += Literal(NowText());
        return Closed(sql, QLatin1StringView(");"));
    });
}

bool House::DeleteInvoice(const QString &strID) {
    // An invoice that payments point to stays: deleting it would leave them paying nothing.
    if (const QString payments = paymentsAgainst(strID); !payments.isEmpty()) {
        showMessage(QStringLiteral("This invoice has payments recorded against it: ") + payments +
                    QStringLiteral(".\r\n\r\nDelete them in Tools > Payments first."));
        return false;
    }
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
