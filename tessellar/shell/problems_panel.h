#pragma once
// The Problems panel: the findings of the open program's override text,
// one branch per entry ("screen CUSTOMER (2)") with a row per finding: the
// line a save would give it, its severity, message and hint. A
// double click hands the finding back to the window, which shows it.

#include <QTreeWidget>

#include <functional>
#include <vector>

#include "tessellar/checks/finding.h"
#include "tessellar/document/document_problems.h"

namespace shell {

class ProblemsPanel : public QTreeWidget {
    Q_OBJECT
public:
    // A finding's row: its line, then its message.
    static constexpr int kLineColumn = 0;
    static constexpr int kMessageColumn = 1;

    explicit ProblemsPanel(QWidget* parent = nullptr);

    void ShowFindings(const std::vector<document::ProblemGroup>& groups);
    // What a double click on a finding's row does.
    void OnActivated(std::function<void(const checks::Finding&)> activated) { activated_ = std::move(activated); }
    // The finding of a row; null for an entry's branch.
    const checks::Finding* FindingOf(const QTreeWidgetItem* item) const;
    const std::vector<checks::Finding>& Findings() const { return findings_; }
    QSize sizeHint() const override;

private:
    std::vector<checks::Finding> findings_;
    std::function<void(const checks::Finding&)> activated_;
};

// "error: MESSAGE [HINT] [likely fix: NEW LINE]", as scfcheck ends its lines.
QString ProblemText(const checks::Finding& finding);

}  // namespace shell
