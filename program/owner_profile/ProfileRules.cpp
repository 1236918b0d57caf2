#include "owner_profile/ProfileRules.h"

#include "startup/modGlobal.h"

namespace rules {

namespace {

QStringList ProfileValues(const ProfileRecord &profile, int size) {
    QStringList values(size);
    for (int i = 0; i < ProfileRecord::FieldCount; ++i)
        values[i] = profile.fields[std::size_t(i)];
    values[ProfileRecord::FieldCount] = OwnerName(profile);
    return values;
}

} // namespace

Check CheckProfile(const ProfileRecord &profile) {
    struct Rule {
        ProfileRecord::Field field;
        int minimumLength; // 1: must not be empty
        const char *message;
    };
    static constexpr Rule rules[] = {
        {ProfileRecord::LastName, 1, "Last Name is missing! "},
        {ProfileRecord::FirstName, 1, "First Name is missing! "},
        {ProfileRecord::BusinessName, 1, "Business Name is missing! "},
        {ProfileRecord::Address, 1, "Address is missing! "},
        {ProfileRecord::City, 1, "City Name is missing! "},
        {ProfileRecord::State, 2, "State/Prov is incomplete! "},
        {ProfileRecord::PostalCode, 5, "Postal (ZIP) Code is incomplete! "},
        {ProfileRecord::Telephone, 7, "Telephone Number is incomplete! "},
    };
    for (const Rule &rule : rules) {
        if (profile.fields[rule.field].size() < rule.minimumLength)
            return Refusal{rule.field, QString::fromLatin1(rule.message)};
    }
    return std::nullopt;
}

QString OwnerName(const ProfileRecord &profile) {
    return modGlobal::FullName(profile.fields[ProfileRecord::FirstName],
                               profile.fields[ProfileRecord::LastName]);
}

QString OwnerIdentifier(const ProfileRecord &profile) {
    return profile.fields[ProfileRecord::LastName] + QStringLiteral(" - 431");
}

QStringList NewProfileValues(const ProfileRecord &profile) {
    QStringList values = ProfileValues(profile, 12);
    values[10] = OwnerIdentifier(profile);
    return values;
}

QStringList ChangedProfileValues(const ProfileRecord &profile) {
    return ProfileValues(profile, 11);
}

} // namespace rules
