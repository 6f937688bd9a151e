#pragma once

// Shows the busy pointer for the lifetime of the object, so the normal pointer
// returns on every exit path, early returns and exceptions included.
class BusyPointer
{
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};
