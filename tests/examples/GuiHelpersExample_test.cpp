// The GUI helpers example under the test display: its screenshot has the window's size, the
// host theme's background, the drawn picture and the validation hint.
#include "../gui/GuiTestApp.h"
#include "TestUtil.h"

#include <set>
#include <string>

namespace {

using ExampleTest = GuiTest;

TEST_F(ExampleTest, ScreenshotShowsWhatTheHelpersDraw)
{
    const testutil::TempDir dir;
    const std::string png = dir.path("shot.png").string();
    const std::string cmd = std::string("'") + DAVARAZ_EXAMPLE_PATH + "' --screenshot '" + png + "'";
    std::FILE* p = ::popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string out;
    char buf[256];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;)
        out.append(buf, n);
    ASSERT_EQ(::pclose(p), 0) << out;
    EXPECT_EQ(out, "screenshot: " + png + " (560 x 400)\n");

    wxImage shot;
    ASSERT_TRUE(shot.LoadFile(wxString::FromUTF8(png), wxBITMAP_TYPE_PNG));
    ASSERT_EQ(shot.GetSize(), wxSize(560, 400));
    const auto colour = [&shot](int x, int y) { return wxColour(shot.GetRed(x, y), shot.GetGreen(x, y), shot.GetBlue(x, y)); };
    EXPECT_EQ(colour(555, 395), wxColour(0xE8, 0xEE, 0xF4)) << "the host theme's background (0xF4EEE8)";
    std::set<unsigned long> colours;
    int hintRed = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 560; ++x) {
            const wxColour c = colour(x, y);
            colours.insert(c.GetRGB());
            hintRed += y > 250 && c.Red() > 200 && c.Green() < 80 && c.Blue() < 80;
        }
    EXPECT_GT(colours.size(), 200u) << "text, gradient and icons, not a blank window";
    EXPECT_GT(hintRed, 20) << "the error icon of the validation hint under the field";
    // The hint's message line: dark text on a light ground (GTK's dark tool tip hid it).
    int light = 0, dark = 0;
    for (int y = 292; y < 312; ++y)
        for (int x = 80; x < 300; ++x) {
            const int grey = (shot.GetRed(x, y) + shot.GetGreen(x, y) + shot.GetBlue(x, y)) / 3;
            light += grey > 200;
            dark += grey < 100;
        }
    EXPECT_GT(light, 220 * 20 / 2);
    EXPECT_GT(dark, 100);
    EXPECT_EQ(dir.tempCount(), 0u);
}

} // namespace
