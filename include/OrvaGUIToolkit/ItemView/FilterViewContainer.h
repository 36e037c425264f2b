#ifndef ORVAGUITOOLKIT_ITEMVIEW_FILTERVIEWCONTAINER_H
#define ORVAGUITOOLKIT_ITEMVIEW_FILTERVIEWCONTAINER_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QWidget>

#include <memory>

QT_BEGIN_NAMESPACE
class QAbstractItemView;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CFilterViewContainerPrivate;

// The pop-up of a filterable combo box: a filter line above an item view.
class ORVAGUITOOLKIT_EXPORT CFilterViewContainer : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CFilterViewContainer)

public:
    CFilterViewContainer(QAbstractItemView* pView, bool bShowFilter, QWidget* pParent = nullptr,
                         Qt::WindowFlags enumFlags = Qt::WindowFlags());
    ~CFilterViewContainer() override;

    // Takes ownership of pView and deletes the previous view; null is ignored.
    void SetView(QAbstractItemView* pView);
    QAbstractItemView* View() const;
    void ClearFilterText();

Q_SIGNALS:
    void SignalPressed(const QModelIndex& miIndex);
    void SignalClicked(const QModelIndex& miIndex);

protected:
    CFilterViewContainer(CFilterViewContainerPrivate& dd, QWidget* pParent, Qt::WindowFlags enumFlags);
    void mousePressEvent(QMouseEvent* pEvent) override;

    const std::unique_ptr<CFilterViewContainerPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
