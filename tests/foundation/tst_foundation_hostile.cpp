#include <OrvaGUIToolkit/Foundation/File.h>
#include <OrvaGUIToolkit/Foundation/FullScreenWidget.h>
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>
#include <OrvaGUIToolkit/Foundation/UiSingleton.h>
#include <OrvaGUIToolkit/Foundation/WaitWatcher.h>

#include "foundation/WaitDialog.h"

#include <QtCore/QException>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <climits>
#include <cstdlib>
#include <stdexcept>
#include <sys/stat.h>

using namespace OrvaGUIToolkit;

namespace {

// A tree that is one long chain, every node checked: Qt's views and models
// handle any depth of it, so the toolkit's helpers must too.
class CChainModel : public QAbstractItemModel
{
public:
    explicit CChainModel(quintptr uDepth) : m_uDepth(uDepth) {}

    QModelIndex index(int iRow, int iColumn, const QModelIndex& miParent) const override
    {
        const quintptr uLevel = Level(miParent);
        return iRow == 0 && iColumn == 0 && uLevel < m_uDepth ? createIndex(0, 0, uLevel) : QModelIndex();
    }
    QModelIndex parent(const QModelIndex& miChild) const override
    {
        return miChild.isValid() && miChild.internalId() > 0 ? createIndex(0, 0, miChild.internalId() - 1)
                                                             : QModelIndex();
    }
    int rowCount(const QModelIndex& miParent) const override { return Level(miParent) < m_uDepth ? 1 : 0; }
    int columnCount(const QModelIndex&) const override { return 1; }
    QVariant data(const QModelIndex& miIndex, int iRole) const override
    {
        return miIndex.isValid() && iRole == Qt::CheckStateRole ? QVariant(int(Qt::Checked)) : QVariant();
    }

private:
    static quintptr Level(const QModelIndex& miParent) { return miParent.isValid() ? miParent.internalId() + 1 : 0; }
    const quintptr m_uDepth;
};

// A service of the test's own, to reach its instance after the owner that
// deletes it at exit has run.
class CProbeService : public CUiSingleton<CProbeService>
{
public:
    int m_iMagic = 4711;

private:
    friend class CUiSingleton<CProbeService>;
    CProbeService() = default;
};

// Runs at exit after the probe's owner has deleted the first instance (it
// was registered before that owner existed, and exit handlers run in reverse).
// Freed memory would stop the sanitizers here; a wrong value ends the run with
// a failing exit code that the test runner reports.
void UseProbeAfterDestruction()
{
    if (CProbeService::Instance().m_iMagic != 4711)
        std::_Exit(3);
}

struct CThrowsQException : QException
{
    void raise() const override { throw *this; }
    CThrowsQException* clone() const override { return new CThrowsQException(*this); }
};

int WaitDialogCount()
{
    int iCount = 0;
    for (QWidget* pWidget : QApplication::topLevelWidgets())
        iCount += qobject_cast<CWaitDialog*>(pWidget) ? 1 : 0;
    return iCount;
}

const QString s_strHuge(1 << 20, QLatin1Char(':'));

} // namespace

class TestFoundationHostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundedRadius_data();
    void roundedRadius();
    void checkCountOfADeepTree();
    void hugeAndNullInput();
    void singletonAfterItsDestruction();
    void throwingWork_data();
    void throwingWork();
    void readAllRefusesSpecialFiles_data();
    void readAllRefusesSpecialFiles();
    void fullScreenWidgetDeletedByItsSignal();
};

// A 100 x 60 rectangle: whatever radius is asked, corners are at most 30
// round, so the mask never grows past the rectangle nor vanishes.
void TestFoundationHostile::roundedRadius_data()
{
    QTest::addColumn<int>("iRadius");
    QTest::addColumn<bool>("bRounded");
    QTest::newRow("INT_MIN") << INT_MIN << false;
    QTest::newRow("10") << 10 << true;
    QTest::newRow("30, half the height") << 30 << true;
    QTest::newRow("INT_MAX") << INT_MAX << true;
}

void TestFoundationHostile::roundedRadius()
{
    QFETCH(int, iRadius);
    QFETCH(bool, bRounded);
    const QRect rect(0, 0, 100, 60);
    const QRegion regions[] = {RoundedRect(rect, iRadius), RoundedLeftRect(rect, iRadius),
                               RoundedRightRect(rect, iRadius), RoundedTopRect(rect, iRadius)};
    for (const QRegion& region : regions) {
        QCOMPARE(region.boundingRect(), rect);
        QVERIFY(region.contains(QPoint(50, 30)));
        QVERIFY(region.contains(QPoint(50, 0)));
        if (!bRounded)
            QCOMPARE(region, QRegion(rect));
    }
    // The rounded corners of each function lose their corner pixel.
    QCOMPARE(regions[0].contains(QPoint(0, 0)), !bRounded);
    // A corner of radius 10 keeps (3, 3); one of 30 cuts it.
    QCOMPARE(regions[0].contains(QPoint(3, 3)), iRadius <= 10);
    QCOMPARE(regions[0].contains(QPoint(99, 59)), !bRounded);
    QCOMPARE(regions[1].contains(QPoint(0, 59)), !bRounded);
    QVERIFY(regions[1].contains(QPoint(99, 0)));
    QCOMPARE(regions[2].contains(QPoint(99, 0)), !bRounded);
    QVERIFY(regions[2].contains(QPoint(0, 59)));
    QCOMPARE(regions[3].contains(QPoint(99, 0)), !bRounded);
    QVERIFY(regions[3].contains(QPoint(99, 59)) && regions[3].contains(QPoint(0, 59)));

    // At the far end of the coordinate range the bands and ellipses stay within int.
    const QRect rectFar(QPoint(INT_MAX - 99, INT_MAX - 59), QPoint(INT_MAX, INT_MAX));
    QCOMPARE(RoundedRect(rectFar, iRadius).boundingRect(), rectFar);
}

void TestFoundationHostile::checkCountOfADeepTree()
{
    CChainModel model(300000);
    QCOMPARE(GetCheckCount(&model, QModelIndex()), 300000);
    QCOMPARE(GetCheckCount(&model, model.index(0, 0, QModelIndex())), 299999);
}

void TestFoundationHostile::hugeAndNullInput()
{
    QVERIFY(!ParseIpv6(s_strHuge));
    QVERIFY(!ParseIp4(s_strHuge));
    QVERIFY(!IsMulticast(s_strHuge));
    QVERIFY(!IsInputValid(s_strHuge));
    QVERIFY(IsInputValidV2(QString(1 << 20, QLatin1Char('a'))));
    QCOMPARE(IPToFullString(s_strHuge), QString());
    QCOMPARE(FullStringToIP(s_strHuge), s_strHuge);
    QCOMPARE(ParseUrl(QString(1 << 20, QLatin1Char('"'))).size(), (1 << 20) * 6 + 12);
    QVERIFY(ParseMonthValid(INT_MIN, INT_MAX));

    QCOMPARE(ConvertToUnicode(nullptr), QString());
    QCOMPARE(ConvertUtf8ToAnsi(nullptr), std::string());
    QCOMPARE(GetDragFiles(nullptr), QStringList());
    QCOMPARE(GetIndependentWindow(nullptr), static_cast<QWidget*>(nullptr));
    QCOMPARE(GetParentWindow(nullptr), static_cast<QWidget*>(nullptr));
    MoveToScreenCenter(nullptr);
    QCOMPARE(GetCheckCount(nullptr, QModelIndex()), 0);
    QCOMPARE(GetEventName(static_cast<QEvent::Type>(65535)), QStringLiteral("65535"));
}

void TestFoundationHostile::singletonAfterItsDestruction()
{
    // Registered before the first instance (and with it its owner) exists.
    QCOMPARE(std::atexit(UseProbeAfterDestruction), 0);
    QCOMPARE(CProbeService::Instance().m_iMagic, 4711);
    QCOMPARE(&CProbeService::Instance(), &CProbeService::Instance());
}

void TestFoundationHostile::throwingWork_data()
{
    QTest::addColumn<int>("iKind");
    QTest::newRow("standard exception") << 0;
    QTest::newRow("Qt exception") << 1;
    QTest::newRow("int") << 2;
}

void TestFoundationHostile::throwingWork()
{
    QFETCH(int, iKind);
    QWidget window;
    window.show();
    const auto work = [iKind] {
        QThread::msleep(30);
        if (iKind == 0)
            throw std::runtime_error("camera list unreadable");
        if (iKind == 1)
            throw CThrowsQException();
        throw 42;
    };
    QTest::ignoreMessage(QtWarningMsg, "CWaitWatcher::Run: the work threw an exception");
    QVERIFY(!CWaitWatcher::Instance().Run(work, QString(), QStringLiteral("Loading cameras..."), &window));
    QCOMPARE(WaitDialogCount(), 0);

    // The watcher still works afterwards.
    bool bRan = false;
    QVERIFY(CWaitWatcher::Instance().Run([&bRan] { bRan = true; }, QString(), QString(), &window));
    QVERIFY(bRan);
}

void TestFoundationHostile::readAllRefusesSpecialFiles_data()
{
    QTest::addColumn<QString>("strKind");
    QTest::newRow("missing") << QStringLiteral("missing");
    QTest::newRow("device") << QStringLiteral("device");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
    QTest::newRow("directory") << QStringLiteral("directory");
}

void TestFoundationHostile::readAllRefusesSpecialFiles()
{
    QFETCH(QString, strKind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString strPath = dir.path();
    QString strReason = QStringLiteral("Not a regular file");
    if (strKind == QLatin1String("missing")) {
        strPath = QStringLiteral("/nonexistent/style.qss");
        strReason = QStringLiteral(".+");
    } else if (strKind == QLatin1String("device")) {
        strPath = QStringLiteral("/dev/zero");
    } else if (strKind == QLatin1String("fifo")) {
        strPath = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(mkfifo(QFile::encodeName(strPath).constData(), 0600), 0);
    }
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(
        QStringLiteral("^Unable to open %1: %2$").arg(QRegularExpression::escape(strPath), strReason)));
    QCOMPARE(CFile::ReadAll(strPath), QString());
}

void TestFoundationHostile::fullScreenWidgetDeletedByItsSignal()
{
    QWidget window;
    window.resize(400, 300);
    auto* pVideo = new CFullScreenWidget(&window);
    window.show();
    pVideo->EnterFullScreen();
    QVERIFY(pVideo->IsFullScreen());
    QPointer<CFullScreenWidget> pGuard(pVideo);
    connect(pVideo, &CFullScreenWidget::SignalScreenChanged, pVideo, [pVideo] { delete pVideo; });
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(pVideo, &escape);
    QVERIFY(pGuard.isNull());
    QVERIFY(escape.isAccepted());
}

QTEST_MAIN(TestFoundationHostile)
#include "tst_foundation_hostile.moc"
