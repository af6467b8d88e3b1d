#include "output/tables/accessors.h"

#include <string>

namespace vx {

TextPieces buildGetPtnText(const CompiledEffects& compiled) {
    TextPieces pieces;
    pieces.push_back("#include \"CstGrp1.H\"   \r\n#include \"DspPtn1.H\"  \r\n");
    pieces.push_back("int GetClusterData(int CstGrpNum, int CstGrpCount){  \r\n  unsigned int data GetCstDataTemp; \r\n  switch(CstGrpNum){   \r\n    ");
    for (std::size_t i = 0; i < compiled.cstGroup.size(); ++i) {
        const std::string n = std::to_string(i);
        pieces.push_back("case   " + n + ":  \r\n      " + "GetCstDataTemp = CstGroup" + n + "[CstGrpCount];   \r\n      break; \r\n    ");
    }
    pieces.push_back("default:  \r\n      GetCstDataTemp = 0xFFFF;\r\n     break; }   \r\n  return(GetCstDataTemp);       \r\n }            \r\n       ");
    pieces.push_back("\r\nint GetClusterDataGroup(int CstGrpNum, int CstGrpCount){ \r\n  unsigned int data GetCstDataTemp;    \r\n   switch(CstGrpNum){      \r\n    ");
    for (std::size_t i = 0; i < compiled.cstGroupGroup.size(); ++i) {
        const std::string n = std::to_string(i);
        pieces.push_back("case   " + n + ": \r\n      " + "GetCstDataTemp = Cst_GroupGroup" + n + "[CstGrpCount];  \r\n      break;                      \r\n    ");
    }
    pieces.push_back("default:  \r\n      GetCstDataTemp = 0xFFFF;  \r\n      break; }  \r\n  return(GetCstDataTemp);           \r\n }                   ");
    pieces.push_back(" \r\nint GetColorData(int CstGrpNum, int CstGrpCount){  \r\n  unsigned int data GetCstDataTemp;  \r\n  switch(CstGrpNum){  \r\n    ");
    for (std::size_t i = 0; i < compiled.colorGroup.size(); ++i) {
        const std::string n = std::to_string(i);
        pieces.push_back("case   " + n + ": \r\n      " + "GetCstDataTemp = Color_Group" + n + "[CstGrpCount];   \r\n      break;                      \r\n    ");
    }
    pieces.push_back("default:\r\n      GetCstDataTemp = 0xFFFF;   \r\n      break; }  \r\n  return(GetCstDataTemp);            \r\n}                  \r\n");
    pieces.push_back("\r\nint GetShowPattern(int SPpoint){    return(ShowPattern[SPpoint]);            }    \r\n");
    for (int p = 1; p <= 12; ++p) {
        const std::string n = std::to_string(p);
        pieces.push_back("\r\nint GetCPort" + n + "(int i){       return(CPort" + n + "[i]);             }               \r\n ");
    }
    return pieces;
}

}  // namespace vx
