#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One cached bitmap under the name it was asked for; the bitmap is empty when loading failed.
template <class Bitmap>
struct ButtonImage {
    Bitmap bitmap;
    std::string name;
};

// Which cached bitmap a control id draws from.
struct ButtonBinding {
    int controlId = 0;
    int imageIndex = -1;
};

// The bitmaps every image button draws from, and the table binding control ids to them. Both
// only grow: a name is loaded once, and the first binding of an id decides its bitmap.
// Bitmap is an owning, movable handle type that is empty when default-constructed.
template <class Bitmap>
class ImageTable {
public:
    // The first entry named exactly so (case-sensitive), or -1.
    int Find(std::string_view name) const {
        for (std::size_t i = 0; i < images_.size(); ++i) {
            if (images_[i].name == name) return static_cast<int>(i);
        }
        return -1;
    }

    // The entry of the name; the first time, load() makes it. A failed load stays cached empty.
    template <class Load>
    int FindOrLoad(std::string_view name, Load&& load) {
        if (const int index = Find(name); index >= 0) return index;
        images_.push_back({load(), std::string(name)});
        return static_cast<int>(images_.size()) - 1;
    }

    void Bind(int controlId, int imageIndex) { bindings_.push_back({controlId, imageIndex}); }

    // The image index of the first binding of the id, or -1.
    int ImageFor(int controlId) const {
        for (const ButtonBinding& binding : bindings_) {
            if (binding.controlId == controlId) return binding.imageIndex;
        }
        return -1;
    }

    // Null for an index outside the cache, such as the -1 of an unbound id.
    const Bitmap* BitmapAt(int index) const {
        if (index < 0 || static_cast<std::size_t>(index) >= images_.size()) return nullptr;
        return &images_[static_cast<std::size_t>(index)].bitmap;
    }

    // Frees every bitmap; the names and the bindings stay.
    void ReleaseBitmaps() {
        for (ButtonImage<Bitmap>& image : images_) image.bitmap = Bitmap{};
    }

    std::size_t ImageCount() const { return images_.size(); }
    std::size_t BindingCount() const { return bindings_.size(); }

private:
    std::vector<ButtonImage<Bitmap>> images_;
    std::vector<ButtonBinding> bindings_;
};
