#include "CalendarTestSupport.h"

#include "calendar/CalendarView.h"

#include <OrvaGUIToolkit/Calendar/CalendarWidget.h>
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtTest/QtTest>

#include <functional>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QToolButton>

using namespace CalendarTest;
using OrvaGUIToolkit::CCalendarModel;
using OrvaGUIToolkit::CCalendarWidget;

using Call = std::function<void(CCalendarWidget*)>;

class TestCalendarWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_pCalendar = new CCalendarWidget;
        m_pCalendar->SetFirstDayOfWeek(Qt::Sunday);
        m_pCalendar->SetSelectedDate(QDate(2015, 3, 10));
        m_pCalendar->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pCalendar));

        m_listLog.clear();
        connect(m_pCalendar, &CCalendarWidget::SignalSelectionChanged, this, [this] { m_listLog << "SelectionChanged"; });
        connect(m_pCalendar, &CCalendarWidget::SignalClicked, this, [this](QDate date) { m_listLog << "Clicked " + DateText(date); });
        connect(m_pCalendar, &CCalendarWidget::SignalDateChanged, this, [this](QDate dtBegin, QDate dtEnd) {
            m_listLog << QStringLiteral("DateChanged %1 %2").arg(DateText(dtBegin), DateText(dtEnd));
        });
        connect(m_pCalendar, &CCalendarWidget::SignalYearMonthChanged, this, [this](int iYear, int iMonth) {
            m_listLog << QStringLiteral("YearMonth %1-%2").arg(iYear).arg(iMonth);
        });
    }

    void cleanup()
    {
        delete m_pCalendar;
    }

    void formAndDefaults()
    {
        CCalendarWidget calendar;
        QCOMPARE(calendar.objectName(), QStringLiteral("CCalendarWidgetUi"));
        QCOMPARE(calendar.size(), QSize(191, 200));
        QCOMPARE(calendar.findChild<QFrame*>(QStringLiteral("m_pNavBarFrame"))->height(), 26);
        QCOMPARE(calendar.findChild<QLabel*>(QStringLiteral("m_pYearLabel"))->width(), 30);
        const auto* pView = calendar.findChild<QTableView*>(QStringLiteral("m_pView"));
        QVERIFY(qobject_cast<const OrvaGUIToolkit::CCalendarView*>(pView));
        QCOMPARE(pView->columnWidth(6), 27);
        QCOMPARE(calendar.focusProxy(), pView);

        QCOMPARE(calendar.property("GetSelectionMode").toInt(), 1);
        QCOMPARE(calendar.property("GetSelectedDate").toDate(), QDate::currentDate());
        QCOMPARE(calendar.GetFirstDayOfWeek(), QLocale::system().firstDayOfWeek());
        QCOMPARE(calendar.GetWeekdayTextFormat(Qt::Saturday).foreground().color(), QColor(Qt::red));
        QCOMPARE(calendar.GetWeekdayTextFormat(Qt::Monday), QTextCharFormat());
    }

    void namesFromTheGuiLocale()
    {
        const QLocale localeBefore = OrvaGUIToolkit::GetGuiLocale();
        OrvaGUIToolkit::InitGuiLocale(QLocale(QLocale::Chinese, QLocale::China));
        CCalendarWidget calendar;
        OrvaGUIToolkit::InitGuiLocale(localeBefore);
        calendar.SetFirstDayOfWeek(Qt::Sunday);
        calendar.SetCurrentYearMonth(2015, 3);
        QCOMPARE(calendar.findChild<QLabel*>(QStringLiteral("m_pMonthLabel"))->text(), QStringLiteral("三月"));
        const QAbstractItemModel* pModel = calendar.findChild<QTableView*>(QStringLiteral("m_pView"))->model();
        QCOMPARE(pModel->index(0, 1).data().toString(), QStringLiteral("一"));

        // A later change of the widget's own locale renames the month.
        calendar.setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCOMPARE(calendar.findChild<QLabel*>(QStringLiteral("m_pMonthLabel"))->text(), QStringLiteral("March"));
        QCOMPARE(pModel->index(0, 1).data().toString(), QStringLiteral("M"));
    }

    void firstWeekdayFromTheSystem()
    {
        // A language whose week starts on another day than the system's.
        const Qt::DayOfWeek enumSystem = QLocale::system().firstDayOfWeek();
        const QLocale localeGui = enumSystem == Qt::Monday ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                           : QLocale(QLocale::German, QLocale::Germany);
        QVERIFY(localeGui.firstDayOfWeek() != enumSystem);
        const QLocale localeBefore = OrvaGUIToolkit::GetGuiLocale();
        OrvaGUIToolkit::InitGuiLocale(localeGui);
        CCalendarWidget calendar;
        OrvaGUIToolkit::InitGuiLocale(localeBefore);
        QCOMPARE(calendar.locale(), localeGui);
        QCOMPARE(calendar.GetFirstDayOfWeek(), enumSystem);
    }

    void stepping_data()
    {
        QTest::addColumn<QDate>("selected");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("shown");
        QTest::newRow("next month from December") << QDate(2016, 12, 15) << "ShowNextMonth" << "2017-1 2017-01-15";
        QTest::newRow("the 31st steps to the 28th") << QDate(2017, 1, 31) << "ShowNextMonth" << "2017-2 2017-02-28";
        QTest::newRow("next year from a leap day") << QDate(2016, 2, 29) << "ShowNextYear" << "2017-2 2017-02-28";
        QTest::newRow("previous-year button") << QDate(2016, 2, 29) << "m_pPrevYear" << "2015-2 2015-02-28";
    }

    void stepping()
    {
        QFETCH(QDate, selected);
        QFETCH(QString, action);
        QFETCH(QString, shown);
        m_pCalendar->SetSelectedDate(selected);
        m_listLog.clear();
        if (action.startsWith(QLatin1String("m_p")))
            Button(action.toLatin1().constData())->click();
        else if (action == QLatin1String("ShowNextMonth"))
            m_pCalendar->ShowNextMonth();
        else
            m_pCalendar->ShowNextYear();
        QCOMPARE(Shown(), shown);
        QCOMPARE(m_listLog, QStringList({"YearMonth " + shown.section(QLatin1Char(' '), 0, 0)}));
        // Stepping shows another month; the selection stays.
        QCOMPARE(m_pCalendar->GetSelectedDate(), selected);
    }

    void boundsDisableNavigation()
    {
        m_pCalendar->SetDateRange(QDate(2015, 4, 20), QDate(2015, 2, 5));
        QCOMPARE(m_pCalendar->GetMinimumDate(), QDate(2015, 2, 5));
        QCOMPARE(m_pCalendar->GetMaximumDate(), QDate(2015, 4, 20));
        const auto enabled = [this] {
            QString strState;
            for (const char* szName : {"m_pPrevMonth", "m_pPrevYear", "m_pNextMonth", "m_pNextYear"})
                strState += Button(szName)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
            return strState;
        };
        QCOMPARE(enabled(), QStringLiteral("1111"));
        Button("m_pNextYear")->click();     // a year on is clamped to the maximum
        QCOMPARE(Shown(), QStringLiteral("2015-4 2015-04-20"));
        QCOMPARE(enabled(), QStringLiteral("1100"));
        Button("m_pPrevYear")->click();
        QCOMPARE(Shown(), QStringLiteral("2015-2 2015-02-05"));
        QCOMPARE(enabled(), QStringLiteral("0011"));
        QCOMPARE(m_listLog, QStringList({"YearMonth 2015-4", "YearMonth 2015-2"}));
    }

    void minimumAfterTheSelectedDate()
    {
        m_pCalendar->SetMinimumDate(QDate(2015, 4, 2));
        QCOMPARE(SelectedDates(View()), QList<QDate>({QDate(2015, 4, 2)}));
        QCOMPARE(m_listLog, QStringList({"YearMonth 2015-4", "SelectionChanged"}));

        m_listLog.clear();
        m_pCalendar->SetMinimumDate(QDate(2015, 4, 2));
        m_pCalendar->SetMinimumDate(QDate(2015, 3, 1));
        m_pCalendar->SetMaximumDate(QDate());
        QCOMPARE(m_listLog, QStringList());
        m_pCalendar->SetMaximumDate(QDate(2015, 3, 20));
        QCOMPARE(m_pCalendar->GetSelectedDate(), QDate(2015, 3, 20));
        QCOMPARE(m_listLog, QStringList({"YearMonth 2015-3", "SelectionChanged"}));
    }

    void multiSelection()
    {
        m_pCalendar->SetSelectionMode(CCalendarWidget::MultiSelection);
        m_pCalendar->SetSelectedDate(QDate(2015, 3, 10), QDate(2015, 3, 14));
        QCOMPARE(SelectedDates(View()).size(), 5);
        QCOMPARE(m_listLog, QStringList({"DateChanged 2015-03-10 2015-03-14"}));

        // From another selected day only the first day remains.
        m_listLog.clear();
        m_pCalendar->SetSelectedDate(QDate(2015, 3, 2), QDate(2015, 3, 6));
        QCOMPARE(SelectedDates(View()), QList<QDate>({QDate(2015, 3, 2)}));
        QCOMPARE(m_listLog, QStringList({"DateChanged 2015-03-02 2015-03-06", "DateChanged 2015-03-02 2015-03-02"}));

        // A range reaching over years selects only what the grid shows.
        m_pCalendar->SetSelectedDate(QDate(2015, 3, 2), QDate(9000, 1, 1));
        QCOMPARE(SelectedDates(View()).size(), 34);
        m_listLog.clear();
        m_pCalendar->SetSelectedDate(QDate(2015, 3, 2), QDate());
        QCOMPARE(m_listLog, QStringList());

        // A drag selects the run and reports it; the selected day stays.
        m_pCalendar->SetSelectedDate(QDate(2015, 3, 10));
        m_listLog.clear();
        Drag(View(), {QDate(2015, 3, 10), QDate(2015, 3, 6), QDate(2015, 3, 3)});
        QCOMPARE(m_listLog, QStringList({"DateChanged 2015-03-03 2015-03-10", "Clicked 2015-03-03"}));
        QCOMPARE(SelectedDates(View()).size(), 8);
        QCOMPARE(m_pCalendar->GetSelectedDate(), QDate(2015, 3, 10));
        Click(View(), QDate(2015, 3, 20));
        QCOMPARE(SelectedDates(View()), QList<QDate>({QDate(2015, 3, 20)}));

        // A range past the maximum keeps its month on display, not the bound's.
        m_pCalendar->SetMaximumDate(QDate(2015, 4, 30));
        m_listLog.clear();
        m_pCalendar->SetSelectedDate(QDate(2015, 6, 1), QDate(2015, 6, 5));
        QCOMPARE(m_pCalendar->GetSelectedDate(), QDate(2015, 4, 30));
        QCOMPARE(m_pCalendar->GetMonthShown(), 6);
        QCOMPARE(m_listLog, QStringList({"DateChanged 2015-06-01 2015-06-05", "DateChanged 2015-04-30 2015-04-30",
                                         "YearMonth 2015-6"}));
    }

    void clickSignalsInOrder()
    {
        Click(View(), QDate(2015, 3, 18));
        Click(View(), QDate(2015, 3, 18));
        // A leading day of April's neighbour brings its month along.
        Click(View(), QDate(2015, 4, 2));
        QCOMPARE(m_listLog, QStringList({"DateChanged 2015-03-18 2015-03-18", "SelectionChanged", "Clicked 2015-03-18",
                                         "Clicked 2015-03-18",
                                         "DateChanged 2015-04-02 2015-04-02", "YearMonth 2015-4", "SelectionChanged",
                                         "Clicked 2015-04-02"}));

        m_pCalendar->SetSelectionMode(CCalendarWidget::NoSelection);
        m_listLog.clear();
        Click(View(), QDate(2015, 4, 8));
        QCOMPARE(m_listLog, QStringList());
    }

    void keysMoveTheSelection()
    {
        m_pCalendar->SetMaximumDate(QDate(2015, 4, 2));
        View()->setFocus();
        QTest::keyClick(View(), Qt::Key_Right);
        QTest::keyClick(View(), Qt::Key_End);
        QTest::keyClick(View(), Qt::Key_Down);
        QCOMPARE(Shown(), QStringLiteral("2015-4 2015-04-02"));
        QCOMPARE(SelectedDates(View()), QList<QDate>({QDate(2015, 4, 2)}));
        QCOMPARE(m_listLog, QStringList({"DateChanged 2015-03-11 2015-03-11", "SelectionChanged",
                                         "DateChanged 2015-03-31 2015-03-31", "SelectionChanged",
                                         "DateChanged 2015-04-02 2015-04-02", "YearMonth 2015-4", "SelectionChanged"}));

        // Asking past the maximum that already is the selected day is
        // answered with the maximum again.
        m_listLog.clear();
        QTest::keyClick(View(), Qt::Key_Right);
        m_pCalendar->SetSelectedDate(QDate(2015, 4, 7));
        QCOMPARE(m_pCalendar->GetSelectedDate(), QDate(2015, 4, 2));
        QCOMPARE(m_listLog, QStringList({"DateChanged 2015-04-02 2015-04-02", "SelectionChanged",
                                         "DateChanged 2015-04-02 2015-04-02", "SelectionChanged"}));
    }

    void dayMarksAndTheirPainting()
    {
        const QDate date(2015, 3, 12);
        m_pCalendar->SetDayMarkColor(date, Qt::red);
        m_pCalendar->SetDayMarkColor(date, Qt::blue);
        QCOMPARE(m_pCalendar->GetColorByTickType(date), QColor(Qt::blue));
        // A mark without a colour takes the old one away.
        m_pCalendar->SetDayMarkColor(date, QColor());
        QVERIFY(!m_pCalendar->GetColorByTickType(date).isValid());
        m_pCalendar->SetDayMarkColor(date, Qt::blue);
        m_pCalendar->SetDayMarkColor(QDate(2015, 3, 14), QColor(0, 0, 255));
        // A mark outside the bounds is kept like any other.
        m_pCalendar->SetMaximumDate(QDate(2015, 3, 31));
        m_pCalendar->SetDayMarkColor(QDate(2015, 4, 2), Qt::green);

        m_pCalendar->RemoveAllDayMarkByColor(Qt::blue);
        QVERIFY(!m_pCalendar->GetColorByTickType(QDate(2015, 3, 14)).isValid());
        QCOMPARE(m_pCalendar->GetColorByTickType(QDate(2015, 4, 2)), QColor(Qt::green));
        m_pCalendar->RemoveDayMark(QDate(2015, 4, 2));
        QVERIFY(!m_pCalendar->GetColorByTickType(QDate(2015, 4, 2)).isValid());
        m_pCalendar->SetDayMarkColor(QDate(2015, 4, 2), Qt::green);
        m_pCalendar->ClearAllDayMark();
        QVERIFY(!m_pCalendar->GetColorByTickType(QDate(2015, 4, 2)).isValid());

        QPixmap pixmapHeader(8, 8);
        pixmapHeader.fill(QColor(0, 128, 0));
        m_pCalendar->SetMidWeekPixmap(pixmapHeader);
        m_pCalendar->SetDayMarkColor(QDate(2015, 3, 12), QColor(255, 0, 255));
        const QImage image = View()->viewport()->grab().toImage();

        // 12 March is row 3, column 4: a cell of 27 x 25 (or 24) pixels whose
        // bottom-right eighth is the flag.
        const QRect rect = View()->visualRect(Model()->index(3, 4));
        QCOMPARE(rect.width(), 27);
        QCOMPARE(image.pixelColor(rect.bottomRight() - QPoint(7, 0)), QColor(255, 0, 255));
        QVERIFY(image.pixelColor(rect.bottomRight() - QPoint(9, 0)) != QColor(255, 0, 255));
        QVERIFY(image.pixelColor(rect.bottomRight() - QPoint(5, 5)) != QColor(255, 0, 255));

        // The middle day names stand on the picture; the first and last do not.
        const QRect rectMid = View()->visualRect(Model()->index(0, 3));
        QCOMPARE(image.pixelColor(rectMid.topLeft() + QPoint(1, 1)), QColor(0, 128, 0));
        const QRect rectFirst = View()->visualRect(Model()->index(0, 0));
        QVERIFY(image.pixelColor(rectFirst.topLeft() + QPoint(1, 1)) != QColor(0, 128, 0));
    }

    void refusals()
    {
        m_pCalendar->SetDayMarkColor(QDate(2015, 3, 12), Qt::red);
        const QList<QPair<Call, const char*>> listCalls{
            {[](CCalendarWidget* p) { p->SetCurrentYearMonth(2015, 13); },
             "CCalendarWidget::SetCurrentYearMonth: invalid year 2015 or month 13"},
            {[](CCalendarWidget* p) { p->SetFirstDayOfWeek(static_cast<Qt::DayOfWeek>(8)); },
             "CCalendarWidget::SetFirstDayOfWeek: invalid day of week 8"},
            {[](CCalendarWidget* p) { p->SetWeekdayTextFormat(static_cast<Qt::DayOfWeek>(0), QTextCharFormat()); },
             "CCalendarWidget::SetWeekdayTextFormat: invalid day of week 0"},
            {[](CCalendarWidget* p) { p->SetSelectionMode(static_cast<CCalendarWidget::SelectionMode>(3)); },
             "CCalendarWidget::SetSelectionMode: invalid selection mode 3"},
            {[](CCalendarWidget* p) { p->SetDayMarkColor(QDate(), Qt::red); },
             "CCalendarWidget::SetDayMarkColor: !date.isValid()"}};
        for (const auto& call : listCalls) {
            QTest::ignoreMessage(QtWarningMsg, call.second);
            call.first(m_pCalendar);
        }
        // Nothing changed.
        QCOMPARE(Shown(), QStringLiteral("2015-3 2015-03-10"));
        QCOMPARE(m_pCalendar->GetFirstDayOfWeek(), Qt::Sunday);
        QCOMPARE(m_pCalendar->GetSelectionMode(), CCalendarWidget::SingleSelection);
        QCOMPARE(m_pCalendar->GetColorByTickType(QDate(2015, 3, 12)), QColor(Qt::red));
        QCOMPARE(m_pCalendar->GetWeekdayTextFormat(static_cast<Qt::DayOfWeek>(0)), QTextCharFormat());
        QCOMPARE(m_listLog, QStringList());
    }

    void firstAndLastYears()
    {
        m_pCalendar->SetDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
        m_pCalendar->SetSelectedDate(QDate(1, 1, 1));
        QCOMPARE(Shown(), QStringLiteral("1-1 0001-01-01"));
        QVERIFY(!Button("m_pPrevMonth")->isEnabled());
        // The month before AD 1 is December 1 BC; it may be shown, but none of its days responds.
        m_pCalendar->ShowPreviousMonth();
        QCOMPARE(m_pCalendar->GetYearShown(), -1);
        m_listLog.clear();
        Click(View(), QDate(-1, 12, 20));
        QCOMPARE(m_listLog, QStringList());
        Button("m_pNextMonth")->click();
        QCOMPARE(Shown(), QStringLiteral("1-1 0001-01-01"));

        m_pCalendar->SetSelectedDate(QDate(9999, 12, 31));
        QVERIFY(!Button("m_pNextYear")->isEnabled());
        m_listLog.clear();
        QTest::keyClick(View(), Qt::Key_Right);
        QCOMPARE(m_pCalendar->GetSelectedDate(), QDate(9999, 12, 31));
        m_pCalendar->ShowNextYear();
        QCOMPARE(Shown(), QStringLiteral("10000-12 10000-12-31"));
        Click(View(), QDate(10000, 12, 5));
        QCOMPARE(m_listLog, QStringList({"DateChanged 9999-12-31 9999-12-31", "SelectionChanged", "YearMonth 10000-12"}));
        Button("m_pPrevMonth")->click();
        QCOMPARE(Shown(), QStringLiteral("9999-12 9999-12-31"));
        QCOMPARE(m_pCalendar->GetSelectedDate(), QDate(9999, 12, 31));
    }

private:
    QTableView* View() const
    {
        return m_pCalendar->findChild<QTableView*>(QStringLiteral("m_pView"));
    }

    CCalendarModel* Model() const
    {
        return qobject_cast<CCalendarModel*>(View()->model());
    }

    QToolButton* Button(const char* szName) const
    {
        return m_pCalendar->findChild<QToolButton*>(QLatin1String(szName));
    }

    // The month on display, and the day of the current cell.
    QString Shown() const
    {
        const QModelIndex miCurrent = View()->currentIndex();
        return QStringLiteral("%1-%2 %3")
            .arg(m_pCalendar->GetYearShown())
            .arg(m_pCalendar->GetMonthShown())
            .arg(DateText(Model()->DateForCell(miCurrent.row(), miCurrent.column())));
    }

    CCalendarWidget* m_pCalendar = nullptr;
    QStringList m_listLog;
};

QTEST_MAIN(TestCalendarWidget)
#include "tst_calendarwidget.moc"
