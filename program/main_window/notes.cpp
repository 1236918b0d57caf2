// The Clipboard tab: the note pad. Which note is chosen is held by lblNoteID alone; empty
// means the editor holds a new note.
#include "frmOrdwen.h"

#include "controls/Builders.h"
#include "controls/ListView.h"
#include "controls/Messages.h"
#include "reports/Printing.h"
#include "startup/modGlobal.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

void frmOrdwen::ConnectNotes() {
    connect(lvNotes, &ListView::Click, this, &frmOrdwen::lvNotes_Click);
    connect(lvNotes, &ListView::KeyPress, this, &frmOrdwen::lvNotes_KeyPress);
    connect(cmdSaveNotes, &QPushButton::clicked, this, &frmOrdwen::cmdSaveNotes_Click);
    connect(cmdDeleteNote, &QPushButton::clicked, this, &frmOrdwen::cmdDeleteNote_Click);
    connect(cmdPrintNote, &QPushButton::clicked, this, &frmOrdwen::cmdPrintNote_Click);
    connect(cmdClearNote, &QPushButton::clicked, this, &frmOrdwen::cmdClearNote_Click);
}

void frmOrdwen::lvNotes_Click() {
    modGlobal::SetBusyPointer();
    if (const int row = lvNotes->SelectedRow(); row >= 0) {
        modGlobal::itmShared = {lvNotes, lvNotes->Key(row)};
        lblNoteID->setText(lvNotes->Key(row));
        // The stored text whole, line breaks included (the row shows it on one line), and
        // saved back with its breaks as stored. The leading blank goes again when the note is
        // saved, which trims the editor first.
        controls::ShowStoredText(rtNotes, QLatin1Char(' ') + lvNotes->Value(row, 1).toString());
    }
    modGlobal::SetDefaultPointer();
}

void frmOrdwen::lvNotes_KeyPress(QChar) {
    lvNotes_Click();
}

void frmOrdwen::cmdClearNote_Click() {
    lblNoteID->clear();
    controls::ClearStoredText(rtNotes);
    calBox->setSelectedDate(QDate::currentDate());
}

void frmOrdwen::RefillNotesList() {
    lvNotes->clear();
    LoadNotesList();
}

void frmOrdwen::cmdSaveNotes_Click() {
    modGlobal::TrimTextBoxes(*this);
    if (rtNotes->toPlainText().isEmpty()) {
        messages::Refuse(this,
                         QStringLiteral("Enter text in the \"Notes\" field or \r\nselect a note to update "
                                        "before saving! "),
                         QMessageBox::Warning);
        return;
    }
    modGlobal::SetBusyPointer();
    const bool adding = lblNoteID->text().isEmpty();
    // Without a readable number there is no identifier to store: nothing is saved.
    const QString noteID = adding ? NewNoteID() : lblNoteID->text();
    bool stored = false;
    if (!noteID.isEmpty() && modGlobal::objHouse) {
        QStringList values{noteID, controls::StoredText(rtNotes), QString()};
        stored = adding ? modGlobal::objHouse->AddNotes(values) : modGlobal::objHouse->UpdateNotes(values);
    }
    modGlobal::SetDefaultPointer();
    // A refused save keeps the editor's text (and the chosen note), so nothing typed is lost.
    messages::RunOutcome(this, stored,
                         {
                             .clear = [this] { cmdClearNote_Click(); },
                             .refill = [this] { RefillNotesList(); },
                             .question = adding ? QStringLiteral("New Note Saved! ") + messages::LineBreaks +
                                                      QStringLiteral("Do you want to add another Note? ")
                                                : QStringLiteral("Note Updated! ") + messages::LineBreaks +
                                                      QStringLiteral("Do you want to update another Note? "),
                             .title = adding ? QStringLiteral("Record Saved Successfully")
                                             : QStringLiteral("Record Updated Successfully"),
                             .onYes = {},
                             .onNo = [this] { tabMain->setCurrentIndex(0); },
                             .failure = adding ? QStringLiteral("Note Record was NOT Saved! ")
                                               : QStringLiteral("Note Record was NOT Updated! "),
                             .onFailure = {},
                         });
}

void frmOrdwen::cmdDeleteNote_Click() {
    if (lblNoteID->text().isEmpty()) {
        messages::ChooseFirst(this, QStringLiteral("Select a note to delete! "));
        return;
    }
    // The library asks the user to confirm and removes the note only on Yes.
    const bool deleted = modGlobal::objHouse && modGlobal::objHouse->DeleteNote(lblNoteID->text());
    messages::RunOutcome(this, deleted,
                         {
                             .clear = [this] { cmdClearNote_Click(); },
                             .refill = [this] { RefillNotesList(); },
                             .question = QStringLiteral("Note Record Deleted! ") + messages::LineBreaks +
                                         QStringLiteral("Do you want to delete another Note record? "),
                             .title = QStringLiteral("Record Removed Successfully"),
                             .onYes = {},
                             .onNo = [this] { tabMain->setCurrentIndex(0); },
                             .failure = QStringLiteral("Note Record was NOT Deleted! "),
                             .failureIcon = QMessageBox::Warning,
                             .onFailure = {},
                         });
}

void frmOrdwen::cmdPrintNote_Click() {
    if (lblNoteID->text().isEmpty()) {
        messages::ChooseFirst(this, QStringLiteral("Select a note to print! "));
        return;
    }
    modGlobal::SetBusyPointer();
    PrintNoteReport(lblNoteID->text());
    modGlobal::SetDefaultPointer();
    // The editor keeps the printed text, but no note is chosen: a save now adds a new note.
    lblNoteID->clear();
    RefillNotesList();
    lvNotes->setFocus();
}

bool frmOrdwen::PrintNoteReport(const QString &noteID) {
    return reports::PrintNote(this, noteID);
}
