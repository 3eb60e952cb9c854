#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <functional>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/mapping/mapping_change.h"
#include "tessellar/mapping/path_mapper.h"
#include "tessellar/mapping/path_rule.h"
#include "tessellar/mapping/server_path.h"
#include "tessellar/settings/memory_registry.h"
#include "tessellar/settings/registry_keys.h"
#include "testsupport/scratch_directory.h"

namespace mapping {
namespace {

TEST(ServerPathTest, RecognisesTheServersForms) {
    const std::pair<const char*, bool> cases[] = {
        {"/usr/progs/a.op6", true},   {"$PROGS/a.op6", true},     {"\\progs\\a.op6", true},
        {"/", true},                  {"\\\\srv\\share\\a.op6", false}, {"C:\\progs\\a.op6", false},
        {"/usr/a:b.op6", false},      {"progs/a.op6", false},     {"", false},
    };
    for (const auto& [path, expected] : cases) EXPECT_EQ(IsServerPath(path), expected) << path;
}

// Records every time the user is asked, maps what the script says, and
// answers with a fixed choice.
struct ScriptedUser {
    std::optional<std::string> answer;
    std::function<void(DirectoryMappings&)> mapBeforeAnswering;
    std::vector<MappingRequest> requests;
    std::vector<std::string> listed;  // server directories shown the last time

    MappingPrompt Prompt() {
        return [this](const MappingRequest& request, DirectoryMappings& mappings) {
            requests.push_back(request);
            listed.clear();
            for (const DirectoryMapping* mapping : mappings.ByServerDirectory(request.use)) {
                listed.push_back(mapping->serverDirectory);
            }
            if (mapBeforeAnswering) mapBeforeAnswering(mappings);
            return answer;
        };
    }
};

class PathMapperTest : public ::testing::Test {
protected:
    void StoreMapping(const std::string& server, const std::string& client) {
        registry.WriteString(settings::RegistryRoot::LocalMachine, settings::keys::kMapping, server, client);
    }
    std::string ToClient(std::string path, unsigned use = kUseProgramPath) {
        mapper.MapToClient(path, use);
        return path;
    }
    std::string ToServer(std::string path) {
        mapper.MapToServer(path);
        return path;
    }

    settings::MemoryRegistry registry;
    ScriptedUser user;
    PathMapper mapper{registry, user.Prompt()};
};

TEST_F(PathMapperTest, SharesMapTheDeepestCoveredDirectory) {
    mapper.Shares().AddFromOption("srv progs=/usr/progs:top=/usr");
    EXPECT_EQ(ToClient("/usr/progs/a.op6"), "\\\\srv\\progs\\a.op6");
    EXPECT_EQ(ToClient("/usr/progs/sub/a.op6"), "\\\\srv\\progs\\sub/a.op6");
    EXPECT_EQ(ToClient("/usr/other/a.op6"), "\\\\srv\\top\\other/a.op6");
    EXPECT_TRUE(user.requests.empty());
}

TEST_F(PathMapperTest, ShareMatchingRules) {
    ShareMappings shares;
    shares.AddFromOption("srv progs=/usr/progs/:first=/data:second=/data:a=b=/x");
    std::string path = "/usr/progs/a.op6";
    EXPECT_TRUE(shares.MapToClient(path)) << "one trailing slash still matches";
    path = "/data/a.op6";
    EXPECT_TRUE(shares.MapToClient(path));
    EXPECT_EQ(path, "\\\\srv\\first\\a.op6") << "the first given of one directory decides";
    path = "/x/a.op6";
    EXPECT_TRUE(shares.MapToClient(path));
    EXPECT_EQ(path, "\\\\srv\\a=b\\a.op6") << "split at the last '='";

    path = "/usr/progs/";
    EXPECT_FALSE(shares.MapToClient(path)) << "nothing after the directory";
    EXPECT_EQ(path, "/usr/progs/");

    ShareMappings noHost;
    noHost.AddFromOption(" progs=/usr/progs");
    path = "/usr/progs/a.op6";
    EXPECT_FALSE(noHost.MapToClient(path));

    ShareMappings root;
    root.AddFromOption("srv all=/");
    path = "/a.op6";
    EXPECT_FALSE(root.MapToClient(path)) << "the bare root is never looked up";
}

TEST_F(PathMapperTest, RegistryMapsWithoutAsking) {
    StoreMapping("/usr/progs", "P:\\progs");
    StoreMapping("/usr/data", "Q:\\data\\");
    StoreMapping("/srv/posix", "/mnt/posix");
    EXPECT_EQ(ToClient("/usr/progs/a.op6"), "P:\\progs\\a.op6");
    EXPECT_EQ(ToClient("/usr/progs/sub/a.op6"), "P:\\progs\\sub/a.op6");
    EXPECT_EQ(ToClient("/usr/data/a.op6"), "Q:\\data\\a.op6");
    EXPECT_EQ(ToClient("/srv/posix/a.op6"), "/mnt/posix/a.op6") << "a POSIX client path joins with '/'";
    EXPECT_TRUE(user.requests.empty());
}

TEST_F(PathMapperTest, ClientAndSingleLevelPathsAreNeverMappedOrAsked) {
    StoreMapping("/", "P:\\");
    StoreMapping("C:\\progs", "P:\\");
    StoreMapping("\\\\srv\\share", "P:\\");
    EXPECT_EQ(ToClient("/a.op6"), "/a.op6");
    EXPECT_EQ(ToClient("C:\\progs\\a.op6"), "C:\\progs\\a.op6");
    EXPECT_EQ(ToClient("\\\\srv\\share\\a.op6"), "\\\\srv\\share\\a.op6");
    EXPECT_TRUE(user.requests.empty());
}

TEST_F(PathMapperTest, UnknownPathAsksWithEveryLevelListed) {
    ToClient("/usr/progs/sub/a.op6", kUseOverrideFile);
    ASSERT_EQ(user.requests.size(), 1u);
    EXPECT_EQ(user.requests[0].direction, MappingDirection::ServerToClient);
    EXPECT_EQ(user.requests[0].file, "/usr/progs/sub/a.op6");
    EXPECT_EQ(user.listed, (std::vector<std::string>{"/usr", "/usr/progs", "/usr/progs/sub"}));

    // A program path does not list the override file's directories.
    ToClient("/opt/a.op6", kUseProgramPath);
    EXPECT_EQ(user.listed, (std::vector<std::string>{"/opt"}));
    EXPECT_EQ(mapper.Directories().FindByServer("/usr")->usage, unsigned{kUseOverrideFile});
    ToClient("/usr/b.op6", kUseProgramPath);
    EXPECT_EQ(mapper.Directories().FindByServer("/usr")->usage, unsigned{kUseOverrideFile | kUseProgramPath});
}

TEST_F(PathMapperTest, ChosenDirectoryTranslatesFromItsOwnLevel) {
    user.mapBeforeAnswering = [](DirectoryMappings& mappings) {
        mappings.FindByServer("/usr/progs")->clientPath = "P:\\progs";
    };
    user.answer = "/usr/progs";
    EXPECT_EQ(ToClient("/usr/progs/sub/a.op6"), "P:\\progs/sub/a.op6");
    EXPECT_EQ(ToClient("/usr/progs/b.op6"), "P:\\progs\\b.op6") << "remembered for the rest of the run";
    user.mapBeforeAnswering = nullptr;

    user.answer = "/elsewhere";
    mapper.Directories().FindOrCreateByServer("/elsewhere", kUseProgramPath).clientPath = "E:\\";
    EXPECT_EQ(ToClient("/opt/x/a.op6"), "/opt/x/a.op6") << "a directory that is no level cannot translate";

    user.answer.reset();
    EXPECT_EQ(ToClient("/var/a.op6"), "/var/a.op6") << "cancel leaves the path";
}

TEST_F(PathMapperTest, OverlongOrEmptyRegistryDataIsNoMapping) {
    StoreMapping("/usr/progs", std::string(513, 'x'));
    StoreMapping("/usr", "");
    EXPECT_EQ(ToClient("/usr/progs/a.op6"), "/usr/progs/a.op6");
    EXPECT_EQ(user.requests.size(), 1u);
}

TEST_F(PathMapperTest, ReverseMappingThroughSharesAndRegistry) {
    mapper.Shares().AddFromOption("srv progs=/usr/progs");
    EXPECT_EQ(ToServer("\\\\SRV\\Progs\\sub\\a.op6"), "/usr/progs/sub/a.op6");

    StoreMapping("/usr/data", "D:\\data\\");
    EXPECT_EQ(ToServer("D:\\data\\x\\t.exe"), "/usr/data/x/t.exe");
    EXPECT_TRUE(user.requests.empty());

    StoreMapping("$TOOLS", "T:\\tools");
    EXPECT_EQ(ToServer("T:\\tools\\sub\\t.exe"), "$TOOLS/sub\\t.exe") << "only a '/' result takes '/' throughout";
}

TEST_F(PathMapperTest, ReverseAsksAndUsesTheChosenClientDirectory) {
    user.answer = "C:\\work\\bin";
    mapper.Directories().FindOrCreateByClient("C:\\work\\bin", kUseTriggerProgram).serverDirectory = "/opt/bin";
    // Known in this run only: found without asking.
    EXPECT_EQ(ToServer("C:\\work\\bin\\t.exe"), "/opt/bin/t.exe");
    EXPECT_TRUE(user.requests.empty());

    EXPECT_EQ(ToServer("E:\\x\\t.exe"), "E:\\x\\t.exe") << "the chosen directory is no level of this file";
    ASSERT_EQ(user.requests.size(), 1u);
    EXPECT_EQ(user.requests[0].direction, MappingDirection::ClientToServer);

    user.answer = "E:\\x";
    user.mapBeforeAnswering = [](DirectoryMappings& mappings) {
        mappings.FindByClient("E:\\x")->serverDirectory = "/srv/x";
    };
    EXPECT_EQ(ToServer("E:\\x\\sub\\t.exe"), "/srv/x/sub/t.exe");
}

// One rule for every route (start-up, opening, Verify, the trigger dialogs):
// each row names the fault it would catch.
TEST_F(PathMapperTest, OneRuleForEveryRoute) {
    testsupport::ScratchDirectory scratch;
    const std::string here = scratch.Path().string();
    const std::string local = here + "/a.op6";
    { std::ofstream(local) << "x"; }
    StoreMapping("/srv/progs", here);
    StoreMapping(here, "/mnt/elsewhere");  // a stored mapping must not pull a local file away
    constexpr auto toClient = MappingDirection::ServerToClient;
    constexpr auto toServer = MappingDirection::ClientToServer;
    struct Row {
        const char* why;
        std::string path;
        MappingDirection toward;
        std::optional<std::string> answer;  // what the user picks when asked
        PathResolution resolution;
        std::string result;
        std::size_t asked;
    };
    const Row rows[] = {
        {"an existing local file was once sent through the mapping", local, toClient, {}, PathResolution::Local, local, 0},
        {"a new file in an existing directory is local too", here + "/new.scf", toClient, {},
         PathResolution::Local, here + "/new.scf", 0},
        {"a client path is never mapped", "C:\\progs\\a.op6", toClient, {}, PathResolution::Local,
         "C:\\progs\\a.op6", 0},
        {"a stored mapping converts without asking", "/srv/progs/a.op6", toClient, {}, PathResolution::Mapped,
         local, 0},
        {"none covers it: asked once, Cancel keeps it", "/nowhere/x/a.op6", toClient, {}, PathResolution::Kept,
         "/nowhere/x/a.op6", 1},
        {"toward the server a stored mapping converts", local, toServer, {}, PathResolution::Mapped,
         "/srv/progs/a.op6", 0},
        {"toward the server none covers it: asked once, Cancel keeps it (it was once thrown away)",
         "/opt/tools/t.sh", toServer, {}, PathResolution::Kept, "/opt/tools/t.sh", 1},
    };
    for (const Row& row : rows) {
        user.requests.clear();
        user.answer = row.answer;
        std::string path = row.path;
        EXPECT_EQ(ResolvePath(path, row.toward, kUseTriggerProgram, mapper), row.resolution) << row.why;
        EXPECT_EQ(path, row.result) << row.why;
        EXPECT_EQ(user.requests.size(), row.asked) << row.why;
    }
}

TEST(MappingChangeTest, StoresTheMappingAndChecksTheFolder) {
    testsupport::ScratchDirectory scratch;
    settings::MemoryRegistry registry;
    platform::RecordingMessageSink messages;
    DirectoryMapping mapping{"/usr/progs", "", kUseProgramPath};

    EXPECT_FALSE(ChangeMapping(mapping, MappingDirection::ServerToClient, "  ", registry, messages));
    EXPECT_TRUE(mapping.clientPath.empty());

    EXPECT_TRUE(ChangeMapping(mapping, MappingDirection::ServerToClient, scratch.Path().string(), registry, messages));
    EXPECT_EQ(registry.ReadString(settings::RegistryRoot::LocalMachine, settings::keys::kMapping, "/usr/progs"), scratch.Path().string());
    EXPECT_TRUE(messages.Messages().empty());

    registry.FailWritesUnder(settings::RegistryRoot::LocalMachine, "Access is denied.");
    EXPECT_TRUE(ChangeMapping(mapping, MappingDirection::ServerToClient, "Z:\\none", registry, messages));
    EXPECT_EQ(mapping.clientPath, "Z:\\none");
    EXPECT_EQ(messages.Messages(), (std::vector<std::string>{
                                       "Access is denied.",
                                       "The path <Z:\\none> is not exist. Please check your mapping."}));

    DirectoryMapping reverse{"", scratch.Path().string(), kUseTriggerProgram};
    messages.Clear();
    EXPECT_TRUE(ChangeMapping(reverse, MappingDirection::ClientToServer, "/opt/bin", registry, messages));
    EXPECT_EQ(reverse.serverDirectory, "/opt/bin");
}

}  // namespace
}  // namespace mapping
