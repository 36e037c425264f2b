#include "schedule/RadioEditComb.h"

#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QToolTip>

namespace OrvaGUIToolkit {

CRadioEditComb::CRadioEditComb(QWidget* pParent)
    : QWidget(pParent)
{
    auto* pLayout = new QHBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(4);
    m_pRadio = new QRadioButton(this);
    m_pRadio->setObjectName(QStringLiteral("m_pRadio"));
    m_pEdit = new QLineEdit(this);
    m_pEdit->setObjectName(QStringLiteral("m_pEdit"));
    pLayout->addWidget(m_pRadio);
    pLayout->addWidget(m_pEdit, 1);
    connect(m_pRadio, SIGNAL(clicked()), this, SLOT(OnRadioClicked()));
    UpdateEditState();
}

void CRadioEditComb::SetId(int iId)
{
    m_iId = iId;
}

int CRadioEditComb::GetId() const
{
    return m_iId;
}

void CRadioEditComb::SetText(const QString& strText)
{
    m_pEdit->setText(strText);
    m_pEdit->setCursorPosition(0);
}

QString CRadioEditComb::GetText() const
{
    return m_pEdit->text();
}

void CRadioEditComb::SetSelected(bool bSelected, bool bEditable)
{
    m_pRadio->setChecked(bSelected);
    m_bEditable = bEditable;
    UpdateEditState();
}

bool CRadioEditComb::IsSelected() const
{
    return m_pRadio->isChecked();
}

bool CRadioEditComb::IsEditable() const
{
    return m_bEditable;
}

void CRadioEditComb::SetShowOption(ShowOption enumOption)
{
    m_enumOption = enumOption;
    UpdateEditState();
}

CRadioEditComb::ShowOption CRadioEditComb::GetShowOption() const
{
    return m_enumOption;
}

void CRadioEditComb::SetValidator(const QValidator* pValidator)
{
    m_pEdit->setValidator(pValidator);
}

void CRadioEditComb::ShowTooltip(const QString& strText)
{
    m_pEdit->setToolTip(strText);
    QToolTip::showText(m_pEdit->mapToGlobal(QPoint(0, m_pEdit->height())), strText, m_pEdit);
}

void CRadioEditComb::SetFocus()
{
    m_pEdit->setFocus(Qt::OtherFocusReason);
    m_pEdit->selectAll();
}

QRadioButton* CRadioEditComb::GetRadioButton() const
{
    return m_pRadio;
}

QLineEdit* CRadioEditComb::GetLineEdit() const
{
    return m_pEdit;
}

void CRadioEditComb::OnRadioClicked()
{
    // The entries are not siblings of one radio group: a click always leaves
    // this one chosen, and the owner unchecks the others.
    m_pRadio->setChecked(true);
    Q_EMIT SignalSelected(m_iId);
}

void CRadioEditComb::UpdateEditState()
{
    const bool bRenamable = m_enumOption == EditableName && m_bEditable;
    m_pEdit->setReadOnly(!bRenamable);
    m_pEdit->setFrame(bRenamable);
    m_pEdit->setFocusPolicy(bRenamable ? Qt::StrongFocus : Qt::NoFocus);
    m_pEdit->setProperty("renamable", bRenamable);
}

} // namespace OrvaGUIToolkit

#include "moc_RadioEditComb.cpp"
