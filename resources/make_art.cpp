// Turns the text-form pixel art of resources/art into the toolbar strip (.bmp), the program
// icon (.ico) and the pointing-hand cursor (.cur). Built and run on the build machine.
//   make_art strip  OUT.bmp ART.txt            16 x 16 images side by side, 16 colours
//   make_art icon   OUT.ico ART32.txt ART16.txt 32 x 32 and 16 x 16 images, 16 colours
//   make_art cursor OUT.cur ART.txt HOTX HOTY  32 x 32 black and white
//   make_art escape OUT.rc IN.rc                Shift-JIS script with every trail byte 0x5C
//                                               doubled, so windres's preprocessor keeps
//                                               the strings whole (表 is 95 5C)
// Art files: rows of pixel letters; lines starting with '#' and empty lines separate images.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <iostream>
#include <string>
#include <vector>

#include "text/shift_jis.h"

namespace {

// The 16 colours of the Windows VGA palette and the letters that name them.
struct Colour { char letter; uint8_t r, g, b; };
const Colour Palette[16] = {
    {'k', 0, 0, 0},       {'R', 128, 0, 0},   {'G', 0, 128, 0},   {'Y', 128, 128, 0},
    {'B', 0, 0, 128},     {'M', 128, 0, 128}, {'C', 0, 128, 128}, {'s', 192, 192, 192},
    {'g', 128, 128, 128}, {'r', 255, 0, 0},   {'l', 0, 255, 0},   {'y', 255, 255, 0},
    {'b', 0, 0, 255},     {'m', 255, 0, 255}, {'c', 0, 255, 255}, {'w', 255, 255, 255},
};
const char Transparent = '.';

using Image = std::vector<std::string>;

std::vector<Image> ReadArt(const char* path, size_t size)
{
    std::ifstream in(path);
    if (!in) { std::cerr << "make_art: cannot read " << path << "\n"; std::exit(1); }
    std::vector<Image> images;
    Image current;
    std::string line;
    auto flush = [&]() {
        if (current.empty()) return;
        if (current.size() != size) {
            std::cerr << "make_art: " << path << ": image " << images.size() << " has "
                      << current.size() << " rows, not " << size << "\n";
            std::exit(1);
        }
        images.push_back(current);
        current.clear();
    };
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') { flush(); continue; }
        if (line.size() != size) {
            std::cerr << "make_art: " << path << ": row of " << line.size() << " pixels\n";
            std::exit(1);
        }
        current.push_back(line);
    }
    flush();
    return images;
}

int IndexOf(char letter, int transparentIndex)
{
    if (letter == Transparent) return transparentIndex;
    for (int i = 0; i < 16; ++i)
        if (Palette[i].letter == letter) return i;
    std::cerr << "make_art: unknown pixel letter '" << letter << "'\n";
    std::exit(1);
}

void Put16(std::vector<uint8_t>& out, unsigned v) { out.push_back(v & 0xFF); out.push_back((v >> 8) & 0xFF); }
void Put32(std::vector<uint8_t>& out, uint32_t v) { for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xFF); }

void InfoHeader(std::vector<uint8_t>& out, int width, int height, int bits, uint32_t imageBytes, int colours)
{
    Put32(out, 40); Put32(out, width); Put32(out, height); Put16(out, 1); Put16(out, bits);
    Put32(out, 0); Put32(out, imageBytes); Put32(out, 0); Put32(out, 0);
    Put32(out, colours); Put32(out, 0);
}

void VgaPalette(std::vector<uint8_t>& out)
{
    for (const Colour& c : Palette) { out.push_back(c.b); out.push_back(c.g); out.push_back(c.r); out.push_back(0); }
}

int Stride(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

// Bottom-up 4-bit rows of a picture given as rows of letters.
std::vector<uint8_t> Pixels4(const Image& rows, int transparentIndex)
{
    const int width = static_cast<int>(rows[0].size()), height = static_cast<int>(rows.size());
    std::vector<uint8_t> out(Stride(width, 4) * height, 0);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = &out[(height - 1 - y) * Stride(width, 4)];
        for (int x = 0; x < width; ++x) {
            const int index = IndexOf(rows[y][x], transparentIndex);
            row[x / 2] |= (x % 2 == 0) ? index << 4 : index;
        }
    }
    return out;
}

// Bottom-up 1-bit rows: bit set where test(letter) holds.
template <class Test>
std::vector<uint8_t> Mask(const Image& rows, Test test)
{
    const int width = static_cast<int>(rows[0].size()), height = static_cast<int>(rows.size());
    std::vector<uint8_t> out(Stride(width, 1) * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (test(rows[y][x])) out[(height - 1 - y) * Stride(width, 1) + x / 8] |= 0x80 >> (x % 8);
    return out;
}

void Write(const char* path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!out) { std::cerr << "make_art: cannot write " << path << "\n"; std::exit(1); }
}

void Strip(const char* outPath, const char* artPath)
{
    const std::vector<Image> images = ReadArt(artPath, 16);
    Image strip(16);
    for (const Image& image : images)
        for (int y = 0; y < 16; ++y) strip[y] += image[y];
    const int width = static_cast<int>(strip[0].size());
    const std::vector<uint8_t> pixels = Pixels4(strip, 7); // background: silver
    std::vector<uint8_t> out;
    const uint32_t offset = 14 + 40 + 64;
    out.push_back('B'); out.push_back('M');
    Put32(out, offset + pixels.size()); Put32(out, 0); Put32(out, offset);
    InfoHeader(out, width, 16, 4, pixels.size(), 16);
    VgaPalette(out);
    out.insert(out.end(), pixels.begin(), pixels.end());
    Write(outPath, out);
}

void Icon(const char* outPath, const char* art32, const char* art16)
{
    const Image images[2] = {ReadArt(art32, 32).at(0), ReadArt(art16, 16).at(0)};
    std::vector<std::vector<uint8_t>> bodies;
    for (const Image& image : images) {
        const int size = static_cast<int>(image.size());
        const std::vector<uint8_t> xorBits = Pixels4(image, 0);
        const std::vector<uint8_t> andBits = Mask(image, [](char c) { return c == Transparent; });
        std::vector<uint8_t> body;
        InfoHeader(body, size, 2 * size, 4, xorBits.size() + andBits.size(), 0);
        VgaPalette(body);
        body.insert(body.end(), xorBits.begin(), xorBits.end());
        body.insert(body.end(), andBits.begin(), andBits.end());
        bodies.push_back(body);
    }
    std::vector<uint8_t> out;
    Put16(out, 0); Put16(out, 1); Put16(out, 2);
    uint32_t offset = 6 + 16 * 2;
    for (int i = 0; i < 2; ++i) {
        const int size = static_cast<int>(images[i].size());
        out.push_back(size); out.push_back(size); out.push_back(16); out.push_back(0);
        Put16(out, 1); Put16(out, 4); Put32(out, bodies[i].size()); Put32(out, offset);
        offset += bodies[i].size();
    }
    for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
    Write(outPath, out);
}

void Cursor(const char* outPath, const char* artPath, int hotX, int hotY)
{
    const Image image = ReadArt(artPath, 32).at(0);
    for (const std::string& row : image)
        for (char c : row)
            if (c != Transparent && c != 'k' && c != 'w') {
                std::cerr << "make_art: a cursor is black, white and transparent only\n";
                std::exit(1);
            }
    const std::vector<uint8_t> xorBits = Mask(image, [](char c) { return c == 'w'; });
    const std::vector<uint8_t> andBits = Mask(image, [](char c) { return c == Transparent; });
    std::vector<uint8_t> body;
    InfoHeader(body, 32, 64, 1, xorBits.size() + andBits.size(), 2);
    Put32(body, 0x000000); Put32(body, 0xFFFFFF);
    body.insert(body.end(), xorBits.begin(), xorBits.end());
    body.insert(body.end(), andBits.begin(), andBits.end());
    std::vector<uint8_t> out;
    Put16(out, 0); Put16(out, 2); Put16(out, 1);
    out.push_back(32); out.push_back(32); out.push_back(2); out.push_back(0);
    Put16(out, hotX); Put16(out, hotY); Put32(out, body.size()); Put32(out, 6 + 16);
    out.insert(out.end(), body.begin(), body.end());
    Write(outPath, out);
}

// Doubles each 0x5C that is the trail byte of a double-byte Shift-JIS character; inside a
// string literal the pair reads back as one 0x5C.
void EscapeTrailBytes(const char* outPath, const char* inPath)
{
    std::ifstream in(inPath, std::ios::binary);
    if (!in) { std::cerr << "make_art: cannot read " << inPath << "\n"; std::exit(1); }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<uint8_t> out;
    for (size_t i = 0; i < text.size(); ++i) {
        const uint8_t c = static_cast<uint8_t>(text[i]);
        out.push_back(c);
        if (marevo::IsSjisLeadByte(c) && i + 1 < text.size()) {
            const uint8_t trail = static_cast<uint8_t>(text[++i]);
            out.push_back(trail);
            if (trail == 0x5C) out.push_back(0x5C);
        }
    }
    Write(outPath, out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "strip") == 0) Strip(argv[2], argv[3]);
    else if (argc == 5 && std::strcmp(argv[1], "icon") == 0) Icon(argv[2], argv[3], argv[4]);
    else if (argc == 4 && std::strcmp(argv[1], "escape") == 0) EscapeTrailBytes(argv[2], argv[3]);
    else if (argc == 6 && std::strcmp(argv[1], "cursor") == 0)
        Cursor(argv[2], argv[3], std::atoi(argv[4]), std::atoi(argv[5]));
    else {
        std::cerr << "usage: make_art strip|icon|cursor|escape OUT IN...\n";
        return 2;
    }
    return 0;
}
