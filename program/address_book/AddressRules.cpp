#include "address_book/AddressRules.h"

#include "startup/modGlobal.h"

namespace rules {

Check CheckAddress(const AddressRecord &contact) {
    struct Required {
        int index;
        const char *message;
    };
    static constexpr Required required[] = {
        {0, "Enter First Name! "},
        {1, "Enter Last Name! "},
        {3, "Enter City Name! "},
        {4, "Enter State/Province! "},
    };
    for (const Required &r : required) {
        if (contact.fields[std::size_t(r.index)].isEmpty())
            return Refusal{r.index, QString::fromLatin1(r.message)};
    }
    return std::nullopt;
}

QStringList AddressValues(const AddressRecord &contact, const QString &addressID) {
    QStringList values(AddressRecord::RecordSlots);
    for (int i = 0; i < AddressRecord::FieldCount; ++i)
        values[i] = contact.fields[std::size_t(i)];
    values[AddressRecord::FullNameSlot] = modGlobal::FullName(values[0], values[1]);
    values[AddressRecord::AddressIDSlot] = addressID;
    return values;
}

} // namespace rules
