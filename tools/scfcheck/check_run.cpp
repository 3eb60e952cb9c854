#include "tools/scfcheck/check_run.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <system_error>
#include <vector>

#include "platform/diagnostic_sink.h"
#include "platform/file_replace.h"
#include "platform/unified_diff.h"
#include "tessellar/checks/identifier_fixes.h"
#include "platform/message_format.h"
#include "tessellar/document/document_texts.h"
#include "tessellar/overrides/override_file_check.h"
#include "tessellar/program/directory_damage.h"
#include "tessellar/checks/program_check.h"
#include "tessellar/document/override_location.h"
#include "tessellar/overrides/line_reader.h"
#include "tessellar/program/image/program_loader.h"
#include "tools/scfcheck/program_tree.h"

namespace scfcheck {

namespace {

constexpr const char* kTool = "scfcheck";
constexpr const char* kNoOverrideFile = "no such override file";
constexpr const char* kCannotRead = "cannot be read";
constexpr const char* kNoDirectory = "no such directory, or it cannot be read";
constexpr const char* kCannotWrite = "cannot be written; the file is unchanged";
constexpr const char* kCannotWriteBackup = "the backup cannot be written; the override file is unchanged";
constexpr const char* kNotAnOverrideFile = "not an override file; nothing in it is checked";
constexpr const char* kUtf16 =
    "UTF-16 text: the runtime reads override files one byte a character and finds nothing in it; save it as "
    "plain text";
constexpr const char* kDamageFindings = " Findings about its sections may come from the damage.";

// A UTF-16 text: its byte-order mark, or a first line of characters each
// followed (or preceded) by a zero byte.
bool LooksLikeUtf16(const std::string& path) {
    // Only a plain file is opened here: a FIFO would wait for a writer.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    char head[64] = {};
    in.read(head, sizeof head);
    const std::string_view bytes(head, static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return true;
    if (bytes.size() < 8) return false;
    for (const std::size_t zeroAt : {std::size_t{0}, std::size_t{1}}) {
        bool pattern = true;
        for (std::size_t i = 0; i + 1 < bytes.size() && pattern; i += 2) {
            const char zero = bytes[i + zeroAt];
            const char other = bytes[i + 1 - zeroAt];
            pattern = zero == '\0' && other != '\0';
        }
        if (pattern) return true;
    }
    return false;
}

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

class Checker {
public:
    Checker(const RunOptions& options, std::ostream& out, std::ostream& errors)
        : options_(options), out_(out), errors_(errors) {}

    void Program(const std::string& programPath) {
        platform::DiagnosticSink sink(errors_, kTool, programPath);
        const std::optional<program::ProgramImage> image = program::LoadProgram(programPath, sink);
        if (!image) {
            Raise(kTrouble);
            return;
        }
        if (const std::optional<std::string> damage = program::DescribeDirectoryDamage(*image)) {
            // The customiser's own words, and what they mean for the findings.
            errors_ << platform::DiagnosticLine(
                kTool, programPath,
                platform::FormatText(document::texts::kDamagedProgram, programPath.c_str(), damage->c_str()) +
                    kDamageFindings);
            Raise(kTrouble);
        }
        const std::string overridePath = OverridePathFor(programPath, options_);
        if (!Exists(overridePath)) {
            // Without -m a program may well have no override file: nothing to check.
            if (options_.overrideFile) {
                errors_ << platform::DiagnosticLine(kTool, overridePath, kNoOverrideFile);
                Raise(kTrouble);
            }
            return;
        }
        const bool utf16 = LooksLikeUtf16(overridePath);
        if (utf16 || overrides::PlainlyNotAnOverrideFile(overridePath)) {
            errors_ << platform::DiagnosticLine(kTool, overridePath, utf16 ? kUtf16 : kNotAnOverrideFile);
            Raise(kTrouble);
            return;
        }
        const std::optional<std::string> text = overrides::ReadOverrideText(overridePath);
        if (!text) {
            errors_ << platform::DiagnosticLine(kTool, overridePath, kCannotRead);
            Raise(kTrouble);
            return;
        }
        ++programs_;
        std::vector<checks::Finding> findings = checks::CheckProgram(*image, overridePath, *text);
        if (options_.fix || options_.diff) {
            const std::size_t fixes = checks::FixCount(findings, options_.likely);
            if (fixes != 0) {
                const std::string fixed = checks::ApplyFixes(*text, findings, options_.likely);
                if (options_.diff) {
                    out_ << platform::UnifiedDiff(*text, fixed, overridePath, overridePath);
                } else if (!WriteFixed(overridePath, *text, fixed)) {
                    Raise(kTrouble);
                    return;
                }
                fixesApplied_ += fixes;
                // What is left is what no fix covered.
                findings = checks::CheckProgram(*image, overridePath, fixed);
            }
        }
        findingsLeft_ += findings.size();
        if (!options_.diff) WriteFindings(findings, options_.format, out_);
        out_.flush();
        if (!findings.empty()) Raise(kFound);
    }

    // "3 programs, 5 fixes applied, 2 findings left", after a tree is fixed.
    std::string Count() const {
        return std::to_string(programs_) + (programs_ == 1 ? " program, " : " programs, ") +
               std::to_string(fixesApplied_) + (fixesApplied_ == 1 ? " fix " : " fixes ") +
               (options_.diff ? "to apply, " : "applied, ") + std::to_string(findingsLeft_) +
               (findingsLeft_ == 1 ? " finding left\n" : " findings left\n");
    }

    void Raise(int status) { status_ = std::max(status_, status); }
    int Status() const { return status_; }

private:
    // The fixed file replaces the old one whole; the old one stays as its
    // backup, as a save keeps it.
    bool WriteFixed(const std::string& overridePath, const std::string& before, const std::string& after) {
        const std::string backup = std::filesystem::path(overridePath).replace_extension(".bck").string();
        if (!platform::ReplaceFile(backup, before)) {
            errors_ << platform::DiagnosticLine(kTool, backup, kCannotWriteBackup);
            return false;
        }
        if (!platform::ReplaceFile(overridePath, after)) {
            errors_ << platform::DiagnosticLine(kTool, overridePath, kCannotWrite);
            return false;
        }
        return true;
    }

    const RunOptions& options_;
    std::ostream& out_;
    std::ostream& errors_;
    int status_ = kClean;
    std::size_t programs_ = 0;
    std::size_t fixesApplied_ = 0;
    std::size_t findingsLeft_ = 0;
};

}  // namespace

std::string OverridePathFor(const std::string& program, const RunOptions& options) {
    document::OverrideLocationInputs inputs;
    inputs.programPath = program;
    inputs.overridePath = options.overrideFile.value_or(std::string());
    inputs.overrideDirectories = options.overrideDirectories;
    document::OverrideLocationPrompts prompts;
    // Where the window asks which directory, the first that holds the file is taken.
    prompts.chooseDirectory = [&program](const std::vector<std::string>& directories) -> std::optional<std::string> {
        const std::string fileName = document::OverrideFileName(program);
        for (const std::string& directory : directories) {
            if (Exists(document::OverridePathIn(directory, fileName))) return directory;
        }
        return directories.front();
    };
    // Where it asks for the file, the program itself is chosen: its override
    // file is the one of the same name beside it.
    prompts.chooseFile = [&program]() -> std::optional<std::string> { return program; };
    return document::LocateOverrideFile(inputs, prompts).value_or(document::WithOverrideExtension(program));
}

int Run(const RunOptions& options, std::ostream& out, std::ostream& errors) {
    Checker checker(options, out, errors);
    if (options.tree.empty()) {
        checker.Program(options.program);
        return checker.Status();
    }
    if (!WalkPrograms(options.tree, [&checker](const std::string& program) { checker.Program(program); })) {
        errors << platform::DiagnosticLine(kTool, options.tree, kNoDirectory);
        checker.Raise(kTrouble);
    }
    // The count closes a fixing run; a diff or JSON stream keeps it apart.
    if (options.fix || options.diff) {
        (options.diff || options.format == OutputFormat::Json ? errors : out) << checker.Count();
    }
    return checker.Status();
}

}  // namespace scfcheck
