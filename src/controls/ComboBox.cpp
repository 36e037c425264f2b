#include <OrvaGUIToolkit/ComboBox/ComboBox.h>

#include <OrvaGUIToolkit/Foundation/MultiPairData.h>

#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtWidgets/QListView>
#include <QtWidgets/QStyleOptionComboBox>
#include <QtWidgets/QStylePainter>

namespace OrvaGUIToolkit {

class CComboBoxPrivate
{
    Q_DECLARE_PUBLIC(CComboBox)

public:
    virtual ~CComboBoxPrivate() = default;

    CComboBox* q_ptr = nullptr;
    QColor m_colorArrow = QColor(0xb4, 0xbe, 0xcc);
};

CComboBox::CComboBox(QWidget* pParent)
    : CComboBox(*new CComboBoxPrivate, pParent)
{
}

CComboBox::CComboBox(CComboBoxPrivate& dd, QWidget* pParent)
    : QComboBox(pParent)
    , d_ptr(&dd)
{
    d_ptr->q_ptr = this;
    // A plain list view takes the style sheet's item rules; the default
    // delegate of some styles ignores them.
    setView(new QListView(this));
}

CComboBox::~CComboBox() = default;

void CComboBox::AddItems(const QStringList& listTexts)
{
    addItems(listTexts);
}

void CComboBox::AddItems(const QList<CMultiPairData>& listItems, int iDataKey)
{
    for (const CMultiPairData& item : listItems) {
        const QString strText = item.GetPairData(0).toString();
        const QIcon icon = item.GetPairData(1).value<QIcon>();
        addItem(icon, strText, item.GetPairData(iDataKey));
    }
}

int CComboBox::GetCurrentIndex() const
{
    return currentIndex();
}

QColor CComboBox::GetArrowColor() const
{
    return d_func()->m_colorArrow;
}

void CComboBox::SetArrowColor(const QColor& color)
{
    d_func()->m_colorArrow = color;
    update();
}

void CComboBox::paintEvent(QPaintEvent* /*pEvent*/)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.subControls &= ~QStyle::SC_ComboBoxArrow;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);

    // A small filled chevron at the right edge, in the arrow colour.
    const QRect rectArrow(width() - 18, (height() - 5) / 2, 9, 5);
    QPainterPath path;
    path.moveTo(rectArrow.topLeft());
    path.lineTo(rectArrow.right() + 1, rectArrow.top());
    path.lineTo(rectArrow.center().x() + 0.5, rectArrow.bottom() + 1);
    path.closeSubpath();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, d_func()->m_colorArrow);
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ComboBox/moc_ComboBox.cpp"
