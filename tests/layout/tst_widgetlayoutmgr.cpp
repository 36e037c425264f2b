#include "LayoutTestSupport.h"

#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

#include <climits>
#include <memory>
#include <type_traits>

using namespace OrvaGUIToolkit;
using namespace LayoutTest;

// Copies would share and delete the same layout records.
static_assert(!std::is_copy_constructible<CWidgetLayoutMgr>::value, "a layout manager cannot be copied");
static_assert(!std::is_copy_assignable<CWidgetLayoutMgr>::value, "a layout manager cannot be assigned");

namespace {

// Six windows: one large window over two rows and columns, five small ones
// around it on a 3 x 3 grid.
QString SixWindows()
{
    const QString strW = QStringLiteral("QWidget");
    return Config(3, 6,
                  Item(strW, 0, 0, 0, 2, 2) + Item(strW, 1, 0, 2) + Item(strW, 2, 1, 2) + Item(strW, 3, 2, 0)
                      + Item(strW, 4, 2, 1) + Item(strW, 5, 2, 2),
                  QStringLiteral("1,1,1"), QStringLiteral("1,1,1"));
}

QString OneWindow()
{
    return Config(1, 1, Item(QStringLiteral("QWidget"), 0, 0, 0), QStringLiteral("1"), QStringLiteral("1"));
}

// Custom layout 201: two windows side by side with a spacer below.
QString CustomXml(int iLeftStretch)
{
    const QString strItems = Item(QStringLiteral("QWidget"), 0, 0, 0) + Item(QStringLiteral("QWidget"), 1, 0, 1)
        + Item(QStringLiteral("QSpacerItem"), 0, 1, 0, 1, 2);
    return Document(Config(201, 2, strItems, QStringLiteral("1,1"), QStringLiteral("%1,1").arg(iLeftStretch)));
}

QByteArray Bomb()
{
    QByteArray byteXml = "<?xml version=\"1.0\"?>\n<!DOCTYPE R [\n<!ENTITY e0 \"boom\">\n";
    for (int i = 1; i < 12; ++i)
        byteXml += QStringLiteral("<!ENTITY e%1 \"&e%2;&e%2;&e%2;&e%2;&e%2;&e%2;&e%2;&e%2;&e%2;&e%2;\">\n")
                       .arg(i)
                       .arg(i - 1)
                       .toLatin1();
    return byteXml + "]>\n<R><ElementConfig><Name>&e11;</Name><Type>2</Type></ElementConfig></R>\n";
}

QByteArray Nested(int iDepth)
{
    QByteArray byteXml = "<R><ElementConfig><Type>2</Type><WndSize>1</WndSize><ElementItems>";
    byteXml += QByteArray("<a>").repeated(iDepth) + QByteArray("</a>").repeated(iDepth);
    return byteXml + "</ElementItems></ElementConfig></R>";
}

// Tens of megabytes of well-formed layout items.
QByteArray Huge()
{
    const QByteArray byteItem = Item(QStringLiteral("QWidget"), 1, 0, 0).toLatin1();
    return "<R><ElementConfig><Type>2</Type><ElementItems>" + byteItem.repeated(50 * 1024 * 1024 / byteItem.size())
        + "</ElementItems></ElementConfig></R>";
}

// With its byte-order mark and without a declaration.
QByteArray Utf16LittleEndian(const QString& strText)
{
    QByteArray byteText("\xff\xfe", 2);
    for (const QChar ch : strText)
        byteText.append(char(ch.unicode() & 0xff)).append(char(ch.unicode() >> 8));
    return byteText;
}

// Collects every message written while it lives.
class CMessageCollector
{
public:
    CMessageCollector()
    {
        s_pCurrent = this;
        m_pPrevious = qInstallMessageHandler(&CMessageCollector::Handler);
    }
    ~CMessageCollector()
    {
        qInstallMessageHandler(m_pPrevious);
        s_pCurrent = nullptr;
    }

    QStringList m_listMessages;

private:
    static void Handler(QtMsgType, const QMessageLogContext&, const QString& strMessage)
    {
        s_pCurrent->m_listMessages << strMessage;
    }

    static CMessageCollector* s_pCurrent;
    QtMessageHandler m_pPrevious = nullptr;
};

CMessageCollector* CMessageCollector::s_pCurrent = nullptr;

} // namespace

class TestWidgetLayoutMgr : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_strConfig = m_dir.filePath(QStringLiteral("layouts.xml"));
        QVERIFY(WriteFile(m_strConfig,
                          Document(OneWindow() + Grid(2, 2) + SixWindows() + Grid(4, 3) + Grid(8, 4)).toUtf8()));
        m_pParent.reset(new QWidget);
        m_pParent->resize(600, 600);
        m_listWindows.clear();
        for (int i = 0; i < 10; ++i) {
            auto* pWindow = new QWidget(m_pParent.get());
            pWindow->setObjectName(QStringLiteral("Window%1").arg(i));
            m_listWindows << pWindow;
        }
        m_pMgr.reset(new CWidgetLayoutMgr);
        QVERIFY(m_pMgr->Init(m_strConfig, m_pParent.get(), m_listWindows, 2));
        m_pParent->show();
    }

    void cleanup()
    {
        m_pMgr.reset();
        m_pParent.reset();
    }

    void initLaysOutFirstWindows()
    {
        QCOMPARE(m_pMgr->GetSplitType(), 2);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(m_listWindows.at(i)->isVisible(), i < 4);
        QCOMPARE(CellOf(0), QRect(0, 0, 300, 300));
        QCOMPARE(CellOf(3), QRect(300, 300, 300, 300));
        QCOMPARE(m_pMgr->GetWidget(9), m_listWindows.at(9));
        QVERIFY(!m_pMgr->GetWidget(10));

        QVERIFY(m_pMgr->ReDisplay(3));
        QCOMPARE(CellOf(0), QRect(0, 0, 400, 400));
        QCOMPARE(CellOf(5), QRect(400, 400, 200, 200));
        QVERIFY(!m_listWindows.at(6)->isVisible());
    }

    void initRefusals()
    {
        CWidgetLayoutMgr mgr;
        QList<QWidget*> listLayout{nullptr};
        QTest::ignoreMessage(QtWarningMsg, "CWidgetLayoutMgr::GetLayoutWidgets: pElementConfig == NULL");
        mgr.GetLayoutWidgets(listLayout);
        QVERIFY(listLayout.isEmpty());
        QVERIFY(!mgr.Init(m_strConfig, nullptr, m_listWindows, 2));
        QWidget parent;
        QVERIFY(!mgr.Init(QStringList{m_strConfig, m_dir.filePath(QStringLiteral("missing.xml"))}, &parent, {}, 2));
        // The records of the first file were dropped with the failure.
        QCOMPARE(mgr.GetWndCountByType(2), 0);
        QVERIFY(!mgr.ResetWidgets({}, 2));
        QVERIFY(mgr.Init(QStringList{m_strConfig}, &parent, {}, 2));
        QCOMPARE(mgr.GetWndCountByType(8), 16);
        QCOMPARE(mgr.GetVirtualWndCountByType(3), 9);
        // No record for the type: the grid is not built and the type not taken.
        QVERIFY(!mgr.ResetWidgets({}, 77));
        QCOMPARE(mgr.GetSplitType(), 0);
    }

    void switchAndReset()
    {
        QVERIFY(m_pMgr->SwitchDisplay(0, 3));
        QCOMPARE(CellOf(3), QRect(0, 0, 300, 300));
        QCOMPARE(m_pMgr->IndexOf(m_listWindows.at(3)), 0);
        // The order of addition is kept for the windows a layout takes.
        QList<QWidget*> listLayout;
        m_pMgr->GetLayoutWidgets(listLayout);
        QCOMPARE(listLayout, m_listWindows.mid(0, 4));
        QVERIFY(m_pMgr->SwitchDisplay(m_listWindows.at(1), m_listWindows.at(7)));
        QVERIFY(m_listWindows.at(7)->isVisible());
        QVERIFY(!m_listWindows.at(1)->isVisible());
        m_pMgr->ResetSwitch();
        QCOMPARE(CellOf(1), QRect(300, 0, 300, 300));
        QVERIFY(!m_listWindows.at(7)->isVisible());
        QVERIFY(!m_pMgr->SwitchDisplay(0, 10));
        QVERIFY(m_pMgr->SwitchDisplay(2, 2));
    }

    // Six windows fit 5..20 best. Among candidates the first of equal fit wins,
    // and a type without a record counts as fitting.
    void suitableType()
    {
        CWidgetLayoutMgr& mgr = *m_pMgr;
        QCOMPARE((QList<int>{mgr.GetSuitableLayoutType(5, 20), mgr.GetSuitableLayoutType(5, 20, {1, 2, 4, 8}),
                             mgr.GetSuitableLayoutType(4, 4, {8, 2, 2}), mgr.GetSuitableLayoutType(17, 20),
                             mgr.GetSuitableLayoutType(9, 4), mgr.GetSuitableLayoutType(0, 64, {99, 8})}),
                 (QList<int>{3, 4, 2, 0, 0, 99}));
    }

    // Up and Down stop at the grid's edges; Previous and Next wrap.
    void neighbours()
    {
        using Mgr = CWidgetLayoutMgr;
        const auto step = [this](int iFrom, Mgr::Direction enumDirection) {
            return m_listWindows.indexOf(m_pMgr->GetWidget(m_listWindows.at(iFrom), enumDirection));
        };
        QCOMPARE((QList<int>{step(0, Mgr::Down), step(0, Mgr::Up), step(0, Mgr::Previous), step(3, Mgr::Next)}),
                 (QList<int>{2, 0, 3, 0}));
        QVERIFY(m_pMgr->ReDisplay(3));
        QCOMPARE((QList<int>{step(0, Mgr::Down), step(5, Mgr::Up)}), (QList<int>{3, 2}));
    }

    void spans()
    {
        QVERIFY(m_pMgr->ReDisplay(3));
        int iRowSpan = 0;
        int iColumnSpan = 0;
        m_pMgr->GetWidgetSpan(m_listWindows.at(0), iRowSpan, iColumnSpan);
        QCOMPARE(QPoint(iRowSpan, iColumnSpan), QPoint(2, 2));
        m_pMgr->GetWidgetSpan(m_listWindows.at(8), iRowSpan, iColumnSpan);
        QCOMPARE(QPoint(iRowSpan, iColumnSpan), QPoint(-1, -1));
        QVERIFY(!m_pMgr->GetWidget(m_listWindows.at(8), CWidgetLayoutMgr::Up));
        m_pMgr->GetWidgetSpanByIndex(3, 4, iRowSpan, iColumnSpan);
        QCOMPARE(iRowSpan, 1);
        m_pMgr->GetWidgetSpanByIndex(3, 6, iRowSpan, iColumnSpan);
        QCOMPARE(iRowSpan, -1);
    }

    void reDisplay()
    {
        m_pParent->layout()->setObjectName(QStringLiteral("untouched"));
        QVERIFY(m_pMgr->ReDisplay(2, QStringLiteral("<ignored/>")));
        QCOMPARE(m_pParent->layout()->objectName(), QStringLiteral("untouched"));
        QVERIFY(m_pMgr->GetXml().isEmpty());
        QVERIFY(m_pMgr->ReDisplay(4));
        QVERIFY(m_pParent->layout()->objectName().isEmpty());
        QVERIFY(!m_pMgr->ReDisplay(42));
        QCOMPARE(m_pMgr->GetSplitType(), 4);

        // Custom layouts take their XML; the same XML again is no relayout.
        QVERIFY(!m_pMgr->ReDisplay(203, QString()));
        QCOMPARE(m_pMgr->GetSplitType(), 203);
        QVERIFY(m_pMgr->ReDisplay(201, CustomXml(1)));
        QCOMPARE(CellOf(1), QRect(300, 0, 300, 300));
        QVERIFY(!m_listWindows.at(2)->isVisible());
        m_pParent->layout()->setObjectName(QStringLiteral("untouched"));
        QVERIFY(m_pMgr->ReDisplay(201, CustomXml(1)));
        QCOMPARE(m_pParent->layout()->objectName(), QStringLiteral("untouched"));
        QVERIFY(m_pMgr->ReDisplay(201, CustomXml(2)));
        QVERIFY(m_pParent->layout()->objectName().isEmpty());
        QCOMPARE(CellOf(0), QRect(0, 0, 400, 300));
        QCOMPARE(m_pMgr->GetXml(), CustomXml(2));
    }

    void maximiseAndBack()
    {
        m_pMgr->ShowMaximized(2);
        QVERIFY(m_pMgr->Maximized(m_listWindows.at(2)));
        QCOMPARE(CellOf(2), QRect(0, 0, 600, 600));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(m_listWindows.at(i)->isVisible(), i == 2);
        m_pMgr->ShowNormal();
        QVERIFY(!m_pMgr->Maximized(m_listWindows.at(2)));
        QCOMPARE(CellOf(2), QRect(0, 300, 300, 300));

        QWidget stranger(m_pParent.get());
        m_pParent->layout()->setObjectName(QStringLiteral("untouched"));
        m_pMgr->ShowMaximized(&stranger);
        m_pMgr->ShowMaximized(99);
        QCOMPARE(m_pParent->layout()->objectName(), QStringLiteral("untouched"));

        // One window alone cannot be maximised any further.
        QVERIFY(m_pMgr->ReDisplay(1));
        m_pParent->layout()->setObjectName(QStringLiteral("single"));
        m_pMgr->ShowMaximized(0);
        QVERIFY(!m_pMgr->Maximized(m_listWindows.at(0)));
        m_pMgr->ShowNormal();
        QCOMPARE(m_pParent->layout()->objectName(), QStringLiteral("single"));
    }

    void rowStretchWithEmptyPart()
    {
        CWidgetLayoutMgr mgr;
        QWidget parent;
        QVERIFY(WriteFile(m_strConfig, Document(Config(2, 1, Item(QStringLiteral("QWidget"), 0, 0, 0, 3, 1),
                                                       QStringLiteral("1,,2"), QStringLiteral(" 3")))
                                           .toUtf8()));
        QWidget window;
        QVERIFY(mgr.Init(m_strConfig, &parent, {&window}, 2));
        auto* pGrid = qobject_cast<QGridLayout*>(parent.layout());
        QCOMPARE((QList<int>{pGrid->rowStretch(0), pGrid->rowStretch(1), pGrid->rowStretch(2), pGrid->columnStretch(0)}),
                 (QList<int>{1, 0, 2, 3}));
        QCOMPARE(pGrid->contentsMargins(), QMargins());
        QCOMPARE(pGrid->spacing(), 0);
    }

    void missingWindowEndsLayout()
    {
        const QString strW = QStringLiteral("QWidget");
        QVERIFY(WriteFile(m_strConfig,
                          Document(Config(2, 4,
                                          Item(strW, 0, 0, 0) + Item(QStringLiteral("QLabel"), 1, 0, 1)
                                              + Item(QStringLiteral("QSpacerItem"), 9, 0, 1) + Item(strW, 7, 1, 0)
                                              + Item(strW, 1, 1, 1)))
                              .toUtf8()));
        QWidget parent;
        QWidget window0;
        QWidget window1;
        CWidgetLayoutMgr mgr;
        QVERIFY(mgr.Init(m_strConfig, &parent, {&window0, &window1}, 2));
        // The window, then the spacer; the label is skipped and window 7 ends the grid.
        QCOMPARE(parent.layout()->count(), 2);
        QCOMPARE(parent.layout()->itemAt(0)->widget(), &window0);
        QVERIFY(parent.layout()->itemAt(1)->spacerItem());
        QCOMPARE(parent.layout()->indexOf(&window1), -1);
    }

    void lastRecordWins()
    {
        const QString strSecond = m_dir.filePath(QStringLiteral("site.xml"));
        QVERIFY(WriteFile(strSecond, Document(Config(2, 3, QString(), QString(), QString(), QStringLiteral("Three")))
                                         .toUtf8()));
        CWidgetLayoutMgr mgr;
        QWidget parent;
        QVERIFY(mgr.Init(QStringList{m_strConfig, strSecond}, &parent, {}, 4));
        QCOMPARE(mgr.GetWndCountByType(2), 3);
        QCOMPARE(mgr.GetWndCountByType(4), 9);
    }

    void hostileFiles_data()
    {
        QTest::addColumn<QByteArray>("byteContent");
        QTest::addColumn<int>("iRecords");
        const QByteArray byteGood = Document(Grid(2, 2) + Grid(4, 3)).toUtf8();
        QTest::newRow("truncated") << byteGood.left(byteGood.size() / 2) << 0;
        QTest::newRow("gb2312 declared, utf-8 bytes")
            << QByteArray("<?xml version=\"1.0\" encoding=\"GB2312\"?><R><ElementConfig><Name>\xe4\xb8\x9c</Name>"
                          "<Type>2</Type></ElementConfig></R>")
            << 1;
        QTest::newRow("unknown encoding")
            << QByteArray("<?xml version=\"1.0\" encoding=\"x-none\"?><R><ElementConfig><Type>2</Type></ElementConfig></R>")
            << 1;
        QTest::newRow("utf-16 with bom") << Utf16LittleEndian(QString::fromUtf8(byteGood.mid(38)))
            << 2;
        QTest::newRow("entity bomb") << Bomb() << 0;
        QTest::newRow("deep nesting") << Nested(200000) << 0;
        QTest::newRow("nesting within bounds") << Nested(200) << 1;
        QTest::newRow("50 MB") << Huge() << 0;
    }

    // Every hostile file reads as a file without records (or with the records it
    // holds), without a crash or a message; the manager stays usable.
    void hostileFiles()
    {
        QFETCH(QByteArray, byteContent);
        QFETCH(int, iRecords);
        const QString strPath = m_dir.filePath(QStringLiteral("hostile.xml"));
        QVERIFY(WriteFile(strPath, byteContent));
        CMessageCollector messages;
        QWidget parent;
        QWidget window(&parent);
        CWidgetLayoutMgr mgr;
        mgr.Init(strPath, &parent, {&window}, 2);
        // Only the well-formed documents carry grid cells: 4 + 9 in the two grids.
        QCOMPARE(mgr.GetVirtualWndCountByType(2) + mgr.GetVirtualWndCountByType(4), iRecords == 2 ? 13 : 0);
        CGenericDS document;
        QVERIFY(document.LoadXML(strPath));
        QCOMPARE(document.GetChildrenCount(), iRecords);
        // Refusals are silent.
        QCOMPARE(messages.m_listMessages, QStringList());
    }

    void hostileTexts_data()
    {
        QTest::addColumn<QString>("strXml");
        QTest::addColumn<bool>("bParsed");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("two roots") << QStringLiteral("<R/><S/>") << false;
        QTest::newRow("bomb") << QString::fromLatin1(Bomb()) << false;
        QTest::newRow("huge name") << QStringLiteral("<R><ElementConfig><Name>%1</Name></ElementConfig></R>")
                                          .arg(QString(1000000, QLatin1Char('x')))
                                   << true;
    }

    void hostileTexts()
    {
        QFETCH(QString, strXml);
        QFETCH(bool, bParsed);
        CGenericDS document;
        QCOMPARE(document.PhaseXml(strXml), bParsed);
        CLayoutElementConfig config;
        QCOMPARE(m_pMgr->GetSingleLayoutElementByXml(config, strXml), bParsed);
        QCOMPARE(config.GetLayoutName().size(), bParsed ? 1000000 : 0);
        QCOMPARE(m_pMgr->ReDisplay(201, strXml), false);
        QCOMPARE(m_pMgr->GetSplitType(), 201);
    }

    void hostileItems_data()
    {
        QTest::addColumn<QString>("strItems");
        QTest::addColumn<QString>("strStretch");
        QTest::addColumn<int>("iPlaced");
        QTest::addColumn<int>("iShown");
        const QString strW = QStringLiteral("QWidget");
        QTest::newRow("duplicate ids") << Item(strW, 0, 0, 0) + Item(strW, 0, 0, 1) + Item(strW, 1, 1, 0)
                                       << QStringLiteral("1,1") << 2 << 2;
        QTest::newRow("spans past the grid") << Item(strW, 0, 0, 0, 200, 1) + Item(strW, 1, 0, 1, 1, INT_MAX)
                                             << QString() << 0 << 2;
        QTest::newRow("negative rows") << Item(strW, 0, -1, 0) + Item(strW, 1, 0, INT_MIN) + Item(strW, 2, 0, 0, -1, 1)
                                       << QString() << 1 << 3;
        QTest::newRow("negative id") << Item(strW, -1, 0, 0) + Item(strW, 0, 0, 1) << QString() << 0 << 0;
        QTest::newRow("overlapping") << Item(strW, 0, 0, 0, 2, 2) + Item(strW, 1, 1, 1, 2, 2) << QString() << 2 << 2;
        QTest::newRow("huge stretch") << Item(strW, 0, 63, 63)
                                      << QStringLiteral("2147483647,-5,%1").arg(QString(100000, QLatin1Char(',')))
                                      << 1 << 1;
    }

    // Items the grid cannot hold are left out without a message; the widgets
    // they name are shown all the same.
    void hostileItems()
    {
        QFETCH(QString, strItems);
        QFETCH(QString, strStretch);
        QFETCH(int, iPlaced);
        QFETCH(int, iShown);
        CMessageCollector messages;
        QVERIFY(m_pMgr->ReDisplay(201, Document(Config(201, 0, strItems, strStretch, strStretch))));
        QCOMPARE(messages.m_listMessages, QStringList());
        QLayout* pLayout = m_pParent->layout();
        pLayout->activate();
        QCOMPARE(pLayout->count(), iPlaced);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(!m_listWindows.at(i)->isHidden(), i < iShown);
        QVERIFY(qobject_cast<QGridLayout*>(pLayout)->rowCount() <= 64);
        QVERIFY(qobject_cast<QGridLayout*>(pLayout)->rowStretch(0) <= 9999);
        for (int iDirection = 0; iDirection < 4; ++iDirection)
            m_pMgr->GetWidget(m_listWindows.at(0), CWidgetLayoutMgr::Direction(iDirection));
        m_pMgr->ShowMaximized(m_listWindows.at(0));
        m_pMgr->ShowNormal();
        QCOMPARE(m_pParent->layout()->count(), iPlaced);
    }

    // An item without span attributes reads spans of 0 and takes its own cell.
    void itemWithoutSpans()
    {
        const QString strItems = QStringLiteral("<Item type=\"QWidget\" id=\"0\" row=\"1\" column=\"1\"/>")
            + Item(QStringLiteral("QWidget"), 1, 0, 0);
        CMessageCollector messages;
        QVERIFY(m_pMgr->ReDisplay(201, Document(Config(201, 2, strItems))));
        QCOMPARE(messages.m_listMessages, QStringList());
        auto* pGrid = qobject_cast<QGridLayout*>(m_pParent->layout());
        QVERIFY(pGrid);
        QCOMPARE(pGrid->count(), 2);
        QCOMPARE(pGrid->itemAtPosition(1, 1)->widget(), m_listWindows.at(0));
        int iRow = -1;
        int iColumn = -1;
        int iRowSpan = -1;
        int iColumnSpan = -1;
        pGrid->getItemPosition(pGrid->indexOf(m_listWindows.at(0)), &iRow, &iColumn, &iRowSpan, &iColumnSpan);
        QCOMPARE(QRect(iColumn, iRow, iColumnSpan, iRowSpan), QRect(1, 1, 1, 1));
        QVERIFY(m_listWindows.at(0)->isVisible());
    }

    void extremeArguments()
    {
        CWidgetLayoutMgr mgr;
        QVERIFY(!mgr.GetWidget(INT_MIN));
        QVERIFY(!mgr.GetWidget(nullptr, CWidgetLayoutMgr::Direction(INT_MAX)));
        QVERIFY(!mgr.SwitchDisplay(INT_MIN, INT_MAX));
        mgr.ShowMaximized(INT_MAX);
        QCOMPARE(mgr.GetSuitableLayoutType(INT_MIN, INT_MAX, {INT_MIN, INT_MAX}), INT_MIN);
        int iRowSpan = 0;
        int iColumnSpan = 0;
        mgr.GetWidgetSpanByIndex(INT_MIN, INT_MAX, iRowSpan, iColumnSpan);
        QCOMPARE(iRowSpan, -1);

        // Ids at the ends of the int range wrap without overflowing.
        QWidget parent;
        QWidget window(&parent);
        QVERIFY(mgr.Init(QStringList(), &parent, {nullptr, &window}, 1) == false);
        const QString strXml = Document(Config(202, 1,
                                               Item(QStringLiteral("QSpacerItem"), INT_MAX, 0, 0)
                                                   + Item(QStringLiteral("QWidget"), 1, INT_MAX, 0, INT_MAX, 1)
                                                   + Item(QStringLiteral("QSpacerItem"), INT_MIN, 0, 1)));
        QVERIFY(mgr.ReDisplay(202, strXml));
        // Left out of the grid, but shown as the record names it.
        QVERIFY(!window.isHidden());
        QVERIFY(!mgr.GetWidget(&window, CWidgetLayoutMgr::Previous));
        QCOMPARE(mgr.GetWidget(&window, CWidgetLayoutMgr::Up), &window);
        QCOMPARE(mgr.GetWidget(&window, CWidgetLayoutMgr::Down), &window);
        QList<QWidget*> listAll;
        mgr.GetLayoutWidgets(listAll);
        QCOMPARE(listAll, QList<QWidget*>{nullptr});

        CLayoutElementConfig config;
        config.RemoveElementItem(UINT_MAX);
        QVERIFY(!config.GetElementItem(UINT_MAX));
        CGenericDS document;
        QVERIFY(!document.RemoveChild(INT_MAX));
    }

    // Windows and the parent may be deleted by the client while the manager
    // still lists them; the manager then skips them.
    void deletedWidgetsAndParent()
    {
        delete m_listWindows.at(1);
        QVERIFY(m_pMgr->ReDisplay(4));
        QCOMPARE(m_pParent->layout()->count(), 1);
        m_pMgr->ShowMaximized(m_listWindows.at(1));
        QCOMPARE(m_pParent->layout()->count(), 1);
        m_pParent.reset();
        QVERIFY(!m_pMgr->ReDisplay(2));
        m_pMgr->ShowMaximized(0);
        m_pMgr->ShowNormal();
        QVERIFY(!m_pMgr->ResetWidgets({}, 2));
    }

    // A client may close and delete the panel from the click's slot.
    void deletingSlot()
    {
        CWidgetLayoutMgr mgr;
        QPointer<CSelectCutNum> pPanel = new CSelectCutNum(&mgr);
        pPanel->show();
        int iReceived = 0;
        connect(pPanel.data(), &CSelectCutNum::SignalClickedBtn, this, [&](int iType) {
            iReceived = iType;
            delete pPanel.data();
        });
        QTest::mouseClick(pPanel->findChildren<QToolButton*>().at(10), Qt::LeftButton);
        QCOMPARE(iReceived, 17);
        QVERIFY(pPanel.isNull());
    }

private:
    QRect CellOf(int iWidget) const;

    QTemporaryDir m_dir;
    QString m_strConfig;
    std::unique_ptr<QWidget> m_pParent;
    QList<QWidget*> m_listWindows;
    std::unique_ptr<CWidgetLayoutMgr> m_pMgr;
};

QRect TestWidgetLayoutMgr::CellOf(int iWidget) const
{
    m_pParent->layout()->activate();
    return m_listWindows.at(iWidget)->geometry();
}

QTEST_MAIN(TestWidgetLayoutMgr)
#include "tst_widgetlayoutmgr.moc"
