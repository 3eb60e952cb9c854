#include "tools/opdump/override_report.h"

#include <ostream>
#include <string>
#include <vector>

#include "tessellar/model/screen_model.h"
#include "tessellar/document/entry_changes.h"
#include "tessellar/document/entry_opening.h"
#include "tessellar/overrides/section_bodies.h"
#include "tessellar/program/directory_page.h"
#include "tools/opdump/decoded_entry.h"

namespace opdump {

namespace {

// Writes "  ITEM: a, b" for every item the section changed; how many.
int WriteChanges(const model::CScreenModel& model, std::ostream& out) {
    const std::vector<document::ItemChanges> changes = document::EntryChanges(model);
    for (const document::ItemChanges& item : changes) out << "  " << item.item << ": " << document::ChangeListText(item) << '\n';
    return static_cast<int>(changes.size());
}

}  // namespace

OverrideReport WriteEntriesWithOverrides(const program::ProgramImage& image, std::string_view name,
                                         const std::string& overridePath, std::ostream& out,
                                         platform::MessageSink& sink, const program::DecodeInputs& inputs) {
    OverrideReport report;
    overrides::SectionBodies sections;
    report.overrideFileRead = overrides::ReadSectionBodies(overridePath, sections);

    program::DirectoryPage page(program::BrowserPage::All);
    program::FillDirectoryPage(page, image, "", sink);
    for (std::size_t row = 0; row < page.Rows().size(); ++row) {
        const program::DirectoryRow& entry = page.Rows()[row];
        if (entry.name != name) continue;
        model::CScreenModel& model = *page.Models()[row];
        document::EntryInputs entryInputs;
        entryInputs.decode = inputs;
        std::size_t statements = 0;
        if (report.overrideFileRead) statements = document::OpenEntry(model, entryInputs, sections, sink);
        else document::PrepareEntry(model, entryInputs, sink);
        const std::string* body = report.overrideFileRead ? sections.Find(entry.name) : nullptr;
        if (report.entries++ > 0) out << '\n';
        WriteDecodedEntry(model, entry.typeText, out);
        out << "\noverrides: " << overridePath;
        if (!report.overrideFileRead) {
            out << " (cannot be read; nothing applied)\n";
            continue;
        }
        out << (body == nullptr ? " (no section " + entry.name + ")" : "") << ", " << statements << " statements\n";
        if (WriteChanges(model, out) == 0) out << "  nothing changed\n";
    }
    return report;
}

}  // namespace opdump
