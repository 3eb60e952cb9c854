#pragma once
// Blocks and items named the way an override statement names them
// ("accept name = CUST-NAME", "display orig_text = \"Name:\""), so that a
// finding says which block is at fault and a hint can be pasted back into
// the file.

#include <string>
#include <string_view>

#include "tessellar/model/screen_model.h"
#include "tessellar/overrides/override_statement.h"

namespace checks {

// The identifier lines of an identification kind: "name = X", "orig_text =
// \"X\"", "tag = N", "orig_coordinate = R,C", and the keys that find added
// prompts and displays. Empty for no identification.
std::string IdentifierText(int identificationKind, std::string_view text, int tag, int row, int column);

// The block's keyword and the identifier it resolves by ("window" alone).
std::string BlockKey(const overrides::OverrideStatement& statement);

// Items as a statement names them now, keyword first.
std::string ItemKey(const model::CDispText& item);
std::string ItemKey(const model::CAcceptFld& item);
std::string ItemKey(const model::COptionItem& item);
std::string ItemKey(const model::CScreenModel& model, const model::CModeItem& item);
std::string ItemKey(const model::CBoxItem& item);
std::string ItemKey(const model::CConfirmItem& item);

// "R,C".
std::string CellText(int row, int column);

}  // namespace checks
