#pragma once
// The program the checks' tests customise: a screen with prompts, entry
// fields, a box, a confirm and a message; a menu; a data grid. Written from
// its description on first use.

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/program/image/program_loader.h"
#include "tools/opimage/description.h"
#include "tools/opimage/image.h"

namespace checks::testing {

inline constexpr const char* kProgramDescription = R"opt(
global CODE size 8 type A
global NAME size 30 type A
global QTY size D5 type N
screen CUST {
  title "Customers"
  frame 2 1 20 78
  body {
    display 4 4 "Code:" attr 0x200
    accept 4 22 CODE picture "x(8)" tag 1
    display 5 4 "Name:" attr 0x200
    accept 5 22 NAME
    box 3 2 17 77 title "Details"
    confirm 18 4 "Delete?" default N
    message "Saved " var:CODE
  }
}
menu MAIN {
  body {
    option 5 10 "First" help "The first"
    option 6 10 "Second"
  }
}
screen GRID {
  title "Grid"
  frame 3 2 20 70
  datagrid
  area 5 1 14
  body {
    display 4 3 "Lines:" attr 0x200
  }
  detail {
    accept 5 3 CODE title "Code"
    accept 5 20 QTY title "Qty"
  }
}
)opt";

inline std::vector<std::uint8_t> ImageOf(const char* description) {
    std::string error;
    const std::optional<opimage::Program> program = opimage::ParseDescription(description, error);
    if (!program) std::abort();
    return opimage::Write(*program).bytes;
}

inline const program::ProgramImage& TheProgram() {
    static const program::ProgramImage image = [] {
        platform::RecordingMessageSink sink;
        std::optional<program::ProgramImage> loaded =
            program::LoadProgramFromBytes(ImageOf(kProgramDescription), "t.op6", sink);
        if (!loaded) std::abort();
        return std::move(*loaded);
    }();
    return image;
}

}  // namespace checks::testing
