// DrawView: the one view of a display period.
#include "views/view_model.h"

namespace marevo {

ViewReport DrawView(int displayPeriod, Canvas& canvas, const ViewModel& model)
{
    switch (displayPeriod) {
    case OneDay: return DrawOneDayView(canvas, model);
    case SevenDays: return DrawSevenDayView(canvas, model);
    case FortyTwoDays: return DrawFortyTwoDayView(canvas, model);
    case TideTable: return DrawTideTableView(canvas, model);
    default: return ViewReport();
    }
}

} // namespace marevo
