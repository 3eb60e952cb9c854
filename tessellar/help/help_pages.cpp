#include "tessellar/help/help_pages.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

#ifndef TESSELLAR_HELP_INSTALL_DIR
#define TESSELLAR_HELP_INSTALL_DIR ""
#endif

namespace help {

namespace {

constexpr std::string_view kTriggerDialogPage = "trigger-dialog.html";
constexpr std::string_view kFieldListsPage = "field-lists.html";

// Named topics: the trigger wizard asks for its page by name, not by number.
struct TopicPage {
    std::string_view topic;  // lower case, without directory and extension
    std::string_view page;
};
constexpr TopicPage kTopics[] = {
    {"triggers", "trigger-wizard.html"},
};

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

const std::vector<ContextPage>& ContextPages() {
    static const std::vector<ContextPage> pages = {
        {14, "network-mapping.html"},
        {23, "message-list.html"},
        {24, kTriggerDialogPage},  // menu option
        {25, "unsuppress-field.html"},
        {30, kTriggerDialogPage},  // screen
        {31, kTriggerDialogPage},  // entry field
        {32, kTriggerDialogPage},  // display
        {33, "trigger-test.html"},
        {43, kFieldListsPage},  // database fields
        {44, kFieldListsPage},  // global fields
        {45, kFieldListsPage},  // local fields
        {50, "mode-list.html"},
        {52, kTriggerDialogPage},  // mode
        {61, "page-column.html"},
        {62, "page-text.html"},
        {63, "page-default.html"},
        {64, "page-allow-disallow.html"},
        {65, "page-format.html"},
        {66, "page-colour.html"},
        {67, "page-scale.html"},
        {68, "page-styles.html"},
        {69, "page-attributes.html"},
        {70, "page-field-title.html"},
        {71, "page-tool-tip.html"},
        {73, "page-filter.html"},
    };
    return pages;
}

std::string_view PageForContext(int context) {
    for (const auto& entry : ContextPages()) {
        if (entry.context == context) return entry.page;
    }
    return kContentsPage;
}

std::string_view PageForTopic(std::string_view topic) {
    // "::/Triggers.htm" names a file inside the help; only its stem matters.
    const auto slash = topic.find_last_of("/\\");
    if (slash != std::string_view::npos) topic.remove_prefix(slash + 1);
    const auto dot = topic.rfind('.');
    if (dot != std::string_view::npos) topic = topic.substr(0, dot);
    const std::string stem = LowerCase(topic);
    for (const auto& entry : kTopics) {
        if (entry.topic == stem) return entry.page;
    }
    return kContentsPage;
}

std::vector<std::filesystem::path> HelpDirectoryCandidates(const std::filesystem::path& executableDirectory,
                                                           const std::filesystem::path& installedDirectory) {
    std::vector<std::filesystem::path> candidates;
    const auto add = [&candidates](const std::filesystem::path& directory) {
        if (directory.empty()) return;
        const auto normal = directory.lexically_normal();
        if (std::find(candidates.begin(), candidates.end(), normal) == candidates.end()) candidates.push_back(normal);
    };
    if (!executableDirectory.empty()) {
        add(executableDirectory / "help");
        add(executableDirectory / ".." / "share" / "tessellar" / "help");
    }
    add(installedDirectory);
    return candidates;
}

std::filesystem::path InstalledHelpDirectory() {
    return std::filesystem::path(TESSELLAR_HELP_INSTALL_DIR);
}

std::optional<std::filesystem::path> FindHelpDirectory(const std::vector<std::filesystem::path>& candidates) {
    for (const auto& directory : candidates) {
        if (IsFile(directory / kContentsPage)) return directory;
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> LocateHelpPage(std::string_view page,
                                                    const std::vector<std::filesystem::path>& candidates) {
    const auto directory = FindHelpDirectory(candidates);
    if (!directory) return std::nullopt;
    // A page name is a plain file name; anything else opens the contents.
    const std::filesystem::path name(page);
    if (!page.empty() && name == name.filename() && page != "." && page != ".." && IsFile(*directory / name)) {
        return *directory / name;
    }
    return *directory / kContentsPage;
}

}  // namespace help
