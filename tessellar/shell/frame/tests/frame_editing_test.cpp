#include <QtTest>
class T : public QObject { Q_OBJECT };
QTEST_MAIN(T)
#include "frame_editing_test.moc"
