#ifndef ORVAGALLERY_GALLERYWINDOW_H
#define ORVAGALLERY_GALLERYWINDOW_H

#include <QtWidgets/QMainWindow>

class QListWidget;
class QStackedWidget;

// The gallery's main window: the list of pages on the left, the page on the right.
class GalleryWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit GalleryWindow(QWidget* pParent = nullptr);

    int PageCount() const;
    QString PageSlug(int iPage) const;
    void ShowPage(int iPage);

    // Renders every page into DIR/<slug>.png; false when a file cannot be written.
    bool SaveScreenshots(const QString& strDir);

private:
    // Adds a page under a heading; the description says what the page shows.
    void AddPage(const QString& strTitle, const QString& strSlug, const QString& strDescription,
                 QWidget* pPage);

    // Opens the pop-up a page shows in its screenshot; false when it has none.
    bool OpenScreenshotPopup(int iPage);
    // Saves the window with the open pop-ups painted over it, and closes them.
    bool SaveWithPopups(const QString& strFile);

    QListWidget* m_pPageList = nullptr;
    QStackedWidget* m_pPages = nullptr;
    QStringList m_listSlugs;
};

#endif
