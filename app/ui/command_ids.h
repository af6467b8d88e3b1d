#pragma once
// Command identifiers of the desktop program. Menu entries, tool bar buttons
// and shortcuts all carry one of these; the main window routes by it.

namespace vx::cmd {

inline constexpr int FileNew = 57600;
inline constexpr int NewLed = 32831;
inline constexpr int NewDemo = 32807;
inline constexpr int FileOpen = 57601;
inline constexpr int FileClose = 57602;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int FileMru1 = 57616;  // the recent files take 57616 to 57619
inline constexpr int RecentFileCount = 4;
inline constexpr int AppExit = 57665;
inline constexpr int AppAbout = 57664;
inline constexpr int EditUndo = 57643;
inline constexpr int EditRedo = 57644;

inline constexpr int OpenEdit = 32862;
inline constexpr int OpenEditL = 32926;
inline constexpr int FileWizard = 31763;
inline constexpr int OpenImage = 32771;
inline constexpr int ScanBack = 32774;
inline constexpr int ScanScope = 32775;
inline constexpr int ScanSetOther = 32776;
inline constexpr int EditScan = 32792;
inline constexpr int Zoom4 = 32794;
inline constexpr int Zoom8 = 32795;
inline constexpr int Zoom12 = 32796;
inline constexpr int Zoom16 = 32797;
inline constexpr int Zoom20 = 32802;
inline constexpr int Zoom24 = 32803;
inline constexpr int Zoom28 = 32804;
inline constexpr int EditInsert = 32798;
inline constexpr int EditDelete = 32799;
inline constexpr int CportEdit = 32847;
inline constexpr int CportOut = 32848;
inline constexpr int EditGridding = 32805;
inline constexpr int ChangeWin = 32772;
inline constexpr int TransferData = 32828;

inline constexpr int Largen3 = 31776;
inline constexpr int AddLampImg = 32863;
inline constexpr int PageShow = 31771;
inline constexpr int CreateData = 31772;
inline constexpr int PartialPlay = 31783;
inline constexpr int ParallelPlay = 31778;
inline constexpr int SequentialPlay = 31780;
inline constexpr int CreateBinFile = 32843;
inline constexpr int WriteToController = 32844;

inline constexpr int DemoSize = 32855;
inline constexpr int DemoBackImage = 32856;
inline constexpr int DemoWide = 32857;
inline constexpr int DemoThin = 32858;
inline constexpr int DemoAddBmp = 32851;
inline constexpr int DemoReduceBmp = 32852;
inline constexpr int DemoMoveBmp = 32853;
inline constexpr int DemoSaveCode = 32859;
inline constexpr int DemoOpenCode = 32860;
inline constexpr int DemoStart = 32861;
inline constexpr int DemoCircle = 32898;
inline constexpr int DemoRect = 32899;

inline constexpr int HelpAboutVc = 32819;
inline constexpr int HelpWhatsNew = 31760;
inline constexpr int HelpFile = 32900;
inline constexpr int HelpWebsite = 32901;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;
inline constexpr int WindowNew = 57648;
inline constexpr int WindowArrange = 57649;
inline constexpr int WindowCascade = 57650;
inline constexpr int WindowTileHorz = 57651;

}  // namespace vx::cmd
