#pragma once

#include "platform/Random.h"

#include <deque>
#include <initializer_list>

namespace fw::test {

// Hands out exactly the values a test states, in order. Asking for more than
// were scripted fails the test, so a test also proves how many draws a
// routine takes.
class ScriptedRandom final : public Random
{
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> values) : m_values(values) {}

    void push(double value) { m_values.push_back(value); }
    void push(std::initializer_list<double> values)
    {
        m_values.insert(m_values.end(), values);
    }
    // For draw(n) = k, the value (k + 0.5) / n.
    void pushDraw(int k, int n) { m_values.push_back((k + 0.5) / n); }

    double next() override;

    std::size_t remaining() const { return m_values.size(); }
    int taken() const { return m_taken; }

private:
    std::deque<double> m_values;
    int m_taken = 0;
};

} // namespace fw::test
