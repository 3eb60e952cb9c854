// The graphical data grid: its height rules, its column rules, and the
// fields inside it shifted by its horizontal scroll and clipped to it.

#include <QApplication>
#include <QtTest>

#include "tessellar/canvas/render/data_grid_geometry.h"
#include "tessellar/canvas/render/screen_canvas.h"
#include "tessellar/canvas/tests/screen_builder.h"

using namespace canvas;
using namespace canvas::testing;

namespace {

constexpr int kScrollBarWidth = 16;
constexpr int kFirstRow = 4;
constexpr int kRows = 5;

// A data grid over columns 0 to 40 whose fields have the given widths.
std::unique_ptr<model::CScreenModel> GridScreen(std::initializer_list<int> widths) {
    auto screen = NewScreen();
    screen->SetReviewWord(model::CReviewArea::kDataGridFlag);
    model::CReviewArea& area = screen->CreateReviewArea();
    area.flags = model::CReviewArea::kDataGridFlag;
    area.firstRow = kFirstRow;
    area.leftColumn = 0;
    area.rightColumn = 40;
    area.repeatCount = kRows;
    area.boxHeight = 1;
    int compiledColumn = 1;
    for (const int width : widths) {
        model::CAcceptFld& field = AddAccept(*screen, kFirstRow, compiledColumn, width);
        field.compiled = {kFirstRow + 1, compiledColumn};
        field.inReviewArea = true;
        field.reviewArea = &area;
        field.title.SetBoth("T");
        screen->RegisterGridColumn(field, "T");
        compiledColumn += width;
    }
    screen->PlaceGridItems();
    return screen;
}

QImage RenderGrid(const model::CScreenModel& screen, bool highlight = false) {
    PictureOptions options;
    options.highlight = highlight;
    options.scrollBarWidth = kScrollBarWidth;
    return RenderCanvas(screen, TestCell(), options);
}

}  // namespace

class DataGridTest : public QObject {
    Q_OBJECT

private slots:
    void heightFollowsTheScrollNeed_data() {
        QTest::addColumn<int>("columnWidth");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("columns fit") << 20 << false;
        QTest::newRow("columns wider than the area") << 30 << true;
    }
    void heightFollowsTheScrollNeed() {
        QFETCH(int, columnWidth);
        QFETCH(bool, scrolls);
        const auto screen = GridScreen({columnWidth, columnWidth});
        const CellMetrics cell = TestCell();
        const DataGridGeometry grid = LayOutDataGrid(*screen->ReviewArea(), cell, kScrollBarWidth);
        QCOMPARE(grid.horizontalScroll, scrolls);
        const int expected = scrolls ? (cell.height - 3) * kRows + 2 * cell.height
                                     : (cell.height - 3) * kRows + cell.height + 3;
        QCOMPARE(grid.rect.height(), expected);
        QCOMPARE(grid.rect.width(), 41 * cell.width - kScrollBarWidth - 3);
        QCOMPARE(grid.rect.topLeft(), QPoint(0, kFirstRow * cell.height));

        // The window's outline closes at its bottom edge.
        const QImage image = RenderGrid(*screen);
        QCOMPARE(Pixel(image, grid.rect.right() - 3, grid.rect.bottom()), kGrey);
        QCOMPARE(Pixel(image, grid.rect.right() - 3, grid.rect.bottom() + 1), kSilver);
    }

    void rowAndColumnRules() {
        const auto screen = GridScreen({10, 12});
        const CellMetrics cell = TestCell();
        const QImage image = RenderGrid(*screen);
        const int top = kFirstRow * cell.height;
        // A silver rule under the header and under every data row.
        for (int row = 0; row < kRows; ++row) {
            QCOMPARE(Pixel(image, 30 * cell.width, top + cell.height + row * (cell.height - 3)), kSilver);
        }
        // A grey rule before the second column (below the fields' own row),
        // none before the first.
        const int ruleX = 10 * cell.width - 1;
        QCOMPARE(Pixel(image, ruleX, top + 2 * cell.height + 5), kGrey);
        QVERIFY(!AnyPixel(image, QRect(1, top + cell.height + 2, 8 * cell.width, 2 * cell.height), kGrey));
    }

    void singleColumnHasNoColumnRule() {
        const auto screen = GridScreen({10});
        const CellMetrics cell = TestCell();
        const QImage image = RenderGrid(*screen);
        const DataGridGeometry grid = LayOutDataGrid(*screen->ReviewArea(), cell, kScrollBarWidth);
        const QRect body(grid.rect.left() + 1, grid.rect.top() + cell.height + 1, grid.rect.width() - 2,
                         grid.rect.height() - cell.height - 2);
        QVERIFY(!AnyPixel(image, body, kGrey));
    }

    void fieldsShowNavyUnderTheirHeading() {
        const auto screen = GridScreen({10, 12});
        const CellMetrics cell = TestCell();
        const QImage image = RenderGrid(*screen);
        const int top = kFirstRow * cell.height;
        QCOMPARE(Pixel(image, 14 * cell.width, top + cell.height + (cell.height - 3) / 2), kNavy);
        QCOMPARE(Pixel(image, 14 * cell.width, top + cell.height / 2), kSilver);  // the heading cell
        QVERIFY(AnyPixel(image, QRect(10 * cell.width, top, 12 * cell.width, cell.height), kBlack));  // its title
    }

    // A field on the grid's header row is drawn in the first data row; its
    // change frame and the rectangle the gestures hit are there too, never on
    // the column heading above it.
    void changeFramesAndHitRectanglesAreWhereTheFieldIsDrawn() {
        auto screen = GridScreen({10, 12});
        const CellMetrics cell = TestCell();
        model::CAcceptFld& field = screen->Accepts()[0];
        field.help.SetCurrent("changed");
        model::CDispText& value = AddText(*screen, kFirstRow, 22, "VALUE", true);
        value.compiled = {kFirstRow + 1, 23};
        value.inReviewArea = true;
        value.reviewArea = screen->ReviewArea();
        value.text.SetCurrent("changed");
        screen->RegisterGridColumn(value, "V");
        screen->PlaceGridItems();

        PictureOptions options;
        options.highlight = true;
        options.scrollBarWidth = kScrollBarWidth;
        ItemRectangles rectangles;
        const QImage image = RenderCanvas(*screen, cell, options, &rectangles);
        const int headingTop = kFirstRow * cell.height;
        const int valueTop = headingTop + cell.height + 1;
        for (const void* item : {static_cast<const void*>(&field), static_cast<const void*>(&value)}) {
            const QRect hit = rectangles.at(item);
            QCOMPARE(hit.top(), valueTop);
            QCOMPARE(hit.bottom(), headingTop + 2 * cell.height - 4);
            QCOMPARE(Pixel(image, hit.left() + 3, valueTop), kYellow);
            QVERIFY(!AnyPixel(image, QRect(hit.left(), headingTop, hit.width(), cell.height), kYellow));
        }
    }

    void scrolledFieldsAreShiftedAndClipped() {
        auto screen = GridScreen({30, 30});
        const CellMetrics cell = TestCell();
        model::CAcceptFld& first = screen->Accepts()[0];
        model::CAcceptFld& second = screen->Accepts()[1];
        first.help.SetCurrent("changed");  // both framed as changed while highlighting
        second.help.SetCurrent("changed");
        screen->ReviewArea()->scrollColumn = 30;
        const QImage image = RenderGrid(*screen, true);
        const int dataY = kFirstRow * cell.height + cell.height + (cell.height - 3) / 2;

        // The second column now starts at the grid's left edge.
        QCOMPARE(Pixel(image, 5 * cell.width, dataY), kNavy);
        QCOMPARE(second.position.Current().column, 30);  // the model keeps its unscrolled column
        // The first lies wholly left of the grid: not drawn, but its frame is,
        // on the first data row where it would show.
        QCOMPARE(Pixel(image, 5, kFirstRow * cell.height + cell.height + 1), kYellow);
        // Nothing of the fields leaks right of the grid window.
        const DataGridGeometry grid = LayOutDataGrid(*screen->ReviewArea(), cell, kScrollBarWidth);
        QVERIFY(!AnyPixel(image, QRect(grid.rect.right() + 1, dataY - 3, cell.width, 6), kNavy));
    }

    void canvasScrollBarMovesTheFields() {
        auto screen = GridScreen({30, 30});
        const CellMetrics cell = TestCell();
        CScreenCanvas canvasWindow(PlaceScreen(*screen, cell, false), cell, *screen, nullptr);
        canvasWindow.grab();  // the first paint makes the grid
        QVERIFY(canvasWindow.DataGrid() != nullptr);
        QScrollBar* bar = canvasWindow.DataGrid()->ScrollBar();
        QVERIFY(bar->isVisibleTo(&canvasWindow));
        bar->setValue(10 * cell.width);
        QCOMPARE(screen->ReviewArea()->scrollColumn, 10);
        const QImage image = canvasWindow.grab().toImage();
        const int dataY = kFirstRow * cell.height + cell.height + (cell.height - 3) / 2;
        QCOMPARE(image.pixelColor(20 * cell.width + 5, dataY), kNavy);  // second field from column 20
    }
};

QTEST_MAIN(DataGridTest)
#include "data_grid_test.moc"
