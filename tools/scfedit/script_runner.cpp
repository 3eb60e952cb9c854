#include "tools/scfedit/script_runner.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>
#include <iterator>
#include <istream>
#include <ostream>
#include <system_error>

#include "tessellar/commands/command_batch.h"
#include "tessellar/commands/command_catalogue.h"
#include "tessellar/program/directory_page.h"

namespace scfedit {

namespace {

// Message boxes become lines on standard output, as the window would show
// them; error output goes to standard error.
class ScriptSink : public platform::MessageSink {
public:
    ScriptSink(std::ostream& out, std::ostream& errors) : out_(out), errors_(errors) {}
    void ShowMessage(std::string_view text) override { out_ << text << '\n'; }
    void WriteOutput(std::string_view text) override { errors_ << text; }

private:
    std::ostream& out_;
    std::ostream& errors_;
};

// The most an edited section may hold: far beyond any screen's statements,
// and short of what a device or a mistaken file would fill the memory with.
constexpr std::uintmax_t kMaxEditedBytes = 16u << 20;

// The text of the file an `edit` line names; the reason when it is no
// regular file, too large or cannot be read.
std::optional<std::string> ReadEditedText(const std::string& path, std::string& text) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error) return error.message();
    if (status.type() == std::filesystem::file_type::directory) return "it is a folder";
    if (status.type() != std::filesystem::file_type::regular) return "it is not a regular file";
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return error.message();
    if (size > kMaxEditedBytes) return "it is larger than " + std::to_string(kMaxEditedBytes) + " bytes";
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return errno != 0 ? std::generic_category().message(errno) : std::string("it cannot be opened");
    text.assign(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(size));
    if (in.bad()) return std::generic_category().message(errno != 0 ? errno : EIO);
    // A file that shrank while it was read gives what it held.
    text.resize(static_cast<std::size_t>(in.gcount()));
    return std::nullopt;
}

class Runner {
public:
    Runner(document::Document& document, const RunOptions& options, std::ostream& out, std::ostream& errors)
        : document_(document), options_(options), out_(out), errors_(errors), sink_(out, errors) {}

    ~Runner() {
        // The models go before the document forgets their histories.
        for (const auto& model : page_.Models()) document_.ForgetEntry(*model);
    }

    int Run(const std::vector<ScriptStep>& steps) {
        program::FillDirectoryPage(page_, *document_.Image(), "", sink_);
        for (const ScriptStep& step : steps) {
            const int status = Carry(step);
            if (status != kDone) return status;
        }
        return kDone;
    }

private:
    int Fail(const ScriptStep& step, const std::string& problem) {
        errors_ << options_.scriptName << ':' << step.line << ": " << problem << '\n';
        return kScriptError;
    }

    int Carry(const ScriptStep& step) {
        if (step.verb == Verb::Select) return Select(step);
        if (step.verb == Verb::SaveAs || step.verb == Verb::Save) {
            const bool saved = step.verb == Verb::Save && !document_.OverridePath().empty()
                                   ? document_.Save(sink_)
                                   : document_.SaveAs(step.verb == Verb::Save ? DefaultPath() : step.path, sink_);
            return saved ? kDone : kSaveFailed;
        }
        if (current_ == nullptr) return Fail(step, "no entry is selected yet");
        switch (step.verb) {
            case Verb::Run: return RunCommand(step);
            case Verb::Batch:
                inBatch_ = true;
                batch_ = commands::CommandBatch();
                return kDone;
            case Verb::End:
                inBatch_ = false;
                if (!batch_.Empty()) document_.Run(*current_, batch_, sink_);
                batch_ = commands::CommandBatch();
                return kDone;
            case Verb::Undo:
                document_.ChooseUndoCount(*current_, step.count);
                document_.Undo(*current_, sink_);
                return kDone;
            case Verb::Redo:
                document_.ChooseRedoCount(*current_, step.count);
                document_.Redo(*current_, sink_);
                return kDone;
            case Verb::UndoLabels: return Labels(document_.UndoLabels(*current_));
            case Verb::RedoLabels: return Labels(document_.RedoLabels(*current_));
            case Verb::WorkFile: return WorkFile();
            case Verb::Edit: return Edit(step);
            default: return kDone;
        }
    }

    std::string DefaultPath() const { return document_.ProgramPath(); }

    int Select(const ScriptStep& step) {
        const auto& rows = page_.Rows();
        for (std::size_t row = 0; row < rows.size(); ++row) {
            model::CScreenModel& model = *page_.Models()[row];
            if (rows[row].name != step.entryName) continue;
            if (step.entryKind != kAnyKind && static_cast<int>(model.Kind()) != step.entryKind) continue;
            if (inBatch_) return Fail(step, "a batch ends with 'end' before another entry is selected");
            if (options_.modeOrderGiven && !modeOrderUsed_) {
                document::EntryInputs inputs = document_.Inputs();
                inputs.decode.modeOrder = program::ApplicationModeOrder{model.Name(), options_.modeOrder};
                document_.SetInputs(inputs);
                modeOrderUsed_ = true;
            }
            if (model.NeedsDecoding()) document_.OpenEntry(model, sink_);
            document_.SetCurrentEntry(model);
            current_ = &model;
            return kDone;
        }
        return Fail(step, "the program has no entry named '" + step.entryName + "'");
    }

    int RunCommand(const ScriptStep& step) {
        commands::MadeCommand made = commands::MakeCommand(*current_, step.commandName, step.key, step.values);
        if (!made.command) return Fail(step, made.error);
        if (inBatch_) {
            batch_.Add(std::move(made.command));
            return kDone;
        }
        document_.Run(*current_, *made.command, sink_);
        return kDone;
    }

    int Labels(const std::vector<std::string>& labels) {
        for (const std::string& label : labels) out_ << Escaped(label) << '\n';
        return kDone;
    }

    int WorkFile() {
        if (current_->OverridePath().empty()) return kDone;
        std::ifstream in(current_->OverridePath(), std::ios::binary);
        // Not `out_ << in.rdbuf()`: an empty file would set the output's
        // failbit and silence everything printed after it.
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        out_ << text;
        out_.flush();
        return kDone;
    }

    int Edit(const ScriptStep& step) {
        std::string text;
        if (const std::optional<std::string> problem = ReadEditedText(step.path, text)) {
            return Fail(step, "'" + step.path + "' cannot be read (" + *problem + ")");
        }
        // The editor: the script's file is what the user typed.
        document_.EditScreenFile(
            *current_,
            [&](const std::string& copy) {
                std::ofstream edited(copy, std::ios::binary | std::ios::trunc);
                edited << text;
            },
            sink_);
        return kDone;
    }

    document::Document& document_;
    const RunOptions& options_;
    std::ostream& out_;
    std::ostream& errors_;
    ScriptSink sink_;
    program::DirectoryPage page_{program::BrowserPage::All};
    model::CScreenModel* current_ = nullptr;
    commands::CommandBatch batch_;
    bool inBatch_ = false;
    bool modeOrderUsed_ = false;
};

enum class LineRead { Line, TooLong, End };

// One line without its line end, never holding more than the longest line a
// script may have: an endless line (/dev/zero) is refused as it is read,
// not after it has filled the memory.
LineRead ReadBoundedLine(std::istream& in, std::string& line) {
    line.assign(kMaxScriptLineLength + 2, '\0');
    errno = 0;
    in.getline(line.data(), static_cast<std::streamsize>(line.size()));
    // Counted, not measured: a NUL inside the line does not end it.
    const auto taken = static_cast<std::size_t>(in.gcount());
    if (in.bad()) return LineRead::End;
    if (in.fail() && !in.eof() && taken == kMaxScriptLineLength + 1) return LineRead::TooLong;
    if (in.fail()) return LineRead::End;
    const std::size_t length = taken - (in.eof() ? 0 : 1);
    line.resize(length);
    return LineRead::Line;
}

std::string ReadFailureReason() {
    return errno != 0 ? std::generic_category().message(errno) : std::string("read error");
}

}  // namespace

bool ReadScript(std::istream& in, const std::string& scriptName, std::vector<ScriptStep>& steps,
                std::ostream& errors) {
    std::string line;
    int number = 0;
    bool selected = false;
    bool inBatch = false;
    for (;;) {
        const LineRead got = ReadBoundedLine(in, line);
        if (got == LineRead::End) break;
        ++number;
        if (got == LineRead::TooLong) {
            errors << scriptName << ':' << number << ": " << kLineTooLong << '\n';
            return false;
        }
        const ReadLine read = ReadScriptLine(line, number);
        std::string problem = read.error;
        if (read.step) {
            const Verb verb = read.step->verb;
            if (verb == Verb::Select) selected = true;
            const bool needsEntry = verb != Verb::Select && verb != Verb::Save && verb != Verb::SaveAs;
            if (needsEntry && !selected) problem = "no entry is selected yet";
            if (verb == Verb::Batch && inBatch) problem = "a batch is already open";
            if (verb == Verb::End && !inBatch) problem = "'end' without 'batch'";
            if (inBatch && verb != Verb::Run && verb != Verb::End) problem = "only 'run' lines go inside a batch";
            if (verb == Verb::Batch) inBatch = true;
            if (verb == Verb::End) inBatch = false;
        }
        if (!problem.empty()) {
            errors << scriptName << ':' << number << ": " << problem << '\n';
            return false;
        }
        if (read.step) steps.push_back(*read.step);
    }
    // A directory, a failing disk: what was read so far is not the script.
    if (in.bad()) {
        errors << scriptName << ": cannot be read (" << ReadFailureReason() << ")\n";
        return false;
    }
    if (inBatch) {
        errors << scriptName << ':' << number << ": the batch does not end\n";
        return false;
    }
    return true;
}

int RunScript(document::Document& document, const std::vector<ScriptStep>& steps, const RunOptions& options,
              std::ostream& out, std::ostream& errors) {
    Runner runner(document, options, out, errors);
    return runner.Run(steps);
}

}  // namespace scfedit
