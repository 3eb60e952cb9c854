#pragma once
// The wizard's list of parameters: filled from a parameters line, edited
// entry by entry, joined back into a line that fits the trigger.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_sink.h"

namespace triggers {

struct ParameterButtons {
    bool remove = false;
    bool up = false;
    bool down = false;
    bool operator==(const ParameterButtons&) const = default;
};

// A literal as stored: enclosing double quotes taken off, one pair put on.
// Empty text gives an empty result.
std::string QuotedLiteral(std::string_view text);

class ParameterList {
public:
    explicit ParameterList(std::string_view parametersLine);

    const std::vector<std::string>& Entries() const { return entries_; }
    int Selected() const { return selected_; }
    // Out of range clears the selection.
    void Select(int index);

    // A non-empty literal is appended in quotes; a field name as it is.
    bool AddLiteral(std::string_view text);
    void AddField(std::string_view name);
    // Removes the entry at the caret, if there is one there.
    void RemoveAt(int caret);
    // Swap the selection with its neighbour; the moved entry stays selected.
    void MoveUp();
    void MoveDown();

    ParameterButtons Buttons() const;

private:
    std::vector<std::string> entries_;
    int selected_ = -1;
};

// The entries joined with single blanks while the text stays below the
// parameters line's length; the first entry that would reach it is named in
// a message and it and those after it are left out. An empty result keeps
// `current`.
std::string JoinParameters(const std::vector<std::string>& entries, std::string_view current,
                           platform::MessageSink& sink);

}  // namespace triggers
