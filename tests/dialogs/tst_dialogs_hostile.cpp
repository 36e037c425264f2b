#include <OrvaGUIToolkit/Dialog/BaseDialogWithBottom.h>
#include <OrvaGUIToolkit/Dialog/TitleWidget.h>
#include <OrvaGUIToolkit/Dialog/WarningDlg.h>

#include <QtWidgets/QFrame>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;

class TestDialogsHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ownAncestorRefused_data();
    void ownAncestorRefused();
    void titleBarRefusesItself();
    void deletedByItsSignal_data();
    void deletedByItsSignal();
    void hugeTexts();
};

void TestDialogsHostile::ownAncestorRefused_data()
{
    QTest::addColumn<int>("iWhich");
    QTest::addColumn<bool>("bContent");
    QTest::addColumn<QString>("strWarning");
    const QString strContent =
        QStringLiteral("CBaseDialog::SetContentWnd: pWidget is the content area or one of its ancestors");
    const QString strTitle =
        QStringLiteral("CBaseDialog::AddTitleWidget: pWidget is the title bar or one of its ancestors");
    // 0 the dialog, 1 its parent window, 2 the content frame, 3 the content widget, 4 the title bar.
    QTest::newRow("content: dialog") << 0 << true << strContent;
    QTest::newRow("content: parent window") << 1 << true << strContent;
    QTest::newRow("content: content frame") << 2 << true << strContent;
    QTest::newRow("content: content widget") << 3 << true << strContent;
    QTest::newRow("title: dialog") << 0 << false << strTitle;
    QTest::newRow("title: parent window") << 1 << false << strTitle;
    QTest::newRow("title: title bar") << 4 << false << strTitle;
}

// A hostile client hands the dialog one of its own ancestors back.
void TestDialogsHostile::ownAncestorRefused()
{
    QFETCH(int, iWhich);
    QFETCH(bool, bContent);
    QFETCH(QString, strWarning);
    QWidget window;
    auto* pDialog = new CBaseDialogWithBottom(&window);
    auto* pContent = new QLabel(QStringLiteral("Gate 2 North"));
    pDialog->SetContentWnd(pContent);
    window.show();
    pDialog->show();
    QWidget* widgets[] = {pDialog, &window, pDialog->findChild<QFrame*>(QStringLiteral("m_pContentFrame")),
                          pDialog->GetSetUpUiWidget(), pDialog->findChild<CTitleWidget*>(QStringLiteral("m_pTitleWidget"))};
    QWidget* pWidget = widgets[iWhich];
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

void TestDialogsHostile::deletedByItsSignal_data()
{
    QTest::addColumn<int>("iSource");
    QTest::newRow("title double click") << 0;
    QTest::newRow("title resize") << 1;
    QTest::newRow("dialog finished by Return") << 2;
}

// A slot deletes the title (its own window here) or the dialog while it emits
// from its own handlers.
void TestDialogsHostile::deletedByItsSignal()
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
