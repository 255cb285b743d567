#include "framework/CommandRoute.h"

#include "framework/Application.h"
#include "framework/Window.h"

TCommandRoute::TCommandRoute(TWindow* start, TApplication* app) : App(app)
{
    for (TWindow* w = start; w; w = w->GetParent())
        Windows.push_back(w);
}

// The framework's own table is asked after the application's, whether or
// not an override of the application passed the command on to it.
bool TCommandRoute::Run(unsigned id) const
{
    for (TWindow* w : Windows)
        if (w->EvCommand(id))
            return true;
    return App && (App->EvCommand(id) || App->TApplication::EvCommand(id));
}

bool TCommandRoute::HasHandler(unsigned id) const
{
    for (const TWindow* w : Windows)
        if (w->HasCommandHandler(id))
            return true;
    return App && (App->HasCommandHandler(id) || App->TApplication::HasCommandHandler(id));
}

bool TCommandRoute::AskForEnable(TCommandEnabler& enabler) const
{
    // An enabler that set only a check mark leaves the enabling to the
    // automatic rule.
    auto answered = [&enabler](bool hasEnabler) { return hasEnabler || enabler.WasAnswered(); };
    for (TWindow* w : Windows)
        if (answered(w->EvCommandEnable(enabler)))
            return true;
    return App && (answered(App->EvCommandEnable(enabler)) || answered(App->TApplication::EvCommandEnable(enabler)));
}

void TCommandRoute::Enable(TCommandEnabler& enabler) const
{
    AskForEnable(enabler);
    if (!enabler.WasAnswered())
        enabler.Enable(HasHandler(enabler.GetId()));
}
