#include "platform/bounded_read.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

TEST(BoundedRead, ReadsUpToTheLimitAndRefusesMore) {
    test::TempFolder dir;
    const auto fifo = dir.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto sparse = dir.path() / "sparse";
    std::ofstream(sparse).close();
    fs::resize_file(sparse, std::uintmax_t{3} << 30);  // 3 GB of holes: never read

    struct Case {
        const char* name;
        fs::path path;
        std::uint64_t limit;
        const char* key;  // "" when the read succeeds
        std::size_t size;
    };
    const Case cases[] = {
        {"at the limit", dir.write("ten", "0123456789"), 10, "", 10},
        {"one byte over", dir.write("eleven", "0123456789A"), 10, "ERR_FILE_TOO_LARGE", 0},
        {"empty", dir.write("empty", ""), 0, "", 0},
        {"a large sparse file", sparse, 1 << 20, "ERR_FILE_TOO_LARGE", 0},
        {"an endless device", "/dev/zero", 1 << 20, "ERR_FILE_TOO_LARGE", 0},
        {"a FIFO with no writer", fifo, 1 << 20, "", 0},
        {"a folder", dir.path(), 1 << 20, "ERR_FILE_OPEN", 0},
        {"a missing file", dir.path() / "missing", 1 << 20, "ERR_FILE_OPEN", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto r = readFileAtMost(c.path, c.limit);
        if (*c.key == '\0') {
            ASSERT_TRUE(r.ok()) << r.error().describe();
            EXPECT_EQ(r->size(), c.size);
        } else {
            ASSERT_FALSE(r.ok());
            EXPECT_EQ(r.error().key, c.key);
            EXPECT_NE(r.error().detail.find(c.path.string()), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace vx
