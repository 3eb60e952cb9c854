#pragma once
// Finding the item a statement names. A statement matches an item only when
// both carry the same identification kind; look-ups walk the item lists in
// their order and the first match wins. The same look-ups serve applying
// and the in-place update of statements.

#include <vector>

#include "tessellar/model/screen_model.h"
#include "tessellar/overrides/override_statement.h"

namespace overrides {

// Whether the identifier gives a text (or name) and an original coordinate
// together: it then names the item on which both agree, whatever its kind,
// and only when no item has both does its identification kind decide.
bool NamesTextAndCoordinate(const ItemIdentifier& id);

// Display statements for items the customiser added carry no identifier
// line (or only a tag): their kind follows from add, coordinate and text.
ItemIdentifier DisplayIdentifier(const OverrideStatement& statement);

// The display a `display` trigger block belongs to, as applying finds it: an
// added display, by the block's tag and `coordinate`.
ItemIdentifier TriggerDisplayIdentifier(const OverrideStatement& statement);

// Kinds 1 name, 2 original text, 3 tag, 4 original coordinate, 5 added
// prompt (text and coordinate), 6 added display (tag, else coordinate).
model::CDispText* ResolveDisplay(model::CScreenModel& model, const ItemIdentifier& id);
// Kinds 1, 3 and 4.
model::CAcceptFld* ResolveAccept(model::CScreenModel& model, const ItemIdentifier& id);
// Kinds 1, 2 and 4.
model::COptionItem* ResolveOption(model::CScreenModel& model, const ItemIdentifier& id);
// Kinds 1, 2 and 4, in one of the two mode lists.
model::CModeItem* ResolveMode(model::CScreenModel& model, const ItemIdentifier& id, model::ModeList list);
// The same in the screen's own mode list first, then the program-wide one.
model::CModeItem* ResolveAnyMode(model::CScreenModel& model, const ItemIdentifier& id);
// Kind 4 only, by both corners: the original top left and the `coordinate`
// pair as the bottom right.
model::CBoxItem* ResolveBox(model::CScreenModel& model, const ItemIdentifier& id, int bottomRow,
                            int rightColumn);
// A block that names a box by its top left alone, as the batch tool writes
// them, means the first box of the program's own there.
model::CBoxItem* ResolveBoxByTopLeft(model::CScreenModel& model, const ItemIdentifier& id);
// By question text; without identifier text, the screen's first confirm.
model::CConfirmItem* ResolveConfirm(model::CScreenModel& model, const ItemIdentifier& id);
// Every message whose original text is the identifier text (kind 2 only).
std::vector<model::CMessageItem*> ResolveMessages(model::CScreenModel& model, const ItemIdentifier& id);

}  // namespace overrides
