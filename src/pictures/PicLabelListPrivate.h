#ifndef ORVAGUITOOLKIT_PICTURES_PICLABELLISTPRIVATE_H
#define ORVAGUITOOLKIT_PICTURES_PICLABELLISTPRIVATE_H

#include <OrvaGUIToolkit/Picture/PicLabelList.h>

#include "pictures/list/PicPagingGroup.h"
#include "pictures/list/PicRecord.h"

#include <QtCore/QPoint>
#include <QtCore/QVector>

QT_BEGIN_NAMESPACE
class QGridLayout;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CPicBaseLabel;

class CPicLabelListPrivate
{
    Q_DECLARE_PUBLIC(CPicLabelList)

public:
    // A press starts a rubber band; with Ctrl alone it toggles instead of replacing.
    enum class DragState { None, Band, ToggleBand };

    virtual ~CPicLabelListPrivate() = default;

    unsigned NextLsh();
    struPicRecord* Record(unsigned uLsh);
    void LogMissing(unsigned uLsh) const;
    // Removes the record and its model item; false when uLsh is not in the list.
    bool RemoveRecord(unsigned uLsh);
    void CountChanged();
    void BuildPage(const struPicPagingGroup& group);
    CPicBaseLabel* CreateLabel(const struPicRecord& record);
    void ShowRecordPicture(CPicBaseLabel* pLabel, const struPicRecord& record) const;
    // The group laid out at the current picture size and gap stays within
    // the largest size a widget may take.
    bool PageInWidgetRange(const struPicPagingGroup& group) const;
    QList<CPicBaseLabel*> SelectedLabels() const;
    CPicBaseLabel* LabelAt(const QPoint& point) const;

    CPicLabelList* q_ptr = nullptr;
    CPicLabelList::ShowMode m_enumShowMode = CPicLabelList::Paged;
    int m_iGap = 5;
    int m_iMarginLeft = 0;
    int m_iMarginTop = 0;
    int m_iMarginRight = 0;
    int m_iMarginBottom = 0;
    bool m_bAutoMargin = true;
    unsigned m_uTotalPages = 0;
    unsigned m_uCurrentPage = 1;
    unsigned m_uPicWidth = 0;
    unsigned m_uPicHeight = 0;
    unsigned m_uPicCount = 0;
    unsigned m_uLastLsh = 0;
    DragState m_enumDrag = DragState::None;
    QPoint m_ptPress;
    QPoint m_ptCurrent;
    QGridLayout* m_pGridLayout = nullptr;
    CPicBaseLabel* m_pAnchorLabel = nullptr;
    CPicDataModel* m_pModel = nullptr;
    QColor m_colorBoxSel{213, 65, 65};
    QPixmap m_pmLabelBackground;
    QColor m_colorLabelSelected;
    QList<CPicBaseLabel*> m_listShownLabels;
    // The selection as it stood at the last release of the mouse.
    QList<CPicBaseLabel*> m_listSelectedLabels;
    // Contiguous: ten thousand records should not mean ten thousand allocations.
    QVector<struPicRecord> m_listRecords;
    QList<struPicPagingGroup> m_listGroups;
};

} // namespace OrvaGUIToolkit

#endif
