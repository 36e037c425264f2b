#include "ChartTestSupport.h"

#include "timeline/engine/ChartView.h"
#include "timeline/engine/TimeRectSeries.h"
#include "timeline/engine/UncoveredParts.h"

#include <QtTest/QtTest>
#include <QtWidgets/QAbstractButton>

#include <climits>
#include <cfloat>
#include <limits>

using namespace OrvaGUIToolkit;

namespace {

const QColor s_colorBackground(20, 30, 40);

// Records what the panel asks of it, and marks the chart rectangle with a band.
class CProbeSeries : public CChartSeries
{
public:
    explicit CProbeSeries(int iType = -1) : m_iType(iType) {}
    void Calculate() override {}
    void Paint(QPainter* pPainter, const CChartStyleOption& option) override
    {
        ++m_iPainted;
        m_option = option;
        m_penSeen = pPainter->pen();
        const QRect rectChart = GetPanel()->GetChartRect();
        pPainter->fillRect(QRect(rectChart.left(), 5, rectChart.width(), 10), Qt::darkGreen);
        // Leaves a changed painter behind; the panel must restore it.
        pPainter->setPen(QPen(Qt::red, 9));
    }
    int SeriesType() const override { return m_iType; }

    int m_iType;
    int m_iPainted = 0;
    CChartStyleOption m_option;
    QPen m_penSeen;
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
    CProbeSeries* m_pSeries = new CProbeSeries;
};

enum EAxisKind { Horizontal, ReversedVertical, UnscaledVertical };

} // namespace

class TestChartAxis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valueToPixel_data()
    {
        QTest::addColumn<int>("iKind");
        QTest::addColumn<double>("dMin");
        QTest::addColumn<double>("dMax");
        QTest::addColumn<double>("dValue");
        QTest::addColumn<int>("iPixel");

        // The chart rectangle is (10, 5, 200, 100) in every row.
        QTest::newRow("offset range") << int(Horizontal) << 1000.0 << 1400.0 << 1100.0 << 60;
        QTest::newRow("outside left is not clamped") << int(Horizontal) << 0.0 << 100.0 << -10.0 << -10;
        // 200 pixels over 80 units: 2.5 px per unit, halves round up.
        QTest::newRow("half rounds up") << int(Horizontal) << 0.0 << 80.0 << 1.0 << 13;
        QTest::newRow("negative half rounds up") << int(Horizontal) << 0.0 << 80.0 << -0.2 << 10;
        // The reversed vertical axis counts from the top of its range, from pixel 0.
        QTest::newRow("reversed value") << int(ReversedVertical) << 0.0 << 10.0 << 3.0 << 70;
        // Not scaled: one pixel per unit, starting at the chart's top.
        QTest::newRow("unscaled vertical") << int(UnscaledVertical) << 30.0 << 40.0 << 74.0 << 49;
        // Pixels beyond a billion are pinned there; NaN maps to the chart's start.
        QTest::newRow("-inf") << int(Horizontal) << 0.0 << 600.0 << -std::numeric_limits<double>::infinity() << -999999990;
        QTest::newRow("NaN") << int(Horizontal) << 0.0 << 600.0 << std::numeric_limits<double>::quiet_NaN() << 10;
        QTest::newRow("middle of a huge range") << int(Horizontal) << -1.0e300 << 1.0e300 << 0.0 << 110;
    }

    void valueToPixel()
    {
        QFETCH(int, iKind);
        QFETCH(double, dMin);
        QFETCH(double, dMax);
        QFETCH(double, dValue);
        QFETCH(int, iPixel);
        CAxisPanel panel;
        panel.SetChartRect(10, 5, 200, 100);
        CChartAxis axis(&panel, iKind == Horizontal, iKind == ReversedVertical);
        axis.SetScaled(iKind != UnscaledVertical);
        axis.SetRange(dMin, dMax);
        axis.UpdatePixelRange();
        QCOMPARE(axis.ValueToPixel(dValue), iPixel);
    }

    void pixelToValue_data()
    {
        QTest::addColumn<bool>("bHorizontal");
        QTest::addColumn<bool>("bReversed");
        QTest::addColumn<double>("dMax");
        QTest::addColumn<int>("iPixel");
        QTest::addColumn<double>("dValue");
        // The chart is (0, 0, 400, 400) and the range -200..600: 2 units a pixel.
        QTest::newRow("horizontal inside") << true << false << 600.0 << 57 << -86.0;
        QTest::newRow("horizontal left of the chart") << true << false << 600.0 << -10 << -220.0;
        // Vertical values count from the maximum, whether or not the axis is
        // reversed; horizontal ones from the minimum, reversed or not.
        QTest::newRow("reversed vertical") << false << true << 600.0 << 57 << 486.0;
        QTest::newRow("upright vertical") << false << false << 600.0 << 57 << 486.0;
        QTest::newRow("reversed horizontal") << true << true << 600.0 << 57 << -86.0;
        QTest::newRow("INT_MIN") << true << false << 600.0 << INT_MIN << -4294967496.0;
        // 20 pixels of a span near DBL_MAX are still a finite, distinct time.
        QTest::newRow("20 pixels of a huge span") << true << false << 6.0e307 << 20 << 3.0e306;
        QTest::newRow("INT_MAX of a huge span saturates") << true << false << 6.0e307 << INT_MAX << DBL_MAX;
    }

    void pixelToValue()
    {
        QFETCH(bool, bHorizontal);
        QFETCH(bool, bReversed);
        QFETCH(double, dMax);
        QFETCH(int, iPixel);
        QFETCH(double, dValue);
        CAxisPanel panel;
        panel.SetChartRect(0, 0, 400, 400);
        CChartAxis axis(&panel, bHorizontal, bReversed);
        axis.SetRange(-200.0, dMax);
        axis.UpdatePixelRange();
        QCOMPARE(axis.PixelToValue(iPixel), dValue);
    }

    void degenerateRanges()
    {
        CAxisPanel panel;
        // Chart pixels are pinned to a billion either way.
        panel.SetChartRect(INT_MAX, INT_MIN, INT_MAX, INT_MAX);
        QCOMPARE(panel.GetChartRect(), QRect(1000000000, -1000000000, 1000000000, 1000000000));
        panel.SetChartRect(15, 0, 300, 20);
        CChartAxis axis(&panel, true, false);
        // A span that is not finite is refused, even between finite ends.
        axis.SetRange(1000.0, 1600.0);
        QTest::ignoreMessage(QtWarningMsg, "CChartAxis::SetRange: !std::isfinite(dMax - dMin)");
        axis.SetRange(-DBL_MAX, DBL_MAX);
        QCOMPARE(qMakePair(axis.GetMin(), axis.GetMax()), qMakePair(1000.0, 1600.0));
        // Zero width: every value maps to the chart's left edge.
        axis.SetRange(500.0, 500.0);
        axis.UpdatePixelRange();
        QCOMPARE(axis.GetScale(), 0.0);
        QCOMPARE(axis.ValueToPixel(-1.0e12), 15);
        QCOMPARE(axis.ValueToPixel(1.0e12), 15);
        // A chart without width maps pixels back to the start of the range.
        axis.SetRange(0.0, 1.0);
        panel.SetChartRect(15, 0, 0, 0);
        axis.UpdatePixelRange();
        QCOMPARE(axis.PixelToValue(40), 0.0);
        CChartAxis vertical(&panel, false, false);
        vertical.SetRange(0.0, 1.0);
        vertical.UpdatePixelRange();
        QCOMPARE(vertical.PixelToValue(40), 1.0);
        // An axis without an owner has no pixels at all.
        CChartAxis orphan(nullptr, true, false);
        orphan.UpdatePixelRange();
        QCOMPARE(orphan.ValueToPixel(50.0), 0);
    }

    // The panel owns its series: removing, clearing and its end delete them
    // (the sanitizers report a leak or a double deletion).
    void seriesManagement()
    {
        CAxisPanel panel;
        QTest::ignoreMessage(QtWarningMsg, "CAxisPanel::AddSeries: pSeries == NULL");
        panel.AddSeries(nullptr);
        auto* pFirstLine = new CProbeSeries(5);
        auto* pAxis = new CProbeSeries(1);
        auto* pSecondLine = new CProbeSeries(5);
        for (CProbeSeries* pSeries : {pFirstLine, pAxis, pSecondLine, new CProbeSeries(2)})
            panel.AddSeries(pSeries);
        QTest::ignoreMessage(QtWarningMsg, "CAxisPanel::AddSeries: pSeries->GetPanel() != NULL");
        panel.AddSeries(pAxis);
        QCOMPARE(QList<CChartSeries*>({panel.GetSeries(1), panel.GetSeries(-1), panel.GetSeries(4), panel.FindSeries(5)}),
                 QList<CChartSeries*>({pAxis, nullptr, nullptr, pFirstLine}));
        // Found series are appended to what the list already holds.
        QList<CChartSeries*> listFound{pAxis};
        panel.FindAllSeries(5, listFound);
        QCOMPARE(listFound, (QList<CChartSeries*>{pAxis, pFirstLine, pSecondLine}));
        panel.RemoveSeries(4);
        panel.RemoveSeries(1);
        // Insertion places are clamped to the list.
        auto* pInsertedFirst = new CProbeSeries;
        panel.InsertSeries(-5, pInsertedFirst);
        auto* pInsertedLast = new CProbeSeries;
        panel.InsertSeries(99, pInsertedLast);
        QCOMPARE(QList<CChartSeries*>({panel.GetSeries(0), panel.GetSeries(2), panel.GetSeries(4)}),
                 QList<CChartSeries*>({pInsertedFirst, pSecondLine, pInsertedLast}));
        QTest::ignoreMessage(QtWarningMsg, "CAxisPanel::InsertSeries: pSeries == NULL");
        panel.InsertSeries(0, nullptr);
        QTest::ignoreMessage(QtWarningMsg, "CAxisPanel::InsertSeries: pSeries->GetPanel() != NULL");
        panel.InsertSeries(0, pSecondLine);
        QCOMPARE(panel.GetSeriesCount(), 5);
        panel.ClearSeries();
        QCOMPARE(panel.GetSeriesCount(), 0);
        panel.AddSeries(new CProbeSeries);
    }

    void drawStartsEachSeriesFromTheCallersPainter()
    {
        CAxisPanel panel;
        auto* pFirst = new CProbeSeries;
        auto* pSecond = new CProbeSeries;
        panel.AddSeries(pFirst);
        panel.AddSeries(pSecond);
        panel.SetChartRect(9, 0, 400, 60);
        QImage image(420, 62, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::blue, 3));
        // Newly added series are dirty until the first Draw().
        QVERIFY(pFirst->IsDirty());
        panel.Draw(&painter, CChartStyleOption());
        QVERIFY(!pFirst->IsDirty());
        // Each series starts from the caller's painter state, whatever the one
        // before left behind, and the caller gets it back.
        QCOMPARE(pSecond->m_penSeen.color(), QColor(Qt::blue));
        QCOMPARE(painter.pen().width(), 3);

        QTest::ignoreMessage(QtWarningMsg, "CAxisPanel::Draw: pPainter == NULL");
        panel.Draw(nullptr, CChartStyleOption());
    }

    void uncoveredParts_data()
    {
        QTest::addColumn<QVector<QRect>>("vecCover");
        QTest::addColumn<QVector<QRect>>("vecExpected");
        // The area is (0, 0, 1000, 100) throughout.
        QTest::addRow("no cover") << QVector<QRect>() << QVector<QRect>{{0, 0, 1000, 100}};
        QTest::addRow("one in the middle")
            << QVector<QRect>{{100, 20, 400, 30}}
            << QVector<QRect>{{0, 0, 1000, 20}, {0, 20, 100, 30}, {500, 20, 500, 30}, {0, 50, 1000, 50}};
        QTest::addRow("overlapping covers as one")
            << QVector<QRect>{{400, 0, 500, 100}, {100, 0, 400, 100}}
            << QVector<QRect>{{0, 0, 100, 100}, {900, 0, 100, 100}};
        QTest::addRow("bands with the same gaps merged")
            << QVector<QRect>{{100, 20, 400, 30}, {100, 50, 400, 10}}
            << QVector<QRect>{{0, 0, 1000, 20}, {0, 20, 100, 40}, {500, 20, 500, 40}, {0, 60, 1000, 40}};
        QTest::addRow("sticking out of the area") << QVector<QRect>{{-50, 90, 2000, 40}}
                                                  << QVector<QRect>{{0, 0, 1000, 90}};
        QTest::addRow("outside the area") << QVector<QRect>{{0, 100, 1000, 5}}
                                          << QVector<QRect>{{0, 0, 1000, 100}};
        QTest::addRow("all covered") << QVector<QRect>{{0, 0, 1000, 60}, {0, 60, 1000, 40}}
                                     << QVector<QRect>();
    }
    void uncoveredParts()
    {
        QFETCH(QVector<QRect>, vecCover);
        QFETCH(QVector<QRect>, vecExpected);
        QCOMPARE(UncoveredParts(QRect(0, 0, 1000, 100), vecCover), vecExpected);
    }

    // Only fills from 320 pixels wide are worth leaving out of the background.
    void addCover()
    {
        QVector<QRect> vecCover;
        AddCover(vecCover, QRect(0, 0, 319, 24));
        QVERIFY(vecCover.isEmpty());
        AddCover(vecCover, QRect(0, 0, 320, 24));
        QCOMPARE(vecCover, QVector<QRect>{QRect(0, 0, 320, 24)});
    }

    // The view leaves its background out only under the opaque fills of the
    // repaint itself: nothing of an earlier repaint shows through.
    void repaintLeavesNoTrace_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<double>("dMin");
        QTest::addColumn<QColor>("colorWidget");
        QTest::addRow("opaque, scrolled away") << QColor(Qt::blue) << 400.0 << QColor();
        QTest::addRow("translucent, in place") << QColor(0, 0, 255, 128) << 0.0 << QColor();
        QTest::addRow("see-through widget, scrolled away") << QColor(Qt::blue) << 400.0 << QColor(20, 20, 20, 100);
    }
    void repaintLeavesNoTrace()
    {
        QFETCH(QColor, color);
        QFETCH(double, dMin);
        QFETCH(QColor, colorWidget);
        // 500 units from x = 9 at a pixel a unit: wide enough to be left out.
        const auto paint = [&color, &colorWidget](CTestChartView& view, const QVector<double>& vecMins) {
            if (colorWidget.isValid()) {
                QPalette palette = view.palette();
                palette.setColor(view.backgroundRole(), colorWidget);
                view.setPalette(palette);
            }
            auto* pSeries = new CTimeRectSeries;
            view.AddSeries(pSeries);
            pSeries->AddRect(0, 500, 29, 36, color, 0);
            for (double dRangeMin : vecMins) {
                view.GetXAxis()->SetRange(dRangeMin, dRangeMin + 602.0);
                view.UpdateChart();
            }
            return view.GetChartPixmap().toImage();
        };
        CTestChartView viewRepainted(QSize(620, 60));
        CTestChartView viewFresh(QSize(620, 60));
        const QImage image = paint(viewRepainted, {0.0, dMin});
        QCOMPARE(image, paint(viewFresh, {dMin}));
        if (!colorWidget.isValid())
            QCOMPARE(image.pixelColor(300, 32) == s_colorBackground, dMin > 0.0);
    }

    // Bad indexes are ignored and read as 0; clearing marks the series for recalculation.
    void seriesPointAccess()
    {
        CProbeSeries series;
        series.AddPoint(10.0, 1.0);
        series.SetXValue(-1, 99.0);
        series.SetPoint(1, 99.0, 99.0);
        series.SetPoint(0, 30.0, 3.0);
        // Without a panel there are no pixels either.
        QCOMPARE(QList<double>({double(series.GetPointCount()), series.GetXValue(0), series.GetYValue(5),
                                double(series.GetXPixel(0))}),
                 QList<double>({1.0, 30.0, 0.0, 0.0}));
        series.SetDirty(false);
        series.Clear();
        QVERIFY(series.GetPointCount() == 0 && series.IsDirty());
    }

    // A resize rebuilds the picture at once; other requests (colour changes
    // included) wait for the event loop and coalesce until it has run.
    void repaintIsAsynchronous()
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
    void paintEventOnlyBlitsThePixmap()
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

    void optionCarriesViewColours()
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

    void emptyWidgetSkipsDrawing()
    {
        CTestChartView view(QSize(0, 0));
        view.UpdateChart();
        QVERIFY(view.GetChartPixmap().isNull());
        QCoreApplication::postEvent(&view, new QEvent(QEvent::User));
        QCoreApplication::sendPostedEvents(&view, QEvent::User);
        QCOMPARE(view.Painted(), 0);
    }
};

QTEST_MAIN(TestChartAxis)
#include "tst_chartaxis.moc"
