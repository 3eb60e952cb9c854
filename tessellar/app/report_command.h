#pragma once
// tessellar --report: the review report of a program, or of every program
// below a directory, each with its override file, as static HTML pages
// with pictures that any browser opens from a file:// address.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "tessellar/app/render_command.h"

namespace app {

struct ReportRequest {
    std::string outDirectory;
    std::string program;                      // one program...
    std::string tree;                         // ...or every program below a directory (-R)
    std::optional<std::string> overrideFile;  // --scf
    std::optional<std::string> since;         // --since OLD.scf
    std::string overrideDirectories;          // -l
};

// Reads the options after "--report"; on a usage fault returns nothing and
// says why in `problem`.
std::optional<ReportRequest> ParseReportArguments(const std::vector<std::string>& arguments, std::string& problem);

// scfPath: the machine's SCFPATH value, where override files are looked for
// without --scf and -l. Exit status: 0 when the whole report was written,
// 1 when a program or override file could not be read or a page or picture
// could not be written.
int RunReport(const ReportRequest& request, const RenderSettings& settings, const std::optional<std::string>& scfPath,
              std::ostream& out, std::ostream& errors);

inline constexpr const char* kReportUsage =
    "Usage: tessellar --report OUTDIR PROGRAM [--scf FILE] [--since OLD.scf] [-l DIRECTORIES]\n"
    "       tessellar --report OUTDIR -R DIRECTORY [-l DIRECTORIES]\n"
    "\n"
    "Writes a review report into OUTDIR: index.html, one page per program and\n"
    "the pictures. Each entry the override file customises is shown as the\n"
    "program draws it and customised (changes highlighted), with its statements\n"
    "at their lines, what they changed and the checker's findings. The pages are\n"
    "static HTML that any browser opens from the directory, without a script.\n"
    "\n"
    "Options:\n"
    "  --scf FILE       the override file (else found as the customiser finds it)\n"
    "  --since OLD.scf  only the entries whose statements differ from OLD.scf,\n"
    "                   each as the old file and this one show it, with the diff\n"
    "  -R DIRECTORY     every *.op6 and *.op5 below DIRECTORY, each with its own file\n"
    "  -l DIRECTORIES   where override files are looked for (\";\", \",\" or \":\" between)\n"
    "\n"
    "Exit status: 0 when the whole report was written, 1 when a program or\n"
    "override file could not be read or a page or picture could not be written,\n"
    "2 on bad usage.\n";

}  // namespace app
