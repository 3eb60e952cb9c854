#pragma once
// Opening one entry of a program the way every part of the customiser shows
// it: decoded on first use with the colours and screen font of the settings,
// then customised by the statements of its override section. The window,
// `--render`, `opdump` and `scfedit` all open entries through here.

#include <cstddef>
#include <memory>
#include <optional>

#include "platform/message_sink.h"
#include "tessellar/model/colour_table.h"
#include "tessellar/model/font_description.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/overrides/section_bodies.h"
#include "tessellar/program/screen_decoder.h"
#include "tessellar/settings/colour_scheme.h"

namespace document {

// What an entry is decoded with.
struct EntryInputs {
    program::DecodeInputs decode;
    std::optional<model::ColourTable> colours;  // none: the built-in colours
    std::optional<model::FontDescription> font;  // none: the default screen font
};

// The colour table of a scheme read from the settings, or none when the
// settings held no scheme.
std::optional<model::ColourTable> SchemeColourTable(const settings::ColourScheme& scheme);

// Decodes the model when it has not been decoded yet; a decoded model keeps
// its items.
void PrepareEntry(model::CScreenModel& model, const EntryInputs& inputs, platform::MessageSink& sink);

// A fresh model of the same entry, decoded from the program alone: the
// entry as the program draws it, without its section.
std::unique_ptr<model::CScreenModel> DecodeOriginal(const model::CScreenModel& entry, const EntryInputs& inputs,
                                                    platform::MessageSink& sink);

// Prepares the model and applies its section from an override file held in
// memory. Returns how many statements were applied (0 without a section).
std::size_t OpenEntry(model::CScreenModel& model, const EntryInputs& inputs, const overrides::SectionBodies& sections,
                      platform::MessageSink& sink);

// Prepares the model and applies its section work file, when it has one.
// Returns whether a work file was applied.
bool OpenEntryFromWorkFile(model::CScreenModel& model, const EntryInputs& inputs, platform::MessageSink& sink);

}  // namespace document
