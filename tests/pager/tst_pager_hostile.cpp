#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtCore/QPointer>
#include <QtTest/QtTest>
#include <QtWidgets/QLineEdit>

#include <climits>

using namespace OrvaGUIToolkit;

class TestPagerHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pagerExtremes_data();
    void pagerExtremes();
    void pageInfoExtremes_data();
    void pageInfoExtremes();
    void stripExtremes();
    void pagerGoBoxGarbage_data();
    void pagerGoBoxGarbage();
    void deletingSlots_data();
    void deletingSlots();
};

void TestPagerHostile::pagerExtremes_data()
{
    QTest::addColumn<uint>("uCount");
    QTest::addColumn<uint>("uPage");
    QTest::addColumn<uint>("uExpected");

    QTest::newRow("no pages") << 0U << 1U << 0U;
    QTest::newRow("max count, page 1") << UINT_MAX << 1U << 1U;
    QTest::newRow("max count, last page") << UINT_MAX << UINT_MAX << UINT_MAX;
    QTest::newRow("max count, middle") << UINT_MAX << (UINT_MAX / 2) << (UINT_MAX / 2);
    QTest::newRow("one page") << 1U << 1U << 1U;
    QTest::newRow("page past count") << 9U << 10U << 0U;
}

void TestPagerHostile::pagerExtremes()
{
    QFETCH(uint, uCount);
    QFETCH(uint, uPage);
    QFETCH(uint, uExpected);

    CPagerCtrl pager;
    pager.SetPageCount(uCount);
    pager.ShowSelectedPage(uPage, true);
    QCOMPARE(pager.GetCurrentPage(), uExpected);
    auto* pStrip = pager.findChild<CSelfDrawnButton*>();
    if (uExpected > 0)
        QCOMPARE(pStrip->GetCurSelText(), QString::number(uExpected));
    pager.ChangePager();
    pager.grab();
}

void TestPagerHostile::pageInfoExtremes_data()
{
    QTest::addColumn<uint>("uCount");
    QTest::addColumn<uint>("uPage");
    QTest::addColumn<uint>("uExpected");

    QTest::newRow("no pages") << 0U << 1U << 0U;
    QTest::newRow("max count, last page") << UINT_MAX << UINT_MAX << UINT_MAX;
    QTest::newRow("max count, page 1") << UINT_MAX << 1U << 1U;
    QTest::newRow("page past count") << 25U << 26U << 0U;
}

void TestPagerHostile::pageInfoExtremes()
{
    QFETCH(uint, uCount);
    QFETCH(uint, uPage);
    QFETCH(uint, uExpected);

    CPageInfo info;
    info.SetPageInfo(uCount);
    info.ShowSelectedPage(uPage);
    QCOMPARE(info.GetCurrentPage(), uExpected);
    info.findChild<QPushButton*>(QStringLiteral("m_pBtnNext"))->click();
    info.findChild<QPushButton*>(QStringLiteral("m_pBtnPrevious"))->click();
    info.grab();
}

void TestPagerHostile::stripExtremes()
{
    CSelfDrawnButton strip(INT_MAX);
    const QString strHuge(100000, QLatin1Char('W'));
    strip.SetTextList({strHuge, strHuge, strHuge});
    strip.SetCurIndex(INT_MIN);
    QCOMPARE(strip.GetCurSelText(), QString());
    strip.SetCurShowCount(INT_MIN);
    QCOMPARE(strip.GetShowCount(), 0);
    strip.SetButtonCount(INT_MAX);
    strip.SetDrawType(static_cast<CSelfDrawnButton::DrawType>(7));
    strip.SetCurIndex(INT_MAX);
    strip.resize(400, 20);
    strip.grab();
    QTest::mouseClick(&strip, Qt::LeftButton, Qt::NoModifier, QPoint(-5, -5));
    QCOMPARE(strip.GetCurIndex(), INT_MAX);
}

void TestPagerHostile::pagerGoBoxGarbage_data()
{
    QTest::addColumn<QString>("strTyped");
    QTest::addColumn<uint>("uExpected");
    // Refused keys are dropped, so what remains may still be a page.
    QTest::newRow("letters") << "abc" << 4U;
    QTest::newRow("minus") << "-1" << 1U;
    QTest::newRow("huge") << "99999999999" << 9U;
    QTest::newRow("blanks") << "   " << 4U;
    QTest::newRow("zero") << "0" << 4U;
}

void TestPagerHostile::pagerGoBoxGarbage()
{
    QFETCH(QString, strTyped);
    QFETCH(uint, uExpected);

    CPagerCtrl pager;
    pager.SetPageCount(30);
    pager.ShowSelectedPage(4, false);
    auto* pEdit = pager.findChild<QLineEdit*>();
    QTest::keyClicks(pEdit, strTyped);
    QTest::keyClick(pEdit, Qt::Key_Return);
    QCOMPARE(pager.GetCurrentPage(), uExpected);
    // Text set behind the validator's back is refused by the page range.
    pEdit->setText(strTyped);
    pager.findChild<QPushButton*>(QStringLiteral("m_pBtnGo"))->click();
    QCOMPARE(pager.GetCurrentPage(), uExpected);
}

// Every signal a pager emits from its own handlers, with a slot that deletes
// the pager.
void TestPagerHostile::deletingSlots_data()
{
    QTest::addColumn<int>("iCase");
    QTest::newRow("CPagerCtrl::SignalShowPage from a strip click") << 0;
    QTest::newRow("CPagerCtrl::SignalShowPage from a gap click") << 1;
    QTest::newRow("CPagerCtrl::SignalForceChangePage from the Go box") << 2;
    QTest::newRow("CPagerCtrl::SignalShowPage from the next arrow") << 3;
    QTest::newRow("CPageInfo::SignalShowPage from a strip click") << 4;
    QTest::newRow("CPageInfo::SignalShowPage from Next") << 5;
    QTest::newRow("CSelfDrawnButton::SignalCurChanged from a click") << 6;
}

void TestPagerHostile::deletingSlots()
{
    QFETCH(int, iCase);

    QPointer<QWidget> pWidget;
    CSelfDrawnButton* pStrip = nullptr;
    int iCell = 0;
    if (iCase <= 3) {
        auto* pPager = new CPagerCtrl;
        pPager->SetPageCount(20);
        pPager->ShowSelectedPage(10, false);
        pWidget = pPager;
        connect(pPager, &CPagerCtrl::SignalShowPage, pPager, [pPager] { delete pPager; });
        connect(pPager, &CPagerCtrl::SignalForceChangePage, pPager, [pPager] { delete pPager; });
        pStrip = pPager->findChild<CSelfDrawnButton*>();
        iCell = iCase == 1 ? 7 : 5;
        if (iCase == 2) {
            auto* pEdit = pPager->findChild<QLineEdit*>();
            QTest::keyClicks(pEdit, QStringLiteral("12"));
            QTest::keyClick(pEdit, Qt::Key_Return);
        } else if (iCase == 3) {
            pPager->findChild<QPushButton*>(QStringLiteral("m_pBtnNext"))->click();
        }
    } else if (iCase <= 5) {
        auto* pInfo = new CPageInfo;
        pInfo->SetPageInfo(25);
        pInfo->ShowSelectedPage(3);
        pWidget = pInfo;
        connect(pInfo, &CPageInfo::SignalShowPage, pInfo, [pInfo] { delete pInfo; });
        pStrip = pInfo->findChild<CSelfDrawnButton*>();
        iCell = 6;
        if (iCase == 5)
            pInfo->findChild<QPushButton*>(QStringLiteral("m_pBtnNext"))->click();
    } else {
        pStrip = new CSelfDrawnButton(3);
        pStrip->SetTextList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        pStrip->setFixedHeight(20);
        pWidget = pStrip;
        connect(pStrip, &CSelfDrawnButton::SignalCurChanged, pStrip, [pStrip] { delete pStrip; });
        iCell = 2;
    }
    if (pWidget && (iCase == 0 || iCase == 1 || iCase == 4 || iCase == 6))
        QTest::mouseClick(pStrip, Qt::LeftButton, Qt::NoModifier, pStrip->CellRect(iCell).center());
    QVERIFY(pWidget.isNull());
}

QTEST_MAIN(TestPagerHostile)
#include "tst_pager_hostile.moc"
