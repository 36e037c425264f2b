#include <OrvaGUIToolkit/CheckBox/CheckBox.h>
#include <OrvaGUIToolkit/Picture/PicLabel.h>
#include <OrvaGUIToolkit/ScrollBar/ScrollBar.h>

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

using namespace OrvaGUIToolkit;

namespace {

QPixmap Frame(int iWidth, int iHeight)
{
    QPixmap pixmap(iWidth, iHeight);
    pixmap.fill(Qt::darkGreen);
    return pixmap;
}

} // namespace

// The picture labels, scroll bar and check box the timelines and picture
// lists are built from.
class TestHelperControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Label 200 x 120 with margins 10, 5, 10, 5: the area is 180 x 110 at (10, 5).
    // A wide picture takes the full width, a tall one the full height.
    void pictureFitsInsideMargins()
    {
        CPicLabel label(10, 5, 10, 5);
        label.resize(200, 120);
        QCOMPARE(label.PictureRect(), QRect());
        QList<QRect> listRects;
        for (const QSize& size : {QSize(360, 110), QSize(110, 220), QSize(18, 11)}) {
            label.PutPicture(Frame(size.width(), size.height()));
            listRects << label.PictureRect();
        }
        QCOMPARE(listRects, (QList<QRect>{QRect(10, 32, 180, 55), QRect(72, 5, 55, 110), QRect(10, 5, 180, 110)}));

        // A caption takes its strip from the bottom of the picture area.
        label.SetText(QStringLiteral("WJ-23 809"));
        QVERIFY(label.PictureRect().bottom() < 115 - label.fontMetrics().height());
        label.resize(15, 8);
        QCOMPARE(label.PictureRect(), QRect());
        label.grab();
    }

    void pictureLoadingAndPlaceholder()
    {
        QTemporaryDir dir;
        const QString strPath = dir.filePath(QStringLiteral("plate.png"));
        QVERIFY(Frame(64, 32).save(strPath));

        CPicLabel label;
        label.resize(120, 80);
        QVERIFY(!label.LoadPicture(dir.filePath(QStringLiteral("missing.jpg"))));
        QVERIFY(label.LoadPicture(strPath));
        QCOMPARE(label.GetPicture().size(), QSize(64, 32));
        label.PutPicture(QPixmap());
        QVERIFY(!label.HasPicture());
        QCOMPARE(label.GetPlaceholder(), QStringLiteral("No picture"));
    }

    void pictureSignalsCarrySerial()
    {
        CPicBaseLabel label;
        label.resize(100, 60);
        label.SetPicture(42u, Frame(10, 10));
        QCOMPARE(label.GetPicLsh(), 42u);
        QSignalSpy spyClicked(&label, &CPicBaseLabel::SignalPicLabelClicked);
        QSignalSpy spyDouble(&label, &CPicBaseLabel::SignalDoubleClicked);
        QTest::mouseClick(&label, Qt::RightButton);
        QCOMPARE(spyClicked.count(), 0);
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(spyClicked.count(), 1);
        QTest::mouseDClick(&label, Qt::LeftButton);
        QCOMPARE(spyDouble.count(), 1);
        QCOMPARE(spyDouble.first().first().toUInt(), 42u);
    }

    void pictureStyleProperties()
    {
        CPicBaseLabel label;
        label.setStyleSheet(QStringLiteral("OrvaGUIToolkit--CPicBaseLabel { qproperty-m_colorSelected: #e04f4f; }"));
        label.ensurePolished();
        QCOMPARE(label.GetSelectedColor(), QColor(0xe0, 0x4f, 0x4f));

        label.resize(40, 30);
        label.SetSelected(true);
        const QImage selected = label.grab().toImage();
        QCOMPARE(selected.pixelColor(1, 15), QColor(0xe0, 0x4f, 0x4f));
    }

    // The handle's colour at its centre: #3a4452 at rest, #4f5d70 under the
    // mouse and for as long as it is dragged, wherever the mouse goes meanwhile.
    void scrollBarHandleHover()
    {
        CScrollBar bar(Qt::Vertical);
        bar.resize(bar.sizeHint().width(), 200);
        bar.setRange(0, 100);
        bar.setPageStep(50);
        QCOMPARE(bar.sizeHint().width(), 10);
        // At value 0 the handle takes the first third of the groove.
        const QPoint ptHandle(5, 20);
        const QPoint ptGroove(5, 190);
        const QColor colorRest(0x3a, 0x44, 0x52);
        const QColor colorHover(0x4f, 0x5d, 0x70);
        const auto handleColor = [&bar, ptHandle] { return bar.grab().toImage().pixelColor(ptHandle); };
        const auto send = [&bar](QEvent::Type enumType, const QPoint& point, Qt::MouseButtons enumButtons) {
            QMouseEvent event(enumType, point, bar.mapToGlobal(point),
                              enumType == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, enumButtons, Qt::NoModifier);
            QApplication::sendEvent(&bar, &event);
        };

        QCOMPARE(handleColor(), colorRest);
        send(QEvent::MouseMove, ptHandle, Qt::NoButton);
        QCOMPARE(handleColor(), colorHover);
        send(QEvent::MouseMove, ptGroove, Qt::NoButton);
        QCOMPARE(handleColor(), colorRest);
        QEvent leave(QEvent::Leave);

        send(QEvent::MouseMove, ptHandle, Qt::NoButton);
        send(QEvent::MouseButtonPress, ptHandle, Qt::LeftButton);
        QApplication::sendEvent(&bar, &leave);
        QCOMPARE(handleColor(), colorHover);
        send(QEvent::MouseButtonRelease, ptHandle, Qt::NoButton);
        QCOMPARE(bar.value(), 0);
    }

    void checkBoxWholeWidgetToggles()
    {
        CCheckBox box(QStringLiteral("Event recording"));
        box.resize(200, 24);
        QSignalSpy spyState(&box, &QCheckBox::stateChanged);
        QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(190, 12));
        QVERIFY(box.isChecked());
        QCOMPARE(spyState.count(), 1);

        box.SetCheckStateSilently(Qt::Unchecked);
        QVERIFY(!box.isChecked());
        QCOMPARE(spyState.count(), 1);
    }
};

QTEST_MAIN(TestHelperControls)
#include "tst_helpercontrols.moc"
