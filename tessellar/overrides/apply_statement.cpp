#include "tessellar/overrides/apply_statement.h"

namespace overrides {

namespace {

void Dispatch(model::CScreenModel& model, const OverrideStatement& statement, platform::MessageSink& sink,
              StatementOutcome* outcome) {
    switch (statement.identifier.statementKind) {
        case StatementKind::Display: ApplyDisplay(model, statement, outcome); break;
        case StatementKind::Accept: ApplyAccept(model, statement, sink, outcome); break;
        case StatementKind::Option: ApplyOption(model, statement, outcome); break;
        case StatementKind::Mode: ApplyMode(model, statement, outcome); break;
        case StatementKind::Trigger: ApplyTrigger(model, statement, outcome); break;
        case StatementKind::Confirm: ApplyConfirm(model, statement, outcome); break;
        case StatementKind::Window: ApplyWindow(model, statement, outcome); break;
        case StatementKind::Box: ApplyBox(model, statement, outcome); break;
        case StatementKind::Message: ApplyMessage(model, statement, sink, outcome); break;
        case StatementKind::None: break;
    }
}

}  // namespace

void ApplyStatement(model::CScreenModel& model, const OverrideStatement& statement, platform::MessageSink& sink) {
    Dispatch(model, statement, sink, nullptr);
}

void ApplyStatement(model::CScreenModel& model, const OverrideStatement& statement, platform::MessageSink& sink,
                    StatementOutcome& outcome) {
    outcome = StatementOutcome{};
    Dispatch(model, statement, sink, &outcome);
}

}  // namespace overrides
