#include "LayoutTestSupport.h"

#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

using namespace OrvaGUIToolkit;
using namespace LayoutTest;

class TestSelectCutNum : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const QString strPath = m_dir.filePath(QStringLiteral("layouts.xml"));
        const QString strOne = Config(1, 1, Item(QStringLiteral("QWidget"), 0, 0, 0));
        QVERIFY(WriteFile(strPath, Document(strOne + Grid(2, 2) + Grid(4, 3) + Grid(8, 4)).toUtf8()));
        QVERIFY(m_mgr.Init(strPath, &m_parent, {}, 1));
    }

    // Buttons in panel order: the standard section, then the wide one. A
    // sender that is not a button emits nothing; the panel stays open.
    void clickEmitsSplitType()
    {
        CSelectCutNum panel(&m_mgr);
        panel.show();
        const QList<QToolButton*> listButtons = panel.findChildren<QToolButton*>();
        QCOMPARE(listButtons.size(), 20);
        QSignalSpy spy(&panel, &CSelectCutNum::SignalClickedBtn);
        for (const int iButton : {0, 3, 4, 9, 10, 13, 19})
            QTest::mouseClick(listButtons.at(iButton), Qt::LeftButton);
        panel.OnBtnClicked();
        QList<int> listTypes;
        for (const QList<QVariant>& args : qAsConst(spy))
            listTypes << args.at(0).toInt();
        QCOMPARE(listTypes, (QList<int>{1, 5, 4, 18, 17, 104, 108}));
        QVERIFY(panel.isVisible());
    }

    void supportedTypes()
    {
        CSelectCutNum panel(&m_mgr);
        QVector<int> vecTypes{-5};
        panel.GetSupportSplitType(vecTypes);
        QCOMPARE(vecTypes, (QVector<int>{-5, 1, 2, 3, 4, 5, 7, 8, 15, 16, 18, 17, 100, 101, 102, 103, 104, 105, 106,
                                         107, 108}));
    }

    void maxWindowsHidesButtons()
    {
        CSelectCutNum panel(&m_mgr);
        panel.show();
        panel.SetMaxWndNum(9);
        for (int iType : {1, 2, 4, 3, 17, 100})
            QVERIFY2(Button(panel, iType)->isVisible(), qPrintable(QString::number(iType)));
        QVERIFY(!Button(panel, 8)->isVisible());
        panel.SetMaxWndNum(16);
        QVERIFY(Button(panel, 8)->isVisible());
        panel.SetMaxWndNum(0);
        QVERIFY(!Button(panel, 1)->isVisible());
        QVERIFY(Button(panel, 108)->isVisible());
    }

    void buttonTexts()
    {
        CSelectCutNum panel(&m_mgr);
        panel.UpdateBtnText();
        QCOMPARE(Button(panel, 8)->text(), QStringLiteral("16"));
        QCOMPARE(Button(panel, 106)->text(), QStringLiteral("0"));
        QCOMPARE(Button(panel, 8)->toolButtonStyle(), Qt::ToolButtonIconOnly);
        CSelectCutNum orphan(nullptr);
        orphan.UpdateBtnText();
        orphan.SetMaxWndNum(-1);
        QCOMPARE(Button(orphan, 1)->text(), QStringLiteral("0"));
    }

    void panelLayout()
    {
        CSelectCutNum panel(&m_mgr);
        const Qt::WindowFlags enumFlags = Qt::Popup | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
        QCOMPARE(panel.windowFlags() & enumFlags, enumFlags);
        auto* pGrid = qobject_cast<QGridLayout*>(panel.layout());
        QCOMPARE(pGrid->rowCount(), 6);
        QCOMPARE(pGrid->contentsMargins(), QMargins(3, 3, 3, 3));
        QCOMPARE(pGrid->spacing(), 0);
        auto* pStandard = panel.findChild<QLabel*>(QStringLiteral("m_pStanderdLabel"));
        auto* pWide = panel.findChild<QLabel*>(QStringLiteral("m_pWideLabel"));
        QVERIFY(pStandard && pWide);
        QCOMPARE(pStandard->text(), QStringLiteral("Standard Screen Layout:"));
        QCOMPARE(pWide->text(), QStringLiteral("Wide Screen Layout:"));
        QCOMPARE(pStandard->height(), 30);
        // Column, row, column span and row span of an item in a grid.
        const auto cell = [](QGridLayout* pLayout, QWidget* pWidget) {
            int iRow = 0, iColumn = 0, iRowSpan = 0, iColumnSpan = 0;
            pLayout->getItemPosition(pLayout->indexOf(pWidget), &iRow, &iColumn, &iRowSpan, &iColumnSpan);
            return QRect(iColumn, iRow, iColumnSpan, iRowSpan);
        };
        QCOMPARE(cell(pGrid, Button(panel, 106)).topLeft(), QPoint(0, 5));
        QCOMPARE(cell(pGrid, pWide), QRect(0, 3, 6, 1));
        QToolButton* pButton = Button(panel, 15);
        QCOMPARE(pButton->size(), QSize(33, 28));
        QCOMPARE(pButton->iconSize(), QSize(21, 19));

        auto* pExtra = new QLabel(QStringLiteral("Fill the wall with the selected cameras"));
        CSelectCutNum withExtra(&m_mgr, nullptr, pExtra);
        auto* pExtraGrid = qobject_cast<QGridLayout*>(withExtra.layout());
        QCOMPARE(pExtraGrid->rowCount(), 7);
        QCOMPARE(cell(pExtraGrid, pExtra), QRect(0, 6, 6, 1));
    }

    void activationIsSwallowed()
    {
        CSelectCutNum panel(&m_mgr);
        QEvent activation(QEvent::ActivationChange);
        QVERIFY(QCoreApplication::sendEvent(&panel, &activation));
        panel.move(100, 100);
        panel.show();
        QCursor::setPos(0, 0);
        QVERIFY(!panel.IsMouseIn());
    }

private:
    QToolButton* Button(CSelectCutNum& panel, int iType) const;

    QTemporaryDir m_dir;
    QWidget m_parent;
    CWidgetLayoutMgr m_mgr;
};

QToolButton* TestSelectCutNum::Button(CSelectCutNum& panel, int iType) const
{
    QSignalSpy spy(&panel, &CSelectCutNum::SignalClickedBtn);
    for (QToolButton* pBtn : panel.findChildren<QToolButton*>()) {
        pBtn->click();
        if (!spy.isEmpty() && spy.takeLast().at(0).toInt() == iType)
            return pBtn;
    }
    return nullptr;
}

QTEST_MAIN(TestSelectCutNum)
#include "tst_selectcutnum.moc"
