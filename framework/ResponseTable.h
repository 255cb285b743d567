// Per-class command tables: an entry names a command, its handler and its
// enabler (either may be absent). A class looks its commands up here and
// falls back to its base class's table.
#pragma once

#include "framework/CommandEnabler.h"

#include <initializer_list>
#include <vector>

template <class T>
class TResponseTable {
public:
    struct TEntry {
        unsigned Id;
        void (T::*Handler)();
        void (T::*Enabler)(TCommandEnabler&);
    };

    TResponseTable(std::initializer_list<TEntry> entries) : Entries(entries) {}

    bool Run(T& object, unsigned id) const
    {
        for (const TEntry& e : Entries)
            if (e.Id == id && e.Handler) {
                (object.*e.Handler)();
                return true;
            }
        return false;
    }

    bool Has(unsigned id) const
    {
        for (const TEntry& e : Entries)
            if (e.Id == id && e.Handler)
                return true;
        return false;
    }

    bool Enable(T& object, TCommandEnabler& enabler) const
    {
        for (const TEntry& e : Entries)
            if (e.Id == enabler.GetId() && e.Enabler) {
                (object.*e.Enabler)(enabler);
                return true;
            }
        return false;
    }

private:
    std::vector<TEntry> Entries;
};
