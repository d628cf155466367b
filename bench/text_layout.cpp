// Text layout and painting against HarfBuzz shaping plus cairo drawing the same glyphs
// from the same font file: 1,000 lines of mixed Japanese and Latin text at 24 points and
// 254 dpi, horizontally and in vertical columns, painted onto a 24-bit image; and the same
// lines turned into outline paths. Both sides clear their image the same way before each line.
#include "core/canvas/memory_canvas.h"
#include "core/persistent/string_list.h"
#include "graphics/raster/stroke.h"
#include "platform/fonts/font_catalog.h"
#include "text/point_based_font.h"
#include "text/simple_text.h"

#include <benchmark/benchmark.h>
#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb-ft.h>
#include <hb.h>

#include <QStringList>
#include <cstring>
#include <vector>

namespace {

constexpr int kLines = 1000;
constexpr int kEm = 85; // 24 points at 254 dpi
const QString kFamily = QStringLiteral("IPAGothic");

QStringList Lines()
{
    QStringList lines;
    for (int i = 0; i < kLines; ++i)
        lines << QStringLiteral("第%1曲 Track %2 夜明けのメロディー (Live) ｱｲｳ").arg(i % 20 + 1).arg(i);
    return lines;
}

QSize Canvas(bool vertical)
{
    return vertical ? QSize(120, 2400) : QSize(2400, 120);
}

// The peer: one FreeType face shared by HarfBuzz and cairo.
class Peer {
public:
    Peer()
    {
        const auto file = FindOutlineFace(kFamily);
        FT_Init_FreeType(&library_);
        FT_New_Face(library_, file->Path.toLocal8Bit().constData(), file->Index, &face_);
        FT_Set_Char_Size(face_, 0, kEm * 64, 72, 72);
        font_ = hb_ft_font_create_referenced(face_);
        hb_ft_font_set_load_flags(font_, FT_LOAD_NO_HINTING);
        cairoFace_ = cairo_ft_font_face_create_for_ft_face(face_, FT_LOAD_NO_HINTING);
        buffer_ = hb_buffer_create();
    }
    ~Peer()
    {
        hb_buffer_destroy(buffer_);
        cairo_font_face_destroy(cairoFace_);
        hb_font_destroy(font_);
        FT_Done_Face(face_);
        FT_Done_FreeType(library_);
    }

    // Shapes the line and places its glyphs in cairo's coordinates from the origin.
    std::vector<cairo_glyph_t> Shape(const QString& line, bool vertical)
    {
        const QByteArray utf8 = line.toUtf8();
        hb_buffer_clear_contents(buffer_);
        hb_buffer_add_utf8(buffer_, utf8.constData(), int(utf8.size()), 0, -1);
        hb_buffer_set_direction(buffer_, vertical ? HB_DIRECTION_TTB : HB_DIRECTION_LTR);
        hb_buffer_guess_segment_properties(buffer_);
        hb_shape(font_, buffer_, nullptr, 0);
        unsigned count = 0;
        const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer_, &count);
        const hb_glyph_position_t* position = hb_buffer_get_glyph_positions(buffer_, nullptr);
        std::vector<cairo_glyph_t> glyphs(count);
        double x = vertical ? kEm / 2.0 : 0;
        double y = vertical ? 0 : kEm * 0.88;
        for (unsigned i = 0; i < count; ++i) {
            glyphs[i] = {info[i].codepoint, x + position[i].x_offset / 64.0, y - position[i].y_offset / 64.0};
            x += position[i].x_advance / 64.0;
            y -= position[i].y_advance / 64.0;
        }
        return glyphs;
    }

    void Select(cairo_t* cr) const
    {
        cairo_set_font_face(cr, cairoFace_);
        cairo_set_font_size(cr, kEm);
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        cairo_set_font_options(cr, options);
        cairo_font_options_destroy(options);
    }

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
    hb_font_t* font_ = nullptr;
    cairo_font_face_t* cairoFace_ = nullptr;
    hb_buffer_t* buffer_ = nullptr;
};

TSimpleText& OurText(bool vertical)
{
    static TSimpleText text;
    text.Font()->SetName(kFamily);
    text.Font()->SetSize(24);
    text.SetVertical(vertical);
    return text;
}

void Paint(benchmark::State& state, bool vertical, bool ours)
{
    const QStringList lines = Lines();
    const QSize size = Canvas(vertical);
    const TRect r(0, 0, size.width(), size.height());
    if (ours) {
        QImage image(size, QImage::Format_BGR888);
        TSimpleText& text = OurText(vertical);
        for (auto _ : state) {
            TMemoryCanvas canvas(image, 254);
            for (const QString& line : lines) {
                std::memset(image.bits(), 0xFF, std::size_t(image.sizeInBytes()));
                text.Text()->SetLines({line}); // drops the line layout: laid out anew
                text.DrawText(canvas, r, false);
            }
            benchmark::DoNotOptimize(image.constBits());
        }
        return;
    }
    Peer peer;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, size.width(), size.height());
    cairo_t* cr = cairo_create(surface);
    peer.Select(cr);
    for (auto _ : state) {
        for (const QString& line : lines) {
            cairo_surface_flush(surface);
            std::memset(cairo_image_surface_get_data(surface), 0xFF,
                        std::size_t(cairo_image_surface_get_stride(surface)) * size.height());
            cairo_surface_mark_dirty(surface);
            const std::vector<cairo_glyph_t> glyphs = peer.Shape(line, vertical);
            cairo_set_source_rgb(cr, 0, 0, 0);
            cairo_show_glyphs(cr, glyphs.data(), int(glyphs.size()));
        }
        cairo_surface_flush(surface);
        benchmark::DoNotOptimize(cairo_image_surface_get_data(surface));
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

void ToPath(benchmark::State& state, bool ours)
{
    const QStringList lines = Lines();
    const QSize size = Canvas(false);
    if (ours) {
        TSimpleText& text = OurText(false);
        const TRect r(0, 0, size.width(), size.height());
        for (auto _ : state) {
            for (const QString& line : lines) {
                TStroke stroke;
                text.Text()->SetLines({line});
                text.TextToPath(stroke, r, false);
                benchmark::DoNotOptimize(stroke.Count());
            }
        }
        return;
    }
    Peer peer;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* cr = cairo_create(surface);
    peer.Select(cr);
    for (auto _ : state) {
        for (const QString& line : lines) {
            const std::vector<cairo_glyph_t> glyphs = peer.Shape(line, false);
            cairo_new_path(cr);
            cairo_glyph_path(cr, glyphs.data(), int(glyphs.size()));
            cairo_path_t* path = cairo_copy_path(cr);
            benchmark::DoNotOptimize(path->num_data);
            cairo_path_destroy(path);
        }
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

} // namespace

BENCHMARK_CAPTURE(Paint, text_paint_horizontal/ours, false, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paint, text_paint_horizontal/peer, false, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paint, text_paint_vertical/ours, true, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paint, text_paint_vertical/peer, true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ToPath, text_to_path/ours, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ToPath, text_to_path/peer, false)->Unit(benchmark::kMillisecond);
