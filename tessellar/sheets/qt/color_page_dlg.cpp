#include "tessellar/sheets/qt/color_page_dlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "tessellar/sheets/qt/sheet_text.h"
#include "tessellar/sheets/sheet_texts.h"
#include "tessellar/model/colour_names.h"

namespace sheets {

CColorPageDlg::CColorPageDlg(QWidget* parent)
    : PropertyPage(QString::fromLatin1(texts::kColorTab), texts::kColourHelp, parent) {
    setObjectName(QStringLiteral("CColorPageDlg"));
    auto* form = new QFormLayout;
    auto list = [&](const char* caption) {
        auto* label = new QLabel(QString::fromLatin1(caption), this);
        label->setAccessibleName(label->text());
        auto* names = new QComboBox(this);
        names->setAccessibleName(label->text());
        for (const model::NamedColour& colour : model::kColourNames) names->addItem(Latin(colour.name));
        label->setBuddy(names);
        form->addRow(label, names);
        return names;
    };
    foreground_ = list(texts::kForegroundColor);
    background_ = list(texts::kBackgroundColor);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(form);
    outer->addStretch(1);
}

void CColorPageDlg::SetOriginal(int foreground, int background) {
    originalForeground_ = foreground;
    originalBackground_ = background;
}

void CColorPageDlg::SetCurrent(int foreground, int background) {
    foreground_->setCurrentIndex(foreground);
    background_->setCurrentIndex(background);
}

int CColorPageDlg::NewForeground() const { return foreground_->currentIndex(); }
int CColorPageDlg::NewBackground() const { return background_->currentIndex(); }

}  // namespace sheets
