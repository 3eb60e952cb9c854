// The trigger test's rows, values and failure texts.

#include "tessellar/triggers/trigger_test.h"

#include <cstdio>

#include "tessellar/triggers/run_line.h"
#include "tessellar/triggers/trigger_texts.h"

namespace triggers {
namespace {

std::string Cut(std::string text) {
    if (text.size() > kTestTextLength) text.resize(kTestTextLength);
    return text;
}

// A text opening with a double quote or apostrophe loses it and is cut at
// the last of the same quote.
std::string UnquotedText(const std::string& text) {
    if (text.empty() || (text[0] != '"' && text[0] != '\'')) return text;
    std::string rest = text.substr(1);
    std::size_t close = rest.rfind(text[0]);
    if (close != std::string::npos) rest.resize(close);
    return rest;
}

}  // namespace

std::string TestValuesKey(std::string_view parameterKey) {
    return std::string(kTestValuesKey) + "\\" + std::string(parameterKey);
}

std::vector<TestRow> TestRows(const settings::RegistryAccess& registry, std::string_view parametersLine,
                              std::string_view parameterKey) {
    std::vector<TestRow> rows;
    std::string key = TestValuesKey(parameterKey);
    for (std::string& token : SplitParameters(parametersLine, kTestRowLimit)) {
        TestRow row;
        row.token = Cut(token);
        row.literal = IsLiteralParameter(row.token);
        auto saved = registry.ReadString(settings::RegistryRoot::CurrentUser, key, row.token);
        if (saved) row.value = Cut(*saved);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string ProgramTypeLetter(int programTypeIndex) {
    switch (programTypeIndex) {
        case 0: case 2: return "S";
        case 1: case 3: return "C";
        case 4: return "P";
        default: return {};
    }
}

std::string RowText(const TestRow& row) {
    const bool quotedToken = !row.token.empty() && (row.token[0] == '"' || row.token[0] == '\'');
    return UnquotedText(quotedToken ? row.token : row.value);
}

std::string LaunchValues(const std::vector<TestRow>& rows) {
    std::string text;
    for (std::size_t i = 0; i < rows.size() && i < kTestRowLimit; ++i) {
        if (i > 0) text += '|';
        text += RowText(rows[i]);
    }
    return text;
}

bool SaveTestValues(settings::RegistryAccess& registry, std::string_view parameterKey,
                    const std::vector<TestRow>& rows, std::string* errorText) {
    const auto root = settings::RegistryRoot::CurrentUser;
    std::string key = TestValuesKey(parameterKey);
    auto deleted = registry.DeleteKey(root, key);
    if (!deleted.ok) {
        if (errorText) *errorText = deleted.errorText;
        return false;
    }
    for (const TestRow& row : rows) {
        if (row.token.empty() || row.literal || row.value.empty()) continue;
        bool created = false;
        auto made = registry.CreateKey(root, key, &created);
        if (made.ok) made = registry.WriteString(root, key, row.token, row.value);
        if (!made.ok) {
            if (errorText) *errorText = made.errorText;
            return false;
        }
    }
    return true;
}

LaunchOutcome UnavailableRuntime::Launch(const LaunchRequest&) {
    LaunchOutcome outcome;
    outcome.failure = LaunchFailure::NotCreated;
    return outcome;
}

std::string LaunchFailureText(const LaunchOutcome& outcome) {
    switch (outcome.failure) {
        case LaunchFailure::None:
            return {};
        case LaunchFailure::NotCreated:
            return texts::kRuntimeUnavailable;
        case LaunchFailure::Automation: {
            std::string text = outcome.systemText;
            while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
            if (!text.empty()) return text;
            char buffer[64];
            std::uint32_t code = static_cast<std::uint32_t>(outcome.code);
            if (code > 0x80040200u && code <= 0x8004FFFFu)
                std::snprintf(buffer, sizeof buffer, texts::kDispatchError, static_cast<int>(code - 0x80040200u));
            else
                std::snprintf(buffer, sizeof buffer, texts::kUnknownError, static_cast<unsigned long>(code));
            return buffer;
        }
        case LaunchFailure::Exception:
            return texts::kExceptionError + outcome.exceptionText;
        case LaunchFailure::Miscellaneous:
            return texts::kMiscellaneousError;
    }
    return {};
}

}  // namespace triggers
