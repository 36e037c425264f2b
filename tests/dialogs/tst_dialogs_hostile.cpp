#include <OrvaGUIToolkit/Dialog/BaseDialogWithBottom.h>
#include <OrvaGUIToolkit/Dialog/TitleWidget.h>
#include <OrvaGUIToolkit/Dialog/WarningDlg.h>

#include <QtGui/QScreen>
#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtTest/QtTest>

#include <climits>

using namespace OrvaGUIToolkit;

namespace {

CTitleWidget* TitleOf(const QWidget& dialog)
{
    return dialog.findChild<CTitleWidget*>(QStringLiteral("m_pTitleWidget"));
}

void SendMouse(QWidget* pWidget, QEvent::Type enumType, const QPoint& ptLocal, const QPoint& ptGlobal)
{
    const Qt::MouseButtons enumButtons = enumType == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(enumType, ptLocal, ptGlobal, enumType == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      enumButtons, Qt::NoModifier);
    QApplication::sendEvent(pWidget, &event);
}

// The widgets of a shown dialog, inside a main window, that a hostile client
// might hand back to it.
QWidget* Pick(const QString& strWhich, QWidget& window, CBaseDialog& dialog)
{
    if (strWhich == QLatin1String("dialog"))
        return &dialog;
    if (strWhich == QLatin1String("parent window"))
        return &window;
    if (strWhich == QLatin1String("content frame"))
        return dialog.findChild<QFrame*>(QStringLiteral("m_pContentFrame"));
    if (strWhich == QLatin1String("content widget"))
        return dialog.GetSetUpUiWidget();
    return TitleOf(dialog);
}

} // namespace

class TestDialogsHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void ownAncestorRefused_data();
    void ownAncestorRefused();
    void titleBarRefusesItself();
    void dragToTheEndsOfTheRange_data();
    void dragToTheEndsOfTheRange();
    void titleDeletedByItsSignal_data();
    void titleDeletedByItsSignal();
    void dialogDeletedWhenReturnConfirms();
    void hugeTexts();
};

void TestDialogsHostile::initTestCase()
{
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 600));
}

void TestDialogsHostile::ownAncestorRefused_data()
{
    QTest::addColumn<QString>("strWhich");
    QTest::addColumn<bool>("bContent");
    QTest::addColumn<QString>("strWarning");
    const QString strContent =
        QStringLiteral("CBaseDialog::SetContentWnd: pWidget is the content area or one of its ancestors");
    const QString strTitle =
        QStringLiteral("CBaseDialog::AddTitleWidget: pWidget is the title bar or one of its ancestors");
    QTest::newRow("content: dialog") << QStringLiteral("dialog") << true << strContent;
    QTest::newRow("content: content frame") << QStringLiteral("content frame") << true << strContent;
    QTest::newRow("content: content widget") << QStringLiteral("content widget") << true << strContent;
    QTest::newRow("content: parent window") << QStringLiteral("parent window") << true << strContent;
    QTest::newRow("title: dialog") << QStringLiteral("dialog") << false << strTitle;
    QTest::newRow("title: title bar") << QStringLiteral("title bar") << false << strTitle;
    QTest::newRow("title: parent window") << QStringLiteral("parent window") << false << strTitle;
}

void TestDialogsHostile::ownAncestorRefused()
{
    QFETCH(QString, strWhich);
    QFETCH(bool, bContent);
    QFETCH(QString, strWarning);
    QWidget window;
    auto* pDialog = new CBaseDialogWithBottom(&window);
    auto* pContent = new QLabel(QStringLiteral("Gate 2 North"));
    pDialog->SetContentWnd(pContent);
    window.show();
    pDialog->show();
    QWidget* pWidget = Pick(strWhich, window, *pDialog);
    QVERIFY(pWidget);
    QWidget* pParentBefore = pWidget->parentWidget();

    QTest::ignoreMessage(QtWarningMsg, qPrintable(strWarning));
    if (bContent)
        pDialog->SetContentWnd(pWidget);
    else
        pDialog->AddTitleWidget(pWidget);

    QCOMPARE(pWidget->parentWidget(), pParentBefore);
    QCOMPARE(pDialog->parentWidget(), &window);
    QCOMPARE(pContent->parentWidget(), pDialog->GetSetUpUiWidget());
    QVERIFY(pContent->isVisible());
}

void TestDialogsHostile::titleBarRefusesItself()
{
    QWidget window;
    auto* pTitle = new CTitleWidget(&window);
    for (QWidget* pWidget : {static_cast<QWidget*>(pTitle), &window}) {
        QTest::ignoreMessage(QtWarningMsg, "CTitleWidget::AddWidget: pWidget is the title bar or one of its ancestors");
        pTitle->AddWidget(pWidget);
    }
    QCOMPARE(pTitle->parentWidget(), &window);
    QCOMPARE(window.parentWidget(), static_cast<QWidget*>(nullptr));
}

// The title is grabbed at (40, 6) of a dialog whose title bar sits at its
// corner, and the cursor is thrown to the ends of the int range: the grab
// point stays on the available area (0, 0, 800, 600).
void TestDialogsHostile::dragToTheEndsOfTheRange_data()
{
    QTest::addColumn<QPoint>("ptCursor");
    QTest::addColumn<QPoint>("ptDialog");
    QTest::newRow("INT_MIN, INT_MIN") << QPoint(INT_MIN, INT_MIN) << QPoint(-40, -6);
    QTest::newRow("INT_MAX, INT_MAX") << QPoint(INT_MAX, INT_MAX) << QPoint(759, 593);
    QTest::newRow("INT_MIN, INT_MAX") << QPoint(INT_MIN, INT_MAX) << QPoint(-40, 593);
}

void TestDialogsHostile::dragToTheEndsOfTheRange()
{
    QFETCH(QPoint, ptCursor);
    QFETCH(QPoint, ptDialog);
    CBaseDialog dialog;
    dialog.setGeometry(100, 100, 320, 200);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    CTitleWidget* pTitle = TitleOf(dialog);
    QCOMPARE(pTitle->mapTo(&dialog, QPoint(0, 0)), QPoint(0, 0));
    const QPoint ptPress(40, 6);
    SendMouse(pTitle, QEvent::MouseButtonPress, ptPress, pTitle->mapToGlobal(ptPress));
    SendMouse(pTitle, QEvent::MouseMove, ptPress, ptCursor);
    SendMouse(pTitle, QEvent::MouseButtonRelease, ptPress, ptCursor);
    QTRY_COMPARE(dialog.pos(), ptDialog);
}

void TestDialogsHostile::titleDeletedByItsSignal_data()
{
    QTest::addColumn<bool>("bDoubleClick");
    QTest::newRow("double click") << true;
    QTest::newRow("resize") << false;
}

// The title is its own window here; a slot deletes it while it emits from its
// double-click and resize handlers.
void TestDialogsHostile::titleDeletedByItsSignal()
{
    QFETCH(bool, bDoubleClick);
    auto* pTitle = new CTitleWidget;
    pTitle->SetOpenDoubleClickEnable(true);
    pTitle->setGeometry(50, 50, 300, 30);
    pTitle->show();
    QVERIFY(QTest::qWaitForWindowExposed(pTitle));
    QPointer<CTitleWidget> pGuard(pTitle);
    connect(pTitle, &CFancyTitle::SignalWndSizeStatusChanged, pTitle, [pTitle] { delete pTitle; });
    if (bDoubleClick) {
        QMouseEvent event(QEvent::MouseButtonDblClick, QPoint(10, 10), pTitle->mapToGlobal(QPoint(10, 10)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pTitle, &event);
    } else {
        QResizeEvent event(QSize(320, 30), QSize(300, 30));
        QApplication::sendEvent(pTitle, &event);
    }
    QVERIFY(pGuard.isNull());
}

void TestDialogsHostile::dialogDeletedWhenReturnConfirms()
{
    auto* pDialog = new CBaseDialogWithBottom;
    pDialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(pDialog));
    QPointer<CBaseDialogWithBottom> pGuard(pDialog);
    connect(pDialog, &QDialog::finished, pDialog, [pDialog] { delete pDialog; });
    QKeyEvent event(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(pDialog, &event);
    QVERIFY(pGuard.isNull());
    QVERIFY(event.isAccepted());
}

void TestDialogsHostile::hugeTexts()
{
    const QString strHuge(1 << 16, QLatin1Char('W'));
    CWarningDlg dialog(strHuge, strHuge);
    dialog.SetConfirmBtnText(strHuge);
    dialog.resize(400, 300);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!dialog.grab().isNull());
    QCOMPARE(dialog.GetTitle().size(), 1 << 16);
    QCOMPARE(dialog.GetText().size(), 1 << 16);
}

QTEST_MAIN(TestDialogsHostile)
#include "tst_dialogs_hostile.moc"
