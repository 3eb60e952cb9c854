#pragma once
// The message texts of an entry: what its message, abort, acknowledge and
// print statements say, found at any depth of its statement lists.

#include "tessellar/program/decode_context.h"

namespace program {

// Walks the body, the detail list and the third list, in this order, into
// every branch, loop, confirm and entry field, and adds one message item
// per message text.
void CollectMessageTexts(DecodeContext& context);

}  // namespace program
