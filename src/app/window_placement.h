#pragma once

// Origin that centres a window of the given extent on a screen of the given extent,
// as (screen - window) / 2 truncated toward zero. A window larger than the screen gets
// a negative origin and overhangs both edges equally; the result never overflows.
int CentredOrigin(int screenExtent, int windowExtent);
