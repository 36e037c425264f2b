#ifndef ORVAGUITOOLKIT_FOUNDATION_WAITDIALOG_H
#define ORVAGUITOOLKIT_FOUNDATION_WAITDIALOG_H

#include <QtWidgets/QDialog>

QT_BEGIN_NAMESPACE
class QLabel;
class QMovie;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// The modal window of the wait watcher: an animated image above a text. The
// user cannot close it; only Finish() does, when the work is done.
class CWaitDialog : public QDialog
{
    Q_OBJECT

public:
    CWaitDialog(const QString& strImagePath, const QString& strText, QWidget* pParent);
    ~CWaitDialog() override;

public Q_SLOTS:
    void Finish();
    void reject() override;

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;

private:
    QLabel* m_pMovieLabel = nullptr;
    QLabel* m_pTextLabel = nullptr;
    QMovie* m_pMovie = nullptr;
    bool m_bFinished = false;
};

} // namespace OrvaGUIToolkit

#endif
