#include "tessellar/overrides/statement_keys.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/text_case.h"
#include "tessellar/overrides/override_texts.h"

namespace overrides {

namespace {

using Key = StatementKey;

constexpr std::array<StatementKeyEntry, 35> kKeys = {{
    {texts::kWindow, Key::Keyword, StatementKind::Window},
    {texts::kBox, Key::Keyword, StatementKind::Box},
    {texts::kDisplay, Key::Keyword, StatementKind::Display},
    {texts::kAccept, Key::Keyword, StatementKind::Accept},
    {texts::kOption, Key::Keyword, StatementKind::Option},
    {texts::kMode, Key::Keyword, StatementKind::Mode},
    {texts::kConfirm, Key::Keyword, StatementKind::Confirm},
    {texts::kMessage, Key::Keyword, StatementKind::Message},
    {texts::kTrigger, Key::Keyword, StatementKind::Trigger},
    {texts::kTriggerPoint, Key::TriggerPoint, StatementKind::None},
    {texts::kTag, Key::Tag, StatementKind::None},
    {texts::kName, Key::Name, StatementKind::None},
    {texts::kOrigText, Key::OrigText, StatementKind::None},
    {texts::kOrigCoordinate, Key::OrigCoordinate, StatementKind::None},
    {texts::kSuppress, Key::Suppress, StatementKind::None},
    {texts::kAdd, Key::Add, StatementKind::None},
    {texts::kReadonly, Key::Readonly, StatementKind::None},
    {texts::kDefault, Key::Default, StatementKind::None},
    {texts::kFilter, Key::Filter, StatementKind::None},
    {texts::kAllowed, Key::Allowed, StatementKind::None},
    {texts::kDisallowed, Key::Disallowed, StatementKind::None},
    {texts::kPicture, Key::Picture, StatementKind::None},
    {texts::kCoordinate, Key::Coordinate, StatementKind::None},
    {texts::kWindowSize, Key::WindowSize, StatementKind::None},
    {texts::kColumnNumber, Key::ColumnNumber, StatementKind::None},
    {texts::kColor, Key::Color, StatementKind::None},
    {texts::kScale, Key::Scale, StatementKind::None},
    {texts::kAttributes, Key::Attributes, StatementKind::None},
    {texts::kText, Key::Text, StatementKind::None},
    {texts::kNewPromptText, Key::NewPromptText, StatementKind::None},
    {texts::kNewPromptCoord, Key::NewPromptCoord, StatementKind::None},
    {texts::kHelpline, Key::Helpline, StatementKind::None},
    {texts::kTitle, Key::Title, StatementKind::None},
    {texts::kRun, Key::Run, StatementKind::None},
    {texts::kType, Key::Type, StatementKind::None},
}};

constexpr std::size_t kLongestKey = 16;
constexpr std::size_t kMostOfOneLength = 8;

// The entries of each word length, in table order.
struct SameLength {
    std::array<std::uint8_t, kMostOfOneLength> entries{};
    std::size_t count = 0;
};

constexpr std::array<SameLength, kLongestKey + 1> kByLength = [] {
    std::array<SameLength, kLongestKey + 1> byLength{};
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        SameLength& same = byLength[kKeys[i].word.size()];
        same.entries[same.count++] = static_cast<std::uint8_t>(i);
    }
    return byLength;
}();

constexpr bool EveryKeyFits() {
    for (const StatementKeyEntry& entry : kKeys) {
        if (entry.word.empty() || entry.word.size() > kLongestKey) return false;
    }
    for (const SameLength& same : kByLength) {
        if (same.count > kMostOfOneLength) return false;
    }
    return true;
}
static_assert(EveryKeyFits(), "a key word is longer, or one length has more words, than the look-up holds");

bool SameWord(std::string_view word, std::string_view key) {
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (platform::LowerCasedAscii(word[i]) != key[i]) return false;
    }
    return true;
}

}  // namespace

const StatementKeyEntry* FindStatementKey(std::string_view word) {
    if (word.empty() || word.size() > kLongestKey) return nullptr;
    const SameLength& same = kByLength[word.size()];
    for (std::size_t i = 0; i < same.count; ++i) {
        const StatementKeyEntry& entry = kKeys[same.entries[i]];
        if (SameWord(word, entry.word)) return &entry;
    }
    return nullptr;
}

const StatementKeyEntry* StatementKeysBegin() { return kKeys.data(); }
const StatementKeyEntry* StatementKeysEnd() { return kKeys.data() + kKeys.size(); }

}  // namespace overrides
