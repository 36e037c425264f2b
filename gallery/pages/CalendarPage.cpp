#include "CalendarPage.h"
#include "pages/PageKit.h"

#include <OrvaGUIToolkit/Calendar/CalendarMonthWidget.h>
#include <OrvaGUIToolkit/Calendar/CalendarWidget.h>
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>
#include <OrvaGUIToolkit/Label/Label.h>

#include <QtGui/QPainter>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

using namespace OrvaGUIToolkit;
using GalleryData::RecordingDay;

namespace {

constexpr int s_iDays = 90;

// The record colours of the playback timelines.
const QColor s_colorContinuous(93, 128, 248);
const QColor s_colorEvent(236, 140, 52);
const QColor s_colorOffline(120, 128, 138);

QIcon SwatchIcon(const QColor& color)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(QPolygonF({QPointF(12, 0), QPointF(12, 12), QPointF(0, 12)}));
    return QIcon(pixmap);
}

QWidget* LegendItem(const QColor& color, const QString& strText, QWidget* pParent)
{
    auto* pItem = new QWidget(pParent);
    auto* pLayout = CreateFlushLayout<QHBoxLayout>(pItem, 5);
    auto* pSwatch = new QLabel(pItem);
    pSwatch->setPixmap(SwatchIcon(color).pixmap(12, 12));
    QLabel* pText = CreateHint(strText, pItem);
    pLayout->addWidget(pSwatch);
    pLayout->addWidget(pText);
    return pItem;
}

QString ClipsText(int iClips)
{
    return iClips == 1 ? QObject::tr("1 event clip") : QObject::tr("%1 event clips").arg(iClips);
}

QString DayText(const QDate& date)
{
    return QLocale(QLocale::English, QLocale::UnitedKingdom).toString(date, QStringLiteral("ddd d MMM yyyy"));
}

// Today stands out from the other days: bold and underlined in the accent colour.
QTextCharFormat TodayFormat()
{
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    format.setFontUnderline(true);
    format.setForeground(QColor(0x6f, 0xc3, 0xff));
    format.setToolTip(QObject::tr("Today"));
    return format;
}

// Days that can be chosen sit on the grid's base colour, days out of range
// on its darker window colour.
void DarkenUnavailableDays(CCalendarWidget* pCalendar)
{
    auto* pView = pCalendar->findChild<QWidget*>(QStringLiteral("m_pView"));
    QPalette palette = pView->palette();
    palette.setColor(QPalette::Base, QColor(0x26, 0x2e, 0x38));
    palette.setColor(QPalette::Window, QColor(0x14, 0x17, 0x1b));
    pView->setPalette(palette);
}

// The client also greys the numbers of the weeks around the kept days, where
// there is nothing to play back.
void GreyDaysOutside(CCalendarWidget* pCalendar, const QDate& dateFirst, const QDate& dateLast)
{
    QTextCharFormat format;
    format.setForeground(QColor(0x5d, 0x66, 0x72));
    format.setToolTip(QObject::tr("No recordings kept"));
    for (int iDay = 1; iDay <= 42; ++iDay) {
        pCalendar->SetDateTextFormat(dateFirst.addDays(-iDay), format);
        pCalendar->SetDateTextFormat(dateLast.addDays(iDay), format);
    }
}

QTextCharFormat WeekendFormat()
{
    QTextCharFormat format;
    format.setForeground(QColor(0xe5, 0x73, 0x73));
    return format;
}

} // namespace

CalendarPage::CalendarPage(QWidget* pParent)
    : QWidget(pParent)
{
    auto* pLayout = CreatePageLayout(this);
    m_pLogLine = CreateLogLine(this);

    auto* pCameraRow = new QHBoxLayout;
    auto* pCameraLabel = new QLabel(tr("Camera:"), this);
    m_pCameras = new QComboBox(this);
    m_pCameras->addItems(GalleryData::CameraNames());
    m_pCameras->setMinimumWidth(220);
    pCameraRow->addWidget(pCameraLabel);
    pCameraRow->addWidget(m_pCameras);
    pCameraRow->addStretch(1);

    auto* pColumns = CreatePartsLayout<QHBoxLayout>();
    pColumns->addWidget(CreateCalendarBox());
    pColumns->addWidget(CreatePickerBox());
    pColumns->addWidget(CreateLocaleBox());
    pColumns->addStretch(1);

    pLayout->addLayout(pCameraRow);
    pLayout->addLayout(pColumns);
    pLayout->addWidget(CreateDaysBox(), 1);
    pLayout->addWidget(m_pLogLine);

    connect(m_pCameras, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &CalendarPage::OnCameraChanged);
    OnCameraChanged(0);
    // Open on the week of an incident under review; the range is kept
    // because it starts on the selected day.
    const QDate dateToday = GalleryData::ReferenceNow().date();
    m_pCalendar->SetSelectedDate(dateToday.addDays(-16));
    m_pCalendar->SetSelectedDate(dateToday.addDays(-16), dateToday.addDays(-9));
    m_pMonthPicker->SetSelectedDate(QDate(m_pCalendar->GetYearShown(), m_pCalendar->GetMonthShown(), 1));
    m_pPickerYear->setText(QString::number(m_pCalendar->GetYearShown()));
    Log(tr("Click a day, drag over days, turn the wheel over the calendar or pick a month."));
}

QWidget* CalendarPage::CreateCalendarBox()
{
    auto* pBox = new QGroupBox(tr("Recordings by day"), this);
    auto* pLayout = new QVBoxLayout(pBox);
    pLayout->setSpacing(10);

    m_pCalendar = new CCalendarWidget(pBox);
    m_pCalendar->SetSelectionMode(CCalendarWidget::MultiSelection);
    m_pCalendar->SetFirstDayOfWeek(Qt::Monday);
    m_pCalendar->SetWeekdayTextFormat(Qt::Saturday, WeekendFormat());
    m_pCalendar->SetWeekdayTextFormat(Qt::Sunday, WeekendFormat());
    const QDate dateToday = GalleryData::ReferenceNow().date();
    m_pCalendar->SetDateRange(dateToday.addDays(1 - s_iDays), dateToday);
    m_pCalendar->SetDateTextFormat(dateToday, TodayFormat());
    GreyDaysOutside(m_pCalendar, m_pCalendar->GetMinimumDate(), dateToday);
    DarkenUnavailableDays(m_pCalendar);

    auto* pLegend = new QHBoxLayout;
    pLegend->setSpacing(12);
    pLegend->addWidget(LegendItem(s_colorContinuous, tr("Continuous"), pBox));
    pLegend->addWidget(LegendItem(s_colorEvent, tr("Event clips"), pBox));
    pLegend->addStretch(1);

    pLayout->addWidget(m_pCalendar);
    pLayout->addLayout(pLegend);
    pLayout->addStretch(1);

    connect(m_pCalendar, &CCalendarWidget::SignalDateChanged, this, &CalendarPage::OnDateChanged);
    connect(m_pCalendar, &CCalendarWidget::SignalYearMonthChanged, this, &CalendarPage::OnYearMonthChanged);
    connect(m_pCalendar, &CCalendarWidget::SignalClicked, this,
            [this](QDate date) { Log(tr("SignalClicked(%1)").arg(DayText(date))); });
    connect(m_pCalendar, &CCalendarWidget::SignalSelectionChanged, this, [this] {
        Log(tr("SignalSelectionChanged(): selected day %1").arg(DayText(m_pCalendar->GetSelectedDate())));
    });
    return pBox;
}

QWidget* CalendarPage::CreatePickerBox()
{
    auto* pBox = new QGroupBox(tr("Jump to a month"), this);
    auto* pLayout = new QVBoxLayout(pBox);
    pLayout->setSpacing(8);

    auto* pYearRow = new QHBoxLayout;
    auto* pPrevious = new QToolButton(pBox);
    pPrevious->setObjectName(QStringLiteral("GalleryPickerPrevious"));
    pPrevious->setArrowType(Qt::LeftArrow);
    pPrevious->setAutoRaise(true);
    auto* pNext = new QToolButton(pBox);
    pNext->setObjectName(QStringLiteral("GalleryPickerNext"));
    pNext->setArrowType(Qt::RightArrow);
    pNext->setAutoRaise(true);
    m_pPickerYear = new QLabel(pBox);
    m_pPickerYear->setObjectName(QStringLiteral("GalleryPickerYear"));
    m_pPickerYear->setAlignment(Qt::AlignCenter);
    pYearRow->addWidget(pPrevious);
    pYearRow->addWidget(m_pPickerYear, 1);
    pYearRow->addWidget(pNext);

    m_pMonthPicker = new CCalendarMonthWidget(pBox);
    m_pMonthPicker->setFixedSize(6 * 31, 64);
    QLabel* pHint = CreateHint(tr("Months before September\nhold no recordings any more."), pBox);

    pLayout->addLayout(pYearRow);
    pLayout->addWidget(m_pMonthPicker);
    pLayout->addWidget(pHint);
    pLayout->addStretch(1);

    connect(pPrevious, &QToolButton::clicked, this, [this] { OnStepPickerYear(-1); });
    connect(pNext, &QToolButton::clicked, this, [this] { OnStepPickerYear(1); });
    // The picker chooses on release and says nothing; its click follows the release.
    connect(m_pMonthPicker, &CCalendarMonthWidget::clicked, this, &CalendarPage::OnMonthPicked);
    return pBox;
}

QWidget* CalendarPage::CreateLocaleBox()
{
    auto* pBox = new QGroupBox(tr("A client in Chinese"), this);
    auto* pLayout = new QVBoxLayout(pBox);
    pLayout->setSpacing(10);

    // The client sets its locale before it creates its controls.
    const QLocale localeBefore = GetGuiLocale();
    InitGuiLocale(QLocale(QLocale::Chinese, QLocale::China));
    m_pLocaleCalendar = new CCalendarWidget(pBox);
    InitGuiLocale(localeBefore);
    m_pLocaleCalendar->SetOtherDayShown(false);
    m_pLocaleCalendar->SetWeekdayTextFormat(Qt::Saturday, WeekendFormat());
    m_pLocaleCalendar->SetWeekdayTextFormat(Qt::Sunday, WeekendFormat());
    const QDate dateToday = GalleryData::ReferenceNow().date();
    m_pLocaleCalendar->SetDateRange(dateToday.addDays(1 - s_iDays), dateToday);
    m_pLocaleCalendar->SetSelectedDate(dateToday);
    m_pLocaleCalendar->SetDateTextFormat(dateToday, TodayFormat());
    GreyDaysOutside(m_pLocaleCalendar, m_pLocaleCalendar->GetMinimumDate(), dateToday);
    DarkenUnavailableDays(m_pLocaleCalendar);
    QLabel* pHint =
        CreateHint(tr("Month and day names follow the\ntoolkit's GUI locale; other months'\ndays hidden."), pBox);

    pLayout->addWidget(m_pLocaleCalendar);
    pLayout->addWidget(pHint);
    pLayout->addStretch(1);
    return pBox;
}

QWidget* CalendarPage::CreateDaysBox()
{
    auto* pBox = new QGroupBox(tr("Selected days"), this);
    auto* pLayout = new QVBoxLayout(pBox);
    m_pDaysTitle = CreateHint(QString(), pBox);
    m_pDays = new QListWidget(pBox);
    m_pDays->setObjectName(QStringLiteral("GalleryDayList"));
    pLayout->addWidget(m_pDaysTitle);
    pLayout->addWidget(m_pDays, 1);
    return pBox;
}

void CalendarPage::MarkDays(CCalendarWidget* pCalendar) const
{
    pCalendar->ClearAllDayMark();
    for (const RecordingDay& day : m_listDays) {
        if (day.iLevel == GalleryData::LevelEvent)
            pCalendar->SetDayMarkColor(day.date, s_colorEvent);
        else if (day.iLevel == GalleryData::LevelContinuous)
            pCalendar->SetDayMarkColor(day.date, s_colorContinuous);
    }
}

void CalendarPage::OnCameraChanged(int iCamera)
{
    m_listDays = GalleryData::RecordingDays(iCamera, s_iDays);
    MarkDays(m_pCalendar);
    MarkDays(m_pLocaleCalendar);
    QDate dtBegin;
    QDate dtEnd;
    m_pCalendar->GetSelectedDate(dtBegin, dtEnd);
    ShowDays(dtBegin, dtEnd);
}

void CalendarPage::OnDateChanged(const QDate& dtBegin, const QDate& dtEnd)
{
    Log(tr("SignalDateChanged(%1, %2)").arg(DayText(dtBegin), DayText(dtEnd)));
    ShowDays(dtBegin, dtEnd);
}

void CalendarPage::OnYearMonthChanged(int iYear, int iMonth)
{
    Log(tr("SignalYearMonthChanged(%1, %2)").arg(iYear).arg(iMonth));
    m_pMonthPicker->SetSelectedDate(QDate(iYear, iMonth, 1));
    m_pPickerYear->setText(QString::number(iYear));
}

void CalendarPage::OnMonthPicked()
{
    const QDate date = m_pMonthPicker->GetSelectedDate();
    if (date.isValid())
        m_pCalendar->SetCurrentYearMonth(date.year(), date.month());
}

void CalendarPage::OnStepPickerYear(int iYears)
{
    const QDate date = m_pMonthPicker->GetSelectedDate().addYears(iYears);
    m_pMonthPicker->SetSelectedDate(date);
    m_pPickerYear->setText(QString::number(date.year()));
}

void CalendarPage::ShowDays(const QDate& dtBegin, const QDate& dtEnd)
{
    m_pDays->clear();
    double dHours = 0.0;
    int iClips = 0;
    for (const RecordingDay& day : m_listDays) {
        if (day.date < dtBegin || day.date > dtEnd)
            continue;
        QString strText;
        QColor color = s_colorOffline;
        if (day.iLevel == 0) {
            strText = tr("%1   no recording: recorder offline").arg(DayText(day.date));
        } else {
            color = day.iLevel == GalleryData::LevelEvent ? s_colorEvent : s_colorContinuous;
            strText = tr("%1   %2 h recorded, %3")
                          .arg(DayText(day.date))
                          .arg(day.dHours, 0, 'f', 1)
                          .arg(ClipsText(day.iEventClips));
        }
        dHours += day.dHours;
        iClips += day.iEventClips;
        m_pDays->addItem(new QListWidgetItem(SwatchIcon(color), strText));
    }
    m_pDaysTitle->setText(tr("%1 to %2 on %3: %4 h of video, %5. Drag over the calendar to choose days to export.")
                              .arg(DayText(dtBegin), DayText(dtEnd), m_pCameras->currentText())
                              .arg(dHours, 0, 'f', 1)
                              .arg(ClipsText(iClips)));
}

void CalendarPage::Log(const QString& strText)
{
    m_pLogLine->SetText(strText);
}
