#pragma once
// The texts the help lookup shows to users, in one place.

namespace help::texts {

// Shown when no help directory holds the requested page; %s is the list of
// places that were searched, one per line.
inline constexpr const char* kHelpNotFoundTitle = "Screen Customiser Help";
inline constexpr const char* kHelpNotFound =
    "The help pages could not be found. Tessellar looked for them in:\n%s";
// Shown when the desktop has no program that opens web pages; %s is the page.
inline constexpr const char* kHelpNotOpened =
    "The help page <%s> could not be opened. Please open it with a web browser.";

}  // namespace help::texts
