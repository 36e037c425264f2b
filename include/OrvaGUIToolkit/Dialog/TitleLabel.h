#ifndef ORVAGUITOOLKIT_DIALOG_TITLELABEL_H
#define ORVAGUITOOLKIT_DIALOG_TITLELABEL_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtWidgets/QLabel>

namespace OrvaGUIToolkit {

// The text of a title bar. A centred title is centred on the whole bar (the
// label's parent), not on the space that the bar's other widgets leave it,
// as long as it fits; the full title is also the tool tip.
class ORVAGUITOOLKIT_EXPORT CTitleLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CTitleLabel(QWidget* pParent = nullptr);
    ~CTitleLabel() override;

    void SetTitleText(const QString& strText);
    QString GetTitleText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    int ContentWidth() const;
    void CentreOnParent(QRect& rect, Qt::Alignment& enumAlign, int iContentWidth) const;

    QString m_strTitleText;
};

} // namespace OrvaGUIToolkit

#endif
