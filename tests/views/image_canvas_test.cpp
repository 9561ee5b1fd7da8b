// The image backend's files and the rules it has beyond the shared pixel rules.
#include "views/cairo/image_canvas.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace marevo {
namespace {

std::string TempPath(const char* name)
{
    return ::testing::TempDir() + name;
}

std::string FileHead(const std::string& path, size_t n)
{
    std::ifstream in(path, std::ios::binary);
    std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return s.substr(0, n);
}

TEST(ImageCanvas, FormatFromTheFileExtension)
{
    struct Case {
        const char* path;
        bool known;
        ImageFormat format;
    } cases[] = {
        {"a.png", true, ImageFormat::Png},   {"dir.x/b.SVG", true, ImageFormat::Svg},
        {"c.Pdf", true, ImageFormat::Pdf},   {"d.jpeg", false, ImageFormat::Png},
        {"png", false, ImageFormat::Png},    {"e.png.txt", false, ImageFormat::Png},
    };
    for (const Case& c : cases) {
        ImageFormat f = ImageFormat::Png;
        EXPECT_EQ(ImageFormatFromPath(c.path, f), c.known) << c.path;
        if (c.known) {
            EXPECT_EQ(f, c.format) << c.path;
        }
    }
}

TEST(ImageCanvas, WritesEachFormatAtThePictureSize)
{
    struct Case {
        ImageFormat format;
        const char* name;
        const char* head;
    } cases[] = {
        {ImageFormat::Png, "/pic.png", "\x89PNG"},
        {ImageFormat::Svg, "/pic.svg", "<?xml"},
        {ImageFormat::Pdf, "/pic.pdf", "%PDF"},
    };
    for (const Case& c : cases) {
        const std::string path = TempPath(c.name);
        std::remove(path.c_str());
        {
            ImageCanvas canvas(c.format, 610, 385, WindowFace, path);
            canvas.SelectViewPen(PenSolid, 1, Black);
            canvas.DrawBox(30, 7, 435, 19, White);
            canvas.ReleaseViewPen();
            canvas.SelectViewFont(ViewFace, 12, 0, 0, false);
            canvas.PutText(30, 8, "【 尾鷲 の 潮汐 】");
            canvas.ReleaseViewFont();
            EXPECT_TRUE(canvas.Save()) << c.name;
            EXPECT_FALSE(canvas.Save()) << c.name << ": a picture is written once";
        }
        EXPECT_EQ(FileHead(path, std::string(c.head).size()), c.head) << c.name;
    }
    cairo_surface_t* png = cairo_image_surface_create_from_png(TempPath("/pic.png").c_str());
    EXPECT_EQ(cairo_image_surface_get_width(png), 610);
    EXPECT_EQ(cairo_image_surface_get_height(png), 385);
    cairo_surface_destroy(png);
}

TEST(ImageCanvas, AnUnwritablePathIsReported)
{
    for (ImageFormat f : {ImageFormat::Png, ImageFormat::Svg, ImageFormat::Pdf}) {
        ImageCanvas canvas(f, 20, 20, WindowFace, "/nonexistent-dir/x/pic");
        EXPECT_FALSE(canvas.Save());
    }
    ImageCanvas memory(ImageFormat::Png, 20, 20, WindowFace);
    EXPECT_FALSE(memory.Save()); // no file to write
}

TEST(ImageCanvas, DottedGapsTakeTheBackgroundColourInOpaqueMode)
{
    ImageCanvas c(ImageFormat::Png, 40, 10, WindowFace);
    c.SelectViewPen(PenDot, 1, Black);
    c.DrawLine(0, 2, 40, 2); // opaque is the mode of a fresh context
    c.ReleaseViewPen();
    // 3 dots, 3 gaps, the pattern starting with the line.
    const char expected[] = "###www###www###www###www###www###www###w";
    for (int x = 0; x < 40; ++x)
        EXPECT_EQ(c.PixelAt(x, 2), expected[x] == '#' ? Black : White) << x;
}

TEST(ImageCanvas, PicturesStartOnTheBackgroundAndClipAtTheirEdges)
{
    ImageCanvas c(ImageFormat::Png, 30, 20, WindowFace);
    EXPECT_EQ(c.PixelAt(0, 0), WindowFace);
    EXPECT_EQ(c.PixelAt(29, 19), WindowFace);
    c.SelectViewPen(PenSolid, 1, Black);
    c.DrawBox(-10, -10, 100, 100, White); // partly outside: no fault, the rest clipped
    c.ReleaseViewPen();
    EXPECT_EQ(c.PixelAt(0, 0), White);
    EXPECT_EQ(c.PixelAt(29, 19), White);
}

} // namespace
} // namespace marevo
