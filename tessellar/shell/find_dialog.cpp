#include "tessellar/shell/find_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qt/cp1252_text.h"
#include "tessellar/shell/frame_texts.h"

namespace shell {
namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* objectName) {
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

}  // namespace

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(QString::fromLatin1(texts::kFindTitle));
    setAccessibleName(windowTitle());
    setModal(false);

    auto* label = new QLabel(QString::fromLatin1(texts::kFindWhat), this);
    text_ = Named(new QLineEdit(this), "findText");
    text_->setAccessibleName(QStringLiteral("Find what:"));
    label->setBuddy(text_);
    wholeWord_ = Named(new QCheckBox(QString::fromLatin1(texts::kMatchWholeWord), this), "wholeWord");
    matchCase_ = Named(new QCheckBox(QString::fromLatin1(texts::kMatchCase), this), "matchCase");
    auto* direction = Named(new QGroupBox(QString::fromLatin1(texts::kDirection), this), "direction");
    up_ = Named(new QRadioButton(QString::fromLatin1(texts::kUp), direction), "up");
    down_ = Named(new QRadioButton(QString::fromLatin1(texts::kDown), direction), "down");
    down_->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up_);
    directionLayout->addWidget(down_);
    for (QWidget* widget : std::initializer_list<QWidget*>{wholeWord_, matchCase_, direction, up_, down_}) {
        widget->setAccessibleName(widget->property("text").toString().remove(QLatin1Char('&')));
    }
    direction->setAccessibleName(QString::fromLatin1(texts::kDirection));

    findNext_ = Named(new QPushButton(QString::fromLatin1(texts::kFindNext), this), "findNext");
    findNext_->setAccessibleName(QStringLiteral("Find Next"));
    findNext_->setDefault(true);
    findNext_->setEnabled(false);
    auto* cancel = Named(new QPushButton(QString::fromLatin1(texts::kCancel), this), "cancel");
    cancel->setAccessibleName(cancel->text());
    connect(text_, &QLineEdit::textChanged, this, [this](const QString& text) { findNext_->setEnabled(!text.isEmpty()); });
    connect(findNext_, &QPushButton::clicked, this, [this] { emit findNext(Request()); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(text_, 0, 1, 1, 2);
    grid->addWidget(findNext_, 0, 3);
    grid->addWidget(wholeWord_, 1, 0, 1, 2);
    grid->addWidget(direction, 1, 2, 2, 1);
    grid->addWidget(cancel, 1, 3);
    grid->addWidget(matchCase_, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    text_->setMinimumWidth(fontMetrics().averageCharWidth() * 28);
}

document::FindRequest FindDialog::Request() const {
    document::FindRequest request;
    request.text = platform::Cp1252FromQString(text_->text());
    request.down = down_->isChecked();
    request.options.wholeWord = wholeWord_->isChecked();
    request.options.matchCase = matchCase_->isChecked();
    return request;
}

}  // namespace shell
