#pragma once
// Starting the customiser's window, in order: the settings and colour
// scheme, the executable's path for the runtime, the recent files and the
// look, the main frame, the command line with its path mappings, the
// program named on it, and the frame shown with the "All" page active.

#include <QString>

#include <memory>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/shell/main_frame.h"
#include "tessellar/shell/review_report_export.h"
#include "tessellar/settings/registry_access.h"

namespace shell {

struct StartUpOptions {
    QString executablePath;   // stored for the runtime; its directory holds the other programs
    QString temporaryRoot;    // empty: the usual temporary directory
    platform::MessageSink* messages = nullptr;  // null: message boxes
    bool show = true;
    ReportPictureFactory reportPictures;  // draws File › Export Review Report...'s pictures; none: disabled
};

// words: the command line after the program name.
std::unique_ptr<CMainFrame> StartUp(const std::vector<std::string>& words, settings::RegistryAccess& registry,
                                    const StartUpOptions& options);

}  // namespace shell
