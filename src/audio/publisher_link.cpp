#include "audio/publisher_link.h"

bool IsInPublisherLink(unsigned x, unsigned y) { return x > 220 && x < 395 && y > 262 && y < 297; }
