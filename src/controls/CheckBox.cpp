#include "controls/CheckBoxPrivate.h"

#include <QtCore/QSignalBlocker>

namespace OrvaGUIToolkit {

CCheckBox::CCheckBox(QWidget* pParent)
    : CCheckBox(*new CCheckBoxPrivate, pParent)
{
}

CCheckBox::CCheckBox(const QString& strText, QWidget* pParent)
    : CCheckBox(*new CCheckBoxPrivate, pParent)
{
    setText(strText);
}

CCheckBox::CCheckBox(CCheckBoxPrivate& dd, QWidget* pParent)
    : QCheckBox(pParent)
    , d_ptr(&dd)
{
    Q_D(CCheckBox);
    d->q_ptr = this;
}

CCheckBox::~CCheckBox() = default;

void CCheckBox::SetCheckStateSilently(Qt::CheckState enumState)
{
    const QSignalBlocker blocker(this);
    setCheckState(enumState);
}

bool CCheckBox::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/CheckBox/moc_CheckBox.cpp"
