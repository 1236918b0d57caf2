// The note pad of the Clipboard tab, through the real window: adding, updating, deleting,
// printing and clearing notes.
#include "MainWindowFixture.h"
#include "TestMain.h"

#include "../reports/ReportFixture.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>

namespace {

struct NotesFixture {
    explicit NotesFixture(bool seeded = true, const QString &thirdNote = {}) {
        printers = std::make_shared<FakePrinters>();
        printers->defaultPrinter = QStringLiteral("Office");
        reports::SetPrintDestination(printers);
        if (seeded)
            QVERIFY(
                f.folder.exec(QStringLiteral("INSERT INTO tblNotes (ID, NoteID, NoteText, AddDate) VALUES "
                                             "(1, 'QDN-1', 'Buy soap', '2024-03-05 14:30:15'), "
                                             "(2, 'QDN-2', 'Call Ann', '2024-03-06 00:00:00')")));
        if (!thirdNote.isEmpty())
            QVERIFY(
                f.folder.exec(QStringLiteral("INSERT INTO tblNotes (ID, NoteID, NoteText, AddDate) VALUES "
                                             "(3, 'QDN-3', '%1', '2024-03-07 08:00:00')")
                                  .arg(thirdNote)));
        w = &f.open();
        w->tabMain->setCurrentIndex(4);
        QApplication::processEvents();
    }
    ~NotesFixture() {
        reports::DataReport::Release();
        reports::SetPrintDestination(nullptr);
    }
    void choose(const QString &noteID) {
        MainWindowFixture::clickRow(w->lvNotes, MainWindowFixture::rowOf(w->lvNotes, noteID));
    }
    QVariantMap note(const QString &noteID) {
        const QList<QVariantMap> rows = f.folder.rows(
            QStringLiteral("SELECT NoteText, AddDate FROM tblNotes WHERE NoteID = '%1'").arg(noteID));
        return rows.value(0);
    }
    int count() { return f.folder.value(QStringLiteral("SELECT COUNT(*) FROM tblNotes")).toInt(); }

    MainWindowFixture f;
    std::shared_ptr<FakePrinters> printers;
    MainWindowParts *w = nullptr;
};

const QString crlf2 = QStringLiteral("\r\n\r\n");

} // namespace

class TestNotes : public QObject {
    Q_OBJECT
private slots:
    void blankEditorIsRefused_data();
    void blankEditorIsRefused();
    void firstNoteAndTheQuestion_data();
    void firstNoteAndTheQuestion();
    void unchangedSaveKeepsDateAndLosesTheBlank();
    void clearThenSaveAddsANewNote();
    void longNoteRoundTripsExactly();
    void savedNoteKeepsItsLineBreaks_data();
    void savedNoteKeepsItsLineBreaks();
    void refusedSaveKeepsTheText_data();
    void refusedSaveKeepsTheText();
    void deleteNote_data();
    void deleteNote();
    void printedNoteIsNoLongerChosen();
    void nothingChosen_data();
    void nothingChosen();
};

void TestNotes::blankEditorIsRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << QStringLiteral("     ");
}

void TestNotes::blankEditorIsRefused() {
    QFETCH(QString, text);
    NotesFixture n;
    n.w->rtNotes->setPlainText(text);
    n.f.boxes.answer(QMessageBox::Ok);
    QTest::mouseClick(n.w->cmdSaveNotes, Qt::LeftButton);
    QCOMPARE(n.f.boxes.count(), 1);
    EXPECT_BOX(
        n.f.boxes.last(),
        QStringLiteral("Enter text in the \"Notes\" field or \r\nselect a note to update before saving! "),
        QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Brisola"));
    QCOMPARE(n.count(), 2);
    QVERIFY(!MainWindowFixture::pointerBusy());
}

void TestNotes::firstNoteAndTheQuestion_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("tab");
    QTest::newRow("yes stays") << int(QMessageBox::Yes) << 4;
    QTest::newRow("no brings Add Clients forward") << int(QMessageBox::No) << 0;
}

void TestNotes::firstNoteAndTheQuestion() {
    QFETCH(int, answer);
    QFETCH(int, tab);
    NotesFixture n(false);
    n.w->rtNotes->setPlainText(QStringLiteral("  Order gloves, and O'Brien's keys  "));
    n.f.boxes.answer(QMessageBox::StandardButton(answer));
    QTest::mouseClick(n.w->cmdSaveNotes, Qt::LeftButton);
    QCOMPARE(n.f.boxes.count(), 1);
    EXPECT_BOX(n.f.boxes.last(),
               QStringLiteral("New Note Saved! ") + crlf2 + "Do you want to add another Note? ",
               QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
               QStringLiteral("Record Saved Successfully"));
    QCOMPARE(n.note(QStringLiteral("QDN-1")).value("NoteText").toString(),
             QStringLiteral("Order gloves, and O'Brien's keys"));
    QCOMPARE(MainWindowFixture::column(n.w->lvNotes, 0), QStringList{QStringLiteral("QDN-1")});
    QVERIFY(n.w->rtNotes->toPlainText().isEmpty());
    QVERIFY(n.w->lblNoteID->text().isEmpty());
    QCOMPARE(n.w->tabMain->currentIndex(), tab);
}

void TestNotes::unchangedSaveKeepsDateAndLosesTheBlank() {
    NotesFixture n;
    n.choose(QStringLiteral("QDN-1"));
    QCOMPARE(n.w->lblNoteID->text(), QStringLiteral("QDN-1"));
    QCOMPARE(n.w->rtNotes->toPlainText(), QStringLiteral(" Buy soap"));
    n.f.boxes.answer(QMessageBox::Yes);
    QTest::mouseClick(n.w->cmdSaveNotes, Qt::LeftButton);
    EXPECT_BOX(n.f.boxes.last(),
               QStringLiteral("Note Updated! ") + crlf2 + "Do you want to update another Note? ",
               QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
               QStringLiteral("Record Updated Successfully"));
    QCOMPARE(n.count(), 2);
    const QVariantMap row = n.note(QStringLiteral("QDN-1"));
    QCOMPARE(row.value("NoteText").toString(), QStringLiteral("Buy soap"));
    QCOMPARE(row.value("AddDate").toString(), QStringLiteral("2024-03-05 14:30:15"));
    QVERIFY(n.w->lblNoteID->text().isEmpty());
    QCOMPARE(n.w->tabMain->currentIndex(), 4);
}

void TestNotes::clearThenSaveAddsANewNote() {
    NotesFixture n;
    n.choose(QStringLiteral("QDN-2"));
    n.w->calBox->setSelectedDate(QDate(2020, 1, 1));
    QTest::mouseClick(n.w->cmdClearNote, Qt::LeftButton);
    QVERIFY(n.w->lblNoteID->text().isEmpty());
    QVERIFY(n.w->rtNotes->toPlainText().isEmpty());
    QCOMPARE(n.w->calBox->selectedDate(), QDate::currentDate());
    n.w->rtNotes->setPlainText(QStringLiteral("Book the carpet van"));
    n.f.boxes.answer(QMessageBox::Yes);
    QTest::mouseClick(n.w->cmdSaveNotes, Qt::LeftButton);
    QCOMPARE(n.count(), 3);
    QCOMPARE(n.note(QStringLiteral("QDN-3")).value("NoteText").toString(),
             QStringLiteral("Book the carpet van"));
    QCOMPARE(n.note(QStringLiteral("QDN-2")).value("NoteText").toString(), QStringLiteral("Call Ann"));
}

// Tabs and line breaks inside a long note are stored and shown again exactly.
void TestNotes::longNoteRoundTripsExactly() {
    NotesFixture n(false);
    QString text;
    while (text.size() < 100000)
        text += QStringLiteral("Kitchen\tfloor, oven; O'Neil's \"spare\" key\nline ") +
                QString::number(text.size());
    n.w->rtNotes->setPlainText(text);
    n.f.boxes.answer(QMessageBox::Yes);
    QTest::mouseClick(n.w->cmdSaveNotes, Qt::LeftButton);
    QCOMPARE(n.note(QStringLiteral("QDN-1")).value("NoteText").toString(), text);
    n.choose(QStringLiteral("QDN-1"));
    QCOMPARE(n.w->rtNotes->toPlainText(), QLatin1Char(' ') + text);
    // The list shows it on one line.
    QVERIFY(!n.w->lvNotes->Text(0, 1).contains(QLatin1Char('\n')));
}

void TestNotes::savedNoteKeepsItsLineBreaks_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed"); // added at the end of the editor before saving
    QTest::addColumn<QString>("saved");
    QTest::newRow("CR LF") << "Buy soap\r\nCall Ann\r\n"
                           << ""
                           << "Buy soap\r\nCall Ann\r\n";
    QTest::newRow("lone CR and LF") << "a\rb\nc"
                                    << ""
                                    << "a\rb\nc";
    QTest::newRow("blank lines, a line separator as LF") << "a\r\n\r\n\r\nb\u2028c"
                                                         << ""
                                                         << "a\r\n\r\n\r\nb\nc";
    QTest::newRow("a typed line as the stored ones") << "a\r\nb"
                                                     << "\nc"
                                                     << "a\r\nb\r\nc";
    QTest::newRow("a typed line, none stored") << "a"
                                               << "\nb"
                                               << "a\nb";
}

void TestNotes::savedNoteKeepsItsLineBreaks() {
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    NotesFixture n(true, stored);
    n.choose(QStringLiteral("QDN-3"));
    QTextCursor end(n.w->rtNotes->document());
    end.movePosition(QTextCursor::End);
    end.insertText(typed);
    n.f.boxes.answer({QMessageBox::No, QMessageBox::No});
    QTest::mouseClick(n.w->cmdSaveNotes, Qt::LeftButton);
    QCOMPARE(n.note(QStringLiteral("QDN-3")).value("NoteText").toString(), saved);
    // A new note typed after it is stored as typed.
    n.w->tabMain->setCurrentIndex(4);
    QTest::mouseClick(n.w->cmdClearNote, Qt::LeftButton);
    n.w->rtNotes->setPlainText(QStringLiteral("x\ny"));
    QTest::mouseClick(n.w->cmdSaveNotes, Qt::LeftButton);
    QCOMPARE(n.note(QStringLiteral("QDN-4")).value("NoteText").toString(), QStringLiteral("x\ny"));
}

void TestNotes::refusedSaveKeepsTheText_data() {
    QTest::addColumn<bool>("update");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("function");
    QTest::newRow("add") << false << "Note Record was NOT Saved! "
                         << "AddNotes";
    QTest::newRow("update") << true << "Note Record was NOT Updated! "
                            << "UpdateNotes";
}

void TestNotes::refusedSaveKeepsTheText() {
    QFETCH(bool, update);
    QFETCH(QString, message);
    QFETCH(QString, function);
    NotesFixture n;
    for (const char *when : {"INSERT", "UPDATE"})
        QVERIFY(n.f.folder.exec(QStringLiteral("CREATE TRIGGER refuse%1 BEFORE %1 ON tblNotes BEGIN SELECT "
                                               "RAISE(ABORT, 'full'); END")
                                    .arg(QLatin1String(when))));
    if (update)
        n.choose(QStringLiteral("QDN-2"));
    n.w->rtNotes->setPlainText(QStringLiteral("Typed with care"));
    n.f.boxes.answer({QMessageBox::Ok, QMessageBox::Ok});
    QTest::mouseClick(n.w->cmdSaveNotes, Qt::LeftButton);
    QCOMPARE(n.f.boxes.count(), 2);
    QVERIFY(n.f.boxes.shown()[0].text.endsWith(QStringLiteral("Function: ") + function));
    EXPECT_BOX(n.f.boxes.last(), message, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok,
               QStringLiteral(" ERROR"));
    // Nothing typed is lost, and a chosen note stays chosen for another try.
    QCOMPARE(n.w->rtNotes->toPlainText(), QStringLiteral("Typed with care"));
    QCOMPARE(n.w->lblNoteID->text(), update ? QStringLiteral("QDN-2") : QString());
    QCOMPARE(n.note(QStringLiteral("QDN-2")).value("NoteText").toString(), QStringLiteral("Call Ann"));
    QCOMPARE(n.count(), 2);
    QVERIFY(!MainWindowFixture::pointerBusy());
}

void TestNotes::deleteNote_data() {
    QTest::addColumn<bool>("confirm");
    QTest::newRow("declined") << false;
    QTest::newRow("confirmed") << true;
}

void TestNotes::deleteNote() {
    QFETCH(bool, confirm);
    NotesFixture n;
    n.choose(QStringLiteral("QDN-1"));
    n.f.boxes.answer(
        {confirm ? QMessageBox::Yes : QMessageBox::No, confirm ? QMessageBox::No : QMessageBox::Ok});
    QTest::mouseClick(n.w->cmdDeleteNote, Qt::LeftButton);
    QCOMPARE(n.f.boxes.count(), 2);
    QCOMPARE(n.f.boxes.shown()[0].title, QStringLiteral("** WARNING **"));
    if (confirm) {
        EXPECT_BOX(n.f.boxes.last(),
                   QStringLiteral("Note Record Deleted! ") + crlf2 +
                       "Do you want to delete another Note record? ",
                   QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                   QStringLiteral("Record Removed Successfully"));
        QCOMPARE(n.count(), 1);
        QCOMPARE(MainWindowFixture::column(n.w->lvNotes, 0), QStringList{QStringLiteral("QDN-2")});
        QVERIFY(n.w->lblNoteID->text().isEmpty());
        QVERIFY(n.w->rtNotes->toPlainText().isEmpty());
        QCOMPARE(n.w->tabMain->currentIndex(), 0);
    } else {
        EXPECT_BOX(n.f.boxes.last(), QStringLiteral("Note Record was NOT Deleted! "), QMessageBox::Warning,
                   QMessageBox::Ok, QMessageBox::Ok, QStringLiteral("Brisola"));
        QCOMPARE(n.count(), 2);
        QCOMPARE(n.w->lblNoteID->text(), QStringLiteral("QDN-1"));
        QCOMPARE(n.w->rtNotes->toPlainText(), QStringLiteral(" Buy soap"));
    }
}

void TestNotes::printedNoteIsNoLongerChosen() {
    NotesFixture n;
    n.choose(QStringLiteral("QDN-2"));
    QTest::mouseClick(n.w->cmdPrintNote, Qt::LeftButton);
    // Straight to the default printer: no dialog, no message.
    QCOMPARE(n.f.boxes.count(), 0);
    QCOMPARE(n.printers->jobs.size(), 1);
    QCOMPARE(n.printers->jobs[0].name, QStringLiteral("QDN-2"));
    QVERIFY2(n.printers->jobs[0].firstPageTexts.join(QLatin1Char('|')).contains(QStringLiteral("Call Ann")),
             qPrintable(n.printers->jobs[0].firstPageTexts.join(QLatin1Char('|'))));
    QVERIFY(n.w->lblNoteID->text().isEmpty());
    QCOMPARE(n.w->rtNotes->toPlainText(), QStringLiteral(" Call Ann"));
    QCOMPARE(MainWindowFixture::column(n.w->lvNotes, 0), (QStringList{"QDN-1", "QDN-2"}));
    QCOMPARE(n.w->focusWidget(), n.w->lvNotes);
    // Saving now adds the shown text as a new note.
    n.f.boxes.answer(QMessageBox::Yes);
    QTest::mouseClick(n.w->cmdSaveNotes, Qt::LeftButton);
    QCOMPARE(n.f.boxes.last().title, QStringLiteral("Record Saved Successfully"));
    QCOMPARE(n.note(QStringLiteral("QDN-3")).value("NoteText").toString(), QStringLiteral("Call Ann"));
}

void TestNotes::nothingChosen_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("delete") << "cmdDeleteNote"
                            << "Select a note to delete! ";
    QTest::newRow("print") << "cmdPrintNote"
                           << "Select a note to print! ";
}

void TestNotes::nothingChosen() {
    QFETCH(QString, button);
    QFETCH(QString, message);
    NotesFixture n;
    n.w->rtNotes->setPlainText(QStringLiteral("Typed, not stored"));
    n.f.boxes.answer(QMessageBox::Ok);
    QTest::mouseClick(n.w->findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(n.f.boxes.count(), 1);
    EXPECT_BOX(n.f.boxes.last(), message, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok,
               QStringLiteral("Brisola"));
    QCOMPARE(n.count(), 2);
    QVERIFY(n.printers->jobs.isEmpty());
    QCOMPARE(n.w->rtNotes->toPlainText(), QStringLiteral("Typed, not stored"));
}

BRISOLA_TEST_MAIN(TestNotes)
#include "tst_notes.moc"
