#pragma once
// The program browser's five pages: which directory entries each lists, the
// rows it shows and the screen models it owns. A list widget only displays
// a page; every decision is made here.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/program/image/directory_entry.h"
#include "tessellar/program/image/program_image.h"

namespace program {

enum class BrowserPage : int { Screens = 1, DataGrids = 2, Procedures = 3, Menus = 4, All = 5 };
inline constexpr BrowserPage kBrowserPages[] = {BrowserPage::Screens, BrowserPage::DataGrids,
                                                BrowserPage::Procedures, BrowserPage::Menus,
                                                BrowserPage::All};

bool PageLists(BrowserPage page, EntryClass entryClass);
// The text shown when a page lists nothing; empty for the page of all entries.
const char* EmptyPageMessage(BrowserPage page);
// The page's tab caption.
const char* PageCaption(BrowserPage page);

struct DirectoryRow {
    int sequence = 0;          // counts from 0 in directory order among this page's rows
    std::string sequenceText;  // the sequence number as shown ("%d")
    std::string typeText;
    std::string name;
    int identifier = 0;        // the row's model; unique within the page for any row count
};

// What happens when a row becomes the selected row; every step is optional.
struct RowSelectionHooks {
    std::function<void(model::CScreenModel&)> decode;              // first use of the model
    std::function<void(model::CScreenModel&)> applyOverrides;      // the entry's override section
    std::function<void(model::CScreenModel&)> currentScreenChanged;  // tell the open views
};

class DirectoryPage {
public:
    explicit DirectoryPage(BrowserPage page) : page_(page) {}

    BrowserPage Page() const { return page_; }
    const std::vector<DirectoryRow>& Rows() const { return rows_; }
    const std::vector<std::unique_ptr<model::CScreenModel>>& Models() const { return models_; }

    std::optional<std::size_t> SelectedRow() const { return selectedRow_; }
    std::optional<std::size_t> FoundRow() const { return foundRow_; }
    void SetFoundRow(std::optional<std::size_t> row) { foundRow_ = row; }
    // The row scrolled to the top when the page was filled.
    std::size_t FirstVisibleRow() const { return firstVisibleRow_; }

    // Opening a program marks every page to be filled again when next shown.
    bool NeedsFilling() const { return needsFilling_; }
    void MarkForFilling() { needsFilling_ = true; }

private:
    friend std::size_t FillDirectoryPage(DirectoryPage&, const ProgramImage&, std::string_view,
                                         platform::MessageSink&, const RowSelectionHooks&);
    friend bool SelectRow(DirectoryPage&, std::size_t, platform::MessageSink&, const RowSelectionHooks&);
    friend void ClearDirectoryPage(DirectoryPage&);

    BrowserPage page_;
    std::vector<DirectoryRow> rows_;
    std::vector<std::unique_ptr<model::CScreenModel>> models_;  // row order; the page owns them
    int nextIdentifier_ = 1;
    std::optional<std::size_t> selectedRow_;
    std::optional<std::size_t> foundRow_;
    std::size_t firstVisibleRow_ = 0;
    bool needsFilling_ = true;
};

// Clears the page, then lists every entry of the page's classes in chain
// order, one model per row, and selects the last row whose name equals the
// current screen name (row 0 when none does). Returns the number of rows;
// on 0 the caller shows the page's empty message.
std::size_t FillDirectoryPage(DirectoryPage& page, const ProgramImage& image,
                              std::string_view currentScreenName, platform::MessageSink& sink,
                              const RowSelectionHooks& hooks = {});

// The model of a row's identifier, or nullptr.
model::CScreenModel* FindModel(const DirectoryPage& page, int identifier);

// Makes a row the selected row, unless the earlier row's override section is
// open in an editor: then the user is told and the earlier row stays. Decodes
// the model on first use and applies its overrides through the hooks.
// Returns whether the requested row is now selected.
bool SelectRow(DirectoryPage& page, std::size_t row, platform::MessageSink& sink,
               const RowSelectionHooks& hooks = {});

// Deletes every row and model and resets the page.
void ClearDirectoryPage(DirectoryPage& page);

}  // namespace program
