#include "StreamBeepSink.h"

#include "MillisecondClock.h"
#include "PcmResampling.h"
#include "SoundResources.h"

#include <QApplication>
#include <QAudioFormat>
#include <QAudioSink>

namespace korvel {
namespace {

constexpr int kSampleRate = 44100;
constexpr int kBytesPerFrame = 2;
constexpr int kFeedIntervalMs = 5;
// Large enough that PulseAudio plays steadily and short stalls of the user-interface thread
// do not let the device run dry; the latency it adds is the same for every beep.
constexpr int kBufferMs = 400;
constexpr int kRetryIntervalMs = 1000;

std::vector<std::int16_t> streamSamples(const QString& resource)
{
    const std::optional<PcmWave> wave = loadWaveResource(resource);
    return wave ? resampleTo16Bit(*wave, kSampleRate) : std::vector<std::int16_t>{};
}

QAudioFormat streamFormat()
{
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

}  // namespace

StreamBeepSink::StreamBeepSink(MillisecondClock& clock, std::function<void()> systemAlert, QObject* parent)
    : QObject(parent),
      clock_(clock),
      systemAlert_(systemAlert ? std::move(systemAlert) : std::function<void()>(&QApplication::beep)),
      stream_(BeepMixer(streamSamples(kStationBeepResource), streamSamples(kAlertResource)),
              StreamTiming{.sampleRate = kSampleRate})
{
    feedTimer_.setTimerType(Qt::PreciseTimer);
    feedTimer_.setInterval(kFeedIntervalMs);
    connect(&feedTimer_, &QTimer::timeout, this, &StreamBeepSink::feed);
    retryTimer_.setSingleShot(true);
    retryTimer_.setInterval(kRetryIntervalMs);
    connect(&retryTimer_, &QTimer::timeout, this, &StreamBeepSink::openStream);
    connect(&devices_, &QMediaDevices::audioOutputsChanged, this, &StreamBeepSink::onOutputsChanged);
    openStream();
}

StreamBeepSink::~StreamBeepSink()
{
    closeStream();
}

bool StreamBeepSink::isStreaming() const
{
    return output_ != nullptr && stream_.placing();
}

int StreamBeepSink::placementMs() const
{
    return static_cast<int>(stream_.placementFrames() * 1000 / kSampleRate);
}

void StreamBeepSink::playStationBeep(std::uint32_t dueMs)
{
    if (output_ != nullptr) {
        stream_.addBeep(dueMs, clock_.nowMs());
    }
}

void StreamBeepSink::playAlert()
{
    const std::uint32_t now = clock_.nowMs();
    if (!alertGate_.admit(now)) {
        return;
    }
    if (isStreaming()) {
        stream_.addAlert(now);
    } else {
        systemAlert_();
    }
}

void StreamBeepSink::openStream()
{
    if (sink_) {
        return;
    }
    device_ = QMediaDevices::defaultAudioOutput();
    if (device_.isNull()) {
        return;  // an output appearing later reopens the stream
    }
    sink_ = std::make_unique<QAudioSink>(device_, streamFormat());
    sink_->setBufferSize(kSampleRate * kBytesPerFrame * kBufferMs / 1000);
    output_ = sink_->start();
    if (output_ == nullptr || sink_->error() != QAudio::NoError) {
        closeStream();
        retryTimer_.start();
        return;
    }
    connect(sink_.get(), &QAudioSink::stateChanged, this, &StreamBeepSink::onStateChanged);
    stream_.start(sink_->bufferSize() / kBytesPerFrame);
    feedTimer_.start();
    feed();
}

void StreamBeepSink::closeStream()
{
    feedTimer_.stop();
    if (!sink_) {
        return;
    }
    const bool wasStreaming = isStreaming();
    sink_->disconnect(this);
    sink_->stop();
    sink_.reset();
    output_ = nullptr;
    device_ = QAudioDevice();
    if (wasStreaming) {
        emit streamingChanged(false);
    }
}

void StreamBeepSink::feed()
{
    if (output_ == nullptr) {
        return;
    }
    const bool wasPlacing = stream_.placing();
    // The device's own account of what it has played: a stall or an underrun shows there as
    // a lag behind the clock.
    const std::int64_t played = sink_->processedUSecs() * kSampleRate / 1'000'000;
    const std::span<const std::int16_t> block = stream_.feed(clock_.nowMs(), sink_->bytesFree() / kBytesPerFrame, played);
    if (!block.empty()) {
        output_->write(reinterpret_cast<const char*>(block.data()), static_cast<qint64>(block.size_bytes()));
    }
    if (!wasPlacing && stream_.placing()) {
        emit streamingChanged(true);
    }
}

void StreamBeepSink::onStateChanged(QAudio::State state)
{
    // An underrun only leaves the device idle; the stream skips what it missed on its next
    // feed. A stop with an error means the device is gone or broken.
    if (state == QAudio::StoppedState && sink_ && sink_->error() != QAudio::NoError) {
        closeStream();
        retryTimer_.start();
    }
}

void StreamBeepSink::onOutputsChanged()
{
    if (sink_ && QMediaDevices::audioOutputs().contains(device_)) {
        return;
    }
    closeStream();
    openStream();
}

}  // namespace korvel
