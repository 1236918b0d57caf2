#include "MessageBoxHelper.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QPushButton>

MessageBoxHelper::MessageBoxHelper() {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxHelper::poll);
    m_timer.start();
}

MessageBoxHelper::~MessageBoxHelper() = default;

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
        shown.defaultButton =
            box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton;
        shown.title = box->windowTitle();
        QMessageBox::StandardButton press = QMessageBox::NoButton;
        if (!m_answers.isEmpty()) {
            press = m_answers.takeFirst();
            shown.scripted = true;
        } else if (shown.buttons.testFlag(QMessageBox::Ok)) {
            press = QMessageBox::Ok;
        } else if (box->escapeButton()) {
            press = box->standardButton(box->escapeButton());
        } else {
            press = shown.defaultButton;
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
