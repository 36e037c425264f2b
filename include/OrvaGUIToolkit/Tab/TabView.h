#ifndef ORVAGUITOOLKIT_TAB_TABVIEW_H
#define ORVAGUITOOLKIT_TAB_TABVIEW_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtGui/QColor>
#include <QtGui/QPixmap>
#include <QtWidgets/QGraphicsView>

#include <memory>

namespace OrvaGUIToolkit {

class CTabScene;
class CTabViewPrivate;

// The widget that shows a CTabScene. It keeps the scene as large as itself,
// paints the strip's background and carries every picture and colour of the
// tabs as a property, so that a style sheet dresses the whole strip.
class ORVAGUITOOLKIT_EXPORT CTabView : public QGraphicsView
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CTabView)
    Q_PROPERTY(QPixmap m_pmBackground READ GetBkgroundPixmap WRITE SetBkgroundPixmap)
    Q_PROPERTY(QColor m_colorBackground READ GetBkgroundColor WRITE SetBkgroundColor)
    Q_PROPERTY(QPixmap m_pmArrow READ GetArrowPixmap WRITE SetArrowPixmap)
    Q_PROPERTY(QPixmap m_pmSelArrowItem READ GetArrowItemSelPixmap WRITE SetArrowItemSelPixmap)
    Q_PROPERTY(QPixmap m_pmHoverArrowItem READ GetArrowItemHoverPixmap WRITE SetArrowItemHoverPixmap)
    Q_PROPERTY(QPixmap m_pmUnSelArrowItem READ GetArrowItemUnselPixmap WRITE SetArrowItemUnselPixmap)
    Q_PROPERTY(QPixmap m_pmSel READ GetSelPixmap WRITE SetSelPixmap)
    Q_PROPERTY(QPixmap m_pmUnSel READ GetUnSelPixmap WRITE SetUnSelPixmap)
    Q_PROPERTY(QPixmap m_pmClose READ GetClosePixmap WRITE SetClosePixmap)
    Q_PROPERTY(QPixmap m_pmCloseHover READ GetCloseHoverPixmap WRITE SetCloseHoverPixmap)
    Q_PROPERTY(QPixmap m_pmTabLine READ GetTabLinePixmap WRITE SetTabLinePixmap)
    Q_PROPERTY(QColor m_colorTabText READ GetTabTextColor WRITE SetTabTextColor)
    Q_PROPERTY(QColor m_colorSelTabText READ GetTabSelTextColor WRITE SetTabSelTextColor)

public:
    // The scene stays the caller's; the navigation pop-up is placed beside pParent.
    explicit CTabView(CTabScene* pScene, QWidget* pParent = nullptr);
    ~CTabView() override;

    QPixmap GetBkgroundPixmap() const;
    // A null pixmap leaves the background as it is.
    void SetBkgroundPixmap(const QPixmap& pixmap);
    QColor GetBkgroundColor() const;
    // An invalid colour leaves the background as it is.
    void SetBkgroundColor(const QColor& color);

    QPixmap GetArrowPixmap() const;
    void SetArrowPixmap(const QPixmap& pixmap);
    QPixmap GetArrowItemSelPixmap() const;
    void SetArrowItemSelPixmap(const QPixmap& pixmap);
    QPixmap GetArrowItemHoverPixmap() const;
    void SetArrowItemHoverPixmap(const QPixmap& pixmap);
    QPixmap GetArrowItemUnselPixmap() const;
    void SetArrowItemUnselPixmap(const QPixmap& pixmap);
    QPixmap GetSelPixmap() const;
    void SetSelPixmap(const QPixmap& pixmap);
    QPixmap GetUnSelPixmap() const;
    void SetUnSelPixmap(const QPixmap& pixmap);
    QPixmap GetClosePixmap() const;
    void SetClosePixmap(const QPixmap& pixmap);
    QPixmap GetCloseHoverPixmap() const;
    void SetCloseHoverPixmap(const QPixmap& pixmap);
    QPixmap GetTabLinePixmap() const;
    void SetTabLinePixmap(const QPixmap& pixmap);
    QColor GetTabTextColor() const;
    void SetTabTextColor(const QColor& color);
    QColor GetTabSelTextColor() const;
    void SetTabSelTextColor(const QColor& color);

protected:
    CTabView(CTabViewPrivate& dd, CTabScene* pScene, QWidget* pParent);
    void resizeEvent(QResizeEvent* pEvent) override;

    const std::unique_ptr<CTabViewPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
