#pragma once
// A scripted MusicDevice: answers each command from a table and records every call, so that a
// test sees the exact traffic the player sends to the platform.

#include "music_device.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumo::test {

// The player speaks UTF-16 to the device; the tables are kept in single bytes, one per
// character, which every command and reply of these tests fits.
inline std::string Narrow(std::wstring_view text) {
    std::string out;
    for (const wchar_t c : text) {
        out.push_back(static_cast<char>(c));
    }
    return out;
}
inline std::wstring Widen(std::string_view text) {
    return std::wstring(text.begin(), text.end());
}

struct Answer {
    std::uint32_t code = 0;
    std::optional<std::string> reply; // nullopt: the device leaves the buffer untouched
};

struct SentCommand {
    std::string command;
    std::size_t capacity;
    bool operator==(const SentCommand&) const = default;
};

struct PlayCall {
    std::optional<std::string> file;
    std::uint32_t flags;
    bool operator==(const PlayCall&) const = default;
};

class FakeMusicDevice : public MusicDevice {
  public:
    // Commands without an answer succeed with code 0 and write an empty reply.
    std::map<std::string, Answer> answers;
    std::map<std::uint32_t, std::string> errorTexts; // codes without an entry: the call fails
    std::uint32_t waveDevices = 2;
    std::int32_t playResult = 1;

    std::vector<SentCommand> sent;
    std::vector<PlayCall> played;

    std::uint32_t SendString(const std::wstring& command, std::wstring& reply,
                             std::size_t capacity) override {
        sent.push_back({Narrow(command), capacity});
        const auto found = answers.find(Narrow(command));
        const Answer answer = found == answers.end() ? Answer{0, std::string()} : found->second;
        if (capacity > 0 && answer.reply) {
            reply = Widen(answer.reply->substr(0, capacity - 1));
        }
        return answer.code;
    }

    bool GetErrorString(std::uint32_t code, std::wstring& text, std::size_t capacity) override {
        errorQueries.push_back(code);
        const auto found = errorTexts.find(code);
        if (found == errorTexts.end()) {
            return false;
        }
        text = Widen(found->second.substr(0, capacity - 1));
        return true;
    }

    std::uint32_t WaveOutDeviceCount() override { return waveDevices; }

    std::int32_t PlaySound(const wchar_t* file, std::uint32_t flags) override {
        played.push_back({file ? std::optional<std::string>(Narrow(file)) : std::nullopt, flags});
        return playResult;
    }

    std::vector<std::string> Commands() const {
        std::vector<std::string> out;
        for (const auto& s : sent) {
            out.push_back(s.command);
        }
        return out;
    }

    std::vector<std::uint32_t> errorQueries;
};

} // namespace lumo::test
