#include "tessellar/shell/preferences_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "tessellar/shell/frame_texts.h"
#include "tessellar/settings/settings_loader.h"

namespace shell {

PreferencesDialog::PreferencesDialog(settings::RegistryAccess& registry, platform::MessageSink& messages, QWidget* parent)
    : QDialog(parent), registry_(registry), messages_(messages), initial_(settings::ReadLaunchMessage(registry)),
      initialInPanel_(settings::ReadProblemsInPanel(registry)) {
    setObjectName(QStringLiteral("PreferencesDialog"));
    setWindowTitle(QString::fromLatin1(texts::kPreferencesTitle));
    setAccessibleName(windowTitle());
    launchWarning_ = new QCheckBox(QString::fromLatin1(texts::kLaunchWarning), this);
    launchWarning_->setObjectName(QStringLiteral("launchWarning"));
    launchWarning_->setAccessibleName(launchWarning_->text());
    launchWarning_->setChecked(initial_);
    problemsInPanel_ = new QCheckBox(QString::fromLatin1(texts::kProblemsInPanel), this);
    problemsInPanel_->setObjectName(QStringLiteral("problemsInPanel"));
    problemsInPanel_->setAccessibleName(problemsInPanel_->text());
    problemsInPanel_->setChecked(initialInPanel_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromLatin1(texts::kOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromLatin1(texts::kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(launchWarning_);
    layout->addWidget(problemsInPanel_);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 36);
}

void PreferencesDialog::done(int result) {
    const bool on = result == QDialog::Accepted ? launchWarning_->isChecked() : initial_;
    settings::WriteLaunchMessage(registry_, on, messages_);
    const bool inPanel = result == QDialog::Accepted ? problemsInPanel_->isChecked() : initialInPanel_;
    settings::WriteProblemsInPanel(registry_, inPanel, messages_);
    QDialog::done(result);
}

}  // namespace shell
