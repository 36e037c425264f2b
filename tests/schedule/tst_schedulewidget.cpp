#include "ScheduleTestSupport.h"

#include "schedule/GraphicsView.h"
#include "schedule/RadioEditComb.h"
#include "schedule/ScheduleDayScene.h"
#include "schedule/ScheduleDaySelect.h"
#include "schedule/ScheduleFrame.h"

#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QToolButton>
#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;
using namespace ScheduleTest;

namespace {

CRadioEditComb* Entry(const ScheduleWidget& widget, int iIndex)
{
    return widget.findChildren<CRadioEditComb*>().value(iIndex);
}

// Monday of a work week, and an event template.
QList<Week> ClientTemplates()
{
    Week workDay = EmptyWeek();
    for (int iDay = 0; iDay < 5; ++iDay)
        workDay[iDay] = {Span(T(8, 0), T(18, 0))};
    Week eventWeek = EmptyWeek();
    for (int iDay = 0; iDay < 7; ++iDay)
        eventWeek[iDay] = {Span(T(0, 0), T(23, 59, 59), ScheduleData::Event)};
    Week userWeek = EmptyWeek();
    userWeek[5] = {Span(T(9, 0), T(12, 0))};
    return {EmptyWeek(), workDay, eventWeek, userWeek};
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

QStringList g_lstConnectWarnings;

void CollectConnectWarnings(QtMsgType, const QMessageLogContext&, const QString& strMessage)
{
    if (strMessage.startsWith(QLatin1String("QObject::connect")) || strMessage.startsWith(QLatin1String("QObject::disconnect")))
        g_lstConnectWarnings.append(strMessage);
}

} // namespace

class tst_ScheduleWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void construction_data();
    void construction();
    void entryTexts_data();
    void entryTexts();
    void stringConnectionsConnect();
    void typeButtonsReachEveryRow();
    void fixedTemplateIsReadOnly();
    void recordParameters();
    void switchingKeepsEdits();
    void switchingByTheClientDiscardsEdits();
    void rename_data();
    void rename();
    void closeAsksBeforeDiscarding();
    void customizedScheduleSaveAs();
    void confirmAsksToSaveCustomizedSchedule();
    void copyToPopup();
    void removeAndCopyFollowSelection();
};

void tst_ScheduleWidget::cleanup()
{
    const auto lstWidgets = QApplication::topLevelWidgets();
    for (QWidget* pWidget : lstWidgets) {
        if (qobject_cast<CInformationDlg*>(pWidget))
            delete pWidget;
    }
}

void tst_ScheduleWidget::construction_data()
{
    QTest::addColumn<bool>("bHoliday");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("iRows");
    QTest::newRow("week") << false << QSize(885, 555) << 7;
    QTest::newRow("week and holiday") << true << QSize(885, 570) << 8;
}

void tst_ScheduleWidget::construction()
{
    QFETCH(bool, bHoliday);
    ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800, bHoliday);
    QTEST(widget.size(), "size");
    QTEST(Grid(widget)->GetRowCount(), "iRows");
    QCOMPARE(widget.GetTitle(), QStringLiteral("Templates Management"));
    QCOMPARE(widget.GetConfirmBtn()->text(), QStringLiteral("OK"));
    QCOMPARE(widget.GetCurrentTemplate(), -1);
    QCOMPARE(widget.GetTempText(), QStringLiteral("Day Template"));
    QVERIFY(!widget.findChild<QPushButton*>(QStringLiteral("m_pBtnSaveAs"))->isVisibleTo(&widget));
    QVERIFY(!widget.findChild<QPushButton*>(QStringLiteral("m_pBtnEditTemp"))->isVisibleTo(&widget));
    QCOMPARE(Tool(widget, "m_pBtnCopy")->toolTip(), QStringLiteral("Copy to"));
    QVERIFY(!Tool(widget, "m_pBtnEmpty")->isEnabled());
    QVERIFY(widget.GetCloseBtn()->isVisibleTo(&widget));
    // Every template is an empty week of the grid's days.
    QList<bool> lstFlags;
    const QList<Week> lstData = TempData(widget, &lstFlags);
    QCOMPARE(lstData.size(), 12);
    QCOMPARE(lstData.last(), EmptyWeek(bHoliday ? 8 : 7));
    QCOMPARE(lstFlags, QVector<bool>(12, false).toList());
    QCOMPARE(Grid(widget)->GetScene(0)->GetMoveStep(), 3);
}

void tst_ScheduleWidget::entryTexts_data()
{
    QTest::addColumn<int>("iOptions");
    QTest::addColumn<QStringList>("lstNames");
    QTest::addColumn<int>("iFixed");
    QTest::newRow("record") << 0
                            << QStringList{"Day Template", "Business Day", "Event Template", "Template01", "Template02",
                                           "Template03", "Template04", "Template05", "Template06", "Template07",
                                           "Template08", "Custom"}
                            << 3;
    QTest::newRow("event") << 2
                           << QStringList{"Day Template", "Business Day", "Template01", "Template02", "Template03",
                                          "Template04", "Template05", "Template06", "Template07", "Template08",
                                          "Template09", "Custom"}
                           << 2;
}

void tst_ScheduleWidget::entryTexts()
{
    QFETCH(int, iOptions);
    QFETCH(int, iFixed);
    ScheduleWidget widget(ScheduleWidget::Options(iOptions), 1800, 1800);
    QTEST(QStringList(TempNames(widget)), "lstNames");
    for (int i = 0; i < 12; ++i) {
        CRadioEditComb* pEntry = Entry(widget, i);
        QCOMPARE(pEntry->GetShowOption(), i < iFixed ? CRadioEditComb::FixedName : CRadioEditComb::EditableName);
        QCOMPARE(pEntry->GetId(), i == 11 ? 1000 : i);
    }
    QVERIFY(!Entry(widget, 11)->isVisibleTo(&widget));
    QCOMPARE(widget.GetTempTextByIndex(1), QStringLiteral("Business Day"));
    QCOMPARE(widget.GetTempTextByIndex(1000), QStringLiteral("Custom"));
    QCOMPARE(widget.GetTempTextByIndex(77), QStringLiteral("Custom"));
}

// The schedule classes connect by signatures spelled as text; a misspelt one
// only warns at run time and leaves the editor deaf. Every such connection
// must be made, and the signatures must be the ones the client connects to.
void tst_ScheduleWidget::stringConnectionsConnect()
{
    g_lstConnectWarnings.clear();
    const QtMessageHandler pPrevious = qInstallMessageHandler(CollectConnectWarnings);
    {
        ScheduleWidget widget(ScheduleWidget::EventSchedule, 1800, 1800, true);
        widget.SetCurrentTemplate(3);
        Grid(widget)->GetDayButton(0)->click();
        Tool(widget, "m_pBtnCopy")->click();
        widget.findChild<ScheduleDaySelect*>()->hide();
    }
    qInstallMessageHandler(pPrevious);
    QCOMPARE(g_lstConnectWarnings, QStringList());

    const QMetaObject& widgetMeta = ScheduleWidget::staticMetaObject;
    QVERIFY(widgetMeta.indexOfSignal("SignalTypeChange(ScheduleData::ScheduleItemType)") >= 0);
    QVERIFY(widgetMeta.indexOfSignal("SignalDeleteSelectItem()") >= 0);
    QVERIFY(widgetMeta.indexOfSignal("SignalSaveTemplateModified()") >= 0);
    QVERIFY(widgetMeta.indexOfSignal("SignalSaveTempNameModified()") >= 0);
    QVERIFY(ScheduleFrame::staticMetaObject.indexOfSignal("SignalTypeChange(ScheduleData::ScheduleItemType)") >= 0);
    QVERIFY(ScheduleDayScene::staticMetaObject.indexOfSlot("OnTypeChange(ScheduleData::ScheduleItemType)") >= 0);

    // Event schedules announce their type to every row at construction.
    ScheduleWidget widget(ScheduleWidget::EventSchedule, 1800, 1800, true);
    for (int iRow = 0; iRow < 8; ++iRow)
        QCOMPARE(Grid(widget)->GetScene(iRow)->GetType(), int(ScheduleData::Event));
}

void tst_ScheduleWidget::typeButtonsReachEveryRow()
{
    ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800, true);
    widget.SetCurrentTemplate(4);
    QSignalSpy spyType(&widget, &ScheduleWidget::SignalTypeChange);
    QPushButton* pCommand = ButtonWithText(widget, QStringLiteral("Command"));
    QVERIFY(pCommand->isEnabled());
    pCommand->click();
    QCOMPARE(spyType.count(), 1);
    QCOMPARE(spyType.at(0).at(0).value<ScheduleData::ScheduleItemType>(), ScheduleData::Command);
    for (int iRow = 0; iRow < 8; ++iRow)
        QCOMPARE(Grid(widget)->GetScene(iRow)->GetType(), 3);
    QCOMPARE(pCommand->objectName(), QStringLiteral("CurSelectedBtn"));
    QCOMPARE(ButtonWithText(widget, QStringLiteral("Continuous"))->objectName(), QString());

    // Drawn spans take the chosen type.
    DragScene(Grid(widget)->GetScene(1), QPointF(96, 7), QPointF(144, 7));
    QCOMPARE(widget.GetRecordParameters().value(1), std::vector<ScheduleData>{Span(T(4, 0), T(6, 0), ScheduleData::Command)});

    ScheduleWidget capture(ScheduleWidget::CaptureSchedule, 1800, 1800);
    QVERIFY(ButtonWithText(capture, QStringLiteral("Schedule Capture")));
    QVERIFY(ButtonWithText(capture, QStringLiteral("Event Capture")));
    QVERIFY(!ButtonWithText(capture, QStringLiteral("Command"))->isVisibleTo(&capture));
    capture.SetCommandTypeShown(true);
    QVERIFY(ButtonWithText(capture, QStringLiteral("Command"))->isVisibleTo(&capture));
}

void tst_ScheduleWidget::fixedTemplateIsReadOnly()
{
    ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
    widget.AddScheduleTemplate(ClientTemplates());
    widget.SetCurrentTemplate(1);
    QCOMPARE(widget.GetTempText(), QStringLiteral("Business Day"));
    QVERIFY(Grid(widget)->GetView(0)->IsLocked());
    QVERIFY(!ButtonWithText(widget, QStringLiteral("Continuous"))->isEnabled());
    QVERIFY(!Tool(widget, "m_pBtnEmpty")->isEnabled());
    QVERIFY(!Grid(widget)->GetScene(0)->IsEditable());
    QCOMPARE(widget.GetRecordParameters(), ClientTemplates().at(1));

    ScheduleWidget events(ScheduleWidget::EventSchedule, 1800, 1800);
    events.SetCurrentTemplate(2);
    QVERIFY(!Grid(events)->GetView(0)->IsLocked());
    QVERIFY(Entry(events, 2)->IsEditable());
    QVERIFY(!Entry(events, 1)->IsEditable());
}

void tst_ScheduleWidget::recordParameters()
{
    ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
    widget.AddScheduleTemplate(ClientTemplates());
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
    for (int i = 0; i < 12; ++i)
        QVERIFY(!Entry(widget, i)->isVisibleTo(&widget));
    QVERIFY(widget.findChild<QPushButton*>(QStringLiteral("m_pBtnSaveAs"))->isVisibleTo(&widget));
    QVERIFY(!Grid(widget)->GetView(0)->IsLocked());
}

void tst_ScheduleWidget::switchingKeepsEdits()
{
    ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
    widget.AddScheduleTemplate(ClientTemplates());
    widget.SetCurrentTemplate(3);
    DragScene(Grid(widget)->GetScene(0), QPointF(0, 7), QPointF(48, 7));
    Week edited = ClientTemplates().at(3);
    edited[0] = {Span(T(0, 0), T(2, 0))};
    QCOMPARE(widget.GetRecordParameters(), edited);

    Entry(widget, 4)->GetRadioButton()->click();
    QCOMPARE(widget.GetCurrentTemplate(), 4);
    QCOMPARE(widget.GetRecordParameters(), EmptyWeek());
    QVERIFY(!Entry(widget, 3)->IsSelected());
    Entry(widget, 3)->GetRadioButton()->click();
    QCOMPARE(widget.GetRecordParameters(), edited);

    QSignalSpy spySaved(&widget, &ScheduleWidget::SignalSaveTemplateModified);
    QSignalSpy spyNames(&widget, &ScheduleWidget::SignalSaveTempNameModified);
    widget.show();
    widget.GetConfirmBtn()->click();
    QCOMPARE(spySaved.count(), 1);
    QCOMPARE(spyNames.count(), 0);
    QCOMPARE(widget.result(), int(QDialog::Accepted));
    QList<bool> lstFlags;
    QCOMPARE(TempData(widget, &lstFlags).at(3), edited);
    QVERIFY(lstFlags.at(3));
    QVERIFY(!lstFlags.at(4));
}

// Switching by the client drops the edits, so confirming saves nothing.
void tst_ScheduleWidget::switchingByTheClientDiscardsEdits()
{
    ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
    widget.AddScheduleTemplate(ClientTemplates());
    widget.SetCurrentTemplate(3);
    DragScene(Grid(widget)->GetScene(0), QPointF(0, 7), QPointF(48, 7));
    widget.SetCurrentTemplate(4);
    widget.SetCurrentTemplate(3);
    QCOMPARE(widget.GetRecordParameters(), ClientTemplates().at(3));
    QList<bool> lstFlags;
    TempData(widget, &lstFlags);
    QVERIFY(!lstFlags.at(3));
    QSignalSpy spySaved(&widget, &ScheduleWidget::SignalSaveTemplateModified);
    QSignalSpy spyNames(&widget, &ScheduleWidget::SignalSaveTempNameModified);
    widget.show();
    widget.GetConfirmBtn()->click();
    QCOMPARE(spySaved.count(), 0);
    QCOMPARE(spyNames.count(), 0);
    QCOMPARE(widget.result(), int(QDialog::Accepted));
    QVERIFY(!widget.isVisible());
}

void tst_ScheduleWidget::rename_data()
{
    QTest::addColumn<QString>("strName");
    QTest::addColumn<QString>("strTip");
    QTest::addColumn<QString>("strKept");
    QTest::newRow("empty") << QString() << "Template name cannot be empty." << "Template03";
    QTest::newRow("blanks") << "   " << "Template name cannot be empty." << "Template03";
    QTest::newRow("taken by another") << "Business Day" << "Template name already exist." << "Template03";
    QTest::newRow("new name") << "Night shift" << QString() << "Night shift";
}

void tst_ScheduleWidget::rename()
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
    if (strTip.isEmpty())
        QCOMPARE(widget.GetTempTextByIndex(5), strKept);
}

void tst_ScheduleWidget::closeAsksBeforeDiscarding()
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

    // Nothing changed: the close button closes without asking.
    ScheduleWidget unchanged(ScheduleWidget::RecordSchedule, 1800, 1800);
    unchanged.show();
    unchanged.GetCloseBtn()->click();
    QVERIFY(!unchanged.isVisible());
}

void tst_ScheduleWidget::customizedScheduleSaveAs()
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
    QList<bool> lstFlags;
    QCOMPARE(TempData(widget, &lstFlags).at(0), expected);
    QVERIFY(lstFlags.at(0));
}

void tst_ScheduleWidget::confirmAsksToSaveCustomizedSchedule()
{
    ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
    QList<Week> lstTemplates = ClientTemplates();
    lstTemplates[0] = lstTemplates[3];
    for (int i = 4; i < 11; ++i)
        lstTemplates.append(lstTemplates[1]);
    widget.AddScheduleTemplate(lstTemplates);
    widget.SetRecordParameters(1000, EmptyWeek());
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
    // No empty slot: the first user template is overwritten.
    QCOMPARE(NoticeTexts(), QStringList{QStringLiteral("The customized template has been saved as Template01.")});
    QCOMPARE(spySaved.count(), 1);
    QCOMPARE(widget.result(), int(QDialog::Accepted));
    Week expected = EmptyWeek();
    expected[0] = {Span(T(12, 0), T(23, 59, 59))};
    const QList<Week> lstData = TempData(widget);
    QCOMPARE(lstData.at(3), expected);
    QCOMPARE(lstData.at(11), expected);
    QCOMPARE(widget.GetRecordParameters(), expected);
}

void tst_ScheduleWidget::copyToPopup()
{
    ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
    widget.AddScheduleTemplate(ClientTemplates());
    widget.SetCurrentTemplate(3);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    Grid(widget)->GetDayButton(5)->click();
    QToolButton* pCopy = Tool(widget, "m_pBtnCopy");
    QVERIFY(pCopy->isEnabled());
    pCopy->click();
    auto* pPopup = widget.findChild<ScheduleDaySelect*>();
    QVERIFY(pPopup->isVisible());
    QCOMPARE(pPopup->GetCurrentDay(), 6);
    pPopup->GetAllCheckBox()->setChecked(true);
    pPopup->GetOkButton()->click();
    Week expected = EmptyWeek();
    for (int iDay = 0; iDay < 7; ++iDay)
        expected[iDay] = {Span(T(9, 0), T(12, 0))};
    QCOMPARE(widget.GetRecordParameters(), expected);
}

void tst_ScheduleWidget::removeAndCopyFollowSelection()
{
    ScheduleWidget widget(ScheduleWidget::RecordSchedule, 1800, 1800);
    widget.AddScheduleTemplate(ClientTemplates());
    widget.SetCurrentTemplate(3);
    QToolButton* pRemove = Tool(widget, "m_pBtnRemove");
    QVERIFY(!pRemove->isEnabled());
    Grid(widget)->GetDayButton(5)->click();
    QVERIFY(pRemove->isEnabled());
    pRemove->click();
    QCOMPARE(widget.GetRecordParameters(), EmptyWeek());
    QVERIFY(!pRemove->isEnabled());

    widget.SetRecordParameters(1000, ClientTemplates().at(1));
    QToolButton* pCopy = Tool(widget, "m_pBtnCopy");
    Grid(widget)->GetDayButton(6)->click();
    QVERIFY(!pCopy->isEnabled());
    Grid(widget)->GetDayButton(0)->click();
    QVERIFY(pCopy->isEnabled());
    Tool(widget, "m_pBtnEmpty")->click();
    QCOMPARE(widget.GetRecordParameters(), EmptyWeek());
}

QTEST_MAIN(tst_ScheduleWidget)
#include "tst_schedulewidget.moc"
