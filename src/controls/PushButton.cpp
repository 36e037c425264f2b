#include "controls/PushButtonPrivate.h"

#include <QtCore/QPointer>
#include <QtGui/QKeySequence>
#include <QtGui/QShortcutEvent>
#include <QtWidgets/QStyleOptionButton>
#include <QtWidgets/QStylePainter>

namespace OrvaGUIToolkit {

CPushButton::CPushButton(QWidget* pParent)
    : CPushButton(*new CPushButtonPrivate, pParent)
{
}

CPushButton::CPushButton(const QString& strText, QWidget* pParent)
    : CPushButton(*new CPushButtonPrivate, pParent)
{
    setText(strText);
}

CPushButton::CPushButton(const QIcon& icon, const QString& strText, QWidget* pParent)
    : CPushButton(*new CPushButtonPrivate, pParent)
{
    setIcon(icon);
    setText(strText);
}

CPushButton::CPushButton(CPushButtonPrivate& dd, QWidget* pParent)
    : QPushButton(pParent)
    , d_ptr(&dd)
{
    Q_D(CPushButton);
    d->q_ptr = this;
}

CPushButton::~CPushButton() = default;

QSize CPushButton::sizeHint() const
{
    QSize hint = QPushButton::sizeHint();
    const QString strText = text();
    if (strText.isEmpty())
        return hint;
    // The base class measures the text with mnemonics, where "&" takes no room.
    const QFontMetrics metrics = fontMetrics();
    QString strEscaped = strText;
    strEscaped.replace(QLatin1Char('&'), QLatin1String("&&"));
    hint.rwidth() += metrics.size(Qt::TextShowMnemonic, strEscaped).width()
                   - metrics.size(Qt::TextShowMnemonic, strText).width();

    if (!icon().isNull()) {
        // paintEvent() drops the icon unless the contents are wider than icon, gap and text.
        QStyleOptionButton option;
        initStyleOption(&option);
        option.rect = QRect(QPoint(0, 0), hint);
        const int iMargins = hint.width() - style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width();
        const int iNeeded = iMargins + iconSize().width() + 4 + metrics.boundingRect(strText).width() + 1;
        hint.setWidth(qMax(hint.width(), iNeeded));
    }
    return hint;
}

bool CPushButton::event(QEvent* pEvent)
{
    // The base class turns "&x" in the text into an Alt+x shortcut. The
    // ampersand is shown literally here, so that shortcut must not fire.
    if (pEvent->type() == QEvent::Shortcut && !text().isEmpty()
        && static_cast<QShortcutEvent*>(pEvent)->key() == QKeySequence::mnemonic(text())) {
        pEvent->accept();
        return true;
    }
    return QPushButton::event(pEvent);
}

void CPushButton::paintEvent(QPaintEvent*)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    // Doubled ampersands are drawn as one and never become mnemonics.
    option.text.replace(QLatin1Char('&'), QLatin1String("&&"));

    if (!option.icon.isNull() && !option.text.isEmpty()) {
        const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        const QIcon::Mode enumMode = !(option.state & QStyle::State_Enabled) ? QIcon::Disabled
                                   : (option.state & QStyle::State_HasFocus) ? QIcon::Active
                                                                             : QIcon::Normal;
        const QIcon::State enumState = (option.state & QStyle::State_On) ? QIcon::On : QIcon::Off;
        const QPixmap pixmap = option.icon.pixmap(option.iconSize, enumMode, enumState);
        const int iTextWidth = fontMetrics().boundingRect(text()).width();
        if (contents.width() <= pixmap.width() + 4 + iTextWidth) {
            option.icon = QIcon();
            option.iconSize = QSize();
        }
    }

    QStylePainter painter(this);
    painter.drawControl(QStyle::CE_PushButton, option);
}

// The hover signals go out before the base handling; a slot may delete the
// button, and then there is nothing left to handle.
void CPushButton::enterEvent(EnterEvent* pEvent)
{
    const QPointer<CPushButton> pThis(this);
    Q_EMIT SignalMouseEnter();
    if (pThis)
        QPushButton::enterEvent(pEvent);
}

void CPushButton::leaveEvent(QEvent* pEvent)
{
    const QPointer<CPushButton> pThis(this);
    Q_EMIT SignalMouseLeave();
    if (pThis)
        QPushButton::leaveEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Button/moc_PushButton.cpp"
