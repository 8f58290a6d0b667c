// A small JSON writer for vak-cli's output: it puts the commas between the members of the object
// or array it is in.
#pragma once

#include "cli/GroupJson.h"

#include <string>
#include <string_view>

namespace vak {

class JsonWriter {
public:
    std::string Take() { return std::move(m_out); }

    void Open(char bracket) { Separate(); m_out += bracket; m_first = true; }
    void Close(char bracket) { m_out += bracket; m_first = false; }
    void Key(std::string_view key) { Separate(); m_out += JsonString(key); m_out += ':'; m_first = true; }
    void Value(std::string_view text) { Separate(); m_out += JsonString(text); }
    void Value(long number) { Separate(); m_out += std::to_string(number); }
    void Value(bool flag) { Separate(); m_out += flag ? "true" : "false"; }
    void Null() { Separate(); m_out += "null"; }
    // A number already written as JSON text, such as "12.75".
    void Number(std::string_view text) { Separate(); m_out += text; }

    template <typename T>
    void Member(std::string_view key, T value) { Key(key); Value(value); }

private:
    void Separate()
    {
        if (!m_first)
            m_out += ',';
        m_first = false;
    }
    std::string m_out;
    bool m_first = true;
};

} // namespace vak
