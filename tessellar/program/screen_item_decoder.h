#pragma once
// The items of an entry's statement lists: entry fields, displays, boxes,
// menu options and confirm prompts. Only block statements are entered;
// branches and loops hold no screen items.

#include <cstdint>
#include <string>
#include <unordered_map>

#include "tessellar/model/screen_model.h"
#include "tessellar/program/decode_context.h"
#include "tessellar/program/statement_visits.h"

namespace program {

// Items of the screen body come in pass 0, those of the detail list (the
// review area's rows) in pass 1.
enum class DecodePass { Body = 0, Detail = 1 };

class ScreenItemDecoder {
public:
    explicit ScreenItemDecoder(DecodeContext& context) : context_(context) {}

    void WalkList(std::uint32_t first, DecodePass pass) { WalkList(first, pass, 0); }
    // The longest option label met, for options without a width of their own.
    int LongestOptionLength() const { return longestOptionLength_; }

private:
    void WalkList(std::uint32_t first, DecodePass pass, int depth);
    void DecodeAccept(std::uint32_t statement, DecodePass pass);
    void DecodeDisplay(std::uint32_t statement, DecodePass pass);
    void DecodeBox(std::uint32_t statement);
    void DecodeOption(std::uint32_t statement);
    void DecodeConfirm(std::uint32_t statement);

    bool InReviewArea(int compiledRow, DecodePass pass) const;
    // Sets the compiled coordinate and the position relative to the origin.
    // An item of a data grid gets its column from the grid's column map once
    // every column of the grid is known (CScreenModel::PlaceGridItems).
    void Place(model::FieldItem& item, std::uint32_t row, std::uint32_t column);
    // Marks the item as part of the review area, and makes its column.
    void JoinReviewArea(model::FieldItem& item, const std::string& columnTitle);
    std::string PictureText(std::uint32_t picture) const;
    std::string ValueListText(const char* prefix, std::uint32_t first);

    DecodeContext& context_;
    StatementVisits visits_;
    int longestOptionLength_ = 0;
    // The first item of each name or text, for the duplicate rules.
    std::unordered_map<std::string, model::CAcceptFld*> acceptsByName_;
    std::unordered_map<std::string, model::CDispText*> displaysByName_;
    std::unordered_map<std::string, model::CDispText*> displaysByText_;
    std::unordered_map<std::string, model::COptionItem*> optionsByLabel_;
};

}  // namespace program
