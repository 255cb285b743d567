// What the Qt layer's printing shares with its tests: the QPrinter behind
// a printer object, and how a printer is named to the user.
#pragma once

#include <QPrinter>

#include <string>

namespace QtPrinting {

class PrinterAccess {
public:
    virtual ~PrinterAccess() = default;
    virtual QPrinter& Device() = 0;
};

std::string DeviceName(const QPrinter& printer);

}  // namespace QtPrinting
