#pragma once
// The tabbed property sheet every item kind opens: its pages in the order
// the sheet adds them, OK and Cancel, the Reset button (the relabelled
// Apply: every page shows the item's original values again and OK then
// issues only the item's reset command) and Help, which opens the help
// page of the page on show. The sheet only collects values; the open
// functions turn them into commands.

#include <QDialog>
#include <QString>

#include <array>
#include <functional>

#include "platform/message_sink.h"
#include "tessellar/sheets/sheet_kind.h"

class QPushButton;
class QTabWidget;

namespace sheets {

class PropertyPage;

// What a page is for on its sheet; each role holds one page index.
enum class PageRole : int {
    Text,
    Format,
    Color,
    Scale,
    Styles,
    ColumnOrder,
    Attributes,
    DefaultValue,
    ToolTip,
    AllowDisallow,
    FieldTitle,
    Filter,
    ConfirmDefault,
};
inline constexpr int kPageRoles = 13;

class CMyPropertySheet : public QDialog {
    Q_OBJECT

public:
    CMyPropertySheet(SheetKind kind, const QString& title, platform::MessageSink& sink, QWidget* parent = nullptr);
    ~CMyPropertySheet() override;

    SheetKind Kind() const { return kind_; }
    platform::MessageSink& Sink() { return sink_; }

    // Adds a page (the sheet takes it) as the next tab and remembers its
    // index for the role; returns the index.
    int AddPage(PropertyPage* page, PageRole role);
    // The same for a page of one value: it shows `current`, and Reset
    // takes it back to `original`. Returns the page.
    template <typename Page>
    Page* AddPage(Page* page, const auto& original, const auto& current, PageRole role) {
        page->SetOriginal(original);
        page->SetCurrent(current);
        AddPage(page, role);
        return page;
    }
    // The page index of a role, or -1 when the sheet has no such page.
    int PageIndex(PageRole role) const { return roles_[static_cast<int>(role)]; }
    int PageCount() const;
    PropertyPage* Page(int index) const;
    PropertyPage* PageFor(PageRole role) const;
    // Brings a page to the front (a page check sends the user elsewhere).
    void SetActivePage(int index);
    int ActivePageIndex() const;

    bool ResetRequested() const { return resetRequested_; }
    // Set for display items that are prompts.
    bool IsPrompt() const { return prompt_; }
    void SetPrompt(bool prompt) { prompt_ = prompt; }

    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* ResetButton() const { return reset_; }
    QPushButton* HelpButton() const { return help_; }

    // Where Help goes: the help viewer, unless a test listens instead.
    using HelpOpener = std::function<void(QWidget* parent, int context)>;
    void SetHelpOpener(HelpOpener opener) { helpOpener_ = std::move(opener); }
    // Opens a help page the way Help does (pages' own help buttons use it).
    void OpenHelp(int context);

    // The Reset button: the flag, and every page back to its original.
    void Reset();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void PlaceHelpButton();

    SheetKind kind_;
    platform::MessageSink& sink_;
    std::array<int, kPageRoles> roles_;
    bool resetRequested_ = false;
    bool prompt_ = false;
    QTabWidget* tabs_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* help_ = nullptr;
    HelpOpener helpOpener_;
};

}  // namespace sheets
