#include "tessellar/shell/step_list_bar.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/message_format.h"
#include "platform/qt/cp1252_text.h"

namespace shell {
namespace {

constexpr int kInset = 5;
constexpr int kMostRowsShown = 12;
constexpr int kWidestLabelChars = 60;

}  // namespace

StepListBar::StepListBar(const char* statusFormat, const QString& listName, QWidget* parent)
    : QWidget(parent), statusFormat_(statusFormat), list_(new QListWidget(this)), status_(new QLabel(this)) {
    list_->setObjectName(QStringLiteral("stepList"));
    list_->setAccessibleName(listName);
    // The bar decides what is selected; the list's own clicks would toggle items.
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setMouseTracking(true);
    list_->viewport()->setMouseTracking(true);
    list_->viewport()->installEventFilter(this);

    status_->setObjectName(QStringLiteral("stepStatus"));
    status_->setAlignment(Qt::AlignCenter);
    status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status_->setBackgroundRole(QPalette::Button);
    status_->setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kInset, kInset, kInset, kInset);
    layout->setSpacing(kInset);
    layout->addWidget(list_);
    layout->addWidget(status_);
}

void StepListBar::SetLabels(const std::vector<std::string>& labels) {
    list_->clear();
    const QFontMetrics metrics = list_->fontMetrics();
    const int rowHeight = metrics.height() + 2;
    int widest = metrics.horizontalAdvance(QString::fromStdString(platform::FormatText(statusFormat_, 99)));
    for (const std::string& label : labels) {
        // A label holds its identifier line as written, tab and line end too.
        QString shown = platform::QStringFromCp1252(label);
        shown.remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
        auto* item = new QListWidgetItem(shown, list_);
        item->setSizeHint(QSize(0, rowHeight));
        widest = std::max(widest, metrics.horizontalAdvance(item->text()));
    }
    widest = std::min(widest, metrics.averageCharWidth() * kWidestLabelChars);
    const int rows = std::clamp(static_cast<int>(labels.size()), 1, kMostRowsShown);
    const int frame = 2 * list_->frameWidth();
    const int scrollBar = static_cast<int>(labels.size()) > kMostRowsShown
                              ? list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                              : 0;
    list_->setFixedSize(widest + 2 * metrics.averageCharWidth() + frame + scrollBar, rows * rowHeight + frame);
    SelectUpTo(labels.empty() ? -1 : 0);
    adjustSize();
}

void StepListBar::SelectUpTo(int row) {
    for (int index = 0; index < list_->count(); ++index) list_->item(index)->setSelected(index <= row);
    steps_ = row + 1;
    status_->setText(row < 0 ? QString() : QString::fromStdString(platform::FormatText(statusFormat_, steps_)));
}

bool StepListBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != list_->viewport()) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseMove: {
            const QModelIndex index = list_->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (index.isValid()) SelectUpTo(index.row());
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QModelIndex index = list_->indexAt(mouse->position().toPoint());
            if (mouse->button() == Qt::LeftButton && index.isValid()) {
                SelectUpTo(index.row());
                emit chosen(steps_);
            }
            return true;
        }
        default:
            return QWidget::eventFilter(watched, event);
    }
}

}  // namespace shell
