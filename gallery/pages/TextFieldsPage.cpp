#include "TextFieldsPage.h"
#include "pages/PageKit.h"

#include "GalleryData.h"

#include <OrvaGUIToolkit/Label/Label.h>
#include <OrvaGUIToolkit/LineEdit/FancyLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/FilterLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/LineEdit.h>
#include <OrvaGUIToolkit/LineEdit/PasswordLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/PlaceholdLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/RegExpValidator.h>
#include <OrvaGUIToolkit/LineEdit/ValidateLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/ValidateLineEditEx.h>

#include <QTextCodec>
#include <QActionGroup>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenu>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QVBoxLayout>

using namespace OrvaGUIToolkit;

namespace {

// Remarks are stored by the recorder in a 32-byte GBK field.
const int s_iRemarkBytes = 32;

QString LineEditImage(const char* szName)
{
    return QStringLiteral(":/OrvaDesk/LineEdit/Images/Public/Control/LineEdit/%1.png").arg(QLatin1String(szName));
}

QLabel* Hint(const QString& strText, QWidget* pParent)
{
    QLabel* pHint = CreateHint(strText, pParent, QStringLiteral("GalleryFieldHint"));
    pHint->setWordWrap(true);
    return pHint;
}

// The boxes of fields: names 14 pixels from their fields, rows 8 apart.
QFormLayout* CreateFieldForm(QWidget* pBox)
{
    auto* pForm = new QFormLayout(pBox);
    pForm->setHorizontalSpacing(14);
    pForm->setVerticalSpacing(8);
    return pForm;
}

} // namespace

TextFieldsPage::TextFieldsPage(QWidget* pParent)
    : QWidget(pParent)
{
    auto* pLayout = CreatePageLayout(this);
    m_pLogLine = CreateLogLine(this, tr("Type into a field: refusals, byte counts and filter changes show here."));

    auto* pColumns = CreatePartsLayout<QHBoxLayout>();
    auto* pLeft = CreatePartsLayout<QVBoxLayout>();
    pLeft->addWidget(CreateDeviceBox());
    pLeft->addWidget(CreateLoginBox());
    pLeft->addWidget(CreateExportBox());
    pLeft->addStretch(1);
    auto* pRight = CreatePartsLayout<QVBoxLayout>();
    pRight->addWidget(CreateSearchBox());
    pRight->addWidget(CreateFilterBox(), 1);
    pColumns->addLayout(pLeft, 1);
    pColumns->addLayout(pRight, 1);
    pLayout->addLayout(pColumns, 1);
    pLayout->addWidget(m_pLogLine);
}

QWidget* TextFieldsPage::CreateDeviceBox()
{
    auto* pBox = new QGroupBox(tr("Encoder channel"), this);
    auto* pForm = CreateFieldForm(pBox);

    auto* pName = new CValidateLineEditEx(pBox);
    pName->setText(QStringLiteral("Main Gate Entry"));
    connect(pName, &CValidateLineEdit::SignalTextChanged, this, [this](const QString& strName) {
        Log(tr("Device name accepted: \"%1\"").arg(strName));
    });
    pForm->addRow(tr("Device name"), pName);
    pForm->addRow(QString(), Hint(tr("Refused with a tool tip: ' / \\ : * ? \" < > |"), pBox));

    m_pRemarkEdit = new CLineEdit(pBox);
    auto* pRemarkValidator = new CRegExpValidator(s_iRemarkBytes, m_pRemarkEdit);
    pRemarkValidator->SetTextCodec(QTextCodec::codecForName("GBK"));
    m_pRemarkEdit->setValidator(pRemarkValidator);
    // Chinese characters take two bytes each in GBK, digits and spaces one.
    m_pRemarkEdit->setText(QString::fromUtf8("\xe5\x8d\x97\xe9\x97\xa8\xe5\x85\xa5\xe5\x8f\xa3 2"
                                             "\xe5\x8f\xb7\xe8\xbd\xa6\xe9\x81\x93 \xe5\xa4\x9c\xe9\x97\xb4"));
    m_pRemarkBytes = CreateHint(QString(), pBox, QStringLiteral("GalleryFieldHint"));
    m_pRemarkBar = new QProgressBar(pBox);
    m_pRemarkBar->setObjectName(QStringLiteral("GalleryByteBar"));
    m_pRemarkBar->setRange(0, s_iRemarkBytes);
    m_pRemarkBar->setTextVisible(false);
    m_pRemarkBar->setFixedHeight(4);
    connect(m_pRemarkEdit, &QLineEdit::textChanged, this, &TextFieldsPage::UpdateRemarkBytes);
    pForm->addRow(tr("Remark"), m_pRemarkEdit);
    pForm->addRow(QString(), m_pRemarkBar);
    pForm->addRow(QString(), m_pRemarkBytes);
    UpdateRemarkBytes();
    return pBox;
}

QWidget* TextFieldsPage::CreateLoginBox()
{
    auto* pBox = new QGroupBox(tr("Device login"), this);
    auto* pForm = CreateFieldForm(pBox);

    auto* pAddress = new CPlaceholdLineEdit(pBox);
    pAddress->setPlaceholderText(tr("IPv4 address, e.g. 192.168.1.64"));
    pAddress->SetToolTips(tr("The encoder's address on the video network"));
    auto* pUser = new CLineEdit(QStringLiteral("admin"), pBox);
    auto* pPassword = new CPasswordLineEdit(pBox);
    pPassword->setEchoMode(QLineEdit::Password);
    pPassword->setText(QStringLiteral("Orva#2026"));
    connect(pPassword, &CLineEdit::SignalFousOut, this, [this](const QString& strPassword) {
        Log(tr("Password entered (%n characters)", nullptr, strPassword.size()));
    });
    pForm->addRow(tr("Address"), pAddress);
    pForm->addRow(tr("User"), pUser);
    pForm->addRow(tr("Password"), pPassword);
    pForm->addRow(QString(), Hint(tr("Cut, copy and paste are refused: passwords are typed."), pBox));
    return pBox;
}

QWidget* TextFieldsPage::CreateExportBox()
{
    auto* pBox = new QGroupBox(tr("Clip export"), this);
    auto* pForm = CreateFieldForm(pBox);

    auto* pFolder = new CValidateLineEdit(pBox);
    pFolder->setText(QStringLiteral("Gate's clips 2026-12-05"));
    connect(pFolder, &CValidateLineEdit::SignalTextChanged, this, [this](const QString& strFolder) {
        Log(tr("Export folder accepted: \"%1\"").arg(strFolder));
    });
    auto* pPrefix = new CPlaceholdLineEdit(pBox);
    pPrefix->setPlaceholderText(tr("File name prefix (camera name if empty)"));
    pPrefix->SetToolTips(tr("Every exported file starts with this text"));
    pForm->addRow(tr("Folder"), pFolder);
    pForm->addRow(tr("Prefix"), pPrefix);
    pForm->addRow(QString(), Hint(tr("Folder names may keep an apostrophe; / \\ : * ? \" < > | are refused."), pBox));
    return pBox;
}

QWidget* TextFieldsPage::CreateSearchBox()
{
    auto* pBox = new QGroupBox(tr("Plate search"), this);
    auto* pLayout = new QVBoxLayout(pBox);
    pLayout->setSpacing(8);

    auto* pSearch = new CFancyLineEdit(pBox);
    pSearch->setObjectName(QStringLiteral("GallerySearchField"));
    pSearch->setPlaceholderText(tr("Plate number"));
    pSearch->setText(QStringLiteral("KM-47"));
    pSearch->SetButtonPixmap(CFancyLineEdit::Left, QPixmap(LineEditImage("SearchMenu")));
    pSearch->SetButtonPixmap(CFancyLineEdit::Right, QPixmap(LineEditImage("Go")));
    pSearch->SetButtonVisible(CFancyLineEdit::Left, true);
    pSearch->SetButtonVisible(CFancyLineEdit::Right, true);
    pSearch->SetButtonToolTip(CFancyLineEdit::Left, tr("Search in..."));
    pSearch->SetButtonToolTip(CFancyLineEdit::Right, tr("Search"));

    auto* pScopeMenu = new QMenu(pSearch);
    auto* pScopes = new QActionGroup(pScopeMenu);
    for (const QString& strScope : {tr("Plate number"), tr("Camera"), tr("Vehicle colour")}) {
        QAction* pAction = pScopeMenu->addAction(strScope);
        pAction->setCheckable(true);
        pAction->setChecked(pScopes->actions().isEmpty());
        pScopes->addAction(pAction);
        connect(pAction, &QAction::triggered, this, [this, pSearch, strScope] {
            pSearch->setPlaceholderText(strScope);
            Log(tr("Searching by %1").arg(strScope.toLower()));
        });
    }
    pSearch->SetButtonMenu(CFancyLineEdit::Left, pScopeMenu);
    pSearch->SetMenuTabFocusTrigger(CFancyLineEdit::Left, false);

    auto fnSearch = [this, pSearch] {
        int iHits = 0;
        for (const GalleryData::VehicleRecord& record : GalleryData::VehicleRecords(200))
            iHits += record.strPlate.contains(pSearch->text(), Qt::CaseInsensitive) ? 1 : 0;
        Log(tr("\"%1\": %n passage(s) in the last 24 hours", nullptr, iHits).arg(pSearch->text()));
    };
    connect(pSearch, &CFancyLineEdit::SignalRightButtonClicked, this, fnSearch);
    connect(pSearch, &CLineEdit::SignalEditingFinished, this, fnSearch);

    pLayout->addWidget(pSearch);
    pLayout->addWidget(Hint(tr("The magnifier opens the search scope menu; the arrow runs the search."), pBox));
    return pBox;
}

QWidget* TextFieldsPage::CreateFilterBox()
{
    auto* pBox = new QGroupBox(tr("Cameras"), this);
    auto* pLayout = new QVBoxLayout(pBox);
    pLayout->setSpacing(8);

    auto* pFilter = new CFilterLineEdit(pBox);
    pFilter->setPlaceholderText(tr("Filter cameras"));
    pFilter->SetDefaultRegExp(true);
    m_pCameraList = new QListWidget(pBox);
    m_pCameraList->setObjectName(QStringLiteral("GalleryCameraList"));
    const QIcon iconCamera(QStringLiteral(":/OrvaDesk/Icon/Images/Public/Icon/LiveView.png"));
    for (const QString& strCamera : GalleryData::CameraNames())
        m_pCameraList->addItem(new QListWidgetItem(iconCamera, strCamera));
    m_pCameraCount = CreateHint(QString(), pBox, QStringLiteral("GalleryFieldHint"));
    connect(pFilter, &CFilterLineEdit::SignalFilterChanged, this,
            [this](const QString& strNew, const QString& strOld) {
                ApplyCameraFilter(strNew);
                Log(tr("Camera filter \"%1\" -> \"%2\"").arg(strOld, strNew));
            });

    pFilter->setText(QStringLiteral("Parking"));
    // Shown at once fully opaque, without waiting for the fade.
    pFilter->SetAutoHideButton(CFancyLineEdit::Right, true);
    ApplyCameraFilter(pFilter->text());

    pLayout->addWidget(pFilter);
    pLayout->addWidget(m_pCameraList, 1);
    pLayout->addWidget(m_pCameraCount);
    return pBox;
}

// Style sheets cannot set the placeholder colour, and polishing a field resets
// its palette: dim the placeholders once the fields are polished.
void TextFieldsPage::showEvent(QShowEvent* pEvent)
{
    QWidget::showEvent(pEvent);
    for (QLineEdit* pEdit : findChildren<QLineEdit*>()) {
        QPalette palette = pEdit->palette();
        palette.setColor(QPalette::PlaceholderText, QColor(0x6b, 0x76, 0x84));
        pEdit->setPalette(palette);
    }
}

void TextFieldsPage::UpdateRemarkBytes()
{
    const auto* pValidator = qobject_cast<const CRegExpValidator*>(m_pRemarkEdit->validator());
    if (!pValidator)
        return;
    const int iUsed = pValidator->GetTextCodec()->fromUnicode(m_pRemarkEdit->text()).size();
    m_pRemarkBar->setValue(iUsed);
    m_pRemarkBytes->setText(tr("%1 of %2 bytes used, %3 left (%4)")
                                .arg(iUsed)
                                .arg(pValidator->GetMaxLength())
                                .arg(pValidator->GetMaxLength() - iUsed)
                                .arg(QString::fromLatin1(pValidator->GetTextCodec()->name())));
}

void TextFieldsPage::ApplyCameraFilter(const QString& strFilter)
{
    int iShown = 0;
    for (int iRow = 0; iRow < m_pCameraList->count(); ++iRow) {
        QListWidgetItem* pItem = m_pCameraList->item(iRow);
        const bool bShown = pItem->text().contains(strFilter, Qt::CaseInsensitive);
        pItem->setHidden(!bShown);
        iShown += bShown ? 1 : 0;
    }
    m_pCameraCount->setText(tr("%1 of %2 cameras").arg(iShown).arg(m_pCameraList->count()));
}

void TextFieldsPage::Log(const QString& strMessage)
{
    LogWithTime(m_pLogLine, strMessage);
}
