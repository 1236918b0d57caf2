// The rules of a client record, apart from the tabs that hold it: the checks a new and a
// changed client must pass, and the values the library stores.
#pragma once

#include "controls/Refusal.h"
#include "main_window/ClientRecord.h"

#include <QStringList>

namespace rules {

// The checks of a new client in the order they run: the client type, the required boxes,
// the option groups and the fee. The first refusal wins; its field is the box index or a
// ClientRecord::Field.
Check CheckNewClient(const ClientRecord &client);
// The checks of a changed client: those of a new one without the option groups.
Check CheckEditClient(const ClientRecord &client);

// The 22 values of the client array (client::Slot), slot ClientID holding clientID. An
// empty billing box takes the service address's field.
QStringList ClientValues(const ClientRecord &client, const QString &clientID);
// The fee as stored: the fee box read as a number, 0 when empty.
float ClientFee(const ClientRecord &client);

} // namespace rules
