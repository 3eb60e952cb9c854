#pragma once
// The demo program opened as a document in a scratch directory, with an
// empty override file and its browser page filled, for tests that open
// sheets and dialogs on its entries. The test target names the demo
// program (tessellar_test_uses_demo).

#include <string>

#include "platform/message_sink.h"
#include "tessellar/document/document.h"
#include "tessellar/program/directory_page.h"
#include "testsupport/scratch_directory.h"

namespace testsupport {

class DemoDocument {
public:
    explicit DemoDocument(platform::MessageSink& sink)
        : sink_(sink), document_(scratch_.Path().string()), page_(program::BrowserPage::All) {}

    // False when the program cannot be loaded.
    bool Open() {
        if (!document_.LoadProgram(TESSELLAR_DEMO_PROGRAM, sink_)) return false;
        document_.OpenOverrideFile((scratch_.Path() / "demo.scf").string(), sink_);
        program::FillDirectoryPage(page_, *document_.Image(), "", sink_);
        return true;
    }

    document::Document& Document() { return document_; }

    // The entry, decoded on first use and made current; null when the
    // program has none of that name.
    model::CScreenModel* Entry(const std::string& name) {
        for (std::size_t row = 0; row < page_.Rows().size(); ++row) {
            if (page_.Rows()[row].name != name) continue;
            model::CScreenModel& screen = *page_.Models()[row];
            if (screen.NeedsDecoding()) document_.OpenEntry(screen, sink_);
            document_.SetCurrentEntry(screen);
            return &screen;
        }
        return nullptr;
    }

private:
    ScratchDirectory scratch_;
    platform::MessageSink& sink_;
    document::Document document_;
    program::DirectoryPage page_;
};

}  // namespace testsupport
