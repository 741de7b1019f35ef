#include "editor/wizards/generators/shape_file.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/numbers.h"

namespace qzedit {

namespace {

constexpr double kDegrees = 0.017453;

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// The part of text from `from` on, empty where the text is shorter.
std::string_view tail(std::string_view text, size_t from) { return from < text.size() ? text.substr(from) : ""; }

bool inRange(double value) { return value >= kShapeMin - 0.5 && value <= kShapeMax + 0.5; }

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text), upperText_(upper(text))
    {
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] == '\n') lineStarts_.push_back(i + 1);
    }

    ShapeScan run()
    {
        const size_t open = text_.find('<');
        if (open == std::string_view::npos || upperText_.compare(open + 1, 7, "QZSHAPE") != 0) {
            result_.ok = false;
            result_.problem = ShapeScan::kMissingHeader;
            return result_;
        }
        const size_t close = text_.find('>');
        if (close == std::string_view::npos) return fail(open, "the header tag has no closing \">\"");

        bool inWall = false;
        bool inTurtle = false;
        size_t elementStart = 0;
        size_t p = close + 1;
        while (p < text_.size()) {
            if (inWall || inTurtle) {
                const char* closing = inWall ? "</WALL" : "</TURTLEWALL";
                const size_t e = upperText_.find(closing, p);
                if (e == std::string::npos) return missingClose(elementStart, inWall);
                const std::string_view body = text_.substr(p, e - p);
                if (!(inWall ? wall(body, p) : turtle(body, p))) return result_;
                p = e;
                inWall = inTurtle = false;
            } else if (text_[p] == '<') {
                const size_t e = text_.find('>', p);
                if (e == std::string_view::npos) return fail(p, "the tag \"" + tagName(p) + "\" has no closing \">\"");
                const std::string name = upper(tagName(p));
                if (name == "<AREA") ++result_.areaTags;
                inWall = name == "<WALL";
                inTurtle = name == "<TURTLEWALL";
                elementStart = p;
                p = e;
            }
            ++p;
        }
        if (inWall || inTurtle) return missingClose(elementStart, inWall);
        return result_;
    }

private:
    int32_t lineAt(size_t position) const
    {
        const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), position);
        return static_cast<int32_t>(after - lineStarts_.begin());
    }

    ShapeScan fail(size_t position, const std::string& what)
    {
        result_.ok = false;
        result_.problem = "line " + qz::decimal(lineAt(position)) + ": " + what;
        result_.lines.clear();
        return result_;
    }

    ShapeScan missingClose(size_t elementStart, bool wallElement)
    {
        return fail(elementStart, wallElement ? "the wall element has no closing tag \"</WALL>\""
                                              : "the turtle element has no closing tag \"</TURTLEWALL>\"");
    }

    // The tag's name: from "<" up to the first space, control character or ">".
    std::string tagName(size_t p) const
    {
        size_t end = p + 1;
        while (end < text_.size() && text_[end] != '>' && static_cast<unsigned char>(text_[end]) > ' ' &&
               text_[end] != '\x7f')
            ++end;
        return std::string(text_.substr(p, end - p));
    }

    bool wall(std::string_view body, size_t at)
    {
        std::vector<std::string_view> parts;
        size_t from = 0;
        for (size_t comma; (comma = body.find(',', from)) != std::string_view::npos; from = comma + 1)
            parts.push_back(body.substr(from, comma - from));
        parts.push_back(body.substr(from));
        if (parts.size() < 4) {
            fail(at, "a wall needs four numbers x1,y1,x2,y2 separated by commas");
            return false;
        }
        int32_t value[4];
        for (size_t k = 0; k < 4; ++k) {
            const double v = qz::val(parts[k]);
            if (!inRange(v)) {
                fail(at, "a wall number is outside " + qz::decimal(kShapeMin) + " to " + qz::decimal(kShapeMax));
                return false;
            }
            value[k] = qz::toLong(v);
        }
        add({value[0], value[1], value[2], value[3], lineAt(at)});
        x_ = value[2];
        y_ = value[3];
        return true;
    }

    bool turtle(std::string_view body, size_t at)
    {
        const size_t comma = body.find(',');
        if (comma == std::string_view::npos) {
            fail(at, "a turtle step needs a turn and a move separated by a comma");
            return false;
        }
        const std::string_view turn = body.substr(0, comma);
        const std::string_view move = body.substr(comma + 1);
        const double angle = qz::val(tail(turn, 2));
        const double distance = qz::val(tail(move, 2));
        const std::string turnCode = upper(turn.substr(0, std::min<size_t>(2, turn.size())));
        if (turnCode == "RT") heading_ = static_cast<float>(heading_ - angle * kDegrees);
        else if (turnCode == "LT") heading_ = static_cast<float>(heading_ + angle * kDegrees);
        else if (turnCode == "AR" || turnCode == "AL") heading_ = static_cast<float>(angle * kDegrees);
        // A turn past the Single range has no direction left to move in.
        if (!std::isfinite(heading_)) {
            fail(at, "the turtle's turn is outside the range of an angle");
            return false;
        }

        const std::string moveCode = upper(move.substr(0, std::min<size_t>(2, move.size())));
        const double sign = moveCode == "FD" ? 1.0 : moveCode == "BD" ? -1.0 : 0.0;
        const double h = heading_;
        const double nx = x_ + sign * distance * std::sin(h);
        const double ny = y_ + sign * distance * std::cos(h);
        if (!inRange(nx) || !inRange(ny)) {
            fail(at, "the turtle moves outside " + qz::decimal(kShapeMin) + " to " + qz::decimal(kShapeMax));
            return false;
        }
        const int32_t ex = qz::toLong(nx);
        const int32_t ey = qz::toLong(ny);
        add({x_, y_, ex, ey, lineAt(at)});
        x_ = ex;
        y_ = ey;
        return true;
    }

    // A wall of no length has no direction and cannot be compiled: it is left out.
    void add(const ShapeLine& line)
    {
        if (line.x1 != line.x2 || line.y1 != line.y2) result_.lines.push_back(line);
    }

    std::string_view text_;
    std::string upperText_;
    std::vector<size_t> lineStarts_ {0};
    ShapeScan result_;
    int32_t x_ = 0;
    int32_t y_ = 0;
    float heading_ = 0.0f;
};

}  // namespace

ShapeScan scanShape(std::string_view text) { return Scanner(text).run(); }

}  // namespace qzedit
