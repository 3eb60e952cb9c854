// The suppressed field list dialog, followed by the placement dialog.

#include "tessellar/lists/qt/suppressed_field_dialog.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/qt/cp1252_text.h"
#include "tessellar/lists/list_texts.h"
#include "tessellar/lists/qt/field_placement_dialog.h"

namespace lists {

namespace {

constexpr int kVisibleLines = 12;

QPushButton* Button(QDialog& dialog, const char* caption, const char* objectName) {
    auto* button = new QPushButton(QString::fromLatin1(caption), &dialog);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAccessibleName(button->text());
    return button;
}

// The chosen line, or none when the list was left without one.
std::optional<SuppressedLine> ChooseLine(QWidget* parent, const std::vector<SuppressedLine>& lines,
                                         SuppressedListUse use) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("suppressedFieldDialog"));
    const char* title = use == SuppressedListUse::DataEntryFields ? texts::kDataEntryTitle : texts::kSuppressedTitle;
    dialog.setWindowTitle(QString::fromLatin1(title));
    dialog.setAccessibleName(dialog.windowTitle());

    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("suppressedList"));
    list->setAccessibleName(dialog.windowTitle());
    int widest = list->fontMetrics().horizontalAdvance(dialog.windowTitle());
    for (const SuppressedLine& line : lines) {
        const QString text = platform::QStringFromCp1252(line.text);
        list->addItem(text);
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(text));
    }
    list->setCurrentRow(-1);
    // Wide enough for the longest line, high enough for a dozen.
    const int frame = 2 * list->frameWidth() + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    list->setMinimumSize(widest + frame + list->fontMetrics().averageCharWidth() * 2,
                         list->fontMetrics().height() * kVisibleLines + frame);

    QPushButton* unsuppress = Button(dialog, texts::kUnsuppressButton, "unsuppressButton");
    unsuppress->setDefault(true);
    QPushButton* cancel = Button(dialog, texts::kCancelButton, "cancelButton");
    QObject::connect(unsuppress, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(unsuppress);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list, 1);
    layout->addLayout(buttons);

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const int row = list->currentRow();
    if (row < 0 || row >= static_cast<int>(lines.size()) || list->selectedItems().isEmpty()) return std::nullopt;
    return lines[static_cast<std::size_t>(row)];
}

// The item the overlap test leaves out: the one being placed.
const void* ItemOf(model::CScreenModel& screen, const commands::ItemKey& key) {
    const std::optional<commands::ResolvedItem> item = commands::Resolve(screen, key);
    if (!item) return nullptr;
    if (item->display != nullptr) return item->display;
    if (item->accept != nullptr) return item->accept;
    return item->option;
}

}  // namespace

std::optional<ReleasedField> ChooseSuppressedField(QWidget* parent, model::CScreenModel& screen,
                                                   SuppressedListUse use) {
    const std::optional<SuppressedLine> line = ChooseLine(parent, SuppressedFieldLines(screen, use), use);
    if (!line) return std::nullopt;
    const std::optional<commands::ItemClass> kind = KindOfLine(line->text);
    const model::CScreenWnd* frame = screen.Frame();
    const int rows = frame != nullptr ? frame->Rows() : model::kDefaultBottomRow;
    const int columns = frame != nullptr ? frame->Columns() : model::kDefaultRightColumn;
    const std::optional<model::CellPosition> to = lists::PlaceUnsuppressedField(
        parent, screen, line->name, line->at, rows, columns, ItemOf(screen, line->key));
    if (!to) return std::nullopt;
    return ReleasedField{kind.value_or(line->key.itemClass), line->key, line->name, line->at, *to};
}

}  // namespace lists
