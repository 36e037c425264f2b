#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>
#include <QtWidgets/QLayout>
#include <QtWidgets/QLineEdit>

using namespace OrvaGUIToolkit;

namespace {

QStringList ShownTexts(const CSelfDrawnButton* pStrip)
{
    return pStrip->GetTextList().mid(0, pStrip->GetShowCount());
}

bool IsShown(const QWidget* pParent, const char* pszName)
{
    return !pParent->findChild<QWidget*>(QLatin1String(pszName))->isHidden();
}

void ClickCell(CSelfDrawnButton* pStrip, int iIndex, Qt::MouseButton enumButton = Qt::LeftButton)
{
    QTest::mouseClick(pStrip, enumButton, Qt::NoModifier, pStrip->CellRect(iIndex).center());
}

} // namespace

class TestPager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pagerLayout_data();
    void pagerLayout();
    void pagerGapClick_data();
    void pagerGapClick();
    void pagerArrows();
    void pagerRefusesPages();
    void pagerForceFlag();
    void pagerGoBox();
    void pagerFewPages();
    void pageInfoBlocks_data();
    void pageInfoBlocks();
    void pageInfoPrevNext();
    void stripClicks();
    void stripShowCount();
    void intValidator_data();
    void intValidator();
};

void TestPager::pagerLayout_data()
{
    QTest::addColumn<uint>("uPage");
    QTest::addColumn<QStringList>("listTexts");
    QTest::addColumn<int>("iCurrent");
    QTest::addColumn<bool>("bPrevious");
    QTest::addColumn<bool>("bNext");

    QTest::newRow("page 1") << 1U << QStringList{"1", "2", "3", "4", "5", "6", "7", "...", "20"} << 0 << false << true;
    QTest::newRow("page 5") << 5U << QStringList{"1", "2", "3", "4", "5", "6", "7", "...", "20"} << 4 << true << true;
    QTest::newRow("page 6") << 6U << QStringList{"1", "...", "4", "5", "6", "7", "8", "...", "20"} << 4 << true << true;
    QTest::newRow("page 10") << 10U << QStringList{"1", "...", "8", "9", "10", "11", "12", "...", "20"} << 4 << true
                             << true;
    QTest::newRow("page 15") << 15U << QStringList{"1", "...", "13", "14", "15", "16", "17", "...", "20"} << 4 << true
                             << true;
    QTest::newRow("page 16") << 16U << QStringList{"1", "...", "14", "15", "16", "17", "18", "19", "20"} << 4 << true
                             << true;
    QTest::newRow("page 17") << 17U << QStringList{"1", "...", "14", "15", "16", "17", "18", "19", "20"} << 5 << true
                             << true;
    QTest::newRow("page 20") << 20U << QStringList{"1", "...", "14", "15", "16", "17", "18", "19", "20"} << 8 << true
                             << false;
}

void TestPager::pagerLayout()
{
    QFETCH(uint, uPage);
    QFETCH(QStringList, listTexts);
    QFETCH(int, iCurrent);
    QFETCH(bool, bPrevious);
    QFETCH(bool, bNext);

    CPagerCtrl pager;
    pager.SetPageCount(20);
    pager.ShowSelectedPage(uPage, false);
    auto* pStrip = pager.findChild<CSelfDrawnButton*>();
    QCOMPARE(ShownTexts(pStrip), listTexts);
    QCOMPARE(pStrip->GetCurIndex(), iCurrent);
    QCOMPARE(pager.GetCurrentPage(), uPage);
    QCOMPARE(IsShown(&pager, "m_pBtnPrevious"), bPrevious);
    QCOMPARE(IsShown(&pager, "m_pBtnNext"), bNext);
}

void TestPager::pagerGapClick_data()
{
    QTest::addColumn<uint>("uFrom");
    QTest::addColumn<int>("iCell");
    QTest::addColumn<uint>("uExpected");

    QTest::newRow("right gap from 10") << 10U << 7 << 13U;
    QTest::newRow("left gap from 10") << 10U << 1 << 7U;
    QTest::newRow("right gap from 1") << 1U << 7 << 8U;
    QTest::newRow("left gap from 20") << 20U << 1 << 13U;
    QTest::newRow("number cell") << 10U << 5 << 11U;
    QTest::newRow("last cell") << 10U << 8 << 20U;
}

void TestPager::pagerGapClick()
{
    QFETCH(uint, uFrom);
    QFETCH(int, iCell);
    QFETCH(uint, uExpected);

    CPagerCtrl pager;
    pager.SetPageCount(20);
    pager.ShowSelectedPage(uFrom, false);
    QSignalSpy spyShow(&pager, &CPagerCtrl::SignalShowPage);
    QSignalSpy spyForce(&pager, &CPagerCtrl::SignalForceChangePage);
    ClickCell(pager.findChild<CSelfDrawnButton*>(), iCell);
    QCOMPARE(pager.GetCurrentPage(), uExpected);
    QCOMPARE(spyShow.count(), 1);
    QCOMPARE(spyShow.at(0).at(0).toUInt(), uExpected);
    QCOMPARE(spyForce.count(), 0);
}

void TestPager::pagerArrows()
{
    CPagerCtrl pager;
    pager.SetPageCount(20);
    pager.ShowSelectedPage(6, false);
    QSignalSpy spyShow(&pager, &CPagerCtrl::SignalShowPage);
    pager.findChild<QPushButton*>(QStringLiteral("m_pBtnNext"))->click();
    QCOMPARE(pager.GetCurrentPage(), 7U);
    pager.findChild<QPushButton*>(QStringLiteral("m_pBtnPrevious"))->click();
    pager.findChild<QPushButton*>(QStringLiteral("m_pBtnPrevious"))->click();
    QCOMPARE(pager.GetCurrentPage(), 5U);
    QCOMPARE(spyShow.count(), 3);
    QCOMPARE(spyShow.at(2).at(0).toUInt(), 5U);
}

void TestPager::pagerRefusesPages()
{
    CPagerCtrl pager;
    pager.SetPageCount(20);
    pager.ShowSelectedPage(4, false);
    QSignalSpy spyShow(&pager, &CPagerCtrl::SignalShowPage);
    QSignalSpy spyForce(&pager, &CPagerCtrl::SignalForceChangePage);
    pager.ShowSelectedPage(0, true);
    pager.ShowSelectedPage(21, true);
    QCOMPARE(pager.GetCurrentPage(), 4U);
    QCOMPARE(spyShow.count() + spyForce.count(), 0);
}

void TestPager::pagerForceFlag()
{
    CPagerCtrl pager;
    pager.SetPageCount(20);
    QSignalSpy spyShow(&pager, &CPagerCtrl::SignalShowPage);
    QSignalSpy spyForce(&pager, &CPagerCtrl::SignalForceChangePage);
    pager.ShowSelectedPage(1, false);
    QCOMPARE(spyForce.count(), 1); // from page 0
    pager.ShowSelectedPage(1, false);
    QCOMPARE(spyForce.count(), 1);
    pager.ShowSelectedPage(1, true);
    QCOMPARE(spyForce.count(), 2);
    QCOMPARE(spyShow.count(), 0); // the strip's index never moved
    pager.ShowSelectedPage(12, false);
    QCOMPARE(spyForce.count(), 3);
    QCOMPARE(spyForce.last().at(0).toInt(), 12);
    QCOMPARE(spyShow.count(), 1);
    QCOMPARE(spyShow.last().at(0).toUInt(), 12U);
}

void TestPager::pagerGoBox()
{
    CPagerCtrl pager;
    pager.SetPageCount(20);
    pager.ShowSelectedPage(3, false);
    auto* pEdit = pager.findChild<QLineEdit*>();
    QSignalSpy spyForce(&pager, &CPagerCtrl::SignalForceChangePage);
    QTest::keyClicks(pEdit, QStringLiteral("0"));
    QCOMPARE(pEdit->text(), QString());
    QTest::keyClicks(pEdit, QStringLiteral("21"));
    QCOMPARE(pEdit->text(), QStringLiteral("2"));
    QTest::keyClicks(pEdit, QStringLiteral(" "));
    QCOMPARE(pEdit->text(), QStringLiteral("2"));
    QTest::keyClick(pEdit, Qt::Key_Return);
    QCOMPARE(pager.GetCurrentPage(), 2U);
    QCOMPARE(spyForce.count(), 1);
    pager.findChild<QPushButton*>(QStringLiteral("m_pBtnGo"))->click();
    QCOMPARE(spyForce.count(), 1); // already on page 2

    // A new count clears the box and narrows its range.
    pager.SetPageCount(5);
    QCOMPARE(pEdit->text(), QString());
    QTest::keyClicks(pEdit, QStringLiteral("7"));
    QCOMPARE(pEdit->text(), QString());
}

void TestPager::pagerFewPages()
{
    CPagerCtrl pager;
    pager.SetPageCount(4);
    pager.ShowSelectedPage(3, false);
    auto* pStrip = pager.findChild<CSelfDrawnButton*>();
    QCOMPARE(ShownTexts(pStrip), (QStringList{"1", "2", "3", "4"}));
    QCOMPARE(pStrip->GetCurIndex(), 2);
    QCOMPARE(pStrip->height(), 22);
}

void TestPager::pageInfoBlocks_data()
{
    QTest::addColumn<uint>("uPage");
    QTest::addColumn<QStringList>("listTexts");
    QTest::addColumn<int>("iCurrent");
    QTest::addColumn<bool>("bPrevious");
    QTest::addColumn<bool>("bNext");

    QTest::newRow("page 3") << 3U << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"} << 2 << false
                            << true;
    QTest::newRow("page 12") << 12U << QStringList{"11", "12", "13", "14", "15", "16", "17", "18", "19", "20"} << 1
                             << true << true;
    QTest::newRow("page 23") << 23U << QStringList{"21", "22", "23", "24", "25"} << 2 << true << false;
}

void TestPager::pageInfoBlocks()
{
    QFETCH(uint, uPage);
    QFETCH(QStringList, listTexts);
    QFETCH(int, iCurrent);
    QFETCH(bool, bPrevious);
    QFETCH(bool, bNext);

    CPageInfo info;
    info.SetPageInfo(25);
    QSignalSpy spyShow(&info, &CPageInfo::SignalShowPage);
    info.ShowSelectedPage(uPage);
    auto* pStrip = info.findChild<CSelfDrawnButton*>();
    QCOMPARE(ShownTexts(pStrip), listTexts);
    QCOMPARE(pStrip->GetCurIndex(), iCurrent);
    QCOMPARE(info.GetCurrentPage(), uPage);
    QCOMPARE(IsShown(&info, "m_pBtnPrevious"), bPrevious);
    QCOMPARE(IsShown(&info, "m_pBtnNext"), bNext);
    QVERIFY(IsShown(&info, "m_pPageStrip"));
    QVERIFY(!spyShow.isEmpty());
    QCOMPARE(spyShow.last().at(0).toUInt(), uPage);
}

void TestPager::pageInfoPrevNext()
{
    CPageInfo info;
    info.SetPageInfo(25);
    info.ShowSelectedPage(23);
    QSignalSpy spyShow(&info, &CPageInfo::SignalShowPage);
    info.findChild<QPushButton*>(QStringLiteral("m_pBtnPrevious"))->click();
    QCOMPARE(info.GetCurrentPage(), 11U);
    QCOMPARE(spyShow.last().at(0).toUInt(), 11U);
    info.findChild<QPushButton*>(QStringLiteral("m_pBtnNext"))->click();
    QCOMPARE(info.GetCurrentPage(), 21U);

    // A click on a strip cell moves within the block.
    spyShow.clear();
    ClickCell(info.findChild<CSelfDrawnButton*>(), 3);
    QCOMPARE(info.GetCurrentPage(), 24U);
    QCOMPARE(spyShow.count(), 1);

    info.ShowSelectedPage(26);
    QCOMPARE(info.GetCurrentPage(), 24U);
    info.ShowSelectedPage(0);
    QVERIFY(!IsShown(&info, "m_pPageStrip"));
    QVERIFY(!IsShown(&info, "m_pBtnPrevious"));
    QVERIFY(!IsShown(&info, "m_pBtnNext"));
    QCOMPARE(info.layout()->contentsMargins(), QMargins(0, 2, 0, 2));
}

void TestPager::stripClicks()
{
    CSelfDrawnButton strip(3);
    strip.SetTextList({QStringLiteral("Day"), QStringLiteral("Week"), QStringLiteral("Month")});
    strip.setFixedHeight(20);
    QSignalSpy spy(&strip, &CSelfDrawnButton::SignalCurChanged);
    ClickCell(&strip, 2, Qt::RightButton);
    QCOMPARE(strip.GetCurIndex(), 0);
    ClickCell(&strip, 2);
    QCOMPARE(strip.GetCurIndex(), 2);
    QCOMPARE(strip.GetCurSelText(), QStringLiteral("Month"));
    // The 6-pixel gap between cells belongs to no cell.
    QTest::mouseClick(&strip, Qt::LeftButton, Qt::NoModifier, QPoint(strip.CellRect(1).left() - 3, 10));
    QCOMPARE(strip.GetCurIndex(), 2);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(strip.CellRect(1).left(), strip.CellRect(0).width() + 6);
    QCOMPARE(strip.width(), strip.CellRect(2).right() + 1 + 6);
}

void TestPager::stripShowCount()
{
    CSelfDrawnButton strip(4);
    strip.SetTextList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    strip.SetCurIndex(3);
    const int iFullWidth = strip.width();
    QSignalSpy spy(&strip, &CSelfDrawnButton::SignalCurChanged);
    strip.SetCurShowCount(2);
    QCOMPARE(strip.GetCurIndex(), 0);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(strip.width(), strip.CellRect(1).right() + 1 + 6);
    QVERIFY(strip.width() < iFullWidth);
    QCOMPARE(strip.GetButtonText(3), QStringLiteral("4"));
    QCOMPARE(strip.GetButtonText(4), QString());
    QCOMPARE(strip.GetButtonText(-1), QString());
}

void TestPager::intValidator_data()
{
    QTest::addColumn<int>("iBottom");
    QTest::addColumn<int>("iTop");
    QTest::addColumn<QString>("strInput");
    QTest::addColumn<int>("iState");

    QTest::newRow("in range") << 1 << 20 << "20" << int(QValidator::Acceptable);
    QTest::newRow("empty") << 1 << 20 << "" << int(QValidator::Intermediate);
    QTest::newRow("zero") << 1 << 20 << "0" << int(QValidator::Invalid);
    QTest::newRow("above top") << 1 << 20 << "21" << int(QValidator::Invalid);
    QTest::newRow("blank") << 1 << 20 << " " << int(QValidator::Invalid);
    QTest::newRow("inner blank") << 1 << 20 << "1 2" << int(QValidator::Invalid);
    QTest::newRow("letters") << 1 << 20 << "1a" << int(QValidator::Invalid);
    QTest::newRow("minus, bottom 1") << 1 << 20 << "-" << int(QValidator::Invalid);
    QTest::newRow("minus, bottom -5") << -5 << 20 << "-" << int(QValidator::Intermediate);
    QTest::newRow("negative in range") << -5 << 20 << "-3" << int(QValidator::Acceptable);
    QTest::newRow("negative below") << -5 << 20 << "-6" << int(QValidator::Invalid);
    QTest::newRow("huge") << 1 << 20 << "99999999999999999999999" << int(QValidator::Invalid);
}

void TestPager::intValidator()
{
    QFETCH(int, iBottom);
    QFETCH(int, iTop);
    QFETCH(QString, strInput);
    QFETCH(int, iState);

    const CIntValidator validator(iBottom, iTop);
    int iPos = 0;
    QCOMPARE(int(validator.validate(strInput, iPos)), iState);
}

QTEST_MAIN(TestPager)
#include "tst_pager.moc"
