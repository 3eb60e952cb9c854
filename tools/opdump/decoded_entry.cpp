#include "tools/opdump/decoded_entry.h"

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "tessellar/model/attribute_flags.h"
#include "tessellar/overrides/value_readers.h"
#include "tessellar/program/directory_page.h"

namespace opdump {

namespace {

using model::CellPosition;

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

// A text in double quotes, with quotes, backslashes and control bytes escaped
// so that every value stays on its line.
std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string Cell(CellPosition position) {
    if (!position.IsSet()) return "none";
    return std::to_string(position.row) + "," + std::to_string(position.column);
}

std::string Corners(const model::BoxCorners& corners) {
    return "top " + std::to_string(corners.top) + ", left " + std::to_string(corners.left) + ", bottom " +
           std::to_string(corners.bottom) + ", right " + std::to_string(corners.right);
}

std::string TypeText(char letter) { return letter == 0 ? "none" : std::string(1, letter); }

std::string ColourText(const model::ColourPair& pair) {
    return Hex(pair.foreground, 6) + " on " + Hex(pair.background, 6);
}

std::string IdentificationText(model::IdentificationKind kind, const std::string& name, const std::string& text,
                               int tag, CellPosition compiled) {
    switch (kind) {
        case model::IdentificationKind::None: return "none";
        case model::IdentificationKind::Name: return "name = " + (name.empty() ? Quoted(name) : name);
        case model::IdentificationKind::OriginalText: return "orig_text = " + Quoted(text);
        case model::IdentificationKind::Tag: return "tag = " + std::to_string(tag);
        case model::IdentificationKind::OriginalCoordinate: return "orig_coordinate = " + Cell(compiled);
        case model::IdentificationKind::AddedPrompt: return "added prompt " + Quoted(text) + " at " + Cell(compiled);
        case model::IdentificationKind::AddedDisplay:
            return tag != -1 ? "added display, tag = " + std::to_string(tag) : "added display at " + Cell(compiled);
    }
    return "none";
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) text += ", ";
        text += part;
    }
    return text;
}

// "WORD: type N, run \"LINE\"", the point named by its override file word.
std::string TriggerText(model::TriggerPoint point, const model::TriggerSlot& slot) {
    return std::string(overrides::TriggerPointWord(static_cast<int>(point))) + ": type " +
           std::to_string(slot.typeCode) + ", run " + Quoted(slot.runLine);
}

const char* MessageKindWord(model::MessageKind kind) {
    switch (kind) {
        case model::MessageKind::Message: return "message";
        case model::MessageKind::Acknowledge: return "acknowledge";
        case model::MessageKind::Abort: return "abort";
        case model::MessageKind::PrintOrPrompt: break;
    }
    return "print or prompt";
}

const char* EntryWord(model::ModelKind kind) {
    switch (kind) {
        case model::ModelKind::Procedure: return "procedure";
        case model::ModelKind::Menu: return "menu";
        case model::ModelKind::Screen: break;
    }
    return "screen";
}

// Writes "key  value" lines at an indent, keys in one column.
class Lines {
public:
    explicit Lines(std::ostream& out) : out_(out) {}

    // A section of items: a blank line, then its heading.
    void Heading(const std::string& text) { out_ << '\n' << text << '\n'; }
    void Title(const std::string& text) { out_ << text << '\n'; }
    void Item(const std::string& text) { out_ << "  " << text << '\n'; }
    void Property(const char* key, const std::string& value) { Write(4, key, value); }
    void ScreenProperty(const char* key, const std::string& value) { Write(2, key, value); }

    // The current value, and the original when they differ.
    template <typename Value, typename Format>
    void Tracked(const char* key, const Value& value, Format format) {
        std::string text = format(value.Current());
        if (value.Changed()) text += " (original: " + format(value.Original()) + ")";
        Property(key, text);
    }
    void TrackedText(const char* key, const model::TrackedText& value, bool always = true) {
        if (!always && value.Current().empty() && value.Original().empty()) return;
        Tracked(key, value, [](const std::string& text) { return Quoted(text); });
    }
    void Flags(const std::vector<std::string>& flags) {
        if (!flags.empty()) Property("flags", Joined(flags));
    }
    void Triggers(const model::TriggerSlots& triggers) {
        for (const auto& [point, slot] : triggers.Slots()) {
            if (!slot.hasTrigger) continue;
            Property("trigger", TriggerText(point, slot));
        }
    }

private:
    void Write(int indent, const char* key, const std::string& value) {
        char prefix[32];
        std::snprintf(prefix, sizeof prefix, "%*s%-13s", indent, "", key);
        out_ << prefix << value << '\n';
    }

    std::ostream& out_;
};

std::string IntegerText(int value) { return std::to_string(value); }
std::string CellText(const CellPosition& position) { return Cell(position); }

void WriteScreen(const model::CScreenModel& model, std::string_view typeText, Lines& lines) {
    lines.Title(std::string(EntryWord(model.Kind())) + " " + model.Name());
    lines.ScreenProperty("type", std::string(typeText));
    lines.ScreenProperty("origin", Cell(model.Origin()));
    if (const model::CScreenWnd* frame = model.Frame()) {
        lines.ScreenProperty("frame", "top " + std::to_string(frame->topRow) + ", left " +
                                          std::to_string(frame->leftColumn) + ", bottom " +
                                          std::to_string(frame->bottomRow) + ", right " +
                                          std::to_string(frame->rightColumn) + "; original bottom " +
                                          std::to_string(frame->originalBottomRow) + ", right " +
                                          std::to_string(frame->originalRightColumn));
        const model::CScreenTitleWnd& bar = frame->TitleBar();
        lines.ScreenProperty("title bar", "top " + std::to_string(bar.topRow) + ", left " +
                                              std::to_string(bar.leftColumn) + ", bottom " +
                                              std::to_string(bar.bottomRow) + ", right " +
                                              std::to_string(bar.rightColumn));
    } else {
        lines.ScreenProperty("frame", "none");
    }
    std::string title = Quoted(model.Title().Current());
    if (model.Title().Changed()) title += " (original: " + Quoted(model.Title().Original()) + ")";
    lines.ScreenProperty("title", title);
    lines.ScreenProperty("option width", model.OptionWidth() < 0 ? "automatic" : IntegerText(model.OptionWidth()));
    lines.ScreenProperty("mode line", Cell(model.ModeLine()));
    for (const auto& [point, slot] : model.ScreenTriggers().Slots()) {
        if (!slot.hasTrigger) continue;
        lines.ScreenProperty("trigger", TriggerText(point, slot));
    }

    const model::CReviewArea* area = model.ReviewArea();
    if (area == nullptr) {
        lines.ScreenProperty("review area", "none");
        return;
    }
    const char* form = area->IsDataGrid() ? "data grid" : "review screen";
    lines.ScreenProperty("review area", "word " + Hex(area->flags, 4) + " (" + form + "), first row " +
                                            std::to_string(area->firstRow) + ", box height " +
                                            std::to_string(area->boxHeight) + ", repeat " +
                                            std::to_string(area->repeatCount) + ", columns " +
                                            std::to_string(area->leftColumn) + "-" +
                                            std::to_string(area->rightColumn));
    lines.Property("box", Corners(area->box));
    for (const model::ColumnEntry& column : area->columns.Entries()) {
        std::string text = "key " + std::to_string(column.key) + ", position " + std::to_string(column.position) +
                           ", width " + std::to_string(column.width);
        if (area->IsDataGrid()) text += ", uses " + std::to_string(column.useCount) + ", title " + Quoted(column.title);
        lines.Property("column", text);
    }
    if (area->horizontalScroll) lines.Property("scroll", "horizontal");
}

// What entry fields and displays share.
void WriteFieldItem(const model::FieldItem& item, Lines& lines) {
    lines.Property("compiled", Cell(item.compiled));
    lines.Tracked("position", item.position, CellText);
    lines.Tracked("width", item.width, IntegerText);
    lines.TrackedText("picture", item.picture);
    lines.Property("type picture", Quoted(item.defaultPicture));
    lines.Property("type", TypeText(item.typeLetter));
    if (item.columnNumber.Changed()) lines.TrackedText("column order", item.columnNumber);
}

std::vector<std::string> FieldItemFlags(const model::FieldItem& item) {
    std::vector<std::string> flags;
    if (item.suppressed.Current()) flags.emplace_back("suppressed");
    if (item.added) flags.emplace_back("added");
    if (item.inReviewArea) flags.emplace_back("in review area");
    if (item.gridColumnKey != -1) flags.push_back("data grid column " + std::to_string(item.gridColumnKey));
    return flags;
}

void WriteAccepts(const model::CScreenModel& model, Lines& lines) {
    lines.Heading("accept fields: " + std::to_string(model.Accepts().Size()));
    int number = 0;
    for (const model::CAcceptFld& item : model.Accepts()) {
        lines.Item("accept " + std::to_string(++number) + ": " +
                   IdentificationText(item.identification, item.name, item.name, item.tag, item.compiled));
        lines.Property("name", item.name);
        WriteFieldItem(item, lines);
        lines.Property("size word", Hex(item.sizeWord, 4));
        lines.TrackedText("help", item.help, false);
        lines.TrackedText("title", item.title, false);
        lines.TrackedText("allowed", item.allowed, false);
        lines.TrackedText("disallowed", item.disallowed, false);
        lines.TrackedText("filter", item.filter, false);
        lines.TrackedText("default", item.defaultValue, false);
        std::vector<std::string> flags = FieldItemFlags(item);
        if (item.suppressedInProgram) flags.emplace_back("suppressed in program");
        if (item.readOnly.Current()) flags.emplace_back("read only");
        if (item.titled) flags.emplace_back("titled");
        lines.Flags(flags);
        lines.Triggers(item.triggers);
    }
}

const char* SourceWord(model::TextSource source) {
    switch (source) {
        case model::TextSource::Variable: return "variable";
        case model::TextSource::TextNumber: return "text number";
        case model::TextSource::Expression: return "expression";
        case model::TextSource::None: break;
    }
    return "none";
}

void WriteDisplays(const model::CScreenModel& model, Lines& lines) {
    lines.Heading("displays: " + std::to_string(model.Displays().Size()));
    int number = 0;
    for (const model::CDispText& item : model.Displays()) {
        lines.Item("display " + std::to_string(++number) + ": " +
                   IdentificationText(item.identification, item.name, item.text.Original(), item.tag, item.compiled));
        lines.TrackedText("text", item.text);
        lines.Property("source", SourceWord(item.source));
        WriteFieldItem(item, lines);
        lines.Tracked("attributes", item.attributes, [&item](model::AttributeFlags flags) {
            const std::string words = model::AttributesToText(flags, item.IsPrompt());
            return Hex(flags, 8) + (words.empty() ? "" : " " + words);
        });
        lines.Tracked("colours", item.colours, ColourText);
        lines.Tracked("scale", item.scale, IntegerText);
        lines.TrackedText("column title", item.columnTitle, false);
        std::vector<std::string> flags = FieldItemFlags(item);
        if (item.dataDisplay) flags.emplace_back("data display");
        if (item.promptMark) flags.emplace_back("prompt");
        lines.Flags(flags);
        lines.Triggers(item.triggers);
    }
}

void WriteOptions(const model::CScreenModel& model, Lines& lines) {
    lines.Heading("options: " + std::to_string(model.Options().Size()));
    int number = 0;
    for (const model::COptionItem& item : model.Options()) {
        lines.Item("option " + std::to_string(++number) + ": " +
                   IdentificationText(item.identification, item.name, item.label.Original(), 0, item.compiled));
        lines.Property("compiled", Cell(item.compiled));
        lines.Tracked("position", item.position, CellText);
        lines.Property("width", IntegerText(item.width));
        lines.TrackedText("label", item.label);
        lines.TrackedText("help", item.help, false);
        lines.Property("picture", IntegerText(item.pictureNumber));
        std::vector<std::string> flags;
        if (item.noText) flags.emplace_back("no text");
        if (item.suppressed.Current()) flags.emplace_back("suppressed");
        lines.Flags(flags);
        lines.Triggers(item.triggers);
    }
}

void WriteBoxes(const model::CScreenModel& model, Lines& lines) {
    lines.Heading("boxes: " + std::to_string(model.Boxes().Size()));
    int number = 0;
    for (const model::CBoxItem& item : model.Boxes()) {
        lines.Item("box " + std::to_string(++number) + ": orig_coordinate = " +
                   Cell({item.compiled.top, item.compiled.left}) + ", coordinate = " +
                   Cell({item.compiled.bottom, item.compiled.right}));
        lines.Property("compiled", Corners(item.compiled));
        lines.Tracked("corners", item.corners, Corners);
        lines.TrackedText("title", item.title, false);
        std::vector<std::string> flags;
        if (item.statementFlag) flags.emplace_back("box flag");
        if (item.suppressed.Current()) flags.emplace_back("suppressed");
        if (item.added) flags.emplace_back("added");
        if (item.changed) flags.emplace_back("changed");
        lines.Flags(flags);
    }
}

void WriteModes(const model::ItemList<model::CModeItem>& modes, const char* heading, Lines& lines) {
    lines.Heading(std::string(heading) + ": " + std::to_string(modes.Size()));
    int number = 0;
    for (const model::CModeItem& item : modes) {
        lines.Item("mode " + std::to_string(++number) + ": " +
                   IdentificationText(item.identification, item.identifier, item.label.Original(), 0,
                                      item.position));
        if (!item.identifier.empty()) lines.Property("identifier", item.identifier);
        lines.Property("position", Cell(item.position));
        lines.Property("width", IntegerText(item.width));
        lines.TrackedText("label", item.label);
        lines.TrackedText("help", item.help, false);
        std::vector<std::string> flags;
        if (item.suppressed.Current()) flags.emplace_back("suppressed");
        if (item.added) flags.emplace_back("added");
        if (item.isDefault) flags.emplace_back("default");
        lines.Flags(flags);
        lines.Triggers(item.triggers);
    }
}

void WriteConfirms(const model::CScreenModel& model, Lines& lines) {
    lines.Heading("confirms: " + std::to_string(model.Confirms().Size()));
    int number = 0;
    for (const model::CConfirmItem& item : model.Confirms()) {
        lines.Item("confirm " + std::to_string(++number) + ": name = " + Quoted(item.question.Original()));
        lines.Property("compiled", Cell(item.compiled));
        lines.TrackedText("question", item.question);
        lines.Tracked("default", item.defaultAnswer,
                      [](const std::string& answer) { return answer.empty() ? std::string("none") : answer; });
        if (item.suppressed.Current()) lines.Flags({"suppressed"});
    }
}

void WriteFieldList(const model::CScreenModel& model, model::FieldList list, const char* heading, Lines& lines) {
    const model::ItemList<model::CFieldEntry>& fields = model.Fields(list);
    std::string text = std::string(heading) + ": " + std::to_string(fields.Size());
    if (list == model::FieldList::RecordSource && !model.RecordSourceCaption().empty()) {
        text += ", caption " + Quoted(model.RecordSourceCaption());
    }
    lines.Heading(text);
    for (const model::CFieldEntry& field : fields) {
        std::string line = field.name + ": width " + std::to_string(field.width) + ", type " +
                           TypeText(field.typeLetter) + ", type picture " + Quoted(field.defaultPicture);
        if (list == model::FieldList::RecordSource) {
            const std::string words = model::AttributesToText(field.attributes, field.promptMark);
            line += ", attributes " + Hex(field.attributes, 8) + (words.empty() ? "" : " " + words);
        }
        if (field.shownByDisplay) line += ", shown by a display";
        lines.Item(line);
    }
}

void WriteMessages(const model::CScreenModel& model, Lines& lines) {
    lines.Heading("messages: " + std::to_string(model.Messages().Size()));
    int number = 0;
    for (const model::CMessageItem& item : model.Messages()) {
        lines.Item("message " + std::to_string(++number) + ": " + MessageKindWord(item.kind));
        lines.TrackedText("text", item.text);
    }
}

}  // namespace

void WriteDecodedEntry(const model::CScreenModel& model, std::string_view typeText, std::ostream& out) {
    Lines lines(out);
    WriteScreen(model, typeText, lines);
    WriteAccepts(model, lines);
    WriteDisplays(model, lines);
    WriteOptions(model, lines);
    WriteBoxes(model, lines);
    WriteModes(model.Modes(), "modes", lines);
    if (!model.SetAsideModes().Empty()) WriteModes(model.SetAsideModes(), "modes set aside", lines);
    WriteModes(model.Modes(model::ModeList::ProgramWide), "program modes", lines);
    WriteConfirms(model, lines);
    WriteFieldList(model, model::FieldList::RecordSource, "record source fields", lines);
    WriteFieldList(model, model::FieldList::ScreenLocal, "screen fields", lines);
    WriteFieldList(model, model::FieldList::Program, "program fields", lines);
    WriteMessages(model, lines);
}

namespace {

// Every listed entry that passes the filter, decoded and written in directory order.
template <typename Filter>
int WriteEntries(const program::ProgramImage& image, std::ostream& out, platform::MessageSink& sink,
                 const program::DecodeInputs& inputs, Filter wanted) {
    program::DirectoryPage page(program::BrowserPage::All);
    program::FillDirectoryPage(page, image, "", sink);
    int written = 0;
    for (std::size_t row = 0; row < page.Rows().size(); ++row) {
        const program::DirectoryRow& entry = page.Rows()[row];
        if (!wanted(entry)) continue;
        model::CScreenModel& model = *page.Models()[row];
        program::DecodeScreen(model, sink, inputs);
        if (written++ > 0) out << '\n';
        WriteDecodedEntry(model, entry.typeText, out);
    }
    return written;
}

}  // namespace

int WriteEntriesNamed(const program::ProgramImage& image, std::string_view name, std::ostream& out,
                      platform::MessageSink& sink, const program::DecodeInputs& inputs) {
    return WriteEntries(image, out, sink, inputs,
                        [name](const program::DirectoryRow& row) { return row.name == name; });
}

int WriteAllEntries(const program::ProgramImage& image, std::ostream& out, platform::MessageSink& sink,
                    const program::DecodeInputs& inputs) {
    return WriteEntries(image, out, sink, inputs, [](const program::DirectoryRow&) { return true; });
}

}  // namespace opdump
