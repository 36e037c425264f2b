#ifndef ORVATESTS_PICKERTESTSUPPORT_H
#define ORVATESTS_PICKERTESTSUPPORT_H

#include <OrvaGUIToolkit/Dialog/InformationDlg.h>

#include <QtCore/QPointer>
#include <QtTest/QSignalSpy>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QTableWidget>

namespace PickerTest {

using Emissions = QList<QList<QVariant>>;

// What a spy recorded, for one comparison with the expected emissions.
inline Emissions Emitted(const QSignalSpy& spy)
{
    return spy;
}

// The text of the notice on screen; empty when there is none.
inline QString ShownNotice()
{
    QString strText;
    for (QWidget* pWidget : QApplication::topLevelWidgets()) {
        auto* pNotice = qobject_cast<OrvaGUIToolkit::CInformationDlg*>(pWidget);
        if (pNotice && pNotice->isVisible())
            strText = pNotice->GetText();
    }
    return strText;
}

inline void CloseNotices()
{
    for (QWidget* pWidget : QApplication::topLevelWidgets()) {
        if (auto* pNotice = qobject_cast<OrvaGUIToolkit::CInformationDlg*>(pWidget))
            pNotice->close();
    }
}

inline void SendMouse(QWidget* pTarget, QEvent::Type enumType, const QPoint& point)
{
    const Qt::MouseButtons enumButtons = enumType == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(enumType, QPointF(point), QPointF(pTarget->mapToGlobal(point)), Qt::LeftButton, enumButtons,
                      Qt::NoModifier);
    QApplication::sendEvent(pTarget, &event);
}

template <typename T>
T* Part(QWidget* pWidget, const char* szName)
{
    return pWidget->findChild<T*>(QLatin1String(szName));
}

// Clicks a button with real mouse events, as the user does.
inline void MouseClick(QWidget* pButton)
{
    const QPoint point = pButton->rect().center();
    QPointer<QWidget> pGuard(pButton);
    SendMouse(pButton, QEvent::MouseButtonPress, point);
    if (pGuard)
        SendMouse(pButton, QEvent::MouseButtonRelease, point);
}

// Presses the cell of a time grid that shows strText.
inline void PressCell(QTableWidget* pTable, const QString& strText)
{
    const QList<QTableWidgetItem*> listItems = pTable->findItems(strText, Qt::MatchExactly);
    if (listItems.isEmpty())
        return;
    const QPoint point = pTable->visualItemRect(listItems.first()).center();
    QPointer<QWidget> pViewport(pTable->viewport());
    SendMouse(pViewport, QEvent::MouseButtonPress, point);
    if (pViewport)
        SendMouse(pViewport, QEvent::MouseButtonRelease, point);
}

} // namespace PickerTest

#endif
