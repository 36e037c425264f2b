#include "WaitDialog.h"

#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>

#include <QtGui/QCloseEvent>
#include <QtGui/QMovie>
#include <QtGui/QScreen>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

namespace OrvaGUIToolkit {

CWaitDialog::CWaitDialog(const QString& strImagePath, const QString& strText, QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("CWaitDialog"));
    setModal(true);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(24, 18, 24, 18);
    pLayout->setSpacing(10);

    m_pMovieLabel = new QLabel(this);
    m_pMovieLabel->setObjectName(QStringLiteral("m_pMovieLabel"));
    m_pMovieLabel->setAlignment(Qt::AlignCenter);
    m_pMovie = new QMovie(strImagePath, QByteArray(), this);
    // A missing or unreadable image leaves only the text.
    if (m_pMovie->isValid())
        m_pMovieLabel->setMovie(m_pMovie);
    else
        m_pMovieLabel->hide();

    m_pTextLabel = new QLabel(strText, this);
    m_pTextLabel->setObjectName(QStringLiteral("m_pTextLabel"));
    m_pTextLabel->setAlignment(Qt::AlignCenter);
    m_pTextLabel->setVisible(!strText.isEmpty());

    pLayout->addWidget(m_pMovieLabel, 0, Qt::AlignCenter);
    pLayout->addWidget(m_pTextLabel, 0, Qt::AlignCenter);
}

CWaitDialog::~CWaitDialog() = default;

void CWaitDialog::Finish()
{
    m_bFinished = true;
    m_pMovie->stop();
    accept();
}

void CWaitDialog::reject()
{
    // Escape must not end the wait while the work still runs.
    if (m_bFinished)
        QDialog::reject();
}

void CWaitDialog::closeEvent(QCloseEvent* pEvent)
{
    if (m_bFinished)
        QDialog::closeEvent(pEvent);
    else
        pEvent->ignore();
}

void CWaitDialog::showEvent(QShowEvent* pEvent)
{
    QDialog::showEvent(pEvent);
    adjustSize();
    const QWidget* pAnchor = GetIndependentWindow(parentWidget());
    const QRect rectAnchor = pAnchor ? pAnchor->frameGeometry()
                                     : (screen() ? screen()->availableGeometry() : QRect());
    if (rectAnchor.isValid())
        move(rectAnchor.center() - rect().center());
    if (m_pMovieLabel->movie())
        m_pMovie->start();
}

} // namespace OrvaGUIToolkit

#include "moc_WaitDialog.cpp"
