#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/message_sink.h"
#include "tessellar/model/colour_names.h"
#include "tessellar/settings/memory_registry.h"
#include "tessellar/settings/registry_keys.h"
#include "tessellar/settings/settings_loader.h"

namespace settings {
namespace {

using namespace model::colour;
using model::ColourPair;
using model::ParseColourPair;
using model::ColourValueToIndex;
using model::kColourNames;
constexpr model::Colour kRed = model::Rgb(255, 0, 0);

struct PairCase {
    const char* why;
    const char* text;
    std::optional<ColourPair> expected;
};

TEST(ColourPairTest, ParsesWordsNumbersAndFallbacks) {
    const PairCase cases[] = {
        {"no slash: background falls back to silver", "white", ColourPair{kWhite, kSilver}},
        {"number cleared to the palette grid", "12345/navy", ColourPair{12344, kNavy}},
        {"first word only, any case, blanks around", "  WHITE here / Navy blue", ColourPair{kWhite, kNavy}},
        {"unknown background becomes silver", "white/pink", ColourPair{kWhite, kSilver}},
        {"numeric background", "black/16777215", ColourPair{kBlack, 0xF8F8F8}},
        {"a number reads up to its first other character", "12abc/navy", ColourPair{8, kNavy}},
        {"unknown foreground fails", "pink/navy", std::nullopt},
        {"empty text fails", "", std::nullopt},
        {"sign is no digit", "-5/navy", std::nullopt},
        {"number beyond 32 bits counts as negative", "99999999999/navy", std::nullopt},
        {"only the first slash splits", "white/navy/red", ColourPair{kWhite, kSilver}},
    };
    for (const PairCase& test : cases) {
        SCOPED_TRACE(test.why);
        const auto pair = ParseColourPair(test.text);
        ASSERT_EQ(pair.has_value(), test.expected.has_value());
        if (!pair) continue;
        EXPECT_EQ(pair->foreground, test.expected->foreground);
        EXPECT_EQ(pair->background, test.expected->background);
    }
}

TEST(ColourTest, ValueToIndexFindsEachNameAndRejectsOthers) {
    for (std::size_t index = 0; index < kColourNames.size(); ++index) {
        EXPECT_EQ(ColourValueToIndex(kColourNames[index].value), static_cast<int>(index)) << kColourNames[index].name;
    }
    EXPECT_EQ(model::ColourValueToIndex(model::Rgb(255, 0, 255)), 3);  // "fushia"
    EXPECT_EQ(ColourValueToIndex(12344), -1);
}

class SettingsTest : public ::testing::Test {
protected:
    void SetColour(const char* name, const std::string& text) {
        registry.WriteString(RegistryRoot::CurrentUser, keys::kColor, name, text);
    }
    void SetFont(const std::string& text) {
        registry.WriteString(RegistryRoot::CurrentUser, keys::kSettings, keys::kFontNorm, text);
    }
    MemoryRegistry registry;
};

TEST_F(SettingsTest, DefaultSchemeGivesTheScreenModelsColourTable) {
    const ColourScheme scheme = LoadColourScheme(registry);
    EXPECT_FALSE(scheme.loaded);
    const std::array<model::Colour, model::ColourTable::kEntries> expected{
        kWhite, kNavy,  kWhite, kGreen, kBlack, kNavy,  kSilver, kBlack, kWhite,  kBlack, kWhite,
        kNavy,  kSilver, kWhite, kNavy, kBlack, kWhite, kBlack,  kSilver, kWhite, kNavy};
    const model::ColourTable table = scheme.ToColourTable();
    for (int entry = 1; entry <= model::ColourTable::kEntries; ++entry) {
        EXPECT_EQ(table.Entry(entry), expected[static_cast<std::size_t>(entry - 1)]) << "entry " << entry;
    }
}

TEST_F(SettingsTest, SchemeTakesRecognisedEntries) {
    SetColour("normal", "white");
    SetColour("dim", "red/blue");
    SetColour("reverse", "pink/navy");
    SetColour("datareview", "12345/navy");
    const ColourScheme scheme = LoadColourScheme(registry);

    EXPECT_TRUE(scheme.loaded);
    EXPECT_EQ(scheme[SchemeEntry::Normal].foreground, kWhite);
    EXPECT_EQ(scheme[SchemeEntry::Normal].background, kSilver);
    EXPECT_EQ(scheme[SchemeEntry::Reverse].foreground, kWhite);  // rejected: keeps white on navy
    EXPECT_EQ(scheme[SchemeEntry::Reverse].background, kNavy);
    EXPECT_EQ(scheme[SchemeEntry::DataReview].foreground, 12344u);

    const model::ColourTable table = scheme.ToColourTable();
    EXPECT_EQ(table.Entry(5), kRed);     // dim takes the foreground only
    EXPECT_EQ(table.Entry(6), kWhite);   // and normal follows it directly
    EXPECT_EQ(table.Entry(7), kSilver);
}

TEST_F(SettingsTest, OnlyEntryNamesMarkTheSchemeLoaded) {
    SetColour("Normal", "white/red");
    SetColour("unknown", "white/red");
    EXPECT_FALSE(LoadColourScheme(registry).loaded);

    SetColour("button", "pink");
    EXPECT_TRUE(LoadColourScheme(registry).loaded);
}

TEST_F(SettingsTest, UnreadableValuesAreSkippedWithoutHidingLaterOnes) {
    SetColour("normal", "white/" + std::string(80, 'x'));  // 86 characters
    registry.WriteNonString(RegistryRoot::CurrentUser, keys::kColor, "reverse");
    SetColour("blink", "red/black");
    const ColourScheme scheme = LoadColourScheme(registry);
    EXPECT_EQ(scheme[SchemeEntry::Normal].foreground, kNavy);
    EXPECT_EQ(scheme[SchemeEntry::Reverse].foreground, kWhite);
    EXPECT_EQ(scheme[SchemeEntry::Blink].foreground, kRed);
}

TEST_F(SettingsTest, FontNormGivesTheScreenFont) {
    SetFont("Courier New,16,700,0,49,0");
    const std::optional<model::FontDescription> font = LoadScreenFont(registry);
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->faceName, "Courier New");
    EXPECT_EQ(font->height, 16);
    EXPECT_EQ(font->weight, 700);
    EXPECT_EQ(font->charSet, 0);
    EXPECT_EQ(font->pitchAndFamily, 49);
    EXPECT_EQ(font->width, 0);
}

TEST_F(SettingsTest, DamagedFontNormKeepsDefaults) {
    const model::FontDescription defaults;
    EXPECT_FALSE(LoadScreenFont(registry).has_value());

    SetFont("");
    EXPECT_FALSE(LoadScreenFont(registry).has_value());

    SetFont("Courier New," + std::string(80, '9'));
    EXPECT_FALSE(LoadScreenFont(registry).has_value()) << "overlong data is unreadable";

    SetFont(" ,abc,700,,2x,99999999999");
    std::optional<model::FontDescription> font = LoadScreenFont(registry);
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->faceName, defaults.faceName);
    EXPECT_EQ(font->height, defaults.height);
    EXPECT_EQ(font->weight, 700);
    EXPECT_EQ(font->charSet, defaults.charSet);
    EXPECT_EQ(font->pitchAndFamily, defaults.pitchAndFamily);
    EXPECT_EQ(font->width, defaults.width);

    SetFont("Lucida Console,12\r\n,700");
    font = LoadScreenFont(registry);
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->height, 12);
    EXPECT_EQ(font->weight, defaults.weight) << "a line break ends the fields";
}

TEST_F(SettingsTest, LaunchMessageIsOffOnlyForNo) {
    EXPECT_TRUE(ReadLaunchMessage(registry));
    for (const char* off : {"No", "NO", "no"}) {
        registry.WriteString(RegistryRoot::CurrentUser, keys::kApplication, keys::kLaunchMessage, off);
        EXPECT_FALSE(ReadLaunchMessage(registry)) << off;
    }
    for (const char* on : {"N", "YES", "", "no "}) {
        registry.WriteString(RegistryRoot::CurrentUser, keys::kApplication, keys::kLaunchMessage, on);
        EXPECT_TRUE(ReadLaunchMessage(registry)) << on;
    }
}

// The panel switch is off by default and for anything but "yes"; it is a
// value of its own beside the launch warning, stored the same way.
TEST_F(SettingsTest, ProblemsInPanelIsOnOnlyForYesAndStoredBesideTheLaunchWarning) {
    EXPECT_FALSE(ReadProblemsInPanel(registry));
    for (const char* on : {"YES", "yes", "Yes"}) {
        registry.WriteString(RegistryRoot::CurrentUser, keys::kApplication, keys::kProblemsInPanel, on);
        EXPECT_TRUE(ReadProblemsInPanel(registry)) << on;
    }
    for (const char* off : {"NO", "Y", "", "yes "}) {
        registry.WriteString(RegistryRoot::CurrentUser, keys::kApplication, keys::kProblemsInPanel, off);
        EXPECT_FALSE(ReadProblemsInPanel(registry)) << off;
    }
    platform::RecordingMessageSink messages;
    EXPECT_TRUE(WriteProblemsInPanel(registry, true, messages));
    EXPECT_TRUE(ReadProblemsInPanel(registry));
    EXPECT_TRUE(ReadLaunchMessage(registry)) << "the launch warning keeps its own value";
    registry.FailWritesUnder(RegistryRoot::CurrentUser, "Access is denied.");
    EXPECT_FALSE(WriteProblemsInPanel(registry, false, messages));
    EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Access is denied."});
}

TEST_F(SettingsTest, LaunchMessageIsStoredOrItsFailureShown) {
    platform::RecordingMessageSink messages;
    EXPECT_TRUE(WriteLaunchMessage(registry, false, messages));
    EXPECT_EQ(registry.ReadString(RegistryRoot::CurrentUser, keys::kApplication, keys::kLaunchMessage), "NO");
    EXPECT_TRUE(WriteLaunchMessage(registry, true, messages));
    EXPECT_EQ(registry.ReadString(RegistryRoot::CurrentUser, keys::kApplication, keys::kLaunchMessage), "YES");
    EXPECT_TRUE(messages.Messages().empty());

    registry.FailWritesUnder(RegistryRoot::CurrentUser, "Access is denied.");
    EXPECT_FALSE(WriteLaunchMessage(registry, false, messages));
    EXPECT_EQ(messages.Messages(), std::vector<std::string>{"Access is denied."});
}

}  // namespace
}  // namespace settings
