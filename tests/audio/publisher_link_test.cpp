#include "audio/publisher_link.h"

#include <gtest/gtest.h>

namespace {

struct PointCase {
    unsigned x;
    unsigned y;
    bool inside;
};

TEST(PublisherLink, AreaIsStrictlyInsideItsBounds) {
    const PointCase cases[] = {
        {221, 263, true},  {394, 296, true},  {300, 280, true},    {220, 280, false},
        {395, 280, false}, {300, 262, false}, {300, 297, false},   {0, 0, false},
        {221, 262, false}, {394, 297, false}, {65535, 280, false},
    };
    for (const PointCase& point : cases) {
        EXPECT_EQ(IsInPublisherLink(point.x, point.y), point.inside)
            << "(" << point.x << ", " << point.y << ")";
    }
}

TEST(PublisherLink, NothingOpensBeforeAnyMove) {
    EXPECT_FALSE(PublisherLinkPointer().OpensOnRelease());
}

TEST(PublisherLink, LastMoveDecides) {
    struct Case {
        const char* rule;
        std::initializer_list<PointCase> moves;
        bool opens;
    };
    const Case cases[] = {
        {"MovedIn", {{300, 280, true}}, true},
        {"MovedInThenOut", {{300, 280, true}, {100, 280, false}}, false},
        {"MovedOutThenIn", {{10, 10, false}, {394, 263, true}}, true},
        {"MovedOutOnly", {{395, 297, false}}, false},
    };
    for (const Case& rule : cases) {
        PublisherLinkPointer pointer;
        for (const PointCase& move : rule.moves) {
            EXPECT_EQ(pointer.Move(move.x, move.y), move.inside) << rule.rule;
        }
        EXPECT_EQ(pointer.OpensOnRelease(), rule.opens) << rule.rule;
    }
}

}  // namespace
