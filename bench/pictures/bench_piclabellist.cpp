// Cost of the capture wall against the plainest Qt view of the same pictures:
// a QListView in icon mode over a list model that holds every path and shows
// one page of them, decoding each picture on first paint with QImageReader at
// the size the picture list decodes to (96 x 76, inside a 100 x 80 label).
//
// 10 000 pictures (1 000 distinct 640 x 480 JPEG snapshots, each used ten
// times), pages of 60 (a 1050 x 510 list: 10 columns of 100 + 5, 6 rows of
// 80 + 5). Phases:
//   add   AddPics of the 10 000 paths into an empty list, against handing
//         them to the model (no decoding in either);
//   show  building and painting the first page;
//   turn  turning on through 100 pages, each built and painted.
// summary() times both interleaved in one process and prints the ratios;
// peak memory (VmHWM) comes from child processes of this program, one per
// side, each adding the pictures and turning the 100 pages.
//
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench/pictures/bench_piclabellist

#include <OrvaGUIToolkit/Picture/PicLabelList.h>

#include <QtCore/QAbstractListModel>
#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QHash>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImageReader>
#include <QtGui/QPainter>
#include <QtTest/QtTest>
#include <QtWidgets/QLayout>
#include <QtWidgets/QListView>

#include <algorithm>
#include <cstdio>

using namespace OrvaGUIToolkit;

namespace {

constexpr int s_iPictures = 10000;
constexpr int s_iFiles = 1000;
constexpr int s_iPageSize = 60;
constexpr int s_iTurns = 100;
const QSize s_sizeList(1050, 510);
const QSize s_sizeDecode(96, 76);

QStringList WriteFiles(const QString& strDir)
{
    QStringList listFiles;
    for (int i = 0; i < s_iFiles; ++i) {
        const QString strPath = strDir + QStringLiteral("/snap%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
        if (!QFile::exists(strPath)) {
            QImage image(640, 480, QImage::Format_RGB32);
            image.fill(QColor::fromHsv((i * 7) % 360, 120, 150));
            QPainter painter(&image);
            painter.setBrush(QColor::fromHsv((i * 53) % 360, 200, 220));
            painter.drawRoundedRect(QRect(150 + i % 60, 120, 340, 260), 40, 40);
            painter.fillRect(QRect(260 + i % 60, 330, 120, 32), Qt::white);
            painter.drawText(QRect(260 + i % 60, 330, 120, 32), Qt::AlignCenter, QString::number(10000 + i));
            painter.end();
            image.save(strPath, "JPG", 85);
        }
        listFiles << strPath;
    }
    return listFiles;
}

QList<QString> Paths(const QStringList& listFiles)
{
    QList<QString> listPaths;
    listPaths.reserve(s_iPictures);
    for (int i = 0; i < s_iPictures; ++i)
        listPaths.append(listFiles.at(i % listFiles.size()));
    return listPaths;
}

// Every path, one page of them shown; pictures decoded on first request at
// the list's decode size and kept until the page turns.
class CPageModel : public QAbstractListModel
{
public:
    // Appended one by one into the model's own storage, as a model fed by a
    // search result does; copying the caller's shared list would time nothing.
    void AddPaths(const QList<QString>& listPaths)
    {
        beginResetModel();
        m_listPaths.reserve(m_listPaths.size() + listPaths.size());
        for (const QString& strPath : listPaths)
            m_listPaths.append(strPath);
        m_hashPixmaps.clear();
        endResetModel();
    }

    void SetPage(int iPage)
    {
        beginResetModel();
        m_iFirst = qBound(0, iPage * s_iPageSize, int(m_listPaths.size()));
        m_hashPixmaps.clear();
        endResetModel();
    }

    int rowCount(const QModelIndex& miParent = QModelIndex()) const override
    {
        return miParent.isValid() ? 0 : qMin(s_iPageSize, int(m_listPaths.size()) - m_iFirst);
    }

    QVariant data(const QModelIndex& miIndex, int iRole) const override
    {
        if (iRole != Qt::DecorationRole)
            return QVariant();
        auto it = m_hashPixmaps.find(miIndex.row());
        if (it == m_hashPixmaps.end()) {
            QImageReader reader(m_listPaths.at(m_iFirst + miIndex.row()));
            reader.setScaledSize(reader.size().scaled(s_sizeDecode, Qt::KeepAspectRatio));
            it = m_hashPixmaps.insert(miIndex.row(), QPixmap::fromImage(reader.read()));
        }
        return *it;
    }

private:
    QVector<QString> m_listPaths;
    int m_iFirst = 0;
    mutable QHash<int, QPixmap> m_hashPixmaps;
};

struct SAnchor
{
    CPageModel model;
    QListView view;

    SAnchor()
    {
        view.setViewMode(QListView::IconMode);
        view.setIconSize(s_sizeDecode);
        view.setGridSize(QSize(105, 85));
        view.setSpacing(0);
        view.setUniformItemSizes(true);
        view.setModel(&model);
        view.resize(s_sizeList);
    }
    void Add(const QList<QString>& listPaths) { model.AddPaths(listPaths); }
    void Show(int iPage)
    {
        model.SetPage(iPage);
        view.grab();
    }
};

struct SList
{
    CPicLabelList list{100, 80};

    SList() { list.resize(s_sizeList); }
    void Add(const QList<QString>& listPaths) { list.AddPics(listPaths); }
    void Show(int iPage)
    {
        list.ShowPage(unsigned(iPage + 1));
        list.layout()->activate();
        list.grab();
    }
};

template <typename T>
double TimeAdd(const QList<QString>& listPaths)
{
    T side;
    QElapsedTimer timer;
    timer.start();
    side.Add(listPaths);
    return timer.nsecsElapsed() / 1e6;
}

template <typename T>
void TimeShowAndTurn(const QList<QString>& listPaths, double* pShow, double* pTurn)
{
    T side;
    side.Add(listPaths);
    QElapsedTimer timer;
    timer.start();
    side.Show(0);
    *pShow = timer.nsecsElapsed() / 1e6;
    timer.restart();
    for (int iPage = 1; iPage <= s_iTurns; ++iPage)
        side.Show(iPage);
    *pTurn = timer.nsecsElapsed() / 1e6 / s_iTurns;
}

double Median(QVector<double> vecValues)
{
    std::sort(vecValues.begin(), vecValues.end());
    return vecValues.at(vecValues.size() / 2);
}

long PeakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Child mode: "--memory list|anchor|none DIR" adds the pictures, turns the
// pages and prints the peak resident size in kB.
int RunMemoryChild(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString strSide = QString::fromLocal8Bit(argv[2]);
    const QList<QString> listPaths = Paths(WriteFiles(QString::fromLocal8Bit(argv[3])));
    double dShow = 0;
    double dTurn = 0;
    if (strSide == QStringLiteral("list"))
        TimeShowAndTurn<SList>(listPaths, &dShow, &dTurn);
    else if (strSide == QStringLiteral("anchor"))
        TimeShowAndTurn<SAnchor>(listPaths, &dShow, &dTurn);
    std::printf("%ld\n", PeakKilobytes());
    return 0;
}

long ChildPeak(const QString& strSide, const QString& strDir)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--memory"), strSide, strDir});
    if (!child.waitForFinished(600000))
        return -1;
    return child.readAllStandardOutput().trimmed().toLong();
}

} // namespace

class BenchPicLabelList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void add_data();
    void add();
    void turn_data();
    void turn();
    void summary();

private:
    QTemporaryDir m_dir;
    QList<QString> m_listPaths;
};

void BenchPicLabelList::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_listPaths = Paths(WriteFiles(m_dir.path()));
}

void BenchPicLabelList::add_data()
{
    QTest::addColumn<bool>("bList");
    QTest::newRow("CPicLabelList::AddPics") << true;
    QTest::newRow("anchor QListView model") << false;
}

void BenchPicLabelList::add()
{
    QFETCH(bool, bList);
    QBENCHMARK {
        if (bList)
            TimeAdd<SList>(m_listPaths);
        else
            TimeAdd<SAnchor>(m_listPaths);
    }
}

void BenchPicLabelList::turn_data()
{
    add_data();
}

void BenchPicLabelList::turn()
{
    QFETCH(bool, bList);
    SList list;
    SAnchor anchor;
    list.Add(m_listPaths);
    anchor.Add(m_listPaths);
    int iPage = 0;
    QBENCHMARK {
        iPage = (iPage + 1) % s_iTurns;
        if (bList)
            list.Show(iPage);
        else
            anchor.Show(iPage);
    }
}

void BenchPicLabelList::summary()
{
    QVector<double> vecAdd[2];
    QVector<double> vecShow[2];
    QVector<double> vecTurn[2];
    for (int iRound = 0; iRound < 3; ++iRound) {
        vecAdd[0] << TimeAdd<SList>(m_listPaths);
        vecAdd[1] << TimeAdd<SAnchor>(m_listPaths);
        double dShow = 0;
        double dTurn = 0;
        TimeShowAndTurn<SList>(m_listPaths, &dShow, &dTurn);
        vecShow[0] << dShow;
        vecTurn[0] << dTurn;
        TimeShowAndTurn<SAnchor>(m_listPaths, &dShow, &dTurn);
        vecShow[1] << dShow;
        vecTurn[1] << dTurn;
    }
    const auto print = [](const char* szPhase, const QVector<double>& vecList, const QVector<double>& vecAnchor) {
        const double dList = Median(vecList);
        const double dAnchor = Median(vecAnchor);
        std::printf("%-28s list %9.3f ms   anchor %9.3f ms   ratio %.2f\n", szPhase, dList, dAnchor, dList / dAnchor);
    };
    print("add 10000 (AddPics)", vecAdd[0], vecAdd[1]);
    print("show first page of 60", vecShow[0], vecShow[1]);
    print("turn one page (of 100)", vecTurn[0], vecTurn[1]);
    const long iBase = ChildPeak(QStringLiteral("none"), m_dir.path());
    const long iList = ChildPeak(QStringLiteral("list"), m_dir.path());
    const long iAnchor = ChildPeak(QStringLiteral("anchor"), m_dir.path());
    std::printf("peak memory (VmHWM): process with the paths only %ld kB, list %ld kB (+%ld), anchor %ld kB (+%ld)\n",
                iBase, iList, iList - iBase, iAnchor, iAnchor - iBase);
    QVERIFY(iList > 0 && iAnchor > 0);
}

int main(int argc, char** argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--memory") == 0)
        return RunMemoryChild(argc, argv);
    // Decoding a few thousand snapshots per side, plus the memory children,
    // outlasts Qt Test's default five minutes per function on a busy machine.
    if (qEnvironmentVariableIsEmpty("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "3600000");
    QApplication app(argc, argv);
    BenchPicLabelList bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_piclabellist.moc"
