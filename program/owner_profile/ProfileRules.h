// The rules of the business profile, apart from the two windows that hold it: the eight
// field checks and the arrays the library stores.
#pragma once

#include "controls/Refusal.h"

#include <QStringList>

#include <array>

// The profile as a window holds it: the nine fields, top to bottom.
struct ProfileRecord {
    static constexpr int FieldCount = 9;
    enum Field { LastName = 0, FirstName, BusinessName, Address, City, State, PostalCode, Telephone, Email };

    std::array<QString, FieldCount> fields;

    friend bool operator==(const ProfileRecord &, const ProfileRecord &) = default;
};

namespace rules {

// The field rules in their fixed order (e-mail has none); the first refusal wins, its field
// a ProfileRecord::Field.
Check CheckProfile(const ProfileRecord &profile);

// First name, a blank, last name.
QString OwnerName(const ProfileRecord &profile);
// The identifier a new profile is stored under: the last name and " - 431".
QString OwnerIdentifier(const ProfileRecord &profile);
// The array a new profile is stored from (12 slots): the nine fields, the owner's name, the
// identifier, one empty slot.
QStringList NewProfileValues(const ProfileRecord &profile);
// The array the stored profile is changed from (11 slots): the nine fields, the owner's
// name, one empty slot.
QStringList ChangedProfileValues(const ProfileRecord &profile);

} // namespace rules
