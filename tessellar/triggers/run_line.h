#pragma once
// A trigger's run line: the program in double quotes, one blank, then the
// parameters line; and the parameters line split into its parameters. The
// trigger dialog, its wizard and the trigger test all read and write run
// lines through these.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace triggers {

// The parameters line holds at most this many characters.
inline constexpr std::size_t kParametersLineLength = 419;

struct RunLine {
    std::string program;
    std::string parameters;
};

// A line beginning with a double quote: the program runs to the next double
// quote, the parameters follow after the blanks behind it. Otherwise the
// program is the first word and the parameters the rest after its blanks.
RunLine SplitRunLine(std::string_view line);
// "PROGRAM PARAMETERS" with the program's enclosing quotes taken off and put
// on again; an empty program gives an empty run line.
std::string ComposeRunLine(std::string_view program, std::string_view parameters);
// The program without its enclosing double quotes.
std::string Unquoted(std::string_view program);

// A literal parameter is written in double quotes; any other is a field name.
bool IsLiteralParameter(std::string_view token);

// The parameters, left to right: a token beginning with a double quote runs
// through the next double quote (both kept; an unclosed one to the end),
// any other up to the next blank; blanks between tokens are skipped. At
// most `limit` tokens (0: no limit).
std::vector<std::string> SplitParameters(std::string_view line, std::size_t limit = 0);

}  // namespace triggers
