#include "tessellar/sheets/qt/field_list_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "tessellar/help/qt/help_viewer.h"
#include "tessellar/sheets/accept_texts.h"
#include "tessellar/sheets/sheet_texts.h"

namespace sheets {

namespace {

struct ModeInfo {
    model::FieldList list;
    const char* title;
    int help;
};

ModeInfo InfoOf(FieldListMode mode) {
    switch (mode) {
        case FieldListMode::Database:
            return {model::FieldList::RecordSource, texts::kDatabaseFieldsTitle, texts::kDatabaseFieldsHelp};
        case FieldListMode::Local:
            return {model::FieldList::ScreenLocal, texts::kLocalFieldsTitle, texts::kLocalFieldsHelp};
        case FieldListMode::Global: break;
    }
    return {model::FieldList::Program, texts::kGlobalFieldsTitle, texts::kGlobalFieldsHelp};
}

}  // namespace

std::optional<std::string> ChooseField(QWidget* parent, const model::CScreenModel& screen, FieldListMode mode,
                                       const QString& label, bool marking) {
    const ModeInfo info = InfoOf(mode);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("FieldListDialog"));
    dialog.setWindowTitle(QString::fromLatin1(info.title));
    dialog.setAccessibleName(dialog.windowTitle());

    const QString labelText = label.isEmpty() ? QString::fromLatin1(texts::kSelectLabel) : label;
    auto* caption = new QLabel(labelText, &dialog);
    caption->setAccessibleName(labelText);
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("FieldList"));
    list->setAccessibleName(labelText);
    caption->setBuddy(list);
    for (const model::CFieldEntry& field : screen.Fields(info.list)) {
        if (!field.listed) continue;
        QString text = QString::fromLatin1(field.name.data(), static_cast<int>(field.name.size()));
        if (marking && field.shownByDisplay) text.prepend(QLatin1Char(texts::kShownMark));
        auto* item = new QListWidgetItem(text, list);
        item->setData(Qt::UserRole, QString::fromLatin1(field.name.data(), static_cast<int>(field.name.size())));
    }
    if (list->count() > 0) list->setCurrentRow(0);
    // Wide enough for the longest name without a scroll bar across.
    list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QString(32, QLatin1Char('M'))));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QPushButton* help = buttons->addButton(QString::fromLatin1(texts::kHelp), QDialogButtonBox::HelpRole);
    help->setAccessibleName(help->text());
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(help, &QPushButton::clicked, &dialog,
                     [&dialog, info] { help::ShowHelpPage(&dialog, info.help); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(caption);
    layout->addWidget(list);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QListWidgetItem* chosen = list->currentItem();
    if (chosen == nullptr) return std::nullopt;
    return chosen->data(Qt::UserRole).toString().toStdString();
}

}  // namespace sheets
