#include "tessellar/document/tessel_doc.h"

#include "platform/message_format.h"
#include "tessellar/document/document_texts.h"
#include "tessellar/program/program_texts.h"
#include "tessellar/mapping/server_path.h"
#include "tessellar/settings/registry_keys.h"

namespace document {
namespace {

std::size_t PageIndex(program::BrowserPage page) { return static_cast<std::size_t>(page) - 1; }

}  // namespace

CTesselDoc::CTesselDoc(settings::RegistryAccess& registry, platform::MessageSink& sink, std::string temporaryRoot)
    : registry_(registry),
      sink_(sink),
      core_(std::move(temporaryRoot)),
      pages_{program::DirectoryPage(program::BrowserPage::Screens), program::DirectoryPage(program::BrowserPage::DataGrids),
             program::DirectoryPage(program::BrowserPage::Procedures), program::DirectoryPage(program::BrowserPage::Menus),
             program::DirectoryPage(program::BrowserPage::All)} {}

CTesselDoc::~CTesselDoc() {
    // The pages' models go before the work files they name.
    for (program::DirectoryPage& page : pages_) program::ClearDirectoryPage(page);
    core_.Close(sink_);
}

void CTesselDoc::ClearCommandLineValues() {
    commandLine_.screenName.clear();
    commandLine_.overridePath.clear();
    commandLine_.programPath.clear();
    commandLine_.modes.clear();
    commandLine_.modesGiven = false;
}

program::DirectoryPage& CTesselDoc::Page(program::BrowserPage page) { return pages_[PageIndex(page)]; }

void CTesselDoc::ClearViews() {
    currentScreen_ = nullptr;
    if (views_.clearing) views_.clearing();
    for (program::DirectoryPage& page : pages_) {
        for (const auto& model : page.Models()) core_.ForgetEntry(*model);
        program::ClearDirectoryPage(page);
    }
    opened_.clear();
}

void CTesselDoc::MarkPagesForFilling() {
    for (program::DirectoryPage& page : pages_) page.MarkForFilling();
}

void CTesselDoc::ShowOpenedProgram(std::string screenName) {
    currentScreenName_ = std::move(screenName);
    MarkPagesForFilling();
    if (views_.loaded) views_.loaded();
}

void CTesselDoc::Close() {
    ClearViews();
    core_.Close(sink_);
}

bool CTesselDoc::OpenProgram(const std::string& path) {
    // Views drop their screens before the image they were decoded from goes.
    const bool hadProgram = core_.HasProgram();
    if (hadProgram) ClearViews();
    core_.Close(sink_);
    if (!core_.LoadProgram(path, sink_)) {
        if (!hadProgram) ClearViews();
        return false;
    }
    if (views_.programOpened) views_.programOpened(path);
    // A recent file opened later must not be paired with the first
    // program's override file, nor have its sections saved into it.
    settings::CommandLine line;
    if (!commandLineTaken_) line = commandLine_;
    commandLineTaken_ = true;

    EntryInputs inputs = baseInputs_;
    if (line.modesGiven) inputs.decode.modeOrder = program::ApplicationModeOrder{line.screenName, line.modes};
    core_.SetInputs(std::move(inputs));

    OverrideLocationInputs location;
    location.programPath = path;
    location.overridePath = line.overridePath;
    location.overrideDirectories = line.overrideDirectories;
    location.registryPath = registry_.ReadString(settings::RegistryRoot::LocalMachine, settings::keys::kEnvironment,
                                                 settings::keys::kScfPath);
    if (const std::optional<std::string> overridePath = LocateOverrideFile(location, prompts_.location)) {
        if (!OpenOverridePath(*overridePath)) {
            core_.Close(sink_);
            return false;
        }
    }

    ShowOpenedProgram(line.screenName);
    return true;
}

bool CTesselDoc::OpenOverridePath(std::string path) {
    if (mapping::IsServerPath(path) && prompts_.mapOverridePath) prompts_.mapOverridePath(path);
    switch (core_.OpenOverrideFile(path, sink_, prompts_.openAnyway)) {
        case overrides::OpenResult::CopyFailed:
            sink_.ShowMessage(platform::FormatText(texts::kCouldNotReadOverrideFile, path.c_str()));
            return false;
        case overrides::OpenResult::NotAnOverrideFile:
            // The program still opens, with no override file: Save asks where.
            sink_.ShowMessage(platform::FormatText(texts::kNotAnOverrideFile, path.c_str()));
            return true;
        default: return true;
    }
}

bool CTesselDoc::OpenOverrideFile() {
    if (!core_.HasProgram()) {
        sink_.ShowMessage(texts::kOpenProgramFirst);
        return false;
    }
    // The work files go with the file they came from: callers save
    // unsaved changes first (the window does, as the menu command asks).
    const std::optional<std::string> chosen =
        prompts_.location.chooseFile ? prompts_.location.chooseFile() : std::nullopt;
    if (!chosen || chosen->empty()) return false;

    return Reopen(WithOverrideExtension(*chosen));
}

bool CTesselDoc::ReloadOverrideFile() {
    if (!core_.HasProgram() || core_.OverridePath().empty()) return false;
    return Reopen(core_.OverridePath());
}

bool CTesselDoc::Reopen(std::string overridePath) {
    const std::string programPath = core_.ProgramPath();
    // The program is read again: the user stays on the screen they were on.
    const std::string screenName = currentScreenName_;
    ClearViews();
    core_.Close(sink_);
    if (!core_.LoadProgram(programPath, sink_)) return false;
    if (!OpenOverridePath(std::move(overridePath))) {
        core_.Close(sink_);
        return false;
    }
    ShowOpenedProgram(screenName);
    return true;
}

program::RowSelectionHooks CTesselDoc::Hooks() {
    program::RowSelectionHooks hooks;
    hooks.decode = [this](model::CScreenModel& screen) { OpenOnce(screen); };
    hooks.applyOverrides = [this](model::CScreenModel& screen) { OpenOnce(screen); };
    hooks.currentScreenChanged = [this](model::CScreenModel& screen) {
        // A page filled during a hand edit does not take the edited entry away.
        if (currentScreen_ != nullptr && currentScreen_->EditWindowOpen()) return;
        currentScreen_ = &screen;
        currentScreenName_ = screen.Name();
        core_.SetCurrentEntry(screen);
        if (views_.currentScreenChanged) views_.currentScreenChanged(&screen);
    };
    return hooks;
}

std::size_t CTesselDoc::PreparePage(program::BrowserPage which) {
    program::DirectoryPage& page = Page(which);
    if (!core_.HasProgram()) return 0;
    if (page.NeedsFilling()) {
        ForgetModels(page);
        program::FillDirectoryPage(page, *core_.Image(), currentScreenName_, sink_, Hooks());
    }
    return page.Rows().size();
}

bool CTesselDoc::SelectRow(program::BrowserPage which, std::size_t row) {
    program::DirectoryPage& page = Page(which);
    if (page.SelectedRow() == row) return true;
    // The page refuses to leave an entry under hand edit; so does every other page.
    if (currentScreen_ != nullptr && currentScreen_->EditWindowOpen()) {
        const model::CScreenModel* chosen =
            row < page.Rows().size() ? program::FindModel(page, page.Rows()[row].identifier) : nullptr;
        const bool sameEntry = chosen != nullptr && chosen->Name() == currentScreen_->Name() &&
                               chosen->Kind() == currentScreen_->Kind();
        if (!sameEntry) {
            sink_.ShowMessage(program::texts::kEditWindowOpen);
            return false;
        }
    }
    return program::SelectRow(page, row, sink_, Hooks());
}

std::optional<std::size_t> CTesselDoc::FindNext(program::BrowserPage which, const FindRequest& request) {
    return document::FindNext(
        Page(which), request, [this](model::CScreenModel& screen) { OpenOnce(screen); }, sink_, Hooks());
}

void CTesselDoc::OpenOnce(model::CScreenModel& screen) {
    if (!opened_.insert(&screen).second) return;
    core_.OpenEntry(screen, sink_);
}

void CTesselDoc::ForgetModels(const program::DirectoryPage& page) {
    for (const auto& model : page.Models()) {
        if (model.get() == currentScreen_) {
            currentScreen_ = nullptr;
            if (views_.currentScreenChanged) views_.currentScreenChanged(nullptr);
        }
        core_.ForgetEntry(*model);
        opened_.erase(model.get());
    }
}

}  // namespace document
