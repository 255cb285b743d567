// TCommandRoute: the objects a command or an enable query visits in turn: a
// window, its parents up to the top, then the application (its own table
// first, then the framework's, which holds CM_EXIT).
#pragma once

#include "framework/CommandEnabler.h"

#include <vector>

class TApplication;
class TWindow;

class TCommandRoute {
public:
    // start may be null (only the application is asked); so may app.
    TCommandRoute(TWindow* start, TApplication* app);

    // The first object with a handler runs it; false when nobody has one.
    bool Run(unsigned id) const;
    // The first object with an enabler answers; when nobody does, the
    // command is enabled exactly when some object has a handler for it.
    void Enable(TCommandEnabler& enabler) const;
    bool HasHandler(unsigned id) const;

private:
    std::vector<TWindow*> Windows;
    TApplication* App;

    bool AskForEnable(TCommandEnabler& enabler) const;
};
