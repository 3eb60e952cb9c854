#include "tessellar/overrides/section_lines.h"

#include "platform/line_trim.h"
#include "platform/text_case.h"
#include "tessellar/overrides/line_reader.h"
#include "tessellar/overrides/line_split.h"
#include "tessellar/overrides/override_texts.h"

namespace overrides {

namespace {

// The next blank-delimited word from `at` on, cut to 79 characters.
std::string_view NextWord(std::string_view line, std::size_t& at) {
    while (at < line.size() && platform::IsWhiteSpace(line[at])) ++at;
    const std::size_t begin = at;
    while (at < line.size() && !platform::IsWhiteSpace(line[at])) ++at;
    return line.substr(begin, at - begin).substr(0, kMatchLength);
}

}  // namespace

std::string_view SectionKeyword(SectionKind kind) {
    switch (kind) {
        case SectionKind::Procedure: return texts::kProcedure;
        case SectionKind::Screen: return texts::kScreen;
        case SectionKind::Menu: return texts::kMenu;
    }
    return {};
}

SectionLine ClassifySectionLine(std::string_view line, std::int64_t& depth) {
    std::size_t at = 0;
    const std::string first = platform::LowerCased(NextWord(line, at));
    SectionLine result;
    for (SectionKind kind : {SectionKind::Screen, SectionKind::Menu, SectionKind::Procedure}) {
        if (first == SectionKeyword(kind)) {
            result.type = SectionLineType::Header;
            result.kind = kind;
            result.name = std::string(NextWord(line, at));
            depth = 0;
            return result;
        }
    }
    if (first == "{") {
        ++depth;
        if (depth == 1) result.type = SectionLineType::SectionBrace;
    } else if (first == "}") {
        --depth;
        if (depth == 0) result.type = SectionLineType::SectionBrace;
    }
    return result;
}

void SplitSections(std::istream& in, SectionVisitor& visitor) {
    LineReader reader(in);
    std::string line;
    std::int64_t depth = 0;
    bool inSection = false;
    bool first = true;
    while (reader.Next(line)) {
        // A file saved by an editor that marks UTF-8 would otherwise lose its first section.
        if (first && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        first = false;
        const SectionLine classified = ClassifySectionLine(line, depth);
        if (classified.type == SectionLineType::Header) {
            inSection = true;
            visitor.BeginSection(classified.kind, classified.name);
        } else if (classified.type == SectionLineType::Body && inSection) {
            std::string_view body = line;
            if (!body.empty() && body.front() == '\t') body.remove_prefix(1);
            visitor.BodyLine(body);
        }
    }
}

}  // namespace overrides
