#pragma once
// The customiser window's document: one program with its override file,
// the five browser pages that list its entries, and the command-line values
// that shape the first open. It runs the open sequence (the override file
// located by "-m", "-l" or "SCFPATH", or chosen by the user) and selects
// screens; dialogs and views are callbacks, so no window is needed here.

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <unordered_set>

#include "platform/message_sink.h"
#include "tessellar/document/browser_find.h"
#include "tessellar/document/document.h"
#include "tessellar/document/override_location.h"
#include "tessellar/program/directory_page.h"
#include "tessellar/settings/registry_access.h"
#include "tessellar/settings/command_line.h"

namespace document {

struct DocumentPrompts {
    OverrideLocationPrompts location;
    // A server path that no mapping covers: asks for one; false leaves the path.
    std::function<bool(std::string& path)> mapOverridePath;
    // Another customiser has the override file open for editing: the
    // question's text; true opens it for editing anyway.
    std::function<bool(const std::string& question)> openAnyway;
};

struct DocumentViews {
    std::function<void()> clearing;  // empty the browser lists and remove the canvas
    std::function<void()> loaded;    // a program was opened: show the "All" page
    std::function<void(model::CScreenModel*)> currentScreenChanged;
    std::function<void(const std::string& path)> programOpened;  // for the recent-file list
};

class CTesselDoc {
public:
    CTesselDoc(settings::RegistryAccess& registry, platform::MessageSink& sink,
               std::string temporaryRoot = platform::TempDirectory());
    ~CTesselDoc();
    CTesselDoc(const CTesselDoc&) = delete;
    CTesselDoc& operator=(const CTesselDoc&) = delete;

    void SetPrompts(DocumentPrompts prompts) { prompts_ = std::move(prompts); }
    void SetViews(DocumentViews views) { views_ = std::move(views); }
    // The colours and font entries are decoded with.
    void SetEntryInputs(EntryInputs inputs) { baseInputs_ = std::move(inputs); }

    const settings::CommandLine& CommandLineValues() const { return commandLine_; }
    // The values ("-m", "-l", "-s", "-c") belong to the program named with
    // them: the first OpenProgram after this takes them, any later open finds
    // its own override file and starts at the first row.
    void SetCommandLine(settings::CommandLine values) {
        commandLine_ = std::move(values);
        commandLineTaken_ = false;
    }
    // After "&Open Program" was used, the command line applies no more.
    void ClearCommandLineValues();

    // The open sequence. False when the program cannot be loaded or its
    // override file cannot be backed up; the document is then empty.
    bool OpenProgram(const std::string& path);
    // "Open Screen Customiser &File": another override file for the open
    // program, which is read again so that no view keeps the old image.
    bool OpenOverrideFile();
    // The override file read again as another program left it: the changes
    // made since opening go (the caller asks first).
    bool ReloadOverrideFile();
    void Close();

    bool HasProgram() const { return core_.HasProgram(); }
    Document& Core() { return core_; }
    const std::string& OverridePath() const { return core_.Workspace().OverridePath(); }
    const std::string& CurrentScreenName() const { return currentScreenName_; }

    program::DirectoryPage& Page(program::BrowserPage page);
    // Fills the page when it was marked for filling; returns its row count.
    std::size_t PreparePage(program::BrowserPage page);
    // A click on a row: the current row does nothing; false when the
    // selection was refused.
    bool SelectRow(program::BrowserPage page, std::size_t row);
    std::optional<std::size_t> FindNext(program::BrowserPage page, const FindRequest& request);
    model::CScreenModel* CurrentScreen() const { return currentScreen_; }

private:
    bool OpenOverridePath(std::string path);
    // The program and the override file at the path read afresh.
    bool Reopen(std::string overridePath);
    void ClearViews();
    void MarkPagesForFilling();
    // The pages of a freshly opened program refill, selecting the screen of
    // that name (the first row when there is none), and the "All" page shows.
    void ShowOpenedProgram(std::string screenName);
    program::RowSelectionHooks Hooks();
    // Decodes on first use and applies the entry's section once per decoding,
    // so that statements adding items never add them twice.
    void OpenOnce(model::CScreenModel& screen);
    void ForgetModels(const program::DirectoryPage& page);

    settings::RegistryAccess& registry_;
    platform::MessageSink& sink_;
    Document core_;
    std::array<program::DirectoryPage, 5> pages_;
    settings::CommandLine commandLine_;
    bool commandLineTaken_ = false;
    EntryInputs baseInputs_;
    DocumentPrompts prompts_;
    DocumentViews views_;
    std::string currentScreenName_;
    model::CScreenModel* currentScreen_ = nullptr;
    std::unordered_set<const model::CScreenModel*> opened_;
};

}  // namespace document
