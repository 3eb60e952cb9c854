#include "tessellar/sheets/qt/filter_page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "tessellar/model/text_capacity.h"
#include "tessellar/sheets/accept_texts.h"
#include "tessellar/sheets/qt/sheet_text.h"
#include "tessellar/sheets/sheet_texts.h"

namespace sheets {

CFilterDlgPage::CFilterDlgPage(QWidget* parent)
    : PropertyPage(QString::fromLatin1(texts::kFilterPage), texts::kFilterHelp, parent) {
    setObjectName(QStringLiteral("CFilterDlgPage"));
    comparison_ = new QComboBox(this);
    comparison_->setObjectName(QStringLiteral("Comparison"));
    comparison_->setAccessibleName(QString::fromLatin1(texts::kComparison));
    for (const FilterComparison& row : FilterComparisons()) {
        comparison_->addItem(QString::fromLatin1(row.listText), row.code);
    }
    values_ = new QLineEdit(this);
    values_->setObjectName(QStringLiteral("FilterValues"));
    values_->setAccessibleName(QString::fromLatin1(texts::kFilterValues));
    values_->setMaxLength(static_cast<int>(model::kFilterLength));
    remove_ = new QPushButton(QString::fromLatin1(texts::kRemoveFilter), this);
    remove_->setObjectName(QStringLiteral("RemoveFilter"));
    remove_->setAccessibleName(remove_->text());

    auto* form = new QFormLayout;
    form->addRow(QString::fromLatin1(texts::kComparison), comparison_);
    form->addRow(QString::fromLatin1(texts::kFilterValues), values_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(remove_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addStretch(1);

    connect(remove_, &QPushButton::clicked, this, [this] { RestoreOriginal(); });
    SetCurrent({});
}

void CFilterDlgPage::SetCurrent(const FilterSetting& filter) {
    comparison_->setCurrentIndex(comparison_->findData(filter.code));
    values_->setText(Latin(filter.values));
}

FilterSetting CFilterDlgPage::NewFilter() const {
    if (comparison_->currentIndex() < 0) return {};
    return {comparison_->currentData().toInt(), Bytes(values_->text())};
}

void CFilterDlgPage::RestoreOriginal() { SetCurrent({}); }

}  // namespace sheets
