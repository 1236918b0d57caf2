#include "controls/Builders.h"

#include "controls/Twips.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>

namespace controls {

namespace {

// Qt's own description of a drop-down list box gives, on this platform, the entry shown as
// the box's name: a screen reader would announce "Home" for the Client Type box, and nothing
// while no entry is chosen. This one gives the name the box was given, and the entry shown
// as its value; the popup list stays its one child.
class NamedListBox : public QAccessibleWidget {
public:
    explicit NamedListBox(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return box()->currentText();
        if (t == QAccessible::Name && !box()->accessibleName().isEmpty())
            return box()->accessibleName();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return child && child->object() == box()->view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *namedListBoxFactory(const QString &className, QObject *object) {
    auto *box = className == QLatin1String("QComboBox") ? qobject_cast<QComboBox *>(object) : nullptr;
    // An editable box is named by its line of text, as Qt has it.
    return box && !box->isEditable() ? new NamedListBox(box) : nullptr;
}

// Once, before the first name is given: a description Qt made before would be kept.
void useNamedListBoxes() {
    static const bool installed = [] {
        QAccessible::installFactory(namedListBoxFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

QString ElementName(const QString &arrayName, int index) {
    return arrayName + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

QLabel *Label(QWidget *parent, const QString &caption, const QRect &geometry, const QString &toolTip) {
    auto *label = new QLabel(caption, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    if (!toolTip.isEmpty())
        label->setToolTip(toolTip);
    return label;
}

QLabel *ValueLabel(QWidget *parent, const QString &name, const QRect &geometry, Qt::Alignment alignment) {
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    // A frame rather than a style sheet: a styled label stops taking the window's font.
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setIndent(3);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QLabel *HiddenLabel(QWidget *parent, const QString &name) {
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(Twips::Rect(0, 0, 15, 15));
    label->hide();
    return label;
}

QLineEdit *TextBox(QWidget *parent, const QString &name, const QRect &geometry, int maxLength,
                   Qt::Alignment alignment, const QString &toolTip) {
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    box->setAlignment(alignment | Qt::AlignVCenter);
    if (!toolTip.isEmpty())
        box->setToolTip(toolTip);
    return box;
}

QPlainTextEdit *PlainTextBox(QWidget *parent, const QString &name, const QRect &geometry,
                             const QString &toolTip) {
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    // A scroll bar that came and went would change the width of the lines, and a new width
    // touches every line of the text.
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    if (!toolTip.isEmpty())
        box->setToolTip(toolTip);
    return box;
}

QTextEdit *RichTextBox(QWidget *parent, const QString &name, const QRect &geometry, const QString &toolTip) {
    auto *box = new QTextEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    // Only the plain text is read and stored: pasted formatting is dropped.
    box->setAcceptRichText(false);
    box->setTabChangesFocus(true);
    if (!toolTip.isEmpty())
        box->setToolTip(toolTip);
    return box;
}

QPushButton *Button(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry,
                    const QString &toolTip) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    if (!toolTip.isEmpty())
        button->setToolTip(toolTip);
    return button;
}

QGroupBox *OptionGroup(QWidget *parent, const QString &frameName, const QString &arrayName,
                       const QString &caption, const QString &frameToolTip, const QRect &geometry,
                       const QStringList &captions, const QStringList &toolTips,
                       std::span<QRadioButton *> buttons, bool horizontal) {
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(frameName);
    frame->setGeometry(geometry);
    if (!frameToolTip.isEmpty())
        frame->setToolTip(frameToolTip);
    // Exclusive while the user clicks; the clear actions lift this for a moment so that
    // "none on" can be reached again.
    auto *group = new QButtonGroup(frame);
    group->setExclusive(true);
    const int count = int(qMin<qsizetype>(captions.size(), qsizetype(buttons.size())));
    const int columnWidth =
        horizontal ? (geometry.width() - Twips::ToPixels(240)) / qMax(1, count) : geometry.width() - 16;
    for (int i = 0; i < count; ++i) {
        auto *button = new QRadioButton(captions.at(i), frame);
        button->setObjectName(ElementName(arrayName, i));
        if (horizontal)
            button->setGeometry(Twips::ToPixels(150) + i * columnWidth, Twips::ToPixels(330),
                                columnWidth - Twips::ToPixels(60), Twips::ToPixels(RowHeight));
        else
            button->setGeometry(Twips::ToPixels(180), Twips::ToPixels(330 + i * 330),
                                columnWidth - Twips::ToPixels(60), Twips::ToPixels(RowHeight));
        if (i < toolTips.size() && !toolTips.at(i).isEmpty())
            button->setToolTip(toolTips.at(i));
        group->addButton(button, i);
        buttons[std::size_t(i)] = button;
    }
    return frame;
}

void FitOptionButtons(QWidget *parent) {
    for (QRadioButton *option : parent->findChildren<QRadioButton *>()) {
        QStyleOptionButton look;
        look.initFrom(option);
        look.text = option->text();
        const QRect clickable =
            option->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &look, option);
        option->resize(qMin(clickable.right() + 1, option->width()), option->height());
    }
}

void FixedToolWindow(QWidget *window, const QString &name, int widthTwips, int heightTwips) {
    window->setObjectName(name);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    window->setFont(QFont(QStringLiteral("Verdana"), 8));
    window->setFixedSize(Twips::ToPixels(widthTwips), Twips::ToPixels(heightTwips));
}

QString ColouredButtonStyle(const QColor &colour) {
    return QStringLiteral("QPushButton { background-color: %1; color: black; border: 1px solid #808080;"
                          " border-radius: 2px; }"
                          " QPushButton:focus { border: 2px solid #404040; }"
                          " QPushButton:pressed { background-color: %2; }")
        .arg(colour.name(), colour.darker(115).name());
}

void NameAfterLabel(QLabel *label, QWidget *input, const QString &qualifier) {
    label->setBuddy(input);
    QString name = label->text();
    name.remove(QLatin1Char('&'));
    name = name.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    if (!qualifier.isEmpty())
        name += QLatin1Char(' ') + qualifier;
    NameInput(input, name);
}

void NameInput(QWidget *input, const QString &name) {
    useNamedListBoxes();
    input->setAccessibleName(name);
}

void NameCalendar(QCalendarWidget *calendar, const QString &name) {
    NameInput(calendar, name);
    // The calendar's parts carry these object names in every Qt release; a part not found
    // is left as Qt names it.
    const struct {
        const char *part;
        QString name;
    } parts[] = {
        {"qt_calendar_calendarview", name + QStringLiteral(" days")},
        {"qt_calendar_prevmonth", QStringLiteral("Previous month")},
        {"qt_calendar_nextmonth", QStringLiteral("Next month")},
        {"qt_calendar_yearedit", QStringLiteral("Year")},
    };
    for (const auto &part : parts)
        if (QWidget *widget = calendar->findChild<QWidget *>(QLatin1String(part.part)))
            NameInput(widget, part.name);
}

void ShowStoredText(QLineEdit *box, const QString &text) {
    // The typing limit the box was laid out with, remembered the first time a stored value
    // widens it.
    QVariant limit = box->property("designMaxLength");
    if (!limit.isValid()) {
        limit = box->maxLength();
        box->setProperty("designMaxLength", limit);
    }
    box->setMaxLength(qMax(limit.toInt(), int(text.size())));
    box->setText(text);
    box->setCursorPosition(0);
}

void ClearStoredText(QLineEdit *box) {
    box->clear();
    const QVariant limit = box->property("designMaxLength");
    if (limit.isValid())
        box->setMaxLength(limit.toInt());
}

namespace {

constexpr const char *StoredBreaks = "storedLineBreaks";

// The line breaks of a text in order, one byte each as it is written: 'c' for CR LF, 'r' for
// CR, 'n' for LF (a long note has a break every line; a string for each would cost megabytes).
// The Unicode line and paragraph separators come back as line feeds, as the box has always
// given them: the lists show a text on one line by its CR and LF breaks.
QByteArray lineBreaks(const QString &text) {
    QByteArray breaks;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
            breaks += 'c';
            ++i;
        } else if (c == QLatin1Char('\r')) {
            breaks += 'r';
        } else if (c == QLatin1Char('\n') || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            breaks += 'n';
        }
    }
    return breaks;
}

// The next stored break as written; past the last, the last one again.
void appendBreak(QString &text, const QByteArray &breaks, qsizetype &next) {
    const char kind = next < breaks.size() ? breaks.at(next++) : breaks.back();
    text += kind == 'c' ? QStringView(u"\r\n") : kind == 'r' ? QStringView(u"\r") : QStringView(u"\n");
}

// The box's text as shown (line breaks as line feeds) with each line break as it was stored.
QString withBreaks(const QString &shown, const QByteArray &breaks) {
    if (breaks.isEmpty())
        return shown;
    QString text;
    text.reserve(shown.size() + breaks.size());
    qsizetype from = 0;
    qsizetype next = 0;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown.at(i) != QLatin1Char('\n'))
            continue;
        text += QStringView(shown).mid(from, i - from);
        appendBreak(text, breaks, next);
        from = i + 1;
    }
    text += QStringView(shown).mid(from);
    return text;
}

template <class Box> void showStoredIn(Box *box, const QString &text) {
    box->setPlainText(text);
    box->setProperty(StoredBreaks, lineBreaks(text));
}

template <class Box> QString storedTextOf(const Box *box) {
    const QByteArray breaks = box->property(StoredBreaks).toByteArray();
    const QTextDocument *document = box->document();
    if (breaks.isEmpty() || !document->rootFrame()->childFrames().isEmpty())
        return withBreaks(box->toPlainText(), breaks);
    // Read block by block, as the box shows it: a copy of the whole shown text beside the
    // stored one would double what a long note costs.
    QString text;
    text.reserve(document->characterCount() + breaks.size());
    qsizetype next = 0;
    auto lineBreak = [&] { appendBreak(text, breaks, next); };
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block != document->begin())
            lineBreak();
        // Within a block, a line separator shows as a line break and a no-break space as a blank.
        const QString line = block.text();
        qsizetype from = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line.at(i);
            if (c != QChar::LineSeparator && c != QChar::Nbsp)
                continue;
            text += QStringView(line).mid(from, i - from);
            if (c == QChar::LineSeparator)
                lineBreak();
            else
                text += QLatin1Char(' ');
            from = i + 1;
        }
        text += QStringView(line).mid(from);
    }
    return text;
}

template <class Box> void clearStoredIn(Box *box) {
    box->clear();
    box->setProperty(StoredBreaks, QVariant());
}

} // namespace

void ShowStoredText(QTextEdit *box, const QString &text) {
    showStoredIn(box, text);
}
void ShowStoredText(QPlainTextEdit *box, const QString &text) {
    showStoredIn(box, text);
}
QString StoredText(const QTextEdit *box) {
    return storedTextOf(box);
}
QString StoredText(const QPlainTextEdit *box) {
    return storedTextOf(box);
}
void ClearStoredText(QTextEdit *box) {
    clearStoredIn(box);
}
void ClearStoredText(QPlainTextEdit *box) {
    clearStoredIn(box);
}

} // namespace controls
