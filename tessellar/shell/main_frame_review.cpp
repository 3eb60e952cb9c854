// The main window's review commands: File › Export Review Report... and
// View › Show Original, which shows the current entry as the program draws
// it, with editing off, so a user can flick between the two.

#include <QLabel>
#include <QStatusBar>

#include "platform/message_sink.h"
#include "platform/qt/cp1252_text.h"
#include "tessellar/document/entry_opening.h"
#include "tessellar/shell/main_frame.h"

namespace shell {

namespace {

constexpr const char* kOriginalPane = "Original screen, without its statements: editing is off";
constexpr const char* kOriginalCanvasSuffix = " (original)";

}  // namespace

void CMainFrame::SetReportPictures(ReportPictureFactory pictures) {
    reportPictures_ = std::move(pictures);
    AfterChange();
}

void CMainFrame::ExportReviewReportCommand() {
    RunReviewReportExport(this, document_->Core(), reportPictures_, *messages_);
}

void CMainFrame::ShowOnCanvas(model::CScreenModel* screen) {
    // The original the canvas draws now goes only once its canvas has.
    const std::unique_ptr<model::CScreenModel> shown = std::move(original_);
    if (screen != nullptr && Action(ActionId::ShowOriginal)->isChecked()) {
        // Decoding's messages were given when the entry itself was opened.
        platform::RecordingMessageSink quiet;
        original_ = document::DecodeOriginal(*screen, document_->Core().Inputs(), quiet);
        view_->ShowScreen(original_.get());
    } else {
        Action(ActionId::ShowOriginal)->setChecked(false);
        view_->ShowScreen(screen);
    }
    if (screen != nullptr && view_->Canvas() != nullptr) {
        QString name = platform::QStringFromCp1252(screen->Name());
        if (original_) name += QString::fromLatin1(kOriginalCanvasSuffix);
        view_->Canvas()->setAccessibleName(name);
        // Not one gesture reaches the original: its commands would change a model no work file backs.
        view_->Canvas()->setEnabled(!original_);
    }

    if (originalPane_ == nullptr) {
        originalPane_ = new QLabel(QString::fromLatin1(kOriginalPane), statusBar());
        originalPane_->setObjectName(QStringLiteral("originalPane"));
        originalPane_->setAccessibleName(originalPane_->text());
        originalPane_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        statusBar()->addPermanentWidget(originalPane_);
    }
    originalPane_->setVisible(original_ != nullptr);
}

void CMainFrame::RestrictCommandsForReview() {
    if (!reportPictures_) Action(ActionId::ExportReviewReport)->setEnabled(false);
    if (!original_) return;
    for (const ActionId id : {ActionId::Undo, ActionId::Redo, ActionId::EditScreenScf, ActionId::ListMessages}) {
        Action(id)->setEnabled(false);
    }
}

}  // namespace shell
