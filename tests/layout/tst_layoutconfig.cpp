#include "LayoutTestSupport.h"

#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtTest/QtTest>
#include <QtWidgets/QtWidgets>

using namespace OrvaGUIToolkit;
using namespace LayoutTest;

namespace {

struLayoutElementData Cell(int iRowSpan, int iColumnSpan)
{
    struLayoutElementData item;
    item.type = QStringLiteral("QWidget");
    item.rowSpan = iRowSpan;
    item.columnSpan = iColumnSpan;
    return item;
}

} // namespace

class TestLayoutConfig : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void virtualWndCount()
    {
        const auto count = [](std::initializer_list<struLayoutElementData> listItems) {
            CLayoutElementConfig config;
            for (const struLayoutElementData& item : listItems)
                config.AddElementItem(item);
            return config.GetLayoutVirtualWndCount();
        };
        QCOMPARE(count({Cell(1, 1), Cell(2, 2), Cell(1, 1)}), 6);
        // An item without a row span counts nothing; the sum stops at INT_MAX.
        QCOMPARE(count({Cell(0, 3), Cell(1, 1)}), 1);
        QCOMPARE(count({Cell(INT_MAX, INT_MAX)}), INT_MAX);
    }

    // Copies are values: changing one leaves the other as it was.
    void valueCopies()
    {
        CLayoutElementConfig config;
        config.SetLayoutName(QStringLiteral("Four"));
        config.SetLayoutSplitType(2);
        config.AddElementItem(Cell(1, 1));
        CLayoutElementConfig copy(config);
        copy.SetLayoutName(QStringLiteral("Copy"));
        copy.AddElementItem(Cell(2, 2));
        QCOMPARE(config.GetLayoutName(), QStringLiteral("Four"));
        QCOMPARE(config.Size(), 1);
        CLayoutElementConfig assigned;
        assigned = copy;
        copy.Clear();
        QCOMPARE(assigned.Size(), 2);
        QCOMPARE(assigned.GetLayoutVirtualWndCount(), 5);
    }

    void genericDsTree()
    {
        CGenericDS document;
        QVERIFY(document.PhaseXml(QStringLiteral(
            "<Root><!-- note -->text<A><Deep/></A><B><Deep id=\"inner\"/></B><Deep id=\"outer\"/><C/></Root>")));
        QCOMPARE(document.GetName(), QStringLiteral("Root"));
        QCOMPARE(document.GetChildrenCount(), 4);
        QCOMPARE(document.GetChild(1).GetName(), QStringLiteral("B"));
        QVERIFY(document.GetChild(4).GetName().isEmpty() && document.GetChild(-1).GetName().isEmpty());
        // First in document order, at any depth.
        QCOMPARE(document.GetChildByName(QStringLiteral("Deep")).GetAttribute(QStringLiteral("id"), QStringLiteral("none")),
                 QStringLiteral("none"));
        QCOMPARE(document.GetChild(1).GetChildByName(QStringLiteral("Deep")).GetAttribute(QStringLiteral("id")),
                 QStringLiteral("inner"));
        QVERIFY(document.GetChildByName(QStringLiteral("Missing")).GetName().isEmpty());
        // A match below a child is not detached; a direct child is.
        QVERIFY(document.RemoveChild(QStringLiteral("Deep")));
        QCOMPARE(document.GetChildrenCount(), 4);
        QVERIFY(document.RemoveChild(QStringLiteral("C")));
        QCOMPARE(document.GetChildrenCount(), 3);
        QVERIFY(document.RemoveChild(0));
        QCOMPARE(document.GetChild(0).GetName(), QStringLiteral("B"));
        QVERIFY(!document.RemoveChild(2));
        // Children share the document: a change through a child shows in the text.
        CGenericDS child = document.GetChild(0);
        QVERIFY(child.SetAttribute(QStringLiteral("camera"), QStringLiteral("North gate")));
        QVERIFY(document.GetXml().contains(QStringLiteral("camera=\"North gate\"")));
    }

    void genericDsValues()
    {
        CGenericDS document;
        QVERIFY(document.CreateASRoot(QStringLiteral("Layouts")));
        CGenericDS name = document.CreateChild(QStringLiteral("Name"));
        QString strValue = QStringLiteral("untouched");
        QVERIFY(!name.GetValue(strValue));
        QCOMPARE(strValue, QStringLiteral("untouched"));
        QVERIFY(name.SetValue(QStringLiteral("Lobby")));
        QVERIFY(name.SetValue(QStringLiteral("Car park")));
        QVERIFY(name.GetValue(strValue));
        QCOMPARE(strValue, QStringLiteral("Car park"));
        QCOMPARE(name.GetAttribute(QStringLiteral("missing"), QStringLiteral("fallback")), QStringLiteral("fallback"));
        const QString strXml = document.GetXml();
        QVERIFY2(strXml.contains(QStringLiteral("\n <Name>Car park</Name>")), qPrintable(strXml));

        // A wrapper around nothing refuses every change.
        CGenericDS empty;
        QVERIFY(!empty.SetValue(QStringLiteral("x")));
        QVERIFY(!empty.SetAttribute(QStringLiteral("a"), QStringLiteral("b")));
        QVERIFY(empty.CreateChild(QStringLiteral("Child")).GetName().isEmpty());
        QVERIFY(empty.RemoveChild(QStringLiteral("Child")));
        QVERIFY(!empty.RemoveChild(0));
        QVERIFY(empty.GetXml().isEmpty());
    }

    void loadAndParseResults()
    {
        QTemporaryDir dir;
        const QString strBroken = dir.filePath(QStringLiteral("broken.xml"));
        QVERIFY(WriteFile(strBroken, "<Root><ElementConfig><Name>cut"));
        CGenericDS document;
        QVERIFY(!document.LoadXML(QString()));
        QVERIFY(!document.LoadXML(dir.filePath(QStringLiteral("absent.xml"))));
        QVERIFY(document.LoadXML(strBroken));
        QVERIFY(document.GetName().isEmpty());
        QVERIFY(!document.PhaseXml(QStringLiteral("<Root><Open></Root>")));
        QVERIFY(document.PhaseXml(QStringLiteral("<Root/>")));
        QVERIFY(!document.SaveXML(dir.filePath(QStringLiteral("no/such/dir/out.xml"))));
    }

    // Chinese camera names survive a save in GB2312 and a reload, both through
    // the wrapper and through the manager's reader.
    void gb2312RoundTrip()
    {
        QTemporaryDir dir;
        const QString strPath = dir.filePath(QStringLiteral("layouts.xml"));
        const QString strName = QString::fromUtf8("\xE4\xB8\x9C\xE9\x97\xA8\xE5\x85\xA5\xE5\x8F\xA3"); // east gate entrance
        CGenericDS document;
        QVERIFY(document.CreateASRoot(QStringLiteral("AnyRoot")));
        CGenericDS config = document.CreateChild(QStringLiteral("ElementConfig"));
        config.CreateChild(QStringLiteral("Name")).SetValue(strName);
        config.CreateChild(QStringLiteral("Type")).SetValue(QStringLiteral("3"));
        QVERIFY(document.SaveXML(strPath));

        QFile file(strPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray byteContent = file.readAll();
        QVERIFY(byteContent.startsWith("<?xml version=\"1.0\" encoding=\"GB2312\"?>"));
        QVERIFY2(byteContent.contains("<Name>\xB6\xAB\xC3\xC5\xC8\xEB\xBF\xDA</Name>"), byteContent.constData());

        CGenericDS reloaded;
        QVERIFY(reloaded.LoadXML(strPath));
        QCOMPARE(reloaded.GetChildByName(QStringLiteral("Name")).GetValue(), strName);
        CWidgetLayoutMgr mgr;
        CLayoutElementConfig single;
        QVERIFY(mgr.GetSingleLayoutElementByXml(single, reloaded.GetXml()));
        QCOMPARE(single.GetLayoutName(), strName);
    }

    void readers()
    {
        QTemporaryDir dir;
        const QString strPath = dir.filePath(QStringLiteral("two.xml"));
        QVERIFY(WriteFile(strPath, Document(QStringLiteral("<!-- site layouts -->") + Grid(2, 2)
                                            + QStringLiteral("<Other><Type>9</Type></Other>") + Grid(4, 3))
                                       .toUtf8()));
        QWidget parent;
        CWidgetLayoutMgr mgr;
        QVERIFY(mgr.Init(strPath, &parent, {}, 2));
        QCOMPARE((QList<int>{mgr.GetWndCountByType(2), mgr.GetWndCountByType(4), mgr.GetWndCountByType(9)}),
                 (QList<int>{4, 9, 0}));
        QCOMPARE(mgr.GetSuitableLayoutType(1, 64), 2);

        // The single reader takes the first element config only, and appends
        // its items to those already held.
        CLayoutElementConfig config;
        QVERIFY(!mgr.GetSingleLayoutElementByXml(config, Document(QStringLiteral("<Note/>") + Grid(2, 2))));
        QCOMPARE(config.Size(), 0);
        QVERIFY(!mgr.GetSingleLayoutElementByXml(config, QStringLiteral("<R><ElementConfig>")));
        QVERIFY(mgr.GetSingleLayoutElementByXml(config, Document(Grid(2, 2) + Grid(4, 3))));
        QCOMPARE(config.GetLayoutSplitType(), 2);
        QCOMPARE(config.Size(), 4);
        QVERIFY(mgr.GetSingleLayoutElementByXml(config, Document(Grid(4, 3))));
        QCOMPARE(config.GetLayoutSplitType(), 4);
        QCOMPARE(config.Size(), 13);
    }

    void readerFieldsAndDefaults()
    {
        CWidgetLayoutMgr mgr;
        CLayoutElementConfig config;
        const QString strXml = QStringLiteral(
            "<R><ElementConfig><Name>North</Name><Type>x</Type><RowStretch>1,,2</RowStretch>"
            "<ElementItems><I type=\"QSpacerItem\" id=\"5\" row=\"1\" column=\"2\" columnSpan=\"3\"/>"
            "<I id=\"z\"/><Name>inner</Name></ElementItems></ElementConfig></R>");
        QVERIFY(mgr.GetSingleLayoutElementByXml(config, strXml));
        QCOMPARE((QStringList{config.GetLayoutName(), config.GetLayoutRowstretch(), config.GetLayoutColumnstretch()}),
                 (QStringList{QStringLiteral("North"), QStringLiteral("1,,2"), QString()}));
        QCOMPARE((QList<int>{config.GetLayoutSplitType(), config.GetLayoutWndCount(), config.Size()}),
                 (QList<int>{0, 0, 3}));
        const struLayoutElementData* pSpacer = config.GetElementItem(0);
        QCOMPARE(pSpacer->type, QStringLiteral("QSpacerItem"));
        QCOMPARE((QList<int>{pSpacer->id, pSpacer->row, pSpacer->column, pSpacer->rowSpan, pSpacer->columnSpan}),
                 (QList<int>{5, 1, 2, 0, 3}));
        QVERIFY(config.GetElementItem(1)->type.isEmpty() && config.GetElementItem(1)->id == 0);
        QCOMPARE(config.GetLayoutVirtualWndCount(), 0);
    }
};

QTEST_MAIN(TestLayoutConfig)
#include "tst_layoutconfig.moc"
