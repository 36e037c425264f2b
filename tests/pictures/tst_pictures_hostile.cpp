#include "PicListTestSupport.h"

#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtCore/QFile>
#include <QtCore/QPointer>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <climits>

using namespace OrvaGUIToolkit;

// Bad input to the picture list and its labels: every refusal is a return
// value or a warning, a broken picture is a placeholder, and a slot that
// deletes the list from any signal it emits from its own handlers is survived.
class TestPicturesHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void badPictureFiles_data();
    void badPictureFiles();
    void extremeSizes_data();
    void extremeSizes();
    void unknownSerialsAndPages_data();
    void unknownSerialsAndPages();
    void nullArguments();
    void extremeMousePositions_data();
    void extremeMousePositions();
    void deletingSlots_data();
    void deletingSlots();

private:
    QTemporaryDir m_dir;
    QList<QString> m_listPaths;
};

void TestPicturesHostile::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_listPaths = WriteSnapshots(m_dir, 8);
}

void TestPicturesHostile::badPictureFiles_data()
{
    QTest::addColumn<QString>("strPath");
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("gone.jpg"));
    QTest::newRow("empty") << QString();
    QTest::newRow("directory") << m_dir.path();
    QTest::newRow("huge path") << QString(1 << 20, QLatin1Char('x'));
    QTest::newRow("text file") << m_dir.filePath(QStringLiteral("notes.jpg"));
    QTest::newRow("truncated") << m_dir.filePath(QStringLiteral("cut.png"));
}

void TestPicturesHostile::badPictureFiles()
{
    QFETCH(QString, strPath);
    QFile text(m_dir.filePath(QStringLiteral("notes.jpg")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("plate AB 123 seen at gate 4\n");
    text.close();
    QFile source(m_listPaths.at(0));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QFile cut(m_dir.filePath(QStringLiteral("cut.png")));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(source.read(40));
    cut.close();

    CTestPicList list(100, 80, QSize(330, 200));
    const unsigned uLsh = list.AddPic(strPath);
    QCOMPARE(uLsh, 1u);
    list.AddPic(m_listPaths.at(1));
    list.ShowPage(1);
    CPicBaseLabel* pLabel = list.GetPicLabel(uLsh);
    QVERIFY(pLabel);
    QVERIFY(!pLabel->HasPicture());
    QVERIFY(pLabel->IsPictureBroken());
    QVERIFY(list.GetPicLabel(2)->HasPicture());
    list.grab();
}

void TestPicturesHostile::extremeSizes_data()
{
    QTest::addColumn<unsigned>("uWidth");
    QTest::addColumn<unsigned>("uHeight");
    QTest::addColumn<int>("iGap");
    QTest::addColumn<int>("iPages");

    QTest::newRow("largest") << 0xFFFFFFFFu << 0xFFFFFFFFu << 5 << -1;
    QTest::newRow("wider than int") << 0x80000000u << 80u << 5 << -1;
    QTest::newRow("zero with gap") << 0u << 0u << 5 << 1;
    QTest::newRow("zero, no gap") << 0u << 0u << 0 << -1;
    QTest::newRow("zero width, huge gap") << 0u << 80u << INT_MAX << -1;
    QTest::newRow("negative gap") << 100u << 80u << INT_MIN << 2;
}

void TestPicturesHostile::extremeSizes()
{
    QFETCH(unsigned, uWidth);
    QFETCH(unsigned, uHeight);
    QFETCH(int, iGap);
    QFETCH(int, iPages);

    CTestPicList list(100, 80, QSize(330, 200));
    list.AddPics(m_listPaths.mid(0, 8));
    list.ShowPage(1);
    list.SetPicLabelGap(iGap);
    QSignalSpy spyPages(&list, &CPicLabelList::SignalSetPageInfo);
    if (uWidth + uHeight == 0 && iGap == 0)
        QTest::ignoreMessage(QtWarningMsg, "CPicLabelList::DoPaging: picture size + gap == 0");
    list.SetPictureSize(uWidth, uHeight);
    QVERIFY(list.GetPicLabelGap() >= 0);
    if (iPages < 0) {
        QCOMPARE(spyPages.count(), 0);
        QVERIFY(list.Labels().isEmpty() || list.Labels().first()->width() == 100);
    } else {
        QVERIFY(!spyPages.isEmpty());
        QCOMPARE(spyPages.last().at(0).toUInt(), unsigned(iPages));
    }
    list.grab();
}

void TestPicturesHostile::unknownSerialsAndPages_data()
{
    QTest::addColumn<unsigned>("uLsh");
    QTest::newRow("zero") << 0u;
    QTest::newRow("never handed out") << 9u;
    QTest::newRow("largest") << 0xFFFFFFFFu;
}

void TestPicturesHostile::unknownSerialsAndPages()
{
    QFETCH(unsigned, uLsh);
    CTestPicList list(100, 80, QSize(330, 200));
    list.AddPics(m_listPaths.mid(0, 8));
    list.ShowPage(2);
    const QByteArray strLine = "PicLsh " + QByteArray::number(uLsh) + " is not existed.";
    QTest::ignoreMessage(QtDebugMsg, strLine.constData());
    QVERIFY(!list.DelPics(uLsh));
    QTest::ignoreMessage(QtDebugMsg, strLine.constData());
    QVERIFY(!list.UpdatePic(uLsh, m_listPaths.at(0)));
    QTest::ignoreMessage(QtDebugMsg, strLine.constData());
    QVERIFY(list.DelPics(QList<unsigned>{uLsh}));
    QCOMPARE(list.GetPictureCount(), 8u);
    QCOMPARE(list.IsContain(uLsh), -1);
    QCOMPARE(list.GetNextPicLsh(uLsh), 0xFFFFFFFFu);
    QVERIFY(list.GetPicLabel(uLsh) == nullptr);
    list.SetPicSelected(uLsh, true);
    QCOMPARE(list.GetSelectedPicCount(), 0);

    for (unsigned uPage : {0u, 3u, uLsh})
        QCOMPARE(list.ShowPage(uPage), false);
    QCOMPARE(list.GetCurrentPage(), 2u);
    QCOMPARE(list.InsertPic(INT_MIN, m_listPaths.at(0)), 0xFFFFFFFFu);
    QCOMPARE(list.InsertPic(INT_MAX, m_listPaths.at(0)), 9u);
    QCOMPARE(list.IsContain(9u), 8);
}

void TestPicturesHostile::nullArguments()
{
    CTestPicList list(100, 80, QSize(330, 200));
    list.AddPics(m_listPaths.mid(0, 3));
    QTest::ignoreMessage(QtWarningMsg, "CPicLabelList::GetPicLabels: pListLabels == NULL");
    list.GetPicLabels(nullptr);
    list.SetModel(nullptr);
    list.SetPicLabelBackground(QPixmap());
    list.SetPicLabelBroadColor(QColor());
    list.ShowPage(1);
    list.SelectAllPics();
    QCOMPARE(int(list.GetSelectedPics(nullptr).size()), 3);
    QCOMPARE(list.GetPicLabel(1)->GetSelectedColor().isValid(), true);
    QCOMPARE(list.AddPixmap(QPixmap()), 4u);
    list.RefreshCurrentPage();
    QVERIFY(!list.GetPicLabel(4)->HasPicture());

    CPicDataModel model;
    QVERIFY(!model.DelItem(0xFFFFFFFFu));
    QVERIFY(!model.GetItem(3).isValid());
}

void TestPicturesHostile::extremeMousePositions_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::newRow("int min") << QPoint(INT_MIN, INT_MIN);
    QTest::newRow("int max") << QPoint(INT_MAX, INT_MAX);
    QTest::newRow("mixed") << QPoint(INT_MIN, INT_MAX);
}

void TestPicturesHostile::extremeMousePositions()
{
    QFETCH(QPoint, point);
    CTestPicList list(100, 80, QSize(330, 200));
    list.AddPics(m_listPaths.mid(0, 8));
    list.ShowPage(1);
    list.Labels();
    SendMouse(&list, QEvent::MouseButtonPress, point);
    SendMouse(&list, QEvent::MouseMove, QPoint(50, 40));
    SendMouse(&list, QEvent::MouseMove, point, Qt::ControlModifier);
    QVERIFY(QRect(0, 0, 329, 199).contains(list.D()->m_ptCurrent));
    list.grab();
    SendMouse(&list, QEvent::MouseButtonRelease, point);
    QVERIFY(list.GetSelectedPicCount() <= 6);
}

void TestPicturesHostile::deletingSlots_data()
{
    QTest::addColumn<int>("iSignal");
    QTest::newRow("SignalLabelClicked") << 0;
    QTest::newRow("SignalLabelDbClicked") << 1;
    QTest::newRow("SignalPicSelectChanged") << 2;
}

void TestPicturesHostile::deletingSlots()
{
    QFETCH(int, iSignal);
    auto* pList = new CTestPicList(100, 80, QSize(330, 200));
    pList->AddPics(m_listPaths.mid(0, 8));
    pList->show();
    QVERIFY(QTest::qWaitForWindowExposed(pList));
    pList->ShowPage(1);
    QPointer<CPicBaseLabel> pLabel = pList->Labels().at(1);
    QPointer<CPicLabelList> pGuard(pList);
    const auto deleteList = [pList]() { delete pList; };
    switch (iSignal) {
    case 0:
        connect(pList, &CPicLabelList::SignalLabelClicked, this, deleteList);
        QTest::mousePress(pLabel, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        break;
    case 1:
        connect(pList, &CPicLabelList::SignalLabelDbClicked, this, deleteList);
        QTest::mouseDClick(pLabel, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        break;
    default:
        connect(pList, &CPicLabelList::SignalPicSelectChanged, this, deleteList);
        QTest::mouseClick(pLabel, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        break;
    }
    QVERIFY(pGuard.isNull());
    QVERIFY(pLabel.isNull());
}

QTEST_MAIN(TestPicturesHostile)
#include "tst_pictures_hostile.moc"
