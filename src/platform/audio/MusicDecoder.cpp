#include "MusicDecoder.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

namespace fw {

namespace {

constexpr int IoBufferSize = 32768;
// Work done for one read at most, so a file of nothing but damage never
// holds up the mix: what is missing plays as silence.
constexpr int MostSteps = 400;

QString errorText(int error)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

QString openFailure(int error)
{
    switch (error) {
    case ENOENT:
        return QStringLiteral("the file is not there");
    case EACCES:
        return QStringLiteral("the file may not be read");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

} // namespace

std::unique_ptr<MusicDecoder> MusicDecoder::open(const QString &path, QString &why)
{
    // FFmpeg says what it meets in a file on standard error, line after
    // line; the program tells the user once, in its own words.
    av_log_set_level(AV_LOG_QUIET);
    // Not blocking: opening a FIFO must not wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = openFailure(errno);
        return nullptr;
    }
    struct stat status = {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        why = QStringLiteral("it is not a regular file");
        return nullptr;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::unique_ptr<MusicDecoder> decoder(new MusicDecoder(fd));
    decoder->m_packet = av_packet_alloc();
    decoder->m_frame = av_frame_alloc();
    if (!decoder->m_packet || !decoder->m_frame || !decoder->openStream(why))
        return nullptr;
    return decoder;
}

MusicDecoder::~MusicDecoder()
{
    closeStream();
    av_packet_free(&m_packet);
    av_frame_free(&m_frame);
    ::close(m_fd);
}

int MusicDecoder::readPacket(void *self, std::uint8_t *buffer, int size)
{
    const int fd = static_cast<MusicDecoder *>(self)->m_fd;
    ssize_t got = 0;
    do
        got = ::read(fd, buffer, std::size_t(size));
    while (got < 0 && errno == EINTR);
    if (got < 0)
        return AVERROR(errno);
    return got == 0 ? AVERROR_EOF : int(got);
}

std::int64_t MusicDecoder::seekPacket(void *self, std::int64_t offset, int whence)
{
    const int fd = static_cast<MusicDecoder *>(self)->m_fd;
    if (whence & AVSEEK_SIZE) {
        struct stat status = {};
        return fstat(fd, &status) == 0 ? std::int64_t(status.st_size) : AVERROR(errno);
    }
    const off_t at = lseek(fd, off_t(offset), whence & ~AVSEEK_FORCE);
    return at < 0 ? AVERROR(errno) : std::int64_t(at);
}

bool MusicDecoder::openStream(QString &why)
{
    lseek(m_fd, 0, SEEK_SET);
    auto *buffer = static_cast<std::uint8_t *>(av_malloc(IoBufferSize));
    m_io = buffer ? avio_alloc_context(buffer, IoBufferSize, 0, this, &readPacket, nullptr,
                                       &seekPacket)
                  : nullptr;
    m_format = avformat_alloc_context();
    if (!m_io || !m_format) {
        av_free(buffer);
        why = QStringLiteral("out of memory");
        return false;
    }
    m_format->pb = m_io;
    m_format->flags |= AVFMT_FLAG_CUSTOM_IO;
    // On failure it frees the context itself.
    if (avformat_open_input(&m_format, nullptr, nullptr, nullptr) < 0 ||
        avformat_find_stream_info(m_format, nullptr) < 0) {
        why = QStringLiteral("it is no sound file this program can play");
        return false;
    }
    return openDecoder(why);
}

bool MusicDecoder::openDecoder(QString &why)
{
    const AVCodec *codec = nullptr;
    m_stream = av_find_best_stream(m_format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (m_stream < 0 || !codec) {
        why = m_stream == AVERROR_DECODER_NOT_FOUND
                  ? QStringLiteral("no decoder for its kind of sound is installed")
                  : QStringLiteral("it holds no sound");
        return false;
    }
    m_codec = avcodec_alloc_context3(codec);
    if (!m_codec ||
        avcodec_parameters_to_context(m_codec, m_format->streams[m_stream]->codecpar) < 0 ||
        avcodec_open2(m_codec, codec, nullptr) < 0 || m_codec->sample_rate <= 0) {
        why = QStringLiteral("its sound cannot be decoded");
        return false;
    }
    AVChannelLayout input = {};
    if (m_codec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&input, m_codec->ch_layout.nb_channels);
    else
        av_channel_layout_copy(&input, &m_codec->ch_layout);
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    const bool made =
        swr_alloc_set_opts2(&m_resampler, &stereo, AV_SAMPLE_FMT_FLT, EffectMixer::Rate, &input,
                            m_codec->sample_fmt, m_codec->sample_rate, 0, nullptr) == 0 &&
        swr_init(m_resampler) == 0;
    av_channel_layout_uninit(&input);
    if (!made) {
        why = QStringLiteral("its channels cannot be mixed to stereo");
        return false;
    }
    m_draining = false;
    m_roundEnded = false;
    return true;
}

void MusicDecoder::closeStream()
{
    swr_free(&m_resampler);
    avcodec_free_context(&m_codec);
    avformat_close_input(&m_format);
    if (m_io) {
        av_freep(&m_io->buffer);
        avio_context_free(&m_io);
    }
}

void MusicDecoder::notice(int error)
{
    if (m_problem.isEmpty())
        m_problem = errorText(error);
}

std::optional<QString> MusicDecoder::takeProblem()
{
    if (m_problem.isEmpty() || m_problemTold)
        return std::nullopt;
    m_problemTold = true;
    return m_problem;
}

void MusicDecoder::convert(const std::uint8_t **input, int count)
{
    const int room = swr_get_out_samples(m_resampler, count);
    if (room <= 0)
        return;
    const std::size_t had = m_pending.size();
    m_pending.resize(had + std::size_t(room) * 2);
    auto *out = reinterpret_cast<std::uint8_t *>(m_pending.data() + had);
    const int made = swr_convert(m_resampler, &out, room, input, count);
    m_pending.resize(had + std::size_t(std::max(made, 0)) * 2);
    if (made > 0)
        m_roundHadSound = true;
}

void MusicDecoder::receiveFrames()
{
    while (true) {
        const int got = avcodec_receive_frame(m_codec, m_frame);
        if (got == AVERROR(EAGAIN))
            return;
        if (got == AVERROR_EOF) {
            convert(nullptr, 0); // what the resampler still holds
            m_roundEnded = true;
            return;
        }
        if (got < 0) {
            notice(got);
            return;
        }
        convert(const_cast<const std::uint8_t **>(m_frame->extended_data), m_frame->nb_samples);
        av_frame_unref(m_frame);
    }
}

// Feeds the decoder one packet (or the end of the file) and takes what it
// gives; false once this round of the file is over.
bool MusicDecoder::step()
{
    if (!m_draining) {
        const int read = av_read_frame(m_format, m_packet);
        if (read < 0) {
            if (read != AVERROR_EOF)
                notice(read);
            m_draining = true;
            avcodec_send_packet(m_codec, nullptr);
        } else {
            if (m_packet->stream_index == m_stream) {
                const int sent = avcodec_send_packet(m_codec, m_packet);
                if (sent < 0 && sent != AVERROR(EAGAIN))
                    notice(sent);
            }
            av_packet_unref(m_packet);
        }
    }
    receiveFrames();
    // Draining takes all the decoder holds at once; one that errs on the
    // last packets may never say it is done.
    if (m_draining)
        m_roundEnded = true;
    return !m_roundEnded;
}

bool MusicDecoder::rewind()
{
    if (!m_roundHadSound) {
        m_exhausted = true;
        return false;
    }
    m_roundHadSound = false;
    closeStream();
    QString why;
    if (!openStream(why)) {
        m_exhausted = true;
        return false;
    }
    return true;
}

std::size_t MusicDecoder::read(std::span<float> stereo)
{
    const std::size_t wanted = stereo.size() / 2;
    for (int steps = 0;
         !m_exhausted && m_pending.size() - m_pendingAt < wanted * 2 && steps < MostSteps;
         ++steps) {
        if (m_pendingAt > 0) {
            m_pending.erase(m_pending.begin(), m_pending.begin() + std::ptrdiff_t(m_pendingAt));
            m_pendingAt = 0;
        }
        if (!step() && !rewind())
            break;
    }
    const std::size_t frames = std::min(wanted, (m_pending.size() - m_pendingAt) / 2);
    std::copy_n(m_pending.begin() + std::ptrdiff_t(m_pendingAt), frames * 2, stereo.begin());
    m_pendingAt += frames * 2;
    if (m_exhausted || frames < wanted)
        std::fill(stereo.begin() + std::ptrdiff_t(frames * 2), stereo.end(), 0.0f);
    return m_exhausted ? frames : wanted;
}

} // namespace fw
