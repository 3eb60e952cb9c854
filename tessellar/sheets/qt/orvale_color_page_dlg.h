#pragma once
// The Color page of a display: a foreground and a background colour
// button, each with the colour's name (one of the sixteen) or its value.

#include "tessellar/model/colour_table.h"
#include "tessellar/sheets/qt/property_page.h"

class QLabel;

namespace sheets {

class ColourButton;

class COrvaleColorPageDlg : public PropertyPage {
public:
    explicit COrvaleColorPageDlg(QWidget* parent = nullptr);

    void SetOriginal(model::ColourPair colours) { original_ = colours; }
    void SetCurrent(model::ColourPair colours);
    model::ColourPair NewColours() const;
    model::ColourPair Original() const { return original_; }

    ColourButton* ForegroundButton() const { return foreground_; }
    ColourButton* BackgroundButton() const { return background_; }

    void RestoreOriginal() override { SetCurrent(original_); }

private:
    void ShowNames();

    model::ColourPair original_{model::colour::kSilver, model::colour::kSilver};
    ColourButton* foreground_ = nullptr;
    ColourButton* background_ = nullptr;
    QLabel* foregroundName_ = nullptr;
    QLabel* backgroundName_ = nullptr;
};

}  // namespace sheets
