// The folder dt\ as a user's disk may hold it: missing, empty, not a folder, and names the
// tree cannot place (too short, codes without a node or past the table, bytes that are no
// Shift-JIS). The tree always shows the regions and prefectures, every name lands
// somewhere, and choosing any node either draws its port or says what is wrong.
#include <algorithm>

#include "program_fixture.h"

#include "app/ids.h"
#include "app/port_tree.h"

namespace marevo {
namespace {

const char* const Regions[] = {"北海道", "東北", "関東", "中部", "近畿", "中国", "四国", "九州", "その他"};

class BadDtWindowTest : public ProgramTest {
protected:
    // Nine regions first, then whatever the listing put at the root.
    std::vector<HTREEITEM> ExtraRoots() const
    {
        const std::vector<std::string> roots = ChildTexts(nullptr);
        EXPECT_GE(roots.size(), 9u);
        for (size_t i = 0; i < 9 && i < roots.size(); ++i) EXPECT_EQ(roots[i], Regions[i]);
        const std::vector<HTREEITEM> items = ChildItems(nullptr);
        return std::vector<HTREEITEM>(items.begin() + std::min<size_t>(9, items.size()), items.end());
    }
};

TEST_F(BadDtWindowTest, MissingEmptyOrNotAFolder)
{
    for (int kind : {0, 1, 2}) { // missing, empty, a file named dt
        SCOPED_TRACE(kind);
        Stop();
        RemoveDirectoryA((dir + "dt").c_str());
        if (kind == 1) CreateDirectoryA((dir + "dt").c_str(), nullptr);
        if (kind == 2) WriteFile("dt", "24尾鷲,34.04,136.12,110.0\n");
        messages.clear();
        Start();
        EXPECT_TRUE(Running());
        EXPECT_TRUE(ExtraRoots().empty());
        EXPECT_TRUE(ChildTexts(app.PrefectureItems[24]).empty());
        // The saved port cannot be opened; said once at start.
        EXPECT_EQ(messages, std::vector<std::string>{CannotOpen});
        EXPECT_EQ(Text(app.PortLabel), "尾鷲");
        EXPECT_EQ(PaintedPixels(), 0);
        Stop();
        EXPECT_NE(ReadFile("marevo.ini").find("PrinterColor=1"), std::string::npos);
        DeleteFileA((dir + "dt").c_str());
    }
}

// Names of every kind land in the tree (which code and name each gives: the port files'
// tests), also bytes that are no Shift-JIS character as the file system keeps them; choosing
// each node draws its port or says what is wrong, and the program goes on.
TEST_F(BadDtWindowTest, ShortNamesOddCodesAndNonShiftJisBytes)
{
    WritePort({"24尾鷲.MV2", "尾鷲"});
    const char* const names[] = {"a", "24.MV2", "24a.MV2", "00零.MV2", "99九九.MV2", "7七.MV2"};
    for (const char* name : names) WritePort({name, "短い"});
    // A lone lead byte, a lead byte before a blank, a byte no character starts with.
    const std::string badBytes[] = {"24\x81.MV2", "24\x81\x20z.MV2", "24\xa0\xfd.MV2", "24a\x80.MV2"};
    for (const std::string& name : badBytes) {
        HANDLE file = CreateFileA((dir + "dt\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue; // the file system refuses the name
        std::string text = "変字,34.04,136.12,110.0\n";
        for (int k = 0; k < 20; ++k) text += "C,1.0,0.0,D,1.0,0.0\n";
        DWORD written = 0;
        ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
    }
    Start();
    EXPECT_TRUE(messages.empty());
    std::vector<HTREEITEM> nodes = ExtraRoots();
    EXPECT_EQ(nodes.size(), 3u); // "a", 零, 九九
    for (int code : {24, 7}) {
        const std::vector<HTREEITEM> items = ChildItems(app.PrefectureItems[code]);
        nodes.insert(nodes.end(), items.begin(), items.end());
    }
    ASSERT_GE(nodes.size(), 8u);
    Command(CMD_PERIOD1);
    for (HTREEITEM node : nodes) {
        SelectPort(24, "尾鷲");
        ASSERT_STREQ(ShownStation().StationName, "尾鷲");
        messages.clear();
        Select(node);
        SCOPED_TRACE(Text(app.PortLabel));
        EXPECT_TRUE(Running());
        const std::string port = Text(app.PortLabel), pref = Text(app.PrefLabel);
        if (port.empty() || pref.empty()) {
            EXPECT_EQ(messages, std::vector<std::string>{NoPort});
        } else if (messages.empty()) {
            const std::string name = ShownStation().StationName;
            EXPECT_TRUE(name == "短い" || name == "変字" || name == "尾鷲") << name;
        } else {
            EXPECT_EQ(messages, std::vector<std::string>{CannotOpen});
            EXPECT_STREQ(ShownStation().StationName, "尾鷲");
        }
    }
    SelectPort(24, "a");
    EXPECT_STREQ(ShownStation().StationName, "短い");
}

} // namespace
} // namespace marevo
