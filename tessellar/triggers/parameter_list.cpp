// The wizard's parameter list.

#include "tessellar/triggers/parameter_list.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "tessellar/triggers/run_line.h"
#include "tessellar/triggers/trigger_texts.h"

namespace triggers {

std::string QuotedLiteral(std::string_view text) {
    std::string bare = Unquoted(text);
    if (bare.empty()) return {};
    return "\"" + bare + "\"";
}

ParameterList::ParameterList(std::string_view parametersLine)
    : entries_(SplitParameters(parametersLine)) {}

void ParameterList::Select(int index) {
    selected_ = index >= 0 && static_cast<std::size_t>(index) < entries_.size() ? index : -1;
}

bool ParameterList::AddLiteral(std::string_view text) {
    std::string literal = QuotedLiteral(text);
    if (literal.empty()) return false;
    entries_.push_back(std::move(literal));
    return true;
}

void ParameterList::AddField(std::string_view name) {
    if (!name.empty()) entries_.emplace_back(name);
}

void ParameterList::RemoveAt(int caret) {
    if (caret < 0 || static_cast<std::size_t>(caret) >= entries_.size()) return;
    entries_.erase(entries_.begin() + caret);
    Select(selected_ == caret ? caret : selected_ > caret ? selected_ - 1 : selected_);
}

void ParameterList::MoveUp() {
    if (selected_ <= 0) return;
    std::swap(entries_[selected_], entries_[selected_ - 1]);
    --selected_;
}

void ParameterList::MoveDown() {
    if (selected_ < 0 || static_cast<std::size_t>(selected_) + 1 >= entries_.size()) return;
    std::swap(entries_[selected_], entries_[selected_ + 1]);
    ++selected_;
}

ParameterButtons ParameterList::Buttons() const {
    const std::size_t count = entries_.size();
    if (count == 0) return {};
    if (count == 1) return {true, false, false};
    if (selected_ < 0) return {};
    return {true, selected_ > 0, static_cast<std::size_t>(selected_) + 1 < count};
}

std::string JoinParameters(const std::vector<std::string>& entries, std::string_view current,
                           platform::MessageSink& sink) {
    std::string line;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::size_t length = line.size() + (line.empty() ? 0 : 1) + entries[i].size();
        if (length >= kParametersLineLength) {
            const std::string& entry = entries[i];
            std::string text(std::string_view(texts::kLineTooLong).size() + entry.size() + 24, '\0');
            const int written = std::snprintf(text.data(), text.size() + 1, texts::kLineTooLong,
                                              static_cast<int>(i), entry.c_str());
            text.resize(written > 0 ? std::min<std::size_t>(written, text.size()) : 0);
            sink.ShowMessage(text);
            break;
        }
        if (!line.empty()) line += ' ';
        line += entries[i];
    }
    return line.empty() ? std::string(current) : line;
}

}  // namespace triggers
