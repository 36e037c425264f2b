#include "ChartTestSupport.h"

#include "timeline/ChartView.h"

#include <OrvaGUIToolkit/Button/PushButton.h>

#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;

namespace {

const QColor s_colorBackground(20, 30, 40);

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
    explicit CTestChartView(const QSize& size)
    {
        AddSeries(m_pSeries);
        QPalette palette;
        palette.setColor(QPalette::Window, s_colorBackground);
        setPalette(palette);
        resize(size);
    }
    void InitChartStyleOption(CChartStyleOption& option) override
    {
        option.colorRightChartBackground = Qt::cyan;
        // The view's own colours are copied after this and win.
        option.colorAxisName = Qt::magenta;
    }
    int Painted() const { return m_pSeries->m_iPainted; }
    CRecordingSeries* m_pSeries = new CRecordingSeries;
};

} // namespace

class TestChartView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonSignals_data();
    void buttonSignals();
    void currentDateTime();
    void repaintIsAsynchronous();
    void paintEventOnlyBlitsThePixmap();
    void midLine();
    void optionCarriesViewColours();
    void emptyWidgetSkipsDrawing();
};

void TestChartView::buttonSignals_data()
{
    QTest::addColumn<QString>("strButton");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<bool>("bOnPress");
    // Zooming reacts on press, the calendar on a full click.
    QTest::newRow("zoom in") << "ZoomInBtn" << QByteArray(SIGNAL(SignalZoomIn())) << true;
    QTest::newRow("zoom out") << "ZoomOutBtn" << QByteArray(SIGNAL(SignalZoomOut())) << true;
    QTest::newRow("calendar") << "CalendarBtn" << QByteArray(SIGNAL(SignalCalendarBtnClicked())) << false;
}

void TestChartView::buttonSignals()
{
    QFETCH(QString, strButton);
    QFETCH(QByteArray, signal);
    QFETCH(bool, bOnPress);
    CTestChartView view(QSize(400, 60));
    auto* pButton = view.findChild<QAbstractButton*>(strButton);
    QVERIFY(pButton);
    pButton->setGeometry(100, 2, 60, 20);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy spy(&view, signal.constData());
    QTest::mousePress(pButton, Qt::LeftButton);
    QCOMPARE(spy.count(), bOnPress ? 1 : 0);
    QTest::mouseRelease(pButton, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

void TestChartView::currentDateTime()
{
    CTestChartView view(QSize(400, 60));
    QSignalSpy spy(&view, &CChartView::SignalCalendarDateChanged);
    const QDateTime dtFirst(QDate(2026, 12, 5), QTime(16, 42, 7));
    view.SetCurrentDateTime(dtFirst);
    QCOMPARE(view.GetCurrentDateTime(), dtFirst);
    QCOMPARE(view.findChild<CPushButton*>(QStringLiteral("CalendarBtn"))->text(),
             QStringLiteral("2026/12/05 16:42:07"));
    // Only a new date is signalled.
    view.SetCurrentDateTime(QDateTime(QDate(2026, 12, 5), QTime(23, 59, 59)));
    view.SetCurrentDateTime(QDateTime(QDate(2026, 12, 6), QTime(0, 0, 0)));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toDate(), QDate(2026, 12, 6));
}

void TestChartView::repaintIsAsynchronous()
{
    CTestChartView view(QSize(300, 60));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCoreApplication::sendPostedEvents(&view, QEvent::User);
    const int iBefore = view.Painted();
    // A resize rebuilds at once.
    view.resize(320, 60);
    QCOMPARE(view.Painted(), iBefore + 1);
    QCOMPARE(view.GetChartPixmap().size(), QSize(320, 60));

    // Requests (colour changes included) wait for the event loop and
    // coalesce until it has run.
    view.PostUpdateChart();
    view.PostUpdateChart();
    view.SetColorAxisText(Qt::green);
    QCOMPARE(view.Painted(), iBefore + 1);
    QCoreApplication::sendPostedEvents(&view, QEvent::User);
    QCOMPARE(view.Painted(), iBefore + 2);
    view.PostUpdateChart();
    QCoreApplication::sendPostedEvents(&view, QEvent::User);
    QCOMPARE(view.Painted(), iBefore + 3);
    // Timelines may post the event themselves.
    QCoreApplication::postEvent(&view, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&view, QEvent::User);
    QCOMPARE(view.Painted(), iBefore + 4);
}

void TestChartView::paintEventOnlyBlitsThePixmap()
{
    CTestChartView view(QSize(300, 60));
    view.SetShowMidLine(false);
    view.SetMargins(24, 100);
    for (QWidget* pButton : view.findChildren<QAbstractButton*>())
        pButton->hide();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCoreApplication::processEvents();
    const int iPainted = view.Painted();
    const QImage image = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    view.repaint();
    QCOMPARE(view.Painted(), iPainted);
    QCOMPARE(image, view.GetChartPixmap().toImage().convertToFormat(QImage::Format_RGB32));
    // The pixmap holds the widget background and the series; the chart
    // rectangle lies inside the margins and 2 pixels above the bottom.
    QCOMPARE(view.GetChartRect(), QRect(24, 0, 176, 58));
    QCOMPARE(view.GetViewRect(), QRect(0, 0, 300, 60));
    QCOMPARE(image.pixelColor(4, 30), s_colorBackground);
    QCOMPARE(ChartTest::Bounds(image, Qt::darkGreen), QRect(24, 5, 176, 10));
}

void TestChartView::midLine()
{
    CTestChartView view(QSize(300, 80));
    // Style sheets reach the colour properties.
    view.setStyleSheet(QStringLiteral("* { qproperty-m_colorMidLine: #ff0000; }"));
    view.ensurePolished();
    view.UpdateChart();
    // At the chart's centre, 2 pixels wide, from y = 31 to the chart's bottom
    // (78); the square cap reaches one pixel further up.
    QCOMPARE(view.GetMidLineX(), 9 + 141);
    QCOMPARE(ChartTest::Bounds(view.grab().toImage(), Qt::red), QRect(149, 30, 2, 49));
    view.SetShowMidLine(false);
    QCOMPARE(ChartTest::Bounds(view.grab().toImage(), Qt::red), QRect());
}

void TestChartView::optionCarriesViewColours()
{
    CTestChartView view(QSize(200, 50));
    const QVector<QPair<const char*, QColor CChartStyleOption::*>> vecColours{
        {"m_colorAxisName", &CChartStyleOption::colorAxisName},
        {"m_colorAxisText", &CChartStyleOption::colorAxisText},
        {"m_colorAxisSmallText", &CChartStyleOption::colorAxisSmallText},
        {"m_colorScaleLine", &CChartStyleOption::colorScaleLine},
        {"m_colorMouseText", &CChartStyleOption::colorMouseText},
        {"m_colorMidLine", &CChartStyleOption::colorMidLine}};
    for (int i = 0; i < vecColours.size(); ++i)
        QVERIFY(view.setProperty(vecColours.at(i).first, QColor(10 * i, 20, 30)));
    view.UpdateChart();
    const CChartStyleOption& option = view.m_pSeries->m_option;
    for (int i = 0; i < vecColours.size(); ++i)
        QCOMPARE(option.*vecColours.at(i).second, QColor(10 * i, 20, 30));
    // What the subclass fills and the view does not own is kept.
    QCOMPARE(option.colorRightChartBackground, QColor(Qt::cyan));
}

void TestChartView::emptyWidgetSkipsDrawing()
{
    CTestChartView view(QSize(200, 50));
    view.UpdateChart();
    QCOMPARE(view.Painted(), 1);
    view.resize(0, 0);
    view.UpdateChart();
    QVERIFY(view.GetChartPixmap().isNull());
    QCoreApplication::postEvent(&view, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&view, QEvent::User);
    QCOMPARE(view.Painted(), 1);
    // Painting with a null pixmap is harmless.
    view.grab();
}

QTEST_MAIN(TestChartView)
#include "tst_chartview.moc"
