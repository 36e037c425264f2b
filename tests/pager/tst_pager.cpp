#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtCore/QPointer>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>
#include <QtWidgets/QLayout>
#include <QtWidgets/QLineEdit>

#include <climits>

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

void Click(const QWidget* pParent, const char* pszName)
{
    pParent->findChild<QPushButton*>(QLatin1String(pszName))->click();
}

void ClickCell(CSelfDrawnButton* pStrip, int iIndex, Qt::MouseButton enumButton = Qt::LeftButton)
{
    QTest::mouseClick(pStrip, enumButton, Qt::NoModifier, pStrip->CellRect(iIndex).center());
}

CPagerCtrl* NewPager(unsigned int uCount, unsigned int uPage)
{
    auto* pPager = new CPagerCtrl;
    pPager->SetPageCount(uCount);
    pPager->ShowSelectedPage(uPage, false);
    return pPager;
}

CPageInfo* NewPageInfo(unsigned int uCount, unsigned int uPage)
{
    auto* pInfo = new CPageInfo;
    pInfo->SetPageInfo(uCount);
    pInfo->ShowSelectedPage(uPage);
    return pInfo;
}

} // namespace

class TestPager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pagerLayout_data()
    {
        QTest::addColumn<uint>("uCount");
        QTest::addColumn<uint>("uPage");
        QTest::addColumn<QStringList>("listTexts");
        QTest::addColumn<int>("iCurrent");

        QTest::newRow("few pages") << 4U << 3U << QStringList{"1", "2", "3", "4"} << 2;
        // The first and last page of each of the three layouts of 20 pages.
        QTest::newRow("page 1") << 20U << 1U << QStringList{"1", "2", "3", "4", "5", "6", "7", "...", "20"} << 0;
        QTest::newRow("page 5") << 20U << 5U << QStringList{"1", "2", "3", "4", "5", "6", "7", "...", "20"} << 4;
        QTest::newRow("page 6") << 20U << 6U << QStringList{"1", "...", "4", "5", "6", "7", "8", "...", "20"} << 4;
        QTest::newRow("page 15") << 20U << 15U << QStringList{"1", "...", "13", "14", "15", "16", "17", "...", "20"} << 4;
        QTest::newRow("page 16") << 20U << 16U << QStringList{"1", "...", "14", "15", "16", "17", "18", "19", "20"} << 4;
        QTest::newRow("page 20") << 20U << 20U << QStringList{"1", "...", "14", "15", "16", "17", "18", "19", "20"} << 8;
    }

    void pagerLayout()
    {
        QFETCH(uint, uCount);
        QFETCH(uint, uPage);
        QFETCH(QStringList, listTexts);
        QFETCH(int, iCurrent);

        QScopedPointer<CPagerCtrl> pPager(NewPager(uCount, uPage));
        auto* pStrip = pPager->findChild<CSelfDrawnButton*>();
        QCOMPARE(ShownTexts(pStrip), listTexts);
        QCOMPARE(pStrip->GetCurIndex(), iCurrent);
        QCOMPARE(pStrip->height(), 22);
        QCOMPARE(pPager->GetCurrentPage(), uPage);
        QCOMPARE(IsShown(pPager.data(), "m_pBtnPrevious"), uPage != 1);
        QCOMPARE(IsShown(pPager.data(), "m_pBtnNext"), uPage != uCount);
    }

    // The largest count must not wrap in the middle or the last layout.
    void pagerHugeCount()
    {
        CPagerCtrl pager;
        pager.SetPageCount(UINT_MAX);
        auto* pStrip = pager.findChild<CSelfDrawnButton*>();
        pager.ShowSelectedPage(UINT_MAX / 2, true);
        QCOMPARE(pStrip->GetCurSelText(), QStringLiteral("2147483647"));
        pager.ShowSelectedPage(UINT_MAX, true);
        QCOMPARE(pager.GetCurrentPage(), UINT_MAX);
        QCOMPARE(ShownTexts(pStrip).mid(1, 3), (QStringList{"...", "4294967289", "4294967290"}));
        QCOMPARE(pStrip->GetCurSelText(), QStringLiteral("4294967295"));
    }

    void pagerCellClick_data()
    {
        QTest::addColumn<int>("iCell");
        QTest::addColumn<uint>("uExpected");
        QTest::addColumn<int>("iShown");

        // From page 10 of 20. A number whose cell moves is reported by the
        // nested run for the new cell and again by the click itself; a gap
        // only through the nested run.
        QTest::newRow("right gap") << 7 << 13U << 1;
        QTest::newRow("left gap") << 1 << 7U << 1;
        QTest::newRow("number cell, strip recentres") << 5 << 11U << 2;
        QTest::newRow("last cell, strip stays") << 8 << 20U << 1;
    }

    void pagerCellClick()
    {
        QFETCH(int, iCell);
        QFETCH(uint, uExpected);
        QFETCH(int, iShown);

        QScopedPointer<CPagerCtrl> pPager(NewPager(20, 10));
        QSignalSpy spyShow(pPager.data(), &CPagerCtrl::SignalShowPage);
        QSignalSpy spyForce(pPager.data(), &CPagerCtrl::SignalForceChangePage);
        ClickCell(pPager->findChild<CSelfDrawnButton*>(), iCell);
        QCOMPARE(pPager->GetCurrentPage(), uExpected);
        QCOMPARE(spyShow.count(), iShown);
        for (const QList<QVariant>& listArguments : qAsConst(spyShow))
            QCOMPARE(listArguments.at(0).toUInt(), uExpected);
        QCOMPARE(spyForce.count(), 0);
    }

    void pagerArrows()
    {
        QScopedPointer<CPagerCtrl> pPager(NewPager(20, 6));
        QSignalSpy spyShow(pPager.data(), &CPagerCtrl::SignalShowPage);
        Click(pPager.data(), "m_pBtnNext");
        QCOMPARE(pPager->GetCurrentPage(), 7U);
        Click(pPager.data(), "m_pBtnPrevious");
        Click(pPager.data(), "m_pBtnPrevious");
        QCOMPARE(pPager->GetCurrentPage(), 5U);
        // Every step recentres the strip: the page is reported twice.
        QList<uint> listShown;
        for (const QList<QVariant>& listArguments : qAsConst(spyShow))
            listShown << listArguments.at(0).toUInt();
        QCOMPARE(listShown, (QList<uint>{7, 7, 6, 6, 5, 5}));
    }

    // Pages outside the count are refused; the force flag re-announces the page.
    void pagerForceFlag()
    {
        CPagerCtrl pager;
        pager.SetPageCount(20);
        QSignalSpy spyShow(&pager, &CPagerCtrl::SignalShowPage);
        QSignalSpy spyForce(&pager, &CPagerCtrl::SignalForceChangePage);
        pager.ShowSelectedPage(0, true);
        pager.ShowSelectedPage(21, true);
        QCOMPARE(spyForce.count() + spyShow.count(), 0);
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

    void pagerGoBox()
    {
        QScopedPointer<CPagerCtrl> pPager(NewPager(20, 3));
        auto* pEdit = pPager->findChild<QLineEdit*>();
        QSignalSpy spyForce(pPager.data(), &CPagerCtrl::SignalForceChangePage);
        QTest::keyClicks(pEdit, QStringLiteral("0"));
        QCOMPARE(pEdit->text(), QString());
        QTest::keyClicks(pEdit, QStringLiteral("21 "));
        QCOMPARE(pEdit->text(), QStringLiteral("2"));
        QTest::keyClick(pEdit, Qt::Key_Return);
        QCOMPARE(pPager->GetCurrentPage(), 2U);
        QCOMPARE(spyForce.count(), 1);
        Click(pPager.data(), "m_pBtnGo");
        QCOMPARE(spyForce.count(), 1); // already on page 2

        // Text set behind the validator's back is still refused.
        for (const char* pszText : {"abc", "21", "99999999999"}) {
            pEdit->setText(QLatin1String(pszText));
            Click(pPager.data(), "m_pBtnGo");
            QCOMPARE(pPager->GetCurrentPage(), 2U);
        }

        // A new count clears the box and narrows its range.
        pPager->SetPageCount(5);
        QCOMPARE(pEdit->text(), QString());
        QTest::keyClicks(pEdit, QStringLiteral("7"));
        QCOMPARE(pEdit->text(), QString());
    }

    void pageInfoBlocks_data()
    {
        QTest::addColumn<uint>("uCount");
        QTest::addColumn<uint>("uPage");
        QTest::addColumn<QStringList>("listTexts");
        QTest::addColumn<int>("iCurrent");
        QTest::addColumn<bool>("bPrevious");
        QTest::addColumn<bool>("bNext");

        QTest::newRow("first block") << 25U << 3U << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"} << 2
                                     << false << true;
        QTest::newRow("last, partial block") << 25U << 23U << QStringList{"21", "22", "23", "24", "25"} << 2 << true
                                             << false;
        QTest::newRow("last block of the largest count")
            << UINT_MAX << UINT_MAX << QStringList{"4294967291", "4294967292", "4294967293", "4294967294", "4294967295"}
            << 4 << true << false;
    }

    void pageInfoBlocks()
    {
        QFETCH(uint, uCount);
        QFETCH(uint, uPage);
        QFETCH(QStringList, listTexts);
        QFETCH(int, iCurrent);
        QFETCH(bool, bPrevious);
        QFETCH(bool, bNext);

        CPageInfo info;
        info.SetPageInfo(uCount);
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

    void pageInfoPrevNext()
    {
        QScopedPointer<CPageInfo> pInfo(NewPageInfo(25, 23));
        QSignalSpy spyShow(pInfo.data(), &CPageInfo::SignalShowPage);
        Click(pInfo.data(), "m_pBtnPrevious");
        QCOMPARE(pInfo->GetCurrentPage(), 11U);
        QCOMPARE(spyShow.last().at(0).toUInt(), 11U);
        Click(pInfo.data(), "m_pBtnNext");
        QCOMPARE(pInfo->GetCurrentPage(), 21U);

        // A click on a strip cell moves within the block.
        spyShow.clear();
        ClickCell(pInfo->findChild<CSelfDrawnButton*>(), 3);
        QCOMPARE(pInfo->GetCurrentPage(), 24U);
        QCOMPARE(spyShow.count(), 1);

        pInfo->ShowSelectedPage(26);
        QCOMPARE(pInfo->GetCurrentPage(), 24U);
        pInfo->ShowSelectedPage(0);
        QVERIFY(!IsShown(pInfo.data(), "m_pPageStrip") && !IsShown(pInfo.data(), "m_pBtnPrevious")
                && !IsShown(pInfo.data(), "m_pBtnNext"));
        QCOMPARE(pInfo->layout()->contentsMargins(), QMargins(0, 2, 0, 2));
    }

    void stripClicks()
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
        QCOMPARE(strip.CellRect(1).left(), strip.CellRect(0).width() + 6);
        QCOMPARE(strip.width(), strip.CellRect(2).right() + 1 + 6);
        // Fewer cells shown: the strip narrows and its index goes back to the
        // first cell without a signal.
        strip.SetCurShowCount(2);
        QCOMPARE(strip.GetCurIndex(), 0);
        QCOMPARE(strip.width(), strip.CellRect(1).right() + 1 + 6);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(strip.GetButtonText(-1), QString());
    }

    void stripExtremes()
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

    void intValidator_data()
    {
        QTest::addColumn<int>("iBottom");
        QTest::addColumn<QString>("strInput");
        QTest::addColumn<int>("iState");

        // The top is 20; the range and blanks are checked through the Go box.
        QTest::newRow("empty") << 1 << "" << int(QValidator::Intermediate);
        QTest::newRow("letters") << 1 << "1a" << int(QValidator::Invalid);
        QTest::newRow("minus, bottom 1") << 1 << "-" << int(QValidator::Invalid);
        QTest::newRow("minus, bottom -5") << -5 << "-" << int(QValidator::Intermediate);
    }

    void intValidator()
    {
        QFETCH(int, iBottom);
        QFETCH(QString, strInput);
        QFETCH(int, iState);

        const CIntValidator validator(iBottom, 20);
        int iPos = 0;
        QCOMPARE(int(validator.validate(strInput, iPos)), iState);
    }

    // Each signal the pagers emit from their own handlers, with a slot that
    // deletes the control.
    void deletingSlots_data()
    {
        QTest::addColumn<int>("iCase");
        int iCase = 0;
        for (const char* pszName :
             {"CPagerCtrl::SignalShowPage from a strip click", "CPagerCtrl::SignalForceChangePage from the Go box",
              "CPageInfo::SignalShowPage from a strip click", "CPageInfo::SignalShowPage from Next",
              "CSelfDrawnButton::SignalCurChanged from a click"})
            QTest::newRow(pszName) << iCase++;
    }

    void deletingSlots()
    {
        QFETCH(int, iCase);
        QPointer<QWidget> pWidget;
        const auto deleteControl = [&pWidget] { delete pWidget.data(); };
        if (iCase < 2) {
            CPagerCtrl* pPager = NewPager(20, 10);
            pWidget = pPager;
            connect(pPager, &CPagerCtrl::SignalShowPage, deleteControl);
            connect(pPager, &CPagerCtrl::SignalForceChangePage, deleteControl);
            auto* pEdit = pPager->findChild<QLineEdit*>();
            if (iCase == 0) {
                ClickCell(pPager->findChild<CSelfDrawnButton*>(), 5);
            } else {
                QTest::keyClicks(pEdit, QStringLiteral("12"));
                QTest::keyClick(pEdit, Qt::Key_Return);
            }
        } else if (iCase < 4) {
            CPageInfo* pInfo = NewPageInfo(25, 3);
            pWidget = pInfo;
            connect(pInfo, &CPageInfo::SignalShowPage, deleteControl);
            if (iCase == 2)
                ClickCell(pInfo->findChild<CSelfDrawnButton*>(), 6);
            else
                Click(pInfo, "m_pBtnNext");
        } else {
            auto* pStrip = new CSelfDrawnButton(3);
            pStrip->SetTextList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
            pStrip->setFixedHeight(20);
            pWidget = pStrip;
            connect(pStrip, &CSelfDrawnButton::SignalCurChanged, deleteControl);
            ClickCell(pStrip, 2);
        }
        QVERIFY(pWidget.isNull());
    }
};

QTEST_MAIN(TestPager)
#include "tst_pager.moc"
