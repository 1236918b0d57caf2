// The procedures every window shares: trimming the text boxes before a save, and the pause
// that keeps the windows alive.
#include "TestAppFolder.h"
#include "TestMain.h"

#include "startup/modGlobal.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <ctime>

namespace {

// Processor time this process has used, in milliseconds.
double processorMs() {
    return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
}

} // namespace

class TestSharedProcedures : public QObject {
    Q_OBJECT

private slots:
    void trimTextBoxes_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        for (const char *kind : {"text box", "rich-text box", "plain-text box"}) {
            const QString k = QString::fromLatin1(kind);
            QTest::addRow("%s: only blanks", kind) << k << QStringLiteral("     ") << QString();
            QTest::addRow("%s: blanks at both ends", kind)
                << k << QStringLiteral("  Ann Lee  ") << QStringLiteral("Ann Lee");
            QTest::addRow("%s: inner blanks kept", kind)
                << k << QStringLiteral("12  Elm") << QStringLiteral("12  Elm");
            QTest::addRow("%s: tab at the start kept", kind)
                << k << QStringLiteral("\tAnn ") << QStringLiteral("\tAnn");
        }
        QTest::newRow("text box: no-break space kept")
            << QStringLiteral("text box") << QStringLiteral(" Ann\u00a0") << QStringLiteral("Ann\u00a0");
        for (const char *kind : {"rich-text box", "plain-text box"}) {
            const QString k = QString::fromLatin1(kind);
            QTest::addRow("%s: line break at the end kept", kind)
                << k << QStringLiteral("  Call first\n") << QStringLiteral("Call first\n");
            QTest::addRow("%s: blanks after the last line break", kind)
                << k << QStringLiteral("Line one\nLine two\n   ") << QStringLiteral("Line one\nLine two\n");
            QTest::addRow("%s: line break at the start kept", kind)
                << k << QStringLiteral("\n  Note  ") << QStringLiteral("\n  Note");
        }
    }

    void trimTextBoxes() {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QString, expected);

        QWidget window;
        // The box sits inside a tab page and a frame, as the boxes of the main window do.
        auto *tabs = new QTabWidget(&window);
        auto *page = new QWidget;
        tabs->addTab(page, QStringLiteral("Add Clients"));
        auto *frame = new QGroupBox(page);
        std::function<QString()> read;
        if (kind == QLatin1String("text box")) {
            auto *box = new QLineEdit(frame);
            box->setText(text);
            read = [box] { return box->text(); };
        } else if (kind == QLatin1String("rich-text box")) {
            auto *box = new QTextEdit(frame);
            box->setPlainText(text);
            read = [box] { return box->toPlainText(); };
        } else {
            auto *box = new QPlainTextEdit(frame);
            box->setPlainText(text);
            read = [box] { return box->toPlainText(); };
        }

        modGlobal::TrimTextBoxes(window);
        QCOMPARE(read(), expected);
    }

    void trimTextBoxesLeavesOtherControls() {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *combo = new QComboBox;
        combo->setEditable(true);
        combo->setEditText(QStringLiteral("  Weekly  "));
        auto *date = new QDateEdit;
        auto *box = new QLineEdit(QStringLiteral(" Lee "));
        layout->addWidget(combo);
        layout->addWidget(date);
        layout->addWidget(box);
        const QString dateText = date->text();
        // A window owned by this one (a dialog parented to it) keeps its own boxes.
        QDialog owned(&window);
        auto *ownedBox = new QLineEdit(QStringLiteral(" kept "), &owned);

        modGlobal::TrimTextBoxes(window);
        QCOMPARE(box->text(), QStringLiteral("Lee"));
        QCOMPARE(combo->currentText(), QStringLiteral("  Weekly  "));
        QCOMPARE(date->text(), dateText);
        QCOMPARE(ownedBox->text(), QStringLiteral(" kept "));
    }

    void trimmingARichTextBoxDropsItsFormatting() {
        QWidget window;
        auto *box = new QTextEdit(&window);
        box->setHtml(QStringLiteral("<p><b>Bold</b> note </p>"));
        modGlobal::TrimTextBoxes(window);
        QCOMPARE(box->toPlainText(), QStringLiteral("Bold note"));
        QTextCursor cursor(box->document());
        cursor.movePosition(QTextCursor::NextCharacter);
        QVERIFY(cursor.charFormat().fontWeight() != QFont::Bold);
    }

    void closeAllReleasesTheSharedObjectsAndEnds() {
        TestAppFolder folder;
        modGlobal::SetApplicationFolder(folder.path());
        bool ended = false;
        int status = -1;
        modGlobal::SetProcessEnd([&](int exitStatus) {
            ended = true;
            status = exitStatus;
        });
        const QString startFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QDir::rootPath()));
        modGlobal::NewHouse();
        QVERIFY(modGlobal::objHouse);
        modGlobal::conShared = std::make_shared<ordwen::Connection>();
        modGlobal::rsShared = std::make_shared<ordwen::Recordset>();
        modGlobal::SetBusyPointer();

        modGlobal::CloseAll();
        const QString currentFolder = QDir::currentPath();
        QDir::setCurrent(startFolder);
        modGlobal::SetProcessEnd({});
        modGlobal::SetApplicationFolder(QString());

        QVERIFY(ended);
        QCOMPARE(status, 0);
        QVERIFY(!modGlobal::objHouse);
        QVERIFY(!modGlobal::conShared);
        QVERIFY(!modGlobal::rsShared);
        QCOMPARE(currentFolder, QFileInfo(folder.path()).canonicalFilePath());
        QVERIFY(!QApplication::overrideCursor());
    }

    void pauseZeroReturnsAtTheNextSecond() {
        bool eventHandled = false;
        // The timer goes with this function: a pause that ends first leaves it nothing to touch.
        QObject timerOwner;
        QTimer::singleShot(20, &timerOwner, [&] { eventHandled = true; });
        const qint64 startSecond = QDateTime::currentMSecsSinceEpoch() / 1000;
        QElapsedTimer elapsed;
        elapsed.start();
        short seconds = 0;
        QVERIFY(modGlobal::Pause(seconds));
        const qint64 end = QDateTime::currentMSecsSinceEpoch();

        QVERIFY2(elapsed.elapsed() <= 1050, qPrintable(QString::number(elapsed.elapsed())));
        QCOMPARE(end / 1000, startSecond + 1);
        // It ends right at the change of the second, not some time later.
        QVERIFY2(end % 1000 < 100, qPrintable(QString::number(end % 1000)));
        // The event loop ran meanwhile, if the pause lasted long enough to see the timer.
        if (elapsed.elapsed() > 40)
            QVERIFY(eventHandled);
    }

    void pauseTwoWaitsTwoToThreeSeconds() {
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(100);
        const double processorBefore = processorMs();
        QElapsedTimer elapsed;
        elapsed.start();
        short seconds = 2;
        QVERIFY(modGlobal::Pause(seconds));
        const qint64 waited = elapsed.elapsed();

        QVERIFY2(waited > 2000 && waited <= 3050, qPrintable(QString::number(waited)));
        // The windows stay alive: timer events keep coming while it waits...
        QVERIFY2(ticks >= 18, qPrintable(QString::number(ticks)));
        // ...and the processor is not kept busy.
        const double used = processorMs() - processorBefore;
        QVERIFY2(used < 0.1 * double(waited), qPrintable(QString::number(used)));
        QCOMPARE(seconds, short(2));
    }
};

BRISOLA_TEST_MAIN(TestSharedProcedures)
#include "tst_shared_procedures.moc"
