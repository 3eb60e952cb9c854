#include "tessellar/shell/toolbar_customize_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "tessellar/shell/customisable_toolbar.h"
#include "tessellar/shell/frame_texts.h"

namespace shell {
namespace {

QPushButton* Button(const char* text, const char* objectName, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAccessibleName(button->text().remove(QLatin1Char('&')));
    return button;
}

QListWidgetItem* ItemFor(const QString& name, QAction* action) {
    auto* item = new QListWidgetItem;
    if (name == QLatin1String(kSeparatorName) || action == nullptr) {
        item->setText(QString::fromLatin1(texts::kSeparator));
    } else {
        item->setText(action->iconText());
        item->setIcon(action->icon());
    }
    item->setData(Qt::UserRole, name);
    return item;
}

}  // namespace

ToolbarCustomizeDialog::ToolbarCustomizeDialog(QList<CustomisableToolbar*> toolbars, QStringList available,
                                               std::function<QAction*(const QString&)> lookup, QWidget* parent)
    : QDialog(parent), toolbars_(std::move(toolbars)), available_(std::move(available)), lookup_(std::move(lookup)) {
    setObjectName(QStringLiteral("ToolbarCustomizeDialog"));
    setWindowTitle(QString::fromLatin1(texts::kCustomizeTitle));
    setAccessibleName(windowTitle());

    toolbarChoice_ = new QComboBox(this);
    toolbarChoice_->setObjectName(QStringLiteral("toolbarChoice"));
    toolbarChoice_->setAccessibleName(QStringLiteral("Toolbar:"));
    for (CustomisableToolbar* toolbar : toolbars_) toolbarChoice_->addItem(toolbar->windowTitle());
    auto* toolbarLabel = new QLabel(QString::fromLatin1(texts::kToolbarLabel), this);
    toolbarLabel->setBuddy(toolbarChoice_);

    availableList_ = new QListWidget(this);
    availableList_->setObjectName(QStringLiteral("availableButtons"));
    availableList_->setAccessibleName(QString::fromLatin1(texts::kAvailableButtons));
    buttonList_ = new QListWidget(this);
    buttonList_->setObjectName(QStringLiteral("toolbarButtons"));
    buttonList_->setAccessibleName(QString::fromLatin1(texts::kToolbarButtons));

    QPushButton* add = Button(texts::kAddButton, "add", this);
    QPushButton* remove = Button(texts::kRemoveButton, "remove", this);
    QPushButton* up = Button(texts::kMoveUpButton, "moveUp", this);
    QPushButton* down = Button(texts::kMoveDownButton, "moveDown", this);
    QPushButton* reset = Button(texts::kResetButton, "reset", this);
    QPushButton* close = Button(texts::kClose, "close", this);
    connect(add, &QPushButton::clicked, this, &ToolbarCustomizeDialog::Add);
    connect(remove, &QPushButton::clicked, this, &ToolbarCustomizeDialog::Remove);
    connect(up, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(down, &QPushButton::clicked, this, [this] { Move(1); });
    connect(reset, &QPushButton::clicked, this, &ToolbarCustomizeDialog::Reset);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(toolbarChoice_, &QComboBox::currentIndexChanged, this, &ToolbarCustomizeDialog::Refresh);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {add, remove, up, down, reset}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* grid = new QGridLayout(this);
    grid->addWidget(toolbarLabel, 0, 0);
    grid->addWidget(toolbarChoice_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QString::fromLatin1(texts::kAvailableButtons), this), 1, 0);
    grid->addWidget(new QLabel(QString::fromLatin1(texts::kToolbarButtons), this), 1, 2);
    grid->addWidget(availableList_, 2, 0, 1, 2);
    grid->addWidget(buttonList_, 2, 2);
    grid->addLayout(buttons, 2, 3);
    availableList_->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    buttonList_->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    Refresh();
}

CustomisableToolbar* ToolbarCustomizeDialog::Current() const {
    const int index = toolbarChoice_->currentIndex();
    return index >= 0 && index < toolbars_.size() ? toolbars_[index] : nullptr;
}

void ToolbarCustomizeDialog::Refresh() {
    availableList_->clear();
    buttonList_->clear();
    CustomisableToolbar* toolbar = Current();
    if (toolbar == nullptr) return;
    const QStringList buttons = toolbar->Buttons();
    availableList_->addItem(ItemFor(QString::fromLatin1(kSeparatorName), nullptr));
    for (const QString& name : available_) {
        if (!buttons.contains(name)) availableList_->addItem(ItemFor(name, lookup_(name)));
    }
    for (const QString& name : buttons) buttonList_->addItem(ItemFor(name, lookup_(name)));
}

void ToolbarCustomizeDialog::Add() {
    CustomisableToolbar* toolbar = Current();
    const QListWidgetItem* item = availableList_->currentItem();
    if (toolbar == nullptr || item == nullptr) return;
    QStringList buttons = toolbar->Buttons();
    const int at = buttonList_->currentRow() >= 0 ? buttonList_->currentRow() + 1 : static_cast<int>(buttons.size());
    buttons.insert(at, item->data(Qt::UserRole).toString());
    toolbar->SetButtons(buttons);
    Refresh();
    buttonList_->setCurrentRow(std::min(at, buttonList_->count() - 1));
}

void ToolbarCustomizeDialog::Remove() {
    CustomisableToolbar* toolbar = Current();
    const int row = buttonList_->currentRow();
    if (toolbar == nullptr || row < 0) return;
    QStringList buttons = toolbar->Buttons();
    buttons.removeAt(row);
    toolbar->SetButtons(buttons);
    Refresh();
    buttonList_->setCurrentRow(std::min(row, buttonList_->count() - 1));
}

void ToolbarCustomizeDialog::Move(int step) {
    CustomisableToolbar* toolbar = Current();
    const int row = buttonList_->currentRow();
    if (toolbar == nullptr || row < 0) return;
    QStringList buttons = toolbar->Buttons();
    const int to = row + step;
    if (to < 0 || to >= buttons.size()) return;
    buttons.swapItemsAt(row, to);
    toolbar->SetButtons(buttons);
    Refresh();
    buttonList_->setCurrentRow(to);
}

void ToolbarCustomizeDialog::Reset() {
    if (CustomisableToolbar* toolbar = Current()) toolbar->Reset();
    Refresh();
}

}  // namespace shell
