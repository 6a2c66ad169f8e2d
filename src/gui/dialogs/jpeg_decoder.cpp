#include "dialogs/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
// jerror.h after jpeglib.h: it gives the message codes the warnings are told apart by.
#include <jerror.h>

namespace quorel::gui {

namespace {

// Pictures beyond this many pixels (after the reduced scale) are refused rather than
// allocated.
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

// libjpeg's default error handler ends the process. This one jumps back to the decoder,
// which then gives up cleanly; warnings that mean missing or damaged picture data are
// remembered so that a truncated file is refused instead of shown with a grey rest.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    bool damaged;
    char message[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr info)
{
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

void emitMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return;  // trace messages
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    const int code = info->err->msg_code;
    const bool missingData = code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_HUFF_BAD_CODE ||
        code == JWRN_MUST_RESYNC;
    if (missingData && !err->damaged) {
        err->damaged = true;
        (*info->err->format_message)(info, err->message);
    }
}

void outputMessage(j_common_ptr)
{
}

// Where the decoded rows go. Plain data, so that a jump out of libjpeg skips no destructor.
struct RowTarget {
    QImage* image;  // owned by the caller; created once the size is known
    QImage::Format format;
    int width;
    int height;
    bool adobe;  // an Adobe marker: the inks of a CMYK file are stored inverted
};

// The part that libjpeg may jump out of: only plain data lives in this frame.
bool runDecoder(jpeg_decompress_struct* info, ErrorManager* err, const unsigned char* data,
                unsigned long size, int targetWidth, int targetHeight, RowTarget* target)
{
    if (setjmp(err->jump)) {
        jpeg_destroy_decompress(info);
        return false;
    }
    jpeg_create_decompress(info);
    jpeg_mem_src(info, data, size);
    jpeg_read_header(info, TRUE);

    const bool cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    info->out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    if (targetWidth > 0 && targetHeight > 0) {
        // The largest reduction that still covers the target.
        for (unsigned denom = 8; denom > 1; denom /= 2) {
            if (info->image_width / denom >= static_cast<unsigned>(targetWidth) &&
                info->image_height / denom >= static_cast<unsigned>(targetHeight)) {
                info->scale_num = 1;
                info->scale_denom = denom;
                break;
            }
        }
    }
    jpeg_calc_output_dimensions(info);
    if (static_cast<long long>(info->output_width) * info->output_height > kMaxPixels) {
        std::snprintf(err->message, sizeof err->message, "the picture is too large (%u x %u)",
                      info->image_width, info->image_height);
        jpeg_destroy_decompress(info);
        return false;
    }
    target->format = cmyk ? QImage::Format_RGB32 : QImage::Format_RGB888;
    target->width = static_cast<int>(info->output_width);
    target->height = static_cast<int>(info->output_height);
    *target->image = QImage(target->width, target->height, target->format);
    if (target->image->isNull()) {
        std::snprintf(err->message, sizeof err->message, "not enough memory for the picture");
        jpeg_destroy_decompress(info);
        return false;
    }

    jpeg_start_decompress(info);
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = target->image->scanLine(static_cast<int>(info->output_scanline));
        jpeg_read_scanlines(info, &row, 1);
    }
    target->adobe = info->saw_Adobe_marker != 0;
    jpeg_finish_decompress(info);
    jpeg_destroy_decompress(info);
    return true;
}

// CMYK rows were decoded four bytes a pixel into the RGB32 image; turn them into colours.
// Adobe's files store the inks inverted.
void cmykToRgb(QImage& image, bool inverted)
{
    for (int y = 0; y < image.height(); ++y) {
        uchar* p = image.scanLine(y);
        auto* out = reinterpret_cast<QRgb*>(p);
        for (int x = 0; x < image.width(); ++x) {
            int c = p[4 * x], m = p[4 * x + 1], yel = p[4 * x + 2], k = p[4 * x + 3];
            if (!inverted) {
                c = 255 - c;
                m = 255 - m;
                yel = 255 - yel;
                k = 255 - k;
            }
            out[x] = qRgb(c * k / 255, m * k / 255, yel * k / 255);
        }
    }
}

}  // namespace

DecodedPicture decodeJpeg(const QByteArray& bytes, QSize targetSize)
{
    DecodedPicture result;
    if (bytes.isEmpty()) {
        result.error = QStringLiteral("the file is empty");
        return result;
    }
    jpeg_decompress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = errorExit;
    err.pub.emit_message = emitMessage;
    err.pub.output_message = outputMessage;

    QImage image;
    RowTarget target{&image, QImage::Format_RGB888, 0, 0, false};
    const bool decoded = runDecoder(&info, &err, reinterpret_cast<const unsigned char*>(bytes.constData()),
                                    static_cast<unsigned long>(bytes.size()), targetSize.width(),
                                    targetSize.height(), &target);
    if (!decoded || err.damaged) {
        result.error = QString::fromLocal8Bit(err.message);
        return result;
    }
    if (target.format == QImage::Format_RGB32)
        cmykToRgb(image, target.adobe);
    result.image = std::move(image);
    return result;
}

}  // namespace quorel::gui
