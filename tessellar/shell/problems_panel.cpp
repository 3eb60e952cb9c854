#include "tessellar/shell/problems_panel.h"

#include <QHeaderView>
#include <QStyle>

#include "platform/qt/cp1252_text.h"
#include "tessellar/shell/frame_texts.h"

namespace shell {
namespace {

constexpr int kFindingRole = Qt::UserRole;
constexpr int kVisibleRows = 6;  // how many rows the panel shows when first docked

}  // namespace

QString ProblemText(const checks::Finding& finding) { return platform::QStringFromCp1252(checks::FindingText(finding)); }

ProblemsPanel::ProblemsPanel(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("problemsList"));
    setAccessibleName(QString::fromLatin1(texts::kProblemsTitle));
    // The line first, beside its message however wide the window; an entry's
    // branch spans both columns.
    setColumnCount(2);
    setHeaderLabels({QString::fromLatin1(texts::kLineColumn), QString::fromLatin1(texts::kProblemColumn)});
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(kLineColumn, QHeaderView::ResizeToContents);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setExpandsOnDoubleClick(false);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const checks::Finding* finding = FindingOf(item);
        if (finding != nullptr && activated_) activated_(*finding);
    });
}

void ProblemsPanel::ShowFindings(const std::vector<document::ProblemGroup>& groups) {
    clear();
    findings_.clear();
    for (const document::ProblemGroup& group : groups) findings_.insert(findings_.end(), group.findings.begin(), group.findings.end());
    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    std::size_t index = 0;
    for (const document::ProblemGroup& group : groups) {
        auto* branch = new QTreeWidgetItem(this);
        branch->setText(0, QStringLiteral("%1 (%2)").arg(platform::QStringFromCp1252(group.section)).arg(group.findings.size()));
        branch->setFirstColumnSpanned(true);
        for (const checks::Finding& finding : group.findings) {
            auto* row = new QTreeWidgetItem(branch);
            row->setText(kMessageColumn, ProblemText(finding));
            row->setText(kLineColumn, QString::number(finding.line));
            row->setTextAlignment(kLineColumn, Qt::AlignRight | Qt::AlignVCenter);
            row->setIcon(kMessageColumn, finding.severity() == checks::Severity::Error ? error : warning);
            row->setToolTip(kMessageColumn, row->text(kMessageColumn));
            row->setData(0, kFindingRole, static_cast<qulonglong>(index++));
        }
    }
    expandAll();
}

const checks::Finding* ProblemsPanel::FindingOf(const QTreeWidgetItem* item) const {
    if (item == nullptr || item->parent() == nullptr) return nullptr;
    const auto index = static_cast<std::size_t>(item->data(0, kFindingRole).toULongLong());
    return index < findings_.size() ? &findings_[index] : nullptr;
}

QSize ProblemsPanel::sizeHint() const {
    const int rows = fontMetrics().height() * (kVisibleRows + 1);
    return {QTreeWidget::sizeHint().width(), rows + header()->sizeHint().height()};
}

}  // namespace shell
