#pragma once
// The demo program opened as a document in a scratch directory, with the
// catalogue's commands run on its entries by name, key and values.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/document/document.h"
#include "tessellar/program/directory_page.h"
#include "testsupport/scratch_directory.h"
#include "testsupport/file_text.h"

namespace document::testing {

using testsupport::ReadFile;

inline void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

inline commands::ItemKey Key(int kind, std::string text = {}, int tag = -1, int row = -1, int column = -1) {
    commands::ItemKey key;
    key.identifier.identificationKind = kind;
    key.identifier.text = std::move(text);
    key.identifier.tag = tag;
    key.identifier.row = row;
    key.identifier.column = column;
    return key;
}
inline commands::ItemKey Named(std::string name) { return Key(1, std::move(name)); }
inline commands::ItemKey Text(std::string text) { return Key(2, std::move(text)); }
inline commands::ItemKey Prompt(std::string text, int row, int column) { return Key(5, std::move(text), -1, row, column); }
inline commands::ItemKey Box(int top, int left, int bottom, int right) {
    commands::ItemKey key = Key(4, {}, -1, top, left);
    key.bottomRow = bottom;
    key.rightColumn = right;
    return key;
}
inline commands::ItemKey NoKey() { return {}; }

inline commands::CommandValue Q(std::string text) { return {std::move(text), true}; }
inline commands::CommandValue B(std::string text) { return {std::move(text), false}; }

class DemoDocument : public ::testing::Test {
protected:
    // The demo program; its override file is demo.scf in the scratch
    // directory, copied from the sample when `withSample`.
    void Open(bool withSample) {
        overridePath_ = (scratch_.Path() / "demo.scf").string();
        if (withSample) std::filesystem::copy_file(TESSELLAR_DEMO_OVERRIDES, overridePath_);
        ASSERT_TRUE(document_.LoadProgram(TESSELLAR_DEMO_PROGRAM, sink_));
        document_.OpenOverrideFile(overridePath_, sink_);
        program::FillDirectoryPage(page_, *document_.Image(), "", sink_);
    }

    model::CScreenModel& Entry(const std::string& name) {
        for (std::size_t row = 0; row < page_.Rows().size(); ++row) {
            if (page_.Rows()[row].name != name) continue;
            model::CScreenModel& model = *page_.Models()[row];
            if (model.NeedsDecoding()) document_.OpenEntry(model, sink_);
            document_.SetCurrentEntry(model);
            return model;
        }
        ADD_FAILURE() << "no entry " << name;
        return *page_.Models().front();
    }

    // Runs a catalogue command; false for a refusal or a command that could not be made.
    bool Run(model::CScreenModel& model, const std::string& name, commands::ItemKey key,
             std::vector<commands::CommandValue> values = {}) {
        commands::MadeCommand made = commands::MakeCommand(model, name, std::move(key), values);
        EXPECT_TRUE(made.command) << name << ": " << made.error;
        if (!made.command) return false;
        return document_.Run(model, *made.command, sink_);
    }

    std::string WorkFile(const model::CScreenModel& model) const { return ReadFile(model.OverridePath()); }

    testsupport::ScratchDirectory scratch_;
    platform::RecordingMessageSink sink_;
    Document document_{scratch_.Path().string()};
    program::DirectoryPage page_{program::BrowserPage::All};
    std::string overridePath_;
};

}  // namespace document::testing
