#pragma once
// Decodes an entry of a program written with opimage, as the browser would.

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "platform/message_sink.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/program/image/directory_entry.h"
#include "tessellar/program/image/program_header.h"
#include "tessellar/program/screen_decoder.h"
#include "tools/opimage/image.h"

namespace program {

class DecodeTest : public ::testing::Test {
protected:
    model::CScreenModel& Decode(const opimage::Program& program, std::size_t entry = 0,
                                const DecodeInputs& inputs = {}) {
        opimage::Image written = opimage::Write(program);
        layout_ = std::move(written.layout);
        image_ = std::make_unique<ProgramImage>(std::move(written.bytes));
        return DecodeAt(layout_.entries.at(entry).offset, inputs);
    }

    // Decodes the entry at an offset of the image already written.
    model::CScreenModel& DecodeAt(std::uint32_t entry, const DecodeInputs& inputs = {}) {
        const EntryClass entryClass = ClassifyEntry(*image_, entry);
        const model::ModelKind kind = entryClass == EntryClass::Menu        ? model::ModelKind::Menu
                                      : entryClass == EntryClass::Procedure ? model::ModelKind::Procedure
                                                                            : model::ModelKind::Screen;
        model_ = std::make_unique<model::CScreenModel>(ReadEntryName(*image_, entry), 1, image_.get(), entry,
                                                       ReadProgramHeader(*image_).programModes, kind);
        DecodeScreen(*model_, sink, inputs);
        return *model_;
    }

    // Writes a program whose one screen has this body, and decodes it.
    model::CScreenModel& DecodeBody(opimage::StatementList body, opimage::Entry entry = {}) {
        entry.name = entry.name.empty() ? "SCREEN" : entry.name;
        entry.body = std::move(body);
        opimage::Program program;
        program.entries.push_back(std::move(entry));
        return Decode(program);
    }

    platform::RecordingMessageSink sink;
    opimage::Layout layout_;
    std::unique_ptr<ProgramImage> image_;
    std::unique_ptr<model::CScreenModel> model_;
};

}  // namespace program
