#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>
#include <QtTest/QtTest>

#include <climits>
#include <QtWidgets/QMenu>
#include <QtWidgets/QVBoxLayout>
#include <QtWidgets/QWidget>

using namespace OrvaGUIToolkit;

// The offscreen platform has one 800 x 600 screen at the origin whose whole
// area is available; the expectations below are computed from that screen.
class TestScreenPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void availablePoint_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("inside") << QPoint(120, 300) << QPoint(120, 300);
        QTest::newRow("right of screen") << QPoint(950, 200) << QPoint(799, 200);
        QTest::newRow("below and left") << QPoint(-40, 700) << QPoint(0, 599);
        QTest::newRow("INT_MIN, INT_MIN") << QPoint(INT_MIN, INT_MIN) << QPoint(0, 0);
        QTest::newRow("INT_MAX, INT_MIN") << QPoint(INT_MAX, INT_MIN) << QPoint(799, 0);
    }

    void availablePoint()
    {
        QFETCH(QPoint, point);
        QFETCH(QPoint, expected);
        QCOMPARE(GetAvailablePoint(point), expected);
    }

    void availableGeometry_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QPoint>("topLeft");
        // Right and bottom edges stay on the screen's last pixel: left = 799 - 200.
        QTest::newRow("over right edge") << QRect(700, 100, 200, 150) << QPoint(599, 100);
        QTest::newRow("off screen entirely") << QRect(2000, 2000, 200, 150) << QPoint(599, 449);
        // The corner is brought onto the screen, then the left and top edges move
        // back so that the size fits: 799 - 5 and 599 - 5.
        QTest::newRow("near INT_MAX") << QRect(INT_MAX - 10, INT_MAX - 10, 5, 5) << QPoint(794, 594);
        QTest::newRow("at INT_MIN") << QRect(INT_MIN, INT_MIN, 5, 5) << QPoint(0, 0);
        QTest::newRow("whole int range") << QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX))
                                         << QPoint(INT_MIN, INT_MIN);
    }

    void availableGeometry()
    {
        QFETCH(QRect, rect);
        QFETCH(QPoint, topLeft);
        QWidget widget;
        QCOMPARE(GetAvailableGeometry(rect, &widget).topLeft(), topLeft);
        QCOMPARE(GetAvailableGeometry(rect, nullptr).topLeft(), topLeft);
    }

    void borderGeometry_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QRect>("expected");
        // Pop-up of 200 x 100.
        QTest::newRow("below") << QRect(100, 100, 80, 20) << QRect(100, 119, 200, 100);
        QTest::newRow("flips above") << QRect(100, 560, 80, 20) << QRect(100, 460, 200, 100);
        QTest::newRow("no room either way stays below") << QRect(100, 50, 80, 520) << QRect(100, 569, 200, 100);
        QTest::newRow("pushed left") << QRect(700, 100, 80, 20) << QRect(599, 119, 200, 100);
        QTest::newRow("near INT_MIN") << QRect(INT_MIN, INT_MIN, 10, 10) << QRect(0, INT_MIN + 9, 200, 100);
        // Fits neither below nor above: stays below, its bottom edge the last int.
        QTest::newRow("bottom at INT_MAX") << QRect(QPoint(10, -10), QPoint(20, INT_MAX))
                                           << QRect(QPoint(10, INT_MAX - 99), QPoint(209, INT_MAX));
    }

    void borderGeometry()
    {
        QFETCH(QRect, anchor);
        QFETCH(QRect, expected);
        QWidget popup;
        popup.resize(200, 100);
        QCOMPARE(GetBorderAvailableGeometry(anchor, &popup), expected);

        QTest::ignoreMessage(QtWarningMsg, "GetBorderAvailableGeometry: pPopup == NULL");
        QCOMPARE(GetBorderAvailableGeometry(anchor, nullptr), QRect());
    }

    void borderGeometryActivatesLayout()
    {
        // A pop-up never shown has its default size until its layout is activated.
        QWidget popup;
        auto* pLayout = new QVBoxLayout(&popup);
        auto* pChild = new QWidget(&popup);
        pChild->setFixedSize(300, 260);
        pLayout->addWidget(pChild);
        pLayout->setSizeConstraint(QLayout::SetFixedSize);
        const QRect result = GetBorderAvailableGeometry(QRect(100, 400, 80, 20), &popup);
        QCOMPARE(popup.size(), pLayout->sizeHint());
        QCOMPARE(result.size(), popup.size());
        QCOMPARE(result.bottom() + 1, 400); // did not fit below, so placed above the anchor
    }

    void screenCenter()
    {
        QWidget widget;
        widget.resize(200, 101);
        MoveToScreenCenter(&widget);
        QCOMPARE(widget.pos(), QPoint(300, 249));
    }

    void windowLookup()
    {
        QWidget window;
        auto* pPanel = new QWidget(&window);
        auto* pButton = new QWidget(pPanel);
        QCOMPARE(GetIndependentWindow(pButton), &window);
        QCOMPARE(GetIndependentWindow(&window), &window);
        // Excluding the window's class walks past it; nothing else is a window.
        QCOMPARE(GetIndependentWindow(pButton, "QWidget"), nullptr);

        auto* pMenu = new QMenu(pPanel);
        auto* pInMenu = new QObject(pMenu);
        QCOMPARE(GetIndependentWindow(pMenu, "QMenu"), &window);
        QCOMPARE(GetParentWindow(pInMenu), pPanel);
        QCOMPARE(GetParentWindow(pButton), pButton);
        QObject orphan;
        QCOMPARE(GetParentWindow(&orphan), nullptr);
    }
};

QTEST_MAIN(TestScreenPlacement)
#include "tst_screenplacement.moc"
