#include "app/window_placement.h"

int CentredOrigin(int screenExtent, int windowExtent) {
    // The difference needs 33 bits; half of it fits an int again.
    return static_cast<int>((static_cast<long long>(screenExtent) - windowExtent) / 2);
}
