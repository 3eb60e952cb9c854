#include "tools/opimage/description.h"

#include <set>

#include "tools/opimage/description_attributes.h"
#include "tools/opimage/description_statements.h"
#include "tools/opimage/description_tree.h"

namespace opimage {

namespace {

class DescriptionReader {
public:
    Program Read(const std::vector<Node>& nodes) {
        for (const Node& node : nodes) ReadTopLevel(node);
        CheckNames();
        return std::move(program_);
    }

private:
    Cursor Open(const Node& node) { return Cursor(node.tokens, node.line, uses_); }

    void ReadAttributes(Cursor& head, const Node& node, const std::string& what, const AttributeReader& attribute,
                        const ListReader& list = {}) {
        opimage::ReadAttributes(head, node, what, attribute, list, uses_);
    }

    void ReadTopLevel(const Node& node) {
        Cursor cursor = Open(node);
        if (cursor.AtEnd()) cursor.Fail("a block needs a statement before '{'");
        const std::string keyword = cursor.Word("a statement");
        if (keyword == "screen" || keyword == "menu" || keyword == "procedure") {
            const EntryKind kind = keyword == "screen" ? EntryKind::Screen
                                   : keyword == "menu" ? EntryKind::Menu
                                                       : EntryKind::Procedure;
            ReadEntry(cursor, node, kind);
            return;
        }
        if (!node.blocks.empty()) cursor.Fail("'" + keyword + "' takes no block");
        if (keyword == "text") {
            do program_.texts.push_back(cursor.String("text")); while (!cursor.AtEnd());
        } else if (keyword == "global") {
            Declare(program_.globals, ReadVariable(cursor), cursor, globalNames_);
        } else if (keyword == "variable") {
            Declare(program_.variables, ReadVariable(cursor), cursor, globalNames_);
        } else if (keyword == "mode") {
            ReadMode(cursor);
        } else if (keyword == "header") {
            ReadHeader(cursor);
        } else {
            cursor.Fail("unknown statement '" + keyword + "'");
        }
    }

    static void Declare(std::vector<Variable>& into, Variable variable, Cursor& cursor,
                        std::set<std::string>& names) {
        if (!names.insert(variable.name).second) cursor.Fail("variable " + variable.name + " is declared twice");
        into.push_back(std::move(variable));
    }

    Variable ReadVariable(Cursor& cursor) {
        Variable variable{.name = cursor.Word("variable name")};
        while (!cursor.AtEnd()) {
            const std::string key = cursor.Word("attribute of a variable");
            if (key == "size") variable.sizeWord = cursor.SizeWord("size");
            else if (key == "type") variable.type = cursor.Letter("type");
            else if (key == "width") variable.displayWidth = cursor.Byte("width");
            else if (key == "attr") variable.attributes = cursor.U16("attr");
            else UnknownAttribute(cursor, key, "a variable");
        }
        return variable;
    }

    void ReadMode(Cursor& cursor) {
        Mode mode{.name = cursor.Word("mode name")};
        while (!cursor.AtEnd()) {
            const std::string key = cursor.Word("attribute of a mode");
            if (key == "label") mode.label = cursor.ReadOperand("label");
            else if (key == "help") mode.help = cursor.ReadOperand("help");
            else if (key == "flags") mode.flags = cursor.U16("flags");
            else if (key == "noid") mode.hasIdentifier = false;
            else if (key == "screenonly") mode.programWide = false;
            else UnknownAttribute(cursor, key, "a mode");
        }
        if (!modeNames_.insert(mode.name).second) cursor.Fail("mode " + mode.name + " is declared twice");
        program_.modes.push_back(std::move(mode));
    }

    void ReadHeader(Cursor& cursor) {
        HeaderOverrides& header = program_.header;
        while (!cursor.AtEnd()) {
            const std::string key = cursor.Word("header field");
            if (key == "magic") header.magic = cursor.Unsigned("magic", 0xFFFFFFFF);
            else if (key == "totalsize") header.totalSize = cursor.Unsigned("totalsize", 0xFFFFFFFF);
            else if (key == "textcount") header.textCount = cursor.U16("textcount");
            else if (key == "firstentry") header.firstEntry = cursor.Int24("firstentry");
            else if (key == "globals") header.globals = cursor.Int24("globals");
            else if (key == "modes") header.programModes = cursor.Int24("modes");
            else if (key == "texttable") header.textTable = cursor.Int24("texttable");
            else UnknownAttribute(cursor, key, "the header");
        }
    }

    // What an entry's statements may name: its locals besides the program's variables.
    struct EntryScope {
        std::vector<NameUse> variableUses;
        std::set<std::string> locals;
    };

    void ReadEntry(Cursor& head, const Node& node, EntryKind kind) {
        Entry entry{.kind = kind, .name = head.Word("entry name")};
        EntryScope scope;
        std::vector<NameUse>* outer = uses_;
        uses_ = &scope.variableUses;
        head.SetVariableUses(uses_);
        auto attribute = [&](Cursor& cursor, const std::string& key) {
            ReadEntryAttribute(cursor, key, entry, scope);
        };
        auto list = [&](const Node& child, const std::string& label) {
            if (label == "file") {
                entry.fileDefinition = ReadFileDefinition(child);
                return;
            }
            StatementList* statements = label == "body"     ? &entry.body
                                        : label == "third"  ? &entry.third
                                        : label == "detail" ? &entry.detail
                                                            : nullptr;
            if (statements == nullptr) FailAt(child.line, "unknown list '" + label + "' (body, third, detail or file)");
            OnlyLabel(child, label);
            *statements = ReadStatementList(child.blocks[0].nodes, uses_);
        };
        ReadAttributes(head, node, "an entry", attribute, list);
        uses_ = outer;
        entries_.push_back(std::move(scope));
        program_.entries.push_back(std::move(entry));
    }

    void ReadEntryAttribute(Cursor& cursor, const std::string& key, Entry& entry, EntryScope& scope) {
        if (key == "title") {
            entry.title = cursor.ReadOperand("title");
        } else if (key == "frame") {
            entry.top = cursor.Coordinate("top row");
            entry.left = cursor.Coordinate("left column");
            entry.bottom = cursor.Coordinate("bottom row");
            entry.right = cursor.Coordinate("right column");
        } else if (key == "modeline") {
            entry.modeLineRow = cursor.Coordinate("mode line row");
            entry.modeLineColumn = cursor.Coordinate("mode line column");
        } else if (key == "review") {
            entry.reviewWord |= kReviewScreen;
        } else if (key == "datagrid") {
            entry.reviewWord |= kDataGrid;
        } else if (key == "reviewword") {
            entry.reviewWord = cursor.U16("reviewword");
        } else if (key == "area") {
            entry.reviewFirstRow = cursor.U16("first row");
            entry.reviewBoxHeight = cursor.U16("box height");
            entry.reviewRepeat = cursor.U16("repeat count");
        } else if (key == "modes") {
            do {
                const std::string name = cursor.Word("mode name");
                modeUses_.push_back({name, cursor.line()});
                entry.modes.push_back(name);
            } while (cursor.TakePunct(",") || !cursor.AtEnd());
        } else if (key == "optionwidth") {
            entry.optionWidth = cursor.Int24("optionwidth");
        } else if (key == "kind") {
            entry.kind = static_cast<EntryKind>(cursor.Unsigned("kind", 3));
        } else if (key == "kindflags") {
            entry.kindByteFlags = cursor.Byte("kindflags");
        } else if (key == "byte66") {
            entry.modeFilterBits = cursor.Byte("byte66");
        } else if (key == "byte76") {
            entry.modeFilterByte = cursor.Byte("byte76");
        } else if (key == "field48") {
            entry.modeFilterWord = cursor.Int24("field48");
        } else if (key == "local") {
            Declare(entry.locals, ReadVariable(cursor), cursor, scope.locals);
        } else if (key == "group") {
            entry.variableGroup = ReadGroup(cursor);
        } else {
            UnknownAttribute(cursor, key, "an entry");
        }
    }

    // NAME [letter C] VARIABLE ...
    VariableGroup ReadGroup(Cursor& cursor) {
        VariableGroup group{.name = cursor.Word("group name")};
        if (cursor.TakeWord("letter")) group.sourceLetter = cursor.Letter("letter");
        ReadGroupElements(cursor, group);
        return group;
    }

    static void ReadGroupElements(Cursor& cursor, VariableGroup& group) {
        while (!cursor.AtEnd()) {
            Operand subscript;
            group.variables.push_back(cursor.VariableName(subscript));
            if (subscript.kind != OperandKind::None) cursor.Fail("group elements take no subscript");
            cursor.TakePunct(",");
        }
    }

    FileDefinition ReadFileDefinition(const Node& node) {
        FileDefinition file;
        Cursor head = Open(node);
        head.Word("file");
        auto attribute = [&](Cursor& cursor, const std::string& key) {
            if (key == "f18") file.modeFilterWords[0] = cursor.Int24("f18");
            else if (key == "f24") file.modeFilterWords[1] = cursor.Int24("f24");
            else if (key == "f27") file.modeFilterWords[2] = cursor.Int24("f27");
            else if (key == "byte34") file.indexByte = cursor.Byte("byte34");
            else if (key == "key") file.keys.push_back(ReadKey(cursor));
            else if (key == "field") file.fields.push_back(ReadField(cursor));
            else UnknownAttribute(cursor, key, "a file definition");
        };
        ReadAttributes(head, node, "a file definition", attribute);
        return file;
    }

    // [unlisted] [group NAME] VARIABLE ...
    KeyRecord ReadKey(Cursor& cursor) {
        KeyRecord key;
        if (cursor.TakeWord("unlisted")) key.listed = false;
        if (cursor.TakeWord("group")) key.group = ReadGroup(cursor);
        ReadGroupElements(cursor, key.group);
        return key;
    }

    FieldRecord ReadField(Cursor& cursor) {
        Operand subscript;
        FieldRecord field{.variable = cursor.VariableName(subscript)};
        if (subscript.kind != OperandKind::None) cursor.Fail("file fields take no subscript");
        while (!cursor.AtEnd()) {
            const std::string key = cursor.Word("attribute of a field");
            if (key == "unlisted") field.listed = false;
            else if (key == "regardless") field.listedRegardless = true;
            else if (key == "further") field.furtherByte = cursor.Byte("further");
            else if (key == "nofurther") field.furtherByte.reset();
            else UnknownAttribute(cursor, key, "a field");
        }
        return field;
    }

    // Names may be used before they are declared, so they are checked last.
    void CheckNames() const {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            for (const NameUse& use : entries_[i].variableUses) {
                if (entries_[i].locals.count(use.name) == 0 && globalNames_.count(use.name) == 0) {
                    FailAt(use.line, "unknown variable '" + use.name + "'");
                }
            }
        }
        for (const NameUse& use : programUses_) {
            if (globalNames_.count(use.name) == 0) FailAt(use.line, "unknown variable '" + use.name + "'");
        }
        for (const NameUse& use : modeUses_) {
            if (modeNames_.count(use.name) == 0) FailAt(use.line, "unknown mode '" + use.name + "'");
        }
    }

    Program program_;
    std::vector<NameUse> programUses_;
    std::vector<NameUse>* uses_ = &programUses_;
    std::vector<EntryScope> entries_;
    std::vector<NameUse> modeUses_;
    std::set<std::string> globalNames_;
    std::set<std::string> modeNames_;
};

}  // namespace

std::optional<Program> ParseDescription(std::string_view text, DescriptionError& error) {
    SyntaxError syntax;
    const std::optional<std::vector<Node>> nodes = BuildTree(text, syntax);
    if (!nodes) {
        error = {syntax.line, syntax.message};
        return std::nullopt;
    }
    try {
        return DescriptionReader().Read(*nodes);
    } catch (const DescriptionFailure& failure) {
        error = {failure.line, failure.message};
        return std::nullopt;
    }
}

std::optional<Program> ParseDescription(std::string_view text, std::string& error) {
    DescriptionError detail;
    std::optional<Program> program = ParseDescription(text, detail);
    if (!program) error = std::to_string(detail.line) + ": " + detail.message;
    return program;
}

}  // namespace opimage
