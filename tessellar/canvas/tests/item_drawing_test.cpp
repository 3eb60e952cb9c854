// Pixel checks of the paint pass on the offscreen platform: what each item
// kind draws, where, and how changes are framed.

#include <QApplication>
#include <QtTest>

#include "tessellar/canvas/render/item_drawing.h"
#include "tessellar/canvas/render/legend_window.h"
#include "tessellar/canvas/tests/screen_builder.h"

using namespace canvas;
using namespace canvas::testing;

class ItemDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void emptyScreenShowsOnlyTheBackground() {
        const auto screen = NewScreen();
        const QImage image = Render(*screen, true);
        const CellMetrics cell = TestCell();
        QCOMPARE(image.size(), QSize(80 * cell.width, 23 * cell.height + 3));
        for (int y = 0; y < image.height(); y += 3) {
            for (int x = 0; x < image.width(); x += 3) QCOMPARE(Pixel(image, x, y), kSilver);
        }
    }

    void menuWindowGetsItsFrameAndExtraWidth() {
        const auto screen = NewScreen();
        PictureOptions options;
        options.menuWindow = true;
        const CellMetrics cell = TestCell();
        const QImage image = RenderCanvas(*screen, cell, options);
        QCOMPARE(image.width(), 80 * cell.width + 18);
        QCOMPARE(Pixel(image, 5, image.height() - 1), kGrey);  // bottom line
        QCOMPARE(Pixel(image, 5, 0), kWhite);                   // top line
        QCOMPARE(Pixel(image, 5, 1), QColor(238, 238, 238));   // inner line
    }

    void acceptFieldWidths_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("cells");
        QTest::newRow("width 1 gets a cell more") << 1 << 2;
        QTest::newRow("width 2 gets a cell more") << 2 << 3;
        QTest::newRow("width 3 is three cells") << 3 << 3;
    }
    void acceptFieldWidths() {
        QFETCH(int, width);
        QFETCH(int, cells);
        auto screen = NewScreen();
        AddAccept(*screen, 2, 10, width);
        const QImage image = Render(*screen);
        const CellMetrics cell = TestCell();
        const int top = 2 * cell.height;
        const int right = (10 + cells) * cell.width - 1;
        QCOMPARE(Pixel(image, 10 * cell.width, top), kEdgeShadow);        // outer top left
        QCOMPARE(Pixel(image, right - 2, top), kEdgeShadow);              // the top runs to the right edge
        QCOMPARE(Pixel(image, right, top + cell.height / 2), kWhite);     // outer right line
        QCOMPARE(Pixel(image, right + 1, top + cell.height / 2), kSilver);
        QCOMPARE(Pixel(image, right - 3, top + cell.height / 2), kWhite);  // white inside
    }

    void readOnlyFieldIsGrey() {
        auto screen = NewScreen();
        AddAccept(*screen, 2, 10, 5).readOnly.SetCurrent(true);
        const QImage image = Render(*screen);
        const CellMetrics cell = TestCell();
        QCOMPARE(Pixel(image, 12 * cell.width, 2 * cell.height + cell.height / 2), kGrey);
    }

    void suppressedItemShowsOnlyWhileHighlighting() {
        auto screen = NewScreen();
        AddAccept(*screen, 3, 4, 6).suppressed.SetCurrent(true);
        const CellMetrics cell = TestCell();
        const QRect rect(4 * cell.width, 3 * cell.height, 6 * cell.width, cell.height);

        const QImage plain = Render(*screen, false);
        QVERIFY(!AnyPixel(plain, rect, kWhite));
        QVERIFY(!AnyPixel(plain, rect, kEdgeShadow));

        const QImage highlighted = Render(*screen, true);
        QCOMPARE(Pixel(highlighted, rect.left() + 3, rect.top()), kOrange);
        QCOMPARE(Pixel(highlighted, rect.right(), rect.top() + 5), kOrange);
        QCOMPARE(Pixel(highlighted, rect.left() + 5, rect.top() + 5), kWhite);
    }

    void movedAndSuppressedFramesNest() {
        auto screen = NewScreen();
        model::CAcceptFld& field = AddAccept(*screen, 3, 4, 6);
        field.position.SetCurrent({5, 8});
        field.suppressed.SetCurrent(true);
        const QImage image = Render(*screen, true);
        const CellMetrics cell = TestCell();
        const int left = 8 * cell.width;
        const int top = 5 * cell.height;
        QCOMPARE(Pixel(image, left + 10, top), kOrange);
        QCOMPARE(Pixel(image, left + 10, top + 1), kGreen);
        QCOMPARE(Pixel(image, left + 1, top + 10), kGreen);
        QCOMPARE(Pixel(image, left, top + 10), kOrange);
    }

    void unchangedItemsHaveNoFrames() {
        auto screen = NewScreen();
        AddAccept(*screen, 3, 4, 6);
        AddText(*screen, 4, 4, "Name:");
        QCOMPARE(Render(*screen, true), Render(*screen, false));
    }

    void overlappingItemsAreFramedRed() {
        auto screen = NewScreen();
        AddAccept(*screen, 3, 4, 6);
        AddText(*screen, 3, 8, "Over");
        AddText(*screen, 6, 8, "Apart");
        const QImage image = Render(*screen, true);
        const CellMetrics cell = TestCell();
        QCOMPARE(Pixel(image, 4 * cell.width + 2, 3 * cell.height), kRed);
        QCOMPARE(Pixel(image, 8 * cell.width + 2, 3 * cell.height), kRed);
        QVERIFY(!AnyPixel(image, QRect(0, 6 * cell.height, image.width(), cell.height), kRed));
    }

    void displayScale_data() {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("factor");
        QTest::newRow("150 keeps the rectangle") << 150 << 1;
        QTest::newRow("200 doubles it") << 200 << 2;
        QTest::newRow("50 keeps one cell") << 50 << 1;
    }
    void displayScale() {
        QFETCH(int, scale);
        QFETCH(int, factor);
        auto screen = NewScreen();
        model::CDispText& normal = AddText(*screen, 2, 2, "HH", true);
        normal.colours.SetBoth({model::colour::kBlack, model::colour::kWhite});
        model::CDispText& scaled = AddText(*screen, 6, 2, "HH", true);
        scaled.colours.SetBoth({model::colour::kBlack, model::colour::kWhite});
        scaled.scale.SetCurrent(scale);
        const QImage image = Render(*screen);
        const CellMetrics cell = TestCell();

        const int left = 2 * cell.width;
        const int top = 6 * cell.height;
        const int right = left + 2 * cell.width * factor - 1;
        const int bottom = top + cell.height * factor - 1;
        QCOMPARE(Pixel(image, right, top + 1), kBlack);       // outline at the scaled right edge
        QCOMPARE(Pixel(image, right + 1, top + 1), kSilver);
        QCOMPARE(Pixel(image, left + 1, bottom), kBlack);     // and bottom edge
        QCOMPARE(Pixel(image, left + 1, bottom + 1), kSilver);

        // The characters grow with the scale, not with the rectangle: measured
        // on literal texts, which are not clipped to their cells.
        auto literals = NewScreen();
        AddText(*literals, 2, 2, "HH").colours.SetBoth({model::colour::kBlack, model::colour::kSilver});
        model::CDispText& big = AddText(*literals, 8, 2, "HH");
        big.colours.SetBoth({model::colour::kBlack, model::colour::kSilver});
        big.scale.SetCurrent(scale);
        const QImage texts = Render(*literals);
        const int normalInk = InkHeight(texts, QRect(0, 2 * cell.height, 200, cell.height), kSilver);
        const int scaledInk = InkHeight(texts, QRect(0, 8 * cell.height, 200, 3 * cell.height), kSilver);
        QVERIFY(normalInk > 0);
        if (scale > 100) QVERIFY2(scaledInk * 100 >= normalInk * (scale - 25), "font not scaled");
        if (scale < 100) QVERIFY(scaledInk < normalInk);
    }

    void colonTextKeepsItsColonAtTheRightEdge() {
        auto screen = NewScreen();
        model::CDispText& prompt = AddText(*screen, 2, 10, "Name:   ");
        prompt.colours.SetBoth({model::colour::kBlack, model::colour::kSilver});
        model::CDispText& label = AddText(*screen, 4, 10, "Name    ");
        label.colours.SetBoth({model::colour::kBlack, model::colour::kSilver});
        const QImage image = Render(*screen);
        const CellMetrics cell = TestCell();
        const int left = 10 * cell.width;
        const int right = 18 * cell.width - 1;

        const auto [colonFirst, colonLast] =
            InkColumns(image, QRect(left, 2 * cell.height, right - left + 1, cell.height), kSilver);
        QVERIFY(colonLast <= right - 1);
        QVERIFY2(colonLast >= right - 4, "the colon ends at the right edge");
        QVERIFY2(colonFirst > left + 3 * cell.width - 1, "the blanks went in front");

        const auto [labelFirst, labelLast] =
            InkColumns(image, QRect(left, 4 * cell.height, right - left + 1, cell.height), kSilver);
        QVERIFY(labelFirst >= left + 1 && labelFirst <= left + 4);
        QVERIFY(labelLast < right - 2 * cell.width);
    }

    void equalColoursDrawTheComplement() {
        auto screen = NewScreen();
        AddText(*screen, 2, 2, "WWWW").colours.SetBoth({model::colour::kNavy, model::colour::kNavy});
        const QImage image = Render(*screen);
        const CellMetrics cell = TestCell();
        const QRect rect(2 * cell.width, 2 * cell.height, 4 * cell.width, cell.height);
        QVERIFY(AnyPixel(image, rect, kNavy));                    // the text background
        QVERIFY(AnyPixel(image, rect, QColor(255, 255, 127)));    // text in the complement of navy
    }

    void dataEntryDisplayShowsItsEdgeAndNoText() {
        auto screen = NewScreen();
        model::CDispText& display = AddText(*screen, 2, 2, "WWWW", true);
        display.dataEntryMark = true;
        display.colours.SetBoth({model::colour::kBlack, model::colour::kWhite});
        const QImage image = Render(*screen);
        const CellMetrics cell = TestCell();
        const QRect rect(2 * cell.width, 2 * cell.height, 4 * cell.width, cell.height);
        QCOMPARE(Pixel(image, rect.left() + 4, rect.top()), kEdgeShadow);
        QCOMPARE(Pixel(image, rect.left() + 4, rect.bottom()), kWhite);
        QVERIFY(!AnyPixel(image, rect.adjusted(1, 1, -1, -1), kBlack));
    }

    void boxLinesRunThroughCellMiddles() {
        auto screen = NewScreen();
        model::CBoxItem& box = screen->AddBox();
        box.corners.SetBoth({2, 3, 20, 10});
        box.statementFlag = true;
        model::CBoxItem& etched = screen->AddBox();
        etched.corners.SetBoth({30, 3, 50, 10});
        const QImage image = Render(*screen);
        const CellMetrics cell = TestCell();
        const int x = 2 * cell.width + cell.width / 2;
        const int y = 3 * cell.height + cell.height / 2;
        QCOMPARE(Pixel(image, x + 20, y), kGrey);        // 3-D: grey top
        QCOMPARE(Pixel(image, x + 20, y + 1), kBlack);   // and a black line inside it
        QCOMPARE(Pixel(image, x + 20, 10 * cell.height + cell.height / 2), kWhite);
        const int etchedX = 30 * cell.width + cell.width / 2;
        QCOMPARE(Pixel(image, etchedX + 20, y), kGrey);       // etched: grey
        QCOMPARE(Pixel(image, etchedX + 20, y + 1), kWhite);  // with white one pixel lower
    }

    void boxTitleIsWrittenInTheDimColour() {
        auto screen = NewScreen();
        model::CBoxItem& box = screen->AddBox();
        box.corners.SetBoth({2, 3, 40, 10});
        box.title.SetBoth("WWWW");
        model::ColourTable table;
        table.SetEntry(5, 0x0000FF);  // a red "dim" foreground
        screen->SetColourTable(table);
        const QImage image = Render(*screen);
        const CellMetrics cell = TestCell();
        const int left = 2 * cell.width + cell.width / 2 + cell.width / 2 + 2;
        QVERIFY(AnyPixel(image, QRect(left, 3 * cell.height, 4 * cell.width, cell.height), kRed));
    }

    void modeButtonUsesTheApplicationButtonColours() {
        auto screen = NewScreen();
        model::CModeItem& mode = screen->AddMode();
        mode.label.SetBoth("Add");
        mode.width = 4;
        mode.position = {20, 2};
        PictureOptions options;
        options.buttonColours = {model::colour::kWhite, model::colour::kGreen};
        const CellMetrics cell = TestCell();
        const QImage image = RenderCanvas(*screen, cell, options);
        const int left = 2 * cell.width;
        const int right = 6 * cell.width - 3;
        const int top = 20 * cell.height;
        QCOMPARE(Pixel(image, left, top + 5), kWhite);            // light top left
        QCOMPARE(Pixel(image, right, top + 5), kBlack);           // dark bottom right
        QCOMPARE(Pixel(image, right + 1, top + 5), kSilver);
        QCOMPARE(Pixel(image, left + 2, top + 2), kGreen);        // "button" background
        QVERIFY(AnyPixel(image, QRect(left + 2, top + 2, right - left - 3, cell.height - 4), kWhite));
    }

    void mnemonicLabels_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("drawn");
        QTest::newRow("first letter") << "Add" << "&Add";
        QTest::newRow("after leading blanks") << "  Find" << "  &Find";
        QTest::newRow("own mark kept") << "Fi&nd" << "Fi&nd";
        QTest::newRow("single character") << "X" << "X";
        QTest::newRow("blanks only") << "   " << "   ";
        QTest::newRow("80 characters") << QString(80, 'a') << QString(80, 'a');
        QTest::newRow("79 characters") << QString(79, 'a') << "&" + QString(79, 'a');
    }
    void mnemonicLabels() {
        QFETCH(QString, label);
        QFETCH(QString, drawn);
        QCOMPARE(QString::fromStdString(MnemonicLabel(label.toStdString())), drawn);
    }

    void menuOptionsAsFlatButtonsAndMenuEntries() {
        auto screen = NewScreen();
        model::COptionItem& option = screen->AddOption();
        option.label.SetBoth("Customers");
        option.width = 20;
        option.position.SetBoth({4, 4});
        option.pictureNumber = 1;
        const CellMetrics cell = TestCell();
        const QRect rect(4 * cell.width, 4 * cell.height, 20 * cell.width, cell.height);

        const QImage flat = Render(*screen);
        QCOMPARE(Pixel(flat, rect.left() + 5, rect.top()), kWhite);
        QCOMPARE(Pixel(flat, rect.left() + 5, rect.bottom()), kGrey);
        QVERIFY(AnyPixel(flat, rect.adjusted(1, 1, -1, -1), kNavy));

        PictureOptions menu;
        menu.menuWindow = true;
        const QImage entry = RenderCanvas(*screen, cell, menu);
        QCOMPARE(Pixel(entry, rect.right() - 2, rect.top() + 2), QColor(240, 240, 240));
        QVERIFY2(AnyPixel(entry, QRect(rect.left() + 2, rect.top(), 18, cell.height), QColor(0x20, 0x60, 0xc0)),
                 "the option's picture at its left");
    }

    void legendOpensOnce() {
        LegendWindow* first = LegendWindow::Open();
        LegendWindow* second = LegendWindow::Open();
        QCOMPARE(first, second);
        QCOMPARE(LegendWindow::Instance(), first);
        QCOMPARE(first->windowTitle(), QString("Legend"));
        first->close();
        QTRY_VERIFY(LegendWindow::Instance() == nullptr);
        QVERIFY(LegendWindow::Open() != nullptr);
        LegendWindow::Instance()->close();
        QTRY_VERIFY(LegendWindow::Instance() == nullptr);
    }

    void legendFramesInCategoryOrder() {
        QImage image(300, 120, QImage::Format_RGB32);
        QPainter painter(&image);
        PaintLegend(painter, image.rect());
        painter.end();
        const QColor colours[] = {kRed, kOrange, QColor(0, 0, 255), kGreen, kYellow};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(Pixel(image, 30, 13 + 20 * i), colours[i]);
            QCOMPARE(Pixel(image, 7, 13 + 20 * i + 7), colours[i]);
        }
        QCOMPARE(Pixel(image, 30, 20), kSilver);
        QVERIFY(AnyPixel(image, QRect(90, 13, 100, 15), kBlack));
    }
};

QTEST_MAIN(ItemDrawingTest)
#include "item_drawing_test.moc"
