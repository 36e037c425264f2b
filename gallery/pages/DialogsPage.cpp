#include "DialogsPage.h"
#include "pages/PageKit.h"

#include "GalleryData.h"

#include <OrvaGUIToolkit/CheckBox/CheckBox.h>
#include <OrvaGUIToolkit/Dialog/BaseDialogWithBottom.h>
#include <OrvaGUIToolkit/Dialog/InformationDlg.h>
#include <OrvaGUIToolkit/Dialog/TitleWidget.h>
#include <OrvaGUIToolkit/Dialog/WarningDlg.h>
#include <OrvaGUIToolkit/Foundation/FullScreenWidget.h>
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>
#include <OrvaGUIToolkit/Foundation/TemporaryDataManager.h>
#include <OrvaGUIToolkit/Foundation/WaitWatcher.h>
#include <OrvaGUIToolkit/Foundation/WidgetMaximizeManager.h>
#include <OrvaGUIToolkit/Label/Label.h>

#include <QtCore/QElapsedTimer>
#include <QtCore/QThread>
#include <QtGui/QPainter>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDateTimeEdit>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>

using namespace OrvaGUIToolkit;

namespace {

const char s_szLoadingGif[] = ":/OrvaDesk/Dialog/Images/Public/Control/Dialog/Loading.gif";
const char s_szCameraIcon[] = ":/OrvaDesk/Icon/Images/Public/Icon/LiveView.png";

// The job the wait watcher runs: rebuilds a sorted index of every plate seen
// in the last days. It owns its data; the GUI thread reads it only after the
// job is done.
class CPlateIndexJob
{
public:
    void Rebuild()
    {
        QElapsedTimer timer;
        timer.start();
        const QList<GalleryData::VehicleRecord> listRecords = GalleryData::VehicleRecords(4000);
        for (const GalleryData::VehicleRecord& record : listRecords)
            m_listPlates << record.strPlate;
        std::sort(m_listPlates.begin(), m_listPlates.end());
        m_listPlates.erase(std::unique(m_listPlates.begin(), m_listPlates.end()), m_listPlates.end());
        // A real index also reads the picture store; the gallery pretends it takes two seconds.
        QThread::msleep(static_cast<unsigned long>(qMax<qint64>(0, 2000 - timer.elapsed())));
    }

    QStringList m_listPlates;
};

// A live camera picture: a road at dusk with a vehicle and its plate box.
class CVideoPane : public CFullScreenWidget
{
public:
    explicit CVideoPane(const QString& strCamera, QWidget* pParent)
        : CFullScreenWidget(pParent)
        , m_strCamera(strCamera)
    {
        setMinimumSize(320, 180);
        setFocusPolicy(Qt::StrongFocus);
        setToolTip(QObject::tr("Double click or press the button for full screen; Esc returns."));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF r = rect();
        QLinearGradient sky(0, 0, 0, r.height());
        sky.setColorAt(0, QColor(0x2c, 0x3a, 0x4e));
        sky.setColorAt(0.45, QColor(0x55, 0x5f, 0x6d));
        sky.setColorAt(0.46, QColor(0x3a, 0x3d, 0x42));
        sky.setColorAt(1, QColor(0x25, 0x27, 0x2b));
        painter.fillRect(r, sky);
        QPolygonF road;
        road << QPointF(r.width() * 0.42, r.height() * 0.46) << QPointF(r.width() * 0.58, r.height() * 0.46)
             << QPointF(r.width() * 0.95, r.height()) << QPointF(r.width() * 0.05, r.height());
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x4a, 0x4d, 0x52));
        painter.drawPolygon(road);
        painter.setPen(QPen(QColor(0xe8, 0xe2, 0xc8), r.width() / 160.0, Qt::DashLine));
        painter.drawLine(QPointF(r.width() * 0.5, r.height() * 0.48), QPointF(r.width() * 0.5, r.height()));

        const QRectF car(r.width() * 0.36, r.height() * 0.58, r.width() * 0.22, r.height() * 0.24);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xb8, 0xbf, 0xc8));
        painter.drawRoundedRect(car, 8, 8);
        painter.setBrush(QColor(0x2a, 0x33, 0x3d));
        painter.drawRoundedRect(car.adjusted(car.width() * 0.12, car.height() * 0.08, -car.width() * 0.12,
                                             -car.height() * 0.55), 4, 4);
        const QRectF plate(car.center().x() - car.width() * 0.2, car.bottom() - car.height() * 0.3,
                           car.width() * 0.4, car.height() * 0.16);
        painter.setBrush(QColor(0xf3, 0xd5, 0x4e));
        painter.drawRect(plate);
        painter.setPen(QPen(QColor(0x3b, 0x8e, 0xea), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(plate.adjusted(-6, -6, 6, 6));

        painter.setPen(Qt::white);
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(r.adjusted(10, 8, -10, -8), Qt::AlignLeft | Qt::AlignTop, m_strCamera);
        painter.setPen(QColor(0xe0, 0x4f, 0x4f));
        painter.drawText(r.adjusted(10, 8, -10, -8), Qt::AlignRight | Qt::AlignTop, QObject::tr("\u25cf LIVE"));
        painter.setPen(QColor(0xd6, 0xdd, 0xe6));
        painter.drawText(r.adjusted(10, 8, -10, -8), Qt::AlignLeft | Qt::AlignBottom,
                         GalleryData::ReferenceNow().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    }

    void mouseDoubleClickEvent(QMouseEvent*) override { OnChangeScreen(); }

private:
    QString m_strCamera;
};

QWidget* CameraPropertiesForm(const QString& strCamera)
{
    auto* pForm = new QWidget;
    auto* pLayout = new QFormLayout(pForm);
    pLayout->setContentsMargins(18, 14, 18, 14);
    pLayout->setVerticalSpacing(10);
    auto* pName = new QLineEdit(strCamera, pForm);
    auto* pAddress = new QLineEdit(QStringLiteral("192.168.1.64"), pForm);
    auto* pStream = new QComboBox(pForm);
    pStream->addItems({QObject::tr("Main stream, 1920 \u00d7 1080, 25 fps"), QObject::tr("Sub stream, 704 \u00d7 576, 12 fps")});
    auto* pRecording = new QComboBox(pForm);
    pRecording->addItems({QObject::tr("Continuous and events"), QObject::tr("Events only"), QObject::tr("Off")});
    auto* pRetention = new QSpinBox(pForm);
    pRetention->setRange(1, 365);
    pRetention->setValue(30);
    pRetention->setSuffix(QObject::tr(" days"));
    pLayout->addRow(QObject::tr("Name"), pName);
    pLayout->addRow(QObject::tr("Address"), pAddress);
    pLayout->addRow(QObject::tr("Stream"), pStream);
    pLayout->addRow(QObject::tr("Recording"), pRecording);
    pLayout->addRow(QObject::tr("Keep recordings"), pRetention);
    return pForm;
}

QWidget* ExportForm()
{
    auto* pForm = new QWidget;
    auto* pLayout = new QFormLayout(pForm);
    pLayout->setContentsMargins(18, 14, 18, 14);
    pLayout->setVerticalSpacing(10);
    auto* pCamera = new QComboBox(pForm);
    pCamera->addItems(GalleryData::CameraNames());
    const QDateTime dtNow = GalleryData::ReferenceNow();
    auto* pFrom = new QDateTimeEdit(dtNow.addSecs(-3600), pForm);
    auto* pTo = new QDateTimeEdit(dtNow, pForm);
    for (QDateTimeEdit* pEdit : {pFrom, pTo})
        pEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    auto* pFormat = new QComboBox(pForm);
    pFormat->addItems({QObject::tr("MP4 (H.264)"), QObject::tr("Native stream with player")});
    auto* pOverlay = new CCheckBox(QObject::tr("Burn plate boxes into the video"), pForm);
    pOverlay->setChecked(true);
    pLayout->addRow(QObject::tr("Camera"), pCamera);
    pLayout->addRow(QObject::tr("From"), pFrom);
    pLayout->addRow(QObject::tr("To"), pTo);
    pLayout->addRow(QObject::tr("Format"), pFormat);
    pLayout->addRow(QString(), pOverlay);
    return pForm;
}

QStringList TemporaryKeys()
{
    return {QStringLiteral("Playback/LastCamera"), QStringLiteral("Search/LastPlate"),
            QStringLiteral("LiveView/SplitLayout"), QStringLiteral("Export/LastFolder")};
}

} // namespace

DialogsPage::DialogsPage(QWidget* pParent)
    : QWidget(pParent)
{
    auto* pLayout = CreatePageLayout(this);
    m_pLogLine = CreateLogLine(this, tr("Open a dialog, ask a question or start a job."));

    auto* pColumns = CreatePartsLayout<QHBoxLayout>();
    auto* pLeft = CreatePartsLayout<QVBoxLayout>();
    pLeft->addWidget(CreateDialogLaunchers());
    pLeft->addWidget(CreateMessages());
    pLeft->addWidget(CreateWaitWatcher());
    pLeft->addWidget(CreateTemporaryData(), 1);
    auto* pRight = CreatePartsLayout<QVBoxLayout>();
    pRight->addWidget(CreatePreview());
    pRight->addWidget(CreateVideoPane(), 1);
    pColumns->addLayout(pLeft, 5);
    pColumns->addLayout(pRight, 6);
    pLayout->addLayout(pColumns, 1);
    pLayout->addWidget(m_pLogLine);
}

QWidget* DialogsPage::CreateDialogLaunchers()
{
    auto* pBox = new QGroupBox(tr("Frameless dialogs"), this);
    auto* pLayout = new QVBoxLayout(pBox);
    auto* pButtons = new QHBoxLayout;
    auto* pProperties = new QPushButton(QIcon(QLatin1String(s_szCameraIcon)), tr("Camera properties..."), pBox);
    auto* pExport = new QPushButton(QIcon(QStringLiteral(":/OrvaDesk/Icon/Images/Public/Icon/Export.png")),
                                    tr("Export recordings..."), pBox);
    connect(pProperties, &QPushButton::clicked, this, &DialogsPage::OpenCameraProperties);
    connect(pExport, &QPushButton::clicked, this, &DialogsPage::OpenExportDialog);
    pButtons->addWidget(pProperties);
    pButtons->addWidget(pExport);
    pButtons->addStretch(1);
    auto* pFullScreenMode = new CCheckBox(tr("Maximise dialogs to full screen instead of the work area"), pBox);
    connect(pFullScreenMode, &CCheckBox::toggled, this, [this](bool bFullScreen) {
        CWidgetMaximizeManager::Instance().SetWidgetMaximizeMode(bFullScreen
            ? CWidgetMaximizeManager::MaximizeToFullScreen : CWidgetMaximizeManager::MaximizeToAvailableArea);
        Log(bFullScreen ? tr("Dialogs now maximise to full screen") : tr("Dialogs now maximise to the work area"));
    });
    QLabel* pHint = CreateHint(tr("Drag a dialog by its title; the size button or a double click on the title "
                                  "maximises and restores it."),
                               pBox, QStringLiteral("GalleryFieldName"));
    pHint->setWordWrap(true);
    pLayout->addLayout(pButtons);
    pLayout->addWidget(pFullScreenMode);
    pLayout->addWidget(pHint);
    return pBox;
}

QWidget* DialogsPage::CreateMessages()
{
    auto* pBox = new QGroupBox(tr("Notice and question"), this);
    auto* pLayout = new QHBoxLayout(pBox);
    auto* pNotice = new QPushButton(tr("Camera back online"), pBox);
    connect(pNotice, &QPushButton::clicked, this, [this] {
        CInformationDlg::ShowInformationAtScreenRightBottom(
            tr("Camera \"%1\" is back online after 42 s.").arg(GalleryData::CameraNames().value(1)), this);
        Log(tr("Notice shown at the bottom right of the screen"));
    });
    auto* pQuestion = new QPushButton(tr("Delete recordings..."), pBox);
    connect(pQuestion, &QPushButton::clicked, this, [this] {
        const int iAnswer = CWarningDlg::CheckMessageInfo(
            tr("Delete the 14 selected recordings of \"%1\"? This cannot be undone.")
                .arg(GalleryData::CameraNames().value(0)),
            tr("Delete recordings"), this);
        Log(iAnswer == 1 ? tr("Question answered: confirmed (1)") : tr("Question answered: cancelled (0)"));
    });
    pLayout->addWidget(pNotice);
    pLayout->addWidget(pQuestion);
    pLayout->addStretch(1);
    return pBox;
}

QWidget* DialogsPage::CreateWaitWatcher()
{
    auto* pBox = new QGroupBox(tr("Wait watcher"), this);
    auto* pLayout = new QHBoxLayout(pBox);
    auto* pRebuild = new QPushButton(QIcon(QStringLiteral(":/OrvaDesk/Icon/Images/Public/Icon/Search.png")),
                                     tr("Rebuild plate index (2 s)"), pBox);
    connect(pRebuild, &QPushButton::clicked, this, &DialogsPage::RebuildPlateIndex);
    QLabel* pHint = CreateHint(tr("Runs on a pool thread; the GUI keeps painting."), pBox,
                               QStringLiteral("GalleryFieldName"));
    pLayout->addWidget(pRebuild);
    pLayout->addWidget(pHint, 1);
    return pBox;
}

QWidget* DialogsPage::CreateTemporaryData()
{
    auto* pBox = new QGroupBox(tr("Temporary settings (kept until the next start)"), this);
    auto* pLayout = new QVBoxLayout(pBox);
    auto* pRow = new QHBoxLayout;
    m_pTemporaryKey = new QComboBox(pBox);
    m_pTemporaryKey->addItems(TemporaryKeys());
    m_pTemporaryValue = new QLineEdit(GalleryData::CameraNames().value(2), pBox);
    m_pTemporaryValue->setPlaceholderText(tr("Value"));
    auto* pStore = new QPushButton(tr("Store"), pBox);
    auto* pRemove = new QPushButton(tr("Remove"), pBox);
    connect(pStore, &QPushButton::clicked, this, &DialogsPage::StoreTemporaryValue);
    connect(pRemove, &QPushButton::clicked, this, &DialogsPage::RemoveTemporaryValue);
    pRow->addWidget(m_pTemporaryKey, 2);
    pRow->addWidget(m_pTemporaryValue, 2);
    pRow->addWidget(pStore);
    pRow->addWidget(pRemove);

    m_pTemporaryTable = new QTableWidget(0, 2, pBox);
    m_pTemporaryTable->setObjectName(QStringLiteral("GalleryTemporaryTable"));
    m_pTemporaryTable->setHorizontalHeaderLabels({tr("Key"), tr("Value")});
    m_pTemporaryTable->horizontalHeader()->setStretchLastSection(true);
    m_pTemporaryTable->horizontalHeader()->resizeSection(0, 170);
    m_pTemporaryTable->verticalHeader()->hide();
    m_pTemporaryTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTemporaryTable->setSelectionMode(QAbstractItemView::NoSelection);
    pLayout->addLayout(pRow);
    pLayout->addWidget(m_pTemporaryTable, 1);

    // Seed one value so that the table shows what a stored value looks like.
    CTemporaryDataManager::Instance().SetValue(TemporaryKeys().first(), GalleryData::CameraNames().value(0));
    RefreshTemporaryValues();
    return pBox;
}

QWidget* DialogsPage::CreatePreview()
{
    auto* pPreview = new CBaseDialogWithBottom(this);
    pPreview->setWindowFlags(Qt::Widget);
    pPreview->SetTitle(tr("Add camera"));
    pPreview->SetSizeBtnVisible(true);
    pPreview->SetCloseBtnVisible(true);
    if (auto* pTitle = pPreview->findChild<CTitleWidget*>(QStringLiteral("m_pTitleWidget"))) {
        pTitle->SetTitleIcon(QStringCovertPixmap(QLatin1String(s_szCameraIcon)).scaled(16, 16, Qt::KeepAspectRatio,
                                                                                        Qt::SmoothTransformation));
        // Embedded: dragging its title must not move the gallery window.
        pTitle->SetOpenWidgetMoveEnable(false);
    }
    pPreview->SetContentWnd(CameraPropertiesForm(GalleryData::CameraNames().value(3)));
    pPreview->SetConfirmBtnText(tr("Add"));
    pPreview->SetLeftBtnVisible(true);
    pPreview->GetLeftBtn()->setText(tr("Test connection"));
    // The buttons report here instead of closing the embedded dialog.
    CBaseDialogWithBottom::ReConnect(pPreview->GetConfirmBtn(), SIGNAL(clicked()), this, SLOT(OnPreviewConfirm()));
    CBaseDialogWithBottom::ReConnect(pPreview->GetCancelBtn(), SIGNAL(clicked()), this, SLOT(OnPreviewCancel()));
    connect(pPreview->GetLeftBtn(), &QPushButton::clicked, this, [this] {
        Log(tr("Connection test: 192.168.1.64 answered in 12 ms"));
    });
    connect(pPreview, &QDialog::finished, pPreview, &QWidget::show);
    return CreateSection(tr("Dialog with bottom buttons, embedded for a closer look"), pPreview, this);
}

QWidget* DialogsPage::CreateVideoPane()
{
    auto* pBox = new QGroupBox(tr("Full-screen video pane"), this);
    auto* pLayout = new QVBoxLayout(pBox);
    auto* pPane = new CVideoPane(GalleryData::CameraNames().value(1), pBox);
    auto* pButton = new QPushButton(QIcon(QStringLiteral(":/OrvaDesk/Dialog/Images/Public/Control/Dialog/FullScreen.png")),
                                    tr("Full screen (Esc returns)"), pBox);
    connect(pButton, &QPushButton::clicked, pPane, &CFullScreenWidget::OnChangeScreen);
    connect(pPane, &CFullScreenWidget::SignalScreenChanged, this, [this, pPane] {
        Log(pPane->IsFullScreen() ? tr("Video pane entered full screen") : tr("Video pane back in the page"));
    });
    pLayout->addWidget(pPane, 1);
    pLayout->addWidget(pButton, 0, Qt::AlignLeft);
    return pBox;
}

void DialogsPage::OnPreviewConfirm()
{
    Log(tr("\"Add\" routed to the page by ReConnect: the dialog stays open"));
}

void DialogsPage::OnPreviewCancel()
{
    Log(tr("\"Cancel\" routed to the page by ReConnect"));
}

void DialogsPage::OpenCameraProperties()
{
    const QString strCamera = GalleryData::CameraNames().value(0);
    auto* pDialog = new CBaseDialog(this);
    pDialog->setAttribute(Qt::WA_DeleteOnClose);
    pDialog->SetTitle(tr("Camera properties - %1").arg(strCamera));
    if (auto* pTitle = pDialog->findChild<CTitleWidget*>(QStringLiteral("m_pTitleWidget")))
        pTitle->SetTitleIcon(QStringCovertPixmap(QLatin1String(s_szCameraIcon)).scaled(16, 16, Qt::KeepAspectRatio,
                                                                                        Qt::SmoothTransformation));
    pDialog->SetSizeBtnVisible(true);
    pDialog->SetCloseBtnVisible(true);
    pDialog->SetTitleDoubleClickEnable(true);
    pDialog->SetContentWnd(CameraPropertiesForm(strCamera));
    pDialog->resize(460, 300);
    connect(pDialog, &QDialog::finished, this, [this] { Log(tr("Camera properties closed")); });
    pDialog->show();
    Log(tr("Camera properties opened (not modal)"));
}

void DialogsPage::OpenExportDialog()
{
    auto* pDialog = new CBaseDialogWithBottom(this);
    pDialog->setAttribute(Qt::WA_DeleteOnClose);
    pDialog->SetTitle(tr("Export recordings"));
    pDialog->SetSizeBtnVisible(true);
    pDialog->SetCloseBtnVisible(true);
    pDialog->SetTitleDoubleClickEnable(true);
    pDialog->SetContentWnd(ExportForm());
    pDialog->SetConfirmBtnText(tr("Export"));
    pDialog->SetLeftBtnVisible(true);
    pDialog->GetLeftBtn()->setText(tr("Estimate size"));
    connect(pDialog->GetLeftBtn(), &QPushButton::clicked, pDialog, [pDialog] {
        CInformationDlg::ShowInformationAtScreenRightBottom(
            DialogsPage::tr("About %1 for one hour of the main stream.").arg(GetFileSize(Q_UINT64_C(1932735283))),
            pDialog);
    });
    connect(pDialog, &QDialog::finished, this, [this](int iResult) {
        Log(iResult == QDialog::Accepted ? tr("Export confirmed") : tr("Export cancelled"));
    });
    pDialog->resize(440, 320);
    pDialog->open();
}

void DialogsPage::RebuildPlateIndex()
{
    CPlateIndexJob job;
    QElapsedTimer timer;
    timer.start();
    CWaitWatcher::Instance().Run(&job, &CPlateIndexJob::Rebuild, QLatin1String(s_szLoadingGif),
                                 tr("Rebuilding the plate index..."), this);
    Log(tr("Plate index rebuilt: %1 plates in %2 s, from %3 to %4")
            .arg(job.m_listPlates.size())
            .arg(timer.elapsed() / 1000.0, 0, 'f', 1)
            .arg(job.m_listPlates.value(0), job.m_listPlates.value(job.m_listPlates.size() - 1)));
}

void DialogsPage::StoreTemporaryValue()
{
    CTemporaryDataManager::Instance().SetValue(m_pTemporaryKey->currentText(), m_pTemporaryValue->text());
    RefreshTemporaryValues();
    Log(tr("Stored \"%1\" under %2").arg(m_pTemporaryValue->text(), m_pTemporaryKey->currentText()));
}

void DialogsPage::RemoveTemporaryValue()
{
    CTemporaryDataManager::Instance().RemoveKey(m_pTemporaryKey->currentText());
    RefreshTemporaryValues();
    Log(tr("Removed %1").arg(m_pTemporaryKey->currentText()));
}

void DialogsPage::RefreshTemporaryValues()
{
    const QStringList listKeys = TemporaryKeys();
    m_pTemporaryTable->setRowCount(listKeys.size());
    for (int iRow = 0; iRow < listKeys.size(); ++iRow) {
        const QVariant value = CTemporaryDataManager::Instance().GetValue(listKeys.at(iRow));
        m_pTemporaryTable->setItem(iRow, 0, new QTableWidgetItem(listKeys.at(iRow)));
        auto* pValue = new QTableWidgetItem(value.isValid() ? value.toString() : tr("(not set)"));
        if (!value.isValid())
            pValue->setForeground(QColor(0x6b, 0x76, 0x84));
        m_pTemporaryTable->setItem(iRow, 1, pValue);
    }
}

void DialogsPage::Log(const QString& strMessage)
{
    LogWithTime(m_pLogLine, strMessage);
}
