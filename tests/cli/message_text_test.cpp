// Every failure vexolume-cli reports says it in words: no message shows a
// language key (what the tables look texts up by) in place of its text.

#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "layout/layout_file.h"
#include "tests/cli/run_cli.h"
#include "tests/output/oversized_layout.h"
#include "tests/support/scoped_env.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

const fs::path kEnglish = fs::path(VEXOLUME_SOURCE_DIR) / "share/vexolume/Mullanguage/English.ini";
const std::string kSample = VEXOLUME_SOURCE_DIR "/examples/sample.led";

std::set<std::string> tableKeys() {
    std::set<std::string> keys;
    std::ifstream in(kEnglish);
    for (std::string line; std::getline(in, line);) {
        const auto eq = line.find('=');
        if (eq != std::string::npos && eq > 0) keys.insert(line.substr(0, eq));
    }
    return keys;
}

// The words of a text that are keys of the English table.
std::vector<std::string> keysIn(const std::string& text, const std::set<std::string>& keys) {
    std::vector<std::string> found;
    std::string word;
    for (const char c : text + ' ') {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
            word += c;
        } else {
            if (keys.contains(word)) found.push_back(word);
            word.clear();
        }
    }
    return found;
}

class CliMessageText : public CliRunTest {
protected:
    void SetUp() override {
        fs::create_directories(file("tools"));
        env_.set("VEXOLUME_TOOLS", file("tools").string());
        std::ofstream(file("damaged.led")) << "not a layout";
        std::ofstream(file("broken.json")) << "{\"format\": ";
        std::ofstream(file("image.hex")) << ":03000000020008F3\n:00000001FF\n";
        std::ofstream(file("text.hex")) << "hello\n";
        writeTooColorfulLayout(folder());
    }
    fs::path folder() const { return file("x").parent_path(); }
    ScopedEnv env_;
};

TEST_F(CliMessageText, NoFailureShowsAKeyInPlaceOfItsText) {
    const std::set<std::string> keys = tableKeys();
    ASSERT_GT(keys.size(), 300u);
    const std::string out = file("out").string();
    struct Case {
        std::vector<std::string> args;
        std::string says;  // a piece of the English text the message must hold, if given
    };
    const std::vector<Case> cases = {
        {{"export", file("colourful.led").string(), "-o", out}, "Too many colour groups"},
        {{"info", file("damaged.led").string()}, ""},
        {{"info", file("missing.led").string()}, ""},
        {{"convert", file("broken.json").string(), file("b.led").string()}, "not well formed"},
        {{"compile", file("damaged.led").string()}, ""},
        {{"render", kSample, "--partial", "5", "2", "--seconds", "1", "--fps", "5", "-o",
          file("r.gif").string()},
         ""},
        {{"timeline", kSample, "--partial", "5", "2", "--until", "10"}, ""},
        {{"simulate", file("text.hex").string(), "--lamps", "4", "--seconds", "1"}, ""},
        {{"program", file("image.hex").string(), "--tool", "NORA-B"}, "Cannot start the STC"},
        {{"program", file("image.hex").string(), "--tool", "NORA-A"}, "Cannot start the Flash"},
    };
    env_.set("PATH", file("nowhere").string());
    for (const Case& c : cases) {
        const Outcome r = run(c.args);
        std::ostringstream what;
        for (const auto& a : c.args) what << a << ' ';
        EXPECT_NE(r.status, 0) << what.str();
        EXPECT_FALSE(r.err.empty()) << what.str();
        EXPECT_EQ(keysIn(r.err + r.out, keys), std::vector<std::string>{}) << what.str() << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << what.str() << r.err;
    }
}

}  // namespace
}  // namespace vx::test
