// Builders for the controls every window lays out: labels, text boxes, buttons, option
// groups. Positions are pixels of the 96-dpi screen; callers write them in twips through
// Twips::Rect.
#pragma once

#include <QString>
#include <QStringList>

#include <span>

class QCalendarWidget;
class QColor;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QRect;
class QTextEdit;
class QPlainTextEdit;
class QWidget;

namespace controls {

// Row height of labels and single-line boxes, in twips.
constexpr int RowHeight = 315;

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
// A box of plain text only, laid out a screenful at a time: for a text that may be megabytes
// long, which a rich-text box would lay out whole.
QPlainTextEdit *PlainTextBox(QWidget *parent, const QString &name, const QRect &geometry,
                             const QString &toolTip = {});
QPushButton *Button(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry,
                    const QString &toolTip = {});

// A window the menus open beside the main window: its name, a fixed border without a
// maximize button, the program's font, the client area given in twips, and deleted when
// closed.
void FixedToolWindow(QWidget *window, const QString &name, int widthTwips, int heightTwips);

// The style sheet of a button in a colour of its own: black caption, a thin grey border, a
// darker border when it has the focus and a darker shade while pressed.
QString ColouredButtonStyle(const QColor &colour);

// Makes `input` the buddy of `label` and gives it the label's caption (without access-key
// marks, surrounding blanks or a closing colon) as its accessible name, so a screen reader
// names the box. A qualifier ("line 2", "(new)") follows the caption where one window has
// two boxes under the same caption.
void NameAfterLabel(QLabel *label, QWidget *input, const QString &qualifier = {});
// Names an input that has no label of its own (a list under a frame's caption, a text
// that fills its window). A drop-down list box is then named by this name, not by the
// entry it shows.
void NameInput(QWidget *input, const QString &name);
// Names a month calendar and the parts a screen reader meets inside it: its day table and
// its month buttons, which show only arrows.
void NameCalendar(QCalendarWidget *calendar, const QString &name);

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

// The element name of a control array, e.g. txtAdd(3).
QString ElementName(const QString &arrayName, int index);

// Shows a stored value in a text box whole, even beyond the box's typing limit, reading
// from its start. A box refuses text beyond its limit, and a stored value cut short there
// would be stored cut by the next update.
void ShowStoredText(QLineEdit *box, const QString &text);
// Empties a box that ShowStoredText filled, with its typing limit as laid out again.
void ClearStoredText(QLineEdit *box);

// Shows a stored text in a rich-text or plain-text box. The box turns every kind of line break
// (CR LF, CR, LF, the Unicode line and paragraph separators) into one and the same; the stored
// breaks are remembered so that StoredText gives them back.
void ShowStoredText(QTextEdit *box, const QString &text);
void ShowStoredText(QPlainTextEdit *box, const QString &text);
// The box's text with its CR LF, CR and LF breaks as they were stored, in order, so that a
// text saved unchanged is stored unchanged; breaks the user added take the form of the last
// stored one. The Unicode separators come back as LF.
// The plain text of a box that holds no stored text.
QString StoredText(const QTextEdit *box);
QString StoredText(const QPlainTextEdit *box);
// Empties a box that ShowStoredText filled; what is typed next is a new text.
void ClearStoredText(QTextEdit *box);
void ClearStoredText(QPlainTextEdit *box);

} // namespace controls
