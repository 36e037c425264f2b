// libFuzzer target for the readers of layout configurations: the XML wrapper
// (from text and from a file), the single-layout reader and the manager, which
// reads files and custom layouts and then builds a grid from what it read.
#include <OrvaGUIToolkit/Layout/GenericDS.h>
#include <OrvaGUIToolkit/Layout/LayoutElementConfig.h>
#include <OrvaGUIToolkit/Layout/WidgetLayoutMgr.h>

#include <QtCore/QByteArray>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QApplication* s_pApp = nullptr;
QWidget* s_pParent = nullptr;
QList<QWidget*> s_listWindows;
QString s_strPath;

// Warnings about refused input are expected by the thousand; printing them
// would only slow the fuzzer down.
void DropMessage(QtMsgType, const QMessageLogContext&, const QString&)
{
}

// Walks the tree the way a client reads a document, touching every accessor.
int Walk(const OrvaGUIToolkit::CGenericDS& node, int iDepth)
{
    int iSeen = node.GetName().size() + node.GetValue().size() + node.GetAttribute(QStringLiteral("id")).size();
    const int iCount = node.GetChildrenCount();
    for (int i = 0; i < iCount && i < 64 && iDepth < 8; ++i)
        iSeen += Walk(node.GetChild(i), iDepth + 1);
    return iSeen;
}

void ExerciseManager(OrvaGUIToolkit::CWidgetLayoutMgr& mgr)
{
    QWidget* pFirst = s_listWindows.first();
    for (int iDirection = 0; iDirection < 4; ++iDirection)
        mgr.GetWidget(pFirst, OrvaGUIToolkit::CWidgetLayoutMgr::Direction(iDirection));
    int iRowSpan = 0;
    int iColumnSpan = 0;
    mgr.GetWidgetSpan(pFirst, iRowSpan, iColumnSpan);
    mgr.SwitchDisplay(0, 3);
    mgr.ShowMaximized(1);
    mgr.ShowNormal();
    mgr.GetSuitableLayoutType(1, 64);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* pArgc, char*** pArgv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(DropMessage);
    s_pApp = new QApplication(*pArgc, *pArgv);
    s_pParent = new QWidget;
    s_pParent->resize(640, 480);
    for (int i = 0; i < 8; ++i)
        s_listWindows << new QWidget(s_pParent);
    s_strPath = QDir::temp().filePath(QStringLiteral("fuzz_layout_xml_%1.xml").arg(QCoreApplication::applicationPid()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t iSize)
{
    const QByteArray byteData(reinterpret_cast<const char*>(pData), static_cast<int>(iSize));
    const QString strText = QString::fromUtf8(byteData);

    OrvaGUIToolkit::CGenericDS document;
    if (document.PhaseXml(strText))
        Walk(document, 0);

    OrvaGUIToolkit::CWidgetLayoutMgr mgr;
    OrvaGUIToolkit::CLayoutElementConfig config;
    if (mgr.GetSingleLayoutElementByXml(config, strText))
        config.GetLayoutVirtualWndCount();

    QFile file(s_strPath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(byteData);
        file.close();
        OrvaGUIToolkit::CGenericDS loaded;
        if (loaded.LoadXML(s_strPath))
            Walk(loaded, 0);
        if (mgr.Init(s_strPath, s_pParent, s_listWindows, config.GetLayoutSplitType()))
            ExerciseManager(mgr);
    }
    if (mgr.ReDisplay(201, strText))
        ExerciseManager(mgr);
    return 0;
}
