#pragma once
// Writes a decoded entry the way the customiser sees it: the screen's frame,
// title, mode line and review area, every item with its identification,
// coordinates, texts and flags, the field lists and the message texts.
//
// The format is for people and for tests alike, so it stays stable: one
// block per item, a header line with the item's kind, number and the key an
// override statement names it by, then indented "key  value" lines. Texts are
// quoted with \" \\ and control bytes escaped. A value whose current state
// differs from the original is followed by "(original: ...)".

#include <iosfwd>
#include <string>
#include <string_view>

#include "platform/message_sink.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/program/image/program_image.h"
#include "tessellar/program/screen_decoder.h"

namespace opdump {

// Writes a model that has been decoded; typeText is its browser type
// ("Screen", "Data Grid", ...).
void WriteDecodedEntry(const model::CScreenModel& model, std::string_view typeText, std::ostream& out);

// Decodes and writes every listed entry of this name, in directory order.
// Returns how many there were.
int WriteEntriesNamed(const program::ProgramImage& image, std::string_view name, std::ostream& out,
                      platform::MessageSink& sink, const program::DecodeInputs& inputs = {});

// Decodes and writes every listed entry, in directory order, a blank line
// between two entries. Returns how many there were.
int WriteAllEntries(const program::ProgramImage& image, std::ostream& out, platform::MessageSink& sink,
                    const program::DecodeInputs& inputs = {});

}  // namespace opdump
