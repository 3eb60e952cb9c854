#include "tools/opimage/description_statements.h"

#include <set>

#include "tools/opimage/description_attributes.h"

namespace opimage {

namespace {

class StatementReader {
public:
    explicit StatementReader(std::vector<NameUse>* uses) : uses_(uses) {}

    StatementList ReadList(const std::vector<Node>& nodes) {
        StatementList list;
        for (const Node& node : nodes) list.push_back(ReadStatement(node));
        return list;
    }

private:
    Statement ReadStatement(const Node& node) {
        Cursor cursor = Open(node);
        if (cursor.AtEnd()) cursor.Fail("a block needs a statement before '{'");
        const std::string keyword = cursor.Word("a statement");
        if (keyword == "display") return ReadDisplay(cursor, node);
        if (keyword == "accept") return ReadAccept(cursor, node);
        if (keyword == "print") return ReadPrint(cursor, node);
        if (keyword == "box") return ReadBox(cursor, node);
        if (keyword == "option") return ReadOption(cursor, node);
        if (keyword == "confirm") return ReadConfirm(cursor, node);
        if (keyword == "message" || keyword == "abort" || keyword == "acknowledge") {
            return ReadMessage(cursor, node, keyword);
        }
        if (keyword == "block" || keyword == "if" || keyword == "case" || keyword == "loop" || keyword == "op") {
            return ReadCompound(cursor, node, keyword);
        }
        cursor.Fail("unknown statement '" + keyword + "'");
    }

    // Statements whose blocks are statement lists: block, if/else, case and
    // loop with when/further, and op N with second.
    Statement ReadCompound(Cursor& cursor, const Node& node, const std::string& keyword) {
        Statement statement;
        std::set<std::string> labels;
        if (keyword == "block") {
            statement = Block({});
        } else if (keyword == "if") {
            statement = TwoBranch({}, {});
            labels = {"else"};
        } else if (keyword == "case" || keyword == "loop") {
            statement = keyword == "case" ? MultiBranch({}, {}) : Loop({});
            labels = {"when", "further"};
        } else {
            statement = Other(cursor.Byte("op code"));
            labels = {"second"};
        }
        NoMoreTokens(cursor, keyword);
        for (std::size_t i = 0; i < node.blocks.size(); ++i) {
            const NodeBlock& block = node.blocks[i];
            if (i > 0 && labels.count(block.label) == 0) {
                FailAt(block.line, "'" + keyword + "' takes no '} " + block.label + " {'");
            }
            StatementList list = ReadList(block.nodes);
            if (i == 0) statement.first = std::move(list);
            else if (block.label == "when") statement.alternatives.push_back(std::move(list));
            else if (block.label == "further") statement.further.push_back(std::move(list));
            else statement.second = std::move(list);
        }
        return statement;
    }

    // picture "..." or picture expr
    static void ReadPicture(Cursor& cursor, std::optional<std::string>& picture, bool& expression) {
        if (cursor.TakeWord("expr")) expression = true;
        else picture = cursor.String("picture");
    }

    Statement ReadDisplay(Cursor& cursor, const Node& node) {
        DisplayRecord record{.row = cursor.Coordinate("row"), .column = cursor.Coordinate("column"),
                             .text = cursor.ReadOperand("displayed text")};
        auto attribute = [&](Cursor& line, const std::string& key) {
            if (key == "picture") ReadPicture(line, record.picture, record.pictureExpression);
            else if (key == "attr") record.attributes = line.U16("attr");
            else if (key == "size") record.sizeWord = line.SizeWord("size");
            else if (key == "type") record.type = line.Letter("type");
            else if (key == "width") record.displayWidth = line.Byte("width");
            else if (key == "long") record.longForm = true;
            else if (key == "scale") record.scale = line.Coordinate("scale"), record.longForm = true;
            else if (key == "tag") record.tag = line.U16("tag"), record.longForm = true;
            else if (key == "coltitle") record.columnTitle = line.ReadOperand("coltitle"), record.longForm = true;
            else UnknownAttribute(line, key, "a display");
        };
        ReadAttributes(cursor, node, "a display", attribute);
        return Display(std::move(record));
    }

    Statement ReadAccept(Cursor& cursor, const Node& node) {
        AcceptRecord record{.row = cursor.Coordinate("row"), .column = cursor.Coordinate("column")};
        record.variable = cursor.VariableName(record.subscript);
        std::optional<std::uint16_t> length;
        auto attribute = [&](Cursor& line, const std::string& key) {
            if (key == "picture") ReadPicture(line, record.picture, record.pictureExpression);
            else if (key == "suppressed") record.suppressed = true;
            else if (key == "size") record.sizeWord = line.SizeWord("size");
            else if (key == "width") record.displayWidth = line.Byte("width");
            else if (key == "help") record.help = line.ReadOperand("help");
            else if (key == "title") record.title = line.ReadOperand("title");
            else if (key == "tag") record.tag = line.U16("tag");
            else if (key == "length") length = line.U16("length");
            else if (key == "allowed") record.allowed = line.Values();
            else if (key == "disallowed") record.disallowed = line.Values();
            else UnknownAttribute(line, key, "an accept");
        };
        auto list = [&](const Node& child, const std::string& label) {
            OnlyLabel(child, label);
            StatementList statements = ReadList(child.blocks[0].nodes);
            if (label == "run35") record.runList = std::move(statements);
            else if (label == "run44") record.runChain.push_back(std::move(statements));
            else if (label == "run63") record.secondRunList = std::move(statements);
            else FailAt(child.line, "unknown list '" + label + "' of an accept (run35, run44 or run63)");
        };
        ReadAttributes(cursor, node, "an accept", attribute, list);
        Statement statement = Accept(std::move(record));
        statement.length = length;
        return statement;
    }

    Statement ReadPrint(Cursor& cursor, const Node& node) {
        PrintRecord record{.row = cursor.Coordinate("row"), .column = cursor.Coordinate("column"),
                           .value = cursor.ReadOperand("printed value")};
        ReadAttributes(cursor, node, "a print",
                       [](Cursor& line, const std::string& key) { UnknownAttribute(line, key, "a print"); });
        return Print(std::move(record));
    }

    Statement ReadBox(Cursor& cursor, const Node& node) {
        BoxRecord record{.top = cursor.Coordinate("top row"), .left = cursor.Coordinate("left column"),
                         .bottom = cursor.Coordinate("bottom row"), .right = cursor.Coordinate("right column")};
        bool flag = false;
        auto attribute = [&](Cursor& line, const std::string& key) {
            if (key == "title") record.title = line.ReadOperand("title");
            else if (key == "flag") flag = true;
            else UnknownAttribute(line, key, "a box");
        };
        ReadAttributes(cursor, node, "a box", attribute);
        return Box(std::move(record), flag);
    }

    Statement ReadOption(Cursor& cursor, const Node& node) {
        OptionRecord record{.row = cursor.Coordinate("row"), .column = cursor.Coordinate("column")};
        if (cursor.TakeWord("notext")) record.noText = true;
        else record.text = cursor.ReadOperand("option text");
        auto attribute = [&](Cursor& line, const std::string& key) {
            if (key == "help") record.help = line.ReadOperand("help");
            else if (key == "picture") record.pictureNumber = line.Int24("picture");
            else UnknownAttribute(line, key, "an option");
        };
        ReadAttributes(cursor, node, "an option", attribute);
        return Option(std::move(record));
    }

    Statement ReadConfirm(Cursor& cursor, const Node& node) {
        ConfirmRecord record{.row = cursor.Coordinate("row"), .column = cursor.Coordinate("column")};
        const Operand question = cursor.ReadOperand("question");
        if (question.kind == OperandKind::TextNumber) record.question = question.text;
        else if (question.kind != OperandKind::None) cursor.Fail("a confirm question is a \"text\", textno:N or none");
        auto attribute = [&](Cursor& line, const std::string& key) {
            if (key == "default") record.defaultAnswer = line.Letter("default");
            else UnknownAttribute(line, key, "a confirm");
        };
        auto list = [&](const Node& child, const std::string& label) {
            if (label != "run") FailAt(child.line, "unknown list '" + label + "' of a confirm (run)");
            if (record.runLists.size() == 4) FailAt(child.line, "a confirm has at most four run lists");
            OnlyLabel(child, label);
            record.runLists.push_back(ReadList(child.blocks[0].nodes));
        };
        ReadAttributes(cursor, node, "a confirm", attribute, list);
        return Confirm(std::move(record));
    }

    Statement ReadMessage(Cursor& cursor, const Node& node, const std::string& keyword) {
        std::vector<Operand> parts;
        while (cursor.AtOperand()) parts.push_back(cursor.ReadOperand("message part"));
        Operand prompt;
        auto attribute = [&](Cursor& line, const std::string& key) {
            if (key == "prompt" && keyword == "acknowledge") prompt = line.ReadOperand("prompt");
            else UnknownAttribute(line, key, "a " + keyword);
        };
        ReadAttributes(cursor, node, "a " + keyword, attribute);
        if (keyword == "message") return Message(std::move(parts));
        if (keyword == "abort") return Abort(std::move(parts));
        return Acknowledge(std::move(parts), std::move(prompt));
    }

    Cursor Open(const Node& node) { return Cursor(node.tokens, node.line, uses_); }

    void ReadAttributes(Cursor& head, const Node& node, const std::string& what, const AttributeReader& attribute,
                        const ListReader& list = {}) {
        opimage::ReadAttributes(head, node, what, attribute, list, uses_);
    }

    std::vector<NameUse>* uses_;
};

}  // namespace

StatementList ReadStatementList(const std::vector<Node>& nodes, std::vector<NameUse>* uses) {
    return StatementReader(uses).ReadList(nodes);
}

}  // namespace opimage
