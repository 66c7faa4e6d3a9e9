#pragma once

#include "ExportWriter.h"
#include "ResultsDialogs.h"
#include "WallClock.h"

#include <optional>
#include <string>
#include <vector>

namespace korvel::testing {

// Answers the results dialogs as the test says and notes every call, in order.
class FakeDialogs : public ResultsDialogs {
public:
    bool okAnswer = true;
    bool yesAnswer = true;
    std::optional<std::string> savePath = "/exports/file.txt";

    std::vector<std::string> calls;  // "alert", "okCancel", "yesNo", "warning", "save"
    std::vector<std::string> titles;
    std::vector<std::string> texts;
    std::vector<SaveRequest> saveRequests;

    void playAlert() override { calls.push_back("alert"); }
    bool askOkCancel(const std::string& title, const std::string& text) override
    {
        note("okCancel", title, text);
        return okAnswer;
    }
    bool askYesNo(const std::string& title, const std::string& text) override
    {
        note("yesNo", title, text);
        return yesAnswer;
    }
    void showWarning(const std::string& title, const std::string& text) override { note("warning", title, text); }
    std::optional<std::string> askSavePath(const SaveRequest& request) override
    {
        calls.push_back("save");
        saveRequests.push_back(request);
        return savePath;
    }

private:
    void note(const char* call, const std::string& title, const std::string& text)
    {
        calls.push_back(call);
        titles.push_back(title);
        texts.push_back(text);
    }
};

// Keeps what it is given instead of touching the disk; fails when told to.
class FakeWriter : public ExportWriter {
public:
    bool succeeds = true;
    std::vector<std::string> paths;
    std::string bytes;

    bool write(const std::string& path, std::string_view written) override
    {
        paths.push_back(path);
        if (succeeds) {
            bytes = written;
        }
        return succeeds;
    }
};

class FixedWallClock : public WallClock {
public:
    explicit FixedWallClock(LocalTime now) : now_(now) {}
    LocalTime localNow() override { return now_; }

private:
    LocalTime now_;
};

// A local date and time, to the minute.
inline LocalTime localTime(int year, unsigned month, unsigned day, int hours, int minutes)
{
    using namespace std::chrono;
    return local_days{std::chrono::year{year} / month / day} + hours * 1h + minutes * 1min;
}

}  // namespace korvel::testing
