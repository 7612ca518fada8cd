#include "controls/image_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Stands in for a bitmap handle owner: frees are logged by the bitmap's number.
std::vector<int> g_freed;

struct LogFree {
    void operator()(int* bitmap) const {
        g_freed.push_back(*bitmap);
        delete bitmap;
    }
};

using FakeBitmap = std::unique_ptr<int, LogFree>;

class ImageTableTest : public testing::Test {
protected:
    void SetUp() override { g_freed.clear(); }

    // Loads the name, counting the loads; number 0 stands for a failed load.
    int Load(const std::string& name, int number) {
        return table_.FindOrLoad(name, [&] {
            ++loads_;
            return number ? FakeBitmap(new int(number)) : FakeBitmap();
        });
    }
    int Number(int index) const {
        const FakeBitmap* bitmap = table_.BitmapAt(index);
        return bitmap && *bitmap ? **bitmap : 0;
    }

    ImageTable<FakeBitmap> table_;
    int loads_ = 0;
};

TEST_F(ImageTableTest, LoadsEachDistinctNameOnce) {
    EXPECT_EQ(Load("Menu\\a.bmp", 1), 0);
    EXPECT_EQ(Load("Menu\\b.bmp", 2), 1);
    EXPECT_EQ(Load("Menu\\a.bmp", 3), 0);
    EXPECT_EQ(loads_, 2);
    EXPECT_EQ(table_.ImageCount(), 2u);
    EXPECT_EQ(Number(0), 1);
    EXPECT_EQ(Number(1), 2);
}

TEST_F(ImageTableTest, NamesMatchExactlyAndCaseSensitively) {
    Load("Menu\\a.bmp", 1);
    EXPECT_EQ(table_.Find("Menu\\a.bmp"), 0);
    EXPECT_EQ(table_.Find("menu\\a.bmp"), -1);
    EXPECT_EQ(table_.Find("Menu\\a.bmp "), -1);
    EXPECT_EQ(table_.Find("Menu\\a"), -1);
    EXPECT_EQ(table_.Find(""), -1);
}

TEST_F(ImageTableTest, FailedLoadStaysCachedEmpty) {
    EXPECT_EQ(Load("missing.bmp", 0), 0);
    EXPECT_EQ(Load("missing.bmp", 5), 0);
    EXPECT_EQ(loads_, 1);
    ASSERT_NE(table_.BitmapAt(0), nullptr);
    EXPECT_FALSE(*table_.BitmapAt(0));
}

TEST_F(ImageTableTest, LongNamesAreKeptWhole) {
    const std::string prefix(249, 'x');
    const std::string longName = prefix + std::string(300, 'y');
    Load(prefix, 1);
    EXPECT_EQ(Load(longName, 2), 1);
    EXPECT_EQ(Load(prefix + std::string(300, 'z'), 3), 2);
    EXPECT_EQ(table_.Find(longName), 1);
    EXPECT_EQ(Number(table_.Find(longName)), 2);
}

TEST_F(ImageTableTest, FirstBindingOfAnIdDecides) {
    const int first = Load("first.bmp", 1);
    const int second = Load("second.bmp", 2);
    table_.Bind(300, first);
    table_.Bind(301, second);
    table_.Bind(300, second);
    EXPECT_EQ(table_.ImageFor(300), first);
    EXPECT_EQ(table_.ImageFor(301), second);
    EXPECT_EQ(table_.BindingCount(), 3u);
}

TEST_F(ImageTableTest, UnboundIdHasNoBitmap) {
    Load("a.bmp", 1);
    EXPECT_EQ(table_.ImageFor(999), -1);
    EXPECT_EQ(table_.BitmapAt(-1), nullptr);
    EXPECT_EQ(table_.BitmapAt(1), nullptr);
}

TEST_F(ImageTableTest, ReleaseFreesEveryBitmapOnceAndKeepsNamesAndBindings) {
    Load("a.bmp", 1);
    Load("failed.bmp", 0);
    Load("b.bmp", 2);
    table_.Bind(7, 2);

    table_.ReleaseBitmaps();
    EXPECT_EQ(g_freed, (std::vector<int>{1, 2}));
    EXPECT_EQ(Number(0), 0);
    EXPECT_EQ(Number(2), 0);
    EXPECT_EQ(table_.Find("b.bmp"), 2);
    EXPECT_EQ(table_.ImageFor(7), 2);

    // A released name is not loaded again: the entry stays, empty.
    EXPECT_EQ(Load("a.bmp", 9), 0);
    EXPECT_EQ(loads_, 3);
    table_.ReleaseBitmaps();
    EXPECT_EQ(g_freed.size(), 2u);
}

}  // namespace
