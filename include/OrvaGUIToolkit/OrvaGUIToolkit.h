#ifndef ORVAGUITOOLKIT_ORVAGUITOOLKIT_H
#define ORVAGUITOOLKIT_ORVAGUITOOLKIT_H

// Umbrella header: every exported class and free function of the library.

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

// Toolkit foundation
#include <OrvaGUIToolkit/Foundation/GuiFunctions.h>
#include <OrvaGUIToolkit/Foundation/UiSingleton.h>
#include <OrvaGUIToolkit/Foundation/TemporaryDataManager.h>
#include <OrvaGUIToolkit/Foundation/WaitWatcher.h>
#include <OrvaGUIToolkit/Foundation/WidgetMaximizeManager.h>
#include <OrvaGUIToolkit/Foundation/WidgetSizeFactory.h>
#include <OrvaGUIToolkit/Foundation/FullScreenWidget.h>
#include <OrvaGUIToolkit/Foundation/PairData.h>
#include <OrvaGUIToolkit/Foundation/MultiPairData.h>
#include <OrvaGUIToolkit/Foundation/Dir.h>
#include <OrvaGUIToolkit/Foundation/File.h>

// Basic controls
#include <OrvaGUIToolkit/Button/PushButton.h>
#include <OrvaGUIToolkit/Button/ToolButton.h>
#include <OrvaGUIToolkit/CheckBox/CheckBox.h>
#include <OrvaGUIToolkit/Label/Label.h>
#include <OrvaGUIToolkit/LineEdit/RegExpValidator.h>
#include <OrvaGUIToolkit/LineEdit/LineEdit.h>
#include <OrvaGUIToolkit/LineEdit/PasswordLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/PlaceholdLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/ValidateLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/ValidateLineEditEx.h>
#include <OrvaGUIToolkit/LineEdit/IconButton.h>
#include <OrvaGUIToolkit/LineEdit/FancyLineEdit.h>
#include <OrvaGUIToolkit/LineEdit/FilterLineEdit.h>
#include <OrvaGUIToolkit/ScrollBar/ScrollBar.h>
#include <OrvaGUIToolkit/ToolTip/ToolTip.h>

// Picture galleries
#include <OrvaGUIToolkit/Picture/PicBaseLabel.h>
#include <OrvaGUIToolkit/Picture/PicLabel.h>
#include <OrvaGUIToolkit/Picture/PicDataModel.h>
#include <OrvaGUIToolkit/Picture/PicLabelList.h>

// Playback timelines
#include <OrvaGUIToolkit/Timeline/TimeSliderData.h>
#include <OrvaGUIToolkit/Timeline/TimeSlider.h>
#include <OrvaGUIToolkit/Timeline/SingleTimeSlider.h>
#include <OrvaGUIToolkit/Timeline/MultiTimeSlider.h>
#include <OrvaGUIToolkit/Timeline/TagEditDialog.h>

// Calendars
#include <OrvaGUIToolkit/Calendar/CalendarData.h>
#include <OrvaGUIToolkit/Calendar/CalendarWidget.h>
#include <OrvaGUIToolkit/Calendar/CalendarMonthWidget.h>
#include <OrvaGUIToolkit/Calendar/TimeEdit.h>
#include <OrvaGUIToolkit/Calendar/HourTimeEditPopup.h>
#include <OrvaGUIToolkit/Calendar/MinuteTimeEditPopup.h>
#include <OrvaGUIToolkit/Calendar/CalendarTimeWidget.h>
#include <OrvaGUIToolkit/Calendar/ComplexCalendarTimePopup.h>
#include <OrvaGUIToolkit/Calendar/CalendarTimePopup.h>
#include <OrvaGUIToolkit/Calendar/DateTimeEdit.h>
#include <OrvaGUIToolkit/Calendar/YearMonthDayEdit.h>
#include <OrvaGUIToolkit/Calendar/DateEdit.h>
#include <OrvaGUIToolkit/Calendar/BeginEndCalendarWidget.h>
#include <OrvaGUIToolkit/Calendar/BeginEndCalendarTimePopup.h>
#include <OrvaGUIToolkit/Calendar/RangeDateEdit.h>
#include <OrvaGUIToolkit/Calendar/RangeDateTimeEdit.h>

// Dialogs and frames
#include <OrvaGUIToolkit/Dialog/FancyTitle.h>
#include <OrvaGUIToolkit/Dialog/TitleLabel.h>
#include <OrvaGUIToolkit/Dialog/TitleWidget.h>
#include <OrvaGUIToolkit/Dialog/BaseDialog.h>
#include <OrvaGUIToolkit/Dialog/BaseDialogWithBottom.h>
#include <OrvaGUIToolkit/Dialog/InformationDlg.h>
#include <OrvaGUIToolkit/Dialog/WarningDlg.h>

// Menus
#include <OrvaGUIToolkit/Menu/Menu.h>

// Tab strip
#include <OrvaGUIToolkit/Tab/AuxiliaryData.h>
#include <OrvaGUIToolkit/Tab/TabScene.h>
#include <OrvaGUIToolkit/Tab/TabView.h>
#include <OrvaGUIToolkit/Tab/TabBar.h>
#include <OrvaGUIToolkit/Tab/TabWidget.h>
// Schedule editor
#include <OrvaGUIToolkit/Schedule/ScheduleData.h>
#include <OrvaGUIToolkit/Schedule/ScheduleWidget.h>
// Combo box, scroll bars and progress bar of the item views
#include <OrvaGUIToolkit/ComboBox/ComboBox.h>
#include <OrvaGUIToolkit/ScrollBar/HorScrollBar.h>
#include <OrvaGUIToolkit/ScrollBar/VerScrollBar.h>
#include <OrvaGUIToolkit/ProgressBar/ProgressBar.h>

// Item models and views
#include <OrvaGUIToolkit/ItemView/ItemDataRole.h>
#include <OrvaGUIToolkit/ItemView/StyleOptionViewItemV5.h>
#include <OrvaGUIToolkit/ItemView/TreeViewItem.h>
#include <OrvaGUIToolkit/ItemView/TreeViewModel.h>
#include <OrvaGUIToolkit/ItemView/ModelKeyMapping.h>
#include <OrvaGUIToolkit/ItemView/StandardItem.h>
#include <OrvaGUIToolkit/ItemView/StandardItemModel.h>
#include <OrvaGUIToolkit/ItemView/AbstractItemViewDelegate.h>
#include <OrvaGUIToolkit/ItemView/TableDelegate.h>
#include <OrvaGUIToolkit/ItemView/TreeViewWithRightPixmapDelegate.h>
#include <OrvaGUIToolkit/ItemView/MoreRightPixmapDelegate.h>
#include <OrvaGUIToolkit/ItemView/ImageItemViewDelegate.h>
#include <OrvaGUIToolkit/ItemView/HeaderView.h>
#include <OrvaGUIToolkit/ItemView/AbstractItemView.h>
#include <OrvaGUIToolkit/ItemView/TreeView.h>
#include <OrvaGUIToolkit/ItemView/TableView.h>
#include <OrvaGUIToolkit/ItemView/TableWidget.h>
#include <OrvaGUIToolkit/ItemView/CombinationModel.h>
#include <OrvaGUIToolkit/ItemView/CheckableModel.h>
#include <OrvaGUIToolkit/ItemView/ComboBoxModel.h>

// Charts
#include <OrvaGUIToolkit/Chart/PieChartView.h>

// Layouts and the video wall
#include <OrvaGUIToolkit/Layout/SplitTypeData.h>
#include <OrvaGUIToolkit/Layout/LayoutElementData.h>
#include <OrvaGUIToolkit/Layout/LayoutElementConfig.h>
#include <OrvaGUIToolkit/Layout/GenericDS.h>
#include <OrvaGUIToolkit/Layout/WidgetLayoutMgr.h>
#include <OrvaGUIToolkit/Layout/SelectCutNum.h>

// Sort/filter proxies of the search results
#include <OrvaGUIToolkit/ItemView/SortFilterModel.h>
#include <OrvaGUIToolkit/ItemView/SecondarySortFilterModel.h>
#include <OrvaGUIToolkit/ItemView/MultiPageSecondarySortFilterModel.h>
#include <OrvaGUIToolkit/ItemView/SortFilterProxyModel.h>
#include <OrvaGUIToolkit/ItemView/MutilColumnFilterProxyModel.h>
#include <OrvaGUIToolkit/ItemView/FilterTreeView.h>
#include <OrvaGUIToolkit/ItemView/MultiPageTreeView.h>
#include <OrvaGUIToolkit/ItemView/FilterViewContainer.h>

// Page-number strip and pagers
#include <OrvaGUIToolkit/Pager/IntValidator.h>
#include <OrvaGUIToolkit/Pager/SelfDrawnButton.h>
#include <OrvaGUIToolkit/Pager/PagerCtrl.h>
#include <OrvaGUIToolkit/Pager/PageInfo.h>

#endif
