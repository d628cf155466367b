#include "graphics/picture/jpeg_codec.h"

#include "core/error.h"
#include "graphics/picture/picture_limits.h"
#include "graphics/picture/picture_messages.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace {

// More scans than any sensible progressive JPEG has; beyond them a picture is refused
// rather than decoded for minutes.
constexpr int kMaxScans = 500;
// The most memory the decoder may take for its own buffers (coefficients of progressive
// pictures), beyond the output image.
constexpr long kMaxDecoderMemory = 512L * 1024 * 1024;

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back to
// the setjmp of the call that started the work.
struct ErrorManager {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
};

[[noreturn]] void JumpOut(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->Jump, 1);
}

void SilentMessage(j_common_ptr)
{
}

void LimitScans(j_common_ptr info)
{
    if (info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans)
        JumpOut(info);
}

void InstallErrors(ErrorManager& errors, jpeg_common_struct& info)
{
    info.err = jpeg_std_error(&errors.Manager);
    errors.Manager.error_exit = JumpOut;
    errors.Manager.output_message = SilentMessage;
}

// The decoder's state lives on the heap so that nothing the jump skips over is a local of
// the function that calls setjmp.
struct Decoder {
    ErrorManager Errors;
    jpeg_decompress_struct Info{};
    jpeg_progress_mgr Progress{};
    QImage Image;
};

bool Decode(Decoder& d, const QByteArray& data, int denominator)
{
    InstallErrors(d.Errors, *reinterpret_cast<jpeg_common_struct*>(&d.Info));
    if (setjmp(d.Errors.Jump)) {
        jpeg_destroy_decompress(&d.Info);
        return false;
    }
    jpeg_create_decompress(&d.Info);
    d.Info.mem->max_memory_to_use = kMaxDecoderMemory;
    d.Progress.progress_monitor = LimitScans;
    d.Info.progress = &d.Progress;
    jpeg_mem_src(&d.Info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&d.Info, TRUE);
    d.Info.scale_num = 1;
    d.Info.scale_denom = static_cast<unsigned>(denominator);
    const bool grey = d.Info.jpeg_color_space == JCS_GRAYSCALE;
    d.Info.out_color_space = grey ? JCS_GRAYSCALE : JCS_EXT_BGR;
    jpeg_calc_output_dimensions(&d.Info);
    if (!PictureSizeAllowed(d.Info.output_width, d.Info.output_height)) {
        jpeg_destroy_decompress(&d.Info);
        return false;
    }
    d.Image = QImage(int(d.Info.output_width), int(d.Info.output_height),
                     grey ? QImage::Format_Grayscale8 : QImage::Format_BGR888);
    if (d.Image.isNull()) {
        jpeg_destroy_decompress(&d.Info);
        return false;
    }
    jpeg_start_decompress(&d.Info);
    while (d.Info.output_scanline < d.Info.output_height) {
        JSAMPROW row = d.Image.scanLine(int(d.Info.output_scanline));
        jpeg_read_scanlines(&d.Info, &row, 1);
    }
    if (d.Info.density_unit == 1 && d.Info.X_density > 0 && d.Info.Y_density > 0) { // dots per inch
        d.Image.setDotsPerMeterX(qRound(d.Info.X_density / 0.0254));
        d.Image.setDotsPerMeterY(qRound(d.Info.Y_density / 0.0254));
    }
    jpeg_finish_decompress(&d.Info);
    jpeg_destroy_decompress(&d.Info);
    return true;
}

struct Encoder {
    ErrorManager Errors;
    jpeg_compress_struct Info{};
    unsigned char* Buffer = nullptr;
    unsigned long Size = 0;
    ~Encoder() { std::free(Buffer); }
};

bool Encode(Encoder& e, const QImage& image, int quality)
{
    InstallErrors(e.Errors, *reinterpret_cast<jpeg_common_struct*>(&e.Info));
    if (setjmp(e.Errors.Jump)) {
        jpeg_destroy_compress(&e.Info);
        return false;
    }
    jpeg_create_compress(&e.Info);
    jpeg_mem_dest(&e.Info, &e.Buffer, &e.Size);
    const bool grey = image.format() == QImage::Format_Grayscale8;
    e.Info.image_width = JDIMENSION(image.width());
    e.Info.image_height = JDIMENSION(image.height());
    e.Info.input_components = grey ? 1 : 3;
    e.Info.in_color_space = grey ? JCS_GRAYSCALE : JCS_EXT_BGR;
    jpeg_set_defaults(&e.Info);
    jpeg_set_quality(&e.Info, quality, TRUE);
    jpeg_start_compress(&e.Info, TRUE);
    while (e.Info.next_scanline < e.Info.image_height) {
        JSAMPROW row = const_cast<uchar*>(image.constScanLine(int(e.Info.next_scanline)));
        jpeg_write_scanlines(&e.Info, &row, 1);
    }
    jpeg_finish_compress(&e.Info);
    jpeg_destroy_compress(&e.Info);
    return true;
}

} // namespace

QSize ScaledJPEGSize(QSize full, int denominator)
{
    return {(full.width() + denominator - 1) / denominator, (full.height() + denominator - 1) / denominator};
}

QImage DecodeJPEG(const QByteArray& data, int denominator)
{
    auto decoder = std::make_unique<Decoder>();
    if (!Decode(*decoder, data, denominator))
        throw EAppError(picturemsg::UnsupportedJpeg());
    return std::move(decoder->Image);
}

QByteArray EncodeJPEG(const QImage& image, int quality)
{
    const QImage source = image.format() == QImage::Format_Grayscale8 ? image
                                                                        : image.convertToFormat(QImage::Format_BGR888);
    auto encoder = std::make_unique<Encoder>();
    if (source.isNull() || !Encode(*encoder, source, quality))
        throw EAppError(picturemsg::StreamWriteError());
    return QByteArray(reinterpret_cast<const char*>(encoder->Buffer), qsizetype(encoder->Size));
}
