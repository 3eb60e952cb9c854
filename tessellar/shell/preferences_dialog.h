#pragma once
// "Preferences": the check boxes "F7 Launch Warning" and "Show override
// problems in the Problems panel instead of message boxes", read from
// their preferences and written back however the dialog closes (Cancel
// writes the states it started with).

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
    bool initialInPanel_;
    QCheckBox* launchWarning_;
    QCheckBox* problemsInPanel_;
};

}  // namespace shell
