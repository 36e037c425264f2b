#ifndef ORVAGUITOOLKIT_GUIFUNCTIONSINTERNAL_H
#define ORVAGUITOOLKIT_GUIFUNCTIONSINTERNAL_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

// Current offset of local time from UTC in seconds, positive east of
// Greenwich. The timelines add it to time_t values to lay out whole local days.
int GetLocalUtcOffset();

// True when pWidget is pDescendant or one of its parents, across window
// boundaries. Such a widget cannot be put inside pDescendant: it would become
// its own ancestor.
bool IsSelfOrAncestor(const QWidget* pWidget, const QWidget* pDescendant);

} // namespace OrvaGUIToolkit

#endif
