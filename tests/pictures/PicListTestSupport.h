#ifndef ORVA_TESTS_PICLISTTESTSUPPORT_H
#define ORVA_TESTS_PICLISTTESTSUPPORT_H

#include "pictures/PicLabelListPrivate.h"

#include <OrvaGUIToolkit/Picture/PicBaseLabel.h>

#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLayout>

// A picture list whose state the tests can read, sized and laid out as a
// client's would be.
class CTestPicList : public OrvaGUIToolkit::CPicLabelList
{
public:
    CTestPicList(unsigned uWidth, unsigned uHeight, const QSize& size)
        : CPicLabelList(uWidth, uHeight)
    {
        resize(size);
    }

    OrvaGUIToolkit::CPicLabelListPrivate* D() const { return d_ptr.get(); }

    // The labels on show, laid out.
    QList<OrvaGUIToolkit::CPicBaseLabel*> Labels()
    {
        if (layout())
            layout()->activate();
        QList<OrvaGUIToolkit::CPicBaseLabel*> listLabels;
        GetPicLabels(&listLabels);
        return listLabels;
    }
};

// n numbered snapshot files of the given size in dir; their paths.
inline QList<QString> WriteSnapshots(const QTemporaryDir& dir, int iCount, const QSize& size = QSize(64, 48))
{
    QList<QString> listPaths;
    for (int i = 0; i < iCount; ++i) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor::fromHsv((i * 37) % 360, 160, 200));
        const QString strPath = dir.filePath(QStringLiteral("snap%1.png").arg(i));
        image.save(strPath);
        listPaths.append(strPath);
    }
    return listPaths;
}

inline void SendMouse(QWidget* pWidget, QEvent::Type type, const QPoint& point,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(point), QPointF(pWidget->mapToGlobal(QPoint())) + QPointF(point),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, modifiers);
    QApplication::sendEvent(pWidget, &event);
}

#endif
