#include "tessellar/document/browser_find.h"

#include "tessellar/document/document_texts.h"
#include "platform/message_format.h"

namespace document {

std::optional<std::size_t> FindNext(program::DirectoryPage& page, const FindRequest& request,
                                    const std::function<void(model::CScreenModel&)>& open,
                                    platform::MessageSink& sink, const program::RowSelectionHooks& hooks) {
    const std::size_t count = page.Rows().size();
    // The walk starts beside the last found row (every selection sets it).
    std::optional<std::size_t> anchor = page.FoundRow();
    if (!anchor) anchor = page.SelectedRow();
    std::ptrdiff_t row = anchor ? static_cast<std::ptrdiff_t>(*anchor) + (request.down ? 1 : -1)
                                : (request.down ? 0 : static_cast<std::ptrdiff_t>(count) - 1);
    const std::ptrdiff_t step = request.down ? 1 : -1;
    for (; row >= 0 && row < static_cast<std::ptrdiff_t>(count); row += step) {
        const auto index = static_cast<std::size_t>(row);
        model::CScreenModel* screen = program::FindModel(page, page.Rows()[index].identifier);
        if (screen == nullptr) continue;
        if (open) open(*screen);
        if (!ScreenContainsText(*screen, request.text, request.options)) continue;
        if (!program::SelectRow(page, index, sink, hooks)) return std::nullopt;
        return index;
    }
    sink.ShowMessage(platform::FormatText(request.down ? texts::kAtEndOfList : texts::kAtTopOfList, request.text.c_str()));
    return std::nullopt;
}

}  // namespace document
