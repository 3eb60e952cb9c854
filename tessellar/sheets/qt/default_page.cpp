#include "tessellar/sheets/qt/default_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "tessellar/model/text_capacity.h"
#include "tessellar/sheets/accept_texts.h"
#include "tessellar/sheets/sheet_texts.h"
#include "tessellar/sheets/qt/field_list_dialog.h"
#include "tessellar/sheets/qt/sheet_text.h"

namespace sheets {

CDefaultPageDlg::CDefaultPageDlg(const model::CScreenModel& screen, std::vector<commands::ListValue> allowedValues,
                                 QWidget* parent)
    : PropertyPage(QString::fromLatin1(texts::kDefaultValuePage), texts::kDefaultHelp, parent),
      screen_(screen) {
    setObjectName(QStringLiteral("CDefaultPageDlg"));
    const QString valueCaption = QString::fromLatin1(texts::kDefaultFieldValue);
    auto* valueLabel = new QLabel(valueCaption, this);

    QWidget* valueWidget = nullptr;
    if (!allowedValues.empty()) {
        // A range shows as its ends joined by "->"; choosing it takes its low end.
        allowedValues_ = new QComboBox(this);
        allowedValues_->setEditable(true);
        allowedValues_->setInsertPolicy(QComboBox::NoInsert);
        allowedValues_->setObjectName(QStringLiteral("DefaultValueList"));
        allowedValues_->setAccessibleName(valueCaption);
        for (const commands::ListValue& value : allowedValues) {
            const std::string shown =
                value.high == value.low ? value.low : value.low + texts::kDefaultRangeJoin + value.high;
            allowedValues_->addItem(Latin(shown), Latin(value.low));
        }
        valueEdit_ = allowedValues_->lineEdit();
        connect(allowedValues_, &QComboBox::activated, this,
                [this](int index) { valueEdit_->setText(allowedValues_->itemData(index).toString()); });
        valueWidget = allowedValues_;
    } else {
        valueEdit_ = new QLineEdit(this);
        valueWidget = valueEdit_;
    }
    valueEdit_->setObjectName(QStringLiteral("DefaultValue"));
    valueEdit_->setAccessibleName(valueCaption);
    valueEdit_->setMaxLength(static_cast<int>(model::kNameLength));
    valueLabel->setBuddy(valueWidget);

    literal_ = new QRadioButton(QString::fromLatin1(texts::kLiteralValue), this);
    field_ = new QRadioButton(QString::fromLatin1(texts::kFieldSource), this);
    function_ = new QRadioButton(QString::fromLatin1(texts::kFunctionSource), this);
    browse_ = new QPushButton(QString::fromLatin1(texts::kBrowse), this);
    functions_ = new QComboBox(this);
    functions_->addItems({QString::fromLatin1(texts::kFunctionLoginId), QString::fromLatin1(texts::kFunctionToday)});
    functions_->model()->sort(0);
    functions_->setCurrentIndex(-1);
    functions_->setAccessibleName(QString::fromLatin1(texts::kFunctionSource));
    functions_->setObjectName(QStringLiteral("Functions"));
    for (QWidget* widget : std::initializer_list<QWidget*>{literal_, field_, function_}) {
        widget->setAccessibleName(static_cast<QRadioButton*>(widget)->text());
    }
    browse_->setAccessibleName(browse_->text());
    browse_->setObjectName(QStringLiteral("Browse"));

    auto* sources = new QGroupBox(this);
    auto* grid = new QGridLayout(sources);
    grid->addWidget(literal_, 0, 0);
    grid->addWidget(field_, 1, 0);
    grid->addWidget(browse_, 1, 1);
    grid->addWidget(function_, 2, 0);
    grid->addWidget(functions_, 2, 1);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(valueLabel);
    layout->addWidget(valueWidget);
    layout->addWidget(sources);
    layout->addStretch(1);

    for (QRadioButton* button : {literal_, field_, function_}) {
        connect(button, &QRadioButton::toggled, this, [this] { FollowSource(); });
    }
    connect(browse_, &QPushButton::clicked, this, [this] { Browse(); });
    connect(functions_, &QComboBox::activated, this,
            [this](int index) { valueEdit_->setText(functions_->itemText(index)); });
    Show({}, DefaultSource::Literal);
}

QRadioButton* CDefaultPageDlg::SourceButton(DefaultSource source) const {
    switch (source) {
        case DefaultSource::Field: return field_;
        case DefaultSource::Function: return function_;
        case DefaultSource::Literal: break;
    }
    return literal_;
}

void CDefaultPageDlg::SetOriginal(std::string_view value, DefaultSource source) {
    originalValue_ = std::string(value);
    originalSource_ = source;
}

void CDefaultPageDlg::SetCurrent(std::string_view value, DefaultSource source) { Show(value, source); }

std::string CDefaultPageDlg::NewValue() const { return Bytes(valueEdit_->text()); }

DefaultSource CDefaultPageDlg::NewSource() const {
    if (field_->isChecked()) return DefaultSource::Field;
    if (function_->isChecked()) return DefaultSource::Function;
    return DefaultSource::Literal;
}

void CDefaultPageDlg::RestoreOriginal() { Show(originalValue_, originalSource_); }

void CDefaultPageDlg::Show(std::string_view value, DefaultSource source) {
    SourceButton(source)->setChecked(true);
    valueEdit_->setText(Latin(value));
    functions_->setCurrentIndex(source == DefaultSource::Function ? functions_->findText(Latin(value)) : -1);
    FollowSource();
}

void CDefaultPageDlg::FollowSource() {
    browse_->setEnabled(field_->isChecked());
    functions_->setEnabled(function_->isChecked());
}

void CDefaultPageDlg::Browse() {
    const std::optional<std::string> chosen =
        ChooseField(this, screen_, FieldListMode::Global, QString::fromLatin1(texts::kGlobalFieldsLabel));
    if (chosen) valueEdit_->setText(Latin(*chosen));
}

}  // namespace sheets
