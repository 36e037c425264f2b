#ifndef ORVAGUITOOLKIT_CONTROLS_LOCATIONVIEWWIDGET_H
#define ORVAGUITOOLKIT_CONTROLS_LOCATIONVIEWWIDGET_H

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

QT_BEGIN_NAMESPACE
class QAbstractItemView;
class QLineEdit;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// The filter panel above a pop-up's item view: rows whose text does not
// contain the typed text (ignoring case) are hidden.
class CLocationViewWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CLocationViewWidget(QWidget* pParent = nullptr);
    ~CLocationViewWidget() override;

    void SetView(QAbstractItemView* pView);
    QString GetFilterText() const;
    void SetFilterText(const QString& strText);
    void ClearFilterText();

private:
    void ApplyFilter();

    QLineEdit* m_pEditFilter = nullptr;
    QPointer<QAbstractItemView> m_pView;
};

} // namespace OrvaGUIToolkit

#endif
