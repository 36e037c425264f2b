#include "ChartTestSupport.h"

#include "timeline/engine/ChartView.h"

#include <QtTest/QtTest>
#include <QtWidgets/QAbstractButton>

#include <climits>

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
    void repaintIsAsynchronous();
    void paintEventOnlyBlitsThePixmap();
    void optionCarriesViewColours();
    void emptyWidgetSkipsDrawing();
};

// A resize rebuilds the picture at once; other requests (colour changes
// included) wait for the event loop and coalesce until it has run.
void TestChartView::repaintIsAsynchronous()
{
    CTestChartView view(QSize(300, 60));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCoreApplication::sendPostedEvents(&view, QEvent::User);
    const int iBefore = view.Painted();
    view.resize(320, 60);
    QCOMPARE(view.Painted(), iBefore + 1);
    QCOMPARE(view.GetChartPixmap().size(), QSize(320, 60));
    view.PostUpdateChart();
    view.SetColorAxisText(Qt::green);
    QCOMPARE(view.Painted(), iBefore + 1);
    QCoreApplication::sendPostedEvents(&view, QEvent::User);
    QCOMPARE(view.Painted(), iBefore + 2);
}

// Painting the widget only copies the picture; the chart rectangle lies
// inside the margins and 2 pixels above the bottom.
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
    QCOMPARE(view.Painted(), iPainted);
    QCOMPARE(image, view.GetChartPixmap().toImage().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(view.GetChartRect(), QRect(24, 0, 176, 58));
    QCOMPARE(image.pixelColor(4, 30), s_colorBackground);
    QCOMPARE(ChartTest::Bounds(image, Qt::darkGreen), QRect(24, 5, 176, 10));
    // Margins are no wider than a widget can be.
    view.SetMargins(INT_MAX, INT_MIN);
    view.UpdateChart();
    QCOMPARE(view.GetChartRect(), QRect(QWIDGETSIZE_MAX, 0, 300 - QWIDGETSIZE_MAX, 58));
}

void TestChartView::optionCarriesViewColours()
{
    CTestChartView view(QSize(200, 50));
    // The colours are copied together: the first and the last pin the copy.
    QVERIFY(view.setProperty("m_colorAxisName", QColor(10, 20, 30)));
    QVERIFY(view.setProperty("m_colorMidLine", QColor(50, 20, 30)));
    view.UpdateChart();
    const CChartStyleOption& option = view.m_pSeries->m_option;
    QCOMPARE(qMakePair(option.colorAxisName, option.colorMidLine), qMakePair(QColor(10, 20, 30), QColor(50, 20, 30)));
    // What the subclass fills and the view does not own is kept.
    QCOMPARE(option.colorRightChartBackground, QColor(Qt::cyan));
}

void TestChartView::emptyWidgetSkipsDrawing()
{
    CTestChartView view(QSize(0, 0));
    view.UpdateChart();
    QVERIFY(view.GetChartPixmap().isNull());
    QCoreApplication::postEvent(&view, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&view, QEvent::User);
    QCOMPARE(view.Painted(), 0);
}

QTEST_MAIN(TestChartView)
#include "tst_chartview.moc"
