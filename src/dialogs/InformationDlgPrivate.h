#ifndef ORVAGUITOOLKIT_DIALOGS_INFORMATIONDLGPRIVATE_H
#define ORVAGUITOOLKIT_DIALOGS_INFORMATIONDLGPRIVATE_H

#include <OrvaGUIToolkit/Dialog/InformationDlg.h>

#include "dialogs/BaseDialogPrivate.h"

QT_BEGIN_NAMESPACE
class QLabel;
class QPropertyAnimation;
class QTimer;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CInformationDlgPrivate : public CBaseDialogPrivate
{
    Q_DECLARE_PUBLIC(CInformationDlg)

public:
    explicit CInformationDlgPrivate(bool bAutoClose);
    ~CInformationDlgPrivate() override;

    // Builds the sign and the text in the content area, and the fade-out.
    void InitNotice(const QString& strText);
    void PlaceAtScreenRightBottom(const QWidget* pAnchor);

    QLabel* m_pIconLabel = nullptr;
    QLabel* m_pTextLabel = nullptr;
    QTimer* m_pDisplayTimer = nullptr;
    QPropertyAnimation* m_pFadeAnimation = nullptr;
    const bool m_bAutoClose;
};

} // namespace OrvaGUIToolkit

#endif
