#include "tessellar/shell/problem_fix_bar.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QStyle>

#include "platform/qt/cp1252_text.h"
#include "tessellar/document/document_fixes.h"
#include "tessellar/shell/frame_texts.h"
#include "tessellar/shell/problems_panel.h"

namespace shell {

ProblemFixBar::ProblemFixBar(ProblemsPanel& panel, Hooks hooks, QWidget* parent)
    : QWidget(parent),
      panel_(panel),
      hooks_(std::move(hooks)),
      applyFix_(new QPushButton(QString::fromLatin1(texts::kApplyFix), this)),
      applyAll_(new QPushButton(QString::fromLatin1(texts::kApplyAllCertainFixes), this)) {
    setObjectName(QStringLiteral("problemFixBar"));
    applyFix_->setObjectName(QStringLiteral("applyFixButton"));
    applyAll_->setObjectName(QStringLiteral("applyAllCertainFixesButton"));
    for (QPushButton* button : {applyFix_, applyAll_}) {
        button->setAccessibleName(button->text());
        button->setAutoDefault(false);
    }
    auto* row = new QHBoxLayout(this);
    // The buttons keep the style's distance from the dock's edges, half of it above and below.
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    row->setContentsMargins(margin, margin / 2, margin, margin / 2);
    row->addWidget(applyFix_);
    row->addWidget(applyAll_);
    row->addStretch();

    const auto current = [this]() { return panel_.FindingOf(panel_.currentItem()); };
    connect(applyFix_, &QPushButton::clicked, this, [this, current] {
        if (const checks::Finding* finding = current(); finding != nullptr && hooks_.applyFix) {
            const checks::Finding chosen = *finding;  // the panel is refilled by the fix
            hooks_.applyFix(chosen);
        }
    });
    connect(applyAll_, &QPushButton::clicked, this, [this] {
        if (hooks_.applyAllCertain) hooks_.applyAllCertain();
    });
    connect(&panel_, &QTreeWidget::currentItemChanged, this, &ProblemFixBar::Refresh);

    // The row's context menu offers the same two.
    panel_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&panel_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        panel_.setCurrentItem(panel_.itemAt(at));
        Refresh();
        QMenu menu(&panel_);
        menu.addAction(applyFix_->text(), applyFix_, &QPushButton::click)->setEnabled(applyFix_->isEnabled());
        menu.addAction(applyAll_->text(), applyAll_, &QPushButton::click)->setEnabled(applyAll_->isEnabled());
        menu.exec(panel_.viewport()->mapToGlobal(at));
    });
    Refresh();
}

void ProblemFixBar::Refresh() {
    const checks::Finding* finding = panel_.FindingOf(panel_.currentItem());
    const bool fixable = finding != nullptr && hooks_.fixable && hooks_.fixable(*finding);
    applyFix_->setEnabled(fixable);
    applyFix_->setToolTip(fixable ? platform::QStringFromCp1252(document::FixText(*finding)) : QString());
    bool anyCertain = false;
    for (const checks::Finding& each : panel_.Findings()) {
        anyCertain = anyCertain || (each.fix && each.fix->confidence == checks::FixConfidence::Certain &&
                                    hooks_.fixable && hooks_.fixable(each));
    }
    applyAll_->setEnabled(anyCertain);
}

}  // namespace shell
