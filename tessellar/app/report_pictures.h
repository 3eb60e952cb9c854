#pragma once
// The review report's pictures, drawn as `--render` draws them and written
// by its writer threads while the next entry is drawn.

#include <memory>
#include <string>
#include <vector>

#include "tessellar/app/picture_writer.h"
#include "tessellar/app/render_command.h"
#include "tessellar/report/picture_maker.h"

namespace app {

class ReportPictures : public report::PictureMaker {
public:
    ReportPictures(const RenderSettings& settings, unsigned workers = PictureWriter::DefaultWorkers());

    std::optional<std::string> Draw(const model::CScreenModel& entry, bool highlight, const std::string& path) override;
    std::vector<std::string> Finish() override;

private:
    PictureSetup setup_;
    PictureWriter writer_;
    std::vector<std::string> paths_;  // by the writer's number
};

// For the window, which draws with the settings it was started with.
std::unique_ptr<report::PictureMaker> MakeReportPictures(const RenderSettings& settings);

}  // namespace app
