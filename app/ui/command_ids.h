#pragma once
// Command identifiers of the desktop program. Menu entries, tool bar buttons
// and shortcuts all carry one of these; the main window routes by it.

namespace vx::cmd {

inline constexpr int FileNew = 57600;
inline constexpr int NewLayout = 32831;
inline constexpr int NewDemo = 32807;
inline constexpr int FileOpen = 57601;
inline constexpr int FileClose = 57602;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int RecentFile1 = 57616;  // the recent files take 57616 to 57619
inline constexpr int RecentFileCount = 4;
inline constexpr int AppExit = 57665;
inline constexpr int AppAbout = 57664;
inline constexpr int EditUndo = 57643;
inline constexpr int EditRedo = 57644;

inline constexpr int OpenEdit = 32862;
inline constexpr int OpenEmptyLattice = 32926;
inline constexpr int FileWizard = 31763;
inline constexpr int OpenImage = 32771;
inline constexpr int ScanBack = 32774;
inline constexpr int ScanScope = 32775;
inline constexpr int ScanOtherValues = 32776;
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
inline constexpr int PortEdit = 32847;
inline constexpr int PortTableOut = 32848;
inline constexpr int ToggleGrid = 32805;
inline constexpr int SwitchWindow = 32772;
inline constexpr int TransferData = 32828;

inline constexpr int EffectCellSize = 31776;
inline constexpr int LayerEdit = 32863;
inline constexpr int ModeEdit = 31771;
inline constexpr int CreateEffectData = 31772;
inline constexpr int PartialPlay = 31783;
inline constexpr int ParallelPlay = 31778;
inline constexpr int SequentialPlay = 31780;
inline constexpr int OutputClusterTables = 32841;
inline constexpr int OutputAccessors = 32842;
inline constexpr int CreateBinFile = 32843;
inline constexpr int WriteToController = 32844;

inline constexpr int DemoScale = 32855;
inline constexpr int DemoOpenBackImage = 32856;
inline constexpr int DemoEnlargeImage = 32857;
inline constexpr int DemoShrinkImage = 32858;
inline constexpr int DemoWidenImage = 32851;
inline constexpr int DemoNarrowImage = 32852;
inline constexpr int DemoMoveImage = 32853;
inline constexpr int DemoSaveImageParameters = 32859;
inline constexpr int DemoLoadImageParameters = 32860;
inline constexpr int DemoStart = 32861;
inline constexpr int DemoCircle = 32898;
inline constexpr int DemoRect = 32899;
inline constexpr int DemoStop = 32895;
inline constexpr int DemoLiveOutput = 32950;
inline constexpr int ControllerPreview = 32951;

inline constexpr int HelpTopics = 32819;
inline constexpr int HelpWhatsNew = 31760;
inline constexpr int HelpFile = 32900;
inline constexpr int HelpWebsite = 32901;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;
inline constexpr int WindowNew = 57648;
inline constexpr int WindowArrange = 57649;
inline constexpr int WindowCascade = 57650;
inline constexpr int WindowTileHorizontal = 57651;

}  // namespace vx::cmd
