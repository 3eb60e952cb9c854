#pragma once
// For window tests: what a screen reader finds below a widget, walking the
// accessible interfaces from parent to child as it does.

#include <QAccessible>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace testsupport {

// The first interface below `root` (itself included) that `wanted` accepts, or null.
inline QAccessibleInterface* FindAccessible(QAccessibleInterface* root,
                                            const std::function<bool(QAccessibleInterface*)>& wanted) {
    if (root == nullptr) return nullptr;
    if (wanted(root)) return root;
    for (int index = 0; index < root->childCount(); ++index) {
        if (QAccessibleInterface* found = FindAccessible(root->child(index), wanted)) return found;
    }
    return nullptr;
}

inline QAccessibleInterface* FindAccessible(QWidget* root, const std::function<bool(QAccessibleInterface*)>& wanted) {
    return FindAccessible(QAccessible::queryAccessibleInterface(root), wanted);
}

// The names of every interface of a role below `root`, in the reader's order.
inline QStringList AccessibleNames(QAccessibleInterface* root, QAccessible::Role role) {
    QStringList names;
    FindAccessible(root, [&](QAccessibleInterface* each) {
        if (each->role() == role) names.append(each->text(QAccessible::Name));
        return false;
    });
    return names;
}

// The name a reader gives what is described as `description` below `root`;
// a null string when there is none.
inline QString NameDescribedAs(QWidget* root, const QString& description) {
    QAccessibleInterface* found = FindAccessible(
        root, [&](QAccessibleInterface* each) { return each->text(QAccessible::Description) == description; });
    return found != nullptr ? found->text(QAccessible::Name) : QString();
}

}  // namespace testsupport
