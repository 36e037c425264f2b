#ifndef ORVAGUITOOLKIT_FOUNDATION_WIDGETMAXIMIZEMANAGER_H
#define ORVAGUITOOLKIT_FOUNDATION_WIDGETMAXIMIZEMANAGER_H

#include <OrvaGUIToolkit/Foundation/UiSingleton.h>

#include <memory>

namespace OrvaGUIToolkit {

class CWidgetMaximizeManagerPrivate;

// How the client's windows maximise: to the available screen area (the
// default) or to full screen. The client sets it once; the base dialogs and
// their title bars read it whenever they maximise.
class ORVAGUITOOLKIT_EXPORT CWidgetMaximizeManager : public CUiSingleton<CWidgetMaximizeManager>
{
    Q_DECLARE_PRIVATE(CWidgetMaximizeManager)

public:
    enum WidgetMaximizeMode
    {
        MaximizeToAvailableArea = 0,
        MaximizeToFullScreen = 1
    };

    ~CWidgetMaximizeManager() override;

    void SetWidgetMaximizeMode(WidgetMaximizeMode enumMode);
    WidgetMaximizeMode GetWidgetMaximizeMode() const;

private:
    friend class CUiSingleton<CWidgetMaximizeManager>;
    CWidgetMaximizeManager();

    const std::unique_ptr<CWidgetMaximizeManagerPrivate> d_ptr;
};

extern template class CUiSingleton<CWidgetMaximizeManager>;

} // namespace OrvaGUIToolkit

#endif
