#include "tessellar/lists/message_list.h"

#include <algorithm>

#include "platform/text_capacity.h"
#include "platform/text_case.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/commands/command_texts.h"
#include "tessellar/lists/list_texts.h"

namespace lists {
namespace {

unsigned char Folded(char byte) { return static_cast<unsigned char>(platform::LowerCasedAscii(byte)); }

// Byte by byte as unsigned bytes, A-Z folded to lower case when asked.
int CompareBytes(std::string_view left, std::string_view right, bool fold) {
    const std::size_t common = std::min(left.size(), right.size());
    for (std::size_t index = 0; index < common; ++index) {
        const unsigned char a = fold ? Folded(left[index]) : static_cast<unsigned char>(left[index]);
        const unsigned char b = fold ? Folded(right[index]) : static_cast<unsigned char>(right[index]);
        if (a != b) return a < b ? -1 : 1;
    }
    if (left.size() == right.size()) return 0;
    return left.size() < right.size() ? -1 : 1;
}

int CompareBy(MessageColumn column, const MessageRow& left, const MessageRow& right) {
    switch (column) {
        case MessageColumn::Override: return CompareBytes(left.working, right.working, true);
        case MessageColumn::Original: return CompareBytes(left.original, right.original, false);
        case MessageColumn::Type:
            return CompareBytes(MessageList::TypeWord(left), MessageList::TypeWord(right), false);
        case MessageColumn::Id: break;
    }
    return left.id == right.id ? 0 : (left.id < right.id ? -1 : 1);
}

}  // namespace

MessageList::MessageList(const model::CScreenModel& screen) {
    int id = 0;
    for (const model::CMessageItem& message : screen.Messages()) {
        // The saved override is the text in force (the original without an
        // override), so "Overridden Messages" lists only real overrides.
        messages_.push_back({id++, message.kind, message.text.Original(), message.text.Current(), message.editedText});
    }
}

std::string_view MessageList::TypeWord(const MessageRow& row) {
    switch (row.kind) {
        case model::MessageKind::Message: return texts::kMessageWord;
        case model::MessageKind::Acknowledge: return texts::kAcknowledgeWord;
        case model::MessageKind::Abort: return texts::kAbortWord;
        case model::MessageKind::PrintOrPrompt: break;
    }
    // Statements can override print and prompt texts too, so they are listed.
    return row.original.starts_with("print ") ? texts::kPrintWord : texts::kPromptWord;
}

void MessageList::SortByColumn(MessageColumn column) {
    if (!keys_.empty() && keys_.front().column == column) {
        keys_.front().ascending = !keys_.front().ascending;
        return;
    }
    std::erase_if(keys_, [column](const SortKey& key) { return key.column == column; });
    keys_.insert(keys_.begin(), SortKey{column, true});
}

bool MessageList::Less(const MessageRow& left, const MessageRow& right) const {
    for (const SortKey& key : keys_) {
        const int order = CompareBy(key.column, left, right);
        if (order != 0) return key.ascending ? order < 0 : order > 0;
    }
    return left.id < right.id;
}

std::vector<int> MessageList::Rows() const {
    std::vector<const MessageRow*> shown;
    for (const MessageRow& row : messages_) {
        // An edit not yet committed counts as an override too.
        if (filter_ == MessageFilter::Overridden && row.saved == row.original && row.working == row.original) continue;
        shown.push_back(&row);
    }
    std::sort(shown.begin(), shown.end(), [this](const MessageRow* a, const MessageRow* b) { return Less(*a, *b); });
    std::vector<int> ids;
    ids.reserve(shown.size());
    for (const MessageRow* row : shown) ids.push_back(row->id);
    return ids;
}

bool MessageList::Edit(int id, std::string_view text) {
    // Editing takes effect only when it ends with a text.
    if (id < 0 || static_cast<std::size_t>(id) >= messages_.size() || text.empty()) return false;
    messages_[static_cast<std::size_t>(id)].working = platform::CutText(text, kWorkingTextLength);
    return true;
}

void MessageList::Reset(const std::vector<int>& ids) {
    for (int id : ids) {
        if (id < 0 || static_cast<std::size_t>(id) >= messages_.size()) continue;
        MessageRow& row = messages_[static_cast<std::size_t>(id)];
        row.working = row.saved;
    }
}

void MessageList::ResetAll() {
    for (MessageRow& row : messages_) row.working = row.saved;
}

commands::CommandBatch MessageList::Changes(model::CScreenModel& screen, platform::MessageSink& sink) const {
    commands::CommandBatch batch;
    for (const MessageRow& row : messages_) {
        if (row.working == row.saved) continue;
        commands::MadeCommand made = commands::MakeCommand(screen, commands::texts::kModifyMessageText,
                                                           commands::MessageKey(row.original),
                                                           {commands::CommandValue{row.working, true}});
        if (made.command) {
            batch.Add(std::move(made.command));
        } else {
            sink.ShowMessage(made.error);
        }
    }
    return batch;
}

bool MessageList::Commit(document::Document& document, model::CScreenModel& screen,
                         platform::MessageSink& sink) const {
    const commands::CommandBatch batch = Changes(screen, sink);
    // No change makes no work file and no undo step.
    if (batch.Empty()) return false;
    return document.Run(screen, batch, sink);
}

void MessageList::Cancel(model::CScreenModel& screen) {
    for (model::CMessageItem& message : screen.Messages()) message.editedText = message.text.Current();
}

}  // namespace lists
