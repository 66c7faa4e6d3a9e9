// Drives the real test run with the program's Qt ticks and plays its beeps through the stream sink
// and, side by side on a second output, through a QSoundEffect started at the tick; then
// finds the beeps in the recordings of both outputs and compares them with the schedule.
//
//   korvel_beep_timing run --schedule FILE --beeps N --table MS,MS,... [--beeps-per-period N]
//                          [--recovery-ms MS] [--naive-output ID]
//   korvel_beep_timing analyse --schedule FILE --stream RAW [--naive RAW] [--max-interval-ms MS]
//
// Recordings are raw signed 16-bit mono at 44100 Hz.
#include "BeepOnsets.h"
#include "BeepSink.h"
#include "EditionProfile.h"
#include "ElapsedMillisecondClock.h"
#include "MediaDevicesSoundCheck.h"
#include "QtRunTicks.h"
#include "QtWallClock.h"
#include "RunConfiguration.h"
#include "RunSubjects.h"
#include "RunView.h"
#include "StreamBeepSink.h"
#include "TestRun.h"
#include "TimingReport.h"

#include <QApplication>
#include <QAudioDevice>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTextStream>
#include <QTimer>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace korvel {
namespace {

constexpr int kRecordingRate = 44100;
constexpr int kLoudThreshold = 8000;
constexpr int kQuietGapMs = 50;
constexpr int kShortestBeepMs = 350;  // the beep is 0.46 s loud; the alert is shorter
constexpr double kMatchWindowMs = 200;

class SilentView : public RunView {
public:
    void showRunStarted(const TestRun&) override {}
    void showBeep(const TestRun&) override {}
    void showCone(const TestRun&) override {}
    void showDistance(const TestRun&) override {}
    void showSpeed(const TestRun&) override {}
    void showRecoveryBegun(const TestRun&) override {}
    void showRecoveryTick(const TestRun&) override {}
    void showEffortBegun(const TestRun&) override {}
    void showTime(const TestRun&) override {}
    void showStopped(const TestRun&) override {}
    void showReset(const TestRun&) override {}
};

class NoSubjects : public RunSubjects {
public:
    void activateNamedRows() override {}
    void testStarted() override {}
    void testStopped(const RunReading&) override {}
    void confirmUnsavedResults() override {}
};

class FixedConfiguration : public RunConfiguration {
public:
    std::optional<TestMode> testMode() const override { return TestMode::EffortTest; }
    int initialPeriod() const override { return 1; }
    bool warmUpOption() const override { return false; }
};

// The naive way: a sound effect started when the tick notices the beep.
class SoundEffectSink : public BeepSink {
public:
    explicit SoundEffectSink(const QAudioDevice& device)
    {
        effect_.setAudioDevice(device);
        effect_.setSource(QUrl(QStringLiteral("qrc:/sounds/sonido.wav")));
    }
    bool ready() const { return effect_.status() == QSoundEffect::Ready; }
    void playStationBeep(std::uint32_t) override { effect_.play(); }
    void playAlert() override {}

private:
    QSoundEffect effect_;
};

// Hands every sound to both sinks and writes down each beep's due time.
class RecordingTee : public BeepSink {
public:
    RecordingTee(BeepSink& first, BeepSink* second) : first_(first), second_(second) {}
    void playStationBeep(std::uint32_t dueMs) override
    {
        dueMs_.push_back(dueMs);
        first_.playStationBeep(dueMs);
        if (second_ != nullptr) {
            second_->playStationBeep(dueMs);
        }
    }
    void playAlert() override
    {
        first_.playAlert();
        if (second_ != nullptr) {
            second_->playAlert();
        }
    }
    const std::vector<std::uint32_t>& dueMs() const { return dueMs_; }

private:
    BeepSink& first_;
    BeepSink* second_;
    std::vector<std::uint32_t> dueMs_;
};

QAudioDevice outputWithId(const QString& id)
{
    for (const QAudioDevice& device : QMediaDevices::audioOutputs()) {
        if (device.id() == id.toUtf8()) {
            return device;
        }
    }
    return {};
}

// Polls `ready` every 50 ms up to `timeoutMs`, keeping the event loop running.
bool waitFor(const std::function<bool()>& ready, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!ready()) {
        if (waited.elapsed() > timeoutMs) {
            return false;
        }
        QEventLoop loop;
        QTimer::singleShot(50, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

int runTest(const QCommandLineParser& args)
{
    ElapsedMillisecondClock clock;
    StreamBeepSink stream(clock);
    std::unique_ptr<SoundEffectSink> naive;
    if (args.isSet("naive-output")) {
        const QAudioDevice device = outputWithId(args.value("naive-output"));
        if (device.isNull()) {
            std::fprintf(stderr, "no output named %s\n", qPrintable(args.value("naive-output")));
            return 2;
        }
        naive = std::make_unique<SoundEffectSink>(device);
    }
    if (!waitFor([&] { return stream.isStreaming() && (!naive || naive->ready()); }, 5000)) {
        std::fprintf(stderr, "the sound outputs did not start\n");
        return 2;
    }
    // An output can take a second or two to really start playing; a window opens its stream
    // long before a test starts, so the measurement waits as long.
    waitFor([] { return false; }, 3000);

    EditionProfile profile = profileFor(SportEdition::Basket);
    profile.periodTable.setLines([&] {
        std::vector<std::string> lines;
        for (const QString& entry : args.value("table").split(',')) {
            lines.push_back(entry.trimmed().toStdString());
        }
        return lines;
    }());
    if (args.isSet("beeps-per-period")) {
        profile.beepsPerPeriod = args.value("beeps-per-period").toInt();
    }
    if (args.isSet("recovery-ms")) {
        profile.recoveryMs = args.value("recovery-ms").toInt();
    }

    RecordingTee tee(stream, naive.get());
    QtWallClock wallClock;
    SilentView view;
    TestRun* runPointer = nullptr;
    QtRunTicks ticks([&] { runPointer->stationTick(); }, [&] { runPointer->recoveryTick(); },
                     [&] { runPointer->chronoTick(); });
    FixedConfiguration configuration;
    NoSubjects subjects;
    TestRun run(profile, RunPorts{clock, wallClock, tee, view, ticks, configuration, subjects});
    runPointer = &run;
    run.setSoundAvailable(MediaDevicesSoundCheck().soundAvailable());

    const auto beeps = static_cast<std::size_t>(args.value("beeps").toInt());
    run.start();
    waitFor([&] { return tee.dueMs().size() >= beeps; }, 60 * 60 * 1000);
    run.stop();
    waitFor([] { return false; }, 1500);  // the last beep plays out

    QFile schedule(args.value("schedule"));
    if (!schedule.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.value("schedule")));
        return 2;
    }
    QTextStream out(&schedule);
    for (const std::uint32_t due : tee.dueMs()) {
        out << due << '\n';
    }
    std::printf("played %zu beeps; stream placement %d ms after the due time\n", tee.dueMs().size(),
                stream.placementMs());
    return 0;
}

std::vector<double> readSchedule(const QString& path)
{
    std::vector<double> due;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (!line.isEmpty()) {
                due.push_back(line.toDouble());
            }
        }
    }
    return due;
}

std::optional<TimingReport> analyseRecording(const std::vector<double>& scheduleMs, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    const std::span samples(reinterpret_cast<const std::int16_t*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size()) / sizeof(std::int16_t));
    std::vector<double> onsetsMs;
    for (const LoudSpan& span : findLoudSpans(samples, kLoudThreshold, kQuietGapMs * kRecordingRate / 1000)) {
        if (span.lengthFrames >= kShortestBeepMs * kRecordingRate / 1000) {
            onsetsMs.push_back(static_cast<double>(span.startFrame) * 1000.0 / kRecordingRate);
        }
    }
    return compareTiming(scheduleMs, onsetsMs, kMatchWindowMs);
}

void printRow(const char* label, const std::optional<TimingReport>& stream, const std::optional<TimingReport>& naive,
              const std::function<QString(const TimingReport&)>& cell)
{
    auto text = [&](const std::optional<TimingReport>& report) {
        return report ? cell(*report) : QStringLiteral("-");
    };
    std::printf("%-34s %14s %14s\n", label, qPrintable(text(stream)), qPrintable(text(naive)));
}

int analyse(const QCommandLineParser& args)
{
    const std::vector<double> schedule = readSchedule(args.value("schedule"));
    if (schedule.size() < 2) {
        std::fprintf(stderr, "no schedule in %s\n", qPrintable(args.value("schedule")));
        return 2;
    }
    const std::optional<TimingReport> stream = analyseRecording(schedule, args.value("stream"));
    const std::optional<TimingReport> naive =
        args.isSet("naive") ? analyseRecording(schedule, args.value("naive")) : std::nullopt;
    if (!stream) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args.value("stream")));
        return 2;
    }
    // Rounded first, so that a drift of -0.001 ms reads 0.00.
    auto number = [](double value) { return QString::number(std::round(value * 100) / 100 + 0.0, 'f', 2); };
    std::printf("%-34s %14s %14s\n", "", "stream sink", "QSoundEffect");
    printRow("beeps expected", stream, naive, [](const TimingReport& r) { return QString::number(r.expected); });
    printRow("beeps heard", stream, naive, [](const TimingReport& r) { return QString::number(r.heard); });
    printRow("stray sounds", stream, naive, [](const TimingReport& r) { return QString::number(r.unexpected); });
    printRow("intervals compared", stream, naive, [](const TimingReport& r) { return QString::number(r.intervals); });
    // With fewer than two beeps heard there is nothing to time.
    auto timed = [&](double TimingReport::*figure) {
        return [&, figure](const TimingReport& r) { return r.intervals > 0 ? number(r.*figure) : QStringLiteral("n/a"); };
    };
    printRow("largest interval error (ms)", stream, naive, timed(&TimingReport::maxIntervalErrorMs));
    printRow("99th percentile error (ms)", stream, naive, timed(&TimingReport::p99IntervalErrorMs));
    printRow("drift first to last beep (ms)", stream, naive, timed(&TimingReport::driftMs));

    const double limit = args.value("max-interval-ms").toDouble();
    const bool good = stream->heard == stream->expected && stream->unexpected == 0 && stream->maxIntervalErrorMs <= limit;
    std::printf("stream sink: %s (limit %s ms per interval, no beep missing)\n", good ? "PASS" : "FAIL",
                qPrintable(number(limit)));
    return good ? 0 : 1;
}

}  // namespace
}  // namespace korvel

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser args;
    args.addPositionalArgument("command", "run or analyse");
    args.addOptions({
        {"schedule", "Due times of the beeps, one per line (ms).", "file"},
        {"beeps", "Station beeps to play before stopping.", "count", "110"},
        {"table", "Working table: station interval per period (ms).", "list", "700,650,600"},
        {"beeps-per-period", "Beeps of one effort period.", "count"},
        {"recovery-ms", "Recovery between periods (ms).", "ms"},
        {"naive-output", "Output id for the QSoundEffect beeps.", "id"},
        {"stream", "Recording of the stream sink's output.", "file"},
        {"naive", "Recording of the QSoundEffect output.", "file"},
        {"max-interval-ms", "Largest interval error that passes (ms).", "ms", "1"},
    });
    args.process(app);
    const QStringList positional = args.positionalArguments();
    const QString command = positional.isEmpty() ? QString() : positional.first();
    if (command == QLatin1String("run")) {
        return korvel::runTest(args);
    }
    if (command == QLatin1String("analyse")) {
        return korvel::analyse(args);
    }
    args.showHelp(2);
}
