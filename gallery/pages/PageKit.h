#ifndef ORVA_GALLERY_PAGES_PAGEKIT_H
#define ORVA_GALLERY_PAGES_PAGEKIT_H

#include <OrvaGUIToolkit/Label/Label.h>

#include <QtCore/QTime>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

// How far apart the parts of a page stand: the boxes in its column and in
// the rows and columns of boxes nested in it.
constexpr int s_iPartGap = 14;

// A layout that fills pWidget up to its edges; a negative spacing keeps the
// style's.
template <class TLayout = QVBoxLayout>
TLayout* CreateFlushLayout(QWidget* pWidget, int iSpacing = -1)
{
    auto* pLayout = new TLayout(pWidget);
    pLayout->setContentsMargins(0, 0, 0, 0);
    if (iSpacing >= 0)
        pLayout->setSpacing(iSpacing);
    return pLayout;
}

// The frame most gallery pages share: a column without margins whose parts
// stand s_iPartGap apart.
inline QVBoxLayout* CreatePageLayout(QWidget* pPage)
{
    return CreateFlushLayout(pPage, s_iPartGap);
}

// A row or column of page parts nested in the page's layout.
template <class TLayout>
TLayout* CreatePartsLayout()
{
    auto* pLayout = new TLayout;
    pLayout->setSpacing(s_iPartGap);
    return pLayout;
}

// A titled box around one widget.
inline QGroupBox* CreateSection(const QString& strTitle, QWidget* pContent, QWidget* pParent)
{
    auto* pBox = new QGroupBox(strTitle, pParent);
    auto* pLayout = new QVBoxLayout(pBox);
    pLayout->addWidget(pContent);
    return pBox;
}

// A quiet line of explanation or summary; the theme styles it by its name.
inline QLabel* CreateHint(const QString& strText, QWidget* pParent,
                          const QString& strObjectName = QStringLiteral("GalleryHint"))
{
    auto* pHint = new QLabel(strText, pParent);
    pHint->setObjectName(strObjectName);
    return pHint;
}

// The line a page reports its signals on, with what to try first.
inline OrvaGUIToolkit::CLabel* CreateLogLine(QWidget* pPage, const QString& strText = QString())
{
    auto* pLogLine = new OrvaGUIToolkit::CLabel(strText, pPage);
    pLogLine->setObjectName(QStringLiteral("GalleryLogLine"));
    return pLogLine;
}

// Shows strMessage on the log line after the time it happened, so that a
// repeated message still shows that something new happened.
inline void LogWithTime(OrvaGUIToolkit::CLabel* pLogLine, const QString& strMessage)
{
    pLogLine->SetText(QStringLiteral("%1  %2").arg(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")),
                                                   strMessage));
}

#endif
