#include <OrvaGUIToolkit/Dialog/BaseDialogWithBottom.h>
#include <OrvaGUIToolkit/Dialog/TitleLabel.h>
#include <OrvaGUIToolkit/Dialog/TitleWidget.h>
#include <OrvaGUIToolkit/Foundation/WidgetMaximizeManager.h>

#include <QtGui/QScreen>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>
#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;

namespace {

QRect Available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

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

// Sent directly: QTest's key clicks cannot type Select.
void PressKey(QWidget* pWidget, int iKey)
{
    QKeyEvent press(QEvent::KeyPress, iKey, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &press);
    QKeyEvent release(QEvent::KeyRelease, iKey, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &release);
}

void ShowAt(QWidget& dialog, const QRect& rect)
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

// A dialog without bottom row, to reach the protected HideBottom().
class CNoBottomDialog : public CBaseDialogWithBottom
{
public:
    CNoBottomDialog() { HideBottom(); }
};

} // namespace

class TestBaseDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formHasTheNamedParts();
    void newDialogShowsNoButtons();
    void doubleClickDisabledChangesNothing();
    void sizeButtonMaximisesAndRestores_data();
    void sizeButtonMaximisesAndRestores();
    void maximizeFollowsMode();
    void titleDrag_data();
    void titleDrag();
    void dragNeedsLeftButtonAndMoveEnabled();
    void noDragWhileFullScreen();
    void baseDialogKeys_data();
    void baseDialogKeys();
    void bottomDialogKeys_data();
    void bottomDialogKeys();
    void confirmCancelAndClose();
    void reConnectRoutesButtonElsewhere();
    void reConnectRefusesNull();
    void contentWindow();
    void hideBottomAndYesNo();
    void titleWidgetParts();
    void titleCentredOnWholeBar();
};

void TestBaseDialog::formHasTheNamedParts()
{
    CBaseDialogWithBottom dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("CBaseDialogClass"));
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(TitleOf(dialog));
    QVERIFY(dialog.findChild<QLayout*>(QStringLiteral("m_pGridBaseDialog")));
    QVERIFY(dialog.findChild<QFrame*>(QStringLiteral("m_pContentFrame")));
    QCOMPARE(dialog.GetSetUpUiWidget()->objectName(), QStringLiteral("m_pWithBottomWidget"));
    QCOMPARE(dialog.GetCloseBtn()->objectName(), QStringLiteral("m_pDialogCloseBtn"));
    QCOMPARE(dialog.GetSizeBtn()->objectName(), QStringLiteral("m_pFullSizeBtn"));
    QVERIFY(dialog.findChild<QFrame*>(QStringLiteral("m_pBottomFrame")));
    QCOMPARE(dialog.GetLeftBtn()->objectName(), QStringLiteral("m_pLeftBtn"));
    QCOMPARE(dialog.GetConfirmBtn()->text(), QStringLiteral("Confirm"));
    QCOMPARE(dialog.GetCancelBtn()->text(), QStringLiteral("Cancel"));
    QVERIFY(dialog.GetLeftBtn()->isHidden());
    QVERIFY(dialog.GetLeftBtn()->text().isEmpty());

    CBaseDialog plain;
    QCOMPARE(plain.GetSetUpUiWidget()->objectName(), QStringLiteral("m_pNoBottomWidget"));
    QVERIFY(!plain.findChild<QFrame*>(QStringLiteral("m_pBottomFrame")));
}

void TestBaseDialog::newDialogShowsNoButtons()
{
    CBaseDialog dialog;
    ShowAt(dialog, QRect(100, 100, 320, 200));
    QVERIFY(!dialog.GetCloseBtn()->isVisible());
    QVERIFY(!dialog.GetSizeBtn()->isVisible());
    dialog.SetCloseBtnVisible(true);
    dialog.SetSizeBtnVisible(true);
    QVERIFY(dialog.GetCloseBtn()->isVisible());
    QVERIFY(dialog.GetSizeBtn()->isVisible());
    // Both sit in the title bar, the close button last.
    QVERIFY(dialog.GetSizeBtn()->x() < dialog.GetCloseBtn()->x());
    QCOMPARE(dialog.GetCloseBtn()->parentWidget(), TitleOf(dialog));
}

void TestBaseDialog::doubleClickDisabledChangesNothing()
{
    CBaseDialog dialog;
    dialog.SetSizeBtnVisible(true);
    ShowAt(dialog, QRect(100, 100, 320, 200));
    const QRect rectBefore = dialog.geometry();
    QTest::mouseDClick(TitleOf(dialog), Qt::LeftButton, Qt::NoModifier, QPoint(20, 5));
    QTest::mouseClick(dialog.GetSizeBtn(), Qt::LeftButton);
    QVERIFY(!dialog.IsMaximize());
    QCOMPARE(dialog.geometry(), rectBefore);
    QCOMPARE(dialog.GetSizeBtn()->objectName(), QStringLiteral("m_pFullSizeBtn"));
}

void TestBaseDialog::sizeButtonMaximisesAndRestores_data()
{
    QTest::addColumn<int>("iMode");
    QTest::addColumn<bool>("bFullScreen");
    QTest::newRow("maximise to available area") << 0 << false;
    QTest::newRow("full screen") << 1 << true;
    QTest::newRow("unknown mode maximises") << 7 << false;
}

void TestBaseDialog::sizeButtonMaximisesAndRestores()
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
    const QRect rectScreen = bFullScreen ? dialog.screen()->geometry() : Available();
    QCOMPARE(dialog.size(), rectScreen.size());
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

void TestBaseDialog::maximizeFollowsMode()
{
    CBaseDialog dialog;
    dialog.resize(300, 200);
    QVERIFY(!dialog.IsMaximize());
    dialog.Maximize();
    QVERIFY(dialog.IsMaximized(&dialog));
    QCOMPARE(dialog.GetSizeBtn()->objectName(), QStringLiteral("m_pNormalSizeBtn"));

    CMaximizeModeGuard mode(CWidgetMaximizeManager::MaximizeToFullScreen);
    CBaseDialog fullDialog;
    fullDialog.Maximize();
    QVERIFY(fullDialog.IsFullScreen(&fullDialog));
    QVERIFY(fullDialog.IsMaximize());
}

// The cursor grabs the title 40 pixels right of and 6 below the dialog's
// corner and is dragged to a global point; the dialog follows, but the grab
// point never leaves the available area.
void TestBaseDialog::titleDrag_data()
{
    QTest::addColumn<QPoint>("ptCursor");
    QTest::addColumn<QPoint>("ptGrab");

    const QRect available = Available();
    QTest::newRow("inside") << QPoint(300, 250) << QPoint(300, 250);
    QTest::newRow("off the left") << QPoint(available.left() - 500, 200) << QPoint(available.left(), 200);
    QTest::newRow("below the bottom") << QPoint(250, available.bottom() + 900)
                                      << QPoint(250, available.bottom());
    QTest::newRow("off the top right corner") << QPoint(available.right() + 50, available.top() - 70)
                                              << available.topRight();
}

void TestBaseDialog::titleDrag()
{
    QFETCH(QPoint, ptCursor);
    QFETCH(QPoint, ptGrab);
    CBaseDialog dialog;
    dialog.SetTitle(QStringLiteral("Camera properties"));
    ShowAt(dialog, QRect(100, 100, 320, 200));
    CTitleWidget* pTitle = TitleOf(dialog);
    const QPoint ptPress(40, 6);
    const QPoint ptOffset = pTitle->mapTo(&dialog, ptPress);

    SendMouse(pTitle, QEvent::MouseButtonPress, ptPress, dialog.mapToGlobal(ptOffset));
    SendMouse(pTitle, QEvent::MouseMove, pTitle->mapFromGlobal(ptCursor), ptCursor);
    SendMouse(pTitle, QEvent::MouseButtonRelease, pTitle->mapFromGlobal(ptCursor), ptCursor);
    QTRY_COMPARE(dialog.pos(), ptGrab - ptOffset);

    // After the release, moving the mouse no longer drags.
    const QPoint ptMoved = dialog.pos();
    SendMouse(pTitle, QEvent::MouseMove, QPoint(5, 5), QPoint(10, 10));
    QCOMPARE(dialog.pos(), ptMoved);
}

void TestBaseDialog::dragNeedsLeftButtonAndMoveEnabled()
{
    CBaseDialog dialog;
    ShowAt(dialog, QRect(100, 100, 320, 200));
    CTitleWidget* pTitle = TitleOf(dialog);
    const QPoint ptStart = dialog.pos();

    SendMouse(pTitle, QEvent::MouseButtonPress, QPoint(40, 6), QPoint(140, 106), Qt::RightButton);
    SendMouse(pTitle, QEvent::MouseMove, QPoint(90, 56), QPoint(190, 156));
    SendMouse(pTitle, QEvent::MouseButtonRelease, QPoint(90, 56), QPoint(190, 156), Qt::RightButton);
    QCOMPARE(dialog.pos(), ptStart);

    pTitle->SetOpenWidgetMoveEnable(false);
    SendMouse(pTitle, QEvent::MouseButtonPress, QPoint(40, 6), QPoint(140, 106));
    SendMouse(pTitle, QEvent::MouseMove, QPoint(90, 56), QPoint(190, 156));
    SendMouse(pTitle, QEvent::MouseButtonRelease, QPoint(90, 56), QPoint(190, 156));
    QCOMPARE(dialog.pos(), ptStart);
}

void TestBaseDialog::noDragWhileFullScreen()
{
    CMaximizeModeGuard mode(CWidgetMaximizeManager::MaximizeToFullScreen);
    CBaseDialog dialog;
    ShowAt(dialog, QRect(100, 100, 320, 200));
    dialog.Maximize();
    QTRY_COMPARE(dialog.pos(), dialog.screen()->geometry().topLeft());
    CTitleWidget* pTitle = TitleOf(dialog);
    SendMouse(pTitle, QEvent::MouseButtonPress, QPoint(40, 6), dialog.mapToGlobal(QPoint(40, 6)));
    SendMouse(pTitle, QEvent::MouseMove, QPoint(140, 106), dialog.mapToGlobal(QPoint(140, 106)));
    SendMouse(pTitle, QEvent::MouseButtonRelease, QPoint(140, 106), dialog.mapToGlobal(QPoint(140, 106)));
    QCOMPARE(dialog.pos(), dialog.screen()->geometry().topLeft());
}

void TestBaseDialog::baseDialogKeys_data()
{
    QTest::addColumn<int>("iKey");
    QTest::addColumn<bool>("bStaysOpen");
    QTest::newRow("Return") << int(Qt::Key_Return) << true;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("Select") << int(Qt::Key_Select) << true;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
}

void TestBaseDialog::baseDialogKeys()
{
    QFETCH(int, iKey);
    QFETCH(bool, bStaysOpen);
    CBaseDialog dialog;
    // A default button in the content must not fire on Return either.
    auto* pContent = new QWidget;
    auto* pDefault = new QPushButton(QStringLiteral("Apply"), pContent);
    pDefault->setDefault(true);
    QSignalSpy spyDefault(pDefault, &QPushButton::clicked);
    dialog.SetContentWnd(pContent);
    QSignalSpy spyFinished(&dialog, &QDialog::finished);
    ShowAt(dialog, QRect(100, 100, 320, 200));
    PressKey(&dialog, iKey);
    QCOMPARE(dialog.isVisible(), bStaysOpen);
    QCOMPARE(spyFinished.count(), bStaysOpen ? 0 : 1);
    QCOMPARE(spyDefault.count(), 0);
}

void TestBaseDialog::bottomDialogKeys_data()
{
    QTest::addColumn<int>("iKey");
    QTest::addColumn<bool>("bConfirmVisible");
    QTest::addColumn<int>("iFinished");
    QTest::addColumn<int>("iResult");
    QTest::newRow("Return accepts") << int(Qt::Key_Return) << true << 1 << int(QDialog::Accepted);
    QTest::newRow("Enter accepts") << int(Qt::Key_Enter) << true << 1 << int(QDialog::Accepted);
    QTest::newRow("Select accepts") << int(Qt::Key_Select) << true << 1 << int(QDialog::Accepted);
    QTest::newRow("Return, confirm hidden") << int(Qt::Key_Return) << false << 0 << int(QDialog::Rejected);
    QTest::newRow("Escape rejects") << int(Qt::Key_Escape) << true << 1 << int(QDialog::Rejected);
}

void TestBaseDialog::bottomDialogKeys()
{
    QFETCH(int, iKey);
    QFETCH(bool, bConfirmVisible);
    QFETCH(int, iFinished);
    QFETCH(int, iResult);
    CBaseDialogWithBottom dialog;
    dialog.SetConfirmBtnVisible(bConfirmVisible);
    QSignalSpy spyFinished(&dialog, &QDialog::finished);
    ShowAt(dialog, QRect(100, 100, 320, 200));
    PressKey(&dialog, iKey);
    QCOMPARE(spyFinished.count(), iFinished);
    QCOMPARE(dialog.result(), iResult);
}

void TestBaseDialog::confirmCancelAndClose()
{
    CBaseDialogWithBottom dialog;
    dialog.SetCloseBtnVisible(true);
    ShowAt(dialog, QRect(100, 100, 320, 200));
    QTest::mouseClick(dialog.GetConfirmBtn(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());

    dialog.show();
    QTest::mouseClick(dialog.GetCancelBtn(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    dialog.setResult(QDialog::Accepted);
    dialog.show();
    QTest::mouseClick(dialog.GetCloseBtn(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestBaseDialog::reConnectRoutesButtonElsewhere()
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
    ShowAt(dialog, QRect(100, 100, 320, 200));
    QTest::mouseClick(dialog.GetConfirmBtn(), Qt::LeftButton);
    QCOMPARE(spyTarget.count(), 1);
    QCOMPARE(spyAccepted.count(), 0);
    QCOMPARE(iLoggerCalls, 0);
    QVERIFY(dialog.isVisible());

    // Queued: the new method runs from the event loop, once.
    QVERIFY(CBaseDialogWithBottom::ReConnect(dialog.GetConfirmBtn(), SIGNAL(clicked()), &dialog, SLOT(accept()),
                                             Qt::QueuedConnection));
    QTest::mouseClick(dialog.GetConfirmBtn(), Qt::LeftButton);
    QCOMPARE(spyAccepted.count(), 0);
    QTRY_COMPARE(spyAccepted.count(), 1);
    QCOMPARE(spyTarget.count(), 1);
}

void TestBaseDialog::reConnectRefusesNull()
{
    CBaseDialogWithBottom dialog;
    const char szWarning[] = "CBaseDialogWithBottom::ReConnect: pSender == NULL || szSignal == NULL || "
                             "pReceiver == NULL || szMethod == NULL";
    QTest::ignoreMessage(QtWarningMsg, szWarning);
    QVERIFY(!CBaseDialogWithBottom::ReConnect(nullptr, SIGNAL(clicked()), &dialog, SLOT(accept())));
    QTest::ignoreMessage(QtWarningMsg, szWarning);
    QVERIFY(!CBaseDialogWithBottom::ReConnect(dialog.GetConfirmBtn(), SIGNAL(clicked()), nullptr, SLOT(accept())));
    QTest::ignoreMessage(QtWarningMsg, szWarning);
    QVERIFY(!CBaseDialogWithBottom::ReConnect(dialog.GetConfirmBtn(), nullptr, &dialog, SLOT(accept())));

    // A refused call leaves the button's connection alone.
    QSignalSpy spyAccepted(&dialog, &QDialog::accepted);
    dialog.GetConfirmBtn()->click();
    QCOMPARE(spyAccepted.count(), 1);
}

void TestBaseDialog::contentWindow()
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
    const QMargins margins = dialog.GetSetUpUiWidget()->layout()->contentsMargins();
    QCOMPARE(margins, QMargins());

    auto* pSecond = new QLabel(QStringLiteral("Parking P2"));
    dialog.SetContentWnd(pSecond);
    ShowAt(dialog, QRect(100, 100, 320, 200));
    QVERIFY(pSecond->isVisible());
    QVERIFY(!pFirst->isVisible());
    QCOMPARE(dialog.GetSetUpUiWidget()->layout()->indexOf(pSecond), 0);
    QCOMPARE(dialog.GetSetUpUiWidget()->layout()->count(), 1);

    QTest::ignoreMessage(QtWarningMsg, "CBaseDialog::AddTitleWidget: pWidget == NULL");
    dialog.AddTitleWidget(nullptr);
}

void TestBaseDialog::hideBottomAndYesNo()
{
    CNoBottomDialog dialog;
    QCOMPARE(dialog.GetSetUpUiWidget()->objectName(), QStringLiteral("m_pNoBottomWidget"));
    QSignalSpy spyFinished(&dialog, &QDialog::finished);
    ShowAt(dialog, QRect(100, 100, 320, 200));
    QVERIFY(!dialog.GetConfirmBtn()->isVisible());
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(spyFinished.count(), 0);

    CBaseDialogWithBottom question;
    question.SetYesAndNoText();
    QCOMPARE(question.GetConfirmBtn()->text(), QStringLiteral("Yes"));
    QCOMPARE(question.GetCancelBtn()->text(), QStringLiteral("No"));
    question.SetConfirmBtnText(QStringLiteral("Export"));
    question.SetConfirmBtnMinimumSize(QSize(96, 30));
    question.SetCancelBtnMinimumSize(QSize(80, 28));
    QCOMPARE(question.GetConfirmBtn()->text(), QStringLiteral("Export"));
    QCOMPARE(question.GetConfirmBtn()->minimumSize(), QSize(96, 30));
    QCOMPARE(question.GetCancelBtn()->minimumSize(), QSize(80, 28));
    question.SetLeftBtnVisible(true);
    question.SetCancelBtnVisible(false);
    QVERIFY(!question.GetLeftBtn()->isHidden());
    QVERIFY(question.GetCancelBtn()->isHidden());
}

void TestBaseDialog::titleWidgetParts()
{
    CTitleWidget title;
    auto* pIcon = title.findChild<QLabel*>(QStringLiteral("pIconLabel"));
    auto* pLabel = title.findChild<CTitleLabel*>(QStringLiteral("pTitleLabel"));
    QVERIFY(pIcon && pLabel);
    QVERIFY(pIcon->isHidden());
    QPixmap pixIcon(16, 16);
    pixIcon.fill(Qt::red);
    title.SetTitleIcon(pixIcon);
    QVERIFY(!pIcon->isHidden());
    title.SetTitleIcon(QPixmap());
    QVERIFY(pIcon->isHidden());

    title.SetTitle(QStringLiteral("Export recordings"));
    QCOMPARE(title.GetTitle(), QStringLiteral("Export recordings"));
    QCOMPARE(pLabel->toolTip(), QStringLiteral("Export recordings"));
    QCOMPARE(title.GetTitlePixmapAlignment(), Qt::Alignment(Qt::AlignCenter));
    QVERIFY(title.setProperty("m_enumTitlePixmapAlignment", QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter))));
    QCOMPARE(pLabel->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    title.ResetTitlePixmapAlignment();
    QCOMPARE(pLabel->alignment(), Qt::Alignment(Qt::AlignCenter));

    CBaseDialog dialog;
    dialog.SetTitleAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(TitleOf(dialog)->GetTitlePixmapAlignment(), Qt::AlignRight | Qt::AlignVCenter);
    dialog.HideTitle();
    QVERIFY(TitleOf(dialog)->isHidden());

    QTest::ignoreMessage(QtWarningMsg, "CTitleWidget::AddWidget: pWidget == NULL");
    title.AddWidget(nullptr);
    QTest::ignoreMessage(QtWarningMsg, "CTitleWidget::AddLayout: pLayout == NULL");
    title.AddLayout(nullptr);
}

// The title is centred on the whole bar, not on the room left of a wide
// widget on the bar's right; it falls back to right alignment when that
// centre is out of its reach.
void TestBaseDialog::titleCentredOnWholeBar()
{
    CTitleWidget title;
    title.SetLayoutContentsMargins(0, 0, 0, 0);
    title.SetLayoutSpacing(0);
    QPalette palette = title.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    title.setPalette(palette);
    title.setAutoFillBackground(true);
    auto* pRightWidget = new QWidget;
    pRightWidget->setFixedSize(160, 20);
    title.AddWidget(pRightWidget);
    title.SetTitle(QStringLiteral("MMMM"));
    title.resize(480, 30);
    title.show();
    QVERIFY(QTest::qWaitForWindowExposed(&title));

    const auto inkColumns = [&title]() {
        const QImage image = title.grab().toImage();
        int iLeft = image.width();
        int iRight = -1;
        for (int x = 0; x < 320; ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (qGray(image.pixel(x, y)) < 128) {
                    iLeft = qMin(iLeft, x);
                    iRight = qMax(iRight, x);
                }
            }
        }
        return qMakePair(iLeft, iRight);
    };
    QPair<int, int> ink = inkColumns();
    QVERIFY(ink.second > ink.first);
    QVERIFY2(qAbs((ink.first + ink.second) / 2 - 240) <= 3,
             qPrintable(QStringLiteral("ink from %1 to %2").arg(ink.first).arg(ink.second)));

    // A right widget so wide that the bar's centre lies outside the label.
    pRightWidget->setFixedSize(300, 20);
    QTRY_VERIFY(title.findChild<CTitleLabel*>()->width() < 200);
    ink = inkColumns();
    const int iLabelRight = title.findChild<CTitleLabel*>()->geometry().right();
    QVERIFY2(qAbs(ink.second - iLabelRight) <= 3,
             qPrintable(QStringLiteral("ink ends at %1, label at %2").arg(ink.second).arg(iLabelRight)));
}

QTEST_MAIN(TestBaseDialog)
#include "tst_basedialog.moc"
