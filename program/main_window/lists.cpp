// The four lists of the main window: filling them from the library, choosing a client in
// lvClients, and the header click that sorts a list.
#include "startup/ListView.h"
#include "frmOrdwen.h"
#include "option_groups.h"

#include "startup/ListViewSort.h"
#include "startup/modGlobal.h"

#include <QComboBox>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextEdit>

#include <cmath>

namespace {

void addClientColumns(ListView *list) {
    struct Column {
        const char *header;
        int width;
        Qt::Alignment alignment;
    };
    static constexpr Column columns[] = {
        {"Client ID", 1200, Qt::AlignLeft},
        {"Client Type", 1500, Qt::AlignLeft},
        {"Client", 3500, Qt::AlignLeft},
        {"Address", 2500, Qt::AlignLeft},
        {"Address", 1500, Qt::AlignLeft},
        {"City", 2000, Qt::AlignLeft},
        {"ST/Prov", 1200, Qt::AlignHCenter},
        {"Zip Code", 1200, Qt::AlignLeft},
        {"Telephone", 1440, Qt::AlignLeft},
        {"Contact", 2000, Qt::AlignLeft},
        {"Bill Address", 2500, Qt::AlignLeft},
        {"Bill Address", 1500, Qt::AlignLeft},
        {"Bill City", 2000, Qt::AlignLeft},
        {"Bill ST/Prov", 1500, Qt::AlignHCenter},
        {"Bill Zip", 1200, Qt::AlignLeft},
        {"Day Of Week", 1800, Qt::AlignLeft},
        {"Service Schedule", 2000, Qt::AlignLeft},
        {"Service Type", 1800, Qt::AlignLeft},
        {"Fee", 1000, Qt::AlignRight},
        {"Fee Type", 1200, Qt::AlignLeft},
        {"Bill Schedule", 1800, Qt::AlignLeft},
        {"Pets", 1000, Qt::AlignHCenter},
        {"Notes", 1440, Qt::AlignLeft},
    };
    for (const Column &c : columns)
        list->AddColumn(QString::fromLatin1(c.header), c.width, c.alignment);
}

// The client fields of columns 2 to 23, in column order (column 1 is the ClientID).
const QStringList &clientColumnFields() {
    static const QStringList fields{
        QStringLiteral("ClientType"), QStringLiteral("Client"),    QStringLiteral("Add1"),
        QStringLiteral("Add2"),       QStringLiteral("City"),      QStringLiteral("State"),
        QStringLiteral("Zip"),        QStringLiteral("Phone"),     QStringLiteral("Contact"),
        QStringLiteral("BAdd1"),      QStringLiteral("BAdd2"),     QStringLiteral("BCity"),
        QStringLiteral("BState"),     QStringLiteral("BZip"),      QStringLiteral("DayOfWeek"),
        QStringLiteral("Schedule"),   QStringLiteral("Service"),   QStringLiteral("Fee"),
        QStringLiteral("FeeType"),    QStringLiteral("BSchedule"), QStringLiteral("Pets"),
        QStringLiteral("Notes"),
    };
    return fields;
}

// A field as a list cell shows it: numbers in their shortest form (25, 12.5), Null empty.
QString cellText(const QVariant &value) {
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
        return modGlobal::NumberText(value);
    default:
        return value.toString();
    }
}

// A stored date as text: the short date, and the time of day when it is not midnight.
// Stored dates are ISO text; anything else is shown as it is.
QString dateText(const QVariant &value, bool withTime) {
    if (!value.isValid() || value.isNull())
        return QString();
    QDateTime when;
    if (value.typeId() == QMetaType::QDateTime) {
        when = value.toDateTime();
    } else if (value.typeId() == QMetaType::QDate) {
        when = QDateTime(value.toDate(), QTime(0, 0));
    } else {
        const QString text = value.toString().trimmed();
        when = QDateTime::fromString(text, Qt::ISODate);
        if (!when.isValid())
            when = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!when.isValid()) {
            const QDate date = QDate::fromString(text, Qt::ISODate);
            if (date.isValid())
                when = QDateTime(date, QTime(0, 0));
        }
        if (!when.isValid())
            return value.toString();
    }
    const QLocale locale;
    QString text = locale.toString(when.date(), QLocale::ShortFormat);
    if (withTime && when.time() != QTime(0, 0)) {
        // The long time form without its time-zone name.
        QString format = locale.timeFormat(QLocale::LongFormat);
        format.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
        text += QLatin1Char(' ') + locale.toString(when.time(), format.trimmed());
    }
    return text;
}

// The fee cell as the fee box shows it: digit grouping and two decimals. The cell is the
// list's own text of a stored number, which for a large amount has an exponent
// (1e+07): that is a number too, or the client could not be updated without retyping
// the fee. Text that is no number at all is shown as it is.
QString amountText(const QString &cell) {
    if (modGlobal::IsNumeric(cell))
        return modGlobal::FormatAmount(modGlobal::ConvertNumber(cell));
    bool ok = false;
    const double value = QLocale().toDouble(cell.trimmed(), &ok);
    if (ok && std::isfinite(value))
        return modGlobal::FormatAmount(value);
    return cell;
}

// Starts a list fill: a fresh shared recordset from the library.
bool fetchShared(ordwen::RecordsetPtr (ordwen::_House::*load)()) {
    modGlobal::CloseSharedRecordset();
    if (modGlobal::objHouse)
        modGlobal::rsShared = (modGlobal::objHouse.get()->*load)();
    return modGlobal::rsShared != nullptr;
}

} // namespace

void frmOrdwen::SetupLists() {
    addClientColumns(lvClients);
    addClientColumns(lvBilling);
    lvInvoices->AddColumn(QStringLiteral("Invoice ID"), 2000, Qt::AlignLeft);
    lvInvoices->AddColumn(QStringLiteral("Client Name"), 4500, Qt::AlignHCenter);
    lvInvoices->AddColumn(QStringLiteral("Service Date"), 2500, Qt::AlignHCenter);
    lvNotes->AddColumn(QStringLiteral("Note ID"), 1200, Qt::AlignLeft);
    lvNotes->AddColumn(QStringLiteral("Note"), 5000, Qt::AlignLeft);
    lvNotes->AddColumn(QStringLiteral("Date"), 1800, Qt::AlignLeft);

    // The client lists keep themselves sorted by "Client" until their first header click;
    // the invoice and note lists show the library's order.
    ListViewSort::Setup(lvClients, true, 2);
    ListViewSort::Setup(lvBilling, true, 2);
    ListViewSort::Setup(lvInvoices, false, 0);
    ListViewSort::Setup(lvNotes, false, 0);

    connect(lvClients->header(), &QHeaderView::sectionClicked, this, &frmOrdwen::lvClients_ColumnClick);
    connect(lvBilling->header(), &QHeaderView::sectionClicked, this, &frmOrdwen::lvBilling_ColumnClick);
    connect(lvInvoices->header(), &QHeaderView::sectionClicked, this, &frmOrdwen::lvInvoices_ColumnClick);
    connect(lvNotes->header(), &QHeaderView::sectionClicked, this, &frmOrdwen::lvNotes_ColumnClick);

    connect(lvClients, &QTreeWidget::itemClicked, this, [this] { lvClients_Click(); });
    connect(lvClients, &ListView::KeyPress, this, &frmOrdwen::lvClients_KeyPress);
}

void frmOrdwen::LoadClients(ListView *list) {
    modGlobal::SetBusyPointer();
    if (fetchShared(&ordwen::_House::LoadClients)) {
        ordwen::Recordset &rs = *modGlobal::rsShared;
        const QStringList &fields = clientColumnFields();
        rs.MoveFirst();
        while (!rs.isEOF()) {
            modGlobal::itmShared = list->AddRow(rs.Fields(QStringLiteral("ClientID")).toString());
            for (int i = 0; i < fields.size(); ++i)
                list->SetCell(modGlobal::itmShared, i + 1, cellText(rs.Fields(fields.at(i))));
            rs.MoveNext();
        }
    }
    modGlobal::CloseSharedRecordset();
    modGlobal::SetDefaultPointer();
}

void frmOrdwen::LoadClientList() {
    LoadClients(lvClients);
}

void frmOrdwen::LoadBillingList() {
    LoadClients(lvBilling);
}

void frmOrdwen::LoadInvoiceList() {
    modGlobal::SetBusyPointer();
    if (fetchShared(&ordwen::_House::LoadInvoices)) {
        ordwen::Recordset &rs = *modGlobal::rsShared;
        rs.MoveFirst();
        while (!rs.isEOF()) {
            modGlobal::itmShared = lvInvoices->AddRow(rs.Fields(QStringLiteral("InvoiceID")).toString());
            lvInvoices->SetCell(modGlobal::itmShared, 1, cellText(rs.Fields(QStringLiteral("Client"))));
            lvInvoices->SetCell(modGlobal::itmShared, 2,
                                dateText(rs.Fields(QStringLiteral("ServiceDate")), false));
            rs.MoveNext();
        }
    }
    modGlobal::CloseSharedRecordset();
    modGlobal::SetDefaultPointer();
}

void frmOrdwen::LoadNotesList() {
    modGlobal::SetBusyPointer();
    if (fetchShared(&ordwen::_House::LoadNotes)) {
        ordwen::Recordset &rs = *modGlobal::rsShared;
        rs.MoveFirst();
        while (!rs.isEOF()) {
            modGlobal::itmShared = lvNotes->AddRow(rs.Fields(QStringLiteral("NoteID")).toString());
            lvNotes->SetCell(modGlobal::itmShared, 1, cellText(rs.Fields(QStringLiteral("NoteText"))));
            lvNotes->SetCell(modGlobal::itmShared, 2, dateText(rs.Fields(QStringLiteral("AddDate")), true));
            rs.MoveNext();
        }
    }
    modGlobal::CloseSharedRecordset();
    modGlobal::SetDefaultPointer();
}

void frmOrdwen::lvClients_Click() {
    modGlobal::SetBusyPointer();
    QTreeWidgetItem *item = lvClients->SelectedItem();
    if (!item) {
        modGlobal::SetDefaultPointer();
        return;
    }
    modGlobal::itmShared = item;
    lblID->setText(ListView::Key(item));
    // A type outside the box's list leaves the box empty rather than showing the previous
    // client's type.
    cboBoxEdit->setCurrentIndex(
        cboBoxEdit->findText(item->text(1), Qt::MatchExactly | Qt::MatchCaseSensitive));
    for (int i = 0; i < FeeIndex; ++i)
        ShowStoredText(txtEdit[std::size_t(i)], item->text(i + 2));
    options::SwitchOnCaption(optScheduleEdit, item->text(16));
    options::SwitchOnCaption(optServiceEdit, item->text(17));
    ShowStoredText(txtEdit[FeeIndex], amountText(item->text(18)));
    options::SwitchOnCaption(optFeeEdit, item->text(19));
    options::SwitchOnCaption(optBillingEdit, item->text(20));
    options::SwitchOnCaption(optPetsEdit, item->text(21));
    rtBoxEdit->setPlainText(item->text(22));
    modGlobal::SetDefaultPointer();
}

void frmOrdwen::lvClients_KeyPress(QChar) {
    lvClients_Click();
}

void frmOrdwen::lvClients_ColumnClick(int column) {
    ListViewSort::ColumnClick(lvClients, column);
}

void frmOrdwen::lvBilling_ColumnClick(int column) {
    ListViewSort::ColumnClick(lvBilling, column);
}

void frmOrdwen::lvInvoices_ColumnClick(int column) {
    ListViewSort::ColumnClick(lvInvoices, column);
}

void frmOrdwen::lvNotes_ColumnClick(int column) {
    ListViewSort::ColumnClick(lvNotes, column);
}
