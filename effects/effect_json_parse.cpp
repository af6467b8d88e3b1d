#include "effects/effect_json_parse.h"

#include <new>
#include <optional>
#include <utility>

#include "base/text_excerpt.h"

namespace vx::json {
namespace {

// An integer literal holds no fraction and no exponent; the library reads one
// that overflows 64 bits as a float, which no field of the form takes.
bool isIntegerLiteral(std::string_view s) {
    return s.find_first_of(".eE") == std::string_view::npos;
}

// "[json.exception.parse_error.101] parse error at ...; last read: '<token>'":
// the library's sentence without its tag, and the token cut short.
std::string syntaxSentence(const std::string& what, const std::string& token) {
    std::string sentence = what;
    if (sentence.rfind("[json.exception.", 0) == 0) {
        const auto close = sentence.find("] ");
        if (close != std::string::npos) sentence.erase(0, close + 2);
    }
    const std::string quoted = "'" + token + "'";
    if (const auto at = sentence.find(quoted); !token.empty() && at != std::string::npos) {
        sentence.replace(at, quoted.size(), quotedExcerpt(token));
    }
    for (auto& c : sentence) {
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    }
    return sentence;
}

// Builds the Json value from the parser's events, refusing at the first event
// that breaks a limit. Holds a pointer to each open container; a container's
// parent receives no new entry while it is open, so the pointers stay valid.
class BoundedBuilder {
public:
    using string_t = std::string;
    using binary_t = Json::binary_t;

    explicit BoundedBuilder(const ParseLimits& limits) : limits_(limits) {}

    bool null() { return add(Json(nullptr)) != nullptr; }
    bool boolean(bool v) { return add(Json(v)) != nullptr; }
    bool number_integer(std::int64_t v) { return countValue() && add(Json(v)) != nullptr; }
    bool number_unsigned(std::uint64_t v) { return countValue() && add(Json(v)) != nullptr; }
    bool number_float(double v, const std::string& text) {
        if (isIntegerLiteral(text)) {
            return fail("ERR_JSON_RANGE", pathText(childStep()),
                        quotedExcerpt(text) + " does not fit a 64-bit integer, nor any field");
        }
        return countValue() && add(Json(v)) != nullptr;
    }
    bool string(std::string& v) { return add(Json(std::move(v))) != nullptr; }
    bool binary(binary_t&) { return fail("ERR_JSON_SYNTAX", "", "holds binary data"); }

    bool start_object(std::size_t) { return open(Json::object()); }
    bool start_array(std::size_t) { return countValue() && open(Json::array()); }
    bool end_object() { return close(); }
    bool end_array() { return close(); }

    bool key(std::string& k) {
        Json& object = *stack_.back().value;
        if (k.size() > limits_.maxKeyBytes) {
            return fail("ERR_JSON_UNKNOWN_FIELD", pathText(path_),
                        "the key " + quotedExcerpt(k) + " is not a field of this record");
        }
        if (object.contains(k)) {
            return fail("ERR_JSON_DUPLICATE_KEY", pathWith(PathStep{k, 0, false}),
                        "appears twice in the same record");
        }
        if (object.size() >= limits_.maxMembers) {
            return fail("ERR_JSON_TOO_LONG", pathText(path_),
                        "holds more than " + std::to_string(limits_.maxMembers) +
                            " fields, more than any record has");
        }
        pendingKey_ = std::move(k);
        return true;
    }

    bool parse_error(std::size_t position, const std::string& token,
                     const nlohmann::detail::exception& ex) {
        const std::uint64_t offset = position > 0 ? position - 1 : 0;
        if (ex.id == 406) {  // a number past the range of a double, named by its first byte
            const auto start = position >= token.size() ? position - token.size() : 0;
            error_ = Error{"ERR_JSON_RANGE",
                           pathText(childStep()) + ": the number " + quotedExcerpt(token) +
                               " does not fit a 64-bit float, nor any field",
                           start};
        } else {
            error_ = Error{"ERR_JSON_SYNTAX",
                           "the JSON text is not well formed: " + syntaxSentence(ex.what(), token),
                           offset};
        }
        return false;
    }

    const std::optional<Error>& error() const { return error_; }
    Json take() { return std::move(root_); }

private:
    struct Open {
        Json* value;
        std::size_t limit;  // entries an array may hold
    };

    PathStep childStepOf() const {
        if (stack_.empty()) return {};
        const Json& top = *stack_.back().value;
        if (top.is_array()) return PathStep{{}, top.size(), true};
        return PathStep{pendingKey_, 0, false};
    }
    std::vector<PathStep> childStep() const {
        auto path = path_;
        if (!stack_.empty()) path.push_back(childStepOf());
        return path;
    }
    std::string pathWith(PathStep step) const {
        auto path = path_;
        path.push_back(std::move(step));
        return pathText(path);
    }

    bool fail(const char* key, const std::string& path, const std::string& what) {
        if (!error_) {
            error_ = Error{key, (path.empty() ? std::string("the document") : path) + ": " + what,
                           std::nullopt};
        }
        return false;
    }

    bool countValue() {
        if (++values_ <= limits_.maxValues) return true;
        return fail("ERR_JSON_TOO_LARGE", pathText(childStep()),
                    "the text holds more than " + std::to_string(limits_.maxValues) +
                        " numbers and lists, more than the largest file could");
    }

    // Places v in the open container (or as the root); nullptr on a limit.
    Json* add(Json v) {
        if (stack_.empty()) {
            root_ = std::move(v);
            return &root_;
        }
        auto& [top, limit] = stack_.back();
        if (top->is_array()) {
            if (top->size() >= limit) {
                fail("ERR_JSON_TOO_LONG", pathText(path_),
                     "holds more than " + std::to_string(limit) +
                         " entries, more than this field allows");
                return nullptr;
            }
            top->push_back(std::move(v));
            return &top->back();
        }
        Json& slot = (*top)[pendingKey_];
        slot = std::move(v);
        return &slot;
    }

    bool open(Json container) {
        if (stack_.size() >= limits_.maxDepth) {
            return fail("ERR_JSON_DEPTH", pathText(childStep()),
                        "lists and records nest deeper than " + std::to_string(limits_.maxDepth) +
                            " levels, deeper than the form");
        }
        const bool nested = !stack_.empty();
        auto step = childStepOf();
        Json* placed = add(std::move(container));
        if (placed == nullptr) return false;
        if (nested) path_.push_back(std::move(step));
        const bool array = placed->is_array();
        stack_.push_back(Open{placed, array && limits_.arrayLimit ? limits_.arrayLimit(path_) : 0});
        return true;
    }

    bool close() {
        stack_.pop_back();
        if (!path_.empty() && stack_.size() == path_.size()) path_.pop_back();
        return true;
    }

    const ParseLimits& limits_;
    Json root_;
    std::vector<Open> stack_;
    std::vector<PathStep> path_;  // path of the innermost open container
    std::string pendingKey_;
    std::size_t values_ = 0;
    std::optional<Error> error_;
};

}  // namespace

std::string pathText(const std::vector<PathStep>& path) {
    std::string text;
    for (const auto& step : path) {
        text = step.isIndex ? indexPath(text, step.index) : childPath(text, step.key);
    }
    return text;
}

Result<Json> parseBounded(std::string_view text, const ParseLimits& limits) {
    BoundedBuilder builder(limits);
    try {
        const bool parsed = Json::sax_parse(text.begin(), text.end(), &builder);
        if (builder.error()) return *builder.error();
        if (!parsed) return Error{"ERR_JSON_SYNTAX", "the JSON text is not well formed", {}};
    } catch (const std::bad_alloc&) {
        return Error{"ERR_JSON_TOO_LARGE", "the JSON text needs more memory than is free", {}};
    } catch (const std::exception& e) {
        return Error{
            "ERR_JSON_SYNTAX",
            std::string("the JSON text could not be read: ") + syntaxSentence(e.what(), {}),
            {}};
    }
    return builder.take();
}

}  // namespace vx::json
