#include "pages/VehicleSearchPage.h"
#include "pages/PageKit.h"

#include "GalleryData.h"

#include <OrvaGUIToolkit/OrvaGUIToolkit.h>

#include <QtCore/QSet>
#include <QtCore/QSignalBlocker>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>

using namespace OrvaGUIToolkit;

namespace {
constexpr int kRecordCount = 100000;
enum Column { PlateColumn, CameraColumn, TimeColumn, ColourColumn, ConfidenceColumn, ColumnCount };
} // namespace

VehicleSearchPage::VehicleSearchPage(QWidget* pParent)
    : QWidget(pParent)
{
    m_pModel = new CTreeViewModel(this);
    m_pModel->insertColumns(0, ColumnCount);
    const QStringList listHeaders{tr("Plate"), tr("Camera"), tr("Passed at"), tr("Colour"), tr("Confidence")};
    for (int iColumn = 0; iColumn < ColumnCount; ++iColumn)
        m_pModel->setHeaderData(iColumn, Qt::Horizontal, listHeaders.at(iColumn));

    m_pView = new CFilterTreeView(this);
    m_pView->setObjectName(QStringLiteral("VehicleResults"));
    m_pView->SetSourceModel(m_pModel);
    m_pPager = new CPagerCtrl(this);
    m_pSummary = new QLabel(this);
    m_pSummary->setObjectName(QStringLiteral("SearchSummary"));

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(CreateToolbar());
    pLayout->addWidget(m_pView, 1);
    auto* pBottom = new QHBoxLayout;
    pBottom->addWidget(m_pSummary);
    pBottom->addStretch();
    pBottom->addWidget(m_pPager);
    pLayout->addLayout(pBottom);

    connect(m_pView, &CFilterTreeView::SignalModelChanged, this, &VehicleSearchPage::OnModelChanged);
    connect(m_pPager, &CPagerCtrl::SignalShowPage, this, &VehicleSearchPage::OnShowPage);
    connect(m_pPager, &CPagerCtrl::SignalForceChangePage, this,
            [this](int iPage) { OnShowPage(static_cast<unsigned int>(iPage)); });

    m_pView->StartSearch();
    FillRecords();
    m_pView->SetItemsPerPage(false, 24);
    // The view re-attaches its model after every search; the widths follow.
    const auto fitColumns = [this] {
        QHeaderView* pHeader = m_pView->header();
        const int aiWidths[] = {120, 230, 170, 90};
        for (int iColumn = 0; iColumn < 4; ++iColumn) {
            pHeader->setSectionResizeMode(iColumn, QHeaderView::Interactive);
            pHeader->resizeSection(iColumn, aiWidths[iColumn]);
        }
    };
    connect(m_pView, &CFilterTreeView::SignalReSetColumnWidth, this, fitColumns);
    m_pView->EndSearch();
    // The records arrive newest first; the header says so without sorting
    // a hundred thousand rows again.
    QHeaderView* pHeader = m_pView->header();
    const QSignalBlocker blocker(pHeader);
    pHeader->setSortIndicator(2, Qt::DescendingOrder);
}

QWidget* VehicleSearchPage::CreateToolbar()
{
    auto* pBar = new QWidget(this);
    auto* pLayout = CreateFlushLayout<QHBoxLayout>(pBar);
    pLayout->addWidget(new QLabel(tr("Plate"), pBar));
    m_pPlateSearch = new QLineEdit(pBar);
    m_pPlateSearch->setPlaceholderText(tr("Words of the plate, e.g. \"B 7\""));
    m_pPlateSearch->setMinimumWidth(180);
    pLayout->addWidget(m_pPlateSearch);
    auto* pSearch = new QPushButton(tr("Search"), pBar);
    pLayout->addWidget(pSearch);
    pLayout->addSpacing(16);
    pLayout->addWidget(new QLabel(tr("Camera"), pBar));
    m_pCameraBox = MakeValueBox(CameraColumn, tr("All cameras"));
    pLayout->addWidget(m_pCameraBox);
    pLayout->addWidget(new QLabel(tr("Colour"), pBar));
    m_pColourBox = MakeValueBox(ColourColumn, tr("All colours"));
    pLayout->addWidget(m_pColourBox);
    auto* pApply = new QPushButton(tr("Filter"), pBar);
    pLayout->addWidget(pApply);
    auto* pReset = new QPushButton(tr("Show all"), pBar);
    pLayout->addWidget(pReset);
    pLayout->addStretch();
    connect(pSearch, &QPushButton::clicked, this, &VehicleSearchPage::OnSearch);
    connect(m_pPlateSearch, &QLineEdit::returnPressed, this, &VehicleSearchPage::OnSearch);
    connect(pApply, &QPushButton::clicked, this, &VehicleSearchPage::OnApplyValueFilter);
    connect(pReset, &QPushButton::clicked, this, &VehicleSearchPage::OnReset);
    return pBar;
}

QComboBox* VehicleSearchPage::MakeValueBox(int iColumn, const QString& strAll)
{
    auto* pBox = new QComboBox(this);
    pBox->addItem(strAll);
    QStringList listValues;
    if (iColumn == CameraColumn) {
        listValues = GalleryData::CameraNames();
    } else {
        listValues = QStringList{tr("White"), tr("Black"), tr("Silver"), tr("Red"), tr("Blue"), tr("(Blank)")};
    }
    pBox->addItems(listValues);
    return pBox;
}

void VehicleSearchPage::FillRecords()
{
    const QList<GalleryData::VehicleRecord> listRecords = GalleryData::VehicleRecords(kRecordCount);
    QList<CTreeViewItem*> listItems;
    listItems.reserve(listRecords.size());
    for (const GalleryData::VehicleRecord& record : listRecords) {
        auto* pItem = new CTreeViewItem;
        pItem->InsertColumns(0, ColumnCount);
        pItem->SetText(PlateColumn, record.strPlate);
        pItem->SetText(CameraColumn, record.strCamera);
        pItem->SetText(TimeColumn, record.dtPassed.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        pItem->SetText(ColourColumn, record.strColor);
        pItem->SetText(ConfidenceColumn, QStringLiteral("%1 %").arg(record.iConfidence));
        listItems << pItem;
    }
    m_pView->AddTopLevelItems(listItems);
}

void VehicleSearchPage::OnSearch()
{
    m_pView->StartFilterByCustomStr(m_pPlateSearch->text().trimmed());
}

// Builds the value lists the header's auto-filter hands over: column 0 takes
// every plate, the chosen camera and colour narrow their columns.
void VehicleSearchPage::OnApplyValueFilter()
{
    std::vector<QStringList> vecValues(ColumnCount);
    std::vector<bool> vecUnfiltered(ColumnCount, true);
    if (m_pCameraBox->currentIndex() > 0) {
        vecValues[CameraColumn] = QStringList{m_pCameraBox->currentText()};
        vecUnfiltered[CameraColumn] = false;
    }
    if (m_pColourBox->currentIndex() > 0) {
        vecValues[ColourColumn] = QStringList{m_pColourBox->currentText()};
        vecUnfiltered[ColourColumn] = false;
    }
    m_pView->StartFilterByTextgroup(vecValues, vecUnfiltered);
}

void VehicleSearchPage::OnReset()
{
    m_pView->ResetFilterModel();
}

void VehicleSearchPage::OnModelChanged(int iTotalPage, int iTotalNum)
{
    m_pSummary->setText(tr("%n vehicle(s)", nullptr, iTotalNum) + QStringLiteral("  ·  ")
                        + tr("%n page(s)", nullptr, iTotalPage));
    m_pPager->SetPageCount(static_cast<unsigned int>(std::max(0, iTotalPage)));
    m_pPager->ShowSelectedPage(1, true);
}

void VehicleSearchPage::OnShowPage(unsigned int uPage)
{
    m_pView->OnCurrentPageChanged(static_cast<int>(uPage));
}
