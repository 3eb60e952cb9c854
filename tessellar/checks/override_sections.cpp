#include "tessellar/checks/override_sections.h"

#include <algorithm>
#include <sstream>

#include "platform/line_trim.h"

namespace checks {

namespace {

// Counts the file's lines up to an offset; offsets only ever grow.
class LineCounter {
public:
    explicit LineCounter(std::string_view text) : text_(text) {}

    // The 1-based line that holds the byte at `offset`.
    std::size_t LineOf(std::size_t offset) {
        offset = std::min(offset, text_.size());
        for (; counted_ < offset; ++counted_) {
            if (text_[counted_] == '\n') ++line_;
        }
        return line_;
    }

private:
    std::string_view text_;
    std::size_t counted_ = 0;
    std::size_t line_ = 1;
};

// Where the reader stands in the file: just past the line it handed over.
std::size_t Position(std::istream& in) {
    const auto position = in.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in);
    return position < 0 ? 0 : static_cast<std::size_t>(position);
}

class SectionRecorder : public overrides::SectionVisitor {
public:
    SectionRecorder(std::string_view text, std::istream& in, OverrideSections& out)
        : text_(text), in_(in), out_(out), lines_(text) {}

    void BeginSection(overrides::SectionKind kind, const std::string& name) override {
        OverrideSection& section = out_.sections.emplace_back();
        section.kind = kind;
        section.name = name;
        section.headerLine = LastLine();
    }

    void BodyLine(std::string_view line) override {
        OverrideSection& section = out_.sections.back();
        const std::size_t after = Position(in_);
        const std::size_t fileLine = lines_.LineOf(after == 0 ? 0 : after - 1);
        section.lineStarts.push_back(section.body.size());
        section.fileLines.push_back(fileLine);
        section.body.append(line);
        // A read that stops short of the line's end leaves the rest for the next read.
        const bool ended = !line.empty() && line.back() == '\n';
        if (!ended && after < text_.size() && text_[after] != '\n' && text_.substr(after, 2) != "\r\n" &&
            (out_.longLines.empty() || out_.longLines.back() != fileLine)) {
            out_.longLines.push_back(fileLine);
        }
    }

    void LineBeforeSections(std::string_view line) override {
        const std::string_view text = platform::TrimControls(line);
        if (text.empty() || text.front() == '#') return;
        const std::size_t fileLine = LastLine();
        // The pieces of an over-long line are one line.
        if (!out_.beforeSections.empty() && out_.beforeSections.back().line == fileLine) return;
        out_.beforeSections.push_back({fileLine, std::string(text)});
    }

private:
    std::size_t LastLine() {
        const std::size_t after = Position(in_);
        return lines_.LineOf(after == 0 ? 0 : after - 1);
    }

    std::string_view text_;
    std::istream& in_;
    OverrideSections& out_;
    LineCounter lines_;
};

}  // namespace

std::size_t OverrideSection::FileLineAt(std::size_t bodyOffset) const {
    if (lineStarts.empty()) return headerLine;
    const auto after = std::upper_bound(lineStarts.begin(), lineStarts.end(), bodyOffset);
    const std::size_t index = after == lineStarts.begin() ? 0 : static_cast<std::size_t>(after - lineStarts.begin()) - 1;
    return fileLines[index];
}

std::string OverrideSection::Title() const {
    std::string title(overrides::SectionKeyword(kind));
    title += ' ';
    title += name;
    return title;
}

OverrideSections SplitOverrideText(std::string_view text) {
    OverrideSections sections;
    std::istringstream in{std::string(text)};
    SectionRecorder recorder(text, in, sections);
    overrides::SplitSections(in, recorder);
    return sections;
}

}  // namespace checks
