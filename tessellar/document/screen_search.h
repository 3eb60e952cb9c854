#pragma once
// Searching a screen's items for a text, as "&Find" does: the current texts
// of the title, prompts and displays, entry field titles, options, modes,
// box titles, confirm questions and messages.

#include <string_view>

#include "tessellar/model/screen_model.h"

namespace document {

struct SearchOptions {
    bool wholeWord = false;  // the hit may not touch a letter, digit or "_"
    bool matchCase = false;
};

// Whether the text occurs in the text searched (an empty text never does).
bool TextMatches(std::string_view searched, std::string_view text, const SearchOptions& options);
bool ScreenContainsText(const model::CScreenModel& screen, std::string_view text, const SearchOptions& options);

}  // namespace document
