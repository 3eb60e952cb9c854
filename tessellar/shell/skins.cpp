#include "tessellar/shell/skins.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPalette>
#include <QStyleFactory>

namespace shell {
namespace {

struct Look {
    QColor window;       // dialogs and bars
    QColor base;         // lists and edits
    QColor button;
    QColor highlight;
    QColor highlightedText;
    const char* styleSheet;
};

// The classic look keeps to the palette; the two office looks restyle the
// bars, the browser's page buttons and the status bar.
const Look kLooks[kSkinCount] = {
    {QColor(212, 208, 200), Qt::white, QColor(212, 208, 200), QColor(10, 36, 106), Qt::white, ""},
    {QColor(246, 245, 244), Qt::white, QColor(238, 237, 234), QColor(49, 106, 197), Qt::white,
     "QToolBar { background: #f6f5f4; border: 1px solid #c9c6c0; spacing: 2px; }"
     "QToolBar QToolButton:hover { background: #c1d2ee; border: 1px solid #316ac5; }"
     "QMenuBar { background: #f6f5f4; }"
     "QMenuBar::item:selected { background: #c1d2ee; border: 1px solid #316ac5; }"
     "QMenu { background: #fcfcf9; border: 1px solid #8a867a; }"
     "QMenu::item:selected { background: #c1d2ee; color: black; }"
     "QToolBox::tab { background: #e8e6e1; border: 1px solid #c9c6c0; font-weight: bold; }"
     "QToolBox::tab:selected { background: #c1d2ee; border: 1px solid #316ac5; }"
     "QStatusBar { background: #ece9d8; }"},
    {QColor(227, 239, 255), Qt::white, QColor(213, 228, 250), QColor(251, 230, 148), Qt::black,
     "QToolBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e3effe, stop:1 #9ebef5);"
     " border: 1px solid #6f9ddc; border-radius: 3px; spacing: 2px; }"
     "QToolBar QToolButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff4cc, stop:1 #ffd091);"
     " border: 1px solid #000080; }"
     // The drop-down strip of Undo and Redo is flat until pointed at, as the
     // button is: drawn raised it looked usable on a disabled button.
     "QToolBar QToolButton::menu-button { border: 1px solid transparent; background: transparent; }"
     "QToolBar QToolButton::menu-button:hover, QToolBar QToolButton::menu-button:pressed"
     " { background: #ffd091; border: 1px solid #000080; }"
     "QMenuBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #dae7fd, stop:1 #b0cbf6); }"
     "QMenuBar::item:selected { background: #ffeec2; border: 1px solid #000080; }"
     "QMenu { background: #f6f6f6; border: 1px solid #002d96; }"
     "QMenu::item:selected { background: #ffeec2; color: black; }"
     "QToolBox::tab { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e3effe, stop:1 #9ebef5);"
     " border: 1px solid #6f9ddc; font-weight: bold; color: #15428b; }"
     "QToolBox::tab:selected { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff4cc, stop:1 #ffd091); }"
     "QStatusBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #c4daff, stop:1 #7ea3e0); }"
     "QDockWidget::title { background: #9ebef5; padding: 3px; }"},
};

}  // namespace

void EnsureIconTheme() {
    const QString theme = QIcon::themeName();
    if (!theme.isEmpty() && theme != QLatin1String("hicolor")) return;
    for (const QString& path : QIcon::themeSearchPaths()) {
        if (QDir(path + QStringLiteral("/Adwaita")).exists()) {
            QIcon::setThemeName(QStringLiteral("Adwaita"));
            return;
        }
    }
}

void ApplySkin(int skin) {
    if (skin < 0 || skin >= kSkinCount) skin = 0;
    const Look& look = kLooks[skin];
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);
    QPalette palette;
    palette.setColor(QPalette::Window, look.window);
    palette.setColor(QPalette::Base, look.base);
    palette.setColor(QPalette::AlternateBase, look.window.lighter(104));
    palette.setColor(QPalette::Button, look.button);
    palette.setColor(QPalette::Highlight, look.highlight);
    palette.setColor(QPalette::HighlightedText, look.highlightedText);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    // Disabled controls and menu entries are greyed in every look.
    const QColor greyed(128, 128, 128);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, greyed);
    }
    palette.setColor(QPalette::Disabled, QPalette::Light, look.window.lighter(115));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    QApplication::setPalette(palette);
    qApp->setStyleSheet(QString::fromLatin1(look.styleSheet));
}

}  // namespace shell
