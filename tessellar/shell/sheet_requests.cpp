#include "tessellar/shell/sheet_requests.h"

#include <QInputDialog>

#include "platform/qt/cp1252_text.h"
#include "tessellar/commands/mode_choices.h"
#include "tessellar/lists/qt/suppressed_field_dialog.h"
#include "tessellar/shell/frame_texts.h"
#include "tessellar/shell/main_frame.h"
#include "tessellar/sheets/qt/accept_sheet.h"
#include "tessellar/sheets/qt/box_sheet.h"
#include "tessellar/sheets/qt/confirm_sheet.h"
#include "tessellar/sheets/qt/display_sheet.h"
#include "tessellar/sheets/qt/field_list_dialog.h"
#include "tessellar/sheets/qt/menu_sheet.h"
#include "tessellar/sheets/qt/mode_list_dialog.h"
#include "tessellar/sheets/qt/mode_sheet.h"
#include "tessellar/sheets/qt/screen_title_sheet.h"
#include "tessellar/triggers/qt/trigger_wizard.h"
#include "tessellar/triggers/qt/trigger_definition_dialog.h"

namespace shell {
namespace {

sheets::FieldListMode ModeOf(model::FieldList list) {
    switch (list) {
        case model::FieldList::RecordSource: return sheets::FieldListMode::Database;
        case model::FieldList::ScreenLocal: return sheets::FieldListMode::Local;
        case model::FieldList::Program: return sheets::FieldListMode::Global;
    }
    return sheets::FieldListMode::Global;
}

// The program modes the screen's mode line does not show yet.
std::optional<std::string> ChooseModeToAdd(QWidget* parent, const model::CScreenModel& screen) {
    QStringList names;
    for (const std::string& name : commands::ModesToAdd(screen)) names << platform::QStringFromCp1252(name);
    if (names.isEmpty()) return std::nullopt;
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("addModeDialog"));
    dialog.setWindowTitle(QString::fromLatin1(texts::kAddModeTitle));
    dialog.setAccessibleName(dialog.windowTitle());
    dialog.setLabelText(QString::fromLatin1(texts::kAddModeLabel));
    dialog.setComboBoxItems(names);
    dialog.setComboBoxEditable(false);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return platform::Cp1252FromQString(dialog.textValue());
}

}  // namespace

void ConnectSheetRequests(CMainFrame& frame) {
    canvas::CTesselView* view = frame.View();
    // Each request works on the screen the view shows when it comes.
    auto context = [&frame, view]() -> std::optional<sheets::SheetContext> {
        canvas::CScreenCanvas* canvas = view->Canvas();
        if (canvas == nullptr) return std::nullopt;
        return sheets::SheetContext{frame.Document().Core(), canvas->Model(), frame.Messages(), &frame};
    };
    canvas::EditRequests& requests = view->Requests();
    requests.openDisplaySheet = [context](model::CDispText& item) {
        const auto c = context();
        return c && sheets::OpenDisplaySheet(*c, item);
    };
    requests.openAcceptSheet = [context](model::CAcceptFld& item, int cellWidth) {
        const auto c = context();
        return c && sheets::OpenAcceptSheet(*c, item, cellWidth);
    };
    requests.openMenuSheet = [context](model::COptionItem& item) {
        const auto c = context();
        return c && sheets::OpenMenuSheet(*c, item);
    };
    requests.openModeSheet = [context](model::CModeItem& item) {
        const auto c = context();
        return c && sheets::OpenModeSheet(*c, item, false);
    };
    requests.openModeFromList = [context] {
        const auto c = context();
        return c && sheets::OpenModeFromList(*c);
    };
    requests.openConfirmSheet = [context](bool forMode) {
        const auto c = context();
        return c && sheets::OpenConfirmSheet(*c, forMode);
    };
    requests.openBoxSheet = [context](model::CBoxItem& item) {
        const auto c = context();
        return c && sheets::OpenBoxSheet(*c, item);
    };
    requests.openScreenTitleSheet = [context] {
        const auto c = context();
        return c && sheets::OpenScreenTitleSheet(*c);
    };
    requests.suppressAccept = [context](model::CAcceptFld& item) {
        const auto c = context();
        return c && sheets::SuppressAcceptWithDefault(*c, item);
    };
    // The trigger dialogs: the sheet's context with the window's path mapping
    // and registry, and the loaded program, whose name begins the parameter keys.
    auto triggerContext = [&frame, context]() -> std::optional<triggers::TriggerContext> {
        const auto c = context();
        if (!c) return std::nullopt;
        triggers::TriggerContext trigger{*c, &frame.Mapper(), &frame.Registry(),
                                         frame.Document().Core().ProgramPath(), {}};
        model::CScreenModel* screen = &c->screen;
        trigger.buildCommandWizard = [&frame, screen](int& typeCode, std::string& runLine) {
            return triggers::RunTriggerWizard(&frame, *screen, frame.Mapper(), screen->IsDataGrid(), typeCode,
                                              runLine, frame.Messages());
        };
        return trigger;
    };
    requests.openDisplayTrigger = [triggerContext](model::CDispText& item) {
        const auto c = triggerContext();
        return c && triggers::OpenDisplayTrigger(*c, item);
    };
    requests.openAcceptTrigger = [triggerContext](model::CAcceptFld& item) {
        const auto c = triggerContext();
        return c && triggers::OpenAcceptTrigger(*c, item);
    };
    requests.openOptionTrigger = [triggerContext](model::COptionItem& item) {
        const auto c = triggerContext();
        return c && triggers::OpenOptionTrigger(*c, item);
    };
    requests.openModeTrigger = [triggerContext](model::CModeItem& item) {
        const auto c = triggerContext();
        return c && triggers::OpenModeTrigger(*c, item);
    };
    requests.openModeTriggerFromList = [triggerContext] {
        const auto c = triggerContext();
        if (!c) return false;
        const int chosen = sheets::ChooseModeFromList(c->sheet);
        int index = 0;
        for (model::CModeItem& mode : c->sheet.screen.Modes(model::ModeList::Screen)) {
            if (index++ == chosen) return triggers::OpenModeTrigger(*c, mode);
        }
        return false;
    };
    requests.openScreenTrigger = [triggerContext] {
        const auto c = triggerContext();
        return c && triggers::OpenScreenTrigger(*c);
    };
    requests.chooseField = [&frame, view](model::FieldList list) -> std::optional<std::string> {
        canvas::CScreenCanvas* canvas = view->Canvas();
        if (canvas == nullptr) return std::nullopt;
        return sheets::ChooseField(&frame, canvas->Model(), ModeOf(list), {}, true);
    };
    requests.chooseSuppressedField = [&frame, view](lists::SuppressedListUse use) {
        std::optional<lists::ReleasedField> released;
        if (canvas::CScreenCanvas* canvas = view->Canvas()) {
            released = lists::ChooseSuppressedField(&frame, canvas->Model(), use);
        }
        return released;
    };
    requests.chooseModeToAdd = [&frame, view]() -> std::optional<std::string> {
        canvas::CScreenCanvas* canvas = view->Canvas();
        if (canvas == nullptr) return std::nullopt;
        return ChooseModeToAdd(&frame, canvas->Model());
    };
}

}  // namespace shell
