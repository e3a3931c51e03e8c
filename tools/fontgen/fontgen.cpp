// fontgen: rasterises a TrueType face with FreeType into a compiled proportional font table of the GUI core.
//
//   fontgen <name> <face.ttf> <pixel size> <cell height> <line distance> <baseline> <bpp 1|4|8> [tabular]
//
// Writes C++ source to stdout: the glyph bitmaps, one character-info record per glyph grouped into ranges of
// consecutive codes, and the GUI_FONT record named <name>. Glyphs are clipped to the cell (rows 0 to cell
// height - 1, baseline at row <baseline>). "tabular" gives the digits 0-9 one common advance (the widest),
// each glyph centred in it, so that changing numbers keep their place. Lower-case and capital height are
// measured from 'x' and 'H'.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The characters the screens use: Latin-1, Latin Extended-A (Czech, Polish ...), Greek Omega and mu,
// typographic punctuation, the euro sign, Ohm, arrows and the comparison signs of the menus.
const unsigned kRanges[][2] = {
    {0x0020, 0x007E}, {0x00A0, 0x00FF}, {0x0100, 0x017F}, {0x03A9, 0x03A9}, {0x03BC, 0x03BC},
    {0x2013, 0x2014}, {0x2018, 0x201E}, {0x2022, 0x2022}, {0x2026, 0x2026}, {0x2030, 0x2030},
    {0x20AC, 0x20AC}, {0x2122, 0x2122}, {0x2126, 0x2126}, {0x2190, 0x2195}, {0x2212, 0x2212},
    {0x221E, 0x221E}, {0x2260, 0x2260}, {0x2264, 0x2265}, {0x25B2, 0x25B2}, {0x25B6, 0x25B6},
    {0x25BC, 0x25BC}, {0x25C0, 0x25C0}, {0x2713, 0x2713}, {0xFFFC, 0xFFFC},
};

struct Glyph {
  unsigned code = 0;
  int xsize = 0, ysize = 0, xpos = 0, ypos = 0, xdist = 0;
  std::vector<unsigned char> data; // packed rows, MSB first
};

struct Options {
  std::string name, face;
  int px = 0, cell = 0, ydist = 0, baseline = 0, bpp = 1;
  bool tabular = false;
};

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "fontgen: %s\n", what);
  std::exit(1);
}

// Coverage of one pixel of the rendered bitmap, 0..255.
int Coverage(const FT_Bitmap& bm, int x, int y) {
  const unsigned char* row = bm.buffer + y * bm.pitch;
  if (bm.pixel_mode == FT_PIXEL_MODE_MONO) return (row[x >> 3] >> (7 - (x & 7)) & 1) ? 255 : 0;
  if (bm.pixel_mode == FT_PIXEL_MODE_GRAY) return row[x] * 255 / (bm.num_grays - 1);
  Fail("unsupported pixel mode");
}

bool Render(FT_Face face, const Options& o, unsigned code, Glyph& g) {
  FT_UInt index = FT_Get_Char_Index(face, code);
  if (!index) return false;
  FT_Int32 load = o.bpp == 1 ? (FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) : FT_LOAD_TARGET_LIGHT;
  if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | load)) return false;
  if (FT_Render_Glyph(face->glyph, o.bpp == 1 ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_LIGHT)) return false;
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bm = slot->bitmap;
  g.code = code;
  g.xdist = static_cast<int>((slot->advance.x + 32) >> 6);
  // Trim to the ink and clip to the cell.
  const int maxLevel = (1 << o.bpp) - 1;
  auto level = [&](int x, int y) {
    int c = Coverage(bm, x, y);
    return o.bpp == 1 ? (c >= 128 ? 1 : 0) : (c * maxLevel + 127) / 255;
  };
  int top = o.baseline - slot->bitmap_top; // cell row of bitmap row 0
  int x0 = INT32_MAX, x1 = -1, y0 = INT32_MAX, y1 = -1;
  for (int y = 0; y < static_cast<int>(bm.rows); ++y) {
    int cy = top + y;
    if (cy < 0 || cy >= o.cell) continue;
    for (int x = 0; x < static_cast<int>(bm.width); ++x) {
      if (!level(x, y)) continue;
      x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
    }
  }
  if (x1 < 0) { // blank glyph: only the advance
    g.xsize = g.ysize = g.xpos = g.ypos = 0;
    return true;
  }
  g.xsize = x1 - x0 + 1;
  g.ysize = y1 - y0 + 1;
  g.xpos = slot->bitmap_left + x0;
  g.ypos = top + y0;
  int bytesPerLine = (g.xsize * o.bpp + 7) / 8;
  g.data.assign(static_cast<size_t>(bytesPerLine) * g.ysize, 0);
  for (int y = 0; y < g.ysize; ++y) {
    for (int x = 0; x < g.xsize; ++x) {
      int bit = x * o.bpp;
      g.data[y * bytesPerLine + bit / 8] |= static_cast<unsigned char>(level(x0 + x, y0 + y) << (8 - o.bpp - bit % 8));
    }
  }
  return true;
}

// Height in pixels of the ink of a glyph above the baseline.
int InkHeight(const std::vector<Glyph>& glyphs, const Options& o, unsigned code) {
  for (const Glyph& g : glyphs)
    if (g.code == code) return g.ysize ? o.baseline - g.ypos : 0;
  return 0;
}

void MakeTabular(std::vector<Glyph>& glyphs) {
  int width = 0;
  for (const Glyph& g : glyphs)
    if (g.code >= '0' && g.code <= '9') width = std::max(width, g.xdist);
  for (Glyph& g : glyphs) {
    if (g.code < '0' || g.code > '9' || g.xdist == width) continue;
    int shift = (width - g.xdist) / 2;
    g.xpos += shift;
    g.xdist = width;
  }
}

std::string Ident(const std::string& name) {
  std::string s = name;
  for (char& c : s)
    if (!isalnum(static_cast<unsigned char>(c))) c = '_';
  return s;
}

void Emit(const Options& o, const std::vector<Glyph>& glyphs) {
  const char* type = o.bpp == 1 ? "GUI_FONTTYPE_PROP_EXT" : o.bpp == 2 ? "GUI_FONTTYPE_PROP_AA2_EXT"
                   : o.bpp == 4 ? "GUI_FONTTYPE_PROP_AA4_EXT" : "GUI_FONTTYPE_PROP_AA8_EXT";
  std::string face = o.face.substr(o.face.find_last_of('/') + 1);
  std::string id = Ident(o.name);
  std::printf("// %s: %s at %d pixels per em, %d bit%s per pixel%s.\n", o.name.c_str(), face.c_str(), o.px, o.bpp,
              o.bpp == 1 ? "" : "s", o.tabular ? ", digits of equal width" : "");
  std::printf("// Generated by tools/fontgen (run tools/fontgen/generate.sh); do not edit.\n");
  std::printf("#include \"GUI.h\"\n\nnamespace {\n\n");
  // Glyph bitmaps in one array; records point into it.
  std::vector<size_t> offset(glyphs.size());
  std::printf("const U8 _acGlyphs[] = {\n");
  size_t pos = 0;
  for (size_t i = 0; i < glyphs.size(); ++i) {
    offset[i] = pos;
    if (glyphs[i].data.empty()) continue;
    std::printf("  // U+%04X", glyphs[i].code);
    if (glyphs[i].code < 0x7F && glyphs[i].code != '\\') std::printf(" '%c'", glyphs[i].code);
    std::printf("\n  ");
    for (size_t k = 0; k < glyphs[i].data.size(); ++k)
      std::printf("0x%02X,%s", glyphs[i].data[k], (k + 1) % 16 == 0 && k + 1 < glyphs[i].data.size() ? "\n  " : "");
    std::printf("\n");
    pos += glyphs[i].data.size();
  }
  if (!pos) std::printf("  0\n");
  std::printf("};\n\n");
  // Ranges of consecutive codes.
  std::vector<std::pair<size_t, size_t>> ranges; // [first index, last index]
  for (size_t i = 0; i < glyphs.size(); ++i) {
    if (!ranges.empty() && glyphs[i].code == glyphs[ranges.back().second].code + 1)
      ranges.back().second = i;
    else
      ranges.push_back({i, i});
  }
  for (size_t r = 0; r < ranges.size(); ++r) {
    std::printf("const GUI_CHARINFO_EXT _aInfo%zu[] = {\n", r);
    for (size_t i = ranges[r].first; i <= ranges[r].second; ++i) {
      const Glyph& g = glyphs[i];
      std::printf("  {%d, %d, %d, %d, %d, ", g.xsize, g.ysize, g.xpos, g.ypos, g.xdist);
      if (g.data.empty())
        std::printf("nullptr}, // U+%04X\n", g.code);
      else
        std::printf("_acGlyphs + %zu}, // U+%04X\n", offset[i], g.code);
    }
    std::printf("};\n");
  }
  std::printf("\nextern const GUI_FONT_PROP_EXT _aProp[];\nconst GUI_FONT_PROP_EXT _aProp[] = {\n");
  for (size_t r = 0; r < ranges.size(); ++r) {
    std::printf("  {0x%04X, 0x%04X, _aInfo%zu, ", glyphs[ranges[r].first].code, glyphs[ranges[r].second].code, r);
    if (r + 1 < ranges.size())
      std::printf("&_aProp[%zu]},\n", r + 1);
    else
      std::printf("nullptr},\n");
  }
  std::printf("};\n\n} // namespace\n\n");
  std::printf("extern const GUI_FONT %s = {\n  &%s, %d, %d, 1, 1, _aProp, %d, %d, %d,\n};\n", id.c_str(), type, o.cell,
              o.ydist, o.baseline, InkHeight(glyphs, o, 'x'), InkHeight(glyphs, o, 'H'));
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 8) Fail("usage: fontgen name face.ttf px cell ydist baseline bpp [tabular]");
  Options o;
  o.name = argv[1];
  o.face = argv[2];
  o.px = std::atoi(argv[3]);
  o.cell = std::atoi(argv[4]);
  o.ydist = std::atoi(argv[5]);
  o.baseline = std::atoi(argv[6]);
  o.bpp = std::atoi(argv[7]);
  o.tabular = argc > 8 && std::strcmp(argv[8], "tabular") == 0;
  if (o.px < 4 || o.px > 200 || o.cell < 1 || o.cell > 255 || o.ydist < 1 || o.ydist > 255 || o.baseline < 1 ||
      o.baseline > o.cell || (o.bpp != 1 && o.bpp != 2 && o.bpp != 4 && o.bpp != 8))
    Fail("bad numeric argument");
  FT_Library lib;
  FT_Face face;
  if (FT_Init_FreeType(&lib)) Fail("FreeType did not start");
  if (FT_New_Face(lib, o.face.c_str(), 0, &face)) Fail("cannot open the face");
  if (FT_Set_Pixel_Sizes(face, 0, o.px)) Fail("cannot set the pixel size");
  std::vector<Glyph> glyphs;
  for (const auto& r : kRanges)
    for (unsigned c = r[0]; c <= r[1]; ++c) {
      Glyph g;
      if (Render(face, o, c, g)) glyphs.push_back(std::move(g));
    }
  for (const Glyph& g : glyphs)
    if (g.xsize > 255 || g.ysize > 255 || g.xdist > 255 || g.xpos < -128 || g.xpos > 127) Fail("glyph too large");
  if (o.tabular) MakeTabular(glyphs);
  Emit(o, glyphs);
  FT_Done_Face(face);
  FT_Done_FreeType(lib);
  return 0;
}
