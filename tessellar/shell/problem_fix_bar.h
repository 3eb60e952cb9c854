#pragma once
// The buttons under the Problems panel: "Apply Fix" for the chosen finding
// and "Apply All Certain Fixes" for the whole program. Whether a finding's
// fix can be applied, and applying it, are the window's (and so the core's)
// business; the bar only asks and tells.

#include <QPushButton>
#include <QWidget>

#include <functional>

#include "tessellar/checks/finding.h"

namespace shell {

class ProblemsPanel;

class ProblemFixBar : public QWidget {
    Q_OBJECT
public:
    struct Hooks {
        std::function<bool(const checks::Finding&)> fixable;  // the finding's fix applies to a work file
        std::function<void(const checks::Finding&)> applyFix;
        std::function<void()> applyAllCertain;
    };
    ProblemFixBar(ProblemsPanel& panel, Hooks hooks, QWidget* parent = nullptr);

    // After the panel's findings or its current row changed.
    void Refresh();
    QPushButton* ApplyFixButton() const { return applyFix_; }
    QPushButton* ApplyAllButton() const { return applyAll_; }

private:
    ProblemsPanel& panel_;
    Hooks hooks_;
    QPushButton* applyFix_;
    QPushButton* applyAll_;
};

}  // namespace shell
