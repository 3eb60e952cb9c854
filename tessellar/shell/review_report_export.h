#pragma once
// File › Export Review Report...: the open program's review report, from
// the override text as it stands (unsaved changes included), written into
// a directory the user chooses while a progress dialog that can be
// cancelled counts the entries; then the report can be opened in the
// desktop's browser.

#include <functional>
#include <memory>

#include "platform/message_sink.h"
#include "tessellar/document/document.h"
#include "tessellar/report/picture_maker.h"

class QWidget;

namespace shell {

// Draws the report's pictures as `--render` does; the program hands it in.
using ReportPictureFactory = std::function<std::unique_ptr<report::PictureMaker>()>;

void RunReviewReportExport(QWidget* parent, const document::Document& document, const ReportPictureFactory& pictures,
                        platform::MessageSink& messages);

}  // namespace shell
