#include <OrvaGUIToolkit/Dialog/BaseDialog.h>
#include <OrvaGUIToolkit/Foundation/WidgetMaximizeManager.h>

#include <QtTest/QtTest>

using namespace OrvaGUIToolkit;

// Linked against the shared library like a client: the maximise mode the
// client sets through its own Instance() must be the one the library's
// dialogs read.

class TestSharedInstances : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clientAndLibraryShareTheService()
    {
        QCOMPARE(CWidgetMaximizeManager::Instance().GetWidgetMaximizeMode(), CWidgetMaximizeManager::MaximizeToAvailableArea);
        CWidgetMaximizeManager::Instance().SetWidgetMaximizeMode(CWidgetMaximizeManager::MaximizeToFullScreen);
        CBaseDialog dialog;
        dialog.resize(300, 200);
        dialog.Maximize();
        QVERIFY(dialog.IsFullScreen(&dialog));

        CWidgetMaximizeManager::Instance().SetWidgetMaximizeMode(CWidgetMaximizeManager::MaximizeToAvailableArea);
        CBaseDialog second;
        second.Maximize();
        QVERIFY(second.IsMaximized(&second));
    }
};

QTEST_MAIN(TestSharedInstances)
#include "tst_sharedinstances.moc"
