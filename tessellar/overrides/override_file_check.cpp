#include "tessellar/overrides/override_file_check.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "platform/line_trim.h"
#include "tessellar/overrides/line_split.h"
#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/section_lines.h"

namespace overrides {

namespace {

// Only the start of a line decides what it is; the reader cuts lines there too.
constexpr std::size_t kLineKept = 511;

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

bool RecognisedLine(std::string_view line) {
    std::string_view header(texts::kFileHeader);
    header.remove_suffix(1);  // its line end
    if (platform::TrimControls(line) == header) return true;
    std::int64_t depth = 0;
    if (ClassifySectionLine(line, depth).type == SectionLineType::Header) return true;
    const SplitLineResult split = SplitLine(line);
    if (line.find('=') == std::string_view::npos) return IsOneOf(split.key, texts::kItemKeywords);
    static constexpr const char* kKeys[] = {
        texts::kTriggerPoint, texts::kTag,         texts::kName,          texts::kOrigText,     texts::kOrigCoordinate,
        texts::kSuppress,     texts::kAdd,         texts::kReadonly,      texts::kDefault,      texts::kFilter,
        texts::kAllowed,      texts::kDisallowed,  texts::kPicture,       texts::kCoordinate,   texts::kWindowSize,
        texts::kColumnNumber, texts::kColor,       texts::kScale,         texts::kAttributes,   texts::kText,
        texts::kNewPromptText, texts::kNewPromptCoord, texts::kHelpline, texts::kTitle,        texts::kRun,
        texts::kType};
    return IsOneOf(split.key, kKeys);
}

}  // namespace

bool PlainlyNotAnOverrideText(std::istream& in) {
    std::array<char, 65536> block;
    std::string line;
    bool blank = true;
    bool recognised = false;
    std::size_t bytes = 0;
    std::size_t binary = 0;
    while (in) {
        in.read(block.data(), block.size());
        const std::string_view data(block.data(), static_cast<std::size_t>(in.gcount()));
        for (const char c : data) binary += IsBinaryByte(static_cast<unsigned char>(c)) ? 1 : 0;
        // Lines matter only until one is recognised: then only the share
        // of control bytes can still make the file foreign.
        for (std::size_t at = 0; !recognised && at < data.size();) {
            const std::size_t end = data.find('\n', at);
            const std::string_view piece = data.substr(at, end == std::string_view::npos ? end : end - at);
            for (std::size_t i = 0; blank && i < piece.size(); ++i) blank = platform::IsWhiteSpace(piece[i]);
            if (line.size() < kLineKept) line.append(piece.substr(0, kLineKept - line.size()));
            if (end == std::string_view::npos) break;
            recognised = RecognisedLine(line);
            line.clear();
            at = end + 1;
        }
        bytes += data.size();
        if (IsBinary(bytes, binary)) return true;
    }
    if (!recognised && RecognisedLine(line)) recognised = true;
    return !blank && !recognised;
}

bool PlainlyNotAnOverrideFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    return PlainlyNotAnOverrideText(in);
}

}  // namespace overrides
