#pragma once
// A program written by opimage from a text description (or the demo
// program), with its entries decoded as the browser decodes them.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "platform/message_sink.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/overrides/apply_section.h"
#include "tessellar/program/directory_page.h"
#include "tessellar/program/image/program_loader.h"
#include "tessellar/program/screen_decoder.h"
#include "tools/opimage/description.h"
#include "tools/opimage/image.h"

namespace overrides::testing {

class DecodedProgram {
public:
    static std::unique_ptr<DecodedProgram> FromDescription(std::string_view description) {
        std::string error;
        const auto program = opimage::ParseDescription(description, error);
        EXPECT_TRUE(program.has_value()) << error;
        if (!program) return nullptr;
        return Load(program::LoadProgramFromBytes(opimage::Write(*program).bytes, "test.op6", loadSink_()));
    }

    static std::unique_ptr<DecodedProgram> FromFile(const std::string& path) {
        return Load(program::LoadProgram(path, loadSink_()));
    }

    // The entry of that name, decoded afresh (its earlier items discarded).
    model::CScreenModel& Entry(std::string_view name) {
        for (std::size_t row = 0; row < page_.Rows().size(); ++row) {
            if (page_.Rows()[row].name != name) continue;
            model::CScreenModel& model = *page_.Models()[row];
            model.DestroyItems();
            program::DecodeScreen(model, sink_);
            return model;
        }
        ADD_FAILURE() << "no entry " << name;
        return *page_.Models().front();
    }

private:
    static platform::MessageSink& loadSink_() {
        static platform::RecordingMessageSink sink;
        return sink;
    }

    static std::unique_ptr<DecodedProgram> Load(std::optional<program::ProgramImage> image) {
        EXPECT_TRUE(image.has_value());
        if (!image) return nullptr;
        auto loaded = std::unique_ptr<DecodedProgram>(new DecodedProgram(std::move(*image)));
        program::FillDirectoryPage(loaded->page_, *loaded->image_, "", loaded->sink_);
        return loaded;
    }

    explicit DecodedProgram(program::ProgramImage image)
        : image_(std::make_unique<program::ProgramImage>(std::move(image))) {}

    std::unique_ptr<program::ProgramImage> image_;
    program::DirectoryPage page_{program::BrowserPage::All};
    platform::RecordingMessageSink sink_;
};

// Applies section text to a model, as a work file would be applied.
inline std::size_t ApplyText(model::CScreenModel& model, std::string_view section, platform::MessageSink& sink) {
    std::istringstream in{std::string(section)};
    return ApplySectionStream(model, in, sink);
}

}  // namespace overrides::testing
