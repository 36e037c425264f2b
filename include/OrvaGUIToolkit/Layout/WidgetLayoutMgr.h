#ifndef ORVAGUITOOLKIT_LAYOUT_WIDGETLAYOUTMGR_H
#define ORVAGUITOOLKIT_LAYOUT_WIDGETLAYOUTMGR_H

#include <OrvaGUIToolkit/Layout/SplitTypeData.h>

#include <QtCore/QList>
#include <QtCore/QScopedPointer>
#include <QtCore/QStringList>
#include <QtCore/QVector>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CLayoutElementConfig;
class CWidgetLayoutMgrPrivate;

// Arranges the client's video windows in a grid on a parent widget after the
// layout records of the layout configuration: one record per split type.
// Supports switching split types, swapping two windows, showing one window
// alone and finding a window's neighbour. The widgets stay the client's.
//
// A manager owns its records and cannot be copied: two copies would share
// and delete the same records.
class ORVAGUITOOLKIT_EXPORT CWidgetLayoutMgr
{
public:
    using SplitType = struSplitTypeData::SplitType;

    // Neighbour of a window: previous or next by index, above or below in the grid.
    enum Direction { Previous = 0, Up = 1, Next = 2, Down = 3 };

    CWidgetLayoutMgr();
    ~CWidgetLayoutMgr();

    bool Init(const QStringList& listFiles, QWidget* pParent, QList<QWidget*> listWidgets, SplitType enumType);
    bool Init(const QString& strFile, QWidget* pParent, QList<QWidget*> listWidgets, SplitType enumType);
    bool ResetWidgets(QList<QWidget*> listWidgets, SplitType enumType);
    void AddWidget(QWidget* pWidget);
    // The XML text last handed to ReDisplay for a custom layout.
    QString GetXml() const;
    // Reads the first ElementConfig of a text into element (items appended).
    bool GetSingleLayoutElementByXml(CLayoutElementConfig& element, const QString& strXml);

    bool ReDisplay(SplitType enumType, const QString& strXml = QString());
    SplitType GetSplitType() const;
    bool SwitchDisplay(int iIndexA, int iIndexB);
    bool SwitchDisplay(QWidget* pWidgetA, QWidget* pWidgetB);
    void ResetSwitch();
    void ShowMaximized(QWidget* pWidget);
    void ShowMaximized(int iIndex);
    bool Maximized(QWidget* pWidget) const;
    void ShowNormal();

    QWidget* GetWidget(int iIndex) const;
    int IndexOf(QWidget* pWidget) const;
    void GetAllWidgets(QList<QWidget*>& listWidgets);
    void GetLayoutWidgets(QList<QWidget*>& listWidgets);
    QWidget* GetWidget(QWidget* pWidget, Direction enumDirection) const;
    void GetWidgetSpan(QWidget* pWidget, int& iRowSpan, int& iColumnSpan);
    void GetWidgetSpanByIndex(SplitType enumType, int iId, int& iRowSpan, int& iColumnSpan);
    int GetWndCountByType(SplitType enumType);
    int GetVirtualWndCountByType(SplitType enumType);
    // The split type with the fewest windows that is at least iMin and at
    // most iMax; 0 when there is none.
    SplitType GetSuitableLayoutType(int iMin, int iMax);
    SplitType GetSuitableLayoutType(int iMin, int iMax, QVector<SplitType> vecCandidates);

private:
    bool SetXml(const QString& strXml);
    bool Load(const QString& strPath);
    bool ReLayout(SplitType enumType);
    void SetHideByWndCount(int iCount);
    void SetHideExWidget(QWidget* pWidget);
    bool CheckWidgetValid(QWidget* pWidget) const;
    bool IsCustomSplitType(const SplitType& enumType);
    void Clear();

    QScopedPointer<CWidgetLayoutMgrPrivate> d_ptr;
    Q_DECLARE_PRIVATE(CWidgetLayoutMgr)
    Q_DISABLE_COPY(CWidgetLayoutMgr)
};

} // namespace OrvaGUIToolkit

#endif
