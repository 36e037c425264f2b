#ifndef ORVAGUITOOLKIT_FOUNDATION_WIDGETMAXIMIZEMANAGER_H
#define ORVAGUITOOLKIT_FOUNDATION_WIDGETMAXIMIZEMANAGER_H

#include <OrvaGUIToolkit/Foundation/UiSingleton.h>

namespace OrvaGUIToolkit {

// How the client's windows maximise: to the available screen area (the
// default) or to full screen. The client sets it once; the base dialogs and
// their title bars read it whenever they maximise.
class ORVAGUITOOLKIT_EXPORT CWidgetMaximizeManager : public CUiSingleton<CWidgetMaximizeManager>
{
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

    std::atomic<int> m_iMode;
};

extern template class CUiSingleton<CWidgetMaximizeManager>;

} // namespace OrvaGUIToolkit

#endif
