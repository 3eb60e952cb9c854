#pragma once
// Bringing an entry up to date after its section work file changed (a
// command, undo, redo, a hand edit) without decoding the program again.
//
// The first rebuild decodes the entry afresh and keeps its compiled items.
// Each rebuild also keeps the items as they stood before the statement the
// change began in. The next rebuild copies the latest kept state whose
// statements the work file still holds line for line, and applies the rest
// of the section to the copy: the items a fresh decode and a full apply
// give, with the messages they give, in the same order.

#include <memory>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/document/entry_opening.h"
#include "tessellar/document/message_record.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/overrides/statement_starts.h"

namespace document {

class EntryRebuild {
public:
    // Brings the model up to date with its work file. Decoding's messages
    // reach `decoding`, applying's `applying`. The inputs must be those the
    // first rebuild decoded with: a change of inputs takes a new EntryRebuild.
    void Rebuild(model::CScreenModel& model, const EntryInputs& inputs, platform::MessageSink& decoding,
                 platform::MessageSink& applying);

private:
    struct Kept {
        std::unique_ptr<model::CScreenModel> items;
        MessageRecord given;  // what decoding, or applying up to here, gave
    };
    static Kept Keep(const model::CScreenModel& model, MessageRecord given);

    Kept compiled_;
    Kept partway_;                       // before statement partwayStatement_ of the body applied last
    std::size_t partwayStatement_ = 0;   // 0: none kept
    std::string applied_;                // the body applied last
    overrides::StatementStarts starts_;  // its statements
};

}  // namespace document
