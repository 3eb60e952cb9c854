#pragma once
// One page of a property sheet: a tab showing one property group of an
// item. Every page can show the item's original (uncustomised) value again,
// which is what the sheet's Reset button asks of all its pages, and names
// the help page its Help button opens.

#include <QString>
#include <QWidget>

namespace sheets {

class PropertyPage : public QWidget {
public:
    // caption: the tab text (and the page's accessible name).
    PropertyPage(const QString& caption, int helpContext, QWidget* parent = nullptr);
    ~PropertyPage() override;

    const QString& Caption() const { return caption_; }
    // A text page shown under another title ("Field Title", "Screen Title").
    void SetCaption(const QString& caption);
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }

    // Reset: the page shows the item's original value again.
    virtual void RestoreOriginal() = 0;

private:
    QString caption_;
    int helpContext_;
};

}  // namespace sheets
