#include "DateTimePickersPage.h"
#include "pages/PageKit.h"

#include "GalleryData.h"

#include <OrvaGUIToolkit/Calendar/BeginEndCalendarWidget.h>
#include <OrvaGUIToolkit/Calendar/DateEdit.h>
#include <OrvaGUIToolkit/Calendar/DateTimeEdit.h>
#include <OrvaGUIToolkit/Calendar/RangeDateEdit.h>
#include <OrvaGUIToolkit/Calendar/RangeDateTimeEdit.h>
#include <OrvaGUIToolkit/Calendar/TimeEdit.h>
#include <OrvaGUIToolkit/Calendar/YearMonthDayEdit.h>
#include <OrvaGUIToolkit/Label/Label.h>

#include <QtWidgets/QComboBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

using namespace OrvaGUIToolkit;

namespace {

const QString s_strDateTime = QStringLiteral("yyyy-MM-dd hh:mm:ss");

QString HoursText(qint64 iSeconds)
{
    return QObject::tr("%1 h %2 min").arg(iSeconds / 3600).arg((iSeconds % 3600) / 60, 2, 10, QLatin1Char('0'));
}

} // namespace

DateTimePickersPage::DateTimePickersPage(QWidget* pParent)
    : QWidget(pParent)
{
    auto* pLayout = CreatePageLayout(this);
    m_pLogLine = CreateLogLine(this);

    auto* pColumns = CreatePartsLayout<QHBoxLayout>();
    pColumns->addWidget(CreateSearchBox(), 0, Qt::AlignTop);
    pColumns->addWidget(CreateResultBox(), 1, Qt::AlignTop);
    pLayout->addLayout(pColumns);
    pLayout->addStretch(1);
    pLayout->addWidget(m_pLogLine);

    OnSearch();
    Log(tr("Open a field's pop-up; confirm a begin later than the end to see the refusal."));
}

QWidget* DateTimePickersPage::CreateSearchBox()
{
    auto* pBox = new QGroupBox(tr("Playback search"), this);
    auto* pForm = new QFormLayout(pBox);
    pForm->setHorizontalSpacing(12);
    pForm->setVerticalSpacing(10);
    pForm->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_pCameras = new QComboBox(pBox);
    m_pCameras->addItems(GalleryData::CameraNames());

    // The last eight hours up to the reference moment, on the full minute.
    const QDateTime dtNow = GalleryData::ReferenceNow();
    const QDateTime dtEnd(dtNow.date(), QTime(dtNow.time().hour(), dtNow.time().minute()));
    m_pPeriod = new CRangeDateTimeEdit(pBox);
    m_pPeriod->setMinimumWidth(350);
    m_pPeriod->SetDateTimeRange(dtEnd.addSecs(-8 * 3600), dtEnd);

    m_pMonths = new CRangeDateEdit(pBox);
    m_pMonths->SetCalendarFlag(CBeginEndCalendarWidget::MonthFlag);
    const QDate dateMonth(dtNow.date().year(), dtNow.date().month(), 1);
    m_pMonths->SetDateRange(dateMonth.addMonths(-2), dateMonth.addDays(-1));

    m_pJumpTo = new CDateTimeEdit(dtEnd.addSecs(-2 * 3600 - 17 * 60), pBox);
    m_pJumpTo->setDateRange(dtNow.date().addDays(-89), dtNow.date());

    m_pDay = new CYearMonthDayEdit(dtNow.date().addDays(-3), pBox);
    m_pDay->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_pDay->setDateRange(dtNow.date().addDays(-89), dtNow.date());

    auto* pExpiry = new CDateEdit(pBox);
    pExpiry->setDate(dtNow.date().addDays(30));

    auto* pSearch = new QPushButton(tr("Search"), pBox);
    pSearch->setObjectName(QStringLiteral("GalleryPrimaryButton"));

    pForm->addRow(tr("Camera:"), m_pCameras);
    pForm->addRow(tr("Recorded:"), m_pPeriod);
    pForm->addRow(tr("Monthly export:"), m_pMonths);
    pForm->addRow(tr("Jump to:"), m_pJumpTo);
    pForm->addRow(tr("Review day:"), m_pDay);
    pForm->addRow(tr("Evidence kept until:"), pExpiry);
    pForm->addRow(QString(), pSearch);

    connect(pSearch, &QPushButton::clicked, this, &DateTimePickersPage::OnSearch);
    connect(m_pCameras, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &DateTimePickersPage::OnSearch);
    connect(m_pPeriod, &CRangeDateTimeEdit::SignalDateTimeChanged, this, [this](QDateTime dtBegin, QDateTime dtEnd) {
        Log(tr("SignalDateTimeChanged(%1, %2)").arg(dtBegin.toString(s_strDateTime), dtEnd.toString(s_strDateTime)));
        ShowRange(dtBegin, dtEnd);
    });
    connect(m_pMonths, &CRangeDateEdit::SignalDateChanged, this, [this](QDate dtBegin, QDate dtEnd) {
        Log(tr("Monthly export: SignalDateChanged(%1, %2)")
                .arg(dtBegin.toString(Qt::ISODate), dtEnd.toString(Qt::ISODate)));
    });
    connect(m_pJumpTo, &QDateTimeEdit::dateTimeChanged, this,
            [this](const QDateTime& dateTime) { Log(tr("Jump to %1").arg(dateTime.toString(s_strDateTime))); });
    connect(m_pDay, &QDateTimeEdit::dateChanged, this,
            [this](const QDate& date) { Log(tr("Review day %1").arg(date.toString(Qt::ISODate))); });
    return pBox;
}

QWidget* DateTimePickersPage::CreateResultBox()
{
    auto* pBox = new QGroupBox(tr("Chosen range"), this);
    auto* pLayout = new QVBoxLayout(pBox);
    pLayout->setSpacing(8);
    m_pRangeText = new QLabel(pBox);
    m_pRangeText->setObjectName(QStringLiteral("GalleryPickerYear"));
    m_pResultText = new QLabel(pBox);
    m_pResultText->setWordWrap(true);
    pLayout->addWidget(m_pRangeText);
    QLabel* pHint = CreateHint(tr("The recorded period opens the begin/end panel with times: a click on the "
                                  "hours or minutes of a time opens a grid of values. The monthly export "
                                  "picks whole months; its end is the last day of the end month."),
                               pBox);
    pHint->setWordWrap(true);
    pLayout->addWidget(m_pResultText);
    pLayout->addWidget(pHint);
    pLayout->addStretch(1);
    return pBox;
}

void DateTimePickersPage::OnSearch()
{
    QDateTime dtBegin;
    QDateTime dtEnd;
    m_pPeriod->GetDateTimeRange(dtBegin, dtEnd);
    ShowRange(dtBegin, dtEnd);
}

void DateTimePickersPage::ShowRange(const QDateTime& dtBegin, const QDateTime& dtEnd)
{
    m_pRangeText->setText(tr("%1  to  %2").arg(dtBegin.toString(s_strDateTime), dtEnd.toString(s_strDateTime)));
    int iSegments = 0;
    int iEvents = 0;
    qint64 iSeconds = 0;
    for (const GalleryData::RecordingSegment& segment : GalleryData::Recordings(m_pCameras->currentIndex(), 90)) {
        const QDateTime dtFrom = qMax(segment.dtBegin, dtBegin);
        const QDateTime dtTo = qMin(segment.dtEnd, dtEnd);
        if (dtFrom >= dtTo)
            continue;
        ++iSegments;
        if (segment.iLevel == GalleryData::LevelEvent)
            ++iEvents;
        iSeconds += dtFrom.secsTo(dtTo);
    }
    m_pResultText->setText(tr("%1: %2 recordings (%3 event clips), %4 of video in the range.")
                               .arg(m_pCameras->currentText())
                               .arg(iSegments)
                               .arg(iEvents)
                               .arg(HoursText(iSeconds)));
}

void DateTimePickersPage::OpenScreenshotPopup()
{
    m_pPeriod->OnShowCalendar();
    // With the hour grid of the end time open, as when the operator clicks
    // the hours of that time.
    if (auto* pEndTime = m_pPeriod->findChild<CTimeEdit*>(QStringLiteral("m_pEndTimeEdit"))) {
        pEndTime->setCurrentSection(QDateTimeEdit::HourSection);
        Q_EMIT pEndTime->SignalClicked();
    }
}

void DateTimePickersPage::Log(const QString& strText)
{
    m_pLogLine->setText(strText);
}
