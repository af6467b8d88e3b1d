#pragma once
// Shared wording for errors found while decoding a binary file, so that every
// loader names what is wrong and where in the same way.

#include <cstddef>
#include <string>

#include "base/byte_reader.h"
#include "base/result.h"

namespace vx {

// The file ended while `what` was being read.
Error truncatedError(const ByteReader& in, const std::string& what);
// A value read at `offset` is not one this file format allows.
Error badValueError(std::size_t offset, const std::string& key, const std::string& detail);

// Refuses a count whose records could not fit in what is left of the file,
// before anything is allocated for them. `minRecordBytes` is the smallest size
// one record can have.
Status checkCountFits(const ByteReader& in, std::size_t countOffset, std::uint64_t count,
                      std::uint64_t minRecordBytes, const std::string& what);

}  // namespace vx
