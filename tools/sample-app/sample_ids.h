#pragma once
// Identifiers and geometry of the sample app's windows. Tests include this to find
// controls (GetDlgItem) and to compute where they are. Positions are client coordinates
// of the top-level window; every window has a client area of kClientWidth x kClientHeight.

namespace sample_app {

inline constexpr char kWindowClass[] = "GleanSampleApp";
// The class of the windows made as Unicode windows (the document scenarios).
inline constexpr char kUnicodeWindowClass[] = "GleanSampleAppW";
inline constexpr wchar_t kUnicodeWindowClassW[] = L"GleanSampleAppW";
inline constexpr char kDefaultTitle[] = "Glean サンプル";
inline constexpr char kDefaultScenario[] = "all";

inline constexpr int kClientWidth = 900;
inline constexpr int kClientHeight = 700;
// Screen position of the first window's frame; the second window of "twins" is offset.
inline constexpr int kWindowLeft = 20;
inline constexpr int kWindowTop = 20;
inline constexpr int kTwinOffset = 60;

// Appended to the title by the "blanks" scenario.
inline constexpr char kBlankSuffix[] = "  ";

// Process exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadArguments = 2;
inline constexpr int kExitNoWindow = 3;

// Menu command that closes the window.
inline constexpr int kMenuExit = 100;

namespace all {  // scenario "all"
inline constexpr int kToolBar = 1010;  // not 1001: that is the id of a drop-down combo's edit field
inline constexpr int kLabelName = 1101;
inline constexpr int kLabelTwin1 = 1102;
inline constexpr int kLabelTwin2 = 1103;
inline constexpr int kLabelAmpersand = 1104;
inline constexpr int kLabelAscii = 1105;
inline constexpr int kEditSingle = 1201;
inline constexpr int kEditMulti = 1202;
inline constexpr int kButtonRun = 1301;
inline constexpr int kCheckOn = 1302;
inline constexpr int kCheckOff = 1303;
inline constexpr int kGroup = 1304;
inline constexpr int kButtonInGroup = 1305;
inline constexpr int kComboDropDown = 1401;
inline constexpr int kComboDropList = 1402;
inline constexpr int kListSingle = 1501;
inline constexpr int kListSingleNone = 1502;
inline constexpr int kListMulti = 1503;
inline constexpr int kListMultiNone = 1504;
inline constexpr int kListView = 1601;
inline constexpr int kTreeView = 1701;
inline constexpr int kTab = 1801;
inline constexpr int kPage0Label = 1811;
inline constexpr int kPage0Edit = 1812;
inline constexpr int kPage1Label = 1821;
inline constexpr int kPage1Button = 1822;
inline constexpr int kStatusBar = 1901;
}  // namespace all

namespace manysel {
inline constexpr int kListAll = 2001;     // 1200 items, all selected
inline constexpr int kListThree = 2002;   // 10 items, 1, 4 and 8 selected
inline constexpr int kItemCount = 1200;
}  // namespace manysel

namespace listview {
inline constexpr int kRoomy = 2101;       // 3 rows, room for many more
inline constexpr int kOneSelected = 2102; // 5 rows, row 2 selected
inline constexpr int kThreeSelected = 2103;  // 20 rows, 1, 3, 15 selected; 15 out of view
inline constexpr int kNoColumns = 2104;   // report view without any column
}  // namespace listview

namespace longitem {
inline constexpr int kListBox = 2201;
inline constexpr int kListView = 2202;
inline constexpr int kStatusBar = 2203;
inline constexpr int kLabel = 2204;
inline constexpr int kEdit = 2205;
inline constexpr int kToolBar = 2206;
inline constexpr int kTreeView = 2207;
inline constexpr int kToolButton = 2211;  // command of the long toolbar button
}  // namespace longitem

namespace badpointer {
inline constexpr int kLabelBefore = 2303;
inline constexpr int kReadable = 2302;    // an ordinary list view
inline constexpr int kUnreadable = 2301;  // answers item queries with an unreadable pointer
inline constexpr int kLabelAfter = 2304;
}  // namespace badpointer

namespace twins {
inline constexpr int kLabel = 2401;  // "双子の一番目" in the first window, "双子の二番目" in the second
}

namespace blanks {
inline constexpr int kLabel = 2501;
}

// "windowlist": beside the main window (shown last), windows a window list must treat
// apart. Their titles are the main title followed by these suffixes.
namespace windowlist {
inline constexpr char kTApplicationClass[] = "TApplication";
inline constexpr char kTApplicationSuffix[] = " TApplication";  // class "TApplication"
inline constexpr char kHiddenSuffix[] = " 隠れた窓";            // never shown
inline constexpr char kToolSuffix[] = " ツール窓";              // WS_EX_TOOLWINDOW
// and one shown window of the sample app's class with an empty title
}  // namespace windowlist

namespace bench {  // scenarios "bigreport" and "statics"
inline constexpr int kReport = 2601;
inline constexpr int kReportRows = 500;
inline constexpr int kReportColumns = 5;
inline constexpr int kFirstStatic = 3000;  // 3000 .. 3999
inline constexpr int kStaticCount = 1000;
}  // namespace bench

namespace whole {  // scenarios "wholelist", "wholetree", "bigtext" and "liars"
inline constexpr int kList = 2701;
inline constexpr int kListRows = 5000;  // columns "番号" (the row) and "件名" ("件名<row>")
inline constexpr int kTree = 2702;      // the nodes of WholeTree() (whole_tree.h)
inline constexpr int kEdit = 2703;      // LinedText(kBigTextBytes)
inline constexpr int kBigTextBytes = 200 * 1024;
inline constexpr int kLyingList = 2704;     // three rows, an endless page
inline constexpr int kLyingToolBar = 2705;  // two buttons, endless buttons
}  // namespace whole
namespace document {  // scenarios "document", "dochang", "doccycle", "dochuge"
inline constexpr int kLabel = 2501;
inline constexpr int kView = 2502;
inline constexpr int kRowHeight = 20;
// Appended to the title; a reader of code page 932 sees kTitleSuffix932.
inline constexpr wchar_t kTitleSuffix[] = L" Ångström ☃";
inline constexpr char kTitleSuffix932[] = " Angstrom 〓";
}  // namespace document

namespace slowrow {  // scenario "slowrow"
inline constexpr int kList = 2801;     // owner data, 5 rows; row kSlowRow answers late
inline constexpr int kSlowRow = 2;     // asked from another program, answers after kDelayMs
inline constexpr int kDelayMs = 3000;
inline constexpr int kAnswered = 2802; // label: "遅れた答え: <n>" after each late answer
}  // namespace slowrow
namespace sources {  // scenario "sources": lists to copy as tables and items to go back to
inline constexpr int kList = 4101;    // columns made 名前, 隠し (width 0), 種類, 場所; shown 種類, 名前, 場所
inline constexpr int kTree = 4102;    // 果物 (りんご, みかん), 野菜 (にんじん)
inline constexpr int kListBox = 4103; // 赤, 緑, 青; 緑 selected
inline constexpr int kButton = 4104;  // "実行(&R)"
inline constexpr int kStatus = 4105;  // "準備完了", "行 1"
}  // namespace sources

}  // namespace sample_app
