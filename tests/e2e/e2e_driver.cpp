// A user at the keyboard, for the end-to-end test. The test starts the real brisola with this
// library preloaded (LD_PRELOAD); the library adds nothing to the program but a timer that,
// once the application object exists, works through a script of steps on the program's own
// windows: it finds each widget by its object name, types into it with key events and clicks
// it with mouse events, answers each message box and file dialog, and writes what it saw to
// the file named by BRISOLA_E2E_LOG. The program itself is the delivered executable,
// unchanged.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include <deque>
#include <functional>
#include <vector>

#include <unistd.h>

namespace {

constexpr int stepTimeoutMs = 60000;

class Driver : public QObject {
public:
    Driver() {
        m_log.setFileName(qEnvironmentVariable("BRISOLA_E2E_LOG"));
        m_log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
        m_outFolder = qEnvironmentVariable("BRISOLA_E2E_OUT");
        buildScript();
        connect(&m_timer, &QTimer::timeout, this, &Driver::tick);
        m_timer.start(40);
        m_stepTime.start();
    }

private:
    using Step = std::function<bool()>; // true once done; false: try again at the next tick
    struct Answer {
        QString title; // expected title, compared by the test from the log
        QMessageBox::StandardButton button;
    };

    void log(const QString &line) {
        m_log.write((line + QLatin1Char('\n')).toUtf8());
        m_log.flush();
    }

    static QWidget *window(const char *className) {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->inherits(className))
                return w;
        }
        return nullptr;
    }
    template <typename T> static T *child(const char *windowClass, const QString &name) {
        QWidget *w = window(windowClass);
        return w ? w->findChild<T *>(name) : nullptr;
    }

    // A click posted to the event loop: a click that opens a modal box must not block the
    // script, which answers the box from its next tick.
    static void click(QWidget *widget) {
        QTimer::singleShot(0, widget, [widget] { QTest::mouseClick(widget, Qt::LeftButton); });
    }
    static void trigger(QAction *action) { QTimer::singleShot(0, action, &QAction::trigger); }
    static void type(QWidget *box, const QString &text) {
        box->setFocus();
        QTest::keyClicks(box, text);
    }
    static void clickRow(QTreeView *list, int row) {
        const QModelIndex item = list->model()->index(row, 0);
        list->scrollTo(item);
        const QRect rect = list->visualRect(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, rect.center().y()));
    }

    // The boxes the next steps cause, in order.
    void expect(std::initializer_list<Answer> answers) {
        for (const Answer &a : answers)
            m_answers.push_back(a);
    }

    bool handleDialogs() {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            if (!box->isVisible())
                return true;
            QString text = box->text();
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
            QMessageBox::StandardButton button = QMessageBox::Ok;
            if (m_answers.empty()) {
                log(QStringLiteral("UNEXPECTED BOX|") + box->windowTitle() + QLatin1Char('|') + text);
                if (!box->button(QMessageBox::Ok))
                    button = QMessageBox::No;
            } else {
                button = m_answers.front().button;
                m_answers.pop_front();
                log(QStringLiteral("BOX|") + box->windowTitle() + QLatin1Char('|') + text);
            }
            if (QAbstractButton *b = box->button(button))
                QTimer::singleShot(0, b, &QAbstractButton::click);
            else
                QTimer::singleShot(0, box, &QMessageBox::reject);
            return true;
        }
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            if (!dialog->isVisible())
                return true;
            const QString path = m_outFolder + QLatin1Char('/') + m_nextPdf;
            log(QStringLiteral("SAVE AS|") + m_nextPdf);
            // Typed as a user types it: the whole path into the file-name box.
            if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name->setText(path);
            else
                dialog->selectFile(path);
            QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog *>(dialog)->accept(); });
            return true;
        }
        return false;
    }

    void tick() {
        if (m_inTick)
            return;
        m_inTick = true;
        if (!handleDialogs() && m_step < m_script.size()) {
            if (m_script[m_step]()) {
                ++m_step;
                m_stepTime.restart();
            } else if (m_stepTime.elapsed() > stepTimeoutMs) {
                // What was on screen, so that a failure says where the script stopped.
                QStringList windows;
                for (QWidget *w : QApplication::topLevelWidgets()) {
                    if (w->isVisible())
                        windows << QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(':') +
                                       w->objectName();
                }
                QWidget *modal = QApplication::activeModalWidget();
                log(QStringLiteral("STUCK at step %1; windows %2; modal %3")
                        .arg(m_step)
                        .arg(windows.join(QLatin1Char(' ')),
                             modal ? QString::fromLatin1(modal->metaObject()->className())
                                   : QStringLiteral("none")));
                ::_exit(3);
            }
        }
        m_inTick = false;
    }

    // Waits until the window shows, then runs the action once.
    Step when(const char *windowClass, std::function<void(QWidget *)> action) {
        return [windowClass, action] {
            QWidget *w = window(windowClass);
            if (!w ||
                (QApplication::activeModalWidget() != nullptr && QApplication::activeModalWidget() != w))
                return false;
            action(w);
            return true;
        };
    }
    // Waits until nothing modal is open and the condition holds.
    static Step until(std::function<bool()> condition) {
        return [condition] { return QApplication::activeModalWidget() == nullptr && condition(); };
    }

    QTabWidget *tabs() { return child<QTabWidget>("frmOrdwen", QStringLiteral("tabMain")); }
    template <typename T> T *main(const QString &name) { return child<T>("frmOrdwen", name); }

    Step showTab(int index) {
        return [this, index] {
            QTabWidget *t = tabs();
            if (!t || QApplication::activeModalWidget())
                return false;
            t->setCurrentIndex(index);
            return true;
        };
    }

    void previewReport(const QString &button, const QString &pdfName) {
        m_script.push_back(showTab(3));
        m_script.push_back([this, button] {
            if (QApplication::activeModalWidget())
                return false;
            click(main<QPushButton>(button));
            return true;
        });
        m_script.push_back(when("reports::frmReportPreview", [this, pdfName](QWidget *preview) {
            log(QStringLiteral("PREVIEW|") + preview->objectName() + QLatin1Char('|') +
                preview->windowTitle());
            m_nextPdf = pdfName;
            trigger(preview->findChild<QAction *>(QStringLiteral("cmdSavePdf")));
        }));
        m_script.push_back(until([this, pdfName] { return QFile::exists(m_outFolder + '/' + pdfName); }));
        m_script.push_back(when("reports::frmReportPreview", [](QWidget *preview) {
            trigger(preview->findChild<QAction *>(QStringLiteral("cmdClose")));
        }));
        m_script.push_back(until([] { return window("reports::frmReportPreview") == nullptr; }));
    }

    void buildScript() {
        const QMessageBox::StandardButton ok = QMessageBox::Ok;
        const QMessageBox::StandardButton no = QMessageBox::No;

        // First use: the business profile.
        m_script.push_back(when("frmAddOwner", [this, ok](QWidget *w) {
            log(QStringLiteral("WINDOW|frmAddOwner"));
            const QStringList values{"Lopez",       "Maria",        "Sparkle & Shine Cleaning",
                                     "12 Queen St", "Ottawa",       "ON",
                                     "K1A 0B1",     "613-555-0101", "maria@sparkle.example"};
            for (int i = 0; i < values.size(); ++i)
                type(w->findChild<QLineEdit *>(QStringLiteral("txtBox_%1").arg(i)), values[i]);
            expect({{QStringLiteral("Record Saved Successfully"), ok}});
            click(w->findChild<QPushButton *>(QStringLiteral("cmdSave")));
        }));
        // The splash, then the main window.
        m_script.push_back(when("frmOrdwen", [this](QWidget *) { log(QStringLiteral("WINDOW|frmOrdwen")); }));

        // A client added.
        m_script.push_back(showTab(0));
        m_script.push_back(until([this] {
            auto *type = main<QComboBox>(QStringLiteral("cboBoxAdd(0)"));
            type->setFocus();
            type->setCurrentIndex(type->findText(QStringLiteral("Home")));
            const std::pair<int, const char *> fields[] = {
                {0, "Ann O'Brien"},  {1, "12 Elm St"}, {3, "Kingston"},  {4, "ON"},        {5, "K7L 3N6"},
                {6, "613-555-0199"}, {7, "Ann"},       {10, "PO Box 9"}, {12, "Kingston"}, {14, "45.50"}};
            for (const auto &[index, text] : fields)
                this->type(main<QLineEdit>(QStringLiteral("txtAdd(%1)").arg(index)), QString::fromUtf8(text));
            for (const char *option :
                 {"optSchedule(1)", "optService(0)", "optFee(1)", "optBilling(1)", "optPets(0)"})
                QTest::mouseClick(main<QRadioButton>(QString::fromLatin1(option)), Qt::LeftButton, {},
                                  QPoint(8, 8));
            this->type(main<QTextEdit>(QStringLiteral("rtBoxAdd")), QStringLiteral("Key under the mat"));
            expect({{QStringLiteral("Record Saved Successfully"), QMessageBox::No}});
            click(main<QPushButton>(QStringLiteral("cmdSaveAdd")));
            return true;
        }));
        // ... and edited.
        m_script.push_back(showTab(1));
        m_script.push_back(until([this, no] {
            auto *list = main<QTreeView>(QStringLiteral("lvClients"));
            if (list->model()->rowCount() != 1)
                return false;
            clickRow(list, 0);
            QLineEdit *phone = main<QLineEdit>(QStringLiteral("txtEdit(6)"));
            phone->selectAll();
            type(phone, QStringLiteral("613-555-0123"));
            expect({{QStringLiteral("Record Saved Successfully"), no}});
            click(main<QPushButton>(QStringLiteral("cmdSaveEdit")));
            return true;
        }));
        // ... billed, its invoice printed (no printer: a PDF file).
        m_script.push_back(showTab(2));
        m_script.push_back(until([this, ok, no] {
            auto *list = main<QTreeView>(QStringLiteral("lvBilling"));
            if (list->model()->rowCount() != 1)
                return false;
            clickRow(list, 0);
            const QStringList amounts{"2.5", "30", "10", "Oven cleaning", "20", "5.25"};
            for (int i = 0; i < amounts.size(); ++i)
                type(main<QLineEdit>(QStringLiteral("txtBilling(%1)").arg(i)), amounts[i]);
            QTest::mouseClick(main<QPushButton>(QStringLiteral("cmdTotalAmount")), Qt::LeftButton);
            expect({{QStringLiteral("Brisola"), ok}, {QStringLiteral("Record Saved Successfully"), no}});
            click(main<QPushButton>(QStringLiteral("cmdPrintInvoice")));
            return true;
        }));
        // A note saved, then chosen and printed.
        m_script.push_back(showTab(4));
        m_script.push_back(until([this, no] {
            type(main<QPlainTextEdit>(QStringLiteral("rtNotes")),
                 QStringLiteral("Order more cloths, ask Ann's key"));
            expect({{QStringLiteral("Record Saved Successfully"), no}});
            click(main<QPushButton>(QStringLiteral("cmdSaveNotes")));
            return true;
        }));
        m_script.push_back(showTab(4));
        m_script.push_back(until([this, ok] {
            auto *list = main<QTreeView>(QStringLiteral("lvNotes"));
            if (list->model()->rowCount() != 1)
                return false;
            clickRow(list, 0);
            expect({{QStringLiteral("Brisola"), ok}});
            click(main<QPushButton>(QStringLiteral("cmdPrintNote")));
            return true;
        }));
        // An address-book entry.
        m_script.push_back(until([this] {
            trigger(main<QAction>(QStringLiteral("mnuFileAddAddress")));
            return true;
        }));
        m_script.push_back(when("frmAddressBook", [this, no](QWidget *w) {
            log(QStringLiteral("WINDOW|frmAddressBook"));
            const QStringList values{"Jo", "D'Angelo", "9 Elm St", "Kingston", "ON", "K7L 1A1", "555-0100"};
            for (int i = 0; i < values.size(); ++i)
                type(w->findChild<QLineEdit *>(QStringLiteral("txtBox(%1)").arg(i)), values[i]);
            expect({{QStringLiteral("Record Saved Successfully"), no}});
            click(w->findChild<QPushButton *>(QStringLiteral("cmdSave")));
        }));
        // No to "add another?" closes the address book.
        m_script.push_back(until([] { return window("frmAddressBook") == nullptr; }));

        // Every report previewed and saved as PDF.
        previewReport(QStringLiteral("cmdClientList"), QStringLiteral("client-list.pdf"));
        previewReport(QStringLiteral("cmdClientDataSheet"), QStringLiteral("client-data.pdf"));
        previewReport(QStringLiteral("cmdClientsByType"), QStringLiteral("clients-by-type.pdf"));
        previewReport(QStringLiteral("cmdAddressList"), QStringLiteral("address-list.pdf"));

        // About and help.
        m_script.push_back(until([this] {
            trigger(main<QAction>(QStringLiteral("mnuAbout")));
            return true;
        }));
        m_script.push_back(when("frmAbout", [this](QWidget *w) {
            log(QStringLiteral("WINDOW|frmAbout|") +
                w->findChild<QTextEdit *>(QStringLiteral("rtBox"))->toPlainText().left(40).simplified());
            click(w->findChild<QPushButton *>(QStringLiteral("cmdOK")));
        }));
        m_script.push_back(until([] { return window("frmAbout") == nullptr; }));
        m_script.push_back(until([this] {
            trigger(main<QAction>(QStringLiteral("mnuHelpShowHelp")));
            return true;
        }));
        m_script.push_back(when("frmHelp", [this](QWidget *w) {
            auto *contents = w->findChild<QTreeWidget *>(QStringLiteral("tvContents"));
            log(QStringLiteral("WINDOW|frmHelp|%1").arg(contents ? contents->topLevelItemCount() : -1));
            w->close();
        }));
        m_script.push_back(until([] { return window("frmHelp") == nullptr; }));

        // eXit.
        m_script.push_back(until([this] {
            log(QStringLiteral("EXIT"));
            trigger(main<QAction>(QStringLiteral("mnuFileExit")));
            return true;
        }));
    }

    QFile m_log;
    QString m_outFolder;
    QString m_nextPdf;
    QTimer m_timer;
    QElapsedTimer m_stepTime;
    std::vector<Step> m_script;
    std::size_t m_step = 0;
    std::deque<Answer> m_answers;
    bool m_inTick = false;
};

void startDriver() {
    if (!qEnvironmentVariableIsSet("BRISOLA_E2E_LOG"))
        return;
    new Driver;
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startDriver)
