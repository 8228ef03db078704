#include "common/GraphRange.h"

#include "common/IniFile.h"
#include "common/NumberFormat.h"
#include "common/NumberParse.h"

namespace common {

namespace {

constexpr std::array<long double GraphRange::*, RangeRowCount> RowMembers = {
    &GraphRange::Xmin, &GraphRange::Xmax, &GraphRange::Xstep,
    &GraphRange::Ymin, &GraphRange::Ymax, &GraphRange::Ystep};

std::string cellKey(int row) {
    return "Cells[1," + std::to_string(row) + "]";
}

} // namespace

long double& GraphRange::operator[](RangeRow row) {
    return this->*RowMembers[row];
}

long double GraphRange::operator[](RangeRow row) const {
    return this->*RowMembers[row];
}

void readRange(const RangeTexts& texts, char decimalSeparator, GraphRange& range) {
    for (int row = 0; row < RangeRowCount; ++row)
        range[RangeRow(row)] = parseFloat(texts[row], decimalSeparator);
}

GraphRange parseRange(const RangeTexts& texts, char decimalSeparator) {
    GraphRange range;
    readRange(texts, decimalSeparator, range);
    return range;
}

std::string rangeValueText(long double value, char decimalSeparator) {
    return formatPlain(value, decimalSeparator);
}

RangeTexts formatRange(const GraphRange& range, char decimalSeparator) {
    RangeTexts texts;
    for (int row = 0; row < RangeRowCount; ++row)
        texts[row] = rangeValueText(range[RangeRow(row)], decimalSeparator);
    return texts;
}

RangeTexts readRangeTexts(const IniFile& file, std::string_view section, const RangeTexts& defaults) {
    RangeTexts texts;
    for (int row = 0; row < RangeRowCount; ++row)
        texts[row] = file.readString(section, cellKey(row), defaults[row]);
    return texts;
}

void writeRangeTexts(IniFile& file, std::string_view section, const RangeTexts& texts) {
    for (int row = 0; row < RangeRowCount; ++row)
        file.writeString(section, cellKey(row), texts[row]);
}

} // namespace common
