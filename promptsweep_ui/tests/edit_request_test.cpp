// "Prompt Sweep Request" on the offscreen platform: a pair holding a line
// end or a carriage return cannot be confirmed, as the tool would refuse it.

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>


#include "promptsweep_ui/qt/edit_request_dialog.h"
#include "testsupport/modal_dialogs.h"

namespace sweepui {

namespace {

// Tips stay on: nothing is stored.
class NoRegistry : public settings::RegistryAccess {
public:
    std::optional<std::vector<settings::RegistryValue>> EnumerateValues(settings::RegistryRoot,
                                                                        std::string_view) const override {
        return std::nullopt;
    }
    std::optional<std::string> ReadString(settings::RegistryRoot, std::string_view, std::string_view) const override {
        return std::nullopt;
    }
    settings::RegistryResult WriteString(settings::RegistryRoot, std::string_view, std::string_view,
                                         std::string_view) override {
        return settings::RegistryResult::Success();
    }
    settings::RegistryResult CreateKey(settings::RegistryRoot, std::string_view, bool*) override {
        return settings::RegistryResult::Success();
    }
    settings::RegistryResult DeleteKey(settings::RegistryRoot, std::string_view) override {
        return settings::RegistryResult::Success();
    }
};

}  // namespace

class EditRequestTest : public QObject {
    Q_OBJECT

private slots:
    void APairHoldingALineBreakCannotBeConfirmed_data();
    void APairHoldingALineBreakCannotBeConfirmed();
};

void EditRequestTest::APairHoldingALineBreakCannotBeConfirmed_data() {
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("replace");
    QTest::newRow("LineEndInTheReplacement") << QStringLiteral("Customer") << QStringLiteral("a\nscreen EVIL\n{");
    QTest::newRow("CarriageReturnInTheReplacement") << QStringLiteral("Customer") << QStringLiteral("Cli\rent");
    QTest::newRow("CarriageReturnInTheFindString") << QStringLiteral("Cust\romer") << QStringLiteral("Client");
}

void EditRequestTest::APairHoldingALineBreakCannotBeConfirmed() {
    QFETCH(QString, find);
    QFETCH(QString, replace);
    NoRegistry registry;
    TipSwitches tips(registry);
    EditRequestDialog form(nullptr, tips, find, replace);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QString text;
    testsupport::OnNextModal<QMessageBox>(nullptr, [&text](QMessageBox* box) {
        text = box->text();
        box->buttons().value(0)->click();
    });
    form.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    QCOMPARE(text, QStringLiteral("The Find and REPLACEMENT texts cannot hold a line end or a carriage return"));
    QVERIFY(form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));

    form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Customer"));
    form.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("Client"));
    form.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

}  // namespace sweepui

QTEST_MAIN(sweepui::EditRequestTest)
#include "edit_request_test.moc"
