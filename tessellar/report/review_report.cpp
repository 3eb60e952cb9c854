#include "tessellar/report/review_report.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/file_replace.h"
#include "tessellar/report/html_text.h"
#include "tessellar/report/report_pages.h"

namespace report {

namespace {

// "3-demo": the program's number in the report and its file name's stem.
std::string ProgramPlaceName(std::size_t number, const std::string& programPath) {
    return std::to_string(number) + "-" + PlainFileName(std::filesystem::path(programPath).stem().string());
}

}  // namespace

ReviewReport::ReviewReport(std::string directory, PictureMaker& pictures, bool since)
    : directory_(std::move(directory)), pictures_(pictures) {
    index_.since = since;
}

bool ReviewReport::Begin() {
    std::error_code error;
    std::filesystem::create_directories(directory_, error);
    if (std::filesystem::is_directory(directory_, error)) return true;
    problems_.push_back(directory_ + ": cannot be made");
    return false;
}

ReviewReport::Added ReviewReport::AddProgram(const ProgramSource& source, const Progress& progress) {
    const std::string place = ProgramPlaceName(index_.programs.size() + 1, source.programPath);
    std::optional<ProgramReport> program =
        BuildProgramReport(source, PicturePlace{directory_ + "/" + place, place}, pictures_, progress);
    if (!program) return Added::Cancelled;
    if (!program->entries.empty()) {
        program->page = place + ".html";
        const std::string path = directory_ + "/" + program->page;
        if (!platform::ReplaceFile(path, ProgramPage(*program, kIndexFile))) {
            problems_.push_back(path + ": cannot be written");
            program->page.clear();
        }
    }
    index_.programs.push_back(std::move(*program));
    return Added::Done;
}

void ReviewReport::AddUnreadable(const std::string& programPath, const std::string& problem) {
    ProgramReport program;
    program.programPath = programPath;
    program.problem = problem;
    index_.programs.push_back(std::move(program));
}

bool ReviewReport::Finish() {
    for (const std::string& path : pictures_.Finish()) problems_.push_back(path + ": cannot be written");
    if (!platform::ReplaceFile(IndexPath(), IndexPage(index_))) problems_.push_back(IndexPath() + ": cannot be written");
    return problems_.empty();
}

std::size_t ReviewReport::EntryCount() const {
    std::size_t count = 0;
    for (const ProgramReport& program : index_.programs) count += program.entries.size();
    return count;
}

}  // namespace report
