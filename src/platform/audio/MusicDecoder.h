#pragma once

#include "platform/EffectMixer.h"

#include <QString>

#include <memory>
#include <optional>
#include <span>
#include <vector>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVIOContext;
struct AVPacket;
struct SwrContext;

namespace fw {

// Decodes a music file with FFmpeg's libraries, over and over, as stereo at
// the mixer's rate. The program opens the file itself: its name never passes
// through a URL, and once open it keeps playing even if it is deleted.
class MusicDecoder final : public MusicSource
{
public:
    // The file ready to play, or null with the reason in `why`.
    static std::unique_ptr<MusicDecoder> open(const QString &path, QString &why);
    ~MusicDecoder() override;
    MusicDecoder(const MusicDecoder &) = delete;
    MusicDecoder &operator=(const MusicDecoder &) = delete;

    std::size_t read(std::span<float> stereo) override;

    // What went wrong while playing (a damaged stretch of the file), told
    // once for the whole run; empty after that.
    std::optional<QString> takeProblem();
    // Whether a whole round of the file gave no sound: it never will.
    bool exhausted() const { return m_exhausted; }

private:
    explicit MusicDecoder(int fd) : m_fd(fd) {}
    bool openStream(QString &why);
    bool openDecoder(QString &why);
    void closeStream();
    bool step();
    void receiveFrames();
    void convert(const std::uint8_t **input, int count);
    void notice(int error);
    bool rewind();
    static int readPacket(void *self, std::uint8_t *buffer, int size);
    static std::int64_t seekPacket(void *self, std::int64_t offset, int whence);

    int m_fd;
    AVIOContext *m_io = nullptr;
    AVFormatContext *m_format = nullptr;
    AVCodecContext *m_codec = nullptr;
    SwrContext *m_resampler = nullptr;
    AVPacket *m_packet = nullptr;
    AVFrame *m_frame = nullptr;
    int m_stream = -1;
    bool m_draining = false; // the file is read; the decoder gives what it holds
    bool m_roundEnded = false;
    bool m_roundHadSound = false;
    bool m_exhausted = false;
    std::vector<float> m_pending; // decoded, not yet read
    std::size_t m_pendingAt = 0;
    QString m_problem;
    bool m_problemTold = false;
};

} // namespace fw
