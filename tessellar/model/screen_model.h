#pragma once
// One listed screen, menu or procedure: created undecoded when the program
// browser lists its row, decoded into its frame and items on first use. The
// model owns every item list and deletes the items in list order.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tessellar/model/accept_field.h"
#include "tessellar/model/box_item.h"
#include "tessellar/model/cell_position.h"
#include "tessellar/model/colour_table.h"
#include "tessellar/model/confirm_item.h"
#include "tessellar/model/display_text.h"
#include "tessellar/model/field_entry.h"
#include "tessellar/model/font_description.h"
#include "tessellar/model/item_list.h"
#include "tessellar/model/message_item.h"
#include "tessellar/model/mode_item.h"
#include "tessellar/model/option_item.h"
#include "tessellar/model/review_area.h"
#include "tessellar/model/screen_window.h"
#include "tessellar/model/trigger_slots.h"
#include "tessellar/program/image/program_image.h"

namespace model {

// What the model draws: the code keeps the values the compiled program uses.
enum class ModelKind : int { Procedure = 1, Screen = 2, Menu = 3 };

// The three field lists offered for adding fields and building triggers.
enum class FieldList { RecordSource, ScreenLocal, Program };

// Mode look-ups search the screen's mode line or the program-wide modes.
enum class ModeList { Screen, ProgramWide };

// How the data grid's items are moved to their columns: decoding places
// them as compiled, originals included; a later re-layout (an item moved
// into or out of the grid, hidden or shown) moves current positions only,
// so the originals stay as decoded.
enum class GridPlacement { AsDecoded, CurrentOnly };

// Where the last mode of the mode line sits, for placing the next one.
struct ModePlacement {
    CellPosition position;
    int width = 0;
};

class CScreenModel {
public:
    CScreenModel(std::string name, int identifier, const program::ProgramImage* image,
                 std::uint32_t entry, std::uint32_t programModes, ModelKind kind);
    ~CScreenModel();
    CScreenModel(const CScreenModel&) = delete;
    CScreenModel& operator=(const CScreenModel&) = delete;

    // Identity and program, set by the browser.
    const std::string& Name() const { return name_; }
    int Identifier() const { return identifier_; }
    const program::ProgramImage* Image() const { return image_; }
    std::uint32_t Entry() const { return entry_; }
    std::uint32_t ProgramModes() const { return programModes_; }
    ModelKind Kind() const { return kind_; }

    bool NeedsDecoding() const { return needsDecoding_; }
    void SetNeedsDecoding(bool needs) { needsDecoding_ = needs; }

    // Set while the user edits this entry's override section in a text editor.
    bool EditWindowOpen() const { return editWindowOpen_; }
    void SetEditWindowOpen(bool open) { editWindowOpen_ = open; }

    // The colour scheme and screen font items are built with.
    const ColourTable& Colours() const { return colours_; }
    void SetColourTable(const ColourTable& table) { colours_ = table; }
    const std::optional<FontDescription>& CustomFont() const { return customFont_; }
    void SetCustomFont(std::optional<FontDescription> font) { customFont_ = std::move(font); }

    // Screen values that decoding sets.
    CellPosition Origin() const { return origin_; }  // (-1, -1) until decoded
    void SetOrigin(CellPosition origin) { origin_ = origin; }
    TrackedText& Title() { return title_; }
    const TrackedText& Title() const { return title_; }
    int OptionWidth() const { return optionWidth_; }  // -1 = automatic
    void SetOptionWidth(int width) { optionWidth_ = width; }
    int LongestOptionLength() const { return longestOptionLength_; }
    void SetLongestOptionLength(int length) { longestOptionLength_ = length; }
    // The review word: nonzero when the screen has a review area; its low
    // byte holds the screen flags.
    bool HasReview() const { return review_; }
    std::uint16_t ReviewWord() const { return reviewWord_; }
    void SetReviewWord(std::uint16_t word);
    std::uint8_t ScreenFlags() const { return static_cast<std::uint8_t>(reviewWord_ & 0xFF); }
    bool IsDataGrid() const { return (ScreenFlags() & CReviewArea::kDataGridFlag) != 0; }
    CellPosition ModeLine() const { return modeLine_; }  // relative to the origin
    void SetModeLine(CellPosition position) { modeLine_ = position; }

    // The frame: the first screen window, or null before decoding.
    CScreenWnd& CreateFrame();
    CScreenWnd* Frame() { return frames_.First(); }
    const CScreenWnd* Frame() const { return frames_.First(); }

    // Screen load and screen exit.
    TriggerSlots& ScreenTriggers() { return screenTriggers_; }
    const TriggerSlots& ScreenTriggers() const { return screenTriggers_; }

    // The override section file that commands write, and scratch text for them.
    const std::string& OverridePath() const { return overridePath_; }
    void SetOverridePath(std::string path) { overridePath_ = std::move(path); }
    std::string& CommandScratch() { return commandScratch_; }

    // The item lists, in creation order.
    ItemList<CAcceptFld>& Accepts() { return accepts_; }
    const ItemList<CAcceptFld>& Accepts() const { return accepts_; }
    ItemList<CDispText>& Displays() { return displays_; }
    const ItemList<CDispText>& Displays() const { return displays_; }
    ItemList<COptionItem>& Options() { return options_; }
    const ItemList<COptionItem>& Options() const { return options_; }
    ItemList<CBoxItem>& Boxes() { return boxes_; }
    const ItemList<CBoxItem>& Boxes() const { return boxes_; }
    ItemList<CModeItem>& Modes(ModeList list = ModeList::Screen);
    const ItemList<CModeItem>& Modes(ModeList list = ModeList::Screen) const;
    // The modes of the mode line set aside when an application mode order rebuilt it.
    ItemList<CModeItem>& SetAsideModes() { return setAsideModes_; }
    const ItemList<CModeItem>& SetAsideModes() const { return setAsideModes_; }
    ItemList<CConfirmItem>& Confirms() { return confirms_; }
    const ItemList<CConfirmItem>& Confirms() const { return confirms_; }
    ItemList<CMessageItem>& Messages() { return messages_; }
    const ItemList<CMessageItem>& Messages() const { return messages_; }
    ItemList<CFieldEntry>& Fields(FieldList list);
    const ItemList<CFieldEntry>& Fields(FieldList list) const;
    // The record source list's caption: the variable group's name and ":".
    const std::string& RecordSourceCaption() const { return recordSourceCaption_; }
    void SetRecordSourceCaption(std::string_view caption) { recordSourceCaption_ = platform::CutText(caption, kNameLength); }
    CReviewArea* ReviewArea() { return reviewArea_.get(); }
    const CReviewArea* ReviewArea() const { return reviewArea_.get(); }

    // Each Add appends a new item, built with the screen's font, and returns it.
    CAcceptFld& AddAccept();
    CDispText& AddDisplay();
    COptionItem& AddOption();
    CBoxItem& AddBox();
    // A mode of the mode line; previous, when given, receives where the mode
    // before it sits (unset position and width 0 for the first).
    CModeItem& AddMode(ModePlacement* previous = nullptr);
    CModeItem& AddProgramMode();
    CConfirmItem& AddConfirm();
    CMessageItem& AddMessage(MessageKind kind);
    CFieldEntry& AddFieldEntry(FieldList list, std::string_view name);
    CFieldEntry& FindOrAddFieldEntry(FieldList list, std::string_view name);
    // Replaces any earlier review area; items lose their link to the old one.
    CReviewArea& CreateReviewArea();
    // Moves the modes of the mode line to the set-aside list.
    void SetAsideScreenModes();

    // Data grid: RegisterGridColumn gives the item a column keyed by its
    // compiled column; PlaceGridItems packs the columns and moves every item
    // of the grid to its column. Registering many items and placing them
    // once costs the same as placing after each.
    void RegisterGridColumn(FieldItem& item, std::string_view title);
    // A grid item placed at a column (relative to the screen origin): at or
    // beyond the end of the other columns it becomes the last column; on a
    // column of its own it stays. An item the user added is always last.
    void MoveGridItem(FieldItem& item, int column);
    void UnregisterGridColumn(FieldItem& item);
    void PlaceGridItems(GridPlacement placement = GridPlacement::AsDecoded);
    // Puts the grid's columns in the order `order` gives (indices into the
    // column list) and moves the items' current positions to their columns.
    void OrderGridColumns(const std::vector<std::size_t>& order);

    // Look-ups: the first match in list order, texts compared exactly.
    CDispText* FindDisplayByName(std::string_view name) const;
    CDispText* FindDisplayByOriginalText(std::string_view text) const;
    CAcceptFld* FindAcceptByName(std::string_view name) const;
    COptionItem* FindOptionByName(std::string_view name) const;
    // Modes identified by name (kind 1), by original label (kind 2) or by
    // their place on the mode line (kind 4).
    CModeItem* FindModeByIdentifier(std::string_view identifier, ModeList list = ModeList::Screen) const;
    CModeItem* FindModeByOriginalLabel(std::string_view label, ModeList list = ModeList::Screen) const;
    CModeItem* FindModeByPosition(CellPosition position, ModeList list = ModeList::Screen) const;
    CFieldEntry* FindFieldEntry(FieldList list, std::string_view name) const;
    CConfirmItem* FindConfirmByQuestion(std::string_view question) const;

    // Takes every value that decoding and overrides give from another model
    // of the same entry: the screen values, the frame and each item list
    // copied item by item, with the copies linked to this model's review
    // area and its columns to the copied items. Identity, the override
    // section path and the edit window flag stay this model's own.
    void CopyContentsFrom(const CScreenModel& source);

    // Tears down every list in list order, the frame with its title bar and
    // the review area, and forgets the override section path.
    void DestroyItems();

private:
    std::string name_;
    int identifier_;
    const program::ProgramImage* image_;  // not owned
    std::uint32_t entry_;                 // the DirectoryEntry's offset in the image
    std::uint32_t programModes_;          // the program-wide mode chain
    ModelKind kind_;
    bool needsDecoding_ = true;
    bool editWindowOpen_ = false;

    ColourTable colours_;
    std::optional<FontDescription> customFont_;

    CellPosition origin_;
    TrackedText title_{kNameLength};
    int optionWidth_ = -1;
    int longestOptionLength_ = 0;
    bool review_ = false;
    std::uint16_t reviewWord_ = 0;
    CellPosition modeLine_;

    TriggerSlots screenTriggers_{{TriggerPoint::ScreenLoad, TriggerPoint::ScreenExit}, kScreenRunLineLength};
    std::string overridePath_;
    std::string commandScratch_;

    ItemList<CScreenWnd> frames_;
    ItemList<CAcceptFld> accepts_;
    ItemList<CDispText> displays_;
    ItemList<COptionItem> options_;
    ItemList<CBoxItem> boxes_;
    ItemList<CModeItem> modes_;
    ItemList<CModeItem> setAsideModes_;
    ItemList<CModeItem> programModeItems_;
    ItemList<CConfirmItem> confirms_;
    ItemList<CMessageItem> messages_;
    ItemList<CFieldEntry> recordSourceFields_;
    ItemList<CFieldEntry> localFields_;
    ItemList<CFieldEntry> programFields_;
    std::string recordSourceCaption_;
    std::unique_ptr<CReviewArea> reviewArea_;
};

}  // namespace model
