#include "files/jpeg_codec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <new>

#include <jpeglib.h>
// After jpeglib.h: which warnings exist depends on its configuration.
#include <jerror.h>

namespace murva {

namespace {

// Enough for any real photograph; a header that claims more is refused rather than
// exhausting the machine's memory.
constexpr std::uint64_t MemoryLimit = 512ull * 1024 * 1024;

// libjpeg's default error manager prints and exits. This one jumps back to the call
// that armed it, on an error and on a warning that means pixels were lost.
struct ErrorTrap {
    jpeg_error_mgr Manager; // first: the library's pointer to it leads back to the trap
    std::jmp_buf Jump;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->Jump, 1);
}

// Warnings after which the picture would show grey or garbled parts. Harmless ones
// (stray bytes between markers, an unknown JFIF revision) are let through.
bool LosesPixels(int code) {
    switch (code) {
    case JWRN_JPEG_EOF: // a truncated file
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION:
#if JPEG_LIB_VERSION >= 70 || defined(D_ARITH_CODING_SUPPORTED)
    case JWRN_ARITH_BAD_CODE:
#endif
        return true;
    default:
        return false;
    }
}

void OnMessage(j_common_ptr info, int level) {
    // A negative level is a warning; the others are trace messages.
    if (level < 0 && LosesPixels(info->err->msg_code)) JumpBack(info);
}

void Silent(j_common_ptr) {}

void Arm(ErrorTrap& trap, jpeg_error_mgr*& slot) {
    slot = jpeg_std_error(&trap.Manager);
    trap.Manager.error_exit = JumpBack;
    trap.Manager.emit_message = OnMessage;
    trap.Manager.output_message = Silent;
}

// The state of one decode lives outside the frame that calls setjmp, so a jump back
// leaves nothing indeterminate, and the destructor releases the library either way.
struct DecodeJob {
    jpeg_decompress_struct Info{};
    ErrorTrap Trap{};
    bool Created = false;
    TRgbImage Image;
    std::vector<JSAMPLE> Row;
    ~DecodeJob() {
        if (Created) jpeg_destroy_decompress(&Info);
    }
};

bool RunDecode(DecodeJob& job, std::string_view bytes, std::int32_t keepWidth,
               std::int32_t keepHeight) {
    Arm(job.Trap, job.Info.err);
    if (setjmp(job.Trap.Jump)) return false;
    jpeg_create_decompress(&job.Info);
    job.Created = true;
    job.Info.mem->max_memory_to_use = static_cast<long>(MemoryLimit);
    jpeg_mem_src(&job.Info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&job.Info, TRUE) != JPEG_HEADER_OK) return false;
    // Best quality at full size, always three colour channels.
    job.Info.dct_method = JDCT_ISLOW;
    job.Info.do_fancy_upsampling = TRUE;
    job.Info.out_color_space = JCS_RGB;
    job.Info.scale_num = 1;
    job.Info.scale_denom = 1;
    job.Info.quantize_colors = FALSE;
    jpeg_start_decompress(&job.Info);
    if (job.Info.output_components != 3) return false;

    job.Image.Width = static_cast<std::int32_t>(
        std::min<JDIMENSION>(job.Info.output_width, static_cast<JDIMENSION>(keepWidth)));
    job.Image.Height = static_cast<std::int32_t>(
        std::min<JDIMENSION>(job.Info.output_height, static_cast<JDIMENSION>(keepHeight)));
    const std::uint64_t kept = std::uint64_t(job.Image.Width) * job.Image.Height * 3;
    if (kept > MemoryLimit) return false;
    job.Image.Pixels.resize(kept);
    job.Row.resize(std::size_t(job.Info.output_width) * 3);
    const std::size_t keptRow = std::size_t(job.Image.Width) * 3;
    while (job.Info.output_scanline < job.Info.output_height) {
        JSAMPROW row = job.Row.data();
        const JDIMENSION y = job.Info.output_scanline;
        if (jpeg_read_scanlines(&job.Info, &row, 1) != 1) return false;
        if (y < JDIMENSION(job.Image.Height))
            std::copy_n(job.Row.begin(), keptRow, job.Image.Pixels.begin() + y * keptRow);
    }
    jpeg_finish_decompress(&job.Info);
    return true;
}

struct EncodeJob {
    jpeg_compress_struct Info{};
    ErrorTrap Trap{};
    bool Created = false;
    // Room for the largest JPEG the picture can give, so the library need not grow it.
    std::vector<unsigned char> Room;
    unsigned char* Buffer = nullptr;
    unsigned long Size = 0;
    ~EncodeJob() {
        if (Created) jpeg_destroy_compress(&Info);
        // Had the room been too small, the library would have handed over its own buffer.
        if (Buffer && Buffer != Room.data()) std::free(Buffer);
    }
};

bool RunEncode(EncodeJob& job, const TRgbImage& image, int quality) {
    Arm(job.Trap, job.Info.err);
    if (setjmp(job.Trap.Jump)) return false;
    jpeg_create_compress(&job.Info);
    job.Created = true;
    job.Buffer = job.Room.data();
    job.Size = static_cast<unsigned long>(job.Room.size());
    jpeg_mem_dest(&job.Info, &job.Buffer, &job.Size);
    job.Info.image_width = static_cast<JDIMENSION>(image.Width);
    job.Info.image_height = static_cast<JDIMENSION>(image.Height);
    job.Info.input_components = 3;
    job.Info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&job.Info);
    jpeg_set_quality(&job.Info, quality, TRUE); // baseline tables
    jpeg_start_compress(&job.Info, TRUE);
    while (job.Info.next_scanline < job.Info.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(image.At(0, std::int32_t(job.Info.next_scanline)));
        if (jpeg_write_scanlines(&job.Info, &row, 1) != 1) return false;
    }
    jpeg_finish_compress(&job.Info);
    return true;
}

} // namespace

std::optional<TRgbImage> DecodeJpeg(std::string_view bytes, std::int32_t keepWidth,
                                    std::int32_t keepHeight) {
    if (keepWidth < 1 || keepHeight < 1) return std::nullopt;
    try {
        DecodeJob job;
        if (!RunDecode(job, bytes, keepWidth, keepHeight)) return std::nullopt;
        return std::move(job.Image);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::optional<TRgbImage> DecodeJpegFile(const std::string& path, std::int32_t keepWidth,
                                        std::int32_t keepHeight) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } catch (const std::exception&) { // out of memory, or a read error such as a folder's
        return std::nullopt;
    }
    if (file.bad()) return std::nullopt;
    return DecodeJpeg(bytes, keepWidth, keepHeight);
}

std::optional<std::string> EncodeJpeg(const TRgbImage& image, int quality) {
    if (image.Width < 1 || image.Height < 1 || image.Width > JPEG_MAX_DIMENSION ||
        image.Height > JPEG_MAX_DIMENSION ||
        image.Pixels.size() != std::size_t(image.Width) * std::size_t(image.Height) * 3)
        return std::nullopt;
    try {
        EncodeJob job;
        // The worst case of baseline coding: six bytes a pixel over whole blocks.
        const std::size_t paddedWidth = (std::size_t(image.Width) + 15) / 16 * 16;
        const std::size_t paddedHeight = (std::size_t(image.Height) + 15) / 16 * 16;
        job.Room.resize(paddedWidth * paddedHeight * 6 + 65536);
        if (!RunEncode(job, image, std::clamp(quality, 1, 100))) return std::nullopt;
        return std::string(reinterpret_cast<const char*>(job.Buffer), job.Size);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace murva
