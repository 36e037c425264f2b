#ifndef ORVAGUITOOLKIT_DIALOG_TITLEWIDGET_H
#define ORVAGUITOOLKIT_DIALOG_TITLEWIDGET_H

#include <OrvaGUIToolkit/Dialog/FancyTitle.h>

QT_BEGIN_NAMESPACE
class QLayout;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CTitleWidgetPrivate;

// A title bar: an optional icon, the title, and whatever widgets the window
// adds after them (its buttons, for example).
class ORVAGUITOOLKIT_EXPORT CTitleWidget : public CFancyTitle
{
    Q_OBJECT
    Q_PROPERTY(Qt::Alignment m_enumTitlePixmapAlignment READ GetTitlePixmapAlignment
               WRITE SetTitlePixmapAlignment RESET ResetTitlePixmapAlignment)
    Q_DECLARE_PRIVATE(CTitleWidget)

public:
    explicit CTitleWidget(QWidget* pParent = nullptr);
    ~CTitleWidget() override;

    void SetTitle(const QString& strTitle);
    QString GetTitle() const;
    // Shows the icon before the title; a null pixmap hides it.
    void SetTitleIcon(const QPixmap& pixIcon);
    // Shows a picture in place of the title text.
    void SetTitlePixmap(const QPixmap& pixTitle);

    void SetTitlePixmapAlignment(Qt::Alignment enumAlignment);
    Qt::Alignment GetTitlePixmapAlignment() const;
    void ResetTitlePixmapAlignment();

    void AddWidget(QWidget* pWidget);
    void AddLayout(QLayout* pLayout);
    void SetLayoutContentsMargins(int iLeft, int iTop, int iRight, int iBottom);
    void SetLayoutSpacing(int iSpacing);

protected:
    CTitleWidget(CTitleWidgetPrivate& dd, QWidget* pParent);
};

} // namespace OrvaGUIToolkit

#endif
