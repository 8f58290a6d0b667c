// Counts a command of the main window in progress, so that a request to end the program waits
// for it.
#pragma once

namespace vak {

class BusyScope {
public:
    explicit BusyScope(int& busy) : m_busy(busy) { ++m_busy; }
    ~BusyScope() { --m_busy; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    int& m_busy;
};

} // namespace vak
