// Tab 4, "Clipboard": the note list, the note editor below it, the picture and the note
// buttons on the right; saving, deleting and printing notes.
#include "ClipboardTab.h"
#include "UtilitiesTab.h"
#include "frmOrdwen.h"

#include "controls/Builders.h"
#include "controls/ListView.h"
#include "controls/ListViewSort.h"
#include "controls/Messages.h"
#include "controls/Twips.h"
#include "controls/WaitPointer.h"
#include "startup/modGlobal.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

ClipboardTab::ClipboardTab(frmOrdwen &main) : m_main(main) {
    setObjectName(QStringLiteral("tabClipboard"));

    QLabel *listLabel = controls::Label(this, QStringLiteral("Click to select and view or print a note"),
                                        Twips::Rect(90, 90, 8400, 300));
    lvNotes = new ListView(this);
    lvNotes->setObjectName(QStringLiteral("lvNotes"));
    lvNotes->setGeometry(Twips::Rect(90, 420, 8400, 3750));
    controls::NameAfterLabel(listLabel, lvNotes);
    lvNotes->setToolTip(QStringLiteral(" Click to select a note to update or delete "));

    QLabel *noteLabel = controls::Label(this, QStringLiteral("Enter new note or edit existing note below"),
                                        Twips::Rect(90, 4320, 8400, 300));
    // Plain text, laid out a screenful at a time: a note may be megabytes long.
    rtNotes = controls::PlainTextBox(this, QStringLiteral("rtNotes"), Twips::Rect(90, 4650, 8400, 4170),
                                     QStringLiteral(" 250 characters max! "));
    controls::NameAfterLabel(noteLabel, rtNotes);
    lblNoteID = controls::HiddenLabel(this, QStringLiteral("lblNoteID"));

    imgClipBoard = new QLabel(this);
    imgClipBoard->setObjectName(QStringLiteral("imgClipBoard"));
    imgClipBoard->setGeometry(Twips::Rect(8700, 420, 3420, 3750));
    imgClipBoard->setAlignment(Qt::AlignCenter);

    cmdSaveNotes =
        controls::Button(this, QStringLiteral("cmdSaveNotes"), QStringLiteral("Save / Update  Note"),
                         Twips::Rect(8850, 4800, 3120, 480));
    cmdPrintNote =
        controls::Button(this, QStringLiteral("cmdPrintNote"), QStringLiteral("Print Note"),
                         Twips::Rect(8850, 5430, 3120, 480), QStringLiteral(" Click to print the note "));
    cmdDeleteNote = controls::Button(this, QStringLiteral("cmdDeleteNote"), QStringLiteral("Delete Note"),
                                     Twips::Rect(8850, 6060, 3120, 480),
                                     QStringLiteral(" Click to delete the selected note "));
    cmdClearNote = controls::Button(this, QStringLiteral("cmdClearNote"), QStringLiteral("Clear"),
                                    Twips::Rect(8850, 6690, 3120, 480));

    connect(lvNotes, &ListView::Click, this, &ClipboardTab::lvNotes_Click);
    connect(lvNotes, &ListView::KeyPress, this, &ClipboardTab::lvNotes_KeyPress);
    connect(cmdSaveNotes, &QPushButton::clicked, this, &ClipboardTab::cmdSaveNotes_Click);
    connect(cmdDeleteNote, &QPushButton::clicked, this, &ClipboardTab::cmdDeleteNote_Click);
    connect(cmdPrintNote, &QPushButton::clicked, this, &ClipboardTab::cmdPrintNote_Click);
    connect(cmdClearNote, &QPushButton::clicked, this, &ClipboardTab::cmdClearNote_Click);
}

void ClipboardTab::ShowPicture(const QPixmap &picture) {
    imgClipBoard->setPixmap(picture);
}

void ClipboardTab::lvNotes_ColumnClick(int column) {
    ListViewSort::ColumnClick(lvNotes, column);
}

void ClipboardTab::lvNotes_Click() {
    controls::WaitPointer wait;
    if (const int row = lvNotes->SelectedRow(); row >= 0) {
        modGlobal::itmShared = {lvNotes, lvNotes->Key(row)};
        lblNoteID->setText(lvNotes->Key(row));
        // The stored text whole, line breaks included (the row shows it on one line), and
        // saved back with its breaks as stored. The leading blank goes again when the note is
        // saved, which trims the editor first. The blank goes in front of the text the list
        // gave, not into a second copy of it (a long note would be held three times at once).
        QString text = lvNotes->Value(row, 1).toString();
        text.prepend(QLatin1Char(' '));
        controls::ShowStoredText(rtNotes, text);
    }
}

void ClipboardTab::lvNotes_KeyPress(QChar) {
    lvNotes_Click();
}

void ClipboardTab::cmdClearNote_Click() {
    lblNoteID->clear();
    controls::ClearStoredText(rtNotes);
    m_main.utilities()->ShowToday();
}

void ClipboardTab::RefillNotesList() {
    lvNotes->clear();
    m_main.LoadNotesList();
}

void ClipboardTab::cmdSaveNotes_Click() {
    modGlobal::TrimTextBoxes(*window());
    if (rtNotes->document()->isEmpty()) { // asked of the document: a long note is not copied
        messages::Refuse(window(),
                         QStringLiteral("Enter text in the \"Notes\" field or \r\nselect a note to update "
                                        "before saving! "),
                         QMessageBox::Warning);
        return;
    }
    const bool adding = lblNoteID->text().isEmpty();
    // Without a readable number there is no identifier to store: nothing is saved.
    bool stored = false;
    {
        controls::WaitPointer wait;
        const QString noteID = adding ? m_main.NewNoteID() : lblNoteID->text();
        if (!noteID.isEmpty() && modGlobal::objHouse) {
            QStringList values{noteID, controls::StoredText(rtNotes), QString()};
            stored =
                adding ? modGlobal::objHouse->AddNotes(values) : modGlobal::objHouse->UpdateNotes(values);
        }
    }
    // A refused save keeps the editor's text (and the chosen note), so nothing typed is lost.
    messages::RunOutcome(window(), stored,
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
                             .onNo = [this] { m_main.ShowFirstTab(); },
                             .failure = adding ? QStringLiteral("Note Record was NOT Saved! ")
                                               : QStringLiteral("Note Record was NOT Updated! "),
                             .onFailure = {},
                         });
}

void ClipboardTab::cmdDeleteNote_Click() {
    if (lblNoteID->text().isEmpty()) {
        messages::ChooseFirst(window(), QStringLiteral("Select a note to delete! "));
        return;
    }
    // The library asks the user to confirm and removes the note only on Yes.
    const bool deleted = modGlobal::objHouse && modGlobal::objHouse->DeleteNote(lblNoteID->text());
    messages::RunOutcome(window(), deleted,
                         {
                             .clear = [this] { cmdClearNote_Click(); },
                             .refill = [this] { RefillNotesList(); },
                             .question = QStringLiteral("Note Record Deleted! ") + messages::LineBreaks +
                                         QStringLiteral("Do you want to delete another Note record? "),
                             .title = QStringLiteral("Record Removed Successfully"),
                             .onYes = {},
                             .onNo = [this] { m_main.ShowFirstTab(); },
                             .failure = QStringLiteral("Note Record was NOT Deleted! "),
                             .failureIcon = QMessageBox::Warning,
                             .onFailure = {},
                         });
}

void ClipboardTab::cmdPrintNote_Click() {
    if (lblNoteID->text().isEmpty()) {
        messages::ChooseFirst(window(), QStringLiteral("Select a note to print! "));
        return;
    }
    {
        controls::WaitPointer wait;
        m_main.PrintNoteReport(lblNoteID->text());
    }
    // The editor keeps the printed text, but no note is chosen: a save now adds a new note.
    lblNoteID->clear();
    RefillNotesList();
    lvNotes->setFocus();
}
