#include "tessellar/lists/qt/message_list_dialog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

#include "platform/qt/cp1252_text.h"
#include "tessellar/lists/list_texts.h"
#include "tessellar/help/qt/help_viewer.h"

namespace lists {
namespace {

struct ColumnSpec {
    MessageColumn column;
    const char* caption;
    int width;  // in pixels of a font whose average character is kReferenceCharWidth wide
};
// Created in this order; the header then shows "Original" first.
constexpr std::array<ColumnSpec, 4> kColumns = {{
    {MessageColumn::Override, texts::kOverrideColumn, 400},
    {MessageColumn::Original, texts::kOriginalColumn, 400},
    {MessageColumn::Type, texts::kTypeColumn, 80},
    {MessageColumn::Id, texts::kIdColumn, 40},
}};
constexpr int kReferenceCharWidth = 6;
constexpr int kIdRole = Qt::UserRole;

int Logical(MessageColumn column) { return static_cast<int>(column); }

// The in-place editor holds no more than a working text may.
class OverrideDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setMaxLength(static_cast<int>(kWorkingTextLength));
            line->setObjectName(QStringLiteral("overrideEditor"));
        }
        return editor;
    }
};

QString Text(std::string_view bytes) { return platform::QStringFromCp1252(bytes); }

}  // namespace

MessageListDialog::MessageListDialog(MessageList& list, QWidget* parent) : QDialog(parent), list_(list) {
    setObjectName(QStringLiteral("MessageListDialog"));
    setWindowTitle(QString::fromLatin1(texts::kMessageListTitle));
    setAccessibleName(windowTitle());

    table_ = new QTableWidget(0, static_cast<int>(kColumns.size()), this);
    table_->setObjectName(QStringLiteral("messageList"));
    table_->setAccessibleName(windowTitle());
    QStringList captions;
    for (const ColumnSpec& spec : kColumns) captions << QString::fromLatin1(spec.caption);
    table_->setHorizontalHeaderLabels(captions);
    table_->setShowGrid(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked);
    table_->setItemDelegateForColumn(Logical(MessageColumn::Override), new OverrideDelegate(table_));
    table_->verticalHeader()->hide();
    table_->setWordWrap(false);

    QHeaderView* header = table_->horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setHighlightSections(false);
    header->moveSection(Logical(MessageColumn::Original), Logical(MessageColumn::Override));
    // The widths scale with the font, and no caption or type word is cut.
    const QFontMetrics metrics = table_->fontMetrics();
    const int charWidth = qMax(kReferenceCharWidth, metrics.averageCharWidth());
    const int padding = 4 * metrics.horizontalAdvance(QLatin1Char(' ')) + header->style()->pixelMetric(QStyle::PM_HeaderMarkSize);
    int total = 0;
    for (const ColumnSpec& spec : kColumns) {
        int width = spec.width * charWidth / kReferenceCharWidth;
        width = qMax(width, metrics.horizontalAdvance(QString::fromLatin1(spec.caption)) + padding);
        if (spec.column == MessageColumn::Type) {
            width = qMax(width, metrics.horizontalAdvance(QString::fromLatin1(texts::kAcknowledgeWord)) + padding);
        }
        header->resizeSection(Logical(spec.column), width);
        total += width;
    }
    header->setStretchLastSection(false);
    connect(header, &QHeaderView::sectionClicked, this, &MessageListDialog::HeaderClicked);
    connect(table_, &QTableWidget::cellChanged, this, &MessageListDialog::CellEdited);

    auto* filter = new QWidget(this);
    all_ = new QRadioButton(QString::fromLatin1(texts::kAllMessages), filter);
    all_->setObjectName(QStringLiteral("allMessages"));
    overridden_ = new QRadioButton(QString::fromLatin1(texts::kOverriddenMessages), filter);
    overridden_->setObjectName(QStringLiteral("overriddenMessages"));
    all_->setChecked(list_.Filter() == MessageFilter::All);
    overridden_->setChecked(list_.Filter() == MessageFilter::Overridden);
    auto* filterLayout = new QHBoxLayout(filter);
    filterLayout->setContentsMargins(0, 0, 0, 0);
    filterLayout->addWidget(all_);
    filterLayout->addWidget(overridden_);
    filterLayout->addStretch(1);
    connect(overridden_, &QRadioButton::toggled, this, [this](bool on) {
        list_.SetFilter(on ? MessageFilter::Overridden : MessageFilter::All);
        FillRows();
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    resetItem_ = buttons->addButton(QString::fromLatin1(texts::kResetItem), QDialogButtonBox::ResetRole);
    resetItem_->setObjectName(QStringLiteral("resetItem"));
    QPushButton* resetAll = buttons->addButton(QString::fromLatin1(texts::kResetAll), QDialogButtonBox::ResetRole);
    resetAll->setObjectName(QStringLiteral("resetAll"));
    for (QAbstractButton* button : buttons->buttons()) button->setAccessibleName(button->text());
    for (QRadioButton* radio : {all_, overridden_}) radio->setAccessibleName(radio->text());
    resetItem_->setEnabled(false);
    connect(resetItem_, &QPushButton::clicked, this, &MessageListDialog::ResetSelected);
    connect(resetAll, &QPushButton::clicked, this, &MessageListDialog::ResetEveryRow);
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { resetItem_->setEnabled(!table_->selectionModel()->selectedRows().isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { help::ShowHelpPage(this, texts::kMessageListHelp); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(filter);
    layout->addWidget(buttons);

    FillRows();
    // Room for every column, within the screen the dialog opens on.
    const int frame = 2 * table_->frameWidth() + table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    int wanted = total + frame + layout->contentsMargins().left() + layout->contentsMargins().right();
    const QScreen* screen = parent != nullptr && parent->screen() != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) wanted = qMin(wanted, screen->availableGeometry().width() * 9 / 10);
    // A dozen rows show without scrolling.
    const int rows = 12 * table_->verticalHeader()->defaultSectionSize() + table_->horizontalHeader()->sizeHint().height();
    int height = sizeHint().height() - table_->sizeHint().height() + rows + frame;
    if (screen != nullptr) height = qMin(height, screen->availableGeometry().height() * 9 / 10);
    resize(wanted, height);
}

void MessageListDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        help::ShowHelpPage(this, texts::kMessageListHelp);
        return;
    }
    QDialog::keyPressEvent(event);
}

void MessageListDialog::FillRows() {
    filling_ = true;
    const std::vector<int> ids = list_.Rows();
    table_->clearContents();
    table_->setRowCount(static_cast<int>(ids.size()));
    for (int row = 0; row < static_cast<int>(ids.size()); ++row) {
        const MessageRow& message = list_.Messages()[static_cast<std::size_t>(ids[static_cast<std::size_t>(row)])];
        const std::array<QString, 4> cells = {Text(message.working), Text(message.original),
                                              Text(MessageList::TypeWord(message)), QString::number(message.id)};
        for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
            auto* item = new QTableWidgetItem(cells[static_cast<std::size_t>(column)]);
            item->setData(kIdRole, message.id);
            Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
            if (column == Logical(MessageColumn::Override)) flags |= Qt::ItemIsEditable;
            item->setFlags(flags);
            if (column == Logical(MessageColumn::Id)) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
    }
    QHeaderView* header = table_->horizontalHeader();
    const std::vector<SortKey>& keys = list_.SortKeys();
    header->setSortIndicatorShown(!keys.empty());
    if (!keys.empty()) {
        header->setSortIndicator(Logical(keys.front().column),
                                 keys.front().ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    }
    filling_ = false;
    resetItem_->setEnabled(!table_->selectionModel()->selectedRows().isEmpty());
}

void MessageListDialog::ShowWorkingTexts() {
    filling_ = true;
    for (int row = 0; row < table_->rowCount(); ++row) {
        const int id = IdOfRow(row);
        if (id < 0) continue;
        table_->item(row, Logical(MessageColumn::Override))
            ->setText(Text(list_.Messages()[static_cast<std::size_t>(id)].working));
    }
    filling_ = false;
}

int MessageListDialog::IdOfRow(int row) const {
    const QTableWidgetItem* item = table_->item(row, Logical(MessageColumn::Id));
    return item == nullptr ? -1 : item->data(kIdRole).toInt();
}

void MessageListDialog::CellEdited(int row, int column) {
    if (filling_ || column != Logical(MessageColumn::Override)) return;
    const int id = IdOfRow(row);
    QTableWidgetItem* item = table_->item(row, column);
    if (id < 0 || item == nullptr) return;
    list_.Edit(id, platform::Cp1252FromQString(item->text()));
    // An emptied cell, or one cut to the limit, shows what the list holds.
    filling_ = true;
    item->setText(Text(list_.Messages()[static_cast<std::size_t>(id)].working));
    filling_ = false;
}

void MessageListDialog::HeaderClicked(int column) {
    if (column < 0 || column >= static_cast<int>(kColumns.size())) return;
    list_.SortByColumn(kColumns[static_cast<std::size_t>(column)].column);
    FillRows();
}

void MessageListDialog::ResetSelected() {
    std::vector<int> ids;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) ids.push_back(IdOfRow(index.row()));
    list_.Reset(ids);
    ShowWorkingTexts();
}

void MessageListDialog::ResetEveryRow() {
    list_.ResetAll();
    ShowWorkingTexts();
}

bool ListScreenMessages(const sheets::SheetContext& context) {
    MessageList list(context.screen);
    bool issued = false;
    {
        MessageListDialog dialog(list, context.parent);
        if (dialog.exec() == QDialog::Accepted) issued = list.Commit(context.document, context.screen, context.sink);
    }
    // Whatever was not committed goes back to the text in force.
    if (!issued) MessageList::Cancel(context.screen);
    return issued;
}

}  // namespace lists
