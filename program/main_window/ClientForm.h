// The client form both client tabs show: the client type, the fifteen boxes, the notes and
// the five option groups. Each tab lays it out in its own way (ClientForm::Layout) and
// owns one; the form turns what is shown into a ClientRecord and back.
#pragma once

#include "ClientRecord.h"

#include <QRect>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <span>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QTextEdit;

class ClientForm : public QWidget {
    Q_OBJECT
public:
    // Where each control goes, in the tab page's twips, and what it is called.
    struct Group {
        QRect geometry;
        QString toolTip;
        QStringList optionTips;
    };
    struct Layout {
        QString typeBoxName;
        QRect typeLabel;
        QRect typeBox;
        QString boxArray; // "txtAdd": the boxes are txtAdd(0) to txtAdd(14)
        std::function<QRect(int)> boxLabel;
        std::function<QRect(int)> box; // width from the box's typing limit, see ClientBoxWidth
        std::function<QString(int)> caption;
        bool boxTips = false; // the boxes carry their tool tips
        QString notesName;
        QRect notesLabel;
        QRect notes;
        QString notesTip;
        QString groupSuffix;         // "Edit": fraScheduleEdit, optScheduleEdit, ...
        std::array<Group, 5> groups; // schedule, service, fee type, billing, pets
    };

    ClientForm(const Layout &layout, QWidget *page);

    ClientRecord values() const;
    // Shows a stored client whole (values beyond a box's typing limit included); a type or an
    // option caption outside the lists shows no choice.
    void show(const ClientRecord &record);
    using QWidget::show;
    // No type, every box and the notes empty, no option chosen.
    void clear();
    // The control that a field number of ClientRecord stands for.
    QWidget *field(int index) const;

    QComboBox *typeBox() const { return m_type; }
    const std::array<QLineEdit *, ClientRecord::BoxCount> &boxes() const { return m_boxes; }
    QTextEdit *notes() const { return m_notes; }
    const std::array<QRadioButton *, 6> &schedule() const { return m_schedule; }
    const std::array<QRadioButton *, 6> &service() const { return m_service; }
    const std::array<QRadioButton *, 3> &feeType() const { return m_feeType; }
    const std::array<QRadioButton *, 3> &billing() const { return m_billing; }
    const std::array<QRadioButton *, 2> &pets() const { return m_pets; }

private:
    QComboBox *m_type = nullptr;
    std::array<QLineEdit *, ClientRecord::BoxCount> m_boxes{};
    QTextEdit *m_notes = nullptr;
    std::array<QRadioButton *, 6> m_schedule{};
    std::array<QRadioButton *, 6> m_service{};
    std::array<QRadioButton *, 3> m_feeType{};
    std::array<QRadioButton *, 3> m_billing{};
    std::array<QRadioButton *, 2> m_pets{};
};
