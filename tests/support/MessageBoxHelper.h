// Answers the program's message boxes in tests and records what each one showed.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

struct ShownBox {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QString title;
    QMessageBox::StandardButton answer = QMessageBox::NoButton; // the button pressed
    bool scripted = false; // false when no answer was queued and the helper chose one
};

class MessageBoxHelper : public QObject {
public:
    MessageBoxHelper();
    ~MessageBoxHelper() override;

    // Queues the button to press on the next box that opens (one per box, in order).
    // A box without a queued answer is answered with OK, else Escape's button, and recorded
    // as unscripted.
    void answer(QMessageBox::StandardButton button);
    void answer(std::initializer_list<QMessageBox::StandardButton> buttons);

    const QList<ShownBox> &shown() const { return m_shown; }
    int count() const { return int(m_shown.size()); }
    ShownBox last() const { return m_shown.isEmpty() ? ShownBox{} : m_shown.last(); }
    QStringList texts() const;
    bool pendingAnswers() const { return !m_answers.isEmpty(); }
    void clear();

private:
    void poll();

    QTimer m_timer;
    QList<QMessageBox::StandardButton> m_answers;
    QList<ShownBox> m_shown;
};
