#include "promptsweep_ui/qt/edit_request_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "promptsweep_ui/qt/focus_leave.h"
#include "promptsweep_ui/qt/tips_dialog.h"
#include "promptsweep_ui/qt/window_text.h"
#include "promptsweep_ui/replacement_rows.h"
#include "promptsweep_ui/ui_texts.h"

namespace sweepui {

namespace {

QLineEdit* LabelledBox(QWidget* parent, QGridLayout* grid, int row, const char* labelName, const char* caption,
                       const char* boxName) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(labelName));
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(boxName));
    box->setAccessibleName(label->text());
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 40);
    label->setBuddy(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

}  // namespace

EditRequestDialog::EditRequestDialog(QWidget* parent, TipSwitches& tips, const QString& find, const QString& replace)
    : QDialog(parent), tips_(tips) {
    setObjectName(QStringLiteral("frmEditRec"));
    setWindowTitle(QString::fromLatin1(texts::kEditTitle));

    auto* grid = new QGridLayout;
    find_ = LabelledBox(this, grid, 0, "Label1", texts::kFindLabel, "Text1");
    replace_ = LabelledBox(this, grid, 1, "Label2", texts::kReplaceLabel, "Text2");
    find_->setText(find);
    replace_->setText(replace);
    OnFocusLeave(replace_, [this] { LeaveReplace(); });

    auto* ok = new QPushButton(QString::fromLatin1(texts::kGo), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    auto* cancel = new QPushButton(QString::fromLatin1(texts::kExit), this);
    cancel->setObjectName(QStringLiteral("cmdExit"));
    cancel->setAccessibleName(cancel->text());
    connect(ok, &QPushButton::clicked, this, &EditRequestDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

QString EditRequestDialog::Find() const { return find_->text().trimmed(); }
QString EditRequestDialog::Replace() const { return replace_->text().trimmed(); }

bool EditRequestDialog::Refuse() {
    const ReplacementCheck check = CheckReplacement(ToPairBytes(Find()), ToPairBytes(Replace()));
    if (check != ReplacementCheck::Same && check != ReplacementCheck::LineBreak) return false;
    ShowMessage(this, QString::fromLatin1(check == ReplacementCheck::Same ? texts::kSameReplacement
                                                                           : texts::kLineBreakInPair));
    replace_->setFocus();
    return true;
}

void EditRequestDialog::LeaveReplace() {
    // A message box takes the focus away and would end the editing again.
    if (checking_) return;
    checking_ = true;
    if (Refuse()) {
        // Leaving for OK with the mouse may press it as well: one refusal is
        // enough for the one click.
        justRefused_ = true;
        QTimer::singleShot(0, this, [this] { justRefused_ = false; });
    } else if (!Find().isEmpty() &&
               CheckReplacement(ToPairBytes(Find()), ToPairBytes(Replace())) == ReplacementCheck::Longer) {
        ShowTip(this, tips_, Tip::LongerTip, texts::kLongerTip);
    }
    checking_ = false;
}

void EditRequestDialog::accept() {
    if (checking_) return;
    if (justRefused_) {
        justRefused_ = false;
        return;
    }
    checking_ = true;
    const bool refused = Refuse();
    checking_ = false;
    if (!refused) QDialog::accept();
}

}  // namespace sweepui
