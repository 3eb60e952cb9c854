// An upgrade corpus: version 1 and version 2 of a program with one change a
// vendor makes, and an override file written for version 1. Every fix the
// check offers on version 2 must be the right one; after the fixes every
// customisation the change left possible applies again; a change that
// leaves two candidates, or none, gets no fix.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/checks/identifier_fixes.h"
#include "tessellar/checks/program_check.h"
#include "tessellar/program/image/program_loader.h"
#include "testsupport/case_name.h"
#include "tools/opimage/description.h"
#include "tools/opimage/image.h"

namespace checks {
namespace {

program::ProgramImage Load(const std::string& description) {
    std::string error;
    const std::optional<opimage::Program> program = opimage::ParseDescription(description, error);
    EXPECT_TRUE(program.has_value()) << error;
    platform::RecordingMessageSink sink;
    std::optional<program::ProgramImage> image =
        program::LoadProgramFromBytes(opimage::Write(*program).bytes, "p.op6", sink);
    EXPECT_TRUE(image.has_value());
    return std::move(*image);
}

// A screen of the program, with the lines that differ between versions.
std::string Program(const std::string& screenName, const std::string& body, const std::string& more = {}) {
    return "global ACCT-NO size 8 type A\nglobal ACCT-NUM size 8 type A\nglobal NAME size 30 type A\n"
           "global TOTAL size D7 type N\n"
           "screen " + screenName + " {\n  title \"Accounts\"\n  frame 2 1 20 78\n  body {\n" + body + "  }\n}\n" +
           more;
}

std::string Section(const std::string& screenName, const std::string& blocks) {
    return "#ORVALE Screen Customiser File (Override statements only).\nscreen " + screenName + "\n\t{\n" + blocks +
           "\t}\n";
}

std::string Block(const std::string& keyword, const std::string& identifier, const std::string& change) {
    return "\t" + keyword + "\n\t\t{\n\t\t" + identifier + "\n\t\t" + change + "\n\t\t}\n";
}

const std::string kCommon = "    display 4 4 \"Name:\" attr 0x200\n    accept 4 22 NAME\n";

struct UpgradeCase {
    const char* why;
    std::string version1;
    std::string version2;
    std::string overrides;  // written for version 1
    std::string fixed;      // what --fix --likely leaves; the same file when no fix is right
    std::size_t certain;
    std::size_t likely;
    std::size_t leftUnresolved;  // blocks and sections the change made impossible
};

void PrintTo(const UpgradeCase& row, std::ostream* out) { *out << row.why; }

std::vector<UpgradeCase> Cases() {
    const std::string nameChange = Block("display", "orig_text = \"Name:\"", "text = \"Full name:\"");
    std::vector<UpgradeCase> cases;
    {
        const std::string v1 = Program("ACCT", kCommon + "    accept 6 22 ACCT-NO\n");
        const std::string v2 = Program("ACCT", kCommon + "    accept 6 22 ACCT-NUM\n");
        const std::string before = Section("ACCT", Block("accept", "name = ACCT-NO", "readonly = true"));
        const std::string after = Section("ACCT", Block("accept", "name = ACCT-NUM", "readonly = true"));
        cases.push_back({"a field renamed is likely the field of the nearest name", v1, v2, before, after, 0, 1, 0});
    }
    {
        const std::string v1 = Program("ACCT", kCommon + "    display 6 4 \"Account No:\" attr 0x200\n");
        const std::string v2 = Program("ACCT", kCommon + "    display 6 4 \"Account Number:\" attr 0x200\n");
        const std::string before = Section("ACCT", Block("display", "orig_text = \"Account No:\"", "text = \"Acct:\""));
        const std::string after =
            Section("ACCT", Block("display", "orig_text = \"Account Number:\"", "text = \"Acct:\""));
        cases.push_back({"a prompt reworded is likely the prompt of the nearest text", v1, v2, before, after, 0, 1, 0});
    }
    {
        // Two prompts of one text are named by place; the second moved a column.
        const std::string twice = "    display 6 4 \"Total:\" attr 0x200\n";
        const std::string v1 = Program("ACCT", kCommon + twice + "    display 12 4 \"Total:\" attr 0x200\n");
        const std::string v2 = Program("ACCT", kCommon + twice + "    display 12 5 \"Total:\" attr 0x200\n");
        const std::string before = Section("ACCT", Block("display", "orig_coordinate = 12,4", "text = \"Sum:\""));
        const std::string after = Section("ACCT", Block("display", "orig_coordinate = 12,5", "text = \"Sum:\""));
        cases.push_back({"an item moved is likely the one of its kind nearest its old place", v1, v2, before, after, 0,
                         1, 0});
    }
    {
        // Of two "Total:" prompts one was reworded: the other is unique now, so
        // the screen names it by its text, at the very place the block names.
        const std::string v1 = Program("ACCT", kCommon + "    display 6 4 \"Total:\" attr 0x200\n"
                                                         "    display 12 4 \"Total:\" attr 0x200\n");
        const std::string v2 = Program("ACCT", kCommon + "    display 6 4 \"Subtotal:\" attr 0x200\n"
                                                         "    display 12 4 \"Total:\" attr 0x200\n");
        const std::string before = Section("ACCT", Block("display", "orig_coordinate = 12,4", "text = \"Sum:\""));
        const std::string after = Section("ACCT", Block("display", "orig_text = \"Total:\"", "text = \"Sum:\""));
        cases.push_back({"an item named now by its text at the same place is certain", v1, v2, before, after, 1, 0,
                         0});
    }
    {
        const std::string v1 = Program("ACCT", kCommon + "    display 6 4 \"Code:\" attr 0x200\n"
                                                         "    display 8 4 \"Total:\" attr 0x200\n");
        const std::string v2 = Program("ACCT", kCommon + "    display 8 4 \"Code:\" attr 0x200\n"
                                                         "    display 6 4 \"Total:\" attr 0x200\n");
        const std::string overrides = Section("ACCT", Block("display", "orig_text = \"Code:\"", "text = \"Number:\"") +
                                                          Block("display", "orig_text = \"Total:\"", "text = \"Sum:\""));
        cases.push_back({"two prompts swapped still reach their blocks", v1, v2, overrides, overrides, 0, 0, 0});
    }
    {
        const std::string v1 = Program("ACCT", kCommon + "    display 6 4 \"Account:\" attr 0x200\n");
        const std::string v2 = Program("ACCT", kCommon + "    display 6 4 \"Account:\" attr 0x200\n"
                                                         "    display 9 4 \"Account:\" attr 0x200\n");
        const std::string overrides = Section("ACCT", Block("display", "orig_text = \"Account:\"", "text = \"Acct:\""));
        cases.push_back({"a prompt duplicated leaves two candidates and no fix", v1, v2, overrides, overrides, 0, 0, 1});
    }
    {
        const std::string v1 = Program("ACCT", kCommon);
        const std::string v2 = Program("ACCOUNTS", kCommon);
        const std::string before = Section("ACCT", nameChange);
        const std::string after = Section("ACCOUNTS", nameChange);
        cases.push_back({"a screen renamed is certain when its section resolves there alone", v1, v2, before, after, 1,
                         0, 0});
    }
    {
        const std::string other = "screen OTHER {\n  body {\n    display 4 4 \"Other:\" attr 0x200\n  }\n}\n";
        const std::string v1 = Program("ACCT", kCommon, other);
        const std::string v2 = Program("OTHERS", "    display 4 4 \"Other:\" attr 0x200\n", other);
        const std::string overrides = Section("ACCT", nameChange);
        cases.push_back({"a screen dropped gets no fix", v1, v2, overrides, overrides, 0, 0, 1});
    }
    {
        const std::string v1 = Program("ACCT", kCommon + "    message \"Account saved\"\n");
        const std::string v2 = Program("ACCT", kCommon + "    message \"Account stored\"\n");
        const std::string before = Section("ACCT", Block("message", "orig_text = \"Account saved\"", "text = \"Done\""));
        const std::string after = Section("ACCT", Block("message", "orig_text = \"Account stored\"", "text = \"Done\""));
        cases.push_back({"a message reworded is likely the message of the nearest text", v1, v2, before, after, 0, 1,
                         0});
    }
    {
        // The field dropped: the nearest name left is a field another block
        // customises already, and a fix there would make one block dead.
        const std::string v1 = Program("ACCT", kCommon + "    accept 6 22 ACCT-NO\n    accept 8 22 ACCT-NUM\n");
        const std::string v2 = Program("ACCT", kCommon + "    accept 8 22 ACCT-NUM\n");
        const std::string overrides = Section("ACCT", Block("accept", "name = ACCT-NO", "readonly = true") +
                                                          Block("accept", "name = ACCT-NUM", "title = \"No\""));
        cases.push_back({"a fix never names an item another block already names", v1, v2, overrides, overrides, 0, 0,
                         1});
    }
    return cases;
}

std::size_t Count(const std::vector<Finding>& findings, FixConfidence confidence) {
    std::size_t count = 0;
    for (const Finding& finding : findings) count += finding.fix && finding.fix->confidence == confidence ? 1 : 0;
    return count;
}

std::size_t Unresolved(const std::vector<Finding>& findings) {
    std::size_t count = 0;
    for (const Finding& finding : findings) {
        count += finding.kind == FindingKind::UnresolvedItem || finding.kind == FindingKind::UnknownMessage ||
                         finding.kind == FindingKind::UnknownSection
                     ? 1
                     : 0;
    }
    return count;
}

class UpgradeFixes : public ::testing::TestWithParam<UpgradeCase> {};

TEST_P(UpgradeFixes, AreRightAndLeaveOnlyWhatTheChangeMadeImpossible) {
    const UpgradeCase& row = GetParam();
    EXPECT_EQ(Unresolved(CheckProgram(Load(row.version1), "p.scf", row.overrides)), 0u)
        << "the file fitted version 1";
    const program::ProgramImage version2 = Load(row.version2);
    const std::vector<Finding> findings = CheckProgram(version2, "p.scf", row.overrides);
    EXPECT_EQ(Count(findings, FixConfidence::Certain), row.certain);
    EXPECT_EQ(Count(findings, FixConfidence::Likely), row.likely);

    // The certain fixes alone change only what is certain; with the likely
    // ones the file is exactly the one a person would have written.
    const std::string fixed = ApplyFixes(row.overrides, findings, true);
    EXPECT_EQ(fixed, row.fixed);
    if (row.likely == 0) {
        EXPECT_EQ(ApplyFixes(row.overrides, findings, false), row.fixed);
    }
    const std::vector<Finding> left = CheckProgram(version2, "p.scf", fixed);
    EXPECT_EQ(Unresolved(left), row.leftUnresolved);
    EXPECT_EQ(FixCount(left, true), 0u) << "a fixed file offers no further fix";
    EXPECT_LE(left.size(), findings.size()) << "a fix never adds a finding";
}

INSTANTIATE_TEST_SUITE_P(Corpus, UpgradeFixes, ::testing::ValuesIn(Cases()), testsupport::ByWhy());

TEST(ApplyingFixes, ChangesOnlyTheFixedLinesByteForByte) {
    const std::string text = "# site note\r\nscreen OLD {\r\n\t{\r\n  \taccept\r\n\t\t{\r\n\t\tname = A  \r\n"
                             "\t\t}\r\n\t}\r\n\r\n# trailing note";
    std::vector<Finding> findings(2);
    findings[0].fix = Fix{6, "name = A", "name = B", FixConfidence::Likely};
    findings[1].fix = Fix{2, "screen OLD", "screen NEW", FixConfidence::Certain};
    EXPECT_EQ(ApplyFixes(text, findings, false),
              "# site note\r\nscreen NEW {\r\n\t{\r\n  \taccept\r\n\t\t{\r\n\t\tname = A  \r\n"
              "\t\t}\r\n\t}\r\n\r\n# trailing note");
    EXPECT_EQ(ApplyFixes(text, findings, true),
              "# site note\r\nscreen NEW {\r\n\t{\r\n  \taccept\r\n\t\t{\r\n\t\tname = B  \r\n"
              "\t\t}\r\n\t}\r\n\r\n# trailing note");
    // A line that no longer holds the old text is left alone.
    findings[0].fix->old = "name = Z";
    EXPECT_EQ(ApplyFixes(text, findings, true).find("name = B"), std::string::npos);
}

}  // namespace
}  // namespace checks
