#include "chart_output.hpp"

#include <array>
#include <string_view>
#include <vector>

namespace kesora::cast {

namespace {

struct Pillar {
    std::string_view header;
    std::string_view jsonKey;
    cell::PillarCells cells;
};
// Left to right as in the window.
constexpr std::array<Pillar, 4> kPillars{{{"時柱", "hour", cell::HourPillar},
                                          {"日柱", "day", cell::DayPillar},
                                          {"月柱", "month", cell::MonthPillar},
                                          {"年柱", "year", cell::YearPillar}}};

// Decodes one UTF-8 sequence at s[i]; malformed bytes come back as U+FFFD, one byte long.
char32_t DecodeAt(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    const auto continuation = [&](std::size_t k) {
        return i + k < s.size() && (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
    };
    const auto bits = [&](std::size_t k) { return static_cast<char32_t>(s[i + k] & 0x3F); };
    char32_t cp = 0xFFFD;
    std::size_t length = 1;
    if (b0 < 0x80) {
        cp = b0;
    } else if (b0 >= 0xC2 && b0 < 0xE0 && continuation(1)) {
        cp = (static_cast<char32_t>(b0 & 0x1F) << 6) | bits(1);
        length = 2;
    } else if (b0 >= 0xE0 && b0 < 0xF0 && continuation(1) && continuation(2)) {
        cp = (static_cast<char32_t>(b0 & 0x0F) << 12) | (bits(1) << 6) | bits(2);
        length = 3;
        if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD, length = 1;
    } else if (b0 >= 0xF0 && b0 < 0xF5 && continuation(1) && continuation(2) && continuation(3)) {
        cp = (static_cast<char32_t>(b0 & 0x07) << 18) | (bits(1) << 12) | (bits(2) << 6) | bits(3);
        length = 4;
        if (cp < 0x10000 || cp > 0x10FFFF) cp = 0xFFFD, length = 1;
    }
    i += length;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
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

// Terminal columns: CJK and full-width forms take two, half-width kana one.
std::size_t DisplayWidth(std::string_view s) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < s.size();) {
        const char32_t cp = DecodeAt(s, i);
        const bool wide = cp >= 0x1100 && !(cp >= 0xFF61 && cp <= 0xFFDC);
        width += wide ? 2 : 1;
    }
    return width;
}

void AppendPadded(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    for (std::size_t w = DisplayWidth(text); w < width; ++w) out += ' ';
}

// The lines of a star list, without the line ends.
std::vector<std::string_view> StarLines(std::string_view list) {
    std::vector<std::string_view> lines;
    while (!list.empty()) {
        const std::size_t end = list.find("\r\n");
        lines.push_back(list.substr(0, end));
        list = end == std::string_view::npos ? std::string_view{} : list.substr(end + 2);
    }
    return lines;
}

std::string_view Shown(const ChartSheet& sheet, int label) {
    return sheet.visible(label) ? std::string_view(sheet.text(label)) : std::string_view{};
}

constexpr std::size_t kRowHeaderWidth = 8;
constexpr std::size_t kColumnWidth = 14;

void AppendRow(std::string& out, std::string_view header, const std::array<std::string_view, 4>& cells) {
    AppendPadded(out, header, kRowHeaderWidth);
    for (std::size_t c = 0; c < cells.size(); ++c)
        AppendPadded(out, cells[c], c + 1 < cells.size() ? kColumnWidth : 0);
    while (!out.empty() && out.back() == ' ') out.pop_back();
    out += '\n';
}

std::string Heading(const ChartSheet& sheet) {
    std::string h(sheet.text(cell::Name));
    h += "　";
    h += sheet.text(cell::Era);
    h += sheet.text(cell::Year) + "年";
    h += sheet.text(cell::Month) + "月";
    h += sheet.text(cell::Day) + "日";
    if (sheet.visible(cell::Hour)) h += "　" + sheet.text(cell::Hour);
    if (sheet.visible(cell::BornWord)) h += "生まれ";
    return h;
}

}  // namespace

std::string ChartAsText(const ChartSheet& sheet) {
    std::string out = Heading(sheet) + "\n\n";
    std::array<std::string_view, 4> row;
    for (std::size_t p = 0; p < kPillars.size(); ++p) row[p] = kPillars[p].header;
    AppendRow(out, "", row);

    struct Line {
        std::string_view header;
        int cell::PillarCells::*member;
    };
    constexpr Line kLines[] = {{"天干", &cell::PillarCells::stem},
                               {"地支", &cell::PillarCells::branch},
                               {"蔵干", &cell::PillarCells::hidden},
                               {"天星", &cell::PillarCells::stemStar},
                               {"地星", &cell::PillarCells::hiddenStar},
                               {"補運", &cell::PillarCells::stage}};
    for (const Line& line : kLines) {
        for (std::size_t p = 0; p < kPillars.size(); ++p) row[p] = Shown(sheet, kPillars[p].cells.*line.member);
        AppendRow(out, line.header, row);
    }

    std::array<std::vector<std::string_view>, 4> stars;
    std::size_t starRows = 1;
    for (std::size_t p = 0; p < kPillars.size(); ++p) {
        stars[p] = StarLines(Shown(sheet, kPillars[p].cells.special));
        starRows = std::max(starRows, stars[p].size());
    }
    for (std::size_t r = 0; r < starRows; ++r) {
        for (std::size_t p = 0; p < kPillars.size(); ++p) row[p] = r < stars[p].size() ? stars[p][r] : "";
        AppendRow(out, r == 0 ? "特殊星" : "", row);
    }
    out += "\n";
    AppendPadded(out, "空亡", kRowHeaderWidth);
    out += sheet.text(cell::Void);
    out += "\n";
    return out;
}

namespace {

void AppendJsonString(std::string& out, std::string_view s) {
    out += '"';
    for (std::size_t i = 0; i < s.size();) {
        const char32_t cp = DecodeAt(s, i);
        switch (cp) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (cp < 0x20) {
                constexpr char kHex[] = "0123456789abcdef";
                out += "\\u00";
                out += kHex[cp >> 4];
                out += kHex[cp & 0xF];
            } else {
                AppendUtf8(out, cp);
            }
        }
    }
    out += '"';
}

void AppendField(std::string& out, std::string_view key, std::string_view value, bool last = false) {
    AppendJsonString(out, key);
    out += ':';
    AppendJsonString(out, value);
    if (!last) out += ',';
}

void AppendPillar(std::string& out, const ChartSheet& sheet, const cell::PillarCells& c) {
    out += '{';
    AppendField(out, "stem", sheet.text(c.stem));
    AppendField(out, "branch", sheet.text(c.branch));
    AppendField(out, "hiddenStem", sheet.text(c.hidden));
    AppendField(out, "tenGodStem", sheet.text(c.stemStar));
    AppendField(out, "tenGodHiddenStem", sheet.text(c.hiddenStar));
    AppendField(out, "stage", sheet.text(c.stage));
    out += "\"specialStars\":[";
    bool first = true;
    for (std::string_view line : StarLines(sheet.text(c.special))) {
        constexpr std::string_view kBullet = "・";
        if (line.starts_with(kBullet)) line.remove_prefix(kBullet.size());
        if (!first) out += ',';
        AppendJsonString(out, line);
        first = false;
    }
    out += "]}";
}

}  // namespace

std::string ChartAsJson(const ChartSheet& sheet) {
    std::string out = "{";
    AppendField(out, "name", sheet.text(cell::Name));
    AppendField(out, "era", sheet.text(cell::Era));
    AppendField(out, "year", sheet.text(cell::Year));
    AppendField(out, "month", sheet.text(cell::Month));
    AppendField(out, "day", sheet.text(cell::Day));
    if (sheet.visible(cell::Hour))
        AppendField(out, "hour", sheet.text(cell::Hour));
    else
        out += "\"hour\":null,";
    AppendField(out, "void", sheet.text(cell::Void));
    out += "\"pillars\":{";
    for (std::size_t p = kPillars.size(); p-- > 0;) {
        const Pillar& pillar = kPillars[p];
        AppendJsonString(out, pillar.jsonKey);
        out += ':';
        if (sheet.visible(pillar.cells.stem))
            AppendPillar(out, sheet, pillar.cells);
        else
            out += "null";
        if (p > 0) out += ',';
    }
    out += "}}\n";
    return out;
}

}  // namespace kesora::cast
