// Answers the program's message boxes in tests and records what each one showed.
//
// Use: create a MessageBoxHelper before the step that shows boxes, queue one answer per box
// the step shows, then compare what was recorded:
//
//     MessageBoxHelper boxes;
//     boxes.answer(QMessageBox::Ok);              // or boxes.answer({QMessageBox::Yes, ...})
//     house->AddNotes(note);
//     QCOMPARE(boxes.count(), 1);
//     EXPECT_BOX(boxes.last(), expectedText, QMessageBox::Critical, QMessageBox::Ok,
//                QMessageBox::Ok, QStringLiteral("Ordwen"));
//
// The helper is strict: a box that appears with no answer queued fails the running test
// (it is still answered, with OK or else the box's Escape button, so that nothing hangs),
// and answers still queued when the helper goes away or is cleared fail it too. Either
// means the test does not know which boxes its step shows.
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
    // The button that Enter presses: the one the program made the default or, when it chose
    // none, the one the box itself made the default on showing.
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QString title;
    QMessageBox::StandardButton answer = QMessageBox::NoButton; // the button pressed
    bool scripted = false; // false when no answer was queued (the test has failed then)
};

class MessageBoxHelper : public QObject {
public:
    MessageBoxHelper();
    // Fails the running test when answers are still queued that no box took.
    ~MessageBoxHelper() override;

    // Queues the button to press on the next box that opens (one per box, in order).
    void answer(QMessageBox::StandardButton button);
    void answer(std::initializer_list<QMessageBox::StandardButton> buttons);

    const QList<ShownBox> &shown() const { return m_shown; }
    int count() const { return int(m_shown.size()); }
    ShownBox last() const { return m_shown.isEmpty() ? ShownBox{} : m_shown.last(); }
    QStringList texts() const;
    bool pendingAnswers() const { return !m_answers.isEmpty(); }
    // Forgets the boxes recorded and the answers queued; answers still queued fail the
    // running test, as the step they were meant for is over.
    void clear();

private:
    void poll();
    void failOnUnusedAnswers();

    QTimer m_timer;
    QList<QMessageBox::StandardButton> m_answers;
    QList<ShownBox> m_shown;
};

// The caller's expressions, for the failure message.
struct ExpectedBoxSource {
    const char *box;
    const char *text;
    const char *icon;
    const char *buttons;
    const char *defaultButton;
    const char *title;
};

// Compares every field of a recorded box, in the order text, icon, buttons, default button,
// title, and reports the first difference at file and line. Use it through EXPECT_BOX.
[[nodiscard]] bool expectBox(const ShownBox &box, const QString &text, QMessageBox::Icon icon,
                             QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
                             const QString &title, const ExpectedBoxSource &source, const char *file,
                             int line);

// Like QCOMPARE for a whole box: fails the test at the caller's line and returns from the
// calling (void) function.
#define EXPECT_BOX(box, text, icon, buttons, defaultButton, title)                                           \
    do {                                                                                                     \
        if (!expectBox((box), (text), (icon), (buttons), (defaultButton), (title),                           \
                       ExpectedBoxSource{#box, #text, #icon, #buttons, #defaultButton, #title}, __FILE__,    \
                       __LINE__))                                                                            \
            return;                                                                                          \
    } while (false)
