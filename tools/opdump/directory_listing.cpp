#include "tools/opdump/directory_listing.h"

#include <cstdio>
#include <ostream>

#include "tessellar/program/directory_page.h"

namespace opdump {

namespace {

void WriteRow(std::ostream& out, const std::string& sequence, const std::string& type,
              const std::string& name) {
    char line[160];
    std::snprintf(line, sizeof line, "  %-5s %-15s %s\n", sequence.c_str(), type.c_str(), name.c_str());
    out << line;
}

}  // namespace

void WriteDirectoryListing(const program::ProgramImage& image, std::ostream& out,
                           platform::MessageSink& sink) {
    bool first = true;
    for (program::BrowserPage pageNumber : program::kBrowserPages) {
        program::DirectoryPage page(pageNumber);
        program::FillDirectoryPage(page, image, "", sink);
        if (!first) out << '\n';
        first = false;
        out << "Page " << static_cast<int>(pageNumber) << ": " << program::PageCaption(pageNumber) << '\n';
        if (page.Rows().empty()) {
            const std::string message = program::EmptyPageMessage(pageNumber);
            out << "  " << (message.empty() ? "(no entries)" : message) << '\n';
            continue;
        }
        WriteRow(out, "Seq", "Type", "Name");
        for (const program::DirectoryRow& row : page.Rows()) {
            WriteRow(out, row.sequenceText, row.typeText, row.name);
        }
    }
}

}  // namespace opdump
