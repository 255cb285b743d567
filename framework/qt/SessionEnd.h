// The end of the desktop session (logout, shutdown) closes the main window
// through the same test as the close box; a refusal cancels the logout.
#pragma once

#include <QObject>

#include <memory>

// The returned object keeps the watch alive.
std::unique_ptr<QObject> WatchSessionEnd();
