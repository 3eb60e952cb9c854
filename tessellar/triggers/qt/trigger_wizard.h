#pragma once
// The Build Trigger Wizard: a trigger's program type, program and
// parameters in three steps.

#include <string>

#include <QWidget>

#include "platform/message_sink.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/mapping/path_mapper.h"

namespace triggers {

// True on Finish, with the chosen type and the composed run line; false
// leaves both as they were.
bool RunTriggerWizard(QWidget* parent, const model::CScreenModel& screen, mapping::PathMapper& mapper,
                      bool dataGridScreen, int& programType, std::string& runLine, platform::MessageSink& sink);

}  // namespace triggers
