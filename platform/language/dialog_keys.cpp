#include "platform/language/dialog_keys.h"

#include <algorithm>

namespace vx {
namespace {

// The standard buttons keep the platform's ids.
constexpr int kOk = 1;
constexpr int kCancel = 2;

constexpr DialogControl kAbout[] = {{1000, "Vexolume"}, {kOk, "OK"}};

// Layout tools bar beside the layout view.
constexpr DialogControl kLayoutTools[] = {
    {1118, "COORDINATES"}, {1119, "LAMP INFO"}, {1121, "PORT INFO"}, {1122, "PORT EDIT"},
    {1123, "X:"},          {1124, "Y:"},        {1125, "ZOOM:"},     {1126, "ID:"},
    {1127, "TOTAL:"},      {1128, "PORT:"},     {1129, "LAMP:"},     {1336, "ADD"},
    {1334, "INSERT"},      {7000, "DELETE"},
};

constexpr DialogControl kProgramGroupPage[] = {
    {1003, "Program Group"}, {1004, "Exist Mode"},  {1005, "Operate"},     {1330, "&Save"},
    {1331, "&Reset"},        {1009, "&Insert All"}, {1010, "Remove &All"},
};

constexpr DialogControl kColorPage[] = {
    {1113, "&Add"},
    {1104, "&Insert"},
    {1114, "&Remove Single"},
    {1128, "Remove A&ll"},
    {1129, "&Select Start Color"},
    {1130, "Select &End Color"},
    {1131, "&Delete Color"},
    {1105, "Select Ste&p"},
    {1111, "Sho&w Color"},
    {1112, "Sa&ve Color"},
    {1100, "Add&group "},
    {1106, "&Output"},
    {1107, "Inpu&t"},
    {1108, "&Clear"},
    {1140, "Color Group"},
    {1141, "Color List"},
};

constexpr DialogControl kModeListPage[] = {
    {1101, "Mode List"},   {1109, "Mode Group List"}, {1013, "Mode Preview"}, {1089, "&Add"},
    {1090, "&Insert"},     {1091, "&Delete"},         {1092, "&Edit"},        {1093, "&Copy Mode"},
    {1094, "&Paste Mode"}, {1095, "&Start Mode"},     {1096, "End &Mode"},    {1097, "Con&firm"},
};

constexpr DialogControl kLampGroupPage[] = {
    {1101, "LampCollect"},  {1127, "NewGroupCollect"}, {1070, "Function"},
    {1058, "&AddLamp"},     {1059, "InsertLa&mp"},     {1060, "&DeleteLamp"},
    {1061, "In&putGroup "}, {1062, "&NewGroup"},       {1063, "&Show"},
    {1064, "Add&Group"},    {1065, "&InsertGroup"},    {1066, "DeleteGrou&p"},
    {1067, "Inpu&tGrpGrp"}, {1068, "&Return"},         {1069, "&OpenGroup"},
};

// Mode Parameter page: every static text and button sits in 1030..1053. The
// value column labels use their own keys (see the key registry).
constexpr DialogControl kModeParameterPage[] = {
    {1030, "Add"},
    {1031, "Delete"},
    {1032, "Supplementary Scope"},
    {1033, "*0.01sec."},
    {1034, "degree "},
    {1035, "*0.1sec."},
    {1036, "columns"},
    {1037, "0-50"},
    {1038, "Step"},
    {1039, "GC/GF"},
    {1040, "&Start"},
    {1041, "&Area"},
    {1042, "X"},
    {1043, "Y"},
    {1044, "X1"},
    {1045, "Y1"},
    {1046, "X2"},
    {1047, "Y2"},
    {1048, "Left-Top Point:"},
    {1049, "Right-Bottom Point:"},
    {1050, "&Current Mode:"},
    {1051, "&OK"},
    {1052, "Start Point"},
    {1053, "Select Area"},
};

constexpr DialogControl kScanSettings[] = {
    {1000, "Object Size"}, {1002, "Lamp Size"}, {1003, "BackColor Scope"},
    {kOk, "OK"},           {kCancel, "Cancel"},
};

constexpr DialogControl kZoom[] = {
    {1131, " Scale :"}, {1001, "Value(2-20)"}, {kOk, "OK"}, {kCancel, "Cancel"}};

constexpr DialogControl kInsertColorGroup[] = {
    {1000, "Color &Start"},
    {1001, "Color &End"},
    {1002, "select step "},
    {1003, "Change by si&n"},
    {1004, "Change by &cos"},
    {1005, "&Insert"},
    {kOk, "OK"},
    {kCancel, "Cancel"},
};

constexpr DialogControl kPrint[] = {{1000, "Printing"}, {kCancel, "Cancel"}};

constexpr DialogControl kPortEdit[] = {
    {1100, "Cport 1-12:"}, {1113, "insert position:"}, {1005, "add"},
    {1006, "insert"},      {1312, "delete"},           {kOk, "OK"},
    {kCancel, "Cancel"},
};

constexpr DialogControl kNewColorGroup[] = {
    {1000, "input new colorgroup name!"}, {kOk, "OK"}, {kCancel, "Cancel"}};

constexpr DialogControl kLayer[] = {
    {1000, "Image Layer(1-50)"}, {1001, "Add lamp"}, {1002, "Delete lamp"}, {kOk, "OK"},
    {kCancel, "Cancel"},
};

constexpr DialogControl kInsertPosition[] = {
    {1137, "Insert position:"}, {kOk, "OK"}, {kCancel, "Cancel"}};

constexpr DialogControl kCreateBin[] = {
    {1000, "256 (Support All Kinds of Controler)"},
    {1001, "512 (Only Support V3.0 or Above)"},
    {1002, "VELD 1000 (3 Wire)"},
    {1003, "&Create"},
    {1005, "Report"},
    {1006, "Controller"},
    {kCancel, "Exit"},
};

constexpr DialogControl kCircularArea[] = {
    {1102, "Center Of Circle"}, {1100, "X"}, {1113, "Y"},         {1115, "Radius Of Circle:"},
    {1101, "Mode Group List"},  {kOk, "OK"}, {kCancel, "Cancel"},
};

// Live DMX output of the demo window.
constexpr DialogControl kLiveOutput[] = {
    {1401, "Output:"},      {1402, "Off"},   {1403, "OLA (olad)"},      {1404, "sACN multicast"},
    {1405, "sACN to host"}, {1406, "Host:"}, {1407, "First universe:"}, {kOk, "OK"},
    {kCancel, "Cancel"},
};

constexpr DialogControl kWizardStep1[] = {
    {1113, "Col:"}, {1114, "Row:"},   {1212, "Fill"}, {1100, "Total Lamp:"}, {1120, "Port:"},
    {1198, "Add"},  {1199, "Delete"}, {1193, "Next"}, {1194, "Finish"},      {1102, "Back"},
};

constexpr DialogControl kWizardStep2[] = {
    {1101, "Style"},       {1203, "Program"}, {1215, "Insert"}, {1216, "Remove"},
    {1220, "Description"}, {1217, "Preview"}, {1102, "Back"},   {1193, "Next"},
};

constexpr DialogControl kWizardStep3[] = {
    {1000, "Report"}, {1211, "Start Demo"}, {1210, "Continue Edit"},
    {1208, "Finish"}, {1207, "Back"},
};

constexpr DialogControl kWizardStart[] = {
    {1000, "This wizard builds a rectangle of lamps."}, {1193, "Next"}, {kCancel, "Cancel"}};

constexpr DialogControl kSelectProgram[] = {
    {1000, "Your Controller is: "},
    {1001, "NORA-A(DMX512-RF)"},
    {1002, "NORA-B"},
    {kOk, "OK"},
    {kCancel, "Cancel"},
};

constexpr DialogResource kDialogs[] = {
    {100, "About Vexolume", kAbout},
    {103, "Layout Tools", kLayoutTools},
    {107, "Define Program Group", kProgramGroupPage},
    {108, "ColorList", kColorPage},
    {109, "ModeList", kModeListPage},
    {111, "GroupList", kLampGroupPage},
    {112, "Mode Parameter", kModeParameterPage},
    {132, "Scan Settings", kScanSettings},
    {173, "ZOOM", kZoom},
    {174, "Insert Color Group", kInsertColorGroup},
    {175, "Print", kPrint},
    {176, "Port Edit", kPortEdit},
    {177, "New Color Group", kNewColorGroup},
    {178, "Define Layer", kLayer},
    {209, "Insert Position", kInsertPosition},
    {320, "Live Output", kLiveOutput},
    {1010, "Create BIN File", kCreateBin},
    {1332, "CM_CIRCULAR_AREA", kCircularArea},
    {1340, "New Layout Wizard - Step 1", kWizardStep1},
    {1341, "New Layout Wizard - Step 2", kWizardStep2},
    {1342, "New Layout Wizard - Step 3", kWizardStep3},
    {1345, "New Layout Wizard", kWizardStart},
    {6023, "Select Program", kSelectProgram},
};

}  // namespace

std::span<const DialogResource> dialogResources() { return kDialogs; }

const DialogResource* findDialogResource(int dialog) {
    const auto* it = std::find_if(std::begin(kDialogs), std::end(kDialogs),
                                  [dialog](const DialogResource& d) { return d.dialog == dialog; });
    return it == std::end(kDialogs) ? nullptr : it;
}

std::string_view resourceTitle(int dialog) {
    const DialogResource* resource = findDialogResource(dialog);
    return resource == nullptr ? std::string_view() : resource->title;
}

std::string_view resourceCaption(int dialog, int control) {
    const DialogResource* resource = findDialogResource(dialog);
    if (resource == nullptr) return {};
    for (const DialogControl& c : resource->controls) {
        if (c.control == control) return c.caption;
    }
    return {};
}

std::string dialogTitleKey(int dialog) { return "IDD" + std::to_string(dialog) + "_Title"; }

std::string dialogControlKey(int dialog, int control) {
    return "IDD" + std::to_string(dialog) + "_" + std::to_string(control);
}

}  // namespace vx
