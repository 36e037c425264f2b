#include "PicListTestSupport.h"

#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;

class TestPicLabelList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void serialsAreNeverReused();
    void insertAndLookup();
    void paging_data();
    void paging();
    void pageLayoutPlacesLabelsInTheGrid();
    void showPageOutOfRangeChangesNothing();
    void deletingLowersTheCurrentPage();
    void singlePageModeGrowsTheList();
    void deletingKeepsTheModelInStep();
    void onlyTheShownPageDecodesScaled();
    void captionsTipsAndLook();
    void clickAndCtrlClick();
    void rubberBandCrossesThePageEdge();
    void ctrlBandInvertsTheRecordedSelection();
    void selectionByCall();

private:
    QTemporaryDir m_dir;
    QList<QString> m_listPaths;
};

void TestPicLabelList::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_listPaths = WriteSnapshots(m_dir, 12);
}

void TestPicLabelList::serialsAreNeverReused()
{
    CPicLabelList list(100, 80);
    QCOMPARE(list.objectName(), QStringLiteral("CPicLabelList"));
    QCOMPARE(list.AddPic(m_listPaths.at(0)), 1u);
    QCOMPARE(list.AddPic(m_listPaths.at(1)), 2u);
    QCOMPARE(list.AddPic(m_listPaths.at(0)), 1u);
    QCOMPARE(list.GetPictureCount(), 2u);
    // Empty paths are never duplicates of each other.
    QCOMPARE(list.AddPic(QString()), 3u);
    QCOMPARE(list.AddPic(QString()), 4u);

    QCOMPARE(list.AddPics({m_listPaths.at(2), m_listPaths.at(2)}), (QList<unsigned>{5, 6}));
    QCOMPARE(list.GetPictureCount(), 6u);

    QVERIFY(list.DelPics(6u));
    QCOMPARE(list.AddPic(m_listPaths.at(3)), 7u);
    QVERIFY(list.DelAllPics());
    QCOMPARE(list.GetPictureCount(), 0u);
    QCOMPARE(list.AddPic(m_listPaths.at(3)), 8u);
}

void TestPicLabelList::insertAndLookup()
{
    CPicLabelList list(100, 80);
    QCOMPARE(list.GetFirstPicLsh(), 0xFFFFFFFFu);
    list.AddPics({m_listPaths.at(0), m_listPaths.at(1)});
    QCOMPARE(list.InsertPic(-1, m_listPaths.at(5)), 0xFFFFFFFFu);
    // The same path at that very index is the record already there.
    QCOMPARE(list.InsertPic(1, m_listPaths.at(1)), 2u);
    QCOMPARE(list.InsertPic(1, m_listPaths.at(4)), 3u);
    QCOMPARE(list.InsertPic(99, m_listPaths.at(6)), 4u);

    QCOMPARE(list.IsContain(3u), 1);
    QCOMPARE(list.IsContain(m_listPaths.at(1)), 2);
    QCOMPARE(list.IsContain(77u), -1);
    QCOMPARE(list.IsContain(m_listPaths.at(9)), -1);
    QCOMPARE(list.GetFirstPicLsh(), 1u);
    QCOMPARE(list.GetNextPicLsh(1), 3u);
    QCOMPARE(list.GetNextPicLsh(2), 4u);
    QCOMPARE(list.GetNextPicLsh(4), 0xFFFFFFFFu);
    QCOMPARE(list.GetNextPicLsh(77), 0xFFFFFFFFu);
}

void TestPicLabelList::paging_data()
{
    QTest::addColumn<QSize>("sizeList");
    QTest::addColumn<int>("iGap");
    QTest::addColumn<int>("iCount");
    QTest::addColumn<int>("iPages");
    QTest::addColumn<int>("iFirstPage");
    QTest::addColumn<int>("iLastPage");

    QTest::newRow("3 columns, 2 rows") << QSize(330, 200) << 5 << 10 << 2 << 6 << 4;
    QTest::newRow("exactly one page") << QSize(330, 200) << 5 << 6 << 1 << 6 << 6;
    QTest::newRow("one column") << QSize(209, 200) << 5 << 10 << 5 << 2 << 2;
    QTest::newRow("one row per page") << QSize(330, 169) << 5 << 10 << 4 << 3 << 1;
    QTest::newRow("no gap") << QSize(300, 160) << 0 << 11 << 2 << 6 << 5;
    QTest::newRow("wide gap") << QSize(330, 200) << 20 << 5 << 2 << 4 << 1;
}

void TestPicLabelList::paging()
{
    QFETCH(QSize, sizeList);
    QFETCH(int, iGap);
    QFETCH(int, iCount);
    QFETCH(int, iPages);
    QFETCH(int, iFirstPage);
    QFETCH(int, iLastPage);

    CTestPicList list(100, 80, sizeList);
    list.SetPicLabelGap(iGap);
    QSignalSpy spyPages(&list, &CPicLabelList::SignalSetPageInfo);
    list.AddPics(m_listPaths.mid(0, iCount));
    QCOMPARE(spyPages.count(), 1);
    QCOMPARE(spyPages.last().at(0).toUInt(), unsigned(iPages));
    QCOMPARE(spyPages.last().at(1).toUInt(), 1u);
    QCOMPARE(list.GetTotalPageNum(), unsigned(iPages));

    QVERIFY(list.GetPicLabel(1) == nullptr);
    QCOMPARE(list.ShowPage(1), false);
    QCOMPARE(int(list.Labels().size()), iFirstPage);
    list.ShowPage(unsigned(iPages));
    QCOMPARE(int(list.Labels().size()), iLastPage);
    QCOMPARE(list.GetCurrentPage(), unsigned(iPages));
    QCOMPARE(list.Labels().last()->GetPicLsh(), unsigned(iCount));
}

void TestPicLabelList::pageLayoutPlacesLabelsInTheGrid()
{
    CTestPicList list(100, 80, QSize(330, 200));
    list.AddPics(m_listPaths.mid(0, 10));
    list.ShowPage(2);
    const QList<CPicBaseLabel*> listLabels = list.Labels();
    QCOMPARE(int(listLabels.size()), 4);
    QCOMPARE(listLabels.at(0)->geometry(), QRect(5, 5, 100, 80));
    QCOMPARE(listLabels.at(2)->geometry(), QRect(215, 5, 100, 80));
    QCOMPARE(listLabels.at(3)->geometry(), QRect(5, 90, 100, 80));
    QCOMPARE(listLabels.at(3)->GetPicLsh(), 10u);
    QCOMPARE(list.GetPicLabel(7), listLabels.at(0));
    QVERIFY(list.GetPicLabel(6) == nullptr);
}

void TestPicLabelList::showPageOutOfRangeChangesNothing()
{
    CTestPicList list(100, 80, QSize(330, 200));
    list.AddPics(m_listPaths.mid(0, 10));
    list.ShowPage(2);
    const QList<CPicBaseLabel*> listBefore = list.Labels();
    for (unsigned uPage : {0u, 3u, 0xFFFFFFFFu}) {
        list.OnShowPage(uPage);
        QCOMPARE(list.GetCurrentPage(), 2u);
        QCOMPARE(list.Labels(), listBefore);
    }
}

void TestPicLabelList::deletingLowersTheCurrentPage()
{
    CTestPicList list(100, 80, QSize(330, 200));
    list.AddPics(m_listPaths.mid(0, 10));
    list.ShowPage(2);
    QSignalSpy spyPages(&list, &CPicLabelList::SignalSetPageInfo);
    QVERIFY(list.DelPics(QList<unsigned>{7, 8, 9, 10}));
    // The labels go; the client shows the page again itself.
    QVERIFY(list.Labels().isEmpty());
    QCOMPARE(spyPages.count(), 1);
    QCOMPARE(spyPages.last(), (QList<QVariant>{1u, 1u}));
    QVERIFY(list.DelPics(QList<unsigned>()));
    QCOMPARE(spyPages.count(), 1);
    QVERIFY(list.DelAllPics());
    QCOMPARE(spyPages.last(), (QList<QVariant>{0u, 0u}));
}

void TestPicLabelList::singlePageModeGrowsTheList()
{
    CTestPicList list(100, 80, QSize(330, 100));
    list.SetShowMode(CPicLabelList::SinglePage);
    QSignalSpy spyPages(&list, &CPicLabelList::SignalSetPageInfo);
    list.AddPics(m_listPaths.mid(0, 10));
    QCOMPARE(spyPages.count(), 0);
    // Four rows of 80 + 5.
    QCOMPARE(list.height(), 340);
    QCOMPARE(list.minimumHeight(), 340);
    QCOMPARE(list.GetTotalPageNum(), 1u);
    list.ShowPage(1);
    QCOMPARE(int(list.Labels().size()), 10);
    QCOMPARE(list.Labels().at(9)->geometry(), QRect(5, 260, 100, 80));
}

void TestPicLabelList::deletingKeepsTheModelInStep()
{
    CPicDataModel model;
    CTestPicList list(100, 80, QSize(330, 200));
    list.SetModel(&model);
    list.AddPics(m_listPaths.mid(0, 3));
    list.AddPic(m_listPaths.at(3));
    QCOMPARE(model.GetPicLshs(), (QList<unsigned>{1, 2, 3, 4}));
    model.AddItem(2, QStringLiteral("AB 123 CD"));
    QCOMPARE(model.GetItemCount(), 4);

    QTest::ignoreMessage(QtDebugMsg, "PicLsh 9 is not existed.");
    QVERIFY(!list.DelPics(9u));
    QVERIFY(list.DelPics(3u));
    QCOMPARE(model.GetPicLshs(), (QList<unsigned>{1, 2, 4}));
    QTest::ignoreMessage(QtDebugMsg, "PicLsh 3 is not existed.");
    QVERIFY(list.DelPics(QList<unsigned>{3, 1}));
    QCOMPARE(model.GetPicLshs(), (QList<unsigned>{2, 4}));
    QCOMPARE(list.GetPictureCount(), 2u);

    list.ShowPage(1);
    list.SelectAllPics();
    CPicDataModel selected;
    selected.AddItem(77, QStringLiteral("stale"));
    QCOMPARE(list.GetSelectedPics(&selected), (QList<unsigned>{2, 4}));
    QCOMPARE(selected.GetPicLshs(), (QList<unsigned>{2, 4}));
    QCOMPARE(selected.GetItem(2).toString(), QStringLiteral("AB 123 CD"));

    QVERIFY(list.DelAllPics());
    QCOMPARE(model.GetItemCount(), 0);
}

void TestPicLabelList::onlyTheShownPageDecodesScaled()
{
    QTemporaryDir dir;
    const QList<QString> listLarge = WriteSnapshots(dir, 8, QSize(640, 480));
    CTestPicList list(100, 80, QSize(330, 200));
    list.AddPics(listLarge);
    list.AddPic(dir.filePath(QStringLiteral("missing.jpg")));
    QVERIFY(list.Labels().isEmpty());

    list.ShowPage(1);
    const QList<CPicBaseLabel*> listLabels = list.Labels();
    QCOMPARE(int(listLabels.size()), 6);
    // Inside the default 2-pixel margins: 96 x 76, aspect ratio kept.
    QCOMPARE(listLabels.at(0)->GetPicture().size(), QSize(96, 72));
    list.ShowPage(2);
    QCOMPARE(int(list.Labels().size()), 3);
    CPicBaseLabel* pBroken = list.GetPicLabel(9);
    QVERIFY(pBroken);
    QVERIFY(!pBroken->HasPicture());
    QVERIFY(pBroken->IsPictureBroken());
    QVERIFY(list.Labels().at(0)->HasPicture());
}

void TestPicLabelList::captionsTipsAndLook()
{
    CTestPicList list(100, 80, QSize(330, 200));
    list.AddPics(m_listPaths.mid(0, 3));
    list.SetPicText(2, QStringLiteral("BX 4471"));
    QTest::ignoreMessage(QtDebugMsg, "PicLsh 5 is not existed.");
    list.SetPicText(5, QStringLiteral("none"));
    list.SetPicLabelBroadColor(QColor(Qt::yellow));
    QPixmap pmBackground(8, 8);
    pmBackground.fill(Qt::darkGray);
    list.SetPicLabelBackground(pmBackground);
    list.SetPictureMargin(4, 3, 2, 1);
    QCOMPARE(int(list.Labels().size()), 3);
    CPicBaseLabel* pLabel = list.GetPicLabel(2);
    QCOMPARE(pLabel->GetText(), QStringLiteral("BX 4471"));
    QCOMPARE(pLabel->GetPictureMargins(), QMargins(4, 3, 2, 1));
    QCOMPARE(pLabel->GetSelectedColor(), QColor(Qt::yellow));
    QCOMPARE(pLabel->GetBackground().size(), QSize(8, 8));

    list.SetLabelTips({QStringLiteral("Gate 1"), QStringLiteral("Gate 2"), QStringLiteral("Gate 3"),
                       QStringLiteral("no picture")});
    QCOMPARE(list.GetPicLabel(3)->GetTips(), QStringLiteral("Gate 3"));

    QVERIFY(list.UpdatePic(1, m_listPaths.at(7)));
    QCOMPARE(list.IsContain(m_listPaths.at(7)), 0);
    QTest::ignoreMessage(QtDebugMsg, "PicLsh 8 is not existed.");
    QVERIFY(!list.UpdatePic(8, m_listPaths.at(7)));

    const unsigned uPixmap = list.AddPixmap(pmBackground);
    QCOMPARE(uPixmap, 4u);
    list.RefreshCurrentPage();
    QCOMPARE(list.GetPicLabel(uPixmap)->GetPicture().size(), QSize(8, 8));
    QCOMPARE(list.GetBoxSelColor(), QColor(213, 65, 65));
}

void TestPicLabelList::clickAndCtrlClick()
{
    CTestPicList list(100, 80, QSize(330, 200));
    list.AddPics(m_listPaths.mid(0, 10));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.ShowPage(1);
    const QList<CPicBaseLabel*> listLabels = list.Labels();
    QSignalSpy spyChanged(&list, &CPicLabelList::SignalPicSelectChanged);
    QSignalSpy spyClicked(&list, &CPicLabelList::SignalLabelClicked);
    QSignalSpy spyDouble(&list, &CPicLabelList::SignalLabelDbClicked);

    QTest::mouseClick(listLabels.at(1), Qt::LeftButton, Qt::NoModifier, QPoint(50, 40));
    QCOMPARE(spyClicked.count(), 1);
    QCOMPARE(spyChanged.count(), 1);
    QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{2}));

    QTest::mouseClick(listLabels.at(4), Qt::LeftButton, Qt::ControlModifier, QPoint(50, 40));
    QTest::mouseClick(listLabels.at(0), Qt::LeftButton, Qt::ControlModifier, QPoint(50, 40));
    QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{1, 2, 5}));
    QCOMPARE(spyChanged.count(), 3);

    // Ctrl+click on a selected label deselects only that one.
    QTest::mouseClick(listLabels.at(1), Qt::LeftButton, Qt::ControlModifier, QPoint(50, 40));
    QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{1, 5}));
    // Ctrl with Shift is not Ctrl: the click replaces the selection.
    QTest::mouseClick(listLabels.at(3), Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier, QPoint(50, 40));
    QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{4}));
    QCOMPARE(list.GetSelectedPicCount(), 1);
    // Clicking the only selected label again changes nothing.
    const int iChanges = spyChanged.count();
    QTest::mouseClick(listLabels.at(3), Qt::LeftButton, Qt::NoModifier, QPoint(50, 40));
    QCOMPARE(spyChanged.count(), iChanges);

    QTest::mouseDClick(listLabels.at(5), Qt::LeftButton, Qt::NoModifier, QPoint(50, 40));
    QCOMPARE(spyDouble.count(), 1);
    QCOMPARE(spyDouble.last().at(0).toUInt(), 6u);
}

void TestPicLabelList::rubberBandCrossesThePageEdge()
{
    CTestPicList list(100, 80, QSize(330, 200));
    list.AddPics(m_listPaths.mid(0, 10));
    list.ShowPage(1);
    list.Labels();
    QSignalSpy spyChanged(&list, &CPicLabelList::SignalPicSelectChanged);

    // From the empty strip right of the grid, over the second row's last two labels.
    SendMouse(&list, QEvent::MouseButtonPress, QPoint(320, 180));
    SendMouse(&list, QEvent::MouseMove, QPoint(150, 120));
    QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{5, 6}));
    QCOMPARE(list.D()->m_ptCurrent, QPoint(150, 120));
    // Qt versions round an aliased 1-pixel outline to either side of the point.
    const auto outlined = [](const QImage& image, int iX, int iY) {
        for (int iDx = -1; iDx <= 1; ++iDx) {
            for (int iDy = -1; iDy <= 1; ++iDy) {
                if (QColor(image.pixel(iX + iDx, iY + iDy)) == QColor(213, 65, 65))
                    return true;
            }
        }
        return false;
    };
    const QImage image = list.grab().toImage();
    QVERIFY(outlined(image, 320, 150));
    QVERIFY(outlined(image, 212, 180));
    QVERIFY(!outlined(image, 280, 150));

    // On past the top-left edge of the page: the band covers it all, its
    // outline stays inside the list.
    SendMouse(&list, QEvent::MouseMove, QPoint(-60, -400));
    QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{1, 2, 3, 4, 5, 6}));
    QCOMPARE(list.D()->m_ptCurrent, QPoint(0, 0));
    SendMouse(&list, QEvent::MouseMove, QPoint(900, 700));
    QCOMPARE(list.D()->m_ptCurrent, QPoint(328, 198));
    QCOMPARE(list.GetSelectedPics(), QList<unsigned>());
    SendMouse(&list, QEvent::MouseMove, QPoint(106, -5));
    QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{2, 3, 5, 6}));
    QCOMPARE(spyChanged.count(), 0);

    SendMouse(&list, QEvent::MouseButtonRelease, QPoint(106, -5));
    QCOMPARE(spyChanged.count(), 1);
    // After the release moves draw no band and select nothing.
    SendMouse(&list, QEvent::MouseMove, QPoint(320, 180));
    QCOMPARE(list.GetSelectedPicCount(), 4);
    QVERIFY(!outlined(list.grab().toImage(), 320, 150));

    // The selection lives in the labels: another page starts unselected.
    list.ShowPage(2);
    QCOMPARE(list.GetSelectedPicCount(), 0);
}

void TestPicLabelList::ctrlBandInvertsTheRecordedSelection()
{
    CTestPicList list(100, 80, QSize(330, 200));
    list.AddPics(m_listPaths.mid(0, 10));
    list.ShowPage(1);
    list.Labels();
    SendMouse(&list, QEvent::MouseButtonPress, QPoint(50, 40));
    SendMouse(&list, QEvent::MouseMove, QPoint(150, 40));
    SendMouse(&list, QEvent::MouseButtonRelease, QPoint(150, 40));
    QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{1, 2}));

    QSignalSpy spyChanged(&list, &CPicLabelList::SignalPicSelectChanged);
    SendMouse(&list, QEvent::MouseButtonPress, QPoint(320, 40), Qt::ControlModifier);
    SendMouse(&list, QEvent::MouseMove, QPoint(150, 50), Qt::ControlModifier);
    QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{1, 3}));
    SendMouse(&list, QEvent::MouseButtonRelease, QPoint(150, 50), Qt::ControlModifier);
    QCOMPARE(spyChanged.count(), 1);
}

void TestPicLabelList::selectionByCall()
{
    CTestPicList list(100, 80, QSize(330, 200));
    list.AddPics(m_listPaths.mid(0, 10));
    list.ShowPage(2);
    QSignalSpy spyChanged(&list, &CPicLabelList::SignalPicSelectChanged);
    list.SetPicSelected(9, true);
    list.SetPicSelected(1, true);
    list.SetPicSelected(8, true);
    QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{8, 9}));
    list.SetPicSelected(9, false);
    QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{8}));
    QCOMPARE(int(list.D()->m_listSelectedLabels.size()), 1);
    list.SelectAllPics();
    QCOMPARE(list.GetSelectedPicCount(), 4);
    list.SetNoSelectedPic();
    QCOMPARE(list.GetSelectedPicCount(), 0);
    QVERIFY(list.D()->m_listSelectedLabels.isEmpty());
    QCOMPARE(spyChanged.count(), 0);
}

QTEST_MAIN(TestPicLabelList)
#include "tst_piclabellist.moc"
