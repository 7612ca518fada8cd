#include "audio/cd_player.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/player_texts.h"

namespace {

// Any non-zero MCI error code.
constexpr unsigned long kMciFailure = 262;

// A drive as MCI shows it: what "open" answers and whether a disc is in.
class ScriptedDrive : public MciCommands {
public:
    MciResult Send(const char* command) override {
        sent.emplace_back(command);
        const std::string text = command;
        if (text == "open cdaudio") return openResult;
        if (text == "status cdaudio length") {
            return disc ? MciResult{0, "74:12:05"} : MciResult{kMciFailure, ""};
        }
        return {};
    }

    // Forgets what was sent so far.
    std::vector<std::string> Take() { return std::exchange(sent, {}); }

    MciResult openResult{0, "1"};
    bool disc = true;
    std::vector<std::string> sent;
};

const std::vector<std::string> kPoll{"set cdaudio time format msf", "status cdaudio length"};
const std::vector<std::string> kStopAndClose{"stop cdaudio", "close cdaudio"};

CdDisplay Shows(const char* status, bool start, bool stop, bool startEnabled = true) {
    return {status, start, stop, startEnabled};
}

class CdPlayerTest : public ::testing::Test {
protected:
    ScriptedDrive drive_;
    CdPlayer player_{drive_};
};

TEST_F(CdPlayerTest, ShowsNothingBeforeTheFirstPoll) {
    ASSERT_TRUE(player_.Open());
    EXPECT_EQ(drive_.Take(), std::vector<std::string>{"open cdaudio"});
    EXPECT_TRUE(player_.DeviceOpen());
    EXPECT_EQ(player_.Display(), Shows("", false, false));
}

TEST_F(CdPlayerTest, NoDiscHidesBothButtons) {
    drive_.disc = false;
    ASSERT_TRUE(player_.Open());
    drive_.Take();
    player_.Poll();
    EXPECT_EQ(drive_.Take(), kPoll);
    EXPECT_EQ(player_.Display(), Shows(player_text::kNoDisc, false, false));
}

TEST_F(CdPlayerTest, DiscPresentOffersStartThenPlayingOffersStop) {
    ASSERT_TRUE(player_.Open());
    player_.Poll();
    EXPECT_EQ(player_.Display(), Shows(player_text::kNotPlaying, true, false));
    drive_.Take();

    ASSERT_TRUE(player_.Start());
    EXPECT_EQ(drive_.Take(), std::vector<std::string>{"play cdaudio"});
    EXPECT_TRUE(player_.Playing());
    // Start is disabled at once; the next poll swaps the buttons.
    EXPECT_EQ(player_.Display(), Shows(player_text::kNotPlaying, true, false, false));
    player_.Poll();
    EXPECT_EQ(player_.Display(), Shows(player_text::kPlaying, false, true, false));
}

TEST_F(CdPlayerTest, StartThenStopWithinOnePollKeepsStartDisabledUntilTheSecondTimer) {
    ASSERT_TRUE(player_.Open());
    player_.Poll();
    player_.Stop();  // the device is closed now
    drive_.Take();

    ASSERT_TRUE(player_.Start());
    player_.Stop();
    const std::vector<std::string> expected{"open cdaudio", "play cdaudio", "stop cdaudio",
                                            "close cdaudio"};
    EXPECT_EQ(drive_.Take(), expected);
    EXPECT_FALSE(player_.DeviceOpen());
    EXPECT_FALSE(player_.Playing());

    player_.Poll();
    EXPECT_EQ(player_.Display(), Shows(player_text::kNotPlaying, true, false, false));
    player_.EnableStart();
    EXPECT_EQ(player_.Display(), Shows(player_text::kNotPlaying, true, false, true));
}

TEST_F(CdPlayerTest, StartWithTheDeviceOpenDoesNotOpenItAgain) {
    ASSERT_TRUE(player_.Open());
    drive_.Take();
    ASSERT_TRUE(player_.Start());
    EXPECT_EQ(drive_.Take(), std::vector<std::string>{"play cdaudio"});
}

struct OpenCase {
    const char* rule;
    MciResult answer;
    bool opens;
};

class CdPlayerOpening : public ::testing::TestWithParam<OpenCase> {};

TEST_P(CdPlayerOpening, ReplyMustBeginWithOne) {
    ScriptedDrive drive;
    drive.openResult = GetParam().answer;
    CdPlayer player(drive);
    EXPECT_EQ(player.Open(), GetParam().opens);
    EXPECT_EQ(player.DeviceOpen(), GetParam().opens);
}

INSTANTIATE_TEST_SUITE_P(CdPlayer, CdPlayerOpening,
                         ::testing::Values(OpenCase{"DeviceOne", {0, "1"}, true},
                                           OpenCase{"DeviceTwelve", {0, "12"}, true},
                                           OpenCase{"FailingOpen", {266, ""}, false},
                                           OpenCase{"EmptyReply", {0, ""}, false},
                                           OpenCase{"OtherDevice", {0, "2"}, false},
                                           OpenCase{"LeadingBlank", {0, " 1"}, false}),
                         [](const ::testing::TestParamInfo<OpenCase>& param) {
                             return std::string(param.param.rule);
                         });

TEST_F(CdPlayerTest, StartFailsWhenTheDeviceCannotBeOpened) {
    ASSERT_TRUE(player_.Open());
    player_.Stop();
    drive_.openResult = {266, ""};
    drive_.Take();
    EXPECT_FALSE(player_.Start());
    EXPECT_EQ(drive_.Take(), std::vector<std::string>{"open cdaudio"});
    EXPECT_FALSE(player_.Playing());
    EXPECT_FALSE(player_.DeviceOpen());
}

TEST_F(CdPlayerTest, RemovingTheDiscWhilePlayingForgetsPlaybackButKeepsTheDeviceOpen) {
    ASSERT_TRUE(player_.Open());
    ASSERT_TRUE(player_.Start());
    player_.Poll();
    drive_.disc = false;
    player_.Poll();
    EXPECT_FALSE(player_.Playing());
    EXPECT_TRUE(player_.DeviceOpen());
    EXPECT_EQ(player_.Display(), Shows(player_text::kNoDisc, false, false));

    // No stop came, so no second timer: the disc put back in can be played at once.
    drive_.disc = true;
    drive_.Take();
    player_.Poll();
    EXPECT_EQ(player_.Display(), Shows(player_text::kNotPlaying, true, false));
    ASSERT_TRUE(player_.Start());
    EXPECT_EQ(drive_.Take(), (std::vector<std::string>{kPoll[0], kPoll[1], "play cdaudio"}));
}

TEST_F(CdPlayerTest, ShuttingDownStopsAndClosesAnOpenDevice) {
    ASSERT_TRUE(player_.Open());
    ASSERT_TRUE(player_.Start());
    drive_.Take();
    player_.Shut();
    EXPECT_EQ(drive_.Take(), kStopAndClose);
    EXPECT_FALSE(player_.DeviceOpen());
    EXPECT_FALSE(player_.Playing());
}

TEST_F(CdPlayerTest, ShuttingDownWithTheDeviceClosedSendsNothing) {
    drive_.openResult = {266, ""};
    EXPECT_FALSE(player_.Open());
    drive_.Take();
    player_.Shut();
    EXPECT_TRUE(drive_.Take().empty());
}

}  // namespace
