#include "charts/PieLabelLayout.h"

#include <OrvaGUIToolkit/Chart/PieChartView.h>

#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtCore/QtMath>
#include <QtGui/QStandardItemModel>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMenu>
#include <QtWidgets/QScrollBar>
#include <QtTest/QtTest>

#include <cfloat>
#include <climits>
#include <limits>

using namespace OrvaGUIToolkit;

namespace {

// A view whose protected selection entry point the tests can call.
class TestPieView : public OrvaGUIToolkit::CPieChartView
{
public:
    using OrvaGUIToolkit::CPieChartView::CPieChartView;
    using OrvaGUIToolkit::CPieChartView::setSelection;
};

// One column "Alarms", one row per value, colours under Qt::UserRole + 1.
void FillPieModel(QStandardItemModel& model, const QList<QVariant>& listValues, const QStringList& listColours)
{
    model.clear();
    model.setHorizontalHeaderLabels({QStringLiteral("Alarms")});
    for (int i = 0; i < listValues.size(); ++i) {
        auto* pItem = new QStandardItem;
        pItem->setData(listValues.at(i), Qt::DisplayRole);
        pItem->setData(listColours.value(i, QStringLiteral("#808080")), Qt::UserRole + 1);
        model.appendRow(pItem);
        model.setVerticalHeaderItem(i, new QStandardItem(QStringLiteral("Row %1").arg(i)));
    }
}

QList<QModelIndex> FirstColumn(const QStandardItemModel& model)
{
    QList<QModelIndex> listIndexes;
    for (int i = 0; i < model.rowCount(); ++i)
        listIndexes.append(model.index(i, 0));
    return listIndexes;
}

// Viewport point at dRadius pixels from the centre of the pie of a view 300
// pixels high, at dDegrees counter-clockwise from 3 o'clock.
QPoint PiePoint(double dDegrees, double dRadius)
{
    const double dRadians = qDegreesToRadians(dDegrees);
    return QPoint(qRound(150 + dRadius * qCos(dRadians)), qRound(150 - dRadius * qSin(dRadians)));
}

int RowAt(const TestPieView& view, double dDegrees, double dRadius)
{
    const QModelIndex miHit = view.indexAt(PiePoint(dDegrees, dRadius));
    return miHit.isValid() ? miHit.row() : -1;
}

// Triggers the action at iChoose (none when -1) of the next popup menu and
// records its action texts; a model given is emptied first.
void OnNextMenu(QObject* pContext, QStringList* pTexts, int iChoose, QStandardItemModel* pClear = nullptr)
{
    QTimer::singleShot(0, pContext, [pTexts, iChoose, pClear] {
        auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(pMenu);
        if (pClear)
            pClear->clear();
        for (QAction* pAction : pMenu->actions())
            pTexts->append(pAction->text());
        if (iChoose >= 0)
            pMenu->actions().at(iChoose)->trigger();
        pMenu->close();
    });
}

} // namespace

// A 600 x 300 view without frame: pie square 300, pie diameter 280 centred at
// (150, 150), legend squares from (390, 30) down in steps of 30.
class TestPieChartView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
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

    void cleanup()
    {
        delete m_pView;
        delete m_pModel;
    }

    void hitTesting_data()
    {
        QTest::addColumn<QList<QVariant>>("listValues");
        QTest::addColumn<double>("dDegrees");
        QTest::addColumn<double>("dRadius");
        QTest::addColumn<int>("iRow");
        const QList<QVariant> listHalves{1, 1, 2};
        QTest::newRow("first quarter") << listHalves << 45.0 << 80.0 << 0;
        QTest::newRow("lower half right") << listHalves << 340.0 << 130.0 << 2;
        QTest::newRow("outside the radius") << listHalves << 45.0 << 141.0 << -1;
        QTest::newRow("on the centre") << listHalves << 0.0 << 0.0 << -1;
        const QList<QVariant> listSkipped{0, 1, -3, 3};
        QTest::newRow("zero and negative skipped") << listSkipped << 135.0 << 80.0 << 3;
        QTest::newRow("text value skipped") << QList<QVariant>{QStringLiteral("many"), 5} << 100.0 << 50.0 << 1;
        QTest::newRow("no positive slice") << QList<QVariant>{0, -1} << 45.0 << 80.0 << -1;
        const double dInf = std::numeric_limits<double>::infinity();
        QTest::newRow("NaN skipped") << QList<QVariant>{std::numeric_limits<double>::quiet_NaN(), 1} << 45.0 << 80.0 << 1;
        QTest::newRow("infinities skipped") << QList<QVariant>{dInf, -dInf, 1} << 200.0 << 80.0 << 2;
        // The sum of three DBL_MAX overflows; the slices stay thirds.
        QTest::newRow("three DBL_MAX") << QList<QVariant>{DBL_MAX, DBL_MAX, DBL_MAX} << 200.0 << 80.0 << 1;
        QTest::newRow("DBL_MAX is the whole pie") << QList<QVariant>{DBL_MAX, INT_MAX} << 200.0 << 80.0 << 0;
    }

    void hitTesting()
    {
        QFETCH(QList<QVariant>, listValues);
        QFETCH(double, dDegrees);
        QFETCH(double, dRadius);
        QFETCH(int, iRow);
        // Colours that do not parse fall back without harm.
        FillPieModel(*m_pModel, listValues, {QStringLiteral("not a colour"), QString(), QStringLiteral("#12345")});
        QCOMPARE(RowAt(*m_pView, dDegrees, dRadius), -1);
        m_pView->ReDrawChart(FirstColumn(*m_pModel), false);
        QCOMPARE(RowAt(*m_pView, dDegrees, dRadius), iRow);
        QVERIFY(!m_pView->indexAt(QPoint(400, 40)).isValid());
    }

    // Slices in their angles; the legend lists the positive slices only.
    void slicesAndLegendArePainted()
    {
        const QStringList listColours{QStringLiteral("#ff0000"), QStringLiteral("#00ff00"), QStringLiteral("#0000ff")};
        FillPieModel(*m_pModel, {1, 1, 2}, listColours);
        m_pView->ReDrawChart(FirstColumn(*m_pModel), false);
        QImage image = m_pView->viewport()->grab().toImage();
        QCOMPARE(QColor(image.pixel(PiePoint(45, 80))), QColor(Qt::red));
        QCOMPARE(QColor(image.pixel(PiePoint(135, 80))), QColor(Qt::green));
        QCOMPARE(QColor(image.pixel(PiePoint(340, 80))), QColor(Qt::blue));

        FillPieModel(*m_pModel, {0, 4, -3, 2}, {listColours.at(0), listColours.at(1), QStringLiteral("#ffff00"), listColours.at(2)});
        m_pView->ReDrawChart(FirstColumn(*m_pModel), false);
        image = m_pView->viewport()->grab().toImage();
        QCOMPARE(QColor(image.pixel(400, 40)), QColor(Qt::green));
        QCOMPARE(QColor(image.pixel(400, 70)), QColor(Qt::blue));
        QCOMPARE(QColor(image.pixel(400, 100)), m_pView->palette().color(QPalette::Base));
    }

    void legendLabelsComeFromTheHeaders()
    {
        // The legend label is drawn as text: a wider header leaves more ink.
        FillPieModel(*m_pModel, {5}, {QStringLiteral("#ff0000")});
        auto inkInLabelArea = [this](bool bVertical) {
            m_pView->ReDrawChart(FirstColumn(*m_pModel), bVertical);
            const QImage image = m_pView->viewport()->grab().toImage();
            int iInk = 0;
            for (int x = 420; x < 600; ++x) {
                for (int y = 25; y < 50; ++y)
                    iInk += QColor(image.pixel(x, y)) != m_pView->palette().color(QPalette::Base) ? 1 : 0;
            }
            return iInk;
        };
        m_pModel->setHorizontalHeaderLabels({QStringLiteral("M")});
        m_pModel->setVerticalHeaderLabels({QStringLiteral("Line crossing and intrusion")});
        const int iColumnInk = inkInLabelArea(false);
        QVERIFY(inkInLabelArea(true) > 2 * iColumnInk);
    }

    void visualRectBoundsTheSlice()
    {
        auto near = [](const QRect& rect, const QRect& rectExpected) {
            return qAbs(rect.left() - rectExpected.left()) <= 1 && qAbs(rect.top() - rectExpected.top()) <= 1
                && qAbs(rect.right() - rectExpected.right()) <= 1 && qAbs(rect.bottom() - rectExpected.bottom()) <= 1;
        };
        FillPieModel(*m_pModel, {1, 1, 2}, {});
        QVERIFY(m_pView->visualRect(m_pModel->index(0, 0)).isEmpty());
        m_pView->ReDrawChart(FirstColumn(*m_pModel), false);
        QVERIFY(near(m_pView->visualRect(m_pModel->index(2, 0)), QRect(QPoint(10, 150), QPoint(290, 290))));
        QVERIFY(near(m_pView->visualRect(m_pModel->index(0, 0)), QRect(QPoint(150, 10), QPoint(290, 150))));
    }

    void rubberBandSelection_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QList<int>>("listRows");
        QTest::newRow("inside the first quarter") << QRect(200, 60, 30, 30) << QList<int>{0};
        QTest::newRow("dragged backwards over all") << QRect(250, 250, -200, -200) << QList<int>{0, 1, 2};
        QTest::newRow("in the legend") << QRect(400, 40, 50, 50) << QList<int>{};
    }

    void rubberBandSelection()
    {
        QFETCH(QRect, rect);
        QFETCH(QList<int>, listRows);
        FillPieModel(*m_pModel, {1, 1, 2}, {});
        m_pView->ReDrawChart(FirstColumn(*m_pModel), false);
        m_pView->selectionModel()->select(m_pModel->index(2, 0), QItemSelectionModel::Select);
        m_pView->setSelection(rect, QItemSelectionModel::ClearAndSelect);
        QList<int> listSelected;
        for (const QModelIndex& miIndex : m_pView->selectionModel()->selectedIndexes())
            listSelected.append(miIndex.row());
        std::sort(listSelected.begin(), listSelected.end());
        QCOMPARE(listSelected, listRows);
    }

    // The menu toggles value and percent labels; the percent of the lower half
    // is drawn halfway between centre and arc, at (150, 220).
    void menuSwitchesTheLabels()
    {
        FillPieModel(*m_pModel, {1, 1, 2}, {QStringLiteral("#ff0000"), QStringLiteral("#00ff00"), QStringLiteral("#0000ff")});
        m_pView->ReDrawChart(FirstColumn(*m_pModel), false);
        const QImage imagePlain = m_pView->viewport()->grab().toImage();
        QCOMPARE(OpenMenu(1), (QStringList{QStringLiteral("Show Value"), QStringLiteral("Show Percent")}));
        const QImage imagePercent = m_pView->viewport()->grab().toImage();
        QVERIFY(imagePlain != imagePercent);
        int iInk = 0;
        for (int x = 130; x < 170; ++x) {
            for (int y = 205; y < 225; ++y)
                iInk += QColor(imagePercent.pixel(x, y)) != QColor(Qt::blue) ? 1 : 0;
        }
        QVERIFY(iInk > 10);
        QCOMPARE(OpenMenu(0), (QStringList{QStringLiteral("Show Value"), QStringLiteral("Hide Percent")}));
        QCOMPARE(OpenMenu(1), (QStringList{QStringLiteral("Hide Value"), QStringLiteral("Hide Percent")}));
        QCOMPARE(OpenMenu(-1), (QStringList{QStringLiteral("Hide Value"), QStringLiteral("Show Percent")}));

        // The model emptied while the menu is open: the action acts on no slice.
        QStringList listTexts;
        OnNextMenu(this, &listTexts, 1, m_pModel);
        QTest::mousePress(m_pView->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(200, 100));
        QCOMPARE(RowAt(*m_pView, 45, 80), -1);
        QVERIFY(!m_pView->viewport()->grab().isNull());
    }

    void leaderLineAndTextPlacement_data()
    {
        QTest::addColumn<double>("dStart");
        QTest::addColumn<double>("dSpan");
        QTest::addColumn<QPolygon>("polyLeader");
        QTest::addColumn<QPointF>("ptFirstText");
        QTest::addColumn<QPointF>("ptSecondText");
        // Pie of 200 pixels, texts 20 wide and 15 high.
        QTest::newRow("narrow, upper left") << 170.0 << 10.0 << QPolygon({{0, 91}, {-10, 81}, {-15, 81}})
                                            << QPointF(-35, 81) << QPointF(-35, 96);
        QTest::newRow("narrow, lower right") << 350.0 << 10.0 << QPolygon({{199, 108}, {209, 118}, {214, 118}})
                                             << QPointF(214, 118) << QPointF(214, 133);
        QTest::newRow("exactly 18 degrees") << 81.0 << 18.0 << QPolygon({{100, 0}, {110, -10}, {115, -10}})
                                            << QPointF(115, -10) << QPointF(115, 5);
        QTest::newRow("18.5 degrees, inside") << 80.75 << 18.5 << QPolygon() << QPointF(90, 50) << QPointF(90, 65);
    }

    void leaderLineAndTextPlacement()
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
        QVERIFY((ptFirst - ptFirstText).manhattanLength() < 0.01 && (ptSecond - ptSecondText).manhattanLength() < 0.01);
    }

    void textsOfValueAndPercent_data()
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

    void textsOfValueAndPercent()
    {
        QFETCH(double, dValue);
        QFETCH(double, dSpan);
        QFETCH(QString, strValue);
        QFETCH(QString, strPercent);
        QCOMPARE(CPieLabelLayout::ValueText(dValue), strValue);
        QCOMPARE(CPieLabelLayout::PercentText(dSpan), strPercent);
    }

    void scrollRangesFollowTheSize()
    {
        m_pView->resize(500, 320);
        QCOMPARE(m_pView->horizontalScrollBar()->maximum(), 140);
        QCOMPARE(m_pView->horizontalScrollBar()->pageStep(), 500);
        QCOMPARE(m_pView->verticalScrollBar()->maximum(), 0);
        m_pView->resize(700, 320);
        QVERIFY(m_pView->horizontalScrollBar()->maximum() == 0 && !m_pView->horizontalScrollBar()->isVisible());
    }

    void thousandsOfSlices()
    {
        QList<QVariant> listValues;
        for (int i = 0; i < 5000; ++i)
            listValues.append(1 + i % 3);
        FillPieModel(*m_pModel, listValues, {});
        m_pView->ReDrawChart(FirstColumn(*m_pModel), false);
        // Values 1, 2, 3, 1, ... sum to 9999; just below 3 o'clock, at 359.43
        // degrees, lies row 4991 (rows before it sum to 9981, with it to 9984).
        QCOMPARE(m_pView->indexAt(QPoint(250, 151)).row(), 4991);
        QCOMPARE(m_pView->indexAt(QPoint(250, 149)).row(), 8); // 0.57 degrees: rows 0..7 sum to 15
    }

    void indexesOfAnotherOrNoModel()
    {
        QStandardItemModel other;
        FillPieModel(*m_pModel, {1, 2}, {});
        FillPieModel(other, {5}, {});
        TestPieView view;
        view.setFrameShape(QFrame::NoFrame);
        view.resize(600, 300);
        // No model on the view at all: the slices are still read from their own model.
        view.ReDrawChart({QModelIndex(), other.index(0, 0), QModelIndex()}, true);
        view.setSelection(QRect(0, 0, 300, 300), QItemSelectionModel::Select);
        QCOMPARE(view.indexAt(PiePoint(10, 50)), other.index(0, 0));
        view.setModel(m_pModel);
        view.setSelection(QRect(0, 0, 300, 300), QItemSelectionModel::Select);
        QVERIFY(view.selectionModel()->selectedIndexes().isEmpty());
    }

    void staleIndexesAfterModelChanges()
    {
        auto* pModel = new QStandardItemModel;
        FillPieModel(*pModel, {1, 1, 2}, {});
        m_pView->setModel(pModel);
        m_pView->ReDrawChart(FirstColumn(*pModel), false);
        pModel->removeRow(2);
        QCOMPARE(RowAt(*m_pView, 200, 80), -1);
        QCOMPARE(RowAt(*m_pView, 45, 80), 0);
        pModel->clear();
        QCOMPARE(RowAt(*m_pView, 45, 80), -1);
        QVERIFY(!m_pView->viewport()->grab().isNull());
        FillPieModel(*pModel, {3}, {});
        m_pView->ReDrawChart(FirstColumn(*pModel), false);
        delete pModel;
        QCOMPARE(RowAt(*m_pView, 45, 80), -1);
        QVERIFY(!m_pView->viewport()->grab().isNull());
    }

    void geometryStaysInsideTinyAndHugeWidgets_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<QVariant>>("listValues");
        QTest::addColumn<bool>("bLabels");
        const QList<QVariant> listValues{1, 2, 3};
        QTest::newRow("empty") << QSize(0, 0) << listValues << false;
        QTest::newRow("smaller than the margins") << QSize(15, 15) << listValues << false;
        QTest::newRow("very tall") << QSize(200, 4000) << listValues << false;
        QTest::newRow("labels of three DBL_MAX") << QSize(600, 300) << QList<QVariant>{DBL_MAX, DBL_MAX, DBL_MAX} << true;
        QTest::newRow("labels beside a tiny one") << QSize(600, 300) << QList<QVariant>{DBL_MIN, DBL_MAX} << true;
        // The sum stays finite, but 360 times the first value would not.
        QTest::newRow("DBL_MAX before INT_MAX") << QSize(600, 300) << QList<QVariant>{DBL_MAX, INT_MAX} << true;
        // A 100000-digit number parses as infinity and is no slice.
        QTest::newRow("labels of a huge text") << QSize(600, 300) << QList<QVariant>{QString(100000, QLatin1Char('9')), 1} << true;
    }

    // Hit tests over a grid and the slices' rectangles stay inside the content,
    // scrolled to either end, with value and percent labels drawn.
    void geometryStaysInsideTinyAndHugeWidgets()
    {
        QFETCH(QSize, size);
        QFETCH(QList<QVariant>, listValues);
        QFETCH(bool, bLabels);
        FillPieModel(*m_pModel, listValues, {});
        TestPieView view;
        view.setModel(m_pModel);
        view.resize(size);
        view.ReDrawChart(FirstColumn(*m_pModel), false);
        QStringList listTexts;
        if (bLabels) {
            view.show();
            for (int iAction : {0, 1}) {
                OnNextMenu(this, &listTexts, iAction);
                QTest::mousePress(view.viewport(), Qt::RightButton, Qt::NoModifier, QPoint(150, 150));
            }
            QCOMPARE(listTexts.size(), 4);
        }
        view.verticalScrollBar()->setValue(INT_MAX);
        view.horizontalScrollBar()->setValue(INT_MIN);
        QVERIFY(view.verticalScrollBar()->value() >= 0);
        const int iSide = size.height();
        const QRect rectContent(-1000 - iSide, -1000 - iSide, 4 * iSide + 2000, 4 * iSide + 2000);
        for (int y = -7; y < size.height() + 7; y += qMax(7, size.height() / 30)) {
            for (int x = -7; x < size.width() + 7; x += qMax(7, size.width() / 30)) {
                const QModelIndex miHit = view.indexAt(QPoint(x, y));
                QVERIFY(!miHit.isValid() || miHit.model() == m_pModel);
            }
        }
        for (int i = 0; i < m_pModel->rowCount(); ++i) {
            const QRect rect = view.visualRect(m_pModel->index(i, 0));
            QVERIFY(rect.isEmpty() || rectContent.contains(rect));
        }
        view.setSelection(QRect(INT_MAX / 2, INT_MIN / 2, -5, 5), QItemSelectionModel::ClearAndSelect);
        QVERIFY(view.selectionModel()->selectedIndexes().isEmpty());
        QVERIFY(size.isEmpty() || !view.viewport()->grab().isNull());
    }

    void deletingSlots_data()
    {
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<int>("iButton");
        QTest::newRow("pressed") << QByteArray(SIGNAL(pressed(QModelIndex))) << int(Qt::LeftButton);
        QTest::newRow("clicked") << QByteArray(SIGNAL(clicked(QModelIndex))) << int(Qt::LeftButton);
        // The menu's event loop deletes the view before the press returns.
        QTest::newRow("pressed by the right button") << QByteArray(SIGNAL(pressed(QModelIndex))) << int(Qt::RightButton);
    }

    void deletingSlots()
    {
        QFETCH(QByteArray, signal);
        QFETCH(int, iButton);
        FillPieModel(*m_pModel, {1, 1, 2}, {});
        m_pView->ReDrawChart(FirstColumn(*m_pModel), false);
        const QPointer<TestPieView> pView = m_pView;
        m_pView = nullptr;
        QObject::connect(pView.data(), signal.constData(), pView.data(), SLOT(deleteLater()));
        QWidget* pViewport = pView->viewport();
        QTest::mousePress(pViewport, Qt::MouseButton(iButton), Qt::NoModifier, PiePoint(45, 80));
        if (pView && iButton == Qt::LeftButton)
            QTest::mouseRelease(pViewport, Qt::LeftButton, Qt::NoModifier, PiePoint(45, 80));
        QTRY_VERIFY(pView.isNull());
    }

private:
    QStringList OpenMenu(int iChoose)
    {
        QStringList listTexts;
        OnNextMenu(this, &listTexts, iChoose);
        QTest::mousePress(m_pView->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
        return listTexts;
    }

    QStandardItemModel* m_pModel = nullptr;
    TestPieView* m_pView = nullptr;
};

QTEST_MAIN(TestPieChartView)
#include "tst_piechartview.moc"
