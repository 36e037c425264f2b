#include <QtTest/QtTest>
class T : public QObject { Q_OBJECT private Q_SLOTS: void none() { QVERIFY(true); } };
QTEST_MAIN(T)
#include "tst_layout_hostile.moc"
