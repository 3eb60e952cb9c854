#pragma once
// The lines the customiser writes, in their exact forms. Work files hold one
// section body with one tab level removed; the override file puts the
// section header and braces around each body and a tab before each line.

#include <string>
#include <string_view>

#include "tessellar/overrides/override_statement.h"
#include "tessellar/overrides/section_lines.h"

namespace overrides::format {

// "#ORVALE Screen Customiser File (Override statements only).\n"
std::string FileHeaderLine();

// "screen NAME\n", "menu NAME\n" or "procedure NAME\n".
std::string SectionHeaderLine(SectionKind kind, std::string_view name);
// "\t{\n" and "\t}\n" around a section body.
std::string SectionOpenLine();
std::string SectionCloseLine();
// A work file line as it stands in the override file: "\t" in front.
std::string SectionBodyLine(std::string_view workFileLine);

// A statement block in a work file: "display\n", "\t{\n", key lines, "\t}\n".
std::string KeywordLine(StatementKind kind);
std::string BlockOpenLine();
std::string BlockCloseLine();
// "\tKEY = VALUE\n"
std::string KeyLine(std::string_view key, std::string_view value);
// "\tKEY = FIRST,SECOND\n"
std::string PairLine(std::string_view key, int first, int second);
// "\tKEY = \"TEXT\"\n", for texts, titles, help lines and literal defaults.
std::string QuotedKeyLine(std::string_view key, std::string_view text);

}  // namespace overrides::format
