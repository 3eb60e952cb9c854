// Reads arbitrary bytes as an override file and as one section body, and
// applies them to the decoded entries of a small program (described in
// override_apply_program.opt): a menu, a screen with modes, a confirm and
// messages, and a data grid. Whatever the bytes, this must end without a
// crash, a hang or a read outside any buffer.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/overrides/apply_section.h"
#include "tessellar/overrides/section_lines.h"
#include "tessellar/program/directory_page.h"
#include "tessellar/program/image/program_loader.h"
#include "tessellar/program/screen_decoder.h"

namespace {

// Loaded once; every input starts again from the decoded program.
const program::ProgramImage& TheProgram() {
    static const std::unique_ptr<program::ProgramImage> program = [] {
        platform::RecordingMessageSink sink;
        auto image = program::LoadProgram(TESSELLAR_FUZZ_PROGRAM, sink);
        if (!image) std::abort();
        return std::make_unique<program::ProgramImage>(std::move(*image));
    }();
    return *program;
}

class SectionBodies : public overrides::SectionVisitor {
public:
    void BeginSection(overrides::SectionKind, const std::string& name) override { current_ = &(bodies[name] = {}); }
    void BodyLine(std::string_view line) override { current_->append(line); }
    std::map<std::string, std::string> bodies;

private:
    std::string* current_ = nullptr;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const program::ProgramImage& image = TheProgram();
    const std::string input(reinterpret_cast<const char*>(data), size);

    SectionBodies sections;
    std::istringstream file(input);
    overrides::SplitSections(file, sections);

    platform::RecordingMessageSink sink;
    program::DirectoryPage page(program::BrowserPage::All);
    program::FillDirectoryPage(page, image, "", sink);
    for (std::size_t row = 0; row < page.Rows().size(); ++row) {
        model::CScreenModel& model = *page.Models()[row];
        // The bytes as the entry's own section body, then the entry's section
        // of the bytes read as a whole file, over the same items.
        program::DecodeScreen(model, sink);
        std::istringstream body(input);
        overrides::ApplySectionStream(model, body, sink);
        const auto section = sections.bodies.find(page.Rows()[row].name);
        if (section != sections.bodies.end()) {
            std::istringstream sectionBody(section->second);
            overrides::ApplySectionStream(model, sectionBody, sink);
        }
    }
    return 0;
}
