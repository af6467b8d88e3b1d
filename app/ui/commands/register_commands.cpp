#include "app/ui/commands/register_commands.h"

#include "app/ui/command_ids.h"
#include "app/ui/commands/about_command.h"
#include "app/ui/commands/arrange_windows_command.h"
#include "app/ui/commands/close_command.h"
#include "app/ui/commands/controller_preview_command.h"
#include "app/ui/commands/create_bin_file_command.h"
#include "app/ui/commands/create_effect_data_command.h"
#include "app/ui/commands/demo_live_output_command.h"
#include "app/ui/commands/demo_load_parameters_command.h"
#include "app/ui/commands/demo_open_picture_command.h"
#include "app/ui/commands/demo_program_group_command.h"
#include "app/ui/commands/demo_save_document_command.h"
#include "app/ui/commands/demo_save_parameters_command.h"
#include "app/ui/commands/demo_scale_command.h"
#include "app/ui/commands/demo_scale_step_command.h"
#include "app/ui/commands/demo_shape_command.h"
#include "app/ui/commands/demo_start_command.h"
#include "app/ui/commands/demo_stop_command.h"
#include "app/ui/commands/demo_tool_command.h"
#include "app/ui/commands/exit_command.h"
#include "app/ui/commands/file_wizard_command.h"
#include "app/ui/commands/frame_bar_command.h"
#include "app/ui/commands/help_command.h"
#include "app/ui/commands/language_command.h"
#include "app/ui/commands/layer_edit_command.h"
#include "app/ui/commands/mode_edit_command.h"
#include "app/ui/commands/new_demo_command.h"
#include "app/ui/commands/new_document_command.h"
#include "app/ui/commands/new_layout_command.h"
#include "app/ui/commands/new_window_command.h"
#include "app/ui/commands/open_file_command.h"
#include "app/ui/commands/open_image_command.h"
#include "app/ui/commands/output_table_command.h"
#include "app/ui/commands/play_commands.h"
#include "app/ui/commands/port_edit_command.h"
#include "app/ui/commands/port_table_out_command.h"
#include "app/ui/commands/print_command.h"
#include "app/ui/commands/save_command.h"
#include "app/ui/commands/scan_settings_command.h"
#include "app/ui/commands/transfer_data_command.h"
#include "app/ui/commands/undo_redo_command.h"
#include "app/ui/commands/write_to_controller_command.h"
#include "app/ui/menu_tables.h"
#include "engine/ui/commands/effect_cell_size_command.h"
#include "layout/ui/commands/empty_lattice_command.h"
#include "layout/ui/commands/lamp_edit_mode_command.h"
#include "layout/ui/commands/scan_command.h"
#include "layout/ui/commands/scan_pick_command.h"
#include "layout/ui/commands/switch_window_command.h"
#include "layout/ui/commands/toggle_grid_command.h"
#include "layout/ui/commands/zoom_command.h"
#include "platform/language/languages.h"

namespace vx {

void registerCommands(AppCommandRegistry& r) {
    r.emplace<NewDocumentCommand>(cmd::FileNew);
    r.emplace<NewLayoutCommand>(cmd::NewLayout);
    r.emplace<FileWizardCommand>(cmd::FileWizard);
    r.emplace<NewDemoCommand>(cmd::NewDemo);
    r.emplace<OpenFileCommand>(cmd::FileOpen);
    r.emplace<CloseCommand>(cmd::FileClose);
    r.emplace<SaveCommand>(cmd::FileSave, false);
    r.emplace<SaveCommand>(cmd::FileSaveAs, true);
    r.emplace<DemoSaveDocumentCommand>(cmd::FileSave);
    r.emplace<DemoSaveDocumentCommand>(cmd::FileSaveAs);
    r.emplace<ExitCommand>(cmd::AppExit);
    r.emplace<UndoRedoCommand>(cmd::EditUndo, HistoryDirection::Undo);
    r.emplace<UndoRedoCommand>(cmd::EditRedo, HistoryDirection::Redo);

    r.emplace<ZoomCommand>(cmd::Zoom4, 4);
    r.emplace<ZoomCommand>(cmd::Zoom8, 8);
    r.emplace<ZoomCommand>(cmd::Zoom12, 12);
    r.emplace<ZoomCommand>(cmd::Zoom16, 16);
    r.emplace<ZoomCommand>(cmd::Zoom20, 20);
    r.emplace<ZoomCommand>(cmd::Zoom24, 24);
    r.emplace<ZoomCommand>(cmd::Zoom28, 28);
    r.emplace<LampEditModeCommand>(cmd::EditInsert, LampEditMode::Insert);
    r.emplace<LampEditModeCommand>(cmd::EditDelete, LampEditMode::Delete);
    r.emplace<ToggleGridCommand>(cmd::ToggleGrid);
    r.emplace<PortTableOutCommand>(cmd::PortTableOut);
    r.emplace<PortEditCommand>(cmd::PortEdit);
    r.emplace<ScanSettingsCommand>(cmd::ScanOtherValues);
    r.emplace<OpenImageCommand>(cmd::OpenImage);
    r.emplace<ScanPickCommand>(cmd::ScanBack, ScanPick::BackColor);
    r.emplace<ScanPickCommand>(cmd::ScanScope, ScanPick::Scope);
    r.emplace<ScanCommand>(cmd::EditScan);
    r.emplace<NewLayoutCommand>(cmd::OpenEdit);  // the layout window's File > New
    r.emplace<EmptyLatticeCommand>(cmd::OpenEmptyLattice);
    r.emplace<SwitchWindowCommand>(cmd::SwitchWindow);
    auto printer = std::make_shared<SharedPrinter>();
    r.emplace<PrintCommand>(cmd::FilePrint, PrintAction::Print, printer);
    r.emplace<PrintCommand>(cmd::FilePrintPreview, PrintAction::Preview, printer);
    r.emplace<PrintCommand>(cmd::FilePrintSetup, PrintAction::Setup, printer);
    r.emplace<TransferDataCommand>(cmd::TransferData);

    r.emplace<EffectCellSizeCommand>(cmd::EffectCellSize);
    r.emplace<ModeEditCommand>(cmd::ModeEdit);
    r.emplace<LayerEditCommand>(cmd::LayerEdit);
    r.emplace<PlayCommand>(cmd::SequentialPlay, playstate::kSequential);
    r.emplace<PlayCommand>(cmd::ParallelPlay, playstate::kParallel);
    r.emplace<PlayCommand>(cmd::PartialPlay, playstate::kPartial);
    r.emplace<ControllerPreviewCommand>(cmd::ControllerPreview);

    r.emplace<DemoScaleCommand>(cmd::DemoScale);
    r.emplace<DemoOpenPictureCommand>(cmd::DemoOpenBackImage);
    r.emplace<DemoScaleStepCommand>(cmd::DemoEnlargeImage, 0.5);
    r.emplace<DemoScaleStepCommand>(cmd::DemoShrinkImage, 0.01);
    r.emplace<DemoToolCommand>(cmd::DemoWidenImage, PictureTool::Widen);
    r.emplace<DemoToolCommand>(cmd::DemoNarrowImage, PictureTool::Minish);
    r.emplace<DemoToolCommand>(cmd::DemoMoveImage, PictureTool::Move);
    r.emplace<DemoSaveParametersCommand>(cmd::DemoSaveImageParameters);
    r.emplace<DemoLoadParametersCommand>(cmd::DemoLoadImageParameters);
    r.emplace<DemoStartCommand>(cmd::DemoStart);
    r.emplace<DemoStopCommand>(cmd::DemoStop);
    r.emplace<DemoLiveOutputCommand>(cmd::DemoLiveOutput);
    r.emplace<DemoShapeCommand>(cmd::DemoCircle, true);
    r.emplace<DemoShapeCommand>(cmd::DemoRect, false);
    r.emplace<CreateEffectDataCommand>(cmd::CreateEffectData);
    r.emplace<OutputTableCommand>(cmd::OutputClusterTables, TableOutput::ClusterTables);
    r.emplace<OutputTableCommand>(cmd::OutputAccessors, TableOutput::Accessors);
    r.emplace<CreateBinFileCommand>(cmd::CreateBinFile);
    r.emplace<WriteToControllerCommand>(cmd::WriteToController);

    r.emplace<HelpCommand>(cmd::HelpTopics, HelpPage::Topics);
    r.emplace<HelpCommand>(cmd::HelpWhatsNew, HelpPage::WhatsNew);
    r.emplace<HelpCommand>(cmd::HelpWebsite, HelpPage::WebSite);
    r.emplace<AboutCommand>(cmd::AppAbout);
    r.emplace<FrameBarCommand>(cmd::ViewToolbar, FrameBar::Tools);
    r.emplace<FrameBarCommand>(cmd::ViewStatusBar, FrameBar::Status);
    r.emplace<NewWindowCommand>(cmd::WindowNew);
    r.emplace<ArrangeWindowsCommand>(cmd::WindowArrange, WindowArrangement::Tile);
    r.emplace<ArrangeWindowsCommand>(cmd::WindowCascade, WindowArrangement::Cascade);
    r.emplace<ArrangeWindowsCommand>(cmd::WindowTileHorizontal, WindowArrangement::Tile);
    for (const LanguageInfo& info : languages()) {
        r.emplace<LanguageCommand>(info.commandId, info.language);
    }
    // After the languages and Open Empty Lattice, whose ids six of them
    // share: registered last, a program group serves its id in a demo window.
    for (int k = 0; k < 32; ++k) r.emplace<DemoProgramGroupCommand>(programGroupCommand(k), k);
}

}  // namespace vx
