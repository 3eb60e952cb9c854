#include "tessellar/app/report_pictures.h"

#include "tessellar/app/picture_limits.h"

namespace app {

ReportPictures::ReportPictures(const RenderSettings& settings, unsigned workers)
    : setup_(SetUpPictures(settings)), writer_(workers) {}

std::optional<std::string> ReportPictures::Draw(const model::CScreenModel& entry, bool highlight,
                                                 const std::string& path) {
    if (std::optional<std::string> problem = PictureSizeProblem(entry, setup_.cell)) return problem;
    canvas::PictureOptions options = setup_.options;
    options.highlight = highlight;
    const std::size_t number = writer_.Write(canvas::RenderScreenWindow(entry, setup_.cell, options), path);
    if (paths_.size() <= number) paths_.resize(number + 1);
    paths_[number] = path;
    return std::nullopt;
}

std::vector<std::string> ReportPictures::Finish() {
    const std::vector<bool> written = writer_.Finish();
    std::vector<std::string> failed;
    for (std::size_t i = 0; i < written.size() && i < paths_.size(); ++i) {
        if (!written[i]) failed.push_back(paths_[i]);
    }
    return failed;
}

std::unique_ptr<report::PictureMaker> MakeReportPictures(const RenderSettings& settings) {
    return std::make_unique<ReportPictures>(settings);
}

}  // namespace app
