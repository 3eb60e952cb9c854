#pragma once
// "Preferences": the one check box "F7 Launch Warning", read from the
// "LaunchMessage" preference and written back however the dialog closes
// (Cancel writes the state it started with).

#include <QDialog>

#include "platform/message_sink.h"
#include "tessellar/settings/registry_access.h"

class QCheckBox;

namespace shell {

class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    PreferencesDialog(settings::RegistryAccess& registry, platform::MessageSink& messages, QWidget* parent = nullptr);

    void done(int result) override;

private:
    settings::RegistryAccess& registry_;
    platform::MessageSink& messages_;
    bool initial_;
    QCheckBox* launchWarning_;
};

}  // namespace shell
