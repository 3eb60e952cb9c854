#pragma once
// A screen model written out whole as text, one line per item, for tests
// that compare two models: every value that drawing or a later command
// reads, originals beside current values, in list order. Two models give
// the same text exactly when they hold the same items; a difference shows
// as the first differing line.

#include <sstream>
#include <string>

#include "tessellar/model/screen_model.h"

namespace testsupport {

namespace model_text {

class Writer {
public:
    std::string Text() const { return out_.str(); }

    Writer& Line(const std::string& heading) {
        out_ << '\n' << heading << ':';
        return *this;
    }
    Writer& operator()(const char* key, const std::string& value) {
        out_ << ' ' << key << "=\"" << value << '"';
        return *this;
    }
    Writer& operator()(const char* key, long long value) {
        out_ << ' ' << key << '=' << value;
        return *this;
    }
    Writer& operator()(const char* key, model::CellPosition cell) {
        out_ << ' ' << key << '=' << cell.row << ',' << cell.column;
        return *this;
    }
    Writer& operator()(const char* key, const model::BoxCorners& box) {
        out_ << ' ' << key << '=' << box.top << ',' << box.left << ',' << box.bottom << ',' << box.right;
        return *this;
    }
    Writer& operator()(const char* key, model::ColourPair pair) {
        out_ << ' ' << key << '=' << pair.foreground << '/' << pair.background;
        return *this;
    }
    Writer& operator()(const char* key, const model::FontDescription& f) {
        out_ << ' ' << key << '=' << f.height << ',' << f.width << ',' << f.escapement << ',' << f.orientation << ','
             << f.weight << ',' << f.italic << f.underline << f.strikeOut << ',' << int(f.charSet) << ','
             << int(f.outPrecision) << ',' << int(f.clipPrecision) << ',' << int(f.quality) << ','
             << int(f.pitchAndFamily) << ',' << f.faceName;
        return *this;
    }
    template <typename Value>
    Writer& operator()(const char* key, const model::Tracked<Value>& value) {
        (*this)(key, value.Current());
        return (*this)("was", value.Original());
    }
    Writer& operator()(const char* key, const model::TrackedText& value) {
        (*this)(key, value.Current());
        return (*this)("was", value.Original());
    }
    Writer& operator()(const char* key, const model::TriggerSlots& slots) {
        out_ << ' ' << key << "=[";
        for (const auto& [point, slot] : slots.Slots()) {
            out_ << static_cast<int>(point) << ':' << slot.hasTrigger << slot.customised << ',' << slot.typeCode
                 << ",\"" << slot.runLine << "\";";
        }
        out_ << ']';
        return *this;
    }

private:
    std::ostringstream out_;
};

inline void Field(Writer& w, const model::FieldItem& item) {
    w("compiled", item.compiled)("position", item.position)("id", static_cast<int>(item.identification))(
        "tag", item.tag)("width", item.width)("picture", item.picture)("typePicture", item.defaultPicture)(
        "type", item.typeLetter)("order", item.columnNumber)("suppressed", item.suppressed)("added", item.added)(
        "inReview", item.inReviewArea)("reviewLinked", item.reviewArea != nullptr)("gridKey", item.gridColumnKey)(
        "font", item.font)("triggers", item.triggers);
}

inline void Modes(Writer& w, const char* heading, const model::ItemList<model::CModeItem>& modes) {
    for (const model::CModeItem& m : modes) {
        w.Line(heading)("label", m.label)("help", m.help)("source", static_cast<int>(m.labelSource))(
            "identifier", m.identifier)("id", static_cast<int>(m.identification))("width", m.width)(
            "position", m.position)("colours", m.colours)("suppressed", m.suppressed)("added", m.added)(
            "default", m.isDefault)("font", m.font)("triggers", m.triggers);
    }
}

inline void Fields(Writer& w, const char* heading, const model::ItemList<model::CFieldEntry>& fields) {
    for (const model::CFieldEntry& f : fields) {
        w.Line(heading)("name", f.name)("width", f.width)("typePicture", f.defaultPicture)("type", f.typeLetter)(
            "attributes", f.attributes)("prompt", f.promptMark)("shown", f.shownByDisplay)("listed", f.listed);
    }
}

}  // namespace model_text

inline std::string ModelText(const model::CScreenModel& model) {
    using model_text::Writer;
    Writer w;
    w.Line("screen")("decoded", !model.NeedsDecoding())("origin", model.Origin())("title", model.Title())(
        "optionWidth", model.OptionWidth())("longestOption", model.LongestOptionLength())(
        "reviewWord", model.ReviewWord())("modeLine", model.ModeLine())("triggers", model.ScreenTriggers())(
        "caption", model.RecordSourceCaption());
    if (model.CustomFont()) w("customFont", *model.CustomFont());
    for (int entry = 1; entry <= model::ColourTable::kEntries; ++entry) w("colour", model.Colours().Entry(entry));
    if (const model::CScreenWnd* frame = model.Frame()) {
        const model::CScreenTitleWnd& bar = frame->TitleBar();
        w.Line("frame")("box", model::BoxCorners{frame->leftColumn, frame->topRow, frame->rightColumn,
                                                 frame->bottomRow})(
            "original", model::CellPosition{frame->originalBottomRow, frame->originalRightColumn})(
            "optionWidth", frame->optionWidth)("font", frame->font)(
            "bar", model::BoxCorners{bar.leftColumn, bar.topRow, bar.rightColumn, bar.bottomRow})(
            "barTitle", bar.title)("barFont", bar.font);
    }
    if (const model::CReviewArea* area = model.ReviewArea()) {
        w.Line("review")("flags", area->flags)("boxHeight", area->boxHeight)("repeat", area->repeatCount)(
            "firstRow", area->firstRow)("columns", model::CellPosition{area->leftColumn, area->rightColumn})(
            "box", area->box)("scroll", area->scrollColumn)("horizontal", area->horizontalScroll)("font", area->font);
        for (const model::ColumnEntry& column : area->columns.Entries()) {
            // The item a column came from, by its place among the fields.
            long long from = -1;
            long long place = 0;
            for (const model::CAcceptFld& item : model.Accepts()) {
                if (&item == column.item) from = place;
                ++place;
            }
            for (const model::CDispText& item : model.Displays()) {
                if (&item == column.item) from = place;
                ++place;
            }
            w.Line("column")("key", column.key)("position", column.position)("width", column.width)(
                "uses", column.useCount)("title", column.title)("item", column.item == nullptr ? -2 : from);
        }
    }
    for (const model::CAcceptFld& a : model.Accepts()) {
        w.Line("accept")("name", a.name);
        model_text::Field(w, a);
        w("sizeWord", a.sizeWord)("attributeWord", a.attributeWord)("help", a.help)("title", a.title)(
            "titled", a.titled)("default", a.defaultValue)("defaultKind", a.defaultKind)("filter", a.filter)(
            "allowed", a.allowed)("disallowed", a.disallowed)("listSense", a.userListSense)(
            "suppressedInProgram", a.suppressedInProgram)("readOnly", a.readOnly);
    }
    for (const model::CDispText& d : model.Displays()) {
        w.Line("display")("name", d.name)("source", static_cast<int>(d.source))("text", d.text);
        model_text::Field(w, d);
        w("sizeWord", d.sizeWord)("scale", d.scale)("attributes", d.attributes)("colours", d.colours)(
            "data", d.dataDisplay)("prompt", d.promptMark)("edge", d.edgeMark)("dataEntry", d.dataEntryMark)(
            "columnTitle", d.columnTitle);
    }
    for (const model::COptionItem& o : model.Options()) {
        w.Line("option")("label", o.label)("help", o.help)("source", static_cast<int>(o.labelSource))(
            "name", o.name)("compiled", o.compiled)("position", o.position)("id", static_cast<int>(o.identification))(
            "width", o.width)("noText", o.noText)("picture", o.pictureNumber)("colours", o.colours)(
            "suppressed", o.suppressed)("font", o.font)("triggers", o.triggers);
    }
    for (const model::CBoxItem& b : model.Boxes()) {
        w.Line("box")("compiled", b.compiled)("corners", b.corners)("title", b.title)("flag", b.statementFlag)(
            "changed", b.changed)("suppressed", b.suppressed)("added", b.added)("font", b.font);
    }
    model_text::Modes(w, "mode", model.Modes(model::ModeList::Screen));
    model_text::Modes(w, "setAsideMode", model.SetAsideModes());
    model_text::Modes(w, "programMode", model.Modes(model::ModeList::ProgramWide));
    for (const model::CConfirmItem& c : model.Confirms()) {
        w.Line("confirm")("question", c.question)("default", c.defaultAnswer)("compiled", c.compiled)(
            "suppressed", c.suppressed);
    }
    for (const model::CMessageItem& m : model.Messages()) {
        w.Line("message")("kind", static_cast<int>(m.kind))("id", static_cast<int>(m.identification))(
            "text", m.text)("edited", m.editedText);
    }
    model_text::Fields(w, "recordField", model.Fields(model::FieldList::RecordSource));
    model_text::Fields(w, "localField", model.Fields(model::FieldList::ScreenLocal));
    model_text::Fields(w, "programField", model.Fields(model::FieldList::Program));
    return w.Text() + '\n';
}

// Empty when the texts are the same; else the first line where they differ,
// numbered, as each text has it.
inline std::string FirstDifference(const std::string& got, const std::string& want) {
    std::istringstream gotLines(got);
    std::istringstream wantLines(want);
    std::string gotLine;
    std::string wantLine;
    for (int number = 1;; ++number) {
        const bool moreGot = static_cast<bool>(std::getline(gotLines, gotLine));
        const bool moreWant = static_cast<bool>(std::getline(wantLines, wantLine));
        if (!moreGot && !moreWant) return {};
        if (moreGot != moreWant || gotLine != wantLine) {
            return "line " + std::to_string(number) + "\n  got:  " + (moreGot ? gotLine : "(none)") +
                   "\n  want: " + (moreWant ? wantLine : "(none)");
        }
    }
}

}  // namespace testsupport
