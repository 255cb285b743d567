// Makes the files the desktop needs to show the installed program, at
// build time, into a folder laid out as share/ is:
//   applications/vantor.desktop          the menu entry (open and print)
//   icons/hicolor/NxN/apps/vantor.png    icon 1001 in each size of the theme
// Usage: vantor-desktop-files FOLDER
#include "app/FileTypeRegistration.h"
#include "framework/TextFile.h"
#include "framework/qt/ImageData.h"
#include "resources/AppIcon.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: vantor-desktop-files FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    for (int size : AppIconSizes) {
        const std::filesystem::path file = folder / "icons" / AppIconThemeFile(size);
        std::filesystem::create_directories(file.parent_path());
        if (!SavePng(AppIcon(size), file.string())) {
            std::cerr << "cannot write " << file << "\n";
            return 1;
        }
    }
    // The installed program is found on PATH and its icon in the theme; what
    // the desktop calls .ini and .inf files is asked on the user's machine
    // when Vantor is registered there.
    const std::string entry = EditorDesktopEntry(AppIconName, {"text/plain"}, AppIconName).Text();
    const std::filesystem::path entryFile = folder / "applications" / EditorDesktopId;
    std::filesystem::create_directories(entryFile.parent_path());
    if (!WriteTextFile(entryFile.string(), entry)) {
        std::cerr << "cannot write " << entryFile << "\n";
        return 1;
    }
    return 0;
}
