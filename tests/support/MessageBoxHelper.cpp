#include "MessageBoxHelper.h"

#include <QAbstractButton>
#include <QApplication>
#include <QByteArray>
#include <QMetaEnum>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

// A box's text on one line of the test log: its line breaks written out.
QByteArray oneLine(const QString &text) {
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1String("\\r")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return shown.toUtf8();
}

// What Enter presses: the program's default button, else the push button the dialog made
// the default when it showed.
QMessageBox::StandardButton enterButton(const QMessageBox *box) {
    if (box->defaultButton())
        return box->standardButton(box->defaultButton());
    const auto buttons = box->buttons();
    for (QAbstractButton *button : buttons) {
        auto *push = qobject_cast<QPushButton *>(button);
        if (push && push->isDefault())
            return box->standardButton(push);
    }
    return QMessageBox::NoButton;
}

} // namespace

// Buttons by name in failure messages ("Yes|No" rather than 0x14000). In the global
// namespace, where QTest's comparison finds them for QMessageBox's own types.
static char *toString(QMessageBox::StandardButtons buttons) {
    const QMetaEnum names = QMetaEnum::fromType<QMessageBox::StandardButtons>();
    QByteArray text;
    for (int bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1) {
        if (buttons.testFlag(QMessageBox::StandardButton(bit)))
            text += (text.isEmpty() ? "" : "|") + QByteArray(names.valueToKey(bit));
    }
    return qstrdup(text.isEmpty() ? "NoButton" : text.constData());
}

static char *toString(QMessageBox::StandardButton button) {
    return toString(QMessageBox::StandardButtons(button));
}

MessageBoxHelper::MessageBoxHelper() {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxHelper::poll);
    m_timer.start();
}

MessageBoxHelper::~MessageBoxHelper() {
    failOnUnusedAnswers();
}

void MessageBoxHelper::failOnUnusedAnswers() {
    // A test that already failed may well have left its answers unused; say nothing more then.
    if (m_answers.isEmpty() || !QTest::currentTestFunction() || QTest::currentTestFailed())
        return;
    QByteArray message = QByteArrayLiteral("answers were queued for message boxes that never appeared:");
    for (QMessageBox::StandardButton button : std::as_const(m_answers)) {
        char *name = toString(button);
        message += ' ' + QByteArray(name);
        delete[] name;
    }
    QTest::qFail(message.constData(), __FILE__, __LINE__);
}

void MessageBoxHelper::answer(QMessageBox::StandardButton button) {
    m_answers.append(button);
}

void MessageBoxHelper::answer(std::initializer_list<QMessageBox::StandardButton> buttons) {
    for (auto b : buttons)
        m_answers.append(b);
}

QStringList MessageBoxHelper::texts() const {
    QStringList result;
    for (const ShownBox &box : m_shown)
        result << box.text;
    return result;
}

void MessageBoxHelper::clear() {
    failOnUnusedAnswers();
    m_shown.clear();
    m_answers.clear();
}

void MessageBoxHelper::poll() {
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box || !box->isVisible() || box->property("answeredByHelper").toBool())
            continue;
        box->setProperty("answeredByHelper", true);
        ShownBox shown;
        shown.text = box->text();
        shown.icon = box->icon();
        shown.buttons = box->standardButtons();
        shown.defaultButton = enterButton(box);
        shown.title = box->windowTitle();
        QMessageBox::StandardButton press = QMessageBox::NoButton;
        if (!m_answers.isEmpty()) {
            press = m_answers.takeFirst();
            shown.scripted = true;
        } else {
            // Still answered, so that the step returns and the test can report.
            if (shown.buttons.testFlag(QMessageBox::Ok))
                press = QMessageBox::Ok;
            else if (box->escapeButton())
                press = box->standardButton(box->escapeButton());
            else
                press = shown.defaultButton;
            const QByteArray message = "a message box appeared that no test step scripted: title \"" +
                                       oneLine(shown.title) + "\", text \"" + oneLine(shown.text) + '"';
            // Outside a test function there is no test to fail; the log must still say so.
            if (QTest::currentTestFunction())
                QTest::qFail(message.constData(), __FILE__, __LINE__);
            else
                qCritical("%s", message.constData());
        }
        shown.answer = press;
        m_shown.append(shown);
        QPointer<QMessageBox> guard(box);
        if (QAbstractButton *button = box->button(press)) {
            button->click();
        } else {
            box->done(press);
        }
    }
}

bool expectBox(const ShownBox &box, const QString &text, QMessageBox::Icon icon,
               QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
               const QString &title, const ExpectedBoxSource &source, const char *file, int line) {
    const QByteArray name(source.box);
    if (!QTest::qCompare(box.text, text, (name + ".text").constData(), source.text, file, line))
        return false;
    if (!QTest::qCompare(box.icon, icon, (name + ".icon").constData(), source.icon, file, line))
        return false;
    if (!QTest::qCompare(box.buttons, buttons, (name + ".buttons").constData(), source.buttons, file, line))
        return false;
    if (!QTest::qCompare(box.defaultButton, defaultButton, (name + ".defaultButton").constData(),
                         source.defaultButton, file, line))
        return false;
    return QTest::qCompare(box.title, title, (name + ".title").constData(), source.title, file, line);
}
