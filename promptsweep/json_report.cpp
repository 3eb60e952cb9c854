#include "promptsweep/json_report.h"

#include <nlohmann/json.hpp>

#include "promptsweep/text_encoding.h"
#include "promptsweep/texts.h"

namespace promptsweep {

namespace {

using Json = nlohmann::ordered_json;

Json SystemText(const std::string& text) { return Utf8FromSystemText(text); }
Json ProgramText(const std::string& text) { return Utf8FromCp1252(text); }
// An empty text as null.
Json OrNull(const std::string& text, Json (*encode)(const std::string&)) {
    return text.empty() ? Json(nullptr) : encode(text);
}

Json OptionsObject(const RunOptions& options) {
    return Json{
        {"start_directory", SystemText(options.startDirectory)},
        {"output_directory", SystemText(options.outputDirectory)},
        {"output_mode", options.outputMode},
        {"report_only", options.outputMode == kReportOnly},
        {"list_file", options.listMode ? SystemText(options.listFileName) : Json(nullptr)},
        {"include_subdirectories", options.includeSubdirectories},
        {"verbose", options.verbose},
        {"new_replaces_old", !options.leaveOldReplacements},
    };
}

Json ReplacementObject(const ReplacedText& replaced) {
    return Json{
        {"section", ProgramText(replaced.section)},
        {"item", replaced.keyword},
        {"key", OrNull(replaced.identification, ProgramText)},
        {"coordinate", OrNull(replaced.coordinate, ProgramText)},
        {"kind", replaced.kind},
        {"field", replaced.field},
        {"old", ProgramText(replaced.oldText)},
        {"new", ProgramText(replaced.newText)},
    };
}

Json OverrideObject(const ProgramRecord& record) {
    if (record.outcome == OverrideOutcome::None) return nullptr;
    Json object{
        {"path", SystemText(record.overridePath)},
        {"outcome", OutcomeName(record.outcome)},
        {"written", record.written},
    };
    if (!record.reason.empty()) {
        const std::size_t first = record.reason.find_first_not_of("*\n ");
        const std::size_t last = record.reason.find_last_not_of('\n');
        object["reason"] = SystemText(first == std::string::npos ? std::string()
                                                                 : record.reason.substr(first, last + 1 - first));
    }
    if (!record.keptFile.empty()) object["left_in"] = SystemText(record.keptFile);
    return object;
}

std::string Dumped(const Json& value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); }

}  // namespace

const char* OutcomeName(OverrideOutcome outcome) {
    switch (outcome) {
        case OverrideOutcome::None: return "none";
        case OverrideOutcome::Created: return "created";
        case OverrideOutcome::Merged: return "merged";
        case OverrideOutcome::Unchanged: return "unchanged";
        case OverrideOutcome::Cancelled: return "cancelled";
        case OverrideOutcome::LeftBeside: return "left_beside";
        case OverrideOutcome::Failed: return "failed";
    }
    return "none";
}

JsonReport::JsonReport(const std::string& path, std::vector<std::string> arguments)
    : file_(std::fopen(path.c_str(), "wb")), arguments_(std::move(arguments)) {
    if (file_) std::setvbuf(file_.get(), nullptr, _IOFBF, 1 << 16);
}

JsonReport::~JsonReport() = default;

void JsonReport::Write(const std::string& text) {
    if (file_ && std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size()) good_ = false;
}

// Everything up to the opening of the programs array: the head object
// dumped whole, its closing brace taken off.
void JsonReport::WriteHead(const RunOptions* options, const PairList* pairs) {
    Json arguments = Json::array();
    for (const std::string& argument : arguments_) arguments.push_back(SystemText(argument));
    Json pairList = Json::array();
    if (pairs != nullptr) {
        for (const ReplacementPair& pair : *pairs) {
            pairList.push_back(Json{{"find", ProgramText(pair.find)}, {"replace", ProgramText(pair.replace)}});
        }
    }
    const Json head{
        {"tool", "promptsweep"},
        {"version", texts::kVersion},
        {"arguments", std::move(arguments)},
        {"options", options != nullptr ? OptionsObject(*options) : Json(nullptr)},
        {"pairs", std::move(pairList)},
    };
    std::string text = Dumped(head);
    text.pop_back();
    Write(text + ",\n\"programs\":[");
    begun_ = true;
}

void JsonReport::Begin(const RunOptions& options, const PairList& pairs) {
    if (!begun_) WriteHead(&options, &pairs);
}

// Most programs hold no match: one object with its keys in place serves
// them all, its values set anew for each program.
void JsonReport::Program(const ProgramRecord& record) {
    Json& program = program_;
    if (program.empty()) {
        program = Json{{"path", nullptr}, {"loaded", true}, {"loader_message", nullptr},
                       {"replacements", Json::array()}, {"override_file", nullptr}};
    }
    program["path"] = SystemText(record.path);
    program["loaded"] = record.loaded;
    program["loader_message"] = record.loaded ? Json(nullptr) : SystemText(record.loaderMessage);
    Json& replacements = program["replacements"];
    replacements.clear();
    for (const ReplacedText& replaced : record.replacements) replacements.push_back(ReplacementObject(replaced));
    program["override_file"] = OverrideObject(record);
    line_.assign(firstProgram_ ? "\n" : ",\n");
    line_ += Dumped(program);
    Write(line_);
    firstProgram_ = false;
}

// The totals and the exit status after the programs array: an object
// dumped whole, its opening brace taken off.
void JsonReport::End(int exitStatus, const RunTotals* totals) {
    if (!begun_) WriteHead(nullptr, nullptr);
    const Json tail{
        {"totals", totals != nullptr ? Json{{"programs_checked", totals->programs},
                                            {"override_files_created_or_updated", totals->createdOrUpdated}}
                                     : Json(nullptr)},
        {"exit_status", exitStatus},
    };
    Write("\n],\n" + Dumped(tail).substr(1) + "\n");
    if (file_ && std::fflush(file_.get()) != 0) good_ = false;
}

}  // namespace promptsweep
