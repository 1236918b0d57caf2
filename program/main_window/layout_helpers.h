// What the main window's two client tabs share: the client-type box, the entry boxes with
// their captions and limits, and the captions of the option groups.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <span>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QRect;
class QTextEdit;
class QWidget;

namespace layout {

// Named after `label` before its entries go in, so that a screen reader never meets it
// unnamed.
QComboBox *ClientTypeBox(QWidget *parent, const QString &name, const QRect &geometry, QLabel *label);

// One box of the client entry arrays txtAdd / txtEdit (same index, same meaning).
struct ClientField {
    QString caption; // without the leading blank
    int maxLength;   // 0: no limit
    Qt::Alignment alignment;
    QString toolTip; // Add Clients tab only
    bool labelToo;   // the label carries the same tool tip
};
const std::array<ClientField, 15> &ClientFields();
// Names the client entry box of `index` after its label; the second of two boxes under one
// caption (the address lines) is "line 2", so that a screen reader tells them apart.
void NameClientBox(QLabel *label, QWidget *box, int index);

// Width of a client entry box by its typing limit: narrow for a state (three wide letters
// without touching the frame), medium for postal codes and the fee, `wide` for 35-character
// text, `other` for the rest.
int ClientBoxWidth(int maxLength, int wide, int other);

// The captions of the option groups, by index; both client tabs use the same.
QStringList ScheduleCaptions();
QStringList ServiceCaptions();
QStringList FeeCaptions();
QStringList BillingCaptions();
QStringList PetsCaptions();

} // namespace layout
