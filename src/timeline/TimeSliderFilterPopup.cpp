#include "TimeSliderFilterPopup.h"

#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/CheckBox/CheckBox.h>

#include <QtCore/QPointer>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QSpacerItem>
#include <QtWidgets/QVBoxLayout>

namespace OrvaGUIToolkit {

CTimeSliderFilterPopup::CTimeSliderFilterPopup(QWidget* pParent)
    : QFrame(pParent, Qt::Popup)
    , m_pForm(new QFormLayout)
    , m_pAllBox(new CCheckBox(tr("All"), this))
    , m_pOkBtn(new CPushButton(tr("OK"), this))
    , m_pCancelBtn(new CPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("TimeSliderFilterPopup"));
    auto* pLayout = new QVBoxLayout(this);
    m_pForm->setContentsMargins(9, 9, 9, 9);
    m_pForm->setSpacing(6);
    m_pAllBox->setObjectName(QStringLiteral("m_pAllCheckBox"));
    m_pAllBox->setCheckState(Qt::Checked);
    m_pForm->addRow(m_pAllBox);
    pLayout->addLayout(m_pForm);

    auto* pButtons = new QHBoxLayout;
    pButtons->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_pOkBtn->setObjectName(QStringLiteral("m_pOkBtn"));
    m_pCancelBtn->setObjectName(QStringLiteral("m_pCancelBtn"));
    for (CPushButton* pButton : {m_pOkBtn, m_pCancelBtn}) {
        pButton->setMinimumWidth(80);
        pButtons->addWidget(pButton);
    }
    pLayout->addLayout(pButtons);

    connect(m_pAllBox, &QCheckBox::stateChanged, this, &CTimeSliderFilterPopup::OnStateChanged);
    connect(m_pOkBtn, &QPushButton::clicked, this, &CTimeSliderFilterPopup::OnClickOkBtn);
    connect(m_pCancelBtn, &QPushButton::clicked, this, &CTimeSliderFilterPopup::OnClickCancelBtn);
}

CTimeSliderFilterPopup::~CTimeSliderFilterPopup() = default;

void CTimeSliderFilterPopup::AddLevel(const QIcon& icon, const QString& strText, int iLevel)
{
    if (m_mapBoxes.contains(iLevel))
        return;
    QString strShown = strText;
    // A single "&" would be taken for a mnemonic; the level names show it literally.
    const int iAmpersand = strShown.indexOf(QLatin1Char('&'));
    if (iAmpersand >= 0)
        strShown.insert(iAmpersand, QLatin1Char('&'));
    auto* pBox = new CCheckBox(strShown, this);
    pBox->setIcon(icon);
    pBox->setCheckState(Qt::Checked);
    m_pForm->addRow(pBox);
    m_listLevels.append(iLevel);
    m_mapBoxes.insert(iLevel, pBox);
    connect(pBox, &QCheckBox::stateChanged, this, &CTimeSliderFilterPopup::OnFilterStateChanged);
    OnFilterStateChanged();
}

void CTimeSliderFilterPopup::SetFilteredLevels(const QList<int>& listLevels)
{
    m_listConfirmed = listLevels;
    for (auto it = m_mapBoxes.cbegin(); it != m_mapBoxes.cend(); ++it)
        it.value()->SetCheckStateSilently(listLevels.contains(it.key()) ? Qt::Checked : Qt::Unchecked);
    OnFilterStateChanged();
}

QList<int> CTimeSliderFilterPopup::GetFilteredLevels() const
{
    return m_listConfirmed;
}

void CTimeSliderFilterPopup::ClearLevels()
{
    for (CCheckBox* pBox : qAsConst(m_mapBoxes)) {
        m_pForm->removeRow(pBox);
    }
    m_mapBoxes.clear();
    m_listLevels.clear();
    OnFilterStateChanged();
}

QList<int> CTimeSliderFilterPopup::GetLevels() const
{
    return m_listLevels;
}

CCheckBox* CTimeSliderFilterPopup::GetAllBox() const
{
    return m_pAllBox;
}

CCheckBox* CTimeSliderFilterPopup::GetLevelBox(int iLevel) const
{
    return m_mapBoxes.value(iLevel, nullptr);
}

void CTimeSliderFilterPopup::OnClickOkBtn()
{
    QList<int> listChecked;
    for (int iLevel : qAsConst(m_listLevels)) {
        if (m_mapBoxes.value(iLevel)->isChecked())
            listChecked.append(iLevel);
    }
    m_listConfirmed = listChecked;
    // A receiver may delete the timeline, and the pop-up with it.
    const QPointer<CTimeSliderFilterPopup> guard(this);
    Q_EMIT SignalFilter(listChecked);
    if (guard)
        hide();
}

void CTimeSliderFilterPopup::OnClickCancelBtn()
{
    for (auto it = m_mapBoxes.cbegin(); it != m_mapBoxes.cend(); ++it)
        it.value()->SetCheckStateSilently(m_listConfirmed.contains(it.key()) ? Qt::Checked : Qt::Unchecked);
    OnFilterStateChanged();
    hide();
}

void CTimeSliderFilterPopup::OnStateChanged(int iState)
{
    // A click on a partially checked "All" box goes on to checked.
    const Qt::CheckState enumState = iState == Qt::Unchecked ? Qt::Unchecked : Qt::Checked;
    if (iState == Qt::PartiallyChecked)
        m_pAllBox->SetCheckStateSilently(Qt::Checked);
    for (CCheckBox* pBox : qAsConst(m_mapBoxes))
        pBox->SetCheckStateSilently(enumState);
}

void CTimeSliderFilterPopup::OnFilterStateChanged()
{
    int iChecked = 0;
    for (CCheckBox* pBox : qAsConst(m_mapBoxes)) {
        if (pBox->isChecked())
            ++iChecked;
    }
    Qt::CheckState enumState = Qt::PartiallyChecked;
    if (iChecked == m_mapBoxes.size())
        enumState = Qt::Checked;
    else if (iChecked == 0)
        enumState = Qt::Unchecked;
    m_pAllBox->SetCheckStateSilently(enumState);
}

void CTimeSliderFilterPopup::mousePressEvent(QMouseEvent* pEvent)
{
    if (!rect().contains(pEvent->pos())) {
        setAttribute(Qt::WA_NoMouseReplay);
        OnClickCancelBtn();
        return;
    }
    QFrame::mousePressEvent(pEvent);
}

} // namespace OrvaGUIToolkit

#include "moc_TimeSliderFilterPopup.cpp"
