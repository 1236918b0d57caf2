#include "main_window/ClientRules.h"

#include "main_window/client_columns.h"
#include "startup/modGlobal.h"

#include <functional>
#include <vector>

namespace rules {

namespace {

// One check: the refusal it gives, or none.
using Rule = std::function<Check(const ClientRecord &)>;

Rule Needs(QString ClientRecord::*value, int field, const char *message) {
    return [=](const ClientRecord &client) -> Check {
        if ((client.*value).isEmpty())
            return Refusal{field, QString::fromLatin1(message)};
        return std::nullopt;
    };
}

Rule NeedsBox(int box, const char *message) {
    return [=](const ClientRecord &client) -> Check {
        if (client.boxes[std::size_t(box)].isEmpty())
            return Refusal{box, QString::fromLatin1(message)};
        return std::nullopt;
    };
}

// An empty fee passes: it is stored as 0.
Check FeeIsNumber(const ClientRecord &client) {
    const QString &fee = client.boxes[ClientRecord::FeeBox];
    if (!fee.isEmpty() && !modGlobal::IsNumeric(fee))
        return Refusal{ClientRecord::FeeBox, QStringLiteral("Fee Amount contains invalid characters! ")};
    return std::nullopt;
}

// The checks both tabs begin with.
std::vector<Rule> TypeAndRequiredBoxes() {
    return {
        Needs(&ClientRecord::clientType, ClientRecord::ClientTypeField, "Select a Client Type "),
        NeedsBox(0, "Enter a Client name "),
        NeedsBox(1, "Enter Client's address "),
        NeedsBox(3, "Enter Client's city "),
        NeedsBox(4, "Enter Client's state or province "),
        NeedsBox(5, "Enter Client's postal (Zip) code "),
        NeedsBox(6, "Enter Client's telephone number "),
        NeedsBox(7, "Enter Contact name "),
    };
}

const std::vector<Rule> &NewClientRules() {
    static const std::vector<Rule> rules = [] {
        std::vector<Rule> all = TypeAndRequiredBoxes();
        all.insert(
            all.end(),
            {
                Needs(&ClientRecord::schedule, ClientRecord::ScheduleField, "Select a Service Schedule! "),
                Needs(&ClientRecord::service, ClientRecord::ServiceField, "Select a Service Type! "),
                Needs(&ClientRecord::feeType, ClientRecord::FeeTypeField, "Select a Fee Type! "),
                Needs(&ClientRecord::billing, ClientRecord::BillingField, "Select a Billing Schedule! "),
                FeeIsNumber,
                Needs(&ClientRecord::pets, ClientRecord::PetsField, "Select Pets (Yes or No)! "),
            });
        return all;
    }();
    return rules;
}

const std::vector<Rule> &EditClientRules() {
    static const std::vector<Rule> rules = [] {
        std::vector<Rule> all = TypeAndRequiredBoxes();
        all.push_back(FeeIsNumber);
        return all;
    }();
    return rules;
}

Check FirstRefusal(const std::vector<Rule> &rules, const ClientRecord &client) {
    for (const Rule &rule : rules) {
        if (Check refusal = rule(client))
            return refusal;
    }
    return std::nullopt;
}

} // namespace

Check CheckNewClient(const ClientRecord &client) {
    return FirstRefusal(NewClientRules(), client);
}

Check CheckEditClient(const ClientRecord &client) {
    return FirstRefusal(EditClientRules(), client);
}

QStringList ClientValues(const ClientRecord &record, const QString &clientID) {
    using namespace client;
    QStringList values(SlotCount);
    values[ClientID] = clientID;
    values[ClientType] = record.clientType;
    // Name, service address, telephone and contact: boxes 0 to 7.
    for (int i = 0; i <= Contact - Name; ++i)
        values[Name + i] = record.boxes[std::size_t(i)];
    // The billing address, field by field: an empty billing box (8 to 12) takes the
    // service address's field.
    for (int i = 0; i <= BZip - BAdd1; ++i) {
        const QString &typed = record.boxes[std::size_t(8 + i)];
        values[BAdd1 + i] = typed.isEmpty() ? values[Add1 + i] : typed;
    }
    values[Schedule] = record.schedule;
    values[Service] = record.service;
    values[DayOfWeek] = record.boxes[ClientRecord::DayBox];
    values[FeeType] = record.feeType;
    values[BSchedule] = record.billing;
    values[Pets] = record.pets;
    values[Notes] = record.notes;
    return values;
}

float ClientFee(const ClientRecord &client) {
    return modGlobal::ConvertNumber(client.boxes[ClientRecord::FeeBox]);
}

} // namespace rules
