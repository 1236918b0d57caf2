// Tab 4, "Clipboard": the note list, the note editor below it, the picture and the note
// buttons on the right.
#include "controls/ListView.h"
#include "frmOrdwen.h"
#include "layout_helpers.h"

#include "controls/Builders.h"
#include "controls/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

QWidget *frmOrdwen::BuildClipboardTab() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabClipboard"));

    QLabel *listLabel = controls::Label(page, QStringLiteral("Click to select and view or print a note"),
                                        Twips::Rect(90, 90, 8400, 300));
    lvNotes = new ListView(page);
    lvNotes->setObjectName(QStringLiteral("lvNotes"));
    lvNotes->setGeometry(Twips::Rect(90, 420, 8400, 3750));
    controls::NameAfterLabel(listLabel, lvNotes);
    lvNotes->setToolTip(QStringLiteral(" Click to select a note to update or delete "));

    QLabel *noteLabel = controls::Label(page, QStringLiteral("Enter new note or edit existing note below"),
                                        Twips::Rect(90, 4320, 8400, 300));
    rtNotes = controls::RichTextBox(page, QStringLiteral("rtNotes"), Twips::Rect(90, 4650, 8400, 4170),
                                    QStringLiteral(" 250 characters max! "));
    controls::NameAfterLabel(noteLabel, rtNotes);
    lblNoteID = controls::HiddenLabel(page, QStringLiteral("lblNoteID"));

    imgClipBoard = new QLabel(page);
    imgClipBoard->setObjectName(QStringLiteral("imgClipBoard"));
    imgClipBoard->setGeometry(Twips::Rect(8700, 420, 3420, 3750));
    imgClipBoard->setAlignment(Qt::AlignCenter);

    cmdSaveNotes =
        controls::Button(page, QStringLiteral("cmdSaveNotes"), QStringLiteral("Save / Update  Note"),
                         Twips::Rect(8850, 4800, 3120, 480));
    cmdPrintNote =
        controls::Button(page, QStringLiteral("cmdPrintNote"), QStringLiteral("Print Note"),
                         Twips::Rect(8850, 5430, 3120, 480), QStringLiteral(" Click to print the note "));
    cmdDeleteNote = controls::Button(page, QStringLiteral("cmdDeleteNote"), QStringLiteral("Delete Note"),
                                     Twips::Rect(8850, 6060, 3120, 480),
                                     QStringLiteral(" Click to delete the selected note "));
    cmdClearNote = controls::Button(page, QStringLiteral("cmdClearNote"), QStringLiteral("Clear"),
                                    Twips::Rect(8850, 6690, 3120, 480));
    return page;
}
