#include "pictures/PicLabelListPrivate.h"

#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtCore/QFile>
#include <QtCore/QPointer>
#include <QtCore/QTemporaryDir>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>
#include <QtWidgets/QLayout>

#include <climits>
#include <functional>

using namespace OrvaGUIToolkit;

// A picture list whose state the tests can read, sized and laid out as a
// client's would be.
class CTestPicList : public CPicLabelList
{
public:
    CTestPicList(unsigned uWidth, unsigned uHeight, const QSize& size)
        : CPicLabelList(uWidth, uHeight)
    {
        resize(size);
    }

    CPicLabelListPrivate* D() const { return d_ptr.get(); }

    // The labels on show, laid out.
    QList<CPicBaseLabel*> Labels()
    {
        if (layout())
            layout()->activate();
        QList<CPicBaseLabel*> listLabels;
        GetPicLabels(&listLabels);
        return listLabels;
    }
};

namespace {

// n numbered snapshot files of the given size in dir; their paths.
QList<QString> WriteSnapshots(const QTemporaryDir& dir, int iCount, const QSize& size = QSize(64, 48))
{
    QList<QString> listPaths;
    for (int i = 0; i < iCount; ++i) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor::fromHsv((i * 37) % 360, 160, 200));
        const QString strPath = dir.filePath(QStringLiteral("snap%1.png").arg(i));
        image.save(strPath);
        listPaths.append(strPath);
    }
    return listPaths;
}

void SendMouse(QWidget* pWidget, QEvent::Type type, const QPoint& point,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(point), QPointF(pWidget->mapToGlobal(QPoint())) + QPointF(point),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, modifiers);
    QApplication::sendEvent(pWidget, &event);
}

} // namespace

// Makes the list emit one of its signals from its own handlers.
using Trigger = std::function<void(CPicLabelList*, CPicBaseLabel*)>;
Q_DECLARE_METATYPE(Trigger)

class TestPicLabelList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_listPaths = WriteSnapshots(m_dir, 12);
    }

    void serialsAndLookup()
    {
        CPicLabelList list(100, 80);
        QCOMPARE(list.objectName(), QStringLiteral("CPicLabelList"));
        QCOMPARE(list.GetFirstPicLsh(), 0xFFFFFFFFu);
        QCOMPARE(list.AddPics({m_listPaths.at(0), m_listPaths.at(1)}), (QList<unsigned>{1, 2}));
        QCOMPARE(list.AddPic(m_listPaths.at(0)), 1u);
        // Empty paths are never duplicates of each other.
        QCOMPARE(list.AddPic(QString()), 3u);
        QCOMPARE(list.AddPic(QString()), 4u);
        QCOMPARE(list.InsertPic(-1, m_listPaths.at(5)), 0xFFFFFFFFu);
        // The same path at that very index is the record already there.
        QCOMPARE(list.InsertPic(1, m_listPaths.at(1)), 2u);
        QCOMPARE(list.InsertPic(1, m_listPaths.at(4)), 5u);
        QCOMPARE(list.InsertPic(INT_MAX, m_listPaths.at(6)), 6u);
        QCOMPARE(list.IsContain(5u), 1);
        QCOMPARE(list.IsContain(m_listPaths.at(1)), 2);
        QCOMPARE(list.GetNextPicLsh(1), 5u);
        QCOMPARE(list.GetNextPicLsh(6), 0xFFFFFFFFu);

        // Serials are never handed out twice.
        QVERIFY(list.DelPics(6u));
        QCOMPARE(list.AddPic(m_listPaths.at(3)), 7u);
        QVERIFY(list.DelAllPics());
        QCOMPARE(list.AddPic(m_listPaths.at(3)), 8u);
    }

    void paging_data()
    {
        QTest::addColumn<QSize>("sizeList");
        QTest::addColumn<int>("iGap");
        QTest::addColumn<int>("iCount");
        QTest::addColumn<int>("iPages");
        QTest::addColumn<int>("iLastPage");

        QTest::newRow("3 columns, 2 rows") << QSize(330, 200) << 5 << 10 << 2 << 4;
        QTest::newRow("exactly one page") << QSize(330, 200) << 5 << 6 << 1 << 6;
        QTest::newRow("one row per page") << QSize(330, 169) << 5 << 10 << 4 << 1;
        QTest::newRow("no gap") << QSize(300, 160) << 0 << 11 << 2 << 5;
    }

    void paging()
    {
        QFETCH(QSize, sizeList);
        QFETCH(int, iGap);
        QFETCH(int, iCount);
        QFETCH(int, iPages);

        CTestPicList list(100, 80, sizeList);
        list.SetPicLabelGap(iGap);
        QSignalSpy spyPages(&list, &CPicLabelList::SignalSetPageInfo);
        list.AddPics(m_listPaths.mid(0, iCount));
        QCOMPARE(spyPages.count(), 1);
        QCOMPARE(spyPages.last(), (QList<QVariant>{unsigned(iPages), 1u}));
        QCOMPARE(list.ShowPage(unsigned(iPages)), false);
        QTEST(int(list.Labels().size()), "iLastPage");
        QCOMPARE(list.GetCurrentPage(), unsigned(iPages));
        QCOMPARE(list.Labels().last()->GetPicLsh(), unsigned(iCount));
    }

    void deletingLowersTheCurrentPage()
    {
        CTestPicList list(100, 80, QSize(330, 200));
        list.AddPics(m_listPaths.mid(0, 10));
        list.ShowPage(2);
        const QList<CPicBaseLabel*> listLabels = list.Labels();
        QCOMPARE(listLabels.at(0)->geometry(), QRect(5, 5, 100, 80));
        QCOMPARE(listLabels.at(3)->geometry(), QRect(5, 90, 100, 80));
        QCOMPARE(list.GetPicLabel(7), listLabels.at(0));
        // A page out of range changes nothing.
        for (unsigned uPage : {0u, 3u, 0xFFFFFFFFu})
            list.OnShowPage(uPage);
        QCOMPARE(list.GetCurrentPage(), 2u);
        QCOMPARE(list.Labels(), listLabels);

        QSignalSpy spyPages(&list, &CPicLabelList::SignalSetPageInfo);
        QVERIFY(list.DelPics(QList<unsigned>{7, 8, 9, 10}));
        // The labels go; the client shows the page again itself.
        QVERIFY(list.Labels().isEmpty());
        QVERIFY(list.DelPics(QList<unsigned>()));
        QVERIFY(list.DelAllPics());
        QCOMPARE(QList<QList<QVariant>>(spyPages), (QList<QList<QVariant>>{{1u, 1u}, {0u, 0u}}));
    }

    void singlePageModeGrowsTheList()
    {
        CTestPicList list(100, 80, QSize(330, 100));
        list.SetShowMode(CPicLabelList::SinglePage);
        QSignalSpy spyPages(&list, &CPicLabelList::SignalSetPageInfo);
        list.AddPics(m_listPaths.mid(0, 10));
        QCOMPARE(spyPages.count(), 0);
        // Four rows of 80 + 5.
        QCOMPARE(list.minimumHeight(), 340);
        list.ShowPage(1);
        QCOMPARE(list.Labels().at(9)->geometry(), QRect(5, 260, 100, 80));
    }

    void deletingKeepsTheModelInStep()
    {
        CPicDataModel model;
        CTestPicList list(100, 80, QSize(330, 200));
        list.SetModel(&model);
        list.AddPics(m_listPaths.mid(0, 4));
        model.AddItem(2, QStringLiteral("AB 123 CD"));
        QCOMPARE(model.GetItemCount(), 4);

        QVERIFY(list.DelPics(3u));
        QTest::ignoreMessage(QtDebugMsg, "PicLsh 3 is not existed.");
        QVERIFY(list.DelPics(QList<unsigned>{3, 1}));
        QCOMPARE(model.GetPicLshs(), (QList<unsigned>{2, 4}));

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

    void onlyTheShownPageDecodesScaled()
    {
        QTemporaryDir dir;
        const QList<QString> listLarge = WriteSnapshots(dir, 7, QSize(640, 480));
        // A file cut short after its header.
        QFile source(listLarge.at(0));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QFile cut(dir.filePath(QStringLiteral("cut.png")));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(source.read(40));
        cut.close();

        CTestPicList list(100, 80, QSize(330, 200));
        list.AddPics(listLarge);
        list.AddPics({cut.fileName(), dir.filePath(QStringLiteral("missing.jpg"))});
        QVERIFY(list.Labels().isEmpty());

        list.ShowPage(1);
        // Inside the default 2-pixel margins: 96 x 76, aspect ratio kept.
        QCOMPARE(list.Labels().at(0)->GetPicture().size(), QSize(96, 72));
        list.ShowPage(2);
        QVERIFY(list.GetPicLabel(7)->HasPicture());
        for (unsigned uLsh : {8u, 9u}) {
            QVERIFY(!list.GetPicLabel(uLsh)->HasPicture());
            QVERIFY(list.GetPicLabel(uLsh)->IsPictureBroken());
        }
        list.grab();
    }

    void captionsTipsAndLook()
    {
        CTestPicList list(100, 80, QSize(330, 200));
        list.AddPics(m_listPaths.mid(0, 3));
        list.SetPicText(2, QStringLiteral("BX 4471"));
        list.SetPictureMargin(4, 3, 2, 1);
        list.Labels();
        list.SetLabelTips({QStringLiteral("Gate 1"), QStringLiteral("Gate 2"), QStringLiteral("Gate 3"),
                           QStringLiteral("no picture")});
        CPicBaseLabel* pLabel = list.GetPicLabel(2);
        QCOMPARE(pLabel->GetText(), QStringLiteral("BX 4471"));
        QCOMPARE(pLabel->GetPictureMargins(), QMargins(4, 3, 2, 1));
        QCOMPARE(list.GetPicLabel(3)->GetTips(), QStringLiteral("Gate 3"));

        QVERIFY(list.UpdatePic(1, m_listPaths.at(7)));
        QCOMPARE(list.IsContain(m_listPaths.at(7)), 0);
        QPixmap pmBackground(8, 8);
        pmBackground.fill(Qt::darkGray);
        QCOMPARE(list.AddPixmap(pmBackground), 4u);
        QCOMPARE(list.AddPixmap(QPixmap()), 5u);
        list.RefreshCurrentPage();
        QCOMPARE(list.GetPicLabel(4)->GetPicture().size(), QSize(8, 8));
        QVERIFY(!list.GetPicLabel(5)->HasPicture());
    }

    void unknownSerialsAndNulls()
    {
        CTestPicList list(100, 80, QSize(330, 200));
        list.AddPics(m_listPaths.mid(0, 8));
        list.ShowPage(2);
        const unsigned uLsh = 0xFFFFFFFFu;
        for (int i = 0; i < 4; ++i)
            QTest::ignoreMessage(QtDebugMsg, "PicLsh 4294967295 is not existed.");
        QVERIFY(!list.DelPics(uLsh));
        QVERIFY(!list.UpdatePic(uLsh, m_listPaths.at(0)));
        QVERIFY(list.DelPics(QList<unsigned>{uLsh}));
        list.SetPicText(uLsh, QStringLiteral("none"));
        QCOMPARE(list.IsContain(uLsh), -1);
        QCOMPARE(list.GetNextPicLsh(uLsh), 0xFFFFFFFFu);
        QVERIFY(list.GetPicLabel(uLsh) == nullptr);
        list.SetPicSelected(uLsh, true);
        QCOMPARE(list.ShowPage(uLsh), false);
        QCOMPARE(list.GetPictureCount(), 8u);
        QCOMPARE(list.GetSelectedPicCount(), 0);
        QCOMPARE(list.GetCurrentPage(), 2u);
        QCOMPARE(list.InsertPic(INT_MIN, m_listPaths.at(0)), 0xFFFFFFFFu);

        QTest::ignoreMessage(QtWarningMsg, "CPicLabelList::GetPicLabels: pListLabels == NULL");
        list.GetPicLabels(nullptr);
        list.SetModel(nullptr);
        list.ShowPage(1);
        list.SelectAllPics();
        QCOMPARE(int(list.GetSelectedPics(nullptr).size()), 6);
        CPicDataModel model;
        QVERIFY(!model.DelItem(0xFFFFFFFFu));
        QVERIFY(!model.GetItem(3).isValid());
    }

    void extremeSizes_data()
    {
        QTest::addColumn<unsigned>("uWidth");
        QTest::addColumn<unsigned>("uHeight");
        QTest::addColumn<int>("iGap");
        QTest::addColumn<int>("iPages");
        QTest::addColumn<int>("iLabelWidth");

        // -1: no paging run, so no page count is announced; the shown page
        // is built again from the last run's pages at the new size, unless
        // it would be larger than a widget can be (the labels stay 100 wide).
        QTest::newRow("largest") << 0xFFFFFFFFu << 0xFFFFFFFFu << 5 << -1 << 100;
        QTest::newRow("zero with gap") << 0u << 0u << 5 << 1 << 0;
        QTest::newRow("zero, no gap") << 0u << 0u << 0 << -1 << 0;
        QTest::newRow("zero width, huge gap") << 0u << 80u << INT_MAX << -1 << 100;
        QTest::newRow("negative gap") << 100u << 80u << INT_MIN << 2 << 100;
    }

    void extremeSizes()
    {
        QFETCH(unsigned, uWidth);
        QFETCH(unsigned, uHeight);
        QFETCH(int, iGap);
        QFETCH(int, iPages);
        QFETCH(int, iLabelWidth);

        CTestPicList list(100, 80, QSize(330, 200));
        list.AddPics(m_listPaths.mid(0, 8));
        list.ShowPage(1);
        list.SetPicLabelGap(iGap);
        QSignalSpy spyPages(&list, &CPicLabelList::SignalSetPageInfo);
        if (uWidth + uHeight == 0 && iGap == 0)
            QTest::ignoreMessage(QtWarningMsg, "CPicLabelList::DoPaging: picture size + gap == 0");
        list.SetPictureSize(uWidth, uHeight);
        QVERIFY(list.GetPicLabelGap() >= 0);
        if (iPages < 0)
            QCOMPARE(spyPages.count(), 0);
        else
            QCOMPARE(spyPages.last().at(0).toUInt(), unsigned(iPages));
        QVERIFY(!list.Labels().isEmpty());
        QCOMPARE(list.Labels().first()->width(), iLabelWidth);
        list.grab();
    }

    // Pictures grown past the list keep the last paging run's pages: the
    // shown page is built again from them at the new size.
    void tooWidePicturesKeepTheLastPages()
    {
        CTestPicList list(100, 80, QSize(330, 200));
        list.AddPics(m_listPaths.mid(0, 8));
        list.ShowPage(2);
        QSignalSpy spyPages(&list, &CPicLabelList::SignalSetPageInfo);
        list.SetPictureSize(400, 90);
        QCOMPARE(spyPages.count(), 0);
        QCOMPARE(list.GetCurrentPage(), 2u);
        QList<CPicBaseLabel*> listLabels = list.Labels();
        QCOMPARE(listLabels.size(), 2);
        QCOMPARE(listLabels.at(0)->size(), QSize(400, 90));
        QCOMPARE(listLabels.at(0)->GetPicLsh(), 7u);
        QCOMPARE(list.ShowPage(1), false);
        listLabels = list.Labels();
        QCOMPARE(listLabels.size(), 6);
        QCOMPARE(listLabels.at(5)->size(), QSize(400, 90));
        QCOMPARE(list.GetCurrentPage(), 1u);
    }

    void clickAndCtrlClick()
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
        const auto click = [&listLabels](int iIndex, Qt::KeyboardModifiers modifiers) {
            QTest::mouseClick(listLabels.at(iIndex), Qt::LeftButton, modifiers, QPoint(50, 40));
        };

        click(1, Qt::NoModifier);
        QCOMPARE(spyClicked.count(), 1);
        click(4, Qt::ControlModifier);
        click(0, Qt::ControlModifier);
        QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{1, 2, 5}));
        QCOMPARE(spyChanged.count(), 3);
        // Ctrl+click on a selected label deselects only that one.
        click(1, Qt::ControlModifier);
        QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{1, 5}));
        // Ctrl with Shift is not Ctrl: the click replaces the selection.
        click(3, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{4}));
        // Clicking the only selected label again changes nothing.
        const int iChanges = spyChanged.count();
        click(3, Qt::NoModifier);
        QCOMPARE(spyChanged.count(), iChanges);

        QTest::mouseDClick(listLabels.at(5), Qt::LeftButton, Qt::NoModifier, QPoint(50, 40));
        QCOMPARE(QList<QList<QVariant>>(spyDouble), (QList<QList<QVariant>>{{6u}}));
    }

    void rubberBand()
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
        QVERIFY(!outlined(image, 280, 150));

        // On past the edges of the page: the band's corner stays inside the list.
        SendMouse(&list, QEvent::MouseMove, QPoint(-60, -400));
        QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{1, 2, 3, 4, 5, 6}));
        QCOMPARE(list.D()->m_ptCurrent, QPoint(0, 0));
        SendMouse(&list, QEvent::MouseMove, QPoint(900, 700));
        QCOMPARE(list.D()->m_ptCurrent, QPoint(328, 198));
        SendMouse(&list, QEvent::MouseMove, QPoint(106, -5));
        QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{2, 3, 5, 6}));
        QCOMPARE(spyChanged.count(), 0);

        SendMouse(&list, QEvent::MouseButtonRelease, QPoint(106, -5));
        QCOMPARE(spyChanged.count(), 1);
        // After the release moves draw no band and select nothing.
        SendMouse(&list, QEvent::MouseMove, QPoint(320, 180));
        QCOMPARE(list.GetSelectedPicCount(), 4);
        QVERIFY(!outlined(list.grab().toImage(), 320, 150));

        // A band with Ctrl inverts the selection recorded at the press.
        SendMouse(&list, QEvent::MouseButtonPress, QPoint(320, 40), Qt::ControlModifier);
        SendMouse(&list, QEvent::MouseMove, QPoint(150, 50), Qt::ControlModifier);
        QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{5, 6}));
        SendMouse(&list, QEvent::MouseButtonRelease, QPoint(150, 50));

        // Extreme positions are kept inside the list.
        const QPoint point(INT_MIN, INT_MAX);
        SendMouse(&list, QEvent::MouseButtonPress, point);
        SendMouse(&list, QEvent::MouseMove, QPoint(50, 40));
        SendMouse(&list, QEvent::MouseMove, point, Qt::ControlModifier);
        QVERIFY(QRect(0, 0, 329, 199).contains(list.D()->m_ptCurrent));
        list.grab();
        SendMouse(&list, QEvent::MouseButtonRelease, point);

        // The selection lives in the labels: another page starts unselected.
        list.ShowPage(2);
        QCOMPARE(list.GetSelectedPicCount(), 0);
    }

    void selectionByCall()
    {
        CTestPicList list(100, 80, QSize(330, 200));
        list.AddPics(m_listPaths.mid(0, 10));
        list.ShowPage(2);
        QSignalSpy spyChanged(&list, &CPicLabelList::SignalPicSelectChanged);
        // Only pictures of the page on show can be selected.
        for (unsigned uLsh : {9u, 1u, 8u})
            list.SetPicSelected(uLsh, true);
        list.SetPicSelected(9, false);
        QCOMPARE(list.GetSelectedPics(), (QList<unsigned>{8}));
        list.SelectAllPics();
        QCOMPARE(list.GetSelectedPicCount(), 4);
        list.SetNoSelectedPic();
        QCOMPARE(list.GetSelectedPicCount(), 0);
        QCOMPARE(spyChanged.count(), 0);
    }

    void deletingSlots_data()
    {
        QTest::addColumn<Trigger>("trigger");
        const auto row = [](const char* szName, auto signal, std::function<void(CPicBaseLabel*)> act) {
            QTest::newRow(szName) << Trigger([signal, act](CPicLabelList* pList, CPicBaseLabel* pLabel) {
                QObject::connect(pList, signal, pList, [pList] { delete pList; });
                act(pLabel);
            });
        };
        row("SignalLabelClicked", &CPicLabelList::SignalLabelClicked,
            [](CPicBaseLabel* p) { QTest::mousePress(p, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10)); });
        row("SignalLabelDbClicked", &CPicLabelList::SignalLabelDbClicked,
            [](CPicBaseLabel* p) { QTest::mouseDClick(p, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10)); });
        row("SignalPicSelectChanged", &CPicLabelList::SignalPicSelectChanged,
            [](CPicBaseLabel* p) { QTest::mouseClick(p, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10)); });
    }

    void deletingSlots()
    {
        QFETCH(Trigger, trigger);
        auto* pList = new CTestPicList(100, 80, QSize(330, 200));
        pList->AddPics(m_listPaths.mid(0, 8));
        pList->show();
        QVERIFY(QTest::qWaitForWindowExposed(pList));
        pList->ShowPage(1);
        QPointer<CPicBaseLabel> pLabel = pList->Labels().at(1);
        QPointer<CPicLabelList> pGuard(pList);
        trigger(pList, pLabel);
        QVERIFY(pGuard.isNull());
        QVERIFY(pLabel.isNull());
    }

private:
    QTemporaryDir m_dir;
    QList<QString> m_listPaths;
};

QTEST_MAIN(TestPicLabelList)
#include "tst_piclabellist.moc"
