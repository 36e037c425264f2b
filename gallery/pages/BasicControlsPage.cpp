#include "BasicControlsPage.h"
#include "pages/PageKit.h"

#include "GalleryData.h"

#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Label/Label.h>

#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QVBoxLayout>

using OrvaGUIToolkit::CLabel;
using OrvaGUIToolkit::CPushButton;

BasicControlsPage::BasicControlsPage(QWidget* pParent)
    : QWidget(pParent)
{
    auto* pLayout = CreatePageLayout(this);
    m_pLogLine = CreateLogLine(this, tr("Hover or click a button or a label."));

    pLayout->addWidget(CreateToolbar());
    auto* pRow = CreatePartsLayout<QHBoxLayout>();
    pRow->addWidget(CreateVehiclePanel(), 3);
    pRow->addWidget(CreateButtonStates(), 2);
    pLayout->addLayout(pRow);
    pLayout->addWidget(CreateCameraGrid());
    pLayout->addStretch(1);
    pLayout->addWidget(m_pLogLine);
}

QWidget* BasicControlsPage::CreateToolbar()
{
    auto* pBox = new QGroupBox(tr("Camera toolbar"), this);
    auto* pLayout = new QHBoxLayout(pBox);
    pLayout->setSpacing(8);
    struct ToolEntry { const char* szIcon; const char* szText; };
    static const ToolEntry s_tools[] = {
        {"LiveView", QT_TR_NOOP("Live View")}, {"Playback", QT_TR_NOOP("Playback")},
        {"Snapshot", QT_TR_NOOP("Snapshot")},  {"Record", QT_TR_NOOP("Record")},
        {"Alarm", QT_TR_NOOP("Alarms & Events")}, {"Export", QT_TR_NOOP("Export Clips")},
        {"Search", QT_TR_NOOP("Plate Search")}};
    for (const ToolEntry& tool : s_tools) {
        const QIcon icon(QStringLiteral(":/OrvaDesk/Icon/Images/Public/Icon/%1.png")
                             .arg(QLatin1String(tool.szIcon)));
        auto* pButton = new CPushButton(icon, tr(tool.szText), pBox);
        pButton->setIconSize(QSize(20, 20));
        pButton->setMinimumHeight(34);
        const QString strText = pButton->text();
        connect(pButton, &CPushButton::SignalMouseEnter, this, [this, strText] {
            Log(tr("Pointer over \"%1\"").arg(strText));
        });
        connect(pButton, &CPushButton::clicked, this, [this, strText] {
            Log(tr("Clicked \"%1\"").arg(strText));
        });
        pLayout->addWidget(pButton);
    }
    pLayout->addStretch(1);
    return pBox;
}

QWidget* BasicControlsPage::CreateVehiclePanel()
{
    const GalleryData::VehicleRecord record = GalleryData::VehicleRecords(1).first();
    auto* pBox = new QGroupBox(tr("Recognised vehicle"), this);
    auto* pGrid = new QGridLayout(pBox);
    pGrid->setHorizontalSpacing(16);
    pGrid->setVerticalSpacing(8);
    const QList<QPair<QString, QString>> listRows = {
        {tr("Plate"), record.strPlate},
        {tr("Camera"), record.strCamera},
        {tr("Passed at"), record.dtPassed.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))},
        {tr("Vehicle"), tr("%1 %2").arg(record.strColor, record.strType)},
        {tr("Confidence"), tr("%1 %").arg(record.iConfidence)},
        {tr("Direction"), tr("Inbound, lane 2")}};
    for (int iRow = 0; iRow < listRows.size(); ++iRow) {
        auto* pName = new CLabel(listRows.at(iRow).first, pBox);
        pName->SetPunctuation(QStringLiteral(":"));
        pName->SetAlignment(Qt::AlignRight | Qt::AlignVCenter);
        pName->setObjectName(QStringLiteral("GalleryFieldName"));
        auto* pValue = new CLabel(listRows.at(iRow).second, pBox);
        pValue->setObjectName(iRow == 0 ? QStringLiteral("GalleryPlate") : QStringLiteral("GalleryFieldValue"));
        pValue->setCursor(Qt::PointingHandCursor);
        const QString strName = pName->GetText();
        connect(pValue, &CLabel::SignalMouseClicked, this, [this, strName, pValue] {
            Log(tr("Clicked the %1 \"%2\"").arg(strName.toLower(), pValue->GetText()));
        });
        connect(pValue, &CLabel::SignalDoubleClicked, this, [this, pValue] {
            Log(tr("Double-clicked \"%1\": opening the record").arg(pValue->GetText()));
        });
        pGrid->addWidget(pName, iRow, 0);
        pGrid->addWidget(pValue, iRow, 1, Qt::AlignLeft);
    }
    pGrid->setColumnStretch(1, 1);
    return pBox;
}

QWidget* BasicControlsPage::CreateButtonStates()
{
    auto* pBox = new QGroupBox(tr("States"), this);
    auto* pLayout = new QVBoxLayout(pBox);
    pLayout->setSpacing(8);

    auto* pDefault = new CPushButton(tr("Save & Apply"), pBox);
    pDefault->setObjectName(QStringLiteral("GalleryPrimaryButton"));
    auto* pChecked = new CPushButton(QIcon(QStringLiteral(":/OrvaDesk/Icon/Images/Public/Icon/Record.png")),
                                     tr("Recording"), pBox);
    pChecked->setCheckable(true);
    pChecked->setChecked(true);
    auto* pDisabled = new CPushButton(tr("Export (no clip selected)"), pBox);
    pDisabled->setEnabled(false);
    auto* pNarrow = new CPushButton(QIcon(QStringLiteral(":/OrvaDesk/Icon/Images/Public/Icon/Snapshot.png")),
                                    tr("Snapshot"), pBox);
    pNarrow->setFixedWidth(96);
    pNarrow->setToolTip(tr("Too narrow for icon and text: only the text is drawn."));
    auto* pDisabledLabel = new CLabel(tr("Disabled label (emits nothing)"), pBox);
    pDisabledLabel->setEnabled(false);
    connect(pDisabledLabel, &CLabel::SignalMouseClicked, this, [this] { Log(tr("Disabled label clicked")); });

    for (CPushButton* pButton : {pDefault, pChecked, pDisabled, pNarrow}) {
        connect(pButton, &CPushButton::clicked, this, [this, pButton] {
            Log(tr("Clicked \"%1\"").arg(pButton->text()));
        });
        pLayout->addWidget(pButton, 0, Qt::AlignLeft);
    }
    pLayout->addWidget(pDisabledLabel);
    pLayout->addStretch(1);
    return pBox;
}

QWidget* BasicControlsPage::CreateCameraGrid()
{
    auto* pBox = new QGroupBox(tr("Cameras on the video wall"), this);
    auto* pGrid = new QGridLayout(pBox);
    pGrid->setSpacing(8);
    const QIcon icon(QStringLiteral(":/OrvaDesk/Icon/Images/Public/Icon/LiveView.png"));
    const QStringList listCameras = GalleryData::CameraNames();
    for (int i = 0; i < listCameras.size(); ++i) {
        auto* pButton = new CPushButton(icon, listCameras.at(i), pBox);
        pButton->setCheckable(true);
        pButton->setChecked(i % 5 == 0);
        pButton->setObjectName(QStringLiteral("GalleryCameraButton"));
        connect(pButton, &CPushButton::toggled, this, [this, pButton](bool bOn) {
            Log(bOn ? tr("\"%1\" added to the video wall").arg(pButton->text())
                    : tr("\"%1\" removed from the video wall").arg(pButton->text()));
        });
        pGrid->addWidget(pButton, i / 4, i % 4);
    }
    return pBox;
}

void BasicControlsPage::Log(const QString& strMessage)
{
    LogWithTime(m_pLogLine, strMessage);
}
