#include "output/tables/table_texts.h"

namespace vx {

std::string joinPieces(const TextPieces& pieces) {
    std::size_t size = 0;
    for (const std::string& piece : pieces) size += piece.size();
    std::string text;
    text.reserve(size);
    for (const std::string& piece : pieces) text += piece;
    return text;
}

std::string outputText(const TableTexts& texts, OutputMode mode) {
    switch (mode) {
        case OutputMode::Normal: return {};
        case OutputMode::ShowPattern: return joinPieces(texts.showPattern);
        case OutputMode::ClusterTables:
            return joinPieces(texts.clusters) + joinPieces(texts.clusterGroup) +
                   joinPieces(texts.colorGroup);
        case OutputMode::Accessors: return joinPieces(texts.getPtn);
    }
    return {};
}

}  // namespace vx
