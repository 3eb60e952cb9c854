#include "tessellar/mapping/qt/network_mapping_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "platform/message_format.h"
#include "platform/qt/cp1252_text.h"
#include "tessellar/mapping/mapping_change.h"
#include "tessellar/mapping/qt/network_drive_mapping_dialog.h"
#include "tessellar/mapping/mapping_texts.h"

namespace mapping {

namespace {

using platform::QStringFromCp1252;

// The dialog's 296 x 214 dialog units at the usual 8-point dialog font.
constexpr int kWidth = 444;
constexpr int kHeight = 348;

std::string MessageFor(const MappingRequest& request) {
    const bool forward = request.direction == MappingDirection::ServerToClient;
    if (request.file.empty()) return forward ? texts::kForwardWithoutFile : texts::kReverseWithoutFile;
    return platform::FormatText(forward ? texts::kForwardWithFile : texts::kReverseWithFile, request.file.c_str());
}

QPushButton* AddButton(QHBoxLayout* row, const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QStringFromCp1252(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

}  // namespace

NetworkMappingDialog::NetworkMappingDialog(const MappingRequest& request, DirectoryMappings& mappings,
                                           settings::RegistryAccess& registry, platform::MessageSink& messages,
                                           QWidget* parent)
    : QDialog(parent),
      direction_(request.direction),
      registry_(registry),
      messages_(messages),
      rows_(request.direction == MappingDirection::ServerToClient ? mappings.ByServerDirectory(request.use)
                                                                   : mappings.ByClientPath(request.use)),
      serverList_(new QListWidget(this)),
      clientList_(new QListWidget(this)) {
    setWindowTitle(QStringFromCp1252(texts::kNetworkMappingTitle));
    resize(kWidth, kHeight);

    auto* message = new QLabel(QStringFromCp1252(MessageFor(request)), this);
    message->setObjectName(QStringLiteral("message"));
    message->setWordWrap(true);
    message->setTextFormat(Qt::PlainText);
    serverList_->setObjectName(QStringLiteral("serverList"));
    clientList_->setObjectName(QStringLiteral("clientList"));

    auto* buttons = new QHBoxLayout;
    auto* help = AddButton(buttons, texts::kHelpButton, "help", this);
    mapButton_ = AddButton(buttons, texts::kMapNetworkDriveButton, "mapNetworkDrive", this);
    buttons->addStretch();
    okButton_ = AddButton(buttons, texts::kOkButton, "ok", this);
    okButton_->setDefault(true);
    auto* cancel = AddButton(buttons, texts::kCancelButton, "cancel", this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(message, 0, 0, 1, 2);
    layout->addWidget(new QLabel(QStringFromCp1252(texts::kServerDirectoryLabel), this), 1, 0);
    layout->addWidget(new QLabel(QStringFromCp1252(texts::kClientNetworkPathLabel), this), 1, 1);
    layout->addWidget(serverList_, 2, 0);
    layout->addWidget(clientList_, 2, 1);
    layout->addLayout(buttons, 3, 0, 1, 2);

    FillLists();

    connect(serverList_, &QListWidget::currentRowChanged, this, &NetworkMappingDialog::SelectRow);
    connect(clientList_, &QListWidget::currentRowChanged, this, &NetworkMappingDialog::SelectRow);
    connect(serverList_, &QListWidget::itemDoubleClicked, this, &NetworkMappingDialog::MapSelectedEntry);
    connect(mapButton_, &QPushButton::clicked, this, &NetworkMappingDialog::MapSelectedEntry);
    connect(okButton_, &QPushButton::clicked, this, &NetworkMappingDialog::Accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        emit HelpRequested(QStringFromCp1252(texts::kMappingHelpFile), texts::kMappingHelpTopic);
    });
}

void NetworkMappingDialog::FillLists() {
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        serverList_->addItem(QString());
        clientList_->addItem(QString());
        FillRow(static_cast<int>(row));
    }
    // Nothing to map or choose without entries.
    const bool any = !rows_.empty();
    mapButton_->setEnabled(any);
    okButton_->setEnabled(any);
    if (any) SelectRow(0);
}

void NetworkMappingDialog::FillRow(int row) {
    const DirectoryMapping& mapping = *rows_[static_cast<std::size_t>(row)];
    serverList_->item(row)->setText(QStringFromCp1252(mapping.serverDirectory));
    clientList_->item(row)->setText(QStringFromCp1252(mapping.clientPath));
}

void NetworkMappingDialog::SelectRow(int row) {
    if (row < 0) return;
    serverList_->setCurrentRow(row);
    clientList_->setCurrentRow(row);
}

void NetworkMappingDialog::MapSelectedEntry() {
    const int row = serverList_->currentRow();
    if (row < 0) return;
    DirectoryMapping& mapping = *rows_[static_cast<std::size_t>(row)];
    NetworkDriveMappingDialog edit(QStringFromCp1252(MappingTextToEdit(mapping, direction_)), this);
    if (edit.exec() != QDialog::Accepted) return;
    if (ChangeMapping(mapping, direction_, platform::Cp1252FromQString(edit.Text()), registry_, messages_)) {
        FillRow(row);
    }
}

void NetworkMappingDialog::Accept() {
    const int row = serverList_->currentRow();
    if (row < 0) return;
    const DirectoryMapping& mapping = *rows_[static_cast<std::size_t>(row)];
    chosen_ = direction_ == MappingDirection::ServerToClient ? mapping.serverDirectory : mapping.clientPath;
    accept();
}

MappingPrompt MakeNetworkMappingPrompt(QWidget* parent, settings::RegistryAccess& registry, platform::MessageSink& messages,
                                       std::function<void(const QString&, int)> help) {
    return [parent, &registry, &messages, help](const MappingRequest& request,
                                               DirectoryMappings& mappings) -> std::optional<std::string> {
        NetworkMappingDialog dialog(request, mappings, registry, messages, parent);
        if (help) QObject::connect(&dialog, &NetworkMappingDialog::HelpRequested, &dialog, help);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.Chosen();
    };
}

}  // namespace mapping
