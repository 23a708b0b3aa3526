#include "PulseOutput.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>
#include <pulse/stream.h>

#include <algorithm>
#include <csignal>
#include <cstdio>

#include <pthread.h>

namespace fw {

namespace {

constexpr auto LatencyMs = 100; // what the server keeps ahead of the tank
constexpr auto RequestMs = 20;  // how much it asks for at a time

void say(const char *line)
{
    std::fprintf(stderr, "finwicks: %s\n", line);
}

} // namespace

PulseOutput::PulseOutput(int rate, Render render)
    : m_rate(rate), m_render(std::move(render)), m_loop(pa_mainloop_new()),
      m_thread([this] { run(); })
{}

PulseOutput::~PulseOutput()
{
    m_stop = true;
    if (m_loop)
        pa_mainloop_wakeup(m_loop);
    m_thread.join();
    if (m_loop)
        pa_mainloop_free(m_loop);
}

void PulseOutput::run()
{
    // Signals are the main thread's business.
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, nullptr);
    if (!m_loop)
        return;
    while (!m_stop) {
        const auto now = std::chrono::steady_clock::now();
        if (!m_context && now >= m_retryAt)
            connect();
        if (m_broken) { // refused at once
            lost();
            continue;
        }
        int timeout = -1; // until the server or the destructor has something
        if (!m_context)
            timeout = std::max(
                0, int(std::chrono::duration_cast<std::chrono::microseconds>(m_retryAt - now)
                           .count()));
        if (pa_mainloop_prepare(m_loop, timeout) < 0 || pa_mainloop_poll(m_loop) < 0 ||
            pa_mainloop_dispatch(m_loop) < 0)
            break;
        if (m_broken)
            lost();
    }
    disconnect();
}

void PulseOutput::connect()
{
    m_context = pa_context_new(pa_mainloop_get_api(m_loop), "finwicks");
    if (!m_context) {
        m_broken = true;
        return;
    }
    pa_context_set_state_callback(m_context, &PulseOutput::contextChanged, this);
    // A saver never starts a sound server of its own.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        m_broken = true;
}

void PulseOutput::contextChanged(pa_context *context, void *self)
{
    auto *output = static_cast<PulseOutput *>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        output->openStream();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        output->m_broken = true;
        break;
    default:
        break;
    }
}

void PulseOutput::openStream()
{
    const pa_sample_spec spec{PA_SAMPLE_S16LE, std::uint32_t(m_rate), 2};
    m_stream = pa_stream_new(m_context, "finwicks", &spec, nullptr);
    if (!m_stream) {
        m_broken = true;
        return;
    }
    pa_stream_set_state_callback(m_stream, &PulseOutput::streamChanged, this);
    pa_stream_set_write_callback(m_stream, &PulseOutput::streamWants, this);
    pa_buffer_attr buffer;
    buffer.maxlength = std::uint32_t(-1);
    buffer.tlength = std::uint32_t(pa_usec_to_bytes(LatencyMs * 1000, &spec));
    buffer.prebuf = std::uint32_t(-1);
    buffer.minreq = std::uint32_t(pa_usec_to_bytes(RequestMs * 1000, &spec));
    buffer.fragsize = std::uint32_t(-1);
    if (pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0)
        m_broken = true;
}

void PulseOutput::streamChanged(pa_stream *stream, void *self)
{
    auto *output = static_cast<PulseOutput *>(self);
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        output->m_playing = true;
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        output->m_broken = true;
        break;
    default:
        break;
    }
}

void PulseOutput::streamWants(pa_stream *stream, std::size_t bytes, void *self)
{
    auto *output = static_cast<PulseOutput *>(self);
    output->m_buffer.resize(bytes / sizeof(std::int16_t) / 2 * 2);
    output->m_render(output->m_buffer);
    if (pa_stream_write(stream, output->m_buffer.data(),
                        output->m_buffer.size() * sizeof(std::int16_t), nullptr, 0,
                        PA_SEEK_RELATIVE) < 0)
        output->m_broken = true;
}

void PulseOutput::disconnect()
{
    if (m_stream) {
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
}

void PulseOutput::lost()
{
    // Once when the server went away, once when there never was one; the
    // retries after that are silent.
    if (m_playing)
        say("the sound server went away; the tank goes on silently until it is back");
    else if (!m_missingTold)
        say("no sound server answers; the tank stays silent until one does");
    m_missingTold = true;
    m_playing = false;
    m_broken = false;
    disconnect();
    m_retryAt = std::chrono::steady_clock::now() + RetryEvery;
}

} // namespace fw
