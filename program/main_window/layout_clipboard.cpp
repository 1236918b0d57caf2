// Tab 4, "Clipboard": the note list, the note editor below it, the picture and the note
// buttons on the right.
#include "startup/ListView.h"
#include "frmOrdwen.h"
#include "layout_helpers.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

QWidget *frmOrdwen::BuildClipboardTab() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("tabClipboard"));

    layout::Label(page, QStringLiteral("Click to select and view or print a note"), QRect(6, 6, 560, 20));
    lvNotes = new ListView(page);
    lvNotes->setObjectName(QStringLiteral("lvNotes"));
    lvNotes->setGeometry(6, 28, 560, 250);
    lvNotes->setToolTip(QStringLiteral(" Click to select a note to update or delete "));

    layout::Label(page, QStringLiteral("Enter new note or edit existing note below"), QRect(6, 288, 560, 20));
    rtNotes = layout::RichTextBox(page, QStringLiteral("rtNotes"), QRect(6, 310, 560, 278),
                                  QStringLiteral(" 250 characters max! "));
    lblNoteID = layout::HiddenLabel(page, QStringLiteral("lblNoteID"));

    imgClipBoard = new QLabel(page);
    imgClipBoard->setObjectName(QStringLiteral("imgClipBoard"));
    imgClipBoard->setGeometry(580, 28, 228, 250);
    imgClipBoard->setAlignment(Qt::AlignCenter);

    cmdSaveNotes = layout::Button(page, QStringLiteral("cmdSaveNotes"), QStringLiteral("Save / Update  Note"),
                                  QRect(590, 320, 208, 32));
    cmdPrintNote = layout::Button(page, QStringLiteral("cmdPrintNote"), QStringLiteral("Print Note"),
                                  QRect(590, 362, 208, 32), QStringLiteral(" Click to print the note "));
    cmdDeleteNote =
        layout::Button(page, QStringLiteral("cmdDeleteNote"), QStringLiteral("Delete Note"),
                       QRect(590, 404, 208, 32), QStringLiteral(" Click to delete the selected note "));
    cmdClearNote = layout::Button(page, QStringLiteral("cmdClearNote"), QStringLiteral("Clear"),
                                  QRect(590, 446, 208, 32));
    return page;
}
