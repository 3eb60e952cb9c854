#pragma once
// Shows the core's messages as message boxes over a window.

#include <QPointer>
#include <QWidget>

#include "platform/message_sink.h"

namespace platform {

class MessageBoxSink : public platform::MessageSink {
public:
    explicit MessageBoxSink(QWidget* parent = nullptr) : parent_(parent) {}
    void ShowMessage(std::string_view text) override;
    void WriteOutput(std::string_view text) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace platform
