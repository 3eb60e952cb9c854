#include "tessellar/sheets/qt/mode_list_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "tessellar/sheets/qt/sheet_text.h"
#include "tessellar/sheets/sheet_texts.h"
#include "tessellar/help/qt/help_viewer.h"

namespace sheets {

ModeListDialog::ModeListDialog(const model::CScreenModel& screen, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ModeListDialog"));
    setWindowTitle(QString::fromLatin1(texts::kModeListTitle));
    setAccessibleName(windowTitle());
    auto* label = new QLabel(Latin(screen.Name()), this);
    label->setAccessibleName(label->text());
    list_ = new QListWidget(this);
    list_->setAccessibleName(windowTitle());
    for (const model::CModeItem& mode : screen.Modes(model::ModeList::Screen)) {
        const bool named = mode.identification == model::IdentificationKind::Name;
        list_->addItem(Latin(named ? mode.identifier : mode.label.Current()));
    }
    if (list_->count() > 0) list_->setCurrentRow(0);
    label->setBuddy(list_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help,
                                         this);
    for (QAbstractButton* button : buttons->buttons()) button->setAccessibleName(button->text());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { help::ShowHelpPage(this, texts::kModeListHelp); });
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
}

int ModeListDialog::Chosen() const { return list_->currentRow(); }

int ChooseModeFromList(const SheetContext& context) {
    if (context.screen.Modes(model::ModeList::Screen).Empty()) return -1;
    ModeListDialog dialog(context.screen, context.parent);
    if (dialog.exec() != QDialog::Accepted) return -1;
    return dialog.Chosen();
}

}  // namespace sheets
