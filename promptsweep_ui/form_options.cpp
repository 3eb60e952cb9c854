#include "promptsweep_ui/form_options.h"

#include "platform/file_replace.h"
#include "platform/line_trim.h"
#include "promptsweep_ui/text_file.h"

namespace sweepui {

std::string Trimmed(std::string_view text) { return std::string(platform::TrimBlanks(text)); }

FormOptions ReadSettingsFile(const std::string& path) {
    FormOptions options;
    const std::vector<std::string> lines = ReadLines(path);
    auto line = [&](std::size_t number) { return number <= lines.size() ? lines[number - 1] : std::string(); };
    options.startDirectory = line(1);
    options.outputDirectory = line(2);
    const std::string index = Trimmed(line(3));
    if (index == "0" || index == "1" || index == "2") options.location = static_cast<OutputLocation>(index[0] - '0');
    options.excludeSubDirectories = Trimmed(line(4)) == "1";
    options.overridePrevious = Trimmed(line(5)) == "1";
    options.reportOnly = Trimmed(line(6)) == "1";
    return options;
}

bool WriteSettingsFile(const std::string& path, const FormOptions& options) {
    auto flag = [](bool on) { return on ? "1\n" : "0\n"; };
    const std::string text = options.startDirectory + "\n" + options.outputDirectory + "\n" +
                             std::to_string(static_cast<int>(options.location)) + "\n" +
                             flag(options.excludeSubDirectories) + flag(options.overridePrevious) +
                             flag(options.reportOnly);
    return platform::ReplaceFile(path, text);
}

}  // namespace sweepui
