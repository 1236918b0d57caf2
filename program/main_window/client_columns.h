// The client record as the main window handles it: the slots of the 22-slot array that
// AddClient and UpdateClient take, and the columns of the two client lists.
#pragma once

#include "ClientRecord.h"
#include "controls/ListView.h"

#include <span>

namespace client {

// Slots of the client record array.
enum Slot {
    ClientID = 0,
    ClientType = 1,
    Name = 2, // the entry boxes 0 to 7 fill slots Name to Contact in order
    Add1,
    Add2,
    City,
    State,
    Zip,
    Phone,
    Contact,
    BAdd1, // the billing address, boxes 8 to 12, in order
    BAdd2,
    BCity,
    BState,
    BZip,
    Schedule,
    Service,
    DayOfWeek,
    FeeType,
    BSchedule,
    Pets,
    Notes,
    SlotCount
};

// Columns of lvClients and lvBilling, in order.
enum Column {
    ColID = 0,
    ColType,
    ColName, // columns ColName to ColBZip follow the entry boxes 0 to 12
    ColAdd1,
    ColAdd2,
    ColCity,
    ColState,
    ColZip,
    ColPhone,
    ColContact,
    ColBAdd1,
    ColBAdd2,
    ColBCity,
    ColBState,
    ColBZip,
    ColDayOfWeek,
    ColSchedule,
    ColService,
    ColFee,
    ColFeeType,
    ColBSchedule,
    ColPets,
    ColNotes,
    ColumnCount
};

std::span<const ListColumn> ListColumns();

// The client of a row of lvClients as the client form shows it: the fee as the fee box
// shows a stored amount, text that is no number as it is.
ClientRecord RecordOfRow(const ListView &list, int row);

} // namespace client
