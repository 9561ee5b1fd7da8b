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
    void ExpectRegionsFirst()
    {
        const std::vector<std::string> roots = ChildTexts(nullptr);
        ASSERT_GE(roots.size(), 9u);
        for (int i = 0; i < 9; ++i) EXPECT_EQ(roots[i], Regions[i]);
        EXPECT_EQ(ChildTexts(app.RegionItems[8]).size(), 8u); // 九州's prefectures
    }
    std::vector<std::string> ExtraRoots() const
    {
        const std::vector<std::string> roots = ChildTexts(nullptr);
        std::vector<std::string> extra(roots.begin() + std::min<size_t>(9, roots.size()), roots.end());
        std::sort(extra.begin(), extra.end());
        return extra;
    }
    // Every port node below the prefectures (codes 2 ... 47) and at the root is a leaf.
    size_t PortCount() const
    {
        size_t count = ExtraRoots().size();
        for (int code = 2; code <= 47; ++code)
            if (app.PrefectureItems[code]) count += ChildTexts(app.PrefectureItems[code]).size();
        return count;
    }
};

TEST_F(BadDtWindowTest, MissingEmptyOrNotAFolder)
{
    struct Case { const char* what; int kind; };
    const Case cases[] = {{"missing", 0}, {"empty", 1}, {"a file named dt", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Stop();
        RemoveDirectoryA((dir + "dt").c_str());
        DeleteFileA((dir + "dt").c_str());
        if (c.kind == 1) CreateDirectoryA((dir + "dt").c_str(), nullptr);
        if (c.kind == 2) WriteFile("dt", "24尾鷲,34.04,136.12,110.0\n");
        DeleteFileA((dir + "marevo.ini").c_str()); // the saved site is 尾鷲 of 三重県
        messages.clear();
        Start();
        EXPECT_TRUE(Running());
        ExpectRegionsFirst();
        EXPECT_EQ(PortCount(), 0u);
        // The saved port cannot be opened; said once at start.
        EXPECT_EQ(messages, std::vector<std::string>{CannotOpen});
        EXPECT_EQ(Text(app.PortLabel), "尾鷲");
        EXPECT_EQ(PaintedPixels(), 0);

        // A prefecture or a region without ports is no port: nothing is said or changed.
        for (HTREEITEM place : {app.PrefectureItems[24], app.RegionItems[1], app.RegionItems[9]}) {
            messages.clear();
            Select(place);
            EXPECT_TRUE(Running());
            EXPECT_TRUE(messages.empty());
            EXPECT_EQ(Text(app.PrefLabel), "三重県");
            EXPECT_EQ(Text(app.PortLabel), "尾鷲");
        }
        Stop();
        // The settings are written whole all the same.
        const std::string ini = ReadFile("marevo.ini");
        EXPECT_NE(ini.find("ONEORSEVEN=-1"), std::string::npos);
        EXPECT_NE(ini.find("PrinterColor=1"), std::string::npos);
    }
}

TEST_F(BadDtWindowTest, ShortNamesOddCodesAndNonShiftJisBytes)
{
    WritePort({"24尾鷲.MV2", "尾鷲"});
    // Names of 1 to 7 bytes: 6 bytes or fewer give an empty port name.
    const char* const shortNames[] = {"a", "ab", "24", "24.M", "24.MV", "24.MV2", "24a.MV2"};
    for (const char* name : shortNames) WritePort({name, "短い"});
    // Codes 00 and 09 (no node), 81 to 99 (past the table), and a code with one digit.
    const char* const oddCodes[] = {"00零.MV2", "09九.MV2", "81八一.MV2", "90九零.MV2", "99九九.MV2", "7七.MV2"};
    for (const char* name : oddCodes) WritePort({name, "符号"});
    // Bytes that are no Shift-JIS character: a lone lead byte, a lead byte before a blank,
    // a byte no character starts with. The file system keeps what it can of them.
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
    EXPECT_TRUE(Running());
    EXPECT_TRUE(messages.empty());
    ExpectRegionsFirst();

    // Placed by their code: 24... under 三重県, the rest at the root.
    const std::vector<std::string> extra = ExtraRoots();
    for (const char* port : {"零", "九", "八一", "九零", "九九"})
        EXPECT_EQ(std::count(extra.begin(), extra.end(), std::string(port)), 1) << port;
    EXPECT_EQ(std::count(extra.begin(), extra.end(), std::string()), 2); // "a", "ab"
    const std::vector<std::string> mie = ChildTexts(app.PrefectureItems[24]);
    EXPECT_EQ(std::count(mie.begin(), mie.end(), std::string("a")), 1);
    EXPECT_EQ(std::count(mie.begin(), mie.end(), std::string("尾鷲")), 1);
    // "24", "24.M", "24.MV" and "24.MV2": empty names under 三重県 (code 24).
    EXPECT_EQ(std::count(mie.begin(), mie.end(), std::string()), 4);
    // "7七.MV2": the code is 7 ("7\x8e" read up to the digit), so it sits under 福島県
    // with the second byte of 七 left over.
    EXPECT_EQ(ChildTexts(app.PrefectureItems[7]).size(), 1u);

    // Choosing each node: a port is drawn, a name without its file or without a
    // prefecture is said, an empty name is no selection; the program goes on.
    std::vector<HTREEITEM> nodes;
    for (HTREEITEM parent : {static_cast<HTREEITEM>(nullptr), app.PrefectureItems[24], app.PrefectureItems[7]}) {
        const std::vector<HTREEITEM> items = ChildItems(parent);
        nodes.insert(nodes.end(), items.begin() + (parent ? 0 : 9), items.end()); // past the regions
    }
    ASSERT_GE(nodes.size(), 14u);
    Command(CMD_PERIOD1);
    for (HTREEITEM node : nodes) {
        SelectPort(24, "尾鷲");
        ASSERT_STREQ(ShownStation().StationName, "尾鷲");
        messages.clear();
        Select(node);
        char text[MaxNodeText + 1];
        NodeText(app.TreeControl, node, text, sizeof text);
        SCOPED_TRACE(text);
        EXPECT_TRUE(Running());
        const std::string port = Text(app.PortLabel), pref = Text(app.PrefLabel);
        if (port.empty() || pref.empty()) {
            EXPECT_EQ(messages, std::vector<std::string>{NoPort});
        } else if (messages.empty()) {
            // Loaded: a name that the file system gave back as it was written.
            const std::string name = ShownStation().StationName;
            EXPECT_TRUE(name == "短い" || name == "変字" || name == "尾鷲")
                << ShownStation().StationName;
        } else {
            EXPECT_EQ(messages, std::vector<std::string>{CannotOpen});
            EXPECT_STREQ(ShownStation().StationName, "尾鷲");
        }
    }
    // The short name "24a.MV2" is the port "a" of 三重県 and opens.
    SelectPort(24, "a");
    EXPECT_STREQ(ShownStation().StationName, "短い");
}

} // namespace
} // namespace marevo
