// The hourglass pointer over the whole program while work touches the database, and the
// normal pointer back before any message and when the work ends. The hourglass is never
// stacked: one pointer of the program's own is up at most, so one restore always suffices.
#pragma once

namespace controls {

// Puts the hourglass up unless a pointer of the program's own is up already. True when
// this call put it up.
bool ShowBusyPointer();

// Takes down whatever pointer the program put up, whoever put it up: the normal pointer is
// back. Harmless when none is up.
void ShowNormalPointer();

// The hourglass for as long as the object lives:
//
//     {
//         controls::WaitPointer wait;
//         ... read or write the records ...
//     } // the normal pointer is back
//
// Inside a wait that is already running (a procedure called by another that shows the
// hourglass) it changes nothing, so the hourglass stays up until the outer work ends. A
// message shown meanwhile takes the pointer down itself (see messages::ShowMessage).
class WaitPointer {
public:
    WaitPointer();
    ~WaitPointer();
    WaitPointer(const WaitPointer &) = delete;
    WaitPointer &operator=(const WaitPointer &) = delete;

private:
    bool m_putUp = false; // this object put the hourglass up and takes it back
};

} // namespace controls
