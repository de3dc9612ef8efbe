#include "chart_sheet.hpp"

#include <charconv>

namespace kesora {

namespace {

struct Caption {
    int label;
    std::string_view text;
};

// Labels whose caption is not simply their own number.
constexpr Caption kFixedCaptions[] = {
    {1, "天干"}, {2, "地支"}, {3, "蔵干"}, {4, "天星"}, {5, "地星"}, {6, "補運"},
    {7, "年柱"}, {8, "月柱"}, {9, "日柱"}, {10, "時柱"},
    {16, "****"}, {22, "****"}, {26, "****"}, {34, "****"},
    {36, "空亡"},
    {37, "四柱　推命"}, {38, "西暦"}, {39, "１９９９"}, {40, "年"}, {41, "１２"}, {42, "月"},
    {43, "４３"}, {44, "日"}, {45, "23時～24時"}, {46, "生まれ"}, {47, ""},
    {48, "特殊星(解説)"}, {50, "５０"},
};

constexpr std::string_view kNumberCaptions[] = {
    "",   "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12", "13",
    "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27",
    "28", "29", "30", "31", "32", "33", "34", "35", "36", "37", "38", "39", "40", "41",
    "42", "43", "44", "45", "46", "47", "48", "49", "50", "51", "52",
};
static_assert(std::size(kNumberCaptions) == ChartSheet::kLastLabel + 1);

const std::string kNoText;

}  // namespace

std::string_view ChartSheet::initialCaption(int label) {
    if (!inRange(label)) return {};
    for (const Caption& c : kFixedCaptions)
        if (c.label == label) return c.text;
    return kNumberCaptions[label];
}

ChartSheet::ChartSheet() { reset(); }

void ChartSheet::reset() {
    for (int label = kFirstLabel; label <= kLastLabel; ++label) {
        Cell& c = cells_[label];
        c.text.assign(initialCaption(label));
        c.visible = true;
        c.color = kBlack;
        changed(label);
    }
}

const std::string& ChartSheet::text(int label) const {
    return inRange(label) ? cells_[label].text : kNoText;
}

bool ChartSheet::visible(int label) const { return inRange(label) ? cells_[label].visible : true; }

Rgb ChartSheet::color(int label) const { return inRange(label) ? cells_[label].color : kBlack; }

void ChartSheet::setText(int label, std::string_view text) {
    if (!inRange(label)) return;
    std::string& t = cells_[label].text;
    if (t == text) return;
    t.assign(text);
    changed(label);
}

void ChartSheet::appendText(int label, std::string_view text) {
    if (!inRange(label) || text.empty()) return;
    cells_[label].text.append(text);
    changed(label);
}

void ChartSheet::setVisible(int label, bool visible) {
    if (!inRange(label) || cells_[label].visible == visible) return;
    cells_[label].visible = visible;
    changed(label);
}

void ChartSheet::setColor(int label, Rgb color) {
    if (!inRange(label) || cells_[label].color == color) return;
    cells_[label].color = color;
    changed(label);
}

std::optional<int> ChartSheet::labelNumber(std::string_view name) {
    constexpr std::string_view prefix = "Label";
    if (!name.starts_with(prefix)) return std::nullopt;
    std::string_view digits = name.substr(prefix.size());
    if (digits.empty() || digits.size() > 2 || digits.front() == '0') return std::nullopt;
    int n = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc{} || end != digits.data() + digits.size() || !inRange(n)) return std::nullopt;
    return n;
}

}  // namespace kesora
