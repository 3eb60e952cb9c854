#include <gtest/gtest.h>

#include "platform/message_sink.h"
#include "tessellar/program/directory_damage.h"
#include "tessellar/program/directory_page.h"
#include "tools/opimage/image.h"

namespace program {
namespace {

using opimage::EntryKind;

opimage::Entry ScreenEntry(std::string name, std::uint16_t reviewWord = 0) {
    return {.kind = EntryKind::Screen, .name = std::move(name), .reviewWord = reviewWord};
}
opimage::Entry MenuEntry(std::string name) { return {.kind = EntryKind::Menu, .name = std::move(name)}; }
opimage::Entry ProcedureEntry(std::string name, EntryKind kind = EntryKind::Procedure) {
    opimage::Entry entry{.kind = kind, .name = std::move(name)};
    entry.body.push_back(opimage::Message({opimage::Text("Working")}));
    return entry;
}

struct Listing {
    ProgramImage image;
    opimage::Layout layout;
};

Listing Build(const opimage::Program& program) {
    opimage::Image written = opimage::Write(program);
    return {ProgramImage(std::move(written.bytes)), std::move(written.layout)};
}

std::vector<std::string> Names(const DirectoryPage& page) {
    std::vector<std::string> names;
    for (const auto& row : page.Rows()) names.push_back(row.sequenceText + " " + row.typeText + " " + row.name);
    return names;
}

class DirectoryPageTest : public ::testing::Test {
protected:
    DirectoryPage Fill(const ProgramImage& image, BrowserPage number, std::string_view current = "") {
        DirectoryPage page(number);
        FillDirectoryPage(page, image, current, sink);
        return page;
    }
    platform::RecordingMessageSink sink;
};

TEST_F(DirectoryPageTest, EachPageListsItsClassesWithSequenceTypeAndName) {
    opimage::Program program;
    program.entries = {ScreenEntry("CUSTOMER"),
                       ScreenEntry("ORDERS", opimage::kReviewScreen),
                       ScreenEntry("LINES", opimage::kDataGrid | opimage::kReviewScreen),
                       MenuEntry("MAIN"),
                       ProcedureEntry("POSTING"),
                       ProcedureEntry("PURGE", EntryKind::OtherProcedure),
                       {.kind = EntryKind::Procedure, .name = "EMPTY"},
                       ScreenEntry("STOCK", opimage::kDataGrid)};
    const Listing listing = Build(program);

    EXPECT_EQ(Names(Fill(listing.image, BrowserPage::Screens)),
              (std::vector<std::string>{"0 Screen CUSTOMER", "1 Screen(Review) ORDERS"}));
    // Sequence numbers count within the page, not the chain.
    EXPECT_EQ(Names(Fill(listing.image, BrowserPage::DataGrids)),
              (std::vector<std::string>{"0 Data Grid LINES", "1 Data Grid STOCK"}));
    EXPECT_EQ(Names(Fill(listing.image, BrowserPage::Procedures)),
              (std::vector<std::string>{"0 Procedure POSTING", "1 Procedure PURGE"}));
    EXPECT_EQ(Names(Fill(listing.image, BrowserPage::Menus)), std::vector<std::string>{"0 Menu MAIN"});
    EXPECT_EQ(Names(Fill(listing.image, BrowserPage::All)),
              (std::vector<std::string>{"0 Screen CUSTOMER", "1 Screen(Review) ORDERS", "2 Data Grid LINES",
                                        "3 Menu MAIN", "4 Procedure POSTING", "5 Procedure PURGE",
                                        "6 Data Grid STOCK"}));
}

TEST_F(DirectoryPageTest, AProcedureIsListedWhenAnyOfItsSourcesOrListsIsSet) {
    opimage::Program program;
    opimage::Entry withGroup{.kind = EntryKind::Procedure, .name = "GROUP"};
    withGroup.variableGroup = opimage::VariableGroup{.name = "G"};
    opimage::Entry withFile{.kind = EntryKind::Procedure, .name = "FILE"};
    withFile.fileDefinition = opimage::FileDefinition{};
    opimage::Entry withDetail{.kind = EntryKind::Procedure, .name = "DETAIL"};
    withDetail.detail.push_back(opimage::Message({opimage::Text("x")}));
    opimage::Entry onlyThird{.kind = EntryKind::Procedure, .name = "THIRD"};
    onlyThird.third.push_back(opimage::Message({opimage::Text("x")}));
    program.entries = {withGroup, withFile, withDetail, onlyThird};

    EXPECT_EQ(Names(Fill(Build(program).image, BrowserPage::Procedures)),
              (std::vector<std::string>{"0 Procedure GROUP", "1 Procedure FILE", "2 Procedure DETAIL"}));
}

TEST_F(DirectoryPageTest, AProgramWithoutEntriesListsNothingAnywhere) {
    opimage::Program program;
    const Listing listing = Build(program);
    for (BrowserPage number : kBrowserPages) {
        EXPECT_TRUE(Fill(listing.image, number).Rows().empty());
    }
    EXPECT_STREQ(EmptyPageMessage(BrowserPage::Screens), "Sorry, there is no screen in this program.");
    EXPECT_STREQ(EmptyPageMessage(BrowserPage::DataGrids), "Sorry, there is no datagrid in this program.");
    EXPECT_STREQ(EmptyPageMessage(BrowserPage::All), "");
    EXPECT_TRUE(sink.Messages().empty());
}

TEST_F(DirectoryPageTest, ModelsCarryTheEntryAndAreCreatedUndecoded) {
    opimage::Program program;
    program.modes.push_back({.name = "ADD", .label = opimage::Text("Add")});
    program.entries = {MenuEntry("MAIN"), ProcedureEntry("POST"), ScreenEntry(std::string(90, 'N'))};
    const Listing listing = Build(program);
    const DirectoryPage page = Fill(listing.image, BrowserPage::All);
    ASSERT_EQ(page.Models().size(), 3u);

    const std::uint32_t programModes = ReadU24(listing.image, 21);
    EXPECT_NE(programModes, 0u);
    const model::ModelKind kinds[] = {model::ModelKind::Menu, model::ModelKind::Procedure, model::ModelKind::Screen};
    for (std::size_t i = 0; i < 3; ++i) {
        const model::CScreenModel& model = *page.Models()[i];
        EXPECT_EQ(model.Identifier(), static_cast<int>(i) + 1);
        EXPECT_EQ(model.Entry(), listing.layout.entries[i].offset);
        EXPECT_EQ(model.Image(), &listing.image);
        EXPECT_EQ(model.ProgramModes(), programModes);
        EXPECT_EQ(model.Kind(), kinds[i]);
        EXPECT_EQ(model.Name(), page.Rows()[i].name);
    }
    EXPECT_EQ(page.Rows()[2].name, std::string(79, 'N'));  // names are cut to 79 characters
    // The initial selection decoded nothing, since no decoder was given,
    // and its model says it still needs decoding.
    for (const auto& model : page.Models()) EXPECT_TRUE(model->NeedsDecoding());
}

TEST_F(DirectoryPageTest, TheLastRowBearingTheCurrentNameIsSelectedFirst) {
    opimage::Program program;
    for (const char* name : {"A", "B", "C", "D", "B", "E", "F", "B", "G"}) program.entries.push_back(ScreenEntry(name));
    const Listing listing = Build(program);

    DirectoryPage page = Fill(listing.image, BrowserPage::Screens, "B");
    EXPECT_EQ(page.SelectedRow(), 7u);
    EXPECT_EQ(page.FirstVisibleRow(), 4u);

    page = Fill(listing.image, BrowserPage::Screens, "b");  // names compare case-sensitively
    EXPECT_EQ(page.SelectedRow(), 0u);
    EXPECT_EQ(page.FirstVisibleRow(), 0u);
}

TEST_F(DirectoryPageTest, IdentifiersStayUniqueBeyondFiveHundredElevenRows) {
    opimage::Program program;
    for (int i = 0; i < 1100; ++i) program.entries.push_back(ScreenEntry("S" + std::to_string(i)));
    const Listing listing = Build(program);
    const DirectoryPage page = Fill(listing.image, BrowserPage::Screens);
    ASSERT_EQ(page.Rows().size(), 1100u);
    for (std::size_t row : {0u, 510u, 511u, 512u, 1023u, 1099u}) {
        const model::CScreenModel* model = FindModel(page, page.Rows()[row].identifier);
        ASSERT_NE(model, nullptr);
        EXPECT_EQ(model->Name(), "S" + std::to_string(row));
    }
    EXPECT_EQ(FindModel(page, 1101), nullptr);
}

TEST_F(DirectoryPageTest, SelectingDecodesOnFirstUseAndAppliesOverridesEveryTime) {
    opimage::Program program;
    program.entries = {ScreenEntry("A"), ScreenEntry("B")};
    const Listing listing = Build(program);
    std::vector<std::string> calls;
    RowSelectionHooks hooks{
        .decode = [&](model::CScreenModel& m) { calls.push_back("decode " + m.Name()); },
        .applyOverrides = [&](model::CScreenModel& m) { calls.push_back("apply " + m.Name()); },
        .currentScreenChanged = [&](model::CScreenModel& m) { calls.push_back("changed " + m.Name()); }};

    DirectoryPage page(BrowserPage::Screens);
    FillDirectoryPage(page, listing.image, "", sink, hooks);
    EXPECT_TRUE(SelectRow(page, 1, sink, hooks));
    EXPECT_TRUE(SelectRow(page, 0, sink, hooks));
    EXPECT_FALSE(SelectRow(page, 2, sink, hooks));  // no such row
    EXPECT_EQ(calls, (std::vector<std::string>{"decode A", "apply A", "changed A", "decode B", "apply B",
                                               "changed B", "apply A", "changed A"}));
    EXPECT_EQ(page.SelectedRow(), 0u);
    EXPECT_FALSE(page.Models()[0]->NeedsDecoding());
}

TEST_F(DirectoryPageTest, AnOpenEditWindowKeepsTheEarlierRowSelected) {
    opimage::Program program;
    program.entries = {ScreenEntry("A"), ScreenEntry("B")};
    const Listing listing = Build(program);
    DirectoryPage page = Fill(listing.image, BrowserPage::Screens);
    page.Models()[0]->SetEditWindowOpen(true);

    EXPECT_FALSE(SelectRow(page, 1, sink));
    EXPECT_EQ(page.SelectedRow(), 0u);
    EXPECT_EQ(sink.Messages(), std::vector<std::string>{"You have a edit SCF file window opened, please close "
                                                        "that before you select another screen."});
    EXPECT_TRUE(SelectRow(page, 0, sink));  // the same row again is no change of screen

    page.Models()[0]->SetEditWindowOpen(false);
    EXPECT_TRUE(SelectRow(page, 1, sink));
    EXPECT_EQ(page.SelectedRow(), 1u);
}

TEST_F(DirectoryPageTest, ClearingResetsRowsModelsAndIdentifiers) {
    opimage::Program program;
    program.entries = {ScreenEntry("A"), ScreenEntry("B")};
    const Listing listing = Build(program);
    DirectoryPage page = Fill(listing.image, BrowserPage::Screens);
    ClearDirectoryPage(page);
    EXPECT_TRUE(page.Rows().empty());
    EXPECT_TRUE(page.Models().empty());
    EXPECT_FALSE(page.SelectedRow());
    EXPECT_FALSE(page.FoundRow());

    FillDirectoryPage(page, listing.image, "", sink);
    EXPECT_EQ(page.Rows().front().identifier, 1);
}

TEST_F(DirectoryPageTest, ALoopInTheDirectoryChainListsEachEntryOnce) {
    opimage::Program program;
    program.entries = {ScreenEntry("A"), ScreenEntry("B"), ScreenEntry("C")};
    Listing listing = Build(program);
    auto bytes = std::vector<std::uint8_t>(listing.image.Bytes().begin(), listing.image.Bytes().end());
    const std::uint32_t first = listing.layout.entries[0].offset;
    const std::uint32_t next = listing.layout.entries[2].offset + entry_field::kNext;
    bytes[next] = static_cast<std::uint8_t>(first >> 16);
    bytes[next + 1] = static_cast<std::uint8_t>(first >> 8);
    bytes[next + 2] = static_cast<std::uint8_t>(first);
    const ProgramImage looped(std::move(bytes));

    EXPECT_EQ(Names(Fill(looped, BrowserPage::All)),
              (std::vector<std::string>{"0 Screen A", "1 Screen B", "2 Screen C"}));
}

// Damaged programs that still load once opened without a word.
TEST_F(DirectoryPageTest, ADamagedDirectorySaysWhatWasSkipped) {
    opimage::Program program;
    program.entries = {ScreenEntry("A"), ScreenEntry("B"), ScreenEntry("C")};
    const Listing listing = Build(program);
    EXPECT_EQ(DescribeDirectoryDamage(listing.image), std::nullopt);
    const auto put = [&](std::uint32_t at, std::uint32_t value) {
        auto bytes = std::vector<std::uint8_t>(listing.image.Bytes().begin(), listing.image.Bytes().end());
        bytes[at] = static_cast<std::uint8_t>(value >> 16);
        bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
        bytes[at + 2] = static_cast<std::uint8_t>(value);
        return ProgramImage(std::move(bytes));
    };
    const std::uint32_t size = static_cast<std::uint32_t>(listing.image.Size());
    const std::uint32_t secondNext = listing.layout.entries[1].offset + entry_field::kNext;
    struct Row {
        const char* what;
        ProgramImage image;
        std::string said;
    };
    const Row rows[] = {
        {"a loop", put(secondNext, listing.layout.entries[0].offset),
         "the directory stops after 2 entries: the next one leads back to an entry already listed"},
        {"a next entry outside the file", put(secondNext, size + 10),
         "the directory stops after 2 entries: the next one lies outside the file"},
        {"a name outside the file", put(listing.layout.entries[2].offset + entry_field::kName, size + 10),
         "1 entry's name lies outside the file and shows blank"},
    };
    for (const Row& row : rows) EXPECT_EQ(DescribeDirectoryDamage(row.image), row.said) << row.what;
}

}  // namespace
}  // namespace program
