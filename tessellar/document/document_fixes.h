#pragma once
// Applying the checker's fixes to the open program: each as a command on its
// entry's work file, so it is one undo step ("Apply fix(NEW LINE)") and the
// next save writes it. The window's Problems panel and scfcheck --fix apply
// the same fixes and give the same file.

#include <memory>
#include <optional>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/checks/finding.h"
#include "tessellar/commands/command.h"
#include "tessellar/document/document.h"
#include "tessellar/document/document_problems.h"

namespace document {

// Whether the finding has a fix the window applies: a fix of an identifier
// line, or of a section header (a renamed entry).
bool HasApplicableFix(const checks::Finding& finding);

// The entry a fix is applied to: the finding's own, or for a section header
// the entry the program renamed it to.
std::optional<ProblemEntry> EntryFixedBy(const checks::Finding& finding);

// The command that applies the finding's fix to its entry's work file; none
// without an applicable fix or when its line is gone.
std::unique_ptr<commands::Command> FixCommand(const Document& document, const checks::Finding& finding);

// "Re-attach to name = account_no", "(likely)" added for a likely fix; empty
// without one.
std::string FixText(const checks::Finding& finding);

// Applies one fix to the entry it is for (EntryFixedBy): one undo step. A
// header fix gives the entry the section left under its old name.
bool ApplyFix(Document& document, model::CScreenModel& entry, const checks::Finding& finding,
              platform::MessageSink& sink);

// Applies every certain fix among the findings that is for this entry: one
// undo step for all of them (a header fix, which moves a whole section, is
// a step alone). False when there was none to apply.
bool ApplyCertainFixes(Document& document, model::CScreenModel& entry, const std::vector<checks::Finding>& findings,
                       platform::MessageSink& sink);

}  // namespace document
