#pragma once

#include <QString>

// The names of the windows and their controls, the objectNames by which code and tests find them.
// They are the names of the program's design, which name several controls alike in different
// windows: "Command1" is the select-all button of the main window, the record editor's OK and the
// list editor's "完成". Screen readers hear captions and accessible names, never these.

namespace MainWindowControls {
inline constexpr const char* window = "MainForm";
inline constexpr const char* clientArea = "ClientArea";
// The striped strip under the toolbar, with the select-all button, the status filter and the
// etched line at its foot.
inline constexpr const char* filterStrip = "Picture1";
inline constexpr const char* selectAllButton = "Command1";
inline constexpr const char* filterStripLine = "Line3";
// Each filter's option group, and its buttons in the order of their values: "全部" first.
inline constexpr const char* directionFilter = "Option1";
inline constexpr const char* directionAll = "Option1_0";
inline constexpr const char* directionLentOut = "Option1_1";
inline constexpr const char* directionBorrowedIn = "Option1_2";
inline constexpr const char* statusFilter = "Option2";
inline constexpr const char* statusAll = "Option2_0";
inline constexpr const char* statusNotReturned = "Option2_1";
inline constexpr const char* statusReturned = "Option2_2";
inline constexpr const char* categoryFilter = "Combo1";
inline constexpr const char* recordList = "ListView1";
inline constexpr const char* statusBar = "StatusBar1";
inline constexpr const char* summary = "StatusBar1_Text";
inline constexpr const char* overdueCount = "StatusBar1_Overdue";
} // namespace MainWindowControls

// The menus and their items, and the toolbar and its buttons.
namespace MainMenuItems {
inline constexpr const char* dataMenu = "Menu_Data";
inline constexpr const char* newRecord = "Data_New";
inline constexpr const char* deleteTicked = "Data_Del";
inline constexpr const char* removalSeparator = "Line0";
inline constexpr const char* clearReturned = "Data_Clear";
inline constexpr const char* exportShown = "Date_Export";
inline constexpr const char* quitSeparator = "Line1";
inline constexpr const char* quit = "Data_Quit";

inline constexpr const char* listsMenu = "Menu_Set";
inline constexpr const char* editCategories = "Set_Type";
inline constexpr const char* editItems = "Set_Affair";
inline constexpr const char* editBorrowers = "Set_Borrower";

inline constexpr const char* viewMenu = "Menu_View";
// "字型大小 09" … "字型大小 16".
inline QString fontSize(int size)
{
    return QStringLiteral("View_Font%1").arg(size, 2, 10, QLatin1Char('0'));
}
inline constexpr const char* peopleSeparator = "Line5";
inline constexpr const char* people = "View_People";

inline constexpr const char* helpMenu = "Menu_Help";
inline constexpr const char* helpPage = "Help_Help";
inline constexpr const char* aboutSeparator = "Line2";
inline constexpr const char* about = "Help_About";
// "Line3" is the filter strip's line.
inline constexpr const char* updateSeparator = "Line4";
inline constexpr const char* checkForUpdates = "Help_Update";

// The toolbar's buttons and separators, numbered from the left.
inline constexpr const char* toolbar = "Toolbar1";
inline constexpr const char* firstToolbarSeparator = "Toolbar1_Button1";
inline constexpr const char* newRecordButton = "Toolbar1_Button2";
inline constexpr const char* deleteTickedButton = "Toolbar1_Button3";
inline constexpr const char* listsToolbarSeparator = "Toolbar1_Button4";
inline constexpr const char* editCategoriesButton = "Toolbar1_Button5";
inline constexpr const char* editItemsButton = "Toolbar1_Button6";
inline constexpr const char* editBorrowersButton = "Toolbar1_Button7";
inline constexpr const char* updateToolbarSeparator = "Toolbar1_Button8";
inline constexpr const char* checkForUpdatesButton = "Toolbar1_Button9";
} // namespace MainMenuItems

// The etched separator above a dialog's own buttons: its grey line and the white one under it.
namespace DialogSeparator {
inline constexpr const char* shadowLine = "Line1";
inline constexpr const char* lightLine = "Line2";
} // namespace DialogSeparator

namespace RecordEditorControls {
inline constexpr const char* dialog = "InputForm";
inline constexpr const char* dateBox = "Text0";
inline constexpr const char* dateCaption = "Label1";
inline constexpr const char* lentOutButton = "Option1";
inline constexpr const char* borrowedInButton = "Option2";
inline constexpr const char* categoryBox = "Combo1";
inline constexpr const char* categoryCaption = "Label2";
inline constexpr const char* borrowerBox = "Text1";
inline constexpr const char* borrowerCaption = "Label3";
inline constexpr const char* pickBorrowerButton = "Command4";
inline constexpr const char* addBorrowerBox = "Check3";
inline constexpr const char* contentBox = "Text2";
inline constexpr const char* contentCaption = "Label4";
inline constexpr const char* addItemBox = "Check2";
inline constexpr const char* pickItemsButton = "Command3";
inline constexpr const char* amountBox = "Text5";
inline constexpr const char* amountCaption = "Label6";
inline constexpr const char* amountNote = "Label7";
inline constexpr const char* dueDateBox = "Text3";
inline constexpr const char* dueDateCaption = "Label5";
inline constexpr const char* returnedBox = "Check1";
inline constexpr const char* returnDateBox = "Text4";
inline constexpr const char* okButton = "Command1";
inline constexpr const char* cancelButton = "Command2";
} // namespace RecordEditorControls

namespace NamePickerControls {
inline constexpr const char* dialog = "UseForm";
inline constexpr const char* searchBox = "Text1";
inline constexpr const char* searchButton = "Command3";
inline constexpr const char* clearSearchButton = "Command4";
inline constexpr const char* list = "List1";
inline constexpr const char* okButton = "Command1";
inline constexpr const char* cancelButton = "Command2";
} // namespace NamePickerControls

namespace ListEditorControls {
inline constexpr const char* dialog = "SetForm";
inline constexpr const char* list = "List1";
inline constexpr const char* addButton = "Command2";
inline constexpr const char* renameButton = "Command3";
inline constexpr const char* deleteButton = "Command4";
inline constexpr const char* moveUpButton = "Command5";
inline constexpr const char* moveDownButton = "Command6";
inline constexpr const char* doneButton = "Command1";
} // namespace ListEditorControls

namespace AboutControls {
inline constexpr const char* dialog = "AboutForm";
inline constexpr const char* icon = "Image2";
inline constexpr const char* captionLabel = "Label1";
inline constexpr const char* copyrightLabel = "Label2";
inline constexpr const char* webSiteLabel = "Label3";
inline constexpr const char* mailAddressLabel = "Label4";
inline constexpr const char* okButton = "Command1";
inline constexpr const char* mailButton = "Command3";
} // namespace AboutControls

namespace PeopleWindowControls {
inline constexpr const char* dialog = "PeopleForm";
inline constexpr const char* list = "PeopleList";
inline constexpr const char* totals = "PeopleTotals";
inline constexpr const char* closeButton = "PeopleClose";
} // namespace PeopleWindowControls

namespace PersonRecordsControls {
inline constexpr const char* dialog = "PersonForm";
inline constexpr const char* list = "PersonList";
inline constexpr const char* count = "PersonCount";
inline constexpr const char* closeButton = "PersonClose";
} // namespace PersonRecordsControls
