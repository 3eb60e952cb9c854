#include "promptsweep_ui/qt/tips_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "promptsweep_ui/qt/window_text.h"
#include "promptsweep_ui/ui_texts.h"

namespace sweepui {

TipsDialog::TipsDialog(QWidget* parent, const QString& text) : QDialog(parent) {
    setObjectName(QStringLiteral("frmShowTips"));
    setWindowTitle(QString::fromLatin1(texts::kTipsTitle));

    auto* label = new QLabel(WithPlainLineEnds(text), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setAccessibleName(label->text());
    label->setWordWrap(true);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 50);

    dontShowAgain_ = new QCheckBox(QString::fromLatin1(texts::kDontShowTipAgain), this);
    dontShowAgain_->setObjectName(QStringLiteral("chkDontShowTipAgain"));
    dontShowAgain_->setAccessibleName(dontShowAgain_->text());

    auto* ok = new QPushButton(QString::fromLatin1(texts::kTipsOk), this);
    ok->setObjectName(QStringLiteral("cmdExit"));
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(dontShowAgain_);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(buttons);
}

bool TipsDialog::DontShowAgain() const { return dontShowAgain_->isChecked(); }

void ShowTip(QWidget* parent, TipSwitches& tips, Tip tip, const char* text) {
    if (!tips.IsOn(tip)) return;
    TipsDialog dialog(parent, QString::fromLatin1(text));
    dialog.exec();
    if (dialog.DontShowAgain()) tips.SwitchOff(tip);
}

}  // namespace sweepui
