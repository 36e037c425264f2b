#include <QtCore/QBuffer>
#include <QtCore/QFile>
#include <QtCore/QLibrary>
#include <QtCore/QPluginLoader>
#include <QtCore/QPointer>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <QtUiTools/QUiLoader>
#include <QtWidgets/QWidget>

// Loads the built library the way Qt Designer does and checks what it offers.
class TestDesignerPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
        m_pCollection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(m_loader.instance());
        QVERIFY(m_pCollection);
    }

    void cleanupTestCase()
    {
        delete m_loader.instance();
    }

    void metadataNamesTheCollection()
    {
        QCOMPARE(m_loader.metaData().value(QStringLiteral("IID")).toString(),
                 QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface"));
        QCOMPARE(m_pCollection->customWidgets().size(), 2);
    }

    // The collection answers to the interface's earlier identifier as well,
    // with the same interface.
    void collectionAnswersBothIdentifiers()
    {
        QObject* pInstance = m_loader.instance();
        void* pOld = pInstance->qt_metacast("com.trolltech.Qt.Designer.CustomWidgetCollection");
        QVERIFY(pOld);
        QCOMPARE(static_cast<QDesignerCustomWidgetCollectionInterface*>(pOld), m_pCollection);
        QCOMPARE(pInstance->qt_metacast("org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface"),
                 static_cast<void*>(m_pCollection));
        QCOMPARE(static_cast<QDesignerCustomWidgetCollectionInterface*>(pOld)->customWidgets().size(), 2);
        QVERIFY(!pInstance->qt_metacast("com.trolltech.Qt.Designer.CustomWidget"));
    }

    void collectionOffersButtonAndLabel_data()
    {
        QTest::addColumn<int>("iIndex");
        QTest::addColumn<QString>("strName");
        QTest::addColumn<QString>("strInclude");
        QTest::addColumn<QString>("strDomXml");
        QTest::addColumn<QString>("strText");
        QTest::addColumn<QString>("strBaseClass");

        QTest::newRow("push button") << 0 << QStringLiteral("OrvaGUIToolkit::CPushButton")
            << QStringLiteral("OrvaGUIToolkit/Button/PushButton.h")
            << QStringLiteral("<ui language=\"c++\"><widget class=\"OrvaGUIToolkit::CPushButton\" "
                              "name=\"orvaGUIToolkit::CPushButton\"/></ui>")
            << QStringLiteral("PushButton") << QStringLiteral("QPushButton");
        QTest::newRow("label") << 1 << QStringLiteral("OrvaGUIToolkit::CLabel")
            << QStringLiteral("OrvaGUIToolkit/Label/Label.h")
            << QStringLiteral("<ui language=\"c++\"><widget class=\"OrvaGUIToolkit::CLabel\" "
                              "name=\"orvaGUIToolkit::CLabel\"/></ui>")
            << QStringLiteral("TextLabel") << QStringLiteral("QLabel");
    }

    void collectionOffersButtonAndLabel()
    {
        QFETCH(int, iIndex);
        QFETCH(QString, strName);
        QFETCH(QString, strInclude);
        QFETCH(QString, strDomXml);
        QFETCH(QString, strText);
        QFETCH(QString, strBaseClass);
        QDesignerCustomWidgetInterface* pWidget = Widget(iIndex);
        QVERIFY(pWidget);
        QCOMPARE(pWidget->name(), strName);
        QCOMPARE(pWidget->group(), QStringLiteral("Gui Controls"));
        QCOMPARE(pWidget->includeFile(), strInclude);
        QCOMPARE(pWidget->domXml(), strDomXml);
        QVERIFY(pWidget->toolTip().isEmpty() && pWidget->whatsThis().isEmpty() && pWidget->codeTemplate().isEmpty());
        QVERIFY(pWidget->icon().isNull() && !pWidget->isContainer());

        QWidget parent;
        QWidget* pCreated = pWidget->createWidget(&parent);
        QVERIFY(pCreated && pCreated->parentWidget() == &parent);
        QCOMPARE(QString::fromLatin1(pCreated->metaObject()->className()), strName);
        QVERIFY(pCreated->inherits(strBaseClass.toLatin1().constData()));
        QCOMPARE(pCreated->property("text").toString(), strText);
    }

    void initializeIsIdempotent()
    {
        for (int i = 0; i < 2; ++i) {
            QDesignerCustomWidgetInterface* pWidget = Widget(i);
            QVERIFY(!pWidget->isInitialized());
            for (int iCall = 0; iCall < 2; ++iCall) {
                pWidget->initialize(nullptr);
                QVERIFY(pWidget->isInitialized());
            }
        }
    }

    void instanceLivesUntilDeleted()
    {
        using InstanceFunction = QObject* (*)();
        auto instance = reinterpret_cast<InstanceFunction>(
            QLibrary(QStringLiteral(ORVA_LIBRARY_PATH)).resolve("qt_plugin_instance"));
        QVERIFY(instance);
        QPointer<QObject> pFirst = instance();
        QVERIFY(pFirst && instance() == pFirst.data() && m_loader.instance() == pFirst.data());
        delete pFirst.data();
        QVERIFY(pFirst.isNull());
        QPointer<QObject> pSecond = instance();
        QCOMPARE(QString::fromLatin1(pSecond->metaObject()->className()), QStringLiteral("OrvaGUIToolkit::OrvaGuiPlugin"));
        QCOMPARE(pSecond->children().size(), 2);
        m_pCollection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(m_loader.instance());
        QVERIFY(m_pCollection);
        QCOMPARE(m_loader.instance(), pSecond.data());
    }

    void uiLoaderBuildsAFormWithBothControls()
    {
        // QUiLoader scans a directory for plug-ins: give it one holding only the library.
        QTemporaryDir dir;
        QVERIFY(QFile::link(QStringLiteral(ORVA_LIBRARY_PATH), dir.filePath(QStringLiteral("libOrvaGUIToolkit.so"))));
        QUiLoader loader;
        loader.clearPluginPaths();
        loader.addPluginPath(dir.path());
        QVERIFY(loader.availableWidgets().contains(QStringLiteral("OrvaGUIToolkit::CPushButton")));

        QByteArray baForm(
            "<ui version=\"4.0\"><class>PlateForm</class>"
            "<widget class=\"QWidget\" name=\"PlateForm\"><layout class=\"QVBoxLayout\" name=\"layout\">"
            "<item><widget class=\"OrvaGUIToolkit::CLabel\" name=\"m_pPlateLabel\">"
            "<property name=\"text\"><string>Plate</string></property></widget></item>"
            "<item><widget class=\"OrvaGUIToolkit::CPushButton\" name=\"m_pSearchBtn\">"
            "<property name=\"text\"><string>Search &amp; export</string></property></widget></item>"
            "</layout></widget>"
            "<customwidgets>"
            "<customwidget><class>OrvaGUIToolkit::CPushButton</class><extends>QPushButton</extends>"
            "<header>OrvaGUIToolkit/Button/PushButton.h</header></customwidget>"
            "<customwidget><class>OrvaGUIToolkit::CLabel</class><extends>QLabel</extends>"
            "<header>OrvaGUIToolkit/Label/Label.h</header></customwidget>"
            "</customwidgets></ui>");
        QBuffer buffer(&baForm);
        QScopedPointer<QWidget> pForm(loader.load(&buffer));
        QVERIFY2(pForm, qPrintable(loader.errorString()));
        QWidget* pButton = pForm->findChild<QWidget*>(QStringLiteral("m_pSearchBtn"));
        QWidget* pLabel = pForm->findChild<QWidget*>(QStringLiteral("m_pPlateLabel"));
        QVERIFY(pButton && pButton->inherits("OrvaGUIToolkit::CPushButton"));
        QVERIFY(pLabel && pLabel->inherits("OrvaGUIToolkit::CLabel"));
        QCOMPARE(pButton->property("text").toString(), QStringLiteral("Search & export"));
        QCOMPARE(pLabel->property("text").toString(), QStringLiteral("Plate"));
    }

private:
    QDesignerCustomWidgetInterface* Widget(int iIndex) const
    {
        return m_pCollection->customWidgets().value(iIndex);
    }

    QPluginLoader m_loader{QStringLiteral(ORVA_LIBRARY_PATH)};
    QDesignerCustomWidgetCollectionInterface* m_pCollection = nullptr;
};

QTEST_MAIN(TestDesignerPlugin)
#include "tst_designerplugin.moc"
