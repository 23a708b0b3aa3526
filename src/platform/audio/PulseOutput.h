#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <thread>
#include <vector>

struct pa_context;
struct pa_mainloop;
struct pa_stream;

namespace fw {

// One stereo stream to the sound server (PulseAudio, or PipeWire's
// PulseAudio service), run on a thread of its own: nothing else in the
// program talks to the server, and nothing ever waits for it. When the
// server is missing or goes away, one line says so, and the stream is tried
// again every two seconds until the server is back.
class PulseOutput
{
public:
    // Called on the output's thread for each stretch of samples the server
    // wants: 16-bit interleaved stereo at `rate`.
    using Render = std::function<void(std::span<std::int16_t>)>;

    PulseOutput(int rate, Render render);
    // Silent at once: the stream goes, with what the server still held.
    ~PulseOutput();
    PulseOutput(const PulseOutput &) = delete;
    PulseOutput &operator=(const PulseOutput &) = delete;

    static constexpr std::chrono::seconds RetryEvery{2};

private:
    void run();
    void connect();
    void openStream();
    void disconnect();
    void lost();
    static void contextChanged(pa_context *context, void *self);
    static void streamChanged(pa_stream *stream, void *self);
    static void streamWants(pa_stream *stream, std::size_t bytes, void *self);

    int m_rate;
    Render m_render;
    pa_mainloop *m_loop = nullptr;
    // Only the output's thread touches these.
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    bool m_broken = false;  // the connection failed; dropped after the dispatch
    bool m_playing = false; // the stream has reached the server since the last report
    bool m_missingTold = false;
    std::chrono::steady_clock::time_point m_retryAt;
    std::vector<std::int16_t> m_buffer;

    std::atomic<bool> m_stop{false};
    std::thread m_thread; // last: starts once all the above is ready
};

} // namespace fw
