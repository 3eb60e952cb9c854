#pragma once
// The help pages: which page a help context number opens, and where the
// pages are installed. The pages are HTML files in one directory; the window
// side hands the found file to the desktop's browser.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace help {

// The contents page, opened by "Screen Customiser Help" and for any context
// number without a page of its own.
inline constexpr std::string_view kContentsPage = "index.html";

// A context number and the page that explains it.
struct ContextPage {
    int context;
    std::string_view page;
};

// Every context number the windows ask for, in increasing order.
const std::vector<ContextPage>& ContextPages();

// The page for a context number; the contents page for an unknown one.
std::string_view PageForContext(int context);

// The page for a named topic ("Triggers.htm", as the trigger wizard asks for
// it): matched without regard to case or extension; the contents page when
// no page has that name.
std::string_view PageForTopic(std::string_view topic);

// Where help directories are looked for, first match wins: "help" beside the
// executable (the build tree), "share/tessellar/help" beside the
// executable's parent (a relocated install), then the installed data
// directory. Empty entries are left out, and no directory is listed twice.
std::vector<std::filesystem::path> HelpDirectoryCandidates(const std::filesystem::path& executableDirectory,
                                                           const std::filesystem::path& installedDirectory);

// The installed data directory this build was configured with (may be empty).
std::filesystem::path InstalledHelpDirectory();

// The first candidate that holds the contents page.
std::optional<std::filesystem::path> FindHelpDirectory(const std::vector<std::filesystem::path>& candidates);

// The file to open for a page: the page in the first candidate directory that
// holds the contents page, or the contents page there when that page itself is
// missing. Nothing when no candidate holds the help.
std::optional<std::filesystem::path> LocateHelpPage(std::string_view page,
                                                    const std::vector<std::filesystem::path>& candidates);

}  // namespace help
