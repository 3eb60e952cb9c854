#pragma once
// tessellar --render: draws entries of a compiled program, customised by an
// override file when one is given, into PNG pictures without a window.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "tessellar/canvas/render/cell_metrics.h"
#include "tessellar/canvas/render/screen_picture.h"
#include "tessellar/document/entry_opening.h"
#include "tessellar/settings/colour_scheme.h"
#include "tessellar/model/font_description.h"

namespace app {

struct RenderRequest {
    std::string program;
    std::optional<std::string> screen;     // -s NAME
    std::optional<std::string> allDirectory;  // --all DIR: one picture per entry
    std::optional<std::string> overrideFile;  // --scf FILE
    std::optional<std::string> output;     // -o OUT.png
    bool highlight = false;
};

// Reads the options after "--render"; on a usage fault returns nothing and
// says why in `problem`.
std::optional<RenderRequest> ParseRenderArguments(const std::vector<std::string>& arguments, std::string& problem);

// The settings a picture is drawn with: the screen font and colour scheme
// the customiser would use.
struct RenderSettings {
    std::optional<model::FontDescription> font;  // the user's screen font, when set
    settings::ColourScheme scheme;
};

// What the settings draw pictures with: the cell of the screen font, the
// picture options (highlighting off) and what entries are decoded with.
struct PictureSetup {
    canvas::CellMetrics cell;
    canvas::PictureOptions options;
    document::EntryInputs inputs;
};
PictureSetup SetUpPictures(const RenderSettings& settings);

// Exit status: 0 when every picture was written, 1 when the program, the
// override file or an entry cannot be read or a picture cannot be written
// or would be too large. An override file that cannot be read applies
// nothing: the pictures show the compiled screens.
int RunRender(const RenderRequest& request, const RenderSettings& settings, std::ostream& out, std::ostream& errors);

// A file name for an entry's picture: characters other than letters,
// digits, "-" and "_" become "_", so that no entry name can leave the
// directory; the same name met again gets "-2", "-3" ...
std::string PictureFileName(const std::string& entryName, std::vector<std::string>& used);

inline constexpr const char* kRenderUsage =
    "Usage: tessellar --render PROGRAM -s NAME [--scf FILE] [--highlight] -o OUT.png\n"
    "       tessellar --render PROGRAM --all DIR [--scf FILE] [--highlight]\n"
    "\n"
    "Draws a screen, menu or procedure of a compiled program as the customiser's\n"
    "canvas shows it, with the screen font and colour scheme of the settings, into\n"
    "a PNG picture. No display is needed.\n"
    "\n"
    "Options:\n"
    "  -s NAME      the entry to draw (exact case); the first of that name\n"
    "  -o OUT.png   where to write its picture\n"
    "  --all DIR    draw every listed entry into DIR, one NAME.png each\n"
    "  --scf FILE   apply the entry's section of this override file first\n"
    "  --highlight  frame every changed item as \"Highlight Changes\" does\n"
    "\n"
    "Exit status: 0 when every picture was written, 1 when the program, the\n"
    "override file or an entry cannot be read or a picture cannot be written\n"
    "or would be too large, 2 on bad usage.\n";

}  // namespace app
