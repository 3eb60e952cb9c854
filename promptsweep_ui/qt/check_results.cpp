#include "promptsweep_ui/qt/check_results.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/path_text.h"
#include "promptsweep_ui/check_plan.h"
#include "promptsweep_ui/qt/window_text.h"
#include "promptsweep_ui/ui_texts.h"

namespace sweepui {

CheckResults::CheckResults(int exitStatus, const QByteArray& findings, const QByteArray& notes, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmCheckResults"));
    setWindowTitle(Latin(texts::kCheckTitle));
    setAccessibleName(windowTitle());
    const QStringList lines = FromConsoleBytes(findings).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList noteLines = FromConsoleBytes(notes).split(QLatin1Char('\n'), Qt::SkipEmptyParts);

    heading_ = new QLabel(platform::QStringFromPath(CheckSummary(exitStatus, static_cast<std::size_t>(lines.size()))), this);
    heading_->setObjectName(QStringLiteral("lblCheckSummary"));
    heading_->setAccessibleName(heading_->text());
    heading_->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstFindings"));
    list_->setAccessibleName(Latin(texts::kCheckFindingsName));
    for (const QString& line : lines) list_->addItem(line.trimmed());
    for (const QString& note : noteLines) {
        auto* item = new QListWidgetItem(note.trimmed(), list_);
        item->setForeground(palette().color(QPalette::PlaceholderText));
    }
    list_->setMinimumSize(fontMetrics().averageCharWidth() * 100, fontMetrics().height() * 12);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText(Latin(texts::kClose));
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAccessibleName(close->text());
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
}

QString CheckResults::Heading() const { return heading_->text(); }

}  // namespace sweepui
