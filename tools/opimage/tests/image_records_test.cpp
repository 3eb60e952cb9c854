#include <gtest/gtest.h>

#include "tools/opimage/image.h"
#include "tools/opimage/tests/image_bytes.h"

namespace opimage {
namespace {

using namespace opimage::testing;

Image WriteBody(StatementList body, std::vector<Variable> globals = {}) {
    Program program;
    program.globals = std::move(globals);
    program.entries = {{.name = "S", .body = std::move(body)}};
    return Write(program);
}

std::uint32_t FirstStatement(const Image& image) { return Int24(image.bytes, image.layout.entries[0].offset + 51); }

std::uint32_t RecordOf(const Bytes& bytes, std::uint32_t statement) { return Int24(bytes, statement + 4); }

TEST(TextTable, NumbersDeclaredTextsFirstAndSharesEqualTexts) {
    Program program;
    program.texts = {"spare"};
    program.entries = {{.name = "S",
                        .body = {Display({.text = Text("Name:")}), Display({.text = Text("Name:")}),
                                 Display({.text = Text("Code:")})}}};
    const Image image = Write(program);
    const Bytes& bytes = image.bytes;

    EXPECT_EQ(U16(bytes, 45), 4) << "three texts plus the unused entry 0";
    EXPECT_EQ(TextOf(bytes, 1), "spare");
    EXPECT_EQ(TextOf(bytes, 2), "Name:");
    EXPECT_EQ(TextOf(bytes, 3), "Code:");
    const std::vector<std::uint32_t> statements = Chain(bytes, FirstStatement(image));
    ASSERT_EQ(statements.size(), 3u);
    const std::uint32_t second = Int24(bytes, RecordOf(bytes, statements[1]) + 6);
    EXPECT_EQ(bytes[second + 3], 87);
    EXPECT_EQ(U16(bytes, second + 4), 2) << "the same text keeps its number";
    EXPECT_EQ(U16(bytes, second + 7), 5) << "declared length defaults to the text's length";
    EXPECT_EQ(image.layout.texts[3], Int24(bytes, image.layout.textTable + 15 + 2));
}

TEST(TextTable, RawTextNumbersAreWrittenAsGiven) {
    const Image image = WriteBody({Display({.text = TextNumber(0)}), Display({.text = TextNumber(500, 12)})});
    const std::vector<std::uint32_t> statements = Chain(image.bytes, FirstStatement(image));
    const std::uint32_t zero = Int24(image.bytes, RecordOf(image.bytes, statements[0]) + 6);
    const std::uint32_t far = Int24(image.bytes, RecordOf(image.bytes, statements[1]) + 6);
    EXPECT_EQ(U16(image.bytes, zero + 4), 0);
    EXPECT_EQ(U16(image.bytes, far + 4), 500);
    EXPECT_EQ(U16(image.bytes, far + 7), 12);
    EXPECT_EQ(U16(image.bytes, 45), 1) << "raw numbers add no texts";
}

TEST(DisplayRecord, ShortFormEndsAfterEighteenBytesLongFormCarriesTagAndTitle) {
    const Image image = WriteBody({
        Display({.row = 0x800005, .column = 7, .text = Text("Short"), .attributes = 0x0200, .tag = 9}),
        Display({.row = 3, .column = 4, .text = Text("Long"), .longForm = true, .scale = 150, .tag = 9,
                 .columnTitle = Text("Title")}),
    });
    const Bytes& bytes = image.bytes;
    const std::uint32_t shortForm = image.layout.entries[0].body[0].record;
    const std::uint32_t longForm = image.layout.entries[0].body[1].record;

    EXPECT_EQ((Bytes{bytes[shortForm], bytes[shortForm + 1], bytes[shortForm + 2]}), (Bytes{0x80, 0x00, 0x05}));
    EXPECT_EQ(U16(bytes, shortForm + 12), 0x0200) << "bit 0 clear: short form";
    EXPECT_EQ(bytes[shortForm + 18 + 3], 87) << "the short record is followed directly by its text operand";

    EXPECT_EQ(U16(bytes, longForm + 12), 0x0001);
    EXPECT_EQ(Int24(bytes, longForm + 18), 150u);
    EXPECT_EQ(U16(bytes, longForm + 27), 9);
    const std::uint32_t title = Int24(bytes, longForm + 29);
    EXPECT_EQ(TextOf(bytes, U16(bytes, title + 4)), "Title");
}

TEST(AcceptRecord, LengthFieldVariableAndSubscript) {
    const Image image = WriteBody(
        {Accept({.row = 2, .column = 20, .variable = "QTY", .subscript = Subscript(3), .suppressed = true,
                 .allowed = {{.value = Text("A"), .rangeEnd = Text("M")}, {.value = Text("Z")}}, .tag = 44}),
         [] {
             Statement shortened = Accept({.variable = "QTY"});
             shortened.length = 20;
             return shortened;
         }()},
        {{.name = "QTY", .sizeWord = 0x1060}});
    const Bytes& bytes = image.bytes;
    const std::vector<std::uint32_t> statements = Chain(bytes, FirstStatement(image));
    ASSERT_EQ(statements.size(), 2u);
    const std::uint32_t accept = RecordOf(bytes, statements[0]);

    EXPECT_EQ(bytes[statements[0] + 3], 25);
    EXPECT_EQ(U16(bytes, statements[0] + 7), 88);
    EXPECT_EQ(U16(bytes, statements[1] + 7), 20);
    EXPECT_EQ(Int24(bytes, accept + 9), Int24(bytes, 18)) << "the accepted variable is the global, written once";
    EXPECT_EQ(Int24(bytes, RecordOf(bytes, statements[1]) + 9), Int24(bytes, 18));
    EXPECT_EQ(U16(bytes, accept + 22), 0x1060) << "size word defaults to the variable's";
    EXPECT_EQ(bytes[accept + 18] & 0x20, 0x20);
    EXPECT_EQ(U16(bytes, accept + 78), 44);

    const std::uint32_t subscript = Int24(bytes, accept + 12);
    EXPECT_EQ(Int24(bytes, subscript), 0u);
    EXPECT_EQ(bytes[subscript + 3], 11);
    EXPECT_EQ(U16(bytes, subscript + 7), 0x2080) << "binary, 4 integer digits";
    EXPECT_EQ(U16(bytes, Int24(bytes, subscript + 4)), 3);

    const std::vector<std::uint32_t> allowed = Chain(bytes, Int24(bytes, accept + 38));
    ASSERT_EQ(allowed.size(), 2u);
    EXPECT_NE(Int24(bytes, allowed[0] + 6), 0u) << "a range has an end";
    EXPECT_EQ(Int24(bytes, allowed[1] + 6), 0u) << "a single value has none";
}

TEST(OperandDescriptor, KindsAndTheirFields) {
    const Image image = WriteBody({Message({Expr(0x1234), Var("V"), Literal("abc"), Number(-2.5, NumericSize(kBinary, 3, 1, true))})});
    const Bytes& bytes = image.bytes;
    std::vector<std::uint32_t> operands;
    for (std::uint32_t part : Chain(bytes, RecordOf(bytes, FirstStatement(image)))) {
        operands.push_back(Int24(bytes, part + 3));
    }
    ASSERT_EQ(operands.size(), 4u);
    EXPECT_EQ(Int24(bytes, operands[0]), 0x1234u);
    EXPECT_EQ(bytes[operands[1] + 3], 10);
    EXPECT_EQ(String(bytes, Int24(bytes, Int24(bytes, operands[1] + 9) + 3)), "V");
    EXPECT_EQ(Int24(bytes, operands[1] + 12), 0u);
    EXPECT_EQ(bytes[operands[2] + 3], 11);
    EXPECT_EQ(String(bytes, Int24(bytes, operands[2] + 4)), "abc");
    EXPECT_EQ(U16(bytes, operands[2] + 7), 3);
    const std::uint32_t number = Int24(bytes, operands[3] + 4);
    EXPECT_EQ(U16(bytes, number), static_cast<std::uint16_t>(-25)) << "-2.5 scaled by one decimal, 2 bytes";
}

TEST(StatementLists, SubListsAndBranchChainsSitWhereTheOpCodeSays) {
    const Image image = WriteBody({
        TwoBranch({Message({Text("then")})}, {Message({Text("else")})}),
        MultiBranch({Message({Text("first")})}, {{Message({Text("alt1")})}, {Message({Text("alt2")})}},
                    {{Message({Text("further")})}}),
        Loop({Message({Text("body")})}, {{Message({Text("when")})}}),
        Acknowledge({Text("done")}, Text("Press Return")),
        Other(99, {Accept({.variable = "HIDDEN"})}),
    });
    const Bytes& bytes = image.bytes;
    auto firstText = [&](std::uint32_t list) {
        return TextOf(bytes, U16(bytes, Int24(bytes, RecordOf(bytes, list) + 3) + 4));
    };
    const std::vector<std::uint32_t> statements = Chain(bytes, FirstStatement(image));
    ASSERT_EQ(statements.size(), 5u);

    EXPECT_EQ(firstText(Int24(bytes, statements[0] + 9)), "then");
    EXPECT_EQ(firstText(Int24(bytes, statements[0] + 12)), "else");

    const std::uint32_t branch = RecordOf(bytes, statements[1]);
    EXPECT_EQ(firstText(Int24(bytes, branch + 9)), "first");
    const std::vector<std::uint32_t> alternatives = Chain(bytes, Int24(bytes, branch + 12));
    ASSERT_EQ(alternatives.size(), 2u);
    EXPECT_EQ(firstText(Int24(bytes, alternatives[1] + 6)), "alt2");
    EXPECT_EQ(firstText(Int24(bytes, Int24(bytes, branch + 15) + 6)), "further");

    EXPECT_EQ(firstText(Int24(bytes, statements[2] + 9)), "body");
    EXPECT_EQ(firstText(Int24(bytes, Int24(bytes, statements[2] + 12) + 6)), "when");
    EXPECT_EQ(Int24(bytes, statements[2] + 15), 0u);

    const std::uint32_t prompt = RecordOf(bytes, statements[3]);
    EXPECT_EQ(TextOf(bytes, U16(bytes, prompt + 4)), "Press Return");
    EXPECT_EQ(TextOf(bytes, U16(bytes, Int24(bytes, Int24(bytes, statements[3] + 9) + 3) + 4)), "done");

    EXPECT_EQ(bytes[statements[4] + 3], 99);
    EXPECT_EQ(bytes[Int24(bytes, statements[4] + 9) + 3], 25) << "an unknown op may still hold a sub-list";
}

TEST(Chains, DirectoryModesAndVariablesLinkInOrder) {
    Program program;
    program.globals = {{.name = "G1"}, {.name = "G2"}};
    program.modes = {{.name = "ADD"}, {.name = "LOCAL", .programWide = false}, {.name = "FIND", .hasIdentifier = false}};
    program.entries = {{.name = "A", .modes = {"LOCAL", "ADD", "NEW"}, .locals = {{.name = "L1"}, {.name = "L2"}}},
                       {.name = "B"},
                       {.name = "C"}};
    const Image image = Write(program);
    const Bytes& bytes = image.bytes;

    std::vector<std::string> names;
    for (std::uint32_t entry : Chain(bytes, Int24(bytes, 12), 33)) names.push_back(String(bytes, Int24(bytes, entry + 30)));
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "C"}));

    const std::vector<std::uint32_t> modes = Chain(bytes, Int24(bytes, 21));
    ASSERT_EQ(modes.size(), 2u) << "screen-only modes stay out of the program chain";
    EXPECT_EQ(Int24(bytes, modes[1] + 3), 0u) << "a mode without identifier";

    const std::uint32_t entry = image.layout.entries[0].offset;
    std::vector<std::uint32_t> listed;
    for (std::uint32_t element : Chain(bytes, Int24(bytes, entry + 36))) listed.push_back(Int24(bytes, element + 3));
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0], image.layout.modes.at("LOCAL"));
    EXPECT_EQ(listed[1], modes[0]);
    EXPECT_EQ(String(bytes, Int24(bytes, listed[2] + 3)), "NEW") << "an unknown mode is made up";

    EXPECT_EQ(Chain(bytes, Int24(bytes, 18)).size(), 2u);
    const std::vector<std::uint32_t> locals = Chain(bytes, Int24(bytes, entry + 86));
    ASSERT_EQ(locals.size(), 2u);
    EXPECT_EQ(locals[1], image.layout.entries[0].locals.at("L2"));
}

TEST(Layout, OffsetsLetATestDamageAChosenRecord) {
    Program program;
    program.entries = {{.name = "A"}, {.name = "B", .body = {Display({.text = Text("x")})}}, {.name = "C"}};
    Image image = Write(program);
    const Layout& layout = image.layout;

    // Entry C's next field pointed back at B makes a loop.
    const std::uint32_t c = layout.entries[2].offset;
    image.bytes[c + 33] = static_cast<std::uint8_t>(layout.entries[1].offset >> 16);
    image.bytes[c + 34] = static_cast<std::uint8_t>(layout.entries[1].offset >> 8);
    image.bytes[c + 35] = static_cast<std::uint8_t>(layout.entries[1].offset);
    EXPECT_EQ(Chain(image.bytes, Int24(image.bytes, 12), 33).size(), 1000u) << "the walk never ends";

    EXPECT_EQ(layout.entries[1].body[0].offset, Int24(image.bytes, layout.entries[1].offset + 51));
    EXPECT_EQ(layout.entries[1].body[0].record, Int24(image.bytes, layout.entries[1].body[0].offset + 4));
    EXPECT_EQ(String(image.bytes, layout.entries[2].name), "C");
}

TEST(RecordSources, GroupAndFileDefinitionFields) {
    Program program;
    program.variables = {{.name = "K"}, {.name = "F"}};
    program.entries = {{.name = "S",
                        .variableGroup = VariableGroup{.name = "GRP", .variables = {"K", "F"}, .sourceLetter = 'M'},
                        .fileDefinition = FileDefinition{.keys = {{.group = {.variables = {"K"}}, .listed = true}},
                                                         .fields = {{.variable = "F", .listedRegardless = true,
                                                                     .furtherByte = 1}},
                                                         .modeFilterWords = {0, 7, 0},
                                                         .indexByte = 130}}};
    const Image image = Write(program);
    const Bytes& bytes = image.bytes;
    const std::uint32_t group = Int24(bytes, image.layout.entries[0].offset + 39);
    const std::uint32_t file = Int24(bytes, image.layout.entries[0].offset + 42);

    EXPECT_EQ(String(bytes, Int24(bytes, group + 3)), "GRP");
    EXPECT_EQ(bytes[group + 37], 'M');
    const std::vector<std::uint32_t> elements = Chain(bytes, Int24(bytes, group + 6), 9);
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(Int24(bytes, elements[1] + 3), image.layout.variables.at("F"));

    EXPECT_EQ(Int24(bytes, file + 24), 7u);
    EXPECT_EQ(bytes[file + 34], 130);
    const std::uint32_t key = Int24(bytes, file + 9);
    EXPECT_EQ(bytes[key + 9] & 1, 1);
    EXPECT_EQ(Int24(bytes, Int24(bytes, Int24(bytes, key + 5) + 6) + 3), image.layout.variables.at("K"));
    const std::uint32_t field = Int24(bytes, file + 12);
    EXPECT_EQ(bytes[field + 24], 3) << "listed, and listed regardless";
    EXPECT_EQ(bytes[Int24(bytes, field + 8) + 9], 1);
}

TEST(EntryRecord, KindFlagsAndReviewFields) {
    Program program;
    program.entries = {{.kind = EntryKind::OtherProcedure, .name = "P", .kindByteFlags = 0x08,
                        .reviewWord = kDataGrid | kReviewScreen, .reviewBoxHeight = 1, .reviewRepeat = 12,
                        .reviewFirstRow = 6, .top = kComputed, .optionWidth = 14}};
    const Image image = Write(program);
    const Bytes& bytes = image.bytes;
    const std::uint32_t entry = image.layout.entries[0].offset;
    EXPECT_EQ(bytes[entry + 67], 0x0B);
    EXPECT_EQ(bytes[entry + 69], 0x81);
    EXPECT_EQ(U16(bytes, entry + 72), 12);
    EXPECT_EQ(U16(bytes, entry + 74), 6);
    EXPECT_EQ(Int24(bytes, entry + 10), 0x800000u);
    EXPECT_EQ(Int24(bytes, entry + 93), 14u);
    EXPECT_EQ(Int24(bytes, entry + 108), 0u) << "no title";
}

}  // namespace
}  // namespace opimage
