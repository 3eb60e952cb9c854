// Options, modes, confirms, the screen window, boxes and messages.

#include <algorithm>
#include <cstdint>

#include "platform/message_format.h"
#include "tessellar/overrides/apply_statement.h"
#include "tessellar/overrides/item_placement.h"
#include "tessellar/overrides/item_resolution.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/value_readers.h"

namespace overrides {

namespace {

using model::IdentificationKind;

// A new mode goes after the last one of the mode line.
model::CModeItem& AddModeToModeLine(model::CScreenModel& model, std::string_view label) {
    model::ModePlacement previous;
    model::CModeItem& mode = model.AddMode(&previous);
    mode.position = model.ModeLine();
    if (previous.position.IsSet()) {
        mode.position = {previous.position.row, ClampCell(std::int64_t{previous.position.column} + previous.width)};
    }
    mode.width = static_cast<int>(std::min<std::size_t>(label.size(), model::kNameLength)) + 1;
    return mode;
}

model::CModeItem* CreateScreenMode(model::CScreenModel& model, const ItemIdentifier& id) {
    if (id.identificationKind != static_cast<int>(IdentificationKind::Name) &&
        id.identificationKind != static_cast<int>(IdentificationKind::OriginalText)) {
        return nullptr;
    }
    model::CModeItem& mode = AddModeToModeLine(model, id.text);
    mode.label.SetBoth(id.text);
    mode.SetIdentifier(id.text);
    mode.identification = static_cast<IdentificationKind>(id.identificationKind);
    mode.added = true;
    return &mode;
}

model::CModeItem& CopyProgramMode(model::CScreenModel& model, const model::CModeItem& programMode) {
    model::CModeItem& mode = AddModeToModeLine(model, programMode.label.Current());
    mode.label.SetOriginal(programMode.label.Original());
    mode.label.SetCurrent(programMode.label.Current());
    mode.help.SetOriginal(programMode.help.Original());
    mode.help.SetCurrent(programMode.help.Current());
    mode.labelSource = programMode.labelSource;
    mode.SetIdentifier(programMode.identifier);
    mode.identification = programMode.identification;
    mode.colours = programMode.colours;
    return mode;
}

// The modes after a removed one close the gap it leaves on the mode line.
void RemoveScreenMode(model::CScreenModel& model, model::CModeItem& mode) {
    const model::CellPosition gap = mode.position;
    const int width = mode.width;
    model.Modes(model::ModeList::Screen).Remove(&mode);
    for (model::CModeItem& other : model.Modes(model::ModeList::Screen)) {
        if (other.position.row == gap.row && other.position.column > gap.column) {
            other.position.column = ClampCell(std::int64_t{other.position.column} - width);
        }
    }
}

}  // namespace

void ApplyOption(model::CScreenModel& model, const OverrideStatement& statement, StatementOutcome* outcome) {
    model::COptionItem* item = ResolveOption(model, statement.identifier);
    if (item == nullptr) return;
    if (outcome != nullptr) outcome->option = item;
    const ItemOverrides& o = statement.overrides;
    if (o.suppressed != kNotGiven) item->suppressed.SetCurrent(o.suppressed == 1);
    if (o.coordinateGiven) item->position.SetCurrent(RelativePosition(model, o.row, o.column));
    if (o.textGiven) item->label.SetCurrent(o.text);
    if (o.helplineGiven) item->help.SetCurrent(o.helpline);
}

void ApplyMode(model::CScreenModel& model, const OverrideStatement& statement, StatementOutcome* outcome) {
    const ItemIdentifier& id = statement.identifier;
    const ItemOverrides& o = statement.overrides;
    model::CModeItem* screenMode = ResolveMode(model, id, model::ModeList::Screen);
    model::CModeItem* programMode = ResolveMode(model, id, model::ModeList::ProgramWide);
    if (screenMode == nullptr) {
        if (o.added == 1) {
            screenMode = CreateScreenMode(model, id);
            if (outcome != nullptr) outcome->created = screenMode != nullptr;
        } else if (programMode != nullptr) {
            screenMode = &CopyProgramMode(model, *programMode);
        }
    }
    if (screenMode == nullptr) return;
    if (outcome != nullptr) outcome->mode = screenMode;

    for (model::CModeItem* mode : {screenMode, programMode}) {
        if (mode == nullptr) continue;
        if (o.suppressed != kNotGiven) mode->suppressed.SetCurrent(o.suppressed == 1);
        if (o.textGiven) mode->label.SetCurrent(o.text);
        if (o.helplineGiven) mode->help.SetCurrent(o.helpline);
    }
    if (o.added == 0 && screenMode->added) {
        RemoveScreenMode(model, *screenMode);
        if (outcome != nullptr) outcome->removed = true;
    }
}

void ApplyConfirm(model::CScreenModel& model, const OverrideStatement& statement, StatementOutcome* outcome) {
    const ItemIdentifier& id = statement.identifier;
    model::CConfirmItem* item = ResolveConfirm(model, id);
    if (item == nullptr) {
        item = &model.AddConfirm();
        item->question.SetBoth(id.text);
        if (outcome != nullptr) outcome->created = true;
    }
    if (outcome != nullptr) outcome->confirm = item;
    const ItemOverrides& o = statement.overrides;
    if (o.suppressed != kNotGiven) item->suppressed.SetCurrent(o.suppressed == 1);
    if (o.defaultGiven) item->defaultAnswer.SetCurrent(o.defaultText);
    if (o.textGiven) item->question.SetCurrent(o.text);
}

void ApplyWindow(model::CScreenModel& model, const OverrideStatement& statement, StatementOutcome* outcome) {
    const ItemOverrides& o = statement.overrides;
    if (outcome != nullptr) outcome->screen = true;
    model::CScreenWnd* frame = model.Frame();
    if (o.titleGiven) {
        model.Title().SetCurrent(o.title);
        if (frame != nullptr) frame->TitleBar().title.SetCurrent(o.title);
    }
    // A size of no cells, or beyond any screen, is no size: the frame stays.
    const bool sensibleSize = o.windowWidth >= 1 && o.windowWidth <= kLargestScreenCells && o.windowHeight >= 1 &&
                              o.windowHeight <= kLargestScreenCells;
    if (o.windowSizeGiven && sensibleSize && frame != nullptr) {
        frame->Resize(o.windowHeight, o.windowWidth);
        FitReviewAreaToFrame(model);
    } else if (o.windowSizeGiven && outcome != nullptr) {
        outcome->refused |= refused::kWindowSize;
    }
    if (o.defaultGiven) {
        model::ItemList<model::CModeItem>& modes = model.Modes(model::ModeList::Screen);
        model::CModeItem* chosen =
            modes.FindIf([&](const model::CModeItem& mode) { return mode.identifier == o.defaultText; });
        if (chosen != nullptr) {
            for (model::CModeItem& mode : modes) mode.isDefault = &mode == chosen;
        }
    }
}

void ApplyBox(model::CScreenModel& model, const OverrideStatement& statement, StatementOutcome* outcome) {
    const ItemIdentifier& id = statement.identifier;
    const ItemOverrides& o = statement.overrides;
    // A box is known by both corners; the batch tool's blocks give the top
    // left alone, and then never add one.
    model::CBoxItem* box =
        o.coordinateGiven ? ResolveBox(model, id, o.row, o.column) : ResolveBoxByTopLeft(model, id);
    if (box == nullptr && o.coordinateGiven && o.added != 0 && id.identificationKind == static_cast<int>(IdentificationKind::OriginalCoordinate)) {
        box = &model.AddBox();
        box->compiled = {id.column, id.row, o.column, o.row};
        const model::CellPosition topLeft = RelativePosition(model, id.row, id.column);
        const model::CellPosition bottomRight = RelativePosition(model, o.row, o.column);
        box->corners.SetBoth({topLeft.column, topLeft.row, bottomRight.column, bottomRight.row});
        box->added = true;
        if (outcome != nullptr) outcome->created = true;
    }
    if (box == nullptr) return;
    if (outcome != nullptr) outcome->box = box;
    if (o.suppressed != kNotGiven) box->suppressed.SetCurrent(o.suppressed == 1);
    if (o.titleGiven) box->title.SetCurrent(o.title);
    if (o.added == 0 && box->added) {
        model.Boxes().Remove(box);
        if (outcome != nullptr) outcome->removed = true;
    }
}

void ApplyMessage(model::CScreenModel& model, const OverrideStatement& statement, platform::MessageSink& sink,
                  StatementOutcome* outcome) {
    const ItemOverrides& o = statement.overrides;
    if (!o.textGiven) return;
    const std::vector<model::CMessageItem*> messages = ResolveMessages(model, statement.identifier);
    for (model::CMessageItem* message : messages) {
        message->text.SetCurrent(o.text);
        message->editedText = message->text.Current();
    }
    int matched = static_cast<int>(messages.size());
    if (matched == 0 && statement.identifier.identificationKind == static_cast<int>(IdentificationKind::OriginalText)) {
        // The batch tool renames one text of a message joined from several:
        // with no whole message of that text, the messages holding it as a
        // part take the new text in its place.
        for (model::CMessageItem& message : model.Messages()) {
            if (message.RenamePart(statement.identifier.text, o.text)) ++matched;
        }
    }
    if (outcome != nullptr) outcome->messages = matched;
    if (matched == 0) sink.ShowMessage(platform::FormatText(texts::kCouldNotOverrideMessage, o.text.c_str()));
}

}  // namespace overrides
