#pragma once
// The "Trigger Validation" dialog: the trigger's parameters with their test
// values, saved per trigger point, and a launch of the trigger once: through
// the program named in "RuntimeLauncher" when there is one, else through the
// runtime's automation server, and when that is not there by running the
// trigger's own program here. What a program started here does shows below
// the parameters, with a Stop button.

#include <QDialog>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/mapping/path_mapper.h"
#include "tessellar/settings/registry_access.h"
#include "tessellar/triggers/trigger_test.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace triggers {

class TriggerRunPanel;

class TriggerValidationDialog : public QDialog {
    Q_OBJECT
public:
    // launcher: the "RuntimeLauncher" program, empty for none. mapper: for a
    // server path in the program or data directory of a run here; may be null.
    TriggerValidationDialog(QWidget* parent, settings::RegistryAccess& registry, const std::string& parametersLine,
                            std::string program, std::string parameterKey, int programTypeIndex,
                            RuntimeAutomation& automation, platform::MessageSink& sink,
                            mapping::PathMapper* mapper = nullptr, std::string launcher = {});

public slots:
    // Closing ends a program still running.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SelectRow();
    void SetValue();
    void Save();
    void LaunchTrigger();
    void RunHere(const LaunchRequest& request);
    void GrowToShowTheRun();

    settings::RegistryAccess& registry_;
    std::string program_;
    std::string parameterKey_;
    int programTypeIndex_;
    RuntimeAutomation& automation_;
    platform::MessageSink& sink_;
    mapping::PathMapper* mapper_;
    std::string launcher_;
    std::vector<TestRow> rows_;
    QTreeWidget* list_ = nullptr;
    QLineEdit* parameter_ = nullptr;
    QLineEdit* value_ = nullptr;
    QLineEdit* dataDirectory_ = nullptr;
    QPushButton* setValue_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* launch_ = nullptr;
    TriggerRunPanel* run_ = nullptr;
};

// Opens the dialog modally; the launch goes to the program named by the
// registry's "RuntimeLauncher" value when there is one, else to `automation`,
// and when that cannot be created the trigger's own program runs here.
void RunTriggerValidation(QWidget* parent, settings::RegistryAccess& registry, const std::string& parametersLine,
                          const std::string& program, const std::string& parameterKey, int programTypeIndex,
                          platform::MessageSink& sink, mapping::PathMapper* mapper, RuntimeAutomation& automation);
// As above without the runtime's automation server.
void RunTriggerValidation(QWidget* parent, settings::RegistryAccess& registry, const std::string& parametersLine,
                          const std::string& program, const std::string& parameterKey, int programTypeIndex,
                          platform::MessageSink& sink, mapping::PathMapper* mapper = nullptr);

}  // namespace triggers
