#include "GalleryWindow.h"

#include "pages/BasicControlsPage.h"
#include "pages/TextFieldsPage.h"
#include "pages/DialogsPage.h"
#include "pages/PlaybackPage.h"
#include "pages/CalendarPage.h"
#include "pages/ModuleTabsPage.h"
#include "pages/DateTimePickersPage.h"
#include "pages/SchedulePage.h"
#include "pages/TablesTreesPage.h"
#include "pages/StatisticsPage.h"
#include "pages/VideoWallPage.h"
#include "pages/DeviceServersPage.h"
#include "pages/CapturedPicturesPage.h"
#include "pages/VehicleSearchPage.h"
#include "pages/PageKit.h"

#include <QtCore/QDir>
#include <QtGui/QPainter>
#include <QtWidgets/QApplication>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QVBoxLayout>

namespace {

// Lets layouts settle and posted repaints (timelines paint asynchronously)
// arrive before a picture is taken.
void SettleEvents()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

} // namespace

GalleryWindow::GalleryWindow(QWidget* pParent)
    : QMainWindow(pParent)
{
    setWindowTitle(tr("OrvaGUIToolkit Gallery"));
    auto* pCentral = new QWidget(this);
    pCentral->setObjectName(QStringLiteral("GalleryCentral"));
    auto* pLayout = CreateFlushLayout<QHBoxLayout>(pCentral, 0);

    auto* pSide = new QWidget(pCentral);
    pSide->setObjectName(QStringLiteral("GallerySide"));
    auto* pSideLayout = CreateFlushLayout(pSide, 0);
    auto* pBrand = new QLabel(tr("ORVA DESK\nControl Gallery"), pSide);
    pBrand->setObjectName(QStringLiteral("GalleryBrand"));
    m_pPageList = new QListWidget(pSide);
    m_pPageList->setObjectName(QStringLiteral("GalleryPageList"));
    pSideLayout->addWidget(pBrand);
    pSideLayout->addWidget(m_pPageList, 1);
    pSide->setFixedWidth(210);

    m_pPages = new QStackedWidget(pCentral);
    m_pPages->setObjectName(QStringLiteral("GalleryPages"));
    pLayout->addWidget(pSide);
    pLayout->addWidget(m_pPages, 1);
    setCentralWidget(pCentral);

    AddPage(tr("Basic controls"), QStringLiteral("basic-controls"),
            tr("Toolbar push buttons with icons and literal ampersands, labels with separate "
               "punctuation, and the hover and click signals they emit."),
            new BasicControlsPage);
    AddPage(tr("Text fields"), QStringLiteral("text-fields"),
            tr("Device names that refuse forbidden characters with a tool tip, a remark limited by its "
               "GBK byte size, a password field without clipboard, a camera filter with a fading "
               "clear button and a plate search with a scope menu."),
            new TextFieldsPage);
    AddPage(tr("Dialogs"), QStringLiteral("dialogs"),
            tr("Frameless dialogs with their own title bar, the corner notice and the question, a job run "
               "off the GUI thread behind a wait dialog, temporary settings and a full-screen video pane."),
            new DialogsPage);
    AddPage(tr("Playback"), QStringLiteral("playback"),
            tr("A week of recordings of sixteen cameras: click a track or the camera's own timeline to seek, "
               "drag the time scale, turn the wheel to zoom about the mouse, rest on a recording for a "
               "thumbnail, filter record types from the funnel."),
            new PlaybackPage);
    AddPage(tr("Calendars"), QStringLiteral("calendars"),
            tr("Ninety days of a camera's recordings: each day flagged in the corner by what it holds, days "
               "outside the kept range dimmed, today underlined. Drag to select days to export, step or turn "
               "the wheel through the months, jump with the month picker."),
            new CalendarPage);
    AddPage(tr("Module tabs"), QStringLiteral("module-tabs"),
            tr("The client's modules as tabs: two fixed, the rest overflowing into the arrow's menu. Click, close, "
               "drag a tab along the strip to reorder, drag it off to open the module in its own window or onto "
               "the second monitor's strip; a side bar of icons and the tab widget with its corner area."),
            new ModuleTabsPage);
    AddPage(tr("Date and time pickers"), QStringLiteral("date-time-pickers"),
            tr("A playback search form: the recorded period as a begin/end range with times, whole months "
               "for an export, a moment to jump to and a day to review, each opening its pop-up."),
            new DateTimePickersPage);
    AddPage(tr("Recording schedule"), QStringLiteral("recording-schedule"),
            tr("When each camera records: spans of continuous and event recording painted per weekday in "
               "7.5-minute steps, fixed templates, renamable user templates and a camera's customized "
               "schedule. Pick a day and copy it to the rest of the week."),
            new SchedulePage);
    AddPage(tr("Tables and trees"), QStringLiteral("tables-trees"),
            tr("A site's cameras by area and recorder with check boxes that follow each other and a header that "
               "counts the areas; alarms with play, download and delete buttons, time, alarm and plate editors and "
               "export progress; vehicle search results that turn red where they hold the typed word."),
            new TablesTreesPage);
    AddPage(tr("Statistics"), QStringLiteral("statistics"),
            tr("The alarm center's day in pies: today's alarms by type with values, percentages and leader "
               "lines for the narrow slices, and the recognised vehicles by colour. Click a slice, drag a band "
               "across slices, right-click to show or hide the labels."),
            new StatisticsPage);
    AddPage(tr("Video wall"), QStringLiteral("video-wall"),
            tr("Sixty-four live cameras laid out from the site's layout configuration: pick a split from the "
               "pop-up, from one window to sixty-four or a wide arrangement; double-click a window to show it "
               "alone and again to go back; the arrow keys move between neighbouring windows."),
            new VideoWallPage);
    AddPage(tr("Device servers"), QStringLiteral("device-servers"),
            tr("Three device servers, each with its own model of channels, shown as one tree: add a server, "
               "take the selected one offline (its model is deleted), and watch the servers report new "
               "channels while the tree keeps in step."),
            new DeviceServersPage);
    AddPage(tr("Captured pictures"), QStringLiteral("captured-pictures"),
            tr("Three hundred vehicle snapshots from a plate search, their plates as captions: turn the pages, "
               "click, Ctrl+click or drag a rubber band across pictures to pick them for export, double-click "
               "one for its record."),
            new CapturedPicturesPage);
    AddPage(tr("Vehicle search"), QStringLiteral("vehicle-search"),
            tr("A hundred thousand passing vehicles: search plate words in order, narrow by camera and colour "
               "as the header's auto-filter does, sort by a header click and page with the pager and its Go box; "
               "searches run behind the wait dialog while the window keeps painting."),
            new VehicleSearchPage);

    connect(m_pPageList, &QListWidget::currentRowChanged, m_pPages, &QStackedWidget::setCurrentIndex);
    m_pPageList->setCurrentRow(0);
    resize(1280, 800);
}

int GalleryWindow::PageCount() const
{
    return m_pPages->count();
}

QString GalleryWindow::PageSlug(int iPage) const
{
    return m_listSlugs.value(iPage);
}

void GalleryWindow::ShowPage(int iPage)
{
    m_pPageList->setCurrentRow(iPage);
}

bool GalleryWindow::SaveScreenshots(const QString& strDir)
{
    QDir dir(strDir);
    if (!dir.mkpath(QStringLiteral(".")))
        return false;
    for (int iPage = 0; iPage < PageCount(); ++iPage) {
        ShowPage(iPage);
        SettleEvents();
        if (!grab().save(dir.filePath(PageSlug(iPage) + QStringLiteral(".png"))))
            return false;
        // Pop-ups are windows of their own: a page that opens one for its
        // picture gets it painted over the window's picture.
        if (OpenScreenshotPopup(iPage) && !SaveWithPopups(dir.filePath(PageSlug(iPage) + QStringLiteral(".png"))))
            return false;
    }
    return true;
}

void GalleryWindow::AddPage(const QString& strTitle, const QString& strSlug,
                            const QString& strDescription, QWidget* pPage)
{
    auto* pFrame = new QWidget;
    pFrame->setObjectName(QStringLiteral("GalleryPage"));
    auto* pLayout = new QVBoxLayout(pFrame);
    pLayout->setContentsMargins(24, 18, 24, 18);
    pLayout->setSpacing(6);
    auto* pTitle = new QLabel(strTitle, pFrame);
    pTitle->setObjectName(QStringLiteral("GalleryPageTitle"));
    auto* pDescription = new QLabel(strDescription, pFrame);
    pDescription->setObjectName(QStringLiteral("GalleryPageDescription"));
    pDescription->setWordWrap(true);
    pLayout->addWidget(pTitle);
    pLayout->addWidget(pDescription);
    pLayout->addSpacing(8);
    pLayout->addWidget(pPage, 1);

    m_pPageList->addItem(strTitle);
    m_pPages->addWidget(pFrame);
    m_listSlugs << strSlug;
}

bool GalleryWindow::OpenScreenshotPopup(int iPage)
{
    const QList<QWidget*> listChildren =
        m_pPages->widget(iPage)->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* pChild : listChildren) {
        if (pChild->metaObject()->indexOfMethod("OpenScreenshotPopup()") < 0)
            continue;
        QMetaObject::invokeMethod(pChild, "OpenScreenshotPopup");
        SettleEvents();
        return true;
    }
    return false;
}

bool GalleryWindow::SaveWithPopups(const QString& strFile)
{
    QPixmap pixmap = grab();
    QPainter painter(&pixmap);
    for (QWidget* pWindow : QApplication::topLevelWidgets()) {
        if (!pWindow->isVisible() || pWindow->windowType() != Qt::Popup)
            continue;
        painter.drawPixmap(mapFromGlobal(pWindow->geometry().topLeft()), pWindow->grab());
        pWindow->hide();
    }
    painter.end();
    return pixmap.save(strFile);
}
