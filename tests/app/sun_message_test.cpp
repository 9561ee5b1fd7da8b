// The sun computation's message as the window says it: once for each picture, and only when
// that picture is already complete on the off-screen surface (which ports and views report
// it: the Session's tests).
#include <vector>

#include "program_fixture.h"

#include "app/ids.h"
#include "app/ui_seam.h"

namespace marevo {
namespace {

// Samples of the off-screen surface taken when a message box is shown.
std::vector<COLORREF> surfaceAtMessage;
int sunMessages = 0;

std::vector<COLORREF> SurfaceSamples()
{
    std::vector<COLORREF> samples;
    for (int y = 2; y < 385; y += 11)
        for (int x = 3; x < 610; x += 13) samples.push_back(GetPixel(App().OffscreenDC(), x, y));
    return samples;
}

void RecordSunMessage(const char* text, const char*)
{
    ProgramTest::messages.push_back(text);
    if (std::string(text) == "日の出計算でエラー発生") {
        ++sunMessages;
        surfaceAtMessage = SurfaceSamples();
    }
}

class SunMessageTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WritePort({"24尾鷲.MV2", "尾鷲"});
        WritePort({"24南.MV2", "南", -52.0, 139.46});
        Start();
        previous = SetMessageBoxHook(RecordSunMessage);
        sunMessages = 0;
        surfaceAtMessage.clear();
        Command(CMD_PERIOD1);
    }
    void TearDown() override
    {
        SetMessageBoxHook(previous);
        ProgramTest::TearDown();
    }
    void Show(const char* port, int year, int month, int day)
    {
        SetDate(year, month, day);
        SelectPort(24, port);
    }
    MessageBoxHook previous = nullptr;
};

TEST_F(SunMessageTest, OncePerPictureAfterTheDrawing)
{
    Show("南", 2008, 11, 21);
    EXPECT_EQ(sunMessages, 1);
    // The whole picture was on the surface when the message came.
    EXPECT_EQ(surfaceAtMessage, SurfaceSamples());
    EXPECT_EQ(ShownStation().Latitude, -52.0f);

    Command(CMD_REDRAW);
    EXPECT_EQ(sunMessages, 2);
    EXPECT_EQ(surfaceAtMessage, SurfaceSamples());
}

} // namespace
} // namespace marevo
