// The developer tools' input timeline.
#include "input_script.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

bool Fail(std::string* error, int32_t line, const std::string& what) {
    *error = "input line " + std::to_string(line) + ": " + what;
    return false;
}

}  // namespace

bool ReadInputScript(const std::string& path, std::vector<InputEvent>* events, std::string* error) {
    std::ifstream file(path);
    if (!file) {
        *error = "cannot read input file " + path;
        return false;
    }
    std::string text;
    int32_t lineNo = 0;
    while (std::getline(file, text)) {
        ++lineNo;
        const size_t hash = text.find('#');
        if (hash != std::string::npos) text.erase(hash);
        std::istringstream in(text);
        std::string when;
        if (!(in >> when)) continue;

        InputEvent e;
        e.line = lineNo;
        try {
            size_t used = 0;
            if (when[0] == '@') {
                e.atClock = true;
                e.when = std::stoll(when.substr(1), &used);
                ++used;
            } else {
                e.when = std::stoll(when, &used);
            }
            if (used != when.size() || e.when < 0) return Fail(error, lineNo, "bad time '" + when + "'");
        } catch (...) {
            return Fail(error, lineNo, "bad time '" + when + "'");
        }

        if (!(in >> e.device)) return Fail(error, lineNo, "no device");
        if (e.device == "key") {
            if (!(in >> e.action >> e.code)) return Fail(error, lineNo, "expected: key down|up|tap <vk>");
            if (e.action != "down" && e.action != "up" && e.action != "tap") {
                return Fail(error, lineNo, "unknown key action '" + e.action + "'");
            }
        } else if (e.device == "joy") {
            if (!(in >> e.port >> e.action)) return Fail(error, lineNo, "expected: joy <port> <action> ...");
            if (e.action == "axis") {
                if (!(in >> e.x >> e.y)) return Fail(error, lineNo, "expected: joy <port> axis <x> <y>");
            } else if (e.action == "down" || e.action == "up" || e.action == "tap") {
                if (!(in >> e.code)) return Fail(error, lineNo, "expected: joy <port> down|up|tap <button>");
            } else {
                return Fail(error, lineNo, "unknown joystick action '" + e.action + "'");
            }
        } else if (e.device == "joysticks") {
            if (!(in >> e.code)) return Fail(error, lineNo, "expected: joysticks <n>");
        } else {
            return Fail(error, lineNo, "unknown device '" + e.device + "'");
        }
        std::string extra;
        if (in >> extra) return Fail(error, lineNo, "unexpected '" + extra + "'");
        events->push_back(e);
    }
    return true;
}

void InputTimeline::Set(const std::vector<InputEvent>& events) {
    passEvents_.clear();
    clockEvents_.clear();
    nextPassEvent_ = nextClockEvent_ = 0;
    for (const InputEvent& e : events) (e.atClock ? clockEvents_ : passEvents_).push_back(e);
    auto byTime = [](const InputEvent& a, const InputEvent& b) { return a.when < b.when; };
    std::stable_sort(passEvents_.begin(), passEvents_.end(), byTime);
    std::stable_sort(clockEvents_.begin(), clockEvents_.end(), byTime);
}

bool InputTimeline::Load(const std::string& path, std::string* error) {
    std::vector<InputEvent> events;
    if (!path.empty() && !ReadInputScript(path, &events, error)) return false;
    Set(events);
    return true;
}

void InputTimeline::ApplyPassEvents(int64_t pass) {
    while (nextPassEvent_ < passEvents_.size() && passEvents_[nextPassEvent_].when <= pass) {
        apply_(passEvents_[nextPassEvent_++]);
    }
}

void InputTimeline::ApplyClockEvents(int64_t elapsedMs) {
    bool given = false;
    while (nextClockEvent_ < clockEvents_.size() && clockEvents_[nextClockEvent_].when <= elapsedMs) {
        apply_(clockEvents_[nextClockEvent_++]);
        given = true;
    }
    if (given && watching_) lastProgressMs_ = elapsedMs;
}

bool InputTimeline::StallPoll(int64_t nowMs) {
    const bool passEventsLeft = nextPassEvent_ < passEvents_.size();
    if (held_ && passEventsLeft && ++heldPolls_ >= StallPolls) {
        heldPolls_ = 0;
        ApplyPassEvents(passEvents_[nextPassEvent_].when);
        Progress(nowMs);
    }
    if (!watching_) return true;
    const bool more = nextClockEvent_ < clockEvents_.size() || (held_ && nextPassEvent_ < passEvents_.size());
    return more || nowMs - lastProgressMs_ < StallMillis;
}

void WalkAndFire(int64_t pass, void (*key)(int32_t vk, bool down)) {
    constexpr int32_t Up = 38, Right = 39, Down = 40, Fire = 90;
    if (pass == 30) key(Right, true);
    if (pass % 12 == 0) {
        key(Fire, true);
        key(Fire, false);
    }
    switch (pass % 500) {
        case 250: key(Up, true); break;
        case 280: key(Up, false); break;
        case 400: key(Down, true); break;
        case 430: key(Down, false); break;
        default: break;
    }
}
