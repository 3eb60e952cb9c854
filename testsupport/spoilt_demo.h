#pragma once
// The demo override file spoilt on purpose, for tests of the Problems panel
// and the checks behind it: in the CUSTOMER section a block for an entry
// field the screen does not have, a message override whose text the screen
// lacks and a colour no one knows on a prompt it shows, and a section for a
// screen the program does not have. The
// test target names the demo (tessellar_test_uses_demo).

#include <string>

#include "testsupport/file_text.h"

namespace testsupport {

inline constexpr const char* kSpoilAnchor = "\tmessage\n\t\t{\n\t\torig_text = \"Customer deleted\"";
inline constexpr const char* kSpoiltBlocks =
    "\taccept\n\t\t{\n\t\tname = CUST-NUMBER\n\t\thelpline = \"The customer's code\"\n\t\t}\n"
    "\tmessage\n\t\t{\n\t\torig_text = \"Customer gone\"\n\t\ttext = \"No such customer\"\n\t\t}\n"
    "\tdisplay\n\t\t{\n\t\torig_text = \"Phone:\"\n\t\tcolor = pink/white\n\t\t}\n";
inline constexpr const char* kSpoiltSection =
    "screen SUPPLIER\n\t{\n\twindow\n\t\t{\n\t\ttitle = \"Suppliers\"\n\t\t}\n\t}\n";

// The demo's override text with the spoils; empty when the demo's file
// does not hold the place they go.
inline std::string SpoiltDemoOverrides() {
    std::string text = ReadFile(TESSELLAR_DEMO_OVERRIDES);
    const std::size_t at = text.find(kSpoilAnchor);
    if (at == std::string::npos) return {};
    text.insert(at, kSpoiltBlocks);
    return text + kSpoiltSection;
}

}  // namespace testsupport
