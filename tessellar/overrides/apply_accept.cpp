#include "tessellar/pictures/picture_compiler.h"
#include "tessellar/overrides/apply_statement.h"
#include "tessellar/overrides/item_placement.h"
#include "tessellar/overrides/item_resolution.h"
#include "tessellar/overrides/override_texts.h"

namespace overrides {

void ApplyAccept(model::CScreenModel& model, const OverrideStatement& statement, platform::MessageSink& sink,
                 StatementOutcome* outcome) {
    model::CAcceptFld* item = ResolveAccept(model, statement.identifier);
    if (item == nullptr) return;
    if (outcome != nullptr) outcome->accept = item;
    const ItemOverrides& o = statement.overrides;

    if (o.suppressed != kNotGiven) {
        const bool hide = o.suppressed == 1;
        item->suppressed.SetCurrent(hide);
        if (hide) {
            TakeOutOfDataGrid(model, *item);
        } else {
            ReturnToDataGrid(model, *item);
        }
    }
    if (o.readOnly != kNotGiven) item->readOnly.SetCurrent(o.readOnly == 1);
    if (o.defaultGiven) {
        item->defaultKind.SetCurrent(o.defaultKind);
        item->defaultValue.SetCurrent(o.defaultText);
    }
    if (o.allowedGiven && o.disallowedGiven) {
        // Neither list applies; the user hears of it once for each key.
        sink.ShowMessage(texts::kAllowedAndDisallowed);
        sink.ShowMessage(texts::kAllowedAndDisallowed);
        if (outcome != nullptr) outcome->refused |= refused::kAllowedAndDisallowed;
    } else if (o.allowedGiven) {
        item->allowed.SetCurrent(o.allowed);
        item->userListSense = model::kUserListAllowed;
    } else if (o.disallowedGiven) {
        item->disallowed.SetCurrent(o.disallowed);
        item->userListSense = model::kUserListDisallowed;
    }
    if (o.filterGiven) item->filter.SetCurrent(o.filter);
    if (o.pictureGiven) {
        item->picture.SetCurrent(o.picture);
        item->width.SetCurrent(pictures::PictureWidth(item->picture.Current()));
    }
    if (o.coordinateGiven) MoveFieldItem(model, *item, RelativePosition(model, o.row, o.column));
    if (o.columnNumberGiven) item->columnNumber.SetCurrent(o.columnNumber);
    if (o.helplineGiven) item->help.SetCurrent(o.helpline);
    if (o.titleGiven) item->title.SetCurrent(o.title);
}

}  // namespace overrides
