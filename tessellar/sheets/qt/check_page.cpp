#include "tessellar/sheets/qt/check_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace sheets {

CheckPage::CheckPage(const QString& caption, int helpContext, QWidget* parent)
    : PropertyPage(caption, helpContext, parent) {
    auto* outer = new QVBoxLayout(this);
    grid_ = new QGridLayout;
    outer->addLayout(grid_);
    outer->addStretch(1);
}

int CheckPage::AddBox(const char* caption, int rows) {
    const int number = static_cast<int>(boxes_.size());
    auto* box = new QCheckBox(QString::fromLatin1(caption), this);
    box->setAccessibleName(box->text());
    grid_->addWidget(box, number % rows, number / rows);
    boxes_.push_back(box);
    originals_.push_back(false);
    return number;
}

void CheckPage::SetMark(int number, bool checked) {
    // Setting a value is not the user checking a box: no page checks run.
    const QSignalBlocker quiet(Box(number));
    Box(number)->setChecked(checked);
}

bool CheckPage::Mark(int number) const { return Box(number)->isChecked(); }

void CheckPage::RestoreOriginal() {
    for (std::size_t number = 0; number < boxes_.size(); ++number) {
        SetMark(static_cast<int>(number), originals_[number]);
    }
}

}  // namespace sheets
