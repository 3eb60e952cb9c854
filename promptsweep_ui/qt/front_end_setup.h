#pragma once
// Where the main window finds its tool, files and settings, and how long a
// round of following the tool lasts. The program sets it up from its own
// location; tests point it at scratch directories.

#include <QString>

#include <chrono>

#include "tessellar/settings/registry_access.h"

namespace sweepui {

struct FrontEndSetup {
    QString programDirectory;  // the tool and the help pages are looked for here
    QString listFile;          // "replacelist.txt"
    QString settingsFile;      // "promptsweep.ini" in the current directory
    settings::RegistryAccess* registry = nullptr;
    bool debug = false;
    std::chrono::milliseconds round{1000};

    // For the running program: the list file beside it when its directory
    // can be written, else in the user's data directory.
    static FrontEndSetup ForProgram(settings::RegistryAccess& registry, bool debug);
};

// The tool beside the front end, else on the search path; when neither has
// it, the path beside the front end (which does not exist).
QString LocateTool(const QString& programDirectory);
// The same search for another program of the suite (the checker).
QString LocateProgram(const QString& programDirectory, const char* name);

}  // namespace sweepui
