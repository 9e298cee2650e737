// Bitmap font: glyph widths, glyph display lists and drawing a string with one call.
#include "render/font.h"

#include <cstdio>

#include "console/log.h"
#include "platform/files.h"
#include "render/renderer.h"

namespace render {

namespace {

constexpr int kGlyphs = 256;
// One texel and one cell of the 256 × 256 atlas.
constexpr float kTexel = 0.00390625f;
constexpr float kCell = 0.0625f;
// Glyph pixels start two texels into their cell.
constexpr float kGlyphInset = 0.0078f;

void CompileGlyph(int glyph, int32_t width, bool vertical) {
    float cx = static_cast<float>(glyph % 16) * kCell;
    float cy = static_cast<float>(glyph / 16) * kCell;
    int w = width + 2;
    glBegin(GL_QUADS);
    glTexCoord2f(cx + static_cast<float>(w) * kTexel, 1.0f - cy);
    glVertex2i(w, 0);
    glTexCoord2f(cx + kGlyphInset, 1.0f - cy);
    glVertex2i(2, 0);
    glTexCoord2f(cx + kGlyphInset, 1.0f - cy - kCell);
    glVertex2i(2, 16);
    glTexCoord2f(cx + static_cast<float>(w) * kTexel, 1.0f - cy - kCell);
    glVertex2i(w, 16);
    glEnd();
    if (vertical) {
        glTranslatef(0.0f, 16.0f, 0.0f);
    } else {
        glTranslatef(static_cast<float>(width), 0.0f, 0.0f);
    }
}

}  // namespace

void Font::SetUp(const std::string& basePath) {
    LoadWidths(basePath + ".wt");
    vertical = false;
    sizeFactor = 3.0f;
    BuildLists();
    texture.filterMode = 10;
    texture.Load(basePath + ".tga");
}

void Font::LoadWidths(const std::string& fileName) {
    FILE* file = platform::OpenFile(fileName, "r");
    int read = 0;
    if (file) {
        for (int c; read < kGlyphs && (c = std::fgetc(file)) != EOF; ++read) {
            widths[read] = static_cast<int8_t>(static_cast<uint8_t>(c - '0'));
        }
        std::fclose(file);
    }
    for (int glyph = read; glyph < kGlyphs; ++glyph) {
        widths[glyph] = 0;
    }
    if (read < kGlyphs) {
        console::Print("Font: " + fileName + " gives " + console::IntToString(read) +
                       " of 256 glyph widths; the others are 0");
    }
}

void Font::BuildLists() {
    glDisable(GL_BLEND);
    listBase = glGenLists(kGlyphs);
    for (int glyph = 0; glyph < kGlyphs; ++glyph) {
        glNewList(listBase + static_cast<GLuint>(glyph), GL_COMPILE);
        CompileGlyph(glyph, widths[glyph], vertical);
        glEndList();
    }
    glEnable(GL_BLEND);
}

void PrintText(const Font& font, float x, float y, const std::string& text) {
    renderer.UseTexture(font.texture);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(x, y, 0.0f);
    if (!text.empty()) {
        glListBase(font.listBase);
        glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
    }
    glPopMatrix();
}

}  // namespace render
