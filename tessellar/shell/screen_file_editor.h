#pragma once
// Opens a copy of a section's work file in the user's editor and waits for
// it: the program named by the local machine's "EDIT" value under
// "Software\ORVALE\Environment" when set, else $VISUAL, else the built-in
// editor window. The wait checks every 100 ms and lets the window's events
// through in between, so the customiser stays responsive.

#include <QPointer>
#include <QStringList>

#include "platform/message_sink.h"
#include "tessellar/shell/text_editor_window.h"
#include "tessellar/settings/registry_access.h"

class QWidget;

namespace shell {

class ScreenFileEditor {
public:
    explicit ScreenFileEditor(settings::RegistryAccess& registry) : registry_(registry) {}

    // The editor's program and leading arguments; empty for the built-in window.
    QStringList EditorCommand() const;
    // Returns when the editor has ended; at once, with the message in the
    // sink, when it cannot be started.
    void EditAndWait(const QString& path, QWidget* owner, platform::MessageSink& sink);
    bool Editing() const { return editing_; }
    // The built-in window while it is open.
    TextEditorWindow* Window() const { return window_; }

private:
    static void RunExternal(const QStringList& command, const QString& path, platform::MessageSink& sink);
    void RunBuiltIn(const QString& path, QWidget* owner);

    settings::RegistryAccess& registry_;
    QPointer<TextEditorWindow> window_;
    bool editing_ = false;
};

}  // namespace shell
