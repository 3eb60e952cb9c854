#pragma once
// The blocks of a held section work file, found once for all the commands
// of one user action: where each block starts and ends, its kind, and, on
// first need, what its lines say and which items they name. A command then
// passes only the blocks of its kind, compares items already looked up,
// and changes the lines of the one block it matched; the text is put
// together again once, when it is written.
//
// The index holds exactly what a fresh read of the text would find. It
// takes only a text that the line reader gives back unchanged (no NUL and
// no carriage return), reads it only as far as a command needs, and
// refuses a change after which reading the text again would split it into
// other lines or blocks: the holder then goes on from the whole text.

#include <array>
#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tessellar/overrides/item_lookups.h"
#include "tessellar/overrides/line_reader.h"
#include "tessellar/overrides/override_statement.h"
#include "tessellar/overrides/statement_parser.h"

namespace overrides {

// The lines of one block as the line reader gives them, in one text: the
// block's own, or the part of a text that outlives it.
class BlockLines {
public:
    // Lines collected into the block's own text.
    void Restart(std::string_view line);
    void Add(std::string_view line);
    // Lines left where they are, each following on from the one before.
    void RestartInPlace(std::string_view line);
    void AddInPlace(std::string_view line);

    std::size_t Size() const { return ends_.size(); }
    std::string_view Line(std::size_t i) const { return Lines(i, i + 1); }
    // Lines from..to-1 as one text.
    std::string_view Lines(std::size_t from, std::size_t to) const;
    std::string_view Text() const { return inPlace_ ? view_ : std::string_view(own_); }

private:
    std::string own_;
    std::string_view view_;
    bool inPlace_ = false;
    std::vector<std::size_t> ends_;
};

// What a block's lines say as the in-place update reads them: the keys
// that name and place its item, and each line's key word.
struct ParsedBlock {
    OverrideStatement statement;
    std::vector<std::string_view> keys;
};

void ParseBlock(const BlockLines& lines, ParsedBlock& parsed);
// The last line holding the selector's key.
std::optional<std::size_t> SelectedLine(const ParsedBlock& parsed, PropertySelector selector);

struct IndexedBlock {
    BlockLines lines;
    StatementKind kind = StatementKind::None;
    bool closed = false;  // ended by its "}" line, not by the next keyword or the end
    bool removed = false;
    std::size_t piece = 0;  // its place in the text
    // Kept by whoever matches blocks; forgotten when the lines change.
    std::unique_ptr<ParsedBlock> parsed;
    BlockItems items;

    const ParsedBlock& Parsed();
};

class BlockIndex {
public:
    // Whether the line reader gives the text back unchanged, so that an
    // index of it writes the same bytes as a pass over it would.
    static bool Indexable(std::string_view text);

    // Takes an indexable text; nothing of it is read yet.
    explicit BlockIndex(std::string text);
    BlockIndex(const BlockIndex&) = delete;
    BlockIndex& operator=(const BlockIndex&) = delete;

    // The first block of a kind, in text order, for which `take` is true,
    // reading on only as far as that block; null when none is.
    template <typename Take>
    IndexedBlock* FirstOf(StatementKind kind, Take take) {
        for (std::size_t i = 0;; ++i) {
            while (i >= OfKind(kind).size()) {
                if (!ReadOn()) return nullptr;
            }
            IndexedBlock& block = *OfKind(kind)[i];
            if (!block.removed && take(block)) return &block;
        }
    }

    // Each change is made only when the text keeps reading as the index
    // says; false when it would not, and then nothing changed.
    // The block's lines replaced by `text`, which must read as one block of its kind.
    bool Replace(IndexedBlock& block, std::string_view text);
    bool Remove(IndexedBlock& block);
    // A block's text added at the end of the text, which must end a line.
    bool Append(StatementKind kind, std::string_view text);

    // The whole text as the changes left it.
    std::string Text() const;

    // The look-ups the blocks' kept items come from, for one model.
    ItemLookups& Lookups(model::CScreenModel& model);

private:
    struct Piece {
        std::string_view loose;  // lines outside any block, in the text read
        IndexedBlock* block = nullptr;
    };

    const std::vector<IndexedBlock*>& OfKind(StatementKind kind) const {
        const auto at = static_cast<std::size_t>(kind);
        return kind == StatementKind::None || at >= byKind_.size() ? none_ : byKind_[at];
    }
    // Reads on to the end of the next block; false when nothing more came.
    bool ReadOn();
    void Open(std::string_view line, StatementKind kind);
    void Close(bool closed);
    void AddLoose(std::string_view line);
    void Place(IndexedBlock block);
    std::optional<char> LastCharacter() const;

    std::string source_;  // the text as read in; never changed, the pieces look into it
    LineReader reader_;
    bool readAll_ = false;
    std::vector<Piece> pieces_;
    std::deque<IndexedBlock> blocks_;  // where they stay
    IndexedBlock* open_ = nullptr;     // being read
    // Blocks appended before the text was read to its end: they follow it.
    std::vector<IndexedBlock> appended_;
    std::array<std::vector<IndexedBlock*>, 32> byKind_;
    std::vector<IndexedBlock*> none_;
    std::optional<ItemLookups> lookups_;
};

}  // namespace overrides
