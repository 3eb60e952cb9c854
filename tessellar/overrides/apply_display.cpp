#include <string>

#include "tessellar/pictures/picture_compiler.h"
#include "tessellar/overrides/apply_statement.h"
#include "tessellar/overrides/item_placement.h"
#include "tessellar/overrides/item_resolution.h"

namespace overrides {

namespace {

using model::IdentificationKind;

// The colours of displays the customiser creates.
constexpr model::ColourPair kAddedFieldColours{0x800000, 0xFFFFFF};
constexpr model::ColourPair kAddedPromptColours{0x000000, 0xC0C0C0};
constexpr int kAddedDisplayWidth = 2;

// The program's field of that name: local, then global, then database.
model::CFieldEntry* ProgramField(model::CScreenModel& model, const std::string& name) {
    if (name.empty()) return nullptr;
    for (model::FieldList list : {model::FieldList::ScreenLocal, model::FieldList::Program,
                                  model::FieldList::RecordSource}) {
        if (model::CFieldEntry* entry = model.FindFieldEntry(list, name)) return entry;
    }
    return nullptr;
}

void PlaceCreated(model::CScreenModel& model, model::CDispText& item, const ItemIdentifier& id) {
    item.compiled = {id.row, id.column};
    item.position.SetBoth(RelativePosition(model, id.row, id.column));
}

model::CDispText* CreateDisplay(model::CScreenModel& model, const ItemIdentifier& id,
                                const ItemOverrides& overrides) {
    switch (static_cast<IdentificationKind>(id.identificationKind)) {
        case IdentificationKind::Name: {
            model::CDispText& item = model.AddDisplay();
            item.identification = IdentificationKind::Name;
            item.SetName(id.text);
            item.text.SetBoth(id.text);
            item.source = model::TextSource::Variable;
            item.dataDisplay = true;
            const model::CFieldEntry* field = ProgramField(model, item.name);
            item.width.SetBoth(field != nullptr ? field->width : 1);
            if (field != nullptr) {
                item.picture.SetBoth(field->defaultPicture);
                item.SetDefaultPicture(field->defaultPicture);
                item.typeLetter = field->typeLetter;
            }
            item.colours.SetBoth(kAddedFieldColours);
            if (overrides.coordinateGiven) {
                ItemIdentifier at = id;
                at.row = overrides.row;
                at.column = overrides.column;
                PlaceCreated(model, item, at);
            } else {
                item.position.SetBoth({0, 0});
            }
            item.added = true;
            return &item;
        }
        case IdentificationKind::AddedPrompt: {
            model::CDispText& item = model.AddDisplay();
            item.identification = IdentificationKind::AddedPrompt;
            item.text.SetBoth(id.text);
            item.source = model::TextSource::TextNumber;
            item.width.SetBoth(static_cast<int>(item.text.Current().size()));
            item.colours.SetBoth(kAddedPromptColours);
            item.attributes.SetBoth(model::attribute::kBackground);
            PlaceCreated(model, item, id);
            item.added = true;
            return &item;
        }
        case IdentificationKind::AddedDisplay: {
            model::CDispText& item = model.AddDisplay();
            item.identification = IdentificationKind::AddedDisplay;
            item.tag = id.tag;
            item.dataDisplay = true;
            item.width.SetBoth(kAddedDisplayWidth);
            PlaceCreated(model, item, id);
            item.added = true;
            return &item;
        }
        default:
            return nullptr;
    }
}

// The bits no attribute word names (set by decoding) stay as they are: a
// statement cannot express them, so it cannot mean to clear them.
model::AttributeFlags NamedAttributeBits() {
    model::AttributeRecord all;
    all.bold = all.background = all.blink = all.underline = all.inverse = all.fixed = true;
    all.italic = all.left = all.center = all.right = all.sunken = all.border = true;
    return model::RecordToAttributes(all);
}

void RemoveDisplay(model::CScreenModel& model, model::CDispText& item) {
    TakeOutOfDataGrid(model, item);
    model.Displays().Remove(&item);
}

}  // namespace

void ApplyDisplay(model::CScreenModel& model, const OverrideStatement& statement, StatementOutcome* outcome) {
    const ItemIdentifier id = DisplayIdentifier(statement);
    const ItemOverrides& o = statement.overrides;
    model::CDispText* item = ResolveDisplay(model, id);
    if (item == nullptr && o.added != 0) {
        item = CreateDisplay(model, id, o);
        if (outcome != nullptr) outcome->created = item != nullptr;
    }
    if (item == nullptr) return;
    if (outcome != nullptr) outcome->display = item;

    if (o.suppressed != kNotGiven) item->suppressed.SetCurrent(o.suppressed == 1);
    if (o.pictureGiven) {
        item->picture.SetCurrent(o.picture);
        item->width.SetCurrent(pictures::PictureWidth(item->picture.Current()));
    }
    if (o.coordinateGiven) MoveFieldItem(model, *item, RelativePosition(model, o.row, o.column));
    if (o.columnNumberGiven) item->columnNumber.SetCurrent(o.columnNumber);
    // A scale outside what the property page accepts would draw nothing
    // sensible; the compiled scale stays.
    if (o.scale >= model::kMinimumScale && o.scale <= model::kMaximumScale) {
        item->scale.SetCurrent(o.scale);
    } else if (o.scale != -1 && outcome != nullptr) {
        outcome->refused |= refused::kScale;
    }
    if (o.attributes != -1) {
        const model::AttributeFlags named = NamedAttributeBits();
        const auto given = static_cast<model::AttributeFlags>(o.attributes);
        item->attributes.SetCurrent((item->attributes.Current() & ~named) | (given & named));
        // The list says whether the item is a prompt, as the Styles page's Prompt box does.
        item->promptMark = o.prompt;
    }
    if (o.colourGiven) item->colours.SetCurrent(o.colours);
    if (o.textGiven) item->text.SetCurrent(o.text);
    const bool addedPrompt = item->identification == IdentificationKind::AddedPrompt;
    if (o.newPromptTextGiven) {
        // An added prompt is found by its text: the identifier follows.
        if (addedPrompt) item->text.SetOriginal(o.newPromptText);
        item->text.SetCurrent(o.newPromptText);
    }
    if (o.newPromptCoordinateGiven) {
        const model::CellPosition moved = RelativePosition(model, o.newPromptRow, o.newPromptColumn);
        if (addedPrompt) {
            item->compiled = {o.newPromptRow, o.newPromptColumn};
            item->position.SetOriginal(moved);
        }
        MoveFieldItem(model, *item, moved);
    }
    if (o.titleGiven) item->columnTitle.SetCurrent(o.title);
    if (o.added != kNotGiven) {
        if (model::CFieldEntry* field = ProgramField(model, item->name)) field->shownByDisplay = o.added == 1;
        if (o.added == 0 && item->added) {
            RemoveDisplay(model, *item);
            if (outcome != nullptr) outcome->removed = true;
            return;
        }
        item->added = o.added == 1;
    }
}

}  // namespace overrides
