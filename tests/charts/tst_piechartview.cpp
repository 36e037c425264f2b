#include "PieTestSupport.h"
#include "charts/PieLabelLayout.h"

#include <QtCore/QTimer>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMenu>
#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;

// A 600 x 300 view without frame: pie square 300, pie diameter 280 centred at
// (150, 150), legend squares from (390, 30) down in steps of 30.
class TestPieChartView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void hitTesting_data();
    void hitTesting();
    void slicesArePaintedInTheirAngles();
    void legendListsPositiveSlicesOnly();
    void legendLabelsComeFromTheHeaders();
    void visualRectBoundsTheSlice();
    void rubberBandSelection_data();
    void rubberBandSelection();
    void menuSwitchesTheLabels();
    void labelsChangeThePicture();
    void leaderLineAndTextPlacement_data();
    void leaderLineAndTextPlacement();
    void textsOfValueAndPercent_data();
    void textsOfValueAndPercent();
    void scrollRangesFollowTheSize();

private:
    // Opens the context menu at ptPos, records its action texts and triggers
    // the action at iChoose (none when -1).
    QStringList OpenMenu(const QPoint& ptPos, int iChoose);

    QStandardItemModel* m_pModel = nullptr;
    TestPieView* m_pView = nullptr;
};

void TestPieChartView::init()
{
    m_pModel = new QStandardItemModel(this);
    m_pView = new TestPieView;
    m_pView->setFrameShape(QFrame::NoFrame);
    m_pView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pView->setModel(m_pModel);
    m_pView->resize(600, 300);
    m_pView->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pView));
}

void TestPieChartView::cleanup()
{
    delete m_pView;
    delete m_pModel;
}

void TestPieChartView::hitTesting_data()
{
    QTest::addColumn<QList<QVariant>>("listValues");
    QTest::addColumn<double>("dDegrees");
    QTest::addColumn<double>("dRadius");
    QTest::addColumn<int>("iRow");

    const QList<QVariant> listHalves{1, 1, 2};
    QTest::newRow("first quarter") << listHalves << 45.0 << 80.0 << 0;
    QTest::newRow("second quarter") << listHalves << 135.0 << 80.0 << 1;
    QTest::newRow("lower half left") << listHalves << 200.0 << 80.0 << 2;
    QTest::newRow("lower half right") << listHalves << 340.0 << 130.0 << 2;
    QTest::newRow("straight down") << listHalves << 270.0 << 60.0 << 2;
    QTest::newRow("outside the radius") << listHalves << 45.0 << 141.0 << -1;
    QTest::newRow("on the centre") << listHalves << 0.0 << 0.0 << -1;
    const QList<QVariant> listSkipped{0, 1, -3, 3};
    QTest::newRow("zero and negative skipped, first") << listSkipped << 45.0 << 80.0 << 1;
    QTest::newRow("zero and negative skipped, second") << listSkipped << 135.0 << 80.0 << 3;
    QTest::newRow("zero and negative skipped, last") << listSkipped << 300.0 << 80.0 << 3;
    QTest::newRow("text value skipped") << QList<QVariant>{QStringLiteral("many"), 5} << 100.0 << 50.0 << 1;
    QTest::newRow("no positive slice") << QList<QVariant>{0, -1} << 45.0 << 80.0 << -1;
}

void TestPieChartView::hitTesting()
{
    QFETCH(QList<QVariant>, listValues);
    QFETCH(double, dDegrees);
    QFETCH(double, dRadius);
    QFETCH(int, iRow);
    FillPieModel(*m_pModel, listValues, {});
    QVERIFY(!m_pView->indexAt(PiePoint(300, dDegrees, dRadius)).isValid());
    m_pView->ReDrawChart(FirstColumn(*m_pModel), false);
    const QModelIndex miHit = m_pView->indexAt(PiePoint(300, dDegrees, dRadius));
    QCOMPARE(miHit.isValid() ? miHit.row() : -1, iRow);
    QVERIFY(!m_pView->indexAt(QPoint(400, 40)).isValid());
}

void TestPieChartView::slicesArePaintedInTheirAngles()
{
    FillPieModel(*m_pModel, {1, 1, 2}, {QStringLiteral("#ff0000"), QStringLiteral("#00ff00"),
                                        QStringLiteral("#0000ff")});
    m_pView->ReDrawChart(FirstColumn(*m_pModel), false);
    const QImage image = m_pView->viewport()->grab().toImage();
    QCOMPARE(QColor(image.pixel(PiePoint(300, 45, 80))), QColor(Qt::red));
    QCOMPARE(QColor(image.pixel(PiePoint(300, 135, 80))), QColor(Qt::green));
    QCOMPARE(QColor(image.pixel(PiePoint(300, 200, 80))), QColor(Qt::blue));
    QCOMPARE(QColor(image.pixel(PiePoint(300, 340, 80))), QColor(Qt::blue));
}

void TestPieChartView::legendListsPositiveSlicesOnly()
{
    FillPieModel(*m_pModel, {0, 4, -3, 2}, {QStringLiteral("#ff0000"), QStringLiteral("#00ff00"),
                                            QStringLiteral("#ffff00"), QStringLiteral("#0000ff")});
    m_pView->ReDrawChart(FirstColumn(*m_pModel), false);
    const QImage image = m_pView->viewport()->grab().toImage();
    QCOMPARE(QColor(image.pixel(400, 40)), QColor(Qt::green));
    QCOMPARE(QColor(image.pixel(400, 70)), QColor(Qt::blue));
    QCOMPARE(QColor(image.pixel(400, 100)), m_pView->palette().color(QPalette::Base));
}

void TestPieChartView::legendLabelsComeFromTheHeaders()
{
    // The legend label is drawn as text: a wider header leaves more ink.
    FillPieModel(*m_pModel, {5}, {QStringLiteral("#ff0000")});
    auto inkInLabelArea = [this](bool bVertical) {
        m_pView->ReDrawChart(FirstColumn(*m_pModel), bVertical);
        const QImage image = m_pView->viewport()->grab().toImage();
        const QColor colorBase = m_pView->palette().color(QPalette::Base);
        int iInk = 0;
        for (int x = 420; x < 600; ++x) {
            for (int y = 25; y < 50; ++y)
                iInk += QColor(image.pixel(x, y)) != colorBase ? 1 : 0;
        }
        return iInk;
    };
    m_pModel->setHorizontalHeaderLabels({QStringLiteral("M")});
    m_pModel->setVerticalHeaderLabels({QStringLiteral("Line crossing and intrusion")});
    const int iColumnInk = inkInLabelArea(false);
    const int iRowInk = inkInLabelArea(true);
    QVERIFY2(iRowInk > 2 * iColumnInk, qPrintable(QStringLiteral("%1 %2").arg(iRowInk).arg(iColumnInk)));
}

void TestPieChartView::visualRectBoundsTheSlice()
{
    FillPieModel(*m_pModel, {1, 1, 2}, {});
    QVERIFY(m_pView->visualRect(m_pModel->index(0, 0)).isEmpty());
    m_pView->ReDrawChart(FirstColumn(*m_pModel), false);
    const QRect rectLower = m_pView->visualRect(m_pModel->index(2, 0));
    QVERIFY(qAbs(rectLower.left() - 10) <= 1 && qAbs(rectLower.right() - 290) <= 1);
    QVERIFY(qAbs(rectLower.top() - 150) <= 1 && qAbs(rectLower.bottom() - 290) <= 1);
    const QRect rectFirst = m_pView->visualRect(m_pModel->index(0, 0));
    QVERIFY(qAbs(rectFirst.left() - 150) <= 1 && qAbs(rectFirst.top() - 10) <= 1);
    QVERIFY(qAbs(rectFirst.right() - 290) <= 1 && qAbs(rectFirst.bottom() - 150) <= 1);
    FillPieModel(*m_pModel, {7}, {});
    m_pView->ReDrawChart(FirstColumn(*m_pModel), false);
    const QRect rectWhole = m_pView->visualRect(m_pModel->index(0, 0));
    QVERIFY(qAbs(rectWhole.width() - 280) <= 1 && qAbs(rectWhole.height() - 280) <= 1);
}

void TestPieChartView::rubberBandSelection_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QList<int>>("listRows");

    QTest::newRow("inside the first quarter") << QRect(200, 60, 30, 30) << QList<int>{0};
    QTest::newRow("across the upper half") << QRect(60, 60, 180, 30) << QList<int>{0, 1};
    QTest::newRow("dragged backwards over all") << QRect(250, 250, -200, -200) << QList<int>{0, 1, 2};
    QTest::newRow("in the legend") << QRect(400, 40, 50, 50) << QList<int>{};
}

void TestPieChartView::rubberBandSelection()
{
    QFETCH(QRect, rect);
    QFETCH(QList<int>, listRows);
    FillPieModel(*m_pModel, {1, 1, 2}, {});
    m_pView->ReDrawChart(FirstColumn(*m_pModel), false);
    m_pView->selectionModel()->select(m_pModel->index(2, 0), QItemSelectionModel::Select);
    m_pView->setSelection(rect, QItemSelectionModel::ClearAndSelect);
    QList<int> listSelected;
    const QModelIndexList listIndexes = m_pView->selectionModel()->selectedIndexes();
    for (const QModelIndex& miIndex : listIndexes)
        listSelected.append(miIndex.row());
    std::sort(listSelected.begin(), listSelected.end());
    QCOMPARE(listSelected, listRows);
}

QStringList TestPieChartView::OpenMenu(const QPoint& ptPos, int iChoose)
{
    QStringList listTexts;
    QTimer::singleShot(0, this, [&listTexts, iChoose] {
        auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!pMenu)
            return;
        const QList<QAction*> listActions = pMenu->actions();
        for (QAction* pAction : listActions)
            listTexts.append(pAction->text());
        if (iChoose >= 0)
            listActions.at(iChoose)->trigger();
        pMenu->close();
    });
    QTest::mousePress(m_pView->viewport(), Qt::RightButton, Qt::NoModifier, ptPos);
    return listTexts;
}

void TestPieChartView::menuSwitchesTheLabels()
{
    FillPieModel(*m_pModel, {1, 1, 2}, {});
    m_pView->ReDrawChart(FirstColumn(*m_pModel), false);
    const QPoint ptPos(100, 100);
    QCOMPARE(OpenMenu(ptPos, 0), (QStringList{QStringLiteral("Show Value"), QStringLiteral("Show Percent")}));
    QCOMPARE(OpenMenu(ptPos, 1), (QStringList{QStringLiteral("Hide Value"), QStringLiteral("Show Percent")}));
    QCOMPARE(OpenMenu(ptPos, -1), (QStringList{QStringLiteral("Hide Value"), QStringLiteral("Hide Percent")}));
    QCOMPARE(OpenMenu(ptPos, 0), (QStringList{QStringLiteral("Hide Value"), QStringLiteral("Hide Percent")}));
    QCOMPARE(OpenMenu(ptPos, -1), (QStringList{QStringLiteral("Show Value"), QStringLiteral("Hide Percent")}));
}

void TestPieChartView::labelsChangeThePicture()
{
    FillPieModel(*m_pModel, {1, 1, 2}, {QStringLiteral("#ff0000"), QStringLiteral("#00ff00"),
                                        QStringLiteral("#0000ff")});
    m_pView->ReDrawChart(FirstColumn(*m_pModel), false);
    const QImage imagePlain = m_pView->viewport()->grab().toImage();
    OpenMenu(QPoint(100, 100), 1);
    const QImage imagePercent = m_pView->viewport()->grab().toImage();
    QVERIFY(imagePlain != imagePercent);
    // The lower half's "50%" is centred halfway between centre and arc, at (150, 220).
    int iInk = 0;
    for (int x = 130; x < 170; ++x) {
        for (int y = 205; y < 225; ++y)
            iInk += QColor(imagePercent.pixel(x, y)) != QColor(Qt::blue) ? 1 : 0;
    }
    QVERIFY(iInk > 10);
}

void TestPieChartView::leaderLineAndTextPlacement_data()
{
    QTest::addColumn<double>("dStart");
    QTest::addColumn<double>("dSpan");
    QTest::addColumn<QPolygon>("polyLeader");
    QTest::addColumn<QPointF>("ptFirstText");
    QTest::addColumn<QPointF>("ptSecondText");

    // Pie of 200 pixels, texts 20 wide and 15 high.
    QTest::newRow("narrow, upper right") << 0.0 << 10.0 << QPolygon({{199, 91}, {209, 81}, {214, 81}})
                                         << QPointF(214, 81) << QPointF(214, 96);
    QTest::newRow("narrow, upper left") << 170.0 << 10.0 << QPolygon({{0, 91}, {-10, 81}, {-15, 81}})
                                        << QPointF(-35, 81) << QPointF(-35, 96);
    QTest::newRow("narrow, lower left") << 180.0 << 10.0 << QPolygon({{0, 108}, {-10, 118}, {-15, 118}})
                                        << QPointF(-35, 118) << QPointF(-35, 133);
    QTest::newRow("narrow, lower right") << 350.0 << 10.0 << QPolygon({{199, 108}, {209, 118}, {214, 118}})
                                         << QPointF(214, 118) << QPointF(214, 133);
    QTest::newRow("exactly 18 degrees") << 81.0 << 18.0 << QPolygon({{100, 0}, {110, -10}, {115, -10}})
                                        << QPointF(115, -10) << QPointF(115, 5);
    QTest::newRow("18.5 degrees, inside") << 80.75 << 18.5 << QPolygon() << QPointF(90, 50) << QPointF(90, 65);
    QTest::newRow("upper half") << 0.0 << 180.0 << QPolygon() << QPointF(90, 50) << QPointF(90, 65);
    QTest::newRow("lower half") << 180.0 << 180.0 << QPolygon() << QPointF(90, 150) << QPointF(90, 165);
}

void TestPieChartView::leaderLineAndTextPlacement()
{
    QFETCH(double, dStart);
    QFETCH(double, dSpan);
    QFETCH(QPolygon, polyLeader);
    QFETCH(QPointF, ptFirstText);
    QFETCH(QPointF, ptSecondText);
    const CPieLabelLayout layout(200, dStart, dSpan);
    QCOMPARE(layout.LeaderLine(false), QPolygon());
    QCOMPARE(layout.LeaderLine(true), polyLeader);
    const QPointF ptFirst = layout.TextPosition(20, 0, 15);
    const QPointF ptSecond = layout.TextPosition(20, 1, 15);
    QVERIFY2(qAbs(ptFirst.x() - ptFirstText.x()) < 0.01 && qAbs(ptFirst.y() - ptFirstText.y()) < 0.01,
             qPrintable(QStringLiteral("%1,%2").arg(ptFirst.x()).arg(ptFirst.y())));
    QVERIFY(qAbs(ptSecond.x() - ptSecondText.x()) < 0.01 && qAbs(ptSecond.y() - ptSecondText.y()) < 0.01);
}

void TestPieChartView::textsOfValueAndPercent_data()
{
    QTest::addColumn<double>("dValue");
    QTest::addColumn<double>("dSpan");
    QTest::addColumn<QString>("strValue");
    QTest::addColumn<QString>("strPercent");

    QTest::newRow("whole pie") << 12.0 << 360.0 << QStringLiteral("12") << QStringLiteral("100%");
    QTest::newRow("quarter") << 2.5 << 90.0 << QStringLiteral("2.5") << QStringLiteral("25%");
    QTest::newRow("narrow") << 1024.0 << 10.0 << QStringLiteral("1024") << QStringLiteral("2.8%");
    QTest::newRow("sliver") << 3.0 << 1.0 << QStringLiteral("3") << QStringLiteral("0.28%");
    QTest::newRow("large count") << 123456789.0 << 180.0 << QStringLiteral("123456789") << QStringLiteral("50%");
}

void TestPieChartView::textsOfValueAndPercent()
{
    QFETCH(double, dValue);
    QFETCH(double, dSpan);
    QFETCH(QString, strValue);
    QFETCH(QString, strPercent);
    QCOMPARE(CPieLabelLayout::ValueText(dValue), strValue);
    QCOMPARE(CPieLabelLayout::PercentText(dSpan), strPercent);
}

void TestPieChartView::scrollRangesFollowTheSize()
{
    m_pView->resize(500, 320);
    QCOMPARE(m_pView->horizontalScrollBar()->maximum(), 140);
    QCOMPARE(m_pView->horizontalScrollBar()->pageStep(), 500);
    QCOMPARE(m_pView->verticalScrollBar()->maximum(), 0);
    m_pView->resize(700, 320);
    QCOMPARE(m_pView->horizontalScrollBar()->maximum(), 0);
    QVERIFY(!m_pView->horizontalScrollBar()->isVisible());
    QVERIFY(!m_pView->verticalScrollBar()->isVisible());
}

QTEST_MAIN(TestPieChartView)
#include "tst_piechartview.moc"
