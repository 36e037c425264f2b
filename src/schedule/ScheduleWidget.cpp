#include <OrvaGUIToolkit/Schedule/ScheduleWidget.h>

#include "foundation/ToolkitLogging.h"
#include "schedule/GraphicsView.h"
#include "schedule/RadioEditComb.h"
#include "schedule/ScheduleDaySelect.h"
#include "schedule/ScheduleFrame.h"
#include "schedule/ScheduleWidgetPrivate.h"

#include <OrvaGUIToolkit/Dialog/InformationDlg.h>
#include <OrvaGUIToolkit/Dialog/WarningDlg.h>
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>
#include <OrvaGUIToolkit/LineEdit/RegExpValidator.h>

#include <QtCore/QPointer>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStyle>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace OrvaGUIToolkit {

namespace {

const char* const EntryNames[] = {"pDayFrame", "pWorkDayFrame", "pAlarmFrame", "pTemp01Frame", "pTemp02Frame",
                                  "pTemp03Frame", "pTemp04Frame", "pTemp05Frame", "pTemp06Frame", "pTemp07Frame",
                                  "pTemp08Frame", "pCustomFrame"};

// Names fit the 32-byte field the client stores them in.
constexpr int TemplateNameBytes = 32;

QString SchedulePicture(const char* szName)
{
    return QStringLiteral(":/OrvaDesk/Schedule/Images/Public/Component/Schedule/") + QLatin1String(szName)
           + QStringLiteral(".png");
}

QString IconPicture(const char* szName)
{
    return QStringLiteral(":/OrvaDesk/Icon/Images/Public/Icon/") + QLatin1String(szName) + QStringLiteral(".png");
}

QPushButton* MakeTypeButton(const QString& strName, const QString& strText, const QString& strPicture, QWidget* pParent)
{
    auto* pButton = new QPushButton(strText, pParent);
    pButton->setObjectName(strName);
    pButton->setIcon(QIcon(QStringCovertPixmap(strPicture)));
    pButton->setFocusPolicy(Qt::NoFocus);
    return pButton;
}

// An icon button whose meaning is in its tool tip.
QPushButton* MakeIconButton(const QString& strName, const QString& strTip, const QString& strPicture, QWidget* pParent)
{
    auto* pButton = new QPushButton(pParent);
    pButton->setObjectName(strName);
    pButton->setToolTip(strTip);
    pButton->setIcon(QIcon(QStringCovertPixmap(strPicture)));
    pButton->setFocusPolicy(Qt::NoFocus);
    return pButton;
}

void Repolish(QWidget* pWidget)
{
    pWidget->style()->unpolish(pWidget);
    pWidget->style()->polish(pWidget);
}

} // namespace

ScheduleWidgetPrivate::ScheduleWidgetPrivate(ScheduleWidget::Options enumOptions, bool bHoliday)
    : m_enumOptions(enumOptions)
    , m_bHoliday(bHoliday)
{
}

bool ScheduleWidgetPrivate::TestOptions(ScheduleWidget::Options enumOptions) const
{
    return enumOptions == ScheduleWidget::RecordSchedule || enumOptions == ScheduleWidget::CaptureSchedule
           || enumOptions == ScheduleWidget::EventSchedule;
}

void ScheduleWidgetPrivate::SetupForm()
{
    Q_Q(ScheduleWidget);
    QWidget* pContent = q->GetSetUpUiWidget();
    auto* pMain = new QHBoxLayout(pContent);
    // The week grid needs 703 pixels of the dialog's 885: the template list
    // takes what is left.
    pMain->setContentsMargins(6, 6, 6, 0);
    pMain->setSpacing(8);

    auto* pTempFrame = new QFrame(pContent);
    pTempFrame->setObjectName(QStringLiteral("m_pTempFrame"));
    pTempFrame->setFixedWidth(140);
    auto* pTempLayout = new QVBoxLayout(pTempFrame);
    pTempLayout->setContentsMargins(8, 12, 8, 12);
    pTempLayout->setSpacing(6);
    for (const char* szName : EntryNames) {
        auto* pEntry = new CRadioEditComb(pTempFrame);
        pEntry->setObjectName(QLatin1String(szName));
        pTempLayout->addWidget(pEntry);
        m_lstEntries.append(pEntry);
    }
    pTempLayout->addStretch(1);
    pMain->addWidget(pTempFrame);

    auto* pRight = new QVBoxLayout;
    pRight->setSpacing(6);
    auto* pTools = new QHBoxLayout;
    pTools->setSpacing(6);
    m_pBtnContinuous = MakeTypeButton(QStringLiteral("m_pBtnContinuous"), ScheduleWidget::tr("Continuous"),
                                      SchedulePicture("Continuous"), pContent);
    m_pBtnEvent = MakeTypeButton(QStringLiteral("m_pBtnEvent"), ScheduleWidget::tr("Event Recording"),
                                 SchedulePicture("Event"), pContent);
    m_pBtnCommand = MakeTypeButton(QStringLiteral("m_pBtnCommand"), ScheduleWidget::tr("Command"),
                                   SchedulePicture("Command"), pContent);
    m_pBtnReserved = MakeTypeButton(QStringLiteral("m_pBtnReserved"), QString(), SchedulePicture("EventCommand"),
                                    pContent);
    for (QPushButton* pButton : {m_pBtnContinuous, m_pBtnEvent, m_pBtnCommand, m_pBtnReserved})
        pTools->addWidget(pButton);
    pTools->addStretch(1);
    m_pBtnRemove = MakeIconButton(QStringLiteral("m_pBtnRemove"), ScheduleWidget::tr("Remove"),
                                  IconPicture("DeletePlan"), pContent);
    m_pBtnEmpty = MakeIconButton(QStringLiteral("m_pBtnEmpty"), ScheduleWidget::tr("Delete All"),
                                 IconPicture("Remove"), pContent);
    m_pBtnCopy = MakeIconButton(QStringLiteral("m_pBtnCopy"), ScheduleWidget::tr("Copy to"), IconPicture("Copy"),
                                pContent);
    m_pBtnSaveAs = new QPushButton(ScheduleWidget::tr("Save to Schedule Template"), pContent);
    m_pBtnSaveAs->setObjectName(QStringLiteral("m_pBtnSaveAs"));
    m_pBtnEditTemp = new QPushButton(ScheduleWidget::tr("Edit"), pContent);
    m_pBtnEditTemp->setObjectName(QStringLiteral("m_pBtnEditTemp"));
    for (QWidget* pButton : std::initializer_list<QWidget*>{m_pBtnRemove, m_pBtnEmpty, m_pBtnCopy, m_pBtnSaveAs,
                                                             m_pBtnEditTemp})
        pTools->addWidget(pButton);
    pRight->addLayout(pTools);

    m_pScheduleFrame = new ScheduleFrame(pContent);
    m_pScheduleFrame->setObjectName(QStringLiteral("m_pScheduleFrame"));
    m_pScheduleFrame->setMinimumWidth(m_pScheduleFrame->sizeHint().width());
    pRight->addWidget(m_pScheduleFrame, 1);
    pMain->addLayout(pRight, 1);
}

void ScheduleWidgetPrivate::InitSchedule()
{
    Q_Q(ScheduleWidget);
    if (!TestOptions(m_enumOptions))
        qCWarning(lcOrvaGUIToolkit, "ScheduleWidget::InitSchedule: unknown options %d", int(m_enumOptions));
    // Signals spell the type without its namespace; queued connections and
    // signal spies find it by that name.
    qRegisterMetaType<ScheduleData::ScheduleItemType>("ScheduleData::ScheduleItemType");
    qRegisterMetaType<ScheduleData::ScheduleItemType>();
    q->setObjectName(QStringLiteral("ScheduleWidget"));
    q->SetCloseBtnVisible(true);
    q->SetTitle(ScheduleWidget::tr("Templates Management"));
    q->SetConfirmBtnText(ScheduleWidget::tr("OK"));

    SetupForm();
    m_pBtnReserved->hide();
    m_pBtnEditTemp->hide();
    m_pBtnSaveAs->hide();
    QObject::connect(m_pBtnSaveAs, SIGNAL(clicked()), q, SLOT(OnCustomizedTemplateSaveAs()));

    for (int i = 0; i < TemplateCount; ++i)
        m_lstTemplates.append(ScheduleWeek());
    m_lstModifiedFlags = QList<bool>();
    for (int i = 0; i < TemplateCount; ++i)
        m_lstModifiedFlags.append(false);
    if (m_bHoliday)
        m_pScheduleFrame->AddHolidayRow();
    for (ScheduleWeek& week : m_lstTemplates)
        week = EmptyWeek();
    m_lstTemplatesAtLoad = m_lstTemplates;

    QObject::connect(q, SIGNAL(SignalTypeChange(ScheduleData::ScheduleItemType)), m_pScheduleFrame,
                     SIGNAL(SignalTypeChange(ScheduleData::ScheduleItemType)));
    if (m_enumOptions == ScheduleWidget::CaptureSchedule) {
        m_pBtnContinuous->setText(ScheduleWidget::tr("Schedule Capture"));
        m_pBtnEvent->setText(ScheduleWidget::tr("Event Capture"));
        m_pBtnCommand->hide();
    } else if (m_enumOptions == ScheduleWidget::EventSchedule) {
        m_iCurrentType = ScheduleData::Event;
        Q_EMIT q->SignalTypeChange(ScheduleData::Event);
    }

    QObject::connect(m_pBtnContinuous, SIGNAL(clicked()), q, SLOT(OnBtnContinue()));
    QObject::connect(m_pBtnEvent, SIGNAL(clicked()), q, SLOT(OnBtnEvent()));
    QObject::connect(m_pBtnCommand, SIGNAL(clicked()), q, SLOT(OnBtnCommand()));
    QObject::connect(m_pBtnReserved, SIGNAL(clicked()), q, SLOT(OnBtnIntellRecord()));
    QObject::connect(m_pBtnRemove, SIGNAL(clicked()), q, SLOT(OnBtnDelete()));
    QObject::connect(m_pBtnEmpty, SIGNAL(clicked()), q, SLOT(OnBtnEmpty()));
    QObject::connect(m_pBtnCopy, SIGNAL(clicked()), q, SLOT(OnBtnCopy()));
    QObject::connect(m_pBtnEditTemp, SIGNAL(clicked()), q, SLOT(OnEditTemplate()));

    InitTemplateEntries();

    QObject::connect(q, SIGNAL(SignalDeleteSelectItem()), m_pScheduleFrame, SIGNAL(SignalDeleteSelectItem()));
    QObject::connect(m_pScheduleFrame, SIGNAL(SignalScenceSelected(bool)), q, SLOT(OnScenceSelected(bool)));
    ScheduleWidget::ReConnect(q->GetConfirmBtn(), SIGNAL(clicked()), q, SLOT(OnConfirm()), Qt::AutoConnection);
    ScheduleWidget::ReConnect(q->GetCancelBtn(), SIGNAL(clicked()), q, SLOT(OnCancleClicked()), Qt::AutoConnection);
    ScheduleWidget::ReConnect(q->GetCloseBtn(), SIGNAL(clicked()), q, SLOT(OnCloseClicked()), Qt::AutoConnection);

    m_lstEntries.first()->SetSelected(true, false);
    InitTempByType(0);
}

void ScheduleWidgetPrivate::InitTemplateEntries()
{
    Q_Q(ScheduleWidget);
    const bool bEventSchedule = m_enumOptions == ScheduleWidget::EventSchedule;
    m_iFixedTemplateCount = bEventSchedule ? 2 : 3;
    QStringList lstTexts{ScheduleWidget::tr("Day Template"), ScheduleWidget::tr("Business Day")};
    if (!bEventSchedule)
        lstTexts.append(ScheduleWidget::tr("Event Template"));
    for (int i = 1; lstTexts.size() < TemplateCount - 1; ++i)
        lstTexts.append(ScheduleWidget::tr("Template%1").arg(i, 2, 10, QLatin1Char('0')));
    lstTexts.append(ScheduleWidget::tr("Custom"));
    if (bEventSchedule) {
        for (QPushButton* pButton : {m_pBtnContinuous, m_pBtnEvent, m_pBtnCommand, m_pBtnReserved})
            pButton->hide();
    }

    for (int i = 0; i < m_lstEntries.size(); ++i) {
        CRadioEditComb* pEntry = m_lstEntries.at(i);
        const bool bLast = i == m_lstEntries.size() - 1;
        pEntry->SetText(lstTexts.at(i));
        pEntry->SetShowOption(i < m_iFixedTemplateCount ? CRadioEditComb::FixedName : CRadioEditComb::EditableName);
        pEntry->SetValidator(new CRegExpValidator(TemplateNameBytes, pEntry));
        pEntry->SetId(bLast ? ScheduleWidget::CustomTemplateId : i);
        pEntry->setVisible(!bLast);
        m_lstTemplateNames.append(pEntry->GetText());
        QObject::connect(pEntry, SIGNAL(SignalSelected(int)), q, SLOT(OnTempChanged(int)));
    }
}

ScheduleWeek ScheduleWidgetPrivate::EmptyWeek() const
{
    ScheduleWeek week;
    const int iDays = m_bHoliday ? ScheduleFrame::DayCount + 1 : ScheduleFrame::DayCount;
    for (int iDay = 0; iDay < iDays; ++iDay)
        week.insert(iDay, std::vector<ScheduleData>());
    return week;
}

int ScheduleWidgetPrivate::TemplateIndex(int iId) const
{
    if (iId == ScheduleWidget::CustomTemplateId)
        return m_lstTemplates.size() - 1;
    return iId >= 0 && iId < m_lstTemplates.size() - 1 ? iId : -1;
}

bool ScheduleWidgetPrivate::IsTemplateEntry(const QObject* pObject) const
{
    for (const CRadioEditComb* pEntry : m_lstEntries) {
        if (pEntry == pObject)
            return true;
    }
    return false;
}

void ScheduleWidgetPrivate::SelectEntries(const CRadioEditComb* pSelected, int iId)
{
    for (int i = 0; i < m_lstEntries.size(); ++i) {
        CRadioEditComb* pEntry = m_lstEntries.at(i);
        const bool bSelected = pSelected ? pEntry == pSelected : pEntry->GetId() == iId;
        pEntry->SetSelected(bSelected, i >= m_iFixedTemplateCount);
    }
}

void ScheduleWidgetPrivate::InitTempByType(int iId)
{
    Q_Q(ScheduleWidget);
    m_pScheduleFrame->SetViewLocked(true);
    for (QWidget* pButton : std::initializer_list<QWidget*>{m_pBtnContinuous, m_pBtnEvent, m_pBtnCommand,
                                                             m_pBtnReserved, m_pBtnEmpty, m_pBtnRemove, m_pBtnCopy})
        pButton->setEnabled(false);
    m_bEditMode = false;

    if (iId == ScheduleWidget::CustomTemplateId) {
        q->SetTitle(ScheduleWidget::tr("Customized Schedule"));
        for (CRadioEditComb* pEntry : qAsConst(m_lstEntries))
            pEntry->hide();
        // The narrower dialog of a customized schedule keeps its width for the grid.
        m_lstEntries.first()->parentWidget()->hide();
        m_pBtnSaveAs->show();
        q->setFixedWidth(750);
    } else {
        SelectEntries(nullptr, iId);
    }

    // Fixed templates are read-only; user templates and the customized
    // schedule can be edited; unknown options edit nothing.
    const int iFirstEditable = m_enumOptions == ScheduleWidget::EventSchedule ? 1 : 2;
    m_bEditMode = TestOptions(m_enumOptions) && iFirstEditable < iId && iId < 1001;
    if (m_bEditMode) {
        for (QWidget* pButton : std::initializer_list<QWidget*>{m_pBtnContinuous, m_pBtnEvent, m_pBtnCommand,
                                                                 m_pBtnReserved, m_pBtnEmpty})
            pButton->setEnabled(true);
        m_pScheduleFrame->SetViewLocked(false);
    }
    ResetStyleSheet();
    m_pScheduleFrame->SetEditable(m_bEditMode);
}

QPushButton* ScheduleWidgetPrivate::TypeButton(int iType) const
{
    switch (iType) {
    case ScheduleData::Continuous:
        return m_pBtnContinuous;
    case ScheduleData::Event:
        return m_pBtnEvent;
    case ScheduleData::Command:
        return m_pBtnCommand;
    case ScheduleData::IntellRecord:
        return m_pBtnReserved;
    default:
        return nullptr;
    }
}

void ScheduleWidgetPrivate::ResetStyleSheet()
{
    Q_Q(ScheduleWidget);
    for (QPushButton* pButton : {m_pBtnContinuous, m_pBtnEvent, m_pBtnCommand, m_pBtnReserved})
        pButton->setObjectName(QString());
    QPushButton* pCurrent = TypeButton(m_iCurrentType);
    if (m_bEditMode && pCurrent) {
        pCurrent->setObjectName(QStringLiteral("CurSelectedBtn"));
        // Over empty space the row shows what a drag would draw.
        // Without the client's picture a cross still tells drawing from dragging.
        const QPixmap pmCursor = pCurrent->icon().pixmap(16, 16);
        m_pScheduleFrame->SetCursor(pmCursor.isNull() ? QCursor(Qt::CrossCursor) : QCursor(pmCursor, -1, -1));
    }
    for (QPushButton* pButton : {m_pBtnContinuous, m_pBtnEvent, m_pBtnCommand, m_pBtnReserved})
        Repolish(pButton);
    q->update();
}

void ScheduleWidgetPrivate::SaveCurrentTemplate()
{
    const int iIndex = TemplateIndex(m_iCurrentTemplate);
    if (iIndex < 0)
        return;
    m_lstTemplates[iIndex] = m_pScheduleFrame->GetData();
    m_lstModifiedFlags[iIndex] = true;
}

bool ScheduleWidgetPrivate::SaveTemplateName()
{
    for (int i = 0; i < m_lstEntries.size(); ++i) {
        CRadioEditComb* pEntry = m_lstEntries.at(i);
        const QString strText = pEntry->GetText();
        if (strText == m_lstTemplateNames.at(i))
            continue;
        m_bNameModified = true;
        if (strText.trimmed().isEmpty()) {
            pEntry->ShowTooltip(ScheduleWidget::tr("Template name cannot be empty."));
            pEntry->SetFocus();
            return false;
        }
        const int iTaken = m_lstTemplateNames.indexOf(strText);
        if (iTaken >= 0 && iTaken != i) {
            pEntry->ShowTooltip(ScheduleWidget::tr("Template name already exist."));
            pEntry->SetFocus();
            return false;
        }
        m_lstTemplateNames[i] = strText;
    }
    if (m_bNameModified) {
        for (int i = 0; i < m_lstEntries.size() - 1; ++i)
            m_lstTemplateNames[i] = m_lstEntries.at(i)->GetText();
    }
    return true;
}

bool ScheduleWidgetPrivate::TemplateNameModified() const
{
    for (int i = 0; i < m_lstEntries.size() - 1; ++i) {
        if (m_lstEntries.at(i)->GetText() != m_lstTemplateNames.at(i))
            return true;
    }
    return false;
}

void ScheduleWidgetPrivate::CancleTemplateEdit()
{
    m_lstTemplates = m_lstTemplatesAtLoad;
    m_bTemplateModified = false;
    for (int i = m_iFixedTemplateCount; i < m_lstEntries.size() - 1; ++i) {
        if (m_lstEntries.at(i)->GetText() != m_lstTemplateNames.at(i))
            m_lstEntries.at(i)->SetText(m_lstTemplateNames.at(i));
    }
}

int ScheduleWidgetPrivate::GetEmptyTemplate() const
{
    // An empty customized slot counts as well: the schedule is then stored
    // there, and the notice names it.
    const int iIndex = m_lstTemplates.indexOf(EmptyWeek());
    return iIndex >= 0 ? iIndex : m_iFixedTemplateCount;
}

ScheduleWidget::ScheduleWidget(Options enumOptions, int iMoveStep, int iResizeStep, QWidget* pParent)
    : CBaseDialogWithBottom(*new ScheduleWidgetPrivate(enumOptions, false), pParent)
{
    // Unlike the holiday-less form of the other constructor, the grid keeps
    // its natural height here.
    Q_D(ScheduleWidget);
    d->InitSchedule();
    setFixedSize(885, 555);
    d->m_pScheduleFrame->SetMoveStep(iMoveStep);
    d->m_pScheduleFrame->SetResizeStep(iResizeStep);
}

ScheduleWidget::ScheduleWidget(Options enumOptions, int iMoveStep, int iResizeStep, bool bHoliday, QWidget* pParent)
    : CBaseDialogWithBottom(*new ScheduleWidgetPrivate(enumOptions, bHoliday), pParent)
{
    Q_D(ScheduleWidget);
    d->InitSchedule();
    if (bHoliday) {
        setFixedSize(885, 570);
    } else {
        d->m_pScheduleFrame->setFixedHeight(400);
        setFixedSize(885, 555);
    }
    d->m_pScheduleFrame->SetMoveStep(iMoveStep);
    d->m_pScheduleFrame->SetResizeStep(iResizeStep);
}

ScheduleWidget::~ScheduleWidget() = default;

void ScheduleWidget::AddScheduleTemplate(const QList<QMap<int, std::vector<ScheduleData>>>& lstTemplates)
{
    Q_D(ScheduleWidget);
    const int iDays = d->EmptyWeek().size();
    const int iCount = qMin(int(lstTemplates.size()), int(ScheduleWidgetPrivate::TemplateCount));
    for (int i = 0; i < iCount; ++i) {
        const ScheduleWeek& week = lstTemplates.at(i);
        const int iGivenDays = qMin(iDays, int(week.size()));
        for (int iDay = 0; iDay < iGivenDays; ++iDay)
            d->m_lstTemplates[i][iDay] = week.value(iDay);
    }
    d->m_lstTemplatesAtLoad = d->m_lstTemplates;
}

void ScheduleWidget::SetTemplateName(const QList<QString>& lstNames)
{
    Q_D(ScheduleWidget);
    const int iCount = int(qMin(lstNames.size(), d->m_lstTemplateNames.size()));
    for (int i = 0; i < iCount; ++i) {
        // The entry's 32-byte limit binds typing only; a given name is taken whole.
        const QString& strName = lstNames.at(i);
        if (strName.isEmpty())
            continue;
        d->m_lstTemplateNames[i] = strName;
        d->m_lstEntries.at(i)->SetText(strName);
    }
}

void ScheduleWidget::SetRecordParameters(int iId, const QMap<int, std::vector<ScheduleData>>& mapData)
{
    Q_D(ScheduleWidget);
    if (iId < 0 || d->m_lstTemplates.isEmpty())
        return;
    if (iId == CustomTemplateId) {
        ScheduleWeek& custom = d->m_lstTemplates.last();
        const int iDays = int(qMin(custom.size(), mapData.size()));
        for (int iDay = 0; iDay < iDays; ++iDay)
            custom[iDay] = mapData.value(iDay);
        d->m_pScheduleFrame->SetData(custom);
    } else if (iId < ScheduleWidgetPrivate::TemplateCount - 1) {
        d->m_pScheduleFrame->SetData(d->m_lstTemplates.at(iId));
    } else {
        qCWarning(lcOrvaGUIToolkit, "ScheduleWidget::SetRecordParameters: no template %d", iId);
        return;
    }
    d->m_iRecordTemplate = iId;
    OnTempChanged(iId);
}

void ScheduleWidget::SetCurrentTemplate(int iId)
{
    SetRecordParameters(iId, QMap<int, std::vector<ScheduleData>>());
}

int ScheduleWidget::GetCurrentTemplate() const
{
    Q_D(const ScheduleWidget);
    return d->m_iCurrentTemplate;
}

QMap<int, std::vector<ScheduleData>> ScheduleWidget::GetRecordParameters() const
{
    Q_D(const ScheduleWidget);
    return d->m_pScheduleFrame->GetData();
}

void ScheduleWidget::GetModifiedTempData(QList<QMap<int, std::vector<ScheduleData>>>* pData, QList<bool>* pFlags) const
{
    Q_D(const ScheduleWidget);
    if (!pData || !pFlags) {
        qCWarning(lcOrvaGUIToolkit, "ScheduleWidget::GetModifiedTempData: pData == NULL || pFlags == NULL");
        return;
    }
    *pData = d->m_lstTemplates;
    *pFlags = d->m_lstModifiedFlags;
}

void ScheduleWidget::GetModifiedTempName(QList<QString>* pNames) const
{
    Q_D(const ScheduleWidget);
    if (!pNames) {
        qCWarning(lcOrvaGUIToolkit, "ScheduleWidget::GetModifiedTempName: pNames == NULL");
        return;
    }
    *pNames = d->m_lstTemplateNames;
}

QString ScheduleWidget::GetTempText() const
{
    Q_D(const ScheduleWidget);
    for (const CRadioEditComb* pEntry : d->m_lstEntries) {
        if (pEntry->IsSelected())
            return pEntry->GetText();
    }
    return QString();
}

QString ScheduleWidget::GetTempTextByIndex(int iId) const
{
    Q_D(const ScheduleWidget);
    if (d->m_lstEntries.isEmpty())
        return QString();
    for (const CRadioEditComb* pEntry : d->m_lstEntries) {
        if (pEntry->GetId() == iId)
            return pEntry->GetText();
    }
    return d->m_lstEntries.last()->GetText();
}

void ScheduleWidget::SetCommandTypeShown(bool bShown)
{
    Q_D(ScheduleWidget);
    d->m_pBtnCommand->setVisible(bShown);
}

void ScheduleWidget::SetMaxItemNum(int iNum)
{
    Q_D(ScheduleWidget);
    d->m_pScheduleFrame->SetMaxItemNum(iNum);
}

void ScheduleWidget::SelectType(int iType)
{
    Q_D(ScheduleWidget);
    QPointer<ScheduleWidget> pGuard(this);
    Q_EMIT SignalTypeChange(ScheduleData::ScheduleItemType(iType));
    if (!pGuard)
        return;
    d->m_iCurrentType = iType;
    d->ResetStyleSheet();
}

void ScheduleWidget::OnBtnContinue()
{
    SelectType(ScheduleData::Continuous);
}

void ScheduleWidget::OnBtnEvent()
{
    SelectType(ScheduleData::Event);
}

void ScheduleWidget::OnBtnCommand()
{
    SelectType(ScheduleData::Command);
}

void ScheduleWidget::OnBtnIntellRecord()
{
    SelectType(ScheduleData::IntellRecord);
}

void ScheduleWidget::OnBtnDelete()
{
    QPointer<ScheduleWidget> pGuard(this);
    Q_EMIT SignalDeleteSelectItem();
    if (pGuard)
        update();
}

void ScheduleWidget::OnBtnEmpty()
{
    Q_D(ScheduleWidget);
    d->m_pScheduleFrame->DeleteAll();
    update();
}

void ScheduleWidget::OnBtnCopy()
{
    Q_D(ScheduleWidget);
    if (!d->m_pDaySelect) {
        d->m_pDaySelect = new ScheduleDaySelect(this, d->m_bHoliday);
        connect(d->m_pDaySelect, SIGNAL(SignalCheckedDay(int)), d->m_pScheduleFrame, SLOT(OnCheckdDay(int)));
    }
    d->m_pDaySelect->SetCurrentDay(d->m_pScheduleFrame->GetCurrentDay());
    d->m_pDaySelect->move(d->m_pBtnCopy->mapToGlobal(d->m_pBtnCopy->rect().bottomLeft()));
    d->m_pDaySelect->show();
}

void ScheduleWidget::OnScenceSelected(bool bSel)
{
    Q_D(ScheduleWidget);
    d->m_pBtnRemove->setEnabled(d->m_bEditMode && bSel);
    d->m_pBtnCopy->setEnabled(d->m_iCurrentTemplate < CustomTemplateId ? d->m_bEditMode : d->m_bEditMode && bSel);
}

void ScheduleWidget::OnTempChanged(int iType)
{
    Q_D(ScheduleWidget);
    if (iType < 0 || iType == d->m_iCurrentTemplate)
        return;
    d->m_pScheduleFrame->ClearDaySelection();
    if (d->IsTemplateEntry(sender()))
        d->SelectEntries(qobject_cast<const CRadioEditComb*>(sender()), iType);
    // Switching templates keeps the edits of the one left, without asking.
    if (d->m_pScheduleFrame->IsModified() && d->TemplateIndex(d->m_iCurrentTemplate) >= 0) {
        d->m_bTemplateModified = true;
        d->SaveCurrentTemplate();
    }
    d->m_iCurrentTemplate = iType;
    d->InitTempByType(iType);
    const int iIndex = d->TemplateIndex(iType);
    if (iIndex >= 0)
        d->m_pScheduleFrame->SetData(d->m_lstTemplates.at(iIndex));
}

void ScheduleWidget::OnEditTemplate()
{
    // Templates are edited in place; the Edit button stays hidden.
}

void ScheduleWidget::OnConfirm()
{
    Q_D(ScheduleWidget);
    if (d->m_iCurrentTemplate != CustomTemplateId && !d->SaveTemplateName())
        return;
    QPointer<ScheduleWidget> pGuard(this);
    if (d->m_pScheduleFrame->IsModified()) {
        if (d->m_iCurrentTemplate == CustomTemplateId && !d->m_lstTemplates.contains(d->m_pScheduleFrame->GetData())
            && CWarningDlg::CheckMessageInfo(
                   tr("Customized template was modified, do you want to save as schedule template?"),
                   tr("Information"), this)
                   == 1) {
            if (!pGuard)
                return;
            OnCustomizedTemplateSaveAs();
        }
        if (!pGuard)
            return;
        d->SaveCurrentTemplate();
        for (int i = 0; i < d->m_lstModifiedFlags.size() - 1; ++i)
            d->m_bTemplateModified = d->m_bTemplateModified || d->m_lstModifiedFlags.at(i);
    }
    if (d->m_bTemplateModified) {
        d->m_bTemplateModified = false;
        Q_EMIT SignalSaveTemplateModified();
        if (!pGuard)
            return;
    }
    if (d->m_bNameModified) {
        d->m_bNameModified = false;
        Q_EMIT SignalSaveTempNameModified();
        if (!pGuard)
            return;
    }
    accept();
}

void ScheduleWidget::OnCancleClicked()
{
    reject();
}

void ScheduleWidget::OnCloseClicked()
{
    Q_D(ScheduleWidget);
    if (d->m_pScheduleFrame->IsModified() || d->m_bTemplateModified || d->TemplateNameModified()) {
        QPointer<ScheduleWidget> pGuard(this);
        const int iAnswer = CWarningDlg::CheckMessageInfo(
            tr("Template was modified, do you want to exit without saving it?"), tr("Information"), this);
        if (!pGuard || iAnswer != 1)
            return;
    }
    reject();
}

void ScheduleWidget::OnCustomizedTemplateSaveAs()
{
    Q_D(ScheduleWidget);
    const ScheduleWeek data = d->m_pScheduleFrame->GetData();
    int iIndex = d->m_lstTemplates.indexOf(data);
    if (iIndex >= 0 && iIndex != d->m_lstTemplates.size() - 1) {
        CInformationDlg::ShowInformationAtScreenRightBottom(tr("The same template is existed."), parentWidget());
        return;
    }
    iIndex = d->GetEmptyTemplate();
    d->m_lstTemplates[iIndex] = data;
    d->m_lstModifiedFlags[iIndex] = true;
    CInformationDlg::ShowInformationAtScreenRightBottom(
        tr("The customized template has been saved as %1.").arg(d->m_lstTemplateNames.at(iIndex), 0, QLatin1Char(' ')),
        parentWidget());
    if (sender() == d->m_pBtnSaveAs)
        Q_EMIT SignalSaveTemplateModified();
}

} // namespace OrvaGUIToolkit

#include "OrvaGUIToolkit/Schedule/moc_ScheduleWidget.cpp"
