#pragma once
// Recognising the sections of an override file: a header line ("screen",
// "menu" or "procedure" and a name), the section's own braces, and the body
// lines between them.

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

namespace overrides {

// The codes are the entry kinds of the compiled program.
enum class SectionKind : int { Procedure = 1, Screen = 2, Menu = 3 };

enum class SectionLineType { Header, SectionBrace, Body };

struct SectionLine {
    SectionLineType type = SectionLineType::Body;
    SectionKind kind = SectionKind::Screen;  // for a header
    std::string name;                        // for a header: one word, case kept, cut to 79
};

// Classifies one line by its first two blank-delimited words; `depth` is the
// brace depth of the section, reset by a header and changed by each brace.
SectionLine ClassifySectionLine(std::string_view line, std::int64_t& depth);

// The header word of a section kind.
std::string_view SectionKeyword(SectionKind kind);

// Receives the sections of a file in file order.
class SectionVisitor {
public:
    virtual ~SectionVisitor() = default;
    virtual void BeginSection(SectionKind kind, const std::string& name) = 0;
    // One body line of the current section, one leading tab removed.
    virtual void BodyLine(std::string_view line) = 0;
    // A line before the first header: no section has it.
    virtual void LineBeforeSections(std::string_view /*line*/) {}
};

// A UTF-8 byte-order mark, which an editor may put before the first line.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Reads a whole file (through the 511-byte line reader) and hands each
// section to the visitor. A byte-order mark at the very start is read as
// nothing. Lines before the first header belong to no section and are
// dropped (the visitor sees them); lines after a section's closing brace and
// before the next header still belong to that section.
void SplitSections(std::istream& in, SectionVisitor& visitor);

}  // namespace overrides
