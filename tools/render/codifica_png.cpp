#include "codifica_png.h"

#include <png.h>

#include <csetjmp>
#include <new>

namespace velaris {

namespace {

struct destinazione {
    std::vector<unsigned char>* byte;
    bool memoria_esaurita = false;
    std::string errore;
};

void scrivi(png_structp png, png_bytep dati, png_size_t quanti) {
    auto* d = static_cast<destinazione*>(png_get_io_ptr(png));
    try {
        d->byte->insert(d->byte->end(), dati, dati + quanti);
    } catch (const std::bad_alloc&) {
        d->memoria_esaurita = true;
    }
    // Leaves through libpng's error jump, outside the handler above.
    if (d->memoria_esaurita) png_error(png, "out of memory");
}

void svuota(png_structp) {}

void errore(png_structp png, png_const_charp messaggio) {
    auto* d = static_cast<destinazione*>(png_get_error_ptr(png));
    d->errore = messaggio;
    png_longjmp(png, 1);
}

void avviso(png_structp, png_const_charp) {}

/// The libpng calls, in a frame without objects to destroy, so that libpng's
/// error jump back to setjmp skips nothing.
bool scrivi_immagine(png_structp png, png_infop info, const QImage& immagine) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(immagine.width()),
                 static_cast<png_uint_32>(immagine.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (immagine.dotsPerMeterX() > 0 && immagine.dotsPerMeterY() > 0)
        png_set_pHYs(png, info, static_cast<png_uint_32>(immagine.dotsPerMeterX()),
                     static_cast<png_uint_32>(immagine.dotsPerMeterY()), PNG_RESOLUTION_METER);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_write_info(png, info);
    // A 32-bit pixel 0xffRRGGBB: the bytes B, G, R, X on a little-endian
    // machine, X, R, G, B on a big-endian one.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_set_bgr(png);
#else
    png_set_filler(png, 0, PNG_FILLER_BEFORE);
#endif
    for (int r = 0; r < immagine.height(); ++r)
        png_write_row(png, const_cast<png_bytep>(immagine.constScanLine(r)));
    png_write_end(png, info);
    return true;
}

} // namespace

std::string codifica_png(const QImage& immagine, std::vector<unsigned char>& png) {
    const QImage rgb =
        immagine.format() == QImage::Format_RGB32 || immagine.format() == QImage::Format_ARGB32
            ? immagine
            : immagine.convertToFormat(QImage::Format_RGB32);
    destinazione d{&png, false, {}};
    png_structp scrittura = png_create_write_struct(PNG_LIBPNG_VER_STRING, &d, &errore, &avviso);
    if (scrittura == nullptr) return "the PNG encoder could not be started";
    png_infop info = png_create_info_struct(scrittura);
    if (info == nullptr) {
        png_destroy_write_struct(&scrittura, nullptr);
        return "the PNG encoder could not be started";
    }
    png_set_write_fn(scrittura, &d, &scrivi, &svuota);
    const bool fatto = scrivi_immagine(scrittura, info, rgb);
    png_destroy_write_struct(&scrittura, &info);
    if (!fatto) return d.errore.empty() ? "the PNG encoder failed" : d.errore;
    return {};
}

} // namespace velaris
