#include "base/load_error.h"

namespace vx {

Error truncatedError(const ByteReader& in, const std::string& what) {
    return Error{"ERR_FILE_TRUNCATED", "the file ends in the middle of " + what, in.failOffset()};
}

Error badValueError(std::size_t offset, const std::string& key, const std::string& detail) {
    return Error{key, detail, offset};
}

Status checkCountFits(const ByteReader& in, std::size_t countOffset, std::uint64_t count,
                      std::uint64_t minRecordBytes, const std::string& what) {
    if (count == 0 || minRecordBytes == 0) return {};
    if (count > in.remaining() / minRecordBytes) {
        return Error{"ERR_FILE_BAD_COUNT",
                     "the count of " + what + " (" + std::to_string(count) +
                         ") needs more bytes than the " + std::to_string(in.remaining()) +
                         " left in the file",
                     countOffset};
    }
    return {};
}

}  // namespace vx
