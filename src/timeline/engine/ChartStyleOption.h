#ifndef ORVAGUITOOLKIT_CHARTSTYLEOPTION_H
#define ORVAGUITOOLKIT_CHARTSTYLEOPTION_H

#include <QtGui/QColor>
#include <QtGui/QPixmap>
#include <QtWidgets/QStyleOption>

namespace OrvaGUIToolkit {

// The colours and pictures of a chart view for one drawing pass. The view
// fills its own properties (CChartView::DrawChart), its subclass the rest
// (InitChartStyleOption); series must treat an invalid colour or a null
// pixmap as "not set".
class CChartStyleOption : public QStyleOption
{
public:
    enum StyleOptionType { Type = SO_CustomBase + 1 };
    enum StyleOptionVersion { Version = 1 };

    CChartStyleOption();

    QColor colorAxisName;
    QColor colorAxisText;
    QColor colorAxisSmallText;
    QColor colorScaleLine;
    QPixmap pixGroove;
    QPixmap pixTag;
    QColor colorMouseText;
    QColor colorTopBackground;
    QColor colorLeftChartBackground;
    QColor colorRightChartBackground;
    QColor colorSelectGridLine;
    bool openSelectRect = false;
    QColor colorSelectRect;
    double selectRectOpacity = 0.5;
    QColor colorMidLine;
};

} // namespace OrvaGUIToolkit

#endif
