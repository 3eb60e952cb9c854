#include "tessellar/shell/file_path_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/path_text.h"
#include "tessellar/shell/frame_texts.h"

namespace shell {

FilePathDialog::FilePathDialog(const std::vector<std::string>& directories, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FilePathDialog"));
    setWindowTitle(QString::fromLatin1(texts::kFilePathTitle));
    setAccessibleName(windowTitle());
    auto* message = new QLabel(QString::fromLatin1(texts::kFilePathMessage), this);
    message->setAccessibleName(message->text());
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("directoryList"));
    list_->setAccessibleName(QString::fromLatin1(texts::kFilePathMessage));
    for (const std::string& directory : directories) list_->addItem(platform::QStringFromPath(directory));
    if (list_->count() > 0) list_->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QString::fromLatin1(texts::kOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromLatin1(texts::kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

std::string FilePathDialog::Chosen() const {
    const QListWidgetItem* item = list_->currentItem();
    return item ? platform::PathFromQString(item->text()) : std::string();
}

std::optional<std::string> FilePathDialog::Ask(const std::vector<std::string>& directories, QWidget* parent) {
    FilePathDialog dialog(directories, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const std::string chosen = dialog.Chosen();
    if (chosen.empty()) return std::nullopt;
    return chosen;
}

}  // namespace shell
