#include "client_columns.h"

#include "controls/Format.h"

namespace client {

namespace {

constexpr ListColumn Columns[] = {
    {"Client ID", 1200, Qt::AlignLeft, "ClientID"},
    {"Client Type", 1500, Qt::AlignLeft, "ClientType"},
    {"Client", 3500, Qt::AlignLeft, "Client"},
    {"Address", 2500, Qt::AlignLeft, "Add1"},
    {"Address", 1500, Qt::AlignLeft, "Add2"},
    {"City", 2000, Qt::AlignLeft, "City"},
    {"ST/Prov", 1200, Qt::AlignHCenter, "State"},
    {"Zip Code", 1200, Qt::AlignLeft, "Zip"},
    {"Telephone", 1440, Qt::AlignLeft, "Phone"},
    {"Contact", 2000, Qt::AlignLeft, "Contact"},
    {"Bill Address", 2500, Qt::AlignLeft, "BAdd1"},
    {"Bill Address", 1500, Qt::AlignLeft, "BAdd2"},
    {"Bill City", 2000, Qt::AlignLeft, "BCity"},
    {"Bill ST/Prov", 1500, Qt::AlignHCenter, "BState"},
    {"Bill Zip", 1200, Qt::AlignLeft, "BZip"},
    {"Day Of Week", 1800, Qt::AlignLeft, "DayOfWeek"},
    {"Service Schedule", 2000, Qt::AlignLeft, "Schedule"},
    {"Service Type", 1800, Qt::AlignLeft, "Service"},
    {"Fee", 1000, Qt::AlignRight, "Fee"},
    {"Fee Type", 1200, Qt::AlignLeft, "FeeType"},
    {"Bill Schedule", 1800, Qt::AlignLeft, "BSchedule"},
    {"Pets", 1000, Qt::AlignHCenter, "Pets"},
    {"Notes", 1440, Qt::AlignLeft, "Notes"},
};
static_assert(std::size(Columns) == ColumnCount);

} // namespace

std::span<const ListColumn> ListColumns() {
    return Columns;
}

ClientRecord RecordOfRow(const ListView &list, int row) {
    auto cell = [&list, row](int column) { return list.Value(row, column).toString(); };
    ClientRecord record;
    record.clientType = cell(ColType);
    // The boxes follow the columns from the name to the day of the week.
    for (int i = 0; i < ClientRecord::FeeBox; ++i)
        record.boxes[std::size_t(i)] = cell(ColName + i);
    const QVariant fee = list.Value(row, ColFee);
    const bool amount = fee.typeId() == QMetaType::Double || fee.typeId() == QMetaType::Float ||
                        fee.typeId() == QMetaType::Int || fee.typeId() == QMetaType::LongLong;
    record.boxes[ClientRecord::FeeBox] = amount ? controls::FormatAmount(fee.toDouble()) : fee.toString();
    record.schedule = cell(ColSchedule);
    record.service = cell(ColService);
    record.feeType = cell(ColFeeType);
    record.billing = cell(ColBSchedule);
    record.pets = cell(ColPets);
    record.notes = cell(ColNotes);
    return record;
}

} // namespace client
