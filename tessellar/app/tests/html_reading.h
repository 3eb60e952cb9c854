#pragma once
// Reads a page of the review report strictly, as a check that a browser
// reads it as meant: every element closed in order (void elements aside),
// every attribute value quoted, no "<" or "&" that does not start a tag or
// a known reference. Gives the elements, their attributes and the text as
// a reader sees it, references decoded.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace html_reading {

struct Element {
    std::string name;
    std::map<std::string, std::string> attributes;  // values decoded
};

struct Page {
    std::string problem;  // empty when the page is well formed
    std::vector<Element> elements;
    std::string text;     // outside tags, decoded; style sheets left out
    std::vector<std::string> ids;
};

Page ReadPage(std::string_view html);

}  // namespace html_reading
