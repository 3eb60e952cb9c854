// The canvas's commands: texts, enabled states and the rename editor's place.

#include "tessellar/canvas/interaction/canvas_commands.h"

#include <algorithm>

#include "tessellar/canvas/interaction/interaction_texts.h"
#include "tessellar/lists/suppressed_fields.h"

namespace canvas::interaction {

bool AlignmentOf(CanvasCommand command, Alignment& alignment) {
    switch (command) {
        case CanvasCommand::AlignLeft: alignment = Alignment::Left; return true;
        case CanvasCommand::AlignRight: alignment = Alignment::Right; return true;
        case CanvasCommand::AlignTop: alignment = Alignment::Top; return true;
        case CanvasCommand::AlignBottom: alignment = Alignment::Bottom; return true;
        case CanvasCommand::MakeSameWidth: alignment = Alignment::SameWidth; return true;
        case CanvasCommand::SpaceEvenlyDown: alignment = Alignment::SpaceEvenlyDown; return true;
        default: return false;
    }
}

std::string_view CommandText(CanvasCommand command) {
    if (command == CanvasCommand::UnsuppressField) return texts::kUnsuppressFieldText;
    if (command == CanvasCommand::SelectAll) return texts::kSelectAllText;
    if (command >= CanvasCommand::AlignLeft) {
        return texts::kAlignTexts[static_cast<int>(command) - static_cast<int>(CanvasCommand::AlignLeft)];
    }
    return texts::kCommandTexts[static_cast<int>(command)];
}

bool CommandEnabled(CanvasCommand command, const CanvasInteraction& interaction, const model::CScreenModel& model) {
    const SelectionKind kind = interaction.SelectedKind();
    const bool rightClick = interaction.LastRightClick().has_value();
    switch (command) {
        case CanvasCommand::AddDatabaseField:
        case CanvasCommand::AddGlobalField:
        case CanvasCommand::AddLocalField:
        case CanvasCommand::AddPrompt: return rightClick;
        case CanvasCommand::AddBox:
        case CanvasCommand::AddMode:
        case CanvasCommand::ScreenTitle: return true;
        case CanvasCommand::ModifyConfirm: return !model.Confirms().Empty();
        case CanvasCommand::ModeFromList: return !model.Modes().Empty();
        case CanvasCommand::Suppress:
        case CanvasCommand::Properties:
            return kind == SelectionKind::Display || kind == SelectionKind::Accept || kind == SelectionKind::Option ||
                   kind == SelectionKind::Mode || kind == SelectionKind::Box;
        case CanvasCommand::Unsuppress: return static_cast<bool>(interaction.SuppressedUnderRightClick());
        case CanvasCommand::Rename: return kind == SelectionKind::Display;
        case CanvasCommand::FieldTrigger: return kind == SelectionKind::Accept;
        case CanvasCommand::DisplayTrigger: return kind == SelectionKind::Display;
        case CanvasCommand::OptionTrigger: return kind == SelectionKind::Option;
        case CanvasCommand::ModeTrigger: return kind == SelectionKind::Mode;
        case CanvasCommand::ModeTriggerFromList: return !model.Modes().Empty();
        case CanvasCommand::ScreenTrigger: return true;
        // The lists they open would not be empty.
        case CanvasCommand::AddDataEntryField:
            return lists::HasSuppressedFields(model, lists::SuppressedListUse::DataEntryFields);
        case CanvasCommand::UnsuppressField:
            return lists::HasSuppressedFields(model, lists::SuppressedListUse::AllSuppressed);
        case CanvasCommand::SelectAll: return true;
        // Only when lining up would change something.
        case CanvasCommand::AlignLeft:
        case CanvasCommand::AlignRight:
        case CanvasCommand::AlignTop:
        case CanvasCommand::AlignBottom:
        case CanvasCommand::MakeSameWidth:
        case CanvasCommand::SpaceEvenlyDown: {
            Alignment alignment = Alignment::Left;
            AlignmentOf(command, alignment);
            return !PlanAlignment(alignment, interaction.Members(), interaction.Context()).outcomes.empty();
        }
    }
    return false;
}

PixelRect RenameEditorRect(const CellRect& item, int textLength, CellSize cell) {
    const int length = std::clamp(textLength, 0, kRenameLimit);
    const PixelRect pixels = item.Pixels(cell);
    return {pixels.left, pixels.top, std::max(pixels.right, pixels.left + length * cell.width), pixels.bottom};
}

}  // namespace canvas::interaction
