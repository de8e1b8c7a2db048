#pragma once
// A video read back with FFmpeg's libraries, as a player would: its codec, size, picture
// count and length, and its first and last pictures.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <QImage>
#include <string>

namespace murva::test {

struct TVideoFrames {
    bool Read = false;
    std::string Codec;
    int Width = 0, Height = 0;
    int Count = 0;
    double Seconds = 0;
    QImage First, Last;
};

inline QImage PictureOf(const AVFrame* frame) {
    QImage image(frame->width, frame->height, QImage::Format_RGB32);
    SwsContext* convert =
        sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format), frame->width,
                       frame->height, AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr);
    std::uint8_t* rows[1] = {image.bits()};
    const int strides[1] = {int(image.bytesPerLine())};
    sws_scale(convert, frame->data, frame->linesize, 0, frame->height, rows, strides);
    sws_freeContext(convert);
    return image;
}

inline TVideoFrames DecodeVideo(const std::string& path) {
    TVideoFrames video;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0) return video;
    const AVCodec* decoder = nullptr;
    const int stream = avformat_find_stream_info(format, nullptr) < 0
                           ? -1
                           : av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    AVCodecContext* codec = stream < 0 ? nullptr : avcodec_alloc_context3(decoder);
    AVFrame* frame = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    if (codec && avcodec_parameters_to_context(codec, format->streams[stream]->codecpar) >= 0 &&
        avcodec_open2(codec, decoder, nullptr) >= 0) {
        video.Codec = decoder->name;
        video.Width = codec->width;
        video.Height = codec->height;
        video.Seconds = double(format->duration) / AV_TIME_BASE;
        const auto receive = [&] {
            while (avcodec_receive_frame(codec, frame) >= 0) {
                (video.Count++ == 0 ? video.First : video.Last) = PictureOf(frame);
            }
        };
        while (av_read_frame(format, packet) >= 0) {
            if (packet->stream_index == stream && avcodec_send_packet(codec, packet) >= 0)
                receive();
            av_packet_unref(packet);
        }
        avcodec_send_packet(codec, nullptr);
        receive();
        video.Read = true;
    }
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&codec);
    avformat_close_input(&format);
    return video;
}

// The mean difference of two pictures of one size, over every channel of every pixel.
inline double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace murva::test
