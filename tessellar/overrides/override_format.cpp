#include "tessellar/overrides/override_format.h"

#include "tessellar/overrides/override_texts.h"
#include "tessellar/overrides/statement_parser.h"

namespace overrides::format {

std::string FileHeaderLine() { return texts::kFileHeader; }

std::string SectionHeaderLine(SectionKind kind, std::string_view name) {
    std::string line(SectionKeyword(kind));
    line += ' ';
    line += name;
    line += '\n';
    return line;
}

std::string SectionOpenLine() { return "\t{\n"; }
std::string SectionCloseLine() { return "\t}\n"; }

std::string SectionBodyLine(std::string_view workFileLine) {
    std::string line = "\t";
    line += workFileLine;
    return line;
}

std::string KeywordLine(StatementKind kind) {
    std::string line(StatementKeyword(kind));
    line += '\n';
    return line;
}

std::string BlockOpenLine() { return "\t{\n"; }
std::string BlockCloseLine() { return "\t}\n"; }

std::string KeyLine(std::string_view key, std::string_view value) {
    std::string line = "\t";
    line += key;
    line += " = ";
    line += value;
    line += '\n';
    return line;
}

std::string PairLine(std::string_view key, int first, int second) {
    return KeyLine(key, std::to_string(first) + "," + std::to_string(second));
}

std::string QuotedKeyLine(std::string_view key, std::string_view text) {
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    return KeyLine(key, quoted);
}

}  // namespace overrides::format
