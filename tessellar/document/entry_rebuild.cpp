#include "tessellar/document/entry_rebuild.h"

#include <optional>
#include <utility>

#include "tessellar/overrides/apply_section.h"
#include "tessellar/overrides/line_reader.h"

namespace document {

EntryRebuild::Kept EntryRebuild::Keep(const model::CScreenModel& model, MessageRecord given) {
    Kept kept;
    kept.items = std::make_unique<model::CScreenModel>(model.Name(), model.Identifier(), model.Image(), model.Entry(),
                                                       model.ProgramModes(), model.Kind());
    kept.items->CopyContentsFrom(model);
    kept.given = std::move(given);
    return kept;
}

void EntryRebuild::Rebuild(model::CScreenModel& model, const EntryInputs& inputs, platform::MessageSink& decoding,
                           platform::MessageSink& applying) {
    // A work file that cannot be read applies nothing, as an empty one does.
    std::optional<std::string> body;
    if (!model.OverridePath().empty()) body = overrides::ReadOverrideText(model.OverridePath());
    std::string text = body ? std::move(*body) : std::string();

    if (!compiled_.items) {
        const std::string path = model.OverridePath();
        model.DestroyItems();
        model.SetNeedsDecoding(true);
        model.SetOverridePath(path);
        MessageRecord decoded;
        PrepareEntry(model, inputs, decoded);
        compiled_ = Keep(model, std::move(decoded));
        applied_.clear();
        starts_ = {};
        partwayStatement_ = 0;
    }

    const bool changed = text != applied_;
    const std::size_t resume = changed ? starts_.ResumePoint(applied_, text) : starts_.Count() - 1;
    const bool fromPartway = partwayStatement_ > 0 && partwayStatement_ <= resume;
    const Kept& base = fromPartway ? partway_ : compiled_;
    const std::size_t first = fromPartway ? partwayStatement_ : 0;
    model.CopyContentsFrom(*base.items);
    compiled_.given.Replay(decoding);
    if (fromPartway) partway_.given.Replay(applying);

    std::size_t from = first;
    if (resume > first && (changed || !fromPartway)) {
        // The statements ahead of the change (or, with no change, all but
        // the last), applied here, and the state they leave kept: the next
        // change in the same place starts there.
        MessageRecord given = fromPartway ? MessageRecord(partway_.given, applying) : MessageRecord({}, applying);
        const std::size_t begin = starts_.Offset(first);
        overrides::ApplySectionStatements(model, std::string_view(text).substr(begin, starts_.Offset(resume) - begin),
                                          given);
        partway_ = Keep(model, std::move(given).Recorded());
        partwayStatement_ = resume;
        from = resume;
    } else if (!fromPartway) {
        // The kept state holds statements the change replaced.
        partway_ = {};
        partwayStatement_ = 0;
    }
    overrides::ApplySectionTextFrom(model, text, from, starts_, applying);
    applied_ = std::move(text);
}

}  // namespace document
