#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

#include <climits>

using namespace OrvaGUIToolkit;

// The offscreen platform has one 800 x 600 screen at the origin whose whole
// area is available; the expectations below are computed from that screen.
class TestScreenPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void availablePoint()
    {
        QList<QPoint> listPoints;
        for (const QPoint& point : {QPoint(120, 300), QPoint(950, 200), QPoint(-40, 700), QPoint(INT_MIN, INT_MIN),
                                    QPoint(INT_MAX, INT_MIN)})
            listPoints << GetAvailablePoint(point);
        QCOMPARE(listPoints, (QList<QPoint>{QPoint(120, 300), QPoint(799, 200), QPoint(0, 599), QPoint(0, 0),
                                            QPoint(799, 0)}));
    }

    // Right and bottom edges stay on the screen's last pixel: left = 799 - 200.
    // Near INT_MAX the corner is brought onto the screen, then the left and
    // top edges move back so that the size fits: 799 - 5 and 599 - 5.
    void availableGeometry()
    {
        QWidget widget;
        QList<QPoint> listTopLefts;
        for (const QRect& rect : {QRect(700, 100, 200, 150), QRect(2000, 2000, 200, 150),
                                  QRect(INT_MAX - 10, INT_MAX - 10, 5, 5), QRect(INT_MIN, INT_MIN, 5, 5),
                                  QRect(QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX))}) {
            listTopLefts << GetAvailableGeometry(rect, &widget).topLeft();
            QCOMPARE(GetAvailableGeometry(rect, nullptr).topLeft(), listTopLefts.last());
        }
        QCOMPARE(listTopLefts, (QList<QPoint>{QPoint(599, 100), QPoint(599, 449), QPoint(794, 594), QPoint(0, 0),
                                              QPoint(INT_MIN, INT_MIN)}));
    }

    // A 200 x 100 pop-up goes below its anchor, above it when there is no room
    // below, and stays below when there is room on neither side (near INT_MAX
    // with its bottom edge on the last int).
    void borderGeometry()
    {
        QWidget popup;
        popup.resize(200, 100);
        QList<QRect> listPlaced;
        for (const QRect& anchor : {QRect(100, 100, 80, 20), QRect(100, 560, 80, 20), QRect(100, 50, 80, 520),
                                    QRect(700, 100, 80, 20), QRect(INT_MIN, INT_MIN, 10, 10),
                                    QRect(QPoint(10, -10), QPoint(20, INT_MAX))})
            listPlaced << GetBorderAvailableGeometry(anchor, &popup);
        QCOMPARE(listPlaced, (QList<QRect>{QRect(100, 119, 200, 100), QRect(100, 460, 200, 100),
                                           QRect(100, 569, 200, 100), QRect(599, 119, 200, 100),
                                           QRect(0, INT_MIN + 9, 200, 100),
                                           QRect(QPoint(10, INT_MAX - 99), QPoint(209, INT_MAX))}));
        QTest::ignoreMessage(QtWarningMsg, "GetBorderAvailableGeometry: pPopup == NULL");
        QCOMPARE(GetBorderAvailableGeometry(QRect(100, 100, 80, 20), nullptr), QRect());
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
        QCOMPARE(result.size(), pLayout->sizeHint());
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
