#include "tessellar/app/render_command.h"

#include <QDir>
#include <QImage>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <sstream>

#include "platform/command_options.h"
#include "tessellar/app/picture_limits.h"
#include "tessellar/app/picture_writer.h"
#include "platform/message_sink.h"
#include "platform/qt/cp1252_text.h"
#include "tessellar/canvas/render/canvas_placement.h"
#include "tessellar/canvas/render/cell_metrics.h"
#include "tessellar/canvas/render/screen_canvas.h"
#include "tessellar/canvas/render/screen_picture.h"
#include "tessellar/document/entry_opening.h"
#include "tessellar/overrides/section_bodies.h"
#include "tessellar/program/directory_page.h"
#include "tessellar/program/image/program_loader.h"

namespace app {

namespace {

bool IsPlainNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

}  // namespace

std::optional<RenderRequest> ParseRenderArguments(const std::vector<std::string>& arguments, std::string& problem) {
    RenderRequest request;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto value = [&](std::optional<std::string>& target) {
            if (i + 1 >= arguments.size()) {
                problem = platform::MissingValueProblem(argument);
                return false;
            }
            target = arguments[++i];
            return true;
        };
        if (argument == "-s") {
            if (!value(request.screen)) return std::nullopt;
        } else if (argument == "-o") {
            if (!value(request.output)) return std::nullopt;
        } else if (argument == "--all") {
            if (!value(request.allDirectory)) return std::nullopt;
        } else if (argument == "--scf") {
            if (!value(request.overrideFile)) return std::nullopt;
        } else if (argument == "--highlight") {
            request.highlight = true;
        } else if (!argument.empty() && argument[0] == '-') {
            problem = platform::UnknownOptionProblem(argument);
            return std::nullopt;
        } else if (!request.program.empty()) {
            problem = "more than one program given";
            return std::nullopt;
        } else {
            request.program = argument;
        }
    }
    if (request.program.empty()) problem = "no program given";
    else if (request.screen && request.allDirectory) problem = "-s and --all exclude each other";
    else if (!request.screen && !request.allDirectory) problem = "-s NAME or --all DIR is needed";
    else if (request.screen && !request.output) problem = "-s NAME needs -o OUT.png";
    else if (request.allDirectory && request.output) problem = "--all writes into its directory; -o is for -s";
    if (!problem.empty()) return std::nullopt;
    return request;
}

std::string PictureFileName(const std::string& entryName, std::vector<std::string>& used) {
    std::string base;
    for (const char c : entryName) base += IsPlainNameCharacter(c) ? c : '_';
    if (base.empty()) base = "_";
    std::string name = base;
    for (int count = 2; std::find(used.begin(), used.end(), name) != used.end(); ++count) {
        name = base + "-" + std::to_string(count);
    }
    used.push_back(name);
    return name + ".png";
}

PictureSetup SetUpPictures(const RenderSettings& settings) {
    PictureSetup setup;
    setup.cell = canvas::MeasureCellMetrics(model::ItemFont(settings.font));
    setup.options.scrollBarWidth = canvas::SystemScrollBarWidth();
    const model::ColourPair& button = settings.scheme[settings::SchemeEntry::Button];
    setup.options.buttonColours = model::ColourPair{button.foreground, button.background};
    setup.inputs.colours = document::SchemeColourTable(settings.scheme);
    setup.inputs.font = settings.font;
    return setup;
}

int RunRender(const RenderRequest& request, const RenderSettings& settings, std::ostream& out, std::ostream& errors) {
    platform::StreamMessageSink sink(errors, errors);
    const auto image = program::LoadProgram(request.program, sink);
    if (!image) return 1;

    // An override file that cannot be read applies nothing: the pictures
    // show the compiled screens, and the exit status says so.
    overrides::SectionBodies sections;
    bool overridesUnread = false;
    if (request.overrideFile && !overrides::ReadSectionBodies(*request.overrideFile, sections)) {
        errors << "tessellar: " << *request.overrideFile << ": cannot be read; the compiled screens are drawn\n";
        overridesUnread = true;
    }
    if (request.allDirectory && !QDir().mkpath(QString::fromStdString(*request.allDirectory))) {
        errors << "tessellar: " << *request.allDirectory << ": cannot be made\n";
        return 1;
    }

    PictureSetup setup = SetUpPictures(settings);
    setup.options.highlight = request.highlight;
    const canvas::CellMetrics cell = setup.cell;
    const canvas::PictureOptions& options = setup.options;
    const document::EntryInputs& inputs = setup.inputs;

    program::DirectoryPage page(program::BrowserPage::All);
    program::FillDirectoryPage(page, *image, "", sink);
    std::vector<std::string> usedNames;
    // Pictures are written beside the drawing; what happened to each entry
    // is told in entry order once all are written.
    struct Outcome {
        std::string problem;                // a picture that was not even drawn
        std::optional<std::size_t> picture;  // the writer's number of a drawn one
        std::string path;
    };
    std::vector<Outcome> outcomes;
    PictureWriter writer(request.screen ? 0 : PictureWriter::DefaultWorkers());
    for (std::size_t row = 0; row < page.Rows().size(); ++row) {
        const program::DirectoryRow& entry = page.Rows()[row];
        if (request.screen && entry.name != *request.screen) continue;
        model::CScreenModel& screen = *page.Models()[row];
        document::OpenEntry(screen, inputs, sections, sink);

        Outcome outcome;
        outcome.path = request.screen ? *request.output
                                      : *request.allDirectory + "/" + PictureFileName(entry.name, usedNames);
        if (std::optional<std::string> problem = PictureSizeProblem(screen, cell)) {
            outcome.problem = "tessellar: " + *problem + "\n";
        } else {
            outcome.picture = writer.Write(canvas::RenderScreenWindow(screen, cell, options), outcome.path);
        }
        outcomes.push_back(std::move(outcome));
        if (request.screen) break;
    }
    const std::vector<bool> pictures = writer.Finish();
    int written = 0;
    int failed = 0;
    for (const Outcome& outcome : outcomes) {
        if (!outcome.picture) {
            errors << outcome.problem;
            ++failed;
        } else if (!pictures[*outcome.picture]) {
            errors << "tessellar: " << outcome.path << ": cannot be written\n";
            ++failed;
        } else {
            ++written;
        }
    }
    if (request.screen && written + failed == 0) {
        errors << "tessellar: " << request.program << ": no screen, menu or procedure named '" << *request.screen
               << "'\n";
        return 1;
    }
    if (request.allDirectory) out << written << " pictures written to " << *request.allDirectory << '\n';
    return failed == 0 && !overridesUnread ? 0 : 1;
}

}  // namespace app
