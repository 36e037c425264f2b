#include <OrvaGUIToolkit/Pager/SelfDrawnButton.h>

#include <QtCore/QPointer>
#include <QtGui/QFontMetrics>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QStyleOptionButton>
#include <QtWidgets/QStylePainter>

#include "models/internal/ItemEventPosition.h"

#include <numeric>

namespace OrvaGUIToolkit {

namespace {
// Gap in pixels between two cells.
constexpr int kCellGap = 6;
// Padding in pixels added to each cell's text width.
constexpr int kCellPadding = 10;
// More cells than any screen can show; keeps a wild count from looping for ages.
constexpr int kMaxCells = 4096;

int BoundedCount(int iCount)
{
    return qBound(0, iCount, kMaxCells);
}
} // namespace

class CSelfDrawnButtonPrivate
{
public:
    virtual ~CSelfDrawnButtonPrivate() = default;

    int SumOfWidths(int iCount) const
    {
        const int iEnd = qBound(0, iCount, static_cast<int>(m_listWidths.size()));
        return std::accumulate(m_listWidths.cbegin(), m_listWidths.cbegin() + iEnd, 0);
    }

    // Cells without a measured width are empty, so they are neither painted
    // nor hit.
    int PaintedCount() const
    {
        return qMin(m_iShowCount, static_cast<int>(m_listWidths.size()));
    }

    CSelfDrawnButton::DrawType m_enumDrawType = CSelfDrawnButton::DrawCurrent;
    int m_iCurIndex = 0;
    int m_iShowCount = 1;
    QStringList m_listTexts;
    QList<int> m_listWidths;
};

CSelfDrawnButton::CSelfDrawnButton(int iShowCount, QWidget* pParent, CSelfDrawnButton::DrawType enumType)
    : CSelfDrawnButton(*new CSelfDrawnButtonPrivate, pParent)
{
    Q_D(CSelfDrawnButton);
    d->m_iShowCount = BoundedCount(iShowCount);
    d->m_enumDrawType = enumType;
}

CSelfDrawnButton::CSelfDrawnButton(CSelfDrawnButtonPrivate& dd, QWidget* pParent)
    : CPushButton(pParent)
    , d_ptr(&dd)
{
}

CSelfDrawnButton::~CSelfDrawnButton() = default;

void CSelfDrawnButton::SetTextList(const QStringList& listTexts)
{
    Q_D(CSelfDrawnButton);
    d->m_listTexts = listTexts;
    d->m_listWidths.clear();
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    font.setBold(false);
    const QFontMetrics metrics(font);
    for (int i = 0; i < d->m_iShowCount; ++i)
        d->m_listWidths << metrics.horizontalAdvance(listTexts.value(i)) + kCellPadding;
    setFixedWidth(kCellGap * d->m_iShowCount + d->SumOfWidths(d->m_iShowCount));
    update();
}

QStringList CSelfDrawnButton::GetTextList() const
{
    Q_D(const CSelfDrawnButton);
    return d->m_listTexts;
}

void CSelfDrawnButton::SetCurShowCount(int iCount)
{
    Q_D(CSelfDrawnButton);
    iCount = BoundedCount(iCount);
    if (iCount == d->m_iShowCount)
        return;
    d->m_iShowCount = iCount;
    d->m_iCurIndex = 0;
    if (d->m_listWidths.size() >= iCount) {
        setFixedWidth(kCellGap * iCount + d->SumOfWidths(iCount));
        update();
    }
}

void CSelfDrawnButton::SetButtonCount(int iCount)
{
    Q_D(CSelfDrawnButton);
    d->m_iShowCount = BoundedCount(iCount);
}

int CSelfDrawnButton::GetShowCount() const
{
    Q_D(const CSelfDrawnButton);
    return d->m_iShowCount;
}

void CSelfDrawnButton::SetCurIndex(int iIndex)
{
    Q_D(CSelfDrawnButton);
    update();
    if (iIndex == d->m_iCurIndex)
        return;
    d->m_iCurIndex = iIndex;
    Q_EMIT SignalCurChanged();
}

int CSelfDrawnButton::GetCurIndex() const
{
    Q_D(const CSelfDrawnButton);
    return d->m_iCurIndex;
}

QString CSelfDrawnButton::GetCurSelText() const
{
    return GetButtonText(GetCurIndex());
}

QString CSelfDrawnButton::GetButtonText(int iIndex) const
{
    Q_D(const CSelfDrawnButton);
    return d->m_listTexts.value(iIndex);
}

void CSelfDrawnButton::SetDrawType(CSelfDrawnButton::DrawType enumType)
{
    Q_D(CSelfDrawnButton);
    d->m_enumDrawType = enumType;
    update();
}

QRect CSelfDrawnButton::CellRect(int iIndex) const
{
    Q_D(const CSelfDrawnButton);
    const int iLeft = kCellGap * iIndex + d->SumOfWidths(iIndex);
    return QRect(iLeft, 0, d->m_listWidths.value(iIndex), height());
}

void CSelfDrawnButton::paintEvent(QPaintEvent* pEvent)
{
    Q_UNUSED(pEvent)
    Q_D(CSelfDrawnButton);
    QStylePainter painter(this);
    for (int i = 0; i < d->PaintedCount(); ++i) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.state |= QStyle::State_Raised;
        option.features = QStyleOptionButton::None;
        option.rect = CellRect(i);
        option.text = d->m_listTexts.value(i);
        const bool bHighlighted = d->m_enumDrawType == DrawCurrent ? i == d->m_iCurIndex : i <= d->m_iCurIndex;
        if (bHighlighted)
            option.state |= QStyle::State_MouseOver | QStyle::State_HasFocus;
        else
            option.state &= ~(QStyle::State_MouseOver | QStyle::State_HasFocus);
        painter.drawControl(QStyle::CE_PushButton, option);
    }
}

void CSelfDrawnButton::mouseReleaseEvent(QMouseEvent* pEvent)
{
    Q_D(CSelfDrawnButton);
    if (pEvent->button() != Qt::LeftButton) {
        pEvent->ignore();
        return;
    }
    setDown(false);
    // A slot of SignalCurChanged may delete this button.
    const QPointer<CSelfDrawnButton> pGuard(this);
    for (int i = 0; i < d->PaintedCount(); ++i) {
        if (CellRect(i).contains(EventLocalPos(pEvent))) {
            SetCurIndex(i);
            break;
        }
    }
    if (pGuard)
        update();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Pager/moc_SelfDrawnButton.cpp"
