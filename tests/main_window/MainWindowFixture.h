// The main window under test: its own application folder with a fresh database, the
// process end replaced, the window loaded and shown (off screen), and a MessageBoxHelper
// that answers the boxes as the test scripts them (an unscripted box fails the test).
#pragma once

#include "MainWindowParts.h"
#include "MessageBoxHelper.h"
#include "WindowFixture.h"

#include "controls/ListView.h"
#include "main_window/frmOrdwen.h"
#include "startup/modGlobal.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

#include <memory>

// The hourglass is what the user sees: the topmost override pointer is the wait pointer.
inline bool hourglassShown() {
    const QCursor *cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

// Notes, for every message box as it appears, whether the hourglass pointer was up: the
// window puts the normal pointer back before it shows any message of its own.
class PointerWatch : public QObject {
public:
    PointerWatch() { qApp->installEventFilter(this); }
    ~PointerWatch() override { qApp->removeEventFilter(this); }
    // In the order the boxes appeared (the order of MessageBoxHelper::shown()).
    QList<bool> busyAtBox;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show && qobject_cast<QMessageBox *>(watched))
            busyAtBox << hourglassShown();
        return false;
    }
};

class MainWindowFixture : public ProgramFixture {
public:
    explicit MainWindowFixture(bool copyImages = true) : ProgramFixture(copyImages) {}
    ~MainWindowFixture() {
        parts.reset();
        w.reset();
    }

    // Constructs, loads and shows the window. Rows seeded before this appear in the lists.
    MainWindowParts &open() {
        w = std::make_unique<frmOrdwen>();
        show(*w);
        parts = std::make_unique<MainWindowParts>(*w);
        return *parts;
    }

    // A client row as another session would have stored it; the ID counter may be given.
    bool seedClient(const QString &clientID, const QString &type, const QString &name, const QString &city,
                    const QString &fee = QStringLiteral("25"),
                    const QString &schedule = QStringLiteral("Weekly"),
                    const QString &service = QStringLiteral("Home"),
                    const QString &feeType = QStringLiteral("Job"),
                    const QString &billing = QStringLiteral("Monthly"),
                    const QString &pets = QStringLiteral("No"), int id = 0) {
        return folder.exec(
            QStringLiteral(
                "INSERT INTO tblClients (%1ClientID,ClientType,Client,Add1,Add2,City,State,Zip,Phone,Contact,"
                "BAdd1,BAdd2,BCity,BState,BZip,Schedule,Service,DayOfWeek,Fee,FeeType,BSchedule,Pets,"
                "AddDate,Notes) VALUES (%2%3,%4,%5,'1 Main St','Suite 2',%6,'ON','K1A 0B1','555-0100',"
                "'Pat','1 Main St','Suite 2',%6,'ON','K1A 0B1',%7,%8,'Tuesday',%9,%10,%11,%12,"
                "'2024-01-02 10:00:00','Key under mat')")
                .arg(id ? QStringLiteral("ID,") : QString(),
                     id ? QString::number(id) + QLatin1Char(',') : QString(), q(clientID), q(type), q(name),
                     q(city), q(schedule), q(service), fee.isEmpty() ? QStringLiteral("NULL") : fee)
                .arg(q(feeType), q(billing), q(pets)));
    }

    // True when box number `index` (counted from 0) appeared under the hourglass.
    bool busyAtBox(int index) const { return pointers.busyAtBox.value(index, true); }
    static bool pointerBusy() { return hourglassShown(); }

    MessageBoxHelper boxes;
    PointerWatch pointers;
    std::unique_ptr<frmOrdwen> w;
    std::unique_ptr<MainWindowParts> parts;
};
