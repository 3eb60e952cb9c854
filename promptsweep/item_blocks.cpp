#include "promptsweep/item_blocks.h"

#include "platform/message_format.h"
#include "promptsweep/term_match.h"
#include "promptsweep/texts.h"

namespace promptsweep {

using platform::FormatText;

namespace {

class Block {
public:
    explicit Block(std::string_view keyword) { text_ = FormatText(texts::kItemOpen, std::string(keyword).c_str()); }
    void Line(const std::string& line) { text_ += FormatText(texts::kItemLine, line.c_str()); }
    void Line(const char* format, const std::string& value) { Line(FormatText(format, value.c_str())); }
    std::string Close() { return text_ + texts::kItemClose; }

private:
    std::string text_;
};

}  // namespace

std::string FormatItemBlock(const HandedItem& item, const PairList& pairs) {
    const std::string text(item.text);
    const std::string previous(item.previous);
    const std::string name(item.name);
    const std::string coordinate(item.coordinate);
    auto replaced = [&](const std::string& value) { return ReplaceTerms(value, pairs); };

    switch (item.kind) {
        case kDisplayText: {
            Block block("display");
            block.Line(texts::kOrigText, text);
            if (!coordinate.empty()) block.Line(coordinate);
            if (const std::string newText = replaced(text); newText != text) block.Line(texts::kTextValue, newText);
            if (const std::string title = replaced(previous); !previous.empty() && title != previous) {
                block.Line(texts::kTitleValue, title);
            }
            return block.Close();
        }
        case kOptionHelp: {
            Block block("option");
            block.Line(texts::kOrigText, previous);
            if (const std::string newText = replaced(previous); newText != previous) {
                block.Line(texts::kTextValue, newText);
            }
            if (const std::string help = replaced(text); help != text) block.Line(texts::kHelplineValue, help);
            return block.Close();
        }
        case kAcceptHelp: {
            Block block("accept");
            block.Line(texts::kBareName, name);
            if (!coordinate.empty()) block.Line(coordinate);
            if (const std::string title = replaced(previous); !previous.empty() && title != previous) {
                block.Line(texts::kTitleValue, title);
            }
            if (const std::string help = replaced(text); help != text) block.Line(texts::kHelplineValue, help);
            return block.Close();
        }
        case kModeLabel: {
            Block block("mode");
            block.Line(texts::kQuotedName, name);
            if (const std::string label = replaced(text); label != text) block.Line(texts::kTextValue, label);
            if (const std::string help = replaced(previous); help != previous) {
                block.Line(texts::kHelplineValue, help);
            }
            return block.Close();
        }
        case kScreenTitle: {
            Block block("window");
            block.Line(texts::kTitleValue, replaced(text));
            return block.Close();
        }
        case kBoxTitle: {
            Block block("box");
            block.Line(texts::kOrigCoordinate, name);
            block.Line(texts::kTitleValue, replaced(text));
            return block.Close();
        }
        case kConfirmQuestion: {
            Block block("confirm");
            block.Line(texts::kTextValue, replaced(text));
            return block.Close();
        }
        case kMessagePart: {
            Block block("message");
            block.Line(texts::kOrigText, text);
            if (const std::string newText = replaced(text); newText != text) block.Line(texts::kTextValue, newText);
            return block.Close();
        }
        default: return {};
    }
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
