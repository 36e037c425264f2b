#ifndef ORVAGALLERY_DEVICESERVERSPAGE_H
#define ORVAGALLERY_DEVICESERVERSPAGE_H

#include <QtWidgets/QWidget>

QT_BEGIN_NAMESPACE
class QLabel;
class QStandardItemModel;
class QTimer;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {
class CCombination_Model;
class CLabel;
class CTreeView;
}

// Every device server of a site keeps its own model of channels; the client
// shows them as one tree under "All device servers". Servers come online and
// go offline (their model is deleted), and a timer plays the servers
// reporting newly discovered channels, while the tree stays in step.
class DeviceServersPage : public QWidget
{
    Q_OBJECT

public:
    explicit DeviceServersPage(QWidget* pParent = nullptr);

private Q_SLOTS:
    void OnAddServer();
    void OnTakeServerOffline();
    void OnDiscoverChannel();

private:
    QStandardItemModel* NewServer(int iNumber, int iChannels);
    void AddChannel(QStandardItemModel* pServer);
    void UpdateSummary();
    void Log(const QString& strText);

    OrvaGUIToolkit::CCombination_Model* m_pCombination = nullptr;
    OrvaGUIToolkit::CTreeView* m_pTree = nullptr;
    QLabel* m_pSummary = nullptr;
    OrvaGUIToolkit::CLabel* m_pLogLine = nullptr;
    QTimer* m_pDiscovery = nullptr;
    int m_iServersMade = 0;
    int m_iChannelsMade = 0;
};

#endif
