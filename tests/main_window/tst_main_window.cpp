// The main window as a whole: the load step, the menus and closing, typing limits and the
// Enter-key advance of the client boxes, and that every control fits where it is laid out.
#include "AccessibleNames.h"
#include "MainWindowFixture.h"
#include "TestMain.h"

#include "about/frmAbout.h"
#include "about/frmHelp.h"
#include "address_book/frmAddressBook.h"
#include "owner_profile/frmEditOwner.h"

#include <QAccessible>
#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void loadStep();
    void missingPictureChangesNothingElse();
    void clientAreaAndControlsFit();
    void windowKeepsTheSizeOfItsLayout();
    void everyInputIsNamedByItsLabel();
    void textInTheWindowFonts();
    void totalsButtonIsYellow();
    void fullBoxShowsWholeText_data();
    void fullBoxShowsWholeText();
    void shortListsShowEveryColumn();
    void optionButtonClickedAnywhere();
    void typingLimits_data();
    void typingLimits();
    void enterMovesOn_data();
    void enterMovesOn();
    void exitEndsProgram_data();
    void exitEndsProgram();
    void updateProfileIsModal();
    void menuWindowsOpenOnce_data();
    void menuWindowsOpenOnce();
    void aboutOkClosesOnlyIt();
};

void TestMainWindow::loadStep() {
    MainWindowFixture f;
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann"),
                         QStringLiteral("Ottawa")));
    QVERIFY(f.folder.exec(QStringLiteral("INSERT INTO tblInvoices (InvoiceID, Client, ServiceDate) VALUES "
                                         "('INV-1', 'Ann', '2024-03-05')")));
    QVERIFY(f.folder.exec(QStringLiteral("INSERT INTO tblNotes (NoteID, NoteText, AddDate) VALUES "
                                         "('QDN-1', 'Buy soap', '2024-03-05 14:30:00')")));
    auto window = std::make_unique<frmOrdwen>();
    const MainWindowParts w(*window);
    w.tabMain->setCurrentIndex(3);
    w.calBox->setSelectedDate(QDate(2001, 1, 1));
    w.Form_Load();
    QVERIFY(!w.isVisible()); // the load step runs hidden
    QCOMPARE(w.windowTitle(), QStringLiteral("Brisola - 2.0"));
    QVERIFY(modGlobal::objHouse);
    QCOMPARE(w.tabMain->currentIndex(), 0);
    QCOMPARE(w.calBox->selectedDate(), QDate::currentDate());
    QCOMPARE(w.lvClients->topLevelItemCount(), 1);
    QCOMPARE(w.lvBilling->topLevelItemCount(), 1);
    QCOMPARE(w.lvInvoices->topLevelItemCount(), 1);
    QCOMPARE(w.lvNotes->topLevelItemCount(), 1);
    QVERIFY(!w.imgClipBoard->pixmap().isNull());
    QVERIFY(!QApplication::overrideCursor());
}

void TestMainWindow::missingPictureChangesNothingElse() {
    MainWindowFixture f(false);
    QVERIFY(f.seedClient(QStringLiteral("QD-1"), QStringLiteral("Home"), QStringLiteral("Ann"),
                         QStringLiteral("Ottawa")));
    MainWindowParts &w = f.open();
    QVERIFY(w.imgClipBoard->pixmap().isNull());
    QCOMPARE(w.windowTitle(), QStringLiteral("Brisola - 2.0"));
    QCOMPARE(w.lvClients->topLevelItemCount(), 1);
    QCOMPARE(w.tabMain->currentIndex(), 0);
    QCOMPARE(f.boxes.count(), 0);
}

void TestMainWindow::clientAreaAndControlsFit() {
    MainWindowFixture f;
    MainWindowParts &w = f.open();
    // 12510 x 9555 twips at 15 twips a pixel.
    QCOMPARE(w.centralWidget()->size(), QSize(834, 637));
    QCOMPARE(w.tabMain->count(), 5);
    // Every control lies wholly inside its parent: nothing is cut off at a tab's edge.
    for (int t = 0; t < w.tabMain->count(); ++t) {
        w.tabMain->setCurrentIndex(t);
        QApplication::processEvents();
        QWidget *page = w.tabMain->widget(t);
        const auto children = page->findChildren<QWidget *>();
        for (QWidget *child : children) {
            if (child->isHidden() || !child->parentWidget() || child->objectName().isEmpty() ||
                child->objectName().startsWith(QLatin1String("qt_")))
                continue;
            if (child->parentWidget() != page && !qobject_cast<QGroupBox *>(child->parentWidget()) &&
                !child->parentWidget()->inherits("ClientForm"))
                continue;
            QVERIFY2(child->parentWidget()->rect().contains(child->geometry()),
                     qPrintable(child->objectName() + QStringLiteral(" outside its parent on tab ") +
                                w.tabMain->tabText(t)));
        }
    }
    // The decorative pictures of the Add Clients tab are there.
    QVERIFY(!w.imgBox_1->pixmap().isNull());
    QVERIFY(!w.imgBox_2->pixmap().isNull());
}

// The button the totals message calls "the yellow Service Charge Totals button".
void TestMainWindow::totalsButtonIsYellow() {
    MainWindowFixture f;
    MainWindowParts &w = f.open();
    w.tabMain->setCurrentIndex(2);
    const QImage button = w.cmdTotalAmount->grab().toImage();
    QCOMPARE(button.pixelColor(4, button.height() / 2), QColor(255, 255, 0));
}

void TestMainWindow::textInTheWindowFonts() {
    MainWindowFixture f;
    MainWindowParts &w = f.open();
    // Lists in Arial with everything inside them; every other control of the tabs in Verdana.
    const QList<ListView *> lists{w.lvClients, w.lvBilling, w.lvInvoices, w.lvNotes};
    for (int t = 0; t < w.tabMain->count(); ++t) {
        const auto children = w.tabMain->widget(t)->findChildren<QWidget *>();
        for (QWidget *child : children) {
            if (child->isWindow()) // pop-ups such as the calendar's month menu
                continue;
            bool inList = false;
            for (ListView *list : lists)
                inList = inList || child == list || list->isAncestorOf(child);
            const QString wanted = inList ? QStringLiteral("Arial") : QStringLiteral("Verdana");
            QVERIFY2(child->font().family() == wanted,
                     qPrintable(QStringLiteral("%1 (%2) on tab %3 is in %4")
                                    .arg(child->objectName(), QLatin1String(child->metaObject()->className()),
                                         w.tabMain->tabText(t), child->font().family())));
        }
    }
}

void TestMainWindow::fullBoxShowsWholeText_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text"); // as long as the box accepts, in wide characters

    for (const char *array : {"txtAdd", "txtEdit"}) {
        const auto row = [array](int index, const char *text) {
            const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
            QTest::newRow(qPrintable(name)) << name << QString::fromLatin1(text);
        };
        row(4, "WWW");
        row(5, "88888-8888");
        row(11, "WWW");
        row(12, "88888-8888");
        row(14, "88,888.88");
    }
    QTest::newRow("txtBilling(0)") << QStringLiteral("txtBilling(0)") << QStringLiteral("888.88");
    QTest::newRow("txtBilling(1)") << QStringLiteral("txtBilling(1)") << QStringLiteral("88.88");
    QTest::newRow("txtBilling(4)") << QStringLiteral("txtBilling(4)") << QStringLiteral("8,888.88");
    QTest::newRow("txtBilling(5)") << QStringLiteral("txtBilling(5)") << QStringLiteral("8,888.88");
}

void TestMainWindow::fullBoxShowsWholeText() {
    QFETCH(QString, box);
    QFETCH(QString, text);

    MainWindowFixture f;
    MainWindowParts &w = f.open();
    auto *edit = w.findChild<QLineEdit *>(box);
    QVERIFY(edit);
    QCOMPARE(text.size(), edit->maxLength());
    // The room a line edit leaves for its text: its frame and a margin of 2 pixels a side.
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const QMargins margins = edit->textMargins();
    const int room = edit->width() - 2 * frame - 2 * 2 - margins.left() - margins.right();
    QVERIFY2(edit->fontMetrics().horizontalAdvance(text) <= room,
             qPrintable(QStringLiteral("%1 needs %2 pixels, has %3")
                            .arg(text)
                            .arg(edit->fontMetrics().horizontalAdvance(text))
                            .arg(room)));
}

void TestMainWindow::shortListsShowEveryColumn() {
    MainWindowFixture f;
    // Enough rows for a vertical scroll bar, which takes its width from the columns' room.
    for (int i = 1; i <= 40; ++i) {
        QVERIFY(
            f.folder.exec(QStringLiteral("INSERT INTO tblInvoices (InvoiceID, Client, ServiceDate) VALUES "
                                         "('INV-%1', 'Ann', '2024-03-05')")
                              .arg(i)));
        QVERIFY(f.folder.exec(QStringLiteral("INSERT INTO tblNotes (NoteID, NoteText, AddDate) VALUES "
                                             "('QDN-%1', 'Buy soap', '2024-03-05 14:30:00')")
                                  .arg(i)));
    }
    MainWindowParts &w = f.open();
    for (const auto &[list, tab] : {std::pair{w.lvInvoices, 3}, std::pair{w.lvNotes, 4}}) {
        w.tabMain->setCurrentIndex(tab);
        QApplication::processEvents();
        QVERIFY(list->verticalScrollBar()->isVisible());
        QVERIFY2(list->header()->length() <= list->viewport()->width(), qPrintable(list->objectName()));
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
    }
}

void TestMainWindow::optionButtonClickedAnywhere() {
    MainWindowFixture f;
    MainWindowParts &w = f.open();
    // Wherever a click lands on an option button it switches that button on: at the circle,
    // and at the far end of the space the button takes.
    for (int tab : {0, 1}) {
        w.tabMain->setCurrentIndex(tab);
        QApplication::processEvents();
        const auto options = w.tabMain->widget(tab)->findChildren<QRadioButton *>();
        QCOMPARE(options.size(), 20);
        for (QRadioButton *option : options) {
            for (const QPoint &at :
                 {QPoint(option->width() - 2, option->height() / 2), QPoint(6, option->height() / 2)}) {
                if (tab == 0)
                    w.cmdClearAdd_Click();
                else
                    w.cmdClearEdit_Click();
                QTest::mouseClick(option, Qt::LeftButton, {}, at);
                QVERIFY2(option->isChecked(),
                         qPrintable(QStringLiteral("%1 at x=%2").arg(option->objectName()).arg(at.x())));
            }
        }
    }
}

void TestMainWindow::typingLimits_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("limit"); // characters kept of 40 typed

    const int limits[] = {35, 35, 35, 35, 3, 10, 25, 35, 35, 35, 35, 3, 10, 40, 9};
    for (int i = 0; i < 15; ++i) {
        for (const char *array : {"txtAdd", "txtEdit"}) {
            const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i);
            QTest::newRow(qPrintable(name)) << name << limits[i];
        }
    }
}

void TestMainWindow::typingLimits() {
    QFETCH(QString, box);
    QFETCH(int, limit);

    MainWindowFixture f;
    MainWindowParts &w = f.open();
    auto *edit = w.findChild<QLineEdit *>(box);
    QVERIFY(edit);
    w.tabMain->setCurrentIndex(box.startsWith(QLatin1String("txtAdd")) ? 0 : 1);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("abcdefghij").repeated(4));
    QCOMPARE(edit->text().size(), limit);
}

void TestMainWindow::enterMovesOn_data() {
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("focusAfter");

    for (const char *array : {"txtAdd", "txtEdit"}) {
        for (int i = 0; i < 15; ++i) {
            QTest::newRow(qPrintable(QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i)))
                << QString::fromLatin1(array) << i << (i <= 12 ? i + 1 : i);
        }
    }
}

void TestMainWindow::enterMovesOn() {
    QFETCH(QString, array);
    QFETCH(int, index);
    QFETCH(int, focusAfter);

    MainWindowFixture f;
    MainWindowParts &w = f.open();
    const bool add = array == QLatin1String("txtAdd");
    w.tabMain->setCurrentIndex(add ? 0 : 1);
    QApplication::processEvents();
    auto &boxes = add ? w.txtAdd : w.txtEdit;
    QLineEdit *box = boxes[std::size_t(index)];
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    // Characters are never filtered; Enter is.
    QTest::keyClicks(box, QStringLiteral("a1$"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(w.focusWidget(), boxes[std::size_t(focusAfter)]);
    QCOMPARE(box->text(), QStringLiteral("a1$"));
    QCOMPARE(f.boxes.count(), 0);
}

void TestMainWindow::exitEndsProgram_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("eXit") << true;
    QTest::newRow("close box") << false;
}

void TestMainWindow::exitEndsProgram() {
    QFETCH(bool, byMenu);
    MainWindowFixture f;
    MainWindowParts &w = f.open();
    QVERIFY(modGlobal::objHouse);
    if (byMenu)
        w.mnuFileExit->trigger();
    else
        w.close();
    QCOMPARE(f.processEndCode, 0);
    QVERIFY(!modGlobal::objHouse); // CloseAll released the shared objects
}

void TestMainWindow::updateProfileIsModal() {
    MainWindowFixture f;
    QVERIFY(f.folder.exec(QStringLiteral("INSERT INTO tblOwner (OwnerID, LName, FName, Company, Address, "
                                         "City, State, Zip, Phone, Email, FullName) "
                                         "VALUES ('OWN-1', 'Lee', 'Ann', 'Sparkle', '1 Rd', 'Ottawa', 'ON', "
                                         "'K1A', '555', 'a@b.c', 'Ann Lee')")));
    MainWindowParts &w = f.open();
    bool shown = false;
    bool ownedAndModal = false;
    QString company;
    QObject timerOwner; // no timer outlives this function's variables
    QTimer::singleShot(50, &timerOwner, [&] {
        QWidget *active = QApplication::activeModalWidget();
        if (auto *profile = qobject_cast<frmEditOwner *>(active)) {
            shown = true;
            ownedAndModal = profile->isModal() && profile->parentWidget() == &w.w;
            company = profile->txtBox[2]->text();
            profile->reject();
        } else if (active) {
            active->close();
        }
    });
    // Returns only when the profile window has closed.
    w.mnuFileUpdateProfile->trigger();
    QVERIFY(shown);
    QVERIFY(ownedAndModal);
    QCOMPARE(company, QStringLiteral("Sparkle")); // its load step ran
}

// The tabs have a fixed layout: the window can be neither enlarged into an empty grey area
// nor shrunk over the buttons.
void TestMainWindow::windowKeepsTheSizeOfItsLayout() {
    MainWindowFixture f;
    MainWindowParts &w = f.open();
    const QSize size = w.size();
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(size.width() >= w.centralWidget()->width() && size.height() > w.centralWidget()->height());
    for (const QSize &asked : {size + QSize(200, 150), size - QSize(200, 150)}) {
        w.resize(asked);
        QApplication::processEvents();
        QCOMPARE(w.size(), size);
        QCOMPARE(w.centralWidget()->size(), QSize(834, 637));
    }
}

// A screen reader names every box after the label beside it (the second of two address
// lines as "line 2", a list box not by the entry it shows), and the label's access key or a
// click on it reaches the box. No two inputs of a tab share a name.
void TestMainWindow::everyInputIsNamedByItsLabel() {
    MainWindowFixture f;
    MainWindowParts &w = f.open();
    w.cboBoxAdd[0]->setCurrentIndex(3);
    w.cboBoxEdit->setCurrentIndex(3);
    QHash<QWidget *, QLabel *> labelOf;
    for (QLabel *label : w.findChildren<QLabel *>())
        if (label->buddy())
            labelOf.insert(label->buddy(), label);
    int inputs = 0;
    for (QWidget *input : w.findChildren<QWidget *>()) {
        const bool isInput = qobject_cast<QLineEdit *>(input) || qobject_cast<QTextEdit *>(input) ||
                             qobject_cast<QComboBox *>(input) || qobject_cast<QDateEdit *>(input);
        // Parts of a compound input (the line of a date box) are named by the input itself.
        if (!isInput || input->objectName().isEmpty() || input->objectName().startsWith(QLatin1String("qt_")))
            continue;
        ++inputs;
        QLabel *label = labelOf.value(input);
        QVERIFY2(label, qPrintable(input->objectName() + QStringLiteral(" has no label")));
        const QString caption = label->text().remove(QLatin1Char('&')).trimmed();
        const QString heard = QAccessible::queryAccessibleInterface(input)->text(QAccessible::Name);
        QVERIFY2(heard == caption || heard == caption + QStringLiteral(" line 2"), qPrintable(heard));
        QVERIFY(!caption.isEmpty());
    }
    for (int tab = 0; tab < w.tabMain->count(); ++tab)
        QCOMPARE(AccessibleNameFaults(w.tabMain->widget(tab)), QString());
    // The two client tabs (16 each), the billing tab's date, charges and notes, and the note.
    QVERIFY2(inputs >= 2 * 16 + 8 + 1, qPrintable(QString::number(inputs)));
}

void TestMainWindow::menuWindowsOpenOnce_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");

    QTest::newRow("Address Book") << "mnuFileAddAddress"
                                  << "frmAddressBook"
                                  << "Brisola - 2.0";
    QTest::newRow("About Brisola") << "mnuAbout"
                                   << "frmAbout"
                                   << "About Brisola";
    QTest::newRow("Brisola Help") << "mnuHelpShowHelp"
                                  << "frmHelp"
                                  << "Brisola Help";
}

void TestMainWindow::menuWindowsOpenOnce() {
    QFETCH(QString, menu);
    QFETCH(QString, window);
    QFETCH(QString, title);
    MainWindowFixture f;
    for (const char *delivered : {"text", "help"})
        f.folder.copyDelivered(QString::fromLatin1(delivered));
    MainWindowParts &w = f.open();
    auto *action = w.findChild<QAction *>(menu);
    QVERIFY(action);
    auto opened = [&window] {
        QList<QWidget *> found;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->objectName() == window && top->isVisible())
                found << top;
        }
        return found;
    };
    action->trigger();
    QCOMPARE(opened().size(), 1);
    QWidget *first = opened().first();
    // Not modal: the main window stays usable while it is open.
    QVERIFY(!first->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(first->windowTitle(), title);
    // A second choice brings the same window forward.
    action->trigger();
    QCOMPARE(opened(), QList<QWidget *>{first});
    // Closed, the next choice opens a new one.
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(opened().size(), 0);
    action->trigger();
    QCOMPARE(opened().size(), 1);
    QCOMPARE(f.boxes.count(), 0);
}

void TestMainWindow::aboutOkClosesOnlyIt() {
    MainWindowFixture f;
    f.folder.copyDelivered(QStringLiteral("text"));
    MainWindowParts &w = f.open();
    w.mnuFileAddAddress->trigger();
    w.mnuAbout->trigger();
    QPointer<frmAbout> guard = w.findChild<frmAbout *>();
    QVERIFY(guard);
    QTest::mouseClick(guard->cmdOK, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
    QVERIFY(w.isVisible());
    QVERIFY(w.findChild<frmAddressBook *>()->isVisible());
    QCOMPARE(f.processEndCode, -1);
}

BRISOLA_TEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
