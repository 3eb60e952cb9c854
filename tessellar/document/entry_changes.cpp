#include "tessellar/document/entry_changes.h"

#include "tessellar/checks/item_keys.h"
#include "tessellar/overrides/value_readers.h"

namespace document {

namespace {

// Collects the names of what changed for one item.
class Changes {
public:
    explicit Changes(std::vector<ItemChanges>& out) : out_(out) {}

    template <typename Value>
    void Check(const char* property, const Value& value) {
        if (value.Changed()) names_.emplace_back(property);
    }
    void Add(bool changed, const char* property) {
        if (changed) names_.emplace_back(property);
    }
    void Triggers(const model::TriggerSlots& slots) {
        for (const auto& [point, slot] : slots.Slots()) {
            if (slot.customised) {
                names_.push_back("trigger " + std::string(overrides::TriggerPointWord(static_cast<int>(point))));
            }
        }
    }
    // Ends one item: kept when anything changed.
    void EndItem(std::string item, std::string key) {
        if (names_.empty()) return;
        out_.push_back({std::move(item), std::move(key), std::move(names_)});
        names_.clear();
    }

private:
    std::vector<ItemChanges>& out_;
    std::vector<std::string> names_;
};

void FieldItemChanges(const model::FieldItem& item, Changes& changes) {
    changes.Add(item.added, "added");
    changes.Check("suppressed", item.suppressed);
    changes.Check("position", item.position);
    changes.Check("width", item.width);
    changes.Check("picture", item.picture);
    changes.Check("column order", item.columnNumber);
    changes.Triggers(item.triggers);
}

std::string Numbered(const char* kind, int number) { return kind + std::to_string(number); }

}  // namespace

std::vector<ItemChanges> EntryChanges(const model::CScreenModel& model) {
    std::vector<ItemChanges> found;
    Changes changes(found);
    changes.Check("title", model.Title());
    if (const model::CScreenWnd* frame = model.Frame()) {
        changes.Add(frame->rightColumn != frame->originalRightColumn || frame->bottomRow != frame->originalBottomRow,
                    "size");
    }
    changes.Triggers(model.ScreenTriggers());
    changes.EndItem("screen", "window");

    int number = 0;
    for (const model::CAcceptFld& item : model.Accepts()) {
        FieldItemChanges(item, changes);
        changes.Check("read only", item.readOnly);
        changes.Check("default", item.defaultValue);
        changes.Check("allowed", item.allowed);
        changes.Check("disallowed", item.disallowed);
        changes.Check("filter", item.filter);
        changes.Check("help", item.help);
        changes.Check("title", item.title);
        changes.EndItem(Numbered("accept ", ++number), checks::ItemKey(item));
    }
    number = 0;
    for (const model::CDispText& item : model.Displays()) {
        FieldItemChanges(item, changes);
        changes.Check("text", item.text);
        changes.Check("scale", item.scale);
        changes.Check("attributes", item.attributes);
        changes.Check("colours", item.colours);
        changes.Check("column title", item.columnTitle);
        changes.EndItem(Numbered("display ", ++number), checks::ItemKey(item));
    }
    number = 0;
    for (const model::COptionItem& item : model.Options()) {
        changes.Check("suppressed", item.suppressed);
        changes.Check("position", item.position);
        changes.Check("label", item.label);
        changes.Check("help", item.help);
        changes.Triggers(item.triggers);
        changes.EndItem(Numbered("option ", ++number), checks::ItemKey(item));
    }
    number = 0;
    for (const model::CBoxItem& item : model.Boxes()) {
        changes.Add(item.added, "added");
        changes.Check("suppressed", item.suppressed);
        changes.Check("title", item.title);
        changes.EndItem(Numbered("box ", ++number), checks::ItemKey(item));
    }
    for (const model::ModeList list : {model::ModeList::Screen, model::ModeList::ProgramWide}) {
        number = 0;
        const char* kind = list == model::ModeList::Screen ? "mode " : "program mode ";
        for (const model::CModeItem& item : model.Modes(list)) {
            changes.Add(item.added, "added");
            changes.Check("suppressed", item.suppressed);
            changes.Check("label", item.label);
            changes.Check("help", item.help);
            changes.Add(item.isDefault, "default");
            changes.Triggers(item.triggers);
            changes.EndItem(Numbered(kind, ++number), checks::ItemKey(model, item));
        }
    }
    number = 0;
    for (const model::CConfirmItem& item : model.Confirms()) {
        changes.Add(!item.compiled.IsSet(), "added");
        changes.Check("suppressed", item.suppressed);
        changes.Check("question", item.question);
        changes.Check("default", item.defaultAnswer);
        changes.EndItem(Numbered("confirm ", ++number), checks::ItemKey(item));
    }
    number = 0;
    for (const model::CMessageItem& item : model.Messages()) {
        changes.Check("text", item.text);
        changes.EndItem(Numbered("message ", ++number), "message orig_text = \"" + item.text.Original() + "\"");
    }
    return found;
}

std::string ChangeListText(const ItemChanges& changes) {
    std::string text;
    for (const std::string& name : changes.changes) text += (text.empty() ? "" : ", ") + name;
    return text;
}

}  // namespace document
