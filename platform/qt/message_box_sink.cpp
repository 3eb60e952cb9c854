#include "platform/qt/message_box_sink.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QtDebug>

#include "platform/message_tone.h"
#include "platform/qt/cp1252_text.h"

namespace platform {

void MessageBoxSink::ShowMessage(std::string_view text) {
    const QString shown = platform::QStringFromCp1252(text);
    // A refusal or a failure carries the warning icon, news the information icon.
    if (platform::ReadsAsWarning(text)) QMessageBox::warning(parent_, QGuiApplication::applicationDisplayName(), shown);
    else QMessageBox::information(parent_, QGuiApplication::applicationDisplayName(), shown);
}

void MessageBoxSink::WriteOutput(std::string_view text) {
    qInfo().noquote() << platform::QStringFromCp1252(text);
}

}  // namespace platform
