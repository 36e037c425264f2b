#ifndef ORVAGALLERY_PLAYBACKPAGE_H
#define ORVAGALLERY_PLAYBACKPAGE_H

#include <QtCore/QDateTime>
#include <QtWidgets/QWidget>

#include <ctime>

QT_BEGIN_NAMESPACE
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {
class CMultiTimeSlider;
class CSingleTimeSlider;
}

class CPlaybackScreen;
class CTrackNames;

// The playback page of the client: a week of recordings of sixteen cameras on
// the multi-track timeline, the selected camera's own timeline under the
// player, and a simulated player that plays on second by second and seeks
// wherever the user clicks.
class PlaybackPage : public QWidget
{
    Q_OBJECT

public:
    explicit PlaybackPage(QWidget* pParent = nullptr);

private Q_SLOTS:
    void OnTick();
    void OnSeek(time_t tTime);
    void OnTrackClicked(int iIndex, time_t tTime);
    void OnThumbnail(bool bShow, time_t tTime);
    void OnPlayPause();
    void OnAddTag();

private:
    QWidget* CreatePlayerPanel();
    void FillMultiTimeline();
    void SelectCamera(int iCamera);
    void ShowPlayingTime();

    OrvaGUIToolkit::CMultiTimeSlider* m_pMulti = nullptr;
    OrvaGUIToolkit::CSingleTimeSlider* m_pSingle = nullptr;
    CPlaybackScreen* m_pScreen = nullptr;
    CTrackNames* m_pNames = nullptr;
    QLabel* m_pCameraLabel = nullptr;
    QLabel* m_pTimeLabel = nullptr;
    QLabel* m_pStateLabel = nullptr;
    QListWidget* m_pTagList = nullptr;
    QPushButton* m_pPlayBtn = nullptr;
    QTimer* m_pPlayTimer = nullptr;
    QDateTime m_dtPlaying;
    int m_iCamera = 0;
};

#endif
