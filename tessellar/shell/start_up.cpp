#include "tessellar/shell/start_up.h"

#include <QFile>
#include <QFileInfo>

#include "platform/qt/path_text.h"
#include "tessellar/document/document_texts.h"
#include "tessellar/shell/program_browser.h"
#include "tessellar/mapping/path_rule.h"
#include "platform/message_format.h"
#include "tessellar/settings/settings_loader.h"
#include "tessellar/settings/command_line.h"
#include "tessellar/settings/frame_settings.h"

namespace shell {

std::unique_ptr<CMainFrame> StartUp(const std::vector<std::string>& words, settings::RegistryAccess& registry,
                                    const StartUpOptions& options) {
    FrameSettings settings;
    settings.font = settings::LoadScreenFont(registry);
    settings.scheme = settings::LoadColourScheme(registry);
    settings.besideDirectory = QFileInfo(options.executablePath).absolutePath();
    settings.temporaryRoot = options.temporaryRoot;
    settings::RegisterExecutablePath(registry, platform::PathFromQString(options.executablePath));

    auto frame = std::make_unique<CMainFrame>(registry, settings, options.messages);
    frame->SetReportPictures(options.reportPictures);
    // What opening the program says comes after the window is up.
    frame->HoldMessages();

    settings::CommandLine line = settings::ParseCommandLine(words);
    mapping::PathMapper& mapper = frame->Mapper();
    if (!line.shareMappings.empty()) mapper.Shares().AddFromOption(line.shareMappings);
    // The one client/server rule of every route: a path that names a file
    // here is local; any other server path is mapped (asking when no mapping
    // covers it) and puts the frame in server mode, mapped or not.
    constexpr auto toClient = mapping::MappingDirection::ServerToClient;
    if (!line.programPath.empty() &&
        mapping::ResolvePath(line.programPath, toClient, mapping::kUseProgramPath, mapper) !=
            mapping::PathResolution::Local) {
        frame->SetServerMode(true);
    }
    if (line.overridePath.empty()) {
        if (line.overrideDirectories.starts_with('/')) frame->SetServerMode(true);
    } else if (mapping::ResolvePath(line.overridePath, toClient, mapping::kUseOverrideFile, mapper) !=
               mapping::PathResolution::Local) {
        frame->SetServerMode(true);
    }
    const std::string programPath = line.programPath;
    frame->Document().SetCommandLine(std::move(line));

    if (!programPath.empty()) {
        QFile program(platform::QStringFromPath(programPath));
        if (!program.open(QIODevice::ReadOnly)) {
            frame->Messages().ShowMessage(
                platform::FormatText(document::texts::kCouldNotOpenFile, settings::PathForMessage(programPath).c_str()));
        } else {
            program.close();
            frame->OpenProgramPath(program.fileName());
        }
    }

    if (options.show) frame->ShowAsLeft();
    frame->Browser()->ActivatePage(program::BrowserPage::All);
    frame->SetSkin(frame->Skin());
    frame->ReleaseMessagesWhenShown();
    return frame;
}

}  // namespace shell
