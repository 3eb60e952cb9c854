#pragma once
// The shape of a program description before any meaning is given to it:
// lines of tokens, some opening blocks of further lines.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace opimage {

struct Token {
    enum class Kind { Word, String, Punct };
    Kind kind = Kind::Word;
    std::string text{};  // a String's text has its escapes resolved
};

struct Node;

// A block opened by "{": the label is empty for the block on the node's own
// line and names the block for each "} label {" line that continues it.
struct NodeBlock {
    std::string label{};
    int line = 0;
    std::vector<Node> nodes{};
};

struct Node {
    int line = 0;
    std::vector<Token> tokens{};
    std::vector<NodeBlock> blocks{};
};

struct SyntaxError {
    int line = 0;
    std::string message{};
};

// Splits the text into nodes; "#" starts a comment outside strings.
std::optional<std::vector<Node>> BuildTree(std::string_view text, SyntaxError& error);

}  // namespace opimage
