#include <OrvaGUIToolkit/CheckBox/CheckBox.h>

#include <QtCore/QSignalBlocker>

namespace OrvaGUIToolkit {

CCheckBox::CCheckBox(QWidget* pParent)
    : QCheckBox(pParent)
{
}

CCheckBox::CCheckBox(const QString& strText, QWidget* pParent)
    : QCheckBox(strText, pParent)
{
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
