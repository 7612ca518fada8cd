#include "picture_cache.h"

#include "picture_decode.h"

const Raster* Pictures::Get(const std::string& name) {
    auto found = cache_.find(name);
    if (found == cache_.end()) found = cache_.emplace(name, Load(name)).first;
    return found->second ? &*found->second : nullptr;
}

std::optional<Raster> Pictures::Load(const std::string& name) const {
    const FileRef file = disc_.Resolve(name);
    if (file.kind != FileRef::Kind::kFound && file.kind != FileRef::Kind::kCaseDiffers) {
        return std::nullopt;
    }
    const std::optional<std::string> bytes = disc_.Read(file);
    return bytes ? DecodePicture(*bytes) : std::nullopt;
}
