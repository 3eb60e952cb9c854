// Checks arbitrary bytes as the override file of a small program (described
// in override_apply_program.opt), and the program itself damaged by the same
// bytes: the first three say where, the next sixteen are written there.
// Whatever the bytes, the check must end with findings or a refusal to load,
// never a crash, a hang or a read outside any buffer.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "platform/unified_diff.h"
#include "tessellar/checks/identifier_fixes.h"
#include "tessellar/checks/program_check.h"
#include "tessellar/program/image/program_loader.h"

namespace {

const std::vector<std::uint8_t>& ProgramBytes() {
    static const std::vector<std::uint8_t> bytes = [] {
        std::ifstream in(TESSELLAR_FUZZ_PROGRAM, std::ios::binary);
        std::vector<std::uint8_t> read((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (read.empty()) std::abort();
        return read;
    }();
    return bytes;
}

// Names items of every entry of the program, so a damaged program is
// checked against statements that reach into it.
constexpr const char* kOverrides =
    "menu MAIN\n{\noption\n{\norig_text = \"First\"\ncoordinate = 9,12\n}\nbox\n{\norig_coordinate = 4,8\n"
    "coordinate = 14,40\n}\nconfirm\n{\ntext = \"Quit?\"\n}\n}\n"
    "screen CARD\n{\naccept\n{\ntag = 1\npicture = x(10)\ncoordinate = 4,30\nsuppress = true\n}\ndisplay\n{\n"
    "orig_text = \"Code:\"\ncoordinate = 4,26\n}\nmessage\n{\norig_text = \"Saved CODE\"\ntext = \"Kept\"\n}\n"
    "window\n{\nwindow_size = 40,10\n}\n}\n"
    "screen GRID\n{\naccept\n{\nname = QTY\npicture = x(90)\n}\naccept\n{\ntag = 20\nsuppress = true\n}\n}\n";

std::size_t Unreached(const std::vector<checks::Finding>& findings) {
    return static_cast<std::size_t>(std::count_if(findings.begin(), findings.end(), [](const checks::Finding& f) {
        return f.kind == checks::FindingKind::UnresolvedItem || f.kind == checks::FindingKind::UnknownMessage ||
               f.kind == checks::FindingKind::UnknownSection;
    }));
}

// Fixing keeps every line it does not fix byte for byte, and the fixed file
// never names fewer items than the file did.
void CheckFixes(const program::ProgramImage& image, const std::string& text) {
    const std::vector<checks::Finding> findings = checks::CheckProgram(image, "fuzz.scf", text);
    if (checks::FixCount(findings, true) == 0) return;
    const std::string fixed = checks::ApplyFixes(text, findings, true);
    const std::vector<std::string_view> before = platform::SplitLines(text);
    const std::vector<std::string_view> after = platform::SplitLines(fixed);
    if (before.size() != after.size()) std::abort();
    for (std::size_t line = 0; line < before.size(); ++line) {
        const bool fixedLine = std::any_of(findings.begin(), findings.end(), [line](const checks::Finding& f) {
            return f.fix && f.fix->line == line + 1;
        });
        if (!fixedLine && before[line] != after[line]) std::abort();
    }
    if (Unreached(checks::CheckProgram(image, "fuzz.scf", fixed)) > Unreached(findings)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    platform::RecordingMessageSink sink;

    static const std::optional<program::ProgramImage> intact =
        program::LoadProgramFromBytes(ProgramBytes(), "fuzz.op6", sink);
    if (!intact) std::abort();
    CheckFixes(*intact, input);

    if (size < 4) return 0;
    std::vector<std::uint8_t> damaged = ProgramBytes();
    const std::size_t at = ((std::size_t{data[0]} << 16) | (std::size_t{data[1]} << 8) | data[2]) % damaged.size();
    const std::size_t length = std::min<std::size_t>({size - 3, 16, damaged.size() - at});
    std::copy(data + 3, data + 3 + length, damaged.begin() + static_cast<std::ptrdiff_t>(at));
    if (const auto image = program::LoadProgramFromBytes(std::move(damaged), "fuzz.op6", sink)) {
        checks::CheckProgram(*image, "fuzz.scf", kOverrides);
        checks::CheckProgram(*image, "fuzz.scf", input);
    }
    return 0;
}
