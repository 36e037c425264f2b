#ifndef ORVAGUITOOLKIT_CONTROLS_TOOLTIPPRIVATE_H
#define ORVAGUITOOLKIT_CONTROLS_TOOLTIPPRIVATE_H

#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

#include <QtCore/QPointer>
#include <QtCore/QTimer>

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CToolTipPrivate
{
    Q_DECLARE_PUBLIC(CToolTip)

public:
    virtual ~CToolTipPrivate() = default;

    // The process's tip window, made on first use.
    static CToolTip* Instance();
    // The tip window while it exists, else null.
    static CToolTip* Existing();
    static void DestroyInstance();

    void ShowFor(const QString& strText, const QPoint& ptGlobal, QWidget* pWidget);
    void HideTip();
    void Place(const QPoint& ptGlobal, const QWidget* pWidget);
    void WatchWidget(QWidget* pWidget);

    CToolTip* q_ptr = nullptr;
    QLabel* m_pTextLabel = nullptr;
    QTimer m_timerHide;
    // The widget the tip is about; its hiding or destruction hides the tip.
    QPointer<QWidget> m_pWidget;
};

} // namespace OrvaGUIToolkit

#endif
