#include "platform/fonts/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include <hb-ot.h>
#include <hb.h>

#include <QHash>
#include <vector>

namespace {

// FreeType's library handle, made once for the process.
FT_Library FreeTypeLibrary()
{
    static FT_Library library = [] {
        FT_Library made = nullptr;
        return FT_Init_FreeType(&made) == 0 ? made : nullptr;
    }();
    return library;
}

// Bounds-checked big-endian reads from one font table.
class TableReader {
public:
    TableReader(hb_face_t* face, hb_tag_t tag) : blob_(hb_face_reference_table(face, tag))
    {
        unsigned length = 0;
        data_ = hb_blob_get_data(blob_, &length);
        length_ = length;
    }
    ~TableReader() { hb_blob_destroy(blob_); }
    TableReader(const TableReader&) = delete;
    TableReader& operator=(const TableReader&) = delete;

    bool Has(unsigned offset, unsigned size) const { return data_ && offset + size <= length_; }
    std::uint32_t Unsigned(unsigned offset, unsigned size) const
    {
        std::uint32_t value = 0;
        for (unsigned i = 0; i < size; ++i)
            value = value << 8 | static_cast<std::uint8_t>(data_[offset + i]);
        return value;
    }
    int Int16(unsigned offset) const { return static_cast<std::int16_t>(Unsigned(offset, 2)); }

private:
    hb_blob_t* blob_;
    const char* data_ = nullptr;
    unsigned length_ = 0;
};

TFaceMetrics ReadMetrics(hb_face_t* face)
{
    TFaceMetrics metrics;
    metrics.UnitsPerEm = std::max(1u, hb_face_get_upem(face));
    const TableReader hhea(face, HB_TAG('h', 'h', 'e', 'a'));
    const TableReader os2(face, HB_TAG('O', 'S', '/', '2'));
    const TableReader post(face, HB_TAG('p', 'o', 's', 't'));
    if (hhea.Has(4, 6)) {
        metrics.Ascender = hhea.Int16(4);
        metrics.Descender = hhea.Int16(6);
        metrics.LineGap = hhea.Int16(8);
    }
    if ((metrics.Ascender == 0 && metrics.Descender == 0) && os2.Has(68, 6)) {
        metrics.Ascender = os2.Int16(68);
        metrics.Descender = os2.Int16(70);
        metrics.LineGap = os2.Int16(72);
    }
    if (metrics.Ascender == 0 && metrics.Descender == 0) {
        metrics.Ascender = metrics.UnitsPerEm * 4 / 5;
        metrics.Descender = metrics.Ascender - metrics.UnitsPerEm;
    }
    if (post.Has(8, 4) && os2.Has(26, 4)) {
        metrics.HasDecorationMetrics = true;
        metrics.UnderlinePosition = post.Int16(8);
        metrics.UnderlineThickness = post.Int16(10);
        metrics.StrikeoutSize = os2.Int16(26);
        metrics.StrikeoutPosition = os2.Int16(28);
    }
    return metrics;
}

bool HasSymbolMap(FT_Face face)
{
    for (int i = 0; i < face->num_charmaps; ++i)
        if (face->charmaps[i]->encoding == FT_ENCODING_MS_SYMBOL)
            return true;
    return false;
}

TFaceCharset ReadCharset(hb_face_t* face, hb_font_t* font, FT_Face ftFace)
{
    const TableReader os2(face, HB_TAG('O', 'S', '/', '2'));
    const bool hasCodePages = os2.Has(78, 4) && os2.Unsigned(0, 2) >= 1;
    const std::uint32_t codePages = hasCodePages ? os2.Unsigned(78, 4) : 0;
    if (HasSymbolMap(ftFace) || (codePages & (1u << 31)))
        return TFaceCharset::Symbol;
    hb_codepoint_t glyph = 0;
    if ((codePages & (1u << 17)) || (!hasCodePages && hb_font_get_nominal_glyph(font, U'あ', &glyph)))
        return TFaceCharset::ShiftJis;
    return TFaceCharset::Ansi;
}

bool ReadHasVertical(hb_face_t* face)
{
    unsigned count = 0;
    const unsigned total = hb_ot_layout_table_get_feature_tags(face, HB_OT_TAG_GSUB, 0, &count, nullptr);
    std::vector<hb_tag_t> tags(total);
    count = total;
    hb_ot_layout_table_get_feature_tags(face, HB_OT_TAG_GSUB, 0, &count, tags.data());
    for (unsigned i = 0; i < count; ++i)
        if (tags[i] == HB_TAG('v', 'e', 'r', 't'))
            return true;
    return TableReader(face, HB_TAG('v', 'h', 'e', 'a')).Has(0, 4);
}

// FreeType outline callbacks building a path with y turned downwards.
struct OutlineSink {
    QPainterPath path;
    static QPointF At(const FT_Vector* v) { return QPointF(v->x, -v->y); }
    static int Move(const FT_Vector* to, void* self)
    {
        static_cast<OutlineSink*>(self)->path.moveTo(At(to));
        return 0;
    }
    static int Line(const FT_Vector* to, void* self)
    {
        static_cast<OutlineSink*>(self)->path.lineTo(At(to));
        return 0;
    }
    static int Conic(const FT_Vector* control, const FT_Vector* to, void* self)
    {
        static_cast<OutlineSink*>(self)->path.quadTo(At(control), At(to));
        return 0;
    }
    static int Cubic(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* self)
    {
        static_cast<OutlineSink*>(self)->path.cubicTo(At(c1), At(c2), At(to));
        return 0;
    }
};

} // namespace

struct TFontFace::Handles {
    hb_blob_t* blob = nullptr;
    hb_face_t* face = nullptr;
    hb_font_t* font = nullptr;
    hb_buffer_t* buffer = nullptr;
    FT_Face ftFace = nullptr;

    ~Handles()
    {
        if (ftFace)
            FT_Done_Face(ftFace);
        hb_buffer_destroy(buffer);
        hb_font_destroy(font);
        hb_face_destroy(face);
        hb_blob_destroy(blob);
    }
};

std::shared_ptr<const TFontFace> TFontFace::Open(const TFontFileRef& file)
{
    static QHash<QString, std::weak_ptr<const TFontFace>> opened;
    const QString key = file.Path + QLatin1Char('#') + QString::number(file.Index);
    if (auto shared = opened.value(key).lock())
        return shared;

    auto handles = std::make_unique<Handles>();
    handles->blob = hb_blob_create_from_file_or_fail(file.Path.toLocal8Bit().constData());
    FT_Library library = FreeTypeLibrary();
    if (!handles->blob || !library || file.Index < 0)
        return nullptr;
    unsigned length = 0;
    const char* data = hb_blob_get_data(handles->blob, &length);
    if (FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte*>(data), static_cast<FT_Long>(length), file.Index,
                           &handles->ftFace) != 0) {
        handles->ftFace = nullptr;
        return nullptr;
    }
    if (!FT_IS_SCALABLE(handles->ftFace))
        return nullptr;
    handles->face = hb_face_create(handles->blob, static_cast<unsigned>(file.Index));
    handles->font = hb_font_create(handles->face);
    handles->buffer = hb_buffer_create();
    std::shared_ptr<const TFontFace> face(new TFontFace(file, std::move(handles)));
    opened.insert(key, face);
    return face;
}

TFontFace::TFontFace(const TFontFileRef& file, std::unique_ptr<Handles> handles)
    : file_(file), handles_(std::move(handles))
{
    metrics_ = ReadMetrics(handles_->face);
    charset_ = ReadCharset(handles_->face, handles_->font, handles_->ftFace);
    hasVertical_ = ReadHasVertical(handles_->face);
}

TFontFace::~TFontFace() = default;

TShapedGlyph TFontFace::Shape(char32_t character, bool topToBottom) const
{
    hb_buffer_t* buffer = handles_->buffer;
    hb_buffer_clear_contents(buffer);
    hb_buffer_add_codepoints(buffer, reinterpret_cast<const hb_codepoint_t*>(&character), 1, 0, 1);
    hb_buffer_set_direction(buffer, topToBottom ? HB_DIRECTION_TTB : HB_DIRECTION_LTR);
    hb_buffer_set_language(buffer, hb_language_from_string("ja", -1));
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(handles_->font, buffer, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* position = hb_buffer_get_glyph_positions(buffer, nullptr);
    if (count == 0)
        return {};
    TShapedGlyph shaped;
    shaped.Glyph = info[0].codepoint;
    shaped.XOffset = position[0].x_offset;
    shaped.YOffset = position[0].y_offset;
    // A character that decomposes into several glyphs advances by all of them.
    for (unsigned i = 0; i < count; ++i)
        shaped.Advance += topToBottom ? -position[i].y_advance : position[i].x_advance;
    return shaped;
}

QPainterPath TFontFace::Outline(std::uint32_t glyph, bool embolden) const
{
    FT_Face face = handles_->ftFace;
    if (FT_Load_Glyph(face, glyph, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0 ||
        face->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
        return {};
    FT_Outline* outline = &face->glyph->outline;
    if (embolden)
        FT_Outline_EmboldenXY(outline, EmboldenStrength(), EmboldenStrength());
    static const FT_Outline_Funcs funcs = {&OutlineSink::Move, &OutlineSink::Line, &OutlineSink::Conic,
                                           &OutlineSink::Cubic, 0, 0};
    OutlineSink sink;
    FT_Outline_Decompose(outline, &funcs, &sink);
    sink.path.setFillRule(Qt::WindingFill);
    return sink.path;
}
