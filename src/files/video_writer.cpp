#include "files/video_writer.h"

#include "files/file_names.h"

#include <cerrno>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace murva {

namespace {

// The encoders and their settings: quick enough to film as fast as the renderer paints,
// with flat colours and sharp edges kept.
struct TCodecChoice {
    const char* Muxer;
    const char* Encoder;
    AVCodecID Fallback;
    // Encoder options, name and value.
    std::initializer_list<std::pair<const char*, const char*>> Options;
};

const TCodecChoice Mp4Codec{
    "mp4", "libx264", AV_CODEC_ID_H264, {{"preset", "veryfast"}, {"crf", "20"}}};
const TCodecChoice WebMCodec{
    "webm",
    "libvpx-vp9",
    AV_CODEC_ID_VP9,
    {{"deadline", "realtime"}, {"cpu-used", "8"}, {"row-mt", "1"}, {"crf", "30"}, {"b", "0"}}};

std::string ErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

} // namespace

std::optional<TVideoFormat> VideoFormatOf(const std::string& path) {
    if (HasExtension(path, Mp4Extensions)) return TVideoFormat::Mp4;
    if (HasExtension(path, WebMExtensions)) return TVideoFormat::WebM;
    return std::nullopt;
}

struct TVideoWriter::TLibrary {
    AVFormatContext* Format = nullptr;
    AVCodecContext* Codec = nullptr;
    AVStream* Stream = nullptr;
    SwsContext* Convert = nullptr;
    AVFrame* Frame = nullptr;
    AVPacket* Packet = nullptr;
    std::int64_t Pictures = 0;
    std::string Error;

    ~TLibrary() {
        sws_freeContext(Convert);
        av_frame_free(&Frame);
        av_packet_free(&Packet);
        avcodec_free_context(&Codec);
        if (Format) {
            if (Format->pb) avio_closep(&Format->pb);
            avformat_free_context(Format);
        }
    }

    // Whether the library's call went well; otherwise the error is kept.
    bool Check(int code, const char* what) {
        if (code >= 0) return true;
        if (Error.empty()) Error = std::string(what) + ": " + ErrorText(code);
        return false;
    }

    // Hands `frame` (nullptr: the end) to the encoder and writes what comes out.
    bool Encode(const AVFrame* frame) {
        if (!Check(avcodec_send_frame(Codec, frame), "encoding")) return false;
        for (;;) {
            const int got = avcodec_receive_packet(Codec, Packet);
            if (got == AVERROR(EAGAIN) || got == AVERROR_EOF) return true;
            if (!Check(got, "encoding")) return false;
            av_packet_rescale_ts(Packet, Codec->time_base, Stream->time_base);
            Packet->stream_index = Stream->index;
            if (!Check(av_interleaved_write_frame(Format, Packet), "writing")) return false;
        }
    }

    bool Open(const std::string& path, TVideoFormat kind, std::int32_t width, std::int32_t height,
              int rate) {
        // The program speaks for itself: the libraries say nothing on standard error.
        av_log_set_level(AV_LOG_QUIET);
        const TCodecChoice& choice = kind == TVideoFormat::Mp4 ? Mp4Codec : WebMCodec;
        if (!Check(avformat_alloc_output_context2(&Format, nullptr, choice.Muxer, path.c_str()),
                   "the file format"))
            return false;
        const AVCodec* encoder = avcodec_find_encoder_by_name(choice.Encoder);
        if (!encoder) encoder = avcodec_find_encoder(choice.Fallback);
        if (!encoder) return Check(AVERROR_ENCODER_NOT_FOUND, "the encoder");
        Stream = avformat_new_stream(Format, nullptr);
        Codec = avcodec_alloc_context3(encoder);
        Frame = av_frame_alloc();
        Packet = av_packet_alloc();
        if (!Stream || !Codec || !Frame || !Packet) return Check(AVERROR(ENOMEM), "memory");

        Codec->width = width;
        Codec->height = height;
        Codec->pix_fmt = AV_PIX_FMT_YUV420P;
        Codec->time_base = AVRational{1, rate};
        Codec->framerate = AVRational{rate, 1};
        Codec->gop_size = 2 * rate;
        // What the converter below makes: BT.601 colours in the limited range.
        Codec->colorspace = AVCOL_SPC_SMPTE170M;
        Codec->color_primaries = AVCOL_PRI_SMPTE170M;
        Codec->color_trc = AVCOL_TRC_SMPTE170M;
        Codec->color_range = AVCOL_RANGE_MPEG;
        Codec->thread_count = 0;
        if (Format->oformat->flags & AVFMT_GLOBALHEADER)
            Codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        for (const auto& [name, value] : choice.Options)
            av_opt_set(Codec->priv_data, name, value, 0);
        if (!Check(avcodec_open2(Codec, encoder, nullptr), "the encoder") ||
            !Check(avcodec_parameters_from_context(Stream->codecpar, Codec), "the encoder"))
            return false;
        Stream->time_base = Codec->time_base;
        Stream->avg_frame_rate = Codec->framerate;

        Frame->format = Codec->pix_fmt;
        Frame->width = width;
        Frame->height = height;
        if (!Check(av_frame_get_buffer(Frame, 0), "memory")) return false;
        Convert = sws_getContext(width, height, AV_PIX_FMT_RGB32, width, height, AV_PIX_FMT_YUV420P,
                                 SWS_BILINEAR, nullptr, nullptr, nullptr);
        if (!Convert) return Check(AVERROR(EINVAL), "the colour converter");

        if (!Check(avio_open(&Format->pb, path.c_str(), AVIO_FLAG_WRITE), "opening the file"))
            return false;
        AVDictionary* options = nullptr;
        if (kind == TVideoFormat::Mp4) av_dict_set(&options, "movflags", "+faststart", 0);
        const int header = avformat_write_header(Format, &options);
        av_dict_free(&options);
        return Check(header, "writing");
    }
};

TVideoWriter::TVideoWriter(const std::string& path, std::int32_t width, std::int32_t height,
                           int rate)
    : File(path), L(std::make_unique<TLibrary>()) {
    const std::optional<TVideoFormat> kind = VideoFormatOf(path);
    if (!kind)
        L->Error = "a video file's name ends in .mp4 or .webm";
    else if (width <= 0 || height <= 0 || width % 2 || height % 2)
        L->Error = "a video's width and height are even";
    else if (File.Path().empty())
        L->Check(AVERROR(errno ? errno : EACCES), "opening the file");
    else
        L->Open(File.Path(), *kind, width, height, rate);
}

TVideoWriter::~TVideoWriter() = default;

const std::string& TVideoWriter::Error() const {
    return L->Error;
}

bool TVideoWriter::AddFrame(const std::uint32_t* pixels) {
    if (Failed() || !L->Check(av_frame_make_writable(L->Frame), "memory")) return false;
    const auto* rows = reinterpret_cast<const std::uint8_t*>(pixels);
    const int stride = L->Codec->width * 4;
    sws_scale(L->Convert, &rows, &stride, 0, L->Codec->height, L->Frame->data, L->Frame->linesize);
    L->Frame->pts = L->Pictures++;
    return L->Encode(L->Frame);
}

bool TVideoWriter::Finish() {
    if (Failed() || !L->Encode(nullptr)) return false;
    if (!L->Check(av_write_trailer(L->Format), "writing") ||
        !L->Check(avio_closep(&L->Format->pb), "writing"))
        return false;
    if (!File.Commit()) return L->Check(AVERROR(errno ? errno : EIO), "naming the file");
    return true;
}

} // namespace murva
