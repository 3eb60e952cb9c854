#include "tessellar/help/help_pages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

#include "testsupport/scratch_directory.h"

namespace help {
namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "<html></html>\n";
}

// Every context number a window asks for opens a page of its own: a number
// missing from the table would silently land on the contents page.
TEST(HelpPages, EveryContextOfTheWindowsHasItsOwnPage) {
    const int contexts[] = {14, 23, 24, 25, 30, 31, 32, 33, 43, 44, 45, 50, 52,
                            61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 73};
    for (const int context : contexts) {
        EXPECT_NE(PageForContext(context), kContentsPage) << "context " << context;
    }
    EXPECT_EQ(ContextPages().size(), std::size(contexts));
    EXPECT_EQ(PageForContext(66), "page-colour.html");
    EXPECT_EQ(PageForContext(31), PageForContext(52)) << "one trigger dialog page for every item kind";
}

TEST(HelpPages, UnknownContextsAndTopicsOpenTheContents) {
    for (const int context : {0, -1, 72, 1000}) EXPECT_EQ(PageForContext(context), kContentsPage);
    EXPECT_EQ(PageForTopic("::/Triggers.htm"), "trigger-wizard.html");
    EXPECT_EQ(PageForTopic("triggers"), "trigger-wizard.html");
    EXPECT_EQ(PageForTopic("::/Nothing.htm"), kContentsPage);
    EXPECT_EQ(PageForTopic(""), kContentsPage);
}

TEST(HelpPages, CandidatesRunFromTheExecutableToTheInstalledDirectory) {
    const auto candidates = HelpDirectoryCandidates("/opt/t/bin", "/usr/share/tessellar/help");
    ASSERT_EQ(candidates.size(), 3u);
    EXPECT_EQ(candidates[0], fs::path("/opt/t/bin/help"));
    EXPECT_EQ(candidates[1], fs::path("/opt/t/share/tessellar/help"));
    EXPECT_EQ(candidates[2], fs::path("/usr/share/tessellar/help"));
    // An installed program finds the installed directory through its own
    // location already: it is not listed twice.
    EXPECT_EQ(HelpDirectoryCandidates("/usr/bin", "/usr/share/tessellar/help").size(), 2u);
    EXPECT_EQ(HelpDirectoryCandidates("", "").size(), 0u);
}

TEST(HelpPages, TheFirstDirectoryHoldingTheContentsWins) {
    testsupport::ScratchDirectory scratch;
    const fs::path empty = scratch.Path() / "empty";
    const fs::path partial = scratch.Path() / "partial";  // pages but no contents page
    const fs::path first = scratch.Path() / "first";
    const fs::path second = scratch.Path() / "second";
    fs::create_directories(empty);
    Touch(partial / "page-colour.html");
    Touch(first / "index.html");
    Touch(second / "index.html");
    Touch(second / "page-colour.html");
    const std::vector<fs::path> candidates = {scratch.Path() / "missing", empty, partial, first, second};

    EXPECT_EQ(FindHelpDirectory(candidates), first);
    // The page is missing from the chosen directory: its contents open, not
    // a page of another installation.
    EXPECT_EQ(LocateHelpPage("page-colour.html", candidates), first / "index.html");
    EXPECT_EQ(LocateHelpPage("page-colour.html", {second}), second / "page-colour.html");
    EXPECT_EQ(LocateHelpPage("page-colour.html", {empty, partial}), std::nullopt);
    EXPECT_EQ(LocateHelpPage("index.html", {}), std::nullopt);
}

TEST(HelpPages, APageNameNeverLeavesTheHelpDirectory) {
    testsupport::ScratchDirectory scratch;
    const fs::path help = scratch.Path() / "help";
    Touch(help / "index.html");
    Touch(scratch.Path() / "outside.html");
    for (const char* page : {"../outside.html", "/etc/passwd", "", ".", "..", "help/index.html"}) {
        EXPECT_EQ(LocateHelpPage(page, {help}), help / "index.html") << page;
    }
}

// The shipped pages: every mapped page exists, and every link between pages
// leads to a page or style sheet that exists.
TEST(HelpPages, TheShippedPagesAreCompleteAndTheirLinksResolve) {
    const fs::path source = TESSELLAR_HELP_SOURCE_DIR;
    ASSERT_TRUE(fs::is_regular_file(source / kContentsPage));
    EXPECT_TRUE(fs::is_regular_file(source / PageForTopic("Triggers.htm")));
    for (const auto& entry : ContextPages()) {
        EXPECT_TRUE(fs::is_regular_file(source / entry.page)) << entry.page;
    }
    const std::regex link(R"re((?:href|src)="([^"#:]+)(?:#[^"]*)?")re");
    std::set<std::string> linked;
    for (const auto& file : fs::directory_iterator(source)) {
        if (file.path().extension() != ".html") continue;
        std::ifstream in(file.path());
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it) {
            const std::string target = (*it)[1];
            EXPECT_TRUE(fs::is_regular_file(source / target)) << file.path().filename() << " links to " << target;
            linked.insert(target);
        }
    }
    // Every page is reachable from some other page.
    for (const auto& file : fs::directory_iterator(source)) {
        const auto name = file.path().filename().string();
        if (file.path().extension() == ".html" && name != kContentsPage) {
            EXPECT_TRUE(linked.count(name)) << name << " is linked from no page";
        }
    }
}

}  // namespace
}  // namespace help
