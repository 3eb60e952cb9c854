#include "tessellar/overrides/override_file_check.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "platform/line_trim.h"
#include "platform/text_case.h"
#include "tessellar/overrides/line_split.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/section_lines.h"

namespace overrides {

namespace {

// Only the start of a line decides what it is; the reader cuts lines there too.
constexpr std::size_t kLineKept = 511;
// Past this many lines of sections and blocks with hardly a stray one, the
// rest of a file cannot make it something else: only its bytes are counted.
constexpr std::size_t kConvincingLines = 64;
// Besides the few stray lines, one in this many may be stray.
constexpr std::size_t kStrayShare = 50;

constexpr auto kFew = static_cast<std::size_t>(kFewStrayLines);

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBinaryByte(unsigned char c) {
    if (c >= 0x20 || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') return false;
    return c != 0x1a;  // the old end-of-file mark some editors leave
}

// Programs and random bytes are a tenth or more control bytes; a text file
// has none, or a stray NUL or two that an old editor left in a line, which
// the reader takes in its stride.
bool IsBinary(std::size_t bytes, std::size_t binary) { return binary > 0 && binary * 100 >= bytes; }

bool IsOneOf(std::string_view word, const auto& words) {
    for (const char* known : words) {
        if (word == known) return true;
    }
    return false;
}

bool IsKnownKey(std::string_view key) {
    static constexpr const char* kKeys[] = {
        texts::kTriggerPoint, texts::kTag,         texts::kName,          texts::kOrigText,     texts::kOrigCoordinate,
        texts::kSuppress,     texts::kAdd,         texts::kReadonly,      texts::kDefault,      texts::kFilter,
        texts::kAllowed,      texts::kDisallowed,  texts::kPicture,       texts::kCoordinate,   texts::kWindowSize,
        texts::kColumnNumber, texts::kColor,       texts::kScale,         texts::kAttributes,   texts::kText,
        texts::kNewPromptText, texts::kNewPromptCoord, texts::kHelpline, texts::kTitle,        texts::kRun,
        texts::kType};
    return IsOneOf(key, kKeys);
}

std::string FirstWord(std::string_view trimmed) {
    std::size_t end = 0;
    while (end < trimmed.size() && !platform::IsWhiteSpace(trimmed[end])) ++end;
    return platform::LowerCased(trimmed.substr(0, end));
}

// Follows the shape of the text line by line: sections, their braces, the
// blocks inside them, and the lines that fit nowhere.
class ShapeReader {
public:
    void Line(std::string_view line) {
        if (first_) {
            first_ = false;
            if (line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
        }
        const std::string_view trimmed = platform::TrimControls(line);
        if (trimmed.empty()) return;
        ++nonBlank_;
        if (trimmed.front() == '#') {
            std::string_view header(texts::kFileHeader);
            header.remove_suffix(1);  // its line end
            if (trimmed == header) headerLine_ = true;
            return;
        }
        const std::string word = FirstWord(trimmed);
        std::int64_t ignoredDepth = 0;
        if (ClassifySectionLine(trimmed, ignoredDepth).type == SectionLineType::Header) {
            EndPending();
            headerPending_ = true;
            depth_ = 0;  // as the reader does: a header starts afresh
            return;
        }
        if (word == "{") {
            Open();
            return;
        }
        EndPending();
        if (word == "}") {
            if (depth_ > 0) {
                --depth_;
                ++structured_;
            } else {
                ++stray_;
            }
            return;
        }
        const bool keyLine = trimmed.find('=') != std::string_view::npos;
        if (depth_ == 1 && !keyLine && IsOneOf(word, texts::kItemKeywords)) {
            keywordPending_ = true;
            return;
        }
        if (depth_ == 2 && keyLine && IsKnownKey(SplitLine(trimmed).key)) {
            ++structured_;
            return;
        }
        ++stray_;
    }

    // Enough of sections and blocks has been seen that nothing can change the answer.
    bool Convinced() const { return sections_ > 0 && structured_ >= kConvincingLines && stray_ <= kFew; }

    bool ReadsAsOverrideText() {
        EndPending();
        if (sections_ == 0) return nonBlank_ == 0 || (headerLine_ && stray_ == 0);
        return stray_ <= kFew || stray_ * kStrayShare <= structured_;
    }

private:
    void Open() {
        if (headerPending_) {
            headerPending_ = false;
            ++sections_;
            structured_ += 2;
            depth_ = 1;
        } else if (keywordPending_ && depth_ == 1) {
            keywordPending_ = false;
            structured_ += 2;
            depth_ = 2;
        } else {
            EndPending();
            ++stray_;
            ++depth_;
        }
    }

    // A header that no brace follows fits nowhere; an item keyword in a
    // section is an empty statement, which the reader passes over.
    void EndPending() {
        if (headerPending_) ++stray_;
        if (keywordPending_) ++structured_;
        headerPending_ = keywordPending_ = false;
    }

    bool first_ = true;
    bool headerLine_ = false;
    bool headerPending_ = false;
    bool keywordPending_ = false;
    std::int64_t depth_ = 0;
    std::size_t nonBlank_ = 0;
    std::size_t sections_ = 0;
    std::size_t structured_ = 0;
    std::size_t stray_ = 0;
};

enum class TextLook { Override, Foreign, ReadFailed };

TextLook LookAtText(std::istream& in) {
    std::array<char, 65536> block;
    ShapeReader shape;
    std::string line;
    bool convinced = false;
    std::size_t bytes = 0;
    std::size_t binary = 0;
    while (in) {
        in.read(block.data(), block.size());
        const std::string_view data(block.data(), static_cast<std::size_t>(in.gcount()));
        for (const char c : data) binary += IsBinaryByte(static_cast<unsigned char>(c)) ? 1 : 0;
        for (std::size_t at = 0; !convinced && at < data.size();) {
            const std::size_t end = data.find('\n', at);
            const std::string_view piece = data.substr(at, end == std::string_view::npos ? end : end - at);
            if (line.size() < kLineKept) line.append(piece.substr(0, kLineKept - line.size()));
            if (end == std::string_view::npos) break;
            shape.Line(line);
            line.clear();
            convinced = shape.Convinced();
            at = end + 1;
        }
        bytes += data.size();
        if (IsBinary(bytes, binary)) return TextLook::Foreign;
    }
    if (in.bad()) return TextLook::ReadFailed;
    if (convinced) return TextLook::Override;
    if (!line.empty()) shape.Line(line);
    return shape.ReadsAsOverrideText() ? TextLook::Override : TextLook::Foreign;
}

}  // namespace

bool ReadsAsOverrideText(std::istream& in) { return LookAtText(in) == TextLook::Override; }

bool PlainlyNotAnOverrideText(std::istream& in) { return LookAtText(in) == TextLook::Foreign; }

OverrideFileLook LookAtOverrideFile(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) return OverrideFileLook::Missing;
    if (error || status.type() == std::filesystem::file_type::directory) return OverrideFileLook::Unreadable;
    if (status.type() != std::filesystem::file_type::regular) return OverrideFileLook::NotRegular;
    std::ifstream in(path, std::ios::binary);
    if (!in) return OverrideFileLook::Unreadable;
    switch (LookAtText(in)) {
        case TextLook::Override: return OverrideFileLook::OverrideFile;
        case TextLook::Foreign: return OverrideFileLook::Foreign;
        case TextLook::ReadFailed: break;
    }
    return OverrideFileLook::Unreadable;
}

bool PlainlyNotAnOverrideFile(const std::string& path) {
    const OverrideFileLook look = LookAtOverrideFile(path);
    return look == OverrideFileLook::NotRegular || look == OverrideFileLook::Foreign;
}

}  // namespace overrides
