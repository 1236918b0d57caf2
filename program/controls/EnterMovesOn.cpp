#include "controls/EnterMovesOn.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace controls {

EnterMovesOn::EnterMovesOn(QObject *parent) : QObject(parent) {}

void EnterMovesOn::handle(const std::vector<QObject *> &boxes, KeyPress keyPress) {
    const int handler = int(m_handlers.size());
    m_handlers.push_back(std::move(keyPress));
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        QObject *box = boxes[i];
        m_boxes.insert(box, Box{handler, int(i)});
        box->installEventFilter(this);
        // A box that goes before its window must not be taken for another object that later
        // comes to the same address.
        connect(box, &QObject::destroyed, this, [this, box] { m_boxes.remove(box); });
    }
}

bool EnterMovesOn::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const auto box = m_boxes.constFind(watched);
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && box != m_boxes.cend()) {
            int keyAscii = Enter;
            m_handlers[std::size_t(box->handler)](box->index, keyAscii);
            return keyAscii == 0;
        }
    }
    return QObject::eventFilter(watched, event);
}

void FocusNextOnEnter(std::span<QLineEdit *const> boxes, int index, int &KeyAscii, QWidget *after) {
    if (KeyAscii != EnterMovesOn::Enter || index < 0 || std::size_t(index) >= boxes.size())
        return;
    QWidget *next = std::size_t(index) + 1 < boxes.size() ? boxes[std::size_t(index) + 1] : after;
    if (!next)
        return;
    KeyAscii = 0;
    next->setFocus();
}

} // namespace controls
