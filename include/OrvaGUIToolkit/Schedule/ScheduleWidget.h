#ifndef ORVAGUITOOLKIT_SCHEDULE_SCHEDULEWIDGET_H
#define ORVAGUITOOLKIT_SCHEDULE_SCHEDULEWIDGET_H

#include <OrvaGUIToolkit/Dialog/BaseDialogWithBottom.h>
#include <OrvaGUIToolkit/Schedule/ScheduleData.h>

#include <QtCore/QList>
#include <QtCore/QMap>

#include <vector>

namespace OrvaGUIToolkit {

class ScheduleWidgetPrivate;

// The "Templates Management" dialog of the weekly recording schedule. The
// client hands it up to twelve week schedules (its templates) and their
// names, shows one of them or a customized schedule, and after confirmation
// reads back the changed templates, names and the schedule shown.
//
// Templates below the fixed count (three, or two for event schedules) are
// read-only; user templates can be renamed and edited, and the customized
// schedule (id 1000) can be edited and saved as a template. Switching
// templates keeps edits; closing through the title bar asks before
// discarding them, Cancel discards them silently.
class ORVAGUITOOLKIT_EXPORT ScheduleWidget : public CBaseDialogWithBottom
{
    Q_OBJECT

public:
    // Compared for equality; any other value behaves as RecordSchedule.
    enum Options : int {
        RecordSchedule = 0,     // Continuous, Event Recording, Command
        CaptureSchedule = 1,    // Schedule Capture, Event Capture
        EventSchedule = 2       // event spans only, no type buttons
    };
    Q_ENUM(Options)

    // The id of the customized schedule, kept in the last template slot.
    static constexpr int CustomTemplateId = 1000;

    // iMoveStep and iResizeStep are seconds x 576 / 86400 per day pixel
    // (1800 gives steps of 3 pixels, 7.5 minutes).
    ScheduleWidget(Options enumOptions, int iMoveStep, int iResizeStep, QWidget* pParent = nullptr);
    ScheduleWidget(Options enumOptions, int iMoveStep, int iResizeStep, bool bHoliday, QWidget* pParent = nullptr);
    ~ScheduleWidget() override;

    void AddScheduleTemplate(const QList<QMap<int, std::vector<ScheduleData>>>& lstTemplates);
    void SetTemplateName(const QList<QString>& lstNames);
    void SetRecordParameters(int iId, const QMap<int, std::vector<ScheduleData>>& mapData);
    void SetCurrentTemplate(int iId);
    int GetCurrentTemplate() const;
    QMap<int, std::vector<ScheduleData>> GetRecordParameters() const;
    void GetModifiedTempData(QList<QMap<int, std::vector<ScheduleData>>>* pData, QList<bool>* pFlags) const;
    void GetModifiedTempName(QList<QString>* pNames) const;
    QString GetTempText() const;
    QString GetTempTextByIndex(int iId) const;
    void SetCommandTypeShown(bool bShown);
    // 0 to 8 spans per day.
    void SetMaxItemNum(int iNum);

Q_SIGNALS:
    void SignalTypeChange(ScheduleData::ScheduleItemType enumType);
    void SignalDeleteSelectItem();
    void SignalSaveTemplateModified();
    void SignalSaveTempNameModified();

private Q_SLOTS:
    void OnBtnContinue();
    void OnBtnEvent();
    void OnBtnCommand();
    void OnBtnIntellRecord();
    void OnBtnDelete();
    void OnBtnEmpty();
    void OnBtnCopy();
    void OnTempChanged(int iType);
    void OnScenceSelected(bool bSel);
    void OnEditTemplate();
    void OnConfirm();
    void OnCancleClicked();
    void OnCloseClicked();
    void OnCustomizedTemplateSaveAs();

private:
    Q_DECLARE_PRIVATE(ScheduleWidget)
    void SelectType(int iType);
};

} // namespace OrvaGUIToolkit

#endif
