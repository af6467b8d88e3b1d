#pragma once
// CData.h: the data header the controller firmware is compiled with. It is
// made from the texts of "cport.h", DSPPTN.h and CSTGRP.h as written: lamp
// lists become CST arrays, cluster groups CSTG arrays, colour lists CLRGRP
// arrays, and each program's rows one ShowPtn array of PTN records.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/result.h"

namespace vx {

inline constexpr const char* kCDataFileName = "CData.h";
// Message key of every failure to make or write CData.h.
inline constexpr const char* kCDataFailedKey = "生成CData.h文件失败";

struct CDataInput {
    std::string_view portTable;      // text of "cport.h"
    std::string_view showPattern;    // text of DSPPTN.h
    std::string_view clusterTables;  // text of CSTGRP.h
    std::string format = "1";        // "1", "2" or "3"
    std::size_t lampCount = 0;       // lamps of the layout
    // Entries of the three shared tables, as recorded when CSTGRP.h was built.
    // Arrays past these counts are padding and are not carried over.
    std::size_t clusterCount = 0;
    std::size_t clusterGroupCount = 0;
    std::size_t colorGroupCount = 0;
    // Families left out of CSTGRP.h for their size. A row that names an entry
    // of one of them gives no record: the firmware plays what remains.
    bool clustersRefused = false;
    bool clusterGroupsRefused = false;
    bool colorGroupsRefused = false;
};

struct CDataText {
    std::string text;
    std::size_t leftOutRecords = 0;  // rows dropped for a refused family
};

// The second colour of a fade row from one of its target values: 3072 and up
// lose 3072, 2048 and up 2048; below that the direction flags (a packed sum of
// three, or one per channel) are taken off, and a plain value stays as it is.
std::int64_t decodeFadeTarget(std::int64_t value);

// The whole text of CData.h, lines ended by CR LF. Fails (kCDataFailedKey)
// when a text cannot be read back or a row names a table entry that the
// texts do not hold.
Result<std::string> buildCDataText(const CDataInput& input);
// The same, with the number of rows left out for refused families.
Result<CDataText> buildCData(const CDataInput& input);

struct TableBuild;
// The counts and refusals of a table build, for CData.h.
void takeTableCounts(CDataInput& input, const TableBuild& build);

// Reads "cport.h", "DSPPTN.H" and "CSTGRP.h" from `folder` and writes
// "CData.h" beside them; the counts, format and lamp count come from `input`,
// whose texts are ignored. Nothing is written on failure.
Status writeCDataFile(const std::filesystem::path& folder, CDataInput input);

}  // namespace vx
