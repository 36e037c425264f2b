#include "PieTestSupport.h"

#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMenu>
#include <QtTest/QtTest>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>

using namespace OrvaGUIToolkit;

// Bad models and bad timing for the pie chart: the picture stays sensible and
// the process never ends.
class TestChartsHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void extremeValues_data();
    void extremeValues();
    void thousandsOfSlices();
    void indexesOfAnotherOrNoModel();
    void staleIndexesAfterModelChanges();
    void modelResetWhileMenuIsOpen();
    void viewDeletedWhileMenuIsOpen();
    void tinyAndHugeWidgets_data();
    void tinyAndHugeWidgets();
    void deletingSlots_data();
    void deletingSlots();
};

namespace {

// Visits a grid of about 30 x 30 points with the public geometry calls; every answer must be
// finite and inside the widget (or empty).
void ProbeEverywhere(TestPieView& view, const QStandardItemModel& model)
{
    const int iSide = view.height();
    const QRect rectContent(QPoint(-1000 - iSide, -1000 - iSide), QSize(4 * iSide + 2000, 4 * iSide + 2000));
    const int iStepX = qMax(7, view.width() / 30);
    const int iStepY = qMax(7, view.height() / 30);
    for (int y = -iStepY; y < view.height() + iStepY; y += iStepY) {
        for (int x = -iStepX; x < view.width() + iStepX; x += iStepX) {
            const QModelIndex miHit = view.indexAt(QPoint(x, y));
            QVERIFY(!miHit.isValid() || miHit.model() == &model);
        }
    }
    for (int i = 0; i < model.rowCount(); ++i) {
        const QRect rect = view.visualRect(model.index(i, 0));
        QVERIFY(rect.isEmpty() || rectContent.contains(rect));
    }
    view.setSelection(QRect(0, 0, view.width(), view.height()), QItemSelectionModel::ClearAndSelect);
    view.setSelection(QRect(INT_MAX / 2, INT_MIN / 2, -5, 5), QItemSelectionModel::ClearAndSelect);
    QVERIFY(view.size().isEmpty() || !view.viewport()->grab().isNull());
}

} // namespace

void TestChartsHostile::extremeValues_data()
{
    const double dNan = std::numeric_limits<double>::quiet_NaN();
    const double dInf = std::numeric_limits<double>::infinity();
    QTest::addColumn<QList<QVariant>>("listValues");
    QTest::addColumn<int>("iRowAt45");
    QTest::addColumn<int>("iRowAt200");

    QTest::newRow("empty") << QList<QVariant>{} << -1 << -1;
    QTest::newRow("one row") << QList<QVariant>{42} << 0 << 0;
    QTest::newRow("zero only") << QList<QVariant>{0} << -1 << -1;
    QTest::newRow("NaN and one") << QList<QVariant>{dNan, 1} << 1 << 1;
    QTest::newRow("infinities and one") << QList<QVariant>{dInf, -dInf, 1} << 2 << 2;
    QTest::newRow("three DBL_MAX") << QList<QVariant>{DBL_MAX, DBL_MAX, DBL_MAX} << 0 << 1;
    QTest::newRow("DBL_MAX beside a tiny one") << QList<QVariant>{DBL_MIN, DBL_MAX} << 1 << 1;
    QTest::newRow("INT_MIN and INT_MAX") << QList<QVariant>{INT_MIN, INT_MAX} << 1 << 1;
    QTest::newRow("huge text") << QList<QVariant>{QString(100000, QLatin1Char('9')), 1} << 1 << 1;
    QTest::newRow("invalid variant") << QList<QVariant>{QVariant(), 3} << 1 << 1;
}

void TestChartsHostile::extremeValues()
{
    QFETCH(QList<QVariant>, listValues);
    QFETCH(int, iRowAt45);
    QFETCH(int, iRowAt200);
    QStandardItemModel model;
    FillPieModel(model, listValues, {QStringLiteral("not a colour"), QString(), QStringLiteral("#12345")});
    // A 100000-digit number parses as infinity: no positive finite value, no slice.
    TestPieView view;
    view.setFrameShape(QFrame::NoFrame);
    view.setModel(&model);
    view.resize(600, 300);
    view.show();
    view.ReDrawChart(FirstColumn(model), false);
    view.setContextMenuPolicy(Qt::NoContextMenu);
    QTimer::singleShot(0, &view, [] {
        if (QWidget* pPopup = QApplication::activePopupWidget()) {
            qobject_cast<QMenu*>(pPopup)->actions().at(0)->trigger();
            pPopup->close();
        }
    });
    QTest::mousePress(view.viewport(), Qt::RightButton, Qt::NoModifier, QPoint(150, 150));
    const QModelIndex miAt45 = view.indexAt(PiePoint(300, 45, 80));
    const QModelIndex miAt200 = view.indexAt(PiePoint(300, 200, 80));
    QCOMPARE(miAt45.isValid() ? miAt45.row() : -1, iRowAt45);
    QCOMPARE(miAt200.isValid() ? miAt200.row() : -1, iRowAt200);
    ProbeEverywhere(view, model);
}

void TestChartsHostile::thousandsOfSlices()
{
    QStandardItemModel model;
    QList<QVariant> listValues;
    for (int i = 0; i < 5000; ++i)
        listValues.append(1 + i % 3);
    FillPieModel(model, listValues, {});
    TestPieView view;
    view.setFrameShape(QFrame::NoFrame);
    view.setModel(&model);
    view.resize(600, 300);
    view.ReDrawChart(FirstColumn(model), false);
    // Values 1, 2, 3, 1, ... sum to 9999; just below 3 o'clock, at 359.43
    // degrees, lies row 4991 (rows before it sum to 9981, with it to 9984).
    const QModelIndex miLate = view.indexAt(QPoint(250, 151));
    QVERIFY(miLate.isValid());
    QCOMPARE(miLate.row(), 4991);
    QCOMPARE(view.indexAt(QPoint(250, 149)).row(), 8); // 0.57 degrees: rows 0..7 sum to 15
    QVERIFY(!view.viewport()->grab().isNull());
}

void TestChartsHostile::indexesOfAnotherOrNoModel()
{
    QStandardItemModel model;
    QStandardItemModel other;
    FillPieModel(model, {1, 2}, {});
    FillPieModel(other, {5}, {});
    TestPieView view;
    view.setFrameShape(QFrame::NoFrame);
    view.resize(600, 300);
    // No model on the view at all: the slices are still read from their own model.
    view.ReDrawChart({QModelIndex(), other.index(0, 0), QModelIndex()}, true);
    view.setSelection(QRect(0, 0, 300, 300), QItemSelectionModel::Select);
    QCOMPARE(view.indexAt(PiePoint(300, 10, 50)), other.index(0, 0));
    view.setModel(&model);
    view.setSelection(QRect(0, 0, 300, 300), QItemSelectionModel::Select);
    QVERIFY(view.selectionModel()->selectedIndexes().isEmpty());
    QVERIFY(!view.viewport()->grab().isNull());
}

void TestChartsHostile::staleIndexesAfterModelChanges()
{
    auto* pModel = new QStandardItemModel;
    FillPieModel(*pModel, {1, 1, 2}, {});
    TestPieView view;
    view.setFrameShape(QFrame::NoFrame);
    view.resize(600, 300);
    view.setModel(pModel);
    view.ReDrawChart(FirstColumn(*pModel), false);
    pModel->removeRow(2);
    QVERIFY(!view.indexAt(PiePoint(300, 200, 80)).isValid());
    QCOMPARE(view.indexAt(PiePoint(300, 45, 80)).row(), 0);
    pModel->clear();
    QVERIFY(!view.indexAt(PiePoint(300, 45, 80)).isValid());
    QVERIFY(!view.viewport()->grab().isNull());
    FillPieModel(*pModel, {3}, {});
    view.ReDrawChart(FirstColumn(*pModel), false);
    delete pModel;
    QVERIFY(!view.indexAt(PiePoint(300, 45, 80)).isValid());
    QVERIFY(!view.viewport()->grab().isNull());
}

void TestChartsHostile::modelResetWhileMenuIsOpen()
{
    QStandardItemModel model;
    FillPieModel(model, {1, 1, 2}, {});
    TestPieView view;
    view.setFrameShape(QFrame::NoFrame);
    view.resize(600, 300);
    view.setModel(&model);
    view.show();
    view.ReDrawChart(FirstColumn(model), false);
    QTimer::singleShot(0, &view, [&model] {
        model.clear();
        QWidget* pPopup = QApplication::activePopupWidget();
        QVERIFY(pPopup);
        qobject_cast<QMenu*>(pPopup)->actions().at(1)->trigger();
        pPopup->close();
    });
    QTest::mousePress(view.viewport(), Qt::RightButton, Qt::NoModifier, QPoint(200, 100));
    QVERIFY(!view.indexAt(PiePoint(300, 45, 80)).isValid());
    QVERIFY(!view.viewport()->grab().isNull());
}

void TestChartsHostile::viewDeletedWhileMenuIsOpen()
{
    QStandardItemModel model;
    FillPieModel(model, {1}, {});
    QPointer<TestPieView> pView = new TestPieView;
    pView->resize(600, 300);
    pView->setModel(&model);
    pView->show();
    pView->ReDrawChart(FirstColumn(model), false);
    QTimer::singleShot(0, pView.data(), [pView] {
        QVERIFY(QApplication::activePopupWidget());
        pView->deleteLater();
        QApplication::activePopupWidget()->close();
    });
    QTest::mousePress(pView->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
    QTRY_VERIFY(pView.isNull());
}

void TestChartsHostile::tinyAndHugeWidgets_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("empty") << QSize(0, 0);
    QTest::newRow("smaller than the margins") << QSize(15, 15);
    QTest::newRow("odd") << QSize(301, 301);
    QTest::newRow("very tall") << QSize(200, 4000);
}

void TestChartsHostile::tinyAndHugeWidgets()
{
    QFETCH(QSize, size);
    QStandardItemModel model;
    FillPieModel(model, {1, 2, 3}, {});
    TestPieView view;
    view.setModel(&model);
    view.resize(size);
    view.ReDrawChart(FirstColumn(model), false);
    view.verticalScrollBar()->setValue(INT_MAX);
    view.horizontalScrollBar()->setValue(INT_MIN);
    QVERIFY(view.verticalScrollBar()->value() >= 0);
    ProbeEverywhere(view, model);
}

void TestChartsHostile::deletingSlots_data()
{
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<int>("iButton");
    QTest::addColumn<bool>("bPressOnly");
    QTest::newRow("pressed") << QByteArray(SIGNAL(pressed(QModelIndex))) << int(Qt::LeftButton) << false;
    QTest::newRow("clicked") << QByteArray(SIGNAL(clicked(QModelIndex))) << int(Qt::LeftButton) << false;
    QTest::newRow("pressed by the right button") << QByteArray(SIGNAL(pressed(QModelIndex))) << int(Qt::RightButton) << true;
}

void TestChartsHostile::deletingSlots()
{
    QFETCH(QByteArray, signal);
    QFETCH(int, iButton);
    // The right button opens the menu, whose event loop deletes the view
    // before the press returns: no release can follow.
    QFETCH(bool, bPressOnly);
    QStandardItemModel model;
    FillPieModel(model, {1, 1, 2}, {});
    QPointer<TestPieView> pView = new TestPieView;
    pView->setFrameShape(QFrame::NoFrame);
    pView->resize(600, 300);
    pView->setModel(&model);
    pView->show();
    pView->ReDrawChart(FirstColumn(model), false);
    QWidget* pViewport = pView->viewport();
    QObject::connect(pView.data(), signal.constData(), pView.data(), SLOT(deleteLater()));
    if (bPressOnly)
        QTest::mousePress(pViewport, Qt::MouseButton(iButton), Qt::NoModifier, PiePoint(300, 45, 80));
    else
        QTest::mouseClick(pViewport, Qt::MouseButton(iButton), Qt::NoModifier, PiePoint(300, 45, 80));
    QTRY_VERIFY(pView.isNull());
}

QTEST_MAIN(TestChartsHostile)
#include "tst_charts_hostile.moc"
