#include "tessellar/program/directory_page.h"

#include "tessellar/program/image/chain_walk.h"
#include "tessellar/program/image/program_header.h"
#include "tessellar/program/program_texts.h"

namespace program {

namespace {

// Keeps the row in view with up to three rows above it.
constexpr std::size_t kRowsShownAboveSelection = 3;

model::ModelKind KindOf(EntryClass entryClass) {
    switch (entryClass) {
        case EntryClass::Menu: return model::ModelKind::Menu;
        case EntryClass::Procedure: return model::ModelKind::Procedure;
        default: return model::ModelKind::Screen;
    }
}

}  // namespace

bool PageLists(BrowserPage page, EntryClass entryClass) {
    if (entryClass == EntryClass::NotListed) return false;
    switch (page) {
        case BrowserPage::Screens:
            return entryClass == EntryClass::Screen || entryClass == EntryClass::ReviewScreen;
        case BrowserPage::DataGrids: return entryClass == EntryClass::DataGrid;
        case BrowserPage::Procedures: return entryClass == EntryClass::Procedure;
        case BrowserPage::Menus: return entryClass == EntryClass::Menu;
        case BrowserPage::All: return true;
    }
    return false;
}

const char* EmptyPageMessage(BrowserPage page) {
    switch (page) {
        case BrowserPage::Screens: return texts::kNoScreen;
        case BrowserPage::DataGrids: return texts::kNoDataGrid;
        case BrowserPage::Procedures: return texts::kNoProcedure;
        case BrowserPage::Menus: return texts::kNoMenu;
        case BrowserPage::All: break;
    }
    return "";
}

const char* PageCaption(BrowserPage page) {
    switch (page) {
        case BrowserPage::Screens: return "Screens";
        case BrowserPage::DataGrids: return "Data Grids";
        case BrowserPage::Procedures: return "Procedures";
        case BrowserPage::Menus: return "Menus";
        case BrowserPage::All: return "All";
    }
    return "";
}

std::size_t FillDirectoryPage(DirectoryPage& page, const ProgramImage& image,
                              std::string_view currentScreenName, platform::MessageSink& sink,
                              const RowSelectionHooks& hooks) {
    ClearDirectoryPage(page);
    page.needsFilling_ = false;
    const ProgramHeader header = ReadProgramHeader(image);

    std::optional<std::size_t> matchingRow;
    for (ChainWalk walk(image, header.firstEntry, entry_field::kNext); std::uint32_t entry = walk.Next();) {
        const EntryClass entryClass = ClassifyEntry(image, entry);
        if (!PageLists(page.Page(), entryClass)) continue;

        const std::size_t index = page.rows_.size();
        DirectoryRow row;
        row.sequence = static_cast<int>(index);
        row.sequenceText = std::to_string(index);
        row.typeText = EntryTypeText(entryClass);
        row.name = ReadEntryName(image, entry);
        row.identifier = page.nextIdentifier_++;
        if (row.name == currentScreenName) matchingRow = index;

        page.models_.push_back(std::make_unique<model::CScreenModel>(
            row.name, row.identifier, &image, entry, header.programModes, KindOf(entryClass)));
        page.rows_.push_back(std::move(row));
    }
    if (page.rows_.empty()) return 0;

    const std::size_t initialRow = matchingRow.value_or(0);
    SelectRow(page, initialRow, sink, hooks);
    page.firstVisibleRow_ = initialRow > kRowsShownAboveSelection ? initialRow - kRowsShownAboveSelection : 0;
    return page.rows_.size();
}

model::CScreenModel* FindModel(const DirectoryPage& page, int identifier) {
    for (const auto& model : page.Models()) {
        if (model->Identifier() == identifier) return model.get();
    }
    return nullptr;
}

bool SelectRow(DirectoryPage& page, std::size_t row, platform::MessageSink& sink,
               const RowSelectionHooks& hooks) {
    if (row >= page.rows_.size()) return false;
    if (page.selectedRow_ && *page.selectedRow_ != row) {
        const model::CScreenModel* earlier = FindModel(page, page.rows_[*page.selectedRow_].identifier);
        if (earlier != nullptr && earlier->EditWindowOpen()) {
            sink.ShowMessage(texts::kEditWindowOpen);
            return false;
        }
    }
    page.selectedRow_ = row;
    page.foundRow_ = row;

    model::CScreenModel* model = FindModel(page, page.rows_[row].identifier);
    if (model == nullptr) return true;
    // Without a decoder the model stays undecoded, and says so.
    if (model->NeedsDecoding() && hooks.decode) {
        hooks.decode(*model);
        model->SetNeedsDecoding(false);
    }
    if (hooks.applyOverrides) hooks.applyOverrides(*model);
    if (hooks.currentScreenChanged) hooks.currentScreenChanged(*model);
    return true;
}

void ClearDirectoryPage(DirectoryPage& page) {
    page.rows_.clear();
    page.models_.clear();
    page.nextIdentifier_ = 1;
    page.selectedRow_.reset();
    page.foundRow_.reset();
    page.firstVisibleRow_ = 0;
}

}  // namespace program
