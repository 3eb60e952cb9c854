#include <gtest/gtest.h>

#include "promptsweep/tests/run_tool.h"
#include "promptsweep/tests/sample_programs.h"

namespace promptsweep::testing {
namespace {

TEST(Scratch, Show) {
    OpenScratch scratch;
    WriteProgram(CustomerProgram(), scratch.Path() / "cust.op6");
    const ToolRun run = RunTool({scratch.Path().string(), "-R", "Customer", "Client", "-O", "1", "-V"});
    std::printf("%s\n---\n%s\n---\n%s\n", run.output.c_str(), ReadText(scratch.Path() / "cust.scf").c_str(),
                ReadText(scratch.Path() / "promptsweeplog.txt").c_str());
}

}  // namespace
}  // namespace promptsweep::testing
