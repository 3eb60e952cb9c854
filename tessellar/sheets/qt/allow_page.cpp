#include "tessellar/sheets/qt/allow_page.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "tessellar/model/accept_field.h"
#include "tessellar/sheets/accept_texts.h"
#include "tessellar/sheets/qt/sheet_text.h"
#include "tessellar/sheets/sheet_texts.h"

namespace sheets {

namespace {

QPushButton* Button(const char* caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setAccessibleName(button->text());
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QListWidget* ValueList(const char* caption, const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setAccessibleName(QString::fromLatin1(caption));
    list->setObjectName(QString::fromLatin1(name));
    // Room for a range of two long values.
    list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QString(20, QLatin1Char('0'))));
    return list;
}

}  // namespace

CAllowPageDlg::CAllowPageDlg(std::vector<commands::ListValue> programValues, std::size_t fieldLength, bool numeric,
                             platform::MessageSink& sink, QWidget* parent)
    : PropertyPage(QString::fromLatin1(texts::kAllowPage), texts::kAllowHelp, parent),
      programValues_(std::move(programValues)),
      userList_(fieldLength, numeric),
      sink_(sink) {
    setObjectName(QStringLiteral("CAllowPageDlg"));
    programList_ = ValueList(texts::kProgramValues, "ProgramValues", this);
    for (const commands::ListValue& value : programValues_) programList_->addItem(Latin(ListEntryText(value)));
    userListView_ = ValueList(texts::kUserValues, "UserValues", this);

    allowed_ = new QRadioButton(QString::fromLatin1(texts::kAllowed), this);
    disallowed_ = new QRadioButton(QString::fromLatin1(texts::kDisallowed), this);
    allowed_->setAccessibleName(allowed_->text());
    disallowed_->setAccessibleName(disallowed_->text());
    allowed_->setChecked(true);

    entry_ = new QLineEdit(this);
    entry_->setObjectName(QStringLiteral("ValueEntry"));
    entry_->setAccessibleName(QString::fromLatin1(texts::kValueEntry));
    add_ = Button(texts::kAdd, "Add", this);
    copy_ = Button(texts::kAddToUserList, "AddToUserList", this);
    selectAll_ = Button(texts::kSelectAll, "SelectAll", this);
    clearAll_ = Button(texts::kClearAll, "ClearAll", this);
    remove_ = Button(texts::kRemove, "Remove", this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QString::fromLatin1(texts::kProgramValues), this), 0, 0);
    grid->addWidget(new QLabel(QString::fromLatin1(texts::kUserValues), this), 0, 1);
    grid->addWidget(programList_, 1, 0);
    grid->addWidget(userListView_, 1, 1);
    auto* programButtons = new QHBoxLayout;
    programButtons->addWidget(copy_);
    programButtons->addWidget(selectAll_);
    grid->addLayout(programButtons, 2, 0);
    auto* userButtons = new QHBoxLayout;
    userButtons->addWidget(clearAll_);
    userButtons->addWidget(remove_);
    grid->addLayout(userButtons, 2, 1);
    auto* senses = new QHBoxLayout;
    senses->addWidget(allowed_);
    senses->addWidget(disallowed_);
    senses->addStretch(1);
    grid->addLayout(senses, 3, 0, 1, 2);
    auto* entryRow = new QHBoxLayout;
    auto* entryLabel = new QLabel(QString::fromLatin1(texts::kValueEntry), this);
    entryLabel->setBuddy(entry_);
    entryRow->addWidget(entryLabel);
    entryRow->addWidget(entry_, 1);
    entryRow->addWidget(add_);
    grid->addLayout(entryRow, 4, 0, 1, 2);

    connect(add_, &QPushButton::clicked, this, [this] { AddEntry(); });
    entry_->installEventFilter(this);
    connect(copy_, &QPushButton::clicked, this, [this] { CopySelected(); });
    connect(selectAll_, &QPushButton::clicked, this, [this] {
        programList_->selectAll();
        FollowLists();
    });
    connect(clearAll_, &QPushButton::clicked, this, [this] {
        userListView_->selectAll();
        RemoveSelected();
    });
    connect(remove_, &QPushButton::clicked, this, [this] { RemoveSelected(); });
    connect(programList_, &QListWidget::itemSelectionChanged, this, [this] { FollowLists(); });
    connect(userListView_, &QListWidget::itemSelectionChanged, this, [this] { FollowLists(); });
    FollowLists();
}

void CAllowPageDlg::SetCurrent(const std::vector<commands::ListValue>& userValues, int sense) {
    userList_.Assign(userValues);
    (sense == model::kUserListDisallowed ? disallowed_ : allowed_)->setChecked(true);
    ShowUserList();
}

int CAllowPageDlg::NewSense() const {
    return disallowed_->isChecked() ? model::kUserListDisallowed : model::kUserListAllowed;
}

void CAllowPageDlg::RestoreOriginal() {
    userList_.Clear();
    ShowUserList();
}

bool CAllowPageDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == entry_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            AddEntry();
            return true;
        }
    }
    return PropertyPage::eventFilter(watched, event);
}

void CAllowPageDlg::AddEntry() {
    const UserValueList::AddResult result = userList_.Add(std::string_view(Bytes(entry_->text())));
    if (result == UserValueList::AddResult::TooLong) {
        sink_.ShowMessage(texts::kValueExceedsLength);
        return;
    }
    if (result == UserValueList::AddResult::Added) ShowUserList();
    entry_->clear();
}

void CAllowPageDlg::CopySelected() {
    bool tooLong = false;
    for (int row = 0; row < programList_->count(); ++row) {
        if (!programList_->item(row)->isSelected()) continue;
        if (userList_.Add(programValues_[static_cast<std::size_t>(row)]) == UserValueList::AddResult::TooLong) {
            tooLong = true;
        }
    }
    if (tooLong) sink_.ShowMessage(texts::kValueExceedsLength);
    ShowUserList();
}

void CAllowPageDlg::RemoveSelected() {
    std::vector<std::size_t> rows;
    for (int row = 0; row < userListView_->count(); ++row) {
        if (userListView_->item(row)->isSelected()) rows.push_back(static_cast<std::size_t>(row));
    }
    userList_.Remove(std::move(rows));
    ShowUserList();
}

void CAllowPageDlg::ShowUserList() {
    userListView_->clear();
    for (const commands::ListValue& value : userList_.Values()) userListView_->addItem(Latin(ListEntryText(value)));
    FollowLists();
}

void CAllowPageDlg::FollowLists() {
    copy_->setEnabled(!programList_->selectedItems().isEmpty());
    selectAll_->setEnabled(programList_->count() > 0);
    clearAll_->setEnabled(userListView_->count() > 0);
    remove_->setEnabled(!userListView_->selectedItems().isEmpty());
}

}  // namespace sheets
