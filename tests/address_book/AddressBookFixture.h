// The address book under test: its own application folder with a fresh database, the
// window loaded and shown (off screen), every message box answered.
#pragma once

#include "MessageBoxHelper.h"
#include "WindowFixture.h"

#include "address_book/frmAddressBook.h"
#include "controls/ListView.h"
#include "startup/modGlobal.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

class AddressBookFixture : public ProgramFixture {
public:
    explicit AddressBookFixture(bool copyImages = true) : ProgramFixture(copyImages) {}
    ~AddressBookFixture() { delete w.data(); }

    // Constructs, loads and shows the window. Rows seeded before this appear in the list.
    frmAddressBook &open() {
        w = new frmAddressBook;
        return show(*w.data());
    }

    // True once the window has closed and gone (it deletes itself when closed).
    bool closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return w.isNull();
    }

    // A contact as another session would have stored it; empty values are stored as Null
    // where `nulls` is set. The ID counter may be given.
    bool seedContact(const QString &addressID, const QString &first, const QString &last, const QString &city,
                     const QString &state, int id = 0, bool nulls = false) {
        auto q = [nulls](const QString &text) {
            if (nulls && text.isEmpty())
                return QStringLiteral("NULL");
            return QLatin1Char('\'') + QString(text).replace(QStringLiteral("'"), QStringLiteral("''")) +
                   QLatin1Char('\'');
        };
        const QString address = nulls ? QString() : QStringLiteral("1 Main St");
        const QString phone = nulls ? QString() : QStringLiteral("555-0100");
        return folder.exec(
            QStringLiteral(
                "INSERT INTO tblAddress (%1AddressID,FName,LName,Address,City,State,Zip,HPhone,"
                "WPhone,CPhone,Email,FullName,AddDate) VALUES (%2%3,%4,%5,%6,%7,%8,'K1A 0B1',%9,%9,"
                "%9,%10,%11,'2024-01-02 10:00:00')")
                .arg(id ? QStringLiteral("ID,") : QString(),
                     id ? QString::number(id) + QLatin1Char(',') : QString(), q(addressID), q(first), q(last),
                     q(address), q(city), q(state), q(phone))
                .arg(q(nulls ? QString() : first.toLower() + QStringLiteral("@example.com")),
                     q(first + QLatin1Char(' ') + last)));
    }

    int contactCount() { return folder.value(QStringLiteral("SELECT COUNT(*) FROM tblAddress")).toInt(); }

    QVariantMap contact(const QString &addressID) {
        const auto rows =
            folder.rows(QStringLiteral("SELECT * FROM tblAddress WHERE AddressID = '%1'").arg(addressID));
        return rows.isEmpty() ? QVariantMap() : rows.first();
    }

    // Types into a box the way a user does: click into it, type. Letters beyond ASCII come
    // as key events carrying their text, as a keyboard layout sends them.
    static void type(QLineEdit *box, const QString &text) {
        box->clear();
        QTest::mouseClick(box, Qt::LeftButton);
        for (const QChar c : text) {
            if (c.unicode() < 128) {
                QTest::keyClick(box, char(c.unicode()));
            } else {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(box, &press);
                QApplication::sendEvent(box, &release);
            }
        }
    }

    // The window's focus widget, which has the focus whenever the window is active.
    QString focusName() const {
        QWidget *focus = w ? w->focusWidget() : nullptr;
        return focus ? focus->objectName() : QString();
    }

    MessageBoxHelper boxes;
    QPointer<frmAddressBook> w;
};
