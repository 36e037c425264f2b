#ifndef ORVA_GALLERY_PAGES_PAGEKIT_H
#define ORVA_GALLERY_PAGES_PAGEKIT_H

#include <OrvaGUIToolkit/Label/Label.h>

#include <QtWidgets/QVBoxLayout>

// The frame every gallery page shares: a column without margins whose parts
// stand 14 pixels apart, and the log line the page reports its signals on.
inline QVBoxLayout* CreatePageLayout(QWidget* pPage)
{
    auto* pLayout = new QVBoxLayout(pPage);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(14);
    return pLayout;
}

inline OrvaGUIToolkit::CLabel* CreateLogLine(QWidget* pPage)
{
    auto* pLogLine = new OrvaGUIToolkit::CLabel(pPage);
    pLogLine->setObjectName(QStringLiteral("GalleryLogLine"));
    return pLogLine;
}

#endif
