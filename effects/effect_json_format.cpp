#include "effects/effect_json_fields.h"

namespace vx::json {
namespace {

bool isScalar(const Json& j) { return !j.is_object() && !j.is_array(); }

bool holdsOnlyScalars(const Json& j) {
    for (const auto& e : j) {
        if (!isScalar(e)) return false;
    }
    return true;
}

bool holdsNoDeepContainers(const Json& j) {
    for (const auto& e : j) {
        if (!isScalar(e) && !holdsOnlyScalars(e)) return false;
    }
    return true;
}

// Compact form with a space after ':' and ',' so single-line containers read well.
void writeInline(std::string& out, const Json& j) {
    if (j.is_object()) {
        out += '{';
        bool first = true;
        for (const auto& [key, value] : j.items()) {
            if (!first) out += ", ";
            first = false;
            out += Json(key).dump();
            out += ": ";
            writeInline(out, value);
        }
        out += '}';
    } else if (j.is_array()) {
        out += '[';
        bool first = true;
        for (const auto& e : j) {
            if (!first) out += ", ";
            first = false;
            writeInline(out, e);
        }
        out += ']';
    } else {
        out += j.dump();
    }
}

constexpr std::size_t kInlineWidth = 100;

void writePretty(std::string& out, const Json& j, std::size_t indent) {
    if (isScalar(j) || j.empty() || holdsOnlyScalars(j)) {
        writeInline(out, j);
        return;
    }
    if (holdsNoDeepContainers(j)) {
        std::string line;
        writeInline(line, j);
        if (line.size() + indent <= kInlineWidth) {
            out += line;
            return;
        }
    }
    const std::string inner(indent + 2, ' ');
    const bool isObject = j.is_object();
    out += isObject ? "{\n" : "[\n";
    bool first = true;
    for (const auto& [key, value] : j.items()) {
        if (!first) out += ",\n";
        first = false;
        out += inner;
        if (isObject) {
            out += Json(key).dump();
            out += ": ";
        }
        writePretty(out, value, indent + 2);
    }
    out += '\n';
    out += std::string(indent, ' ');
    out += isObject ? '}' : ']';
}

}  // namespace

std::string format(const Json& j) {
    std::string out;
    writePretty(out, j, 0);
    out += '\n';
    return out;
}

}  // namespace vx::json
