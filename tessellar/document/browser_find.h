#pragma once
// "&Find" over the program browser: walks the active page from the row
// after (or before) the last found or selected row, opening each screen as
// it goes, and selects the first screen that holds the text.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/document/screen_search.h"
#include "tessellar/program/directory_page.h"

namespace document {

struct FindRequest {
    std::string text;
    bool down = true;
    SearchOptions options;
};

// Finds the next screen holding the text and selects its row through the
// hooks (which open the screen and show it). open: builds a row's screen and
// applies its overrides before it is searched. When the end (or top) of the
// list is reached the user is told and nothing changes. Returns the row found.
std::optional<std::size_t> FindNext(program::DirectoryPage& page, const FindRequest& request,
                                    const std::function<void(model::CScreenModel&)>& open,
                                    platform::MessageSink& sink, const program::RowSelectionHooks& hooks = {});

}  // namespace document
