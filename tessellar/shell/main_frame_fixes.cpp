// The main window's fixes from the Problems panel: a finding's fix applied
// to its entry's work file as one undo step, or every certain fix of the
// program, one undo step per entry. The core decides what a fix changes and
// whether it applies; the window chooses the entry and shows it.

#include <QDockWidget>
#include <QVBoxLayout>

#include "tessellar/document/document_fixes.h"
#include "tessellar/document/document_problems.h"
#include "tessellar/shell/main_frame.h"
#include "tessellar/shell/problem_fix_bar.h"
#include "tessellar/shell/problems_panel.h"

namespace shell {

QWidget* CMainFrame::ProblemsWithFixes() {
    auto* holder = new QWidget(problemsDock_);
    holder->setObjectName(QStringLiteral("problemsHolder"));
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);
    problemsPanel_->setParent(holder);
    column->addWidget(problemsPanel_);
    ProblemFixBar::Hooks hooks;
    hooks.fixable = [this](const checks::Finding& finding) {
        // Cheap, as the bar asks after every change; the command is made when applied.
        return !editingScreenFile_ && document_->HasProgram() && document::HasApplicableFix(finding);
    };
    hooks.applyFix = [this](const checks::Finding& finding) { ApplyFix(finding); };
    hooks.applyAllCertain = [this] { ApplyAllCertainFixes(); };
    fixBar_ = new ProblemFixBar(*problemsPanel_, std::move(hooks), holder);
    column->addWidget(fixBar_);
    return holder;
}

void CMainFrame::ApplyFix(const checks::Finding& finding) {
    model::CScreenModel* screen = SelectEntry(document::EntryFixedBy(finding));
    if (screen == nullptr) return;
    if (document::ApplyFix(document_->Core(), *screen, finding, *messages_)) ShowOnCanvas(screen);
    AfterChange();
}

void CMainFrame::ApplyAllCertainFixes() {
    // Entry by entry, each from the findings as they stand after the last.
    for (const document::ProblemGroup& group : document::GroupBySection(document::CheckOpenDocument(document_->Core()))) {
        bool certain = false;
        for (const checks::Finding& finding : group.findings) {
            certain = certain || (document::HasApplicableFix(finding) &&
                                  finding.fix->confidence == checks::FixConfidence::Certain);
        }
        if (!certain) continue;
        // A section header's fix is for the entry the program renamed it to.
        std::optional<document::ProblemEntry> entry = document::EntryOf(group.findings.front());
        for (const checks::Finding& finding : group.findings) {
            if (finding.fix && finding.kind == checks::FindingKind::UnknownSection) entry = document::EntryFixedBy(finding);
        }
        model::CScreenModel* screen = SelectEntry(entry);
        if (screen == nullptr) continue;
        if (document::ApplyCertainFixes(document_->Core(), *screen, group.findings, *messages_)) ShowOnCanvas(screen);
    }
    AfterChange();
}

}  // namespace shell
