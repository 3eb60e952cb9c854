#include "tessellar/shell/review_report_export.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QUrl>

#include <algorithm>
#include <optional>
#include <string>

#include "platform/qt/path_text.h"
#include "tessellar/report/document_report.h"
#include "tessellar/report/review_report.h"

namespace shell {

namespace {

constexpr const char* kDialogTitle = "Export Review Report";
constexpr const char* kWriting = "Drawing the customised screens...";
constexpr const char* kCancelled = "The review report was cancelled; the pictures drawn so far are left in %1.";
constexpr const char* kNotWritten = "The review report could not be written whole:\n";
constexpr const char* kWritten = "The review report of %1 customised screens is in %2.\n\nOpen it in the browser?";

std::string Lines(const std::vector<std::string>& problems) {
    std::string text;
    for (const std::string& problem : problems) text += problem + '\n';
    return text;
}

std::optional<QString> ChooseDirectory(QWidget* parent) {
    QFileDialog dialog(parent, QString::fromLatin1(kDialogTitle));
    dialog.setObjectName(QStringLiteral("reviewReportDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Export"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

}  // namespace

void RunReviewReportExport(QWidget* parent, const document::Document& document, const ReportPictureFactory& pictures,
                        platform::MessageSink& messages) {
    if (!document.HasProgram() || !pictures) return;
    const std::optional<QString> directory = ChooseDirectory(parent);
    if (!directory) return;

    const std::unique_ptr<report::PictureMaker> maker = pictures();
    report::ReviewReport review(platform::PathFromQString(*directory), *maker, false);
    if (!review.Begin()) {
        maker->Finish();
        messages.ShowMessage(kNotWritten + Lines(review.Problems()));
        return;
    }
    QProgressDialog progress(QString::fromLatin1(kWriting), QStringLiteral("Cancel"), 0, 1, parent);
    progress.setObjectName(QStringLiteral("reviewReportProgress"));
    progress.setWindowTitle(QString::fromLatin1(kDialogTitle));
    progress.setAccessibleName(progress.labelText());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    const auto added = review.AddProgram(report::DocumentSource(document), [&progress](std::size_t done, std::size_t total) {
        progress.setMaximum(static_cast<int>(std::max<std::size_t>(total, 1)));
        progress.setValue(static_cast<int>(done));
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    if (added == report::ReviewReport::Added::Cancelled) {
        maker->Finish();
        progress.close();
        messages.ShowMessage(QString::fromLatin1(kCancelled).arg(*directory).toStdString());
        return;
    }
    const bool written = review.Finish();
    progress.close();
    if (!written) {
        messages.ShowMessage(kNotWritten + Lines(review.Problems()));
        return;
    }
    QMessageBox question(parent);
    question.setObjectName(QStringLiteral("reviewReportWritten"));
    question.setWindowTitle(QString::fromLatin1(kDialogTitle));
    question.setIcon(QMessageBox::Question);
    question.setText(QString::fromLatin1(kWritten).arg(review.EntryCount()).arg(*directory));
    question.setAccessibleName(question.text());
    question.setStandardButtons(QMessageBox::Open | QMessageBox::Close);
    question.setDefaultButton(QMessageBox::Open);
    if (question.exec() == QMessageBox::Open) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(platform::QStringFromPath(review.IndexPath())));
    }
}

}  // namespace shell
