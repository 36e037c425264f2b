#ifndef ORVAGUITOOLKIT_MENU_MENU_H
#define ORVAGUITOOLKIT_MENU_MENU_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QVariant>
#include <QtGui/QColor>
#include <QtWidgets/QMenu>

#include <memory>

namespace OrvaGUIToolkit {

class CMenuPrivate;

// The toolkit's pop-up menu: a frameless panel with a flat background, a
// border and a highlighted row under the mouse, all set from style sheets.
// Actions carry a text, an optional icon and a value; the triggered one is
// reported with SignalActionTriggered().
class ORVAGUITOOLKIT_EXPORT CMenu : public QMenu
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CMenu)
    Q_PROPERTY(QColor m_colorBackground READ GetBackgroundColor WRITE SetBackgroundColor)
    Q_PROPERTY(QColor m_colorBorder READ GetBorderColor WRITE SetBorderColor)
    Q_PROPERTY(QColor m_colorText READ GetTextColor WRITE SetTextColor)
    Q_PROPERTY(QColor m_colorHover READ GetHoverColor WRITE SetHoverColor)

public:
    explicit CMenu(QWidget* pParent = nullptr);
    ~CMenu() override;

    // Appends an action whose data() is varData; the menu owns it.
    QAction* AddAction(const QIcon& icon, const QString& strText, const QVariant& varData = QVariant());
    QAction* AddAction(const QString& strText, const QVariant& varData = QVariant());
    // The first action whose data equals varData, or null.
    QAction* FindAction(const QVariant& varData) const;

    QColor GetBackgroundColor() const;
    void SetBackgroundColor(const QColor& color);
    QColor GetBorderColor() const;
    void SetBorderColor(const QColor& color);
    QColor GetTextColor() const;
    void SetTextColor(const QColor& color);
    QColor GetHoverColor() const;
    void SetHoverColor(const QColor& color);

Q_SIGNALS:
    void SignalActionTriggered(QAction* pAction);

protected:
    CMenu(CMenuPrivate& dd, QWidget* pParent);
    void paintEvent(QPaintEvent* pEvent) override;

    const std::unique_ptr<CMenuPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
