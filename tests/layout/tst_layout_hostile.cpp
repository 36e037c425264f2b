#include "LayoutTestSupport.h"

#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtCore/QElapsedTimer>
#include <QtCore/QPointer>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QToolButton>

#include <climits>

using namespace OrvaGUIToolkit;
using namespace LayoutTest;

namespace {

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

} // namespace

class TestLayoutHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hostileFiles_data();
    void hostileFiles();
    void hostileTexts_data();
    void hostileTexts();
    void hostileItems_data();
    void hostileItems();
    void extremeArguments();
    void deletedWidgetsAndParent();
    void deletingSlot();

private:
    QTemporaryDir m_dir;
};

void TestLayoutHostile::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("byteContent");
    QTest::addColumn<int>("iRecords");
    QTest::addColumn<QString>("strWarning");
    const QByteArray byteGood = Document(Grid(2, 2) + Grid(4, 3)).toUtf8();
    QTest::newRow("truncated") << byteGood.left(byteGood.size() / 2) << 0 << QString();
    QTest::newRow("gb2312 declared, utf-8 bytes")
        << QByteArray("<?xml version=\"1.0\" encoding=\"GB2312\"?><R><ElementConfig><Name>\xe4\xb8\x9c</Name>"
                      "<Type>2</Type></ElementConfig></R>")
        << 1 << QString();
    QTest::newRow("unknown encoding")
        << QByteArray("<?xml version=\"1.0\" encoding=\"x-none\"?><R><ElementConfig><Type>2</Type></ElementConfig></R>")
        << 1 << QString();
    QTest::newRow("utf-16 with bom") << Utf16LittleEndian(QString::fromUtf8(byteGood.mid(38)))
        << 2 << QString();
    QTest::newRow("entity bomb") << Bomb() << 0 << QString();
    QTest::newRow("deep nesting") << Nested(200000) << 0
                                  << QStringLiteral("CXmlDocumentReader::ParseText: iDepth > 256");
    QTest::newRow("nesting within bounds") << Nested(200) << 1 << QString();
    QTest::newRow("50 MB") << Huge() << 0 << QStringLiteral("CXmlDocumentReader::ParseFile: file.size() > 8388608");
}

// Every hostile file reads as a file without records (or with the records it
// holds), quickly and without a crash; the manager stays usable.
void TestLayoutHostile::hostileFiles()
{
    QFETCH(QByteArray, byteContent);
    QFETCH(int, iRecords);
    QFETCH(QString, strWarning);
    const QString strPath = m_dir.filePath(QStringLiteral("hostile.xml"));
    QVERIFY(WriteFile(strPath, byteContent));
    if (!strWarning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(strWarning));
    QWidget parent;
    QWidget window(&parent);
    CWidgetLayoutMgr mgr;
    QElapsedTimer timer;
    timer.start();
    mgr.Init(strPath, &parent, {&window}, 2);
    // Only the well-formed documents carry grid cells: 4 + 9 in the two grids.
    QCOMPARE(mgr.GetVirtualWndCountByType(2) + mgr.GetVirtualWndCountByType(4), iRecords == 2 ? 13 : 0);
    CGenericDS document;
    if (!strWarning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(strWarning));
    QVERIFY(document.LoadXML(strPath));
    QCOMPARE(document.GetChildrenCount(), iRecords);
    QVERIFY2(timer.elapsed() < 60000, "reading a hostile file took a minute");
}

void TestLayoutHostile::hostileTexts_data()
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

void TestLayoutHostile::hostileTexts()
{
    QFETCH(QString, strXml);
    QFETCH(bool, bParsed);
    CGenericDS document;
    QCOMPARE(document.PhaseXml(strXml), bParsed);
    CWidgetLayoutMgr mgr;
    CLayoutElementConfig config;
    QCOMPARE(mgr.GetSingleLayoutElementByXml(config, strXml), bParsed);
    QCOMPARE(config.GetLayoutName().size(), bParsed ? 1000000 : 0);
    QWidget parent;
    QVERIFY(mgr.Init(QStringList(), &parent, {}, 1) == false);
    QCOMPARE(mgr.ReDisplay(201, strXml), false);
    QCOMPARE(mgr.GetSplitType(), 201);
}

void TestLayoutHostile::hostileItems_data()
{
    QTest::addColumn<QString>("strItems");
    QTest::addColumn<QString>("strStretch");
    QTest::addColumn<int>("iPlaced");
    QTest::addColumn<int>("iWarnings");
    const QString strW = QStringLiteral("QWidget");
    QTest::newRow("duplicate ids") << Item(strW, 0, 0, 0) + Item(strW, 0, 0, 1) + Item(strW, 1, 1, 0)
                                   << QStringLiteral("1,1") << 2 << 0;
    QTest::newRow("spans past the grid") << Item(strW, 0, 0, 0, 200, 1) + Item(strW, 1, 0, 1, 1, INT_MAX)
                                         << QString() << 0 << 2;
    QTest::newRow("negative rows") << Item(strW, 0, -1, 0) + Item(strW, 1, 0, INT_MIN) + Item(strW, 2, 0, 0, -1, 1)
                                   << QString() << 0 << 3;
    QTest::newRow("negative id") << Item(strW, -1, 0, 0) + Item(strW, 0, 0, 1) << QString() << 0 << 0;
    QTest::newRow("overlapping") << Item(strW, 0, 0, 0, 2, 2) + Item(strW, 1, 1, 1, 2, 2) << QString() << 2 << 0;
    QTest::newRow("huge stretch") << Item(strW, 0, 63, 63)
                                  << QStringLiteral("2147483647,-5,%1").arg(QString(100000, QLatin1Char(',')))
                                  << 1 << 0;
}

void TestLayoutHostile::hostileItems()
{
    QFETCH(QString, strItems);
    QFETCH(QString, strStretch);
    QFETCH(int, iPlaced);
    QFETCH(int, iWarnings);
    const QString strXml = Document(Config(201, 4, strItems, strStretch, strStretch));
    QWidget parent;
    parent.resize(640, 480);
    QList<QWidget*> listWindows;
    for (int i = 0; i < 4; ++i)
        listWindows << new QWidget(&parent);
    CWidgetLayoutMgr mgr;
    QVERIFY(mgr.Init(QStringList(), &parent, listWindows, 1) == false);
    for (int i = 0; i < iWarnings; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CWidgetLayoutMgr::ReLayout: item")));
    QVERIFY(mgr.ReDisplay(201, strXml));
    parent.show();
    parent.layout()->activate();
    QCOMPARE(parent.layout()->count(), iPlaced);
    auto* pGrid = qobject_cast<QGridLayout*>(parent.layout());
    QVERIFY(pGrid->rowCount() <= 64);
    QVERIFY(pGrid->rowStretch(0) <= 9999);
    for (int iDirection = 0; iDirection < 4; ++iDirection)
        mgr.GetWidget(listWindows.at(0), CWidgetLayoutMgr::Direction(iDirection));
    mgr.ShowMaximized(listWindows.at(0));
    mgr.ShowNormal();
    QCOMPARE(parent.layout()->count(), iPlaced);
}

void TestLayoutHostile::extremeArguments()
{
    CWidgetLayoutMgr mgr;
    QVERIFY(!mgr.GetWidget(INT_MIN));
    QVERIFY(!mgr.GetWidget(nullptr, CWidgetLayoutMgr::Direction(INT_MAX)));
    QCOMPARE(mgr.IndexOf(nullptr), 0);
    QVERIFY(!mgr.SwitchDisplay(INT_MIN, INT_MAX));
    QVERIFY(!mgr.SwitchDisplay(nullptr, nullptr));
    mgr.ShowMaximized(INT_MAX);
    mgr.ShowNormal();
    mgr.ResetSwitch();
    QVERIFY(!mgr.Maximized(nullptr));
    QCOMPARE(mgr.GetSuitableLayoutType(INT_MAX, INT_MIN), 0);
    QCOMPARE(mgr.GetSuitableLayoutType(INT_MIN, INT_MAX, {INT_MIN, INT_MAX}), INT_MIN);
    int iRowSpan = 0;
    int iColumnSpan = 0;
    mgr.GetWidgetSpan(nullptr, iRowSpan, iColumnSpan);
    mgr.GetWidgetSpanByIndex(INT_MIN, INT_MAX, iRowSpan, iColumnSpan);
    QCOMPARE(iRowSpan, -1);
    QVERIFY(!mgr.ResetWidgets({nullptr}, INT_MAX));

    // Ids at the ends of the int range wrap without overflowing.
    QWidget parent;
    QWidget window(&parent);
    QVERIFY(mgr.Init(QStringList(), &parent, {nullptr, &window}, 1) == false);
    const QString strXml = Document(Config(202, 1,
                                           Item(QStringLiteral("QSpacerItem"), INT_MAX, 0, 0)
                                               + Item(QStringLiteral("QWidget"), 1, INT_MAX, 0, INT_MAX, 1)
                                               + Item(QStringLiteral("QSpacerItem"), INT_MIN, 0, 1)));
    QTest::ignoreMessage(QtWarningMsg, "CWidgetLayoutMgr::ReLayout: item 1 outside the grid");
    QVERIFY(mgr.ReDisplay(202, strXml));
    QVERIFY(!mgr.GetWidget(&window, CWidgetLayoutMgr::Previous));
    QCOMPARE(mgr.GetWidget(&window, CWidgetLayoutMgr::Up), &window);
    QCOMPARE(mgr.GetWidget(&window, CWidgetLayoutMgr::Down), &window);
    QList<QWidget*> listAll;
    mgr.GetAllWidgets(listAll);
    QCOMPARE(listAll, QList<QWidget*>{&window});
    mgr.GetLayoutWidgets(listAll);
    QCOMPARE(listAll, QList<QWidget*>{nullptr});

    CLayoutElementConfig config;
    QVERIFY(!config.GetElementItem(UINT_MAX));
    config.RemoveElementItem(UINT_MAX);
    CGenericDS document;
    QVERIFY(!document.GetChild(INT_MIN).GetChildrenCount());
    QVERIFY(!document.RemoveChild(INT_MAX));
    QVERIFY(!document.SaveXML(QString()));
}

// Windows and the parent may be deleted by the client while the manager
// still lists them; the manager then skips them.
void TestLayoutHostile::deletedWidgetsAndParent()
{
    const QString strPath = m_dir.filePath(QStringLiteral("grids.xml"));
    QVERIFY(WriteFile(strPath, Document(Grid(2, 2) + Grid(4, 3)).toUtf8()));
    auto* pParent = new QWidget;
    QList<QWidget*> listWindows;
    for (int i = 0; i < 4; ++i)
        listWindows << new QWidget(pParent);
    CWidgetLayoutMgr mgr;
    QVERIFY(mgr.Init(strPath, pParent, listWindows, 2));
    delete listWindows.at(1);
    QVERIFY(mgr.ReDisplay(4));
    QCOMPARE(pParent->layout()->count(), 1);
    mgr.ShowMaximized(listWindows.at(1));
    QCOMPARE(pParent->layout()->count(), 1);
    QList<QWidget*> listAll;
    mgr.GetAllWidgets(listAll);
    QCOMPARE(listAll.size(), 3);
    delete pParent;
    QVERIFY(!mgr.ReDisplay(2));
    mgr.ShowMaximized(0);
    mgr.ShowNormal();
    QVERIFY(!mgr.ResetWidgets({}, 2));
}

// A client may close and delete the panel from the click's slot.
void TestLayoutHostile::deletingSlot()
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

QTEST_MAIN(TestLayoutHostile)
#include "tst_layout_hostile.moc"
