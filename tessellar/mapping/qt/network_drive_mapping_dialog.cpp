#include "tessellar/mapping/qt/network_drive_mapping_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/cp1252_text.h"
#include "tessellar/mapping/directory_mappings.h"
#include "tessellar/mapping/mapping_texts.h"

namespace mapping {

NetworkDriveMappingDialog::NetworkDriveMappingDialog(const QString& text, QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(text, this)) {
    setWindowTitle(platform::QStringFromCp1252(texts::kDriveMappingTitle));
    edit_->setObjectName(QStringLiteral("newText"));
    edit_->setMaxLength(static_cast<int>(kMappingPathLimit));
    edit_->setMinimumWidth(320);

    auto* label = new QLabel(platform::QStringFromCp1252(texts::kNewTextLabel), this);
    label->setBuddy(edit_);
    auto* browse = new QPushButton(platform::QStringFromCp1252(texts::kBrowseButton), this);
    browse->setObjectName(QStringLiteral("browse"));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &NetworkDriveMappingDialog::Browse);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(platform::QStringFromCp1252(texts::kOkButton), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    buttons->addButton(platform::QStringFromCp1252(texts::kCancelButton), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(edit_, 0, 1);
    layout->addWidget(browse, 0, 2);
    layout->addWidget(buttons, 1, 0, 1, 3);
}

QString NetworkDriveMappingDialog::Text() const { return edit_->text(); }

void NetworkDriveMappingDialog::Browse() {
    const QString folder = QFileDialog::getExistingDirectory(this, QString(), edit_->text());
    if (!folder.isEmpty()) edit_->setText(QDir::toNativeSeparators(folder));
}

}  // namespace mapping
