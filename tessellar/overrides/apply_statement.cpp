#include "tessellar/overrides/apply_statement.h"

namespace overrides {

void ApplyStatement(model::CScreenModel& model, const OverrideStatement& statement, platform::MessageSink& sink) {
    switch (statement.identifier.statementKind) {
        case StatementKind::Display: ApplyDisplay(model, statement); break;
        case StatementKind::Accept: ApplyAccept(model, statement, sink); break;
        case StatementKind::Option: ApplyOption(model, statement); break;
        case StatementKind::Mode: ApplyMode(model, statement); break;
        case StatementKind::Trigger: ApplyTrigger(model, statement); break;
        case StatementKind::Confirm: ApplyConfirm(model, statement); break;
        case StatementKind::Window: ApplyWindow(model, statement); break;
        case StatementKind::Box: ApplyBox(model, statement); break;
        case StatementKind::Message: ApplyMessage(model, statement, sink); break;
        case StatementKind::None: break;
    }
}

}  // namespace overrides
