#include <OrvaGUIToolkit/Menu/Menu.h>

#include <QtGui/QPainter>

namespace OrvaGUIToolkit {

class CMenuPrivate
{
    Q_DECLARE_PUBLIC(CMenu)

public:
    virtual ~CMenuPrivate() = default;

    // Pushes the colours into the palette that QMenu's style draws the rows with.
    void ApplyPalette();

    CMenu* q_ptr = nullptr;
    QColor m_colorBackground = QColor(0x26, 0x2a, 0x31);
    QColor m_colorBorder = QColor(0x3c, 0x42, 0x4c);
    QColor m_colorText = QColor(0xd8, 0xdc, 0xe2);
    QColor m_colorHover = QColor(0x2f, 0x6f, 0xc9);
};

void CMenuPrivate::ApplyPalette()
{
    Q_Q(CMenu);
    QPalette palette = q->palette();
    palette.setColor(QPalette::Window, m_colorBackground);
    palette.setColor(QPalette::Base, m_colorBackground);
    palette.setColor(QPalette::WindowText, m_colorText);
    palette.setColor(QPalette::Text, m_colorText);
    palette.setColor(QPalette::ButtonText, m_colorText);
    palette.setColor(QPalette::Highlight, m_colorHover);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    q->setPalette(palette);
    q->update();
}

CMenu::CMenu(QWidget* pParent)
    : CMenu(*new CMenuPrivate, pParent)
{
}

CMenu::CMenu(CMenuPrivate& dd, QWidget* pParent)
    : QMenu(pParent)
    , d_ptr(&dd)
{
    Q_D(CMenu);
    d->q_ptr = this;
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    d->ApplyPalette();
    connect(this, &QMenu::triggered, this, &CMenu::SignalActionTriggered);
}

CMenu::~CMenu() = default;

QAction* CMenu::AddAction(const QIcon& icon, const QString& strText, const QVariant& varData)
{
    QAction* pAction = addAction(icon, strText);
    pAction->setData(varData);
    return pAction;
}

QAction* CMenu::AddAction(const QString& strText, const QVariant& varData)
{
    return AddAction(QIcon(), strText, varData);
}

QAction* CMenu::FindAction(const QVariant& varData) const
{
    const QList<QAction*> listActions = actions();
    for (QAction* pAction : listActions) {
        if (pAction->data() == varData)
            return pAction;
    }
    return nullptr;
}

QColor CMenu::GetBackgroundColor() const
{
    Q_D(const CMenu);
    return d->m_colorBackground;
}

void CMenu::SetBackgroundColor(const QColor& color)
{
    Q_D(CMenu);
    d->m_colorBackground = color;
    d->ApplyPalette();
}

QColor CMenu::GetBorderColor() const
{
    Q_D(const CMenu);
    return d->m_colorBorder;
}

void CMenu::SetBorderColor(const QColor& color)
{
    Q_D(CMenu);
    d->m_colorBorder = color;
    update();
}

QColor CMenu::GetTextColor() const
{
    Q_D(const CMenu);
    return d->m_colorText;
}

void CMenu::SetTextColor(const QColor& color)
{
    Q_D(CMenu);
    d->m_colorText = color;
    d->ApplyPalette();
}

QColor CMenu::GetHoverColor() const
{
    Q_D(const CMenu);
    return d->m_colorHover;
}

void CMenu::SetHoverColor(const QColor& color)
{
    Q_D(CMenu);
    d->m_colorHover = color;
    d->ApplyPalette();
}

void CMenu::paintEvent(QPaintEvent* pEvent)
{
    Q_D(CMenu);
    {
        // A flat panel instead of the platform's menu frame.
        QPainter painter(this);
        painter.fillRect(rect(), d->m_colorBackground);
    }
    QMenu::paintEvent(pEvent);
    if (d->m_colorBorder.isValid()) {
        // Drawn last so that the rows never cover it.
        QPainter painter(this);
        painter.setPen(d->m_colorBorder);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Menu/moc_Menu.cpp"
