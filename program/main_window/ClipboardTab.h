// Tab 4, "Clipboard": the note pad. The note list, the note editor below it, the picture
// and the note buttons on the right. Which note is chosen is held by lblNoteID alone; empty
// means the editor holds a new note.
#pragma once

#include <QWidget>

class ListView;
class QLabel;
class QPixmap;
class QPushButton;
class QPlainTextEdit;
class frmOrdwen;

class ClipboardTab : public QWidget {
    Q_OBJECT
public:
    explicit ClipboardTab(frmOrdwen &main);

    ListView *list() const { return lvNotes; }
    void ShowPicture(const QPixmap &picture);

    void lvNotes_Click();
    void lvNotes_KeyPress(QChar key);
    void lvNotes_ColumnClick(int column);
    void cmdSaveNotes_Click();
    void cmdDeleteNote_Click();
    void cmdPrintNote_Click();
    void cmdClearNote_Click();

private:
    void RefillNotesList();

    frmOrdwen &m_main;
    ListView *lvNotes = nullptr;
    QPlainTextEdit *rtNotes = nullptr;
    QLabel *lblNoteID = nullptr; // never shown: the chosen note's NoteID
    QLabel *imgClipBoard = nullptr;
    QPushButton *cmdSaveNotes = nullptr;
    QPushButton *cmdPrintNote = nullptr;
    QPushButton *cmdDeleteNote = nullptr;
    QPushButton *cmdClearNote = nullptr;
};
