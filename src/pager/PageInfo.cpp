#include <OrvaGUIToolkit/Pager/PageInfo.h>

#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Pager/SelfDrawnButton.h>

#include <QtCore/QPointer>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QSpacerItem>

namespace OrvaGUIToolkit {

namespace {
// Pages per block of the strip.
constexpr unsigned int kBlockSize = 10;
} // namespace

class CPageInfoPrivate
{
public:
    virtual ~CPageInfoPrivate() = default;

    CPushButton* m_pBtnPrevious = nullptr;
    CSelfDrawnButton* m_pPageStrip = nullptr;
    CPushButton* m_pBtnNext = nullptr;
    QHBoxLayout* m_pLayout = nullptr;
    QSpacerItem* m_pSpacer = nullptr;
    unsigned int m_uPageCount = 0;
    unsigned int m_uCurrentPage = 0;
    int m_iCurrentIndex = 0;
};

namespace {
CPushButton* MakeBlockButton(const QString& strText, const QString& strObjectName, QWidget* pParent)
{
    auto* pButton = new CPushButton(strText, pParent);
    pButton->setObjectName(strObjectName);
    pButton->setFixedHeight(20);
    pButton->setStyleSheet(QStringLiteral(
        "border-image: url(:/OrvaDesk/Button/Images/Public/Control/Button/ButtonNormal.png); color: black;"));
    return pButton;
}
} // namespace

CPageInfo::CPageInfo(QWidget* pParent)
    : CPageInfo(*new CPageInfoPrivate, pParent)
{
}

CPageInfo::CPageInfo(CPageInfoPrivate& dd, QWidget* pParent)
    : QFrame(pParent)
    , d_ptr(&dd)
{
    Q_D(CPageInfo);
    d->m_pLayout = new QHBoxLayout(this);
    d->m_pLayout->setContentsMargins(0, 2, 0, 2);
    d->m_pSpacer = new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum);
    d->m_pLayout->addItem(d->m_pSpacer);
    d->m_pBtnPrevious = MakeBlockButton(tr("Previous"), QStringLiteral("m_pBtnPrevious"), this);
    d->m_pPageStrip = new CSelfDrawnButton(1, this);
    d->m_pPageStrip->setObjectName(QStringLiteral("m_pPageStrip"));
    d->m_pPageStrip->setFixedHeight(20);
    d->m_pBtnNext = MakeBlockButton(tr("Next"), QStringLiteral("m_pBtnNext"), this);
    d->m_pLayout->addWidget(d->m_pBtnPrevious);
    d->m_pLayout->addWidget(d->m_pPageStrip);
    d->m_pLayout->addWidget(d->m_pBtnNext);
    connect(d->m_pPageStrip, &CSelfDrawnButton::SignalCurChanged, this, &CPageInfo::ClickPage);
    connect(d->m_pBtnPrevious, &QPushButton::clicked, this, &CPageInfo::ClickedPrior);
    connect(d->m_pBtnNext, &QPushButton::clicked, this, &CPageInfo::ClickedNext);
}

CPageInfo::~CPageInfo() = default;

void CPageInfo::SetPageInfo(unsigned int uCount)
{
    Q_D(CPageInfo);
    if (uCount == d->m_uPageCount)
        return;
    d->m_uPageCount = uCount;
    d->m_pPageStrip->SetCurShowCount(static_cast<int>(qMin(uCount, kBlockSize)));
}

unsigned int CPageInfo::GetPageCount() const
{
    Q_D(const CPageInfo);
    return d->m_uPageCount;
}

unsigned int CPageInfo::GetCurrentPage() const
{
    Q_D(const CPageInfo);
    return d->m_uCurrentPage;
}

void CPageInfo::ShowSelectedPage(unsigned int uPage)
{
    Q_D(CPageInfo);
    if (uPage == 0) {
        HideAllPage();
        return;
    }
    if (uPage > d->m_uPageCount)
        return;
    d->m_pPageStrip->hide();
    const unsigned int uBlock = (uPage - 1) / kBlockSize;
    const unsigned int uLastBlock = (d->m_uPageCount - 1) / kBlockSize;
    d->m_pBtnNext->setVisible(uBlock < uLastBlock);
    d->m_pBtnPrevious->setVisible(uBlock >= 1);

    // 64-bit so that the last block of the largest count does not wrap.
    const quint64 uFirst = quint64(uBlock) * kBlockSize + 1;
    const quint64 uLast = qMin<quint64>(quint64(uBlock + 1) * kBlockSize, d->m_uPageCount);
    QStringList listTexts;
    for (quint64 u = uFirst; u <= uLast; ++u)
        listTexts << QString::number(u);
    d->m_iCurrentIndex = static_cast<int>(uPage - uFirst);
    d->m_pPageStrip->SetCurShowCount(static_cast<int>(listTexts.size()));
    d->m_pPageStrip->SetTextList(listTexts);
    // ClickPage runs here when the index moves; its slots may delete this pager.
    const QPointer<CPageInfo> pGuard(this);
    d->m_pPageStrip->SetCurIndex(d->m_iCurrentIndex);
    if (!pGuard)
        return;
    d->m_pPageStrip->show();
    d->m_uCurrentPage = d->m_pPageStrip->GetCurSelText().toUInt();
    Q_EMIT SignalShowPage(uPage);
}

void CPageInfo::HideAllPage()
{
    Q_D(CPageInfo);
    d->m_pPageStrip->hide();
    d->m_pBtnPrevious->hide();
    d->m_pBtnNext->hide();
}

void CPageInfo::ClickPage()
{
    Q_D(CPageInfo);
    d->m_iCurrentIndex = d->m_pPageStrip->GetCurIndex();
    const unsigned int uPage = d->m_pPageStrip->GetCurSelText().toUInt();
    if (uPage == d->m_uCurrentPage)
        return;
    d->m_uCurrentPage = uPage;
    Q_EMIT SignalShowPage(uPage);
}

void CPageInfo::ClickedNext()
{
    Q_D(CPageInfo);
    if (d->m_uCurrentPage == 0)
        return;
    const quint64 uNextFirst = (quint64(d->m_uCurrentPage - 1) / kBlockSize + 1) * kBlockSize + 1;
    if (uNextFirst <= d->m_uPageCount)
        ShowSelectedPage(static_cast<unsigned int>(uNextFirst));
}

void CPageInfo::ClickedPrior()
{
    Q_D(CPageInfo);
    const unsigned int uBlock = d->m_uCurrentPage == 0 ? 0 : (d->m_uCurrentPage - 1) / kBlockSize;
    if (uBlock == 0)
        return;
    ShowSelectedPage((uBlock - 1) * kBlockSize + 1);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Pager/moc_PageInfo.cpp"
