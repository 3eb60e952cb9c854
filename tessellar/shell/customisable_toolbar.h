#pragma once
// A toolbar whose buttons the user chooses: a list of action names ("-" for
// a separator), always followed by its "Customize..." button. The list is
// what the window stores between runs; Reset brings the default back.

#include <QStringList>
#include <QToolBar>

#include <functional>

namespace shell {

inline constexpr const char* kSeparatorName = "-";

class CustomisableToolbar : public QToolBar {
    Q_OBJECT
public:
    using ActionLookup = std::function<QAction*(const QString& name)>;

    CustomisableToolbar(const QString& title, QStringList defaultButtons, ActionLookup lookup, QAction* customize,
                        QWidget* parent = nullptr);

    QStringList Buttons() const { return buttons_; }
    QStringList DefaultButtons() const { return defaultButtons_; }
    // Names no action answers to are dropped.
    void SetButtons(const QStringList& buttons);
    void Reset() { SetButtons(defaultButtons_); }

signals:
    void buttonsChanged();

private:
    QStringList buttons_;
    QStringList defaultButtons_;
    ActionLookup lookup_;
    QAction* customize_;
};

}  // namespace shell
