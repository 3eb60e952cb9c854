#include "tessellar/sheets/qt/my_property_sheet.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "tessellar/sheets/qt/property_page.h"
#include "tessellar/sheets/sheet_texts.h"
#include "tessellar/help/qt/help_viewer.h"

namespace sheets {

namespace {

// Help sits this far from the sheet's left edge.
constexpr int kHelpLeft = 9;

QPushButton* Button(const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setAccessibleName(button->text());
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CMyPropertySheet::CMyPropertySheet(SheetKind kind, const QString& title, platform::MessageSink& sink, QWidget* parent)
    : QDialog(parent), kind_(kind), sink_(sink), helpOpener_(&help::ShowHelpPage) {
    roles_.fill(-1);
    setObjectName(QStringLiteral("CMyPropertySheet"));
    setWindowTitle(title);
    setAccessibleName(title);

    tabs_ = new QTabWidget(this);
    // Every tab stays in sight: the sheet is as wide as its tabs need.
    tabs_->setUsesScrollButtons(false);
    ok_ = Button(texts::kOk, this);
    ok_->setDefault(true);
    cancel_ = Button(texts::kCancel, this);
    reset_ = Button(texts::kReset, this);
    reset_->setEnabled(true);
    // Help is placed by hand beside the row of the other buttons.
    help_ = Button(texts::kHelp, this);

    auto* buttons = new QHBoxLayout;
    // Room for Help, so that it never lies over OK on a narrow sheet.
    buttons->addSpacing(help_->sizeHint().width());
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addWidget(reset_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(reset_, &QPushButton::clicked, this, &CMyPropertySheet::Reset);
    connect(help_, &QPushButton::clicked, this, [this] {
        if (const PropertyPage* page = Page(ActivePageIndex())) OpenHelp(page->HelpContext());
    });
}

CMyPropertySheet::~CMyPropertySheet() = default;

int CMyPropertySheet::AddPage(PropertyPage* page, PageRole role) {
    const int index = tabs_->addTab(page, page->Caption());
    roles_[static_cast<int>(role)] = index;
    return index;
}

int CMyPropertySheet::PageCount() const { return tabs_->count(); }

PropertyPage* CMyPropertySheet::Page(int index) const {
    if (index < 0 || index >= tabs_->count()) return nullptr;
    return static_cast<PropertyPage*>(tabs_->widget(index));
}

PropertyPage* CMyPropertySheet::PageFor(PageRole role) const { return Page(PageIndex(role)); }

void CMyPropertySheet::SetActivePage(int index) {
    if (index >= 0 && index < tabs_->count()) tabs_->setCurrentIndex(index);
}

int CMyPropertySheet::ActivePageIndex() const { return tabs_->currentIndex(); }

void CMyPropertySheet::OpenHelp(int context) {
    if (helpOpener_) helpOpener_(this, context);
}

void CMyPropertySheet::Reset() {
    resetRequested_ = true;
    for (int index = 0; index < tabs_->count(); ++index) Page(index)->RestoreOriginal();
}

void CMyPropertySheet::PlaceHelpButton() {
    help_->resize(ok_->size());
    help_->move(kHelpLeft, ok_->y());
}

void CMyPropertySheet::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceHelpButton();
}

void CMyPropertySheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    PlaceHelpButton();
}

}  // namespace sheets
