#include "ClientForm.h"
#include "layout_helpers.h"

#include "controls/Builders.h"
#include "controls/OptionGroup.h"
#include "controls/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextEdit>

ClientForm::ClientForm(const Layout &layout, QWidget *page) : QWidget(page) {
    // The controls go where the page's layout puts them; the form then shrinks to them, so
    // that it covers none of the tab's other controls laid out before it.
    QLabel *typeLabel = controls::Label(this, QStringLiteral(" Client Type"), Twips::Rect(layout.typeLabel));
    m_type = layout::ClientTypeBox(this, layout.typeBoxName, Twips::Rect(layout.typeBox), typeLabel);

    const auto &fields = layout::ClientFields();
    for (int i = 0; i < ClientRecord::BoxCount; ++i) {
        const auto &field = fields[std::size_t(i)];
        QLabel *label =
            controls::Label(this, QLatin1Char(' ') + layout.caption(i), Twips::Rect(layout.boxLabel(i)),
                            layout.boxTips && field.labelToo ? field.toolTip : QString());
        m_boxes[std::size_t(i)] =
            controls::TextBox(this, controls::ElementName(layout.boxArray, i), Twips::Rect(layout.box(i)),
                              field.maxLength, field.alignment, layout.boxTips ? field.toolTip : QString());
        layout::NameClientBox(label, m_boxes[std::size_t(i)], i);
    }

    QLabel *notesLabel = controls::Label(this, QStringLiteral("Notes"), Twips::Rect(layout.notesLabel));
    m_notes = controls::RichTextBox(this, layout.notesName, Twips::Rect(layout.notes), layout.notesTip);
    controls::NameAfterLabel(notesLabel, m_notes);

    struct GroupText {
        const char *name;
        const char *caption;
        QStringList captions;
        std::span<QRadioButton *> buttons;
        bool horizontal;
    };
    const GroupText groups[] = {
        {"Schedule", "[ Service Schedule ]", layout::ScheduleCaptions(), m_schedule, false},
        {"Service", "[ Service Type ]", layout::ServiceCaptions(), m_service, false},
        {"Fee", "[ Fee Type ]", layout::FeeCaptions(), m_feeType, false},
        {"Billing", "[ Billing Schedule ]", layout::BillingCaptions(), m_billing, false},
        {"Pets", "[ Pets ]", layout::PetsCaptions(), m_pets, true},
    };
    for (std::size_t g = 0; g < std::size(groups); ++g) {
        const QString name = QString::fromLatin1(groups[g].name) + layout.groupSuffix;
        const Group &where = layout.groups[g];
        controls::OptionGroup(this, QStringLiteral("fra") + name, QStringLiteral("opt") + name,
                              QString::fromLatin1(groups[g].caption), where.toolTip,
                              Twips::Rect(where.geometry), groups[g].captions, where.optionTips,
                              groups[g].buttons, groups[g].horizontal);
    }

    QRect used;
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        used |= child->geometry();
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->move(child->pos() - used.topLeft());
    setGeometry(used);
}

ClientRecord ClientForm::values() const {
    ClientRecord record;
    record.clientType = m_type->currentText();
    for (int i = 0; i < ClientRecord::BoxCount; ++i)
        record.boxes[std::size_t(i)] = m_boxes[std::size_t(i)]->text();
    record.notes = controls::StoredText(m_notes);
    record.schedule = options::ChosenCaption(m_schedule);
    record.service = options::ChosenCaption(m_service);
    record.feeType = options::ChosenCaption(m_feeType);
    record.billing = options::ChosenCaption(m_billing);
    record.pets = options::ChosenCaption(m_pets);
    return record;
}

void ClientForm::show(const ClientRecord &record) {
    m_type->setCurrentIndex(m_type->findText(record.clientType, Qt::MatchExactly | Qt::MatchCaseSensitive));
    for (int i = 0; i < ClientRecord::BoxCount; ++i)
        controls::ShowStoredText(m_boxes[std::size_t(i)], record.boxes[std::size_t(i)]);
    options::SwitchOnCaption(m_schedule, record.schedule);
    options::SwitchOnCaption(m_service, record.service);
    options::SwitchOnCaption(m_feeType, record.feeType);
    options::SwitchOnCaption(m_billing, record.billing);
    options::SwitchOnCaption(m_pets, record.pets);
    controls::ShowStoredText(m_notes, record.notes);
}

void ClientForm::clear() {
    m_type->setCurrentIndex(-1);
    for (QLineEdit *box : m_boxes)
        controls::ClearStoredText(box);
    options::SwitchAllOff(m_schedule);
    options::SwitchAllOff(m_service);
    options::SwitchAllOff(m_feeType);
    options::SwitchAllOff(m_billing);
    options::SwitchAllOff(m_pets);
    controls::ClearStoredText(m_notes);
}

QWidget *ClientForm::field(int index) const {
    if (index >= 0 && index < ClientRecord::BoxCount)
        return m_boxes[std::size_t(index)];
    // An option group takes no focus when it is refused: its message names it.
    return index == ClientRecord::ClientTypeField ? m_type : nullptr;
}
