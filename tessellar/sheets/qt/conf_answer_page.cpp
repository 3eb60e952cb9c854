#include "tessellar/sheets/qt/conf_answer_page.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "tessellar/sheets/sheet_texts.h"

namespace sheets {

CConfAnswerPage::CConfAnswerPage(QWidget* parent)
    // No help page of its own: Help opens the contents.
    : PropertyPage(QString::fromLatin1(texts::kConfirmDefaultTab), 0, parent) {
    setObjectName(QStringLiteral("CConfAnswerPage"));
    auto* group = new QGroupBox(QString::fromLatin1(texts::kConfirmDefaultGroup), this);
    group->setAccessibleName(group->title());
    yes_ = new QRadioButton(QString::fromLatin1(texts::kYes), group);
    yes_->setAccessibleName(yes_->text());
    no_ = new QRadioButton(QString::fromLatin1(texts::kNo), group);
    no_->setAccessibleName(no_->text());
    auto* inGroup = new QVBoxLayout(group);
    inGroup->addWidget(yes_);
    inGroup->addWidget(no_);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(group);
    outer->addStretch(1);
}

void CConfAnswerPage::SetCurrent(int answer) {
    // Neither selected needs the two out of their exclusive pairing a moment.
    yes_->setAutoExclusive(false);
    no_->setAutoExclusive(false);
    yes_->setChecked(answer == kYes);
    no_->setChecked(answer == kNo);
    yes_->setAutoExclusive(true);
    no_->setAutoExclusive(true);
}

int CConfAnswerPage::NewAnswer() const {
    if (yes_->isChecked()) return kYes;
    if (no_->isChecked()) return kNo;
    return kNone;
}

}  // namespace sheets
