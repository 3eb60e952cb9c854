#pragma once
// A review report being written into its directory: `index.html`, one page
// per program that has entries to show, named by its number and program
// name, and each program's pictures in a folder of the same name. Pages are
// replaced whole, so a page is never seen half written; the index comes
// last, once every picture is written.

#include <string>
#include <vector>

#include "tessellar/report/program_report.h"
#include "tessellar/report/report_model.h"

namespace report {

inline constexpr const char* kIndexFile = "index.html";

class ReviewReport {
public:
    ReviewReport(std::string directory, PictureMaker& pictures, bool since);

    // Makes the directory; false, with the problem kept, when it cannot be.
    bool Begin();
    enum class Added { Done, Cancelled };
    // Adds a program: its page, when it has entries to show, and its pictures.
    Added AddProgram(const ProgramSource& source, const Progress& progress = {});
    // A program that could not be read, named in the index.
    void AddUnreadable(const std::string& programPath, const std::string& problem);
    // Waits for the pictures and writes the index; false when anything of
    // the report could not be written (see Problems).
    bool Finish();

    const ReportIndex& Index() const { return index_; }
    std::size_t EntryCount() const;
    // "PATH: cannot be written", one a line, in the order met.
    const std::vector<std::string>& Problems() const { return problems_; }
    std::string IndexPath() const { return directory_ + "/" + kIndexFile; }

private:
    std::string directory_;
    PictureMaker& pictures_;
    ReportIndex index_;
    std::vector<std::string> problems_;
};

}  // namespace report
