#include "tessellar/sheets/qt/property_page.h"

namespace sheets {

PropertyPage::PropertyPage(const QString& caption, int helpContext, QWidget* parent)
    : QWidget(parent), caption_(caption), helpContext_(helpContext) {
    setAccessibleName(caption_);
}

PropertyPage::~PropertyPage() = default;

void PropertyPage::SetCaption(const QString& caption) {
    caption_ = caption;
    setAccessibleName(caption_);
}

}  // namespace sheets
