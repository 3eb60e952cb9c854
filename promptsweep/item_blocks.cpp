#include "promptsweep/item_blocks.h"

#include "platform/message_format.h"
#include "promptsweep/term_match.h"
#include "promptsweep/texts.h"
#include "tessellar/overrides/override_words.h"

namespace promptsweep {

using platform::FormatText;
namespace words = overrides::texts;

namespace {

// "KEY = VALUE" and "KEY = \"TEXT\"".
std::string KeyLine(const char* key, const std::string& value) {
    return FormatText(texts::kKeyLine, key, value.c_str());
}
std::string QuotedKeyLine(const char* key, const std::string& text) {
    return FormatText(texts::kQuotedKeyLine, key, text.c_str());
}

// Builds an ItemBlock line by line.
class Builder {
public:
    explicit Builder(const char* keyword) { block_.keyword = keyword; }
    void Line(std::string line) { block_.lines.push_back(std::move(line)); }
    void Identification(std::string line) {
        Line(std::move(line));
        block_.identification = block_.lines.back();
    }
    void Coordinate(const std::string& coordinate) {
        if (coordinate.empty()) return;
        Line(coordinate);
        block_.coordinate = coordinate;
    }
    // `field` is the key of the value line: text, title or helpline.
    void Value(const char* field, const char* kind, const std::string& oldText, std::string newText) {
        Line(QuotedKeyLine(field, newText));
        block_.values.push_back({field, kind, oldText, std::move(newText)});
    }
    ItemBlock Done() { return std::move(block_); }

private:
    ItemBlock block_;
};

}  // namespace

ItemBlock DescribeItemBlock(const HandedItem& item, const PairList& pairs) {
    const std::string text(item.text);
    const std::string previous(item.previous);
    const std::string name(item.name);
    const std::string coordinate(item.coordinate);
    auto replaced = [&](const std::string& value) { return ReplaceTerms(value, pairs); };

    switch (item.kind) {
        case kDisplayText: {
            Builder block(words::kDisplay);
            block.Identification(QuotedKeyLine(words::kOrigText, text));
            block.Coordinate(coordinate);
            if (std::string newText = replaced(text); newText != text) {
                block.Value(words::kText, "display text", text, std::move(newText));
            }
            if (std::string title = replaced(previous); !previous.empty() && title != previous) {
                block.Value(words::kTitle, "display title", previous, std::move(title));
            }
            return block.Done();
        }
        case kOptionHelp: {
            Builder block(words::kOption);
            block.Identification(QuotedKeyLine(words::kOrigText, previous));
            if (std::string newText = replaced(previous); newText != previous) {
                block.Value(words::kText, "option text", previous, std::move(newText));
            }
            if (std::string help = replaced(text); help != text) {
                block.Value(words::kHelpline, "option help", text, std::move(help));
            }
            return block.Done();
        }
        case kAcceptHelp: {
            Builder block(words::kAccept);
            block.Identification(KeyLine(words::kName, name));
            block.Coordinate(coordinate);
            if (std::string title = replaced(previous); !previous.empty() && title != previous) {
                block.Value(words::kTitle, "entry field title", previous, std::move(title));
            }
            if (std::string help = replaced(text); help != text) {
                block.Value(words::kHelpline, "entry field help", text, std::move(help));
            }
            return block.Done();
        }
        case kModeLabel: {
            Builder block(words::kMode);
            block.Identification(QuotedKeyLine(words::kName, name));
            if (std::string label = replaced(text); label != text) {
                block.Value(words::kText, "mode label", text, std::move(label));
            }
            if (std::string help = replaced(previous); help != previous) {
                block.Value(words::kHelpline, "mode help", previous, std::move(help));
            }
            return block.Done();
        }
        case kScreenTitle: {
            Builder block(words::kWindow);
            block.Value(words::kTitle, "screen title", text, replaced(text));
            return block.Done();
        }
        case kBoxTitle: {
            Builder block(words::kBox);
            block.Identification(KeyLine(words::kOrigCoordinate, name));
            block.Value(words::kTitle, "box title", text, replaced(text));
            return block.Done();
        }
        case kConfirmQuestion: {
            Builder block(words::kConfirm);
            block.Value(words::kText, "confirm question", text, replaced(text));
            return block.Done();
        }
        case kMessagePart: {
            Builder block(words::kMessage);
            block.Identification(QuotedKeyLine(words::kOrigText, text));
            if (std::string newText = replaced(text); newText != text) {
                block.Value(words::kText, "message", text, std::move(newText));
            }
            return block.Done();
        }
        default: return {};
    }
}

std::string FormatItemBlock(const ItemBlock& block) {
    if (block.keyword.empty()) return {};
    std::string text = FormatText(texts::kItemOpen, block.keyword.c_str());
    for (const std::string& line : block.lines) text += FormatText(texts::kItemLine, line.c_str());
    return text + texts::kItemClose;
}

std::string FormatItemBlock(const HandedItem& item, const PairList& pairs) {
    return FormatItemBlock(DescribeItemBlock(item, pairs));
}

std::string FormatSectionOpen(std::string_view section) {
    return FormatText(texts::kSectionOpen, std::string(section).c_str());
}

std::string FormatSectionClose() { return texts::kSectionClose; }

std::string FormatNewContentHeader(const std::string& userName, const std::string& ascTime,
                                   const std::string& programPath) {
    std::string header = texts::kStarLine;
    header += FormatText(texts::kGeneratedByTool, texts::kVersion);
    header += FormatText(texts::kNewContentGeneratedBy, userName.c_str(), ascTime.c_str());
    header += FormatText(texts::kProgramLine, programPath.c_str());
    return header;
}

}  // namespace promptsweep
