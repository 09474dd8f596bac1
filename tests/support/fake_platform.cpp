#include "support/fake_platform.h"

#include <gtest/gtest.h>

namespace qavi::test {

platform::SerialError FakeSerialPort::open(const platform::PortSettings& settings) {
    ++openCount;
    lastOpened = settings;
    if (openError) {
        auto error = openError;
        return error;
    }
    open_ = true;
    return {};
}

platform::SerialError FakeSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (!open_) return {platform::SerialErrorKind::NotOpen, "The port is not open."};
    if (writeError) return writeError;
    writes.push_back(Write{clock_ ? clock_->nowMs() : 0, std::vector<std::uint8_t>(bytes.begin(), bytes.end())});
    return {};
}

std::vector<std::uint8_t> FakeSerialPort::read(std::size_t maxBytes) {
    std::vector<std::uint8_t> out;
    while (!inbox_.empty() && out.size() < maxBytes) {
        out.push_back(inbox_.front());
        inbox_.pop_front();
    }
    return out;
}

void FakeSerialPort::deliver(const std::vector<std::uint8_t>& bytes) {
    inbox_.insert(inbox_.end(), bytes.begin(), bytes.end());
    if (onBytesReceived) onBytesReceived(inbox_.size());
}

std::vector<std::uint8_t> FakeSerialPort::written() const {
    std::vector<std::uint8_t> all;
    for (const auto& w : writes) all.insert(all.end(), w.bytes.begin(), w.bytes.end());
    return all;
}

bool MemoryKeyStore::openKey(const std::string& keyPath) {
    if (failOpen) return false;
    texts[keyPath];
    integers[keyPath];
    return true;
}

std::optional<std::string> MemoryKeyStore::readText(const std::string& keyPath, const std::string& name) {
    if (failOpen) return std::nullopt;
    auto key = texts.find(keyPath);
    if (key == texts.end()) return std::nullopt;
    auto value = key->second.find(name);
    if (value == key->second.end()) return std::nullopt;
    return value->second;
}

std::optional<int> MemoryKeyStore::readInteger(const std::string& keyPath, const std::string& name) {
    if (failOpen) return std::nullopt;
    auto key = integers.find(keyPath);
    if (key == integers.end()) return std::nullopt;
    auto value = key->second.find(name);
    if (value == key->second.end()) return std::nullopt;
    return value->second;
}

bool MemoryKeyStore::writeText(const std::string& keyPath, const std::string& name, const std::string& value) {
    if (failWrites || failOpen) return false;
    texts[keyPath][name] = value;
    return true;
}

bool MemoryKeyStore::writeInteger(const std::string& keyPath, const std::string& name, int value) {
    if (failWrites || failOpen) return false;
    integers[keyPath][name] = value;
    return true;
}

void ScriptedDialogs::message(const std::string& text) { messages.push_back(text); }

bool ScriptedDialogs::question(const std::string& text) {
    questions.push_back(text);
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedDialogs::openFileName(const std::string& filter) {
    filters.push_back(filter);
    if (fileNames.empty()) {
        ADD_FAILURE() << "unexpected open-file dialog";
        return std::nullopt;
    }
    auto name = fileNames.front();
    fileNames.pop_front();
    return name;
}

std::optional<std::string> ScriptedDialogs::saveFileName(const std::string& filter) {
    filters.push_back(filter);
    if (fileNames.empty()) {
        ADD_FAILURE() << "unexpected save-file dialog";
        return std::nullopt;
    }
    auto name = fileNames.front();
    fileNames.pop_front();
    return name;
}

}  // namespace qavi::test
