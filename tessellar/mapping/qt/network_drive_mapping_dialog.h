#pragma once
// "Network Drive Mapping": the new path of one mapping, typed or chosen with
// the folder browser.

#include <QDialog>

class QLineEdit;

namespace mapping {

class NetworkDriveMappingDialog : public QDialog {
    Q_OBJECT

public:
    explicit NetworkDriveMappingDialog(const QString& text, QWidget* parent = nullptr);

    QString Text() const;

private slots:
    void Browse();

private:
    QLineEdit* edit_;
};

}  // namespace mapping
