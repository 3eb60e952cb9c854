#include "tessellar/triggers/trigger_verification.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/message_format.h"
#include "tessellar/mapping/path_rule.h"
#include "tessellar/triggers/trigger_texts.h"

namespace triggers {

namespace {

constexpr std::size_t kProgramFieldLimit = 80;

VerifyOutcome TryOpen(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return VerifyOutcome::Refused;
    errno = 0;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        std::fclose(file);
        return VerifyOutcome::Verified;
    }
    if (errno == ENOENT || errno == ENOTDIR) return VerifyOutcome::Missing;
    if (errno == EACCES || errno == EPERM || errno == EBUSY) return VerifyOutcome::Refused;
    return VerifyOutcome::OtherError;
}

}  // namespace

VerifyOutcome VerifyTriggerProgram(std::string_view typedPath, mapping::PathMapper& mapper,
                                   platform::MessageSink& messages) {
    const std::string typed(typedPath.substr(0, kProgramFieldLimit));
    std::string path = typed;
    // The one client/server rule: a path that names a file here is local;
    // only one that does not is taken for the server's and mapped (asking
    // when no mapping covers it).
    mapping::ResolvePath(path, mapping::MappingDirection::ServerToClient, mapping::kUseTriggerProgram, mapper);

    const VerifyOutcome outcome = TryOpen(path);
    switch (outcome) {
        case VerifyOutcome::Verified: messages.ShowMessage(texts::kProgramVerified); break;
        case VerifyOutcome::Missing: messages.ShowMessage(platform::FormatText(texts::kProgramDoesNotExist, typed.c_str())); break;
        case VerifyOutcome::Refused: messages.ShowMessage(texts::kProgramRefused); break;
        case VerifyOutcome::OtherError: break;
    }
    return outcome;
}

}  // namespace triggers
