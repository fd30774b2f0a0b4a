#include "printing/PrintSettings.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "config/IniFile.h"
#include "text/Utf8.h"

namespace sj {
namespace {

std::string cutChars(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < text.size(); ++n) utf8::decode(text, pos);
    return std::string(text.substr(0, pos));
}

// A hand-edited ordinal outside the enumeration keeps the current value.
template <typename Enum>
Enum readEnum(const IniFile& ini, std::string_view section, std::string_view key, Enum current, Enum last) {
    const int v = ini.readInteger(section, key, static_cast<int>(current));
    if (v < 0 || v > static_cast<int>(last)) return current;
    return static_cast<Enum>(v);
}

void readMargin(const IniFile& ini, std::string_view section, std::string_view key, double& margin) {
    if (const auto text = ini.value(section, key)) {
        double v = 0;
        if (PrintSettings::parseMargin(*text, v)) margin = v;
    }
}

bool containsNumberField(std::string_view format) {
    for (std::size_t i = 0; i + 1 < format.size(); ++i)
        if (format[i] == '%' && (format[i + 1] == 'd' || format[i + 1] == 'D')) return true;
    return false;
}

}  // namespace

std::string PrintSettings::section() const {
    const std::string cut = cutChars(iniSection, kMaxSection);
    return cut.empty() ? std::string(kDefaultSection) : cut;
}

std::string PrintSettings::marginText(double value, LengthUnits units) {
    char buffer[64];
    if (units == LengthUnits::Pixels)
        std::snprintf(buffer, sizeof buffer, "%.0f", std::round(value));
    else
        std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

bool PrintSettings::parseMargin(std::string_view text, double& value) {
    std::string s;
    for (char c : text)
        if (c != ' ') s += c == ',' ? '.' : c;
    if (s.empty()) {
        value = 0;
        return true;
    }
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

std::string PrintSettings::normalisedNumberFormat(std::string_view format) {
    std::string cut = cutChars(format, kMaxNumberFormat);
    if (cut.empty() || containsNumberField(cut)) return cut;
    const std::size_t room = kMaxNumberFormat - std::min(kMaxNumberFormat, utf8::countChars(cut));
    if (room >= 3) return cut + " %d";
    // Make room so the number still shows.
    return cutChars(cut, kMaxNumberFormat - 3) + " %d";
}

void PrintSettings::load(const IniFile& ini) {
    const std::string s = section();
    lengthUnits = readEnum(ini, s, "Units", lengthUnits, LengthUnits::Characters);
    printRange = readEnum(ini, s, "PrintRange", printRange, PrintRange::PageNumbers);
    readMargin(ini, s, "MarginLeft", marginLeft);
    readMargin(ini, s, "MarginRight", marginRight);
    readMargin(ini, s, "MarginTop", marginTop);
    readMargin(ini, s, "MarginBottom", marginBottom);
    fromPage = ini.readInteger(s, "StartPage", fromPage);
    if (fromPage <= 0) fromPage = 1;
    toPage = ini.readInteger(s, "EndPage", toPage);
    if (toPage < 0 || (toPage > 0 && toPage < fromPage)) toPage = 0;
    copies = ini.readInteger(s, "Copies", copies);
    if (copies <= 0) copies = 1;
    collate = ini.readBool(s, "Collate", collate);
    landscape = ini.readBool(s, "Landscape", landscape);
    useDocFont = ini.readBool(s, "UseDocumentFont", useDocFont);
    fontName = cutChars(ini.readString(s, "FontName", fontName), kMaxFontName);
    fontSize = ini.readInteger(s, "FontSize", fontSize);
    if (const auto style = ini.value(s, "FontStyle")) fontStyles = FontText::styleFromText(*style);
    printToFile = ini.readBool(s, "PrintToFile", printToFile);
    pageNumbers = readEnum(ini, s, "PageNumbers", pageNumbers, PageNumberPosition::BottomCenter);
    numberFormat = cutChars(ini.readString(s, "PageNumberFormat", numberFormat), kMaxNumberFormat);
    dateFilter = cutChars(ini.readString(s, "DateFilter", dateFilter), kMaxDateFilter);
    pageHeader = readEnum(ini, s, "PageHeader", pageHeader, PageInfo::TitleDate);
    pageFooter = readEnum(ini, s, "PageFooter", pageFooter, PageInfo::TitleDate);
}

void PrintSettings::save(IniFile& ini) const {
    const std::string s = section();
    ini.writeInteger(s, "Units", static_cast<int>(lengthUnits));
    ini.writeInteger(s, "PrintRange", static_cast<int>(printRange));
    ini.writeString(s, "MarginLeft", marginText(marginLeft, lengthUnits));
    ini.writeString(s, "MarginRight", marginText(marginRight, lengthUnits));
    ini.writeString(s, "MarginTop", marginText(marginTop, lengthUnits));
    ini.writeString(s, "MarginBottom", marginText(marginBottom, lengthUnits));
    ini.writeInteger(s, "StartPage", fromPage);
    ini.writeInteger(s, "EndPage", toPage);
    ini.writeInteger(s, "Copies", copies);
    ini.writeBool(s, "Collate", collate);
    ini.writeBool(s, "Landscape", landscape);
    ini.writeBool(s, "UseDocumentFont", useDocFont);
    ini.writeString(s, "FontName", fontName);
    ini.writeInteger(s, "FontSize", fontSize);
    ini.writeString(s, "FontStyle", FontText::styleToText(fontStyles));
    ini.writeBool(s, "PrintToFile", printToFile);
    ini.writeInteger(s, "PageNumbers", static_cast<int>(pageNumbers));
    ini.writeString(s, "PageNumberFormat", numberFormat);
    ini.writeString(s, "DateFilter", dateFilter);
    ini.writeInteger(s, "PageHeader", static_cast<int>(pageHeader));
    ini.writeInteger(s, "PageFooter", static_cast<int>(pageFooter));
}

}  // namespace sj
