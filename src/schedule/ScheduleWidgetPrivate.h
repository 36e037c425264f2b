#ifndef ORVAGUITOOLKIT_SCHEDULE_SCHEDULEWIDGETPRIVATE_H
#define ORVAGUITOOLKIT_SCHEDULE_SCHEDULEWIDGETPRIVATE_H

#include <OrvaGUIToolkit/Schedule/ScheduleWidget.h>

#include "dialogs/BaseDialogWithBottomPrivate.h"

QT_BEGIN_NAMESPACE
class QPushButton;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CRadioEditComb;
class ScheduleDaySelect;
class ScheduleFrame;

using ScheduleWeek = QMap<int, std::vector<ScheduleData>>;

// The dialog's form ("ScheduleWidgetClass") and its template state.
class ScheduleWidgetPrivate : public CBaseDialogWithBottomPrivate
{
    Q_DECLARE_PUBLIC(ScheduleWidget)

public:
    static constexpr int TemplateCount = 12;

    ScheduleWidgetPrivate(ScheduleWidget::Options enumOptions, bool bHoliday);

    void SetupForm();
    void InitSchedule();
    void InitTemplateEntries();
    void InitTempByType(int iId);
    void ResetStyleSheet();
    void SaveCurrentTemplate();
    bool SaveTemplateName();
    bool TemplateNameModified() const;
    void CancleTemplateEdit();
    int GetEmptyTemplate() const;
    ScheduleWeek EmptyWeek() const;
    // Index into the templates of a template id: the last slot for the
    // customized schedule, -1 for an id without a slot.
    int TemplateIndex(int iId) const;
    bool IsTemplateEntry(const QObject* pObject) const;
    void SelectEntries(const CRadioEditComb* pSelected, int iId);
    QPushButton* TypeButton(int iType) const;
    bool TestOptions(ScheduleWidget::Options enumOptions) const;

    // The form.
    ScheduleFrame* m_pScheduleFrame = nullptr;
    QList<CRadioEditComb*> m_lstEntries;
    QPushButton* m_pBtnContinuous = nullptr;
    QPushButton* m_pBtnEvent = nullptr;
    QPushButton* m_pBtnCommand = nullptr;
    QPushButton* m_pBtnReserved = nullptr;
    QPushButton* m_pBtnRemove = nullptr;
    QPushButton* m_pBtnEmpty = nullptr;
    QPushButton* m_pBtnCopy = nullptr;
    QPushButton* m_pBtnSaveAs = nullptr;
    QPushButton* m_pBtnEditTemp = nullptr;

    int m_iCurrentTemplate = -1;
    int m_iRecordTemplate = -1;
    ScheduleDaySelect* m_pDaySelect = nullptr;
    const ScheduleWidget::Options m_enumOptions;
    const bool m_bHoliday;
    bool m_bEditMode = false;
    int m_iCurrentType = ScheduleData::Continuous;
    bool m_bTemplateModified = false;
    bool m_bNameModified = false;
    int m_iFixedTemplateCount = 0;
    QList<ScheduleWeek> m_lstTemplates;
    QList<ScheduleWeek> m_lstTemplatesAtLoad;
    QList<bool> m_lstModifiedFlags;
    QList<QString> m_lstTemplateNames;
};

} // namespace OrvaGUIToolkit

#endif
