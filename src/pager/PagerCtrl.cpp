#include <OrvaGUIToolkit/Pager/PagerCtrl.h>

#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Pager/IntValidator.h>
#include <OrvaGUIToolkit/Pager/SelfDrawnButton.h>

#include <QtCore/QPointer>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>

#include <climits>

namespace OrvaGUIToolkit {

namespace {
// Cells of the page strip: at most nine page numbers and gaps.
constexpr int kStripCells = 9;
// Index of the current page's cell in the middle layout.
constexpr int kMiddleCell = 4;

QString PageText(unsigned int uPage)
{
    return QString::number(uPage);
}

QString GapText()
{
    return QStringLiteral("...");
}
} // namespace

class CPagerCtrlPrivate
{
public:
    virtual ~CPagerCtrlPrivate() = default;

    // Strip texts around the current page and the index of its cell.
    QStringList StripTexts(int& iCurrentCell) const;

    CPushButton* m_pBtnPrevious = nullptr;
    CSelfDrawnButton* m_pPageStrip = nullptr;
    CPushButton* m_pBtnNext = nullptr;
    QLabel* m_pLabelPage = nullptr;
    QLineEdit* m_pEditPage = nullptr;
    CPushButton* m_pBtnGo = nullptr;
    unsigned int m_uCurrentPage = 0;
    unsigned int m_uPageCount = 0;
};

QStringList CPagerCtrlPrivate::StripTexts(int& iCurrentCell) const
{
    const unsigned int c = m_uCurrentPage;
    const unsigned int n = m_uPageCount;
    QStringList listTexts;
    if (n < 10) {
        for (unsigned int u = 1; u <= kStripCells; ++u)
            listTexts << PageText(u);
        iCurrentCell = static_cast<int>(c) - 1;
    } else if (c < 6) {
        for (unsigned int u = 1; u <= 7; ++u)
            listTexts << PageText(u);
        listTexts << GapText() << PageText(n);
        iCurrentCell = static_cast<int>(c) - 1;
    } else if (c < n - 4) {
        listTexts << PageText(1) << GapText();
        for (unsigned int u = 0; u < 5; ++u)
            listTexts << PageText(c - 2 + u);
        listTexts << GapText() << PageText(n);
        iCurrentCell = kMiddleCell;
    } else {
        listTexts << PageText(1) << GapText();
        // Counted rather than compared with n: n may be the largest unsigned.
        for (unsigned int u = 0; u < 7; ++u)
            listTexts << PageText(n - 6 + u);
        iCurrentCell = 8 - static_cast<int>(n - c);
    }
    return listTexts;
}

CPagerCtrl::CPagerCtrl(QWidget* pParent)
    : CPagerCtrl(*new CPagerCtrlPrivate, pParent)
{
}

CPagerCtrl::CPagerCtrl(CPagerCtrlPrivate& dd, QWidget* pParent)
    : QFrame(pParent)
    , d_ptr(&dd)
{
    BuildForm();
}

CPagerCtrl::~CPagerCtrl() = default;

void CPagerCtrl::BuildForm()
{
    Q_D(CPagerCtrl);
    setObjectName(QStringLiteral("CPagerCtrlClass"));
    d->m_pBtnPrevious = new CPushButton(
        QIcon(QStringLiteral(":/OrvaDesk/Toolbar/Images/Public/Control/Toolbar/Backward.png")), QString(), this);
    d->m_pBtnPrevious->setObjectName(QStringLiteral("m_pBtnPrevious"));
    d->m_pPageStrip = new CSelfDrawnButton(1, this);
    d->m_pPageStrip->setObjectName(QStringLiteral("m_pPageStrip"));
    d->m_pBtnNext = new CPushButton(
        QIcon(QStringLiteral(":/OrvaDesk/Toolbar/Images/Public/Control/Toolbar/Forward.png")), QString(), this);
    d->m_pBtnNext->setObjectName(QStringLiteral("m_pBtnNext"));
    d->m_pLabelPage = new QLabel(tr("Page"), this);
    d->m_pLabelPage->setObjectName(QStringLiteral("m_pLabelPage"));
    d->m_pEditPage = new QLineEdit(this);
    d->m_pEditPage->setObjectName(QStringLiteral("m_pEditPage"));
    d->m_pEditPage->setFixedWidth(48);
    d->m_pBtnGo = new CPushButton(tr("Go"), this);
    d->m_pBtnGo->setObjectName(QStringLiteral("m_pBtnGo"));

    auto* pLayout = new QHBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(6);
    pLayout->addStretch();
    for (QWidget* pWidget : {static_cast<QWidget*>(d->m_pBtnPrevious), static_cast<QWidget*>(d->m_pPageStrip),
                             static_cast<QWidget*>(d->m_pBtnNext), static_cast<QWidget*>(d->m_pLabelPage),
                             static_cast<QWidget*>(d->m_pEditPage), static_cast<QWidget*>(d->m_pBtnGo)})
        pLayout->addWidget(pWidget);

    d->m_pPageStrip->SetButtonCount(kStripCells);
    QStringList listTexts;
    for (unsigned int u = 1; u <= kStripCells; ++u)
        listTexts << PageText(u);
    d->m_pPageStrip->SetTextList(listTexts);
    d->m_pPageStrip->setFixedHeight(22);

    connect(d->m_pPageStrip, &CSelfDrawnButton::SignalCurChanged, this, &CPagerCtrl::OnPageClicked);
    connect(d->m_pBtnPrevious, &QPushButton::clicked, this, &CPagerCtrl::OnBtnPreviousClicked);
    connect(d->m_pBtnNext, &QPushButton::clicked, this, &CPagerCtrl::OnBtnNextClicked);
    connect(d->m_pBtnGo, &QPushButton::clicked, this, &CPagerCtrl::OnBtnGotoPageClicked);
    connect(d->m_pEditPage, &QLineEdit::returnPressed, this, &CPagerCtrl::OnBtnGotoPageClicked);
}

void CPagerCtrl::SetPageCount(unsigned int uCount)
{
    Q_D(CPagerCtrl);
    if (uCount == d->m_uPageCount)
        return;
    d->m_uPageCount = uCount;
    d->m_pEditPage->clear();
    const QValidator* pOld = d->m_pEditPage->validator();
    d->m_pEditPage->setValidator(new CIntValidator(1, static_cast<int>(qMin<unsigned int>(uCount, INT_MAX)),
                                                   d->m_pEditPage));
    delete pOld;
    d->m_pPageStrip->SetCurShowCount(static_cast<int>(qMin<unsigned int>(uCount, kStripCells)));
}

unsigned int CPagerCtrl::GetPageCount() const
{
    Q_D(const CPagerCtrl);
    return d->m_uPageCount;
}

unsigned int CPagerCtrl::GetCurrentPage() const
{
    Q_D(const CPagerCtrl);
    return d->m_uCurrentPage;
}

void CPagerCtrl::ShowSelectedPage(unsigned int uPage, bool bForce)
{
    Q_D(CPagerCtrl);
    if (uPage == 0 || uPage > d->m_uPageCount)
        return;
    const unsigned int uOldPage = d->m_uCurrentPage;
    d->m_uCurrentPage = uPage;
    UpdateArrows();
    // Slots reached from ChangePager may delete this pager.
    const QPointer<CPagerCtrl> pGuard(this);
    ChangePager();
    if (pGuard && (bForce || uPage != uOldPage))
        Q_EMIT SignalForceChangePage(static_cast<int>(uPage));
}

void CPagerCtrl::ChangePager()
{
    Q_D(CPagerCtrl);
    int iCurrentCell = 0;
    const QStringList listTexts = d->StripTexts(iCurrentCell);
    d->m_pPageStrip->SetTextList(listTexts);
    if (d->m_uCurrentPage > 0)
        d->m_pPageStrip->SetCurIndex(iCurrentCell);
}

void CPagerCtrl::UpdateArrows()
{
    Q_D(CPagerCtrl);
    d->m_pBtnPrevious->setVisible(d->m_uCurrentPage != 1);
    d->m_pBtnNext->setVisible(d->m_uCurrentPage != d->m_uPageCount);
}

void CPagerCtrl::OnBtnPreviousClicked()
{
    Q_D(CPagerCtrl);
    const int iIndex = d->m_pPageStrip->GetCurIndex() - 1;
    if (iIndex >= 0)
        d->m_pPageStrip->SetCurIndex(iIndex);
}

void CPagerCtrl::OnBtnNextClicked()
{
    Q_D(CPagerCtrl);
    const int iIndex = d->m_pPageStrip->GetCurIndex() + 1;
    if (iIndex < d->m_pPageStrip->GetShowCount())
        d->m_pPageStrip->SetCurIndex(iIndex);
}

void CPagerCtrl::OnBtnGotoPageClicked()
{
    Q_D(CPagerCtrl);
    const QString strText = d->m_pEditPage->text().trimmed();
    if (strText.isEmpty())
        return;
    const unsigned int uPage = strText.toUInt();
    if (uPage != d->m_uCurrentPage)
        ShowSelectedPage(uPage, true);
}

// A gap moves to the page just beyond its nearest visible number; ChangePager
// then moves the strip onto that page and this slot runs again for it.
void CPagerCtrl::OnPageClicked()
{
    Q_D(CPagerCtrl);
    const int iIndex = d->m_pPageStrip->GetCurIndex();
    const QString strText = d->m_pPageStrip->GetCurSelText();
    if (strText != GapText()) {
        const unsigned int uPage = strText.toUInt();
        if (uPage == 0)
            return;
        d->m_uCurrentPage = uPage;
        UpdateArrows();
        // When ChangePager moves the strip onto the page's new cell, this slot
        // runs again inside it and reports the page there first.
        const QPointer<CPagerCtrl> pGuard(this);
        ChangePager();
        if (pGuard)
            Q_EMIT SignalShowPage(d->m_uCurrentPage);
        return;
    }
    if (iIndex == 1 && !d->m_pPageStrip->GetButtonText(2).isEmpty()) {
        d->m_uCurrentPage = d->m_pPageStrip->GetButtonText(2).toUInt() - 1;
        ChangePager();
    } else if (iIndex == 7 && !d->m_pPageStrip->GetButtonText(6).isEmpty()) {
        d->m_uCurrentPage = d->m_pPageStrip->GetButtonText(6).toUInt() + 1;
        ChangePager();
    }
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Pager/moc_PagerCtrl.cpp"
