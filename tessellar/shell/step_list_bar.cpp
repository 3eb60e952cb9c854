#include "tessellar/shell/step_list_bar.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/message_format.h"
#include "platform/qt/cp1252_text.h"

namespace shell {
namespace {

constexpr int kInset = 5;
constexpr int kFewestRowsShown = 12;  // rows shown before the list scrolls, on the smallest screen
constexpr int kWidestLabelChars = 60;

}  // namespace

QString StepLabelText(const std::string& label) {
    // A label holds its identifier lines as written: tabs before each line and
    // a line end after it. Shown on one row, the lines are set apart by "; ".
    QString shown = platform::QStringFromCp1252(label);
    shown.replace(QStringLiteral("\n\t"), QStringLiteral("; "));
    return shown.remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
}

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
        auto* item = new QListWidgetItem(StepLabelText(label), list_);
        item->setSizeHint(QSize(0, rowHeight));
        widest = std::max(widest, metrics.horizontalAdvance(item->text()));
    }
    widest = std::min(widest, metrics.averageCharWidth() * kWidestLabelChars);
    // As many rows as there are steps, up to about half the screen; more scroll.
    const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    const int mostRows =
        screen != nullptr ? std::max(kFewestRowsShown, screen->availableGeometry().height() / 2 / rowHeight)
                          : kFewestRowsShown;
    const int rows = std::clamp(static_cast<int>(labels.size()), 1, mostRows);
    const int frame = 2 * list_->frameWidth();
    const int scrollBar = static_cast<int>(labels.size()) > mostRows
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
