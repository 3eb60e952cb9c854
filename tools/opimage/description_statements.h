#pragma once
// Reads the statement lists of a description (body, detail, nested blocks).

#include <vector>

#include "tools/opimage/description_cursor.h"
#include "tools/opimage/description_tree.h"
#include "tools/opimage/program.h"

namespace opimage {

// Variables named by the statements are recorded in uses.
StatementList ReadStatementList(const std::vector<Node>& nodes, std::vector<NameUse>* uses);

}  // namespace opimage
