#include "graphs/ExportName.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace kvor {

namespace {

constexpr const char* BitmapTitle = " Export Bitmap file";
constexpr const char* BitmapFilter = "Bitmap files (*.BMP)|*.BMP";
constexpr const char* MetafileTitle = " Export Enhanced Metafile";
constexpr const char* MetafileFilter = "Enhanced Metafiles (*.EMF)|*.EMF";

constexpr std::array<ExportKindInfo, 4> Kinds{{
    {"KVORSimulation.BMP", BitmapTitle, BitmapFilter, ".BMP"},
    {"KVORSimulation.EMF", MetafileTitle, MetafileFilter, ".EMF"},
    {"KVORVarianceFunctions.BMP", BitmapTitle, BitmapFilter, ""},
    {"KVORVarianceFunctions.EMF", MetafileTitle, MetafileFilter, ""},
}};

std::string NamePart(const std::string& fullName) {
    const auto slash = fullName.find_last_of('/');
    return slash == std::string::npos ? fullName : fullName.substr(slash + 1);
}

std::string UpperExtension(const std::string& namePart) {
    const auto dot = namePart.find_last_of('.');
    std::string extension = dot == std::string::npos ? std::string() : namePart.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension;
}

} // namespace

const ExportKindInfo& ExportKind(int kind) {
    return Kinds[static_cast<std::size_t>(std::clamp(kind, 1, 4) - 1)];
}

ExportNameVerdict CheckExportName(const std::string& fullName, int kind) {
    const std::string name = NamePart(fullName);
    if (name.empty() || name.front() == '.') {
        return ExportNameVerdict::Invalid;
    }
    const std::string checked = ExportKind(kind).CheckedExtension;
    if (!checked.empty() && UpperExtension(name) != checked) {
        return ExportNameVerdict::AskExtension;
    }
    return ExportNameVerdict::Accept;
}

std::string ExportFolderOf(const std::string& fullName) {
    const auto slash = fullName.find_last_of('/');
    return slash == std::string::npos ? std::string() : fullName.substr(0, slash + 1);
}

} // namespace kvor
