#pragma once
// A button that shows a colour: a filled rectangle and a drop arrow. A
// click opens the colour chooser at the button's colour.

#include <QPushButton>

#include "tessellar/model/colour_table.h"

namespace sheets {

class ColourButton : public QPushButton {
    Q_OBJECT

public:
    // Without a colour of its own a button shows silver.
    static constexpr model::Colour kDefaultColour = 0xC0C0C0;

    explicit ColourButton(const QString& accessibleName, QWidget* parent = nullptr);

    model::Colour Colour() const { return colour_; }
    void SetColour(model::Colour colour);

    QSize sizeHint() const override;

signals:
    void ColourChanged(model::Colour colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Choose();

    model::Colour colour_ = kDefaultColour;
};

// A colour value (0x00BBGGRR) as Qt holds it, and back.
QColor ToQColor(model::Colour colour);
model::Colour FromQColor(const QColor& colour);

}  // namespace sheets
