#pragma once
// What the user will see spoilt once a section is applied, that the program
// alone did not show: items that overlap (the canvas frames them red), items
// out of the screen window, data grid columns wider than the grid, entry
// fields hidden or made read-only without the default value they need.

#include <cstddef>

#include "tessellar/checks/screen_touches.h"
#include "tessellar/checks/section_findings.h"
#include "tessellar/model/screen_model.h"

namespace checks {

// `sectionLine` takes the blame where no line of the section touched the
// items concerned.
void ReportSpoils(const model::CScreenModel& model, const ScreenTouches& touches, std::size_t sectionLine,
                  SectionFindings& findings);

}  // namespace checks
