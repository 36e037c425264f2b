#include "SlidingWidget.h"

#include <OrvaGUIToolkit/Tab/TabScene.h>

#include <QtCore/QEvent>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStyle>
#include <QtWidgets/QVBoxLayout>

namespace OrvaGUIToolkit {

namespace {

const char* const s_szFrameID = "_FrameID_";

// The untranslated module names; tr() below gives the shown texts.
const char* const s_aszModules[] = {
    QT_TRANSLATE_NOOP("OrvaGUIToolkit::CSlidingWidget", "License Plate Recognition"),
    QT_TRANSLATE_NOOP("OrvaGUIToolkit::CSlidingWidget", "Vehicle Tracking"),
    QT_TRANSLATE_NOOP("OrvaGUIToolkit::CSlidingWidget", "Vehicle Search"),
    QT_TRANSLATE_NOOP("OrvaGUIToolkit::CSlidingWidget", "Alarm Center"),
    QT_TRANSLATE_NOOP("OrvaGUIToolkit::CSlidingWidget", "Health"),
    QT_TRANSLATE_NOOP("OrvaGUIToolkit::CSlidingWidget", "System"),
};

} // namespace

CSlidingWidget::CSlidingWidget(QWidget* pParent)
    : QWidget(pParent, Qt::Tool | Qt::FramelessWindowHint)
    , m_listModuleNames(ModuleNames())
{
    setObjectName(QStringLiteral("CSlidingWidget"));
    setWindowOpacity(0.9);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(1);
    for (int i = 0; i < m_listModuleNames.size(); ++i) {
        auto* pButton = new QPushButton(this);
        pButton->setStyleSheet(QStringLiteral("QPushButton\n{\n\tpadding-right: 10px\n}"));
        pButton->setObjectName(QStringLiteral("m_pBtn"));
        pButton->setToolTip(QString());
        pButton->setMinimumHeight(40);
        pButton->installEventFilter(this);
        pButton->hide();
        pLayout->addWidget(pButton);
        m_listButtons.append(pButton);
    }
    pLayout->addStretch(1);
}

QStringList CSlidingWidget::ModuleNames()
{
    QStringList listNames;
    for (const char* szName : s_aszModules)
        listNames.append(QString::fromLatin1(szName));
    return listNames;
}

void CSlidingWidget::SetScene(CTabScene* pScene)
{
    m_pScene = pScene;
}

void CSlidingWidget::Rename(QPushButton* pButton, const QString& strObjectName)
{
    pButton->setObjectName(strObjectName);
    pButton->style()->unpolish(pButton);
    pButton->style()->polish(pButton);
    pButton->update();
}

void CSlidingWidget::ClearHover()
{
    if (m_pHoverButton)
        Rename(m_pHoverButton, QStringLiteral("m_pBtn"));
    m_pHoverButton = nullptr;
}

void CSlidingWidget::ResetButtons()
{
    ClearHover();
    for (QPushButton* pButton : qAsConst(m_listButtons)) {
        pButton->hide();
        pButton->setProperty(s_szFrameID, QVariant());
    }
}

void CSlidingWidget::UpdateButton(int iIndex, QString strText)
{
    ClearHover();
    if (iIndex == -1 || !m_pScene)
        return;
    const int iModule = m_listModuleNames.indexOf(m_pScene->TabData(iIndex).toString());
    if (iModule < 0)
        return;
    QPushButton* pButton = m_listButtons.at(iModule);
    if (!strText.isEmpty()) {
        pButton->setText(tr(s_aszModules[iModule]));
        pButton->setProperty(s_szFrameID, m_listModuleNames.at(iModule));
        pButton->show();
        return;
    }
    Rename(pButton, QStringLiteral("m_pBtnHover"));
    m_pHoverButton = pButton;
}

int CSlidingWidget::TabIndexOf(const QPushButton* pButton) const
{
    if (!m_pScene)
        return -1;
    return m_pScene->GetTabIndexByData(pButton->property(s_szFrameID));
}

bool CSlidingWidget::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    auto* pButton = qobject_cast<QPushButton*>(pWatched);
    if (!pButton || !m_listButtons.contains(pButton) || !m_pScene)
        return QWidget::eventFilter(pWatched, pEvent);
    switch (pEvent->type()) {
    case QEvent::MouseButtonPress:
        m_bHandlingEvent = true;
        m_pScene->ClickItem(TabIndexOf(pButton));
        // The scene may be gone now, and this pop-up with it once the event is over.
        m_bHandlingEvent = false;
        if (!m_pScene)
            return true;
        break;
    case QEvent::Enter:
        m_pScene->SetTabSceneItemHover(TabIndexOf(pButton), true);
        Rename(pButton, QStringLiteral("m_pBtnHover"));
        break;
    case QEvent::Leave:
        m_pScene->SetTabSceneItemHover(TabIndexOf(pButton), false);
        Rename(pButton, QStringLiteral("m_pBtn"));
        break;
    default:
        break;
    }
    return QWidget::eventFilter(pWatched, pEvent);
}

void CSlidingWidget::enterEvent(EnterEvent* pEvent)
{
    m_bMouseInside = true;
    QWidget::enterEvent(pEvent);
}

void CSlidingWidget::leaveEvent(QEvent* pEvent)
{
    m_bMouseInside = false;
    QWidget::leaveEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "moc_SlidingWidget.cpp"
