#include <OrvaGUIToolkit/Layout/SelectCutNum.h>

#include <OrvaGUIToolkit/Layout/WidgetLayoutMgr.h>

#include <QtCore/QEvent>
#include <QtCore/QMap>
#include <QtCore/QVariant>
#include <QtGui/QCursor>
#include <QtGui/QIcon>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QToolButton>

namespace OrvaGUIToolkit {

namespace {

// One button of the panel: its split type, picture and cell in its section.
struct SplitButtonInfo
{
    struSplitTypeData::SplitType enumType;
    const char* szPicture;
    int iRow;
    int iColumn;
};

const SplitButtonInfo s_standardButtons[] = {
    {1, "Cut_1_1.png", 0, 0},   {2, "Cut_2_4.png", 0, 1},   {3, "Cut_3_6.png", 0, 2},
    {5, "Cut_4_8.png", 0, 3},   {4, "Cut_3_9.png", 0, 4},   {7, "Cut_4_13.png", 0, 5},
    {8, "Cut_4_16.png", 1, 0},  {15, "Cut_5_25.png", 1, 1}, {16, "Cut_7_32.png", 1, 2},
    {18, "Cut_6_36.png", 1, 3}, {17, "Cut_8_64.png", 1, 4},
};

const SplitButtonInfo s_wideButtons[] = {
    {100, "Cut_3_4_4.png", 0, 0},  {101, "Cut_3_4_6.png", 0, 1},  {104, "Cut_6_8_7.png", 0, 2},
    {102, "Cut_3_4_9.png", 0, 3},  {103, "Cut_3_4_12.png", 0, 4}, {105, "Cut_6_8_16.png", 0, 5},
    {106, "Cut_6_8_24.png", 1, 0}, {107, "Cut_6_8_36.png", 1, 1}, {108, "Cut_6_8_48.png", 1, 2},
};

// The order of the buttons list, by split type.
const struSplitTypeData::SplitType s_listOrder[] = {1,   2,   3,   4,   5,   7,   8,   15,  16,  18,
                                                    17,  100, 101, 102, 103, 104, 105, 106, 107, 108};

const char s_szPictureDir[] = ":/OrvaDesk/CutWnd/Images/Public/Component/CutWnd/";
const int s_iColumns = 6;
const int s_iLabelHeight = 30;

} // namespace

class CSelectCutNumPrivate
{
public:
    QToolButton* CreateButton(CSelectCutNum* q, const SplitButtonInfo& info)
    {
        auto* pBtn = new QToolButton(q);
        pBtn->setObjectName(QStringLiteral("m_pCutBtn%1").arg(info.enumType));
        pBtn->setProperty("_PictureName_", QString::fromLatin1(info.szPicture));
        QObject::connect(pBtn, &QToolButton::clicked, q, &CSelectCutNum::OnBtnClicked);
        m_mapBtnType.insert(pBtn, info.enumType);
        return pBtn;
    }

    CWidgetLayoutMgr* m_pLayoutMgr = nullptr;
    QLabel* m_pStanderdLabel = nullptr;
    QList<QToolButton*> m_listStandardBtns;
    QLabel* m_pWideLabel = nullptr;
    QList<QToolButton*> m_listWideBtns;
    QMap<QToolButton*, struSplitTypeData::SplitType> m_mapBtnType;
    QList<QToolButton*> m_listBtns;
};

const int CSelectCutNum::m_iBtnWidth = 33;
const int CSelectCutNum::m_iBtnHeight = 28;
const int CSelectCutNum::m_iBtnIconWidth = 21;
const int CSelectCutNum::m_iBtnIconHeight = 19;

CSelectCutNum::CSelectCutNum(CWidgetLayoutMgr* pLayoutMgr, QWidget* pParent, QWidget* pExtraWidget)
    : QFrame(pParent, Qt::Popup | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , d_ptr(new CSelectCutNumPrivate)
{
    Q_D(CSelectCutNum);
    d->m_pLayoutMgr = pLayoutMgr;
    d->m_pStanderdLabel = new QLabel(tr("Standard Screen Layout:"), this);
    d->m_pStanderdLabel->setObjectName(QStringLiteral("m_pStanderdLabel"));
    for (const SplitButtonInfo& info : s_standardButtons)
        d->m_listStandardBtns.append(d->CreateButton(this, info));
    d->m_pWideLabel = new QLabel(tr("Wide Screen Layout:"), this);
    d->m_pWideLabel->setObjectName(QStringLiteral("m_pWideLabel"));
    for (const SplitButtonInfo& info : s_wideButtons)
        d->m_listWideBtns.append(d->CreateButton(this, info));
    for (struSplitTypeData::SplitType enumType : s_listOrder)
        d->m_listBtns.append(d->m_mapBtnType.key(enumType));
    LayoutBtn(pExtraWidget);
    SetBtnIcon();
}

CSelectCutNum::~CSelectCutNum() = default;

void CSelectCutNum::UpdateBtnText()
{
    SetBtnText();
}

void CSelectCutNum::SetMaxWndNum(int iMaxWndNum)
{
    Q_D(CSelectCutNum);
    for (QToolButton* pBtn : qAsConst(d->m_listBtns)) {
        const int iCount = d->m_pLayoutMgr ? d->m_pLayoutMgr->GetWndCountByType(d->m_mapBtnType.value(pBtn)) : 0;
        pBtn->setVisible(iCount <= iMaxWndNum);
    }
}

void CSelectCutNum::GetSupportSplitType(QVector<struSplitTypeData::SplitType>& vecTypes)
{
    Q_D(CSelectCutNum);
    for (QToolButton* pBtn : qAsConst(d->m_listBtns))
        vecTypes.append(d->m_mapBtnType.value(pBtn));
}

bool CSelectCutNum::IsMouseIn()
{
    return geometry().contains(QCursor::pos());
}

void CSelectCutNum::OnBtnClicked()
{
    Q_D(CSelectCutNum);
    auto* pBtn = qobject_cast<QToolButton*>(sender());
    const auto it = d->m_mapBtnType.constFind(pBtn);
    if (pBtn && it != d->m_mapBtnType.constEnd())
        Q_EMIT SignalClickedBtn(it.value());
}

// Activation changes are swallowed so that the pop-up does not repaint its
// frame as inactive while the client's main window keeps the focus.
bool CSelectCutNum::event(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::ActivationChange)
        return true;
    return QFrame::event(pEvent);
}

void CSelectCutNum::showEvent(QShowEvent* pEvent)
{
    Q_UNUSED(pEvent)
}

void CSelectCutNum::LayoutBtn(QWidget* pExtraWidget)
{
    Q_D(CSelectCutNum);
    auto* pGrid = new QGridLayout(this);
    pGrid->setContentsMargins(3, 3, 3, 3);
    pGrid->setHorizontalSpacing(0);
    pGrid->setVerticalSpacing(0);
    pGrid->addWidget(d->m_pStanderdLabel, 0, 0, 1, s_iColumns);
    for (int i = 0; i < d->m_listStandardBtns.size(); ++i)
        pGrid->addWidget(d->m_listStandardBtns.at(i), 1 + s_standardButtons[i].iRow, s_standardButtons[i].iColumn);
    pGrid->addWidget(d->m_pWideLabel, 3, 0, 1, s_iColumns);
    for (int i = 0; i < d->m_listWideBtns.size(); ++i)
        pGrid->addWidget(d->m_listWideBtns.at(i), 4 + s_wideButtons[i].iRow, s_wideButtons[i].iColumn);
    if (pExtraWidget)
        pGrid->addWidget(pExtraWidget, 6, 0, 1, s_iColumns);
}

void CSelectCutNum::SetBtnIcon()
{
    Q_D(CSelectCutNum);
    d->m_pStanderdLabel->setFixedHeight(s_iLabelHeight);
    d->m_pWideLabel->setFixedHeight(s_iLabelHeight);
    for (QToolButton* pBtn : qAsConst(d->m_listBtns)) {
        pBtn->setIcon(QIcon(QLatin1String(s_szPictureDir) + pBtn->property("_PictureName_").toString()));
        pBtn->setIconSize(QSize(m_iBtnIconWidth, m_iBtnIconHeight));
        pBtn->setFixedSize(m_iBtnWidth, m_iBtnHeight);
        pBtn->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
}

void CSelectCutNum::SetBtnText()
{
    Q_D(CSelectCutNum);
    for (QToolButton* pBtn : qAsConst(d->m_listBtns)) {
        const int iCount = d->m_pLayoutMgr ? d->m_pLayoutMgr->GetWndCountByType(d->m_mapBtnType.value(pBtn)) : 0;
        pBtn->setText(QString::number(iCount));
    }
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Layout/moc_SelectCutNum.cpp"
