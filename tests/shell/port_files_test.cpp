// The port files' names: prefecture code and port from a directory entry, and back.
#include "shell/port_files.h"

#include <gtest/gtest.h>

namespace marevo {
namespace {

TEST(PortFiles, FileNamesGiveCodeAndPortName)
{
    struct Case { const char* name; int code; const char* port; bool treeCode; };
    const Case cases[] = {
        {"24尾鷲.MV2", 24, "尾鷲", true},
        {"01函館.MV2", 1, "函館", true},
        {"80南鳥島.MV2", 80, "南鳥島", true},
        {"09abc.MV2", 9, "abc", true},     // code without node: listed at the root
        {"readme.txt", 0, "adme", true},   // no digits: code 0, no node
        {" 5ab.MV2", 5, "ab", true},
        {"2x港.MV2", 2, "港", true},
        {"99z.MV2", 99, "z", false},
        {"ab.MV2", 0, "", true},           // 6 characters: empty port name
        {"x", 0, "", true},
        // Names of 6 bytes or fewer give an empty port name; codes without a node or past
        // the table and one-digit codes (read up to the first other byte).
        {"a", 0, "", true},             {"24.MV2", 24, "", true},
        {"24a.MV2", 24, "a", true},     {"00零.MV2", 0, "零", true},
        {"81八一.MV2", 81, "八一", false}, {"7七.MV2", 7, "\xb5", true},
    };
    for (const Case& c : cases) {
        const PortFileName entry = ParsePortFileName(c.name);
        EXPECT_EQ(entry.code, c.code) << c.name;
        EXPECT_EQ(entry.port, c.port) << c.name;
        EXPECT_EQ(IsTreeCode(entry.code), c.treeCode) << c.name;
    }
    const std::string longName = "24" + std::string(300, 'a') + ".MV2";
    EXPECT_EQ(ParsePortFileName(longName.c_str()).port.size(), 256u);
}

TEST(PortFiles, TheRefreshOpensTheFileTheTreeListed)
{
    EXPECT_EQ(StationFileNameOf(1, "函館"), "01函館");
    const PortFileName entry = ParsePortFileName((StationFileNameOf(24, "尾鷲") + ".MV2").c_str());
    EXPECT_EQ(entry.code, 24);
    EXPECT_EQ(entry.port, "尾鷲");
}

} // namespace
} // namespace marevo
