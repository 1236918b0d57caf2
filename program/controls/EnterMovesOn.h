// Enter in the entry boxes of a window moves the focus on instead of reaching the box (or
// the window's default button). One filter object serves every box array of a window:
//
//     auto *enter = new controls::EnterMovesOn(this);
//     enter->Handle(txtBox, [this](int index, int &KeyAscii) { txtBox_KeyPress(index, KeyAscii); });
//
// Enter or the keypad's Enter in txtBox[i] becomes txtBox_KeyPress(i, KeyAscii) with
// KeyAscii 13. A handler that uses the key up sets KeyAscii to 0; one that leaves it at 13
// leaves the key to the box. Other keys are never looked at.
#pragma once

#include <QHash>
#include <QObject>

#include <functional>
#include <span>
#include <vector>

class QLineEdit;
class QWidget;

namespace controls {

class EnterMovesOn : public QObject {
    Q_OBJECT
public:
    // The character code of Enter, as a key handler receives it.
    static constexpr int Enter = 13;
    // A window's key handler for one box array: the box's index in its array and the key's
    // character code, set to 0 when the key is used up.
    using KeyPress = std::function<void(int index, int &KeyAscii)>;

    // The filter lives as long as its parent, normally the window whose boxes it serves.
    explicit EnterMovesOn(QObject *parent);

    // Sends Enter in each of the boxes (by index, in the order given) to keyPress.
    template <typename Boxes> void Handle(const Boxes &boxes, KeyPress keyPress) {
        std::vector<QObject *> objects;
        for (QObject *box : boxes)
            objects.push_back(box);
        handle(objects, std::move(keyPress));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Box {
        int handler; // index into m_handlers
        int index;   // the box's index in its array
    };

    void handle(const std::vector<QObject *> &boxes, KeyPress keyPress);

    std::vector<KeyPress> m_handlers;
    QHash<const QObject *, Box> m_boxes;
};

// The usual Enter-key advance, for the body of a key handler: Enter in boxes[index] is used
// up (KeyAscii becomes 0) and moves the focus to boxes[index + 1], or from the last box to
// `after`. With `after` null, Enter in the last box is left to the box; an index outside
// the array and any other key are left alone.
void FocusNextOnEnter(std::span<QLineEdit *const> boxes, int index, int &KeyAscii, QWidget *after);

} // namespace controls
