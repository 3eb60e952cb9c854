// The work folder failing under a document: a temporary folder that is
// missing, read-only or full once left the override file with its header
// line alone, or with some of its sections, after a save that said nothing.
// Here every write of the work folder fails in turn, and the user's file must
// stay whole: the old file, or exactly what the steps that went through
// make of it.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/message_format.h"
#include "platform/scratch_faults.h"
#include "tessellar/document/document_texts.h"
#include "tessellar/document/tests/document_fixture.h"
#include "tessellar/overrides/override_texts.h"

namespace document::testing {
namespace {

namespace fs = std::filesystem;

// The demo program and its override file in a scratch directory of their own.
class Session {
public:
    explicit Session(const std::string& temporaryRoot = {})
        : document_(temporaryRoot.empty() ? scratch_.Path().string() : temporaryRoot) {}

    void Open() {
        overridePath_ = (scratch_.Path() / "demo.scf").string();
        if (!fs::exists(overridePath_)) fs::copy_file(TESSELLAR_DEMO_OVERRIDES, overridePath_);
        ASSERT_TRUE(document_.LoadProgram(TESSELLAR_DEMO_PROGRAM, sink_));
        document_.OpenOverrideFile(overridePath_, sink_);
        program::FillDirectoryPage(page_, *document_.Image(), "", sink_);
    }

    // The entry, decoded, without selecting it (which would drop its redo history).
    model::CScreenModel& Find(const std::string& name) {
        for (std::size_t row = 0; row < page_.Rows().size(); ++row) {
            if (page_.Rows()[row].name != name) continue;
            model::CScreenModel& model = *page_.Models()[row];
            if (model.NeedsDecoding()) document_.OpenEntry(model, sink_);
            return model;
        }
        ADD_FAILURE() << "no entry " << name;
        return *page_.Models().front();
    }

    // The entry selected, as a click on its row.
    model::CScreenModel& Entry(const std::string& name) {
        model::CScreenModel& model = Find(name);
        if (document_.CurrentEntry() != &model) document_.SetCurrentEntry(model);
        return model;
    }

    bool Run(const std::string& entry, const std::string& name, commands::ItemKey key,
             std::vector<commands::CommandValue> values = {}) {
        model::CScreenModel& model = Entry(entry);
        commands::MadeCommand made = commands::MakeCommand(model, name, std::move(key), values);
        return made.command && document_.Run(model, *made.command, sink_);
    }

    Document& Doc() { return document_; }
    platform::RecordingMessageSink& Sink() { return sink_; }
    const std::string& OverridePath() const { return overridePath_; }
    const fs::path& Folder() const { return scratch_.Path(); }

    ~Session() {
        for (const auto& model : page_.Models()) document_.ForgetEntry(*model);
    }

private:
    testsupport::ScratchDirectory scratch_;
    platform::RecordingMessageSink sink_;
    Document document_;
    program::DirectoryPage page_{program::BrowserPage::All};
    std::string overridePath_;
};

struct Operation {
    const char* name;
    std::function<bool(Session&)> run;
};

// Commands on an entry with a section and on one without, undo, redo and a hand edit.
std::vector<Operation> Operations() {
    return {
        {"a title", [](Session& s) { return s.Run("CUSTOMER", "Modify screen title", NoKey(), {Q("First")}); }},
        {"a second command", [](Session& s) { return s.Run("CUSTOMER", "Suppress display", Text("Phone:")); }},
        {"a new section", [](Session& s) { return s.Run("REPORTS-MENU", "Change menu text", Text("Back"), {Q("Return")}); }},
        {"an undo", [](Session& s) { return s.Doc().Undo(s.Find("CUSTOMER"), s.Sink()); }},
        {"a redo", [](Session& s) { return s.Doc().Redo(s.Find("CUSTOMER"), s.Sink()); }},
        {"a hand edit",
         [](Session& s) {
             return s.Doc().EditScreenFile(
                        s.Entry("ORDER"),
                        [](const std::string& copy) { WriteFile(copy, "window\n\t{\n\ttitle = \"Hand\"\n\t}\n"); },
                        s.Sink()) == EditResult::Applied;
         }},
    };
}

// What a save writes after each number of operations, and each entry's undo
// steps then, from a run where nothing fails.
struct Expected {
    std::vector<std::string> saved;  // [k]: after the first k operations
    std::vector<std::size_t> customerUndoSteps;
    std::size_t steps = 0;           // work folder writes of the whole run with its save
};

Expected RunWithoutFaults() {
    Expected expected;
    platform::IoFaults counting;
    Session session;
    {
        platform::ScratchFaultScope scope(counting);
        session.Open();
    }
    auto record = [&] {
        const std::string probe = (session.Folder() / "probe.scf").string();
        EXPECT_TRUE(overrides::SaveOverrideFile(session.Doc().Workspace().Sections(), probe + ".bck", probe,
                                                session.Sink()));
        expected.saved.push_back(ReadFile(probe));
        expected.customerUndoSteps.push_back(session.Doc().UndoLabels(session.Find("CUSTOMER")).size());
    };
    record();
    for (const Operation& operation : Operations()) {
        {
            platform::ScratchFaultScope scope(counting);
            EXPECT_TRUE(operation.run(session)) << operation.name;
        }
        record();
    }
    EXPECT_TRUE(session.Doc().Save(session.Sink(), counting));
    expected.steps = counting.Steps();
    return expected;
}

TEST(WorkFolderFaults, TheOverrideFileIsWholeAfterAFailureAtEveryWrite) {
    const Expected expected = RunWithoutFaults();
    const std::vector<Operation> operations = Operations();
    ASSERT_GT(expected.steps, 30u) << "the split, the commands' undo points and work files, the save";
    const std::string original = ReadFile(TESSELLAR_DEMO_OVERRIDES);
    for (std::size_t failing = 1; failing <= expected.steps; ++failing) {
        SCOPED_TRACE("work folder write " + std::to_string(failing));
        platform::IoFaults faults(failing);
        Session session;
        std::size_t done = 0;
        {
            platform::ScratchFaultScope scope(faults);
            session.Open();
            while (done < operations.size() && operations[done].run(session)) ++done;
        }
        const bool failedInOperations = faults.Steps() >= failing;
        const bool saved = session.Doc().Save(session.Sink(), faults);
        if (!saved) {
            EXPECT_EQ(ReadFile(session.OverridePath()), original);
            EXPECT_TRUE(session.Doc().ReadOnly() || !failedInOperations)
                << "a refused step must leave a document that saves";
            continue;
        }
        // A refused step changed nothing: the save holds what the steps before it made.
        EXPECT_EQ(ReadFile(session.OverridePath()), expected.saved[done]) << "after " << done << " operations";
        EXPECT_EQ(session.Doc().UndoLabels(session.Find("CUSTOMER")).size(), expected.customerUndoSteps[done]);
    }
}

// A command whose undo point or work file cannot be written changes
// nothing: the step the user undid can still be redone.
TEST(WorkFolderFaults, AFailedCommandKeepsTheRedoSteps) {
    platform::IoFaults counting;
    {
        Session session;
        session.Open();
        platform::ScratchFaultScope scope(counting);
        ASSERT_TRUE(session.Run("CUSTOMER", "Modify screen title", NoKey(), {Q("Counted")}));
    }
    ASSERT_GE(counting.Steps(), 2u) << "its undo point and its work file";
    for (std::size_t failing = 1; failing <= counting.Steps(); ++failing) {
        SCOPED_TRACE("work folder write " + std::to_string(failing));
        Session session;
        session.Open();
        model::CScreenModel& customer = session.Find("CUSTOMER");
        session.Entry("CUSTOMER");
        ASSERT_TRUE(session.Run("CUSTOMER", "Modify screen title", NoKey(), {Q("First")}));
        ASSERT_TRUE(session.Doc().Undo(customer, session.Sink()));
        ASSERT_EQ(session.Doc().RedoLabels(customer).size(), 1u);
        platform::IoFaults faults(failing);
        {
            platform::ScratchFaultScope scope(faults);
            EXPECT_FALSE(session.Run("CUSTOMER", "Modify screen title", NoKey(), {Q("Second")}));
        }
        EXPECT_EQ(session.Doc().RedoLabels(customer).size(), 1u);
        EXPECT_TRUE(session.Doc().Redo(customer, session.Sink()));
        EXPECT_EQ(customer.Title().Current(), "First");
    }
}

// The case found by hand: TMPDIR names a folder that is not there.
TEST(WorkFolderFaults, AMissingTemporaryFolderOpensReadOnlyAndSavesNothing) {
    testsupport::ScratchDirectory elsewhere;
    const std::string missing = (elsewhere.Path() / "gone").string();
    Session session(missing);
    session.Open();
    ASSERT_TRUE(session.Doc().ReadOnly());
    ASSERT_FALSE(session.Sink().Messages().empty());
    EXPECT_NE(session.Sink().Messages()[0].find("Could not make the work files of " + session.OverridePath() + " in " +
                                                missing + " (No such file or directory)"),
              std::string::npos)
        << session.Sink().Messages()[0];
    session.Sink().Clear();
    EXPECT_FALSE(session.Run("CUSTOMER", "Modify screen title", NoKey(), {Q("Lost")}));
    EXPECT_FALSE(session.Doc().Save(session.Sink()));
    EXPECT_FALSE(session.Doc().SaveAs((session.Folder() / "copy.scf").string(), session.Sink()));
    EXPECT_FALSE(fs::exists(session.Folder() / "copy.scf"));
    ASSERT_EQ(session.Sink().Messages().size(), 3u);
    for (const std::string& message : session.Sink().Messages()) {
        EXPECT_EQ(message.rfind(session.OverridePath() + " is open read-only, because its work files could not be made",
                                0),
                  0u)
            << message;
    }
    EXPECT_EQ(ReadFile(session.OverridePath()), ReadFile(TESSELLAR_DEMO_OVERRIDES));
}

// A work file that vanishes while the program is open (a cleaner of the
// temporary folder) once took its section out of the saved file.
TEST(WorkFolderFaults, ASaveWithAMissingWorkFileIsRefusedAndChangesNothing) {
    Session session;
    session.Open();
    ASSERT_TRUE(session.Run("CUSTOMER", "Modify screen title", NoKey(), {Q("Kept")}));
    const std::string workFile = session.Doc().Workspace().Sections().WorkFileOf("ORDER");
    ASSERT_FALSE(workFile.empty());
    fs::remove(workFile);
    session.Sink().Clear();
    EXPECT_FALSE(session.Doc().Save(session.Sink()));
    EXPECT_EQ(session.Sink().Messages(),
              (std::vector<std::string>{platform::FormatText(overrides::texts::kWorkFileMissing,
                                                             session.OverridePath().c_str(), "screen ORDER")}));
    EXPECT_EQ(ReadFile(session.OverridePath()), ReadFile(TESSELLAR_DEMO_OVERRIDES));
    EXPECT_TRUE(session.Doc().Modified());

    // A command on the entry whose work file went is refused and leaves no step.
    session.Sink().Clear();
    EXPECT_FALSE(session.Run("ORDER", "Modify screen title", NoKey(), {Q("Other")}));
    EXPECT_EQ(session.Sink().Messages(),
              (std::vector<std::string>{platform::FormatText(texts::kWorkFileNotRead, workFile.c_str())}));
    EXPECT_FALSE(session.Doc().CanUndo(session.Find("ORDER")));
}

}  // namespace
}  // namespace document::testing
