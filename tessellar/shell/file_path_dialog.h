#pragma once
// "Tessellar File Path": the user picks the directory of the override file
// from the listed directories (the first one selected at first).

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QListWidget;

namespace shell {

class FilePathDialog : public QDialog {
    Q_OBJECT
public:
    FilePathDialog(const std::vector<std::string>& directories, QWidget* parent = nullptr);
    std::string Chosen() const;

    // Shows the dialog; the chosen directory, or none on Cancel.
    static std::optional<std::string> Ask(const std::vector<std::string>& directories, QWidget* parent);

private:
    QListWidget* list_;
};

}  // namespace shell
