#ifndef ORVAGUITOOLKIT_SCHEDULE_GRAPHICSVIEW_H
#define ORVAGUITOOLKIT_SCHEDULE_GRAPHICSVIEW_H

#include <QtGui/QCursor>
#include <QtGui/QPixmap>
#include <QtWidgets/QGraphicsView>

namespace OrvaGUIToolkit {

// Show or drop a cursor on a view of a day row.
void SetViewCursor(QGraphicsView* pView, const QCursor& cursor);
void UnsetViewCursor(QGraphicsView* pView);

// The view of one day row. While locked it keeps the mouse away from the
// scene, so a read-only schedule can be neither drawn nor dragged; unlocked
// it shows the cursor of the span type being drawn over empty space.
class CGraphicsView : public QGraphicsView
{
    Q_OBJECT
    // Tiled under the row: style sheets draw the hour grid with it.
    Q_PROPERTY(QPixmap m_pmBackground READ GetBackground WRITE SetBackground)

public:
    explicit CGraphicsView(QGraphicsScene* pScene, QWidget* pParent = nullptr);

    QPixmap GetBackground() const;
    void SetBackground(const QPixmap& pmBackground);
    void SetLocked(bool bLocked);
    bool IsLocked() const;
    void SetCursor(const QCursor& cursor);
    QCursor GetCursor() const;

protected:
    bool event(QEvent* pEvent) override;
    bool viewportEvent(QEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;

private:
    bool IsOverItem(const QPoint& ptView) const;
    bool HandleCrossing(QEvent* pEvent);

    bool m_bLocked = true;
    QPixmap m_pmBackground;
    QCursor m_cursor;
};

} // namespace OrvaGUIToolkit

#endif
