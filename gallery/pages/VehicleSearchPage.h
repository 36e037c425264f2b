#ifndef ORVAGALLERY_VEHICLESEARCHPAGE_H
#define ORVAGALLERY_VEHICLESEARCHPAGE_H

#include <QtWidgets/QWidget>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLabel;
class QLineEdit;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {
class CFilterTreeView;
class CPagerCtrl;
class CTreeViewModel;
}

// The vehicle search of the client: a hundred thousand passing vehicles in a
// paged result table, searched by plate words, narrowed by camera and colour
// the way the header's auto-filter does, sorted by header click and paged
// with the pager and its "Go" box. Searches run behind the wait dialog.
class VehicleSearchPage : public QWidget
{
    Q_OBJECT

public:
    explicit VehicleSearchPage(QWidget* pParent = nullptr);

private Q_SLOTS:
    void OnSearch();
    void OnApplyValueFilter();
    void OnReset();
    void OnModelChanged(int iTotalPage, int iTotalNum);
    void OnShowPage(unsigned int uPage);

private:
    QWidget* CreateToolbar();
    void FillRecords();
    QComboBox* MakeValueBox(int iColumn, const QString& strAll);

    OrvaGUIToolkit::CTreeViewModel* m_pModel = nullptr;
    OrvaGUIToolkit::CFilterTreeView* m_pView = nullptr;
    OrvaGUIToolkit::CPagerCtrl* m_pPager = nullptr;
    QLineEdit* m_pPlateSearch = nullptr;
    QComboBox* m_pCameraBox = nullptr;
    QComboBox* m_pColourBox = nullptr;
    QLabel* m_pSummary = nullptr;
};

#endif
