#include "core/records/json_reader.h"

namespace tap {

namespace {

class Reader {
  public:
    explicit Reader(std::string_view t) : t_(t) {}

    JsonResult document() {
        JsonValue v;
        if (!value(v, 0)) return {std::nullopt, error_};
        skipSpace();
        if (pos_ != t_.size()) return {std::nullopt, where("余分な文字があります。")};
        return {std::move(v), {}};
    }

  private:
    std::string where(const std::string& why) const {
        // The line of the fault, counted as an editor counts.
        int line = 1;
        for (std::size_t i = 0; i < pos_ && i < t_.size(); ++i)
            if (t_[i] == '\n') ++line;
        return std::to_string(line) + " 行目: " + why;
    }
    bool fail(const std::string& why) {
        if (error_.empty()) error_ = where(why);
        return false;
    }
    void skipSpace() {
        while (pos_ < t_.size() &&
               (t_[pos_] == ' ' || t_[pos_] == '\t' || t_[pos_] == '\n' || t_[pos_] == '\r'))
            ++pos_;
    }
    bool literal(std::string_view word) {
        if (t_.substr(pos_, word.size()) != word) return fail("JSON として読めません。");
        pos_ += word.size();
        return true;
    }

    bool value(JsonValue& v, int depth) {
        if (depth > kMaxJsonDepth) return fail("入れ子が深すぎます。");
        if (++values_ > kMaxJsonValues) return fail("値が多すぎます。");
        skipSpace();
        if (pos_ >= t_.size()) return fail("途中で終わっています。");
        const char c = t_[pos_];
        if (c == '{') return object(v, depth);
        if (c == '[') return array(v, depth);
        if (c == '"') {
            v.type = JsonValue::Type::String;
            return string(v.text);
        }
        if (c == 't' || c == 'f') {
            v.type = JsonValue::Type::Bool;
            v.boolean = c == 't';
            return literal(c == 't' ? "true" : "false");
        }
        if (c == 'n') return literal("null");
        return number(v);
    }

    bool object(JsonValue& v, int depth) {
        v.type = JsonValue::Type::Object;
        ++pos_;
        skipSpace();
        if (pos_ < t_.size() && t_[pos_] == '}') return ++pos_, true;
        for (;;) {
            skipSpace();
            std::string key;
            if (pos_ >= t_.size() || t_[pos_] != '"') return fail("項目の名前がありません。");
            if (!string(key)) return false;
            if (v.members.size() >= kMaxJsonMembers) return fail("項目が多すぎます。");
            if (v.find(key)) return fail("項目 \"" + key + "\" が二つあります。");
            skipSpace();
            if (pos_ >= t_.size() || t_[pos_] != ':') return fail("\":\" がありません。");
            ++pos_;
            JsonValue member;
            if (!value(member, depth + 1)) return false;
            v.members.push_back({std::move(key), std::move(member)});
            skipSpace();
            if (pos_ < t_.size() && t_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < t_.size() && t_[pos_] == '}') return ++pos_, true;
            return fail("\",\" か \"}\" がありません。");
        }
    }

    bool array(JsonValue& v, int depth) {
        v.type = JsonValue::Type::Array;
        ++pos_;
        skipSpace();
        if (pos_ < t_.size() && t_[pos_] == ']') return ++pos_, true;
        for (;;) {
            JsonValue item;
            if (!value(item, depth + 1)) return false;
            v.items.push_back(std::move(item));
            skipSpace();
            if (pos_ < t_.size() && t_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < t_.size() && t_[pos_] == ']') return ++pos_, true;
            return fail("\",\" か \"]\" がありません。");
        }
    }

    static void appendUtf8(std::string& out, unsigned cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    bool hex4(unsigned& out) {
        if (pos_ + 4 > t_.size()) return fail("\\u のあとに 16 進の 4 桁がありません。");
        out = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = t_[pos_++];
            const int d = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
            if (d < 0) return fail("\\u のあとに 16 進の 4 桁がありません。");
            out = out * 16 + static_cast<unsigned>(d);
        }
        return true;
    }

    bool string(std::string& out) {
        ++pos_;  // the opening quote
        for (;;) {
            if (pos_ >= t_.size()) return fail("文字列が閉じていません。");
            const char c = t_[pos_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return fail("文字列に制御文字があります。");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= t_.size()) return fail("文字列が閉じていません。");
            const char e = t_[pos_++];
            switch (e) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    unsigned cp = 0;
                    if (!hex4(cp)) return false;
                    if (cp >= 0xDC00 && cp <= 0xDFFF) return fail("文字列の \\u が壊れています。");
                    if (cp >= 0xD800 && cp <= 0xDBFF) {
                        unsigned low = 0;
                        if (t_.substr(pos_, 2) != "\\u") return fail("文字列の \\u が壊れています。");
                        pos_ += 2;
                        if (!hex4(low)) return false;
                        if (low < 0xDC00 || low > 0xDFFF) return fail("文字列の \\u が壊れています。");
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    }
                    appendUtf8(out, cp);
                    break;
                }
                default:
                    return fail("文字列に使えない \\ があります。");
            }
        }
    }

    bool number(JsonValue& v) {
        const std::size_t start = pos_;
        auto digits = [this] {
            const std::size_t from = pos_;
            while (pos_ < t_.size() && t_[pos_] >= '0' && t_[pos_] <= '9') ++pos_;
            return pos_ - from;
        };
        if (pos_ < t_.size() && t_[pos_] == '-') ++pos_;
        const std::size_t intStart = pos_;
        const std::size_t intDigits = digits();
        if (intDigits == 0) return fail("JSON として読めません。");
        if (intDigits > 1 && t_[intStart] == '0') return fail("数の頭に 0 があります。");
        if (pos_ < t_.size() && t_[pos_] == '.') {
            ++pos_;
            if (digits() == 0) return fail("小数点のあとに数字がありません。");
        }
        if (pos_ < t_.size() && (t_[pos_] == 'e' || t_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < t_.size() && (t_[pos_] == '+' || t_[pos_] == '-')) ++pos_;
            if (digits() == 0) return fail("指数に数字がありません。");
        }
        if (pos_ - start > 64) return fail("数が長すぎます。");
        v.type = JsonValue::Type::Number;
        v.text = std::string(t_.substr(start, pos_ - start));
        return true;
    }

    std::string_view t_;
    std::size_t pos_ = 0;
    std::size_t values_ = 0;
    std::string error_;
};

}  // namespace

const JsonValue* JsonValue::find(std::string_view key) const {
    for (const auto& [k, v] : members)
        if (k == key) return &v;
    return nullptr;
}

JsonResult parseJson(std::string_view text) {
    return Reader(text).document();
}

}  // namespace tap
