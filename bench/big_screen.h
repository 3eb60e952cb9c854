#pragma once
// The big screen of the benchmarks: one screen of 500 items described for
// opimage, and a 5,000-statement section for it as the customiser writes
// sections, spread over every statement kind.

#include <cstddef>
#include <fstream>
#include <string>

#include "tessellar/overrides/line_reader.h"
#include "tools/opimage/description.h"

namespace bench {

inline constexpr int kStatements = 5000;
inline constexpr int kPrompts = 100, kValueDisplays = 100, kAccepts = 200, kOptions = 50, kBoxes = 20;
inline constexpr int kModes = 10, kConfirms = 5, kMessages = 15;
static_assert(kPrompts + kValueDisplays + kAccepts + kOptions + kBoxes + kModes + kConfirms + kMessages == 500);

inline std::string N(int number) { return std::to_string(number); }

// One screen with 500 items: prompts, value displays, entry fields (half of
// them tagged), options, boxes, modes, confirms and messages.
inline std::string ScreenDescription() {
    std::string text;
    for (int i = 1; i <= kAccepts; ++i) text += "global F" + N(i) + " size 10 type A\n";
    for (int i = 1; i <= kValueDisplays; ++i) text += "global V" + N(i) + " size 12 type A\n";
    std::string modeList;
    for (int i = 1; i <= kModes; ++i) {
        text += "mode M" + N(i) + " label \"Mode " + N(i) + "\" help \"Help " + N(i) + "\"\n";
        modeList += (i == 1 ? "" : ", ") + std::string("M") + N(i);
    }
    // The modes show only on a screen with a record source.
    text += "screen BIG {\n  title \"Big\"\n  frame 1 1 24 200\n  modes " + modeList +
            "\n  group RECORD letter I F1\n  body {\n";
    for (int i = 1; i <= kPrompts; ++i) {
        text += "    display " + N(i) + " 2 \"Label " + N(i) + "\" attr 0x200\n";
    }
    for (int i = 1; i <= kValueDisplays; ++i) text += "    display " + N(i) + " 40 var:V" + N(i) + "\n";
    for (int i = 1; i <= kAccepts; ++i) {
        const int row = (i - 1) / 2 + 1;
        const int column = i % 2 == 0 ? 60 : 80;
        text += "    accept " + N(row) + " " + N(column) + " F" + N(i) + " help \"Field " + N(i) + "\" title \"F" +
                N(i) + "\"" + (i % 2 == 0 ? " tag " + N(i) : std::string()) + "\n";
    }
    for (int i = 1; i <= kOptions; ++i) text += "    option " + N(i) + " 100 \"Choice " + N(i) + "\" help \"H\"\n";
    for (int i = 1; i <= kBoxes; ++i) {
        text += "    box " + N(i * 5) + " 120 " + N(i * 5 + 3) + " 150 title \"Box " + N(i) + "\"\n";
    }
    for (int i = 1; i <= kConfirms; ++i) text += "    confirm " + N(i) + " 160 \"Sure " + N(i) + "?\" default N\n";
    for (int i = 1; i <= kMessages; ++i) text += "    message \"Message " + N(i) + "\"\n";
    text += "  }\n}\n";
    return text;
}

// 5,000 statements as the customiser writes them, spread over every kind.
inline std::string SectionText() {
    std::string text;
    auto block = [&text](const char* keyword, const std::string& lines) {
        text += std::string(keyword) + "\n\t{\n" + lines + "\t}\n";
    };
    for (int s = 0; s < kStatements; ++s) {
        const int i = s % 100 + 1;
        switch (s % 10) {
            case 0: block("display", "\torig_text = \"Label " + N(i) + "\"\n\ttext = \"New label " + N(s) + "\"\n"); break;
            case 1: block("display", "\tname = V" + N(i) + "\n\tcoordinate = " + N(i) + ",42\n\tcolor = red/white\n"); break;
            case 2: block("accept", "\tname = F" + N(2 * i - 1) + "\n\thelpline = \"Help " + N(s) + "\"\n\ttitle = \"T\"\n"); break;
            case 3: block("accept", "\ttag = " + N(2 * i) + "\n\treadonly = true\n\tdefault = \"x\"\n"); break;
            case 4: block("option", "\torig_text = \"Choice " + N(i % kOptions + 1) + "\"\n\ttext = \"C" + N(s) + "\"\n"); break;
            case 5: {
                const int box = i % kBoxes + 1;
                block("box", "\torig_coordinate = " + N(box * 5) + ",120\n\tcoordinate = " + N(box * 5 + 3) +
                                 ",150\n\ttitle = \"B" + N(s) + "\"\n");
                break;
            }
            case 6: block("mode", "\tname = M" + N(i % kModes + 1) + "\n\ttext = \"Mode" + N(s) + "\"\n"); break;
            case 7: block("trigger", "\ttrigger_point = after_accept\n\tname = F" + N(2 * i - 1) + "\n\trun = check.exe " +
                                         N(s) + "\n\ttype = command\n"); break;
            case 8: block("message", "\torig_text = \"Message " + N(i % kMessages + 1) + "\"\n\ttext = \"M" + N(s) + "\"\n"); break;
            case 9: block("display", "\torig_text = \"Label " + N(i) + "\"\n\tattributes = bold,border\n\tscale = 120\n"); break;
        }
    }
    return text;
}

// The baseline of the section benchmarks: reading a section file's lines
// once with the customiser's reader.
inline std::size_t CountSectionLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    overrides::LineReader reader(in);
    std::string line;
    std::size_t lines = 0;
    while (reader.Next(line)) ++lines;
    return lines;
}

}  // namespace bench
