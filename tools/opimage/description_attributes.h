#pragma once
// How description items are read: fixed values on the head line, then
// "key value" attributes on that line and on the lines of the item's block,
// where a line opening a block of its own is one of the item's lists.

#include <functional>
#include <string>
#include <vector>

#include "tools/opimage/description_cursor.h"
#include "tools/opimage/description_tree.h"

namespace opimage {

using AttributeReader = std::function<void(Cursor&, const std::string& key)>;
using ListReader = std::function<void(const Node&, const std::string& label)>;

[[noreturn]] void FailAt(int line, const std::string& message);
[[noreturn]] void UnknownAttribute(Cursor& cursor, const std::string& key, const std::string& what);
void NoMoreTokens(Cursor& cursor, const std::string& what);
// A list line holds only its label and one block.
void OnlyLabel(const Node& node, const std::string& label);

// Names of variables used on the item's lines are recorded in uses.
void ReadAttributes(Cursor& head, const Node& node, const std::string& what, const AttributeReader& attribute,
                    const ListReader& list, std::vector<NameUse>* uses);

}  // namespace opimage
