#include "tessellar/sheets/qt/orvale_color_page_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "tessellar/commands/value_lines.h"
#include "tessellar/sheets/qt/colour_button.h"
#include "tessellar/sheets/qt/sheet_text.h"
#include "tessellar/sheets/sheet_texts.h"

namespace sheets {

COrvaleColorPageDlg::COrvaleColorPageDlg(QWidget* parent)
    : PropertyPage(QString::fromLatin1(texts::kColorTab), texts::kColourHelp, parent) {
    setObjectName(QStringLiteral("COrvaleColorPageDlg"));
    auto* grid = new QGridLayout;
    auto row = [&](int at, const char* caption, ColourButton*& button, QLabel*& name) {
        auto* label = new QLabel(QString::fromLatin1(caption), this);
        label->setAccessibleName(label->text());
        button = new ColourButton(label->text(), this);
        label->setBuddy(button);
        name = new QLabel(this);
        name->setObjectName(at == 0 ? QStringLiteral("foregroundName") : QStringLiteral("backgroundName"));
        name->setAccessibleName(label->text());
        grid->addWidget(label, at, 0);
        grid->addWidget(button, at, 1);
        grid->addWidget(name, at, 2);
        connect(button, &ColourButton::ColourChanged, this, [this] { ShowNames(); });
    };
    row(0, texts::kForegroundColor, foreground_, foregroundName_);
    row(1, texts::kBackgroundColor, background_, backgroundName_);
    grid->setColumnStretch(2, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addStretch(1);
    ShowNames();
}

void COrvaleColorPageDlg::SetCurrent(model::ColourPair colours) {
    foreground_->SetColour(colours.foreground);
    background_->SetColour(colours.background);
    ShowNames();
}

model::ColourPair COrvaleColorPageDlg::NewColours() const { return {foreground_->Colour(), background_->Colour()}; }

void COrvaleColorPageDlg::ShowNames() {
    foregroundName_->setText(Latin(commands::ColourText(foreground_->Colour())));
    backgroundName_->setText(Latin(commands::ColourText(background_->Colour())));
}

}  // namespace sheets
