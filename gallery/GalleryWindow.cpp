#include "GalleryWindow.h"

#include "pages/BasicControlsPage.h"
#include "pages/TextFieldsPage.h"
#include "pages/DialogsPage.h"
#include "pages/PlaybackPage.h"
#include "pages/CalendarPage.h"
#include "pages/TablesTreesPage.h"
#include "pages/VehicleSearchPage.h"

#include <QtCore/QDir>
#include <QtWidgets/QApplication>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QVBoxLayout>

GalleryWindow::GalleryWindow(QWidget* pParent)
    : QMainWindow(pParent)
{
    setWindowTitle(tr("OrvaGUIToolkit Gallery"));
    auto* pCentral = new QWidget(this);
    pCentral->setObjectName(QStringLiteral("GalleryCentral"));
    auto* pLayout = new QHBoxLayout(pCentral);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);

    auto* pSide = new QWidget(pCentral);
    pSide->setObjectName(QStringLiteral("GallerySide"));
    auto* pSideLayout = new QVBoxLayout(pSide);
    pSideLayout->setContentsMargins(0, 0, 0, 0);
    pSideLayout->setSpacing(0);
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
    AddPage(tr("Tables and trees"), QStringLiteral("tables-trees"),
            tr("A site's cameras by area and recorder with check boxes that follow each other and a header that "
               "counts the areas; alarms with play, download and delete buttons, time, alarm and plate editors and "
               "export progress; vehicle search results that turn red where they hold the typed word."),
            new TablesTreesPage);
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
        // Let layouts settle and posted repaints (timelines paint asynchronously) arrive.
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        if (!grab().save(dir.filePath(PageSlug(iPage) + QStringLiteral(".png"))))
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
