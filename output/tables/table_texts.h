#pragma once
// The generated C51 tables are held as ordered lists of text pieces, one list
// per table family, and written by concatenating the pieces of the lists an
// output mode names. Nothing is added between pieces.

#include <cstddef>
#include <string>
#include <vector>

#include "base/result.h"

namespace vx {

using TextPieces = std::vector<std::string>;

inline constexpr const char* kShowPatternFileName = "DSPPTN.H";
inline constexpr const char* kClusterTablesFileName = "CSTGRP.h";
inline constexpr const char* kAccessorFileName = "GETPTN.c";

// What a save writes: the document itself (0) or one group of generated lists.
enum class OutputMode {
    Normal = 0,
    ShowPattern = 1,    // ShowPatternText: DSPPTN.H
    ClusterTables = 2,  // CstGroupText, ClusterGroupText, ColorGroupText: CSTGRP.h
    Accessors = 3,      // GetPtnText: GETPTN.c
};

struct TableTexts {
    TextPieces showPattern;
    TextPieces clusters;
    TextPieces clusterGroup;
    TextPieces colorGroup;
    TextPieces getPtn;
    // Entries of the three shared tables when the cluster/colour lists were
    // built; the firmware build's capacity report reads them.
    std::size_t clusterCount = 0;
    std::size_t clusterGroupCount = 0;
    std::size_t colorGroupCount = 0;
};

std::string joinPieces(const TextPieces& pieces);

// The bytes a save in `mode` writes; empty for OutputMode::Normal, whose
// content is the layout file and not ours.
std::string outputText(const TableTexts& texts, OutputMode mode);

}  // namespace vx
