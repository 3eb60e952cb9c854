#pragma once
// The program browser: an outlook-style bar of five pages ("Screens",
// "Data Grids", "Procedures", "Menus", "All"), each a list with the columns
// "Seq", "Type    " and "Name      ". The lists only show the document's
// pages; filling, selecting and refusing are the document's.

#include <QToolBox>

#include <array>

#include "tessellar/document/tessel_doc.h"

class QTableWidget;

namespace shell {

class ProgramBrowser : public QToolBox {
    Q_OBJECT
public:
    ProgramBrowser(document::CTesselDoc& document, platform::MessageSink& sink, QWidget* parent = nullptr);

    QTableWidget* List(program::BrowserPage page) const;
    program::BrowserPage ActivePage() const;
    // Shows a page; a page shown for the first time since a load is filled.
    // userSwitch: the user chose it, so an empty page says so.
    void ActivatePage(program::BrowserPage page, bool userSwitch = false);
    // Empties every list (the document is being cleared).
    void ClearLists();
    // Shows the page's rows again, its selected row marked and in view.
    void ShowPage(program::BrowserPage page);
    // How wide the browser must be for every row of the page to show whole.
    int WidthForWholeRows(program::BrowserPage page) const;
    // Marks the page's selected row after a find or a refused selection.
    void MarkSelectedRow(program::BrowserPage page);

private:
    void RowActivated(program::BrowserPage page, int widgetRow);

    document::CTesselDoc& document_;
    platform::MessageSink& sink_;
    std::array<QTableWidget*, 5> lists_{};
    bool switching_ = false;
};

}  // namespace shell
