#include "promptsweep_ui/qt/window_text.h"

#include <QStringDecoder>

#include "platform/message_tone.h"
#include "platform/qt/cp1252_text.h"
#include "promptsweep_ui/ui_texts.h"

namespace sweepui {

QString FromPairBytes(const std::string& bytes) { return platform::QStringFromCp1252(bytes); }
std::string ToPairBytes(const QString& text) { return platform::Cp1252FromQString(text); }

QString FromConsoleBytes(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    return platform::QStringFromCp1252(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString WithPlainLineEnds(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

void ShowMessage(QWidget* parent, const QString& text) {
    // A refusal or a failure carries the warning icon, news the information icon.
    const QString title = QString::fromLatin1(texts::kProductName);
    if (platform::ReadsAsWarning(text.toStdString())) QMessageBox::warning(parent, title, WithPlainLineEnds(text));
    else QMessageBox::information(parent, title, WithPlainLineEnds(text));
}

bool AskYesNo(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::question(parent, title, WithPlainLineEnds(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool AskOkCancel(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QString::fromLatin1(texts::kProductName), WithPlainLineEnds(text),
                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

}  // namespace sweepui
