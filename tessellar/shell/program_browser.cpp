#include "tessellar/shell/program_browser.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>

#include "platform/qt/cp1252_text.h"
#include "tessellar/shell/frame_texts.h"

namespace shell {
namespace {

using program::BrowserPage;

constexpr int kPageRowRole = Qt::UserRole;        // the row's index in the document's page
constexpr int kIdentifierRole = Qt::UserRole + 1;  // the row record's identifier, bit 9 set
constexpr int kIdentifierMark = 0x200;

std::size_t IndexOf(BrowserPage page) { return static_cast<std::size_t>(page) - 1; }

// Sorts the "Seq" column by number.
class SequenceItem : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& other) const override {
        return data(kPageRowRole).toInt() < other.data(kPageRowRole).toInt();
    }
};

QTableWidget* MakeList(BrowserPage page, QWidget* parent) {
    auto* list = new QTableWidget(0, 3, parent);
    const QString caption = QString::fromLatin1(program::PageCaption(page));
    list->setObjectName(caption.simplified().remove(QLatin1Char(' ')) + QStringLiteral("List"));
    list->setAccessibleName(caption + QStringLiteral(" list"));
    list->setHorizontalHeaderLabels({QString::fromLatin1(texts::kSeqColumn), QString::fromLatin1(texts::kTypeColumn),
                                     QString::fromLatin1(texts::kNameColumn)});
    list->setShowGrid(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setAlternatingRowColors(false);
    list->setWordWrap(false);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 6);
    QHeaderView* header = list->horizontalHeader();
    header->setSectionsMovable(true);
    header->setSortIndicatorShown(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setMinimumSectionSize(list->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    // Every row counts when a column is measured: the longest name may be far down.
    header->setResizeContentsPrecision(-1);
    list->setSortingEnabled(false);
    return list;
}

}  // namespace

ProgramBrowser::ProgramBrowser(document::CTesselDoc& document, platform::MessageSink& sink, QWidget* parent)
    : QToolBox(parent), document_(document), sink_(sink) {
    setObjectName(QStringLiteral("programBrowser"));
    setAccessibleName(QString::fromLatin1(texts::kBrowserTitle));
    for (BrowserPage page : program::kBrowserPages) {
        QTableWidget* list = MakeList(page, this);
        lists_[IndexOf(page)] = list;
        addItem(list, QString::fromLatin1(program::PageCaption(page)));
        connect(list, &QTableWidget::cellClicked, this, [this, page](int row, int) { RowActivated(page, row); });
        connect(list, &QTableWidget::cellDoubleClicked, this, [this, page](int row, int) { RowActivated(page, row); });
        // The keyboard moves the selection as a click does; a click's press
        // moves it too, and the click itself follows, so that is left to it
        // (a refusal is then shown once).
        connect(list, &QTableWidget::currentCellChanged, this, [this, page, list](int row, int, int previous, int) {
            if (row >= 0 && row != previous && list->hasFocus() && QApplication::mouseButtons() == Qt::NoButton) {
                RowActivated(page, row);
            }
        });
    }
    connect(this, &QToolBox::currentChanged, this, [this](int index) {
        if (!switching_ && index >= 0) ActivatePage(static_cast<BrowserPage>(index + 1), true);
    });
}

QTableWidget* ProgramBrowser::List(BrowserPage page) const { return lists_[IndexOf(page)]; }

BrowserPage ProgramBrowser::ActivePage() const { return static_cast<BrowserPage>(currentIndex() + 1); }

void ProgramBrowser::ActivatePage(BrowserPage page, bool userSwitch) {
    if (currentIndex() != static_cast<int>(IndexOf(page))) {
        switching_ = true;
        setCurrentIndex(static_cast<int>(IndexOf(page)));
        switching_ = false;
    }
    const bool filling = document_.Page(page).NeedsFilling();
    const std::size_t rows = document_.PreparePage(page);
    if (filling) ShowPage(page);
    if (rows == 0 && userSwitch && document_.HasProgram()) {
        const char* message = program::EmptyPageMessage(page);
        if (message != nullptr && *message != '\0') sink_.ShowMessage(message);
    }
}

void ProgramBrowser::ClearLists() {
    for (QTableWidget* list : lists_) list->setRowCount(0);
}

void ProgramBrowser::ShowPage(BrowserPage page) {
    QTableWidget* list = List(page);
    const program::DirectoryPage& rows = document_.Page(page);
    const bool sorting = list->isSortingEnabled();
    list->setSortingEnabled(false);
    list->setRowCount(0);
    list->setRowCount(static_cast<int>(rows.Rows().size()));
    int widgetRow = 0;
    for (const program::DirectoryRow& row : rows.Rows()) {
        auto* sequence = new SequenceItem(QString::fromStdString(row.sequenceText));
        auto* type = new QTableWidgetItem(QString::fromLatin1(row.typeText.c_str()));
        auto* name = new QTableWidgetItem(platform::QStringFromCp1252(row.name));
        name->setToolTip(name->text());  // the whole name, where the column cuts it
        for (QTableWidgetItem* item : {static_cast<QTableWidgetItem*>(sequence), type, name}) {
            item->setData(kPageRowRole, row.sequence);
            item->setData(kIdentifierRole, row.identifier | kIdentifierMark);
        }
        list->setItem(widgetRow, 0, sequence);
        list->setItem(widgetRow, 1, type);
        list->setItem(widgetRow, 2, name);
        ++widgetRow;
    }
    list->setSortingEnabled(true);
    if (!sorting) list->sortByColumn(0, Qt::AscendingOrder);
    // Seq and Type as wide as they need; Name takes the rest.
    list->resizeColumnToContents(0);
    list->resizeColumnToContents(1);
    MarkSelectedRow(page);
    // The row three above the selected one is shown at the top.
    const std::size_t first = rows.FirstVisibleRow();
    for (int row = 0; row < list->rowCount(); ++row) {
        if (list->item(row, 0)->data(kPageRowRole).toULongLong() == first) {
            list->scrollToItem(list->item(row, 0), QAbstractItemView::PositionAtTop);
            break;
        }
    }
}

int ProgramBrowser::WidthForWholeRows(BrowserPage page) const {
    QTableWidget* list = List(page);
    const QHeaderView* header = list->horizontalHeader();
    const QAbstractItemView* view = list;  // where measuring a column is public
    int columns = 0;
    for (int column = 0; column < list->columnCount(); ++column) {
        columns += std::max(view->sizeHintForColumn(column), header->sectionSizeHint(column));
    }
    // The browser's own frame, page buttons' margins and the list's scroll bar stay as they are.
    return width() - list->viewport()->width() + columns;
}

void ProgramBrowser::MarkSelectedRow(BrowserPage page) {
    QTableWidget* list = List(page);
    const std::optional<std::size_t> selected = document_.Page(page).SelectedRow();
    const QSignalBlocker blocker(list);
    list->clearSelection();
    if (!selected) return;
    for (int row = 0; row < list->rowCount(); ++row) {
        if (list->item(row, 0)->data(kPageRowRole).toULongLong() == *selected) {
            list->setCurrentCell(row, 0);
            list->selectRow(row);
            list->scrollToItem(list->item(row, 0));
            return;
        }
    }
}

void ProgramBrowser::RowActivated(BrowserPage page, int widgetRow) {
    QTableWidget* list = List(page);
    const QTableWidgetItem* item = list->item(widgetRow, 0);
    if (item == nullptr) return;
    document_.SelectRow(page, item->data(kPageRowRole).toULongLong());
    // A refused selection keeps the earlier row marked.
    MarkSelectedRow(page);
}

}  // namespace shell
