#include "tessellar/document/entry_opening.h"

#include "tessellar/overrides/apply_section.h"

namespace document {

std::optional<model::ColourTable> SchemeColourTable(const settings::ColourScheme& scheme) {
    if (!scheme.loaded) return std::nullopt;
    return scheme.ToColourTable();
}

void PrepareEntry(model::CScreenModel& model, const EntryInputs& inputs, platform::MessageSink& sink) {
    if (!model.NeedsDecoding()) return;
    if (inputs.colours) model.SetColourTable(*inputs.colours);
    model.SetCustomFont(inputs.font);
    program::DecodeScreen(model, sink, inputs.decode);
}

std::unique_ptr<model::CScreenModel> DecodeOriginal(const model::CScreenModel& entry, const EntryInputs& inputs,
                                                    platform::MessageSink& sink) {
    auto original = std::make_unique<model::CScreenModel>(entry.Name(), entry.Identifier(), entry.Image(),
                                                          entry.Entry(), entry.ProgramModes(), entry.Kind());
    PrepareEntry(*original, inputs, sink);
    return original;
}

std::size_t OpenEntry(model::CScreenModel& model, const EntryInputs& inputs, const overrides::SectionBodies& sections,
                      platform::MessageSink& sink) {
    PrepareEntry(model, inputs, sink);
    const std::string* body = sections.Find(model.Name());
    if (body == nullptr) return 0;
    return overrides::ApplySectionText(model, *body, sink);
}

bool OpenEntryFromWorkFile(model::CScreenModel& model, const EntryInputs& inputs, platform::MessageSink& sink) {
    PrepareEntry(model, inputs, sink);
    return overrides::ApplySection(model, sink);
}

}  // namespace document
