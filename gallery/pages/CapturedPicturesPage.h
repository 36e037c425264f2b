#ifndef ORVAGALLERY_CAPTUREDPICTURESPAGE_H
#define ORVAGALLERY_CAPTUREDPICTURESPAGE_H

#include "GalleryData.h"

#include <QtCore/QTemporaryDir>
#include <QtWidgets/QWidget>

QT_BEGIN_NAMESPACE
class QLabel;
class QPushButton;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {
class CPicLabelList;
}

// The capture wall of vehicle search: a few hundred snapshots of passing
// vehicles written to disk as a recognition server would deliver them, shown
// page by page with their plates as captions, selected by click, Ctrl+click
// or rubber band for export.
class CapturedPicturesPage : public QWidget
{
    Q_OBJECT

public:
    explicit CapturedPicturesPage(QWidget* pParent = nullptr);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;

private Q_SLOTS:
    void OnPageInfo(unsigned uTotal, unsigned uCurrent);
    void OnTurn(int iStep);
    void OnSelectionChanged();
    void OnOpened(unsigned uLsh);

private:
    void FillPictures();
    void ShowCount();

    QTemporaryDir m_dirSnapshots;
    QList<GalleryData::VehicleRecord> m_listRecords;
    OrvaGUIToolkit::CPicLabelList* m_pList = nullptr;
    QLabel* m_pPageLabel = nullptr;
    QLabel* m_pCountLabel = nullptr;
    QLabel* m_pDetailLabel = nullptr;
    QPushButton* m_pPrevBtn = nullptr;
    QPushButton* m_pNextBtn = nullptr;
    bool m_bFirstShow = true;
};

#endif
