#pragma once
// The "Trigger Validation" dialog: the trigger's parameters with their test
// values, saved per trigger point, and a launch of the trigger once.

#include <QDialog>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/settings/registry_access.h"
#include "tessellar/triggers/trigger_test.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace triggers {

class TriggerValidationDialog : public QDialog {
    Q_OBJECT
public:
    TriggerValidationDialog(QWidget* parent, settings::RegistryAccess& registry, const std::string& parametersLine,
                            std::string program, std::string parameterKey, int programTypeIndex,
                            RuntimeAutomation& automation, platform::MessageSink& sink);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SelectRow();
    void SetValue();
    void Save();
    void LaunchTrigger();

    settings::RegistryAccess& registry_;
    std::string program_;
    std::string parameterKey_;
    int programTypeIndex_;
    RuntimeAutomation& automation_;
    platform::MessageSink& sink_;
    std::vector<TestRow> rows_;
    QTreeWidget* list_ = nullptr;
    QLineEdit* parameter_ = nullptr;
    QLineEdit* value_ = nullptr;
    QLineEdit* dataDirectory_ = nullptr;
    QPushButton* setValue_ = nullptr;
    QPushButton* save_ = nullptr;
};

// Opens the dialog modally; the launch goes to the program named by the
// registry's "RuntimeLauncher" value when there is one, else to `automation`.
void RunTriggerValidation(QWidget* parent, settings::RegistryAccess& registry, const std::string& parametersLine,
                          const std::string& program, const std::string& parameterKey, int programTypeIndex,
                          platform::MessageSink& sink, RuntimeAutomation& automation);
// As above without the runtime's automation server.
void RunTriggerValidation(QWidget* parent, settings::RegistryAccess& registry, const std::string& parametersLine,
                          const std::string& program, const std::string& parameterKey, int programTypeIndex,
                          platform::MessageSink& sink);

}  // namespace triggers
