#include "tessellar/report/document_report.h"

#include "tessellar/document/document_problems.h"
#include "tessellar/document/override_location.h"

namespace report {

ProgramSource DocumentSource(const document::Document& document) {
    ProgramSource source;
    source.programPath = document.ProgramPath();
    source.image = document.Image();
    // Without an override file yet, the one a first save would make.
    source.overridePath = document.OverridePath().empty() ? document::WithOverrideExtension(document.ProgramPath())
                                                          : document.OverridePath();
    source.overrideText = document::CurrentOverrideText(document);
    source.inputs = document.Inputs();
    source.note = document.Modified() ? kUnsavedNote : kSavedNote;
    return source;
}

}  // namespace report
