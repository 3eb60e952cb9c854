#include "tessellar/sheets/accept_sheet_run.h"

#include <optional>
#include <string>

#include "tessellar/commands/command_batch.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/commands/item_reference.h"
#include "tessellar/sheets/sheet_run.h"

namespace sheets {

namespace {

// The field's user list as OK stores it, while the commands are made; the
// field's own values come back when this goes.
class StoredUserList {
public:
    StoredUserList(model::CAcceptFld* field, const AcceptSheetEdits& edits) : field_(field) {
        if (field_ == nullptr) return;
        sense_ = field_->userListSense;
        allowed_ = field_->allowed.Current();
        disallowed_ = field_->disallowed.Current();
        PutUserList(*field_, edits.userList, edits.userListSense);
    }
    ~StoredUserList() {
        if (field_ == nullptr) return;
        field_->userListSense = sense_;
        field_->allowed.SetCurrent(allowed_);
        field_->disallowed.SetCurrent(disallowed_);
    }
    StoredUserList(const StoredUserList&) = delete;
    StoredUserList& operator=(const StoredUserList&) = delete;

private:
    model::CAcceptFld* field_;
    int sense_ = 0;
    std::string allowed_;
    std::string disallowed_;
};

}  // namespace

bool RunAcceptSheetPlan(document::Document& document, model::CScreenModel& screen, const commands::ItemKey& field,
                        const AcceptSheetEdits& edits, const std::vector<SheetAction>& plan,
                        platform::MessageSink& sink) {
    commands::CommandBatch batch;
    {
        const std::optional<commands::ResolvedItem> resolved = commands::Resolve(screen, field);
        const StoredUserList stored(resolved ? resolved->accept : nullptr, edits);
        for (const SheetAction& action : plan) {
            AddCheckedStep(batch, screen, action.command, action.key, action.values, action.refusal, sink);
        }
    }
    if (batch.Empty()) return false;
    return document.Run(screen, batch, sink);
}

}  // namespace sheets
