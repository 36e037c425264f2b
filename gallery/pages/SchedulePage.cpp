#include "SchedulePage.h"
#include "pages/PageKit.h"

#include "GalleryData.h"

#include <OrvaGUIToolkit/Dialog/TitleWidget.h>
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>
#include <OrvaGUIToolkit/Label/Label.h>
#include <OrvaGUIToolkit/Schedule/ScheduleWidget.h>

#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

using namespace OrvaGUIToolkit;

namespace {

using Week = QMap<int, std::vector<ScheduleData>>;

constexpr ScheduleData::ScheduleItemType Continuous = ScheduleData::Continuous;
constexpr ScheduleData::ScheduleItemType Event = ScheduleData::Event;

// 7.5-minute steps: 1800 / 576 = 3 pixels of 2.5 minutes.
constexpr int StepValue = 1800;

QTime At(int iHour, int iMinute = 0)
{
    return iHour == 24 ? QTime(23, 59, 59) : QTime(iHour, iMinute);
}

Week EmptyWeek()
{
    Week week;
    for (int iDay = 0; iDay < 7; ++iDay)
        week.insert(iDay, {});
    return week;
}

Week EveryDay(const std::vector<ScheduleData>& vecDay)
{
    Week week;
    for (int iDay = 0; iDay < 7; ++iDay)
        week.insert(iDay, vecDay);
    return week;
}

// The site's templates: around the clock, the work week of the office wing,
// events only, and the user templates of the loading dock and the car park.
QList<Week> SiteTemplates()
{
    Week workWeek = EmptyWeek();
    for (int iDay = 0; iDay < 5; ++iDay)
        workWeek[iDay] = {{At(7, 30), At(18, 30), Continuous}, {At(18, 30), At(22), Event}};
    workWeek[5] = {{At(9), At(13), Event}};

    Week loadingDock = EmptyWeek();
    for (int iDay = 0; iDay < 6; ++iDay)
        loadingDock[iDay] = {{At(5, 30), At(9), Continuous}, {At(9), At(17, 30), Event}, {At(17, 30), At(21), Continuous}};
    loadingDock[6] = {{At(0), At(24), Event}};

    Week carPark = EveryDay({{At(0), At(6, 30), Continuous}, {At(6, 30), At(19, 30), Event}, {At(19, 30), At(24), Continuous}});

    return {EveryDay({{At(0), At(24), Continuous}}), workWeek, EveryDay({{At(0), At(24), Event}}), loadingDock, carPark};
}

// What the entrance camera records this month: the office work week with a
// late Thursday for the inventory.
Week EntranceSchedule()
{
    Week week = SiteTemplates().at(1);
    week[3] = {{At(7, 30), At(22), Continuous}, {At(22), At(24), Event}};
    week[6] = {{At(10), At(12), Event}};
    return week;
}

} // namespace

SchedulePage::SchedulePage(QWidget* pParent)
    : QWidget(pParent)
{
    auto* pLayout = CreateFlushLayout(this);

    auto* pModes = new QHBoxLayout;
    auto* pGroup = new QButtonGroup(this);
    auto* pTemplates = new QPushButton(tr("Site templates"), this);
    const QString strCamera = GalleryData::CameraNames().value(2);
    auto* pCustomized = new QPushButton(tr("Customized schedule of %1").arg(strCamera), this);
    for (QPushButton* pButton : {pTemplates, pCustomized}) {
        pButton->setCheckable(true);
        pGroup->addButton(pButton);
        pModes->addWidget(pButton);
    }
    pModes->addStretch(1);
    pTemplates->setChecked(true);
    connect(pTemplates, &QPushButton::clicked, this, &SchedulePage::ShowTemplates);
    connect(pCustomized, &QPushButton::clicked, this, &SchedulePage::ShowCustomizedSchedule);
    pLayout->addLayout(pModes);

    m_pDialogLayout = new QVBoxLayout;
    pLayout->addLayout(m_pDialogLayout);

    m_pLogLine = CreateLogLine(this);
    pLayout->addWidget(m_pLogLine);
    pLayout->addStretch(1);

    ShowTemplates();
    auto* pCopyMonday = new QPushButton(tr("Copy Monday to other days..."), this);
    pModes->insertWidget(2, pCopyMonday);
    connect(pCopyMonday, &QPushButton::clicked, this, &SchedulePage::OpenCopyTo);
}

void SchedulePage::Embed(ScheduleWidget* pDialog)
{
    delete m_pDialog;
    m_pDialog = pDialog;
    pDialog->setWindowFlags(Qt::Widget);
    if (auto* pTitle = pDialog->findChild<CTitleWidget*>(QStringLiteral("m_pTitleWidget")))
        pTitle->SetOpenWidgetMoveEnable(false);
    QList<QString> lstNames{QString(), QString(), QString(), tr("Loading dock"), tr("Car park")};
    pDialog->SetTemplateName(lstNames);
    pDialog->AddScheduleTemplate(SiteTemplates());
    connect(pDialog, &ScheduleWidget::SignalSaveTemplateModified, this, [this] {
        Log(tr("Templates changed: the client stores them"));
    });
    connect(pDialog, &ScheduleWidget::SignalSaveTempNameModified, this, [this] {
        Log(tr("Template names changed: the client stores them"));
    });
    connect(pDialog, &QDialog::finished, this, &SchedulePage::ReportResult);
    m_pDialogLayout->addWidget(pDialog, 0, Qt::AlignLeft);
}

void SchedulePage::ShowTemplates()
{
    Embed(new ScheduleWidget(ScheduleWidget::RecordSchedule, StepValue, StepValue, this));
    m_pDialog->SetCurrentTemplate(3);
    Log(tr("Draw on a day to add a span, drag its body or edges, pick a day and Copy to the others."));
}

void SchedulePage::ShowCustomizedSchedule()
{
    Embed(new ScheduleWidget(ScheduleWidget::RecordSchedule, StepValue, StepValue, this));
    m_pDialog->SetRecordParameters(ScheduleWidget::CustomTemplateId, EntranceSchedule());
    Log(tr("The camera's own schedule: edit it and save it as a template."));
}

// What the operator does by hand: pick Monday, then Copy to.
void SchedulePage::OpenCopyTo()
{
    const auto lstButtons = m_pDialog->findChildren<QPushButton*>();
    for (QPushButton* pButton : lstButtons) {
        if (pButton->text() == GetGuiLocale().dayName(1, QLocale::ShortFormat))
            pButton->click();
    }
    if (auto* pCopy = m_pDialog->findChild<QPushButton*>(QStringLiteral("m_pBtnCopy")))
        pCopy->click();
}

void SchedulePage::ReportResult(int iResult)
{
    if (iResult != QDialog::Accepted) {
        Log(tr("Closed without saving"));
    } else {
        int iSpans = 0;
        const Week week = m_pDialog->GetRecordParameters();
        for (const std::vector<ScheduleData>& vecDay : week)
            iSpans += int(vecDay.size());
        Log(tr("Saved \"%1\": %2 spans over the week").arg(m_pDialog->GetTempText()).arg(iSpans));
    }
    // Embedded, the dialog stays on the page after it was answered.
    m_pDialog->show();
}

void SchedulePage::Log(const QString& strMessage)
{
    m_pLogLine->setText(strMessage);
}
