#include "ChartTestSupport.h"

#include "timeline/ChartView.h"

#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Button/ToolButton.h>

#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;

namespace {

class CRecordingSeries : public CChartSeries
{
public:
    void Calculate() override {}
    void Paint(QPainter* pPainter, const CChartStyleOption& option) override
    {
        ++m_iPainted;
        m_option = option;
        // A band that shows where the chart rectangle is.
        const QRect rectChart = GetPanel()->GetChartRect();
        pPainter->fillRect(QRect(rectChart.left(), 5, rectChart.width(), 10), Qt::darkGreen);
    }
    int m_iPainted = 0;
    CChartStyleOption m_option;
};

class CTestChartView : public CChartView
{
public:
    explicit CTestChartView(QWidget* pParent = nullptr)
        : CChartView(pParent)
    {
        AddSeries(m_pSeries);
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(20, 30, 40));
        setPalette(palette);
    }
    void InitChartStyleOption(CChartStyleOption& option) override
    {
        ++m_iInitialised;
        option.colorRightChartBackground = Qt::cyan;
        // The view's own colours are copied after this and win.
        option.colorAxisName = Qt::magenta;
    }
    CRecordingSeries* m_pSeries = new CRecordingSeries;
    int m_iInitialised = 0;
};

} // namespace

class TestChartView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void propertyDefaults_data();
    void propertyDefaults();
    void buttonsAndWidgetFlags();
    void zoomSignalsOnPress();
    void calendarButton();
    void currentDateTime();
    void rectanglesFollowMargins();
    void repaintIsAsynchronous();
    void paintEventOnlyBlitsThePixmap();
    void midLine();
    void optionCarriesViewColours();
    void emptyWidgetSkipsDrawing();
    void styleSheetSetsProperties();
};

void TestChartView::propertyDefaults_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("axis name") << QByteArray("m_colorAxisName") << QVariant(QColor(114, 114, 114));
    QTest::newRow("axis text") << QByteArray("m_colorAxisText") << QVariant(QColor(150, 150, 150));
    QTest::newRow("axis small text") << QByteArray("m_colorAxisSmallText") << QVariant(QColor(81, 81, 81));
    QTest::newRow("scale line") << QByteArray("m_colorScaleLine") << QVariant(QColor(114, 114, 114));
    QTest::newRow("mid line time text") << QByteArray("m_colorMidLineTimeText") << QVariant(QColor(Qt::white));
    QTest::newRow("show mid line") << QByteArray("m_bShowMidLine") << QVariant(true);
    QTest::newRow("mid line") << QByteArray("m_colorMidLine") << QVariant(QColor(Qt::yellow));
    QTest::newRow("mouse text") << QByteArray("m_colorMouseText") << QVariant(QColor(Qt::white));
    QTest::newRow("tag") << QByteArray("m_colorTag") << QVariant(QColor(131, 131, 131));
}

void TestChartView::propertyDefaults()
{
    QFETCH(QByteArray, name);
    QFETCH(QVariant, value);
    CTestChartView view;
    QCOMPARE(view.property(name.constData()), value);
    // Every property is writable.
    const QVariant other = value.type() == QVariant::Bool ? QVariant(false) : QVariant(QColor(1, 2, 3));
    QVERIFY(view.setProperty(name.constData(), other));
    QCOMPARE(view.property(name.constData()), other);
}

void TestChartView::buttonsAndWidgetFlags()
{
    CTestChartView view;
    QVERIFY(view.hasMouseTracking());
    QVERIFY(view.autoFillBackground());
    QVERIFY(view.findChild<CToolButton*>(QStringLiteral("ZoomInBtn")));
    QVERIFY(view.findChild<CToolButton*>(QStringLiteral("ZoomOutBtn")));
    auto* pCalendar = view.findChild<CPushButton*>(QStringLiteral("CalendarBtn"));
    QVERIFY(pCalendar);
    QCOMPARE(pCalendar->iconSize(), QSize(14, 14));
    QCOMPARE(pCalendar->cursor().shape(), Qt::PointingHandCursor);

    // A fresh view: axes 0..100, margins 9 and 9, no pixmap yet.
    double dMin = -1.0;
    double dMax = -1.0;
    view.GetXAxis()->GetRange(dMin, dMax);
    QCOMPARE(dMin, 0.0);
    QCOMPARE(dMax, 100.0);
    int iLeft = 0;
    int iRight = 0;
    view.GetMargins(iLeft, iRight);
    QCOMPARE(iLeft, 9);
    QCOMPARE(iRight, 9);
}

void TestChartView::zoomSignalsOnPress()
{
    CTestChartView view;
    view.resize(400, 60);
    auto* pZoomIn = view.findChild<CToolButton*>(QStringLiteral("ZoomInBtn"));
    auto* pZoomOut = view.findChild<CToolButton*>(QStringLiteral("ZoomOutBtn"));
    pZoomIn->setGeometry(300, 4, 17, 16);
    pZoomOut->setGeometry(330, 4, 17, 16);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy spyIn(&view, &CChartView::SignalZoomIn);
    QSignalSpy spyOut(&view, &CChartView::SignalZoomOut);
    QTest::mousePress(pZoomIn, Qt::LeftButton);
    QCOMPARE(spyIn.count(), 1);
    QTest::mouseRelease(pZoomIn, Qt::LeftButton);
    QCOMPARE(spyIn.count(), 1);
    QCOMPARE(spyOut.count(), 0);
    QTest::mousePress(pZoomOut, Qt::LeftButton);
    QCOMPARE(spyOut.count(), 1);
    QTest::mouseRelease(pZoomOut, Qt::LeftButton);
}

void TestChartView::calendarButton()
{
    CTestChartView view;
    view.resize(400, 60);
    auto* pCalendar = view.findChild<CPushButton*>(QStringLiteral("CalendarBtn"));
    pCalendar->setGeometry(100, 2, 165, 20);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy spy(&view, &CChartView::SignalCalendarBtnClicked);
    QTest::mousePress(pCalendar, Qt::LeftButton);
    QCOMPARE(spy.count(), 0);
    QTest::mouseRelease(pCalendar, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);

    view.SetCalendarBtnHidden(true);
    QVERIFY(pCalendar->isHidden());
    view.SetCalendarBtnHidden(false);
    QVERIFY(!pCalendar->isHidden());
}

void TestChartView::currentDateTime()
{
    CTestChartView view;
    auto* pCalendar = view.findChild<CPushButton*>(QStringLiteral("CalendarBtn"));
    QSignalSpy spy(&view, &CChartView::SignalCalendarDateChanged);
    const QDateTime dtFirst(QDate(2026, 12, 5), QTime(16, 42, 7));
    view.SetCurrentDateTime(dtFirst);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toDate(), QDate(2026, 12, 5));
    QCOMPARE(view.GetCurrentDateTime(), dtFirst);
    QCOMPARE(pCalendar->text(), QStringLiteral("2026/12/05 16:42:07"));

    view.SetCurrentDateTime(QDateTime(QDate(2026, 12, 5), QTime(23, 59, 59)));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(pCalendar->text(), QStringLiteral("2026/12/05 23:59:59"));
    view.SetCurrentDateTime(QDateTime(QDate(2026, 12, 6), QTime(0, 0, 0)));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toDate(), QDate(2026, 12, 6));
}

void TestChartView::rectanglesFollowMargins()
{
    CTestChartView view;
    view.resize(500, 80);
    view.UpdateRects();
    QCOMPARE(view.GetChartRect(), QRect(9, 0, 482, 78));
    QCOMPARE(view.GetViewRect(), QRect(0, 0, 500, 80));
    view.SetMargins(24, 100);
    int iLeft = 0;
    int iRight = 0;
    view.GetMargins(iLeft, iRight);
    QCOMPARE(iLeft, 24);
    QCOMPARE(iRight, 100);
    view.UpdateRects();
    QCOMPARE(view.GetChartRect(), QRect(24, 0, 376, 78));
    QCOMPARE(view.GetMidLineX(), 24 + 188);
}

void TestChartView::repaintIsAsynchronous()
{
    CTestChartView view;
    view.resize(300, 60);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCoreApplication::sendPostedEvents(&view, QEvent::User);
    view.m_pSeries->m_iPainted = 0;
    // A resize rebuilds at once.
    view.resize(320, 60);
    QCOMPARE(view.m_pSeries->m_iPainted, 1);
    QCOMPARE(view.GetChartPixmap().size(), QSize(320, 60));

    QCoreApplication::postEvent(&view, new QEvent(QEvent::User));
    QCOMPARE(view.m_pSeries->m_iPainted, 1);
    QCoreApplication::sendPostedEvents(&view, QEvent::User);
    QCOMPARE(view.m_pSeries->m_iPainted, 2);

    // Posting through the view coalesces requests made before the loop runs.
    view.PostUpdateChart();
    view.PostUpdateChart();
    view.SetColorAxisText(Qt::green);
    QCOMPARE(view.m_pSeries->m_iPainted, 2);
    QCoreApplication::sendPostedEvents(&view, QEvent::User);
    QCOMPARE(view.m_pSeries->m_iPainted, 3);
    view.PostUpdateChart();
    QCoreApplication::sendPostedEvents(&view, QEvent::User);
    QCOMPARE(view.m_pSeries->m_iPainted, 4);

    view.UpdateChart();
    QCOMPARE(view.m_pSeries->m_iPainted, 5);
}

void TestChartView::paintEventOnlyBlitsThePixmap()
{
    CTestChartView view;
    view.setProperty("m_bShowMidLine", false);
    for (QWidget* pButton : view.findChildren<QAbstractButton*>())
        pButton->hide();
    view.resize(300, 60);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCoreApplication::processEvents();
    const int iPainted = view.m_pSeries->m_iPainted;
    const QImage image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    view.repaint();
    QCOMPARE(view.m_pSeries->m_iPainted, iPainted);
    QCOMPARE(image, view.GetChartPixmap().toImage().convertToFormat(QImage::Format_RGB32));
    // The pixmap holds the widget background and the series, inside the margins.
    QCOMPARE(image.pixelColor(4, 30), QColor(20, 30, 40));
    QCOMPARE(image.pixelColor(8, 8), QColor(20, 30, 40));
    QCOMPARE(image.pixelColor(9, 8), QColor(Qt::darkGreen));
    QCOMPARE(image.pixelColor(290, 8), QColor(Qt::darkGreen));
    QCOMPARE(image.pixelColor(291, 8), QColor(20, 30, 40));
}

void TestChartView::midLine()
{
    CTestChartView view;
    view.resize(300, 80);
    view.setProperty("m_colorMidLine", QColor(Qt::red));
    view.UpdateChart();
    const QImage image = view.grab().toImage();
    const int iX = view.GetMidLineX();
    QCOMPARE(iX, 150);
    QCOMPARE(image.pixelColor(iX, 40), QColor(Qt::red));
    QCOMPARE(image.pixelColor(iX, 77), QColor(Qt::red));
    // Two pixels wide, from y = 31 (square caps reach one pixel further).
    QCOMPARE(image.pixelColor(iX - 1, 40), QColor(Qt::red));
    QCOMPARE(image.pixelColor(iX + 1, 40), QColor(20, 30, 40));
    QCOMPARE(image.pixelColor(iX, 28), QColor(20, 30, 40));

    view.SetShowMidLine(false);
    QCOMPARE(view.grab().toImage().pixelColor(iX, 40), QColor(20, 30, 40));
}

void TestChartView::optionCarriesViewColours()
{
    CTestChartView view;
    view.setProperty("m_colorMouseText", QColor(1, 2, 3));
    view.resize(200, 50);
    view.UpdateChart();
    const CChartStyleOption& option = view.m_pSeries->m_option;
    QCOMPARE(option.type, int(CChartStyleOption::Type));
    QCOMPARE(option.type, int(QStyleOption::SO_CustomBase) + 1);
    QCOMPARE(option.version, 1);
    QCOMPARE(option.colorAxisName, QColor(114, 114, 114));
    QCOMPARE(option.colorAxisText, QColor(150, 150, 150));
    QCOMPARE(option.colorAxisSmallText, QColor(81, 81, 81));
    QCOMPARE(option.colorScaleLine, QColor(114, 114, 114));
    QCOMPARE(option.colorMouseText, QColor(1, 2, 3));
    QCOMPARE(option.colorMidLine, QColor(Qt::yellow));
    QCOMPARE(option.colorRightChartBackground, QColor(Qt::cyan));
    // Fields nobody fills keep their defaults.
    QVERIFY(!option.colorTopBackground.isValid());
    QVERIFY(option.pixTag.isNull());
    QCOMPARE(option.selectRectOpacity, 0.5);
    QVERIFY(!option.openSelectRect);
}

void TestChartView::emptyWidgetSkipsDrawing()
{
    CTestChartView view;
    view.resize(200, 50);
    view.UpdateChart();
    QCOMPARE(view.m_pSeries->m_iPainted, 1);
    view.resize(0, 0);
    view.UpdateChart();
    QVERIFY(view.GetChartPixmap().isNull());
    QCOMPARE(view.m_pSeries->m_iPainted, 1);
    view.UpdateChart();
    QCoreApplication::postEvent(&view, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&view, QEvent::User);
    QCOMPARE(view.m_pSeries->m_iPainted, 1);
    QCOMPARE(view.m_iInitialised, 1);
    view.grab();
}

void TestChartView::styleSheetSetsProperties()
{
    CTestChartView view;
    view.setStyleSheet(QStringLiteral("* { qproperty-m_colorMidLine: #3b8eea; qproperty-m_bShowMidLine: false; }"));
    view.ensurePolished();
    QCOMPARE(view.GetColorMidLine(), QColor(0x3b, 0x8e, 0xea));
    QVERIFY(!view.IsShowMidLine());
}

QTEST_MAIN(TestChartView)
#include "tst_chartview.moc"
