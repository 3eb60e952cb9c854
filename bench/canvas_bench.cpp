// Painting a full screen with highlighting on, against filling the same
// pixels once; and drawing every entry of a large program into pictures.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <memory>
#include <sstream>

#include "bench/ratio_reporter.h"
#include "tessellar/app/render_command.h"
#include "tessellar/canvas/render/cell_metrics.h"
#include "tessellar/canvas/render/screen_painter.h"
#include "tessellar/canvas/render/screen_picture.h"

namespace {

constexpr int kItems = 300;
constexpr int kItemsPerRow = 13;
constexpr int kItemWidth = 5;

// A 24 x 80 screen of 300 entry fields, prompts and value displays, some of
// them moved, suppressed or changed, so that every frame kind is drawn.
std::unique_ptr<model::CScreenModel> FullScreen() {
    auto screen = std::make_unique<model::CScreenModel>("BENCH", 1, nullptr, 0, 0, model::ModelKind::Screen);
    screen->CreateFrame().Place(1, 1, 80, 24);
    for (int i = 0; i < kItems; ++i) {
        const model::CellPosition at{i / kItemsPerRow, (i % kItemsPerRow) * (kItemWidth + 1)};
        model::FieldItem* item = nullptr;
        if (i % 3 == 0) {
            model::CAcceptFld& field = screen->AddAccept();
            item = &field;
        } else {
            model::CDispText& display = screen->AddDisplay();
            display.text.SetBoth(i % 3 == 1 ? "Name:" : "VALUE");
            display.dataDisplay = i % 3 == 2;
            item = &display;
        }
        item->position.SetBoth(at);
        item->width.SetBoth(kItemWidth);
        if (i % 7 == 0) item->suppressed.SetCurrent(true);
        if (i % 5 == 0) item->position.SetCurrent({at.row, at.column + 1});
        if (i % 11 == 0) item->picture.SetCurrent("x(9)");
    }
    return screen;
}

struct PaintSetup {
    std::unique_ptr<model::CScreenModel> screen = FullScreen();
    canvas::CellMetrics cell = canvas::MeasureCellMetrics(model::FontDescription{});
    canvas::CanvasPlacement placement = canvas::PlaceScreen(*screen, cell, false);
    QImage image{placement.ClientRect(cell).size(), QImage::Format_RGB32};
};

void BM_PaintFullScreenHighlighted(benchmark::State& state) {
    PaintSetup setup;
    canvas::ScreenPaintInputs inputs;
    inputs.model = setup.screen.get();
    inputs.cell = setup.cell;
    inputs.client = setup.image.rect();
    inputs.highlight = true;
    for (auto _ : state) {
        QPainter painter(&setup.image);
        canvas::PaintScreen(painter, inputs);
        painter.end();
        benchmark::DoNotOptimize(setup.image.constBits());
    }
}
BENCHMARK(BM_PaintFullScreenHighlighted)->Unit(benchmark::kMillisecond);

// The baseline: one fill of the same pixel area.
void BM_FillScreenOnce(benchmark::State& state) {
    PaintSetup setup;
    for (auto _ : state) {
        QPainter painter(&setup.image);
        painter.fillRect(setup.image.rect(), QColor(192, 192, 192));
        painter.end();
        benchmark::DoNotOptimize(setup.image.constBits());
    }
}
BENCHMARK(BM_FillScreenOnce)->Unit(benchmark::kMillisecond);

// tessellar --render PROGRAM --all DIR over the generated program.
void BM_RenderAllGenerated(benchmark::State& state) {
    QTemporaryDir directory;
    app::RenderRequest request;
    request.program = TESSELLAR_BENCH_PROGRAM;
    request.allDirectory = directory.path().toStdString();
    std::int64_t entries = 0;
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream errors;
        if (app::RunRender(request, app::RenderSettings{}, out, errors) != 0) {
            state.SkipWithError("render failed");
            break;
        }
        entries += std::stoll(out.str());
    }
    state.counters["entries"] = benchmark::Counter(static_cast<double>(entries), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderAllGenerated)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("BM_PaintFullScreenHighlighted", "BM_FillScreenOnce");
    benchmark::Shutdown();
    return 0;
}
