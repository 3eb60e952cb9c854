#pragma once
// What one applied block tells about itself: values the parser refused or
// cut, an identifier that reached no item (with the item it most likely
// meant), and values applying refused.

#include "tessellar/checks/block_record.h"
#include "tessellar/checks/section_findings.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/overrides/override_statement.h"
#include "tessellar/overrides/statement_outcome.h"

namespace checks {

void ReportBlock(const model::CScreenModel& model, const BlockRecord& block,
                 const overrides::OverrideStatement& statement, const overrides::StatementOutcome& outcome,
                 SectionFindings& findings);

}  // namespace checks
