#include "output/tables/accessors.h"

#include <string>

namespace vx {
namespace {

// One "case" of a switch that reads `array` + index. The three functions lay
// their cases out with slightly different spacing; every byte is part of the
// file's fixed form.
std::string caseText(std::size_t i, const char* afterLabel, const char* array,
                     const char* afterRead) {
    const std::string n = std::to_string(i);
    return "case   " + n + afterLabel + "GetCstDataTemp = " + array + n + afterRead;
}

}  // namespace

TextPieces buildGetPtnText(const CompiledEffects& compiled) {
    TextPieces pieces;
    pieces.push_back("#include \"CstGrp1.H\"   \r\n"
                     "#include \"DspPtn1.H\"  \r\n");

    pieces.push_back("int GetClusterData(int CstGrpNum, int CstGrpCount){  \r\n"
                     "  unsigned int data GetCstDataTemp; \r\n"
                     "  switch(CstGrpNum){   \r\n"
                     "    ");
    for (std::size_t i = 0; i < compiled.clusters.size(); ++i) {
        pieces.push_back(caseText(i, ":  \r\n      ", "CstGroup",
                                  "[CstGrpCount];   \r\n"
                                  "      break; \r\n"
                                  "    "));
    }
    pieces.push_back("default:  \r\n"
                     "      GetCstDataTemp = 0xFFFF;\r\n"
                     "     break; }   \r\n"
                     "  return(GetCstDataTemp);       \r\n"
                     " }            \r\n"
                     "       ");

    pieces.push_back("\r\n"
                     "int GetClusterDataGroup(int CstGrpNum, int CstGrpCount){ \r\n"
                     "  unsigned int data GetCstDataTemp;    \r\n"
                     "   switch(CstGrpNum){      \r\n"
                     "    ");
    for (std::size_t i = 0; i < compiled.clusterGroups.size(); ++i) {
        pieces.push_back(caseText(i, ": \r\n      ", "Cst_GroupGroup",
                                  "[CstGrpCount];  \r\n"
                                  "      break;                      \r\n"
                                  "    "));
    }
    pieces.push_back("default:  \r\n"
                     "      GetCstDataTemp = 0xFFFF;  \r\n"
                     "      break; }  \r\n"
                     "  return(GetCstDataTemp);           \r\n"
                     " }                   ");

    pieces.push_back(" \r\n"
                     "int GetColorData(int CstGrpNum, int CstGrpCount){  \r\n"
                     "  unsigned int data GetCstDataTemp;  \r\n"
                     "  switch(CstGrpNum){  \r\n"
                     "    ");
    for (std::size_t i = 0; i < compiled.colorGroup.size(); ++i) {
        pieces.push_back(caseText(i, ": \r\n      ", "Color_Group",
                                  "[CstGrpCount];   \r\n"
                                  "      break;                      \r\n"
                                  "    "));
    }
    pieces.push_back("default:\r\n"
                     "      GetCstDataTemp = 0xFFFF;   \r\n"
                     "      break; }  \r\n"
                     "  return(GetCstDataTemp);            \r\n"
                     "}                  \r\n");

    // GetShowPattern names a table ShowPattern without a number.
    pieces.push_back("\r\n"
                     "int GetShowPattern(int SPpoint){    return(ShowPattern[SPpoint]);"
                     "            }    \r\n");
    for (int p = 1; p <= 12; ++p) {
        const std::string n = std::to_string(p);
        pieces.push_back("\r\nint GetCPort" + n + "(int i){       return(CPort" + n +
                         "[i]);             }               \r\n ");
    }
    return pieces;
}

}  // namespace vx
