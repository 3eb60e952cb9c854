#include "html_reading.h"

#include <algorithm>
#include <array>

#include "platform/cp1252.h"

namespace html_reading {

namespace {

constexpr std::array<std::string_view, 6> kVoidElements{"meta", "img", "br", "hr", "link", "input"};

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == ':';
}

class Reader {
public:
    explicit Reader(std::string_view html) : html_(html) {}

    Page Read() {
        if (html_.starts_with("<!DOCTYPE html>")) at_ = 15;
        else Fail("no doctype");
        while (page_.problem.empty() && at_ < html_.size()) {
            if (html_[at_] == '<') Tag();
            else Text(page_.text, "<");
        }
        if (page_.problem.empty() && !open_.empty()) Fail("<" + open_.back() + "> is never closed");
        return std::move(page_);
    }

private:
    void Fail(std::string problem) {
        if (page_.problem.empty()) page_.problem = std::move(problem) + " (at byte " + std::to_string(at_) + ")";
    }

    // Text up to one of `stops`, its references decoded into `out`.
    void Text(std::string& out, std::string_view stops) {
        while (at_ < html_.size() && stops.find(html_[at_]) == std::string_view::npos) {
            if (html_[at_] == '&') Reference(out);
            else if (html_[at_] == '>' ) { Fail("a bare '>'"); return; }
            else out += html_[at_++];
            if (!page_.problem.empty()) return;
        }
    }

    void Reference(std::string& out) {
        const std::size_t end = html_.find(';', at_);
        if (end == std::string_view::npos || end - at_ > 10) return Fail("a bare '&'");
        const std::string_view name = html_.substr(at_ + 1, end - at_ - 1);
        if (name == "amp") out += '&';
        else if (name == "lt") out += '<';
        else if (name == "gt") out += '>';
        else if (name == "quot") out += '"';
        else if (name.starts_with("#x")) platform::AppendUtf8(out, static_cast<char32_t>(std::stoul(std::string(name.substr(2)), nullptr, 16)));
        else if (name.starts_with('#')) platform::AppendUtf8(out, static_cast<char32_t>(std::stoul(std::string(name.substr(1)))));
        else return Fail("an unknown reference &" + std::string(name) + ";");
        at_ = end + 1;
    }

    std::string Name() {
        const std::size_t start = at_;
        while (at_ < html_.size() && IsNameCharacter(html_[at_])) ++at_;
        std::string name(html_.substr(start, at_ - start));
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return name;
    }

    void SkipBlanks() {
        while (at_ < html_.size() && (html_[at_] == ' ' || html_[at_] == '\n' || html_[at_] == '\t')) ++at_;
    }

    void Tag() {
        ++at_;
        if (at_ < html_.size() && html_[at_] == '/') {
            ++at_;
            const std::string name = Name();
            if (at_ >= html_.size() || html_[at_] != '>') return Fail("</" + name + " is not closed by '>'");
            ++at_;
            if (open_.empty() || open_.back() != name) {
                return Fail("</" + name + "> closes " + (open_.empty() ? "nothing" : "<" + open_.back() + ">"));
            }
            open_.pop_back();
            return;
        }
        Element element;
        element.name = Name();
        if (element.name.empty()) return Fail("a '<' that starts no tag");
        for (;;) {
            SkipBlanks();
            if (at_ >= html_.size()) return Fail("<" + element.name + " runs to the end");
            if (html_[at_] == '>') break;
            const std::string attribute = Name();
            if (attribute.empty()) return Fail("a stray character in <" + element.name + ">");
            if (at_ >= html_.size() || html_[at_] != '=' || at_ + 1 >= html_.size() || html_[at_ + 1] != '"') {
                return Fail("attribute " + attribute + " of <" + element.name + "> has no quoted value");
            }
            at_ += 2;
            std::string value;
            Text(value, "\"<");
            if (!page_.problem.empty()) return;
            if (at_ >= html_.size() || html_[at_] != '"') return Fail("a '<' in the value of " + attribute);
            ++at_;
            if (attribute == "id") page_.ids.push_back(value);
            if (!element.attributes.emplace(attribute, value).second) return Fail("attribute " + attribute + " twice");
        }
        ++at_;
        const std::string name = element.name;
        page_.elements.push_back(std::move(element));
        if (std::find(kVoidElements.begin(), kVoidElements.end(), name) != kVoidElements.end()) return;
        if (name == "style" || name == "script") {
            // Raw text up to its end tag.
            const std::size_t end = html_.find("</" + name + ">", at_);
            if (end == std::string_view::npos) return Fail("<" + name + "> is never closed");
            at_ = end + name.size() + 3;
            return;
        }
        open_.push_back(name);
    }

    std::string_view html_;
    std::size_t at_ = 0;
    std::vector<std::string> open_;
    Page page_;
};

}  // namespace

Page ReadPage(std::string_view html) { return Reader(html).Read(); }

}  // namespace html_reading
