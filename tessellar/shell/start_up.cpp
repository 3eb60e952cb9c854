#include "tessellar/shell/start_up.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>

#include "platform/qt/path_text.h"
#include "tessellar/document/document_texts.h"
#include "tessellar/shell/program_browser.h"
#include "tessellar/mapping/server_path.h"
#include "platform/message_format.h"
#include "tessellar/settings/settings_loader.h"
#include "tessellar/settings/command_line.h"
#include "tessellar/settings/frame_settings.h"

namespace shell {

bool NeedsMapping(const std::string& path) {
    if (!mapping::IsServerPath(path)) return false;
    const QFileInfo file(platform::QStringFromPath(path));
    return !file.exists() && !file.absoluteDir().exists();
}

std::unique_ptr<CMainFrame> StartUp(const std::vector<std::string>& words, settings::RegistryAccess& registry,
                                    const StartUpOptions& options) {
    FrameSettings settings;
    settings.font = settings::LoadScreenFont(registry);
    settings.scheme = settings::LoadColourScheme(registry);
    settings.besideDirectory = QFileInfo(options.executablePath).absolutePath();
    settings.temporaryRoot = options.temporaryRoot;
    settings::RegisterExecutablePath(registry, platform::PathFromQString(options.executablePath));

    auto frame = std::make_unique<CMainFrame>(registry, settings, options.messages);
    // What opening the program says comes after the window is up.
    frame->HoldMessages();

    settings::CommandLine line = settings::ParseCommandLine(words);
    mapping::PathMapper& mapper = frame->Mapper();
    if (!line.shareMappings.empty()) mapper.Shares().AddFromOption(line.shareMappings);
    if (!line.programPath.empty() && NeedsMapping(line.programPath)) {
        mapper.MapToClient(line.programPath, mapping::kUseProgramPath);
        frame->SetServerMode(true);
    }
    if (line.overridePath.empty()) {
        if (line.overrideDirectories.starts_with('/')) frame->SetServerMode(true);
    } else if (NeedsMapping(line.overridePath)) {
        mapper.MapToClient(line.overridePath, mapping::kUseOverrideFile);
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
