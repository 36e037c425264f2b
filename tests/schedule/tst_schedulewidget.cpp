#include "ScheduleTestSupport.h"

#include "schedule/GraphicsView.h"
#include "schedule/RadioEditComb.h"
#include "schedule/ScheduleDayScene.h"
#include "schedule/ScheduleDaySelect.h"
#include "schedule/ScheduleTimeItem.h"

#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QRadioButton>
#include <QtCore/QPointer>
#include <QtTest/QtTest>

#include <climits>

using namespace OrvaGUIToolkit;
using namespace ScheduleTest;

namespace {

CRadioEditComb* Entry(const ScheduleWidget& widget, int iIndex)
{
    return widget.findChildren<CRadioEditComb*>().value(iIndex);
}

// An empty week, a work week twice and a Saturday morning.
QList<Week> ClientTemplates()
{
    Week workDay = EmptyWeek();
    for (int iDay = 0; iDay < 5; ++iDay)
        workDay[iDay] = {Span(T(8, 0), T(18, 0))};
    Week userWeek = EmptyWeek();
    userWeek[5] = {Span(T(9, 0), T(12, 0))};
    return {EmptyWeek(), workDay, workDay, userWeek};
}

QStringList NoticeTexts()
{
    QStringList lstTexts;
    const auto lstWidgets = QApplication::topLevelWidgets();
    for (QWidget* pWidget : lstWidgets) {
        if (auto* pNotice = qobject_cast<CInformationDlg*>(pWidget))
            lstTexts.append(pNotice->GetText());
    }
    return lstTexts;
}

} // namespace

// Connects a slot deleting the editor to one of its signals, and makes the editor emit it.
using WidgetAction = std::function<void(ScheduleWidget*)>;
Q_DECLARE_METATYPE(WidgetAction)

class tst_ScheduleWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        const auto lstWidgets = QApplication::topLevelWidgets();
        for (QWidget* pWidget : lstWidgets) {
            if (qobject_cast<CInformationDlg*>(pWidget))
                delete pWidget;
        }
    }

    void construction_data()
    {
        QTest::addColumn<int>("iOptions");
        QTest::addColumn<bool>("bHoliday");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("lstNames");
        QTest::addColumn<int>("iFixed");
        const QStringList lstRecord{"Day Template", "Business Day", "Event Template", "Template01", "Template02",
                                    "Template03",   "Template04",   "Template05",     "Template06", "Template07",
                                    "Template08",   "Custom"};
        QTest::newRow("record") << 0 << false << QSize(885, 555) << lstRecord << 3;
        QTest::newRow("event, holiday") << 2 << true << QSize(885, 570)
                                        << QStringList{"Day Template", "Business Day", "Template01", "Template02",
                                                       "Template03",   "Template04",   "Template05", "Template06",
                                                       "Template07",   "Template08",   "Template09", "Custom"}
                                        << 2;
        // Unknown options build a record schedule.
        QTest::newRow("unknown options") << 99 << false << QSize(885, 555) << lstRecord << 3;
    }

    void construction()
    {
        QFETCH(int, iOptions);
        QFETCH(bool, bHoliday);
        QFETCH(int, iFixed);
        if (iOptions == 99)
            QTest::ignoreMessage(QtWarningMsg, "ScheduleWidget::InitSchedule: unknown options 99");
        ScheduleWidget widget(ScheduleWidget::Options(iOptions), 1800, 1800, bHoliday);
        QTEST(widget.size(), "size");
        QCOMPARE(widget.GetTitle(), QStringLiteral("Templates Management"));
        QCOMPARE(widget.GetConfirmBtn()->text(), QStringLiteral("OK"));
        QCOMPARE(widget.GetCurrentTemplate(), -1);
        QVERIFY(!widget.findChild<QPushButton*>(QStringLiteral("m_pBtnSaveAs"))->isVisibleTo(&widget));
        // The icon buttons are push buttons like the others.
        QStringList lstTips;
        for (const char* szName : {"m_pBtnRemove", "m_pBtnEmpty", "m_pBtnCopy"}) {
            const QPushButton* pButton = widget.findChild<QPushButton*>(QLatin1String(szName));
            lstTips.append(pButton ? pButton->toolTip() : QString());
        }
        QCOMPARE(lstTips, (QStringList{"Remove", "Delete All", "Copy to"}));
        QTEST(QStringList(TempNames(widget)), "lstNames");
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(Entry(widget, i)->GetShowOption(), i < iFixed ? CRadioEditComb::FixedName : CRadioEditComb::EditableName);
            QCOMPARE(Entry(widget, i)->GetId(), i == 11 ? 1000 : i);
        }
        QVERIFY(!Entry(widget, 11)->isVisibleTo(&widget));
        // Event schedules announce their type to every row at construction.
        QCOMPARE(Grid(widget)->GetScene(bHoliday ? 7 : 6)->GetType(),
                 iOptions == 2 ? int(ScheduleData::Event) : int(ScheduleData::Continuous));
        // Every template is an empty week of the grid's days.
        const QList<Week> lstData = TempData(widget);
        QCOMPARE(lstData.size(), 12);
        QCOMPARE(lstData.last(), EmptyWeek(bHoliday ? 8 : 7));
        // The holiday-less form of this constructor fixes the grid's height.
        QCOMPARE(Grid(widget)->maximumHeight(), bHoliday ? QWIDGETSIZE_MAX : 400);

        // A user template is editable, except under unknown options.
        widget.SetCurrentTemplate(5);
        QCOMPARE(Grid(widget)->GetScene(0)->IsEditable(), iOptions != 99);
        QCOMPARE(Grid(widget)->GetView(0)->IsLocked(), iOptions == 99);
        QCOMPARE(widget.findChild<QPushButton*>(QStringLiteral("m_pBtnEmpty"))->isEnabled(), iOptions != 99);

        // The form without the holiday flag keeps the grid's natural height.
        if (iOptions == 99)
            QTest::ignoreMessage(QtWarningMsg, "ScheduleWidget::InitSchedule: unknown options 99");
        ScheduleWidget plain(ScheduleWidget::Options(iOptions), 1800, 1800);
        QCOMPARE(plain.size(), QSize(885, 555));
        QCOMPARE(Grid(plain)->maximumHeight(), QWIDGETSIZE_MAX);
        QCOMPARE(Grid(plain)->GetScene(0)->GetMoveStep(), 3);
    }

    void typeButtonsReachEveryRow()
    {
        ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800, true);
        widget.SetCurrentTemplate(4);
        QSignalSpy spyType(&widget, &ScheduleWidget::SignalTypeChange);
        QPushButton* pCommand = ButtonWithText(widget, QStringLiteral("Command"));
        QVERIFY(pCommand->isEnabled());
        pCommand->click();
        QCOMPARE(spyType.at(0).at(0).value<ScheduleData::ScheduleItemType>(), ScheduleData::Command);
        QCOMPARE(Grid(widget)->GetScene(7)->GetType(), 3);
        QCOMPARE(pCommand->objectName(), QStringLiteral("CurSelectedBtn"));

        // Drawn spans take the chosen type.
        DragScene(Grid(widget)->GetScene(1), QPointF(96, 7), QPointF(144, 7));
        QCOMPARE(widget.GetRecordParameters().value(1), std::vector<ScheduleData>{Span(T(4, 0), T(6, 0), ScheduleData::Command)});

        ScheduleWidget capture(ScheduleWidget::CaptureSchedule, 1800, 1800);
        QVERIFY(ButtonWithText(capture, QStringLiteral("Schedule Capture")));
        QVERIFY(!ButtonWithText(capture, QStringLiteral("Command"))->isVisibleTo(&capture));
        capture.SetCommandTypeShown(true);
        QVERIFY(ButtonWithText(capture, QStringLiteral("Command"))->isVisibleTo(&capture));
    }

    void fixedTemplatesAndRecordParameters()
    {
        ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
        widget.AddScheduleTemplate(ClientTemplates());
        widget.SetCurrentTemplate(1);
        QVERIFY(Grid(widget)->GetView(0)->IsLocked());
        QVERIFY(!ButtonWithText(widget, QStringLiteral("Continuous"))->isEnabled());
        QVERIFY(!Grid(widget)->GetScene(0)->IsEditable());
        QCOMPARE(widget.GetRecordParameters(), ClientTemplates().at(1));

        // The client shows a template, or its own schedule as the customized one.
        Week shown = EmptyWeek();
        shown[0] = {Span(T(22, 0), T(23, 59, 59), ScheduleData::Event)};

        widget.SetRecordParameters(3, shown);
        QCOMPARE(widget.GetCurrentTemplate(), 3);
        QCOMPARE(widget.GetRecordParameters(), ClientTemplates().at(3));

        widget.SetRecordParameters(1000, shown);
        QCOMPARE(widget.GetCurrentTemplate(), 1000);
        QCOMPARE(widget.GetRecordParameters(), shown);
        QCOMPARE(widget.GetTitle(), QStringLiteral("Customized Schedule"));
        QCOMPARE(widget.width(), 750);
        QVERIFY(!Entry(widget, 0)->isVisibleTo(&widget));
        QVERIFY(widget.findChild<QPushButton*>(QStringLiteral("m_pBtnSaveAs"))->isVisibleTo(&widget));
        QVERIFY(!Grid(widget)->GetView(0)->IsLocked());
    }

    void switchingKeepsEdits()
    {
        ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
        widget.AddScheduleTemplate(ClientTemplates());
        widget.SetCurrentTemplate(3);
        // Switching by the client drops the edits; switching by the user keeps them.
        DragScene(Grid(widget)->GetScene(1), QPointF(0, 7), QPointF(48, 7));
        widget.SetCurrentTemplate(4);
        widget.SetCurrentTemplate(3);
        QCOMPARE(widget.GetRecordParameters(), ClientTemplates().at(3));
        DragScene(Grid(widget)->GetScene(0), QPointF(0, 7), QPointF(48, 7));
        Week edited = ClientTemplates().at(3);
        edited[0] = {Span(T(0, 0), T(2, 0))};
        QCOMPARE(widget.GetRecordParameters(), edited);

        Entry(widget, 4)->GetRadioButton()->click();
        QCOMPARE(widget.GetRecordParameters(), EmptyWeek());
        Entry(widget, 3)->GetRadioButton()->click();
        QCOMPARE(widget.GetRecordParameters(), edited);

        QSignalSpy spySaved(&widget, &ScheduleWidget::SignalSaveTemplateModified);
        widget.show();
        widget.GetConfirmBtn()->click();
        QCOMPARE(spySaved.count(), 1);
        QList<bool> lstFlags;
        QCOMPARE(TempData(widget, &lstFlags).at(3), edited);
        QVERIFY(lstFlags.at(3));
        QVERIFY(!lstFlags.at(4));
    }

    void rename_data()
    {
        QTest::addColumn<QString>("strName");
        QTest::addColumn<QString>("strTip");
        QTest::addColumn<QString>("strKept");
        QTest::newRow("blanks") << "   " << "Template name cannot be empty." << "Template03";
        QTest::newRow("taken by another") << "Business Day" << "Template name already exist." << "Template03";
        QTest::newRow("new name") << "Night shift" << QString() << "Night shift";
    }

    void rename()
    {
        QFETCH(QString, strName);
        QFETCH(QString, strTip);
        QFETCH(QString, strKept);
        ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
        widget.SetCurrentTemplate(4);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        Entry(widget, 5)->GetLineEdit()->setText(strName);
        QSignalSpy spySaved(&widget, &ScheduleWidget::SignalSaveTemplateModified);
        QSignalSpy spyNames(&widget, &ScheduleWidget::SignalSaveTempNameModified);
        widget.GetConfirmBtn()->click();
        // A refused name keeps the editor open with the reason as tip.
        QCOMPARE(widget.isVisible(), !strTip.isEmpty());
        if (!strTip.isEmpty())
            QCOMPARE(Entry(widget, 5)->GetLineEdit()->toolTip(), strTip);
        QCOMPARE(spyNames.count(), strTip.isEmpty() ? 1 : 0);
        QCOMPARE(spySaved.count(), 0);
        QCOMPARE(TempNames(widget).at(5), strKept);
    }

    void closeAsksBeforeDiscarding()
    {
        ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
        widget.SetCurrentTemplate(5);
        widget.show();
        DragScene(Grid(widget)->GetScene(2), QPointF(100, 7), QPointF(200, 7));

        QString strAsked;
        AnswerNextQuestion([&strAsked](CWarningDlg* pQuestion) {
            strAsked = pQuestion->GetText() + QLatin1Char('|') + pQuestion->GetTitle();
            pQuestion->GetCancelBtn()->click();
        });
        widget.GetCloseBtn()->click();
        QCOMPARE(strAsked, QStringLiteral("Template was modified, do you want to exit without saving it?|Information"));
        QVERIFY(widget.isVisible());

        AnswerNextQuestion([](CWarningDlg* pQuestion) { pQuestion->GetConfirmBtn()->click(); });
        widget.GetCloseBtn()->click();
        QVERIFY(!widget.isVisible());
        QCOMPARE(widget.result(), int(QDialog::Rejected));
    }

    void cancelAndCloseOnlyReject_data()
    {
        QTest::addColumn<bool>("bClose");
        QTest::newRow("cancel") << false;
        QTest::newRow("title bar close, confirmed") << true;
    }

    void cancelAndCloseOnlyReject()
    {
        QFETCH(bool, bClose);
        ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
        widget.AddScheduleTemplate(ClientTemplates());
        widget.SetCurrentTemplate(3);
        widget.show();
        DragScene(Grid(widget)->GetScene(0), QPointF(0, 7), QPointF(48, 7));
        Entry(widget, 4)->GetRadioButton()->click();
        Entry(widget, 6)->GetLineEdit()->setText(QStringLiteral("Loading bay"));
        if (bClose) {
            AnswerNextQuestion([](CWarningDlg* pQuestion) { pQuestion->GetConfirmBtn()->click(); });
            widget.GetCloseBtn()->click();
        } else {
            widget.GetCancelBtn()->click();
        }
        QVERIFY(!widget.isVisible());
        QCOMPARE(widget.result(), int(QDialog::Rejected));
        // The dialog is only rejected: what was switched away from stays in
        // the list, and the entries keep their texts.
        Week edited = ClientTemplates().at(3);
        edited[0] = {Span(T(0, 0), T(2, 0))};
        QList<bool> lstFlags;
        QCOMPARE(TempData(widget, &lstFlags).at(3), edited);
        QVERIFY(lstFlags.at(3));
        QCOMPARE(widget.GetTempTextByIndex(6), QStringLiteral("Loading bay"));
        QCOMPARE(TempNames(widget).at(6), QStringLiteral("Template04"));
    }

    void customizedScheduleSaveAs()
    {
        ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
        widget.AddScheduleTemplate(ClientTemplates());
        widget.SetRecordParameters(1000, ClientTemplates().at(1));
        QSignalSpy spySaved(&widget, &ScheduleWidget::SignalSaveTemplateModified);
        QPushButton* pSaveAs = widget.findChild<QPushButton*>(QStringLiteral("m_pBtnSaveAs"));
        pSaveAs->click();
        QCOMPARE(NoticeTexts(), QStringList{QStringLiteral("The same template is existed.")});
        QCOMPARE(spySaved.count(), 0);
        cleanup();

        DragScene(Grid(widget)->GetScene(6), QPointF(0, 7), QPointF(96, 7));
        pSaveAs->click();
        // Template 0 is the first empty week.
        QCOMPARE(NoticeTexts(), QStringList{QStringLiteral("The customized template has been saved as Day Template.")});
        QCOMPARE(spySaved.count(), 1);
        Week expected = ClientTemplates().at(1);
        expected[6] = {Span(T(0, 0), T(4, 0))};
        QCOMPARE(TempData(widget).at(0), expected);
    }

    void confirmAsksToSaveCustomizedSchedule_data()
    {
        QTest::addColumn<bool>("bCustomEmpty");
        QTest::addColumn<QString>("strNotice");
        QTest::addColumn<int>("iSlot");
        QTest::addColumn<int>("iSaved");
        // Only the customized slot is empty: the schedule is stored there, no
        // template changes and so none is announced.
        QTest::newRow("customized slot empty") << true << "The customized template has been saved as Custom." << 11 << 0;
        // No empty slot: the first user template is overwritten.
        QTest::newRow("no empty slot") << false << "The customized template has been saved as Template01." << 3 << 1;
    }

    void confirmAsksToSaveCustomizedSchedule()
    {
        QFETCH(bool, bCustomEmpty);
        QFETCH(QString, strNotice);
        QFETCH(int, iSlot);
        ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
        QList<Week> lstTemplates = ClientTemplates();
        lstTemplates[0] = lstTemplates[3];
        for (int i = 4; i < 11; ++i)
            lstTemplates.append(lstTemplates[1]);
        widget.AddScheduleTemplate(lstTemplates);
        Week custom = EmptyWeek();
        if (!bCustomEmpty)
            custom[6] = {Span(T(1, 0), T(2, 0))};
        widget.SetRecordParameters(1000, custom);
        widget.show();
        DragScene(Grid(widget)->GetScene(0), QPointF(288, 7), QPointF(576, 7));
        QSignalSpy spySaved(&widget, &ScheduleWidget::SignalSaveTemplateModified);
        QString strAsked;
        AnswerNextQuestion([&strAsked](CWarningDlg* pQuestion) {
            strAsked = pQuestion->GetText();
            pQuestion->GetConfirmBtn()->click();
        });
        widget.GetConfirmBtn()->click();
        QCOMPARE(strAsked, QStringLiteral("Customized template was modified, do you want to save as schedule template?"));
        QCOMPARE(NoticeTexts(), QStringList{strNotice});
        QTEST(int(spySaved.count()), "iSaved");
        Week expected = custom;
        expected[0] = {Span(T(12, 0), T(23, 59, 59))};
        const QList<Week> lstData = TempData(widget);
        QCOMPARE(lstData.at(iSlot), expected);
        QCOMPARE(lstData.at(3), iSlot == 3 ? expected : lstTemplates.at(3));
        QCOMPARE(widget.GetRecordParameters(), expected);
    }

    void removeAndCopyFollowSelection()
    {
        ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
        widget.AddScheduleTemplate(ClientTemplates());
        widget.SetCurrentTemplate(3);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QPushButton* pRemove = widget.findChild<QPushButton*>(QStringLiteral("m_pBtnRemove"));
        QVERIFY(!pRemove->isEnabled());
        Grid(widget)->GetDayButton(5)->click();
        widget.findChild<QPushButton*>(QStringLiteral("m_pBtnCopy"))->click();
        auto* pPopup = widget.findChild<ScheduleDaySelect*>();
        QCOMPARE(pPopup->GetCurrentDay(), 6);
        pPopup->GetAllCheckBox()->setChecked(true);
        pPopup->GetOkButton()->click();
        Week expected = EmptyWeek();
        for (int iDay = 0; iDay < 7; ++iDay)
            expected[iDay] = {Span(T(9, 0), T(12, 0))};
        QCOMPARE(widget.GetRecordParameters(), expected);
        QVERIFY(pRemove->isEnabled());
        pRemove->click();
        expected[5].clear();
        QCOMPARE(widget.GetRecordParameters(), expected);
        QVERIFY(!pRemove->isEnabled());

        // An empty day has nothing to copy.
        widget.SetRecordParameters(1000, ClientTemplates().at(1));
        Grid(widget)->GetDayButton(6)->click();
        QVERIFY(!widget.findChild<QPushButton*>(QStringLiteral("m_pBtnCopy"))->isEnabled());
        widget.findChild<QPushButton*>(QStringLiteral("m_pBtnEmpty"))->click();
        QCOMPARE(widget.GetRecordParameters(), EmptyWeek());
    }

    void copyToKeepsTheDayAcrossTemplateSwitches()
    {
        ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
        widget.AddScheduleTemplate(ClientTemplates());
        widget.SetCurrentTemplate(3);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        Grid(widget)->GetDayButton(5)->click();
        Entry(widget, 4)->GetRadioButton()->click();
        Entry(widget, 3)->GetRadioButton()->click();
        QVERIFY(!Grid(widget)->GetScene(5)->IsSelected());
        // No row is selected any more, but Saturday is still the day to copy
        // once a selected span enables Copy to again.
        QPushButton* pCopy = widget.findChild<QPushButton*>(QStringLiteral("m_pBtnCopy"));
        QVERIFY(!pCopy->isEnabled());
        Grid(widget)->GetScene(5)->GetItemsInOrder().first()->setSelected(true);
        QVERIFY(pCopy->isEnabled());
        pCopy->click();
        auto* pPopup = widget.findChild<ScheduleDaySelect*>();
        QCOMPARE(pPopup->GetCurrentDay(), 6);
        pPopup->GetButtonGroup()->button(1)->setChecked(true);
        pPopup->GetOkButton()->click();
        Week expected = ClientTemplates().at(3);
        expected[0] = {Span(T(9, 0), T(12, 0))};
        QCOMPARE(widget.GetRecordParameters(), expected);
    }

    void deleteOnARowWithoutSelectedSpans()
    {
        ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
        widget.AddScheduleTemplate(ClientTemplates());
        widget.SetCurrentTemplate(3);
        widget.show();
        Grid(widget)->GetDayButton(2)->click();
        Q_EMIT widget.SignalDeleteSelectItem();
        // The chosen row counts as edited even though there was nothing to delete.
        QVERIFY(Grid(widget)->IsModified());
        QSignalSpy spySaved(&widget, &ScheduleWidget::SignalSaveTemplateModified);
        widget.GetConfirmBtn()->click();
        QCOMPARE(spySaved.count(), 1);
        QCOMPARE(widget.GetRecordParameters(), ClientTemplates().at(3));
    }

    void extremeSteps_data()
    {
        QTest::addColumn<int>("iValue");
        QTest::addColumn<int>("iStep");
        QTest::newRow("INT_MIN") << INT_MIN << 0;
        QTest::newRow("not a multiple") << 1000 << 1;
        QTest::newRow("INT_MAX") << INT_MAX << 576;
    }

    void extremeSteps()
    {
        QFETCH(int, iValue);
        ScheduleWidget widget(ScheduleWidget::RecordSchedule, iValue, iValue);
        widget.SetCurrentTemplate(5);
        ScheduleDayScene* pScene = Grid(widget)->GetScene(0);
        QTEST(pScene->GetMoveStep(), "iStep");
        DragScene(pScene, QPointF(100, 7), QPointF(300, 7));
        DragScene(pScene, QPointF(200, 7), QPointF(-50, 7));
        const std::vector<ScheduleData> vecDay = widget.GetRecordParameters().value(0);
        QCOMPARE(vecDay.size(), size_t(1));
        QVERIFY(vecDay.front().GetStartTime() < vecDay.front().GetStopTime());
        QVERIFY(pScene->GetItemsInOrder().first()->GetRight() <= 576);
    }

    void badClientCalls()
    {
        ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
        widget.SetCurrentTemplate(4);
        QTest::ignoreMessage(QtWarningMsg, "ScheduleWidget::GetModifiedTempData: pData == NULL || pFlags == NULL");
        widget.GetModifiedTempData(nullptr, nullptr);
        QTest::ignoreMessage(QtWarningMsg, "ScheduleWidget::GetModifiedTempName: pNames == NULL");
        widget.GetModifiedTempName(nullptr);
        widget.SetMaxItemNum(9);
        QCOMPARE(Grid(widget)->GetScene(0)->GetMaxItemNum(), 8);

        // Negative template ids are ignored silently; ids past the templates warn.
        Week week = EmptyWeek();
        week[0] = {Span(T(1, 0), T(2, 0))};
        for (int iId : {-1, 11, 1001}) {
            if (iId > 0)
                QTest::ignoreMessage(QtWarningMsg,
                                     qPrintable(QStringLiteral("ScheduleWidget::SetRecordParameters: no template %1").arg(iId)));
            widget.SetRecordParameters(iId, week);
            QCOMPARE(widget.GetCurrentTemplate(), 4);
            QCOMPARE(widget.GetTempTextByIndex(iId), QStringLiteral("Custom"));
        }
        QCOMPARE(widget.GetRecordParameters(), EmptyWeek());

        // Thirty names for twelve templates, the client may rename a fixed one;
        // an empty name keeps the old one, a name past 32 bytes is taken whole
        // into the names while the entry's limit cuts what it shows.
        for (const QString& strName : {QString(33, QLatin1Char('x')), QString(), QString(32, QLatin1Char('y'))}) {
            QList<QString> lstGiven = QVector<QString>(30).toList();
            lstGiven[1] = QStringLiteral("Office hours");
            lstGiven[4] = strName;
            widget.SetTemplateName(lstGiven);
            const QList<QString> lstNames = TempNames(widget);
            QCOMPARE(lstNames.size(), 12);
            QCOMPARE(lstNames.mid(0, 2), (QList<QString>{QStringLiteral("Day Template"), QStringLiteral("Office hours")}));
            QCOMPARE(lstNames.at(4), strName.isEmpty() ? QString(33, QLatin1Char('x')) : strName);
            QCOMPARE(widget.GetTempTextByIndex(4), lstNames.at(4).left(32));
        }

        // Twenty templates with days the grid does not have: twelve are kept,
        // each with its seven days.
        Week odd = EmptyWeek();
        odd[9] = {Span(T(3, 0), T(4, 0))};
        odd[-4] = {Span(T(5, 0), T(6, 0))};
        widget.AddScheduleTemplate(QVector<Week>(20, odd).toList());
        const QList<Week> lstData = TempData(widget);
        QCOMPARE(lstData.size(), 12);
        QCOMPARE(lstData.at(11).size(), 7);
    }

    void deletingSlots_data()
    {
        QTest::addColumn<WidgetAction>("fnAction");
        const auto row = [](const char* szName, auto signal, WidgetAction fnAction) {
            QTest::newRow(szName) << WidgetAction([signal, fnAction](ScheduleWidget* pWidget) {
                QObject::connect(pWidget, signal, pWidget, [pWidget] { delete pWidget; });
                fnAction(pWidget);
            });
        };
        row("type change", &ScheduleWidget::SignalTypeChange, [](ScheduleWidget* pWidget) {
            ButtonWithText(*pWidget, QStringLiteral("Event Recording"))->click();
        });
        row("delete selected", &ScheduleWidget::SignalDeleteSelectItem, [](ScheduleWidget* pWidget) {
            Grid(*pWidget)->GetDayButton(0)->click();
            pWidget->findChild<QPushButton*>(QStringLiteral("m_pBtnRemove"))->click();
        });
        row("template saved on confirm", &ScheduleWidget::SignalSaveTemplateModified, [](ScheduleWidget* pWidget) {
            DragScene(Grid(*pWidget)->GetScene(3), QPointF(10, 7), QPointF(90, 7));
            pWidget->GetConfirmBtn()->click();
        });
        row("template saved as", &ScheduleWidget::SignalSaveTemplateModified, [](ScheduleWidget* pWidget) {
            pWidget->SetRecordParameters(1000, EmptyWeek());
            DragScene(Grid(*pWidget)->GetScene(3), QPointF(10, 7), QPointF(90, 7));
            pWidget->findChild<QPushButton*>(QStringLiteral("m_pBtnSaveAs"))->click();
        });
        row("name saved", &ScheduleWidget::SignalSaveTempNameModified, [](ScheduleWidget* pWidget) {
            Entry(*pWidget, 5)->GetLineEdit()->setText(QStringLiteral("Parking lot"));
            pWidget->GetConfirmBtn()->click();
        });
    }

    void deletingSlots()
    {
        QFETCH(WidgetAction, fnAction);
        QPointer<ScheduleWidget> pWidget = new ScheduleWidget(ScheduleWidget::RecordSchedule, 1800, 1800);
        pWidget->SetCurrentTemplate(5);
        pWidget->show();
        DragScene(Grid(*pWidget)->GetScene(0), QPointF(24, 7), QPointF(48, 7));
        fnAction(pWidget.data());
        QVERIFY(pWidget.isNull());
    }
};

QTEST_MAIN(tst_ScheduleWidget)
#include "tst_schedulewidget.moc"
