// File dialog filters: captions kept as written, "*.*" matching names
// without a dot too (before, programs and scripts were hidden).

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/qt/file_filters.h"

class FileFiltersTest : public QObject {
    Q_OBJECT

private slots:
    void captionsShowAsWrittenAndAllFilesMeansEveryFile() {
        QTemporaryDir directory;
        for (const char* name : {"runme", "notes.txt", "cust.scf"}) {
            QFile file(directory.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
        const QStringList captions = platform::FileFilterList(QStringLiteral("Tessellar File(*.scf);;All Files(*.*)"));
        platform::SetFileFilters(dialog, captions);
        dialog.setDirectory(directory.path());
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types != nullptr);
        QStringList shown;
        for (int i = 0; i < types->count(); ++i) shown.append(types->itemText(i));
        QCOMPARE(shown, captions);

        dialog.show();
        auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
        QVERIFY(list != nullptr);
        auto names = [&] {
            QStringList found;
            const QModelIndex root = list->rootIndex();
            for (int row = 0; row < list->model()->rowCount(root); ++row) {
                if (!list->isRowHidden(row)) found.append(list->model()->index(row, 0, root).data().toString());
            }
            found.sort();
            return found;
        };
        QTRY_COMPARE(names(), QStringList{QStringLiteral("cust.scf")});
        dialog.selectNameFilter(dialog.nameFilters().at(1));
        QTRY_COMPARE(names(), (QStringList{QStringLiteral("cust.scf"), QStringLiteral("notes.txt"),
                                           QStringLiteral("runme")}));
    }
};

QTEST_MAIN(FileFiltersTest)
#include "file_filters_test.moc"
