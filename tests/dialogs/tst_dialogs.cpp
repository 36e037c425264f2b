#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include "dialogs/BaseDialogWithBottomPrivate.h"
#include "support/AnswerNextQuestion.h"

#include <QtCore/QPointer>
#include <QtGui/QScreen>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLayout>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>
#include <QtTest/QtTest>

#include <climits>
#include <memory>

using namespace OrvaGUIToolkit;

namespace {

using OrvaTest::AnswerNextQuestion;

CTitleWidget* TitleOf(const QWidget& dialog)
{
    return dialog.findChild<CTitleWidget*>(QStringLiteral("m_pTitleWidget"));
}

// Mouse events carry their global position explicitly, so that the cursor can
// be put anywhere, off the screen included.
void SendMouse(QWidget* pWidget, QEvent::Type enumType, const QPoint& ptLocal, const QPoint& ptGlobal,
               Qt::MouseButton enumButton = Qt::LeftButton)
{
    const Qt::MouseButtons enumButtons = enumType == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(enumButton);
    QMouseEvent event(enumType, ptLocal, ptGlobal, enumType == QEvent::MouseMove ? Qt::NoButton : enumButton,
                      enumButtons, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &event);
}

// Presses on the title at ptPress, moves the cursor to the global ptTo and releases it there.
void DragTitle(CTitleWidget* pTitle, const QPoint& ptPress, const QPoint& ptTo, Qt::MouseButton enumButton = Qt::LeftButton)
{
    SendMouse(pTitle, QEvent::MouseButtonPress, ptPress, pTitle->mapToGlobal(ptPress), enumButton);
    SendMouse(pTitle, QEvent::MouseMove, ptPress, ptTo, enumButton);
    SendMouse(pTitle, QEvent::MouseButtonRelease, ptPress, ptTo, enumButton);
}

// Sent directly: QTest's key clicks cannot type Select.
void PressKey(QWidget* pWidget, int iKey)
{
    QKeyEvent press(QEvent::KeyPress, iKey, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &press);
    QKeyEvent release(QEvent::KeyRelease, iKey, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &release);
}

void ShowAt(QWidget& dialog, const QRect& rect = QRect(100, 100, 320, 200))
{
    dialog.setGeometry(rect);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
}

class CMaximizeModeGuard
{
public:
    explicit CMaximizeModeGuard(int iMode)
    {
        CWidgetMaximizeManager::Instance().SetWidgetMaximizeMode(
            static_cast<CWidgetMaximizeManager::WidgetMaximizeMode>(iMode));
    }
    ~CMaximizeModeGuard()
    {
        CWidgetMaximizeManager::Instance().SetWidgetMaximizeMode(CWidgetMaximizeManager::MaximizeToAvailableArea);
    }
};

// A dialog of another part of the library: its private class extends the
// bottom dialog's, as the library's own dialogs outside this folder do.
class CPlateDialogPrivate : public CBaseDialogWithBottomPrivate
{
};

class CPlateDialog : public CBaseDialogWithBottom
{
    Q_DECLARE_PRIVATE(CPlateDialog)

public:
    CPlateDialog()
        : CBaseDialogWithBottom(*new CPlateDialogPrivate, nullptr)
    {
        SetContentWnd(new QLabel(QStringLiteral("B-AC 4711")));
        HideBottom();
    }
    // The base's state, reached through the one private object.
    QPushButton* ConfirmFromState() const
    {
        Q_D(const CPlateDialog);
        return d->m_pConfirmBtn;
    }
};

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formHasTheNamedParts()
    {
        CBaseDialogWithBottom dialog;
        QCOMPARE(dialog.objectName(), QStringLiteral("CBaseDialogClass"));
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        // Style sheets reach the parts by these names.
        for (const char* szName : {"m_pTitleWidget", "m_pGridBaseDialog", "m_pContentFrame", "m_pDialogCloseBtn",
                                   "m_pBottomFrame", "m_pLeftBtn", "m_pConfirmBtn", "m_pCancelBtn"})
            QVERIFY2(dialog.findChild<QObject*>(QLatin1String(szName)), szName);
        QCOMPARE(dialog.GetSetUpUiWidget()->objectName(), QStringLiteral("m_pWithBottomWidget"));
        QCOMPARE(dialog.GetConfirmBtn()->text(), QStringLiteral("Confirm"));
        QCOMPARE(dialog.GetCancelBtn()->text(), QStringLiteral("Cancel"));
        QVERIFY(dialog.GetLeftBtn()->isHidden());
        dialog.SetYesAndNoText();
        QCOMPARE(dialog.GetConfirmBtn()->text(), QStringLiteral("Yes"));
        QCOMPARE(dialog.GetCancelBtn()->text(), QStringLiteral("No"));

        CBaseDialog plain;
        QCOMPARE(plain.GetSetUpUiWidget()->objectName(), QStringLiteral("m_pNoBottomWidget"));
        QVERIFY(!plain.findChild<QFrame*>(QStringLiteral("m_pBottomFrame")));
    }

    // A new dialog shows neither title button and ignores maximising until the
    // client turns the title's double click on.
    void newDialogShowsNoButtons()
    {
        CBaseDialog dialog;
        ShowAt(dialog);
        QVERIFY(!dialog.GetCloseBtn()->isVisible() && !dialog.GetSizeBtn()->isVisible());
        dialog.SetSizeBtnVisible(true);
        QVERIFY(dialog.GetSizeBtn()->isVisible());

        const QRect rectBefore = dialog.geometry();
        QTest::mouseDClick(TitleOf(dialog), Qt::LeftButton, Qt::NoModifier, QPoint(20, 5));
        QTest::mouseClick(dialog.GetSizeBtn(), Qt::LeftButton);
        QVERIFY(!dialog.IsMaximize());
        QCOMPARE(dialog.geometry(), rectBefore);
        QCOMPARE(dialog.GetSizeBtn()->objectName(), QStringLiteral("m_pFullSizeBtn"));
    }

    void sizeButtonMaximisesAndRestores_data()
    {
        QTest::addColumn<int>("iMode");
        QTest::addColumn<bool>("bFullScreen");
        QTest::newRow("maximise to available area") << 0 << false;
        QTest::newRow("full screen") << 1 << true;
        QTest::newRow("unknown mode maximises") << 7 << false;
    }

    void sizeButtonMaximisesAndRestores()
    {
        QFETCH(int, iMode);
        QFETCH(bool, bFullScreen);
        CMaximizeModeGuard mode(iMode);
        CBaseDialog dialog;
        dialog.SetSizeBtnVisible(true);
        dialog.SetTitleDoubleClickEnable(true);
        ShowAt(dialog, QRect(120, 90, 340, 220));
        const QRect rectNormal = dialog.geometry();

        QTest::mouseClick(dialog.GetSizeBtn(), Qt::LeftButton);
        QVERIFY(dialog.IsMaximize());
        QCOMPARE(dialog.IsFullScreen(&dialog), bFullScreen);
        QCOMPARE(dialog.size(), QSize(800, 600));
        QCOMPARE(dialog.GetSizeBtn()->objectName(), QStringLiteral("m_pNormalSizeBtn"));

        // A double click on the title restores, as the size button would.
        QTest::mouseDClick(TitleOf(dialog), Qt::LeftButton, Qt::NoModifier, QPoint(30, 5));
        QVERIFY(!dialog.IsMaximize());
        QCOMPARE(dialog.size(), rectNormal.size());
        QTRY_COMPARE(dialog.pos(), rectNormal.topLeft());
        QCOMPARE(dialog.GetSizeBtn()->objectName(), QStringLiteral("m_pFullSizeBtn"));

        // Other buttons do not maximise.
        QTest::mouseDClick(TitleOf(dialog), Qt::RightButton, Qt::NoModifier, QPoint(30, 5));
        QVERIFY(!dialog.IsMaximize());
    }

    // The cursor grabs the title 40 pixels right of and 6 below the dialog's
    // corner and is dragged to a global point; the dialog follows, but the grab
    // point never leaves the available area (0, 0, 800, 600).
    void titleDrag_data()
    {
        QTest::addColumn<QPoint>("ptCursor");
        QTest::addColumn<QPoint>("ptDialog");
        QTest::newRow("inside") << QPoint(300, 250) << QPoint(260, 244);
        QTest::newRow("INT_MIN, INT_MAX") << QPoint(INT_MIN, INT_MAX) << QPoint(-40, 593);
        QTest::newRow("INT_MAX, INT_MIN") << QPoint(INT_MAX, INT_MIN) << QPoint(759, -6);
    }

    void titleDrag()
    {
        QFETCH(QPoint, ptCursor);
        QFETCH(QPoint, ptDialog);
        CBaseDialog dialog;
        ShowAt(dialog);
        CTitleWidget* pTitle = TitleOf(dialog);
        DragTitle(pTitle, QPoint(40, 6), ptCursor);
        QTRY_COMPARE(dialog.pos(), ptDialog);

        // After the release, moving the mouse no longer drags.
        SendMouse(pTitle, QEvent::MouseMove, QPoint(5, 5), QPoint(10, 10));
        QCOMPARE(dialog.pos(), ptDialog);
    }

    void noDrag_data()
    {
        QTest::addColumn<int>("iCase");
        QTest::newRow("right button") << 0;
        QTest::newRow("move disabled") << 1;
        QTest::newRow("full screen") << 2;
    }

    void noDrag()
    {
        QFETCH(int, iCase);
        CMaximizeModeGuard mode(CWidgetMaximizeManager::MaximizeToFullScreen);
        CBaseDialog dialog;
        ShowAt(dialog);
        CTitleWidget* pTitle = TitleOf(dialog);
        if (iCase == 1)
            pTitle->SetOpenWidgetMoveEnable(false);
        if (iCase == 2) {
            dialog.Maximize();
            QVERIFY(dialog.IsFullScreen(&dialog));
            QTRY_COMPARE(dialog.pos(), QPoint(0, 0));
        }
        const QPoint ptStart = dialog.pos();
        DragTitle(pTitle, QPoint(40, 6), QPoint(190, 156), iCase == 0 ? Qt::RightButton : Qt::LeftButton);
        QCOMPARE(dialog.pos(), ptStart);
    }

    // Return, Enter and Select never reach a default button of the content: the
    // plain dialog ignores them, the one with a bottom row confirms if it can.
    void keys_data()
    {
        QTest::addColumn<bool>("bBottom");
        QTest::addColumn<int>("iKey");
        QTest::addColumn<bool>("bConfirmVisible");
        QTest::addColumn<int>("iFinished");
        QTest::addColumn<int>("iResult");
        const int iAccepted = QDialog::Accepted;
        const int iRejected = QDialog::Rejected;
        const std::pair<int, const char*> s_confirmKeys[] = {
            {Qt::Key_Return, "Return"}, {Qt::Key_Enter, "Enter"}, {Qt::Key_Select, "Select"}};
        for (const auto& key : s_confirmKeys) {
            QTest::addRow("plain, %s", key.second) << false << key.first << true << 0 << iRejected;
            QTest::addRow("bottom, %s", key.second) << true << key.first << true << 1 << iAccepted;
        }
        QTest::newRow("bottom, Return, confirm hidden") << true << int(Qt::Key_Return) << false << 0 << iRejected;
        QTest::newRow("plain, Escape") << false << int(Qt::Key_Escape) << true << 1 << iRejected;
        QTest::newRow("bottom, Escape") << true << int(Qt::Key_Escape) << true << 1 << iRejected;
    }

    void keys()
    {
        QFETCH(bool, bBottom);
        QFETCH(int, iKey);
        QFETCH(bool, bConfirmVisible);
        QFETCH(int, iFinished);
        QFETCH(int, iResult);
        std::unique_ptr<CBaseDialog> pDialog(bBottom ? new CBaseDialogWithBottom : new CBaseDialog);
        if (bBottom)
            static_cast<CBaseDialogWithBottom*>(pDialog.get())->SetConfirmBtnVisible(bConfirmVisible);
        auto* pContent = new QWidget;
        auto* pDefault = new QPushButton(QStringLiteral("Apply"), pContent);
        pDefault->setDefault(true);
        QSignalSpy spyDefault(pDefault, &QPushButton::clicked);
        pDialog->SetContentWnd(pContent);
        QSignalSpy spyFinished(pDialog.get(), &QDialog::finished);
        ShowAt(*pDialog);
        PressKey(pDialog.get(), iKey);
        QCOMPARE(spyFinished.count(), iFinished);
        QCOMPARE(pDialog->isVisible(), iFinished == 0);
        QCOMPARE(pDialog->result(), iResult);
        QCOMPARE(spyDefault.count(), 0);
    }

    // ReConnect drops every other receiver of the signal; the connection type
    // given is the one used; null arguments are refused.
    void reConnectRoutesButtonElsewhere()
    {
        CBaseDialogWithBottom dialog;
        QSignalSpy spyAccepted(&dialog, &QDialog::accepted);
        QObject logger;
        int iLoggerCalls = 0;
        connect(dialog.GetConfirmBtn(), &QPushButton::clicked, &logger, [&iLoggerCalls] { ++iLoggerCalls; });
        QPushButton target;
        QSignalSpy spyTarget(&target, &QPushButton::clicked);

        QVERIFY(CBaseDialogWithBottom::ReConnect(dialog.GetConfirmBtn(), SIGNAL(clicked()), &target, SLOT(click()),
                                                 Qt::AutoConnection));
        ShowAt(dialog);
        QTest::mouseClick(dialog.GetConfirmBtn(), Qt::LeftButton);
        QCOMPARE(spyTarget.count(), 1);
        QCOMPARE(spyAccepted.count(), 0);
        QCOMPARE(iLoggerCalls, 0);

        // Queued: the new method runs from the event loop, once.
        QVERIFY(CBaseDialogWithBottom::ReConnect(dialog.GetConfirmBtn(), SIGNAL(clicked()), &dialog, SLOT(accept()),
                                                 Qt::QueuedConnection));
        QTest::mouseClick(dialog.GetConfirmBtn(), Qt::LeftButton);
        QCOMPARE(spyAccepted.count(), 0);
        QTRY_COMPARE(spyAccepted.count(), 1);
        QCOMPARE(spyTarget.count(), 1);

        // A refused call leaves the button's connection alone.
        QPushButton* pBtn = dialog.GetConfirmBtn();
        QTest::ignoreMessage(QtWarningMsg, "CBaseDialogWithBottom::ReConnect: pSender == NULL || szSignal == NULL || "
                                           "pReceiver == NULL || szMethod == NULL");
        QVERIFY(!CBaseDialogWithBottom::ReConnect(pBtn, SIGNAL(clicked()), nullptr, SLOT(accept())));
        pBtn->click();
        QTRY_COMPARE(spyAccepted.count(), 2);
    }

    void contentWindow()
    {
        CBaseDialog dialog;
        const int iChildren = dialog.GetSetUpUiWidget()->children().size();
        QTest::ignoreMessage(QtWarningMsg, "CBaseDialog::SetContentWnd: Attempt to insert null QWidget");
        dialog.SetContentWnd(nullptr);
        QCOMPARE(dialog.GetSetUpUiWidget()->children().size(), iChildren);
        QVERIFY(!dialog.GetSetUpUiWidget()->layout());

        auto* pFirst = new QLabel(QStringLiteral("Gate 2 North"));
        dialog.SetContentWnd(pFirst);
        QCOMPARE(pFirst->parentWidget(), dialog.GetSetUpUiWidget());

        // A second content replaces the first in view; the first stays alive.
        auto* pSecond = new QLabel(QStringLiteral("Parking P2"));
        dialog.SetContentWnd(pSecond);
        ShowAt(dialog);
        QVERIFY(pSecond->isVisible());
        QVERIFY(!pFirst->isVisible());
        QCOMPARE(dialog.GetSetUpUiWidget()->layout()->count(), 1);

        QTest::ignoreMessage(QtWarningMsg, "CBaseDialog::AddTitleWidget: pWidget == NULL");
        dialog.AddTitleWidget(nullptr);
    }

    void titleWidgetParts()
    {
        CTitleWidget title;
        auto* pIcon = title.findChild<QLabel*>(QStringLiteral("pIconLabel"));
        auto* pLabel = title.findChild<CTitleLabel*>(QStringLiteral("pTitleLabel"));
        QVERIFY(pIcon && pLabel);
        // The icon takes room only while there is one.
        QVERIFY(pIcon->isHidden());
        QPixmap pixIcon(16, 16);
        pixIcon.fill(Qt::red);
        title.SetTitleIcon(pixIcon);
        QVERIFY(!pIcon->isHidden());
        title.SetTitleIcon(QPixmap());
        QVERIFY(pIcon->isHidden());

        // A clipped title can still be read in full.
        title.SetTitle(QStringLiteral("Export recordings"));
        QCOMPARE(pLabel->toolTip(), QStringLiteral("Export recordings"));
        QCOMPARE(pLabel->alignment(), Qt::Alignment(Qt::AlignCenter));
        QVERIFY(title.setProperty("m_enumTitlePixmapAlignment", QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter))));
        QCOMPARE(pLabel->alignment(), Qt::AlignLeft | Qt::AlignVCenter);

        QTest::ignoreMessage(QtWarningMsg, "CTitleWidget::AddWidget: pWidget == NULL");
        title.AddWidget(nullptr);
        QTest::ignoreMessage(QtWarningMsg, "CTitleWidget::AddLayout: pLayout == NULL");
        title.AddLayout(nullptr);
    }

    // A subclass reaches the base's state through its own private class; without
    // its bottom row the dialog ignores Return.
    void subclassExtendsThePrivateState()
    {
        CPlateDialog dialog;
        QCOMPARE(dialog.GetSetUpUiWidget()->objectName(), QStringLiteral("m_pNoBottomWidget"));
        QCOMPARE(dialog.ConfirmFromState(), dialog.GetConfirmBtn());
        auto* pPlate = dialog.GetSetUpUiWidget()->findChild<QLabel*>();
        QVERIFY(pPlate && pPlate->text() == QStringLiteral("B-AC 4711"));
        QSignalSpy spyFinished(&dialog, &QDialog::finished);
        ShowAt(dialog);
        QVERIFY(!dialog.GetConfirmBtn()->isVisible());
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(spyFinished.count(), 0);
    }

    // A hostile client hands the dialog or the title bar one of its own ancestors
    // back: refused, nothing moves.
    void ownAncestorRefused()
    {
        QWidget window;
        auto* pDialog = new CBaseDialogWithBottom(&window);
        auto* pContent = new QLabel(QStringLiteral("Gate 2 North"));
        pDialog->SetContentWnd(pContent);
        window.show();
        pDialog->show();
        CTitleWidget* pTitle = TitleOf(*pDialog);
        const QList<QWidget*> listWidgets{&window, pDialog, pDialog->GetSetUpUiWidget(), pTitle, pContent};
        QList<QWidget*> listParents;
        for (QWidget* pWidget : listWidgets)
            listParents << pWidget->parentWidget();
        for (QWidget* pWidget : {&window, pDialog->GetSetUpUiWidget()}) {
            QTest::ignoreMessage(QtWarningMsg,
                                 "CBaseDialog::SetContentWnd: pWidget is the content area or one of its ancestors");
            pDialog->SetContentWnd(pWidget);
        }
        for (QWidget* pWidget : {static_cast<QWidget*>(&window), static_cast<QWidget*>(pTitle)}) {
            QTest::ignoreMessage(QtWarningMsg, "CBaseDialog::AddTitleWidget: pWidget is the title bar or one of its ancestors");
            pDialog->AddTitleWidget(pWidget);
            QTest::ignoreMessage(QtWarningMsg, "CTitleWidget::AddWidget: pWidget is the title bar or one of its ancestors");
            pTitle->AddWidget(pWidget);
        }
        QList<QWidget*> listAfter;
        for (QWidget* pWidget : listWidgets)
            listAfter << pWidget->parentWidget();
        QCOMPARE(listAfter, listParents);
        QVERIFY(pContent->isVisible());
    }

    void deletedByItsSignal_data()
    {
        QTest::addColumn<int>("iSource");
        QTest::newRow("title double click") << 0;
        QTest::newRow("title resize") << 1;
        QTest::newRow("dialog finished by Return") << 2;
    }

    // A slot deletes the title (its own window here) or the dialog while it emits
    // from its own handlers.
    void deletedByItsSignal()
    {
        QFETCH(int, iSource);
        auto* pTitle = iSource < 2 ? new CTitleWidget : nullptr;
        auto* pDialog = pTitle ? nullptr : new CBaseDialogWithBottom;
        QWidget* pWidget = pTitle ? static_cast<QWidget*>(pTitle) : pDialog;
        pWidget->setGeometry(50, 50, 300, 30);
        pWidget->show();
        QVERIFY(QTest::qWaitForWindowExposed(pWidget));
        if (pTitle) {
            pTitle->SetOpenDoubleClickEnable(true);
            connect(pTitle, &CFancyTitle::SignalWndSizeStatusChanged, pTitle, [pTitle] { delete pTitle; });
        } else {
            connect(pDialog, &QDialog::finished, pDialog, [pDialog] { delete pDialog; });
        }
        QPointer<QWidget> pGuard(pWidget);
        QMouseEvent dblClick(QEvent::MouseButtonDblClick, QPoint(10, 10), pWidget->mapToGlobal(QPoint(10, 10)),
                             Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QResizeEvent resize(QSize(320, 30), QSize(300, 30));
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QEvent* events[] = {&dblClick, &resize, &key};
        QApplication::sendEvent(pWidget, events[iSource]);
        QVERIFY(pGuard.isNull());
        // Return is consumed by the dialog, never passed on to a deleted parent.
        QVERIFY(key.isAccepted());
    }

    void cleanup()
    {
        for (QWidget* pWidget : QApplication::topLevelWidgets()) {
            if (qobject_cast<CInformationDlg*>(pWidget))
                pWidget->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void questionAnswers_data()
    {
        QTest::addColumn<QString>("strAnswer");
        QTest::addColumn<QString>("strTitle");
        QTest::addColumn<int>("iResult");
        QTest::newRow("confirm button") << QStringLiteral("m_pConfirmBtn") << QString() << 1;
        QTest::newRow("cancel button") << QStringLiteral("m_pCancelBtn") << QStringLiteral("Delete") << 0;
        QTest::newRow("close button") << QStringLiteral("m_pDialogCloseBtn") << QString() << 0;
    }

    void questionAnswers()
    {
        QFETCH(QString, strAnswer);
        QFETCH(QString, strTitle);
        QFETCH(int, iResult);
        QWidget window;
        window.resize(500, 400);
        window.show();
        QStringList listSeen;
        AnswerNextQuestion([strAnswer, &listSeen](CWarningDlg* pQuestion) {
            listSeen << pQuestion->GetText() << pQuestion->GetTitle()
                     << (pQuestion->GetCloseBtn()->isVisible() ? QStringLiteral("close shown") : QString());
            QTest::mouseClick(pQuestion->findChild<QAbstractButton*>(strAnswer), Qt::LeftButton);
        });
        QCOMPARE(CWarningDlg::CheckMessageInfo(QStringLiteral("Delete the selected recordings?"), strTitle, &window),
                 iResult);
        // Without a title of its own the question is a "Warning".
        QCOMPARE(listSeen, (QStringList{QStringLiteral("Delete the selected recordings?"),
                                        strTitle.isEmpty() ? QStringLiteral("Warning") : strTitle,
                                        QStringLiteral("close shown")}));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(!window.findChild<CWarningDlg*>());
    }

    void questionSurvivesDeletedParent()
    {
        QPointer<QWidget> pWindow = new QWidget;
        pWindow->show();
        AnswerNextQuestion([pWindow](CWarningDlg*) { delete pWindow.data(); });
        QCOMPARE(CWarningDlg::CheckMessageInfo(QStringLiteral("Apply the schedule to all cameras?"),
                                               QStringLiteral("Schedule"), pWindow), 0);
        QVERIFY(pWindow.isNull());
    }

    // A notice shows near the bottom right of the available area, never takes the
    // focus, and goes away by itself. Its sign, like a question's, comes from the
    // style (the test has no artwork): no room is taken until one is set.
    void noticeAndSign()
    {
        QPointer<CInformationDlg> pNotice = CInformationDlg::ShowInformationAtScreenRightBottom(
            QStringLiteral("The start time should be earlier than the end time."));
        QVERIFY(pNotice && pNotice->isVisible());
        const QRect available = pNotice->screen()->availableGeometry();
        const QRect rect = pNotice->frameGeometry();
        QVERIFY2(available.contains(rect), "notice outside the available area");
        QVERIFY(available.right() - rect.right() <= 16 && available.bottom() - rect.bottom() <= 16);
        QVERIFY(pNotice->testAttribute(Qt::WA_ShowWithoutActivating));
        QPixmap pixSign(24, 24);
        pixSign.fill(Qt::yellow);
        CWarningDlg question(QStringLiteral("Overwrite the existing export?"), QString());
        for (QWidget* pDialog : {static_cast<QWidget*>(&question), static_cast<QWidget*>(pNotice.data())}) {
            auto* pSign = pDialog->findChild<QLabel*>(QStringLiteral("m_pIconLabel"));
            QVERIFY(pSign && pSign->isHidden());
            QVERIFY(pDialog->setProperty("m_pixIcon", pixSign));
            QVERIFY(!pSign->isHidden());
            QVERIFY(pDialog->setProperty("m_pixIcon", QPixmap()));
            QVERIFY(pSign->isHidden());
        }
        QTRY_VERIFY_WITH_TIMEOUT(pNotice.isNull(), 13000);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
