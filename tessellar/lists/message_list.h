#pragma once
// The message list of a screen as its dialog works on it: one row per
// message in the screen's list order (its id is that position, from 0) with
// the original text, the saved override (the text in force) and the working
// text the user edits; the filter and the sort keys that order the rows;
// and the commit that turns every changed working text into one undo step
// of "Modify message text" commands.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/commands/command_batch.h"
#include "tessellar/document/document.h"
#include "tessellar/model/screen_model.h"

namespace lists {

// In the order the dialog creates its columns.
enum class MessageColumn { Override, Original, Type, Id };

enum class MessageFilter { All, Overridden };

struct SortKey {
    MessageColumn column;
    bool ascending = true;
    bool operator==(const SortKey&) const = default;
};

struct MessageRow {
    int id = 0;
    model::MessageKind kind = model::MessageKind::Message;
    std::string original;
    std::string saved;
    std::string working;
};

class MessageList {
public:
    explicit MessageList(const model::CScreenModel& screen);

    // Every message, in list order (index = id).
    const std::vector<MessageRow>& Messages() const { return messages_; }
    // The word the Type column shows.
    static std::string_view TypeWord(const MessageRow& row);

    MessageFilter Filter() const { return filter_; }
    void SetFilter(MessageFilter filter) { filter_ = filter; }

    // Sort keys, first decides first; ties fall back to list order.
    const std::vector<SortKey>& SortKeys() const { return keys_; }
    void SetSortKeys(std::vector<SortKey> keys) { keys_ = std::move(keys); }
    // A header click: the column becomes the first key (ascending); a
    // second click on the first key flips its direction.
    void SortByColumn(MessageColumn column);

    // The ids of the rows shown, filtered and sorted.
    std::vector<int> Rows() const;

    // Sets a working text, cut to the editor's limit. An empty text or an
    // unknown id leaves everything as it was (false).
    bool Edit(int id, std::string_view text);
    // The working texts of the given ids (or all) back to their saved ones.
    void Reset(const std::vector<int>& ids);
    void ResetAll();

    // One "Modify message text" per message, in list order, whose working
    // text differs from its saved one.
    commands::CommandBatch Changes(model::CScreenModel& screen, platform::MessageSink& sink) const;
    // OK: runs the changes as one undo step; nothing at all without a
    // change. True when commands were issued. The screen's items are
    // rebuilt afterwards.
    bool Commit(document::Document& document, model::CScreenModel& screen, platform::MessageSink& sink) const;
    // Cancel: every message's second copy back to the text in force.
    static void Cancel(model::CScreenModel& screen);

private:
    bool Less(const MessageRow& left, const MessageRow& right) const;

    std::vector<MessageRow> messages_;
    MessageFilter filter_ = MessageFilter::All;
    std::vector<SortKey> keys_;
};

// The longest working text (the in-place editor's limit).
inline constexpr std::size_t kWorkingTextLength = model::kMessageLength - 1;

}  // namespace lists
