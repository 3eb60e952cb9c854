#include "platform/qt/message_box_sink.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QtDebug>

#include "platform/qt/cp1252_text.h"

namespace platform {

void MessageBoxSink::ShowMessage(std::string_view text) {
    QMessageBox::information(parent_, QGuiApplication::applicationDisplayName(), platform::QStringFromCp1252(text));
}

void MessageBoxSink::WriteOutput(std::string_view text) {
    qInfo().noquote() << platform::QStringFromCp1252(text);
}

}  // namespace platform
