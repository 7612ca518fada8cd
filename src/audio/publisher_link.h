#pragma once

// The publisher's home page, opened from a fixed area of the player's background.
inline constexpr char kPublisherPage[] = "https://discmenu.example/";

// Whether a client point lies in the link area, 221..394 x 263..296.
bool IsInPublisherLink(unsigned x, unsigned y);

// The last mouse move over the dialog's own surface decides what a release does, wherever
// the release happens.
class PublisherLinkPointer {
public:
    // True when the point is inside, so the hand cursor goes up.
    bool Move(unsigned x, unsigned y) {
        over_ = IsInPublisherLink(x, y);
        return over_;
    }
    bool OpensOnRelease() const { return over_; }

private:
    bool over_ = false;
};
