// The "Unsuppress Field" placement dialog.

#include "tessellar/lists/qt/field_placement_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/qt/cp1252_text.h"
#include "tessellar/model/text_overlap.h"
#include "tessellar/help/qt/help_viewer.h"
#include "tessellar/lists/list_texts.h"

namespace lists {

namespace {

QSpinBox* MakeSpin(QDialog& dialog, const char* name, int value, int limit) {
    auto* spin = new QSpinBox(&dialog);
    spin->setObjectName(name);
    spin->setAccessibleName(name);
    spin->setRange(0, std::max(0, limit));
    spin->setValue(value);
    return spin;
}

}  // namespace

std::optional<model::CellPosition> PlaceUnsuppressedField(QWidget* parent, const model::CScreenModel& screen,
                                                          const std::string& fieldName, model::CellPosition start,
                                                          int rowLimit, int columnLimit, const void* self) {
    QDialog dialog(parent);
    dialog.setObjectName("unsuppressFieldDialog");
    dialog.setWindowTitle(texts::kUnsuppressTitle);
    dialog.setAccessibleName(texts::kUnsuppressTitle);
    auto* form = new QFormLayout;
    if (!fieldName.empty()) {
        auto* name = new QLabel(platform::QStringFromCp1252(fieldName), &dialog);
        name->setObjectName("fieldName");
        name->setAccessibleName(texts::kFieldName);
        form->addRow(texts::kFieldName, name);
    }
    QSpinBox* row = MakeSpin(dialog, texts::kRow, std::max(0, start.row), rowLimit);
    QSpinBox* column = MakeSpin(dialog, texts::kColumn, std::max(0, start.column), columnLimit);
    form->addRow(texts::kRow, row);
    form->addRow(texts::kColumn, column);

    auto* warning = new QLabel(&dialog);
    warning->setObjectName("warning");
    auto* overlay = new QLabel(&dialog);
    overlay->setObjectName("overlay");
    // Room for the longest texts so that neither is cut when it appears.
    warning->setMinimumWidth(warning->fontMetrics().horizontalAdvance(texts::kColumnWarning) + 4);
    overlay->setMinimumWidth(
        overlay->fontMetrics().horizontalAdvance(QString::asprintf(texts::kOverlay, 999, 999)) + 4);
    auto* warningRow = new QHBoxLayout;
    warningRow->addWidget(warning);
    warningRow->addWidget(overlay, 1);

    // The cell where the field's first character would go.
    auto retest = [&, warning, overlay](const char* caption) {
        const model::TextSpan span{row->value(), column->value(), column->value()};
        if (model::CountOverlaps(screen, span, self) > 0) {
            warning->setText(caption);
            overlay->setText(QString::asprintf(texts::kOverlay, row->value(), column->value()));
        } else {
            warning->clear();
            overlay->clear();
        }
    };
    QObject::connect(row, &QSpinBox::valueChanged, &dialog, [=] { retest(texts::kRowWarning); });
    QObject::connect(column, &QSpinBox::valueChanged, &dialog, [=] { retest(texts::kColumnWarning); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help,
                                         &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog,
                     [&dialog] { help::ShowHelpPage(&dialog, texts::kUnsuppressHelpContext); });
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addLayout(warningRow);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return model::CellPosition{row->value(), column->value()};
}

}  // namespace lists
