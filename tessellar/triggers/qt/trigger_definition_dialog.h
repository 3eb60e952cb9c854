#pragma once
// The "Add/Modify a trigger point" dialog: the trigger point, program type,
// program and parameters line of one item, with the slots of every point
// kept while the user switches between them; and the open functions that
// fill it from an item and issue the one command its OK asks for.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/sheets/qt/sheet_context.h"
#include "tessellar/mapping/path_mapper.h"
#include "tessellar/settings/registry_access.h"
#include "tessellar/triggers/trigger_points.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class QKeyEvent;

namespace triggers {

// One trigger point as the dialog edits it.
struct DefinitionSlot {
    model::TriggerPoint point = model::TriggerPoint::Display;
    int typeCode = 0;  // 1..6, 0 = none
    std::string runLine;
    bool hasTrigger = false;
    std::string parameterKey;
};

// What the dialog works with besides its pointSlots; each pointer may be null,
// which leaves the controls that need it disabled.
struct DefinitionServices {
    const model::CScreenModel* screen = nullptr;  // its global fields for "Add Field Parameter"
    mapping::PathMapper* mapper = nullptr;
    settings::RegistryAccess* registry = nullptr;
    platform::MessageSink* sink = nullptr;
};

class TriggerDefinitionDialog : public QDialog {
    Q_OBJECT
public:
    // `pointSlots` in the kind's list order (TriggerPointsOf).
    TriggerDefinitionDialog(QWidget* parent, TriggerItemKind kind, std::vector<DefinitionSlot> pointSlots,
                            bool dataGridScreen, DefinitionServices services);

    // "Build Command Wizard": given the type code and run line, returns
    // whether the user finished and then the new ones. Unset, the button
    // stays disabled.
    std::function<bool(int& typeCode, std::string& runLine)> buildCommandWizard;

    // After OK: the point selected then (-1 none), its type code and run line.
    int SelectedIndex() const { return selected_; }
    int TypeCode() const { return resultType_; }
    const std::string& RunLine() const { return resultLine_; }

    void accept() override;

protected:
    // F1 opens the help page of the dialog's item kind.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SelectPoint(int index);
    void KeepEdits();
    void FillTypes();
    void UpdateEnabling();
    int ChosenType() const;
    void Browse();
    void Verify();
    void AddFieldParameter();
    void BuildCommand();
    void Remove();
    void Validate();
    // A client path to its server form for the server types; unmapped, it stays.
    std::string ServerForm(const std::string& program, int typeCode) const;

    TriggerItemKind kind_;
    std::vector<DefinitionSlot> slots_;
    std::vector<bool> removed_;  // Remove pressed on the point
    bool dataGrid_;
    DefinitionServices services_;
    platform::RecordingMessageSink spareSink_;  // when the caller gives none
    int selected_ = -1;
    int resultType_ = 0;
    std::string resultLine_;
    QComboBox* points_ = nullptr;
    QComboBox* types_ = nullptr;
    QLineEdit* program_ = nullptr;
    QLineEdit* parameters_ = nullptr;
    QPushButton* browse_ = nullptr;
    QPushButton* verify_ = nullptr;
    QPushButton* addField_ = nullptr;
    QPushButton* wizard_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* validation_ = nullptr;
};

// What the open functions need: the sheet's document and screen, the path
// mapping and registry (may be null) and the compiled program's path, whose
// file name begins the parameter keys.
struct TriggerContext {
    sheets::SheetContext sheet;
    mapping::PathMapper* mapper = nullptr;
    settings::RegistryAccess* registry = nullptr;
    std::string programPath;
    // Handed to the dialog's "Build Command Wizard".
    std::function<bool(int& typeCode, std::string& runLine)> buildCommandWizard;
};

// Each opens the dialog for the item and, after OK, issues at most one
// command for the point selected then; true when one ran.
bool OpenDisplayTrigger(const TriggerContext& context, model::CDispText& item);
bool OpenAcceptTrigger(const TriggerContext& context, model::CAcceptFld& item);
bool OpenOptionTrigger(const TriggerContext& context, model::COptionItem& item);
bool OpenModeTrigger(const TriggerContext& context, model::CModeItem& item);
bool OpenScreenTrigger(const TriggerContext& context);

}  // namespace triggers
