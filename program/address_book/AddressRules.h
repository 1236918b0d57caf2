// The rules of an address-book contact, apart from the panels that hold it: the fields it
// needs and the record array the library stores.
#pragma once

#include "controls/Refusal.h"

#include <QStringList>

#include <array>

// One contact as a panel holds it: the ten fields by index (first name, last name, address,
// city, state or province, postal code, home, work and cell phone, e-mail).
struct AddressRecord {
    static constexpr int FieldCount = 10;
    // Slots of the record array beyond the fields; the array has one empty slot more.
    static constexpr int FullNameSlot = 10;
    static constexpr int AddressIDSlot = 11;
    static constexpr int RecordSlots = 13;

    std::array<QString, FieldCount> fields;

    friend bool operator==(const AddressRecord &, const AddressRecord &) = default;
};

namespace rules {

// First name, last name, city and state or province, in that order: the first one empty is
// refused, its field the field index.
Check CheckAddress(const AddressRecord &contact);

// The 13-slot record array: the fields, the full name, the identifier.
QStringList AddressValues(const AddressRecord &contact, const QString &addressID);

} // namespace rules
