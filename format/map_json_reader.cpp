#include "format/map_json_reader.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <set>
#include <variant>

#include "format/map_json_fields.h"
#include "platform/codepage.h"

namespace mapfile {

namespace {

// A refusal, thrown from deep in the parse and caught once at the top.
struct Refusal {
    size_t at;
    std::string what;
};

// A JSON value of the map's format: a number, a string, or null. Objects and arrays are read where
// the format has them, so nesting is bounded by the format itself.
struct Scalar {
    enum class Kind { Number, String, Null } kind = Kind::Null;
    double number = 0.0;
    std::string text;  // UTF-8
    size_t at = 0;
};

class Parser {
public:
    Parser(std::string_view text, const TableLimits& limits) : text_(text), limits_(limits) {}

    MapFileContents document()
    {
        MapFileContents contents;
        std::optional<int32_t> wallBlockType;
        std::optional<ViewerStart> viewer;
        std::optional<std::vector<Wall>> walls;
        std::set<std::string> seen;
        object([&](const std::string& key, size_t keyAt) {
            if (!seen.insert(key).second) throw Refusal {keyAt, "the key \"" + key + "\" appears twice"};
            if (key == "wallBlockType")
                wallBlockType = whole<int32_t>(scalar(), "wallBlockType");
            else if (key == "viewerStart")
                viewer = viewerStart();
            else if (key == "walls")
                walls = records(wallJsonFields(), limits_.walls, "walls");
            else if (key == "viewpoints")
                contents.viewpoints = records(viewpointJsonFields(), limits_.viewpoints, "viewpoints");
            else if (key == "areas")
                contents.areas = records(areaJsonFields(), limits_.areas, "areas");
            else if (key == "globals")
                contents.globals = records(globalJsonFields(), limits_.globals, "globals");
            else
                throw Refusal {keyAt, "the map has no key \"" + key + "\""};
        });
        skipBlanks();
        if (pos_ != text_.size()) throw Refusal {pos_, "text follows the map's closing \"}\""};
        if (wallBlockType || viewer || walls) {
            WallBlock& block = contents.wallBlock.emplace();
            block.type = wallBlockType.value_or(1);
            block.viewer = viewer.value_or(ViewerStart {});
            block.walls = walls.value_or(std::vector<Wall> {});
        }
        return contents;
    }

private:
    void skipBlanks()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r'))
            ++pos_;
    }

    bool peek(char c)
    {
        skipBlanks();
        return pos_ < text_.size() && text_[pos_] == c;
    }

    void expect(char c)
    {
        if (!peek(c)) throw Refusal {pos_, std::string("expected \"") + c + "\""};
        ++pos_;
    }

    // The members of an object: member(key, where the key starts) reads each value.
    template <typename Member>
    void object(Member member)
    {
        expect('{');
        if (peek('}')) {
            ++pos_;
            return;
        }
        do {
            skipBlanks();
            const size_t keyAt = pos_;
            if (!peek('"')) throw Refusal {pos_, "expected a key in quotes"};
            const std::string key = string();
            expect(':');
            member(key, keyAt);
        } while (peek(',') && (++pos_, true));
        expect('}');
    }

    template <typename Element>
    void array(Element element)
    {
        expect('[');
        if (peek(']')) {
            ++pos_;
            return;
        }
        do {
            element();
        } while (peek(',') && (++pos_, true));
        expect(']');
    }

    Scalar scalar()
    {
        skipBlanks();
        Scalar value;
        value.at = pos_;
        if (pos_ >= text_.size()) throw Refusal {pos_, "the text ends before a value"};
        const char c = text_[pos_];
        if (c == '"') {
            value.kind = Scalar::Kind::String;
            value.text = string();
        } else if (text_.substr(pos_, 4) == "null") {
            pos_ += 4;
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            value.kind = Scalar::Kind::Number;
            value.number = number();
        } else {
            throw Refusal {pos_, "expected a number, a text in quotes or null"};
        }
        return value;
    }

    // JSON's number grammar exactly: no leading zeros, no "+", no bare point.
    double number()
    {
        const size_t start = pos_;
        auto digits = [&] {
            const size_t from = pos_;
            while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
            return pos_ - from;
        };
        if (text_[pos_] == '-') ++pos_;
        const size_t intStart = pos_;
        const size_t intDigits = digits();
        if (intDigits == 0 || (intDigits > 1 && text_[intStart] == '0')) throw Refusal {start, "a malformed number"};
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            if (digits() == 0) throw Refusal {start, "a malformed number"};
        }
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
            if (digits() == 0) throw Refusal {start, "a malformed number"};
        }
        double value = 0.0;
        const auto [end, error] = std::from_chars(text_.data() + start, text_.data() + pos_, value);
        if (error != std::errc() || end != text_.data() + pos_ || !std::isfinite(value))
            throw Refusal {start, "a number beyond the range of a Double"};
        return value;
    }

    static void appendUtf8(std::string& out, uint32_t code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    uint32_t hexQuad()
    {
        if (text_.size() - pos_ < 4) throw Refusal {pos_, "a \\u escape needs four hex digits"};
        uint32_t code = 0;
        const auto [end, error] = std::from_chars(text_.data() + pos_, text_.data() + pos_ + 4, code, 16);
        if (error != std::errc() || end != text_.data() + pos_ + 4) throw Refusal {pos_, "a \\u escape needs four hex digits"};
        pos_ += 4;
        return code;
    }

    std::string string()
    {
        const size_t start = pos_++;
        std::string out;
        while (true) {
            if (pos_ >= text_.size()) throw Refusal {start, "a text in quotes does not end"};
            const char c = text_[pos_++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) throw Refusal {pos_ - 1, "a control character inside quotes"};
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= text_.size()) throw Refusal {start, "a text in quotes does not end"};
            const char escape = text_[pos_++];
            switch (escape) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case '/': out += '/'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                uint32_t code = hexQuad();
                // A character beyond the first 65536 comes as two escapes, high half first.
                if (code >= 0xD800 && code < 0xDC00 && text_.substr(pos_, 2) == "\\u") {
                    pos_ += 2;
                    const uint32_t low = hexQuad();
                    if (low < 0xDC00 || low >= 0xE000) throw Refusal {pos_ - 6, "a broken pair of \\u escapes"};
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                } else if (code >= 0xD800 && code < 0xE000) {
                    throw Refusal {pos_ - 6, "a broken pair of \\u escapes"};
                }
                appendUtf8(out, code);
                break;
            }
            default: throw Refusal {pos_ - 2, "an unknown escape in quotes"};
            }
        }
    }

    template <typename Int>
    static Int whole(const Scalar& value, const std::string& field)
    {
        if (value.kind != Scalar::Kind::Number || value.number != std::floor(value.number) ||
            value.number < static_cast<double>(std::numeric_limits<Int>::min()) ||
            value.number > static_cast<double>(std::numeric_limits<Int>::max()))
            throw Refusal {value.at, "\"" + field + "\" must be a whole number from " +
                                         std::to_string(std::numeric_limits<Int>::min()) + " to " +
                                         std::to_string(std::numeric_limits<Int>::max())};
        return static_cast<Int>(value.number);
    }

    static double real(const Scalar& value, const std::string& field)
    {
        if (value.kind == Scalar::Kind::Null) return std::numeric_limits<double>::quiet_NaN();
        if (value.kind != Scalar::Kind::Number) throw Refusal {value.at, "\"" + field + "\" must be a number"};
        return value.number;
    }

    static FixedText16 fixedText(const Scalar& value, const std::string& field)
    {
        if (value.kind != Scalar::Kind::String) throw Refusal {value.at, "\"" + field + "\" must be a text in quotes"};
        return FixedText16(qz::utf8ToCp1252(value.text));
    }

    template <typename Record>
    Record record(const std::vector<JsonField<Record>>& fields)
    {
        Record r;
        std::set<std::string> seen;
        object([&](const std::string& key, size_t keyAt) {
            const JsonField<Record>* field = nullptr;
            for (const JsonField<Record>& f : fields)
                if (key == f.name) field = &f;
            if (!field) throw Refusal {keyAt, "a record has no field \"" + key + "\""};
            if (!seen.insert(key).second) throw Refusal {keyAt, "the field \"" + key + "\" appears twice"};
            const Scalar value = scalar();
            struct Store {
                Record& r;
                const Scalar& value;
                const std::string& key;
                void operator()(int32_t Record::*m) const { r.*m = whole<int32_t>(value, key); }
                void operator()(int16_t Record::*m) const { r.*m = whole<int16_t>(value, key); }
                void operator()(double Record::*m) const { r.*m = real(value, key); }
                void operator()(FixedText16 Record::*m) const { r.*m = fixedText(value, key); }
            };
            std::visit(Store {r, value, key}, field->member);
        });
        return r;
    }

    template <typename Record>
    std::vector<Record> records(const std::vector<JsonField<Record>>& fields, int32_t limit, const char* what)
    {
        std::vector<Record> list;
        array([&] {
            skipBlanks();
            if (static_cast<int64_t>(list.size()) >= limit)
                throw Refusal {pos_, std::string("more ") + what + " than the map holds (" + std::to_string(limit) + ")"};
            list.push_back(record(fields));
        });
        return list;
    }

    ViewerStart viewerStart()
    {
        ViewerStart start;
        if (!peek('{')) {
            const Scalar value = scalar();
            if (value.kind != Scalar::Kind::Null) throw Refusal {value.at, "\"viewerStart\" must be an object or null"};
            return start;
        }
        std::set<std::string> seen;
        object([&](const std::string& key, size_t keyAt) {
            if (!seen.insert(key).second) throw Refusal {keyAt, "the field \"" + key + "\" appears twice"};
            const Scalar value = scalar();
            if (key == "vx")
                start.vx = real(value, key);
            else if (key == "vy")
                start.vy = real(value, key);
            else if (key == "vz")
                start.vz = whole<int32_t>(value, key);
            else if (key == "vd")
                start.vd = whole<int16_t>(value, key);
            else
                throw Refusal {keyAt, "the viewer start has no field \"" + key + "\""};
        });
        return start;
    }

    std::string_view text_;
    TableLimits limits_;
    size_t pos_ = 0;
};

std::string where(std::string_view text, size_t at)
{
    size_t line = 1, column = 1;
    for (size_t k = 0; k < at && k < text.size(); ++k) {
        if (text[k] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

MapJsonRead readMapJson(std::string_view text, const TableLimits& limits)
{
    MapJsonRead read;
    try {
        read.contents = Parser(text, limits).document();
    } catch (const Refusal& refusal) {
        read.contents = {};
        read.fault = where(text, refusal.at) + ": " + refusal.what;
    }
    return read;
}

}  // namespace mapfile
