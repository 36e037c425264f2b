#include <OrvaGUIToolkit/ItemView/FilterViewContainer.h>

#include "controls/LocationViewWidget.h"
#include "internal/ItemEventPosition.h"

#include "foundation/EventPosition.h"

#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QStyleOptionComboBox>
#include <QtWidgets/QVBoxLayout>

namespace OrvaGUIToolkit {

class CFilterViewContainerPrivate
{
public:
    virtual ~CFilterViewContainerPrivate() = default;

    QAbstractItemView* m_pView = nullptr;
    bool m_bShowFilter = false;
    QVBoxLayout* m_pLayout = nullptr;
    CLocationViewWidget* m_pFilterWidget = nullptr;
};

namespace {
// Whether a press at the global position pt lands where the combo box would
// take it as the click that closes its pop-up.
bool HitsCombo(const QComboBox* pCombo, const QPoint& ptGlobal)
{
    const QPoint ptLocal = pCombo->mapFromGlobal(ptGlobal);
    if (!pCombo->isEditable())
        return pCombo->rect().contains(ptLocal);
    QStyleOptionComboBox option;
    option.initFrom(pCombo);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    return pCombo->style()->hitTestComplexControl(QStyle::CC_ComboBox, &option, ptLocal, pCombo)
           == QStyle::SC_ComboBoxArrow;
}
} // namespace

CFilterViewContainer::CFilterViewContainer(QAbstractItemView* pView, bool bShowFilter, QWidget* pParent,
                                           Qt::WindowFlags enumFlags)
    : CFilterViewContainer(*new CFilterViewContainerPrivate, pParent, enumFlags)
{
    Q_D(CFilterViewContainer);
    d->m_bShowFilter = bShowFilter;
    SetView(pView);
}

CFilterViewContainer::CFilterViewContainer(CFilterViewContainerPrivate& dd, QWidget* pParent,
                                           Qt::WindowFlags enumFlags)
    : QWidget(pParent, enumFlags)
    , d_ptr(&dd)
{
    Q_D(CFilterViewContainer);
    d->m_pLayout = new QVBoxLayout(this);
    d->m_pLayout->setSpacing(0);
    d->m_pLayout->setContentsMargins(0, 0, 0, 0);
}

CFilterViewContainer::~CFilterViewContainer() = default;

void CFilterViewContainer::SetView(QAbstractItemView* pView)
{
    Q_D(CFilterViewContainer);
    if (!pView)
        return;
    if (!d->m_pFilterWidget) {
        d->m_pFilterWidget = new CLocationViewWidget(this);
        d->m_pFilterWidget->setObjectName(QStringLiteral("m_pFilterWidget"));
        d->m_pLayout->insertWidget(0, d->m_pFilterWidget);
    }
    d->m_pFilterWidget->setVisible(d->m_bShowFilter);
    if (d->m_pView && d->m_pView != pView) {
        disconnect(d->m_pView, nullptr, this, nullptr);
        delete d->m_pView;
    }
    d->m_pView = pView;
    pView->setParent(this);
    d->m_pLayout->insertWidget(1, pView);
    pView->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    pView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(pView, &QAbstractItemView::pressed, this, &CFilterViewContainer::SignalPressed, Qt::UniqueConnection);
    connect(pView, &QAbstractItemView::clicked, this, &CFilterViewContainer::SignalClicked, Qt::UniqueConnection);
    d->m_pFilterWidget->SetView(pView);
}

QAbstractItemView* CFilterViewContainer::View() const
{
    Q_D(const CFilterViewContainer);
    return d->m_pView;
}

void CFilterViewContainer::ClearFilterText()
{
    Q_D(CFilterViewContainer);
    if (d->m_pFilterWidget)
        d->m_pFilterWidget->ClearFilterText();
}

void CFilterViewContainer::mousePressEvent(QMouseEvent* pEvent)
{
    auto* pCombo = qobject_cast<QComboBox*>(parentWidget());
    if (!pCombo) {
        QWidget::mousePressEvent(pEvent);
        return;
    }
    if (HitsCombo(pCombo, EventGlobalPos(pEvent)))
        pCombo->setAttribute(Qt::WA_NoMouseReplay);
    hide();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/ItemView/moc_FilterViewContainer.cpp"
