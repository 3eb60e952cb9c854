#pragma once
// The big screen opened as the window opens it: the program and its
// 5,000-block override file written to a scratch directory, the document
// loaded, the screen decoded and its section applied, and the work file's
// bytes kept so that a benchmark can put them back between iterations.

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "bench/big_screen.h"
#include "platform/message_sink.h"
#include "tessellar/document/document.h"
#include "tessellar/program/directory_page.h"
#include "testsupport/scratch_directory.h"
#include "tools/opimage/image.h"

namespace bench {

inline void CopyBytes(const std::string& from, const std::string& to) {
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    out << in.rdbuf();
}

struct BigDocument {
    testsupport::ScratchDirectory scratch;
    const std::filesystem::path& directory = scratch.Path();
    platform::RecordingMessageSink sink;
    std::unique_ptr<document::Document> document;
    program::DirectoryPage page{program::BrowserPage::All};
    model::CScreenModel* screen = nullptr;
    std::string pristine;  // the work file as opened
    bool ready = false;

    BigDocument() {
        std::string error;
        const auto description = opimage::ParseDescription(ScreenDescription(), error);
        if (!description) return;
        const std::filesystem::path program = directory / "big.op6";
        const auto bytes = opimage::Write(*description).bytes;
        std::ofstream(program, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        std::string body;
        std::istringstream lines(SectionText());
        std::string line;
        while (std::getline(lines, line)) body += "\t" + line + "\n";
        std::ofstream(directory / "big.scf", std::ios::binary) << "screen BIG\n\t{\n" << body << "\t}\n";
        document = std::make_unique<document::Document>(directory.string());
        if (!document->LoadProgram(program.string(), sink)) return;
        document->OpenOverrideFile((directory / "big.scf").string(), sink);
        program::FillDirectoryPage(page, *document->Image(), "", sink);
        if (page.Models().empty()) return;
        screen = page.Models().front().get();
        document->OpenEntry(*screen, sink);
        pristine = (directory / "pristine.tmp").string();
        CopyBytes(screen->OverridePath(), pristine);
        ready = !screen->OverridePath().empty();
    }
    ~BigDocument() {
        program::ClearDirectoryPage(page);
        document.reset();
    }
    BigDocument(const BigDocument&) = delete;
    BigDocument& operator=(const BigDocument&) = delete;
};

}  // namespace bench
