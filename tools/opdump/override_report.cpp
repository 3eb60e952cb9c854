#include "tools/opdump/override_report.h"

#include <ostream>
#include <string>
#include <vector>

#include "tessellar/model/screen_model.h"
#include "tessellar/document/entry_opening.h"
#include "tessellar/overrides/section_bodies.h"
#include "tessellar/overrides/value_readers.h"
#include "tessellar/program/directory_page.h"
#include "tools/opdump/decoded_entry.h"

namespace opdump {

namespace {

// Collects the names of what changed for one item.
class Changes {
public:
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
    // Writes "  ITEM: a, b" when anything changed.
    void WriteFor(const std::string& item, std::ostream& out, int& count) {
        if (names_.empty()) return;
        out << "  " << item << ": ";
        for (std::size_t i = 0; i < names_.size(); ++i) out << (i == 0 ? "" : ", ") << names_[i];
        out << '\n';
        names_.clear();
        ++count;
    }

private:
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

int WriteChanges(const model::CScreenModel& model, std::ostream& out) {
    int count = 0;
    Changes changes;
    changes.Check("title", model.Title());
    if (const model::CScreenWnd* frame = model.Frame()) {
        changes.Add(frame->rightColumn != frame->originalRightColumn || frame->bottomRow != frame->originalBottomRow,
                    "size");
    }
    changes.Triggers(model.ScreenTriggers());
    changes.WriteFor("screen", out, count);

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
        changes.WriteFor("accept " + std::to_string(++number), out, count);
    }
    number = 0;
    for (const model::CDispText& item : model.Displays()) {
        FieldItemChanges(item, changes);
        changes.Check("text", item.text);
        changes.Check("scale", item.scale);
        changes.Check("attributes", item.attributes);
        changes.Check("colours", item.colours);
        changes.Check("column title", item.columnTitle);
        changes.WriteFor("display " + std::to_string(++number), out, count);
    }
    number = 0;
    for (const model::COptionItem& item : model.Options()) {
        changes.Check("suppressed", item.suppressed);
        changes.Check("position", item.position);
        changes.Check("label", item.label);
        changes.Check("help", item.help);
        changes.Triggers(item.triggers);
        changes.WriteFor("option " + std::to_string(++number), out, count);
    }
    number = 0;
    for (const model::CBoxItem& item : model.Boxes()) {
        changes.Add(item.added, "added");
        changes.Check("suppressed", item.suppressed);
        changes.Check("title", item.title);
        changes.WriteFor("box " + std::to_string(++number), out, count);
    }
    for (const model::ModeList list : {model::ModeList::Screen, model::ModeList::ProgramWide}) {
        number = 0;
        const std::string kind = list == model::ModeList::Screen ? "mode " : "program mode ";
        for (const model::CModeItem& item : model.Modes(list)) {
            changes.Add(item.added, "added");
            changes.Check("suppressed", item.suppressed);
            changes.Check("label", item.label);
            changes.Check("help", item.help);
            changes.Add(item.isDefault, "default");
            changes.Triggers(item.triggers);
            changes.WriteFor(kind + std::to_string(++number), out, count);
        }
    }
    number = 0;
    for (const model::CConfirmItem& item : model.Confirms()) {
        changes.Add(!item.compiled.IsSet(), "added");
        changes.Check("suppressed", item.suppressed);
        changes.Check("question", item.question);
        changes.Check("default", item.defaultAnswer);
        changes.WriteFor("confirm " + std::to_string(++number), out, count);
    }
    number = 0;
    for (const model::CMessageItem& item : model.Messages()) {
        changes.Check("text", item.text);
        changes.WriteFor("message " + std::to_string(++number), out, count);
    }
    return count;
}

}  // namespace

OverrideReport WriteEntriesWithOverrides(const program::ProgramImage& image, std::string_view name,
                                         const std::string& overridePath, std::ostream& out,
                                         platform::MessageSink& sink, const program::DecodeInputs& inputs) {
    OverrideReport report;
    overrides::SectionBodies sections;
    report.overrideFileRead = overrides::ReadSectionBodies(overridePath, sections);

    program::DirectoryPage page(program::BrowserPage::All);
    program::FillDirectoryPage(page, image, "", sink);
    for (std::size_t row = 0; row < page.Rows().size(); ++row) {
        const program::DirectoryRow& entry = page.Rows()[row];
        if (entry.name != name) continue;
        model::CScreenModel& model = *page.Models()[row];
        document::EntryInputs entryInputs;
        entryInputs.decode = inputs;
        std::size_t statements = 0;
        if (report.overrideFileRead) statements = document::OpenEntry(model, entryInputs, sections, sink);
        else document::PrepareEntry(model, entryInputs, sink);
        const std::string* body = report.overrideFileRead ? sections.Find(entry.name) : nullptr;
        if (report.entries++ > 0) out << '\n';
        WriteDecodedEntry(model, entry.typeText, out);
        out << "\noverrides: " << overridePath;
        if (!report.overrideFileRead) {
            out << " (cannot be read; nothing applied)\n";
            continue;
        }
        out << (body == nullptr ? " (no section " + entry.name + ")" : "") << ", " << statements << " statements\n";
        if (WriteChanges(model, out) == 0) out << "  nothing changed\n";
    }
    return report;
}

}  // namespace opdump
