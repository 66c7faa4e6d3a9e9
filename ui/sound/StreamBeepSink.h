#pragma once

#include "AlertGate.h"
#include "BeepSink.h"
#include "BeepStream.h"

#include <QAudio>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class QAudioSink;
class QIODevice;

namespace korvel {

class MillisecondClock;

// Plays the run's sounds through one continuous push-mode stream on the default output,
// opened at construction and kept open, fed every few milliseconds from a precise timer.
// Each station beep sounds at its due time plus one constant latency; the warning alert
// sounds once per warning. Without an output, or while one has failed, beeps are silent and
// the alert falls back to the system's; the stream reopens when an output is back.
class StreamBeepSink : public QObject, public BeepSink {
    Q_OBJECT

public:
    // `clock` is the run's clock and must outlive the sink; `systemAlert` sounds the alert
    // when there is no stream (QApplication::beep unless a test says otherwise).
    explicit StreamBeepSink(MillisecondClock& clock, std::function<void()> systemAlert = {},
                            QObject* parent = nullptr);
    ~StreamBeepSink() override;

    void playStationBeep(std::uint32_t dueMs) override;
    void playAlert() override;

    // Whether a stream is open and tied to the clock.
    bool isStreaming() const;
    // From a beep's due time to its place in the stream; the device adds its own latency.
    int placementMs() const;

signals:
    void streamingChanged(bool streaming);

private:
    void openStream();
    void closeStream();
    void feed();
    void onStateChanged(QAudio::State state);
    void onOutputsChanged();

    MillisecondClock& clock_;
    std::function<void()> systemAlert_;
    BeepStream stream_;
    AlertGate alertGate_;
    QMediaDevices devices_;
    QAudioDevice device_;
    std::unique_ptr<QAudioSink> sink_;
    QIODevice* output_ = nullptr;
    QTimer feedTimer_;
    QTimer retryTimer_;
};

}  // namespace korvel
