#include "tools/opimage/description_attributes.h"

namespace opimage {

void FailAt(int line, const std::string& message) { throw DescriptionFailure{line, message}; }

void UnknownAttribute(Cursor& cursor, const std::string& key, const std::string& what) {
    cursor.Fail("unknown attribute '" + key + "' of " + what);
}

void NoMoreTokens(Cursor& cursor, const std::string& what) {
    if (!cursor.AtEnd()) cursor.Fail("unexpected words after " + what);
}

void OnlyLabel(const Node& node, const std::string& label) {
    if (node.tokens.size() != 1) FailAt(node.line, "'" + label + " {' takes nothing else on its line");
    if (node.blocks.size() != 1) {
        FailAt(node.blocks[1].line, "'" + label + "' takes no '} " + node.blocks[1].label + " {'");
    }
}

void ReadAttributes(Cursor& head, const Node& node, const std::string& what, const AttributeReader& attribute,
                    const ListReader& list, std::vector<NameUse>* uses) {
    auto readLine = [&](Cursor& cursor) {
        while (!cursor.AtEnd()) attribute(cursor, cursor.Word("attribute of " + what));
    };
    readLine(head);
    if (node.blocks.empty()) return;
    if (node.blocks.size() > 1) {
        FailAt(node.blocks[1].line, what + " takes no '} " + node.blocks[1].label + " {'");
    }
    for (const Node& child : node.blocks[0].nodes) {
        Cursor cursor(child.tokens, child.line, uses);
        if (child.blocks.empty()) {
            readLine(cursor);
            continue;
        }
        const std::string label = cursor.Word("list name");
        if (!list) cursor.Fail(what + " has no lists; unexpected '" + label + " {'");
        list(child, label);
    }
}

}  // namespace opimage
