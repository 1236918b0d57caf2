// Small builders for the controls of the main window's tabs. Positions are in pixels of
// the 96-dpi screen (15 twips each).
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

// Row height of labels and single-line boxes.
constexpr int RowHeight = 21;

QLabel *Label(QWidget *parent, const QString &caption, const QRect &geometry, const QString &toolTip = {});
// A read-only value shown in a sunken box.
QLabel *ValueLabel(QWidget *parent, const QString &name, const QRect &geometry,
                   Qt::Alignment alignment = Qt::AlignLeft);
// A label that holds a record identifier and is never shown.
QLabel *HiddenLabel(QWidget *parent, const QString &name);
// maxLength 0: no limit.
QLineEdit *TextBox(QWidget *parent, const QString &name, const QRect &geometry, int maxLength,
                   Qt::Alignment alignment = Qt::AlignLeft, const QString &toolTip = {});
QTextEdit *RichTextBox(QWidget *parent, const QString &name, const QRect &geometry,
                       const QString &toolTip = {});
QPushButton *Button(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry,
                    const QString &toolTip = {});
QComboBox *ClientTypeBox(QWidget *parent, const QString &name, const QRect &geometry);

// A frame holding an array of option buttons, one above the other (or side by side when
// horizontal). buttons receives them by index; toolTips may be shorter than captions.
QGroupBox *OptionGroup(QWidget *parent, const QString &frameName, const QString &arrayName,
                       const QString &caption, const QString &frameToolTip, const QRect &geometry,
                       const QStringList &captions, const QStringList &toolTips,
                       std::span<QRadioButton *> buttons, bool horizontal = false);

// Narrows every option button below `parent` to its circle and caption, in the font it
// shows: a click on the blank beside a caption would take the focus without switching the
// button on.
void FitOptionButtons(QWidget *parent);

// One box of the client entry arrays txtAdd / txtEdit (same index, same meaning).
struct ClientField {
    QString caption; // without the leading blank
    int maxLength;   // 0: no limit
    Qt::Alignment alignment;
    QString toolTip; // Add Clients tab only
    bool labelToo;   // the label carries the same tool tip
};
const std::array<ClientField, 15> &ClientFields();

// Width of a client entry box by its typing limit: narrow for a state (three wide letters
// without touching the frame), medium for postal codes and the fee, `wide` for 35-character
// text, `other` for the rest.
int ClientBoxWidth(int maxLength, int wide, int other);

// The element name of a control array, e.g. txtAdd(3).
QString ElementName(const QString &arrayName, int index);

// The captions of the option groups, by index; both client tabs use the same.
QStringList ScheduleCaptions();
QStringList ServiceCaptions();
QStringList FeeCaptions();
QStringList BillingCaptions();
QStringList PetsCaptions();

} // namespace layout
