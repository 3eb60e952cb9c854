#pragma once
// What every property sheet and list dialog works with: the document whose
// commands it runs, the screen it edits, where its messages go and the
// window it opens over. Document::Run rebuilds the screen's items, so a
// sheet reads everything it needs from its item before issuing commands.

#include "platform/message_sink.h"
#include "tessellar/document/document.h"
#include "tessellar/model/screen_model.h"

class QWidget;

namespace sheets {

struct SheetContext {
    document::Document& document;
    model::CScreenModel& screen;
    platform::MessageSink& sink;
    QWidget* parent = nullptr;
};

}  // namespace sheets
