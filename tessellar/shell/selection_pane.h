#pragma once
// The status bar's selection pane: "(display):TEXT", "(accept):TEXT",
// "(menu):TEXT" or "(mode):TEXT" for the selected item of the screen view,
// the text alone for other items, and a single blank without a screen view.

#include <optional>
#include <string>

namespace shell {

enum class SelectedKind { Display, Accept, Menu, Mode, Other };

struct SelectedItem {
    SelectedKind kind = SelectedKind::Other;
    std::string text;
};

inline std::string SelectionPaneText(bool screenView, const std::optional<SelectedItem>& item) {
    if (!screenView || !item) return " ";
    switch (item->kind) {
    case SelectedKind::Display: return "(display):" + item->text;
    case SelectedKind::Accept: return "(accept):" + item->text;
    case SelectedKind::Menu: return "(menu):" + item->text;
    case SelectedKind::Mode: return "(mode):" + item->text;
    case SelectedKind::Other: break;
    }
    return item->text;
}

}  // namespace shell
