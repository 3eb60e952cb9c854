#include "tools/opimage/description_tree.h"

#include <cctype>

namespace opimage {

namespace {

bool IsPunct(char c) { return c == '{' || c == '}' || c == '[' || c == ']' || c == ',' || c == '/'; }

bool IsHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

// Reads the string that starts at line[i] (the opening quote).
bool ReadString(std::string_view line, std::size_t& i, std::string& out, std::string& problem) {
    ++i;
    while (i < line.size() && line[i] != '"') {
        char c = line[i++];
        if (c != '\\') {
            out += c;
            continue;
        }
        if (i >= line.size()) break;
        const char escape = line[i++];
        switch (escape) {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case 'x':
                if (i + 1 < line.size() && IsHexDigit(line[i]) && IsHexDigit(line[i + 1])) {
                    out += static_cast<char>(std::stoi(std::string(line.substr(i, 2)), nullptr, 16));
                    i += 2;
                    break;
                }
                problem = "\\x needs two hexadecimal digits";
                return false;
            default:
                problem = std::string("unknown escape \\") + escape;
                return false;
        }
    }
    if (i >= line.size()) {
        problem = "unterminated string";
        return false;
    }
    ++i;
    return true;
}

bool Tokenize(std::string_view line, std::vector<Token>& tokens, std::string& problem) {
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            Token token{.kind = Token::Kind::String};
            if (!ReadString(line, i, token.text, problem)) return false;
            tokens.push_back(std::move(token));
        } else if (IsPunct(c)) {
            tokens.push_back({.kind = Token::Kind::Punct, .text = std::string(1, c)});
            ++i;
        } else {
            const std::size_t start = i;
            while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])) &&
                   line[i] != '"' && line[i] != '#' && !IsPunct(line[i])) {
                ++i;
            }
            tokens.push_back({.kind = Token::Kind::Word, .text = std::string(line.substr(start, i - start))});
        }
    }
    return true;
}

bool IsPunct(const Token& token, std::string_view text) {
    return token.kind == Token::Kind::Punct && token.text == text;
}

}  // namespace

std::optional<std::vector<Node>> BuildTree(std::string_view text, SyntaxError& error) {
    std::vector<Node> top;
    // The blocks being filled, innermost last, and the nodes that own them. The
    // pointers stay valid: only the innermost block grows, and none of its
    // nodes has an open block while it does.
    std::vector<std::vector<Node>*> open{&top};
    std::vector<Node*> owners;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;

        std::vector<Token> tokens;
        std::string problem;
        if (!Tokenize(line, tokens, problem)) {
            error = {lineNumber, problem};
            return std::nullopt;
        }
        if (tokens.empty()) continue;

        // "}" closes a block; "} label {" continues the same node with another block.
        if (IsPunct(tokens.front(), "}")) {
            if (owners.empty()) {
                error = {lineNumber, "'}' without an open block"};
                return std::nullopt;
            }
            open.pop_back();
            if (tokens.size() == 1) {
                owners.pop_back();
                continue;
            }
            if (tokens.size() == 3 && tokens[1].kind == Token::Kind::Word && IsPunct(tokens[2], "{")) {
                Node* owner = owners.back();
                owner->blocks.push_back({.label = tokens[1].text, .line = lineNumber});
                open.push_back(&owner->blocks.back().nodes);
                continue;
            }
            error = {lineNumber, "expected '}' or '} label {'"};
            return std::nullopt;
        }

        Node node{.line = lineNumber};
        const bool opensBlock = IsPunct(tokens.back(), "{");
        if (opensBlock) tokens.pop_back();
        for (const Token& token : tokens) {
            if (IsPunct(token, "{") || IsPunct(token, "}")) {
                error = {lineNumber, "'" + token.text + "' must end a line or start one"};
                return std::nullopt;
            }
        }
        node.tokens = std::move(tokens);
        std::vector<Node>& into = *open.back();
        into.push_back(std::move(node));
        if (opensBlock) {
            Node* owner = &into.back();
            owner->blocks.push_back({.label = "", .line = lineNumber});
            owners.push_back(owner);
            open.push_back(&owner->blocks.back().nodes);
        }
    }
    if (!owners.empty()) {
        error = {owners.back()->line, "block opened here is never closed"};
        return std::nullopt;
    }
    return top;
}

}  // namespace opimage
