#include "ModuleTabsPage.h"
#include "pages/PageKit.h"

#include "GalleryData.h"

#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Label/Label.h>
#include <OrvaGUIToolkit/Tab/TabScene.h>
#include <OrvaGUIToolkit/Tab/TabView.h>
#include <OrvaGUIToolkit/Tab/TabWidget.h>

#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QVBoxLayout>

using namespace OrvaGUIToolkit;

namespace {

struct Module
{
    const char* szName;
    const char* szIcon;
    const char* szTip;
};

// The client's modules in the order their tabs keep; the tab's data is the
// module name.
const Module s_aModules[] = {
    {QT_TRANSLATE_NOOP("ModuleTabsPage", "License Plate Recognition"), "Plate",
     QT_TRANSLATE_NOOP("ModuleTabsPage", "Live plates from 16 lane cameras")},
    {QT_TRANSLATE_NOOP("ModuleTabsPage", "Vehicle Tracking"), "Tracking",
     QT_TRANSLATE_NOOP("ModuleTabsPage", "Follow a vehicle from camera to camera")},
    {QT_TRANSLATE_NOOP("ModuleTabsPage", "Vehicle Search"), "Search",
     QT_TRANSLATE_NOOP("ModuleTabsPage", "Search passages by plate, colour and type")},
    {QT_TRANSLATE_NOOP("ModuleTabsPage", "Alarm Center"), "Alarm",
     QT_TRANSLATE_NOOP("ModuleTabsPage", "Watch-list hits and camera alarms")},
    {QT_TRANSLATE_NOOP("ModuleTabsPage", "Health"), "Health",
     QT_TRANSLATE_NOOP("ModuleTabsPage", "Recorder disks, camera links and stream rates")},
    {QT_TRANSLATE_NOOP("ModuleTabsPage", "System"), "System",
     QT_TRANSLATE_NOOP("ModuleTabsPage", "Users, devices and storage settings")},
};

QIcon ModuleIcon(const Module& module, bool bSelected)
{
    return QIcon(QStringLiteral(":/OrvaDesk/Tab/Images/Public/Control/Tab/Module%1%2.png")
                     .arg(QLatin1String(module.szIcon), bSelected ? QStringLiteral("Sel") : QString()));
}

void AddModuleTab(CTabScene* pScene, const Module& module, bool bFixed)
{
    const QString strName = QLatin1String(module.szName);
    const int iIndex = pScene->InsertTab(-1, ModuleIcon(module, true), ModuleIcon(module, false),
                                         ModuleTabsPage::tr(module.szName), strName, bFixed);
    pScene->SetTabToolTip(iIndex, ModuleTabsPage::tr(module.szTip));
    if (bFixed)
        pScene->SetCloseBtnVisiable(iIndex, false);
}

} // namespace

ModuleTabsPage::ModuleTabsPage(QWidget* pParent)
    : QWidget(pParent)
{
    auto* pLayout = CreateFlushLayout<QHBoxLayout>(this, s_iPartGap);
    m_pLogLine = CreateLogLine(this, tr("Click, close, reorder or drag a module tab out of the strip."));

    auto* pColumn = CreatePartsLayout<QVBoxLayout>();
    pColumn->addWidget(CreateMainStrip());
    pColumn->addWidget(CreateDetachedStrip());
    pColumn->addWidget(CreateTabWidget(), 1);
    pColumn->addWidget(m_pLogLine);
    pLayout->addWidget(CreateVerticalStrip());
    pLayout->addLayout(pColumn, 1);
}

QWidget* ModuleTabsPage::CreateMainStrip()
{
    auto* pHolder = new QWidget(this);
    auto* pLayout = CreateFlushLayout<QHBoxLayout>(pHolder);
    m_pMainScene = new CTabScene(pHolder);
    auto* pView = new CTabView(m_pMainScene, pHolder);
    pView->setFixedSize(760, 55);
    pLayout->addWidget(pView);
    pLayout->addStretch(1);
    for (int i = 0; i < 6; ++i)
        AddModuleTab(m_pMainScene, s_aModules[i], i < 2);
    m_pMainScene->SetCurrentIndex(0);

    connect(m_pMainScene, &CTabScene::SignalCurrentChanged, this, [this](int iIndex) {
        Log(tr("Module \"%1\" in front").arg(m_pMainScene->TabText(iIndex)));
    });
    connect(m_pMainScene, &CTabScene::SignalTabAboutToClose, this, [this](int iIndex) {
        Log(tr("Closed \"%1\"").arg(m_pMainScene->TabText(iIndex)));
        m_pMainScene->RemoveTab(iIndex);
    });
    connect(m_pMainScene, &CTabScene::SignalTabMoved, this, [this](int iFrom, int iTo) {
        Log(tr("Tab moved from place %1 to place %2").arg(iFrom + 1).arg(iTo + 1));
    });
    connect(m_pMainScene, &CTabScene::SignalDragOutTabBar, this, [this] {
        AuxiliaryData auxData;
        m_pMainScene->GetCurDragOutData(auxData);
        OpenModuleWindow(auxData);
    });
    connect(m_pMainScene, &CTabScene::SignalTabDragAdded, this, [this](int iIndex) {
        Log(tr("\"%1\" is back in the main strip").arg(m_pMainScene->TabText(iIndex)));
    });
    return CreateSection(tr("Main window: two fixed modules, the rest behind the arrow"), pHolder, this);
}

QWidget* ModuleTabsPage::CreateDetachedStrip()
{
    auto* pHolder = new QWidget(this);
    auto* pLayout = CreateFlushLayout<QHBoxLayout>(pHolder);
    auto* pScene = new CTabScene(pHolder);
    auto* pView = new CTabView(pScene, pHolder);
    pView->setFixedHeight(55);
    pLayout->addWidget(pView);
    AddModuleTab(pScene, s_aModules[3], false);
    pScene->SetCurrentIndex(0);
    connect(pScene, &CTabScene::SignalTabDragAdded, this, [this, pScene](int iIndex) {
        Log(tr("\"%1\" moved to the second monitor").arg(pScene->TabText(iIndex)));
    });
    connect(pScene, &CTabScene::SignalTabAboutToClose, pScene, &CTabScene::RemoveTab);
    return CreateSection(tr("Second monitor: drop module tabs here"), pHolder, this);
}

QWidget* ModuleTabsPage::CreateVerticalStrip()
{
    auto* pHolder = new QWidget(this);
    auto* pLayout = CreateFlushLayout(pHolder);
    auto* pScene = new CTabScene(pHolder);
    pScene->SetLayoutDirect(CTabScene::Vertical);
    pScene->SetTabStyle(CTabScene::IconOnly);
    pScene->SetAuxTab(true);
    auto* pView = new CTabView(pScene, pHolder);
    pView->setObjectName(QStringLiteral("GalleryVerticalStrip"));
    pView->setFixedWidth(64);
    pLayout->addWidget(pView);
    for (const Module& module : s_aModules)
        AddModuleTab(pScene, module, false);
    pScene->SetCurrentIndex(2);
    connect(pScene, &CTabScene::SignalCurrentChanged, this, [this, pScene](int iIndex) {
        Log(tr("Side bar: \"%1\"").arg(pScene->TabToolTip(iIndex)));
    });
    return CreateSection(tr("Side bar"), pHolder, this);
}

QWidget* ModuleTabsPage::CreateTabWidget()
{
    auto* pTabs = new CTabWidget(this);
    const QList<GalleryData::VehicleRecord> listRecords = GalleryData::VehicleRecords(24);
    auto* pPassing = new QListWidget(pTabs);
    for (const GalleryData::VehicleRecord& record : listRecords) {
        pPassing->addItem(tr("%1   %2   %3 %4   %5")
                              .arg(record.dtPassed.toString(QStringLiteral("hh:mm:ss")), record.strPlate,
                                   record.strColor, record.strType, record.strCamera));
    }
    auto* pAlarms = new QListWidget(pTabs);
    for (int i = 0; i < listRecords.size(); i += 5) {
        pAlarms->addItem(tr("Watch list hit: %1 at %2").arg(listRecords.at(i).strPlate, listRecords.at(i).strCamera));
    }
    pTabs->addTab(pPassing, tr("Passing vehicles"));
    pTabs->addTab(pAlarms, tr("Alarms"));
    pTabs->addTab(new QListWidget(pTabs), tr("Watch list"));

    // One corner widget holding the filter and the export button.
    auto* pCorner = new QWidget(pTabs);
    auto* pCornerLayout = new QHBoxLayout(pCorner);
    pCornerLayout->setContentsMargins(0, 0, 0, 2);
    pCornerLayout->setSpacing(8);
    auto* pFilter = new QLineEdit(pCorner);
    pFilter->setPlaceholderText(tr("Plate or camera"));
    pFilter->setFixedWidth(200);
    auto* pExport = new CPushButton(tr("Export"), pCorner);
    pExport->setFixedWidth(90);
    pCornerLayout->addWidget(pFilter);
    pCornerLayout->addWidget(pExport);
    pCorner->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    pTabs->SetCornerWidget(pCorner);
    connect(pFilter, &QLineEdit::textChanged, this, [pPassing](const QString& strText) {
        for (int i = 0; i < pPassing->count(); ++i)
            pPassing->item(i)->setHidden(!pPassing->item(i)->text().contains(strText, Qt::CaseInsensitive));
    });
    connect(pExport, &CPushButton::clicked, this, [this, pPassing] {
        Log(tr("Exported %1 passages").arg(pPassing->count()));
    });
    return CreateSection(tr("Tab widget with a corner area"), pTabs, this);
}

void ModuleTabsPage::OpenModuleWindow(const AuxiliaryData& auxData)
{
    auto* pWindow = new QWidget(this, Qt::Window);
    pWindow->setAttribute(Qt::WA_DeleteOnClose);
    pWindow->setWindowTitle(auxData.m_strText);
    pWindow->setWindowIcon(auxData.m_iconSel);
    auto* pLayout = new QVBoxLayout(pWindow);
    pLayout->addWidget(new CLabel(tr("%1\n\nClose this window to put the tab back.").arg(auxData.m_strToolTip), pWindow));
    pWindow->resize(420, 200);
    connect(pWindow, &QObject::destroyed, m_pMainScene, [pScene = m_pMainScene, auxData] {
        AuxiliaryData auxBack = auxData;
        pScene->InsertTabAfterAuxClose(auxBack);
    });
    pWindow->show();
    Log(tr("\"%1\" opened in a window of its own").arg(auxData.m_strText));
}

void ModuleTabsPage::Log(const QString& strMessage)
{
    m_pLogLine->setText(strMessage);
}
