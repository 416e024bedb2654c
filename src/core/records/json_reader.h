#pragma once
// A strict JSON reader for run files: the whole text or nothing, with a bound on nesting so that no
// file can exhaust the stack. Numbers keep their text, so that times are read exactly.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tap {

struct JsonMember;

struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    std::string text;  // a string's value, or a number as written
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;  // a vector may hold a type completed below; a pair may not

    // The member `key` of an object, or nullptr.
    const JsonValue* find(std::string_view key) const;
};

struct JsonMember {
    std::string key;
    JsonValue value;
};

struct JsonResult {
    std::optional<JsonValue> value;
    std::string error;
};

// Bounds that keep a hostile file from taking the stack, the memory or the time: far above what a run
// file needs (about six values a press), far below harm.
inline constexpr int kMaxJsonDepth = 16;
inline constexpr std::size_t kMaxJsonValues = 262144;
inline constexpr std::size_t kMaxJsonMembers = 64;

JsonResult parseJson(std::string_view text);

}  // namespace tap
