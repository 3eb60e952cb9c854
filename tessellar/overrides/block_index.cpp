#include "tessellar/overrides/block_index.h"

#include <cstring>

#include "tessellar/overrides/line_classifier.h"

namespace overrides {

namespace {

// A line after which the reader starts the next line whatever follows: one
// with its line end, or one cut at the reader's limit. Any other line can
// only be the text's last.
bool EndsItsLine(std::string_view line) { return (!line.empty() && line.back() == '\n') || line.size() == kMaxLineRead; }

// The lines of `text` when they make one block of `kind`: its keyword line,
// no other keyword line and at most a closing "}" as its last line.
bool ReadAsOneBlock(std::string_view text, StatementKind kind, BlockLines& lines, bool& closed) {
    if (!BlockIndex::Indexable(text)) return false;
    LineReader reader(text);
    std::string line;
    bool first = true;
    closed = false;
    while (reader.Next(line)) {
        if (closed) return false;  // a line after the block's end
        const ClassifiedLine classified = ClassifyLine(line);
        if (first) {
            if (classified.what != LineClass::Keyword || classified.kind != kind) return false;
            lines.Restart(line);
            first = false;
            continue;
        }
        if (classified.what == LineClass::Keyword) return false;
        lines.Add(line);
        closed = classified.what == LineClass::ClosingBrace;
    }
    return !first;
}

}  // namespace

void BlockLines::Restart(std::string_view line) {
    own_.clear();
    ends_.clear();
    inPlace_ = false;
    Add(line);
}

void BlockLines::Add(std::string_view line) {
    own_ += line;
    ends_.push_back(own_.size());
}

void BlockLines::RestartInPlace(std::string_view line) {
    own_.clear();
    ends_.clear();
    inPlace_ = true;
    view_ = line;
    ends_.push_back(view_.size());
}

void BlockLines::AddInPlace(std::string_view line) {
    view_ = std::string_view(view_.data(), view_.size() + line.size());
    ends_.push_back(view_.size());
}

std::string_view BlockLines::Lines(std::size_t from, std::size_t to) const {
    const std::size_t begin = from == 0 ? 0 : ends_[from - 1];
    const std::size_t end = to == 0 ? 0 : ends_[to - 1];
    return Text().substr(begin, end > begin ? end - begin : 0);
}

void ParseBlock(const BlockLines& lines, ParsedBlock& parsed) {
    parsed.statement = OverrideStatement{};
    parsed.keys.clear();
    for (std::size_t i = 0; i < lines.Size(); ++i) {
        parsed.keys.push_back(ParseNamingKeysOfLine(lines.Line(i), parsed.statement));
    }
}

std::optional<std::size_t> SelectedLine(const ParsedBlock& parsed, PropertySelector selector) {
    const std::string_view selected = SelectedKey(selector);
    if (selected.empty()) return std::nullopt;
    for (std::size_t i = parsed.keys.size(); i-- > 0;) {
        if (parsed.keys[i] == selected) return i;
    }
    return std::nullopt;
}

const ParsedBlock& IndexedBlock::Parsed() {
    if (!parsed) {
        parsed = std::make_unique<ParsedBlock>();
        ParseBlock(lines, *parsed);
    }
    return *parsed;
}

bool BlockIndex::Indexable(std::string_view text) {
    return std::memchr(text.data(), '\0', text.size()) == nullptr &&
           std::memchr(text.data(), '\r', text.size()) == nullptr;
}

BlockIndex::BlockIndex(std::string text) : source_(std::move(text)), reader_(std::string_view(source_)) {}

bool BlockIndex::ReadOn() {
    if (readAll_) return false;
    // The same blocks as the in-place update finds: a keyword line starts
    // one, which its "}" line, the next keyword line or the end ends.
    std::string_view line;
    while (reader_.NextInPlace(line)) {
        const ClassifiedLine classified = ClassifyLine(line);
        if (classified.what == LineClass::Keyword) {
            const bool ended = open_ != nullptr;
            if (ended) Close(false);
            Open(line, classified.kind);
            if (ended) return true;
            continue;
        }
        if (open_ == nullptr) {
            AddLoose(line);
            continue;
        }
        open_->lines.AddInPlace(line);
        if (classified.what == LineClass::ClosingBrace) {
            Close(true);
            return true;
        }
    }
    readAll_ = true;
    const bool more = open_ != nullptr || !appended_.empty();
    if (open_ != nullptr) Close(false);
    for (IndexedBlock& block : appended_) Place(std::move(block));
    appended_.clear();
    return more;
}

void BlockIndex::Open(std::string_view line, StatementKind kind) {
    IndexedBlock& block = blocks_.emplace_back();
    block.kind = kind;
    block.lines.RestartInPlace(line);
    block.piece = pieces_.size();
    pieces_.push_back({{}, &block});
    open_ = &block;
}

void BlockIndex::Close(bool closed) {
    open_->closed = closed;
    byKind_[static_cast<std::size_t>(open_->kind)].push_back(open_);
    open_ = nullptr;
}

void BlockIndex::AddLoose(std::string_view line) {
    if (!pieces_.empty() && pieces_.back().block == nullptr) {
        std::string_view& loose = pieces_.back().loose;
        loose = std::string_view(loose.data(), loose.size() + line.size());
        return;
    }
    pieces_.push_back({line, nullptr});
}

void BlockIndex::Place(IndexedBlock block) {
    IndexedBlock& placed = blocks_.emplace_back(std::move(block));
    placed.piece = pieces_.size();
    pieces_.push_back({{}, &placed});
    byKind_[static_cast<std::size_t>(placed.kind)].push_back(&placed);
}

bool BlockIndex::Replace(IndexedBlock& block, std::string_view text) {
    BlockLines lines;
    bool closed = false;
    if (!ReadAsOneBlock(text, block.kind, lines, closed)) return false;
    // A block that no longer closes would take in the lines after it.
    if (block.closed && !closed) return false;
    // A last line without its end runs on into what follows, unless the
    // block's old last line already was the text's last.
    if (!EndsItsLine(lines.Line(lines.Size() - 1)) && EndsItsLine(block.lines.Line(block.lines.Size() - 1))) {
        return false;
    }
    block.lines = std::move(lines);
    block.closed = closed;
    block.parsed.reset();
    block.items = {};
    return true;
}

bool BlockIndex::Remove(IndexedBlock& block) {
    // A block before it that never closed would take in what follows.
    for (std::size_t at = block.piece; at-- > 0;) {
        const IndexedBlock* before = pieces_[at].block;
        if (before == nullptr) break;
        if (before->removed) continue;
        if (!before->closed) return false;
        break;
    }
    block.removed = true;
    return true;
}

bool BlockIndex::Append(StatementKind kind, std::string_view text) {
    // A text without its last line end would have it added first: the line changes.
    const std::optional<char> last = LastCharacter();
    if (last && *last != '\n') return false;
    IndexedBlock block;
    block.kind = kind;
    if (!ReadAsOneBlock(text, kind, block.lines, block.closed)) return false;
    if (readAll_) {
        Place(std::move(block));
    } else {
        appended_.push_back(std::move(block));
    }
    return true;
}

std::optional<char> BlockIndex::LastCharacter() const {
    if (!appended_.empty()) return appended_.back().lines.Text().back();
    if (reader_.Offset() < source_.size()) return source_.back();
    for (std::size_t at = pieces_.size(); at-- > 0;) {
        const Piece& piece = pieces_[at];
        if (piece.block == nullptr) return piece.loose.back();  // loose pieces are never empty
        if (!piece.block->removed) return piece.block->lines.Text().back();
    }
    return std::nullopt;
}

std::string BlockIndex::Text() const {
    std::string text;
    text.reserve(source_.size() + 4096);
    for (const Piece& piece : pieces_) {
        if (piece.block == nullptr) {
            text += piece.loose;
        } else if (!piece.block->removed) {
            text += piece.block->lines.Text();
        }
    }
    text += std::string_view(source_).substr(reader_.Offset());
    for (const IndexedBlock& block : appended_) text += block.lines.Text();
    return text;
}

ItemLookups& BlockIndex::Lookups(model::CScreenModel& model) {
    if (!lookups_ || &lookups_->Model() != &model) lookups_.emplace(model);
    return *lookups_;
}

}  // namespace overrides
