#ifndef ORVAGUITOOLKIT_TABS_SLIDINGWIDGET_H
#define ORVAGUITOOLKIT_TABS_SLIDINGWIDGET_H

#include <QtCore/QList>
#include <QtCore/QPointer>
#include <QtCore/QStringList>
#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QWidget>

QT_BEGIN_NAMESPACE
class QPushButton;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CTabScene;

// The navigation pop-up beside the module strip: one button per open module,
// in module order, shown while the mouse is over the strip. Pressing a button
// selects its module's tab; resting on one highlights that tab.
class CSlidingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CSlidingWidget(QWidget* pParent = nullptr);

    // The client's modules in the order their tabs keep.
    static QStringList ModuleNames();

    void SetScene(CTabScene* pScene);
    // Shows the button of the module of tab iIndex with strText, or marks it
    // hovered when strText is empty; -1 only clears the previous hover.
    void UpdateButton(int iIndex, QString strText);
    // Hides every button and clears the hover.
    void ResetButtons();
    void ClearHover();
    bool IsMouseInside() const { return m_bMouseInside; }
    // True while a button's event is being handled: the scene must not
    // delete the pop-up from under it then.
    bool IsHandlingEvent() const { return m_bHandlingEvent; }
    QList<QPushButton*> Buttons() const { return m_listButtons; }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void enterEvent(EnterEvent* pEvent) override;
    void leaveEvent(QEvent* pEvent) override;

private:
    void Rename(QPushButton* pButton, const QString& strObjectName);
    int TabIndexOf(const QPushButton* pButton) const;

    QList<QPushButton*> m_listButtons;
    QStringList m_listModuleNames;
    QPushButton* m_pHoverButton = nullptr;
    QPointer<CTabScene> m_pScene;
    bool m_bMouseInside = false;
    bool m_bHandlingEvent = false;
};

} // namespace OrvaGUIToolkit

#endif
