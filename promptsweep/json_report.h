#pragma once
// --json FILE: the run as one JSON document, written as the run goes so
// that memory stays flat however many programs there are:
//
//   {"tool", "version", "arguments", "options", "pairs",
//    "programs": [{"path", "loaded", "loader_message", "replacements": [...],
//                  "override_file": {...} or null}, ...],
//    "totals": {...} or null, "exit_status"}
//
// Every value is encoded by nlohmann::json; program texts and pairs are
// code page 1252 and come out as UTF-8.

#include <cstdio>
#include <memory>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "promptsweep/run_record.h"

namespace promptsweep {

class JsonReport : public RunReport {
public:
    // Opens (creates or empties) the file; Open() says whether that worked.
    JsonReport(const std::string& path, std::vector<std::string> arguments);
    ~JsonReport() override;

    bool Open() const { return file_ != nullptr; }
    // False once a write has failed.
    bool Good() const { return good_; }

    void Begin(const RunOptions& options, const PairList& pairs) override;
    void Program(const ProgramRecord& record) override;
    void End(int exitStatus, const RunTotals* totals) override;

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    void Write(const std::string& text);
    void WriteHead(const RunOptions* options, const PairList* pairs);

    std::unique_ptr<std::FILE, FileCloser> file_;
    std::vector<std::string> arguments_;
    nlohmann::ordered_json program_;  // reused from program to program
    std::string line_;
    bool begun_ = false;
    bool firstProgram_ = true;
    bool good_ = true;
};

}  // namespace promptsweep
