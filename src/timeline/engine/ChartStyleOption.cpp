#include "ChartStyleOption.h"

namespace OrvaGUIToolkit {

CChartStyleOption::CChartStyleOption()
    : QStyleOption(Version, Type)
{
}

} // namespace OrvaGUIToolkit
