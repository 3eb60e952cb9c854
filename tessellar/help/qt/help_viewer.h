#pragma once
// Opens a help page with the desktop's browser. Where the help pages cannot
// be found, or nothing opens them, a message box over the parent says so.

#include <QWidget>

#include <filesystem>
#include <string_view>
#include <vector>

namespace help {

// The page of a help context number; any number without a page of its own
// (0 for "Screen Customiser Help") opens the contents.
void ShowHelpPage(QWidget* parent, int contextNumber);

// The page of a named help topic such as "::/Triggers.htm".
void ShowHelpTopic(QWidget* parent, std::string_view topic);

// As ShowHelpPage, looking for the help in the given directories only
// (first match wins) instead of beside the executable and the installed
// data directory.
void ShowHelpPageFrom(QWidget* parent, int contextNumber, const std::vector<std::filesystem::path>& directories);

}  // namespace help
