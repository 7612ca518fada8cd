#include "reference_checks.h"

#include <string>

namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string Size(int width, int height) {
    return std::to_string(width) + "x" + std::to_string(height);
}

}  // namespace

std::optional<FileRef> ReferenceChecker::File(const ConfigSource& source, size_t element,
                                              std::string_view key, std::string_view path,
                                              Severity missing) {
    const TextPosition at = source.ValuePosition(element, key);
    if (path.size() > kMaxDiscPathLength) {
        findings_.Error(source.File(), at,
                        "the " + std::string(key) + " path is " + std::to_string(path.size()) +
                            " characters long: with the drive in front it passes Windows' "
                            "260-character limit and cannot be opened",
                        "keep paths below " + std::to_string(kMaxDiscPathLength + 1) +
                            " characters; shorten folder and file names");
    }
    const FileRef ref = disc_.Resolve(path);
    switch (ref.kind) {
        case FileRef::Kind::kFound:
            return ref;
        case FileRef::Kind::kCaseDiffers:
            findings_.Warning(
                source.File(), at,
                Quoted(path) + " differs in letter case from the disc's " + Quoted(ref.onDisc),
                "Windows finds it, but the menu compares names byte for byte "
                "(its bitmap cache, menu names); write the name as on the disc");
            return ref;
        case FileRef::Kind::kMissing:
            findings_.Add(
                missing, source.File(), at,
                "the " + std::string(key) + " file " + Quoted(path) + " is not on the disc",
                "paths are relative to the disc's root folder, with \"\\\" between "
                "folders");
            return std::nullopt;
        case FileRef::Kind::kNotOnDisc:
            return std::nullopt;
    }
    return std::nullopt;
}

void ReferenceChecker::ButtonStrip(const ConfigSource& source, size_t element, std::string_view key,
                                   std::string_view image, int width, int height) {
    const TextPosition at = source.ElementPosition(element);
    if (image.empty()) {
        findings_.Warning(source.File(), at, "button without an image shows only its caption",
                          "give it image=\"Menu\\button.bmp\", a strip of three frames");
        return;
    }
    if (width <= 0 || height <= 0) {
        findings_.Error(source.File(), at,
                        "button of size " + Size(width, height) + " cannot be seen",
                        "give it a positive width and height");
    }
    const std::optional<FileRef> file = File(source, element, key, image, Severity::kError);
    if (!file) return;
    const std::optional<std::string> bytes = disc_.Read(*file);
    const PictureInfo info = bytes ? ReadPictureInfo(*bytes) : PictureInfo{};
    const TextPosition value = source.ValuePosition(element, key);
    if (info.format != PictureInfo::Format::kBitmap) {
        findings_.Error(source.File(), value,
                        Quoted(image) + " is not a BMP bitmap (" + FormatName(info.format) +
                            "): the button shows no picture",
                        "button strips are loaded as Windows bitmaps; save it as .bmp");
        return;
    }
    if (width > 0 && height > 0 && (info.width != 3 * width || info.height != height)) {
        findings_.Error(source.File(), value,
                        "the strip " + Quoted(image) + " is " + Size(info.width, info.height) +
                            "; a " + Size(width, height) + " button needs " +
                            Size(3 * width, height),
                        "a strip holds three frames side by side: normal, hover, pressed");
    }
}

std::optional<PictureInfo> ReferenceChecker::Picture(const ConfigSource& source, size_t element,
                                                     std::string_view key, std::string_view path) {
    const std::optional<FileRef> file = File(source, element, key, path, Severity::kError);
    if (!file) return std::nullopt;
    const std::optional<std::string> bytes = disc_.Read(*file);
    const PictureInfo info = bytes ? ReadPictureInfo(*bytes) : PictureInfo{};
    if (!IsOlePicture(info.format)) {
        findings_.Error(
            source.File(), source.ValuePosition(element, key),
            Quoted(path) + " is not a picture the menu can show (" + FormatName(info.format) + ")",
            "use JPEG (or BMP or GIF)");
        return std::nullopt;
    }
    return info;
}

void ReferenceChecker::BannerStrip(const ConfigSource& source, size_t element,
                                   std::string_view image, int width) {
    const std::optional<PictureInfo> info = Picture(source, element, "image", image);
    if (!info) return;
    const TextPosition at = source.ValuePosition(element, "image");
    if (width <= 0) {
        findings_.Error(source.File(), source.ElementPosition(element),
                        "banner with a picture but no width is not drawn",
                        "give it the width of one frame");
    } else if (info->width % width != 0) {
        findings_.Warning(source.File(), at,
                          "the banner picture is " + std::to_string(info->width) +
                              " pixels wide, not a multiple of the banner width " +
                              std::to_string(width) + ": its last frame is cut",
                          "make the picture " + std::to_string(width) + " pixels wide per frame");
    }
}

void ReferenceChecker::Document(const ConfigSource& source, size_t element, std::string_view key,
                                std::string_view target) {
    if (target.empty() || IsAddress(target)) return;
    File(source, element, key, target, Severity::kError);
}

void ReferenceChecker::CommandLine(const ConfigSource& source, size_t element, std::string_view key,
                                   std::string_view commandLine) {
    if (commandLine.empty()) return;
    std::string_view program = commandLine;
    if (commandLine.front() == '"') {
        program = commandLine.substr(1, commandLine.find('"', 1) - 1);
    } else {
        // Windows tries the text up to each space in turn, the shortest first.
        for (size_t space = commandLine.find(' '); space != std::string_view::npos;
             space = commandLine.find(' ', space + 1)) {
            const FileRef ref = disc_.Resolve(commandLine.substr(0, space));
            if (ref.kind == FileRef::Kind::kFound || ref.kind == FileRef::Kind::kCaseDiffers) {
                program = commandLine.substr(0, space);
                break;
            }
        }
        if (program == commandLine && disc_.Resolve(commandLine).kind == FileRef::Kind::kMissing) {
            program = commandLine.substr(0, commandLine.find(' '));
        }
    }
    File(source, element, key, program, Severity::kError);
}

std::optional<FileRef> ReferenceChecker::FixedFile(std::string_view path) const {
    const FileRef ref = disc_.Resolve(path);
    if (ref.kind == FileRef::Kind::kFound || ref.kind == FileRef::Kind::kCaseDiffers) return ref;
    return std::nullopt;
}
