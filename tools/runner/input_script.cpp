// The runner's input timeline.
#include "input_script.h"

#include <fstream>
#include <sstream>

#include "headless.h"

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

void ApplyInputEvent(const InputEvent& e) {
    if (e.device == "key") {
        if (e.action == "down") headless::SetKey(e.code, true);
        if (e.action == "up") headless::SetKey(e.code, false);
        if (e.action == "tap") headless::TapKey(e.code);
    } else if (e.device == "joy") {
        if (e.action == "down") headless::SetJoyButton(e.port, e.code, true);
        if (e.action == "up") headless::SetJoyButton(e.port, e.code, false);
        if (e.action == "tap") headless::TapJoyButton(e.port, e.code);
        if (e.action == "axis") headless::SetJoyAxes(e.port, e.x, e.y);
    } else if (e.device == "joysticks") {
        headless::SetJoystickCount(e.code);
    }
}
