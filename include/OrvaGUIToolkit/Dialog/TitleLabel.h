#ifndef ORVAGUITOOLKIT_DIALOG_TITLELABEL_H
#define ORVAGUITOOLKIT_DIALOG_TITLELABEL_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QLabel>

#include <memory>

namespace OrvaGUIToolkit {

class CTitleLabelPrivate;

// The text of a title bar. A centred title is centred on the whole bar (the
// label's parent), not on the space that the bar's other widgets leave it,
// as long as it fits; the full title is also the tool tip.
class ORVAGUITOOLKIT_EXPORT CTitleLabel : public QLabel
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CTitleLabel)

public:
    explicit CTitleLabel(QWidget* pParent = nullptr);
    ~CTitleLabel() override;

    void SetTitleText(const QString& strText);
    QString GetTitleText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    CTitleLabel(CTitleLabelPrivate& dd, QWidget* pParent);
    void paintEvent(QPaintEvent* pEvent) override;

    const std::unique_ptr<CTitleLabelPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
