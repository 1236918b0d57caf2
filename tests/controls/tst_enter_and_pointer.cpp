// Enter moving on through a box array, and the hourglass of work that calls other work.
#include "MessageBoxHelper.h"
#include "TestMain.h"

#include "controls/EnterMovesOn.h"
#include "controls/Messages.h"
#include "controls/WaitPointer.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <array>

namespace {

bool hourglassUp() {
    return QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

// Whether the hourglass was up as each message box appeared.
class AtBox : public QObject {
public:
    AtBox() { qApp->installEventFilter(this); }
    QList<bool> hourglass;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show && qobject_cast<QMessageBox *>(watched))
            hourglass << hourglassUp();
        return false;
    }
};

} // namespace

class TestEnterAndPointer : public QObject {
    Q_OBJECT

private slots:
    void keyInBox_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("lastGoesOn"); // false: Enter in the last box is left to it
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("reachedBox"); // Enter presses the box saw
        QTest::newRow("Return moves on") << 0 << int(Qt::Key_Return) << true << "box1" << 0;
        QTest::newRow("keypad Enter from the last box") << 2 << int(Qt::Key_Enter) << true << "after" << 0;
        QTest::newRow("left to the last box") << 2 << int(Qt::Key_Return) << false << "box2" << 1;
        QTest::newRow("other keys pass") << 0 << int(Qt::Key_A) << true << "box0" << 0;
    }

    void keyInBox() {
        QFETCH(int, box);
        QFETCH(int, key);
        QFETCH(bool, lastGoesOn);
        QFETCH(QString, focus);
        QFETCH(int, reachedBox);
        QWidget window;
        std::array<QLineEdit *, 3> boxes{};
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            boxes[i] = new QLineEdit(&window);
            boxes[i]->setObjectName(QStringLiteral("box%1").arg(i));
        }
        auto *after = new QPushButton(&window);
        after->setObjectName(QStringLiteral("after"));
        auto *enter = new controls::EnterMovesOn(&window);
        enter->Handle(boxes, [&](int index, int &KeyAscii) {
            controls::FocusNextOnEnter(boxes, index, KeyAscii, lastGoesOn ? after : nullptr);
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        boxes[std::size_t(box)]->setFocus();
        QSignalSpy pressed(boxes[std::size_t(box)], &QLineEdit::returnPressed);

        QTest::keyClick(boxes[std::size_t(box)], Qt::Key(key));

        QCOMPARE(window.focusWidget()->objectName(), focus);
        QCOMPARE(int(pressed.count()), reachedBox);
    }

    void waitInsideWait() {
        {
            const controls::WaitPointer outer;
            { const controls::WaitPointer inner; }
            // The outer work goes on: its hourglass stays.
            QVERIFY(hourglassUp());
        }
        QVERIFY(!QApplication::overrideCursor());
    }

    void messageDuringWait() {
        AtBox atBox;
        MessageBoxHelper boxes;
        boxes.answer(QMessageBox::Ok);
        {
            const controls::WaitPointer wait;
            messages::ShowMessage(nullptr, QStringLiteral("Stop "), QMessageBox::Critical);
        }
        QCOMPARE(atBox.hourglass, QList<bool>{false});
        EXPECT_BOX(boxes.last(), QStringLiteral("Stop "), QMessageBox::Critical, QMessageBox::Ok,
                   QMessageBox::Ok, QStringLiteral("Brisola"));
        QVERIFY(!QApplication::overrideCursor());
    }
};

BRISOLA_TEST_MAIN(TestEnterAndPointer)
#include "tst_enter_and_pointer.moc"
