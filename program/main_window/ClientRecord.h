// One client as the two client tabs hold it, before the rules and the library see it: the
// client type, the fifteen boxes as typed, the notes and the caption chosen in each option
// group (empty when none is chosen).
#pragma once

#include <QString>

#include <array>

struct ClientRecord {
    static constexpr int BoxCount = 15;
    static constexpr int FeeBox = 14;
    static constexpr int DayBox = 13;

    // Field numbers for the focus: the boxes are 0 to 14, then these.
    enum Field { ClientTypeField = 100, ScheduleField, ServiceField, FeeTypeField, BillingField, PetsField };

    QString clientType;
    std::array<QString, BoxCount> boxes;
    QString notes;
    QString schedule;
    QString service;
    QString feeType;
    QString billing;
    QString pets;

    friend bool operator==(const ClientRecord &, const ClientRecord &) = default;
};
